// Tables that a batch leaves equal to the same table of another database
// share one vector of rows (Rows::ShareWith) until either is changed: every
// club database loads the same bank codes and reference lists, and one copy
// of them in memory is enough.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace quelor::sim {

class Database;
class Server;
class Table;

class RowSharing {
 public:
  // Smaller tables are left alone: comparing costs more than they hold.
  static constexpr std::size_t kMinimumRows = 100;

  // Before a statement changes `table` of `database`.
  void Written(const Database& database, const Table& table);
  // After a batch: every table written since the last call that holds at
  // least kMinimumRows rows and equals the table of its name in another
  // database (same columns and types, every value stored alike) shares that
  // table's rows.
  void ShareWritten(Server& server);

 private:
  // Database and table names: a table may be dropped before the batch ends.
  std::vector<std::pair<std::string, std::string>> written_;
};

}  // namespace quelor::sim
