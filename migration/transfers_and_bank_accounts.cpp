#include "migration/transfers_and_bank_accounts.h"

#include <string>
#include <string_view>

#include "config/text_util.h"
namespace quelor::migration {
namespace {

using db::Policy;

using config::TrimSpaces;

// Copies bank account `slot` (1 to 3) of the master record into MandKonten,
// unless its bank, account number or bank code is blank. The texts are quoted
// with their apostrophes doubled: a bank called "... d'Or" is stored, not
// turned into a broken statement and a lost account.
void AddClubBankAccount(TenantContext& t, const db::ResultSet& master, int slot) {
  const std::string n = std::to_string(slot);
  std::string bank;
  std::string konto;
  std::string blz;
  std::string fibukonto;
  if (!master.Empty()) {
    bank = TrimSpaces(master.AsText(0, "Bank" + n));
    konto = TrimSpaces(master.AsText(0, "Konto" + n));
    blz = TrimSpaces(master.AsText(0, "BLZ" + n));
    fibukonto = master.AsText(0, "Fibukonto" + n);
  }
  if (bank.empty() || konto.empty() || blz.empty()) return;
  const bool has_fibukonto = !TrimSpaces(fibukonto).empty();
  t.db.ExecLines(Policy::kWarning,
                 {"INSERT INTO MandKonten (Bank, Konto, BLZ", has_fibukonto ? ",FibuKonto)" : ")",
                  "VALUES", "(" + db::QuoteLiteral(bank) + ",", db::QuoteLiteral(konto) + ",",
                  db::QuoteLiteral(blz), has_fibukonto ? "," + fibukonto + ")" : ")"});
}

}  // namespace

void TransfersAndBankAccounts(TenantContext& t) {
  // Each marker (a new table or column) reaches the database together with
  // the one-time work it guards, keys and first rows included: a run stopped
  // in between leaves both to the next run instead of a marker whose work no
  // later run does.
  if (t.db.TableMissing("MgUeberw")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {
                                           "CREATE TABLE dbo.MgUeberw (",
                                           "LfdNr [int] IDENTITY(1,1) NOT NULL,",
                                           "Datum datetime NULL,",
                                           "Auft_BLZ varchar(40) NULL,",
                                           "Auft_Bank varchar(120) NULL,",
                                           "Auft_KontoNr varchar(40) NULL,",
                                           "Auftraggeber varchar(120) NULL,",
                                           "AdrNr integer NULL,",
                                           "Auswahl char(1) NULL,",
                                           "Erl char(1) NULL,",
                                           "Vorgangsart varchar(80) NULL,",
                                           "Empfaenger varchar(120) NULL,",
                                           "BLZ varchar(40) NULL,",
                                           "Bankname varchar(120) NULL,",
                                           "Kontonummer varchar(40) NULL,",
                                           "WZ1 varchar(40) NULL,",
                                           "WZ2 varchar(40) NULL,",
                                           "Betrag float NULL,",
                                           "Fibukonto int NULL,",
                                           "AusfArt char(1) NULL,",
                                           "Benutzer varchar(40) NULL,",
                                           "BenutzerErl varchar(40) NULL,",
                                           "DatumErl datetime NULL)",
                                       });
      t.db.ExecLines(Policy::kWarning, {
                                           "ALTER TABLE [dbo].[MgUeberw]  ADD",
                                           "CONSTRAINT [PK_MgUeberw] PRIMARY KEY CLUSTERED",
                                           "([LfdNr]) ON [PRIMARY]",
                                       });
    });
  }
  t.progress.UpdateProgress();

  t.db.AddField("MgUeberw", "Vorlage", "char", "(1)", "Null");

  // Werstellung and Empfanger are the names the program reads, misspelt as
  // they are.
  if (t.db.TableMissing("MgKontoUms")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {
                                           "CREATE TABLE dbo.MgKontoUms (",
                                           "LfdNr [int] IDENTITY(1,1) NOT NULL,",
                                           "Status VARCHAR (50) NULL,",
                                           "Datum DateTime NULL,",
                                           "Werstellung varchar(120) NULL,",
                                           "Empfanger varchar(120) NULL,",
                                           "WZ1 varchar(120) NULL,",
                                           "Soll numeric (18,8) NULL,",
                                           "Haben numeric (18,8) NULL,",
                                           "Auswahl char(1) NULL,",
                                           "Erl char(1) NULL,",
                                           "Fibukonto int NULL,",
                                           "Benutzer varchar(40) NULL,",
                                           "BenutzerErl varchar(40) NULL,",
                                           "DatumErl datetime NULL)",
                                       });
      t.db.ExecLines(Policy::kWarning, {
                                           "ALTER TABLE [dbo].[MgKontoUms]  ADD",
                                           "CONSTRAINT [PK_MgKontoUms] PRIMARY KEY CLUSTERED",
                                           "([LfdNr]) ON [PRIMARY]",
                                       });
    });
  }
  t.progress.UpdateProgress();

  if (t.db.TableMissing("MgUeberwVorl")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {
                                           "CREATE TABLE dbo.MgUeberwVorl (",
                                           "LfdNr [int] IDENTITY(1,1) NOT NULL,",
                                           "Bezeichnung varchar (120) NULL,",
                                           "Auftraggeber varchar (120) NULL,",
                                           "AdrNr integer NULL,",
                                           "Vorgangsart varchar (80) NULL,",
                                           "Empfaenger varchar (120) NULL,",
                                           "BLZ varchar (40) NULL,",
                                           "Bankname varchar (120) NULL,",
                                           "Kontonummer varchar (40) NULL,",
                                           "WZ1 varchar (40) NULL,",
                                           "WZ2 varchar (40) NULL,",
                                           "Betrag float NULL,",
                                           "Fibukonto int NULL,",
                                           "AusfArt char (1) NULL)",
                                       });
      t.db.ExecLines(Policy::kWarning, {
                                           "ALTER TABLE [dbo].[MgUeberwVorl]  ADD",
                                           "CONSTRAINT [PK_MgUeberwVorl] PRIMARY KEY CLUSTERED",
                                           "([LfdNr]) ON [PRIMARY]",
                                       });
    });
  }
  t.progress.UpdateProgress();

  t.db.AddField("MgKontoUms", "KoSt", "int", "", "Null");
  t.db.AddField("MgKontoUms", "AdrNr", "int", "", "Null");
  t.db.AddField("MgKontoUms", "WZ2", "varchar", "(120)", "Null");
  t.db.AddField("MgKontoUms", "ID", "varchar", "(40)", "Null");
  t.db.AddField("MgKontoUms", "OnlineBlz", "varchar", "(40)", "Null");
  t.db.AddField("MgKontoUms", "OnlineKonto", "varchar", "(40)", "Null");

  if (t.db.TableMissing("MandKonten")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {
                                           "CREATE TABLE dbo.MandKonten (",
                                           "LfdNr [int] IDENTITY(1,1) NOT NULL,",
                                           "Bank varchar (80) NOT NULL,",
                                           "Konto varchar (15) NOT NULL,",
                                           "BLZ varchar (10) NOT NULL,",
                                           "FibuKonto int NULL)",
                                       });
      t.db.ExecLines(Policy::kWarning, {
                                           "ALTER TABLE [dbo].[MandKonten]  ADD",
                                           "CONSTRAINT [PK_MandKonten] PRIMARY KEY CLUSTERED",
                                           "([LfdNr]) ON [PRIMARY]",
                                       });
      // Filled only with the new table; the online-banking segment rebuilds it
      // once more when it adds the BIC column.
      const db::ResultSet master = t.db.Select("SELECT * FROM Mandstam");
      AddClubBankAccount(t, master, 1);
      AddClubBankAccount(t, master, 2);
      AddClubBankAccount(t, master, 3);
    });
  }
  t.progress.UpdateProgress();

  t.db.AddField("MgLast", "Bankkonto", "varchar", "(30)", "Null");
  t.db.AddField("MgLast", "BankBLZ", "varchar", "(30)", "Null");
  t.db.AddField("MgLast", "BankFibuKonto", "int", "", "Null");

  if (t.db.TableMissing("MgBuText")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {
                                           "CREATE TABLE dbo.MgBuText (",
                                           "Buchungstext [varchar] (120) NOT NULL,",
                                           "KontoNr INT NULL,",
                                           "KoSt INT NULL)",
                                       });
      t.db.ExecLines(Policy::kWarning, {
                                           "ALTER TABLE [dbo].[MgBuText]  ADD",
                                           "CONSTRAINT [PK_MgBuText] PRIMARY KEY CLUSTERED",
                                           "([Buchungstext]) ON [PRIMARY]",
                                       });
    });
  }
  t.progress.UpdateProgress();

  t.db.AllOrNothing([&] {
    t.db.AddField("Mandstam", "BankKontoFuerendeNull", "char", "(1)", "Null");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE Mandstam SET BankKontoFuerendeNull='N'");
      // Account 3220 becomes a donation account once, with the new switch; a
      // later change by the club is left alone.
      t.db.Exec(Policy::kUnguarded, "UPDATE F5kont SET Spende='J' WHERE KONTONR=3220");
    }
  });
  t.db.AddField("MgKontoUms", "Lastschrift", "char", "(1)", "Null");
  t.progress.UpdateProgress();

  t.db.AllOrNothing([&] {
    t.db.AddField("F5BW4SGA", "Verzicht", "char", "(1)", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE F5BW4SGA SET Verzicht='N'");
    }
  });
  t.db.AllOrNothing([&] {
    t.db.AddField("F5BEW4SG", "Verzicht", "char", "(1)", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE F5BEW4SG SET Verzicht='N'");
    }
  });
  t.db.AddField("F5Sicht", "Verzicht_G", "char", "(1)", "NULL");
  t.progress.UpdateProgress();
}

}  // namespace quelor::migration
