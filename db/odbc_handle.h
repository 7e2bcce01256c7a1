// Ownership of one ODBC handle (environment, connection or statement): freed
// when its owner goes, on every path, so a failed connect or statement leaks
// nothing. A connection handle must be disconnected before it is freed; the
// connection class does that.
#pragma once

#include <utility>

#include "db/odbc_api.h"

namespace quelor::db {

class OdbcHandle {
 public:
  OdbcHandle() = default;
  // Allocates a handle of `type` under `parent` (SQL_NULL_HANDLE for the
  // environment). Throws db::Error with the driver manager's text on failure.
  OdbcHandle(SQLSMALLINT type, SQLHANDLE parent);
  OdbcHandle(OdbcHandle&& other) noexcept
      : type_(other.type_), handle_(std::exchange(other.handle_, SQLHANDLE{})) {}
  OdbcHandle& operator=(OdbcHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      type_ = other.type_;
      handle_ = std::exchange(other.handle_, SQLHANDLE{});
    }
    return *this;
  }
  ~OdbcHandle() { Reset(); }

  SQLHANDLE get() const { return handle_; }
  SQLSMALLINT type() const { return type_; }
  explicit operator bool() const { return handle_ != SQL_NULL_HANDLE; }
  void Reset();

 private:
  SQLSMALLINT type_ = 0;
  SQLHANDLE handle_ = SQL_NULL_HANDLE;
};

}  // namespace quelor::db
