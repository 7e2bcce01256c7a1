// Club settings, IBAN/BIC and area-code columns, and the address-function
// table, filled once from the old single function text of the address.
#include "migration/club_settings.h"

// Statement texts stay on one line each, as the server receives them.
// clang-format off

namespace quelor::migration {

using db::Policy;

void ClubSettingsAndAddressFunctions(TenantContext& t) {
  t.progress.UpdateProgress();
  t.db.AddField("Mandstam", "VereinUebUntgliedAbt", "smallint", "", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("Mandstam", "Mitgliederverwaltung", "char", "(1)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("Mandstam", "Beitragseinzug", "char", "(1)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("Mandstam", "Finanzbuchaltung", "char", "(1)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("Mandstam", "FinanzbuchaltungMitKoSt", "char", "(1)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("Mandstam", "VereinUMStPflichtig", "char", "(1)", "Null");
  t.db.AddField("Mandstam", "Vereinsart", "char", "(1)", "Null");
  t.progress.UpdateProgress();

  // "inter" here and "Inter" below name the same table; the server does not
  // mind the letter case and the statement texts keep it as written.
  t.db.AddField("inter", "Nr", "Int", "", "Null");
  t.db.AddField("Adresse", "IBAN1", "varchar", "(40)", "Null");
  t.db.AddField("Adresse", "IBAN2", "varchar", "(40)", "Null");
  t.db.AddField("Adresse", "IBAN3", "varchar", "(40)", "Null");
  t.db.AddField("Adresse", "BIC1", "varchar", "(40)", "Null");
  t.db.AddField("Adresse", "BIC2", "varchar", "(40)", "Null");
  t.db.AddField("Adresse", "BIC3", "varchar", "(40)", "Null");
  t.db.AddField("Adresse", "Vorwahl2", "varchar", "(10)", "Null");
  t.db.AddField("Adresse", "Vorwahl3", "varchar", "(10)", "Null");
  t.db.AddField("Adresse", "Vorwahl4", "varchar", "(10)", "Null");
  t.db.AddField("Inter", "Landesverband", "varchar", "(30)", "Null");
  t.db.AddField("Inter", "VerbandNr", "integer", "", "Null");
  t.db.AddField("Interes", "Eintritt", "datetime", "", "Null");
  t.db.AddField("Interes", "Austritt", "datetime", "", "Null");
  t.db.AddField("Interes", "Status", "varchar", "(50)", "Null");
  t.progress.UpdateProgress();

  t.db.AddField("HyAdresse", "IBAN1", "varchar", "(40)", "Null");
  t.db.AddField("HyAdresse", "IBAN2", "varchar", "(40)", "Null");
  t.db.AddField("HyAdresse", "IBAN3", "varchar", "(40)", "Null");
  t.db.AddField("HyAdresse", "BIC1", "varchar", "(40)", "Null");
  t.db.AddField("HyAdresse", "BIC2", "varchar", "(40)", "Null");
  t.db.AddField("HyAdresse", "BIC3", "varchar", "(40)", "Null");
  t.db.AddField("HyAdresse", "Vorwahl2", "varchar", "(10)", "Null");
  t.db.AddField("HyAdresse", "Vorwahl3", "varchar", "(10)", "Null");
  t.db.AddField("HyAdresse", "Vorwahl4", "varchar", "(10)", "Null");
  t.db.AddField("F5Kont", "Steuersammelkonto", "varchar", "(1)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "Kostenart", "varchar", "(10)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "Etat", "numeric", "(18,8)", "Null");
  t.progress.UpdateProgress();

  // The functions of an address move from the single text Adresse.Funktion
  // into their own table. The copy runs only in the migration that creates
  // the table: later edits of Adresse.Funktion are not carried over. Table,
  // keys and copy reach the database together, so a run stopped in between
  // leaves all of it to the next run.
  if (t.db.TableMissing("AdrFunktion")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {"CREATE TABLE dbo.AdrFunktion (",
                                        "AdrNr integer NOT NULL,",
                                        "Funktion Varchar(80) NOT NULL,",
                                        "Nr integer NULL,",
                                        "DatumVon datetime NULL,",
                                        "DatumBis datetime NULL)"});
      t.db.ExecLines(Policy::kWarning, {"ALTER TABLE [dbo].[AdrFunktion]  ADD",
                                        "CONSTRAINT [PK_AdrFunktion] PRIMARY KEY CLUSTERED",
                                        "([AdrNr],[Funktion]) ON [PRIMARY]"});
      // Added while the table is still empty, so the check cannot fail on data.
      // The end of the first routine drops this foreign key again: keep both.
      t.db.ExecLines(Policy::kWarning, {
          "ALTER TABLE [dbo].[AdrFunktion]  WITH CHECK ADD  CONSTRAINT [FK_AdrFunktion_Adresse] FOREIGN KEY([AdrNr])",
          "REFERENCES [dbo].[Adresse] ([AdrNr])"});
      t.db.ExecLines(Policy::kWarning, {
          "INSERT INTO AdrFunktion (AdrNr, Funktion, Nr)",
          "SELECT AdrNr, Funktion, 1 FROM Adresse WHERE (Funktion IS NOT NULL AND Funktion<>'')"});
    });
  }
  t.progress.UpdateProgress();
  t.db.AddField("Interes1", "Nr", "integer", "", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("Interes1", "Datum", "datetime", "", "Null");
  t.progress.UpdateProgress();
}

}  // namespace quelor::migration
// clang-format on
