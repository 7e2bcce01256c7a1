// Sports bodies, invoice line slots and contribution log on the
// previous-release tenant, brought first through the four segments before it.
#include "migration/sports_bodies.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "migration/account_templates.h"
#include "migration/club_settings.h"
#include "migration/journal_fixes.h"
#include "migration/tax_keys.h"
#include "migration_fixture.h"

namespace quelor::testing {
namespace {

using db::Policy;
using migration::SportsBodiesAndInvoiceSlots;
using Table = std::vector<std::vector<std::string>>;

// The tenant as the journal fixes leave it.
class EarlierSegmentsTest : public MigrationTest {
 protected:
  EarlierSegmentsTest() {
    Prepare({migration::ClubSettingsAndAddressFunctions, migration::TaxKeysAndKeyTables,
             migration::AccountTemplates, migration::JournalFixes});
  }
};

class SportsBodiesTest : public EarlierSegmentsTest {};

std::string Lines(std::initializer_list<std::string_view> lines) { return db::JoinCrLf(lines); }

// Every statement the segment sends to the fixture on its first run, in order.
std::vector<std::string> FirstRunStatements() {
  std::vector<std::string> s = {
      "ALTER TABLE d_str ADD CONSTRAINT [PK_d_str] PRIMARY KEY CLUSTERED ([Nr]) ON [PRIMARY]",
      "ALTER TABLE d_orte ADD CONSTRAINT [PK_d_orte] PRIMARY KEY CLUSTERED ([Nr]) ON [PRIMARY]",
      "ALTER TABLE dbo.PASS ADD Vorlage_V  varchar (240) Null",
      "ALTER TABLE dbo.PASS ADD Vorl_SB_V  varchar (240) Null",
      "ALTER TABLE dbo.PASS ADD Rechn_Ver  varchar (240) Null",
      "ALTER TABLE dbo.PASS ADD Liste_Verz  varchar (240) Null",
      "ALTER TABLE dbo.PASS ADD VORLAGE_SP  varchar (240) Null",
      "ALTER TABLE dbo.Kontakt ALTER COLUMN WordFile varchar(240) Null",
      "ALTER TABLE dbo.Pass ALTER COLUMN Vorlage_V varchar(240) Null",
      "ALTER TABLE dbo.Pass ALTER COLUMN Vorl_SB_V varchar(240) Null",
      "ALTER TABLE dbo.Pass ALTER COLUMN Rechn_Ver varchar(240) Null",
      "ALTER TABLE dbo.Pass ALTER COLUMN Liste_Verz varchar(240) Null",
      "ALTER TABLE dbo.Pass ALTER COLUMN VORLAGE_SP varchar(240) Null",
      "ALTER TABLE dbo.W_Vorl ADD DatumVon  datetime  NULL",
      "ALTER TABLE dbo.W_Vorl ADD DatumBis  datetime  NULL",
      "UPDATE W_Vorl SET DatumVon=DATEADD(dd, DATEDIFF(dd,0,Datum), 0) + CAST(CAST(DATEPART(hh, "
      "UhrZeit) AS VarChar)+':'+Right('0'+CAST(DATEPART(mi, UhrZeit) AS VarChar),2) AS DateTime)",
      "UPDATE W_Vorl SET DatumBis=DatumVon+0.03",
      "ALTER TABLE dbo.F5Kont ADD KoSt  int  NULL",
      Lines({"CREATE TABLE dbo.F6KoStGr (", "KoStGr integer NOT NULL,",
             "Bezeichnung varchar (60) NOT NULL)"}),
      Lines({"ALTER TABLE [dbo].[F6KoStGr]  ADD", "CONSTRAINT [PK_F6KoStGr] PRIMARY KEY CLUSTERED",
             "([KoStGr]) ON [PRIMARY]"}),
      Lines({"CREATE TABLE dbo.tblLSB (", "Kennung varchar (50) NOT NULL,",
             "Bezeichnung varchar (50) NOT NULL)"}),
      Lines({"ALTER TABLE [dbo].[tblLSB]  ADD", "CONSTRAINT [PK_tblLSB] PRIMARY KEY CLUSTERED",
             "([Kennung]) ON [PRIMARY]"}),
  };
  const std::vector<std::pair<std::string, std::string>> bodies = {
      {"BSB Nord", "Badischer Sportbund Nord"},
      {"BSB Süd", "Badischer Sportbund Freiburg"},
      {"WLSB", "Württembergischer Landessportverband"},
      {"BLSV", "Bayerischer Landessportverband"},
      {"HSB", "Hamburger Sportbund"},
      {"LSB Berlin", "Landessportbund Berlin"},
      {"LSB Brandenburg", "Landessportbund Brandenburg"},
      {"LSB Bremen", "Landessportbund Bremen"},
      {"LSB Hessen", "Landessportbund Hessen"},
      {"LSB Mecklenburg-Vorpommern", "Landessportbund Mecklenburg-Vorpommern"},
      {"LSB Niedersachsen", "Landessportbund Niedersachsen"},
      {"LSB NRW", "Landessportbund Nordrhein-Westfalen"},
      {"LSB Rheinland-Pfalz", "Landessportbund Rheinland-Pfalz"},
      {"LSB Sachsen", "Landessportbund Sachsen"},
      {"LSB Sachsen-Anhalt", "Landessportbund Sachsen-Anhalt"},
      {"LSB Thüringen", "Landessportbund Thüringen"},
      {"LSB \xE2\x80\x93 Saarland", "Landessportverband für das Saarland"},  // en dash
      {"LSB Schleswig-Holstein", "Landessportverband Schleswig-Holstein"},
  };
  for (const auto& [kennung, bezeichnung] : bodies) {
    s.push_back(Lines({"INSERT INTO tblLSB (Kennung, Bezeichnung)", "VALUES",
                       "('" + kennung + "', '" + bezeichnung + "')"}));
  }
  for (const char* text : {
           "ALTER TABLE dbo.mandstam ADD LSB  varchar (50) NULL",
           "ALTER TABLE dbo.Adresse ALTER COLUMN Firma4 varchar(100) Null",
           "ALTER TABLE dbo.mandstam ADD FibuKost  char (1) NULL",
           "UPDATE mandstam SET FibuKost='N'",
           "ALTER TABLE dbo.Adresse ALTER COLUMN Telefon3 varchar(240) Null",
           "ALTER TABLE dbo.HyAdresse ALTER COLUMN Telefon3 varchar(240) Null",
           "ALTER TABLE dbo.AdresseZukunft ALTER COLUMN Telefon3 varchar(240) Null",
           "ALTER TABLE dbo.LogAdr ALTER COLUMN Telefon3 varchar(240) Null",
           "ALTER TABLE dbo.Adresse ADD DtOfSgntr  datetime  Null",
           "ALTER TABLE dbo.Adresse ADD SEPA_FE  char (1) Null",
           "UPDATE Adresse SET SEPA_FE='N'",
           "ALTER TABLE dbo.Mandstam ADD GlaeubigerId   varchar (20) Null",  // three blanks
           "ALTER TABLE dbo.mandstam ADD IBAN1  varchar (30) NULL",
           "ALTER TABLE dbo.mandstam ADD BIC1  varchar (30) NULL",
           "ALTER TABLE dbo.RECHN ADD EMailGesendet  char (1) Null",
           "ALTER TABLE dbo.RECHN ADD EMailSendeDatum  datetime  Null",
       }) {
    s.push_back(text);
  }
  // The sixteen columns of an invoice line slot, in the order they are added.
  const std::vector<std::pair<std::string, std::string>> slot_columns = {
      {"ArtikelNr_", "varchar (10)"},  {"Anzahl_", "numeric (19,8)"},
      {"Text1_", "varchar (60)"},      {"Text2_", "varchar (60)"},
      {"Netto_", "numeric (19,8)"},    {"MwSt_", "numeric (19,8)"},
      {"MwSt_Bet_", "numeric (19,8)"}, {"Brutto_", "numeric (19,8)"},
      {"EK_Art_", "numeric (19,8)"},   {"Spanne_", "numeric (19,8)"},
      {"Rabatt_", "numeric (19,8)"},   {"VK_Art_", "numeric (19,8)"},
      {"VK_Preis_", "numeric (19,8)"}, {"Konto", "int "},
      {"KoSt", "varchar (10)"},        {"KoTr", "int "}};
  for (int slot = 11; slot <= 15; ++slot) {
    for (const auto& [name, type] : slot_columns) {
      s.push_back("ALTER TABLE dbo.RECHN ADD " + name + std::to_string(slot) + "  " + type +
                  " Null");
    }
  }
  for (const std::string& text : {
           Lines({"CREATE TABLE dbo.tblBeitassProt (", "ID INT IDENTITY (1,1) NOT NULL,",
                  "Bezeichnung varchar (120) NOT NULL,", "Datum datetime NOT NULL,",
                  "AdrNr int NOT NULL,", "VertragNr VarChar (10) NOT NULL,",
                  "Art smallint NOT NULL,", "ArtName VarChar (120) NULL,",
                  "Sollstellung VarChar (10) NULL,", "VertragBegin datetime NULL,",
                  "VertragEnde datetime NULL,", "Betrag numeric (19,8) NULL)"}),
           Lines({"ALTER TABLE [dbo].[tblBeitassProt]  ADD",
                  "CONSTRAINT [PK_tblBeitassProt] PRIMARY KEY CLUSTERED", "([ID]) ON [PRIMARY]"}),
           std::string("ALTER TABLE dbo.Adresse ADD AdrNrKIH  int  Null"),
           std::string("ALTER TABLE dbo.Rechn ADD Abteilung  varchar (50) Null"),
           Lines({"CREATE TABLE dbo.tmpJournal (", "ID INT IDENTITY (1,1) NOT NULL,",
                  "Soll numeric (19,8) NULL,", "Haben numeric (19,8) NULL,",
                  "SollSt numeric (19,8) NULL,", "HabenSt numeric (19,8) NULL)"}),
           std::string("ALTER TABLE dbo.Mandstam ADD VerwZw1r  varchar (27) Null"),
           std::string("ALTER TABLE dbo.Mandstam ADD VerwZw2r  varchar (27) Null"),
           std::string("ALTER TABLE dbo.Mandstam ADD VerwZw3r  varchar (27) Null"),
           std::string("ALTER TABLE dbo.Mandstam ADD VerwZw4r  varchar (27) Null"),
           std::string("ALTER TABLE dbo.MgVert ADD RgNr  integer  Null"),
           std::string("ALTER TABLE dbo.MgSolln ADD AdrNrRg  integer  Null"),
       }) {
    s.push_back(text);
  }
  return s;
}

TEST_F(SportsBodiesTest, FirstRunSendsEveryStatementInCatalogueOrder) {
  Run({SportsBodiesAndInvoiceSlots});
  const std::vector<std::string> expected = FirstRunStatements();
  const std::vector<std::string> executed = Executed();
  for (std::size_t i = 0; i < std::min(expected.size(), executed.size()); ++i) {
    EXPECT_EQ(executed[i], expected[i]) << "statement " << i;
  }
  EXPECT_EQ(executed.size(), expected.size());
  EXPECT_EQ(progress_count(), 5);
  // The gauge moves only after each invoice line slot.
  const std::vector<std::string> lines = transcript.lines;
  const auto first_progress = std::find(lines.begin(), lines.end(), "progress");
  ASSERT_NE(first_progress, lines.end());
  EXPECT_NE(std::find(lines.begin(), first_progress,
                      "w execute ALTER TABLE dbo.RECHN ADD KoTr11  int  Null"),
            first_progress);
  EXPECT_EQ(std::find(lines.begin(), first_progress,
                      "w execute ALTER TABLE dbo.RECHN ADD ArtikelNr_12  varchar (10) Null"),
            first_progress);
}

TEST_F(SportsBodiesTest, FirstRunShapesSchemaAndFillsNewColumnsOnce) {
  Run({SportsBodiesAndInvoiceSlots});
  // The fixture has every table this segment touches: nothing fails, not
  // even the statements whose failure would be dropped.
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(transcript.With("w failed "), std::vector<std::string>{});

  struct ColumnCase {
    std::string table, column, type, length, nullable;
  };
  const std::vector<ColumnCase> columns = {
      {"PASS", "Vorlage_V", "varchar", "240", "YES"},
      {"PASS", "VORLAGE_SP", "varchar", "240", "YES"},
      {"Kontakt", "WordFile", "varchar", "240", "YES"},
      {"W_Vorl", "DatumBis", "datetime", "NULL", "YES"},
      {"F5Kont", "KoSt", "int", "NULL", "YES"},
      {"F6KoStGr", "KoStGr", "int", "NULL", "NO"},
      {"F6KoStGr", "Bezeichnung", "varchar", "60", "NO"},
      {"tblLSB", "Kennung", "varchar", "50", "NO"},
      {"Mandstam", "LSB", "varchar", "50", "YES"},
      {"Mandstam", "FibuKost", "char", "1", "YES"},
      {"Mandstam", "GlaeubigerId", "varchar", "20", "YES"},
      {"Mandstam", "IBAN1", "varchar", "30", "YES"},
      {"Mandstam", "VerwZw4r", "varchar", "27", "YES"},
      {"Adresse", "Firma4", "varchar", "100", "YES"},
      {"Adresse", "Telefon3", "varchar", "240", "YES"},
      {"HyAdresse", "Telefon3", "varchar", "240", "YES"},
      {"AdresseZukunft", "Telefon3", "varchar", "240", "YES"},
      {"LogAdr", "Telefon3", "varchar", "240", "YES"},
      {"Adresse", "SEPA_FE", "char", "1", "YES"},
      {"Adresse", "AdrNrKIH", "int", "NULL", "YES"},
      {"Rechn", "EMailSendeDatum", "datetime", "NULL", "YES"},
      {"Rechn", "ArtikelNr_11", "varchar", "10", "YES"},
      {"Rechn", "VK_Preis_15", "numeric", "NULL", "YES"},
      {"Rechn", "Konto13", "int", "NULL", "YES"},
      {"Rechn", "KoSt14", "varchar", "10", "YES"},
      {"Rechn", "Abteilung", "varchar", "50", "YES"},
      {"tblBeitassProt", "ID", "int", "NULL", "NO"},
      {"tblBeitassProt", "VertragNr", "varchar", "10", "NO"},
      {"tblBeitassProt", "Betrag", "numeric", "NULL", "YES"},
      {"tmpJournal", "HabenSt", "numeric", "NULL", "YES"},
      {"MgVert", "RgNr", "int", "NULL", "YES"},
      {"MgSolln", "AdrNrRg", "int", "NULL", "YES"},
  };
  for (const ColumnCase& c : columns) {
    EXPECT_EQ(Rows("SELECT DATA_TYPE, CHARACTER_MAXIMUM_LENGTH, IS_NULLABLE FROM "
                   "Information_Schema.Columns WHERE Table_Name='" +
                   c.table + "' AND Column_Name='" + c.column + "'"),
              (Table{{c.type, c.length, c.nullable}}))
        << c.table << "." << c.column;
  }
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM Information_Schema.Columns WHERE Table_Name='Rechn' AND "
                 "(Column_Name LIKE '%1[1-5]' OR Column_Name LIKE '%[_]1[1-5]')"),
            (Table{{"80"}}));

  for (const char* key :
       {"PK_d_str", "PK_d_orte", "PK_F6KoStGr", "PK_tblLSB", "PK_tblBeitassProt"}) {
    EXPECT_EQ(Rows(std::string("SELECT COUNT(*) FROM sysobjects WHERE name='") + key + "'"),
              (Table{{"1"}}))
        << key;
  }
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM sys.indexes WHERE is_primary_key=1 AND "
                 "OBJECT_NAME(object_id)='tmpJournal'"),
            (Table{{"0"}}));

  Table bodies = Rows("SELECT Kennung, Bezeichnung FROM tblLSB");
  EXPECT_EQ(bodies.size(), 18u);
  EXPECT_NE(std::find(bodies.begin(), bodies.end(),
                      std::vector<std::string>{"BSB Süd", "Badischer Sportbund Freiburg"}),
            bodies.end());
  EXPECT_NE(std::find(bodies.begin(), bodies.end(),
                      std::vector<std::string>{"LSB \xE2\x80\x93 Saarland",
                                               "Landessportverband für das Saarland"}),
            bodies.end());

  // Follow-ups: the day of Datum with hours and minutes of UhrZeit, and an
  // end 0.03 days (43 min 12 s) later; without a time both stay NULL.
  EXPECT_EQ(Rows("SELECT CONVERT(varchar(19), DatumVon, 120), CONVERT(varchar(19), DatumBis, 120) "
                 "FROM W_Vorl ORDER BY Datum"),
            (Table{{"2026-03-10 18:30:00", "2026-03-10 19:13:12"},
                   {"2026-03-31 10:05:00", "2026-03-31 10:48:12"},
                   {"NULL", "NULL"}}));
  EXPECT_EQ(Rows("SELECT DISTINCT FibuKost FROM Mandstam"), (Table{{"N"}}));
  EXPECT_EQ(Rows("SELECT SEPA_FE, COUNT(*) FROM Adresse GROUP BY SEPA_FE"), (Table{{"N", "9"}}));
}

TEST_F(SportsBodiesTest, SecondRunRepeatsOnlyTheEveryRunStatements) {
  Prepare({SportsBodiesAndInvoiceSlots});
  // A user renamed a body: the second run must keep it.
  Prepare({[](migration::TenantContext& t) {
    t.db.Exec(Policy::kUnguarded,
              "UPDATE tblLSB SET Bezeichnung='Sportbund Pfalz' WHERE Kennung='HSB'");
  }});
  const std::string before = DatabaseSnapshot();

  Run({SportsBodiesAndInvoiceSlots});

  EXPECT_EQ(
      Executed(),
      (std::vector<std::string>{
          "ALTER TABLE d_str ADD CONSTRAINT [PK_d_str] PRIMARY KEY CLUSTERED ([Nr]) ON [PRIMARY]",
          "ALTER TABLE d_orte ADD CONSTRAINT [PK_d_orte] PRIMARY KEY CLUSTERED ([Nr]) ON [PRIMARY]",
          "ALTER TABLE dbo.Kontakt ALTER COLUMN WordFile varchar(240) Null",
          "ALTER TABLE dbo.Pass ALTER COLUMN Vorlage_V varchar(240) Null",
          "ALTER TABLE dbo.Pass ALTER COLUMN Vorl_SB_V varchar(240) Null",
          "ALTER TABLE dbo.Pass ALTER COLUMN Rechn_Ver varchar(240) Null",
          "ALTER TABLE dbo.Pass ALTER COLUMN Liste_Verz varchar(240) Null",
          "ALTER TABLE dbo.Pass ALTER COLUMN VORLAGE_SP varchar(240) Null",
          "ALTER TABLE dbo.Adresse ALTER COLUMN Firma4 varchar(100) Null",
          "ALTER TABLE dbo.Adresse ALTER COLUMN Telefon3 varchar(240) Null",
          "ALTER TABLE dbo.HyAdresse ALTER COLUMN Telefon3 varchar(240) Null",
          "ALTER TABLE dbo.AdresseZukunft ALTER COLUMN Telefon3 varchar(240) Null",
          "ALTER TABLE dbo.LogAdr ALTER COLUMN Telefon3 varchar(240) Null",
      }));
  // Only the two lookup keys fail, silently: they exist now.
  EXPECT_EQ(transcript.With("w failed ").size(), 2u);
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(progress_count(), 5);
  EXPECT_EQ(DatabaseSnapshot(), before);
}

TEST_F(SportsBodiesTest, ExistingEmptyBodyListIsLeftEmpty) {
  Prepare({[](migration::TenantContext& t) {
    t.db.Exec(
        Policy::kUnguarded,
        "CREATE TABLE dbo.tblLSB (Kennung varchar(50) NOT NULL, Bezeichnung varchar(50) NOT NULL)");
  }});
  Run({SportsBodiesAndInvoiceSlots});
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM tblLSB"), (Table{{"0"}}));
  EXPECT_EQ(transcript.With("w execute INSERT INTO tblLSB"), std::vector<std::string>{});
}

// The widenings of Kontakt, PASS and AdresseZukunft and the one-time fills
// have no handler: without their table the run ends at that statement.
struct UnguardedCase {
  const char* drop;
  const char* failing;
};

void PrintTo(const UnguardedCase& c, std::ostream* os) { *os << c.drop; }

class SportsBodiesUnguardedTest : public EarlierSegmentsTest,
                                  public ::testing::WithParamInterface<UnguardedCase> {};

TEST_P(SportsBodiesUnguardedTest, FailureEndsTheRun) {
  const UnguardedCase& c = GetParam();
  Prepare({[&](migration::TenantContext& t) { t.db.Exec(Policy::kUnguarded, c.drop); }});
  EXPECT_THROW(Run({SportsBodiesAndInvoiceSlots}), db::Error);
  ASSERT_FALSE(Executed().empty());
  EXPECT_EQ(Executed().back(), c.failing);
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    MissingTables, SportsBodiesUnguardedTest,
    ::testing::Values(
        UnguardedCase{"DROP TABLE dbo.Kontakt",
                      "ALTER TABLE dbo.Kontakt ALTER COLUMN WordFile varchar(240) Null"},
        UnguardedCase{"DROP TABLE dbo.AdresseZukunft",
                      "ALTER TABLE dbo.AdresseZukunft ALTER COLUMN Telefon3 varchar(240) Null"},
        // AddField reports the column as added although its ALTER fails.
        UnguardedCase{"DROP TABLE dbo.Mandstam", "UPDATE mandstam SET FibuKost='N'"}));

}  // namespace
}  // namespace quelor::testing
