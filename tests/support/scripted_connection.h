// A connection double that answers from a script: queries get the result set
// registered for a text (matched exactly or by a fragment), statements
// succeed unless a failure was registered for them. Every call is written to
// the transcript as "<name> open <database>", "<name> query <text>",
// "<name> execute <text>" and "<name> insert <table>".
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "db/connection.h"
#include "db/error.h"
#include "support/transcript.h"

namespace quelor::testing {

class ScriptedConnection : public db::Connection {
 public:
  ScriptedConnection(Transcript& transcript, std::string name)
      : transcript_(transcript), name_(std::move(name)) {}

  // Queries whose text contains `fragment` return `result`; the rule added
  // last wins.
  void Answer(std::string fragment, db::ResultSet result);
  // Statements and queries whose text contains `fragment` fail with `text`
  // (and the ODBC state `sql_state`, such as "08S01" for a lost link).
  void Fail(std::string fragment, std::string text, std::string sql_state = {});
  // Opening a connection to `database` fails with `text`.
  void FailOpen(std::string database, std::string text);

  void Open(const std::string& connection_text) override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  void Execute(const std::string& text) override;
  db::ResultSet Query(const std::string& text) override;
  void InsertRow(const std::string& table, const std::vector<db::ColumnValue>& values) override;

  const std::string& database() const { return database_; }

 private:
  void MaybeFail(const std::string& text);

  Transcript& transcript_;
  std::string name_;
  bool open_ = false;
  std::string database_;
  std::vector<std::pair<std::string, db::ResultSet>> answers_;
  std::vector<std::pair<std::string, db::Error>> failures_;
  std::map<std::string, std::string> open_failures_;
};

// A result set with one column and the given rows (nullopt for NULL).
db::ResultSet Column(const std::string& name,
                     const std::vector<std::optional<std::string>>& values);

}  // namespace quelor::testing
