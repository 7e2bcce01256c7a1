// The pass over all product databases after the tenant loop, and the copy of
// the system database's profit-and-loss lines to the tenants, on the
// simulated server.
#include "migration/finish_all_databases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "app/update_run.h"
#include "first_routine.h"
#include "migration_fixture.h"
#include "sim/demo_server.h"
#include "sim/connection/script_loader.h"
#include "sim/connection/sim_connection.h"
#include "support/recording_view.h"
#include "support/text_rows.h"

namespace quelor::resources {
extern const std::string_view kPreviousReleaseTenantScript;
}

namespace quelor::testing {
namespace {

using db::Policy;
using Table = std::vector<std::vector<std::string>>;

std::string Lines(std::initializer_list<std::string_view> lines) { return db::JoinCrLf(lines); }

const char kDatabaseList[] =
    "SELECT name FROM master.dbo.sysdatabases where UPPER(name) LIKE 'QUELOR%'";
const char kMarkerProbe[] = "SELECT * FROM sysobjects WHERE name='UpdS'";
const std::string kTaxKeyColumns = Lines({
    "SELECT tbl.name AS TableName, clmns.name AS FieldName, tps.name AS DataType, clmns.length As "
    "DataLength, clmns.isnullable",
    "FROM dbo.sysobjects AS tbl",
    "INNER JOIN syscolumns  AS clmns ON clmns.id=tbl.id",
    "LEFT OUTER JOIN systypes AS tps ON tps.xtype=clmns.xtype",
    "WHERE (UPPER(clmns.name))='STEUERSCHL' OR (UPPER(clmns.name) LIKE '%StSchl%' ) ",
    "ORDER BY tbl.name,clmns.name ASC",
});

std::string Caption(const std::string& database) {
  return "caption Quelor vereinsverwaltung - SQL Update Datenbank: " + database;
}

// What the pass sends to a database without UpdS.
std::vector<std::string> FirstVisit(const std::string& database,
                                    const std::vector<std::string>& columns) {
  std::vector<std::string> s = {
      Caption(database),
      "mandant " + database,
      std::string("w query ") + kMarkerProbe,
      "w execute " + Lines({"CREATE TABLE dbo.UpdS (", "ID INT IDENTITY (1,1) NOT NULL)"}),
      "w execute " + Lines({"ALTER TABLE F5Dat DROP CONSTRAINT PK_F5DAT"}),
      "w execute " + Lines({"ALTER TABLE F5Dat ALTER COLUMN STEUERSCHL NUMERIC (19,2) NOT NULL"}),
      "w execute " + Lines({"ALTER TABLE F5Dat ADD CONSTRAINT PK_F5DAT PRIMARY KEY CLUSTERED "
                            "(STEUERSCHL, LFDNR) ON [PRIMARY]"}),
      "w query " + kTaxKeyColumns,
  };
  for (const std::string& column : columns) {
    s.push_back("w execute SET ANSI_WARNINGS OFF ");
    s.push_back("w execute ALTER TABLE " + column);
    s.push_back("w execute SET ANSI_WARNINGS ON ");
  }
  return s;
}

// The transcript without dialogs, failures and cursor changes.
std::vector<std::string> Sent(const Transcript& transcript) {
  std::vector<std::string> sent;
  for (const std::string& line : transcript.lines) {
    for (const char* prefix :
         {"pconn ", "c query ", "caption ", "mandant ", "w query ", "w execute "}) {
      if (line.rfind(prefix, 0) == 0) {
        sent.push_back(line);
        break;
      }
    }
  }
  return sent;
}

class FinishAllDatabasesTest : public MigrationTest {
 protected:
  void Finish() { Run({migration::FinishAllDatabases}); }

  Table RowsIn(const std::string& name, const std::string& sql) {
    sim::SimConnection reader(server);
    reader.Open("Provider=SQLOLEDB.1;\r\nPassword=demo;\r\nUser ID=quelor;\r\nInitial Catalog=" +
                name + ";\r\nData Source=(simulated);\r\n");
    return TextRows(reader.Query(sql));
  }
  // Type, precision, scale and nullability of a column.
  Table Shape(const std::string& name, const std::string& table, const std::string& column) {
    return RowsIn(name,
                  "SELECT DATA_TYPE, NUMERIC_PRECISION, NUMERIC_SCALE, IS_NULLABLE FROM "
                  "Information_Schema.Columns WHERE Table_Name='" +
                      table + "' AND Column_Name='" + column + "'");
  }
  bool HasMarker(const std::string& name) { return !RowsIn(name, kMarkerProbe).empty(); }
};

// QUELOR_A as the previous release left it (like a temporary copy, which the
// tenant loop does not migrate) beside an empty system database.
class PassOverFixtureTest : public FinishAllDatabasesTest {
 protected:
  PassOverFixtureTest() { server.CreateDatabase("Quelor"); }
};

TEST_F(PassOverFixtureTest, FirstPassSendsEveryStatementInOrder) {
  Finish();
  std::vector<std::string> expected = {"pconn Quelor", std::string("c query ") + kDatabaseList};
  // Databases in creation order; tax-key columns by table and column name.
  for (const std::string& line :
       FirstVisit("QUELOR_A", {"F5BEW4 ALTER COLUMN STSCHL numeric (19,2) NULL",
                               "F5bew4s ALTER COLUMN StSchl numeric (19,2) NULL",
                               "F5bew4sg ALTER COLUMN StSchl numeric (19,2) NULL",
                               "F5BEW4SGTMP ALTER COLUMN StSchl numeric (19,2) NULL",
                               "F5BEW4STMP ALTER COLUMN StSchl numeric (19,2) NULL",
                               "F5bew4Tmp ALTER COLUMN STSCHL numeric (19,2) NULL",
                               "F5bw4sa ALTER COLUMN StSchl numeric (19,2) NULL",
                               "F5bw4sga ALTER COLUMN StSchl numeric (19,2) NULL",
                               "F5Dat ALTER COLUMN STEUERSCHL numeric (19,2) NOT NULL",
                               "F5Kont ALTER COLUMN STSCHL numeric (19,2) NULL"})) {
    expected.push_back(line);
  }
  for (const std::string& line : FirstVisit("Quelor", {})) expected.push_back(line);
  EXPECT_EQ(Sent(transcript), expected);
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
}

TEST_F(PassOverFixtureTest, FirstPassConvertsTaxKeysAndSecondPassOnlyVisits) {
  Finish();
  EXPECT_TRUE(HasMarker("QUELOR_A"));
  EXPECT_TRUE(HasMarker("Quelor"));
  EXPECT_EQ(Shape("QUELOR_A", "F5Dat", "STEUERSCHL"), (Table{{"numeric", "19", "2", "NO"}}));
  EXPECT_EQ(Shape("QUELOR_A", "F5bew4s", "StSchl"), (Table{{"numeric", "19", "2", "YES"}}));
  EXPECT_EQ(RowsIn("QUELOR_A", "SELECT STEUERSCHL FROM F5Dat ORDER BY STEUERSCHL"),
            (Table{{"1050.00"}, {"1070.00"}, {"1160.00"}, {"1170.00"}, {"1190.00"}}));
  // No LFDNR before the migration: F5Dat is left without its key.
  EXPECT_TRUE(RowsIn("QUELOR_A", "SELECT * FROM sysobjects WHERE name='PK_F5DAT'").empty());
  const std::string after_first = DatabaseSnapshot();

  transcript.lines.clear();
  Finish();
  EXPECT_EQ(Sent(transcript),
            (std::vector<std::string>{"pconn Quelor", std::string("c query ") + kDatabaseList,
                                      Caption("QUELOR_A"), "mandant QUELOR_A",
                                      std::string("w query ") + kMarkerProbe, Caption("Quelor"),
                                      "mandant Quelor", std::string("w query ") + kMarkerProbe}));
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_TRUE(DatabaseSnapshot() == after_first) << "the second pass changed a database";
}

TEST_F(PassOverFixtureTest, TaxKeyColumnsKeepNullabilityAndKeyColumnsStayAsTheyAre) {
  // A database without F5Dat, and a temporary copy of the club.
  sim::LoadScript(server, "QUELOR_Faelle",
                  "CREATE TABLE dbo.Buchung (Nr int NOT NULL, STEUERSCHL smallint NOT NULL, "
                  "Steuer smallint NULL)\n"
                  "GO\n"
                  "INSERT INTO Buchung (Nr, STEUERSCHL) VALUES (1, 19), (2, 7)\n"
                  "GO\n"
                  "CREATE TABLE dbo.Konten (Nr int NOT NULL, KtoStSchl int NULL)\n"
                  "GO\n"
                  "CREATE TABLE dbo.Schluessel (StSchl int NOT NULL, CONSTRAINT PK_Schluessel "
                  "PRIMARY KEY (StSchl))\n"
                  "GO\n"
                  "CREATE TABLE dbo.Suche (Nr int NOT NULL, STSCHL smallint NULL)\n"
                  "GO\n"
                  "CREATE INDEX iSuche ON Suche (STSCHL)\n"
                  "GO\n");
  sim::LoadScript(server, "QUELORTMP2", resources::kPreviousReleaseTenantScript);

  Finish();

  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  struct Case {
    const char* database;
    const char* table;
    const char* column;
    Table shape;
  };
  const Case cases[] = {
      {"QUELOR_Faelle", "Buchung", "STEUERSCHL", {{"numeric", "19", "2", "NO"}}},
      {"QUELOR_Faelle", "Konten", "KtoStSchl", {{"numeric", "19", "2", "YES"}}},
      {"QUELOR_Faelle", "Schluessel", "StSchl", {{"int", "10", "0", "NO"}}},  // in the key
      {"QUELOR_Faelle", "Suche", "STSCHL", {{"smallint", "5", "0", "YES"}}},  // indexed
      {"QUELOR_Faelle", "Buchung", "Steuer", {{"smallint", "5", "0", "YES"}}},
      {"QUELORTMP2", "F5Dat", "STEUERSCHL", {{"numeric", "19", "2", "NO"}}},
      {"QUELORTMP2", "F5Kont", "STSCHL", {{"numeric", "19", "2", "YES"}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Shape(c.database, c.table, c.column), c.shape)
        << c.database << "." << c.table << "." << c.column;
  }
  EXPECT_TRUE(HasMarker("QUELOR_Faelle"));
  EXPECT_TRUE(HasMarker("QUELORTMP2"));
  EXPECT_EQ(RowsIn("QUELOR_Faelle", "SELECT Nr, STEUERSCHL FROM Buchung ORDER BY Nr"),
            (Table{{"1", "19.00"}, {"2", "7.00"}}));
  // The refusals were dropped silently: the key column was refused with the
  // server's dependency messages.
  const std::vector<std::string> failed = transcript.With("w failed ");
  EXPECT_NE(std::find(failed.begin(), failed.end(),
                      "w failed The object 'PK_Schluessel' is dependent on column 'StSchl'."),
            failed.end());
}

// The list of tax-key columns joins three catalogue views; on a migrated
// tenant with its many columns it must answer quickly.
TEST_F(FinishAllDatabasesTest, TaxKeyColumnListAnswersQuicklyOnAMigratedTenant) {
  std::vector<Segment> segments = FirstRoutineSegments();
  segments.push_back(migration::Update1);
  Prepare(segments);
  const auto start = std::chrono::steady_clock::now();
  const Table columns = Rows(kTaxKeyColumns);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  RecordProperty("tax_key_column_list_seconds", std::to_string(seconds));
  EXPECT_GE(columns.size(), 10u);
  EXPECT_LT(seconds, 0.5);
}

TEST_F(FinishAllDatabasesTest, MigratedTenantGetsItsJournalTaxKeyBackAndEveryFreeColumnConverted) {
  std::vector<Segment> segments = FirstRoutineSegments();
  segments.push_back(migration::Update1);
  Prepare(segments);
  server.CreateDatabase("Quelor");

  Finish();

  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(RowsIn("QUELOR_A",
                   "SELECT c.name FROM sys.index_columns ic JOIN sys.indexes i ON "
                   "i.object_id=ic.object_id AND i.index_id=ic.index_id JOIN sys.columns c ON "
                   "c.object_id=ic.object_id AND c.column_id=ic.column_id WHERE i.name='PK_F5DAT' "
                   "ORDER BY ic.key_ordinal"),
            (Table{{"STEUERSCHL"}, {"LfdNr"}}));
  // Every tax-key column outside a key or index is numeric (19,2) now.
  const Table free_columns = RowsIn(
      "QUELOR_A",
      "SELECT c.TABLE_NAME, c.COLUMN_NAME, c.DATA_TYPE, c.NUMERIC_PRECISION, c.NUMERIC_SCALE FROM "
      "Information_Schema.Columns c WHERE (c.COLUMN_NAME='STEUERSCHL' OR c.COLUMN_NAME LIKE "
      "'%StSchl%') AND NOT EXISTS (SELECT * FROM sys.index_columns ic JOIN sys.columns sc ON "
      "sc.object_id=ic.object_id AND sc.column_id=ic.column_id WHERE "
      "sc.object_id=OBJECT_ID(c.TABLE_NAME) AND sc.name=c.COLUMN_NAME)");
  ASSERT_FALSE(free_columns.empty());
  for (const auto& row : free_columns) {
    EXPECT_EQ((std::vector<std::string>{row[2], row[3], row[4]}),
              (std::vector<std::string>{"numeric", "19", "2"}))
        << row[0] << "." << row[1];
  }
}

TEST_F(FinishAllDatabasesTest, DemoServerPassesEveryDatabaseWithoutAFailureDialog) {
  sim::BuildDemoServer(server);
  Finish();
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  for (const char* name :
       {"QUELOR_A", "Quelor", "QUELOR_TSV_Musterstadt", "QUELOR_SC_Beispielhausen", "QUELORTMP1"}) {
    EXPECT_TRUE(HasMarker(name)) << name;
    EXPECT_EQ(Shape(name, "F5Dat", "STEUERSCHL"), (Table{{"numeric", "19", "2", "NO"}})) << name;
  }
  EXPECT_EQ(transcript.With("caption ").back(), Caption("QUELORTMP1"));
}

// --- The copy of the profit-and-loss lines --------------------------------

// Tenants with the two line tables, as the migration leaves them; the system
// database's lines differ from theirs.
class CopyGuvKeyTablesTest : public FinishAllDatabasesTest {
 protected:
  CopyGuvKeyTablesTest() {
    for (const char* name :
         {"QUELOR_A", "Quelor", "QUELOR_TSV Musterstadt", "QUELOR_B]1", "QUELORTMP1"}) {
      sim::LoadScript(server, name, kLineTables);
    }
    sim::LoadScript(server, "Quelor",
                    "INSERT INTO GuVKennzD (RimNr, Kennz, Nr, Bezeichnung, EA) VALUES "
                    "('I','A',1,'Mitgliedsbeiträge','E'), ('I','B',2,'Hallenmiete','A')\n"
                    "GO\n"
                    "INSERT INTO GuVKennz49D (RimNr, Kennz, Nr, Bezeichnung, EA) VALUES "
                    "('I','A',3,'Spenden','E')\n"
                    "GO\n");
    for (const char* name : {"QUELOR_A", "QUELOR_TSV Musterstadt", "QUELOR_B]1", "QUELORTMP1"}) {
      sim::LoadScript(server, name,
                      "INSERT INTO GuVKennzD (RimNr, Kennz, Nr, Bezeichnung, EA) VALUES "
                      "('I','A',9,'Alte Zeile','E')\n"
                      "GO\n");
    }
  }

  static constexpr const char* kLineTables =
      "CREATE TABLE dbo.GuVKennzD (RimNr varchar(10) NOT NULL, Kennz varchar(10) NOT NULL, Nr int "
      "NOT NULL, Bezeichnung varchar(120) NULL, EA char(1) NULL)\n"
      "GO\n"
      "CREATE TABLE dbo.GuVKennz49D (RimNr varchar(10) NOT NULL, Kennz varchar(10) NOT NULL, Nr "
      "int NOT NULL, Bezeichnung varchar(120) NULL, EA char(1) NULL)\n"
      "GO\n";

  Table GuvLines(const std::string& name, const std::string& table) {
    return RowsIn(name, "SELECT RimNr, Kennz, Nr, Bezeichnung, EA FROM " + table +
                            " ORDER BY RimNr, Kennz, Nr");
  }
};

std::vector<std::string> CopyStatements(const std::string& bracketed) {
  return {
      Lines({"DELETE FROM " + bracketed + ".dbo.GuVKennzD"}),
      Lines({"INSERT INTO " + bracketed + ".dbo.GuVKennzD (RimNr, Kennz, Nr, Bezeichnung, EA)",
             "SELECT RimNr, Kennz, Nr, Bezeichnung, EA FROM Quelor.dbo.GuVKennzD"}),
      Lines({"DELETE FROM " + bracketed + ".dbo.GuVKennz49D"}),
      Lines({"INSERT INTO " + bracketed + ".dbo.GuVKennz49D (RimNr, Kennz, Nr, Bezeichnung, EA)",
             "SELECT RimNr, Kennz, Nr, Bezeichnung, EA FROM Quelor.dbo.GuVKennz49D"}),
  };
}

TEST_F(CopyGuvKeyTablesTest, EveryTenantGetsTheSystemLinesUnderItsBracketedName) {
  Run({migration::CopyGuvKeyTables});

  EXPECT_EQ(Queries(),
            (std::vector<std::string>{"SELECT name FROM master.dbo.sysdatabases\n"
                                      "where UPPER(name) LIKE 'QUELOR%'\n"
                                      "AND UPPER(name) <> 'QUELOR'\n"
                                      "AND UPPER(SUBSTRING(name,7,3))<>'TMP'\n",
                                      "SELECT * FROM sysobjects WHERE name='UpdGuVKopie'"}));
  std::vector<std::string> expected;
  for (const char* bracketed : {"[QUELOR_A]", "[QUELOR_TSV Musterstadt]", "[QUELOR_B]]1]"}) {
    for (const std::string& text : CopyStatements(bracketed)) expected.push_back(text);
  }
  EXPECT_EQ(Executed(), expected);
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  for (const char* tenant : {"QUELOR_A", "QUELOR_TSV Musterstadt", "QUELOR_B]1"}) {
    EXPECT_EQ(GuvLines(tenant, "GuVKennzD"), GuvLines("Quelor", "GuVKennzD")) << tenant;
    EXPECT_EQ(GuvLines(tenant, "GuVKennz49D"), GuvLines("Quelor", "GuVKennz49D")) << tenant;
  }
  // The temporary database is left alone.
  EXPECT_EQ(GuvLines("QUELORTMP1", "GuVKennzD"), (Table{{"I", "A", "9", "Alte Zeile", "E"}}));
}

TEST_F(FinishAllDatabasesTest, CopyWithoutATenantBesideTheSystemDatabaseDoesNothing) {
  sim::LoadScript(server, "Quelor", resources::kPreviousReleaseTenantScript);
  sim::LoadScript(server, "QUELORTMP1", resources::kPreviousReleaseTenantScript);
  Prepare({[](migration::TenantContext& t) { t.run.MandantChange("Quelor"); }});
  server.DropDatabase("QUELOR_A");

  Run({migration::CopyGuvKeyTables});

  EXPECT_EQ(Queries().size(), 2u);
  EXPECT_EQ(Executed(), std::vector<std::string>{});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
}

// The mark that the copy is owed goes with the copy: a run stopped before
// leaves it for the next run to find.
TEST_F(CopyGuvKeyTablesTest, TheCopyTakesTheOwedMarkAway) {
  sim::LoadScript(server, "Quelor", std::string(migration::kGuvCopyOwedMarkText) + "\nGO\n");
  // From the system database, as the run makes the copy.
  Run({[](migration::TenantContext& t) { t.run.MandantChange("Quelor"); },
       migration::CopyGuvKeyTables});
  EXPECT_EQ(Executed().back(), "DROP TABLE dbo.UpdGuVKopie");
  EXPECT_TRUE(RowsIn("Quelor", "SELECT name FROM sysobjects WHERE name='UpdGuVKopie'").empty());
}

TEST(BracketedName, DoublesClosingBrackets) {
  EXPECT_EQ(migration::BracketedName("QUELOR_TSV Musterstadt"), "[QUELOR_TSV Musterstadt]");
  EXPECT_EQ(migration::BracketedName("QUELOR]X"), "[QUELOR]]X]");
  EXPECT_EQ(migration::BracketedName("QUELOR[X"), "[QUELOR[X]");
}

// --- The whole run: the system database anywhere in the tenant list ---------

class GuvCopyInWholeRunTest : public ::testing::TestWithParam<int> {};

// On a real server the system database holds lines of its own that the
// migration does not bring: two profit-and-loss lines, and the opposite
// income/expense mark on the association chart's lines.
void GiveTheSystemDatabaseItsOwnLines(migration::TenantContext& t) {
  t.db.Exec(Policy::kUnguarded,
            "INSERT INTO GuVKennzD (RimNr, Kennz, Nr, Bezeichnung, EA) VALUES "
            "('I','A',1,'Mitgliedsbeiträge','E'), ('II','B',2,'Sportheim','A')");
  t.db.Exec(Policy::kUnguarded, "UPDATE GuVKennz49D SET EA=CASE EA WHEN 'E' THEN 'A' ELSE 'E' END");
}

TEST_P(GuvCopyInWholeRunTest, EveryTenantEndsWithTheSystemLinesAndNoWarning) {
  // The system database at the position of the parameter; the server lists
  // databases in the order they were created.
  std::vector<std::string> databases = {"QUELOR_A", "QUELOR_B"};
  databases.insert(databases.begin() + GetParam(), "Quelor");
  databases.push_back("QUELORTMP1");
  sim::Server server;
  server.AddLogin("quelor", "demo");
  for (const std::string& name : databases) {
    sim::LoadScript(server, name, resources::kPreviousReleaseTenantScript);
  }

  Transcript transcript;
  RecordingView view(transcript);
  sim::SimConnection catalogue(server), working(server);
  app::UpdateRun run({catalogue, working, view,
                      [] {
                        return config::IniFile::Parse(
                            "[Datenbank]\nProvider=SQLOLEDB.1\nUser ID=quelor\nPassword=demo\n");
                      },
                      [](migration::TenantContext& t) {
                        migration::RunCatalogue(t);
                        if (t.current_database == "Quelor") GiveTheSystemDatabaseItsOwnLines(t);
                      },
                      nullptr, SampleBankCodeDirectory()});
  EXPECT_EQ(run.Start(), app::RunOutcome::kFinished) << transcript.Dump();

  // No warning about the line tables, wherever the system database stands.
  for (const std::string& dialog : transcript.With("dialog ")) {
    EXPECT_EQ(dialog.find("GuVKennz"), std::string::npos) << dialog;
  }
  EXPECT_EQ(transcript.With("dialog ").back(),
            "dialog information Informationen: " + std::string(app::kSuccessText));
  sim::SimConnection reader(server);
  const auto lines = [&](const std::string& database, const std::string& table) {
    reader.Close();
    reader.Open("Provider=SQLOLEDB.1;\r\nPassword=demo;\r\nUser ID=quelor;\r\nInitial Catalog=" +
                database + ";\r\nData Source=(simulated);\r\n");
    return TextRows(reader.Query("SELECT RimNr, Kennz, Nr, Bezeichnung, EA FROM " + table +
                                 " ORDER BY RimNr, Kennz, Nr"));
  };
  // The pass after the loop reached the temporary database as well.
  reader.Open(
      "Provider=SQLOLEDB.1;\r\nPassword=demo;\r\nUser ID=quelor;\r\nInitial "
      "Catalog=QUELORTMP1;\r\nData Source=(simulated);\r\n");
  EXPECT_EQ(reader.Query(kMarkerProbe).RecordCount(), 1u);
  for (const char* table : {"GuVKennzD", "GuVKennz49D"}) {
    const Table system_lines = lines("Quelor", table);
    ASSERT_FALSE(system_lines.empty()) << table;
    for (const char* tenant : {"QUELOR_A", "QUELOR_B"}) {
      EXPECT_EQ(lines(tenant, table), system_lines) << tenant << "." << table;
    }
  }
}

std::string PositionName(const ::testing::TestParamInfo<int>& position) {
  return position.param == 0 ? "First" : position.param == 1 ? "Middle" : "Last";
}

INSTANTIATE_TEST_SUITE_P(SystemDatabasePosition, GuvCopyInWholeRunTest, ::testing::Values(0, 1, 2),
                         PositionName);

}  // namespace
}  // namespace quelor::testing
