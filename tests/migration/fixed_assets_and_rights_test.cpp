// Fixed assets, letter layout, protocol tables and user rights on the
// previous-release tenant, after the first routine and the sports-list keys.
#include "migration/fixed_assets_and_rights.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "db/error.h"
#include "first_routine.h"
#include "migration/reference_commands.h"
#include "migration/sports_list_keys.h"

namespace quelor::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;
using db::Policy;
using migration::FixedAssetsLetterLayoutAndRights;
using migration::FixedAssetsWithDepreciationTable;

// The tenant as the sports-list keys leave it, the segment before this one in
// Update1.
class FixedAssetsTest : public MigrationTest {
 protected:
  void SetUp() override {
    std::vector<Segment> segments = FirstRoutineSegments();
    segments.push_back(migration::SportsListKeysAndDueDates);
    Prepare(segments);
  }
};

std::string Lines(std::initializer_list<std::string_view> lines) { return db::JoinCrLf(lines); }

struct Right {
  int rb;
  const char* bezeichnung;
  const char* kurzname;
};

const std::vector<Right> kRights = {
    {1, "Vereinsdaten anlegen, bearbeiten", "Vereinsdaten"},
    {2, "Adressen anlegen, bearbeiten", "Adressen"},
    {3, "Beiträge anlegen, bearbeiten", "Beitrage"},
    {4, "Sollstellungen durchführen", "Sollstellung"},
    {5, "Sollstellungen löschen", "SollstellungLoschen"},
    {6, "SEPA einrichten", "SEPA"},
    {7, "Beitragseinzug erstellen", "BeitragseinzugErstellen"},
    {8, "Beitragsrechnungen schreiben", "BeitragrechnungenSchreiben"},
    {9, "Bezahlte Beiträge ausgleichen", "BezahlteBeitrageAusgleichen"},
    {10, "Rücklastschriften buchen", "RucklastschriftenBuchen"},
    {11, "offene Beitragszahlungen anmahnen", "OffeneBeitragszahlungenAnmahnen"},
    {11, "Bankgeschäfte durchführen", "BankgeschafteDurchfuhren"},
    {12, "Statistische Auswertungen (Mitglieder)", "StatistischeAuswertungen"},
    {13, "Korrespondenz", "Korrespondenz"},
    {14, "Zuwendungsbestätigungen erstellen", "ZuwendungsbestatigungenErstellen"},
    {15, "Buchhaltung", "Buchhaltung"},
    {16, "Faktura", "Faktura"},
};

const char kRightEight[] =
    "UPDATE tblRechte SET Bezeichnung='Beitragsrechnungen schreiben' WHERE RB=8\r\n";

// Every statement the segment sends to the fixture on its first run, in order.
std::vector<std::string> FirstRunStatements(const std::string& anlage_typ) {
  std::vector<std::string> s = {
      Lines({"CREATE TABLE dbo.Anlagegut (",
             "InventarNr varchar(20) NOT NULL,",
             "Name varchar(240) NOT NULL,",
             "Typ varchar(240) NOT NULL,",
             "Abschreibungsart char(1) NOT NULL,",
             "Nutzungsdauer integer NOT NULL,",
             "Anschaffungsdatum datetime NOT NULL,",
             "Anschaffungskosten numeric (18,8) NOT NULL,",
             "Nebenkosten numeric (18,8) NOT NULL,",
             "Investitionsabzug numeric (18,8) NOT NULL,",
             "Restwert numeric (18,8) NOT NULL,",
             "SonderAfa numeric (18,8) NOT NULL,",
             "Wahlrecht char(1) NULL,",
             "WahlrechtBez varchar(240) NULL,",
             "Runden char(1) NULL,",
             "Vereinfachnug char(1) NULL,",
             "Anlagekonto integer NULL,",
             "Abschkonto integer NULL,",
             "KoSt integer NULL,",
             "Abteilung varchar(40) NULL,",
             "GaeretNr varchar(40) NULL,",
             "Sonstige text NULL)"}),
      Lines({"ALTER TABLE [dbo].[Anlagegut]  ADD",
             "CONSTRAINT [PK_Anlagegut] PRIMARY KEY CLUSTERED", "([InventarNr]) ON [PRIMARY]"}),
      Lines({"CREATE TABLE dbo.Anlagetabelle (", "Name varchar(240) NOT NULL,",
             "Nutzungsdauer integer NOT NULL,", "Fundstelle varchar(20) NOT NULL)"}),
      Lines({"ALTER TABLE [dbo].[Anlagetabelle]  ADD",
             "CONSTRAINT [PK_Anlagetabelle] PRIMARY KEY CLUSTERED", "([Name]) ON [PRIMARY]"}),
      Lines({"CREATE TABLE dbo.AnlageAbschr (", "InventarNr varchar(20) NOT NULL,",
             "Jahr integer NOT NULL,", "LaufzeitBis integer NOT NULL,",
             "Anschaffungskosten numeric (18,8) NOT NULL,", "AfaBetrag numeric (18,8) NOT NULL,",
             "Buchwert numeric (18,8) NOT NULL,", "Kummuliert numeric (18,8) NOT NULL,",
             "Abschreibungsart char(1) NOT NULL,", "Gerundet char(1) NOT NULL)"}),
      Lines({"ALTER TABLE [dbo].[AnlageAbschr]  ADD",
             "CONSTRAINT [PK_AnlageAbschr] PRIMARY KEY CLUSTERED",
             "([InventarNr],[Jahr]) ON [PRIMARY]"}),
      Lines({"CREATE TABLE [dbo].[tblBriefEinst](",
             " [Layout] [int] NULL,",
             " [Name] [varchar] (250) NULL,",
             " [NameFontName] [varchar] (50) NULL,",
             " [NameFontSize] [int] NULL,",
             " [Slogan] [varchar] (250) NULL,",
             " [AnschriftZeile1] [varchar] (250) NULL,",
             " [AnschriftZeile2] [varchar] (250) NULL,",
             " [AnschriftZeile3] [varchar] (250) NULL,",
             " [AnschriftZeile4] [varchar] (250) NULL,",
             " [AnschriftZeile5] [varchar] (250) NULL,",
             " [Logo] [image]  NULL,",
             " [Breiftext] [text] NULL,",
             " [AbsenderZeile] [varchar] (250) NULL,",
             " [AbsenderZeileDrucken] [char] (1) NULL,",
             " [FusstexteLinks] [text] NULL,",
             " [FusstexteRechts] [text] NULL,",
             " [FusstexteDrucken] [char] (1) NULL,",
             " [BlattmarkenDrucken] [char] (1) NULL",
             ") ON [PRIMARY]"}),
      // Breiftext comes with the table: nothing is sent for it.
      "ALTER TABLE dbo.tblBriefEinst ADD Datum  DateTime  Null",
      "ALTER TABLE dbo.AnlageAbschr ADD SonderAfa  numeric (18,8) NULL",
      "ALTER TABLE dbo.Anlagegut ADD Optionen  text  Null",
      "ALTER TABLE dbo.AnlageAbschr ADD ID  int IDENTITY (1,1) NOT NULL",
      "ALTER TABLE dbo.Anlagegut ADD Abgang  numeric (18,8) NULL",
      "ALTER TABLE dbo.F5einst ADD MONATBIS  smallint  Null",
      "UPDATE F5einst SET MONATBIS=MONAT",
      Lines({"CREATE TABLE DEEinzelProt (", "[LfdNr] [int] IDENTITY(1,1) NOT NULL,",
             "[Benutzer] [varchar](50) NULL,", "[Datum] [datetime] NULL,", "[Mandant] [int] NULL,",
             " CONSTRAINT [PK_DEEinzelProt] PRIMARY KEY CLUSTERED",
             "([LfdNr] ASC) ON [PRIMARY]) ON [PRIMARY]"}),
      Lines({"CREATE TABLE DEEinzelProtS (", "[ID] [int] IDENTITY(1,1) NOT NULL,",
             "[DELfdNr] [int] NULL,", "[HKonto] [int] NULL,", "[Konto] [int] NULL,",
             "[InterneNr] [int] NULL,", "[LfdNr] [int] NULL,", "[AktDatum] [datetime] NULL,",
             "[AktZeit] [datetime] NULL,", "[BelegNr] [int] NULL,",
             "[Brutto] [numeric](18, 8) NULL,", "[KoSt] [varchar](10) NULL,",
             "[KoTr] [varchar](24) NULL,", "[BText] [varchar](240) NULL,",
             "CONSTRAINT [PK_DEEinzelProtS] PRIMARY KEY CLUSTERED",
             "(\t[ID] ASC) ON [PRIMARY]) ON [PRIMARY]"}),
      "ALTER TABLE dbo.F5bw4sgA ADD DATEVDatum  datetime  NULL",
      "ALTER TABLE dbo.F5bew4sg ADD DATEVDatum  datetime  NULL",
      "ALTER TABLE dbo.F5Kont ADD DatevAuto  char (1) Null",
      // The second Betreff (240) finds the first one: nothing is sent.
      "ALTER TABLE dbo.tblBriefEinst ADD Betreff  varchar (200) Null",
      "ALTER TABLE dbo.tblBriefEinst ADD ID  INT IDENTITY (1,1)  Not Null",
      "ALTER TABLE dbo.F5Bew4s ADD Betrag  numeric (18,8) NULL",
      "ALTER TABLE dbo.F5Bw4sa ADD Betrag  numeric (18,8) NULL",
      "ALTER TABLE dbo.Einst ADD Anlage3  char (1) NULL",
      "DELETE FROM AnlageTabelle\r\n",
  };
  if (!anlage_typ.empty()) s.push_back(anlage_typ);
  for (const std::string& text : {
           std::string("ALTER TABLE dbo.AnlageGut ADD AbgangDatum  datetime  NULL"),
           std::string("ALTER TABLE dbo.F5Bew4s ADD Kontoart  varchar (10) NULL"),
           std::string("ALTER TABLE dbo.F5Bw4sa ADD Kontoart  varchar (10) NULL"),
           std::string("ALTER TABLE dbo.F5Bew4s ADD Soll_Haben  varchar (10) NULL"),
           std::string("ALTER TABLE dbo.F5Bw4sa ADD Soll_Haben  varchar (10) NULL"),
           std::string("ALTER TABLE dbo.PASS ADD EMail  varchar (200) NULL"),
           std::string("ALTER TABLE dbo.PASS ADD Verwalter  char (1) NULL"),
           std::string("UPDATE PASS SET Verwalter='J'\r\n"),
           Lines({"CREATE TABLE tblRechte (", "[ID] [int] IDENTITY (1, 1) NOT NULL,",
                  "[BENUTZER] [varchar] (12) NOT NULL,", "[RB] [int] NOT NULL,",
                  "[Bezeichnung] [varchar] (100) NOT NULL,", "[Kurzname] [varchar] (50) NOT NULL,",
                  "[Ind] [char] (1) NOT NULL,", "CONSTRAINT [PK_tblRechte] PRIMARY KEY CLUSTERED",
                  "([ID] ASC) ON [PRIMARY]) ON [PRIMARY]"}),
       }) {
    s.push_back(text);
  }
  for (const Right& right : kRights) {
    s.push_back(Lines({"INSERT INTO tblRechte (BENUTZER, RB, Bezeichnung, Kurzname, Ind)",
                       " SELECT BENUTZER, " + std::to_string(right.rb) + ", '" + right.bezeichnung +
                           "', '" + right.kurzname + "', 'J' FROM PASS"}));
  }
  for (const char* text : {
           "CREATE NONCLUSTERED INDEX iBenutzer ON tblRechte (BENUTZER, Kurzname)",
           "ALTER TABLE dbo.AnlageGut ADD AfaArt  varchar (255) NULL",
           "ALTER TABLE dbo.F5BuText ADD SollHaben  varchar (5) NULL",
           kRightEight,
       }) {
    s.push_back(text);
  }
  return s;
}

TEST_F(FixedAssetsTest, FirstRunSendsEveryStatementInCatalogueOrder) {
  Run({FixedAssetsLetterLayoutAndRights});
  const std::vector<std::string> expected = FirstRunStatements(migration::AnlageTypCommand());
  const std::vector<std::string> executed = Executed();
  for (std::size_t i = 0; i < std::min(expected.size(), executed.size()); ++i) {
    EXPECT_EQ(executed[i], expected[i]) << "statement " << i;
  }
  EXPECT_EQ(executed.size(), expected.size());
  EXPECT_EQ(progress_count(), 0);
}

TEST_F(FixedAssetsTest, FirstRunCreatesTheTablesAndGrantsEveryRightToEveryUser) {
  Run({FixedAssetsLetterLayoutAndRights});

  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(transcript.With("w failed "), std::vector<std::string>{});

  struct ColumnCase {
    std::string table, column, type, length, nullable;
  };
  const std::vector<ColumnCase> columns = {
      {"Anlagegut", "InventarNr", "varchar", "20", "NO"},
      {"Anlagegut", "Vereinfachnug", "char", "1", "YES"},
      {"Anlagegut", "GaeretNr", "varchar", "40", "YES"},
      {"Anlagegut", "Sonstige", "text", "2147483647", "YES"},
      {"Anlagegut", "Optionen", "text", "2147483647", "YES"},
      {"Anlagegut", "Abgang", "numeric", "NULL", "YES"},
      {"Anlagegut", "AbgangDatum", "datetime", "NULL", "YES"},
      {"Anlagegut", "AfaArt", "varchar", "255", "YES"},
      {"Anlagetabelle", "Fundstelle", "varchar", "20", "NO"},
      {"AnlageAbschr", "SonderAfa", "numeric", "NULL", "YES"},
      {"AnlageAbschr", "ID", "int", "NULL", "NO"},
      {"tblBriefEinst", "Logo", "image", "2147483647", "YES"},
      {"tblBriefEinst", "Datum", "datetime", "NULL", "YES"},
      // The first of the two Betreff additions wins.
      {"tblBriefEinst", "Betreff", "varchar", "200", "YES"},
      {"tblBriefEinst", "ID", "int", "NULL", "NO"},
      {"F5einst", "MONATBIS", "smallint", "NULL", "YES"},
      {"DEEinzelProt", "LfdNr", "int", "NULL", "NO"},
      {"DEEinzelProtS", "Brutto", "numeric", "NULL", "YES"},
      {"F5bw4sgA", "DATEVDatum", "datetime", "NULL", "YES"},
      {"F5bew4sg", "DATEVDatum", "datetime", "NULL", "YES"},
      {"F5Kont", "DatevAuto", "char", "1", "YES"},
      {"F5Bew4s", "Betrag", "numeric", "NULL", "YES"},
      {"F5Bw4sa", "Soll_Haben", "varchar", "10", "YES"},
      {"EINST", "Anlage3", "char", "1", "YES"},
      {"PASS", "EMail", "varchar", "200", "YES"},
      {"PASS", "Verwalter", "char", "1", "YES"},
      {"tblRechte", "BENUTZER", "varchar", "12", "NO"},
      {"F5BuText", "SollHaben", "varchar", "5", "YES"},
  };
  for (const ColumnCase& c : columns) {
    EXPECT_EQ(ColumnShape(c.table, c.column), (Table{{c.type, c.length, c.nullable}}))
        << c.table << "." << c.column;
  }
  for (const char* key : {"PK_Anlagegut", "PK_Anlagetabelle", "PK_AnlageAbschr", "PK_DEEinzelProt",
                          "PK_DEEinzelProtS", "PK_tblRechte"}) {
    EXPECT_EQ(Rows(std::string("SELECT COUNT(*) FROM sysobjects WHERE name='") + key + "'"),
              (Table{{"1"}}))
        << key;
  }
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM SysIndexes WHERE name='iBenutzer'"), (Table{{"1"}}));

  EXPECT_EQ(Rows("SELECT MONAT, MONATBIS FROM F5einst"), (Table{{"3", "3"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*), MIN(Verwalter), MAX(Verwalter) FROM PASS"),
            (Table{{"3", "J", "J"}}));
  // Seventeen rights for each of the three users, number 11 twice.
  EXPECT_EQ(Rows("SELECT BENUTZER, COUNT(*), COUNT(DISTINCT RB), MIN(Ind), MAX(Ind) FROM "
                 "tblRechte GROUP BY BENUTZER ORDER BY BENUTZER"),
            (Table{{"ADMIN", "17", "16", "J", "J"},
                   {"Geschaeftsst", "17", "16", "J", "J"},
                   {"Kasse", "17", "16", "J", "J"}}));
  Table expected_rights;
  for (const Right& right : kRights) {
    expected_rights.push_back({std::to_string(right.rb), right.bezeichnung, right.kurzname});
  }
  EXPECT_EQ(Rows("SELECT RB, Bezeichnung, Kurzname FROM tblRechte WHERE BENUTZER='Kasse' "
                 "ORDER BY ID"),
            expected_rights);
  // One row per insert statement of the load.
  const std::string load = migration::AnlageTypCommand();
  std::size_t inserts = 0;
  for (std::size_t at = load.find("Insert Into"); at != std::string::npos;
       at = load.find("Insert Into", at + 1)) {
    ++inserts;
  }
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM AnlageTabelle"), (Table{{std::to_string(inserts)}}));
}

TEST_F(FixedAssetsTest, SecondRunRepeatsOnlyTheTextOfRightEight) {
  Prepare({FixedAssetsLetterLayoutAndRights});
  const std::string before = DatabaseSnapshot();

  Run({FixedAssetsLetterLayoutAndRights});

  EXPECT_EQ(Executed(), std::vector<std::string>{kRightEight});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(transcript.With("w failed "), std::vector<std::string>{});
  EXPECT_EQ(DatabaseSnapshot(), before);
}

TEST_F(FixedAssetsTest, DepreciationTableIsLoadedOnceFromItsCommand) {
  const std::string command =
      "Insert Into AnlageTabelle Select Name='Abfüllanlagen', Nutzungsdauer=10, "
      "Fundstelle='5.22'\r\n"
      "Insert Into AnlageTabelle Select Name='GwG bis 410,- €', Nutzungsdauer=1, "
      "Fundstelle='7.1'";
  Run({[&](migration::TenantContext& t) { FixedAssetsWithDepreciationTable(t, command); }});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(Rows("SELECT Name, Nutzungsdauer, Fundstelle FROM AnlageTabelle ORDER BY Name"),
            (Table{{"Abfüllanlagen", "10", "5.22"}, {"GwG bis 410,- €", "1", "7.1"}}));

  // A user's own row survives the next run: the load is tied to EINST.Anlage3.
  Prepare({[](migration::TenantContext& t) {
    t.db.Exec(Policy::kUnguarded,
              "INSERT INTO AnlageTabelle VALUES ('Vereinsheim-Sauna', 15, 'eigene')");
  }});
  Run({[&](migration::TenantContext& t) { FixedAssetsWithDepreciationTable(t, command); }});
  EXPECT_EQ(transcript.With("w execute " + command), std::vector<std::string>{});
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM AnlageTabelle"), (Table{{"3"}}));
}

TEST_F(FixedAssetsTest, TenantWithoutUsersGetsAnEmptyRightsTable) {
  Prepare({[](migration::TenantContext& t) { t.db.Exec(Policy::kUnguarded, "DELETE FROM PASS"); }});
  Run({FixedAssetsLetterLayoutAndRights});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(transcript.With("w execute INSERT INTO tblRechte").size(), 17u);
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM tblRechte"), (Table{{"0"}}));
}

// A tenant that has the asset register but lacks the other asset tables (a
// refusal let pass cut their creation short) gets them from its own probes;
// otherwise every later run would stop where the depreciation table is used.
TEST_F(FixedAssetsTest, AnExistingAssetRegisterGetsTheMissingAssetTables) {
  Prepare({[](migration::TenantContext& t) {
    t.db.Exec(Policy::kUnguarded,
              "CREATE TABLE dbo.Anlagegut (InventarNr varchar(20) NOT NULL, Name varchar(240) "
              "NOT NULL)");
  }});
  const std::string load =
      "Insert Into AnlageTabelle Select Name='Abfüllanlagen', Nutzungsdauer=10, Fundstelle='5.22'";
  Run({[&](migration::TenantContext& t) { FixedAssetsWithDepreciationTable(t, load); }});
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM sysobjects WHERE name IN ('Anlagetabelle', "
                 "'AnlageAbschr')"),
            (Table{{"2"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM Anlagetabelle"), (Table{{"1"}}));
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
}

// The copy of MONAT and the grants have no handler: their failure ends the run.
struct UnguardedCase {
  const char* drop;
  const char* failing;
};

void PrintTo(const UnguardedCase& c, std::ostream* os) { *os << c.drop; }

class FixedAssetsUnguardedTest : public FixedAssetsTest,
                                 public ::testing::WithParamInterface<UnguardedCase> {};

TEST_P(FixedAssetsUnguardedTest, FailureEndsTheRun) {
  const UnguardedCase& c = GetParam();
  Prepare({[&](migration::TenantContext& t) { t.db.Exec(Policy::kUnguarded, c.drop); }});
  EXPECT_THROW(Run({FixedAssetsLetterLayoutAndRights}), db::Error);
  ASSERT_FALSE(Executed().empty());
  EXPECT_EQ(Executed().back(), c.failing);
}

INSTANTIATE_TEST_SUITE_P(
    MissingTables, FixedAssetsUnguardedTest,
    ::testing::Values(
        // AddField reports MONATBIS as added although its ALTER fails.
        UnguardedCase{"DROP TABLE dbo.F5einst", "UPDATE F5einst SET MONATBIS=MONAT"},
        UnguardedCase{"DROP TABLE dbo.PASS",
                      "INSERT INTO tblRechte (BENUTZER, RB, Bezeichnung, Kurzname, Ind)\r\n"
                      " SELECT BENUTZER, 1, 'Vereinsdaten anlegen, bearbeiten', 'Vereinsdaten', "
                      "'J' FROM PASS\r\n"}));

}  // namespace
}  // namespace quelor::testing
