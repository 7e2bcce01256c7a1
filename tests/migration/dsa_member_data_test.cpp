// DSA member data and federation tables on the previous-release tenant, after
// the segments of the first routine that come before them.
#include "migration/dsa_member_data.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "db/error.h"
#include "migration_fixture.h"
#include "segments_before_dsa.h"

namespace quelor::resources {
extern const std::string_view kMemoDSAFach;
}

namespace quelor::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;

class DsaMemberDataTest : public MigrationTest {
 protected:
  void SetUp() override { Prepare(SegmentsBeforeDsa()); }
};

// Every line of a statement sent as lines ends in CR LF.
std::string Lines(std::initializer_list<std::string_view> lines) { return db::JoinCrLf(lines); }

TEST_F(DsaMemberDataTest, FirstRunSendsTheStepsInOrder) {
  Run({migration::DsaMemberData});

  const std::vector<std::string> expected = {
      "ALTER TABLE dbo.Adresse ADD DSAKennziffer  varchar (30) Null",
      "ALTER TABLE dbo.Adresse ADD DSAMitglNr  varchar (30) Null",
      "ALTER TABLE dbo.Adresse ADD Hausnummer  varchar (10) Null",
      "ALTER TABLE dbo.Adresse ADD Ausweisnummer  varchar (20) Null",
      "ALTER TABLE dbo.Adresse ADD Gueltigkeitsdatum  datetime  Null",
      Lines({"CREATE TABLE tblDSA7 (",           "LfdNr [int] IDENTITY(1,1) NOT NULL,",
             "MitglNr varchar (15) NULL,",       "DSAKennziffer varchar (20) NULL,",
             "DSAMitglNr varchar (10) NULL,",    "Ausweisnummer varchar (20) NULL,",
             "Gueltigkeitsdatum datetime NULL,", "Anrede varchar (20) NULL,",
             "Anredetitel varchar (60) NULL,",   "Vorname varchar (30) NULL,",
             "Nachname varchar (40) NULL,",      "Geburtsdatum datetime NULL,",
             "Strasse varchar (40) NULL,",       "Hausnummer varchar (10) NULL,",
             "LandISO varchar (2) NULL,",        "PLZ varchar (15) NULL,",
             "Ort varchar (40) NULL,",           "Telefon1 varchar (40) NULL,",
             "Telefon5 varchar (40) NULL,",      "Telefon6 varchar (40) NULL,",
             "Fax varchar (40) NULL,",           "Telefon3 varchar (40) NULL)"}),
      Lines({"ALTER TABLE [dbo].[tblDSA7]  ADD", "CONSTRAINT [PK_tblDSA7] PRIMARY KEY CLUSTERED",
             "([LfdNr]) ON [PRIMARY]"}),
      Lines({"CREATE TABLE tblDSALogin (", "Benutzer varchar (30) NOT NULL,",
             "Passwort varchar (30) NOT NULL,", "Firmename varchar (30) NOT NULL)"}),
      Lines({"CREATE TABLE DSAFachverband (", "Nr VARCHAR (3) NOT NULL,",
             "Bezeichnung VARCHAR (200) NOT NULL)"}),
      Lines({"ALTER TABLE [dbo].[DSAFachverband]  ADD",
             "CONSTRAINT [PK_DSAFachverband] PRIMARY KEY CLUSTERED", "([Nr]) ON [PRIMARY]"}),
      // The stored file has CR LF line ends: the load is the file as it is.
      std::string(resources::kMemoDSAFach),
      "ALTER TABLE dbo.SportartenV ADD DSAFach  varchar (3) Null",
      Lines({"CREATE TABLE tblDSAExport (", "Benutzer varchar (50) NOT NULL,",
             "AdrNr int NOT NULL,", "MitglNr varchar (15) NULL,", "Anrede varchar (20) NULL,",
             "Anredetitel varchar (60) NULL,", "Vorname varchar (30) NULL,",
             "Nachname varchar (40) NULL,", "Geburtsdatum datetime NULL,",
             "Strasse varchar (40) NULL,", "PLZ varchar (15) NULL,", "Ort varchar (40) NULL,",
             "Telefon1 varchar (40) NULL,", "Telefon5 varchar (40) NULL,",
             "Telefon6 varchar (40) NULL,", "Fax varchar (40) NULL,", "Telefon3 varchar (40) NULL,",
             "Sportart numeric (18,0) NULL,", "Auswahl char (1) NOT NULL)"}),
      Lines({"ALTER TABLE [dbo].[tblDSAExport]  ADD",
             "CONSTRAINT [PK_tblDSAExport] PRIMARY KEY CLUSTERED",
             "([Benutzer],[AdrNr]) ON [PRIMARY]"}),
      "ALTER TABLE dbo.tblDSAExport ADD Landname  varchar (30) Null",
      "UPDATE DSAFachverband SET Bezeichnung=REPLACE(Bezeichnung,'\r\n',' ')",
      "UPDATE DSAFachverband SET Bezeichnung=REPLACE(Bezeichnung,'\n',' ')",
      "UPDATE DSAFachverband SET Bezeichnung=REPLACE(Bezeichnung,'\r',' ')",
      "UPDATE DSAFachverband SET Bezeichnung=REPLACE(Bezeichnung,'  ',' ')",
      "ALTER TABLE dbo.tblDSA7 ADD AdrNr  int  Null",
      "DELETE FROM tblDSA7",
      "CREATE NONCLUSTERED INDEX IX_tblDSA7_AdrNr ON tblDSA7 (AdrNr)",
      "UPDATE MgVert SET ArtName=A.Bezeichnung FROM MgVert V LEFT JOIN MgArt A ON A.Art=V.Art",
      "ALTER TABLE MgSolln ALTER COLUMN ArtName varchar(120) NULL",
      "UPDATE MgSolln SET ArtName=A.Bezeichnung FROM MgSolln V LEFT JOIN MgArt A ON A.Art=V.Art",
      "ALTER TABLE dbo.Adresse ADD DSAVerband  varchar (250) Null",
      "ALTER TABLE dbo.Adresse ADD DSASportArt  varchar (4) Null",
      "ALTER TABLE dbo.Adresse ADD DSA_SMK  char (1) Null",
      "ALTER TABLE dbo.Adresse ADD DSA_SVK  char (1) Null",
      "ALTER TABLE dbo.Adresse ADD DSABeantragt  char (1) Null",
      "UPDATE Adresse SET DSA_SMK='N', DSA_SVK='N', DSABeantragt='N'",
  };
  const std::vector<std::string> executed = Executed();
  ASSERT_EQ(executed.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(executed[i], expected[i]) << "statement " << i + 1;
  }
  EXPECT_EQ(progress_count(), 0);
}

// The federation list as it is shipped: 108 inserts over 328 lines, the first
// statement as the program has always carried it, names broken over lines.
TEST(MemoDSAFachTest, HoldsTheFederationListBrokenInsideTheNames) {
  const std::string_view script = resources::kMemoDSAFach;
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < script.size();) {
    std::size_t end = script.find("\r\n", start);
    ASSERT_NE(end, std::string_view::npos) << "every line ends in CR LF";
    lines.push_back(script.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(lines.size(), 328u);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "INSERT INTO DSAFachverband (Nr, ");
  EXPECT_EQ(lines[1], "Bezeichnung) VALUES ('101','Allgemeiner ");
  EXPECT_EQ(lines[2], "Deutscher Hochschulsportverband (ADH)')");
  int statements = 0;
  int broken_names = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_NE(lines[i], "GO") << "one batch, no separator lines";
    if (lines[i] != "INSERT INTO DSAFachverband (Nr, ") continue;
    ++statements;
    ASSERT_LT(i + 1, lines.size());
    EXPECT_EQ(lines[i + 1].substr(0, 21), "Bezeichnung) VALUES (") << lines[i + 1];
    if (lines[i + 1].substr(lines[i + 1].size() - 2) != "')") ++broken_names;
  }
  EXPECT_EQ(statements, 108);
  EXPECT_EQ(broken_names, 106);
}

TEST_F(DsaMemberDataTest, FirstRunLoadsCleanFederationNamesAndRefreshesTypeNames) {
  Run({migration::DsaMemberData});

  // Nothing on the fixture fails.
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});

  EXPECT_EQ(Rows("SELECT COUNT(*), COUNT(DISTINCT Nr), MIN(Nr), MAX(Nr) FROM DSAFachverband"),
            (Table{{"108", "108", "001", "999"}}));
  EXPECT_EQ(Rows("SELECT Nr FROM DSAFachverband WHERE Nr > '804'"), (Table{{"999"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM DSAFachverband WHERE Bezeichnung LIKE '%' + CHAR(13) + '%' "
                 "OR Bezeichnung LIKE '%' + CHAR(10) + '%' OR Bezeichnung LIKE '%  %'"),
            (Table{{"0"}}));
  // A break after a blank (101) and one without (001) both become one blank.
  EXPECT_EQ(Rows("SELECT Nr, Bezeichnung FROM DSAFachverband WHERE Nr IN ('001','101','999') "
                 "ORDER BY Nr"),
            (Table{{"001", "Deutscher Badminton-Verband"},
                   {"101", "Allgemeiner Deutscher Hochschulsportverband (ADH)"},
                   {"999", "Sonstige Verbände"}}));

  struct Column {
    const char* table;
    const char* column;
    Table type;  // data type, maximum length, nullability
  };
  const Column columns[] = {
      {"Adresse", "DSAKennziffer", {{"varchar", "30", "YES"}}},
      {"Adresse", "Gueltigkeitsdatum", {{"datetime", "NULL", "YES"}}},
      {"Adresse", "DSAVerband", {{"varchar", "250", "YES"}}},
      {"Adresse", "DSABeantragt", {{"char", "1", "YES"}}},
      {"tblDSA7", "LfdNr", {{"int", "NULL", "NO"}}},
      {"tblDSA7", "DSAKennziffer", {{"varchar", "20", "YES"}}},
      {"tblDSA7", "DSAMitglNr", {{"varchar", "10", "YES"}}},
      {"tblDSA7", "AdrNr", {{"int", "NULL", "YES"}}},
      {"tblDSALogin", "Firmename", {{"varchar", "30", "NO"}}},
      {"tblDSAExport", "Sportart", {{"numeric", "NULL", "YES"}}},
      {"tblDSAExport", "Auswahl", {{"char", "1", "NO"}}},
      {"tblDSAExport", "Landname", {{"varchar", "30", "YES"}}},
      {"SportartenV", "DSAFach", {{"varchar", "3", "YES"}}},
      {"MgSolln", "ArtName", {{"varchar", "120", "YES"}}},
  };
  for (const Column& c : columns) {
    EXPECT_EQ(ColumnShape(c.table, c.column), c.type)
        << c.table << "." << c.column;
  }
  EXPECT_EQ(
      Rows("SELECT name FROM sys.indexes WHERE name IN ('PK_tblDSA7', 'PK_DSAFachverband', "
           "'PK_tblDSAExport', 'IX_tblDSA7_AdrNr') ORDER BY name"),
      (Table{{"IX_tblDSA7_AdrNr"}, {"PK_DSAFachverband"}, {"PK_tblDSA7"}, {"PK_tblDSAExport"}}));

  // Address 2 pays type 1; address 9 a type 7 that is no longer in MgArt.
  EXPECT_EQ(Rows("SELECT AdrNr, ArtName FROM MgVert WHERE AdrNr IN (2, 9) ORDER BY AdrNr"),
            (Table{{"2", "Erwachsene"}, {"9", "NULL"}}));
  EXPECT_EQ(
      Rows("SELECT DISTINCT AdrNr, ArtName FROM MgSolln WHERE AdrNr IN (2, 9) ORDER BY AdrNr"),
      (Table{{"2", "Erwachsene"}, {"9", "NULL"}}));
  EXPECT_EQ(
      Rows("SELECT COUNT(*) FROM Adresse WHERE DSA_SMK='N' AND DSA_SVK='N' AND DSABeantragt='N'"),
      Rows("SELECT COUNT(*) FROM Adresse"));
}

// A federation table from an older program is not loaded again; its names
// are cleaned once, on the run that adds Landname. Each REPLACE makes one
// pass, so three blanks in a row keep two.
TEST_F(DsaMemberDataTest, ExistingFederationTableIsCleanedButNotReloaded) {
  Prepare({[](migration::TenantContext& t) {
    t.db.Exec(db::Policy::kUnguarded,
              "CREATE TABLE DSAFachverband (Nr VARCHAR (3) NOT NULL, Bezeichnung VARCHAR (200) "
              "NOT NULL)");
    t.db.Exec(db::Policy::kUnguarded,
              "INSERT INTO DSAFachverband (Nr, Bezeichnung) VALUES "
              "('001', 'Deutscher ' + CHAR(13) + CHAR(10) + 'Badminton-Verband'), "
              "('002', 'Deutscher' + CHAR(10) + 'Basketball Bund'), "
              "('003', 'Deutscher' + CHAR(13) + 'Boxsport-Verband'), "
              "('004', 'Deutscher   Curling-Verband')");
  }});

  Run({migration::DsaMemberData});

  EXPECT_EQ(Rows("SELECT Nr, Bezeichnung FROM DSAFachverband ORDER BY Nr"),
            (Table{{"001", "Deutscher Badminton-Verband"},
                   {"002", "Deutscher Basketball Bund"},
                   {"003", "Deutscher Boxsport-Verband"},
                   {"004", "Deutscher  Curling-Verband"}}));
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
}

TEST_F(DsaMemberDataTest, SecondRunOnlyRefreshesTheStoredTypeNames) {
  Run({migration::DsaMemberData});
  const std::string after_first = DatabaseSnapshot();
  transcript.lines.clear();

  Run({migration::DsaMemberData});

  EXPECT_EQ(Executed(), (std::vector<std::string>{
                            "UPDATE MgVert SET ArtName=A.Bezeichnung FROM MgVert V LEFT JOIN MgArt "
                            "A ON A.Art=V.Art",
                            "ALTER TABLE MgSolln ALTER COLUMN ArtName varchar(120) NULL",
                            "UPDATE MgSolln SET ArtName=A.Bezeichnung FROM MgSolln V LEFT JOIN "
                            "MgArt A ON A.Art=V.Art"}));
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(DatabaseSnapshot(), after_first);
}

TEST_F(DsaMemberDataTest, LaterRunsFollowRenamedAndDeletedContributionTypes) {
  Run({migration::DsaMemberData});
  Prepare({[](migration::TenantContext& t) {
    t.db.Exec(db::Policy::kUnguarded,
              "UPDATE MgArt SET Bezeichnung='Erwachsene ab 18' WHERE Art=1");
    t.db.Exec(db::Policy::kUnguarded, "DELETE FROM MgArt WHERE Art=2");
  }});

  Run({migration::DsaMemberData});

  EXPECT_EQ(Rows("SELECT COUNT(*) FROM MgVert WHERE Art=1 AND ArtName<>'Erwachsene ab 18'"),
            (Table{{"0"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM MgVert WHERE Art=2 AND ArtName IS NOT NULL"),
            (Table{{"0"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM MgSolln WHERE Art=2 AND ArtName IS NOT NULL"),
            (Table{{"0"}}));
}

// The type-name refresh has no handler: without its tables the run ends.
class DsaMissingTableTest : public DsaMemberDataTest,
                            public ::testing::WithParamInterface<const char*> {};

TEST_P(DsaMissingTableTest, EndsTheRun) {
  Prepare({[](migration::TenantContext& t) {
    t.db.Exec(db::Policy::kUnguarded, std::string("DROP TABLE ") + GetParam());
  }});
  EXPECT_THROW(Run({migration::DsaMemberData}), db::Error);
}

INSTANTIATE_TEST_SUITE_P(ContributionTables, DsaMissingTableTest,
                         ::testing::Values("MgArt", "MgVert", "MgSolln"));

}  // namespace
}  // namespace quelor::testing
