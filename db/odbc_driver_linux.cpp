#include <array>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "db/odbc_driver.h"

namespace quelor::db {
namespace {

// Where Debian's tdsodbc (per architecture), other distributions and a
// source build put the library.
constexpr std::array<std::string_view, 9> kLibraryCandidates = {
    "/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so",
    "/usr/lib/aarch64-linux-gnu/odbc/libtdsodbc.so",
    "/usr/lib/arm-linux-gnueabihf/odbc/libtdsodbc.so",
    "/usr/lib/i386-linux-gnu/odbc/libtdsodbc.so",
    "/usr/lib/odbc/libtdsodbc.so",
    "/usr/lib64/libtdsodbc.so.0",
    "/usr/lib64/libtdsodbc.so",
    "/usr/local/lib/libtdsodbc.so",
    "/opt/homebrew/lib/libtdsodbc.so",
};

}  // namespace

SqlServerDriver FindSqlServerDriver() {
  if (const char* chosen = std::getenv(kDriverOverrideVariable); chosen && *chosen) {
    return DriverNamed(chosen);
  }
  for (std::string_view candidate : kLibraryCandidates) {
    std::error_code ignored;
    if (std::filesystem::is_regular_file(std::filesystem::path(candidate), ignored)) {
      return {std::string(candidate), DriverKind::kFreeTds, 0};
    }
  }
  return {std::string(kRegisteredDriverName), DriverKind::kFreeTds, 0};
}

std::string MissingDriverText(std::string_view driver, std::string_view reason) {
  std::string text = "The ODBC driver for SQL Server could not be loaded (";
  text.append(driver).append("): ").append(reason);
  text.append(
      "\nInstall the FreeTDS ODBC driver, on Debian and Ubuntu the package tdsodbc "
      "(apt-get install tdsodbc), or set ");
  text.append(kDriverOverrideVariable)
      .append(" to the driver's library or to its name in odbcinst.ini.");
  return text;
}

}  // namespace quelor::db
