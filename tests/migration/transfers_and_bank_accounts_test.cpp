// Transfers, account statements and club bank accounts on the
// previous-release tenant, brought first through the five segments before it.
#include "migration/transfers_and_bank_accounts.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "migration/account_templates.h"
#include "migration/club_settings.h"
#include "migration/journal_fixes.h"
#include "migration/sports_bodies.h"
#include "migration/tax_keys.h"
#include "migration_fixture.h"

namespace quelor::testing {
namespace {

using db::Policy;
using migration::SportsBodiesAndInvoiceSlots;
using migration::TransfersAndBankAccounts;
using Table = std::vector<std::vector<std::string>>;

std::string Lines(std::initializer_list<std::string_view> lines) { return db::JoinCrLf(lines); }

std::string KeyStatement(const std::string& table, const std::string& column) {
  return Lines({"ALTER TABLE [dbo].[" + table + "]  ADD",
                "CONSTRAINT [PK_" + table + "] PRIMARY KEY CLUSTERED",
                "([" + column + "]) ON [PRIMARY]"});
}

class TransfersAndBankAccountsTest : public MigrationTest {
 protected:
  TransfersAndBankAccountsTest() {
    Prepare({migration::ClubSettingsAndAddressFunctions, migration::TaxKeysAndKeyTables,
             migration::AccountTemplates, migration::JournalFixes, SportsBodiesAndInvoiceSlots});
  }

  void Change(const std::string& statement) {
    Prepare({[&](migration::TenantContext& t) { t.db.Exec(Policy::kUnguarded, statement); }});
  }
};

TEST_F(TransfersAndBankAccountsTest, FirstRunSendsEveryStatementInCatalogueOrder) {
  Run({TransfersAndBankAccounts});
  const std::vector<std::string> expected = {
      Lines({"CREATE TABLE dbo.MgUeberw (",
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
             "DatumErl datetime NULL)"}),
      KeyStatement("MgUeberw", "LfdNr"),
      "ALTER TABLE dbo.MgUeberw ADD Vorlage  char (1) Null",
      Lines({"CREATE TABLE dbo.MgKontoUms (", "LfdNr [int] IDENTITY(1,1) NOT NULL,",
             "Status VARCHAR (50) NULL,", "Datum DateTime NULL,", "Werstellung varchar(120) NULL,",
             "Empfanger varchar(120) NULL,", "WZ1 varchar(120) NULL,", "Soll numeric (18,8) NULL,",
             "Haben numeric (18,8) NULL,", "Auswahl char(1) NULL,", "Erl char(1) NULL,",
             "Fibukonto int NULL,", "Benutzer varchar(40) NULL,", "BenutzerErl varchar(40) NULL,",
             "DatumErl datetime NULL)"}),
      KeyStatement("MgKontoUms", "LfdNr"),
      Lines({"CREATE TABLE dbo.MgUeberwVorl (", "LfdNr [int] IDENTITY(1,1) NOT NULL,",
             "Bezeichnung varchar (120) NULL,", "Auftraggeber varchar (120) NULL,",
             "AdrNr integer NULL,", "Vorgangsart varchar (80) NULL,",
             "Empfaenger varchar (120) NULL,", "BLZ varchar (40) NULL,",
             "Bankname varchar (120) NULL,", "Kontonummer varchar (40) NULL,",
             "WZ1 varchar (40) NULL,", "WZ2 varchar (40) NULL,", "Betrag float NULL,",
             "Fibukonto int NULL,", "AusfArt char (1) NULL)"}),
      KeyStatement("MgUeberwVorl", "LfdNr"),
      "ALTER TABLE dbo.MgKontoUms ADD KoSt  int  Null",
      "ALTER TABLE dbo.MgKontoUms ADD AdrNr  int  Null",
      "ALTER TABLE dbo.MgKontoUms ADD WZ2  varchar (120) Null",
      "ALTER TABLE dbo.MgKontoUms ADD ID  varchar (40) Null",
      "ALTER TABLE dbo.MgKontoUms ADD OnlineBlz  varchar (40) Null",
      "ALTER TABLE dbo.MgKontoUms ADD OnlineKonto  varchar (40) Null",
      Lines({"CREATE TABLE dbo.MandKonten (", "LfdNr [int] IDENTITY(1,1) NOT NULL,",
             "Bank varchar (80) NOT NULL,", "Konto varchar (15) NOT NULL,",
             "BLZ varchar (10) NOT NULL,", "FibuKonto int NULL)"}),
      KeyStatement("MandKonten", "LfdNr"),
      // Slot 1 with its fibu account; slot 2 trimmed and without one; slot 3
      // has no account number.
      Lines({"INSERT INTO MandKonten (Bank, Konto, BLZ", ",FibuKonto)", "VALUES",
             "('Sparkasse Rhein Neckar Nord',", "'38005566',", "'67050505'", ",1200)"}),
      Lines({"INSERT INTO MandKonten (Bank, Konto, BLZ", ")", "VALUES", "('Volksbank Kurpfalz',",
             "'20455001',", "'67092300'", ")"}),
      "ALTER TABLE dbo.MgLast ADD Bankkonto  varchar (30) Null",
      "ALTER TABLE dbo.MgLast ADD BankBLZ  varchar (30) Null",
      "ALTER TABLE dbo.MgLast ADD BankFibuKonto  int  Null",
      Lines({"CREATE TABLE dbo.MgBuText (", "Buchungstext [varchar] (120) NOT NULL,",
             "KontoNr INT NULL,", "KoSt INT NULL)"}),
      KeyStatement("MgBuText", "Buchungstext"),
      "ALTER TABLE dbo.Mandstam ADD BankKontoFuerendeNull  char (1) Null",
      "UPDATE Mandstam SET BankKontoFuerendeNull='N'",
      "UPDATE F5kont SET Spende='J' WHERE KONTONR=3220",
      "ALTER TABLE dbo.MgKontoUms ADD Lastschrift  char (1) Null",
      "ALTER TABLE dbo.F5BW4SGA ADD Verzicht  char (1) NULL",
      "UPDATE F5BW4SGA SET Verzicht='N'",
      "ALTER TABLE dbo.F5BEW4SG ADD Verzicht  char (1) NULL",
      "UPDATE F5BEW4SG SET Verzicht='N'",
      "ALTER TABLE dbo.F5Sicht ADD Verzicht_G  char (1) NULL",
  };
  const std::vector<std::string> executed = Executed();
  for (std::size_t i = 0; i < std::min(expected.size(), executed.size()); ++i) {
    EXPECT_EQ(executed[i], expected[i]) << "statement " << i;
  }
  EXPECT_EQ(executed.size(), expected.size());
  const std::vector<std::string> queries = Queries();
  EXPECT_NE(std::find(queries.begin(), queries.end(), "SELECT * FROM Mandstam"), queries.end());
  EXPECT_EQ(progress_count(), 7);
}

TEST_F(TransfersAndBankAccountsTest, FirstRunShapesSchemaAndFillsNewColumnsOnce) {
  Run({TransfersAndBankAccounts});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(transcript.With("w failed "), std::vector<std::string>{});

  struct ColumnCase {
    std::string table, column, type, length, nullable;
  };
  const std::vector<ColumnCase> columns = {
      {"MgUeberw", "LfdNr", "int", "NULL", "NO"},
      {"MgUeberw", "Auft_Bank", "varchar", "120", "YES"},
      {"MgUeberw", "Betrag", "float", "NULL", "YES"},
      {"MgUeberw", "Vorlage", "char", "1", "YES"},
      {"MgKontoUms", "Werstellung", "varchar", "120", "YES"},
      {"MgKontoUms", "Empfanger", "varchar", "120", "YES"},
      {"MgKontoUms", "Soll", "numeric", "NULL", "YES"},
      {"MgKontoUms", "OnlineKonto", "varchar", "40", "YES"},
      {"MgKontoUms", "Lastschrift", "char", "1", "YES"},
      {"MgUeberwVorl", "AusfArt", "char", "1", "YES"},
      {"MandKonten", "Bank", "varchar", "80", "NO"},
      {"MandKonten", "BLZ", "varchar", "10", "NO"},
      {"MandKonten", "FibuKonto", "int", "NULL", "YES"},
      {"MgLast", "BankBLZ", "varchar", "30", "YES"},
      {"MgBuText", "Buchungstext", "varchar", "120", "NO"},
      {"Mandstam", "BankKontoFuerendeNull", "char", "1", "YES"},
      {"F5bw4sga", "Verzicht", "char", "1", "YES"},
      {"F5bew4sg", "Verzicht", "char", "1", "YES"},
      {"F5Sicht", "Verzicht_G", "char", "1", "YES"},
  };
  for (const ColumnCase& c : columns) {
    EXPECT_EQ(Rows("SELECT DATA_TYPE, CHARACTER_MAXIMUM_LENGTH, IS_NULLABLE FROM "
                   "Information_Schema.Columns WHERE Table_Name='" +
                   c.table + "' AND Column_Name='" + c.column + "'"),
              (Table{{c.type, c.length, c.nullable}}))
        << c.table << "." << c.column;
  }
  for (const char* key :
       {"PK_MgUeberw", "PK_MgKontoUms", "PK_MgUeberwVorl", "PK_MandKonten", "PK_MgBuText"}) {
    EXPECT_EQ(Rows(std::string("SELECT COUNT(*) FROM sysobjects WHERE name='") + key + "'"),
              (Table{{"1"}}))
        << key;
  }

  EXPECT_EQ(Rows("SELECT LfdNr, Bank, Konto, BLZ, FibuKonto FROM MandKonten ORDER BY LfdNr"),
            (Table{{"1", "Sparkasse Rhein Neckar Nord", "38005566", "67050505", "1200"},
                   {"2", "Volksbank Kurpfalz", "20455001", "67092300", "NULL"}}));
  EXPECT_EQ(Rows("SELECT BankKontoFuerendeNull FROM Mandstam"), (Table{{"N"}}));
  EXPECT_EQ(Rows("SELECT KONTONR, RTRIM(Spende) FROM F5Kont WHERE Spende IS NOT NULL"),
            (Table{{"3220", "J"}}));
  EXPECT_EQ(Rows("SELECT Verzicht, COUNT(*) FROM F5bw4sga GROUP BY Verzicht"), (Table{{"N", "3"}}));
  EXPECT_EQ(Rows("SELECT Verzicht, COUNT(*) FROM F5bew4sg GROUP BY Verzicht"), (Table{{"N", "5"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM F5Sicht WHERE Verzicht_G IS NULL"), (Table{{"2"}}));
}

TEST_F(TransfersAndBankAccountsTest, SecondRunChangesNothing) {
  Prepare({TransfersAndBankAccounts});
  // The club takes the donation flag back and empties its bank accounts:
  // neither the flag nor the copy of the master record comes again.
  Change("UPDATE F5Kont SET Spende='N' WHERE KONTONR=3220");
  Change("DELETE FROM MandKonten");
  const std::string before = DatabaseSnapshot();

  Run({TransfersAndBankAccounts});

  EXPECT_EQ(Executed(), std::vector<std::string>{});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(progress_count(), 7);
  EXPECT_EQ(DatabaseSnapshot(), before);
}

// The copy of the three bank accounts of the master record into the new
// MandKonten, for master records changed before the run.
struct SlotCase {
  const char* what;
  std::vector<std::string> changes;
  Table accounts;  // Bank, Konto, BLZ, FibuKonto in the order inserted
};

void PrintTo(const SlotCase& c, std::ostream* os) { *os << c.what; }

class BankAccountCopyTest : public TransfersAndBankAccountsTest,
                            public ::testing::WithParamInterface<SlotCase> {};

TEST_P(BankAccountCopyTest, CopiesEachCompleteSlot) {
  for (const std::string& change : GetParam().changes) Change(change);
  Run({TransfersAndBankAccounts});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(Rows("SELECT Bank, Konto, BLZ, FibuKonto FROM MandKonten ORDER BY LfdNr"),
            GetParam().accounts);
}

INSTANTIATE_TEST_SUITE_P(
    MasterRecords, BankAccountCopyTest,
    ::testing::Values(
        // Quotes are doubled in the statement: the account is stored instead
        // of failing the insert and being lost.
        SlotCase{"apostrophe in a bank name",
                 {"UPDATE Mandstam SET Bank3='Sparkasse Rhein-Neckar-Nord d''Or', Konto3='4711'"},
                 {{"Sparkasse Rhein Neckar Nord", "38005566", "67050505", "1200"},
                  {"Volksbank Kurpfalz", "20455001", "67092300", "NULL"},
                  {"Sparkasse Rhein-Neckar-Nord d'Or", "4711", "67290000", "NULL"}}},
        SlotCase{"apostrophes in account number and bank code",
                 {"UPDATE Mandstam SET Bank1=NULL, Bank2=NULL, Bank3='O''Neill Bank', "
                  "Konto3='12''34', BLZ3='6729''0000', Fibukonto3=1210"},
                 {{"O'Neill Bank", "12'34", "6729'0000", "1210"}}},
        SlotCase{"blank slot 1",
                 {"UPDATE Mandstam SET Bank1='   '"},
                 {{"Volksbank Kurpfalz", "20455001", "67092300", "NULL"}}},
        SlotCase{"no master record", {"DELETE FROM Mandstam"}, {}}));

// Reading the master record and the one-time fills have no handler.
struct UnguardedCase {
  const char* drop;
  const char* failing;  // the last command sent before the run ends
};

void PrintTo(const UnguardedCase& c, std::ostream* os) { *os << c.drop; }

class TransfersUnguardedTest : public TransfersAndBankAccountsTest,
                               public ::testing::WithParamInterface<UnguardedCase> {};

TEST_P(TransfersUnguardedTest, FailureEndsTheRun) {
  const UnguardedCase& c = GetParam();
  Change(c.drop);
  EXPECT_THROW(Run({TransfersAndBankAccounts}), db::Error);
  ASSERT_FALSE(Executed().empty());
  EXPECT_EQ(Executed().back(), c.failing);
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_LT(progress_count(), 7);
}

INSTANTIATE_TEST_SUITE_P(
    MissingTables, TransfersUnguardedTest,
    ::testing::Values(
        // MandKonten is created and keyed, then the master record cannot be read.
        UnguardedCase{
            "DROP TABLE dbo.Mandstam",
            "ALTER TABLE [dbo].[MandKonten]  ADD\r\nCONSTRAINT [PK_MandKonten] PRIMARY KEY "
            "CLUSTERED\r\n([LfdNr]) ON [PRIMARY]\r\n"},
        // AddField reports the column as added although its ALTER fails.
        UnguardedCase{"DROP TABLE dbo.F5bw4sga", "UPDATE F5BW4SGA SET Verzicht='N'"},
        UnguardedCase{"DROP TABLE dbo.F5bew4sg", "UPDATE F5BEW4SG SET Verzicht='N'"}));

}  // namespace
}  // namespace quelor::testing
