// Counts what passes through a connection, for the summary at the end of a
// run: the statements sent (commands, queries and row inserts) and the
// databases it was opened on.
#pragma once

#include <set>
#include <string>

#include "db/connection.h"

namespace quelor::db {

class CountingConnection : public Connection {
 public:
  explicit CountingConnection(Connection& inner) : inner_(inner) {}

  void Open(const std::string& connection_text) override;
  void Close() override { inner_.Close(); }
  bool IsOpen() const override { return inner_.IsOpen(); }
  void Execute(const std::string& text) override;
  ResultSet Query(const std::string& text) override;
  void InsertRow(const std::string& table, const std::vector<ColumnValue>& values) override;

  long statements() const { return statements_; }
  long failures() const { return failures_; }
  // The databases this connection was opened on with success.
  const std::set<std::string>& databases() const { return databases_; }

 private:
  template <typename Action>
  auto Count(Action&& action);

  Connection& inner_;
  long statements_ = 0;
  long failures_ = 0;
  std::set<std::string> databases_;
};

}  // namespace quelor::db
