// The log of SEPA transfer files, the SEPA flag of transfers and templates,
// the online-banking tables, the bank-code directory fields of d_blz and the
// certificate and tax-filing PIN of the master record.
#include "migration/sepa_log_and_bank_codes.h"

#include <string>
#include <string_view>

#include "config/text_util.h"
#include "db/script_splitter.h"

namespace quelor::resources {
extern const std::string_view kMemoBLZ1;
}

// Statement texts stay on one line each, as the server receives them.
// clang-format off

namespace quelor::migration {

using db::Policy;

void SepaLogOnlineBankingAndBankCodes(TenantContext& t) {
  // Each marker (a new table or column) reaches the database together with
  // the one-time work it guards: a run stopped in between leaves both to the
  // next run instead of a table without its key or a column without its fill.
  if (t.db.TableMissing("SEPA_Protokol")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kError, {"CREATE TABLE [dbo].[SEPA_Protokol](",
                                      "[ID] INT IDENTITY (1,1) NOT NULL,",
                                      "[Auswahl] CHAR (1) NOT NULL,",
                                      "[Datum] DateTime NOT NULL,",
                                      "[Konto] varchar (50) NOT NULL,",
                                      "[Kontoname] varchar (120) NULL,",
                                      "[Adr_Nummer] INT NULL,",
                                      "[Adr_Name] varchar (120) NULL,",
                                      "[Zweck_1] varchar (120) NULL,",
                                      "[Zweck_2] varchar (120) NULL,",
                                      "[Zeile_13] varchar (120) NULL,",
                                      "[Zeile_14] varchar (120) NULL,",
                                      "[Betrag_Eu] numeric (18,8) NULL,",
                                      "[Auft_IBAN] varchar (30) NULL,",
                                      "[Auft_BIC] varchar (30) NULL,",
                                      "[Gesamt] numeric (18,8) NULL,",
                                      "[Erf] char (1) NOT NULL,",
                                      "[ErfBenutzer] varchar (30) NULL,",
                                      "[ErfDatum] DateTime NULL)"});
      t.db.ExecLines(Policy::kError, {"ALTER TABLE SEPA_Protokol ADD CONSTRAINT [PK_SEPA_Protokol] PRIMARY KEY CLUSTERED (ID) ON [PRIMARY]"});
    });
  }
  if (t.db.TableMissing("SEPA_ProtokolS")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kError, {"CREATE TABLE [dbo].[SEPA_ProtokolS](",
                                      "ID INT NOT NULL,",
                                      "LfdNr INT NOT NULL)"});
      // The key is named PK_SEPA_UberProtS, not after the table: keep the name.
      t.db.ExecLines(Policy::kError, {"ALTER TABLE SEPA_ProtokolS ADD CONSTRAINT [PK_SEPA_UberProtS] PRIMARY KEY CLUSTERED (ID,LfdNr) ON [PRIMARY]"});
    });
  }
  t.db.AddField("MgUeberwVorl", "IBAN", "varchar", "(30)", "NULL");
  t.db.AddField("MgUeberwVorl", "BIC", "varchar", "(30)", "NULL");
  t.db.AddField("MgUeberwVorl", "Auft_IBAN", "varchar", "(30)", "NULL");
  t.db.AddField("MgUeberwVorl", "Auft_BIC", "varchar", "(30)", "NULL");
  t.db.AllOrNothing([&] {
    t.db.AddField("MgUeberwVorl", "SEPA", "char", "(1)", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.ExecLines(Policy::kError, {"UPDATE MgUeberwVorl SET SEPA='N'"});
    }
  });
  t.db.AllOrNothing([&] {
    t.db.AddField("MgUeberw", "SEPA", "char", "(1)", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.ExecLines(Policy::kError, {"UPDATE MgUeberw SET SEPA='N'"});
    }
  });
  if (t.db.TableMissing("OnlKontAnm")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kError, {"CREATE TABLE [dbo].[OnlKontAnm] (",
                                      "Bank varchar (80) NOT NULL,",
                                      "Konto varchar (15) NOT NULL,",
                                      "BLZ varchar (10) NOT NULL,",
                                      "Online char (1) NOT NULL,",
                                      "Auswahl char (1) NOT NULL,",
                                      "AuszugeLesenAb DateTime NULL,",
                                      "LetztesAbholdatum DateTime NULL)"});
      t.db.ExecLines(Policy::kError, {"ALTER TABLE OnlKontAnm ADD CONSTRAINT [PK_OnlKontAnm] PRIMARY KEY CLUSTERED (Bank,Konto,BLZ) ON [PRIMARY]"});
    });
  }

  // The fields of the bank-code directory, in its record order.
  t.db.AddField("d_blz", "Merkmal", "integer", "", "Null");
  t.db.AddField("d_blz", "Bezeichnung", "VARCHAR", "(255)", "Null");
  t.db.AddField("d_blz", "PAN", "VARCHAR", "(10)", "Null");
  t.db.AddField("d_blz", "PLZ", "VARCHAR", "(10)", "Null");
  t.db.AddField("d_blz", "BIC", "VARCHAR", "(80)", "Null");
  t.db.AddField("d_blz", "Pr_Ziff", "VARCHAR", "(10)", "Null");
  t.db.AddField("d_blz", "Datensatznummer", "VARCHAR", "(10)", "Null");
  t.db.AddField("d_blz", "AendKz", "CHAR", "(1)", "Null");
  t.db.AddField("d_blz", "BLZ_Loe", "integer", "", "Null");
  t.db.AddField("d_blz", "NACHFOLGE_BLZ", "VARCHAR", "(20)", "Null");
  t.db.AddField("d_blz", "Postfach", "VARCHAR", "(20)", "Null");
  t.db.AddField("d_blz", "Bundesland", "VARCHAR", "(50)", "Null");
  t.db.AddField("d_blz", "Email", "VARCHAR", "(255)", "Null");
  t.db.AddField("d_blz", "Telefon", "VARCHAR", "(80)", "Null");
  t.db.AddField("d_blz", "FAx", "VARCHAR", "(80)", "Null");
  t.db.AddField("d_blz", "Homepage", "VARCHAR", "(255)", "Null");
  t.db.AddField("d_blz", "Land", "VARCHAR", "(4)", "Null");
  t.db.AddField("d_blz", "Kennzeichen", "VARCHAR", "(20)", "Null");
  t.db.AddField("d_blz", "Sektor", "VARCHAR", "(50)", "Null");
  t.db.AddField("d_blz", "Strasse", "VARCHAR", "(255)", "Null");
  // "identity" in the size slot makes ID an identity column; the server
  // numbers the old rows, which are deleted right after anyway.
  t.db.AllOrNothing([&] {
    t.db.AddField("d_blz", "ID", "integer", "identity", "NOT NULL");
    if (t.db.ColumnAddedFlag()) {
      // Once: the old bank codes go, the key (BLZ, ID) is made on the empty
      // table, and the second routine loads the full directory.
      t.db.ExecLines(Policy::kWarning, {"DELETE FROM D_BLZ"});
      t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.D_BLZ ALTER COLUMN BANK varchar(255) NULL");
      t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.D_BLZ ALTER COLUMN Ort varchar(255) NULL");
      t.db.ExecLines(Policy::kWarning, {"ALTER TABLE [dbo].[D_BLZ] ADD",
                                        "CONSTRAINT [PK_D_BLZ] PRIMARY KEY CLUSTERED",
                                        "([BLZ],[ID]) ON [PRIMARY]"});
      // MemoBLZ1 ships empty in this release; a text placed there is run as
      // one batch.
      if (!config::IsBlank(resources::kMemoBLZ1)) {
        t.db.Exec(Policy::kWarning, db::SingleBatchText(resources::kMemoBLZ1));
      }
    }
  });
  // Repeated on every run; on a widened table they change nothing.
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.D_BLZ ALTER COLUMN BANK varchar(255) NULL");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.D_BLZ ALTER COLUMN Ort varchar(255) NULL");

  t.db.AddField("mandstam", "Zertifikat", "VARCHAR", "(250)", "Null");
  t.db.AddField("mandstam", "ElsterPIN", "VARCHAR", "(20)", "Null");

  if (t.db.TableMissing("tmpMgKontoUms")) {
    t.db.AllOrNothing([&] {
      // WZ1 is 140 wide here against 120 in MgKontoUms as created before; the
      // second routine widens MgKontoUms to match.
      t.db.ExecLines(Policy::kWarning, {"CREATE TABLE dbo.tmpMgKontoUms (",
                                        "LfdNr int IDENTITY (1,1) NOT NULL,",
                                        "Benutzer varchar(40) NOT NULL,",
                                        "Status VARCHAR (50) NULL,",
                                        "Datum DateTime NULL,",
                                        "Werstellung varchar(120) NULL,",
                                        "Empfanger varchar(120) NULL,",
                                        "WZ1 varchar(140) NULL,",
                                        "Soll numeric (18,8) NULL,",
                                        "Haben numeric (18,8) NULL,",
                                        "Fibukonto int NULL,",
                                        "KoSt int NULL,",
                                        "AdrNr int NULL,",
                                        "WZ2 varchar (120) NULL,",
                                        "ID varchar (40) NULL,",
                                        "Bank varchar (80) NULL,",
                                        "OnlineBlz varchar (40) NULL,",
                                        "OnlineKonto varchar (40) NULL,",
                                        "Lastschrift char (1) NULL,",
                                        "IBAN varchar (30) NULL,",
                                        "BIC varchar (30) NULL)"});
      t.db.ExecLines(Policy::kWarning, {"ALTER TABLE [dbo].[tmpMgKontoUms]  ADD",
                                        "CONSTRAINT [PK_tmpMgKontoUms] PRIMARY KEY CLUSTERED",
                                        "([LfdNr]) ON [PRIMARY]"});
    });
  }
  if (t.db.TableMissing("tblOnlLog")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {"CREATE TABLE dbo.tblOnlLog (",
                                        "ID int IDENTITY (1,1) NOT NULL,",
                                        "NR int NOT NULL,",
                                        "Status int NOT NULL,",
                                        "Vorgang varchar (200) NULL,",
                                        "Komentar varchar (200) NULL,",
                                        "Ergebnis varchar (200) NULL)"});
      t.db.ExecLines(Policy::kWarning, {"ALTER TABLE [dbo].[tblOnlLog]  ADD",
                                        "CONSTRAINT [PK_tblOnlLog] PRIMARY KEY CLUSTERED",
                                        "([ID]) ON [PRIMARY]"});
    });
  }
  t.db.AddField("SEPA_Protokol", "LfdNr", "int", "", "Null");
  t.db.AddIndex("SEPA_Protokol", "i_SEPA_Protokol_LfdNr", "LfdNr");
  t.db.AddField("Adresse", "mandatsrefenz", "varchar", "(35)", "Null");
  if (t.db.TableMissing("OnlKontoStand")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {"CREATE TABLE dbo.OnlKontoStand (",
                                        "Konto varchar (15) NOT NULL,",
                                        "Datum DateTime NOT NULL,",
                                        "Saldo numeric (18,8) NOT NULL)"});
      t.db.ExecLines(Policy::kWarning, {"ALTER TABLE [dbo].[OnlKontoStand]  ADD",
                                        "CONSTRAINT [PK_OnlKontoStand] PRIMARY KEY CLUSTERED",
                                        "([Konto], [Datum]) ON [PRIMARY]"});
    });
  }
  t.db.AddField("MgKontoUms", "OnlSaldoDat", "DateTime", "", "Null");
  t.db.AddField("tmpMgKontoUms", "OnlSaldoDat", "DateTime", "", "Null");
  t.db.AddIndex("MgKontoUms", "i_MgKontoUms_OnlSaldoDat", "OnlSaldoDat");
}

}  // namespace quelor::migration
