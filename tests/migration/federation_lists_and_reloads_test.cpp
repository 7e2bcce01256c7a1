// Federation sports lists and one-time reference reloads on the
// previous-release tenant, brought to where the second routine reaches them.
#include "migration/federation_lists_and_reloads.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "first_routine.h"
#include "migration/association_chart_tables.h"
#include "migration/fixed_assets_and_rights.h"
#include "migration/reference_commands.h"
#include "migration/sports_list_keys.h"
#include "migration_fixture.h"

namespace quelor::testing {
namespace {

using db::Policy;
using migration::FederationListsAndReferenceReloads;
using Table = std::vector<std::vector<std::string>>;

std::string Lines(std::initializer_list<std::string_view> lines) { return db::JoinCrLf(lines); }

void Send(migration::TenantContext& t, const std::string& text) {
  t.db.Exec(Policy::kUnguarded, text);
}

class FederationListsTest : public MigrationTest {
 protected:
  // The tenant as the association chart tables leave it.
  FederationListsTest() {
    std::vector<Segment> segments = FirstRoutineSegments();
    segments.push_back(migration::SportsListKeysAndDueDates);
    segments.push_back(migration::FixedAssetsLetterLayoutAndRights);
    segments.push_back(migration::AssociationChartTables);
    Prepare(segments);
  }

  // The number of statements of a data-load command.
  static std::size_t Inserts(const std::string& command) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < command.size();) {
      if (command.compare(at, 6, "Insert") == 0 || command.compare(at, 6, "INSERT") == 0 ||
          command.compare(at, 6, "insert") == 0) {
        ++count;
      }
      const std::size_t end = command.find('\n', at);
      if (end == std::string::npos) break;
      at = end + 1;
    }
    return count;
  }

  std::string Count(const std::string& table) {
    return Rows("SELECT COUNT(*) FROM " + table)[0][0];
  }

  bool HasPrimaryKey(const std::string& table, const std::string& key) {
    return Rows(
               "SELECT i.name FROM sys.indexes AS i WHERE i.is_primary_key=1 AND "
               "OBJECT_NAME(i.object_id)='" +
               table + "'") == Table{{key}};
  }
};

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\r')); }

// One expected statement: its exact text; a data-load command is compared
// whole but reported by its size and first line.
struct Expected {
  std::string text;
  bool data = false;
};

void AddReload(std::vector<Expected>& s, const char* delete_line, const std::string& command) {
  s.push_back({Lines({delete_line})});
  s.push_back({command, true});
}

const char* const kDropVerbSportArtKey =
    "ALTER TABLE dbo.VerbSportArt\r\n DROP CONSTRAINT PK_VerbSportArt\r\n";
const char* const kWidenNummer =
    "ALTER TABLE VerbSportArt ALTER COLUMN NUMMER varchar (20) NOT NULL";
const char* const kPadNummer =
    "update VerbSportArt set Nummer='0'+Nummer\r\nwhere 1=1\r\nand LEN(Nummer)<4\r\n";
const char* const kAddVerbSportArtKey =
    "ALTER TABLE [dbo].[VerbSportArt] ADD CONSTRAINT [PK_VerbSportArt] PRIMARY KEY CLUSTERED "
    "([NUMMER]) ON [PRIMARY]";
const char* const kWidenDsaSportArt =
    "ALTER TABLE Adresse ALTER COLUMN DSASportArt varchar(4) NULL";

std::vector<Expected> FirstRunStatements() {
  std::vector<Expected> s = {
      {Lines({"CREATE TABLE dbo.VerbSportArt (", "[Nummer] [varchar](3) NOT NULL,",
              "[Sportart] [varchar](120) NULL,", "[Kennung] [varchar](50) NULL,",
              ") ON [PRIMARY]"})},
      {Lines({"ALTER TABLE [dbo].[VerbSportArt]  ADD CONSTRAINT [PK_VerbSportArt] PRIMARY KEY "
              "CLUSTERED (",
              "[Nummer] ASC", ")WITH (IGNORE_DUP_KEY = OFF) ON [PRIMARY]"})},
      {"ALTER TABLE dbo.VerbSportArt ADD LfdNr  int  NULL"},
      {"ALTER TABLE dbo.PASSDB ADD DSA  bit  NULL"},
  };
  AddReload(s, "DELETE FROM VerbSportArt", migration::VerbSportArtCommand());
  AddReload(s, "DELETE FROM DSAFachverband", migration::DsaFachverbandCommand());
  for (const char* text : {kDropVerbSportArtKey, kWidenNummer, kPadNummer, kAddVerbSportArtKey}) {
    s.push_back({text});
  }
  s.push_back({"ALTER TABLE dbo.F5butext ADD Kontoart  varchar (10) NULL"});
  s.push_back({kWidenDsaSportArt});
  s.push_back({Lines(
      {"INSERT INTO GuVKennz49 (RimNr, Kennz, Bezeichnung)", "VALUES ('I','A','Einnahmen')"})});
  s.push_back({Lines(
      {"INSERT INTO GuVKennz49 (RimNr, Kennz, Bezeichnung)", "VALUES ('I','B','Ausgaben')"})});
  s.push_back({"ALTER TABLE dbo.F5SKR49 ADD KoSt  int  NULL"});
  s.push_back({"ALTER TABLE dbo.F5SKR49 ADD DatevAuto  char(1)  NULL"});
  s.push_back({"ALTER TABLE dbo.EINST ADD GuVSKR49  bit  NULL"});
  AddReload(s, "DELETE FROM F5SKR49", migration::Skr49Command());
  AddReload(s, "DELETE FROM F5DATSKR49", migration::F5DatSkr49Command());
  s.push_back({"ALTER TABLE dbo.PASSDB ADD DOSB1  bit  NULL"});
  s.push_back({"ALTER TABLE dbo.PASSDB ADD DOSB2  bit  NULL"});
  AddReload(s, "DELETE FROM fachverbaende where KZ in ('BLSV','LSB Thüringen','LSB NRW')",
            migration::FachverbaendeCommand());
  s.push_back({"ALTER TABLE dbo.Einst ADD GuV49  bit  NULL"});
  s.push_back({"ALTER TABLE dbo.PASSDB ADD DOSB3  bit  NULL"});
  AddReload(s, "DELETE FROM Sportarten where KZ in ('BLSV','LSB Thüringen','LSB NRW')",
            migration::SportartenCommand());
  s.push_back({"ALTER TABLE dbo.PASSDB ADD DOSB4  bit  NULL"});
  for (const char* text : {"DELETE FROM fachverbaende\r\n",
                           "ALTER TABLE dbo.fachverbaende\r\n DROP CONSTRAINT PK_fachverbaende\r\n",
                           "ALTER TABLE dbo.fachverbaende DROP COLUMN LfdNr",
                           "ALTER TABLE dbo.fachverbaende ADD LfdNr  INT  NOT NULL"}) {
    s.push_back({text});
  }
  s.push_back({migration::FachverbaendeNeuCommand(), true});
  s.push_back({"ALTER TABLE dbo.fachverbaende DROP COLUMN LfdNr"});
  s.push_back({"ALTER TABLE dbo.fachverbaende ADD LfdNr  INT IDENTITY (1,1) NOT NULL"});
  s.push_back(
      {"ALTER TABLE [dbo].[fachverbaende] ADD CONSTRAINT [PK_fachverbaende] PRIMARY KEY "
       "CLUSTERED ([KZ],[NUMMER],[LfdNr]) ON [PRIMARY]"});
  const std::array<std::string, 3> bank_codes =
      migration::BankCodeCommands(SampleBankCodeDirectory());
  s.push_back({Lines({"DELETE FROM D_blz"})});
  for (const std::string& command : bank_codes) s.push_back({command, true});
  return s;
}

TEST_F(FederationListsTest, FirstRunSendsEveryStatementInCatalogueOrder) {
  Run({FederationListsAndReferenceReloads});
  const std::vector<Expected> expected = FirstRunStatements();
  const std::vector<std::string> executed = Executed();
  for (std::size_t i = 0; i < std::min(expected.size(), executed.size()); ++i) {
    if (expected[i].data) {
      EXPECT_TRUE(executed[i] == expected[i].text)
          << "statement " << i << ": expected a data-load command of " << expected[i].text.size()
          << " characters beginning \"" << FirstLine(expected[i].text) << "\", sent "
          << executed[i].size() << " characters beginning \"" << FirstLine(executed[i]) << "\"";
    } else {
      EXPECT_EQ(executed[i], expected[i].text) << "statement " << i;
    }
  }
  EXPECT_EQ(executed.size(), expected.size());
  EXPECT_EQ(progress_count(), 0);
}

TEST_F(FederationListsTest, FirstRunLoadsEveryListAndKeysVerbSportArt) {
  const std::string other_bodies_sports =
      Count("Sportarten WHERE KZ NOT IN ('BLSV','LSB Thüringen','LSB NRW')");
  const auto start = std::chrono::steady_clock::now();
  Run({FederationListsAndReferenceReloads});
  const auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  // The largest commands (about 1.5 MB each) must not make a run crawl.
  EXPECT_LT(seconds, 60.0);
  RecordProperty("first_run_seconds", std::to_string(seconds));

  EXPECT_EQ(ColumnShape("VerbSportArt", "Nummer"), (Table{{"varchar", "20", "NO"}}));
  EXPECT_EQ(ColumnShape("VerbSportArt", "LfdNr"), (Table{{"int", "NULL", "YES"}}));
  EXPECT_TRUE(HasPrimaryKey("VerbSportArt", "PK_VerbSportArt"));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM VerbSportArt WHERE LEN(Nummer)<>4"), (Table{{"0"}}));
  EXPECT_EQ(ColumnShape("Adresse", "DSASportArt"), (Table{{"varchar", "4", "YES"}}));
  EXPECT_EQ(ColumnShape("F5butext", "Kontoart"), (Table{{"varchar", "10", "YES"}}));
  EXPECT_EQ(ColumnShape("F5SKR49", "DatevAuto"), (Table{{"char", "1", "YES"}}));
  EXPECT_EQ(Rows("SELECT RimNr, Kennz, Bezeichnung FROM GuVKennz49 WHERE RimNr='I' ORDER BY Kennz"),
            (Table{{"I", "A", "Einnahmen"}, {"I", "B", "Ausgaben"}}));
  for (const char* marker : {"DSA", "DOSB1", "DOSB2", "DOSB3", "DOSB4"}) {
    EXPECT_EQ(ColumnShape("PASSDB", marker), (Table{{"bit", "NULL", "YES"}})) << marker;
  }
  for (const char* marker : {"GuVSKR49", "GuV49"}) {
    EXPECT_EQ(ColumnShape("EINST", marker), (Table{{"bit", "NULL", "YES"}})) << marker;
  }

  // fachverbaende again has an identity LfdNr under its key.
  EXPECT_EQ(Rows("SELECT is_identity FROM sys.columns WHERE OBJECT_NAME(object_id)='fachverbaende' "
                 "AND name='LfdNr'"),
            (Table{{"1"}}));
  EXPECT_TRUE(HasPrimaryKey("fachverbaende", "PK_fachverbaende"));

  // One row per statement of each load; the bodies' lists keep the rows of
  // other bodies, the new federation list replaces the whole table.
  const std::string federations = migration::FachverbaendeNeuCommand();
  const std::array<std::string, 3> bank_codes =
      migration::BankCodeCommands(SampleBankCodeDirectory());
  struct Load {
    std::string table;
    std::size_t rows;
  };
  const std::vector<Load> loads = {
      {"VerbSportArt", Inserts(migration::VerbSportArtCommand())},
      {"DSAFachverband", Inserts(migration::DsaFachverbandCommand())},
      {"F5SKR49", Inserts(migration::Skr49Command())},
      {"F5DatSKR49", Inserts(migration::F5DatSkr49Command())},
      {"Sportarten WHERE KZ IN ('BLSV','LSB Thüringen','LSB NRW')",
       Inserts(migration::SportartenCommand())},
      {"fachverbaende", Inserts(federations)},
      {"D_blz", Inserts(bank_codes[0]) + Inserts(bank_codes[1]) + Inserts(bank_codes[2])},
  };
  for (const Load& load : loads) {
    EXPECT_GT(load.rows, 0u) << load.table;
    EXPECT_EQ(Count(load.table), std::to_string(load.rows)) << load.table;
  }
  EXPECT_EQ(Count("Sportarten WHERE KZ NOT IN ('BLSV','LSB Thüringen','LSB NRW')"),
            other_bodies_sports);
  EXPECT_NE(other_bodies_sports, "0");
}

TEST_F(FederationListsTest, SecondRunReloadsNothingAndShowsNoDialog) {
  Prepare({FederationListsAndReferenceReloads});
  const std::string before = DatabaseSnapshot();

  Run({FederationListsAndReferenceReloads});

  EXPECT_EQ(Executed(), (std::vector<std::string>{kDropVerbSportArtKey, kWidenNummer, kPadNummer,
                                                  kAddVerbSportArtKey, kWidenDsaSportArt}));
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(transcript.With("w failed "), std::vector<std::string>{});
  EXPECT_TRUE(HasPrimaryKey("VerbSportArt", "PK_VerbSportArt"));
  EXPECT_TRUE(DatabaseSnapshot() == before) << "the second run changed the database";
}

TEST_F(FederationListsTest, ShortNumbersGainOneZeroPerRun) {
  Prepare({FederationListsAndReferenceReloads});
  Prepare({[](migration::TenantContext& t) {
    Send(t, "DELETE FROM VerbSportArt");
    Send(t,
         "INSERT INTO VerbSportArt (Nummer, Sportart) VALUES ('7', 'Boccia'), "
         "('0001', 'Aerobic'), ('42', 'Fechten')");
  }});
  const std::vector<Table> after_runs = {
      {{"0001"}, {"042"}, {"07"}},
      {{"0001"}, {"0042"}, {"007"}},
      {{"0001"}, {"0007"}, {"0042"}},
      {{"0001"}, {"0007"}, {"0042"}},
  };
  for (std::size_t run = 0; run < after_runs.size(); ++run) {
    Run({FederationListsAndReferenceReloads});
    EXPECT_EQ(Rows("SELECT Nummer FROM VerbSportArt ORDER BY Nummer"), after_runs[run])
        << "run " << run + 1;
    EXPECT_TRUE(HasPrimaryKey("VerbSportArt", "PK_VerbSportArt")) << "run " << run + 1;
  }
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
}

// A database that an earlier update left with a nullable Nummer and no key
// gets its key back on the next run.
TEST_F(FederationListsTest, VerbSportArtLeftWithoutKeyIsKeyedAgain) {
  Prepare({[](migration::TenantContext& t) {
    Send(t,
         "CREATE TABLE dbo.VerbSportArt (Nummer varchar(20) NULL, Sportart varchar(120) NULL, "
         "Kennung varchar(50) NULL, LfdNr int NULL)");
    Send(t,
         "INSERT INTO VerbSportArt (Nummer, Sportart) VALUES ('0001', 'Aerobic'), ('012', 'Judo')");
    Send(t, "ALTER TABLE dbo.PASSDB ADD DSA bit NULL");
  }});
  Run({FederationListsAndReferenceReloads});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(ColumnShape("VerbSportArt", "Nummer"), (Table{{"varchar", "20", "NO"}}));
  EXPECT_TRUE(HasPrimaryKey("VerbSportArt", "PK_VerbSportArt"));
  EXPECT_EQ(Rows("SELECT Nummer FROM VerbSportArt ORDER BY Nummer"), (Table{{"0001"}, {"0012"}}));
}

// Each reload belongs to its marker column: without the column, the next
// run sends that reload again, and nothing of the others.
struct MarkerCase {
  const char* table;
  const char* column;
  std::vector<std::string> (*commands)();  // the data-load commands the reload sends
};

void PrintTo(const MarkerCase& c, std::ostream* os) { *os << c.table << "." << c.column; }

std::vector<std::string> BankCodeLoads() {
  const std::array<std::string, 3> commands =
      migration::BankCodeCommands(SampleBankCodeDirectory());
  return {commands.begin(), commands.end()};
}

std::vector<std::string> AllDataLoads() {
  std::vector<std::string> loads = {
      migration::VerbSportArtCommand(),    migration::DsaFachverbandCommand(),
      migration::Skr49Command(),           migration::F5DatSkr49Command(),
      migration::FachverbaendeCommand(),   migration::SportartenCommand(),
      migration::FachverbaendeNeuCommand()};
  for (std::string& command : BankCodeLoads()) loads.push_back(command);
  return loads;
}

class FederationListsMarkerTest : public FederationListsTest,
                                  public ::testing::WithParamInterface<MarkerCase> {};

TEST_P(FederationListsMarkerTest, ReloadRunsOnceWithItsMarkerColumn) {
  const MarkerCase& c = GetParam();
  Prepare({FederationListsAndReferenceReloads});
  Prepare({[&](migration::TenantContext& t) {
    Send(t, std::string("ALTER TABLE dbo.") + c.table + " DROP COLUMN " + c.column);
  }});

  Run({FederationListsAndReferenceReloads});

  EXPECT_EQ(ColumnShape(c.table, c.column), (Table{{"bit", "NULL", "YES"}}));
  // Each command of the reload is sent exactly once, and no other command.
  const std::vector<std::string> all = AllDataLoads();
  std::vector<std::string> sent;
  for (const std::string& text : Executed()) {
    if (std::find(all.begin(), all.end(), text) != all.end()) sent.push_back(text);
  }
  const std::vector<std::string> expected = c.commands();
  EXPECT_TRUE(sent == expected) << sent.size() << " data-load commands sent, " << expected.size()
                                << " expected";
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Markers, FederationListsMarkerTest,
    ::testing::Values(
        MarkerCase{"PASSDB", "DSA",
                   [] {
                     return std::vector<std::string>{migration::VerbSportArtCommand(),
                                                     migration::DsaFachverbandCommand()};
                   }},
        MarkerCase{"EINST", "GuVSKR49",
                   [] {
                     return std::vector<std::string>{migration::Skr49Command(),
                                                     migration::F5DatSkr49Command()};
                   }},
        MarkerCase{"PASSDB", "DOSB2",
                   [] { return std::vector<std::string>{migration::FachverbaendeCommand()}; }},
        MarkerCase{"PASSDB", "DOSB3",
                   [] { return std::vector<std::string>{migration::SportartenCommand()}; }},
        MarkerCase{"PASSDB", "DOSB4", [] {
                     std::vector<std::string> loads = {migration::FachverbaendeNeuCommand()};
                     for (std::string& command : BankCodeLoads()) loads.push_back(command);
                     return loads;
                   }}));

TEST_F(FederationListsTest, FailedFederationLoadStillLeavesIdentityAndKey) {
  // An extra column makes the positional rows of the federation list fit no
  // longer: the load fails as a whole.
  Prepare({[](migration::TenantContext& t) {
    Send(t, "ALTER TABLE dbo.fachverbaende ADD Bemerkung varchar(20) NULL");
  }});
  Run({FederationListsAndReferenceReloads});

  // The regional bodies' federations fail to load as well.
  const std::string refused =
      "dialog warning: Column name or number of supplied values does not match table definition.";
  EXPECT_EQ(Dialogs(), (std::vector<std::string>{refused, refused}));
  EXPECT_EQ(Count("fachverbaende"), "0");
  EXPECT_EQ(Rows("SELECT is_identity FROM sys.columns WHERE OBJECT_NAME(object_id)='fachverbaende' "
                 "AND name='LfdNr'"),
            (Table{{"1"}}));
  EXPECT_EQ(ColumnShape("fachverbaende", "LfdNr"), (Table{{"int", "NULL", "NO"}}));
  EXPECT_TRUE(HasPrimaryKey("fachverbaende", "PK_fachverbaende"));
  // The steps after the load all ran.
  const std::vector<std::string> executed = Executed();
  EXPECT_NE(std::find(executed.begin(), executed.end(),
                      "ALTER TABLE [dbo].[fachverbaende] ADD CONSTRAINT [PK_fachverbaende] "
                      "PRIMARY KEY CLUSTERED ([KZ],[NUMMER],[LfdNr]) ON [PRIMARY]"),
            executed.end());
}

// A bank code directory beside the program that cannot be read ends the run
// before the federation list's marker column is added, so that the reload
// still runs once the directory is replaced.
TEST_F(FederationListsTest, UnreadableBankCodeDirectoryLeavesTheReloadToCome) {
  bank_code_directory = "keine Bankleitzahlen\r\n";
  EXPECT_THROW(Run({FederationListsAndReferenceReloads}), std::runtime_error);
  EXPECT_EQ(ColumnShape("PASSDB", "DOSB4"), Table{});
  EXPECT_EQ(transcript.With("w execute DELETE FROM D_blz"), std::vector<std::string>{});

  bank_code_directory.clear();  // the directory compiled in
  transcript.lines.clear();
  Run({FederationListsAndReferenceReloads});
  EXPECT_EQ(ColumnShape("PASSDB", "DOSB4"), (Table{{"bit", "NULL", "YES"}}));
  const std::array<std::string, 3> bank_codes =
      migration::BankCodeCommands(migration::EmbeddedBankCodeDirectory());  // whole
  EXPECT_EQ(Count("D_blz"), std::to_string(Inserts(bank_codes[0]) + Inserts(bank_codes[1]) +
                                           Inserts(bank_codes[2])));
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
}

// A directory of one record makes one command; the other two hold no
// statement and are not sent.
TEST_F(FederationListsTest, OneRecordDirectorySendsOneCommand) {
  const std::string_view embedded = migration::EmbeddedBankCodeDirectory();
  bank_code_directory = std::string(embedded.substr(0, embedded.find('\n') + 1));
  Run({FederationListsAndReferenceReloads});
  const std::vector<std::string> executed = Executed();
  ASSERT_GE(executed.size(), 2u);
  EXPECT_EQ(std::vector<std::string>(executed.end() - 2, executed.end()),
            (std::vector<std::string>{"DELETE FROM D_blz\r\n",
                                      migration::BankCodeCommands(bank_code_directory)[0]}));
  EXPECT_EQ(Count("D_blz"), "1");
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
}

}  // namespace
}  // namespace quelor::testing
