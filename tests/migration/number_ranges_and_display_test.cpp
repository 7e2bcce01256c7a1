// Number ranges, display settings, text widths, birthday function and last
// indexes on the previous-release tenant, brought to where the last segment
// of the second routine starts; and on a system database.
#include "migration/number_ranges_and_display.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "first_routine.h"
#include "migration/birthday_function.h"
#include "migration_fixture.h"
#include "second_routine.h"
#include "sim/connection/script_loader.h"

namespace quelor::resources {
extern const std::string_view kPreviousReleaseTenantScript;
}

namespace quelor::testing {
namespace {

using db::Policy;
using migration::NumberRangesDisplayAndLastIndexes;
using Table = std::vector<std::vector<std::string>>;

std::string Lines(std::initializer_list<std::string_view> lines) { return db::JoinCrLf(lines); }

const char kLieferNr[] =
    "UPDATE EINST SET LIFERNR=(SELECT IsNull(Max(RechNummer),'1') FROM Rechn WHERE "
    "FORM_ART='Lieferschein')";
const char kAngebNr[] =
    "UPDATE EINST SET ANGEBNR=(SELECT IsNull(Max(RechNummer),'1') FROM Rechn WHERE "
    "FORM_ART='Angebot')";
const char kRechNr[] =
    "UPDATE EINST SET RECHNR=(SELECT IsNull(Max(RechNummer),'1') FROM Rechn WHERE "
    "FORM_ART='Rechnung')";

std::string DeleteStaleKinds() {
  return Lines({"delete from MgArtDat", " where Art not in (select Art from MgArt)"});
}

std::string Betreung() {
  return Lines({"update Adresse set Betreung=(CASE WHEN IsNull(Anrede,'')='Herr' THEN 'MÄNNLICH' "
                "ELSE CASE WHEN IsNull(Anrede,'')='Frau' THEN 'WEIBLICH' END END)",
                " where 1=1", " and (", " (IsNull(Anrede,'')='Herr'",
                " and IsNull(Betreung,'')<>'MÄNNLICH') or ", " (IsNull(Anrede,'')='Frau'",
                " and IsNull(Betreung,'')<>'WEIBLICH')"}) +
         " )";
}

const char kAnrede2[] = "ALTER TABLE Adresse ALTER COLUMN Anrede2 VARCHAR (80)";
const char kGwg[] =
    "UPDATE AnlageTabelle SET Name='GWG von 250,- bis  800,- €' where Name='GwG bis 410,- €'\r\n";

const char kRoutineProbe[] =
    "SELECT * FROM Information_schema.Routines\n"
    "WHERE Specific_schema = 'dbo'\n"
    "AND specific_name = 'fnDays2NextBirthday'\n"
    "AND Routine_Type = 'FUNCTION'\n";

// Every statement the segment sends to a tenant on its first run, in order.
std::vector<std::string> FirstRunStatements() {
  std::vector<std::string> s = {
      kLieferNr,
      kAngebNr,
      kRechNr,
      DeleteStaleKinds(),
      Betreung(),
      "ALTER TABLE dbo.Einst ADD SkinForButtons  varchar (50) NULL",
      "UPDATE Einst SET SkinForButtons='McSkin'",
      "ALTER TABLE dbo.Einst ADD PanelColor  int  NULL",
      "UPDATE Einst SET PanelColor=16770229",
      "ALTER TABLE dbo.Adresse ADD Briefempfanger  char (1) NULL",
      "ALTER TABLE dbo.PASS ADD CODE  char (1) Null",
      "UPDATE PASS SET CODE='N'",
      "ALTER TABLE PASS ALTER COLUMN Passwort VARCHAR (50)",
      "ALTER TABLE dbo.MgUeberwVorl ADD Datum  datetime  Null",
  };
  for (int n = 1; n <= 10; ++n) {
    for (const char* column : {"Text1_", "Text2_"}) {
      s.push_back("ALTER TABLE RECHN ALTER COLUMN " + std::string(column) + std::to_string(n) +
                  " VARCHAR (120)");
    }
  }
  s.push_back(kAnrede2);
  s.push_back(kGwg);
  const std::vector<std::pair<const char*, const char*>> notice_fields = {
      {"EMAIL", "VARCHAR (200)"},
      {"Grundungsjahr", "int "},
      {"EingetragenerVerein", "char (1)"},
      {"Freistellungsbescheid", "datetime "},
      {"FreistellungsbescheidBeantragt", "char (1)"},
      {"DauerDerFreistellung", "varchar (50)"},
      {"FreistellungsbescheidVE", "char (1)"},
      {"FreistellungsbescheidGultigVon", "datetime "},
      {"FreistellungsbescheidGultigBis", "datetime "},
      {"BZCheckBox1", "char (1)"},
      {"BZCheckBox2", "char (1)"},
      {"BZCheckBox3", "char (1)"},
      {"BZCheckBox4", "char (1)"},
      {"BZText1", "text "},
      {"BZText2", "text "},
      {"BZText3", "text "},
      {"BZBescheidVom", "varchar (20)"},
      {"Unterschrift", "varchar (255)"},
      {"Vorlage", "varchar (255)"},
      {"BZBescheidVom2", "datetime "},
  };
  for (const auto& [column, type] : notice_fields) {
    s.push_back("ALTER TABLE dbo.mandstam ADD " + std::string(column) + "  " + type + " NULL");
  }
  for (const char* text : {
           "ALTER TABLE dbo.adresse ADD BriefanredeS  varchar (255) NULL",
           "ALTER TABLE dbo.Einst ADD PanelColorKlein  int  NULL",
           "UPDATE Einst SET PanelColorKlein=16777215",
           "ALTER TABLE dbo.EINST ADD SKR49Jahr  int  NULL",
           "UPDATE Einst SET SKR49Jahr=0",
           "update f5bew4s set "
           "soll=ROUND(CEILING(Soll*100),0)/100,haben=ROUND(CEILING(Haben*100),0)/100",
           "update f5bew4sg set "
           "soll=ROUND(CEILING(Soll*100),0)/100,haben=ROUND(CEILING(Haben*100),0)/100",
           // SEPAVersion is there since the first segment of the routine.
           "ALTER TABLE dbo.mandstam ADD Forderung  varchar (150) NULL",
           "ALTER TABLE dbo.mandstam ADD Satzung  varchar (150) NULL",
           "ALTER TABLE dbo.F5Kasses ADD AktBelegNrLU  int  NULL",
           "ALTER TABLE dbo.PASS ADD VORL_Faktura  varchar (120) NULL",
           "ALTER TABLE dbo.AdrSepa ADD LetzteVerwendungAlt  DateTime  NULL",
           "ALTER TABLE dbo.AdrSepa ADD GultigBisAlt  DateTime  NULL",
       }) {
    s.push_back(text);
  }
  for (const char* table :
       {"F5BEW4S", "F5BEW4SG", "F5BEW4STMP", "F5BEW4SGTMP", "F5BW4SA", "F5BW4SGA"}) {
    s.push_back("ALTER TABLE dbo." + std::string(table) +
                " ALTER COLUMN BuchngsText  Varchar (140) Null");
  }
  s.push_back("ALTER TABLE dbo.F5bew4 ALTER COLUMN TEXT  Varchar (140) Null");
  s.push_back("ALTER TABLE dbo.F5bew4Tmp ALTER COLUMN TEXT  Varchar (140) Null");
  s.push_back(migration::Days2NextBirthdayText());
  for (const char* text : {
           "ALTER TABLE dbo.MgKontoUms ADD FibuJahr  smallint  NULL",
           "ALTER TABLE dbo.MgKontoUms ADD FibuMonat  smallint  NULL",
           "ALTER TABLE dbo.MgKontoUms ADD FibuInterneNr  int  NULL",
           "ALTER TABLE dbo.MgUeberw ADD LfdNrSammelU  int  NULL",
           "UPDATE MgUeberw SET LfdNrSammelU=LfdNr",
           "ALTER TABLE dbo.MgUeberw ADD Art  char (1) NULL",
           "UPDATE MgUeberw SET Art='E'",
           "CREATE NONCLUSTERED INDEX imandatsrefenz ON Adresse (mandatsrefenz)",
           "CREATE NONCLUSTERED INDEX iMgSolln1 ON MgSolln (AdrNr, Jahr, Monat, Offen)",
           "CREATE NONCLUSTERED INDEX iRechn1 ON Rechn (KUNDE, Jahr, Zeitraum, Offen)",
       }) {
    s.push_back(text);
  }
  return s;
}

class LastSegmentTest : public MigrationTest {
 protected:
  // Brings the current database to where the second routine's fifth segment
  // leaves it.
  void PrepareUpToLastSegment() {
    std::vector<Segment> segments = FirstRoutineSegments();
    for (Segment& segment : SecondRoutineBeforeLastSegment()) segments.push_back(segment);
    Prepare(segments);
  }

  static Segment Send(std::string text) {
    return [text](migration::TenantContext& t) { t.db.Exec(Policy::kUnguarded, text); };
  }

  Table NumberRanges() { return Rows("SELECT RECHNR, ANGEBNR, LIFERNR FROM EINST"); }
};

class NumberRangesTest : public LastSegmentTest {
 protected:
  NumberRangesTest() { PrepareUpToLastSegment(); }
};

TEST_F(NumberRangesTest, FirstRunSendsEveryStatementInCatalogueOrder) {
  Run({NumberRangesDisplayAndLastIndexes});
  const std::vector<std::string> expected = FirstRunStatements();
  const std::vector<std::string> executed = Executed();
  for (std::size_t i = 0; i < std::min(expected.size(), executed.size()); ++i) {
    EXPECT_EQ(executed[i], expected[i]) << "statement " << i;
  }
  EXPECT_EQ(executed.size(), expected.size());
  // The routine probe is sent with bare line feeds.
  const std::vector<std::string> queries = Queries();
  EXPECT_NE(std::find(queries.begin(), queries.end(), kRoutineProbe), queries.end());
  EXPECT_EQ(progress_count(), 0);
}

TEST_F(NumberRangesTest, FirstRunSetsRangesSettingsWidthsAndIndexes) {
  Run({NumberRangesDisplayAndLastIndexes});

  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(transcript.With("w failed "), std::vector<std::string>{});
  EXPECT_FALSE(guv_copy_scheduled);  // a club, not the system database
  // The largest number of each kind: invoices, quotations, delivery notes.
  EXPECT_EQ(NumberRanges(), (Table{{"2026003", "1002", "501"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM MgArtDat WHERE Art not in (select Art from MgArt)"),
            (Table{{"0"}}));
  EXPECT_EQ(Rows("SELECT SkinForButtons, PanelColor, PanelColorKlein, SKR49Jahr, SEPAVersion FROM "
                 "Einst"),
            (Table{{"McSkin", "16770229", "16777215", "0", "2.6"}}));
  EXPECT_EQ(Rows("SELECT DISTINCT CODE FROM PASS"), (Table{{"N"}}));
  EXPECT_EQ(ColumnShape("PASS", "Passwort"), (Table{{"varchar", "50", "YES"}}));
  EXPECT_EQ(ColumnShape("RECHN", "Text2_10"), (Table{{"varchar", "120", "YES"}}));
  EXPECT_EQ(ColumnShape("Adresse", "Anrede2"), (Table{{"varchar", "80", "YES"}}));
  EXPECT_EQ(ColumnShape("F5bew4Tmp", "TEXT"), (Table{{"varchar", "140", "YES"}}));
  EXPECT_EQ(ColumnShape("F5BW4SGA", "BuchngsText"), (Table{{"varchar", "140", "YES"}}));
  EXPECT_EQ(ColumnShape("mandstam", "BZText3"), (Table{{"text", "2147483647", "YES"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM MgUeberw WHERE LfdNrSammelU<>LfdNr OR Art<>'E' OR Art IS "
                 "NULL"),
            (Table{{"0"}}));
  EXPECT_EQ(Rows("SELECT ROUTINE_NAME FROM Information_schema.Routines WHERE "
                 "ROUTINE_NAME='fnDays2NextBirthday'"),
            (Table{{"fnDays2NextBirthday"}}));
  EXPECT_EQ(
      Rows("SELECT name FROM SysIndexes WHERE name IN ('imandatsrefenz','iMgSolln1','iRechn1')"
           " ORDER BY name"),
      (Table{{"imandatsrefenz"}, {"iMgSolln1"}, {"iRechn1"}}));
}

TEST_F(NumberRangesTest, BetreungFollowsTheSalutationWhereItDiffers) {
  // A company with a gender set keeps it.
  Prepare({Send("UPDATE Adresse SET Betreung='WEIBLICH' WHERE AdrNr=7")});
  Run({NumberRangesDisplayAndLastIndexes});
  EXPECT_EQ(Rows("SELECT AdrNr, Anrede, Betreung FROM Adresse ORDER BY AdrNr"),
            (Table{{"1", "Herr", "MÄNNLICH"},
                   {"2", "Frau", "WEIBLICH"},  // was NULL
                   {"3", "Frau", "WEIBLICH"},
                   {"4", "Herr", "MÄNNLICH"},
                   {"5", "Herr", "MÄNNLICH"},
                   {"6", "Frau", "WEIBLICH"},
                   {"7", "Firma", "WEIBLICH"},
                   {"8", "Frau", "WEIBLICH"},
                   {"9", "Herr", "MÄNNLICH"}}));  // was WEIBLICH
}

TEST_F(NumberRangesTest, AKindWithoutDocumentsStartsAtOne) {
  Prepare({Send("DELETE FROM Rechn WHERE FORM_ART<>'Rechnung'")});
  Run({NumberRangesDisplayAndLastIndexes});
  EXPECT_EQ(NumberRanges(), (Table{{"2026003", "1", "1"}}));
}

TEST_F(NumberRangesTest, SecondRunSendsOnlyTheEveryRunStepsAndChangesNothing) {
  Prepare({NumberRangesDisplayAndLastIndexes});
  const std::string before = DatabaseSnapshot();

  Run({NumberRangesDisplayAndLastIndexes});

  EXPECT_EQ(Executed(), (std::vector<std::string>{kLieferNr, kAngebNr, kRechNr, DeleteStaleKinds(),
                                                  Betreung(), kAnrede2, kGwg}));
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_FALSE(guv_copy_scheduled);
  EXPECT_TRUE(DatabaseSnapshot() == before) << "the second run changed the database";
}

TEST_F(NumberRangesTest, TheCopyIsAskedForOnlyFromTheSystemDatabaseAndOnlyOnce) {
  struct Case {
    const char* tenant_list_name;
    bool copies;
  };
  const Case cases[] = {
      {"Quelor", true},    {" QUELOR ", true},    {"quelor", true},
      {"QUELOR_A", false}, {"QuelorTMP1", false},
  };
  const Segment drop_function = Send("DROP FUNCTION dbo.fnDays2NextBirthday");
  const Segment drop_mark = Send("DROP TABLE dbo.UpdGuVKopie");
  for (const Case& c : cases) {
    tenant_list_name = c.tenant_list_name;
    guv_copy_scheduled = false;
    Prepare({NumberRangesDisplayAndLastIndexes});  // creates the function
    EXPECT_EQ(guv_copy_scheduled, c.copies) << c.tenant_list_name;
    // Until the copy has been made, its mark asks for it again.
    guv_copy_scheduled = false;
    Run({NumberRangesDisplayAndLastIndexes});
    EXPECT_EQ(guv_copy_scheduled, c.copies) << c.tenant_list_name;
    if (c.copies) Prepare({drop_mark});  // as the copy does
    guv_copy_scheduled = false;
    Run({NumberRangesDisplayAndLastIndexes});  // finds the function
    EXPECT_FALSE(guv_copy_scheduled) << c.tenant_list_name;
    Prepare({drop_function});
  }
}

// The system database, which the tenant loop also migrates.
class SystemDatabaseTest : public LastSegmentTest {
 protected:
  SystemDatabaseTest() {
    sim::LoadScript(server, "Quelor", resources::kPreviousReleaseTenantScript);
    Prepare({[](migration::TenantContext& t) { t.run.MandantChange("Quelor"); }});
    tenant_list_name = "Quelor";
    PrepareUpToLastSegment();
  }
};

TEST_F(SystemDatabaseTest, KeepsItsNumberRangesAndAsksForTheCopyOnce) {
  const Table ranges = NumberRanges();
  Run({NumberRangesDisplayAndLastIndexes});
  EXPECT_EQ(NumberRanges(), ranges);
  const std::vector<std::string> executed = Executed();
  ASSERT_FALSE(executed.empty());
  EXPECT_EQ(executed.front(), DeleteStaleKinds());
  EXPECT_TRUE(guv_copy_scheduled);
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});

  // A run that stops before the copy leaves the copy owed to the next run.
  guv_copy_scheduled = false;
  transcript.lines.clear();
  Run({NumberRangesDisplayAndLastIndexes});
  EXPECT_TRUE(guv_copy_scheduled);
  EXPECT_EQ(Executed(), (std::vector<std::string>{DeleteStaleKinds(), Betreung(), kAnrede2, kGwg}));

  Prepare({Send("DROP TABLE dbo.UpdGuVKopie")});  // as the copy does
  guv_copy_scheduled = false;
  Run({NumberRangesDisplayAndLastIndexes});
  EXPECT_FALSE(guv_copy_scheduled);
}

}  // namespace
}  // namespace quelor::testing
