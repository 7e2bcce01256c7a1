#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <exception>

#include "db/odbc_api.h"
#include "db/odbc_driver.h"
#include "db/odbc_handle.h"
#include "db/odbc_text.h"

namespace quelor::db {
namespace {

// The drivers the driver manager knows, by name.
std::vector<std::string> InstalledDrivers() {
  std::vector<std::string> names;
  try {
    OdbcHandle environment(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
    SQLSetEnvAttr(environment.get(), SQL_ATTR_ODBC_VERSION,
                  reinterpret_cast<SQLPOINTER>(static_cast<std::intptr_t>(SQL_OV_ODBC3)), 0);
    SQLWCHAR name[512];
    SQLWCHAR attributes[2048];
    SQLSMALLINT name_length = 0;
    SQLSMALLINT attributes_length = 0;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    for (;;) {
      const SQLRETURN rc = SQLDriversW(environment.get(), direction, name, 512, &name_length,
                                       attributes, 2048, &attributes_length);
      if (!SQL_SUCCEEDED(rc)) break;
      names.push_back(
          ToUtf8(name, static_cast<std::size_t>(std::min<SQLSMALLINT>(name_length, 511))));
      direction = SQL_FETCH_NEXT;
    }
  } catch (const std::exception&) {
    // No driver manager: nothing is installed.
  }
  return names;
}

}  // namespace

SqlServerDriver FindSqlServerDriver() {
  if (const char* chosen = std::getenv(kDriverOverrideVariable); chosen && *chosen) {
    return DriverNamed(chosen);
  }
  if (std::optional<SqlServerDriver> best = ChooseSqlServerDriver(InstalledDrivers())) {
    return *best;
  }
  // Every Windows has it; when even it is missing, the driver manager says so
  // and MissingDriverText tells what to install.
  return DriverNamed("SQL Server");
}

std::string MissingDriverText(std::string_view driver, std::string_view reason) {
  std::string text = "The ODBC driver for SQL Server could not be loaded (";
  text.append(driver).append("): ").append(reason);
  text.append(
      "\nInstall Microsoft's \"ODBC Driver 18 for SQL Server\" (download from Microsoft), or set ");
  text.append(kDriverOverrideVariable).append(" to the name of an installed SQL Server driver.");
  return text;
}

}  // namespace quelor::db
