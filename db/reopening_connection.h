// A connection as the run holds it: the backend plus the connection text it
// was last given. Open() keeps the text even when opening fails; a statement
// sent while the connection is closed opens it again with that text first, so
// a later use of a connection whose connect failed fails the same way.
#pragma once

#include <string>

#include "db/connection.h"

namespace quelor::db {

class ReopeningConnection : public Connection {
 public:
  explicit ReopeningConnection(Connection& backend) : backend_(backend) {}

  void Open(const std::string& connection_text) override;
  void Close() override { backend_.Close(); }
  bool IsOpen() const override { return backend_.IsOpen(); }
  void Execute(const std::string& text) override;
  ResultSet Query(const std::string& text) override;
  void InsertRow(const std::string& table, const std::vector<ColumnValue>& values) override;

  const std::string& connection_text() const { return connection_text_; }

 private:
  void EnsureOpen();

  Connection& backend_;
  std::string connection_text_;
};

}  // namespace quelor::db
