// The profit-and-loss classification of the association chart, its lines,
// and the empty account and tax-key tables of that chart.
#include "migration/association_chart_tables.h"

#include <string>
#include <string_view>
#include <vector>

namespace quelor::migration {

using db::Policy;

namespace {

struct Section {
  std::string_view rim_nr, kennz, bezeichnung;
};

// The sections and columns the refill writes. Section I (Einnahmen, Ausgaben)
// is added by the reloads that follow this segment.
constexpr Section kSections[] = {
    {"II", "A", "Ideeller Bereich"},
    {"II", "B", "Vermögensverwaltung"},
    {"II", "C", "Zweckbetriebe Sport"},
    {"II", "D", "Sonstige Zweckbetriebe"},
    {"II", "E", "Geschäftsbetriebe Sport"},
    {"II", "F", "Sonstige wirtschaftliche Geschäftsbetriebe"},
    {"III", "A", "Einnahmen"},
    {"III", "B", "Ausgaben"},
    {"IV", "A", "Zweckbetrieb Sport 1 (Ust-pflichtig) - Kontenklasse 5 Einnahmen/Erträge"},
    {"IV", "B", "Zweckbetrieb Sport 1 (Ust-pflichtig) - Kontenklasse 5 Ausgaben/Aufwendungen"},
    {"IV", "C", "Zweckbetriebe Sport 2 (Ust-frei) - Kontenklasse 5 Einnahmen/Erträge"},
    {"IV", "D", "Zweckbetriebe Sport 2 (Ust-frei) - Kontenklasse 5 Ausgaben/Aufwendungen"},
    {"V", "A", "Sonstige Zweckbetriebe 1 (Ust-pflichtig) - Kontenklasse 6 Einnahmen/Erträge"},
    {"V", "B", "Sonstige Zweckbetriebe 1 (Ust-pflichtig) - Kontenklasse 6 Ausgaben/Aufwendungen"},
    {"V", "C", "Sonstige Zweckbetriebe 2 (Ust-frei) - Kontenklasse 6 Einnahmen/Erträge"},
    {"V", "D", "Sonstige Zweckbetriebe 2 (Ust-frei) - Kontenklasse 6 Ausgaben/Aufwendungen"},
    {"VI", "A", "Geschäftsbetriebe Sport - Kontenklasse 7 Einnahmen/Erträge"},
    {"VI", "B", "Geschäftsbetriebe Sport - Kontenklasse 7 Ausgaben/Aufwendungen"},
    {"VI", "C", "Geschäftsbetriebe Nebentätigkeiten Sport - Kontenklasse 7 Einnahmen/Erträge"},
    {"VI", "D", "Geschäftsbetriebe Nebentätigkeiten Sport - Kontenklasse 7 Ausgaben/Aufwendungen"},
    {"VII", "A", "Sonstige Geschäftsbetriebe 1 - Kontenklasse 8 Einnahmen/Erträge"},
    {"VII", "B", "Sonstige Geschäftsbetriebe 1 - Kontenklasse 8 Ausgaben/Aufwendungen"},
    {"VII", "C", "Sonstige Geschäftsbetriebe 2 - Kontenklasse 8 Einnahmen/Erträge"},
    {"VII", "D", "Sonstige Geschäftsbetriebe 2 - Kontenklasse 8 Ausgaben/Aufwendungen"},
};

struct Line {
  std::string_view rim_nr, kennz;
  int nr;
  std::string_view bezeichnung, ea;
};

// The lines of the classification, in the order they are inserted. Each
// sphere of section II opens with its tax-neutral income and non-deductible
// expenses: II C, D and E below, and II A with the two lines after VII A 19.
// Those two were once written as II B 1 and II B 2, keys that the donation
// lines at the top already hold, so the key refused them on every refill
// (two warnings, 68 lines); the existing keys are all kept as they were.
constexpr Line kLines[] = {
    {"II", "B", 1, "Schenkungen", "E"},
    {"II", "B", 2, "Erbschaften/Vermächtnisse", "E"},
    {"II", "B", 3, "Spenden", "E"},
    {"II", "B", 4, "Sonstige steuerneutrale Einnahmen", "E"},
    {"II", "B", 5, "Gezahlte, hingegebene Spenden", "A"},
    {"II", "B", 6, "Sonstige nicht abziehbare Ausgaben", "A"},
    {"III", "A", 3, "Miet- und Pachterträge", "E"},
    {"III", "A", 4, "Zins- und Kurserträgen", "E"},
    {"III", "A", 5, "Erträge Werbung", "E"},
    {"III", "A", 6, "Sonstige ertragsteuerfreie Einnahmen", "E"},
    {"IV", "A", 7, "Umsatzerlöse", "E"},
    {"IV", "A", 8, "Sonstige Erträge", "E"},
    {"V", "A", 9, "Umsatzerlöse", "E"},
    {"V", "A", 10, "Bestandsveränderung", "E"},
    {"V", "A", 11, "Andere aktivierte Eigenleistungen", "E"},
    {"V", "A", 12, "Sonstige betriebliche Erträge", "E"},
    {"V", "A", 13, "Einnahmen aus Umsatzerlösen", "E"},
    {"VI", "A", 14, "Umsatzerlöse", "E"},
    {"VII", "A", 15, "Umsatzerlöse", "E"},
    {"VII", "A", 16, "Bestandsveränderung", "E"},
    {"VII", "A", 17, "Andere aktivierte Eigenleistungen", "E"},
    {"VII", "A", 18, "Sonstige betriebliche Erträge", "E"},
    {"VII", "A", 19, "Sonstige Zinsen und ähnliche Einnahmen", "E"},
    {"II", "A", 1, "Steuerneutrale Einnahmen", "E"},
    {"II", "A", 2, "Nicht abziehbare Ausgaben", "A"},
    {"III", "B", 3, "Abschreibungen", "A"},
    {"III", "B", 4, "Sonstige Ausgaben", "A"},
    {"IV", "B", 5, "Materialaufwand", "A"},
    {"IV", "B", 6, "Personalaufwand", "A"},
    {"IV", "B", 7, "Abschreibungen", "A"},
    {"IV", "B", 8, "Sonstige betriebliche Aufwendungen", "A"},
    {"V", "B", 9, "Materialaufwand", "A"},
    {"V", "B", 10, "Personalaufwand", "A"},
    {"V", "B", 11, "Abschreibungen", "A"},
    {"VI", "B", 12, "Materialaufwand", "A"},
    {"VI", "B", 13, "Personalaufwand", "A"},
    {"VI", "B", 14, "Abschreibungen", "A"},
    {"VI", "B", 15, "Sonstige betriebliche Aufwendungen", "A"},
    {"VII", "B", 16, "Materialaufwand", "A"},
    {"VII", "B", 17, "Personalaufwand", "A"},
    {"VII", "B", 18, "Abschreibungen", "A"},
    {"II", "C", 1, "Steuerneutrale Einnahmen", "E"},
    {"II", "C", 2, "Nicht abziehbare Ausgaben", "A"},
    {"IV", "C", 3, "Umsatzerlöse", "E"},
    {"IV", "C", 4, "Sonstige Erträge", "E"},
    {"V", "C", 5, "Umsatzerlöse", "E"},
    {"V", "C", 6, "Bestandsveränderung", "E"},
    {"V", "C", 7, "Andere aktivierte Eigenleistungen", "E"},
    {"V", "C", 8, "Sonstige betriebliche Erträge", "E"},
    {"V", "C", 9, "Einnahmen aus Umsatzerlösen", "E"},
    {"VI", "C", 10, "Umsatzerlöse", "E"},
    {"VII", "C", 11, "Umsatzerlöse", "E"},
    {"VII", "C", 12, "Bestandsveränderung", "E"},
    {"VII", "C", 13, "Andere aktivierte Eigenleistungen", "E"},
    {"VII", "C", 14, "Sonstige betriebliche Erträge", "E"},
    {"II", "D", 1, "Steuerneutrale Einnahmen", "E"},
    {"II", "D", 2, "Nicht abziehbare Ausgaben", "A"},
    {"IV", "D", 1, "Materialaufwand", "A"},
    {"IV", "D", 2, "Personalaufwand", "A"},
    {"IV", "D", 3, "Abschreibungen", "A"},
    {"IV", "D", 4, "Sonstige betriebliche Aufwendungen", "A"},
    {"V", "D", 5, "Materialaufwand", "A"},
    {"V", "D", 6, "Personalaufwand", "A"},
    {"V", "D", 7, "Abschreibungen", "A"},
    {"VI", "D", 8, "Sonstige betriebliche Aufwendungen", "A"},
    {"VII", "D", 9, "Materialaufwand", "A"},
    {"VII", "D", 10, "Personalaufwand", "A"},
    {"VII", "D", 11, "Abschreibungen", "A"},
    {"II", "E", 1, "Steuerneutrale Einnahmen", "E"},
    {"II", "E", 2, "Nicht abziehbare Ausgaben", "A"},
};

// Columns of F5SKR49 in table order: names sharing type and size, the size as
// written between the parentheses ("" for none).
struct ColumnGroup {
  std::vector<std::string> names;
  std::string_view type, size;
};

// One name per month, in pairs: `first`+month, then `second`+month.
std::vector<std::string> MonthPairs(std::string_view first, std::string_view second,
                                    std::initializer_list<std::string_view> months) {
  std::vector<std::string> names;
  for (std::string_view month : months) {
    names.push_back(std::string(first) + std::string(month));
    names.push_back(std::string(second) + std::string(month));
  }
  return names;
}

std::vector<std::string> F5Skr49CreateLines() {
  const std::vector<ColumnGroup> groups = {
      {{"BUCHJAHR"}, "smallint", ""},
      {{"KONTONR"}, "int", ""},
      {{"BEZEICHG"}, "varchar", "40"},
      {{"ABHABEN", "ABSOLL", "JAHRUMSH", "JAHRUMSS"}, "numeric", "19, 8"},
      {{"BILANZGUV"}, "varchar", "8"},
      {{"KENNZAHL"}, "varchar", "10"},
      {{"KTOART"}, "varchar", "40"},
      {{"START"}, "varchar", "20"},
      {{"STSCHL"}, "smallint", ""},
      {{"KREDKONTO", "DEBITKTO"}, "int", ""},
      {MonthPairs("MOUMSH", "MOUMSS",
                  {"JAN", "FEB", "MÄRZ", "APRIL", "MAI", "JUNI", "JULI", "AUG", "SEP", "OKT", "NOV",
                   "DEZ"}),
       "numeric", "19, 8"},
      {{"VERDICHTEN"}, "varchar", "6"},
      {{"KENNZUSTV", "SEITENZAHL"}, "smallint", ""},
      {{"SPERRE"}, "varchar", "6"},
      {{"FÄLLIGKEIT1"}, "smallint", ""},
      {{"SKONTO1_"}, "numeric", "19, 8"},
      {{"FÄLLIGKEIT2"}, "smallint", ""},
      {{"SKONTO2_"}, "numeric", "19, 8"},
      {{"FÄLLIGKEIT3"}, "smallint", ""},
      {{"HAUPTKONTO", "VORLABHAB", "VORLABSOLL", "SEITENANZLE"}, "numeric", "19, 8"},
      {{"VALUTA"}, "varchar", "3"},
      {{"PlanJahrSoll", "PlanJahrHaben"}, "numeric", "19, 8"},
      {MonthPairs("PlanSoll", "PlanHaben",
                  {"Jan", "Feb", "Maerz", "April", "Mai", "Juni", "Juli", "Aug", "Sep", "Okt",
                   "Nov", "Dez"}),
       "numeric", "19, 8"},
      {{"STSCH_U"}, "varchar", "1"},
      {{"KONTO_WGEWI", "KONTO_WVERL"}, "numeric", "19, 8"},
      {{"KOST_J_N"}, "varchar", "6"},
      {{"KontoArt"}, "varchar", "40"},
      {{"Bank"}, "varchar", "6"},
      {{"Unterkonto"}, "varchar", "1"},
      {{"HauptKto"}, "int", ""},
      {{"Bezeich2"}, "varchar", "40"},
      {{"KdLfNr"}, "varchar", "30"},
      {{"KennzGuV", "KennzBilanz", "KennzBWA"}, "varchar", "10"},
      {{"HHRest"}, "numeric", "19, 8"},
      {{"OPS"}, "varchar", "1"},
      {{"Spende", "KennzEU"}, "char", "10"},
      {{"BenutzerErf", "BenutzerAend"}, "varchar", "20"},
      {{"DatumErf", "DatumAend"}, "datetime", ""},
      {{"Kassenstand", "Anfangsbestand", "AktBelegNr"}, "numeric", "18, 8"},
      {{"KB", "EINAUS"}, "char", "1"},
      {{"Steuersammelkonto"}, "varchar", "1"},
      {{"KennzEUR"}, "varchar", "7"},
  };
  std::vector<std::string> lines = {"CREATE TABLE dbo.F5SKR49 ("};
  for (const ColumnGroup& group : groups) {
    for (const std::string& name : group.names) {
      std::string line = "[" + name + "] [" + std::string(group.type) + "]";
      if (!group.size.empty()) line += "(" + std::string(group.size) + ")";
      line += (name == "BUCHJAHR" || name == "KONTONR") ? " NOT NULL," : " NULL,";
      lines.push_back(line);
    }
  }
  lines.back().pop_back();  // no comma after the last column
  lines.push_back(") ON [PRIMARY]");
  return lines;
}

// Lines joined as a statement given as lines is sent: CR LF after each.
}  // namespace

void AssociationChartTables(TenantContext& t) {
  if (t.db.TableMissing("GuVKennz49")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {
                                           "CREATE TABLE dbo.GuVKennz49 (",
                                           "RimNr varchar (4) NOT NULL,",
                                           "Kennz Varchar (1) NOT NULL,",
                                           "Bezeichnung varchar (120) NOT NULL)",
                                       });
      t.db.ExecLines(Policy::kWarning, {
                                           "ALTER TABLE [dbo].[GuVKennz49]  ADD",
                                           "CONSTRAINT [PK_GuVKennz49] PRIMARY KEY CLUSTERED",
                                           "([RimNr],[Kennz]) ON [PRIMARY]",
                                       });
    });
  }

  // A classification without either of these two sections is replaced whole,
  // lines included; the decision also holds for the lines further down.
  bool refill = false;
  if (t.db.Select("SELECT * FROM GuVKennz49 WHERE Bezeichnung='Sonstige Zweckbetriebe'").Empty()) {
    refill = true;
  }
  if (t.db.Select("SELECT * FROM GuVKennz49 WHERE Bezeichnung='Ideeller Bereich'").Empty()) {
    refill = true;
  }
  // The refill of the sections and the refill of their lines are one unit:
  // a run stopped between the two would leave sections that make the next
  // run skip the refill, and the lines would never be written.
  const auto refill_sections_and_lines = [&] {
    if (refill) {
      // Two blanks after FROM. The second statement repeats the first line: the
      // lines are added to the query without clearing it. On a new tenant the
      // line table is created only further down: there is nothing to empty,
      // and its DELETE would fail with a warning on every such tenant.
      t.db.ExecLines(Policy::kWarning, {"DELETE FROM  dbo.GuVKennz49"});
      if (!t.db.TableMissing("GuVKennz49D")) {
        t.db.ExecLines(Policy::kWarning,
                       {"DELETE FROM  dbo.GuVKennz49", "DELETE FROM  dbo.GuVKennz49D"});
      }
      for (const Section& s : kSections) {
        t.db.ExecLines(Policy::kWarning,
                       {"INSERT INTO GuVKennz49 (RimNr, Kennz, Bezeichnung)",
                        "VALUES (" + db::QuoteLiteral(s.rim_nr) + "," + db::QuoteLiteral(s.kennz) +
                            "," + db::QuoteLiteral(s.bezeichnung) + ")"});
      }
    }

    // Older databases carry "Kontenklasse 6" in the names of IV C and IV D.
    t.db.ExecLines(Policy::kWarning,
                   {"UPDATE GuVKennz49 SET Bezeichnung=",
                    "'Zweckbetriebe Sport 2 (Ust-frei) - Kontenklasse 5 Einnahmen/Erträge'",
                    " WHERE Bezeichnung= 'Zweckbetriebe Sport 2 (Ust-frei) - Kontenklasse 6 "
                    "Einnahmen/Erträge'"});
    t.db.ExecLines(Policy::kWarning,
                   {"UPDATE GuVKennz49 SET Bezeichnung=",
                    "'Zweckbetriebe Sport 2 (Ust-frei) - Kontenklasse 5 Ausgaben/Aufwendungen'",
                    " WHERE Bezeichnung= 'Zweckbetriebe Sport 2 (Ust-frei) - Kontenklasse 6 "
                    "Ausgaben/Aufwendungen'"});

    if (t.db.TableMissing("GuVKennz49D")) {
      t.db.AllOrNothing([&] {
        t.db.ExecLines(Policy::kWarning, {
                                             "CREATE TABLE dbo.GuVKennz49D (",
                                             "RimNr varchar (4) NOT NULL,",
                                             "Kennz Varchar (1) NOT NULL,",
                                             "Nr int NOT NULL,",
                                             "Bezeichnung varchar (120) NOT NULL,",
                                             "EA char (1) NULL)",
                                         });
        t.db.ExecLines(Policy::kWarning, {
                                             "ALTER TABLE [dbo].[GuVKennz49D]  ADD",
                                             "CONSTRAINT [PK_GuVKennz49D] PRIMARY KEY CLUSTERED",
                                             "([Nr], [RimNr], [Kennz]) ON [PRIMARY]",
                                         });
        t.db.ExecLines(Policy::kWarning,
                       {
                           "ALTER TABLE [dbo].[GuVKennz49D]  WITH CHECK ADD  CONSTRAINT "
                           "[FK_GuVKennz49D_GuVKennz49] FOREIGN KEY([RimNr],[Kennz])",
                           "REFERENCES [dbo].[GuVKennz49] ([RimNr],[Kennz]) ON UPDATE CASCADE ON "
                           "DELETE CASCADE",
                       });
      });
    }
    if (refill) {
      for (const Line& l : kLines) {
        t.db.ExecLines(Policy::kWarning,
                       {"INSERT INTO GuVKennz49D (RimNr, Kennz, Nr, Bezeichnung, EA)",
                        "VALUES (" + db::QuoteLiteral(l.rim_nr) + "," + db::QuoteLiteral(l.kennz) +
                            "," + std::to_string(l.nr) + "," + db::QuoteLiteral(l.bezeichnung) +
                            "," + db::QuoteLiteral(l.ea) + ")"});
      }
    }
  };
  if (refill) {
    t.db.AllOrNothing(refill_sections_and_lines);
  } else {
    refill_sections_and_lines();
  }

  if (t.db.TableMissing("F5SKR49")) {
    t.db.AllOrNothing([&] {
      t.db.Exec(Policy::kWarning, db::JoinCrLf(F5Skr49CreateLines()));
      t.db.ExecLines(Policy::kWarning, {
                                           "ALTER TABLE [dbo].[F5SKR49]  ADD CONSTRAINT "
                                           "[PK_F5SKR49] PRIMARY KEY CLUSTERED (",
                                           "[BUCHJAHR] ASC,",
                                           "[KONTONR] ASC",
                                           ")WITH (IGNORE_DUP_KEY = OFF) ON [PRIMARY]",
                                       });
    });
  }

  if (t.db.TableMissing("F5DatSKR49")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {
                                           "CREATE TABLE dbo.F5DatSKR49 (",
                                           "[STEUERSCHL] [smallint] NOT NULL,",
                                           "[MWSTKTO] [int] NULL,",
                                           "[VORST_KTO] [int] NULL,",
                                           "[BFG_BASIS] [smallint] NULL,",
                                           "[BFB_GGKTO] [smallint] NULL,",
                                           "[BEG] [varchar](5) NULL,",
                                           "[Klasse] [char](1) NULL,",
                                           "[LfdNr] [int] IDENTITY(1,1) NOT NULL",
                                           ") ON [PRIMARY]",
                                       });
      t.db.ExecLines(Policy::kWarning, {
                                           "ALTER TABLE [dbo].[F5DatSKR49]  ADD CONSTRAINT "
                                           "[PK_F5DatSKR49] PRIMARY KEY CLUSTERED (",
                                           "[STEUERSCHL] ASC,",
                                           "[LfdNr] ASC",
                                           ")WITH (IGNORE_DUP_KEY = OFF) ON [PRIMARY]",
                                       });
    });
  }
}

}  // namespace quelor::migration
