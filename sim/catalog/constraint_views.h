// The catalogue views of key, foreign key and default constraints:
// INFORMATION_SCHEMA.TABLE_CONSTRAINTS, KEY_COLUMN_USAGE and
// REFERENTIAL_CONSTRAINTS, sys.foreign_keys, sys.foreign_key_columns and
// sys.default_constraints, with the real server's columns and values.
#pragma once

#include <optional>
#include <string>

#include "sim/catalog/schema.h"
#include "sim/execution/relation.h"

namespace quelor::sim {

// INFORMATION_SCHEMA.`name` of `database` when it is one of these views, else nullopt.
std::optional<Relation> InformationSchemaConstraintView(const Database& database,
                                                        const std::string& name,
                                                        const std::string& qualifier);
// sys.`name` of `database` when it is one of these views, else nullopt.
std::optional<Relation> SysConstraintView(const Database& database, const std::string& name,
                                          const std::string& qualifier);

}  // namespace quelor::sim
