// Which ODBC driver reaches SQL Server, and what kind of driver it is: the
// connection string's keys and the encryption settings depend on it.
//
// Linux: FreeTDS. Its library is named directly so that no odbcinst.ini entry
// is needed; where the library is not found in the usual places, the driver
// registered as "FreeTDS" is used.
//
// Windows: the best installed driver, as the driver manager lists them:
// "ODBC Driver NN for SQL Server" with the highest NN (18, 17, ...), then
// "SQL Server Native Client 11.0" (and older Native Clients), then "SQL
// Server", the driver every Windows has, then "FreeTDS" (what Wine has).
//
// QUELOR_ODBC_DRIVER overrides the choice everywhere: a library path or the
// name of a registered driver; its kind is told from its name (a name that
// is none of the above is taken for FreeTDS).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelor::db {

inline constexpr const char* kDriverOverrideVariable = "QUELOR_ODBC_DRIVER";
inline constexpr std::string_view kRegisteredDriverName = "FreeTDS";

enum class DriverKind {
  kFreeTds,
  kOdbcDriver,    // "ODBC Driver NN for SQL Server"
  kNativeClient,  // "SQL Server Native Client NN.N"
  kClassic,       // "SQL Server", part of Windows
};

struct SqlServerDriver {
  std::string name;  // the DRIVER value: a registered name or a library path
  DriverKind kind = DriverKind::kFreeTds;
  int version = 0;  // NN of "ODBC Driver NN for SQL Server", else 0
};

// The driver `name` names, with its kind told from the name.
SqlServerDriver DriverNamed(std::string_view name);

// The best SQL Server driver among the `installed` driver names, in the order
// of the header comment; nullopt when none of them reaches SQL Server.
std::optional<SqlServerDriver> ChooseSqlServerDriver(const std::vector<std::string>& installed);

// The driver to connect with, as the header comment says.
SqlServerDriver FindSqlServerDriver();

// The text for a driver that the driver manager could not load: what was
// tried, why it failed, and what to install.
std::string MissingDriverText(std::string_view driver, std::string_view reason);

}  // namespace quelor::db
