// The depreciation table, the association chart of accounts and its tax keys
// as load commands, each run on the simulated server against its table shaped
// as the catalogue leaves it when the command runs.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "migration/association_chart_tables.h"
#include "migration/reference_commands.h"
#include "migration_fixture.h"
#include "sim/catalog/schema.h"
#include "sim/connection/sim_connection.h"
#include "support/text_rows.h"

namespace quelor::testing {
namespace {

using migration::AnlageTypCommand;
using migration::F5DatSkr49Command;
using migration::Skr49Command;
using Table = std::vector<std::vector<std::string>>;

const char kCreateAnlagetabelle[] =
    "CREATE TABLE dbo.Anlagetabelle (\r\n"
    "Name varchar(240) NOT NULL,\r\n"
    "Nutzungsdauer integer NOT NULL,\r\n"
    "Fundstelle varchar(20) NOT NULL)\r\n";
const char kKeyAnlagetabelle[] =
    "ALTER TABLE [dbo].[Anlagetabelle]  ADD\r\n"
    "CONSTRAINT [PK_Anlagetabelle] PRIMARY KEY CLUSTERED\r\n"
    "([Name]) ON [PRIMARY]\r\n";

// The account table as it is created, in the account-template layout.
const char kCreateF5Skr49[] =
    "CREATE TABLE dbo.F5SKR49 (\r\n"
    "[BUCHJAHR] [smallint] NOT NULL,\r\n"
    "[KONTONR] [int] NOT NULL,\r\n"
    "[BEZEICHG] [varchar](40) NULL,\r\n"
    "[ABHABEN] [numeric](19, 8) NULL,\r\n"
    "[ABSOLL] [numeric](19, 8) NULL,\r\n"
    "[JAHRUMSH] [numeric](19, 8) NULL,\r\n"
    "[JAHRUMSS] [numeric](19, 8) NULL,\r\n"
    "[BILANZGUV] [varchar](8) NULL,\r\n"
    "[KENNZAHL] [varchar](10) NULL,\r\n"
    "[KTOART] [varchar](40) NULL,\r\n"
    "[START] [varchar](20) NULL,\r\n"
    "[STSCHL] [smallint] NULL,\r\n"
    "[KREDKONTO] [int] NULL,\r\n"
    "[DEBITKTO] [int] NULL,\r\n"
    "[MOUMSHJAN] [numeric](19, 8) NULL,\r\n"
    "[MOUMSSJAN] [numeric](19, 8) NULL,\r\n"
    "[MOUMSHFEB] [numeric](19, 8) NULL,\r\n"
    "[MOUMSSFEB] [numeric](19, 8) NULL,\r\n"
    "[MOUMSHMÄRZ] [numeric](19, 8) NULL,\r\n"
    "[MOUMSSMÄRZ] [numeric](19, 8) NULL,\r\n"
    "[MOUMSHAPRIL] [numeric](19, 8) NULL,\r\n"
    "[MOUMSSAPRIL] [numeric](19, 8) NULL,\r\n"
    "[MOUMSHMAI] [numeric](19, 8) NULL,\r\n"
    "[MOUMSSMAI] [numeric](19, 8) NULL,\r\n"
    "[MOUMSHJUNI] [numeric](19, 8) NULL,\r\n"
    "[MOUMSSJUNI] [numeric](19, 8) NULL,\r\n"
    "[MOUMSHJULI] [numeric](19, 8) NULL,\r\n"
    "[MOUMSSJULI] [numeric](19, 8) NULL,\r\n"
    "[MOUMSHAUG] [numeric](19, 8) NULL,\r\n"
    "[MOUMSSAUG] [numeric](19, 8) NULL,\r\n"
    "[MOUMSHSEP] [numeric](19, 8) NULL,\r\n"
    "[MOUMSSSEP] [numeric](19, 8) NULL,\r\n"
    "[MOUMSHOKT] [numeric](19, 8) NULL,\r\n"
    "[MOUMSSOKT] [numeric](19, 8) NULL,\r\n"
    "[MOUMSHNOV] [numeric](19, 8) NULL,\r\n"
    "[MOUMSSNOV] [numeric](19, 8) NULL,\r\n"
    "[MOUMSHDEZ] [numeric](19, 8) NULL,\r\n"
    "[MOUMSSDEZ] [numeric](19, 8) NULL,\r\n"
    "[VERDICHTEN] [varchar](6) NULL,\r\n"
    "[KENNZUSTV] [smallint] NULL,\r\n"
    "[SEITENZAHL] [smallint] NULL,\r\n"
    "[SPERRE] [varchar](6) NULL,\r\n"
    "[FÄLLIGKEIT1] [smallint] NULL,\r\n"
    "[SKONTO1_] [numeric](19, 8) NULL,\r\n"
    "[FÄLLIGKEIT2] [smallint] NULL,\r\n"
    "[SKONTO2_] [numeric](19, 8) NULL,\r\n"
    "[FÄLLIGKEIT3] [smallint] NULL,\r\n"
    "[HAUPTKONTO] [numeric](19, 8) NULL,\r\n"
    "[VORLABHAB] [numeric](19, 8) NULL,\r\n"
    "[VORLABSOLL] [numeric](19, 8) NULL,\r\n"
    "[SEITENANZLE] [numeric](19, 8) NULL,\r\n"
    "[VALUTA] [varchar](3) NULL,\r\n"
    "[PlanJahrSoll] [numeric](19, 8) NULL,\r\n"
    "[PlanJahrHaben] [numeric](19, 8) NULL,\r\n"
    "[PlanSollJan] [numeric](19, 8) NULL,\r\n"
    "[PlanHabenJan] [numeric](19, 8) NULL,\r\n"
    "[PlanSollFeb] [numeric](19, 8) NULL,\r\n"
    "[PlanHabenFeb] [numeric](19, 8) NULL,\r\n"
    "[PlanSollMaerz] [numeric](19, 8) NULL,\r\n"
    "[PlanHabenMaerz] [numeric](19, 8) NULL,\r\n"
    "[PlanSollApril] [numeric](19, 8) NULL,\r\n"
    "[PlanHabenApril] [numeric](19, 8) NULL,\r\n"
    "[PlanSollMai] [numeric](19, 8) NULL,\r\n"
    "[PlanHabenMai] [numeric](19, 8) NULL,\r\n"
    "[PlanSollJuni] [numeric](19, 8) NULL,\r\n"
    "[PlanHabenJuni] [numeric](19, 8) NULL,\r\n"
    "[PlanSollJuli] [numeric](19, 8) NULL,\r\n"
    "[PlanHabenJuli] [numeric](19, 8) NULL,\r\n"
    "[PlanSollAug] [numeric](19, 8) NULL,\r\n"
    "[PlanHabenAug] [numeric](19, 8) NULL,\r\n"
    "[PlanSollSep] [numeric](19, 8) NULL,\r\n"
    "[PlanHabenSep] [numeric](19, 8) NULL,\r\n"
    "[PlanSollOkt] [numeric](19, 8) NULL,\r\n"
    "[PlanHabenOkt] [numeric](19, 8) NULL,\r\n"
    "[PlanSollNov] [numeric](19, 8) NULL,\r\n"
    "[PlanHabenNov] [numeric](19, 8) NULL,\r\n"
    "[PlanSollDez] [numeric](19, 8) NULL,\r\n"
    "[PlanHabenDez] [numeric](19, 8) NULL,\r\n"
    "[STSCH_U] [varchar](1) NULL,\r\n"
    "[KONTO_WGEWI] [numeric](19, 8) NULL,\r\n"
    "[KONTO_WVERL] [numeric](19, 8) NULL,\r\n"
    "[KOST_J_N] [varchar](6) NULL,\r\n"
    "[KontoArt] [varchar](40) NULL,\r\n"
    "[Bank] [varchar](6) NULL,\r\n"
    "[Unterkonto] [varchar](1) NULL,\r\n"
    "[HauptKto] [int] NULL,\r\n"
    "[Bezeich2] [varchar](40) NULL,\r\n"
    "[KdLfNr] [varchar](30) NULL,\r\n"
    "[KennzGuV] [varchar](10) NULL,\r\n"
    "[KennzBilanz] [varchar](10) NULL,\r\n"
    "[KennzBWA] [varchar](10) NULL,\r\n"
    "[HHRest] [numeric](19, 8) NULL,\r\n"
    "[OPS] [varchar](1) NULL,\r\n"
    "[Spende] [char](10) NULL,\r\n"
    "[KennzEU] [char](10) NULL,\r\n"
    "[BenutzerErf] [varchar](20) NULL,\r\n"
    "[BenutzerAend] [varchar](20) NULL,\r\n"
    "[DatumErf] [datetime] NULL,\r\n"
    "[DatumAend] [datetime] NULL,\r\n"
    "[Kassenstand] [numeric](18, 8) NULL,\r\n"
    "[Anfangsbestand] [numeric](18, 8) NULL,\r\n"
    "[AktBelegNr] [numeric](18, 8) NULL,\r\n"
    "[KB] [char](1) NULL,\r\n"
    "[EINAUS] [char](1) NULL,\r\n"
    "[Steuersammelkonto] [varchar](1) NULL,\r\n"
    "[KennzEUR] [varchar](7) NULL\r\n"
    ") ON [PRIMARY]\r\n";
const char kKeyF5Skr49[] =
    "ALTER TABLE [dbo].[F5SKR49]  ADD CONSTRAINT [PK_F5SKR49] PRIMARY KEY CLUSTERED (\r\n"
    "[BUCHJAHR] ASC,\r\n"
    "[KONTONR] ASC\r\n"
    ")WITH (IGNORE_DUP_KEY = OFF) ON [PRIMARY]\r\n";
// The two columns the account table gains before it is loaded.
const char kAddKoSt[] = "ALTER TABLE dbo.F5SKR49 ADD KoSt  int  NULL";
const char kAddDatevAuto[] = "ALTER TABLE dbo.F5SKR49 ADD DatevAuto  char(1)  NULL";

const char kCreateF5DatSkr49[] =
    "CREATE TABLE dbo.F5DatSKR49 (\r\n"
    "[STEUERSCHL] [smallint] NOT NULL,\r\n"
    "[MWSTKTO] [int] NULL,\r\n"
    "[VORST_KTO] [int] NULL,\r\n"
    "[BFG_BASIS] [smallint] NULL,\r\n"
    "[BFB_GGKTO] [smallint] NULL,\r\n"
    "[BEG] [varchar](5) NULL,\r\n"
    "[Klasse] [char](1) NULL,\r\n"
    "[LfdNr] [int] IDENTITY(1,1) NOT NULL\r\n"
    ") ON [PRIMARY]\r\n";
const char kKeyF5DatSkr49[] =
    "ALTER TABLE [dbo].[F5DatSKR49]  ADD CONSTRAINT [PK_F5DatSKR49] PRIMARY KEY CLUSTERED (\r\n"
    "[STEUERSCHL] ASC,\r\n"
    "[LfdNr] ASC\r\n"
    ")WITH (IGNORE_DUP_KEY = OFF) ON [PRIMARY]\r\n";

// The statements of a command, split at CR LF.
std::vector<std::string> Statements(const std::string& command) {
  std::vector<std::string> statements;
  std::size_t start = 0;
  while (start <= command.size()) {
    std::size_t end = command.find("\r\n", start);
    if (end == std::string::npos) end = command.size();
    statements.push_back(command.substr(start, end - start));
    start = end + 2;
  }
  return statements;
}

TEST(ChartDataTest, FirstStatementsAndSeparators) {
  struct Case {
    const char* name;
    std::string command;
    std::string first;  // the whole first statement, or only its start for the accounts
    std::string last_prefix;
  };
  const std::vector<Case> cases = {
      {"depreciation table", AnlageTypCommand(),
       "Insert Into AnlageTabelle Select Name='Abf\xC3\xBCllanlagen', Nutzungsdauer=10, "
       "Fundstelle='5.22'",
       "Insert Into AnlageTabelle Select Name='GwG bis 410,- \xE2\x82\xAC', Nutzungsdauer=1, "
       "Fundstelle='"},
      {"accounts", Skr49Command(),
       "Insert Into F5SKR49 Select BUCHJAHR=2015, KONTONR=1, "
       "BEZEICHG='Anspr. Einzahlung Stiftungs/Stammkapital', "
       "ABHABEN=0, ABSOLL=0, JAHRUMSH=0, JAHRUMSS=0, BILANZGUV='BILANZ', KENNZAHL='', "
       "KTOART='Aktiv', START='ohne Steuer', STSCHL=null, KREDKONTO=null, DEBITKTO=null, "
       "MOUMSHJAN=0, ",
       "Insert Into F5SKR49 Select BUCHJAHR=2015, KONTONR="},
      {"tax keys", F5DatSkr49Command(),
       "Insert Into F5DATSKR49 (STEUERSCHL,MWSTKTO,VORST_KTO,BFG_BASIS,BFB_GGKTO,BEG,Klasse) "
       "values (7.00, 4001, 4908, null, null, null, '4')",
       "Insert Into F5DATSKR49 (STEUERSCHL,MWSTKTO,VORST_KTO,BFG_BASIS,BFB_GGKTO,BEG,Klasse) "
       "values (19.00, "},
  };
  for (const Case& test_case : cases) {
    const std::vector<std::string> statements = Statements(test_case.command);
    ASSERT_GT(statements.size(), 1u) << test_case.name;
    const bool whole = test_case.first.back() != ' ';
    EXPECT_EQ(whole ? statements.front() : statements.front().substr(0, test_case.first.size()),
              test_case.first)
        << test_case.name;
    EXPECT_EQ(statements.back().rfind(test_case.last_prefix, 0), 0u)
        << test_case.name << ": " << statements.back();
    // No separator after the last statement, and no empty statement anywhere.
    for (const std::string& statement : statements)
      EXPECT_FALSE(statement.empty()) << test_case.name;
  }
  EXPECT_EQ(Statements(F5DatSkr49Command()).size(), 10u);
  // 108 items in every account statement, the last two the columns added before the load.
  for (const std::string& statement : Statements(Skr49Command())) {
    std::size_t items = 0;
    bool quoted = false;
    for (char c : statement) {
      if (c == '\'') quoted = !quoted;
      if (c == '=' && !quoted) ++items;
    }
    EXPECT_EQ(items, 108u) << statement;
    EXPECT_NE(statement.find(", KoSt=null, DatevAuto='"), std::string::npos) << statement;
  }
}

// A bare tenant database on the simulated server with the three tables in
// the shape the catalogue gives them when the commands run.
class ChartLoadTest : public ::testing::Test {
 protected:
  ChartLoadTest() : connection_(server_) {
    server_.AddLogin("sa", "geheim");
    server_.CreateDatabase("QUELOR_A");
    connection_.Open(
        "Provider=SQLOLEDB.1;\r\nPassword=geheim;\r\nUser ID=sa;\r\nInitial Catalog=QUELOR_A;\r\n"
        "Data Source=(local)\r\n");
    for (const char* statement :
         {kCreateAnlagetabelle, kKeyAnlagetabelle, kCreateF5Skr49, kKeyF5Skr49, kAddKoSt,
          kAddDatevAuto, kCreateF5DatSkr49, kKeyF5DatSkr49}) {
      connection_.Execute(statement);
    }
  }

  Table Rows(const std::string& sql) { return TextRows(connection_.Query(sql)); }

  sim::Server server_;
  sim::SimConnection connection_;
};

TEST_F(ChartLoadTest, EveryDepreciationRowLands) {
  const std::string command = AnlageTypCommand();
  connection_.Execute("DELETE FROM AnlageTabelle");
  connection_.Execute(command);
  const std::string count = std::to_string(Statements(command).size());
  EXPECT_EQ(Rows("SELECT COUNT(*), COUNT(DISTINCT Name), MIN(Nutzungsdauer), MAX(Nutzungsdauer) "
                 "FROM Anlagetabelle"),
            (Table{{count, count, "1", "33"}}));
  EXPECT_EQ(Rows("SELECT Name, Nutzungsdauer, Fundstelle FROM Anlagetabelle WHERE Name IN "
                 "('Abf\xC3\xBCllanlagen', 'Personenkraftwagen und Kombiwagen', "
                 "'GwG bis 410,- \xE2\x82\xAC') ORDER BY Nutzungsdauer"),
            (Table{{"GwG bis 410,- \xE2\x82\xAC", "1", "\xC2\xA7 6 Abs. 2 EStG"},
                   {"Personenkraftwagen und Kombiwagen", "6", "4.2.1"},
                   {"Abf\xC3\xBCllanlagen", "10", "5.22"}}));
}

TEST_F(ChartLoadTest, EveryAccountLandsInItsColumns) {
  const std::string command = Skr49Command();
  connection_.Execute("DELETE FROM F5SKR49");
  connection_.Execute(command);
  const std::string count = std::to_string(Statements(command).size());
  EXPECT_EQ(
      Rows("SELECT COUNT(*), COUNT(DISTINCT KONTONR), MIN(BUCHJAHR), MAX(BUCHJAHR) FROM F5SKR49"),
      (Table{{count, count, "2015", "2015"}}));
  // One account of each kind, read column by column through the positional mapping.
  // clang-format off
  EXPECT_EQ(Rows("SELECT KONTONR, BEZEICHG, BILANZGUV, KTOART, START, STSCHL, KENNZUSTV, VERDICHTEN, "
                 "KontoArt, Bank, OPS, Spende, Steuersammelkonto, KennzEUR, KoSt, DatevAuto, ABHABEN, "
                 "PlanHabenDez, SKONTO1_, HHRest FROM F5SKR49 "
                 "WHERE KONTONR IN (1200, 1400, 2100, 4908, 5100) ORDER BY KONTONR"),
            (Table{
                {"1200", "Bank Girokonto", "BILANZ", "Aktiv", "ohne Steuer", "NULL", "NULL", "Nein",
                 "Finanzkonto", "Wahr", "", "NULL", "", "", "NULL", "N",
                 "0.00000000", "0.00000000", "NULL", "0.00000000"},
                {"1400", "Forderungen Mitgliedsbeitr\xC3\xA4ge", "BILANZ", "Aktiv", "ohne Steuer", "NULL", "NULL", "Nein",
                 "Sachkonto", "Falsch", "J", "NULL", "", "", "NULL", "N",
                 "0.00000000", "0.00000000", "NULL", "0.00000000"},
                {"2100", "Geldspenden", "GUV", "Ertrag", "ohne Steuer", "NULL", "NULL", "Nein",
                 "Sachkonto", "Falsch", "", "J         ", "", "IIB3", "NULL", "N",
                 "0.00000000", "0.00000000", "NULL", "0.00000000"},
                {"4908", "Vorsteuer 7 % Verm\xC3\xB6gensverwaltung", "BILANZ", "Aktiv", "ohne Steuer", "NULL", "66", "Nein",
                 "Sachkonto", "Falsch", "", "NULL", "J", "", "NULL", "N",
                 "0.00000000", "0.00000000", "NULL", "0.00000000"},
                {"5100", "Eintritt Sportveranstaltungen 7 %", "GUV", "Ertrag", "USt 7 %", "7", "86", "Nein",
                 "Sachkonto", "Falsch", "", "NULL", "", "IVA7", "NULL", "J",
                 "0.00000000", "0.00000000", "NULL", "0.00000000"}}));
  // clang-format on
  // Balance accounts carry no profit-and-loss line; accounts with a tax key are automatic.
  EXPECT_EQ(
      Rows("SELECT COUNT(*) FROM F5SKR49 WHERE (BILANZGUV='BILANZ' AND KennzEUR<>'') "
           "OR (BILANZGUV='BILANZ' AND KTOART NOT IN ('Aktiv','Passiv')) "
           "OR (BILANZGUV='GUV' AND KTOART NOT IN ('Ertrag','Aufwand')) "
           "OR (STSCHL IS NULL AND DatevAuto<>'N') OR (STSCHL IS NOT NULL AND DatevAuto<>'J')"),
      (Table{{"0"}}));
}

TEST_F(ChartLoadTest, TaxKeysNameVatAccountsOfTheirClass) {
  connection_.Execute(Skr49Command());
  connection_.Execute("DELETE FROM F5DATSKR49");
  connection_.Execute(F5DatSkr49Command());
  EXPECT_EQ(Rows("SELECT STEUERSCHL, MWSTKTO, VORST_KTO, BFG_BASIS, BFB_GGKTO, BEG, Klasse, LfdNr "
                 "FROM F5DatSKR49 WHERE LfdNr IN (1, 10) ORDER BY LfdNr"),
            (Table{{"7", "4001", "4908", "NULL", "NULL", "NULL", "4", "1"},
                   {"19", "8002", "8909", "NULL", "NULL", "NULL", "8", "10"}}));
  EXPECT_EQ(Rows("SELECT STEUERSCHL, COUNT(*), COUNT(DISTINCT Klasse), MIN(Klasse), MAX(Klasse) "
                 "FROM F5DatSKR49 GROUP BY STEUERSCHL ORDER BY STEUERSCHL"),
            (Table{{"7", "5", "5", "4", "8"}, {"19", "5", "5", "4", "8"}}));
  // The VAT account is a liability, the input-tax account an asset, both tax
  // collection accounts of the tax key's class.
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM F5DatSKR49 d "
                 "JOIN F5SKR49 v ON v.KONTONR=d.MWSTKTO AND v.KTOART='Passiv' "
                 "AND v.Steuersammelkonto='J' AND v.KONTONR/1000=CAST(d.Klasse AS int) "
                 "AND v.BEZEICHG LIKE 'Umsatzsteuer ' + CAST(d.STEUERSCHL AS varchar(2)) + ' %' "
                 "JOIN F5SKR49 i ON i.KONTONR=d.VORST_KTO AND i.KTOART='Aktiv' "
                 "AND i.Steuersammelkonto='J' AND i.KONTONR/1000=CAST(d.Klasse AS int) "
                 "AND i.BEZEICHG LIKE 'Vorsteuer ' + CAST(d.STEUERSCHL AS varchar(2)) + ' %'"),
            (Table{{"10"}}));
}

// On the tenant as the catalogue shapes it: the chart loads without a
// warning, and every profit-and-loss line an account names exists.
class ChartOnTenantTest : public MigrationTest {
 protected:
  ChartOnTenantTest() { Prepare({migration::AssociationChartTables}); }
};

TEST_F(ChartOnTenantTest, EveryProfitAndLossLineOfTheChartExists) {
  Run({[](migration::TenantContext& t) {
    t.db.AddField("F5SKR49", "KoSt", "int", "", "NULL");
    t.db.AddField("F5SKR49", "DatevAuto", "char(1)", "", "NULL");
    t.db.Exec(db::Policy::kWarning, "DELETE FROM F5SKR49");
    t.db.Exec(db::Policy::kWarning, Skr49Command());
    t.db.Exec(db::Policy::kWarning, "DELETE FROM F5DATSKR49");
    t.db.Exec(db::Policy::kWarning, F5DatSkr49Command());
  }});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM F5DatSKR49"), (Table{{"10"}}));
  EXPECT_EQ(Rows("SELECT KONTONR, KennzEUR FROM F5SKR49 WHERE KennzEUR<>'' AND KennzEUR NOT IN "
                 "(SELECT RimNr+Kennz+CAST(Nr AS varchar(4)) FROM GuVKennz49D)"),
            Table{});
  EXPECT_EQ(Rows("SELECT COUNT(DISTINCT KennzEUR) FROM F5SKR49 WHERE KennzEUR<>''"),
            (Table{{"68"}}));
}

}  // namespace
}  // namespace quelor::testing
