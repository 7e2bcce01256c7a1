#include "migration/signed_amounts_and_dispatch.h"

namespace quelor::migration {

using db::Policy;

void SignedAmountsDispatchAndSportsFixes(TenantContext& t) {
  t.db.AddField("F5bew4sg", "BetragDerGutschrift", "char", "(1)", "Null");
  t.db.AddField("F5bw4sga", "BetragDerGutschrift", "char", "(1)", "Null");
  // Betrag is the debit, else the credit, negative for a credit note. The flag
  // is new as well, so the negation only finds rows on a database that had it.
  // The negation must not run twice: each marker column below reaches the
  // database together with its one-time work.
  t.db.AllOrNothing([&] {
    t.db.AddField("F5bew4sg", "Betrag", "numeric", "(18, 8)", "Null");
    if (t.db.ColumnAddedFlag()) {
      t.db.ExecLines(Policy::kWarning, {"UPDATE F5bew4sg SET Betrag=Soll"});
      t.db.ExecLines(Policy::kWarning,
                     {"UPDATE F5bew4sg SET Betrag=Haben WHERE ISNULL(Betrag,0)=0"});
      t.db.ExecLines(Policy::kWarning,
                     {"UPDATE F5bew4sg SET Betrag=(-1)*Betrag WHERE BetragDerGutschrift='J'"});
    }
  });
  t.db.AllOrNothing([&] {
    t.db.AddField("F5bw4sga", "Betrag", "numeric", "(18, 8)", "Null");
    if (t.db.ColumnAddedFlag()) {
      t.db.ExecLines(Policy::kWarning, {"UPDATE F5bw4sga SET Betrag=Soll"});
      t.db.ExecLines(Policy::kWarning,
                     {"UPDATE F5bw4sga SET Betrag=Haben WHERE ISNULL(Betrag,0)=0"});
      t.db.ExecLines(Policy::kWarning,
                     {"UPDATE F5bw4sga SET Betrag=(-1)*Betrag WHERE BetragDerGutschrift='J'"});
    }
  });

  t.db.AddField("Adresse", "AbwAnrAnsch", "varchar", "(40)", "Null");
  t.db.AddField("Adresse", "Adresszusatz", "varchar", "(50)", "Null");
  t.db.AddField("Adresse", "Versandart", "varchar", "(60)", "Null");
  t.db.AlterStringField("Adresse", "Strasse", "Varchar", "(40)", "Null", "50");

  if (t.db.TableMissing("Versandart")) {
    // The trailing comma before the closing line is accepted by the server.
    // No primary key: the server refuses one on the nullable Kennung, so the
    // key statement could only fail, with a warning on every new tenant. The
    // list keeps the layout every database that has it was given.
    t.db.ExecLines(Policy::kWarning, {
                                         "CREATE TABLE dbo.Versandart (",
                                         "[Kennung] [varchar](80) NULL,",
                                         ") ON [PRIMARY]",
                                     });
  }

  if (t.db.TableMissing("MgKontoUmsOS")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {
                                           "CREATE TABLE dbo.MgKontoUmsOS (",
                                           "    [LfdNr] [int] NOT NULL,",
                                           "    [Rbs] [int] NOT NULL,",
                                           "    [AdrNr] [int] NULL,",
                                           "    [Jahr] [smallint] NULL,",
                                           "    [VertragNr] [varchar](10) NULL,",
                                           "    [Art] [smallint] NULL,",
                                           "    [Zeitraum] [smallint] NULL,",
                                           "    [Gespeichert] [varchar](1) NULL,",
                                           "    [RefDTA] [varchar](40) NULL,",
                                           "    [Soll] [numeric](19, 8) NOT NULL,",
                                           "    [Haben] [numeric](19, 8) NOT NULL,",
                                           "    [KontoNr] [int] NULL,",
                                           "    [KoSt] [int] NULL,",
                                           "    [KoTr] [int] NULL,",
                                           "    [StSchl] [numeric] (19, 2) NULL,",
                                           " CONSTRAINT [PK_MgKontoUmsOS] PRIMARY KEY CLUSTERED ",
                                           "(",
                                           "    [LfdNr] ASC,",
                                           "    [Rbs] ASC",
                                           ") ON [PRIMARY]",
                                           ") ",
                                       });
      // The blanks at the ends of the second and third line are part of the text.
      t.db.ExecLines(Policy::kWarning, {
                                           "ALTER TABLE [dbo].[MgKontoUmsOS] ADD CONSTRAINT "
                                           "[FK_MgKontoUmsOS_MgKontoUms] FOREIGN KEY([LfdNr])",
                                           "REFERENCES [dbo].[MgKontoUms] ([LfdNr])     ",
                                           "ON UPDATE CASCADE    ",
                                           "ON DELETE CASCADE",
                                       });
    });
  }

  t.db.AddField("AnlageAbschr", "Erl", "char", "(1)", "NULL");
  t.db.AddField("AnlageAbschr", "BenutzerErl", "varchar", "(40)", "NULL");
  t.db.AddField("AnlageAbschr", "DatumErl", "datetime", "", "NULL");
  t.db.AddField("AnlageGut", "AutomatischeVerbuchung", "char", "(1)", "NULL");
  t.db.AddField("AnlageAbschr", "BuchJahr", "smallint", "", "NULL");
  t.db.AddField("AnlageAbschr", "BuchMonat", "smallint", "", "NULL");
  t.db.AddField("AnlageAbschr", "BuchInterneNr", "int", "", "NULL");

  if (t.db.Select(
              db::JoinCrLf({"select KZ from Sportarten", " where 1=1", " and SPORTART='Novuss'"}))
          .Empty()) {
    t.db.Exec(Policy::kUnguarded,
              db::JoinCrLf({"insert into Sportarten(KZ,NUMMER,SPORTART,VerbandNr)",
                            " values('BLSV','0176','Novuss','04')"}));
  }

  // LSB Hessen takes over the lists of LSB Sachsen, once, and only where the
  // club has not chosen its sports yet.
  t.db.AllOrNothing([&] {
    t.db.AddField("PASSDB", "UmsetzungSportartenHessen", "char", "(1)", "Null");
    if (t.db.ColumnAddedFlag() &&
        t.db.Select(db::JoinCrLf({"select NUMMER from SportartenV", " where 1=1"})).Empty()) {
      t.db.Exec(Policy::kUnguarded,
                db::JoinCrLf({"delete from Sportarten", " where 1=1", " and KZ='LSB Hessen'"}));
      t.db.Exec(Policy::kUnguarded,
                db::JoinCrLf({"insert into Sportarten(KZ,NUMMER,SPORTART,VerbandNr)",
                              " select 'LSB Hessen',NUMMER,SPORTART,VerbandNr from Sportarten",
                              " where 1=1", " and KZ='LSB Sachsen'"}));
      t.db.Exec(Policy::kUnguarded,
                db::JoinCrLf({"delete from fachverbaende", " where 1=1", " and KZ='LSB Hessen'"}));
      t.db.Exec(Policy::kUnguarded,
                db::JoinCrLf({"insert into fachverbaende(KZ,NUMMER,FACHVERBAN,Kn)",
                              " select 'LSB Hessen',NUMMER,FACHVERBAN,Kn from fachverbaende",
                              " where 1=1", " and KZ='LSB Sachsen'"}));
      t.db.Exec(Policy::kUnguarded,
                db::JoinCrLf({"update PASSDB set UmsetzungSportartenHessen='J'"}));
    }
  });

  // Lines of the standard chart that accounts already use as KennzEUR (key
  // written as RimNr, Kennz and Nr run together) join the association chart,
  // once. Lines joined with a bare LF, the last without one.
  t.db.AllOrNothing([&] {
    t.db.AddField("tblVersion", "GuV49Update", "bit", "", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE tblVersion SET GuV49Update=1");
      t.db.Exec(Policy::kUnguarded,
                "INSERT INTO GuVKennz49D (RimNr, Kennz, Nr, Bezeichnung, EA)\n"
                " SELECT RimNr, Kennz, Nr, Bezeichnung, EA FROM GuVKennzD\n"
                " WHERE Ltrim(Rtrim(IsNull(RimNr,'')))+Ltrim(Rtrim(IsNull(Kennz,'')))"
                "+Ltrim(Rtrim(IsNull(Nr,''))) IN\n"
                " (SELECT Ltrim(Rtrim(IsNull(KennzEUR,''))) FROM f5kont WHERE "
                "Ltrim(Rtrim(IsNull(KennzEUR,'')))<>'')\n"
                " AND NOT EXISTS (SELECT D.* FROM GuVKennz49D AS D WHERE D.RimNr=GuVKennzD.RimNr "
                "AND D.Kennz=GuVKennzD.Kennz AND D.Nr=GuVKennzD.Nr)");
    }
  });

  t.db.AddIndex("MgKontoUms", "IX_Erl", "Erl");
  t.db.AddIndex("MgKontoUms", "IX_Auswahl", "Auswahl");
  t.db.AddIndex("MgKontoUms", "IX_Datum", "Datum");
  t.db.AddIndex("MgKontoUms", "IX_OnlineKonto", "OnlineKonto");
  t.db.AddIndex("MgKontoUms", "IX_OnlineBLZ", "OnlineBLZ");
  t.db.AddField("AnlageGut", "OhneAbschreibung", "bit", "", "NULL");

  // Trimmed on every run; the trailing blank is part of each statement.
  t.db.Exec(Policy::kUnguarded,
            "UPDATE sportarten SET NUMMER=LTRIM(RTRIM(NUMMER)),VerbandNr=LTRIM(RTRIM(VerbandNr)) ");
  t.db.Exec(
      Policy::kUnguarded,
      "UPDATE sportartenV SET NUMMER=LTRIM(RTRIM(NUMMER)),VerbandNr=LTRIM(RTRIM(VerbandNr)) ");
  t.db.Exec(Policy::kUnguarded,
            "UPDATE AdrSART SET SArt=LTRIM(RTRIM(SArt)),VerbandNr=LTRIM(RTRIM(VerbandNr)) ");
}

}  // namespace quelor::migration
