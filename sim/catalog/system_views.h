// The catalogue views the update tool's probes read, computed from the model
// on each query: sysobjects, syscolumns, systypes, sysindexes, sysdatabases,
// sys.indexes, sys.index_columns, sys.objects, sys.tables, sys.columns and
// INFORMATION_SCHEMA.COLUMNS, TABLES and ROUTINES; the constraint views are
// in constraint_views.h.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/catalog/schema.h"
#include "sim/execution/relation.h"

namespace quelor::sim {

// A "column = 'text'" condition of the query; rows that cannot meet it need
// not be built (the query still tests every row it gets).
struct ViewEquality {
  std::string column;
  std::string value;
};

// The view `schema`.`name` of `database` with its columns qualified by
// `qualifier`, or nullopt when that is no catalogue view.
std::optional<Relation> SystemView(const Database& database, const std::string& schema,
                                   const std::string& name, const std::string& qualifier,
                                   const std::vector<ViewEquality>& equalities = {});

}  // namespace quelor::sim
