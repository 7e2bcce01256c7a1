// Which ODBC driver reaches SQL Server: FreeTDS. Its library is named directly
// so that no odbcinst.ini entry is needed; where the library is not found in
// the usual places, the driver registered as "FreeTDS" is used.
//
// QUELOR_ODBC_DRIVER overrides the choice: a library path or the name of a
// driver in odbcinst.ini (for example a FreeTDS built by hand under /opt).
#pragma once

#include <string>
#include <string_view>

namespace quelor::db {

inline constexpr const char* kDriverOverrideVariable = "QUELOR_ODBC_DRIVER";
inline constexpr std::string_view kRegisteredDriverName = "FreeTDS";

// The DRIVER value of the ODBC connection string.
std::string FindSqlServerDriver();

// The text for a driver that the driver manager could not load: what was
// tried, why it failed, and what to install.
std::string MissingDriverText(std::string_view driver, std::string_view reason);

}  // namespace quelor::db
