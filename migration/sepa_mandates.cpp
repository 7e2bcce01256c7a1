// SEPA mandates and direct-debit columns.
#include "migration/sepa_mandates.h"

#include "migration/mandate_generation.h"

namespace quelor::migration {

using db::Policy;

void SepaMandates(TenantContext& t) {
  // Each marker column reaches the database together with its one-time fill,
  // and each new table together with its key, so a run stopped in between
  // leaves the whole unit to the next run.
  t.db.AllOrNothing([&] {
    t.db.AddField("Mandstam", "VereinOhneOnlKonten", "char", "(1)", "Null");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE Mandstam SET VereinOhneOnlKonten='N'");
    }
  });

  // GultigBis without e; GueltigAb, added below, with it. Both are read by
  // these names.
  if (t.db.TableMissing("AdrSepa")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {
                                           "CREATE TABLE AdrSepa (",
                                           "[AdrNr] [int] NOT NULL,",
                                           "[MandatsNr] [varchar](35) NOT NULL,",
                                           "[MandKey] [varchar](35) NOT NULL,",
                                           "[Lastschriftart] [varchar](20) NOT NULL,",
                                           "[Typ] [char] (1) NOT NULL,",
                                           "[Status] [varchar] (20) NOT NULL,",
                                           "[AngelegtAm] [datetime] NULL,",
                                           "[GultigBis] [datetime] NULL,",
                                           "[UnterschriftDatum] [datetime] NULL,",
                                           "[ErsteVerwendung] [datetime] NULL,",
                                           "[LetzteVerwendung] [datetime] NULL,",
                                           "[WiderrufenAm] [datetime] NULL)",
                                       });
      t.db.ExecLines(Policy::kWarning, {"ALTER TABLE [dbo].[AdrSepa]  ADD",
                                        "CONSTRAINT [PK_AdrSepa] PRIMARY KEY CLUSTERED",
                                        "([AdrNr],[MandatsNr]) ON [PRIMARY]"});
    });
  }

  t.db.AllOrNothing([&] {
    t.db.AddField("Adresse", "EinzugLastMandLiegtVor", "char", "(1)", "Null");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE Adresse SET EinzugLastMandLiegtVor='N'");
    }
  });

  if (t.db.TableMissing("AdrSepaVer")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {
                                           "CREATE TABLE AdrSepaVer (",
                                           "[AdrNr] [int] NOT NULL,",
                                           "[MandatsNr] [varchar](35) NOT NULL,",
                                           "[MandKey] [varchar](35) NOT NULL,",
                                           "[LfdNr] [int] NOT NULL,",
                                           "[Lastschriftart] [varchar](20) NOT NULL,",
                                           "[Typ] [char] (1) NOT NULL,",
                                           "[Status] [varchar] (20) NOT NULL,",
                                           "[AngelegtAm] [datetime] NULL,",
                                           "[GultigBis] [datetime] NULL,",
                                           "[UnterschriftDatum] [datetime] NULL,",
                                           "[ErsteVerwendung] [datetime] NULL,",
                                           "[LetzteVerwendung] [datetime] NULL,",
                                           "[WiderrufenAm] [datetime] NULL)",
                                       });
      t.db.ExecLines(Policy::kWarning, {"ALTER TABLE [dbo].[AdrSepaVer]  ADD",
                                        "CONSTRAINT [PK_AdrSepaVer] PRIMARY KEY CLUSTERED",
                                        "([AdrNr],[MandatsNr],[LfdNr]) ON [PRIMARY]"});
    });
  }

  t.db.AllOrNothing([&] {
    t.db.AddField("MgVert", "Prenotifikation", "char", "(1)", "Null");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE MgVert SET Prenotifikation='N'");
    }
  });
  t.db.AddField("MgVert", "AbwKontoInh", "varchar", "(50)", "Null");
  // The fill below writes all four address columns: they come with its
  // marker, or a column refused once would be added after the others.
  t.db.AllOrNothing([&] {
    t.db.AddField("MgVert", "StrasseKIH", "varchar", "(40)", "Null");
    t.db.AddField("MgVert", "PlzKIH", "varchar", "(15)", "Null");
    t.db.AddField("MgVert", "OrtKIH", "varchar", "(40)", "Null");
    t.db.AddField("MgVert", "EmailKIH", "varchar", "(240)", "Null");
    // The different account holder's address, once; Telefon3 holds the e-mail
    // address. The OR lets AbwAdrNr 0 through, which finds no address and
    // leaves the new columns NULL, as they are anyway.
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded,
                "UPDATE MgVert SET\n"
                "StrasseKIH=(SELECT A.Strasse FROM Adresse AS A WHERE A.AdrNr=MgVert.AbwAdrNr),\n"
                "PlzKIH=(SELECT A.PLZ FROM Adresse AS A WHERE A.AdrNr=MgVert.AbwAdrNr),\n"
                "OrtKIH=(SELECT A.Ort FROM Adresse AS A WHERE A.AdrNr=MgVert.AbwAdrNr),\n"
                "EmailKIH=(SELECT A.Telefon3 FROM Adresse AS A WHERE A.AdrNr=MgVert.AbwAdrNr)\n"
                "WHERE AbwAdrNr IS NOT NULL OR AbwAdrNr<>0");
    }
  });
  t.db.AddField("Adresse", "StrasseKIH", "varchar", "(40)", "Null");
  t.db.AddField("Adresse", "PlzKIH", "varchar", "(15)", "Null");
  t.db.AddField("Adresse", "OrtKIH", "varchar", "(40)", "Null");
  t.db.AddField("Adresse", "EmailKIH", "varchar", "(240)", "Null");

  // EINST.mRef marks the one run that gives every member the reference
  // address number + member number; references set later are left alone.
  t.db.AllOrNothing([&] {
    t.db.AddField("EINST", "mRef", "char", "(1)", "Null");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded,
                "UPDATE Adresse SET mandatsrefenz=CAST(AdrNr as varchar)+CAST(MitglNr as varchar)");
    }
  });

  t.db.AddField("MgSolln", "MandatsNr", "varchar", "(35)", "Null");
  t.db.AddField("MgSolln", "IBAN", "varchar", "(40)", "Null");
  t.db.AddField("MgSolln", "BIC", "varchar", "(40)", "Null");
  t.db.AddField("MgSolln", "LetzteVerwendung", "datetime", "", "Null");
  t.db.AddField("MgSolln", "GultigBis", "datetime", "", "Null");
  t.db.AddField("MgLast", "MandatsNr", "varchar", "(35)", "Null");
  t.db.AddField("MgLast", "IBAN", "varchar", "(40)", "Null");
  t.db.AddField("MgLast", "BIC", "varchar", "(40)", "Null");
  t.db.AddField("MgLast", "LetzteVerwendung", "datetime", "", "Null");
  t.db.AddField("MgLast", "GultigBis", "datetime", "", "Null");
  t.db.AddField("Rechn", "Prenotified", "char", "(1)", "Null");
  t.db.AddField("Rechn", "DatumPren", "DateTime", "", "Null");
  t.db.AddField("Rechn", "DatumBankeinzug", "DateTime", "", "Null");
  t.db.AddField("Rechn", "MandatsNr", "varchar", "(35)", "Null");
  t.db.AddField("MgSolln", "ErsteVerwendung", "datetime", "", "Null");
  t.db.AddField("MgLast", "ErsteVerwendung", "datetime", "", "Null");
  t.db.AddField("MgSolln", "SEPATyp", "char", "(1)", "Null");
  t.db.AddField("MgLast", "SEPATyp", "char", "(1)", "Null");
  t.db.AddField("MgLast", "Bemerkung", "varchar", "(100)", "Null");

  if (t.db.TableMissing("RuckLastGrund")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {
                                           "CREATE TABLE RuckLastGrund (",
                                           "[Kennung] [varchar](50) NOT NULL)",
                                       });
      t.db.ExecLines(Policy::kWarning, {"ALTER TABLE [dbo].[RuckLastGrund]  ADD",
                                        "CONSTRAINT [PK_RuckLastGrund] PRIMARY KEY CLUSTERED",
                                        "([Kennung]) ON [PRIMARY]"});
    });
  }

  // AdrSepa.GueltigAb marks the run on which direct-debit payers are taken
  // to have a mandate; after the 'N' above on a database that had neither.
  t.db.AllOrNothing([&] {
    t.db.AddField("adrsepa", "GueltigAb", "datetime", "", "Null");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded,
                "UPDATE Adresse SET EinzugLastMandLiegtVor='J' WHERE Zahlungsart='L'");
    }
  });

  t.db.AddField("mandstam", "SEPAErstTage", "integer", "", "Null");
  t.db.AddField("mandstam", "SEPAFolgeTage", "integer", "", "Null");
  t.db.AddField("MgLast", "BankUeb", "char", "(1)", "Null");
  t.db.AddField("MgLast", "DatumBankeinzug", "DateTime", "", "Null");
  t.db.AddField("MgLast", "SEPAKenn", "VARCHAR", "(4)", "Null");
  t.db.AddField("MgLast", "Ausfuhrungsdatum", "DateTime", "", "Null");
  t.db.AddField("MgLast", "SEPAXML", "varchar", "(250)", "Null");
  t.db.AddField("MgLast", "GUID", "UNIQUEIDENTIFIER", "", "NULL");
  t.db.AddField("MgSolln", "SEPAXML", "varchar", "(250)", "Null");
  t.db.AddField("MgSolln", "GUID", "UNIQUEIDENTIFIER", "", "NULL");
  t.db.AddField("RECHN", "SEPAXML", "varchar", "(250)", "Null");
  t.db.AddField("RECHN", "GUID", "UNIQUEIDENTIFIER", "", "NULL");
  t.db.AddField("Adresse", "AbwKtoInhCB", "char", "(1)", "Null");

  t.db.AllOrNothing([&] {
    t.db.AddField("MgLast", "IndSepa", "char", "(1)", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded,
                "UPDATE MgLast SET IndSepa='J' WHERE SEPAXML IS NOT NULL AND SEPAXML<>''");
      t.db.Exec(Policy::kUnguarded, "UPDATE MgLast SET IndSepa='N' WHERE IndSepa IS NULL");
    }
  });
  // Every run: a direct debit without an XML file is not a SEPA debit, even
  // where another program marked it so.
  t.db.Exec(Policy::kUnguarded,
            "UPDATE MgLast SET IndSepa='N' WHERE SEPAXML IS NULL OR SEPAXML=''");
  t.db.Exec(Policy::kUnguarded,
            "UPDATE d_blz SET BIC= (select TOP 1 BIC from d_blz B where B.BLZ=d_blz.BLZ AND "
            "ISNULL(bic,'')<>'')  where bic IS NULL");
  t.db.Exec(Policy::kUnguarded, "UPDATE mandstam SET SEPAErstTage=5 WHERE SEPAErstTage IS NULL");
  t.db.Exec(Policy::kUnguarded, "UPDATE mandstam SET SEPAFolgeTage=2 WHERE SEPAFolgeTage IS NULL");

  pMandatErstellen(t);
}

}  // namespace quelor::migration
