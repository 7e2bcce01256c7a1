// Number ranges, display settings, text widths, birthday function and last
// indexes.
#include "migration/number_ranges_and_display.h"

#include <string>

#include "config/text_util.h"
#include "migration/birthday_function.h"
#include "migration/finish_all_databases.h"

namespace quelor::migration {
namespace {

// Trimmed and upper-cased, as names are compared with the system database's.
bool IsSystemDatabaseName(const std::string& name) {
  return config::ToUpperAscii(config::TrimSpaces(name)) == "QUELOR";
}

}  // namespace

using db::Policy;

void NumberRangesDisplayAndLastIndexes(TenantContext& t) {
  // Every run, the next document numbers follow the invoices; the system
  // database keeps its own ranges although the tenant loop visits it.
  if (!IsSystemDatabaseName(t.current_database)) {
    t.db.Exec(Policy::kUnguarded,
              "UPDATE EINST SET LIFERNR=(SELECT IsNull(Max(RechNummer),'1') FROM Rechn WHERE "
              "FORM_ART='Lieferschein')");
    t.db.Exec(Policy::kUnguarded,
              "UPDATE EINST SET ANGEBNR=(SELECT IsNull(Max(RechNummer),'1') FROM Rechn WHERE "
              "FORM_ART='Angebot')");
    t.db.Exec(Policy::kUnguarded,
              "UPDATE EINST SET RECHNR=(SELECT IsNull(Max(RechNummer),'1') FROM Rechn WHERE "
              "FORM_ART='Rechnung')");
  }
  // Contribution dates of kinds that no longer exist.
  t.db.Exec(Policy::kUnguarded,
            db::JoinCrLf({"delete from MgArtDat", " where Art not in (select Art from MgArt)"}));
  // The gender follows the salutation; only rows that differ are written.
  t.db.Exec(Policy::kUnguarded,
            db::JoinCrLf({"update Adresse set Betreung=(CASE WHEN IsNull(Anrede,'')='Herr' THEN "
                          "'MÄNNLICH' ELSE CASE WHEN IsNull(Anrede,'')='Frau' THEN 'WEIBLICH' END "
                          "END)",
                          " where 1=1", " and (", " (IsNull(Anrede,'')='Herr'",
                          " and IsNull(Betreung,'')<>'MÄNNLICH') or ", " (IsNull(Anrede,'')='Frau'",
                          " and IsNull(Betreung,'')<>'WEIBLICH')"}) +
                " )");

  // Each marker column reaches the database together with its one-time
  // fill, so a run stopped in between makes the fill on the next run.
  t.db.AllOrNothing([&] {
    t.db.AddField("Einst", "SkinForButtons", "varchar", "(50)", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE Einst SET SkinForButtons='McSkin'");
    }
  });
  t.db.AllOrNothing([&] {
    t.db.AddField("Einst", "PanelColor", "int", "", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE Einst SET PanelColor=16770229");  // FFE4B5
    }
  });
  t.db.AddField("Adresse", "Briefempfanger", "char", "(1)", "NULL");
  t.db.AllOrNothing([&] {
    t.db.AddField("PASS", "CODE", "char", "(1)", "Null");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE PASS SET CODE='N'");
      t.db.Exec(Policy::kUnguarded, "ALTER TABLE PASS ALTER COLUMN Passwort VARCHAR (50)");
    }
  });
  t.db.AllOrNothing([&] {
    t.db.AddField("MgUeberwVorl", "Datum", "datetime", "", "Null");
    if (t.db.ColumnAddedFlag()) {
      // The invoice texts are widened once, with the new column as marker.
      for (int n = 1; n <= 10; ++n) {
        t.db.Exec(Policy::kUnguarded,
                  "ALTER TABLE RECHN ALTER COLUMN Text1_" + std::to_string(n) + " VARCHAR (120)");
        t.db.Exec(Policy::kUnguarded,
                  "ALTER TABLE RECHN ALTER COLUMN Text2_" + std::to_string(n) + " VARCHAR (120)");
      }
    }
  });
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE Adresse ALTER COLUMN Anrede2 VARCHAR (80)");
  // Two blanks before "800" and the line end belong to the text.
  t.db.Exec(Policy::kUnguarded,
            "UPDATE AnlageTabelle SET Name='GWG von 250,- bis  800,- €' where Name='GwG bis 410,- "
            "€'\r\n");

  // Tax-exemption notice and signature of the club master.
  t.db.AddField("mandstam", "EMAIL", "VARCHAR", "(200)", "NULL");
  t.db.AddField("mandstam", "Grundungsjahr", "int", "", "NULL");
  t.db.AddField("mandstam", "EingetragenerVerein", "char", "(1)", "NULL");
  t.db.AddField("mandstam", "Freistellungsbescheid", "datetime", "", "NULL");
  t.db.AddField("mandstam", "FreistellungsbescheidBeantragt", "char", "(1)", "NULL");
  t.db.AddField("mandstam", "DauerDerFreistellung", "varchar", "(50)", "NULL");
  t.db.AddField("mandstam", "FreistellungsbescheidVE", "char", "(1)", "NULL");
  t.db.AddField("mandstam", "FreistellungsbescheidGultigVon", "datetime", "", "NULL");
  t.db.AddField("mandstam", "FreistellungsbescheidGultigBis", "datetime", "", "NULL");
  t.db.AddField("mandstam", "BZCheckBox1", "char", "(1)", "NULL");
  t.db.AddField("mandstam", "BZCheckBox2", "char", "(1)", "NULL");
  t.db.AddField("mandstam", "BZCheckBox3", "char", "(1)", "NULL");
  t.db.AddField("mandstam", "BZCheckBox4", "char", "(1)", "NULL");
  t.db.AddField("mandstam", "BZText1", "text", "", "NULL");
  t.db.AddField("mandstam", "BZText2", "text", "", "NULL");
  t.db.AddField("mandstam", "BZText3", "text", "", "NULL");
  t.db.AddField("mandstam", "BZBescheidVom", "varchar", "(20)", "NULL");
  t.db.AddField("mandstam", "Unterschrift", "varchar", "(255)", "NULL");
  t.db.AddField("mandstam", "Vorlage", "varchar", "(255)", "NULL");
  t.db.AddField("mandstam", "BZBescheidVom2", "datetime", "", "NULL");
  t.db.AddField("adresse", "BriefanredeS", "varchar", "(255)", "NULL");

  t.db.AllOrNothing([&] {
    t.db.AddField("Einst", "PanelColorKlein", "int", "", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE Einst SET PanelColorKlein=16777215");  // white
    }
  });
  t.db.AllOrNothing([&] {
    t.db.AddField("EINST", "SKR49Jahr", "int", "", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE Einst SET SKR49Jahr=0");
      // The journal amounts are rounded up to whole cents once more with the
      // new chart year.
      t.db.Exec(
          Policy::kUnguarded,
          "update f5bew4s set soll=ROUND(CEILING(Soll*100),0)/100,haben=ROUND(CEILING(Haben*100),"
          "0)/100");
      t.db.Exec(Policy::kUnguarded,
                "update f5bew4sg set soll=ROUND(CEILING(Soll*100),0)/100,haben=ROUND(CEILING(Haben*"
                "100),0)/100");
    }
  });
  // Normally already added, and filled, by the sports-list keys segment.
  t.db.AllOrNothing([&] {
    t.db.AddField("EINST", "SEPAVersion", "varchar", "(25)", "Null");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE EINST SET SEPAVersion='2.6'");
    }
  });

  t.db.AddField("mandstam", "Forderung", "varchar", "(150)", "NULL");
  t.db.AddField("mandstam", "Satzung", "varchar", "(150)", "NULL");
  t.db.AddField("F5Kasses", "AktBelegNrLU", "int", "", "NULL");
  t.db.AddField("PASS", "VORL_Faktura", "varchar", "(120)", "NULL");
  t.db.AddField("AdrSepa", "LetzteVerwendungAlt", "DateTime", "", "NULL");
  t.db.AddField("AdrSepa", "GultigBisAlt", "DateTime", "", "NULL");

  t.db.AlterStringField("F5BEW4S", "BuchngsText", "Varchar", "(120)", "Null", "140");
  t.db.AlterStringField("F5BEW4SG", "BuchngsText", "Varchar", "(120)", "Null", "140");
  t.db.AlterStringField("F5BEW4STMP", "BuchngsText", "Varchar", "(120)", "Null", "140");
  t.db.AlterStringField("F5BEW4SGTMP", "BuchngsText", "Varchar", "(120)", "Null", "140");
  t.db.AlterStringField("F5BW4SA", "BuchngsText", "Varchar", "(120)", "Null", "140");
  t.db.AlterStringField("F5BW4SGA", "BuchngsText", "Varchar", "(120)", "Null", "140");
  t.db.AlterStringField("F5bew4", "TEXT", "Varchar", "(120)", "Null", "140");
  t.db.AlterStringField("F5bew4Tmp", "TEXT", "Varchar", "(120)", "Null", "140");

  // The first run that brings the function to the system database copies
  // its profit-and-loss lines to the tenants; the run makes the copy once
  // every tenant has been migrated and has the tables. Until the copy is
  // made, the mark table in the system database says that it is owed, so a
  // run stopped before it leaves the copy to the next run.
  const bool system_database = IsSystemDatabaseName(t.run.TenantListName());
  // Lines end with a bare line feed here.
  if (t.db.Select("SELECT * FROM Information_schema.Routines\n"
                  "WHERE Specific_schema = 'dbo'\n"
                  "AND specific_name = 'fnDays2NextBirthday'\n"
                  "AND Routine_Type = 'FUNCTION'\n")
          .Empty()) {
    t.db.AllOrNothing([&] {
      t.db.Exec(Policy::kWarning, Days2NextBirthdayText());
      if (system_database) t.db.Exec(Policy::kUnguarded, kGuvCopyOwedMarkText);
    });
    if (system_database) t.run.ScheduleGuvKeyCopy();
  } else if (system_database && !t.db.TableMissing(kGuvCopyOwedMark)) {
    t.run.ScheduleGuvKeyCopy();
  }

  // Bookkeeping period and entry of imported bank turnovers.
  t.db.AddField("MgKontoUms", "FibuJahr", "smallint", "", "NULL");
  t.db.AddField("MgKontoUms", "FibuMonat", "smallint", "", "NULL");
  t.db.AddField("MgKontoUms", "FibuInterneNr", "int", "", "NULL");
  t.db.AllOrNothing([&] {
    t.db.AddField("MgUeberw", "LfdNrSammelU", "int", "", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE MgUeberw SET LfdNrSammelU=LfdNr");
    }
  });
  t.db.AllOrNothing([&] {
    t.db.AddField("MgUeberw", "Art", "char", "(1)", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE MgUeberw SET Art='E'");
    }
  });

  t.db.AddIndex("Adresse", "imandatsrefenz", "mandatsrefenz");
  t.db.AddIndex("MgSolln", "iMgSolln1", "AdrNr", "Jahr", "Monat", "Offen");
  t.db.AddIndex("Rechn", "iRechn1", "KUNDE", "Jahr", "Zeitraum", "Offen");
}

}  // namespace quelor::migration
