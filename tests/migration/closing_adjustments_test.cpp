// Closing adjustments and due dates on the previous-release tenant, after the
// segments of the first routine that come before them. The hand-over to the
// second routine is the last step; the tests stop before it, as that routine
// is tested on its own.
#include "migration/closing_adjustments.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "db/error.h"
#include "migration/dsa_member_data.h"
#include "migration/sepa_mandates.h"
#include "segments_before_dsa.h"

namespace quelor::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;
using db::Policy;

const char kGlaeubigerId[] = "ALTER TABLE dbo.mandstam ALTER COLUMN GlaeubigerId varchar(35) Null";
const char kBicBankCodes[] = "UPDATE D_BLZ SET BIC='COBADEFFXXX' WHERE BIC='COBADEFF570'";
const char kBicAddresses[] = "UPDATE Adresse SET BIC1='COBADEFFXXX' WHERE BIC1='COBADEFF570'";
const char kSportartenV[] = "ALTER TABLE dbo.SportartenV ALTER COLUMN SPORTART varchar(120) Null";
const char kAdrSArt[] = "ALTER TABLE dbo.ADRSART ALTER COLUMN SPORTART varchar(120) Null";
const char kRgNr[] = "ALTER TABLE MgSolln ALTER COLUMN RgNr VARCHAR (10) NULL";

class ClosingAdjustmentsTest : public MigrationTest {
 protected:
  void SetUp() override {
    std::vector<Segment> before = SegmentsBeforeDsa();
    before.push_back(migration::DsaMemberData);
    before.push_back(migration::SepaMandates);
    Prepare(before);
  }
};

TEST_F(ClosingAdjustmentsTest, FirstRunSendsTheStepsInOrder) {
  Run({migration::ClosingAdjustmentsBeforeUpdate1});

  const std::vector<std::string> expected = {
      "ALTER TABLE dbo.f5bew4sg ADD Druck  char (1) NULL",
      "UPDATE f5bew4sg SET Druck='N'",
      "ALTER TABLE dbo.f5bw4sgA ADD Druck  char (1) NULL",
      "UPDATE f5bw4sgA SET Druck='N'",
      "ALTER TABLE dbo.EINST ADD Firma4Vor  char (1) NULL",
      "UPDATE EINST SET Firma4Vor='J'",
      "ALTER TABLE dbo.AdrFunktion\r\n DROP CONSTRAINT FK_AdrFunktion_Adresse\r\n",
      "ALTER TABLE dbo.SEPA_Protokol ADD IBAN  varchar (35) NULL",
      "ALTER TABLE dbo.SEPA_Protokol ADD BIC  varchar (35) NULL",
      kGlaeubigerId,
      kBicBankCodes,
      kBicAddresses,
      "ALTER TABLE dbo.EINST ADD MaxAnzLastProXmlDatei  int  NULL",
      kSportartenV,
      kAdrSArt,
      "ALTER TABLE dbo.Mgart ADD FalligkeitDatum1  DateTime  NULL",
      "ALTER TABLE dbo.Mgart ADD FalligkeitDatum2  DateTime  NULL",
      "ALTER TABLE dbo.Mgart ADD FalligkeitDatum3  DateTime  NULL",
      "ALTER TABLE dbo.Mgart ADD FalligkeitDatum4  DateTime  NULL",
      "ALTER TABLE dbo.Mgart ADD FalligkeitTag  int  NULL",
      "ALTER TABLE dbo.MgVert ADD FalligkeitDatum1  DateTime  NULL",
      "ALTER TABLE dbo.MgVert ADD FalligkeitDatum2  DateTime  NULL",
      "ALTER TABLE dbo.MgVert ADD FalligkeitDatum3  DateTime  NULL",
      "ALTER TABLE dbo.MgVert ADD FalligkeitDatum4  DateTime  NULL",
      "ALTER TABLE dbo.MgVert ADD FalligkeitTag  int  NULL",
      "ALTER TABLE dbo.MgSolln ADD FalligkeitDatum  DateTime  NULL",
      "ALTER TABLE dbo.EINST ADD AutoShowFalligBeitrag  char (1) NULL",
      "UPDATE EINST SET AutoShowFalligBeitrag='J'",
      "ALTER TABLE dbo.MgLast ADD FalligkeitDatum  datetime  Null",
      "ALTER TABLE dbo.f5kasses ADD BlgNumNichtAutoHZ  char (1) NULL",
      "UPDATE f5kasses SET BlgNumNichtAutoHZ='N'",
      "ALTER TABLE dbo.Rechn ADD AssBeitID  UNIQUEIDENTIFIER  Null",
      "ALTER TABLE dbo.MgSolln ADD AssBeitID  UNIQUEIDENTIFIER  Null",
      kRgNr,
  };
  const std::vector<std::string> executed = Executed();
  ASSERT_EQ(executed.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(executed[i], expected[i]) << "statement " << i + 1;
  }
  EXPECT_EQ(progress_count(), 0);
}

TEST_F(ClosingAdjustmentsTest, FirstRunSetsFlagsWidensColumnsAndReplacesTheOldBic) {
  Prepare({[](migration::TenantContext& t) {
    t.db.Exec(Policy::kUnguarded,
              "INSERT INTO d_blz (BLZ, LfdNr, BANK, Ort, BIC) VALUES "
              "('67080050', 1, 'Commerzbank Mannheim', 'Mannheim', 'COBADEFF570'), "
              "('67050505', 1, 'Spk Rhein Neckar Nord', 'Mannheim', 'MANSDE66XXX')");
    t.db.Exec(Policy::kUnguarded, "UPDATE Adresse SET BIC1='COBADEFF570' WHERE AdrNr=1");
    t.db.Exec(Policy::kUnguarded, "UPDATE Adresse SET BIC2='COBADEFF570' WHERE AdrNr=2");
  }});

  Run({migration::ClosingAdjustmentsBeforeUpdate1});

  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(Rows("SELECT COUNT(*), MIN(Druck), MAX(Druck) FROM F5bew4sg"),
            (Table{{"5", "N", "N"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*), MIN(Druck), MAX(Druck) FROM F5bw4sga"),
            (Table{{"3", "N", "N"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*), MIN(BlgNumNichtAutoHZ), MAX(BlgNumNichtAutoHZ) FROM F5Kasses"),
            (Table{{"3", "N", "N"}}));
  EXPECT_EQ(Rows("SELECT Firma4Vor, AutoShowFalligBeitrag, MaxAnzLastProXmlDatei FROM EINST"),
            (Table{{"J", "J", "NULL"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM sysobjects WHERE name='FK_AdrFunktion_Adresse'"),
            (Table{{"0"}}));
  EXPECT_EQ(Rows("SELECT BLZ, BIC FROM d_blz ORDER BY BLZ"),
            (Table{{"67050505", "MANSDE66XXX"}, {"67080050", "COBADEFFXXX"}}));
  // Only the first bank slot is corrected.
  EXPECT_EQ(Rows("SELECT AdrNr, BIC1, BIC2 FROM Adresse WHERE AdrNr IN (1, 2) ORDER BY AdrNr"),
            (Table{{"1", "COBADEFFXXX", "NULL"}, {"2", "NULL", "COBADEFF570"}}));
  // RgNr becomes text with its value kept.
  EXPECT_EQ(Rows("SELECT RgNr FROM MgSolln WHERE LfdNr=4"), (Table{{"2026002"}}));

  struct Column {
    const char* table;
    const char* column;
    Table type;  // data type, maximum length, nullability
  };
  const Column columns[] = {
      {"Mandstam", "GlaeubigerId", {{"varchar", "35", "YES"}}},
      {"SportartenV", "SPORTART", {{"varchar", "120", "YES"}}},
      {"AdrSArt", "SPORTART", {{"varchar", "120", "YES"}}},
      {"MgSolln", "RgNr", {{"varchar", "10", "YES"}}},
      {"SEPA_Protokol", "IBAN", {{"varchar", "35", "YES"}}},
      {"MgArt", "FalligkeitDatum4", {{"datetime", "NULL", "YES"}}},
      {"MgArt", "FalligkeitTag", {{"int", "NULL", "YES"}}},
      {"MgVert", "FalligkeitDatum1", {{"datetime", "NULL", "YES"}}},
      {"MgVert", "FalligkeitTag", {{"int", "NULL", "YES"}}},
      {"MgSolln", "FalligkeitDatum", {{"datetime", "NULL", "YES"}}},
      {"MgLast", "FalligkeitDatum", {{"datetime", "NULL", "YES"}}},
      {"Rechn", "AssBeitID", {{"uniqueidentifier", "NULL", "YES"}}},
      {"MgSolln", "AssBeitID", {{"uniqueidentifier", "NULL", "YES"}}},
  };
  for (const Column& c : columns) {
    EXPECT_EQ(ColumnShape(c.table, c.column), c.type)
        << c.table << "." << c.column;
  }
}

TEST_F(ClosingAdjustmentsTest, SecondRunRepeatsOnlyTheEveryRunStatements) {
  Run({migration::ClosingAdjustmentsBeforeUpdate1});
  const std::string after_first = DatabaseSnapshot();
  transcript.lines.clear();

  Run({migration::ClosingAdjustmentsBeforeUpdate1});

  EXPECT_EQ(Executed(), (std::vector<std::string>{kGlaeubigerId, kBicBankCodes, kBicAddresses,
                                                  kSportartenV, kAdrSArt, kRgNr}));
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(DatabaseSnapshot(), after_first);
}

// The sports-list widenings only show a message box: the run goes on to the
// last statement.
TEST_F(ClosingAdjustmentsTest, MissingSportsListsShowOneMessageEach) {
  Prepare({[](migration::TenantContext& t) {
    t.db.Exec(Policy::kUnguarded, "DROP TABLE SportartenV");
    t.db.Exec(Policy::kUnguarded, "DROP TABLE AdrSArt");
  }});

  Run({migration::ClosingAdjustmentsBeforeUpdate1});

  // The wording is the server's; what matters here is one plain message box
  // per missing table, in step order.
  const std::vector<std::string> dialogs = Dialogs();
  ASSERT_EQ(dialogs.size(), 2u);
  const char* const tables[] = {"SportartenV", "ADRSART"};
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(dialogs[i].rfind("dialog message: ", 0), 0u) << dialogs[i];
    EXPECT_NE(dialogs[i].find(tables[i]), std::string::npos) << dialogs[i];
  }
  ASSERT_FALSE(Executed().empty());
  EXPECT_EQ(Executed().back(), kRgNr);
}

// The Druck fills have no handler: without the split-line table the column
// counts as added and the fill ends the run.
class ClosingAdjustmentsFailureTest : public ClosingAdjustmentsTest,
                                      public ::testing::WithParamInterface<const char*> {};

TEST_P(ClosingAdjustmentsFailureTest, EndsTheRun) {
  Prepare({[](migration::TenantContext& t) { t.db.Exec(Policy::kUnguarded, GetParam()); }});
  EXPECT_THROW(Run({migration::ClosingAdjustmentsBeforeUpdate1}), db::Error);
}

INSTANTIATE_TEST_SUITE_P(MissingSplitLineTables, ClosingAdjustmentsFailureTest,
                         ::testing::Values("DROP TABLE F5bew4sg", "DROP TABLE F5bw4sga"));

}  // namespace
}  // namespace quelor::testing
