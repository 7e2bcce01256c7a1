// Fixed assets, letter layout, protocol tables and user rights.
#include "migration/fixed_assets_and_rights.h"

#include <string>
#include <string_view>

#include "config/text_util.h"
#include "migration/reference_commands.h"

// Statement texts stay on one line each, as the server receives them.
// clang-format off

namespace quelor::migration {

using db::Policy;

namespace {

// The table of useful lives and its key.
void CreateDepreciationTable(TenantContext& t) {
  t.db.ExecLines(Policy::kWarning, {"CREATE TABLE dbo.Anlagetabelle (",
                                    "Name varchar(240) NOT NULL,",
                                    "Nutzungsdauer integer NOT NULL,",
                                    "Fundstelle varchar(20) NOT NULL)"});
  t.db.ExecLines(Policy::kWarning, {"ALTER TABLE [dbo].[Anlagetabelle]  ADD",
                                    "CONSTRAINT [PK_Anlagetabelle] PRIMARY KEY CLUSTERED",
                                    "([Name]) ON [PRIMARY]"});
}

// The depreciation entries per asset and year, and their key.
void CreateDepreciationEntries(TenantContext& t) {
  t.db.ExecLines(Policy::kWarning, {"CREATE TABLE dbo.AnlageAbschr (",
                                    "InventarNr varchar(20) NOT NULL,",
                                    "Jahr integer NOT NULL,",
                                    "LaufzeitBis integer NOT NULL,",
                                    "Anschaffungskosten numeric (18,8) NOT NULL,",
                                    "AfaBetrag numeric (18,8) NOT NULL,",
                                    "Buchwert numeric (18,8) NOT NULL,",
                                    "Kummuliert numeric (18,8) NOT NULL,",
                                    "Abschreibungsart char(1) NOT NULL,",
                                    "Gerundet char(1) NOT NULL)"});
  t.db.ExecLines(Policy::kWarning, {"ALTER TABLE [dbo].[AnlageAbschr]  ADD",
                                    "CONSTRAINT [PK_AnlageAbschr] PRIMARY KEY CLUSTERED",
                                    "([InventarNr],[Jahr]) ON [PRIMARY]"});
}

}  // namespace

void FixedAssetsLetterLayoutAndRights(TenantContext& t) {
  FixedAssetsWithDepreciationTable(t, AnlageTypCommand());
}

void FixedAssetsWithDepreciationTable(TenantContext& t, std::string_view anlage_typ) {
  // The probe on Anlagegut decides for all three asset tables, which reach
  // the database together with their keys. A table of them that a refusal let
  // pass leaves missing is made by a later run: its own probe finds it
  // missing, or every later run would stop where the table is used.
  if (t.db.TableMissing("Anlagegut")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {"CREATE TABLE dbo.Anlagegut (",
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
                                        "Sonstige text NULL)"});
      t.db.ExecLines(Policy::kWarning, {"ALTER TABLE [dbo].[Anlagegut]  ADD",
                                        "CONSTRAINT [PK_Anlagegut] PRIMARY KEY CLUSTERED",
                                        "([InventarNr]) ON [PRIMARY]"});
      CreateDepreciationTable(t);
      CreateDepreciationEntries(t);
    });
  } else {
    if (t.db.TableMissing("Anlagetabelle")) t.db.AllOrNothing([&] { CreateDepreciationTable(t); });
    if (t.db.TableMissing("AnlageAbschr")) t.db.AllOrNothing([&] { CreateDepreciationEntries(t); });
  }

  if (t.db.TableMissing("tblBriefEinst")) {
    t.db.ExecLines(Policy::kError, {"CREATE TABLE [dbo].[tblBriefEinst](",
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
                                    ") ON [PRIMARY]"});
  }
  t.db.AddField("tblBriefEinst", "Breiftext", "text", "", "Null");
  t.db.AddField("tblBriefEinst", "Datum", "DateTime", "", "Null");
  t.db.AddField("AnlageAbschr", "SonderAfa", "numeric", "(18,8)", "NULL");
  t.db.AddField("Anlagegut", "Optionen", "text", "", "Null");
  t.db.AddField("AnlageAbschr", "ID", "int", "IDENTITY (1,1)", "NOT NULL");
  t.db.AddField("Anlagegut", "Abgang", "numeric", "(18,8)", "NULL");

  // The booking settings get an end month, once, equal to the month.
  t.db.AllOrNothing([&] {
    t.db.AddField("F5einst", "MONATBIS", "smallint", "", "Null");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE F5einst SET MONATBIS=MONAT");
    }
  });

  if (t.db.TableMissing("DEEinzelProt")) {
    t.db.ExecLines(Policy::kWarning, {"CREATE TABLE DEEinzelProt (",
                                      "[LfdNr] [int] IDENTITY(1,1) NOT NULL,",
                                      "[Benutzer] [varchar](50) NULL,",
                                      "[Datum] [datetime] NULL,",
                                      "[Mandant] [int] NULL,",
                                      " CONSTRAINT [PK_DEEinzelProt] PRIMARY KEY CLUSTERED",
                                      "([LfdNr] ASC) ON [PRIMARY]) ON [PRIMARY]"});
  }
  // DELfdNr points at DEEinzelProt.LfdNr by value only, without a foreign key.
  if (t.db.TableMissing("DEEinzelProtS")) {
    t.db.ExecLines(Policy::kWarning, {"CREATE TABLE DEEinzelProtS (",
                                      "[ID] [int] IDENTITY(1,1) NOT NULL,",
                                      "[DELfdNr] [int] NULL,",
                                      "[HKonto] [int] NULL,",
                                      "[Konto] [int] NULL,",
                                      "[InterneNr] [int] NULL,",
                                      "[LfdNr] [int] NULL,",
                                      "[AktDatum] [datetime] NULL,",
                                      "[AktZeit] [datetime] NULL,",
                                      "[BelegNr] [int] NULL,",
                                      "[Brutto] [numeric](18, 8) NULL,",
                                      "[KoSt] [varchar](10) NULL,",
                                      "[KoTr] [varchar](24) NULL,",
                                      "[BText] [varchar](240) NULL,",
                                      "CONSTRAINT [PK_DEEinzelProtS] PRIMARY KEY CLUSTERED",
                                      "(\t[ID] ASC) ON [PRIMARY]) ON [PRIMARY]"});
  }

  t.db.AddField("F5bw4sgA", "DATEVDatum", "datetime", "", "NULL");
  t.db.AddField("F5bew4sg", "DATEVDatum", "datetime", "", "NULL");
  t.db.AddField("F5Kont", "DatevAuto", "char", "(1)", "Null");
  // Betreff stays varchar(200): the second call finds the column and is a
  // fallback only for a tenant where the first one failed.
  t.db.AddField("tblBriefEinst", "Betreff", "varchar", "(200)", "Null");
  t.db.AddField("tblBriefEinst", "Betreff", "varchar", "(240)", "Null");
  // The whole identity clause travels as the type, with an empty size.
  t.db.AddField("tblBriefEinst", "ID", "INT IDENTITY (1,1)", "", "Not Null");
  t.db.AddField("F5Bew4s", "Betrag", "numeric", "(18,8)", "NULL");
  t.db.AddField("F5Bw4sa", "Betrag", "numeric", "(18,8)", "NULL");

  // The marker column makes the load of the depreciation table one-time; it
  // reaches the database together with the load.
  t.db.AllOrNothing([&] {
    t.db.AddField("Einst", "Anlage3", "char", "(1)", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.ExecLines(Policy::kWarning, {"DELETE FROM AnlageTabelle"});
      if (!config::IsBlank(anlage_typ)) {
        t.db.Exec(Policy::kWarning, std::string(anlage_typ));
      }
    }
  });

  t.db.AddField("AnlageGut", "AbgangDatum", "datetime", "", "NULL");
  t.db.AddField("F5Bew4s", "Kontoart", "varchar", "(10)", "NULL");
  t.db.AddField("F5Bw4sa", "Kontoart", "varchar", "(10)", "NULL");
  t.db.AddField("F5Bew4s", "Soll_Haben", "varchar", "(10)", "NULL");
  t.db.AddField("F5Bw4sa", "Soll_Haben", "varchar", "(10)", "NULL");
  t.db.AddField("PASS", "EMail", "varchar", "(200)", "NULL");
  t.db.AllOrNothing([&] {
    t.db.AddField("PASS", "Verwalter", "char", "(1)", "NULL");
    // Users present at the update become administrators.
    if (t.db.ColumnAddedFlag()) {
      t.db.ExecLines(Policy::kWarning, {"UPDATE PASS SET Verwalter='J'"});
    }
  });

  // The rights are granted to every user only in the run that creates the
  // table. A grant has no handler: a failing one ends the run, and takes the
  // table with it, so the next run grants them all.
  if (t.db.TableMissing("tblRechte")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {"CREATE TABLE tblRechte (",
                                        "[ID] [int] IDENTITY (1, 1) NOT NULL,",
                                        "[BENUTZER] [varchar] (12) NOT NULL,",
                                        "[RB] [int] NOT NULL,",
                                        "[Bezeichnung] [varchar] (100) NOT NULL,",
                                        "[Kurzname] [varchar] (50) NOT NULL,",
                                        "[Ind] [char] (1) NOT NULL,",
                                        "CONSTRAINT [PK_tblRechte] PRIMARY KEY CLUSTERED",
                                        "([ID] ASC) ON [PRIMARY]) ON [PRIMARY]"});
      t.db.GrantRightToAllUsers(1, "Vereinsdaten anlegen, bearbeiten", "Vereinsdaten");
      t.db.GrantRightToAllUsers(2, "Adressen anlegen, bearbeiten", "Adressen");
      t.db.GrantRightToAllUsers(3, "Beiträge anlegen, bearbeiten", "Beitrage");
      t.db.GrantRightToAllUsers(4, "Sollstellungen durchführen", "Sollstellung");
      t.db.GrantRightToAllUsers(5, "Sollstellungen löschen", "SollstellungLoschen");
      t.db.GrantRightToAllUsers(6, "SEPA einrichten", "SEPA");
      t.db.GrantRightToAllUsers(7, "Beitragseinzug erstellen", "BeitragseinzugErstellen");
      t.db.GrantRightToAllUsers(8, "Beitragsrechnungen schreiben", "BeitragrechnungenSchreiben");
      t.db.GrantRightToAllUsers(9, "Bezahlte Beiträge ausgleichen", "BezahlteBeitrageAusgleichen");
      t.db.GrantRightToAllUsers(10, "Rücklastschriften buchen", "RucklastschriftenBuchen");
      // Two rights share the number 11.
      t.db.GrantRightToAllUsers(11, "offene Beitragszahlungen anmahnen", "OffeneBeitragszahlungenAnmahnen");
      t.db.GrantRightToAllUsers(11, "Bankgeschäfte durchführen", "BankgeschafteDurchfuhren");
      t.db.GrantRightToAllUsers(12, "Statistische Auswertungen (Mitglieder)", "StatistischeAuswertungen");
      t.db.GrantRightToAllUsers(13, "Korrespondenz", "Korrespondenz");
      t.db.GrantRightToAllUsers(14, "Zuwendungsbestätigungen erstellen", "ZuwendungsbestatigungenErstellen");
      t.db.GrantRightToAllUsers(15, "Buchhaltung", "Buchhaltung");
      t.db.GrantRightToAllUsers(16, "Faktura", "Faktura");
    });
  }
  t.db.AddIndex("tblRechte", "iBenutzer", "BENUTZER", "Kurzname");

  t.db.AddField("AnlageGut", "AfaArt", "varchar", "(255)", "NULL");
  t.db.AddField("F5BuText", "SollHaben", "varchar", "(5)", "NULL");
  // Every run: the text of right 8 as it reads now.
  t.db.ExecLines(Policy::kWarning, {"UPDATE tblRechte SET Bezeichnung='Beitragsrechnungen schreiben' WHERE RB=8"});
}

}  // namespace quelor::migration
