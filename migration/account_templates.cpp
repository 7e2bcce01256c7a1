// The fourteen chart-of-accounts templates: created empty when missing, so
// that the template scripts at the end of the journal fixes always find a
// table to replace.
#include "migration/account_templates.h"

#include <array>
#include <string>
#include <string_view>

namespace quelor::migration {
namespace {

struct TemplateColumn {
  std::string_view name;
  std::string_view type;
  std::string_view null;
};

constexpr std::string_view kN19 = "[numeric](19, 8)";
constexpr std::string_view kN18 = "[numeric](18, 8)";

constexpr std::array<TemplateColumn, 106> kAccountTemplateLayout{{
    {"BUCHJAHR", "[smallint]", "NOT NULL"},
    {"KONTONR", "[int]", "NOT NULL"},
    {"BEZEICHG", "[varchar](40)", "NULL"},
    {"ABHABEN", kN19, "NULL"},
    {"ABSOLL", kN19, "NULL"},
    {"JAHRUMSH", kN19, "NULL"},
    {"JAHRUMSS", kN19, "NULL"},
    {"BILANZGUV", "[varchar](8)", "NULL"},
    {"KENNZAHL", "[varchar](10)", "NULL"},
    {"KTOART", "[varchar](40)", "NULL"},
    {"START", "[varchar](20)", "NULL"},
    {"STSCHL", "[smallint]", "NULL"},
    {"KREDKONTO", "[int]", "NULL"},
    {"DEBITKTO", "[int]", "NULL"},
    {"MOUMSHJAN", kN19, "NULL"},
    {"MOUMSSJAN", kN19, "NULL"},
    {"MOUMSHFEB", kN19, "NULL"},
    {"MOUMSSFEB", kN19, "NULL"},
    {"MOUMSHMÄRZ", kN19, "NULL"},
    {"MOUMSSMÄRZ", kN19, "NULL"},
    {"MOUMSHAPRIL", kN19, "NULL"},
    {"MOUMSSAPRIL", kN19, "NULL"},
    {"MOUMSHMAI", kN19, "NULL"},
    {"MOUMSSMAI", kN19, "NULL"},
    {"MOUMSHJUNI", kN19, "NULL"},
    {"MOUMSSJUNI", kN19, "NULL"},
    {"MOUMSHJULI", kN19, "NULL"},
    {"MOUMSSJULI", kN19, "NULL"},
    {"MOUMSHAUG", kN19, "NULL"},
    {"MOUMSSAUG", kN19, "NULL"},
    {"MOUMSHSEP", kN19, "NULL"},
    {"MOUMSSSEP", kN19, "NULL"},
    {"MOUMSHOKT", kN19, "NULL"},
    {"MOUMSSOKT", kN19, "NULL"},
    {"MOUMSHNOV", kN19, "NULL"},
    {"MOUMSSNOV", kN19, "NULL"},
    {"MOUMSHDEZ", kN19, "NULL"},
    {"MOUMSSDEZ", kN19, "NULL"},
    {"VERDICHTEN", "[varchar](6)", "NULL"},
    {"KENNZUSTV", "[smallint]", "NULL"},
    {"SEITENZAHL", "[smallint]", "NULL"},
    {"SPERRE", "[varchar](6)", "NULL"},
    {"FÄLLIGKEIT1", "[smallint]", "NULL"},
    {"SKONTO1_", kN19, "NULL"},
    {"FÄLLIGKEIT2", "[smallint]", "NULL"},
    {"SKONTO2_", kN19, "NULL"},
    {"FÄLLIGKEIT3", "[smallint]", "NULL"},
    {"HAUPTKONTO", kN19, "NULL"},
    {"VORLABHAB", kN19, "NULL"},
    {"VORLABSOLL", kN19, "NULL"},
    {"SEITENANZLE", kN19, "NULL"},
    {"VALUTA", "[varchar](3)", "NULL"},
    {"PlanJahrSoll", kN19, "NULL"},
    {"PlanJahrHaben", kN19, "NULL"},
    {"PlanSollJan", kN19, "NULL"},
    {"PlanHabenJan", kN19, "NULL"},
    {"PlanSollFeb", kN19, "NULL"},
    {"PlanHabenFeb", kN19, "NULL"},
    {"PlanSollMaerz", kN19, "NULL"},
    {"PlanHabenMaerz", kN19, "NULL"},
    {"PlanSollApril", kN19, "NULL"},
    {"PlanHabenApril", kN19, "NULL"},
    {"PlanSollMai", kN19, "NULL"},
    {"PlanHabenMai", kN19, "NULL"},
    {"PlanSollJuni", kN19, "NULL"},
    {"PlanHabenJuni", kN19, "NULL"},
    {"PlanSollJuli", kN19, "NULL"},
    {"PlanHabenJuli", kN19, "NULL"},
    {"PlanSollAug", kN19, "NULL"},
    {"PlanHabenAug", kN19, "NULL"},
    {"PlanSollSep", kN19, "NULL"},
    {"PlanHabenSep", kN19, "NULL"},
    {"PlanSollOkt", kN19, "NULL"},
    {"PlanHabenOkt", kN19, "NULL"},
    {"PlanSollNov", kN19, "NULL"},
    {"PlanHabenNov", kN19, "NULL"},
    {"PlanSollDez", kN19, "NULL"},
    {"PlanHabenDez", kN19, "NULL"},
    {"STSCH_U", "[varchar](1)", "NULL"},
    {"KONTO_WGEWI", kN19, "NULL"},
    {"KONTO_WVERL", kN19, "NULL"},
    {"KOST_J_N", "[varchar](6)", "NULL"},
    {"KontoArt", "[varchar](40)", "NULL"},
    {"Bank", "[varchar](6)", "NULL"},
    {"Unterkonto", "[varchar](1)", "NULL"},
    {"HauptKto", "[int]", "NULL"},
    {"Bezeich2", "[varchar](40)", "NULL"},
    {"KdLfNr", "[varchar](30)", "NULL"},
    {"KennzGuV", "[varchar](10)", "NULL"},
    {"KennzBilanz", "[varchar](10)", "NULL"},
    {"KennzBWA", "[varchar](10)", "NULL"},
    {"HHRest", kN19, "NULL"},
    {"OPS", "[varchar](1)", "NULL"},
    {"Spende", "[char](10)", "NULL"},
    {"KennzEU", "[char](10)", "NULL"},
    {"BenutzerErf", "[varchar](20)", "NULL"},
    {"BenutzerAend", "[varchar](20)", "NULL"},
    {"DatumErf", "[datetime]", "NULL"},
    {"DatumAend", "[datetime]", "NULL"},
    {"Kassenstand", kN18, "NULL"},
    {"Anfangsbestand", kN18, "NULL"},
    {"AktBelegNr", kN18, "NULL"},
    {"KB", "[char](1)", "NULL"},
    {"EINAUS", "[char](1)", "NULL"},
    {"Steuersammelkonto", "[varchar](1)", "NULL"},
    {"KennzEUR", "[varchar](7)", "NULL"},
}};

constexpr std::array<TemplateColumn, 8> kTaxKeyTemplateLayout{{
    {"STEUERSCHL", "[smallint]", "NOT NULL"},
    {"MWSTKTO", "[int]", "NULL"},
    {"VORST_KTO", "[int]", "NULL"},
    {"BFG_BASIS", "[smallint]", "NULL"},
    {"BFB_GGKTO", "[smallint]", "NULL"},
    {"BEG", "[varchar](5)", "NULL"},
    {"Klasse", "[char](1)", "NULL"},
    {"LfdNr", "[int] IDENTITY(1,1)", "NOT NULL"},
}};

// "CREATE TABLE dbo.<table> (", one line per column, ") ON [PRIMARY]", every
// line followed by CR LF as the multi-line query sends it.
template <std::size_t N>
std::string CreateTable(std::string_view table, const std::array<TemplateColumn, N>& layout) {
  std::string text = "CREATE TABLE dbo." + std::string(table) + " (\r\n";
  for (std::size_t i = 0; i < N; ++i) {
    text.append("[").append(layout[i].name).append("] ").append(layout[i].type);
    text.append(" ").append(layout[i].null).append(i + 1 < N ? ",\r\n" : "\r\n");
  }
  return text + ") ON [PRIMARY]\r\n";
}

std::string CreateAccountTemplate(std::string_view table) {
  return CreateTable(table, kAccountTemplateLayout);
}

std::string CreateTaxKeyTemplate(std::string_view table) {
  return CreateTable(table, kTaxKeyTemplateLayout);
}

std::string PrimaryKey(std::string_view table, std::string_view first, std::string_view second) {
  const std::string name(table);
  return db::JoinCrLf(
      {"ALTER TABLE [dbo].[" + name + "]  ADD CONSTRAINT [PK_" + name + "] PRIMARY KEY CLUSTERED (",
       "[" + std::string(first) + "] ASC,", "[" + std::string(second) + "] ASC",
       ")WITH (IGNORE_DUP_KEY = OFF) ON [PRIMARY]"});
}

std::string AccountTemplateKey(std::string_view table) {
  return PrimaryKey(table, "BUCHJAHR", "KONTONR");
}

std::string TaxKeyTemplateKey(std::string_view table) {
  return PrimaryKey(table, "STEUERSCHL", "LfdNr");
}

}  // namespace

void AccountTemplates(TenantContext& t) {
  using db::Policy;

  // Each template and its key reach the database together: a run stopped
  // after the table alone would leave it without its key for good.
  t.progress.UpdateProgress();
  if (t.db.TableMissing("F5KontMonosportverein")) {
    t.db.AllOrNothing([&] {
      t.db.Exec(Policy::kWarning, CreateAccountTemplate("F5KontMonosportverein"));
      t.db.Exec(Policy::kWarning, AccountTemplateKey("F5KontMonosportverein"));
    });
  }
  t.progress.UpdateProgress();
  if (t.db.TableMissing("F5KontSportvereinOhneAnlagevermogen")) {
    t.db.AllOrNothing([&] {
      t.db.Exec(Policy::kWarning, CreateAccountTemplate("F5KontSportvereinOhneAnlagevermogen"));
      t.db.Exec(Policy::kWarning, AccountTemplateKey("F5KontSportvereinOhneAnlagevermogen"));
    });
  }
  t.progress.UpdateProgress();
  if (t.db.TableMissing("F5KontSportvereinMitAnlagevermogen")) {
    t.db.AllOrNothing([&] {
      t.db.Exec(Policy::kWarning, CreateAccountTemplate("F5KontSportvereinMitAnlagevermogen"));
      t.db.Exec(Policy::kWarning, AccountTemplateKey("F5KontSportvereinMitAnlagevermogen"));
    });
  }
  t.progress.UpdateProgress();
  if (t.db.TableMissing("F5KontMitBezahltenSport")) {
    t.db.AllOrNothing([&] {
      t.db.Exec(Policy::kWarning, CreateAccountTemplate("F5KontMitBezahltenSport"));
      t.db.Exec(Policy::kWarning, AccountTemplateKey("F5KontMitBezahltenSport"));
    });
  }
  t.progress.UpdateProgress();
  if (t.db.TableMissing("F5KontKulturverein")) {
    t.db.AllOrNothing([&] {
      t.db.Exec(Policy::kWarning, CreateAccountTemplate("F5KontKulturverein"));
      t.db.Exec(Policy::kWarning, AccountTemplateKey("F5KontKulturverein"));
    });
  }
  t.progress.UpdateProgress();
  if (t.db.TableMissing("F5KontKulturvereinUndSportverein")) {
    t.db.AllOrNothing([&] {
      t.db.Exec(Policy::kWarning, CreateAccountTemplate("F5KontKulturvereinUndSportverein"));
      t.db.Exec(Policy::kWarning, AccountTemplateKey("F5KontKulturvereinUndSportverein"));
    });
  }
  t.progress.UpdateProgress();
  if (t.db.TableMissing("F5KontSonstiger")) {
    t.db.AllOrNothing([&] {
      t.db.Exec(Policy::kWarning, CreateAccountTemplate("F5KontSonstiger"));
      t.db.Exec(Policy::kWarning, AccountTemplateKey("F5KontSonstiger"));
    });
  }

  t.progress.UpdateProgress();
  if (t.db.TableMissing("F5DatMonosportverein")) {
    t.db.AllOrNothing([&] {
      t.db.Exec(Policy::kWarning, CreateTaxKeyTemplate("F5DatMonosportverein"));
      t.db.Exec(Policy::kWarning, TaxKeyTemplateKey("F5DatMonosportverein"));
    });
  }
  t.progress.UpdateProgress();
  if (t.db.TableMissing("F5DatSportvereinOhneAnlagevermogen")) {
    t.db.AllOrNothing([&] {
      t.db.Exec(Policy::kWarning, CreateTaxKeyTemplate("F5DatSportvereinOhneAnlagevermogen"));
      t.db.Exec(Policy::kWarning, TaxKeyTemplateKey("F5DatSportvereinOhneAnlagevermogen"));
    });
  }
  t.progress.UpdateProgress();
  if (t.db.TableMissing("F5DatSportvereinMitAnlagevermogen")) {
    t.db.AllOrNothing([&] {
      t.db.Exec(Policy::kWarning, CreateTaxKeyTemplate("F5DatSportvereinMitAnlagevermogen"));
      t.db.Exec(Policy::kWarning, TaxKeyTemplateKey("F5DatSportvereinMitAnlagevermogen"));
    });
  }
  t.progress.UpdateProgress();
  if (t.db.TableMissing("F5DatMitBezahltenSport")) {
    t.db.AllOrNothing([&] {
      t.db.Exec(Policy::kWarning, CreateTaxKeyTemplate("F5DatMitBezahltenSport"));
      t.db.Exec(Policy::kWarning, TaxKeyTemplateKey("F5DatMitBezahltenSport"));
    });
  }
  t.progress.UpdateProgress();
  if (t.db.TableMissing("F5DatKulturverein")) {
    t.db.AllOrNothing([&] {
      t.db.Exec(Policy::kWarning, CreateTaxKeyTemplate("F5DatKulturverein"));
      t.db.Exec(Policy::kWarning, TaxKeyTemplateKey("F5DatKulturverein"));
    });
  }
  // "Kultur", not "Kulturverein": the tax-key template of the cultural and
  // sports club is named differently from its account template.
  t.progress.UpdateProgress();
  if (t.db.TableMissing("F5DatKulturUndSportverein")) {
    t.db.AllOrNothing([&] {
      t.db.Exec(Policy::kWarning, CreateTaxKeyTemplate("F5DatKulturUndSportverein"));
      t.db.Exec(Policy::kWarning, TaxKeyTemplateKey("F5DatKulturUndSportverein"));
    });
  }
  t.progress.UpdateProgress();
  if (t.db.TableMissing("F5DatSonstiger")) {
    t.db.AllOrNothing([&] {
      t.db.Exec(Policy::kWarning, CreateTaxKeyTemplate("F5DatSonstiger"));
      t.db.Exec(Policy::kWarning, TaxKeyTemplateKey("F5DatSonstiger"));
    });
  }
  t.progress.UpdateProgress();
}

}  // namespace quelor::migration
