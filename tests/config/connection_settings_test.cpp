// The connection texts of both connections and the connect failure text.
#include "config/connection_settings.h"

#include <gtest/gtest.h>

namespace quelor::config {
namespace {

const char kIni[] =
    "[Datenbank]\r\n"
    "Provider=SQLOLEDB.1\r\n"
    "Password=geh;eim\r\n"
    "Persist Security Info=True\r\n"
    "User ID=sa\r\n"
    "Initial Catalog=Anderswo\r\n"
    "Data Source=SRV\\SQLEXPRESS\r\n"
    "[Verzeichnis]\r\n"
    "HauptVerz=C:\\Quelor\\\r\n";

TEST(ConnectionSettings, ReadsEveryKeyAndWinAuthOnlyAsUpperCaseJ) {
  ConnectionSettings s = ReadConnectionSettings(IniFile::Parse(kIni));
  EXPECT_EQ(s.provider, "SQLOLEDB.1");
  EXPECT_EQ(s.password, "geh;eim");
  EXPECT_EQ(s.persist_security_info, "True");
  EXPECT_EQ(s.user_id, "sa");
  EXPECT_EQ(s.initial_catalog, "Anderswo");
  EXPECT_EQ(s.data_source, "SRV\\SQLEXPRESS");
  EXPECT_EQ(s.main_directory, "C:\\Quelor\\");
  EXPECT_FALSE(s.integrated_security);
  for (const char* value : {"J", "\"J\"", "  J "}) {
    EXPECT_TRUE(ReadConnectionSettings(IniFile::Parse(std::string("[Datenbank]\nWinAuth=") + value))
                    .integrated_security)
        << value;
  }
  for (const char* value : {"j", "Ja", "N", "", "JJ"}) {
    EXPECT_FALSE(ReadConnectionSettings(IniFile::Parse(std::string("[Datenbank]\nWinAuth=") + value))
                     .integrated_security)
        << value;
  }
}

TEST(ConnectionSettings, BuildsBothConnectionTextsWithAServerLogin) {
  ConnectionSettings s = ReadConnectionSettings(IniFile::Parse(kIni));
  // The password's ";" goes in unchanged; Initial Catalog of the file has no effect.
  EXPECT_EQ(CatalogueConnectionText(s, "Quelor"),
            "Provider=SQLOLEDB.1;\r\n"
            "Persist Security Info=True;\r\n"
            "Password=geh;eim;\r\n"
            "User ID=sa;\r\n"
            "Initial Catalog=Quelor;\r\n"
            "Data Source=SRV\\SQLEXPRESS;\r\n");
  EXPECT_EQ(WorkingConnectionText(s, "QUELOR_A"),
            "Provider=SQLOLEDB.1;\r\n"
            "Password=geh;eim;\r\n"
            "User ID=sa;\r\n"
            "Persist Security Info=True;\r\n"
            "Initial Catalog=QUELOR_A;\r\n"
            "Data Source=SRV\\SQLEXPRESS;\r\n");
}

TEST(ConnectionSettings, BuildsBothConnectionTextsWithIntegratedSecurity) {
  ConnectionSettings s;  // a missing file: provider ERROR, everything else empty
  s.integrated_security = true;
  EXPECT_EQ(CatalogueConnectionText(s, "Quelor"),
            "Provider=ERROR;\r\n"
            "Persist Security Info=;\r\n"
            "Integrated Security=SSPI;\r\n"
            "Initial Catalog=Quelor;\r\n"
            "Data Source=;\r\n");
  EXPECT_EQ(WorkingConnectionText(s, "QUELOR_A"),
            "Provider=ERROR;\r\n"
            "Integrated Security=SSPI;\r\n"
            "Persist Security Info=;\r\n"
            "Initial Catalog=QUELOR_A;\r\n"
            "Data Source=;\r\n");
}

TEST(ConnectionSettings, ConnectFailureTextDoublesQuotesInTheName) {
  EXPECT_EQ(ConnectFailureText("QUELOR_O'Neill", "Login failed for user 'sa'."),
            "False parameters for database connection.\n"
            "Unable to connect to database 'QUELOR_O''Neill'.\n"
            "\n"
            "Login failed for user 'sa'.");
}

}  // namespace
}  // namespace quelor::config
