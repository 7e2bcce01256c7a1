// The connection to the simulated server: login and database checks, field
// formats of query results, the parameterised row insert, sessions sharing
// one server, and loading a database from a GO-separated script.
#include "sim_fixture.h"
#include "sim/connection/script_loader.h"

namespace quelor::sim::testing {
namespace {

TEST_F(SimTest, OpenChecksLoginAndDatabase) {
  SimConnection other(server_);
  struct Case {
    std::string text;
    int number;
    const char* message;
  };
  const Case cases[] = {
      {"Provider=SQLOLEDB.1;Password=falsch;User ID=sa;Initial Catalog=QUELOR_A;Data Source=(local)", 18456,
       "Login failed for user 'sa'."},
      {ConnectionText("Fehlt"), 4060, "Cannot open database \"Fehlt\" requested by the login. The login failed."},
  };
  for (const Case& item : cases) {
    try {
      other.Open(item.text);
      ADD_FAILURE() << item.text;
    } catch (const db::Error& error) {
      EXPECT_EQ(error.native_error(), item.number);
      EXPECT_STREQ(error.what(), item.message);
    }
    EXPECT_FALSE(other.IsOpen());
  }
  other.Open("Provider=SQLOLEDB.1;\r\nIntegrated Security=SSPI;\r\nPersist Security Info=False;\r\n"
             "Initial Catalog=quelor_a;\r\nData Source=(local)\r\n");
  EXPECT_EQ(other.session().database, "QUELOR_A");
  server_.AddLogin("verein", "pa;ss=wort");
  other.Open("Provider=SQLOLEDB.1;Password=pa;ss=wort;User ID=verein;Initial Catalog=master");
  EXPECT_TRUE(other.IsOpen());
  EXPECT_THROW(other.Open("Provider=ERROR;User ID=sa;Password=geheim"), db::Error);
}

TEST_F(SimTest, QueryFieldsReadAsAnOdbcClientReadsThem) {
  Run("CREATE TABLE Feld (I int NULL, B bit NULL, D numeric(18,2) NULL, M money NULL, F float NULL, T datetime NULL,"
      " S smalldatetime NULL, K date NULL, C char(3) NULL, U uniqueidentifier NULL)");
  Run("INSERT INTO Feld VALUES (-5, 1, 12.5, 3, 0.5, '20130220', '20130220 10:29:31', '20130220', 'ab',"
      " '6F9619FF-8B86-D011-B42D-00C04FC964FF')");
  Run("INSERT INTO Feld (I) VALUES (NULL)");
  db::ResultSet result = connection_.Query("SELECT * FROM Feld");
  ASSERT_EQ(result.RecordCount(), 2u);
  const std::vector<std::optional<std::string>> expected = {
      "-5", "1", "12.50", "3.0000", "0.5", "2013-02-20 00:00:00.000", "2013-02-20 10:30:00", "2013-02-20", "ab ",
      "6F9619FF-8B86-D011-B42D-00C04FC964FF"};
  EXPECT_EQ(result.Rows()[0], expected);
  EXPECT_EQ(result.Columns().front(), "I");
  EXPECT_TRUE(result.IsNull(1, "D"));
}

TEST_F(SimTest, InsertRowTakesTypedValuesWithoutSplicingThem) {
  Run("CREATE TABLE AdrSepa (AdrNr int NOT NULL, MandatsNr varchar(35) NULL, Betrag numeric(10,2) NULL,"
      " Datum datetime NULL)");
  connection_.InsertRow("AdrSepa", {{"AdrNr", std::int64_t{7}},
                                    {"MandatsNr", std::string("O'Brien; DROP TABLE AdrSepa")},
                                    {"Betrag", 12.25},
                                    {"Datum", std::monostate{}}});
  EXPECT_EQ(Rows("SELECT * FROM AdrSepa"),
            (std::vector<std::vector<std::string>>{{"7", "O'Brien; DROP TABLE AdrSepa", "12.25", "NULL"}}));
  EXPECT_THROW(connection_.InsertRow("AdrSepa", {{"AdrNr", std::monostate{}}}), db::Error);
}

TEST_F(SimTest, ConnectionsShareTheServerButNotTheirSessions) {
  server_.CreateDatabase("Quelor");
  SimConnection catalogue(server_);
  catalogue.Open(ConnectionText("Quelor"));
  catalogue.Execute("CREATE TABLE Mand (Name varchar(20) NULL)");
  catalogue.Execute("SET DATEFORMAT dmy");
  Run("INSERT INTO Quelor.dbo.Mand VALUES ('QUELOR_A')");
  EXPECT_EQ(catalogue.Query("SELECT Name FROM Mand").AsText(0, "Name"), "QUELOR_A");
  EXPECT_EQ(Scalar("SELECT MONTH('01.02.2013')"), "1");  // this session still reads month first
}

TEST(ScriptLoaderTest, LoadsBatchesAndNamesTheFailingOne) {
  Server server;
  LoadScript(server, "QUELOR_DEMO",
             "CREATE TABLE Adresse (AdrNr int NOT NULL PRIMARY KEY, Name varchar(40) NULL)\r\nGO\r\n"
             "INSERT INTO Adresse VALUES (1, 'Meier')\r\nINSERT INTO Adresse VALUES (2, 'Schulze')\r\n go \r\n"
             "INSERT INTO Adresse VALUES (3, 'ohne GO am Ende')\r\n");
  ASSERT_NE(server.FindDatabase("quelor_demo"), nullptr);
  EXPECT_EQ(server.FindDatabase("QUELOR_DEMO")->FindTable("adresse")->rows.size(), 3u);
  try {
    LoadScript(server, "QUELOR_DEMO", "INSERT INTO Adresse VALUES (4, 'neu')\nGO\nINSERT INTO Fehlt VALUES (1)\nGO\n");
    ADD_FAILURE() << "no error";
  } catch (const db::Error& error) {
    EXPECT_STREQ(error.what(), "Batch 2: Invalid object name 'Fehlt'.");
    EXPECT_EQ(error.native_error(), 208);
  }
  EXPECT_EQ(server.FindDatabase("QUELOR_DEMO")->FindTable("Adresse")->rows.size(), 4u);
}

}  // namespace
}  // namespace quelor::sim::testing
