// Sports-list keys, due-date function and early column fixes on the
// previous-release tenant, brought first through the whole first routine.
#include "migration/sports_list_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "db/error.h"
#include "db/script_splitter.h"
#include "first_routine.h"
#include "migration/reference_commands.h"

namespace quelor::resources {
extern const std::string_view kMemoFDat;
}

namespace quelor::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;
using db::Policy;
using migration::SportsListKeysAndDueDates;
using migration::SportsListKeysWithScript;

// The tenant as the first routine hands it over to Update1.
class SportsListKeysTest : public MigrationTest {
 protected:
  void SetUp() override { Prepare(FirstRoutineSegments()); }

  // Columns of a table's primary key in key order, as "name column".
  Table PrimaryKey(const std::string& table) {
    return Rows(
        "SELECT i.name, c.name FROM sys.indexes AS i INNER JOIN sys.index_columns AS ic ON "
        "i.object_id = ic.object_id AND i.index_id = ic.index_id INNER JOIN sys.columns AS c ON "
        "c.object_id = ic.object_id AND c.column_id = ic.column_id "
        "WHERE i.is_primary_key = 1 AND OBJECT_NAME(i.object_id)='" +
        table + "' ORDER BY ic.key_ordinal");
  }
};

const char kLfdNrSportarten[] = "ALTER TABLE dbo.Sportarten DROP COLUMN LfdNr";
const char kLfdNrFachverbaende[] = "ALTER TABLE dbo.fachverbaende DROP COLUMN LfdNr";
const char kDropDueDates[] = "DROP FUNCTION dbo.fFalligkeitDatum";

// Steps before the rebuild and after it: the latter are sent on every run.
const std::vector<std::string> kWidenings = {
    "ALTER TABLE dbo.SportartenV ALTER COLUMN VerbandNr varchar(20) NULL",
    "ALTER TABLE dbo.Sportarten ALTER COLUMN VerbandNr varchar(20) NULL",
    "ALTER TABLE dbo.AdrSART ALTER COLUMN VerbandNr varchar(20) NULL",
    "ALTER TABLE dbo.INTER ALTER COLUMN VerbandNr varchar(20) NULL",
};

std::vector<std::string> EveryRunAfterRebuild(bool first_run) {
  std::vector<std::string> s = {
      "INSERT INTO tblLSB (Kennung,Bezeichnung) VALUES ('Sportbund Rheinland','Sportbund "
      "Rheinland')",
      "INSERT INTO tblLSB (Kennung,Bezeichnung) VALUES ('Sportbund Pfalz','Sportbund Pfalz')",
      "INSERT INTO tblLSB (Kennung,Bezeichnung) VALUES ('Sportbund Rheinhessen','Sportbund "
      "Rheinhessen')",
      kDropDueDates,
      db::SingleBatchText(resources::kMemoFDat),
      "GRANT EXECUTE ON dbo.fFalligkeitDatum TO Public",
      "ALTER TABLE dbo.MgKontoUms ALTER COLUMN WZ1 varchar(140) Null",
      "ALTER TABLE dbo.tmpMgKontoUms ALTER COLUMN WZ1 varchar(140) Null",
      "ALTER TABLE dbo.MgUeberw ALTER COLUMN WZ1 varchar(70) Null",
      "ALTER TABLE dbo.MgUeberw ALTER COLUMN WZ2 varchar(70) Null",
      "ALTER TABLE dbo.MgUeberwVorl ALTER COLUMN WZ1 varchar(70) Null",
      "ALTER TABLE dbo.MgUeberwVorl ALTER COLUMN WZ2 varchar(70) Null",
  };
  if (first_run) {
    s.push_back("CREATE NONCLUSTERED INDEX IX_Eintritt ON Adresse (Eintritt)");
    s.push_back("CREATE NONCLUSTERED INDEX IX_Austritt ON Adresse (Austritt)");
  }
  for (const char* text : {
           "update MgSolln set ArtName=(select Bezeichnung from MgArt where MgArt.Art=mgSolln.Art)",
           "ALTER TABLE dbo.Sportarten ALTER COLUMN SPORTART varchar(120) Null",
           "ALTER TABLE dbo.SportartenV ALTER COLUMN SPORTART varchar(120) Null",
           "ALTER TABLE dbo.fachverbaende ALTER COLUMN FACHVERBAN varchar(120) Null",
           "ALTER TABLE dbo.ADRSART ALTER COLUMN FACHVERBAN varchar(120) Null",
       }) {
    s.push_back(text);
  }
  if (first_run) {
    s.push_back("ALTER TABLE dbo.W_vorl ADD LfdNrN  INT  NULL");
    s.push_back("Alter Table W_vorl Drop Constraint PK_W_vorl");
    s.push_back(
        "ALTER TABLE [dbo].[W_vorl] WITH NOCHECK ADD  CONSTRAINT [PK_W_vorl] PRIMARY KEY  "
        "CLUSTERED ([G_DATUM],[BENUTZER],[ADRNR],[ZEIT],[LfdNr])  ON [PRIMARY] ");
    s.push_back("ALTER TABLE dbo.EINST ADD SEPAVersion  varchar (25) Null");
    s.push_back("UPDATE EINST SET SEPAVersion='2.6'\r\n");
  }
  for (const char* text : {
           "ALTER TABLE dbo.EINST ALTER COLUMN SEPAVersion varchar(25) Null",
           "update f5bew4s set soll=ROUND(CEILING(Soll*100),0)/100,haben=ROUND(CEILING(Haben*100),"
           "0)/100",
           "update f5bew4sg set soll=ROUND(CEILING(Soll*100),0)/100,haben=ROUND(CEILING(Haben*100),"
           "0)/100",
       }) {
    s.push_back(text);
  }
  return s;
}

// Every statement the segment sends to the fixture on its first run, in order.
std::vector<std::string> FirstRunStatements(const std::string& memo_sport_2014) {
  std::vector<std::string> s = kWidenings;
  for (const std::string& text : {
           std::string("ALTER TABLE dbo.fachverbaende ADD Kn  char (1) NULL"),
           std::string("ALTER TABLE dbo.EINST ADD Kn5a  char (1) NULL"),
           std::string("DELETE FROM AdrSepaVer"),
           std::string("DELETE FROM dbo.Sportarten"),
           std::string("DELETE FROM dbo.fachverbaende"),
           std::string("ALTER TABLE dbo.SportartenV ADD LfdNr  INT IDENTITY (1,1) NOT NULL"),
           std::string("ALTER TABLE dbo.AdrSArt ADD LfdNr  INT IDENTITY (1,1) NOT NULL"),
           std::string("ALTER TABLE tmpKSBja ALTER COLUMN Fachverband varchar (20)"),
           std::string("ALTER TABLE tmpKSBja ALTER COLUMN Skz2 varchar (20)"),
           std::string("ALTER TABLE tmpKSBjaList ALTER COLUMN Skz2 varchar (20)"),
           std::string("ALTER TABLE tmpKSBjaList ALTER COLUMN Fachverband varchar (20)"),
           // The fixture's old key of Sportarten is PK_Sportarten_1; PK_Sportarten
           // is not found, so nothing is sent for it.
           std::string("ALTER TABLE dbo.Sportarten\r\n DROP CONSTRAINT PK_Sportarten_1\r\n"),
           std::string("ALTER TABLE dbo.fachverbaende\r\n DROP CONSTRAINT PK_fachverbaende\r\n"),
           std::string("ALTER TABLE dbo.AdrSArt\r\n DROP CONSTRAINT PK_AdrSArt\r\n"),
           std::string("ALTER TABLE dbo.SportartenV\r\n DROP CONSTRAINT PK_SportartenV\r\n"),
           std::string("ALTER TABLE [dbo].[AdrSArt] ALTER COLUMN SArt VARCHAR (20) NOT NULL"),
           std::string("ALTER TABLE [dbo].[Sportarten] ALTER COLUMN NUMMER VARCHAR (20) NOT NULL"),
           std::string("ALTER TABLE [dbo].[Sportarten] ALTER COLUMN KZ VARCHAR (50) NOT NULL"),
           std::string("ALTER TABLE [dbo].[Fachverbaende] ALTER COLUMN KZ VARCHAR (50) NOT NULL"),
           std::string("ALTER TABLE dbo.fachverbaende ALTER COLUMN NUMMER varchar(20) NOT NULL"),
           std::string(kLfdNrSportarten),
           std::string(kLfdNrFachverbaende),
           std::string("ALTER TABLE dbo.Sportarten ADD LfdNr  INT  NULL"),
           std::string("ALTER TABLE dbo.fachverbaende ADD LfdNr  INT  NOT NULL"),
       }) {
    s.push_back(text);
  }
  if (!memo_sport_2014.empty()) s.push_back(db::SingleBatchText(memo_sport_2014));
  for (const char* text : {
           kLfdNrSportarten,
           "ALTER TABLE dbo.Sportarten ADD LfdNr  INT IDENTITY (1,1) NOT NULL",
           kLfdNrFachverbaende,
           "ALTER TABLE dbo.fachverbaende ADD LfdNr  INT IDENTITY (1,1) NOT NULL",
           "ALTER TABLE [dbo].[fachverbaende] ADD CONSTRAINT [PK_fachverbaende] PRIMARY KEY "
           "CLUSTERED ([KZ],[NUMMER],[LfdNr]) ON [PRIMARY]",
           "ALTER TABLE [dbo].[Sportarten] ADD CONSTRAINT [PK_Sportarten] PRIMARY KEY CLUSTERED "
           "([KZ],[NUMMER],[LfdNr]) ON [PRIMARY]",
           "ALTER TABLE [dbo].[SportartenV] ALTER COLUMN NUMMER VARCHAR (20) NOT NULL",
           "ALTER TABLE [dbo].[SportartenV] ADD CONSTRAINT [PK_SportartenV] PRIMARY KEY CLUSTERED "
           "([LfdNr]) ON [PRIMARY]",
           "ALTER TABLE [dbo].[AdrSArt] ADD CONSTRAINT [PK_AdrSArt] PRIMARY KEY CLUSTERED "
           "([AdrNr],[SArt],[LfdNr]) ON [PRIMARY]",
       }) {
    s.push_back(text);
  }
  for (const std::string& text : EveryRunAfterRebuild(true)) s.push_back(text);
  return s;
}

void ExpectStatements(const std::vector<std::string>& executed,
                      const std::vector<std::string>& expected) {
  for (std::size_t i = 0; i < std::min(expected.size(), executed.size()); ++i) {
    EXPECT_EQ(executed[i], expected[i]) << "statement " << i;
  }
  EXPECT_EQ(executed.size(), expected.size());
}

// The failures the statement sent before them, in transcript order.
std::vector<std::string> FailedStatements(const std::vector<std::string>& lines) {
  std::vector<std::string> failed;
  std::string last;
  for (const std::string& line : lines) {
    if (line.rfind("w execute ", 0) == 0) last = line.substr(10);
    if (line.rfind("w failed ", 0) == 0) failed.push_back(last);
  }
  return failed;
}

TEST_F(SportsListKeysTest, FirstRunSendsEveryStatementInCatalogueOrder) {
  Run({SportsListKeysAndDueDates});
  ExpectStatements(Executed(), FirstRunStatements(migration::MemoSport2014Script()));
  EXPECT_EQ(progress_count(), 0);
}

TEST_F(SportsListKeysTest, FirstRunRebuildsTheSportsListsWithoutDialogs) {
  Run({SportsListKeysAndDueDates});

  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  // Only the drops of columns and function that an old tenant does not have.
  EXPECT_EQ(FailedStatements(transcript.lines),
            (std::vector<std::string>{kLfdNrSportarten, kLfdNrFachverbaende, kDropDueDates}));

  EXPECT_EQ(Rows("SELECT Kn5a FROM EINST"), (Table{{"NULL"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM AdrSepaVer"), (Table{{"0"}}));
  // The club's own lists keep their rows, numbered from 1 in the server's
  // order.
  EXPECT_EQ(Rows("SELECT COUNT(*), COUNT(DISTINCT LfdNr), MIN(LfdNr), MAX(LfdNr) FROM SportartenV"),
            (Table{{"3", "3", "1", "3"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*), COUNT(DISTINCT LfdNr), MIN(LfdNr), MAX(LfdNr) FROM AdrSArt"),
            (Table{{"5", "5", "1", "5"}}));

  // The state bodies' lists hold what the sports-list script inserted, each
  // numbered 1 to n by the new identity column.
  const std::string script = migration::MemoSport2014Script();
  for (const auto& [table, statement] :
       {std::pair<std::string, std::string>{"Sportarten", "Insert Into Sportarten "},
        std::pair<std::string, std::string>{"fachverbaende", "Insert Into Fachverbaende "}}) {
    std::size_t inserts = 0;
    for (std::size_t at = script.find(statement); at != std::string::npos;
         at = script.find(statement, at + 1)) {
      ++inserts;
    }
    const std::string n = std::to_string(inserts);
    EXPECT_EQ(Rows("SELECT COUNT(*), COUNT(DISTINCT LfdNr), ISNULL(MIN(LfdNr), 1), "
                   "ISNULL(MAX(LfdNr), 0) FROM " +
                   table),
              (Table{{n, n, "1", n}}))
        << table;
  }

  EXPECT_EQ(PrimaryKey("fachverbaende"), (Table{{"PK_fachverbaende", "KZ"},
                                                {"PK_fachverbaende", "NUMMER"},
                                                {"PK_fachverbaende", "LfdNr"}}));
  EXPECT_EQ(
      PrimaryKey("Sportarten"),
      (Table{{"PK_Sportarten", "KZ"}, {"PK_Sportarten", "NUMMER"}, {"PK_Sportarten", "LfdNr"}}));
  EXPECT_EQ(PrimaryKey("SportartenV"), (Table{{"PK_SportartenV", "LfdNr"}}));
  EXPECT_EQ(PrimaryKey("AdrSArt"),
            (Table{{"PK_AdrSArt", "AdrNr"}, {"PK_AdrSArt", "SArt"}, {"PK_AdrSArt", "LfdNr"}}));
  EXPECT_EQ(PrimaryKey("W_vorl"), (Table{{"PK_W_vorl", "G_DATUM"},
                                         {"PK_W_vorl", "BENUTZER"},
                                         {"PK_W_vorl", "ADRNR"},
                                         {"PK_W_vorl", "ZEIT"},
                                         {"PK_W_vorl", "LfdNr"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM sysobjects WHERE name='PK_Sportarten_1'"), (Table{{"0"}}));
  for (const char* table : {"Sportarten", "fachverbaende", "SportartenV", "AdrSArt"}) {
    EXPECT_EQ(Rows(std::string("SELECT is_identity FROM sys.columns WHERE name='LfdNr' AND "
                               "object_id=OBJECT_ID('") +
                   table + "')"),
              (Table{{"1"}}))
        << table;
  }

  struct ColumnCase {
    std::string table, column, type, length, nullable;
  };
  const std::vector<ColumnCase> columns = {
      {"SportartenV", "VerbandNr", "varchar", "20", "YES"},
      {"SportartenV", "NUMMER", "varchar", "20", "NO"},
      {"SportartenV", "SPORTART", "varchar", "120", "YES"},
      {"SportartenV", "LfdNr", "int", "NULL", "NO"},
      {"Sportarten", "KZ", "varchar", "50", "NO"},
      {"Sportarten", "NUMMER", "varchar", "20", "NO"},
      {"Sportarten", "VerbandNr", "varchar", "20", "YES"},
      {"Sportarten", "SPORTART", "varchar", "120", "YES"},
      {"Sportarten", "LfdNr", "int", "NULL", "NO"},
      {"fachverbaende", "KZ", "varchar", "50", "NO"},
      {"fachverbaende", "NUMMER", "varchar", "20", "NO"},
      {"fachverbaende", "FACHVERBAN", "varchar", "120", "YES"},
      {"fachverbaende", "Kn", "char", "1", "YES"},
      {"fachverbaende", "LfdNr", "int", "NULL", "NO"},
      {"AdrSArt", "SArt", "varchar", "20", "NO"},
      {"AdrSArt", "VerbandNr", "varchar", "20", "YES"},
      {"AdrSArt", "FACHVERBAN", "varchar", "120", "YES"},
      {"Inter", "VerbandNr", "varchar", "20", "YES"},
      {"tmpKSBja", "Fachverband", "varchar", "20", "YES"},
      {"tmpKSBja", "Skz2", "varchar", "20", "YES"},
      {"tmpKSBjaList", "Skz2", "varchar", "20", "YES"},
      {"tmpKSBjaList", "Fachverband", "varchar", "20", "YES"},
      {"MgKontoUms", "WZ1", "varchar", "140", "YES"},
      {"tmpMgKontoUms", "WZ1", "varchar", "140", "YES"},
      {"MgUeberw", "WZ2", "varchar", "70", "YES"},
      {"MgUeberwVorl", "WZ1", "varchar", "70", "YES"},
      {"W_vorl", "LfdNrN", "int", "NULL", "YES"},
      {"EINST", "SEPAVersion", "varchar", "25", "YES"},
  };
  for (const ColumnCase& c : columns) {
    EXPECT_EQ(ColumnShape(c.table, c.column), (Table{{c.type, c.length, c.nullable}}))
        << c.table << "." << c.column;
  }
  // Sportarten and fachverbaende end with the columns the positional loads of
  // the sports lists expect.
  EXPECT_EQ(Rows("SELECT COLUMN_NAME FROM Information_Schema.Columns WHERE Table_Name='Sportarten'"
                 " ORDER BY ORDINAL_POSITION"),
            (Table{{"KZ"}, {"NUMMER"}, {"SPORTART"}, {"VerbandNr"}, {"LfdNr"}}));
  EXPECT_EQ(Rows("SELECT COLUMN_NAME FROM Information_Schema.Columns WHERE "
                 "Table_Name='fachverbaende' ORDER BY ORDINAL_POSITION"),
            (Table{{"KZ"}, {"NUMMER"}, {"FACHVERBAN"}, {"Kn"}, {"LfdNr"}}));

  EXPECT_EQ(Rows("SELECT Kennung FROM tblLSB WHERE Kennung LIKE 'Sportbund %' ORDER BY Kennung"),
            (Table{{"Sportbund Pfalz"}, {"Sportbund Rheinhessen"}, {"Sportbund Rheinland"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM tblLSB"), (Table{{"21"}}));
  EXPECT_EQ(Rows("SELECT ROUTINE_TYPE FROM Information_Schema.Routines WHERE "
                 "ROUTINE_NAME='fFalligkeitDatum'"),
            (Table{{"FUNCTION"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM SysIndexes WHERE name IN ('IX_Eintritt', 'IX_Austritt')"),
            (Table{{"2"}}));
  EXPECT_EQ(Rows("SELECT SEPAVersion FROM EINST"), (Table{{"2.6"}}));
  EXPECT_EQ(Rows("SELECT ArtName FROM MgSolln WHERE AdrNr=2"), (Table{{"Erwachsene"}}));
}

TEST_F(SportsListKeysTest, AmountsAreRoundedUpToWholeCentsOnEveryRun) {
  Prepare({[](migration::TenantContext& t) {
    t.db.Exec(Policy::kUnguarded,
              "INSERT INTO F5bew4s (Stapel, BUCHJAHR, Soll, Haben) VALUES "
              "('Probe', 2026, 1.001, -0.009), ('Probe', 2026, -2.00999, 7.10000001)");
  }});
  Run({SportsListKeysAndDueDates});

  EXPECT_EQ(Rows("SELECT CAST(Soll AS varchar(30)), CAST(Haben AS varchar(30)) FROM F5bew4s "
                 "ORDER BY ID"),
            (Table{{"23.81000000", "0.00000000"},
                   {"0.00000000", "12.35000000"},
                   {"595.01000000", "0.00000000"},
                   {"-1.00000000", "NULL"},
                   {"NULL", "NULL"},
                   {"1.01000000", "0.00000000"},
                   {"-2.00000000", "7.11000000"}}));
  EXPECT_EQ(Rows("SELECT CAST(Soll AS varchar(30)), CAST(Haben AS varchar(30)) FROM F5bew4sg "
                 "ORDER BY ID"),
            (Table{{"0.00000000", "22.25000000"},
                   {"0.00000000", "1.56000000"},
                   {"0.00000000", "500.01000000"},
                   {"95.00000000", "0.00000000"},
                   {"NULL", "NULL"}}));

  // Whole cents stay as they are.
  const Table rounded = Rows("SELECT Soll, Haben FROM F5bew4s ORDER BY ID");
  Run({SportsListKeysAndDueDates});
  EXPECT_EQ(Rows("SELECT Soll, Haben FROM F5bew4s ORDER BY ID"), rounded);
}

TEST_F(SportsListKeysTest, SecondRunRepeatsOnlyTheEveryRunStatements) {
  Prepare({SportsListKeysAndDueDates});
  const std::string before = DatabaseSnapshot();

  Run({SportsListKeysAndDueDates});

  std::vector<std::string> expected = kWidenings;
  for (const std::string& text : EveryRunAfterRebuild(false)) expected.push_back(text);
  ExpectStatements(Executed(), expected);
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  // The three bodies exist: their inserts are refused unseen.
  EXPECT_EQ(
      FailedStatements(transcript.lines),
      (std::vector<std::string>{EveryRunAfterRebuild(false)[0], EveryRunAfterRebuild(false)[1],
                                EveryRunAfterRebuild(false)[2]}));
  EXPECT_EQ(DatabaseSnapshot(), before);
}

// A sports-list script that fails half-way: its message is shown, the rows
// it inserted stay, and the rebuild still ends with the new keys.
TEST_F(SportsListKeysTest, FailingSportsListScriptShowsItsTextAndTheKeysAreStillAdded) {
  const std::string script =
      "Insert Into Sportarten Select KZ='BLSV', NUMMER='0', SPORTART='Adventure Race', "
      "VerbandNr='34', LfdNr=7\r\n"
      "Insert Into Sportarten Select KZ='WLSB', NUMMER='12', SPORTART='Badminton', "
      "VerbandNr='5', LfdNr=3\r\n"
      "Insert Into Fachverbaende Select KZ='WLSB', NUMMER='99', FACHVERBAN='Sporttauchen', "
      "Kn=null, LfdNr=1284\r\n"
      "Insert Into Fachverbaende Select KZ='WLSB', NUMMER=NULL, FACHVERBAN='Ohne Nummer', "
      "Kn=null, LfdNr=1285\r\n";
  Run({[&](migration::TenantContext& t) { SportsListKeysWithScript(t, script); }});

  const std::vector<std::string> dialogs = Dialogs();
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0],
            "dialog message: Cannot insert the value NULL into column 'NUMMER', table "
            "'QUELOR_A.dbo.fachverbaende'; column does not allow nulls. INSERT fails.");
  EXPECT_NE(std::find(transcript.lines.begin(), transcript.lines.end(), "w execute " + script),
            transcript.lines.end());

  // The identity numbering follows the rows, not the script's numbers.
  EXPECT_EQ(Rows("SELECT KZ, NUMMER, LfdNr FROM Sportarten ORDER BY LfdNr"),
            (Table{{"BLSV", "0", "1"}, {"WLSB", "12", "2"}}));
  EXPECT_EQ(Rows("SELECT KZ, NUMMER, FACHVERBAN, LfdNr FROM fachverbaende"),
            (Table{{"WLSB", "99", "Sporttauchen", "1"}}));
  for (const char* key : {"PK_fachverbaende", "PK_Sportarten", "PK_SportartenV", "PK_AdrSArt"}) {
    EXPECT_EQ(Rows(std::string("SELECT COUNT(*) FROM sysobjects WHERE name='") + key + "'"),
              (Table{{"1"}}))
        << key;
  }
}

class BlankSportsListScriptTest : public SportsListKeysTest,
                                  public ::testing::WithParamInterface<std::string> {};

TEST_P(BlankSportsListScriptTest, IsNotSent) {
  Run({[&](migration::TenantContext& t) { SportsListKeysWithScript(t, GetParam()); }});
  const std::vector<std::string> executed = Executed();
  const auto added = std::find(executed.begin(), executed.end(),
                               "ALTER TABLE dbo.fachverbaende ADD LfdNr  INT  NOT NULL");
  ASSERT_NE(added, executed.end());
  ASSERT_NE(added + 1, executed.end());
  EXPECT_EQ(*(added + 1), kLfdNrSportarten);
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(EmptyOrBlank, BlankSportsListScriptTest,
                         ::testing::Values(std::string(), std::string(" \r\n\t\r\n")));

TEST_F(SportsListKeysTest, ATenantWithTheMarkerColumnKeepsItsSportsLists) {
  Prepare({[](migration::TenantContext& t) {
    t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.EINST ADD Kn5a char(1) NULL");
  }});
  Run({SportsListKeysAndDueDates});
  EXPECT_EQ(transcript.With("w execute DELETE"), std::vector<std::string>{});
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM Sportarten"), (Table{{"5"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM fachverbaende"), (Table{{"4"}}));
  EXPECT_EQ(PrimaryKey("Sportarten"),
            (Table{{"PK_Sportarten_1", "KZ"}, {"PK_Sportarten_1", "NUMMER"}}));
}

// Plain DDL and data statements on product tables have no handler: a tenant
// without the table ends the run at that statement.
struct UnguardedCase {
  const char* drop;
  const char* failing;
};

void PrintTo(const UnguardedCase& c, std::ostream* os) { *os << c.drop; }

class SportsListKeysUnguardedTest : public SportsListKeysTest,
                                    public ::testing::WithParamInterface<UnguardedCase> {};

TEST_P(SportsListKeysUnguardedTest, FailureEndsTheRun) {
  const UnguardedCase& c = GetParam();
  Prepare({[&](migration::TenantContext& t) { t.db.Exec(Policy::kUnguarded, c.drop); }});
  EXPECT_THROW(Run({SportsListKeysAndDueDates}), db::Error);
  ASSERT_FALSE(Executed().empty());
  EXPECT_EQ(Executed().back(), c.failing);
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    MissingTables, SportsListKeysUnguardedTest,
    ::testing::Values(
        UnguardedCase{"DROP TABLE dbo.Inter",
                      "ALTER TABLE dbo.INTER ALTER COLUMN VerbandNr varchar(20) NULL"},
        UnguardedCase{"DROP TABLE dbo.AdrSepaVer", "DELETE FROM AdrSepaVer"},
        UnguardedCase{"DROP TABLE dbo.tmpKSBjaList",
                      "ALTER TABLE tmpKSBjaList ALTER COLUMN Skz2 varchar (20)"},
        UnguardedCase{"DROP TABLE dbo.MgUeberwVorl",
                      "ALTER TABLE dbo.MgUeberwVorl ALTER COLUMN WZ1 varchar(70) Null"},
        UnguardedCase{"DROP TABLE dbo.F5bew4sg",
                      "update f5bew4sg set soll=ROUND(CEILING(Soll*100),0)/100,haben=ROUND("
                      "CEILING(Haben*100),0)/100"}));

}  // namespace
}  // namespace quelor::testing
