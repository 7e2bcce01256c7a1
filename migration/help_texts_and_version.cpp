// Help texts and help groups, the schema version marker, the second and third
// bank-account slots of the master record, and IBAN/BIC for the club's bank
// accounts, transfers and statement lines.
#include "migration/help_texts_and_version.h"

#include <string>
#include <string_view>

#include "config/text_util.h"
#include "db/script_splitter.h"

namespace quelor::resources {
extern const std::string_view kMemoHelp;
}

// Statement texts stay on one line each, as the server receives them.
// clang-format off

namespace quelor::migration {
namespace {

using db::Policy;

// A field of the master record with the blanks cut from both ends, as the old
// input forms left them there (the same rule as the first copy of the slots).
std::string TrimmedField(const db::ResultSet& record, std::string_view column) {
  return config::TrimSpaces(record.AsText(0, column));
}

// One bank-account slot of the master record as a MandKonten row; a slot
// without bank, account number or bank code is left out. The values are
// quoted with their quotes doubled: a bank called "Bankhaus O'Brien" must
// land in the table, not break the insert.
void InsertBankAccountSlot(TenantContext& t, const db::ResultSet& master, const std::string& n) {
  t.db.RunUnder(Policy::kWarning, [&] {
    const std::string bank = TrimmedField(master, "Bank" + n);
    const std::string konto = TrimmedField(master, "Konto" + n);
    const std::string blz = TrimmedField(master, "BLZ" + n);
    if (bank.empty() || konto.empty() || blz.empty()) return;
    const std::string online = TrimmedField(master, "Online" + n);
    const std::string iban = TrimmedField(master, "IBAN" + n);
    const std::string bic = TrimmedField(master, "BIC" + n);
    const std::string fibukonto = TrimmedField(master, "Fibukonto" + n);
    t.db.Exec(Policy::kWarning, db::JoinCrLf({
        "INSERT INTO MandKonten (Bank, Konto, BLZ, Online, IBAN, BIC, FibuKonto)",
        "VALUES (",
        db::QuoteLiteral(bank) + ",",
        db::QuoteLiteral(konto) + ",",
        db::QuoteLiteral(blz) + ",",
        (online.empty() ? std::string("'N'") : db::QuoteLiteral(online)) + ",",
        (iban.empty() ? std::string("NULL") : db::QuoteLiteral(iban)) + ",",
        (bic.empty() ? std::string("NULL") : db::QuoteLiteral(bic)) + ",",
        (fibukonto.empty() ? std::string("NULL") : db::QuoteLiteral(fibukonto)) + ")"}));
  });
}

}  // namespace

void HelpTextsVersionAndOnlineAccounts(TenantContext& t) {
  // ID is an identity column but not the key: a help entry is found by form,
  // control and program. A new table and its key (or first row), and a new
  // column and its fill, reach the database together: a run stopped in
  // between leaves both to the next run.
  if (t.db.TableMissing("tblHelp")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kError, {"CREATE TABLE [dbo].[tblHelp](",
                                      "ID INT IDENTITY (1,1) NOT NULL,",
                                      "PARENTID INT NULL,",
                                      "FORM varchar (50) NOT NULL,",
                                      "CID varchar (50) NOT NULL,",
                                      "Bezeichnung varchar (80) NOT NULL,",
                                      "Memo text NOT NULL,",
                                      "Notes text NULL,",
                                      "Benutzer varchar (50) NOT NULL,",
                                      "RadDat datetime NOT NULL,",
                                      "Gruppe varchar (50) NULL,",
                                      "PROGRAM varchar (5) NOT NULL)"});
      t.db.ExecLines(Policy::kError, {"ALTER TABLE tblHelp ADD CONSTRAINT [PK_tblHelp1] PRIMARY KEY CLUSTERED (Form, CID, PROGRAM) ON [PRIMARY]"});
    });
  }
  t.db.AllOrNothing([&] {
    t.db.AddField("PASS", "HelpAend", "char", "(1)", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.ExecLines(Policy::kError, {"UPDATE PASS SET HelpAend='N'"});
    }
  });
  if (t.db.TableMissing("tblHelpGruppe")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kError, {"CREATE TABLE [dbo].[tblHelpGruppe](",
                                      "Kennung [varchar] (50) NOT NULL,",
                                      "Nr [int] NULL)"});
      t.db.ExecLines(Policy::kError, {"ALTER TABLE tblHelpGruppe ADD CONSTRAINT [PK_tblHelpGruppe] PRIMARY KEY CLUSTERED (Kennung) ON [PRIMARY]"});
    });
  }
  // Help groups and help texts are ours, not the club's: replaced on every run.
  t.db.ExecLines(Policy::kError, {"DELETE FROM [dbo].[tblHelpGruppe]"});
  t.db.ExecLines(Policy::kError, {"INSERT INTO [dbo].[tblHelpGruppe] (Kennung,Nr) VALUES ('Mitgliederverwaltung',1)"});
  t.db.ExecLines(Policy::kError, {"INSERT INTO [dbo].[tblHelpGruppe] (Kennung,Nr) VALUES ('Beitragsverwaltung',2)"});
  t.db.ExecLines(Policy::kError, {"INSERT INTO [dbo].[tblHelpGruppe] (Kennung,Nr) VALUES ('Finanzbuchhaltung',3)"});
  // One batch, not split at GO lines; the script deletes the old rows itself.
  // The help rows carry their dates as 'yyyymmdd', which the server reads the
  // same under every login language; written day first ('20.02.2013') they
  // were refused by month-first logins and the help table stayed empty.
  t.db.Exec(Policy::kWarning, db::SingleBatchText(resources::kMemoHelp));

  t.db.AddField("mandstam", "Online1", "char", "(1)", "NULL");
  t.db.AddField("mandstam", "IBAN2", "varchar", "(30)", "NULL");
  t.db.AddField("mandstam", "BIC2", "varchar", "(30)", "NULL");
  t.db.AddField("mandstam", "Online2", "char", "(1)", "NULL");
  t.db.AddField("mandstam", "IBAN3", "varchar", "(30)", "NULL");
  t.db.AddField("mandstam", "BIC3", "varchar", "(30)", "NULL");
  t.db.AddField("mandstam", "Online3", "char", "(1)", "NULL");

  if (t.db.TableMissing("tblVersion")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kError, {"CREATE TABLE [dbo].[tblVersion](",
                                      "Version [varchar] (50) NOT NULL)"});
      t.db.ExecLines(Policy::kError, {"INSERT INTO tblVersion (Version) VALUES ('0')"});
    });
  }
  // The read is not caught: if tblVersion could not be created, the run ends
  // here.
  if (t.db.Select("SELECT * FROM tblVersion").Empty()) {
    t.db.ExecLines(Policy::kError, {"INSERT INTO tblVersion (Version) VALUES('11')"});
  } else {
    t.db.ExecLines(Policy::kError, {"UPDATE tblVersion SET Version='11'"});
  }

  t.db.AddField("MandKonten", "Online", "char", "(1)", "NULL");
  t.db.AddField("MgUeberw", "IBAN", "varchar", "(30)", "NULL");
  t.db.AddField("MgUeberw", "BIC", "varchar", "(30)", "NULL");
  t.db.AddField("MgUeberw", "Auft_IBAN", "varchar", "(30)", "NULL");
  t.db.AddField("MgUeberw", "Auft_BIC", "varchar", "(30)", "NULL");
  t.db.AddField("MgKontoUms", "IBAN", "varchar", "(30)", "NULL");
  t.db.AddField("MgKontoUms", "BIC", "varchar", "(30)", "NULL");
  t.db.AddField("MandKonten", "IBAN", "varchar", "(30)", "NULL");
  // Once, on the run that adds the BIC column: the club's bank accounts are
  // rebuilt from the three slots of the master record, replacing rows entered
  // by hand before. Reading Mandstam is not caught. The column and the rebuild
  // reach the database together: a run stopped after the delete would
  // otherwise leave the club without its bank accounts for good.
  t.db.AllOrNothing([&] {
    t.db.AddField("MandKonten", "BIC", "varchar", "(30)", "NULL");
    if (t.db.ColumnAddedFlag()) {
      const db::ResultSet master = t.db.Select("SELECT * FROM Mandstam");
      t.db.ExecLines(Policy::kWarning, {"DELETE FROM MandKonten"});
      if (!master.Empty()) {
        InsertBankAccountSlot(t, master, "1");
        InsertBankAccountSlot(t, master, "2");
        InsertBankAccountSlot(t, master, "3");
      }
    }
  });
}

}  // namespace quelor::migration
