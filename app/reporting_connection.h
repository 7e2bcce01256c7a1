// Passes every call on to a connection and tells the run recorder about each
// statement: the database it was sent to (the name the run last pointed the
// connection at; empty for the catalogue connection, whose statements the
// report counts for the run) and, when it failed, its text. The failed text
// is kept until the next statement succeeds or a connect follows, so the
// dialog or stop box that follows a failure can name the statement that
// caused it; the rollback and transaction probe sent after a failure in a
// group leave it as it is.
#pragma once

#include <string>

#include "app/run_report.h"
#include "db/connection.h"

namespace quelor::app {

class ReportingConnection : public db::Connection {
 public:
  ReportingConnection(db::Connection& inner, RunRecorder& recorder)
      : inner_(inner), recorder_(recorder) {}

  // The database the following statements are counted for.
  void set_database(const std::string& name) { database_ = name; }

  void Open(const std::string& connection_text) override;
  void Close() override { inner_.Close(); }
  bool IsOpen() const override { return inner_.IsOpen(); }
  void Execute(const std::string& text) override;
  db::ResultSet Query(const std::string& text) override;
  void InsertRow(const std::string& table, const std::vector<db::ColumnValue>& values) override;

  // The statement whose failure was the last thing that happened on this
  // connection; empty when a statement succeeded or a connect followed.
  const std::string& failed_statement() const { return failed_statement_; }

 private:
  template <typename Action>
  auto Report(const std::string& text, Action&& action);

  db::Connection& inner_;
  RunRecorder& recorder_;
  std::string database_;
  std::string failed_statement_;
};

}  // namespace quelor::app
