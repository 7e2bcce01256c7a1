// The chart-of-accounts templates: created empty with their keys on a tenant
// of the previous release, left alone once they exist.
#include "migration/account_templates.h"

#include <string>
#include <vector>

#include "migration/club_settings.h"
#include "migration/tax_keys.h"
#include "migration_fixture.h"

namespace quelor::testing {
namespace {

// Every column line of an account template, in table order.
const std::vector<std::string> kAccountColumns = {
    "[BUCHJAHR] [smallint] NOT NULL",
    "[KONTONR] [int] NOT NULL",
    "[BEZEICHG] [varchar](40) NULL",
    "[ABHABEN] [numeric](19, 8) NULL",
    "[ABSOLL] [numeric](19, 8) NULL",
    "[JAHRUMSH] [numeric](19, 8) NULL",
    "[JAHRUMSS] [numeric](19, 8) NULL",
    "[BILANZGUV] [varchar](8) NULL",
    "[KENNZAHL] [varchar](10) NULL",
    "[KTOART] [varchar](40) NULL",
    "[START] [varchar](20) NULL",
    "[STSCHL] [smallint] NULL",
    "[KREDKONTO] [int] NULL",
    "[DEBITKTO] [int] NULL",
    "[MOUMSHJAN] [numeric](19, 8) NULL",
    "[MOUMSSJAN] [numeric](19, 8) NULL",
    "[MOUMSHFEB] [numeric](19, 8) NULL",
    "[MOUMSSFEB] [numeric](19, 8) NULL",
    "[MOUMSHMÄRZ] [numeric](19, 8) NULL",
    "[MOUMSSMÄRZ] [numeric](19, 8) NULL",
    "[MOUMSHAPRIL] [numeric](19, 8) NULL",
    "[MOUMSSAPRIL] [numeric](19, 8) NULL",
    "[MOUMSHMAI] [numeric](19, 8) NULL",
    "[MOUMSSMAI] [numeric](19, 8) NULL",
    "[MOUMSHJUNI] [numeric](19, 8) NULL",
    "[MOUMSSJUNI] [numeric](19, 8) NULL",
    "[MOUMSHJULI] [numeric](19, 8) NULL",
    "[MOUMSSJULI] [numeric](19, 8) NULL",
    "[MOUMSHAUG] [numeric](19, 8) NULL",
    "[MOUMSSAUG] [numeric](19, 8) NULL",
    "[MOUMSHSEP] [numeric](19, 8) NULL",
    "[MOUMSSSEP] [numeric](19, 8) NULL",
    "[MOUMSHOKT] [numeric](19, 8) NULL",
    "[MOUMSSOKT] [numeric](19, 8) NULL",
    "[MOUMSHNOV] [numeric](19, 8) NULL",
    "[MOUMSSNOV] [numeric](19, 8) NULL",
    "[MOUMSHDEZ] [numeric](19, 8) NULL",
    "[MOUMSSDEZ] [numeric](19, 8) NULL",
    "[VERDICHTEN] [varchar](6) NULL",
    "[KENNZUSTV] [smallint] NULL",
    "[SEITENZAHL] [smallint] NULL",
    "[SPERRE] [varchar](6) NULL",
    "[FÄLLIGKEIT1] [smallint] NULL",
    "[SKONTO1_] [numeric](19, 8) NULL",
    "[FÄLLIGKEIT2] [smallint] NULL",
    "[SKONTO2_] [numeric](19, 8) NULL",
    "[FÄLLIGKEIT3] [smallint] NULL",
    "[HAUPTKONTO] [numeric](19, 8) NULL",
    "[VORLABHAB] [numeric](19, 8) NULL",
    "[VORLABSOLL] [numeric](19, 8) NULL",
    "[SEITENANZLE] [numeric](19, 8) NULL",
    "[VALUTA] [varchar](3) NULL",
    "[PlanJahrSoll] [numeric](19, 8) NULL",
    "[PlanJahrHaben] [numeric](19, 8) NULL",
    "[PlanSollJan] [numeric](19, 8) NULL",
    "[PlanHabenJan] [numeric](19, 8) NULL",
    "[PlanSollFeb] [numeric](19, 8) NULL",
    "[PlanHabenFeb] [numeric](19, 8) NULL",
    "[PlanSollMaerz] [numeric](19, 8) NULL",
    "[PlanHabenMaerz] [numeric](19, 8) NULL",
    "[PlanSollApril] [numeric](19, 8) NULL",
    "[PlanHabenApril] [numeric](19, 8) NULL",
    "[PlanSollMai] [numeric](19, 8) NULL",
    "[PlanHabenMai] [numeric](19, 8) NULL",
    "[PlanSollJuni] [numeric](19, 8) NULL",
    "[PlanHabenJuni] [numeric](19, 8) NULL",
    "[PlanSollJuli] [numeric](19, 8) NULL",
    "[PlanHabenJuli] [numeric](19, 8) NULL",
    "[PlanSollAug] [numeric](19, 8) NULL",
    "[PlanHabenAug] [numeric](19, 8) NULL",
    "[PlanSollSep] [numeric](19, 8) NULL",
    "[PlanHabenSep] [numeric](19, 8) NULL",
    "[PlanSollOkt] [numeric](19, 8) NULL",
    "[PlanHabenOkt] [numeric](19, 8) NULL",
    "[PlanSollNov] [numeric](19, 8) NULL",
    "[PlanHabenNov] [numeric](19, 8) NULL",
    "[PlanSollDez] [numeric](19, 8) NULL",
    "[PlanHabenDez] [numeric](19, 8) NULL",
    "[STSCH_U] [varchar](1) NULL",
    "[KONTO_WGEWI] [numeric](19, 8) NULL",
    "[KONTO_WVERL] [numeric](19, 8) NULL",
    "[KOST_J_N] [varchar](6) NULL",
    "[KontoArt] [varchar](40) NULL",
    "[Bank] [varchar](6) NULL",
    "[Unterkonto] [varchar](1) NULL",
    "[HauptKto] [int] NULL",
    "[Bezeich2] [varchar](40) NULL",
    "[KdLfNr] [varchar](30) NULL",
    "[KennzGuV] [varchar](10) NULL",
    "[KennzBilanz] [varchar](10) NULL",
    "[KennzBWA] [varchar](10) NULL",
    "[HHRest] [numeric](19, 8) NULL",
    "[OPS] [varchar](1) NULL",
    "[Spende] [char](10) NULL",
    "[KennzEU] [char](10) NULL",
    "[BenutzerErf] [varchar](20) NULL",
    "[BenutzerAend] [varchar](20) NULL",
    "[DatumErf] [datetime] NULL",
    "[DatumAend] [datetime] NULL",
    "[Kassenstand] [numeric](18, 8) NULL",
    "[Anfangsbestand] [numeric](18, 8) NULL",
    "[AktBelegNr] [numeric](18, 8) NULL",
    "[KB] [char](1) NULL",
    "[EINAUS] [char](1) NULL",
    "[Steuersammelkonto] [varchar](1) NULL",
    "[KennzEUR] [varchar](7) NULL",
};

const std::vector<std::string> kTaxKeyColumns = {
    "[STEUERSCHL] [smallint] NOT NULL", "[MWSTKTO] [int] NULL",
    "[VORST_KTO] [int] NULL",           "[BFG_BASIS] [smallint] NULL",
    "[BFB_GGKTO] [smallint] NULL",      "[BEG] [varchar](5) NULL",
    "[Klasse] [char](1) NULL",          "[LfdNr] [int] IDENTITY(1,1) NOT NULL",
};

struct Template {
  std::string name;
  bool accounts;  // account template, otherwise tax-key template
};

// In the order the segment probes them.
const std::vector<Template> kTemplates = {
    {"F5KontMonosportverein", true},
    {"F5KontSportvereinOhneAnlagevermogen", true},
    {"F5KontSportvereinMitAnlagevermogen", true},
    {"F5KontMitBezahltenSport", true},
    {"F5KontKulturverein", true},
    {"F5KontKulturvereinUndSportverein", true},
    {"F5KontSonstiger", true},
    {"F5DatMonosportverein", false},
    {"F5DatSportvereinOhneAnlagevermogen", false},
    {"F5DatSportvereinMitAnlagevermogen", false},
    {"F5DatMitBezahltenSport", false},
    {"F5DatKulturverein", false},
    {"F5DatKulturUndSportverein", false},
    {"F5DatSonstiger", false},
};

std::string CreateText(const Template& t) {
  const std::vector<std::string>& columns = t.accounts ? kAccountColumns : kTaxKeyColumns;
  std::string text = "CREATE TABLE dbo." + t.name + " (\r\n";
  for (std::size_t i = 0; i < columns.size(); ++i) {
    text += columns[i] + (i + 1 < columns.size() ? ",\r\n" : "\r\n");
  }
  return text + ") ON [PRIMARY]\r\n";
}

std::string KeyText(const Template& t) {
  return "ALTER TABLE [dbo].[" + t.name + "]  ADD CONSTRAINT [PK_" + t.name +
         "] PRIMARY KEY CLUSTERED (\r\n" +
         (t.accounts ? "[BUCHJAHR] ASC,\r\n[KONTONR] ASC\r\n"
                     : "[STEUERSCHL] ASC,\r\n[LfdNr] ASC\r\n") +
         ")WITH (IGNORE_DUP_KEY = OFF) ON [PRIMARY]\r\n";
}

std::string ColumnName(const std::string& line) { return line.substr(1, line.find(']') - 1); }

class AccountTemplatesTest : public MigrationTest {
 protected:
  AccountTemplatesTest() {
    Prepare({migration::ClubSettingsAndAddressFunctions, migration::TaxKeysAndKeyTables});
  }
};

TEST_F(AccountTemplatesTest, FirstRunCreatesEveryTemplateWithItsKey) {
  Run({migration::AccountTemplates});

  std::vector<std::string> expected;
  std::vector<std::string> probes;
  for (const Template& t : kTemplates) {
    expected.push_back(CreateText(t));
    expected.push_back(KeyText(t));
    probes.push_back("SELECT * FROM sysobjects WHERE name='" + t.name + "'");
  }
  EXPECT_EQ(Executed(), expected);
  EXPECT_EQ(Queries(), probes);
  EXPECT_TRUE(Dialogs().empty());
  EXPECT_EQ(progress_count(), 15);
}

TEST_F(AccountTemplatesTest, TemplatesAreEmptyWithLayoutAndKey) {
  Run({migration::AccountTemplates});

  for (const Template& t : kTemplates) {
    SCOPED_TRACE(t.name);
    const std::vector<std::string>& layout = t.accounts ? kAccountColumns : kTaxKeyColumns;
    std::vector<std::vector<std::string>> columns;
    for (const std::string& line : layout) {
      columns.push_back(
          {ColumnName(line), line.find("NOT NULL") == std::string::npos ? "YES" : "NO"});
    }
    EXPECT_EQ(Rows("SELECT COLUMN_NAME, IS_NULLABLE FROM Information_Schema.Columns WHERE "
                   "TABLE_NAME='" +
                   t.name + "' ORDER BY ORDINAL_POSITION"),
              columns);
    EXPECT_EQ(Rows("SELECT COUNT(*) FROM " + t.name),
              (std::vector<std::vector<std::string>>{{"0"}}));
    // Key columns by position: BUCHJAHR, KONTONR or STEUERSCHL, LfdNr.
    EXPECT_EQ(Rows("SELECT i.name, ic.column_id FROM sys.indexes AS i "
                   "INNER JOIN sys.index_columns AS ic ON i.object_id = ic.object_id AND "
                   "i.index_id = ic.index_id WHERE i.is_primary_key = 1 AND "
                   "OBJECT_NAME(i.object_id)='" +
                   t.name + "' ORDER BY ic.key_ordinal"),
              (std::vector<std::vector<std::string>>{{"PK_" + t.name, "1"},
                                                     {"PK_" + t.name, t.accounts ? "2" : "8"}}));
  }
  // Types where the server could have been given a different width or scale.
  const std::vector<std::vector<std::string>> types = {
      {"BEZEICHG", "varchar", "40", "NULL", "NULL"},
      {"MOUMSHMÄRZ", "numeric", "NULL", "19", "8"},
      {"FÄLLIGKEIT1", "smallint", "NULL", "5", "0"},
      {"Spende", "char", "10", "NULL", "NULL"},
      {"DatumErf", "datetime", "NULL", "NULL", "NULL"},
      {"AktBelegNr", "numeric", "NULL", "18", "8"},
      {"KennzEUR", "varchar", "7", "NULL", "NULL"},
  };
  for (const auto& type : types) {
    EXPECT_EQ(
        Rows("SELECT COLUMN_NAME, DATA_TYPE, CHARACTER_MAXIMUM_LENGTH, NUMERIC_PRECISION, "
             "NUMERIC_SCALE FROM Information_Schema.Columns WHERE TABLE_NAME='F5KontSonstiger' "
             "AND COLUMN_NAME='" +
             type[0] + "'"),
        std::vector<std::vector<std::string>>{type});
  }
}

TEST_F(AccountTemplatesTest, TaxKeyTemplatesNumberTheirRows) {
  Run({migration::AccountTemplates, [](migration::TenantContext& t) {
         t.db.Exec(db::Policy::kUnguarded,
                   "INSERT INTO F5DatSonstiger (STEUERSCHL, Klasse) VALUES (7, '4')");
         t.db.Exec(db::Policy::kUnguarded,
                   "INSERT INTO F5DatSonstiger (STEUERSCHL, Klasse) VALUES (7, '5')");
       }});
  EXPECT_EQ(Rows("SELECT STEUERSCHL, Klasse, LfdNr FROM F5DatSonstiger ORDER BY LfdNr"),
            (std::vector<std::vector<std::string>>{{"7", "4", "1"}, {"7", "5", "2"}}));
}

TEST_F(AccountTemplatesTest, SecondRunOnlyProbesAndAdvancesTheGauge) {
  Run({migration::AccountTemplates});
  const std::string after_first = DatabaseSnapshot();
  transcript.lines.clear();

  Run({migration::AccountTemplates});
  EXPECT_TRUE(Executed().empty());
  EXPECT_EQ(Queries().size(), kTemplates.size());
  EXPECT_TRUE(Dialogs().empty());
  EXPECT_EQ(progress_count(), 30);
  EXPECT_EQ(DatabaseSnapshot(), after_first);
}

}  // namespace
}  // namespace quelor::testing
