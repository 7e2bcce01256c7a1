// SEPA mandates and direct-debit columns on the previous-release tenant, after
// the segments of the first routine that come before them.
#include "migration/sepa_mandates.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "db/error.h"
#include "migration/dsa_member_data.h"
#include "migration_fixture.h"
#include "segments_before_dsa.h"

namespace quelor::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;

class SepaMandatesTest : public MigrationTest {
 protected:
  void SetUp() override {
    std::vector<Segment> before = SegmentsBeforeDsa();
    before.push_back(migration::DsaMemberData);
    Prepare(before);
  }
};

std::string Lines(std::initializer_list<std::string_view> lines) { return db::JoinCrLf(lines); }

TEST_F(SepaMandatesTest, FirstRunSendsTheStepsInOrder) {
  Run({migration::SepaMandates});

  const std::vector<std::string> expected = {
      "ALTER TABLE dbo.Mandstam ADD VereinOhneOnlKonten  char (1) Null",
      "UPDATE Mandstam SET VereinOhneOnlKonten='N'",
      Lines({"CREATE TABLE AdrSepa (", "[AdrNr] [int] NOT NULL,",
             "[MandatsNr] [varchar](35) NOT NULL,", "[MandKey] [varchar](35) NOT NULL,",
             "[Lastschriftart] [varchar](20) NOT NULL,", "[Typ] [char] (1) NOT NULL,",
             "[Status] [varchar] (20) NOT NULL,", "[AngelegtAm] [datetime] NULL,",
             "[GultigBis] [datetime] NULL,", "[UnterschriftDatum] [datetime] NULL,",
             "[ErsteVerwendung] [datetime] NULL,", "[LetzteVerwendung] [datetime] NULL,",
             "[WiderrufenAm] [datetime] NULL)"}),
      Lines({"ALTER TABLE [dbo].[AdrSepa]  ADD", "CONSTRAINT [PK_AdrSepa] PRIMARY KEY CLUSTERED",
             "([AdrNr],[MandatsNr]) ON [PRIMARY]"}),
      "ALTER TABLE dbo.Adresse ADD EinzugLastMandLiegtVor  char (1) Null",
      "UPDATE Adresse SET EinzugLastMandLiegtVor='N'",
      Lines({"CREATE TABLE AdrSepaVer (", "[AdrNr] [int] NOT NULL,",
             "[MandatsNr] [varchar](35) NOT NULL,", "[MandKey] [varchar](35) NOT NULL,",
             "[LfdNr] [int] NOT NULL,", "[Lastschriftart] [varchar](20) NOT NULL,",
             "[Typ] [char] (1) NOT NULL,", "[Status] [varchar] (20) NOT NULL,",
             "[AngelegtAm] [datetime] NULL,", "[GultigBis] [datetime] NULL,",
             "[UnterschriftDatum] [datetime] NULL,", "[ErsteVerwendung] [datetime] NULL,",
             "[LetzteVerwendung] [datetime] NULL,", "[WiderrufenAm] [datetime] NULL)"}),
      Lines({"ALTER TABLE [dbo].[AdrSepaVer]  ADD",
             "CONSTRAINT [PK_AdrSepaVer] PRIMARY KEY CLUSTERED",
             "([AdrNr],[MandatsNr],[LfdNr]) ON [PRIMARY]"}),
      "ALTER TABLE dbo.MgVert ADD Prenotifikation  char (1) Null",
      "UPDATE MgVert SET Prenotifikation='N'",
      "ALTER TABLE dbo.MgVert ADD AbwKontoInh  varchar (50) Null",
      "ALTER TABLE dbo.MgVert ADD StrasseKIH  varchar (40) Null",
      "ALTER TABLE dbo.MgVert ADD PlzKIH  varchar (15) Null",
      "ALTER TABLE dbo.MgVert ADD OrtKIH  varchar (40) Null",
      "ALTER TABLE dbo.MgVert ADD EmailKIH  varchar (240) Null",
      // Six pieces, LF after each but the last.
      "UPDATE MgVert SET\n"
      "StrasseKIH=(SELECT A.Strasse FROM Adresse AS A WHERE A.AdrNr=MgVert.AbwAdrNr),\n"
      "PlzKIH=(SELECT A.PLZ FROM Adresse AS A WHERE A.AdrNr=MgVert.AbwAdrNr),\n"
      "OrtKIH=(SELECT A.Ort FROM Adresse AS A WHERE A.AdrNr=MgVert.AbwAdrNr),\n"
      "EmailKIH=(SELECT A.Telefon3 FROM Adresse AS A WHERE A.AdrNr=MgVert.AbwAdrNr)\n"
      "WHERE AbwAdrNr IS NOT NULL OR AbwAdrNr<>0",
      "ALTER TABLE dbo.Adresse ADD StrasseKIH  varchar (40) Null",
      "ALTER TABLE dbo.Adresse ADD PlzKIH  varchar (15) Null",
      "ALTER TABLE dbo.Adresse ADD OrtKIH  varchar (40) Null",
      "ALTER TABLE dbo.Adresse ADD EmailKIH  varchar (240) Null",
      "ALTER TABLE dbo.EINST ADD mRef  char (1) Null",
      "UPDATE Adresse SET mandatsrefenz=CAST(AdrNr as varchar)+CAST(MitglNr as varchar)",
      "ALTER TABLE dbo.MgSolln ADD MandatsNr  varchar (35) Null",
      "ALTER TABLE dbo.MgSolln ADD IBAN  varchar (40) Null",
      "ALTER TABLE dbo.MgSolln ADD BIC  varchar (40) Null",
      "ALTER TABLE dbo.MgSolln ADD LetzteVerwendung  datetime  Null",
      "ALTER TABLE dbo.MgSolln ADD GultigBis  datetime  Null",
      "ALTER TABLE dbo.MgLast ADD MandatsNr  varchar (35) Null",
      "ALTER TABLE dbo.MgLast ADD IBAN  varchar (40) Null",
      "ALTER TABLE dbo.MgLast ADD BIC  varchar (40) Null",
      "ALTER TABLE dbo.MgLast ADD LetzteVerwendung  datetime  Null",
      "ALTER TABLE dbo.MgLast ADD GultigBis  datetime  Null",
      "ALTER TABLE dbo.Rechn ADD Prenotified  char (1) Null",
      "ALTER TABLE dbo.Rechn ADD DatumPren  DateTime  Null",
      "ALTER TABLE dbo.Rechn ADD DatumBankeinzug  DateTime  Null",
      "ALTER TABLE dbo.Rechn ADD MandatsNr  varchar (35) Null",
      "ALTER TABLE dbo.MgSolln ADD ErsteVerwendung  datetime  Null",
      "ALTER TABLE dbo.MgLast ADD ErsteVerwendung  datetime  Null",
      "ALTER TABLE dbo.MgSolln ADD SEPATyp  char (1) Null",
      "ALTER TABLE dbo.MgLast ADD SEPATyp  char (1) Null",
      "ALTER TABLE dbo.MgLast ADD Bemerkung  varchar (100) Null",
      Lines({"CREATE TABLE RuckLastGrund (", "[Kennung] [varchar](50) NOT NULL)"}),
      Lines({"ALTER TABLE [dbo].[RuckLastGrund]  ADD",
             "CONSTRAINT [PK_RuckLastGrund] PRIMARY KEY CLUSTERED", "([Kennung]) ON [PRIMARY]"}),
      "ALTER TABLE dbo.adrsepa ADD GueltigAb  datetime  Null",
      "UPDATE Adresse SET EinzugLastMandLiegtVor='J' WHERE Zahlungsart='L'",
      "ALTER TABLE dbo.mandstam ADD SEPAErstTage  integer  Null",
      "ALTER TABLE dbo.mandstam ADD SEPAFolgeTage  integer  Null",
      "ALTER TABLE dbo.MgLast ADD BankUeb  char (1) Null",
      "ALTER TABLE dbo.MgLast ADD DatumBankeinzug  DateTime  Null",
      "ALTER TABLE dbo.MgLast ADD SEPAKenn  VARCHAR (4) Null",
      "ALTER TABLE dbo.MgLast ADD Ausfuhrungsdatum  DateTime  Null",
      "ALTER TABLE dbo.MgLast ADD SEPAXML  varchar (250) Null",
      "ALTER TABLE dbo.MgLast ADD GUID  UNIQUEIDENTIFIER  NULL",
      "ALTER TABLE dbo.MgSolln ADD SEPAXML  varchar (250) Null",
      "ALTER TABLE dbo.MgSolln ADD GUID  UNIQUEIDENTIFIER  NULL",
      "ALTER TABLE dbo.RECHN ADD SEPAXML  varchar (250) Null",
      "ALTER TABLE dbo.RECHN ADD GUID  UNIQUEIDENTIFIER  NULL",
      "ALTER TABLE dbo.Adresse ADD AbwKtoInhCB  char (1) Null",
      "ALTER TABLE dbo.MgLast ADD IndSepa  char (1) NULL",
      "UPDATE MgLast SET IndSepa='J' WHERE SEPAXML IS NOT NULL AND SEPAXML<>''",
      "UPDATE MgLast SET IndSepa='N' WHERE IndSepa IS NULL",
      "UPDATE MgLast SET IndSepa='N' WHERE SEPAXML IS NULL OR SEPAXML=''",
      "UPDATE d_blz SET BIC= (select TOP 1 BIC from d_blz B where B.BLZ=d_blz.BLZ AND "
      "ISNULL(bic,'')<>'')  where bic IS NULL",
      "UPDATE mandstam SET SEPAErstTage=5 WHERE SEPAErstTage IS NULL",
      "UPDATE mandstam SET SEPAFolgeTage=2 WHERE SEPAFolgeTage IS NULL",
  };
  const std::vector<std::string> executed = Executed();
  ASSERT_EQ(executed.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(executed[i], expected[i]) << "statement " << i + 1;
  }
  // The mandate generation ends the segment: one insert per new mandate.
  EXPECT_EQ(transcript.With("w insert ").size(), 5u);
  EXPECT_EQ(progress_count(), 0);
}

TEST_F(SepaMandatesTest, FirstRunGivesReferencesFlagsAndMandates) {
  Run({migration::SepaMandates});

  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  // Addresses 3 and 7 have no member number, so no reference.
  EXPECT_EQ(Rows("SELECT AdrNr, mandatsrefenz, EinzugLastMandLiegtVor FROM Adresse ORDER BY AdrNr"),
            (Table{{"1", "10001", "J"},
                   {"2", "20002", "J"},
                   {"3", "NULL", "J"},
                   {"4", "40004", "N"},
                   {"5", "50005", "J"},
                   {"6", "60006", "J"},
                   {"7", "NULL", "N"},
                   {"8", "80008", "J"},
                   {"9", "90009", "J"}}));
  // V0005 is paid from the account of address 2; V0006 has holder 0.
  EXPECT_EQ(
      Rows("SELECT VertragNr, StrasseKIH, PlzKIH, OrtKIH, EmailKIH, Prenotifikation FROM "
           "MgVert WHERE VertragNr IN ('V0001', 'V0005', 'V0006') ORDER BY VertragNr"),
      (Table{{"V0001", "NULL", "NULL", "NULL", "NULL", "N"},
             {"V0005", "Bahnhofstraße 3", "69198", "Schriesheim", "s.hoffmann@example.org", "N"},
             {"V0006", "NULL", "NULL", "NULL", "NULL", "N"}}));
  EXPECT_EQ(Rows("SELECT DISTINCT IndSepa FROM MgLast"), (Table{{"N"}}));
  EXPECT_EQ(Rows("SELECT VereinOhneOnlKonten, SEPAErstTage, SEPAFolgeTage FROM Mandstam"),
            (Table{{"N", "5", "2"}}));
  EXPECT_EQ(Rows("SELECT AdrNr, MandatsNr, MandKey FROM AdrSepa ORDER BY AdrNr"),
            (Table{{"1", "10001", "100011"},
                   {"2", "20002", "200021"},
                   {"5", "50005", "500051"},
                   {"8", "80008", "800081"},
                   {"9", "90009", "900091"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM AdrSepaVer"), (Table{{"0"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM RuckLastGrund"), (Table{{"0"}}));

  struct Column {
    const char* table;
    const char* column;
    Table type;  // data type, maximum length, nullability
  };
  const Column columns[] = {
      {"AdrSepa", "MandatsNr", {{"varchar", "35", "NO"}}},
      {"AdrSepa", "Typ", {{"char", "1", "NO"}}},
      {"AdrSepa", "GultigBis", {{"datetime", "NULL", "YES"}}},
      {"AdrSepa", "GueltigAb", {{"datetime", "NULL", "YES"}}},
      {"AdrSepaVer", "LfdNr", {{"int", "NULL", "NO"}}},
      {"RuckLastGrund", "Kennung", {{"varchar", "50", "NO"}}},
      {"MgVert", "EmailKIH", {{"varchar", "240", "YES"}}},
      {"MgLast", "GUID", {{"uniqueidentifier", "NULL", "YES"}}},
      {"MgLast", "SEPAKenn", {{"varchar", "4", "YES"}}},
      {"MgSolln", "MandatsNr", {{"varchar", "35", "YES"}}},
      {"Rechn", "DatumPren", {{"datetime", "NULL", "YES"}}},
      {"Mandstam", "SEPAErstTage", {{"int", "NULL", "YES"}}},
      {"Adresse", "AbwKtoInhCB", {{"char", "1", "YES"}}},
  };
  for (const Column& c : columns) {
    EXPECT_EQ(ColumnShape(c.table, c.column), c.type)
        << c.table << "." << c.column;
  }
  EXPECT_EQ(Rows("SELECT name FROM sys.indexes WHERE name IN ('PK_AdrSepa', 'PK_AdrSepaVer', "
                 "'PK_RuckLastGrund') ORDER BY name"),
            (Table{{"PK_AdrSepa"}, {"PK_AdrSepaVer"}, {"PK_RuckLastGrund"}}));
}

TEST_F(SepaMandatesTest, SecondRunRepeatsOnlyTheEveryRunSteps) {
  Run({migration::SepaMandates});
  const std::string after_first = DatabaseSnapshot();
  transcript.lines.clear();

  Run({migration::SepaMandates});

  EXPECT_EQ(Executed(),
            (std::vector<std::string>{
                "UPDATE MgLast SET IndSepa='N' WHERE SEPAXML IS NULL OR SEPAXML=''",
                "UPDATE d_blz SET BIC= (select TOP 1 BIC from d_blz B where B.BLZ=d_blz.BLZ AND "
                "ISNULL(bic,'')<>'')  where bic IS NULL",
                "UPDATE mandstam SET SEPAErstTage=5 WHERE SEPAErstTage IS NULL",
                "UPDATE mandstam SET SEPAFolgeTage=2 WHERE SEPAFolgeTage IS NULL"}));
  EXPECT_EQ(transcript.With("w insert ").size(), 0u);
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(DatabaseSnapshot(), after_first);
}

// What the every-run steps do to data that another program changed in the
// meantime.
TEST_F(SepaMandatesTest, EveryRunStepsKeepSetLeadDaysAndFixDebitsAndBankCodes) {
  Run({migration::SepaMandates});
  Prepare({[](migration::TenantContext& t) {
    t.db.Exec(db::Policy::kUnguarded, "UPDATE Mandstam SET SEPAErstTage=14, SEPAFolgeTage=7");
    t.db.Exec(db::Policy::kUnguarded, "UPDATE MgLast SET SEPAXML='', IndSepa='J' WHERE AdrNr=1");
    t.db.Exec(db::Policy::kUnguarded,
              "UPDATE MgLast SET SEPAXML='SEPA_2026_01.xml', IndSepa='J' WHERE AdrNr=2");
    t.db.Exec(db::Policy::kUnguarded,
              "INSERT INTO d_blz (BLZ, LfdNr, BANK, Ort, BIC) VALUES "
              "('67050505', 1, 'Spk Rhein Neckar Nord', 'Mannheim', 'MANSDE66XXX'), "
              "('67050505', 2, 'Spk Rhein Neckar Nord', 'Hemsbach', NULL), "
              "('67092300', 1, 'Volksbank Kurpfalz', 'Heidelberg', NULL)");
  }});

  Run({migration::SepaMandates});

  EXPECT_EQ(Rows("SELECT SEPAErstTage, SEPAFolgeTage FROM Mandstam"), (Table{{"14", "7"}}));
  EXPECT_EQ(Rows("SELECT AdrNr, IndSepa FROM MgLast WHERE AdrNr IN (1, 2)  ORDER BY AdrNr"),
            (Table{{"1", "N"}, {"2", "J"}}));
  EXPECT_EQ(Rows("SELECT BLZ, LfdNr, BIC FROM d_blz ORDER BY BLZ, LfdNr"),
            (Table{{"67050505", "1", "MANSDE66XXX"},
                   {"67050505", "2", "MANSDE66XXX"},
                   {"67092300", "1", "NULL"}}));
}

// Everything but the creates and keys is unguarded, the mandate generation
// included.
class SepaMandatesFailureTest : public SepaMandatesTest,
                                public ::testing::WithParamInterface<const char*> {};

TEST_P(SepaMandatesFailureTest, EndsTheRun) {
  Prepare({[](migration::TenantContext& t) { t.db.Exec(db::Policy::kUnguarded, GetParam()); }});
  EXPECT_THROW(Run({migration::SepaMandates}), db::Error);
}

INSTANTIATE_TEST_SUITE_P(MissingTablesAndColumns, SepaMandatesFailureTest,
                         ::testing::Values("DROP TABLE d_blz", "DROP TABLE MgLast",
                                           // the reference column of the SEPA transfer segment
                                           "ALTER TABLE Adresse DROP COLUMN mandatsrefenz",
                                           // read by the mandate selection only
                                           "ALTER TABLE Adresse DROP COLUMN IBAN1"));

}  // namespace
}  // namespace quelor::testing
