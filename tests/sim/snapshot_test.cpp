// Snapshots: a server written and read back is the same server, and behaves
// the same (identity numbering, keys, functions); broken files are refused
// with the place named; the demo server loads cleanly and round-trips.
#include "sim/snapshot/snapshot.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "db/error.h"
#include "platform/utf8_path.h"
#include "sim/demo_server.h"
#include "sim/connection/sim_connection.h"
#include "sim_fixture.h"

namespace quelor::sim {
namespace {

using testing::ConnectionText;

const char kSchema[] = R"(
CREATE TABLE Mandstam (MandNr int NOT NULL CONSTRAINT PK_Mandstam PRIMARY KEY, Name1 varchar(40) NULL)
CREATE TABLE Adresse (
  AdrNr int IDENTITY(1,1) NOT NULL,
  MandNr int NULL,
  Name varchar(40) NULL,
  Notiz nvarchar(max) NULL,
  Betrag numeric(18,2) NULL,
  Kurs float NULL,
  Aktiv bit NOT NULL CONSTRAINT DF_Adresse_Aktiv DEFAULT (1),
  Geboren datetime NULL,
  Bild varbinary(20) NULL,
  CONSTRAINT PK_Adresse PRIMARY KEY CLUSTERED (AdrNr),
  CONSTRAINT UQ_Adresse_Name UNIQUE (Name),
  CONSTRAINT FK_Adresse_Mandstam FOREIGN KEY (MandNr) REFERENCES Mandstam (MandNr) ON DELETE CASCADE)
CREATE NONCLUSTERED INDEX iAdresseBetrag ON Adresse (Betrag, Name)
INSERT INTO Mandstam (MandNr, Name1) VALUES (1, 'TSV Musterstadt e.V.')
INSERT INTO Adresse (MandNr, Name, Notiz, Betrag, Kurs, Geboren, Bild) VALUES
  (1, 'Müller', N'Grüße – €', 12.5, 0.1, '19800229', 0x00FF10),
  (1, 'O''Brien', NULL, -0.01, NULL, '20261231 23:59:59.997', NULL),
  (NULL, NULL, '', NULL, 1e300, NULL, NULL)
)";

const char kFunctions[] = R"(
CREATE FUNCTION dbo.fnDoppelt (@x int) RETURNS int AS BEGIN RETURN @x * 2 END
)";
const char kTableFunction[] = R"(
CREATE FUNCTION dbo.fnAdressen (@mand int) RETURNS TABLE AS RETURN (SELECT AdrNr, Name FROM Adresse WHERE MandNr = @mand)
)";

void Fill(Server& server) {
  server.AddLogin("sa", "geheim");
  server.CreateDatabase("QUELOR_A");
  SimConnection c(server);
  c.Open(ConnectionText("QUELOR_A"));
  c.Execute(kSchema);
  c.Execute(kFunctions);
  c.Execute(kTableFunction);
}

TEST(Snapshot, RoundTripKeepsSchemaRowsAndBehaviour) {
  Server original;
  Fill(original);
  const std::string text = SnapshotText(original);

  Server loaded;
  ReadSnapshot(text, loaded);
  EXPECT_EQ(SnapshotText(loaded), text);

  loaded.AddLogin("sa", "geheim");
  SimConnection c(loaded);
  c.Open(ConnectionText("QUELOR_A"));
  // Identity numbering goes on after the last value handed out.
  c.Execute("INSERT INTO Adresse (MandNr, Name) VALUES (1, 'Neu')");
  EXPECT_EQ(c.Query("SELECT AdrNr FROM Adresse WHERE Name='Neu'").AsText(0, "AdrNr"), "4");
  // Keys and constraints are enforced again.
  EXPECT_THROW(c.Execute("INSERT INTO Adresse (Name) VALUES ('MÜLLER')"), db::Error);
  EXPECT_THROW(c.Execute("INSERT INTO Adresse (MandNr, Name) VALUES (9, 'x')"), db::Error);
  c.Execute("DELETE FROM Mandstam WHERE MandNr = 1");
  EXPECT_EQ(c.Query("SELECT COUNT(*) AS n FROM Adresse").AsText(0, "n"), "1");
  // Exact values survive: decimals, dates to the 1/300 s, text with umlauts.
  db::ResultSet row =
      c.Query("SELECT Betrag, Geboren, Notiz, Aktiv FROM Adresse WHERE Name IS NULL");
  EXPECT_EQ(row.AsText(0, "Notiz"), "");
  EXPECT_EQ(row.AsText(0, "Aktiv"), "1");
  // Functions are parsed again and can be called.
  EXPECT_EQ(c.Query("SELECT dbo.fnDoppelt(21) AS x").AsText(0, "x"), "42");
  // Catalogue views see the loaded keys and indexes.
  EXPECT_EQ(c.Query("SELECT * FROM SysIndexes WHERE Name='iAdresseBetrag'").RecordCount(), 1u);
  EXPECT_EQ(c.Query("SELECT * FROM sysobjects WHERE NAME='FK_Adresse_Mandstam'").RecordCount(), 1u);
}

TEST(Snapshot, KeepsExactValuesByteForByte) {
  Server original;
  Fill(original);
  const std::string text = SnapshotText(original);
  for (const char* expected :
       {"\"Grüße – €\"", "\"12.50\"", "\"-0.01\"", "\"1980-02-29 00:00:00.000\"",
        "\"2026-12-31 23:59:59.997\"", "\"0x00FF10\"", "1e+300", "\"O'Brien\""}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
}

TEST(Snapshot, RefusesBrokenFilesNamingThePlace) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"not json", "Invalid snapshot"},
      {R"j({"format":"quelor-simulated-server","version":1e999,"databases":[]})j",
       "Invalid snapshot"},
      {R"j({"format":"other","version":1,"databases":[]})j", "not a snapshot"},
      {R"j({"format":"quelor-simulated-server","version":7,"databases":[]})j", "unknown version"},
      {R"j({"format":"quelor-simulated-server","version":1,"databases":[{"name":"A","functions":[],"tables":[
         {"name":"T","columns":[{"name":"c","type":"wibble(3)","nullable":true}],"primary_key":null,
          "unique_constraints":[],"foreign_keys":[],"defaults":[],"indexes":[],"rows":[]}]}]})j",
       "table T column c: unknown type 'wibble(3)'"},
      {R"j({"format":"quelor-simulated-server","version":1,"databases":[{"name":"A","functions":[],"tables":[
         {"name":"T","columns":[{"name":"c","type":"int","nullable":true}],"primary_key":null,
          "unique_constraints":[],"foreign_keys":[],"defaults":[],"indexes":[],"rows":[[1,2]]}]}]})j",
       "table T row 1: expected 1 values"},
      {R"j({"format":"quelor-simulated-server","version":1,"databases":[{"name":"A","functions":[],"tables":[
         {"name":"T","columns":[{"name":"d","type":"datetime","nullable":true}],"primary_key":null,
          "unique_constraints":[],"foreign_keys":[],"defaults":[],"indexes":[],"rows":[["gestern"]]}]}]})j",
       "table T row 1 column d"},
      {R"j({"format":"quelor-simulated-server","version":1,"databases":[{"name":"A","functions":[
         {"name":"f","kind":"scalar","definition":"SELECT 1"}],"tables":[]}]})j",
       "function f: the definition is not one CREATE FUNCTION"},
  };
  for (const auto& c : cases) {
    Server server;
    try {
      ReadSnapshot(c.text, server);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
          << e.what() << "\nexpected: " << c.message;
    }
  }
}

// A one-table snapshot with one column of `type` and one row holding `value`
// (JSON text), and a default `definition` when given.
std::string OneValueSnapshot(const std::string& type, const std::string& value,
                             const std::string& definition = "") {
  const std::string defaults =
      definition.empty() ? "[]"
                         : R"([{"name":"DF_T_c","column":"c","definition":)" + definition + "}]";
  return R"({"format":"quelor-simulated-server","version":1,"databases":[{"name":"A","functions":[],"tables":[
         {"name":"T","columns":[{"name":"c","type":")" +
         type +
         R"(","nullable":true}],"primary_key":null,"unique_constraints":[],"foreign_keys":[],"defaults":)" +
         defaults + R"(,"indexes":[],"rows":[[)" + value + "]]}]}]}";
}

std::string LoadError(const std::string& text) {
  Server server;
  try {
    ReadSnapshot(text, server);
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "(loaded)";
}

TEST(Snapshot, RefusesValuesTheirColumnCannotHold) {
  const struct {
    const char* type;
    const char* value;
    const char* message;  // empty: loads
  } cases[] = {
      {"int", "1e36",
       "database A table T row 1 column c: the value 1e+36 is no whole number for int"},
      {"int", "1.5", "the value 1.5 is no whole number for int"},
      {"int", "2147483648", "the value 2147483648 is out of range for int"},
      {"int", "18446744073709551615", "out of range for int"},
      {"bigint", "18446744073709551615", "out of range for bigint"},
      {"int", "-2147483648", ""},
      {"tinyint", "300", "the value 300 is out of range for tinyint"},
      {"tinyint", "-1", "out of range for tinyint"},
      {"bit", "2", "the value 2 is out of range for bit"},
      {"bit", "true", "is no whole number for bit"},
      {"bit", "1", ""},
      {"int", "\"12\"", "the value \"12\" is no whole number"},
      {"varbinary(4)", "\"0xZZ\"", "binary value '0xZZ'"},
      {"varbinary(2)", "\"0x0A0B0C\"", "the value is too long for varbinary(2)"},
      {"varbinary(4)", "\"0x0a0B\"", ""},
      {"numeric(18,2)", "\"12.345\"",
       "the value '12.345' does not keep its digits for numeric(18,2)"},
      {"numeric(4,2)", "\"123.45\"", "column c: Arithmetic overflow"},
      {"numeric(18,2)", "\"zwölf\"", "column c"},
      {"numeric(18,2)", "\"12.50\"", ""},
      {"money", "\"1.00001\"", "does not keep its digits for money"},
      {"varchar(3)", "\"Müller\"", "the value is too long for varchar(3)"},
      {"varchar(6)", "\"Müller\"", ""},
      {"varchar(3)", "7", "is no text"},
      {"real", "1e300", "out of range for real"},
      {"float", "\"1\"", "is no number"},
      {"varchar(0)", "null", "type 'varchar(0)'"},
      {"varchar(9000)", "null", "type 'varchar(9000)'"},
      {"numeric(40,2)", "null", "type 'numeric(40,2)'"},
      {"numeric(4,6)", "null", "type 'numeric(4,6)'"},
  };
  for (const auto& c : cases) {
    const std::string error = LoadError(OneValueSnapshot(c.type, c.value));
    if (*c.message == 0) {
      EXPECT_EQ(error, "(loaded)") << c.type << " " << c.value;
    } else {
      EXPECT_NE(error.find(c.message), std::string::npos)
          << c.type << " " << c.value << ": " << error;
      EXPECT_EQ(error.rfind("Invalid snapshot", 0), 0u) << error;
    }
  }
}

TEST(Snapshot, RefusesADefaultItCannotParse) {
  std::string deep = "\"(";
  for (int i = 0; i < 20000; ++i) deep += "1+";
  deep += "1)\"";
  EXPECT_NE(LoadError(OneValueSnapshot("int", "1", deep))
                .find("database A table T default DF_T_c: Some part of your SQL statement is "
                      "nested too deeply"),
            std::string::npos);
  EXPECT_NE(
      LoadError(OneValueSnapshot("int", "1", "\"((1\"")).find("default DF_T_c: Incorrect syntax"),
      std::string::npos);
  EXPECT_EQ(LoadError(OneValueSnapshot("int", "1", "\"((0))\"")), "(loaded)");
}

TEST(Snapshot, SavesThroughATemporaryFileAndLoadsBack) {
  Server original;
  Fill(original);
  // Saved twice into a folder with an umlaut and a blank: the second save
  // replaces the first file (on Windows too).
  const std::string folder = ::testing::TempDir() + "Vereinsb\xC3\xBCro Snapshot";
  std::filesystem::create_directories(platform::PathFromUtf8(folder));
  const std::string path = folder + "/snapshot_save_test.json";
  SaveSnapshot(Server(), path);
  SaveSnapshot(original, path);
  Server loaded;
  LoadSnapshot(path, loaded);
  EXPECT_EQ(SnapshotText(loaded), SnapshotText(original));
  std::filesystem::remove_all(platform::PathFromUtf8(folder));
  EXPECT_THROW(SaveSnapshot(original, "/nonexistent-dir/x.json"), std::runtime_error);
  EXPECT_THROW(LoadSnapshot("/nonexistent-dir/x.json", loaded), std::runtime_error);
}

TEST(Snapshot, DiffNamesWhatDiffers) {
  Server first;
  Fill(first);
  const struct {
    const char* change;  // a batch run on a copy of the server
    std::vector<std::string> differences;
  } cases[] = {
      {"SELECT 1", {}},
      {"UPDATE Adresse SET Name='Meier' WHERE AdrNr=1", {"QUELOR_A.Adresse: rows differ"}},
      // Deleted and inserted again: same rows, other running numbers.
      {"DELETE FROM Adresse WHERE AdrNr=3 INSERT INTO Adresse (Notiz, Kurs) VALUES ('', 1e300)",
       {"QUELOR_A.Adresse: rows differ"}},
      // A new column is a new value in every row, too.
      {"ALTER TABLE Mandstam ADD Neu int NULL",
       {"QUELOR_A.Mandstam: schema differs", "QUELOR_A.Mandstam: rows differ"}},
      {"CREATE TABLE Neu (a int)", {"QUELOR_A.Neu: only in the second"}},
      {"DROP FUNCTION dbo.fnDoppelt", {"QUELOR_A.fnDoppelt: only in the first"}},
  };
  for (const auto& c : cases) {
    Server second;
    ReadSnapshot(SnapshotText(first), second);
    second.AddLogin("sa", "geheim");
    SimConnection connection(second);
    connection.Open(ConnectionText("QUELOR_A"));
    connection.Execute(c.change);
    EXPECT_EQ(DiffServers(first, second), c.differences) << c.change;
  }
}

TEST(DemoServer, LoadsTheFixtureIntoFourDatabasesAndRoundTrips) {
  Server server;
  BuildDemoServer(server);
  std::vector<std::string> names;
  for (const auto& database : server.databases()) names.push_back(database->name());
  EXPECT_EQ(names, (std::vector<std::string>{"master", "Quelor", "QUELOR_TSV_Musterstadt",
                                             "QUELOR_SC_Beispielhausen", "QUELORTMP1"}));
  for (const char* tenant : {"Quelor", "QUELOR_TSV_Musterstadt", "QUELORTMP1"}) {
    const Database* database = server.FindDatabase(tenant);
    ASSERT_NE(database, nullptr);
    EXPECT_NE(database->FindTable("Mandstam"), nullptr) << tenant;
    EXPECT_NE(database->FindTable("F5Dat"), nullptr) << tenant;
    EXPECT_FALSE(database->FindTable("PASS")->rows.empty()) << tenant;
  }
  Server loaded;
  ReadSnapshot(SnapshotText(server), loaded);
  EXPECT_EQ(SnapshotText(loaded), SnapshotText(server));
}

}  // namespace
}  // namespace quelor::sim
