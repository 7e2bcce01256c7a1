// The one error type of the database layer. Its what() is the failure text as
// the server or the access layer worded it, unchanged: that is what the dialogs
// show. Driver prefixes such as "[FreeTDS][SQL Server]" are not part of it.
#pragma once

#include <stdexcept>
#include <string>

namespace quelor::db {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& text, int native_error = 0, std::string sql_state = {})
      : std::runtime_error(text), native_error_(native_error), sql_state_(std::move(sql_state)) {}

  // The server's message number (for example 2714 for "There is already an
  // object named ..."), or 0 when the failure did not come from the server.
  int native_error() const { return native_error_; }
  // The five-character ODBC state, or empty.
  const std::string& sql_state() const { return sql_state_; }
  // True when the link to the server is gone (ODBC state class 08, such as
  // 08S01 "Communication link failure"): nothing more can be sent, so the
  // run stops whatever the failing step's policy.
  bool connection_lost() const { return sql_state_.rfind("08", 0) == 0; }

 private:
  int native_error_;
  std::string sql_state_;
};

}  // namespace quelor::db
