// Intermediate results of a query: named, typed columns and rows. Columns of
// base tables carry their table's alias as qualifier; every base table also
// contributes a hidden column with the row's position in the table, which
// UPDATE and DELETE use to find the rows they change.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/catalog/schema.h"

namespace quelor::sim {

struct BoundColumn {
  std::string qualifier;   // alias or table name
  std::string table_name;  // the base table's own name, for db.dbo.T.col
  std::string name;
  SqlType type;
  bool hidden = false;  // the row position of a base table
  Table* table = nullptr;
};

struct Relation {
  std::vector<BoundColumn> columns;
  std::vector<Row> rows;
  // Names the column list: the same for every scan of one table under one
  // name while its columns stay as they are, and never given to another
  // list, so that a column reference bound against it stays bound across
  // statements and subquery calls. 0 when the list has no such name.
  std::uint64_t shape = 0;
};

}  // namespace quelor::sim
