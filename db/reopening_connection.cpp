#include "db/reopening_connection.h"

#include "db/error.h"

namespace quelor::db {

void ReopeningConnection::Open(const std::string& connection_text) {
  connection_text_ = connection_text;
  backend_.Open(connection_text);
}

void ReopeningConnection::EnsureOpen() {
  if (backend_.IsOpen()) return;
  if (connection_text_.empty()) throw Error("The connection has not been opened.");
  backend_.Open(connection_text_);
}

void ReopeningConnection::Execute(const std::string& text) {
  EnsureOpen();
  backend_.Execute(text);
}

ResultSet ReopeningConnection::Query(const std::string& text) {
  EnsureOpen();
  return backend_.Query(text);
}

void ReopeningConnection::InsertRow(const std::string& table,
                                    const std::vector<ColumnValue>& values) {
  EnsureOpen();
  backend_.InsertRow(table, values);
}

}  // namespace quelor::db
