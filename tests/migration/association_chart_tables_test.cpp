// Profit-and-loss keys and account tables of the association chart on the
// previous-release tenant, brought to where the second routine reaches them.
#include "migration/association_chart_tables.h"

#include <algorithm>
#include <string>
#include <vector>

#include "first_routine.h"
#include "migration/fixed_assets_and_rights.h"
#include "migration/sports_list_keys.h"
#include "migration_fixture.h"

namespace quelor::testing {
namespace {

using db::Policy;
using migration::AssociationChartTables;
using Table = std::vector<std::vector<std::string>>;

std::string Lines(std::initializer_list<std::string_view> lines) { return db::JoinCrLf(lines); }

void Send(migration::TenantContext& t, const std::string& text) {
  t.db.Exec(Policy::kUnguarded, text);
}

class AssociationChartTablesTest : public MigrationTest {
 protected:
  AssociationChartTablesTest() {
    std::vector<Segment> segments = FirstRoutineSegments();
    segments.push_back(migration::SportsListKeysAndDueDates);
    segments.push_back(migration::FixedAssetsLetterLayoutAndRights);
    Prepare(segments);
  }

  std::string Count(const std::string& table) {
    return Rows("SELECT COUNT(*) FROM " + table)[0][0];
  }
};

const char* const kSectionValues[] = {
    "VALUES ('II','A','Ideeller Bereich')",
    "VALUES ('II','B','Vermögensverwaltung')",
    "VALUES ('II','C','Zweckbetriebe Sport')",
    "VALUES ('II','D','Sonstige Zweckbetriebe')",
    "VALUES ('II','E','Geschäftsbetriebe Sport')",
    "VALUES ('II','F','Sonstige wirtschaftliche Geschäftsbetriebe')",
    "VALUES ('III','A','Einnahmen')",
    "VALUES ('III','B','Ausgaben')",
    "VALUES ('IV','A','Zweckbetrieb Sport 1 (Ust-pflichtig) - Kontenklasse 5 Einnahmen/Erträge')",
    "VALUES ('IV','B','Zweckbetrieb Sport 1 (Ust-pflichtig) - Kontenklasse 5 "
    "Ausgaben/Aufwendungen')",
    "VALUES ('IV','C','Zweckbetriebe Sport 2 (Ust-frei) - Kontenklasse 5 Einnahmen/Erträge')",
    "VALUES ('IV','D','Zweckbetriebe Sport 2 (Ust-frei) - Kontenklasse 5 Ausgaben/Aufwendungen')",
    "VALUES ('V','A','Sonstige Zweckbetriebe 1 (Ust-pflichtig) - Kontenklasse 6 "
    "Einnahmen/Erträge')",
    "VALUES ('V','B','Sonstige Zweckbetriebe 1 (Ust-pflichtig) - Kontenklasse 6 "
    "Ausgaben/Aufwendungen')",
    "VALUES ('V','C','Sonstige Zweckbetriebe 2 (Ust-frei) - Kontenklasse 6 Einnahmen/Erträge')",
    "VALUES ('V','D','Sonstige Zweckbetriebe 2 (Ust-frei) - Kontenklasse 6 "
    "Ausgaben/Aufwendungen')",
    "VALUES ('VI','A','Geschäftsbetriebe Sport - Kontenklasse 7 Einnahmen/Erträge')",
    "VALUES ('VI','B','Geschäftsbetriebe Sport - Kontenklasse 7 Ausgaben/Aufwendungen')",
    "VALUES ('VI','C','Geschäftsbetriebe Nebentätigkeiten Sport - Kontenklasse 7 "
    "Einnahmen/Erträge')",
    "VALUES ('VI','D','Geschäftsbetriebe Nebentätigkeiten Sport - Kontenklasse 7 "
    "Ausgaben/Aufwendungen')",
    "VALUES ('VII','A','Sonstige Geschäftsbetriebe 1 - Kontenklasse 8 Einnahmen/Erträge')",
    "VALUES ('VII','B','Sonstige Geschäftsbetriebe 1 - Kontenklasse 8 Ausgaben/Aufwendungen')",
    "VALUES ('VII','C','Sonstige Geschäftsbetriebe 2 - Kontenklasse 8 Einnahmen/Erträge')",
    "VALUES ('VII','D','Sonstige Geschäftsbetriebe 2 - Kontenklasse 8 Ausgaben/Aufwendungen')",
};

// The two II A lines after VII A 19: written as II B 1 and 2 they would
// collide with the first two lines.
const char* const kLineValues[] = {
    "VALUES ('II','B',1,'Schenkungen','E')",
    "VALUES ('II','B',2,'Erbschaften/Vermächtnisse','E')",
    "VALUES ('II','B',3,'Spenden','E')",
    "VALUES ('II','B',4,'Sonstige steuerneutrale Einnahmen','E')",
    "VALUES ('II','B',5,'Gezahlte, hingegebene Spenden','A')",
    "VALUES ('II','B',6,'Sonstige nicht abziehbare Ausgaben','A')",
    "VALUES ('III','A',3,'Miet- und Pachterträge','E')",
    "VALUES ('III','A',4,'Zins- und Kurserträgen','E')",
    "VALUES ('III','A',5,'Erträge Werbung','E')",
    "VALUES ('III','A',6,'Sonstige ertragsteuerfreie Einnahmen','E')",
    "VALUES ('IV','A',7,'Umsatzerlöse','E')",
    "VALUES ('IV','A',8,'Sonstige Erträge','E')",
    "VALUES ('V','A',9,'Umsatzerlöse','E')",
    "VALUES ('V','A',10,'Bestandsveränderung','E')",
    "VALUES ('V','A',11,'Andere aktivierte Eigenleistungen','E')",
    "VALUES ('V','A',12,'Sonstige betriebliche Erträge','E')",
    "VALUES ('V','A',13,'Einnahmen aus Umsatzerlösen','E')",
    "VALUES ('VI','A',14,'Umsatzerlöse','E')",
    "VALUES ('VII','A',15,'Umsatzerlöse','E')",
    "VALUES ('VII','A',16,'Bestandsveränderung','E')",
    "VALUES ('VII','A',17,'Andere aktivierte Eigenleistungen','E')",
    "VALUES ('VII','A',18,'Sonstige betriebliche Erträge','E')",
    "VALUES ('VII','A',19,'Sonstige Zinsen und ähnliche Einnahmen','E')",
    "VALUES ('II','A',1,'Steuerneutrale Einnahmen','E')",
    "VALUES ('II','A',2,'Nicht abziehbare Ausgaben','A')",
    "VALUES ('III','B',3,'Abschreibungen','A')",
    "VALUES ('III','B',4,'Sonstige Ausgaben','A')",
    "VALUES ('IV','B',5,'Materialaufwand','A')",
    "VALUES ('IV','B',6,'Personalaufwand','A')",
    "VALUES ('IV','B',7,'Abschreibungen','A')",
    "VALUES ('IV','B',8,'Sonstige betriebliche Aufwendungen','A')",
    "VALUES ('V','B',9,'Materialaufwand','A')",
    "VALUES ('V','B',10,'Personalaufwand','A')",
    "VALUES ('V','B',11,'Abschreibungen','A')",
    "VALUES ('VI','B',12,'Materialaufwand','A')",
    "VALUES ('VI','B',13,'Personalaufwand','A')",
    "VALUES ('VI','B',14,'Abschreibungen','A')",
    "VALUES ('VI','B',15,'Sonstige betriebliche Aufwendungen','A')",
    "VALUES ('VII','B',16,'Materialaufwand','A')",
    "VALUES ('VII','B',17,'Personalaufwand','A')",
    "VALUES ('VII','B',18,'Abschreibungen','A')",
    "VALUES ('II','C',1,'Steuerneutrale Einnahmen','E')",
    "VALUES ('II','C',2,'Nicht abziehbare Ausgaben','A')",
    "VALUES ('IV','C',3,'Umsatzerlöse','E')",
    "VALUES ('IV','C',4,'Sonstige Erträge','E')",
    "VALUES ('V','C',5,'Umsatzerlöse','E')",
    "VALUES ('V','C',6,'Bestandsveränderung','E')",
    "VALUES ('V','C',7,'Andere aktivierte Eigenleistungen','E')",
    "VALUES ('V','C',8,'Sonstige betriebliche Erträge','E')",
    "VALUES ('V','C',9,'Einnahmen aus Umsatzerlösen','E')",
    "VALUES ('VI','C',10,'Umsatzerlöse','E')",
    "VALUES ('VII','C',11,'Umsatzerlöse','E')",
    "VALUES ('VII','C',12,'Bestandsveränderung','E')",
    "VALUES ('VII','C',13,'Andere aktivierte Eigenleistungen','E')",
    "VALUES ('VII','C',14,'Sonstige betriebliche Erträge','E')",
    "VALUES ('II','D',1,'Steuerneutrale Einnahmen','E')",
    "VALUES ('II','D',2,'Nicht abziehbare Ausgaben','A')",
    "VALUES ('IV','D',1,'Materialaufwand','A')",
    "VALUES ('IV','D',2,'Personalaufwand','A')",
    "VALUES ('IV','D',3,'Abschreibungen','A')",
    "VALUES ('IV','D',4,'Sonstige betriebliche Aufwendungen','A')",
    "VALUES ('V','D',5,'Materialaufwand','A')",
    "VALUES ('V','D',6,'Personalaufwand','A')",
    "VALUES ('V','D',7,'Abschreibungen','A')",
    "VALUES ('VI','D',8,'Sonstige betriebliche Aufwendungen','A')",
    "VALUES ('VII','D',9,'Materialaufwand','A')",
    "VALUES ('VII','D',10,'Personalaufwand','A')",
    "VALUES ('VII','D',11,'Abschreibungen','A')",
    "VALUES ('II','E',1,'Steuerneutrale Einnahmen','E')",
    "VALUES ('II','E',2,'Nicht abziehbare Ausgaben','A')",
};

const std::string kRenameIncome =
    Lines({"UPDATE GuVKennz49 SET Bezeichnung=",
           "'Zweckbetriebe Sport 2 (Ust-frei) - Kontenklasse 5 Einnahmen/Erträge'",
           " WHERE Bezeichnung= 'Zweckbetriebe Sport 2 (Ust-frei) - Kontenklasse 6 "
           "Einnahmen/Erträge'"});
const std::string kRenameExpenses =
    Lines({"UPDATE GuVKennz49 SET Bezeichnung=",
           "'Zweckbetriebe Sport 2 (Ust-frei) - Kontenklasse 5 Ausgaben/Aufwendungen'",
           " WHERE Bezeichnung= 'Zweckbetriebe Sport 2 (Ust-frei) - Kontenklasse 6 "
           "Ausgaben/Aufwendungen'"});

// The account table's statement is compared apart, line by line.
const std::string kF5Skr49Create = "(CREATE TABLE dbo.F5SKR49)";

std::vector<std::string> FirstRunStatements() {
  std::vector<std::string> s = {
      Lines({"CREATE TABLE dbo.GuVKennz49 (", "RimNr varchar (4) NOT NULL,",
             "Kennz Varchar (1) NOT NULL,", "Bezeichnung varchar (120) NOT NULL)"}),
      Lines({"ALTER TABLE [dbo].[GuVKennz49]  ADD",
             "CONSTRAINT [PK_GuVKennz49] PRIMARY KEY CLUSTERED", "([RimNr],[Kennz]) ON [PRIMARY]"}),
      // The line table does not exist yet: only the sections are emptied.
      "DELETE FROM  dbo.GuVKennz49\r\n",
  };
  for (const char* values : kSectionValues) {
    s.push_back(Lines({"INSERT INTO GuVKennz49 (RimNr, Kennz, Bezeichnung)", values}));
  }
  s.push_back(kRenameIncome);
  s.push_back(kRenameExpenses);
  s.push_back(Lines({"CREATE TABLE dbo.GuVKennz49D (", "RimNr varchar (4) NOT NULL,",
                     "Kennz Varchar (1) NOT NULL,", "Nr int NOT NULL,",
                     "Bezeichnung varchar (120) NOT NULL,", "EA char (1) NULL)"}));
  s.push_back(Lines({"ALTER TABLE [dbo].[GuVKennz49D]  ADD",
                     "CONSTRAINT [PK_GuVKennz49D] PRIMARY KEY CLUSTERED",
                     "([Nr], [RimNr], [Kennz]) ON [PRIMARY]"}));
  s.push_back(
      Lines({"ALTER TABLE [dbo].[GuVKennz49D]  WITH CHECK ADD  CONSTRAINT "
             "[FK_GuVKennz49D_GuVKennz49] FOREIGN KEY([RimNr],[Kennz])",
             "REFERENCES [dbo].[GuVKennz49] ([RimNr],[Kennz]) ON UPDATE CASCADE ON "
             "DELETE CASCADE"}));
  for (const char* values : kLineValues) {
    s.push_back(Lines({"INSERT INTO GuVKennz49D (RimNr, Kennz, Nr, Bezeichnung, EA)", values}));
  }
  s.push_back(kF5Skr49Create);
  s.push_back(
      Lines({"ALTER TABLE [dbo].[F5SKR49]  ADD CONSTRAINT [PK_F5SKR49] PRIMARY KEY "
             "CLUSTERED (",
             "[BUCHJAHR] ASC,", "[KONTONR] ASC", ")WITH (IGNORE_DUP_KEY = OFF) ON [PRIMARY]"}));
  s.push_back(
      Lines({"CREATE TABLE dbo.F5DatSKR49 (", "[STEUERSCHL] [smallint] NOT NULL,",
             "[MWSTKTO] [int] NULL,", "[VORST_KTO] [int] NULL,", "[BFG_BASIS] [smallint] NULL,",
             "[BFB_GGKTO] [smallint] NULL,", "[BEG] [varchar](5) NULL,", "[Klasse] [char](1) NULL,",
             "[LfdNr] [int] IDENTITY(1,1) NOT NULL", ") ON [PRIMARY]"}));
  s.push_back(
      Lines({"ALTER TABLE [dbo].[F5DatSKR49]  ADD CONSTRAINT [PK_F5DatSKR49] PRIMARY "
             "KEY CLUSTERED (",
             "[STEUERSCHL] ASC,", "[LfdNr] ASC", ")WITH (IGNORE_DUP_KEY = OFF) ON [PRIMARY]"}));
  return s;
}

const std::vector<std::string> kSecondRunProbes = {
    "SELECT * FROM sysobjects WHERE name='GuVKennz49'",
    "SELECT * FROM GuVKennz49 WHERE Bezeichnung='Sonstige Zweckbetriebe'",
    "SELECT * FROM GuVKennz49 WHERE Bezeichnung='Ideeller Bereich'",
    "SELECT * FROM sysobjects WHERE name='GuVKennz49D'",
    "SELECT * FROM sysobjects WHERE name='F5SKR49'",
    "SELECT * FROM sysobjects WHERE name='F5DatSKR49'",
};

// A refill asks once more whether the line table is there to be emptied.
std::vector<std::string> RefillProbes() {
  std::vector<std::string> probes = kSecondRunProbes;
  probes.insert(probes.begin() + 3, "SELECT * FROM sysobjects WHERE name='GuVKennz49D'");
  return probes;
}

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (std::size_t end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
    lines.push_back(text.substr(at, end - at));
  }
  if (at != text.size()) lines.push_back("(unterminated) " + text.substr(at));
  return lines;
}

TEST_F(AssociationChartTablesTest, FirstRunSendsEveryStatementInCatalogueOrder) {
  Run({AssociationChartTables});
  const std::vector<std::string> expected = FirstRunStatements();
  std::vector<std::string> executed = Executed();
  const auto create = std::find_if(executed.begin(), executed.end(), [](const std::string& text) {
    return text.rfind("CREATE TABLE dbo.F5SKR49 (\r\n", 0) == 0;
  });
  ASSERT_NE(create, executed.end());
  const std::string f5skr49 = *create;
  *create = kF5Skr49Create;
  for (std::size_t i = 0; i < std::min(expected.size(), executed.size()); ++i) {
    EXPECT_EQ(executed[i], expected[i]) << "statement " << i;
  }
  EXPECT_EQ(executed.size(), expected.size());
  EXPECT_EQ(executed.size(), 2u + 1u + 24u + 2u + 3u + 70u + 2u + 2u);
  EXPECT_EQ(Queries(), RefillProbes());

  // The account table: its head, 106 column lines and the storage line.
  const std::vector<std::string> lines = SplitCrLf(f5skr49);
  ASSERT_EQ(lines.size(), 108u);
  const std::vector<std::pair<std::size_t, std::string>> samples = {
      {0, "CREATE TABLE dbo.F5SKR49 ("},
      {1, "[BUCHJAHR] [smallint] NOT NULL,"},
      {2, "[KONTONR] [int] NOT NULL,"},
      {3, "[BEZEICHG] [varchar](40) NULL,"},
      {4, "[ABHABEN] [numeric](19, 8) NULL,"},
      {15, "[MOUMSHJAN] [numeric](19, 8) NULL,"},
      {20, "[MOUMSSMÄRZ] [numeric](19, 8) NULL,"},
      {38, "[MOUMSSDEZ] [numeric](19, 8) NULL,"},
      {39, "[VERDICHTEN] [varchar](6) NULL,"},
      {43, "[FÄLLIGKEIT1] [smallint] NULL,"},
      {52, "[VALUTA] [varchar](3) NULL,"},
      {55, "[PlanSollJan] [numeric](19, 8) NULL,"},
      {60, "[PlanHabenMaerz] [numeric](19, 8) NULL,"},
      {78, "[PlanHabenDez] [numeric](19, 8) NULL,"},
      {79, "[STSCH_U] [varchar](1) NULL,"},
      {94, "[Spende] [char](10) NULL,"},
      {98, "[DatumErf] [datetime] NULL,"},
      {102, "[AktBelegNr] [numeric](18, 8) NULL,"},
      {105, "[Steuersammelkonto] [varchar](1) NULL,"},
      {106, "[KennzEUR] [varchar](7) NULL"},
      {107, ") ON [PRIMARY]"},
  };
  for (const auto& [index, line] : samples) EXPECT_EQ(lines[index], line) << "line " << index;
  for (std::size_t i = 1; i <= 105; ++i) {
    EXPECT_EQ(lines[i].back(), ',') << "line " << i;
    EXPECT_EQ(lines[i].find("NOT NULL") != std::string::npos, i <= 2) << "line " << i;
  }
}

TEST_F(AssociationChartTablesTest, FirstRunCreatesTheTablesAndStoresEveryLine) {
  Run({AssociationChartTables});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(transcript.With("w failed "), std::vector<std::string>{});

  EXPECT_EQ(Count("GuVKennz49"), "24");
  EXPECT_EQ(Count("GuVKennz49D"), "70");
  EXPECT_EQ(
      Rows("SELECT Nr, Bezeichnung, EA FROM GuVKennz49D WHERE RimNr='II' AND Kennz='A' "
           "ORDER BY Nr"),
      (Table{{"1", "Steuerneutrale Einnahmen", "E"}, {"2", "Nicht abziehbare Ausgaben", "A"}}));
  EXPECT_EQ(Rows("SELECT Bezeichnung FROM GuVKennz49D WHERE RimNr='II' AND Kennz='B' AND Nr<=2 "
                 "ORDER BY Nr"),
            (Table{{"Schenkungen"}, {"Erbschaften/Vermächtnisse"}}));
  // Every line belongs to a section of the classification.
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM GuVKennz49D D WHERE NOT EXISTS (SELECT * FROM GuVKennz49 K "
                 "WHERE K.RimNr=D.RimNr AND K.Kennz=D.Kennz)"),
            (Table{{"0"}}));

  for (const char* key : {"PK_GuVKennz49", "PK_GuVKennz49D", "FK_GuVKennz49D_GuVKennz49",
                          "PK_F5SKR49", "PK_F5DatSKR49"}) {
    EXPECT_EQ(Rows(std::string("SELECT COUNT(*) FROM sysobjects WHERE name='") + key + "'"),
              (Table{{"1"}}))
        << key;
  }
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM Information_Schema.Columns WHERE Table_Name='F5SKR49'"),
            (Table{{"106"}}));
  struct ColumnCase {
    std::string table, column, type, length, nullable;
  };
  const std::vector<ColumnCase> columns = {
      {"GuVKennz49", "Bezeichnung", "varchar", "120", "NO"},
      {"GuVKennz49D", "EA", "char", "1", "YES"},
      {"F5SKR49", "BUCHJAHR", "smallint", "NULL", "NO"},
      {"F5SKR49", "KONTONR", "int", "NULL", "NO"},
      {"F5SKR49", "MOUMSHMÄRZ", "numeric", "NULL", "YES"},
      {"F5SKR49", "FÄLLIGKEIT3", "smallint", "NULL", "YES"},
      {"F5SKR49", "KennzEU", "char", "10", "YES"},
      {"F5SKR49", "KennzEUR", "varchar", "7", "YES"},
      {"F5DatSKR49", "STEUERSCHL", "smallint", "NULL", "NO"},
      {"F5DatSKR49", "BEG", "varchar", "5", "YES"},
  };
  for (const ColumnCase& c : columns) {
    EXPECT_EQ(ColumnShape(c.table, c.column), (Table{{c.type, c.length, c.nullable}}))
        << c.table << "." << c.column;
  }
  EXPECT_EQ(Rows("SELECT NUMERIC_PRECISION, NUMERIC_SCALE FROM Information_Schema.Columns WHERE "
                 "Table_Name='F5SKR49' AND Column_Name IN ('ABSOLL','Kassenstand') "
                 "ORDER BY Column_Name"),
            (Table{{"19", "8"}, {"18", "8"}}));
  EXPECT_EQ(Count("F5SKR49"), "0");
  EXPECT_EQ(Count("F5DatSKR49"), "0");
}

TEST_F(AssociationChartTablesTest, SecondRunOnlyProbesAndRenames) {
  Prepare({AssociationChartTables});
  const std::string before = DatabaseSnapshot();

  Run({AssociationChartTables});

  EXPECT_EQ(Executed(), (std::vector<std::string>{kRenameIncome, kRenameExpenses}));
  EXPECT_EQ(Queries(), kSecondRunProbes);
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(DatabaseSnapshot(), before);
}

TEST_F(AssociationChartTablesTest, OldColumnNamesOfSectionFourAreCorrected) {
  Prepare({AssociationChartTables, [](migration::TenantContext& t) {
             Send(t,
                  "UPDATE GuVKennz49 SET Bezeichnung=REPLACE(Bezeichnung, 'Kontenklasse 5', "
                  "'Kontenklasse 6') WHERE RimNr='IV'");
           }});
  Run({AssociationChartTables});
  EXPECT_EQ(Rows("SELECT Kennz, Bezeichnung FROM GuVKennz49 WHERE RimNr='IV' ORDER BY Kennz"),
            (Table{{"A", "Zweckbetrieb Sport 1 (Ust-pflichtig) - Kontenklasse 6 Einnahmen/Erträge"},
                   {"B",
                    "Zweckbetrieb Sport 1 (Ust-pflichtig) - Kontenklasse 6 "
                    "Ausgaben/Aufwendungen"},
                   {"C", "Zweckbetriebe Sport 2 (Ust-frei) - Kontenklasse 5 Einnahmen/Erträge"},
                   {"D",
                    "Zweckbetriebe Sport 2 (Ust-frei) - Kontenklasse 5 "
                    "Ausgaben/Aufwendungen"}}));
  EXPECT_EQ(transcript.With("w execute INSERT"), std::vector<std::string>{});
}

// A classification that lacks one of the two marker sections is replaced
// whole: the sections and all lines, users' changes included.
class AssociationChartRefillTest : public AssociationChartTablesTest,
                                   public ::testing::WithParamInterface<const char*> {};

TEST_P(AssociationChartRefillTest, MissingSectionRefillsBothTables) {
  const std::string change = GetParam();
  Prepare({AssociationChartTables, [&](migration::TenantContext& t) {
             Send(t, change);
             Send(t,
                  "UPDATE GuVKennz49D SET Bezeichnung='Eigene Zeile' WHERE RimNr='III' AND "
                  "Kennz='B' AND Nr=3");
             Send(t,
                  "INSERT INTO GuVKennz49D (RimNr, Kennz, Nr, Bezeichnung, EA) VALUES "
                  "('II','F',1,'Zusatz','E')");
           }});
  Run({AssociationChartTables});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(Queries(), RefillProbes());
  EXPECT_EQ(transcript.With("w execute DELETE"),
            (std::vector<std::string>{
                "w execute DELETE FROM  dbo.GuVKennz49\r\n",
                "w execute DELETE FROM  dbo.GuVKennz49\r\nDELETE FROM  dbo.GuVKennz49D\r\n"}));
  EXPECT_EQ(transcript.With("w execute INSERT INTO GuVKennz49 ").size(), 24u);
  EXPECT_EQ(transcript.With("w execute INSERT INTO GuVKennz49D ").size(), 70u);
  EXPECT_EQ(Count("GuVKennz49"), "24");
  EXPECT_EQ(Count("GuVKennz49D"), "70");
  EXPECT_EQ(Rows("SELECT Bezeichnung FROM GuVKennz49D WHERE RimNr='III' AND Kennz='B' AND Nr=3"),
            (Table{{"Abschreibungen"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM GuVKennz49D WHERE Kennz='F'"), (Table{{"0"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM GuVKennz49 WHERE Bezeichnung IN ('Ideeller Bereich', "
                 "'Sonstige Zweckbetriebe')"),
            (Table{{"2"}}));
}

INSTANTIATE_TEST_SUITE_P(
    Sections, AssociationChartRefillTest,
    ::testing::Values("UPDATE GuVKennz49 SET Bezeichnung='Ideeller Bereich (alt)' WHERE "
                      "RimNr='II' AND Kennz='A'",
                      "DELETE FROM GuVKennz49 WHERE Bezeichnung='Sonstige Zweckbetriebe'"));

// An older database whose line table exists without the foreign key: the
// refill empties it by its own DELETE line.
TEST_F(AssociationChartTablesTest, RefillWithoutForeignKeyStillEmptiesTheLines) {
  Prepare({AssociationChartTables, [](migration::TenantContext& t) {
             Send(t, "ALTER TABLE GuVKennz49D DROP CONSTRAINT FK_GuVKennz49D_GuVKennz49");
             Send(t, "DELETE FROM GuVKennz49 WHERE RimNr='II' AND Kennz='A'");
             Send(t,
                  "INSERT INTO GuVKennz49D (RimNr, Kennz, Nr, Bezeichnung, EA) VALUES "
                  "('IX','Z',99,'Verwaist','A')");
           }});
  Run({AssociationChartTables});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(Count("GuVKennz49D"), "70");
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM GuVKennz49D WHERE RimNr='IX'"), (Table{{"0"}}));
}

}  // namespace
}  // namespace quelor::testing
