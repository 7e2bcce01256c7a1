#include "db/odbc_handle.h"

#include "db/odbc_diagnostics.h"

namespace quelor::db {

OdbcHandle::OdbcHandle(SQLSMALLINT type, SQLHANDLE parent) : type_(type) {
  const SQLRETURN rc = SQLAllocHandle(type, parent, &handle_);
  if (!SQL_SUCCEEDED(rc)) {
    handle_ = SQL_NULL_HANDLE;
    // The reason, if any, is recorded on the parent.
    const SQLSMALLINT parent_type = type == SQL_HANDLE_STMT  ? SQL_HANDLE_DBC
                                    : type == SQL_HANDLE_DBC ? SQL_HANDLE_ENV
                                                             : 0;
    throw StatementError(
        parent_type ? ReadDiagnostics(parent_type, parent) : std::vector<DiagRecord>{},
        "The ODBC driver manager could not allocate a handle.");
  }
}

void OdbcHandle::Reset() {
  if (handle_ != SQL_NULL_HANDLE) {
    SQLFreeHandle(type_, handle_);
    handle_ = SQL_NULL_HANDLE;
  }
}

}  // namespace quelor::db
