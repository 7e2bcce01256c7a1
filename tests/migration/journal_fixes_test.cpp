// Journal indexes, cash-to-bank conversion, user and text fixes, the area-code
// merge and the template scripts, on a tenant of the previous release that
// the earlier segments of the first routine have already been through.
#include "migration/journal_fixes.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "db/script_splitter.h"
#include "migration/account_templates.h"
#include "migration/club_settings.h"
#include "migration/tax_keys.h"
#include "migration_fixture.h"

namespace quelor::resources {
extern const std::string_view kMemo1;
extern const std::string_view kMemo2;
}  // namespace quelor::resources

namespace quelor::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;

// The profit-and-loss lines are copied from the system database only at the
// end of the run; a few are put in here so that the income/expense marker has
// something to mark: one under an income heading (A), one under an expense
// heading (B) and one under a heading of neither kind.
void AddProfitAndLossLines(migration::TenantContext& t) {
  t.db.Exec(db::Policy::kUnguarded,
            "INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung) VALUES ('IX','X','Nachrichtlich')");
  t.db.Exec(db::Policy::kUnguarded,
            "INSERT INTO GuVKennzD (RimNr, Kennz, Nr, Bezeichnung) VALUES "
            "('I','A',1,'Mitgliedsbeiträge'), ('I','B',2,'Verbandsabgaben'), "
            "('IX','X',3,'Ehrenamtsstunden')");
}

class JournalFixesTest : public MigrationTest {
 protected:
  JournalFixesTest() {
    Prepare({migration::ClubSettingsAndAddressFunctions, migration::TaxKeysAndKeyTables,
             migration::AccountTemplates, AddProfitAndLossLines});
  }

  // A later run of the tool opens its own connection.
  void Reconnect() {
    Prepare({[](migration::TenantContext& t) {
      t.db.working().Close();
      t.db.working().Open(
          "Provider=SQLOLEDB.1;Password=demo;User ID=quelor;Initial Catalog=QUELOR_A;"
          "Data Source=(simulated);");
    }});
  }

  static std::vector<std::string> ScriptBatches() {
    std::vector<std::string> batches = db::SplitIntoBatches(resources::kMemo1).batches;
    for (std::string& batch : db::SplitIntoBatches(resources::kMemo2).batches) {
      batches.push_back(std::move(batch));
    }
    return batches;
  }
};

// What every run sends besides the schema changes of a first run.
const std::vector<std::string> kEveryRunUpdates = {
    "UPDATE F5Kasses SET KB='B' WHERE KB='K'\r\n",
    "UPDATE F5bew4s SET Stapel='Bankbuch' WHERE Stapel='Kassenbuch'\r\n",
    "UPDATE F5bew4sg SET Stapel='Bankbuch' WHERE Stapel='Kassenbuch'\r\n",
    "UPDATE F5bw4sga SET Stapel='Bankbuch' WHERE Stapel='Kassenbuch'\r\n",
    "UPDATE F5bw4sa SET Stapel='Bankbuch' WHERE Stapel='Kassenbuch'\r\n",
    "UPDATE F5bew4 SET DIALOG_STAP='B' WHERE DIALOG_STAP='K'\r\n",
};

TEST_F(JournalFixesTest, FirstRunSendsEveryStepThenBothScripts) {
  Run({migration::JournalFixes});

  std::vector<std::string> expected = {
      "CREATE NONCLUSTERED INDEX iSuchText ON F5BEW4 (BUCHJAHR, InterneNr, SUCHTEXT)",
      "CREATE NONCLUSTERED INDEX iLfdNr ON F5BEW4 (LfdNr)",
      "CREATE NONCLUSTERED INDEX iParent ON F5BEW4 (Parent)",
      "UPDATE F5BEW4 SET SuchText='HAUPT' WHERE ISNULL(SuchText,'')=''\r\n",
      "UPDATE F5BEW4 SET Parent=-1 WHERE Parent IS NULL\r\n",
      "ALTER TABLE dbo.SportartenV ADD LV  varchar (60) ",
  };
  expected.insert(expected.end(), kEveryRunUpdates.begin(), kEveryRunUpdates.end());
  for (const char* text : {
           "ALTER TABLE dbo.PASS ADD AutoDatSichDeaktiv  char (1) NULL",
           "UPDATE PASS SET AutoDatSichDeaktiv='N'",
           "ALTER TABLE dbo.F6KOST ADD EtatE  numeric (18,8) Null",
           "ALTER TABLE dbo.F6KOST ADD EtatK  numeric (18,8) Null",
           "ALTER TABLE dbo.GuVKennzD ADD EA  char (1) Null",
           "UPDATE GuVKennzD SET EA='E' WHERE Kennz='A'",
           "UPDATE GuVKennzD SET EA='A' WHERE Kennz='B'",
           "UPDATE F5BuText SET [Text]='Aufnahmegebühren' WHERE [Text]='AUFNAHMEGEBÜHREN'",
           "UPDATE F5BuText SET [Text]='Beitrag' WHERE [Text]='BEITRAG'",
           "UPDATE F5BuText SET [Text]='Spende' WHERE [Text]='SPENDE'",
           "UPDATE Adresse SET Telefon1=ISNULL(Vorwahl,'')+ + ISNULL(Telefon1,'')",
           "UPDATE Adresse SET Vorwahl=NULL",
       }) {
    expected.push_back(text);
  }
  const std::size_t step_count = expected.size();
  for (std::string& batch : ScriptBatches()) expected.push_back(std::move(batch));

  const std::vector<std::string> executed = Executed();
  EXPECT_EQ(executed, expected);
  EXPECT_EQ(progress_count(), 4);
  EXPECT_TRUE(Dialogs().empty());

  // The batches as the server sees them: each line ended by LF, the empty
  // line between two batches belonging to the later one; 7 drops, 7 creates
  // and the inserts of Memo1, then Memo2 with its identity switches.
  ASSERT_GT(executed.size(), step_count + 2);
  EXPECT_EQ(executed[step_count],
            "IF EXISTS (SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME "
            "='F5KontKulturverein') DROP TABLE F5KontKulturverein\n");
  const std::string create_head =
      "\nCREATE TABLE [dbo].[F5KontKulturverein] (\n\t[BUCHJAHR] [smallint] NOT NULL ,\n";
  EXPECT_EQ(executed[step_count + 1].substr(0, create_head.size()), create_head);
  EXPECT_EQ(
      executed.back(),
      "INSERT INTO [dbo].[F5DatSportvereinOhneAnlagevermogen] "
      "([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])\n\tVALUES (19,1776,1576,'8',10)\n");
  const std::vector<std::string> memo1 = db::SplitIntoBatches(resources::kMemo1).batches;
  EXPECT_EQ(memo1.size(), 14u + 705u);
  const db::SplitScript memo2 = db::SplitIntoBatches(resources::kMemo2);
  EXPECT_EQ(memo2.batches.size(), 84u);
  EXPECT_EQ(
      memo2.batches[2],
      "\nSET IDENTITY_INSERT [dbo].[F5DatKulturUndSportverein] ON\n"
      "INSERT INTO [dbo].[F5DatKulturUndSportverein] "
      "([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])\n\tVALUES (7,1771,1571,'4',1)\n");
  EXPECT_EQ(memo2.batches[12],
            "\nSET IDENTITY_INSERT [dbo].[F5DatKulturUndSportverein] OFF\n"
            "IF EXISTS (SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME "
            "='F5DatKulturverein') DROP TABLE F5DatKulturverein\n");
  EXPECT_EQ(memo2.unterminated,
            "\nSET IDENTITY_INSERT [dbo].[F5DatSportvereinOhneAnlagevermogen] OFF\n");
}

TEST_F(JournalFixesTest, FirstRunConvertsTheDataOnce) {
  Run({migration::JournalFixes});

  EXPECT_EQ(Rows("SELECT name FROM SysIndexes WHERE name IN ('iSuchText','iLfdNr','iParent') "
                 "ORDER BY name"),
            (Table{{"iLfdNr"}, {"iParent"}, {"iSuchText"}}));
  EXPECT_EQ(Rows("SELECT LfdNr, SUCHTEXT, Parent, DIALOG_STAP FROM F5BEW4 ORDER BY LfdNr"),
            (Table{{"1", "HAUPT", "-1", "B"},
                   {"2", "KRAEMER", "-1", "B"},
                   {"3", "HAUPT", "-1", "B"},
                   {"4", "HAUPT", "-1", "B"},
                   {"5", "HAUPT", "-1", "B"},
                   {"6", "HAUPT", "-1", "NULL"}}));
  EXPECT_EQ(Rows("SELECT KB FROM F5Kasses ORDER BY 1"), (Table{{"B"}, {"B"}, {"B"}}));
  for (const char* table : {"F5bew4s", "F5bew4sg", "F5bw4sga", "F5bw4sa"}) {
    EXPECT_EQ(Rows(std::string("SELECT COUNT(*) FROM ") + table + " WHERE Stapel='Kassenbuch'"),
              (Table{{"0"}}))
        << table;
  }
  EXPECT_EQ(Rows("SELECT AutoDatSichDeaktiv FROM PASS"), (Table{{"N"}, {"N"}, {"N"}}));
  EXPECT_EQ(Rows("SELECT Nr, EA FROM GuVKennzD ORDER BY Nr"),
            (Table{{"1", "E"}, {"2", "A"}, {"3", "NULL"}}));
  EXPECT_EQ(Rows("SELECT Nr, [Text] FROM F5BuText WHERE Nr <= 4 ORDER BY Nr"),
            (Table{{"1", "Aufnahmegebühren"},
                   {"2", "Beitrag"},
                   {"3", "Spende"},
                   {"4", "Spende Jugendabteilung"}}));

  const Table columns = {
      {"F6KOST", "EtatE", "numeric", "NULL", "18", "8", "YES"},
      {"F6KOST", "EtatK", "numeric", "NULL", "18", "8", "YES"},
      {"GuVKennzD", "EA", "char", "1", "NULL", "NULL", "YES"},
      {"PASS", "AutoDatSichDeaktiv", "char", "1", "NULL", "NULL", "YES"},
      {"SportartenV", "LV", "varchar", "60", "NULL", "NULL", "YES"},
  };
  for (const auto& column : columns) {
    EXPECT_EQ(Rows("SELECT TABLE_NAME, COLUMN_NAME, DATA_TYPE, CHARACTER_MAXIMUM_LENGTH, "
                   "NUMERIC_PRECISION, NUMERIC_SCALE, IS_NULLABLE FROM Information_Schema.Columns "
                   "WHERE TABLE_NAME='" +
                   column[0] + "' AND COLUMN_NAME='" + column[1] + "'"),
              Table{column});
  }

  // The area code stands in front of the number, with nothing between them.
  EXPECT_EQ(Rows("SELECT AdrNr, Vorwahl, Telefon1 FROM Adresse ORDER BY AdrNr"),
            (Table{{"1", "NULL", "06201184523"},
                   {"2", "NULL", "0620361234"},
                   {"3", "NULL", "06203 92817"},
                   {"4", "NULL", "0621"},
                   {"5", "NULL", ""},
                   {"6", "NULL", "0620151177"},
                   {"7", "NULL", "0620112 34 56"},
                   {"8", "NULL", "062012907711"},
                   {"9", "NULL", "062218765432"}}));
}

TEST_F(JournalFixesTest, ScriptsFillTheTemplates) {
  Run({migration::JournalFixes});

  const Table counts = {
      {"F5KontKulturverein", "89"},
      {"F5KontKulturvereinUndSportverein", "121"},
      {"F5KontMitBezahltenSport", "129"},
      {"F5KontMonosportverein", "83"},
      {"F5KontSonstiger", "80"},
      {"F5KontSportvereinMitAnlagevermogen", "124"},
      {"F5KontSportvereinOhneAnlagevermogen", "79"},
  };
  for (const auto& count : counts) {
    EXPECT_EQ(Rows("SELECT COUNT(*), MIN(BUCHJAHR), MAX(BUCHJAHR) FROM " + count[0]),
              (Table{{count[1], "2010", "2010"}}))
        << count[0];
  }
  EXPECT_EQ(Rows("SELECT BEZEICHG, BILANZGUV, KTOART, START, KontoArt, Bank, STSCHL, KENNZUSTV, "
                 "Spende, VERDICHTEN, KENNZAHL FROM F5KontKulturverein WHERE KONTONR IN "
                 "(55, 1200, 2100, 5000) ORDER BY KONTONR"),
            (Table{{"Bebaute Grundstücke", "BILANZ", "Aktiv", "ohne Steuer", "Sachkonto", "Falsch",
                    "NULL", "NULL", "NULL", "Nein", ""},
                   {"Bank Girokonto", "BILANZ", "Aktiv", "ohne Steuer", "Finanzkonto", "Wahr",
                    "NULL", "NULL", "NULL", "Nein", ""},
                   {"Geldspenden", "GUV", "Ertrag", "ohne Steuer", "Sachkonto", "Falsch", "NULL",
                    "NULL", "J         ", "Nein", ""},
                   {"Erlöse Speisen und Getränke 19 %", "GUV", "Ertrag", "USt 19 %", "Sachkonto",
                    "Falsch", "19", "81", "NULL", "Nein", ""}}));
  // Paid sport is booked only in the template of the club with paid sport.
  EXPECT_EQ(
      Rows("SELECT COUNT(*) FROM F5KontMitBezahltenSport WHERE KONTONR BETWEEN 5600 AND 5699"),
      (Table{{"8"}}));
  // A sports club without fixed assets keeps only the capital accounts of class 0.
  EXPECT_EQ(Rows("SELECT KONTONR FROM F5KontSportvereinOhneAnlagevermogen WHERE KONTONR < 1000 "
                 "ORDER BY KONTONR"),
            (Table{{"800"}, {"810"}, {"830"}, {"840"}}));

  const Table tax_keys = {
      {"7", "1771", "1571", "4", "1"},  {"7", "1771", "1571", "5", "2"},
      {"7", "1771", "1571", "6", "3"},  {"7", "1771", "1571", "7", "4"},
      {"7", "1771", "1571", "8", "5"},  {"19", "1776", "1576", "4", "6"},
      {"19", "1776", "1576", "5", "7"}, {"19", "1776", "1576", "6", "8"},
      {"19", "1776", "1576", "7", "9"}, {"19", "1776", "1576", "8", "10"},
  };
  for (const char* table :
       {"F5DatKulturUndSportverein", "F5DatKulturverein", "F5DatMitBezahltenSport",
        "F5DatMonosportverein", "F5DatSonstiger", "F5DatSportvereinMitAnlagevermogen",
        "F5DatSportvereinOhneAnlagevermogen"}) {
    EXPECT_EQ(Rows(std::string("SELECT STEUERSCHL, MWSTKTO, VORST_KTO, Klasse, LfdNr FROM ") +
                   table + " ORDER BY LfdNr"),
              tax_keys)
        << table;
  }
  // Every tax account the tax keys name is an account of each template.
  for (const char* account : {"1571", "1576", "1771", "1776"}) {
    for (const auto& count : counts) {
      EXPECT_EQ(Rows("SELECT COUNT(*) FROM " + count[0] + " WHERE KONTONR=" + account),
                (Table{{"1"}}))
          << count[0] << " " << account;
    }
  }
}

TEST_F(JournalFixesTest, SecondRunChangesNothingButRebuildsTheTemplates) {
  Run({migration::JournalFixes});
  const std::string after_first = DatabaseSnapshot();
  Reconnect();

  Run({migration::JournalFixes});
  std::vector<std::string> expected = {
      "UPDATE F5BEW4 SET SuchText='HAUPT' WHERE ISNULL(SuchText,'')=''\r\n",
      "UPDATE F5BEW4 SET Parent=-1 WHERE Parent IS NULL\r\n",
  };
  expected.insert(expected.end(), kEveryRunUpdates.begin(), kEveryRunUpdates.end());
  for (const char* text : {
           "UPDATE F5BuText SET [Text]='Aufnahmegebühren' WHERE [Text]='AUFNAHMEGEBÜHREN'",
           "UPDATE F5BuText SET [Text]='Beitrag' WHERE [Text]='BEITRAG'",
           "UPDATE F5BuText SET [Text]='Spende' WHERE [Text]='SPENDE'",
           "UPDATE Adresse SET Telefon1=ISNULL(Vorwahl,'')+ + ISNULL(Telefon1,'')",
           "UPDATE Adresse SET Vorwahl=NULL",
       }) {
    expected.push_back(text);
  }
  for (std::string& batch : ScriptBatches()) expected.push_back(std::move(batch));
  EXPECT_EQ(Executed(), expected);
  EXPECT_TRUE(Dialogs().empty());
  EXPECT_EQ(progress_count(), 4);
  EXPECT_EQ(DatabaseSnapshot(), after_first);
}

// A number that no longer fits Telefon1 with its area code in front makes the
// merge fail as a whole; clearing the area codes then would lose every one of
// them, so they stay until a run whose merge goes through.
TEST_F(JournalFixesTest, FailedAreaCodeMergeKeepsTheAreaCodes) {
  const std::string long_number = "1234567890123456789012345678901234567";  // 37 + 5 > 40
  Prepare({[&](migration::TenantContext& t) {
    t.db.Exec(db::Policy::kUnguarded,
              "UPDATE Adresse SET Telefon1='" + long_number + "' WHERE AdrNr=1");
  }});
  const Table before = Rows("SELECT AdrNr, Vorwahl, Telefon1 FROM Adresse ORDER BY AdrNr");

  Run({migration::JournalFixes});
  const std::vector<std::string> executed = Executed();
  EXPECT_NE(std::find(executed.begin(), executed.end(),
                      "UPDATE Adresse SET Telefon1=ISNULL(Vorwahl,'')+ + ISNULL(Telefon1,'')"),
            executed.end());
  EXPECT_EQ(std::find(executed.begin(), executed.end(), "UPDATE Adresse SET Vorwahl=NULL"),
            executed.end());
  EXPECT_TRUE(Dialogs().empty());
  EXPECT_EQ(Rows("SELECT AdrNr, Vorwahl, Telefon1 FROM Adresse ORDER BY AdrNr"), before);
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM F5KontSonstiger"), (Table{{"80"}}));

  // Once the number is corrected, the next run merges and clears.
  Prepare({[](migration::TenantContext& t) {
    t.db.Exec(db::Policy::kUnguarded, "UPDATE Adresse SET Telefon1='184523' WHERE AdrNr=1");
  }});
  Reconnect();
  Run({migration::JournalFixes});
  EXPECT_EQ(Rows("SELECT Vorwahl, Telefon1 FROM Adresse WHERE AdrNr IN (1, 4) ORDER BY AdrNr"),
            (Table{{"NULL", "06201184523"}, {"NULL", "0621"}}));
}

// The data updates without a handler end the run when their table is missing.
struct EscapeCase {
  const char* setup;
  const char* last_sent;
};

class JournalFixesEscapeTest : public JournalFixesTest,
                               public ::testing::WithParamInterface<EscapeCase> {};

TEST_P(JournalFixesEscapeTest, UnguardedUpdateFailureEndsTheRun) {
  Prepare(
      {[](migration::TenantContext& t) { t.db.Exec(db::Policy::kUnguarded, GetParam().setup); }});
  EXPECT_THROW(Run({migration::JournalFixes}), db::Error);
  ASSERT_FALSE(Executed().empty());
  EXPECT_EQ(Executed().back(), GetParam().last_sent);
  EXPECT_TRUE(Dialogs().empty());
}

INSTANTIATE_TEST_SUITE_P(
    MissingTables, JournalFixesEscapeTest,
    ::testing::Values(
        EscapeCase{"DROP TABLE F5BuText",
                   "UPDATE F5BuText SET [Text]='Aufnahmegebühren' WHERE [Text]='AUFNAHMEGEBÜHREN'"},
        // EA cannot be added, yet the flag says it is new: the fill fails.
        EscapeCase{"DROP TABLE GuVKennzD", "UPDATE GuVKennzD SET EA='E' WHERE Kennz='A'"}));

}  // namespace
}  // namespace quelor::testing
