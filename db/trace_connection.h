// The statement trace behind --trace FILE: a decorator over any connection
// that writes one record per call: the database, the exact text, the outcome
// (rows, ok, or the failure text) and the time it took. Connection texts and
// failure texts are written with every password the run has read replaced by
// "***", found by its value (see config/password_mask.h).
//
// Record format, one field per line so that multi-line statements stay exact:
//   === <database> | <kind> | <outcome> | <milliseconds> ms
//   <text, as sent>
// followed by an empty line. <kind> is open, close, execute, query or insert.
#pragma once

#include <chrono>
#include <ostream>
#include <string>

#include "config/password_mask.h"
#include "db/connection.h"

namespace quelor::db {

class TraceConnection : public Connection {
 public:
  // `label` tells the two connections apart in one trace (for example
  // "catalogue" and "working"). `passwords` is filled as SysDBAdo.INI is
  // read and must outlive the trace.
  TraceConnection(Connection& inner, std::ostream& out, std::string label,
                  const config::PasswordMask& passwords)
      : inner_(inner), out_(out), label_(std::move(label)), passwords_(passwords) {}

  void Open(const std::string& connection_text) override;
  void Close() override;
  bool IsOpen() const override { return inner_.IsOpen(); }
  void Execute(const std::string& text) override;
  ResultSet Query(const std::string& text) override;
  void InsertRow(const std::string& table, const std::vector<ColumnValue>& values) override;

 private:
  template <typename Action>
  auto Traced(const char* kind, const std::string& text, Action&& action);
  void Write(const char* kind, const std::string& outcome, std::chrono::nanoseconds elapsed,
             const std::string& text);

  Connection& inner_;
  std::ostream& out_;
  std::string label_;
  const config::PasswordMask& passwords_;
  std::string database_;
};

// The value of the Initial Catalog item of a connection text, or empty.
std::string CatalogOf(const std::string& connection_text);

}  // namespace quelor::db
