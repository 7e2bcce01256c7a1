#include "db/counting_connection.h"

#include "db/error.h"
#include "db/trace_connection.h"

namespace quelor::db {

template <typename Action>
auto CountingConnection::Count(Action&& action) {
  tally_.AddStatement();
  try {
    return action();
  } catch (const Error&) {
    tally_.AddFailure();
    throw;
  }
}

void CountingConnection::Open(const std::string& connection_text) {
  inner_.Open(connection_text);
  tally_.AddDatabase(CatalogOf(connection_text));
}

void CountingConnection::Execute(const std::string& text) {
  Count([&] { inner_.Execute(text); });
}

ResultSet CountingConnection::Query(const std::string& text) {
  return Count([&] { return inner_.Query(text); });
}

void CountingConnection::InsertRow(const std::string& table,
                                   const std::vector<ColumnValue>& values) {
  Count([&] { inner_.InsertRow(table, values); });
}

}  // namespace quelor::db
