// Which SQL Server driver is taken among the installed ones, and the
// connection string each kind of driver gets, with the encryption policy.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/error.h"
#include "db/odbc_connection_string.h"
#include "db/odbc_driver.h"

namespace quelor::db {
namespace {

TEST(OdbcDriverChoice, TakesTheBestInstalledSqlServerDriver) {
  const struct {
    std::vector<std::string> installed;
    const char* chosen;  // nullptr: none reaches SQL Server
    DriverKind kind;
  } cases[] = {
      {{"SQL Server", "ODBC Driver 17 for SQL Server", "ODBC Driver 18 for SQL Server",
        "SQL Server Native Client 11.0"},
       "ODBC Driver 18 for SQL Server",
       DriverKind::kOdbcDriver},
      {{"SQL Server", "SQL Server Native Client 11.0", "ODBC Driver 17 for SQL Server"},
       "ODBC Driver 17 for SQL Server",
       DriverKind::kOdbcDriver},
      {{"ODBC Driver 18 for SQL Server", "ODBC Driver 19 for SQL Server"},
       "ODBC Driver 19 for SQL Server",
       DriverKind::kOdbcDriver},
      {{"Microsoft Access Driver (*.mdb)", "SQL Server", "SQL Server Native Client 11.0"},
       "SQL Server Native Client 11.0",
       DriverKind::kNativeClient},
      {{"Microsoft Excel Driver (*.xls)", "SQL Server"}, "SQL Server", DriverKind::kClassic},
      {{"FreeTDS", "SQL Server"}, "SQL Server", DriverKind::kClassic},
      {{"PostgreSQL Unicode", "FreeTDS"}, "FreeTDS", DriverKind::kFreeTds},
      {{"odbc driver 18 for sql server"}, "odbc driver 18 for sql server", DriverKind::kOdbcDriver},
      {{"ODBC Driver x for SQL Server", "PostgreSQL Unicode"}, nullptr, DriverKind::kFreeTds},
      {{}, nullptr, DriverKind::kFreeTds},
  };
  for (const auto& c : cases) {
    const std::optional<SqlServerDriver> chosen = ChooseSqlServerDriver(c.installed);
    const std::string among = ::testing::PrintToString(c.installed);
    if (c.chosen == nullptr) {
      EXPECT_FALSE(chosen.has_value()) << among;
      continue;
    }
    ASSERT_TRUE(chosen.has_value()) << among;
    EXPECT_EQ(chosen->name, c.chosen) << among;
    EXPECT_EQ(chosen->kind, c.kind) << among;
  }
}

TEST(OdbcDriverChoice, TellsTheKindOfANamedDriver) {
  EXPECT_EQ(DriverNamed("ODBC Driver 18 for SQL Server").version, 18);
  EXPECT_EQ(DriverNamed("SQL Server Native Client 10.0").kind, DriverKind::kNativeClient);
  EXPECT_EQ(DriverNamed("sql server").kind, DriverKind::kClassic);
  EXPECT_EQ(DriverNamed("/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so").kind, DriverKind::kFreeTds);
  EXPECT_EQ(DriverNamed("FreeTDS").kind, DriverKind::kFreeTds);
}

constexpr char kLogin[] =
    "Provider=SQLOLEDB.1;\r\nPassword=geheim;\r\nUser ID=sa;\r\nPersist Security Info=False;\r\n"
    "Initial Catalog=QUELOR_A;\r\nData Source=SRV\\SQLEXPRESS;\r\n";
constexpr char kIntegrated[] =
    "Provider=SQLNCLI11;\r\nIntegrated Security=SSPI;\r\nPersist Security Info=;\r\n"
    "Initial Catalog=Quelor;\r\nData Source=(local);\r\n";
constexpr char kQuoted[] =
    "Provider=MSOLEDBSQL;\r\nPassword= a;b}c{=d ;\r\nUser ID=Kassen}wart;\r\n"
    "Persist Security Info=;\r\nInitial Catalog=Quelor;\r\nData Source=host,1500;\r\n";

TEST(OdbcDriverChoice, MapsTheSettingsPerDriverKindAndEncryption) {
  const SqlServerDriver driver18 = DriverNamed("ODBC Driver 18 for SQL Server");
  const SqlServerDriver native = DriverNamed("SQL Server Native Client 11.0");
  const SqlServerDriver classic = DriverNamed("SQL Server");
  const SqlServerDriver freetds = DriverNamed("FreeTDS");
  constexpr auto kClassicWay = Encryption::kAsClassicProvider;
  constexpr auto kDemanded = Encryption::kDemanded;
  const struct {
    const char* what;
    const char* text;
    SqlServerDriver driver;
    Encryption encryption;
    std::string expected;
  } cases[] = {
      {"driver 18 does not encrypt unless the server wants it", kLogin, driver18, kClassicWay,
       "DRIVER={ODBC Driver 18 for SQL Server};SERVER=SRV\\SQLEXPRESS;DATABASE=QUELOR_A;UID=sa;"
       "PWD=geheim;Encrypt=no"},
      {"driver 18 with encryption demanded", kLogin, driver18, kDemanded,
       "DRIVER={ODBC Driver 18 for SQL Server};SERVER=SRV\\SQLEXPRESS;DATABASE=QUELOR_A;UID=sa;"
       "PWD=geheim;Encrypt=yes;TrustServerCertificate=no"},
      {"Windows integrated security", kIntegrated, native, kClassicWay,
       "DRIVER={SQL Server Native Client 11.0};SERVER=(local);DATABASE=Quelor;"
       "Trusted_Connection=Yes;Encrypt=no"},
      {"the classic driver is left at its default", kIntegrated, classic, kClassicWay,
       "DRIVER={SQL Server};SERVER=(local);DATABASE=Quelor;Trusted_Connection=Yes"},
      {"the classic driver with encryption demanded", kIntegrated, classic, kDemanded,
       "DRIVER={SQL Server};SERVER=(local);DATABASE=Quelor;Trusted_Connection=Yes;Encrypt=yes"},
      {"values braced by the ODBC rule, } doubled", kQuoted, driver18, kClassicWay,
       "DRIVER={ODBC Driver 18 for SQL Server};SERVER=host,1500;DATABASE=Quelor;"
       "UID={Kassen}}wart};PWD={ a;b}}c{=d };Encrypt=no"},
      {"FreeTDS with encryption demanded", kIntegrated, freetds, kDemanded,
       "DRIVER=FreeTDS;SERVER=localhost;DATABASE=Quelor;Trusted_Connection=Yes;TDS_Version=7.4;"
       "ClientCharset=UTF-8;Encryption=require"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MapConnectionText(c.text, c.driver, {}, c.encryption), c.expected) << c.what;
  }
  EXPECT_THROW(MapConnectionText("Provider=ERROR;\r\n", driver18, {}, kClassicWay), Error);
}

}  // namespace
}  // namespace quelor::db
