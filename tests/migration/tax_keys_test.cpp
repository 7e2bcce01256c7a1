// Tax keys, key-figure and profit-and-loss key tables and cost-centre months
// on a tenant of the previous release that has had the club settings: the
// statements, the converted keys, the new tables, a second run, the refill of
// incomplete headings and the failures that end the run.
#include "migration/tax_keys.h"

#include <cctype>
#include <string>
#include <vector>

#include "migration/club_settings.h"
#include "migration_fixture.h"

namespace quelor::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;

constexpr char kProgress[] = "progress";

// The conversion of the chart of accounts, sent on every run.
const std::vector<std::string> kAccountConversion = {
    "UPDATE F5Kont SET STSCHL=19 WHERE STSCHL=1190",
    "UPDATE F5Kont SET STSCHL=17 WHERE STSCHL=1170",
    "UPDATE F5Kont SET STSCHL=7 WHERE STSCHL=1070",
    "UPDATE F5Kont SET STSCHL=16 WHERE STSCHL=1160",
};

// The emptying and the 13 inserts of the profit-and-loss headings.
const std::vector<std::string> kHeadingRefill = {
    "DELETE FROM  dbo.GuVKennz",
    "INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)\r\nVALUES ('I','A','Einnahmen')\r\n",
    "INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)\r\nVALUES ('I','B','Ausgaben')\r\n",
    "INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)\r\nVALUES ('II','A','Ideeller Bereich')\r\n",
    "INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)\r\n"
    "VALUES ('II','B','Sonstige wirtschaftliche Geschäftsbetriebe')\r\n",
    "INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)\r\nVALUES ('III','A','Einnahmen')\r\n",
    "INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)\r\nVALUES ('III','B','Ausgaben')\r\n",
    "INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)\r\n"
    "VALUES ('IV','A','Zweckbetriebe Sport (umsatzsteuerpflichtig)')\r\n",
    "INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)\r\n"
    "VALUES ('IV','B','Zweckbetriebe Sport (umsatzsteuerfrei)')\r\n",
    "INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)\r\n"
    "VALUES ('V','A','Sonstige Zweckbetriebe (umsatzsteuerpflichtig)')\r\n",
    "INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)\r\n"
    "VALUES ('V','B','Sonstige Zweckbetriebe (umsatzsteuerfrei)')\r\n",
    "INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)\r\n"
    "VALUES ('VI','A','Geschäftsbetriebe Sport (umsatzsteuerpflichtig)')\r\n",
    "INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)\r\n"
    "VALUES ('VI','B','Geschäftsbetriebe Nebentätigkeiten Sport')\r\n",
    "INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)\r\n"
    "VALUES ('VII','A','Sonstige Geschäftsbetriebe')\r\n",
};

const Table kHeadings = {
    {"I", "A", "Einnahmen"},
    {"I", "B", "Ausgaben"},
    {"II", "A", "Ideeller Bereich"},
    {"II", "B", "Sonstige wirtschaftliche Geschäftsbetriebe"},
    {"III", "A", "Einnahmen"},
    {"III", "B", "Ausgaben"},
    {"IV", "A", "Zweckbetriebe Sport (umsatzsteuerpflichtig)"},
    {"IV", "B", "Zweckbetriebe Sport (umsatzsteuerfrei)"},
    {"V", "A", "Sonstige Zweckbetriebe (umsatzsteuerpflichtig)"},
    {"V", "B", "Sonstige Zweckbetriebe (umsatzsteuerfrei)"},
    {"VI", "A", "Geschäftsbetriebe Sport (umsatzsteuerpflichtig)"},
    {"VI", "B", "Geschäftsbetriebe Nebentätigkeiten Sport"},
    {"VII", "A", "Sonstige Geschäftsbetriebe"},
};

const char* const kMonthColumns[] = {
    "JanuarK", "FebrurarK", "MarzK",      "AprilK",   "MaiK",      "JuniK",
    "JuliK",   "AugustK",   "SeptemberK", "OktoberK", "NovemberK", "DezemberK",
    "JanuarE", "FebrurarE", "MarzE",      "AprilE",   "MaiE",      "JuniE",
    "JuliE",   "AugustE",   "SeptemberE", "OktoberE", "NovemberE", "DezemberE",
};

class TaxKeysTest : public MigrationTest {
 protected:
  TaxKeysTest() { Prepare({migration::ClubSettingsAndAddressFunctions}); }

  // The commands sent and the progress advances, in the order they happened.
  std::vector<std::string> CommandsAndProgress() const {
    std::vector<std::string> steps;
    for (const std::string& line : transcript.lines) {
      if (line == kProgress) steps.push_back(line);
      if (line.rfind("w execute ", 0) == 0) steps.push_back(line.substr(10));
    }
    return steps;
  }

  // Columns of a table in their order: name, type, length, precision, scale,
  // nullability.
  Table Columns(const std::string& table) {
    return Rows(
        "SELECT COLUMN_NAME, DATA_TYPE, CHARACTER_MAXIMUM_LENGTH, NUMERIC_PRECISION, "
        "NUMERIC_SCALE, IS_NULLABLE FROM Information_Schema.Columns WHERE Table_Name='" +
        table + "' ORDER BY ORDINAL_POSITION");
  }
  Table LastColumns(const std::string& table, std::size_t count) {
    Table columns = Columns(table);
    if (columns.size() > count) {
      columns.erase(columns.begin(), columns.end() - static_cast<std::ptrdiff_t>(count));
    }
    return columns;
  }

  // Name, kind and columns (in key order) of the primary keys of the tables
  // F5Dat, F5kennzD, GuVKennz and GuVKennzD, in one query: the joins over the
  // catalogue views are the slow part.
  Table PrimaryKeys() {
    return Rows(
        "SELECT i.name, i.type_desc, c.name FROM sys.indexes i "
        "JOIN sys.index_columns ic ON i.object_id = ic.object_id AND i.index_id = ic.index_id "
        "JOIN sys.columns c ON c.object_id = ic.object_id AND c.column_id = ic.column_id "
        "WHERE i.is_primary_key = 1 AND OBJECT_NAME(i.object_id) IN "
        "('F5Dat', 'F5kennzD', 'GuVKennz', 'GuVKennzD') ORDER BY i.name, ic.key_ordinal");
  }
};

TEST_F(TaxKeysTest, FirstRunSendsTheStepsInOrder) {
  Run({migration::TaxKeysAndKeyTables});

  std::vector<std::string> expected = {
      "ALTER TABLE dbo.F5Dat ADD Klasse  char (1) Null",
      "ALTER TABLE dbo.F5DAT ADD LfdNr  INT IDENTITY (1,1) NOT NULL",
      "Alter Table F5DAT Drop Constraint PK_F5DAT",
      "ALTER TABLE [dbo].[F5DAT] WITH NOCHECK ADD  CONSTRAINT [PK_F5DAT] PRIMARY KEY  CLUSTERED "
      "([STEUERSCHL],[LfdNr])  ON [PRIMARY] ",
      "UPDATE F5Dat SET STEUERSCHL=19 WHERE STEUERSCHL=1190",
      "UPDATE F5Dat SET STEUERSCHL=17 WHERE STEUERSCHL=1170",
      "UPDATE F5Dat SET STEUERSCHL=7 WHERE STEUERSCHL=1070",
      "UPDATE F5Dat SET STEUERSCHL=16 WHERE STEUERSCHL=1160",
  };
  expected.insert(expected.end(), kAccountConversion.begin(), kAccountConversion.end());
  expected.insert(
      expected.end(),
      {
          "ALTER TABLE dbo.F5BEW4 ADD Parent  int  Null",
          "CREATE TABLE dbo.F5kennzD (\r\n"
          "BILANZ_GUV varchar (6) NOT NULL,\r\n"
          "KENNZAHLH varchar (4) NOT NULL,\r\n"
          "Nr int NOT NULL,\r\n"
          "BEZEICHG varchar (100) NULL)\r\n",
          "ALTER TABLE [dbo].[F5kennzD]  ADD\r\n"
          "CONSTRAINT [PK_F5kennzD] PRIMARY KEY CLUSTERED\r\n"
          "([BILANZ_GUV],[KENNZAHLH],[Nr]) ON [PRIMARY]\r\n",
          "ALTER TABLE [dbo].[F5kennzD]  WITH CHECK ADD  CONSTRAINT [FK_F5kennzD_F5kennz] "
          "FOREIGN KEY([BILANZ_GUV],[KENNZAHLH])\r\n"
          "REFERENCES [dbo].[F5kennz] ([BILANZ_GUV],[KENNZAHLH])\r\n",
          "CREATE TABLE dbo.GuVKennz (\r\n"
          "RimNr varchar (4) NOT NULL,\r\n"
          "Kennz Varchar (1) NOT NULL,\r\n"
          "Bezeichnung varchar (50) NOT NULL)\r\n",
          "ALTER TABLE [dbo].[GuVKennz]  ADD\r\n"
          "CONSTRAINT [PK_GuVKennz] PRIMARY KEY CLUSTERED\r\n"
          "([RimNr],[Kennz]) ON [PRIMARY]\r\n",
      });
  expected.insert(expected.end(), kHeadingRefill.begin(), kHeadingRefill.end());
  expected.insert(
      expected.end(),
      {
          kProgress,
          "CREATE TABLE dbo.GuVKennzD (\r\n"
          "RimNr varchar (4) NOT NULL,\r\n"
          "Kennz Varchar (1) NOT NULL,\r\n"
          "Nr int NOT NULL,\r\n"
          "Bezeichnung varchar (50) NOT NULL)\r\n",
          "ALTER TABLE [dbo].[GuVKennzD]  ADD\r\n"
          "CONSTRAINT [PK_GuVKennzD] PRIMARY KEY CLUSTERED\r\n"
          "([Nr], [RimNr], [Kennz]) ON [PRIMARY]\r\n",
          "ALTER TABLE [dbo].[GuVKennzD]  WITH CHECK ADD  CONSTRAINT [FK_GuVKennzD_GuVKennz] "
          "FOREIGN KEY([RimNr],[Kennz])\r\n"
          "REFERENCES [dbo].[GuVKennz] ([RimNr],[Kennz]) ON UPDATE CASCADE ON DELETE CASCADE\r\n",
          kProgress,
          "ALTER TABLE dbo.F5Kont ADD KennzEUR  varchar (7) Null",
      });
  for (const char* month : kMonthColumns) {
    expected.push_back(std::string("ALTER TABLE dbo.F6KOST ADD ") + month +
                       "  numeric (19,8) Null");
    expected.push_back(kProgress);
  }

  const std::vector<std::string> actual = CommandsAndProgress();
  ASSERT_EQ(actual.size(), expected.size()) << transcript.Dump();
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(actual[i], expected[i]) << "entry " << i;
  }
  EXPECT_EQ(progress_count(), 26);
  EXPECT_EQ(Queries()[0],
            "SELECT * FROM Information_Schema.Columns WHERE Table_Catalog='QUELOR_A' "
            "AND Table_Schema='dbo' AND Table_Name='F5Dat' AND Column_Name='Klasse'");
}

TEST_F(TaxKeysTest, FirstRunConvertsTheTaxKeysAndCreatesTheKeyTables) {
  Run({migration::TaxKeysAndKeyTables});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{}) << transcript.Dump();

  // LfdNr numbers the rows in the order they were stored; the old keys are
  // replaced, 1050 has no successor. The accounts of a row stay with it.
  EXPECT_EQ(Rows("SELECT STEUERSCHL, LfdNr, MWSTKTO, Klasse FROM F5Dat ORDER BY LfdNr"),
            (Table{{"1050", "1", "1773", "NULL"},
                   {"7", "2", "1771", "NULL"},
                   {"16", "3", "1775", "NULL"},
                   {"17", "4", "1777", "NULL"},
                   {"19", "5", "1776", "NULL"}}));
  EXPECT_EQ(Rows("SELECT c.is_identity, c.is_nullable FROM sys.columns c "
                 "WHERE OBJECT_NAME(c.object_id) = 'F5Dat' AND c.name = 'LfdNr'"),
            (Table{{"1", "0"}}));
  // One tax key may now have two rows.
  EXPECT_NO_THROW(Rows("INSERT INTO F5Dat (STEUERSCHL, MWSTKTO) VALUES (19, 1770)"));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM F5Dat WHERE STEUERSCHL=19"), (Table{{"2"}}));

  // Accounts with an old key get the new one; 1050 and empty keys stay.
  EXPECT_EQ(Rows("SELECT KONTONR, STSCHL FROM F5Kont WHERE STSCHL IS NOT NULL ORDER BY KONTONR"),
            (Table{{"3400", "17"},
                   {"8300", "7"},
                   {"8305", "1050"},
                   {"8340", "16"},
                   {"8400", "19"},
                   {"8410", "19"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM F5Kont WHERE STSCHL IS NULL"), (Table{{"11"}}));

  EXPECT_EQ(Columns("F5kennzD"), (Table{{"BILANZ_GUV", "varchar", "6", "NULL", "NULL", "NO"},
                                        {"KENNZAHLH", "varchar", "4", "NULL", "NULL", "NO"},
                                        {"Nr", "int", "NULL", "10", "0", "NO"},
                                        {"BEZEICHG", "varchar", "100", "NULL", "NULL", "YES"}}));
  EXPECT_EQ(Columns("GuVKennz"), (Table{{"RimNr", "varchar", "4", "NULL", "NULL", "NO"},
                                        {"Kennz", "varchar", "1", "NULL", "NULL", "NO"},
                                        {"Bezeichnung", "varchar", "50", "NULL", "NULL", "NO"}}));
  EXPECT_EQ(Columns("GuVKennzD"), (Table{{"RimNr", "varchar", "4", "NULL", "NULL", "NO"},
                                         {"Kennz", "varchar", "1", "NULL", "NULL", "NO"},
                                         {"Nr", "int", "NULL", "10", "0", "NO"},
                                         {"Bezeichnung", "varchar", "50", "NULL", "NULL", "NO"}}));
  EXPECT_EQ(PrimaryKeys(), (Table{{"PK_F5DAT", "CLUSTERED", "STEUERSCHL"},
                                  {"PK_F5DAT", "CLUSTERED", "LfdNr"},
                                  {"PK_F5kennzD", "CLUSTERED", "BILANZ_GUV"},
                                  {"PK_F5kennzD", "CLUSTERED", "KENNZAHLH"},
                                  {"PK_F5kennzD", "CLUSTERED", "Nr"},
                                  {"PK_GuVKennz", "CLUSTERED", "RimNr"},
                                  {"PK_GuVKennz", "CLUSTERED", "Kennz"},
                                  {"PK_GuVKennzD", "CLUSTERED", "Nr"},
                                  {"PK_GuVKennzD", "CLUSTERED", "RimNr"},
                                  {"PK_GuVKennzD", "CLUSTERED", "Kennz"}}));
  EXPECT_EQ(Rows("SELECT name, xtype, OBJECT_NAME(parent_obj) FROM sysobjects "
                 "WHERE name IN ('FK_F5kennzD_F5kennz', 'FK_GuVKennzD_GuVKennz') ORDER BY name"),
            (Table{{"FK_F5kennzD_F5kennz", "F ", "F5kennzD"},
                   {"FK_GuVKennzD_GuVKennz", "F ", "GuVKennzD"}}));
  // The detail lines of a key figure need their key figure.
  EXPECT_NO_THROW(
      Rows("INSERT INTO F5kennzD (BILANZ_GUV, KENNZAHLH, Nr) VALUES ('BILANZ', 'A1', 1)"));
  EXPECT_THROW(Rows("INSERT INTO F5kennzD (BILANZ_GUV, KENNZAHLH, Nr) VALUES ('BILANZ', 'ZZ', 1)"),
               db::Error);

  EXPECT_EQ(Rows("SELECT RimNr, Kennz, Bezeichnung FROM GuVKennz ORDER BY RimNr, Kennz"),
            kHeadings);
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM GuVKennzD"), (Table{{"0"}}));

  // The added columns come last in their tables, after those of the club
  // settings.
  EXPECT_EQ(LastColumns("F5Dat", 2), (Table{{"Klasse", "char", "1", "NULL", "NULL", "YES"},
                                            {"LfdNr", "int", "NULL", "10", "0", "NO"}}));
  EXPECT_EQ(LastColumns("F5BEW4", 1), (Table{{"Parent", "int", "NULL", "10", "0", "YES"}}));
  EXPECT_EQ(LastColumns("F5Kont", 2),
            (Table{{"Steuersammelkonto", "varchar", "1", "NULL", "NULL", "YES"},
                   {"KennzEUR", "varchar", "7", "NULL", "NULL", "YES"}}));
  Table cost_centre = {{"Kostenart", "varchar", "10", "NULL", "NULL", "YES"},
                       {"Etat", "numeric", "NULL", "18", "8", "YES"}};
  for (const char* month : kMonthColumns) {
    cost_centre.push_back({month, "numeric", "NULL", "19", "8", "YES"});
  }
  EXPECT_EQ(LastColumns("F6KOST", cost_centre.size()), cost_centre);
}

TEST_F(TaxKeysTest, SecondRunOnlyConvertsTheAccountsAgain) {
  Prepare({migration::TaxKeysAndKeyTables});
  const std::string before = DatabaseSnapshot();

  Run({migration::TaxKeysAndKeyTables});

  EXPECT_EQ(Executed(), kAccountConversion) << transcript.Dump();
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(progress_count(), 26);
  EXPECT_EQ(DatabaseSnapshot(), before);
}

TEST_F(TaxKeysTest, HeadingsWithoutSectionSevenAreRefilledAndTheirLinesCascade) {
  Prepare({migration::TaxKeysAndKeyTables, [](migration::TenantContext& t) {
             t.db.Exec(db::Policy::kUnguarded, "DELETE FROM GuVKennz WHERE RimNr='VII'");
             t.db.Exec(db::Policy::kUnguarded,
                       "UPDATE GuVKennz SET Bezeichnung='alt' WHERE RimNr='I'");
             t.db.Exec(db::Policy::kUnguarded,
                       "INSERT INTO GuVKennzD (RimNr, Kennz, Nr, Bezeichnung) "
                       "VALUES ('II','A',1,'Mitgliedsbeiträge')");
           }});

  Run({migration::TaxKeysAndKeyTables});

  std::vector<std::string> expected = kAccountConversion;
  expected.insert(expected.end(), kHeadingRefill.begin(), kHeadingRefill.end());
  EXPECT_EQ(Executed(), expected) << transcript.Dump();
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(Rows("SELECT RimNr, Kennz, Bezeichnung FROM GuVKennz ORDER BY RimNr, Kennz"),
            kHeadings);
  // The delete cascades; the lines come back only with the final pass.
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM GuVKennzD"), (Table{{"0"}}));
}

TEST_F(TaxKeysTest, KeyFiguresWithoutPrimaryKeyWarnAndTheRunGoesOn) {
  Prepare({[](migration::TenantContext& t) {
    t.db.Exec(db::Policy::kUnguarded, "ALTER TABLE F5kennz DROP CONSTRAINT PK_F5kennz");
  }});

  Run({migration::TaxKeysAndKeyTables});

  // Only the foreign key of F5kennzD fails; the table and its key are there
  // and every later step runs.
  EXPECT_EQ(Dialogs(),
            std::vector<std::string>{
                "dialog warning: There are no primary or candidate keys in the "
                "referenced table 'dbo.F5kennz' that match the referencing column list "
                "in the foreign key 'FK_F5kennzD_F5kennz'."})
      << transcript.Dump();
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM sysobjects WHERE name IN ('F5kennzD', 'PK_F5kennzD', "
                 "'FK_F5kennzD_F5kennz')"),
            (Table{{"2"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM GuVKennz"), (Table{{"13"}}));
  EXPECT_EQ(progress_count(), 26);
}

// The key rebuild and the conversions have no handler: a tenant that cannot
// take them ends the run at that statement, before any further step.
struct UnguardedCase {
  const char* what;
  const char* preparation;
  const char* failing;  // the last statement sent
};

class TaxKeysFailureTest : public TaxKeysTest,
                           public ::testing::WithParamInterface<UnguardedCase> {};

TEST_P(TaxKeysFailureTest, FailureEscapesAndEndsTheSegment) {
  const UnguardedCase& c = GetParam();
  Prepare({[&](migration::TenantContext& t) { t.db.Exec(db::Policy::kUnguarded, c.preparation); }});

  EXPECT_THROW(Run({migration::TaxKeysAndKeyTables}), db::Error);

  ASSERT_FALSE(Executed().empty());
  EXPECT_EQ(Executed().back(), c.failing) << transcript.Dump();
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(progress_count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Tenants, TaxKeysFailureTest,
    ::testing::Values(UnguardedCase{"tax-key table without PK_F5DAT",
                                    "ALTER TABLE F5Dat DROP CONSTRAINT PK_F5DAT",
                                    "Alter Table F5DAT Drop Constraint PK_F5DAT"},
                      // Klasse cannot be added, but the flag says it was missing.
                      UnguardedCase{"no tax-key table", "DROP TABLE F5Dat",
                                    "Alter Table F5DAT Drop Constraint PK_F5DAT"},
                      UnguardedCase{"no chart of accounts", "DROP TABLE F5Kont",
                                    "UPDATE F5Kont SET STSCHL=19 WHERE STSCHL=1190"}),
    [](const ::testing::TestParamInfo<UnguardedCase>& case_info) {
      std::string name;
      for (const char* p = case_info.param.what; *p; ++p) {
        if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
      }
      return name;
    });

}  // namespace
}  // namespace quelor::testing
