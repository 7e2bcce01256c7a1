#include "db/odbc_driver.h"

#include <cctype>

#include "config/text_util.h"

namespace quelor::db {
namespace {

using config::EqualsIgnoreAsciiCase;

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         EqualsIgnoreAsciiCase(text.substr(0, prefix.size()), prefix);
}

// NN of "ODBC Driver NN for SQL Server", or 0.
int OdbcDriverVersion(std::string_view name) {
  constexpr std::string_view kPrefix = "ODBC Driver ";
  constexpr std::string_view kSuffix = " for SQL Server";
  if (!StartsWithIgnoreCase(name, kPrefix) || name.size() <= kPrefix.size() + kSuffix.size() ||
      !EqualsIgnoreAsciiCase(name.substr(name.size() - kSuffix.size()), kSuffix)) {
    return 0;
  }
  const std::string_view number =
      name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
  int version = 0;
  for (char c : number) {
    if (!std::isdigit(static_cast<unsigned char>(c)) || version > 1000) return 0;
    version = version * 10 + (c - '0');
  }
  return version;
}

// How good a driver is for SQL Server: higher is better, 0 is unusable.
int Rank(const SqlServerDriver& driver) {
  switch (driver.kind) {
    case DriverKind::kOdbcDriver:
      return 1000 + driver.version;
    case DriverKind::kNativeClient:
      return 300;
    case DriverKind::kClassic:
      return 200;
    case DriverKind::kFreeTds:
      return EqualsIgnoreAsciiCase(driver.name, kRegisteredDriverName) ? 100 : 0;
  }
  return 0;
}

}  // namespace

SqlServerDriver DriverNamed(std::string_view name) {
  SqlServerDriver driver{std::string(name), DriverKind::kFreeTds, 0};
  if (const int version = OdbcDriverVersion(name); version > 0) {
    driver.kind = DriverKind::kOdbcDriver;
    driver.version = version;
  } else if (StartsWithIgnoreCase(name, "SQL Server Native Client") ||
             EqualsIgnoreAsciiCase(name, "SQL Native Client")) {
    driver.kind = DriverKind::kNativeClient;
  } else if (EqualsIgnoreAsciiCase(name, "SQL Server")) {
    driver.kind = DriverKind::kClassic;
  }
  return driver;
}

std::optional<SqlServerDriver> ChooseSqlServerDriver(const std::vector<std::string>& installed) {
  std::optional<SqlServerDriver> best;
  for (const std::string& name : installed) {
    const SqlServerDriver driver = DriverNamed(name);
    if (Rank(driver) > 0 && (!best || Rank(driver) > Rank(*best))) best = driver;
  }
  return best;
}

}  // namespace quelor::db
