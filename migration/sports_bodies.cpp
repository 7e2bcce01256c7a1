#include "migration/sports_bodies.h"

namespace quelor::migration {

using db::Policy;

void SportsBodiesAndInvoiceSlots(TenantContext& t) {
  // The lookup tables had no key; on a later run the key exists and the
  // failure is dropped.
  t.db.Exec(
      Policy::kIgnored,
      "ALTER TABLE d_str ADD CONSTRAINT [PK_d_str] PRIMARY KEY CLUSTERED ([Nr]) ON [PRIMARY]");
  t.db.Exec(
      Policy::kIgnored,
      "ALTER TABLE d_orte ADD CONSTRAINT [PK_d_orte] PRIMARY KEY CLUSTERED ([Nr]) ON [PRIMARY]");

  t.db.AddField("PASS", "Vorlage_V", "varchar", "(240)", "Null");
  t.db.AddField("PASS", "Vorl_SB_V", "varchar", "(240)", "Null");
  t.db.AddField("PASS", "Rechn_Ver", "varchar", "(240)", "Null");
  t.db.AddField("PASS", "Liste_Verz", "varchar", "(240)", "Null");
  t.db.AddField("PASS", "VORLAGE_SP", "varchar", "(240)", "Null");
  // Older databases have these paths shorter: widened on every run, and a
  // missing table ends the run.
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.Kontakt ALTER COLUMN WordFile varchar(240) Null");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.Pass ALTER COLUMN Vorlage_V varchar(240) Null");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.Pass ALTER COLUMN Vorl_SB_V varchar(240) Null");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.Pass ALTER COLUMN Rechn_Ver varchar(240) Null");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.Pass ALTER COLUMN Liste_Verz varchar(240) Null");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.Pass ALTER COLUMN VORLAGE_SP varchar(240) Null");

  // Each marker (a new column or table) reaches the database together with
  // the one-time work it guards: a run stopped in between leaves both to the
  // next run instead of a marker whose work no later run does.
  t.db.AddField("W_Vorl", "DatumVon", "datetime", "", "NULL");
  t.db.AllOrNothing([&] {
    t.db.AddField("W_Vorl", "DatumBis", "datetime", "", "NULL");
    if (t.db.ColumnAddedFlag()) {
      // Start: the day of Datum plus hours and minutes of UhrZeit (seconds
      // dropped); end: 0.03 days later.
      t.db.Exec(
          Policy::kIgnored,
          "UPDATE W_Vorl SET DatumVon=DATEADD(dd, DATEDIFF(dd,0,Datum), 0) +"
          " CAST(CAST(DATEPART(hh, UhrZeit) AS VarChar)+':'+Right('0'+CAST(DATEPART(mi, UhrZeit) "
          "AS VarChar),2) AS DateTime)");
      t.db.Exec(Policy::kIgnored, "UPDATE W_Vorl SET DatumBis=DatumVon+0.03");
    }
  });

  t.db.AddField("F5Kont", "KoSt", "int", "", "NULL");

  if (t.db.TableMissing("F6KoStGr")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {
                                           "CREATE TABLE dbo.F6KoStGr (",
                                           "KoStGr integer NOT NULL,",
                                           "Bezeichnung varchar (60) NOT NULL)",
                                       });
      t.db.ExecLines(Policy::kWarning, {
                                           "ALTER TABLE [dbo].[F6KoStGr]  ADD",
                                           "CONSTRAINT [PK_F6KoStGr] PRIMARY KEY CLUSTERED",
                                           "([KoStGr]) ON [PRIMARY]",
                                       });
    });
  }

  if (t.db.TableMissing("tblLSB")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {
                                           "CREATE TABLE dbo.tblLSB (",
                                           "Kennung varchar (50) NOT NULL,",
                                           "Bezeichnung varchar (50) NOT NULL)",
                                       });
      t.db.ExecLines(Policy::kWarning, {
                                           "ALTER TABLE [dbo].[tblLSB]  ADD",
                                           "CONSTRAINT [PK_tblLSB] PRIMARY KEY CLUSTERED",
                                           "([Kennung]) ON [PRIMARY]",
                                       });
      // Written only with the new table: later runs keep what the users changed.
      // "BSB Süd" is the Freiburg body; its identifier stays as the program knows it.
      t.db.AddStateSportsBody("BSB Nord", "Badischer Sportbund Nord");
      t.db.AddStateSportsBody("BSB Süd", "Badischer Sportbund Freiburg");
      t.db.AddStateSportsBody("WLSB", "Württembergischer Landessportverband");
      t.db.AddStateSportsBody("BLSV", "Bayerischer Landessportverband");
      t.db.AddStateSportsBody("HSB", "Hamburger Sportbund");
      t.db.AddStateSportsBody("LSB Berlin", "Landessportbund Berlin");
      t.db.AddStateSportsBody("LSB Brandenburg", "Landessportbund Brandenburg");
      t.db.AddStateSportsBody("LSB Bremen", "Landessportbund Bremen");
      t.db.AddStateSportsBody("LSB Hessen", "Landessportbund Hessen");
      t.db.AddStateSportsBody("LSB Mecklenburg-Vorpommern",
                              "Landessportbund Mecklenburg-Vorpommern");
      t.db.AddStateSportsBody("LSB Niedersachsen", "Landessportbund Niedersachsen");
      t.db.AddStateSportsBody("LSB NRW", "Landessportbund Nordrhein-Westfalen");
      t.db.AddStateSportsBody("LSB Rheinland-Pfalz", "Landessportbund Rheinland-Pfalz");
      t.db.AddStateSportsBody("LSB Sachsen", "Landessportbund Sachsen");
      t.db.AddStateSportsBody("LSB Sachsen-Anhalt", "Landessportbund Sachsen-Anhalt");
      t.db.AddStateSportsBody("LSB Thüringen", "Landessportbund Thüringen");
      // An en dash with a blank on each side, not a hyphen.
      t.db.AddStateSportsBody("LSB \u2013 Saarland", "Landessportverband für das Saarland");
      t.db.AddStateSportsBody("LSB Schleswig-Holstein", "Landessportverband Schleswig-Holstein");
    });
  }

  t.db.AddField("mandstam", "LSB", "varchar", "(50)", "NULL");
  t.db.Exec(Policy::kIgnored, "ALTER TABLE dbo.Adresse ALTER COLUMN Firma4 varchar(100) Null");
  t.db.AllOrNothing([&] {
    t.db.AddField("mandstam", "FibuKost", "char", "(1)", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE mandstam SET FibuKost='N'");
    }
  });
  // The e-mail address lives in Telefon3. Only the future addresses are
  // unguarded: a failure there ends the run, in the sister tables it is dropped.
  t.db.Exec(Policy::kIgnored, "ALTER TABLE dbo.Adresse ALTER COLUMN Telefon3 varchar(240) Null");
  t.db.Exec(Policy::kIgnored, "ALTER TABLE dbo.HyAdresse ALTER COLUMN Telefon3 varchar(240) Null");
  t.db.Exec(Policy::kUnguarded,
            "ALTER TABLE dbo.AdresseZukunft ALTER COLUMN Telefon3 varchar(240) Null");
  t.db.Exec(Policy::kIgnored, "ALTER TABLE dbo.LogAdr ALTER COLUMN Telefon3 varchar(240) Null");

  t.db.AddField("Adresse", "DtOfSgntr", "datetime", "", "Null");
  t.db.AllOrNothing([&] {
    t.db.AddField("Adresse", "SEPA_FE", "char", "(1)", "Null");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE Adresse SET SEPA_FE='N'");
    }
  });
  // The trailing blank of the column name is the program's own: the probe
  // still finds the column, and the statement carries three blanks.
  t.db.AddField("Mandstam", "GlaeubigerId ", "varchar", "(20)", "Null");
  t.db.AddField("mandstam", "IBAN1", "varchar", "(30)", "NULL");
  t.db.AddField("mandstam", "BIC1", "varchar", "(30)", "NULL");
  t.db.AddField("RECHN", "EMailGesendet", "char", "(1)", "Null");
  t.db.AddField("RECHN", "EMailSendeDatum", "datetime", "", "Null");

  // Invoice line slots 11 to 15, one gauge advance after each.
  t.db.AddField("RECHN", "ArtikelNr_11", "varchar", "(10)", "Null");
  t.db.AddField("RECHN", "Anzahl_11", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Text1_11", "varchar", "(60)", "Null");
  t.db.AddField("RECHN", "Text2_11", "varchar", "(60)", "Null");
  t.db.AddField("RECHN", "Netto_11", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "MwSt_11", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "MwSt_Bet_11", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Brutto_11", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "EK_Art_11", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Spanne_11", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Rabatt_11", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "VK_Art_11", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "VK_Preis_11", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Konto11", "int", "", "Null");
  t.db.AddField("RECHN", "KoSt11", "varchar", "(10)", "Null");
  t.db.AddField("RECHN", "KoTr11", "int", "", "Null");
  t.progress.UpdateProgress();

  t.db.AddField("RECHN", "ArtikelNr_12", "varchar", "(10)", "Null");
  t.db.AddField("RECHN", "Anzahl_12", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Text1_12", "varchar", "(60)", "Null");
  t.db.AddField("RECHN", "Text2_12", "varchar", "(60)", "Null");
  t.db.AddField("RECHN", "Netto_12", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "MwSt_12", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "MwSt_Bet_12", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Brutto_12", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "EK_Art_12", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Spanne_12", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Rabatt_12", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "VK_Art_12", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "VK_Preis_12", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Konto12", "int", "", "Null");
  t.db.AddField("RECHN", "KoSt12", "varchar", "(10)", "Null");
  t.db.AddField("RECHN", "KoTr12", "int", "", "Null");
  t.progress.UpdateProgress();

  t.db.AddField("RECHN", "ArtikelNr_13", "varchar", "(10)", "Null");
  t.db.AddField("RECHN", "Anzahl_13", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Text1_13", "varchar", "(60)", "Null");
  t.db.AddField("RECHN", "Text2_13", "varchar", "(60)", "Null");
  t.db.AddField("RECHN", "Netto_13", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "MwSt_13", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "MwSt_Bet_13", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Brutto_13", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "EK_Art_13", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Spanne_13", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Rabatt_13", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "VK_Art_13", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "VK_Preis_13", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Konto13", "int", "", "Null");
  t.db.AddField("RECHN", "KoSt13", "varchar", "(10)", "Null");
  t.db.AddField("RECHN", "KoTr13", "int", "", "Null");
  t.progress.UpdateProgress();

  t.db.AddField("RECHN", "ArtikelNr_14", "varchar", "(10)", "Null");
  t.db.AddField("RECHN", "Anzahl_14", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Text1_14", "varchar", "(60)", "Null");
  t.db.AddField("RECHN", "Text2_14", "varchar", "(60)", "Null");
  t.db.AddField("RECHN", "Netto_14", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "MwSt_14", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "MwSt_Bet_14", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Brutto_14", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "EK_Art_14", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Spanne_14", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Rabatt_14", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "VK_Art_14", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "VK_Preis_14", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Konto14", "int", "", "Null");
  t.db.AddField("RECHN", "KoSt14", "varchar", "(10)", "Null");
  t.db.AddField("RECHN", "KoTr14", "int", "", "Null");
  t.progress.UpdateProgress();

  t.db.AddField("RECHN", "ArtikelNr_15", "varchar", "(10)", "Null");
  t.db.AddField("RECHN", "Anzahl_15", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Text1_15", "varchar", "(60)", "Null");
  t.db.AddField("RECHN", "Text2_15", "varchar", "(60)", "Null");
  t.db.AddField("RECHN", "Netto_15", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "MwSt_15", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "MwSt_Bet_15", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Brutto_15", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "EK_Art_15", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Spanne_15", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Rabatt_15", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "VK_Art_15", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "VK_Preis_15", "numeric", "(19,8)", "Null");
  t.db.AddField("RECHN", "Konto15", "int", "", "Null");
  t.db.AddField("RECHN", "KoSt15", "varchar", "(10)", "Null");
  t.db.AddField("RECHN", "KoTr15", "int", "", "Null");
  t.progress.UpdateProgress();
  if (t.db.TableMissing("tblBeitassProt")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {
                                           "CREATE TABLE dbo.tblBeitassProt (",
                                           "ID INT IDENTITY (1,1) NOT NULL,",
                                           "Bezeichnung varchar (120) NOT NULL,",
                                           "Datum datetime NOT NULL,",
                                           "AdrNr int NOT NULL,",
                                           "VertragNr VarChar (10) NOT NULL,",
                                           "Art smallint NOT NULL,",
                                           "ArtName VarChar (120) NULL,",
                                           "Sollstellung VarChar (10) NULL,",
                                           "VertragBegin datetime NULL,",
                                           "VertragEnde datetime NULL,",
                                           "Betrag numeric (19,8) NULL)",
                                       });
      t.db.ExecLines(Policy::kWarning, {
                                           "ALTER TABLE [dbo].[tblBeitassProt]  ADD",
                                           "CONSTRAINT [PK_tblBeitassProt] PRIMARY KEY CLUSTERED",
                                           "([ID]) ON [PRIMARY]",
                                       });
    });
  }

  t.db.AddField("Adresse", "AdrNrKIH", "int", "", "Null");
  t.db.AddField("Rechn", "Abteilung", "varchar", "(50)", "Null");

  // A scratch table: no key.
  if (t.db.TableMissing("tmpJournal")) {
    t.db.ExecLines(Policy::kWarning, {
                                         "CREATE TABLE dbo.tmpJournal (",
                                         "ID INT IDENTITY (1,1) NOT NULL,",
                                         "Soll numeric (19,8) NULL,",
                                         "Haben numeric (19,8) NULL,",
                                         "SollSt numeric (19,8) NULL,",
                                         "HabenSt numeric (19,8) NULL)",
                                     });
  }

  t.db.AddField("Mandstam", "VerwZw1r", "varchar", "(27)", "Null");
  t.db.AddField("Mandstam", "VerwZw2r", "varchar", "(27)", "Null");
  t.db.AddField("Mandstam", "VerwZw3r", "varchar", "(27)", "Null");
  t.db.AddField("Mandstam", "VerwZw4r", "varchar", "(27)", "Null");
  t.db.AddField("MgVert", "RgNr", "integer", "", "Null");
  t.db.AddField("MgSolln", "AdrNrRg", "integer", "", "Null");
}

}  // namespace quelor::migration
