// Help texts, version marker and online bank accounts on the previous-release
// tenant, brought first to the state the earlier segments of the first
// routine leave.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "migration/account_templates.h"
#include "migration/club_settings.h"
#include "migration/help_texts_and_version.h"
#include "migration/journal_fixes.h"
#include "migration/sports_bodies.h"
#include "migration/tax_keys.h"
#include "migration/transfers_and_bank_accounts.h"
#include "migration_fixture.h"

namespace quelor::testing {
namespace {

using migration::HelpTextsVersionAndOnlineAccounts;
using Table = std::vector<std::vector<std::string>>;

std::string Lines(std::initializer_list<std::string_view> lines) { return db::JoinCrLf(lines); }

// Runs one statement on the working connection, as part of a test's set-up.
Segment Statement(std::string sql) {
  return [sql](migration::TenantContext& t) { t.db.working().Execute(sql); };
}

class HelpTextsAndVersionTest : public MigrationTest {
 protected:
  void PrepareEarlierSegments(std::vector<Segment> extra = {}) {
    std::vector<Segment> segments = {migration::ClubSettingsAndAddressFunctions,
                                     migration::TaxKeysAndKeyTables,
                                     migration::AccountTemplates,
                                     migration::JournalFixes,
                                     migration::SportsBodiesAndInvoiceSlots,
                                     migration::TransfersAndBankAccounts};
    segments.insert(segments.end(), extra.begin(), extra.end());
    Prepare(segments);
  }

  Table Columns(const std::string& table) {
    return Rows("SELECT COLUMN_NAME, DATA_TYPE, ISNULL(CAST(CHARACTER_MAXIMUM_LENGTH AS varchar), ''), "
                "IS_NULLABLE FROM Information_Schema.Columns WHERE Table_Name='" + table +
                "' ORDER BY ORDINAL_POSITION");
  }

  // The primary key of `table` as the snapshot of the server shows it: name,
  // clustering and columns in key order. (Read from the snapshot: a join over
  // the catalogue views is slow on the simulated server.)
  std::string PrimaryKey(const std::string& table) const {
    std::istringstream in(DatabaseSnapshot());
    std::string line;
    bool in_table = false;
    while (std::getline(in, line)) {
      if (line.find("\"name\": \"") != std::string::npos) in_table = line.find("\"name\": \"" + table + "\"") != std::string::npos;
      if (in_table && line.find("\"primary_key\"") != std::string::npos) {
        const std::size_t begin = line.find('{');
        const std::size_t end = line.find(",\"index_id\"");
        return begin == std::string::npos ? "null" : line.substr(begin, end - begin);
      }
    }
    return "<no table " + table + ">";
  }

  Table HelpRows() {
    return Rows("SELECT PARENTID, FORM, CID, Bezeichnung, Benutzer, CONVERT(varchar(8), RadDat, 112), "
                "Gruppe, PROGRAM, CAST(Memo AS varchar(10)), ISNULL(CAST(Notes AS varchar(10)), 'NULL') "
                "FROM tblHelp ORDER BY ID");
  }
};

// The help rows as the program ships them, in load order.
const Table kHelpRows = {
    {"-1", "F_Adresse", "", "Mitgliederverwaltung", "Kelto", "20130220", "Mitgliederverwaltung", "FIBU", " ", "NULL"},
    {"-1", "F_SQL", "", "Auswertungsgenerator", "Kelto", "20130221", "Mitgliederverwaltung", "FIBU", " ", "NULL"},
    {"-1", "Form_Stapel", "", "Einnahmen und Ausgaben buchen", "Kelto", "20130221", "Finanzbuchhaltung", "FIBU", " ", "NULL"},
    {"-1", "frmAssBeit", "", "Assistent Beitragsmanager", "Kelto", "20130222", "Beitragsverwaltung", "FIBU", " ", "NULL"},
    {"-1", "frmAssBeit1_2", "", "Assistent Beitragsmanager", "Kelto", "20130222", "Beitragsverwaltung", "FIBU", " ", "NULL"},
    {"-1", "frmAssBeit1_3", "", "Assistent Beitragsmanager", "Kelto", "20130222", "Beitragsverwaltung", "FIBU", " ", "NULL"},
    {"-1", "frmAssBeit1A", "", "Assistent Beitragsmanager", "Kelto", "20130222", "Beitragsverwaltung", "FIBU", " ", "NULL"},
    {"-1", "frmAssistent", "", "Einrichtungsassistent", "Kelto", "20130222", "Mitgliederverwaltung", "FIBU", " ", "NULL"},
    {"-1", "frmMgArtDat", "", "Beitragsartenstamm", "Kelto", "20130222", "Beitragsverwaltung", "FIBU", " ", "NULL"},
    {"-1", "frmMgOP", "", "Lastschriften/Beitragseinzug", "Kelto", "20130221", "Beitragsverwaltung", "FIBU", " ", "NULL"},
};

const Table kHelpGroups = {
    {"Beitragsverwaltung", "2"}, {"Finanzbuchhaltung", "3"}, {"Mitgliederverwaltung", "1"}};

std::string HelpScript() {
  std::string text;
  text += "DELETE FROM tblHelp\r\n";
  for (const auto& row : kHelpRows) {
    text += "Insert Into tblHelp (PARENTID,FORM,CID,Bezeichnung,Benutzer,RadDat,Gruppe,PROGRAM,Memo) Select "
            "PARENTID=-1, FORM='" + row[1] + "', CID='', Bezeichnung='" + row[3] +
            "', Benutzer='Kelto', RadDat='" + row[5] + "', Gruppe='" + row[6] + "', PROGRAM='FIBU',' '\r\n";
  }
  return text;
}

std::string AddColumn(const std::string& table, const std::string& column, const std::string& type) {
  return "ALTER TABLE dbo." + table + " ADD " + column + "  " + type + " NULL";
}

TEST_F(HelpTextsAndVersionTest, FirstRunSendsTheCatalogueStatementsInOrder) {
  PrepareEarlierSegments();
  Run({HelpTextsVersionAndOnlineAccounts});

  const std::vector<std::string> expected = {
      Lines({"CREATE TABLE [dbo].[tblHelp](", "ID INT IDENTITY (1,1) NOT NULL,", "PARENTID INT NULL,",
             "FORM varchar (50) NOT NULL,", "CID varchar (50) NOT NULL,", "Bezeichnung varchar (80) NOT NULL,",
             "Memo text NOT NULL,", "Notes text NULL,", "Benutzer varchar (50) NOT NULL,",
             "RadDat datetime NOT NULL,", "Gruppe varchar (50) NULL,", "PROGRAM varchar (5) NOT NULL)"}),
      Lines({"ALTER TABLE tblHelp ADD CONSTRAINT [PK_tblHelp1] PRIMARY KEY CLUSTERED (Form, CID, PROGRAM) ON [PRIMARY]"}),
      AddColumn("PASS", "HelpAend", "char (1)"),
      Lines({"UPDATE PASS SET HelpAend='N'"}),
      Lines({"CREATE TABLE [dbo].[tblHelpGruppe](", "Kennung [varchar] (50) NOT NULL,", "Nr [int] NULL)"}),
      Lines({"ALTER TABLE tblHelpGruppe ADD CONSTRAINT [PK_tblHelpGruppe] PRIMARY KEY CLUSTERED (Kennung) ON [PRIMARY]"}),
      Lines({"DELETE FROM [dbo].[tblHelpGruppe]"}),
      Lines({"INSERT INTO [dbo].[tblHelpGruppe] (Kennung,Nr) VALUES ('Mitgliederverwaltung',1)"}),
      Lines({"INSERT INTO [dbo].[tblHelpGruppe] (Kennung,Nr) VALUES ('Beitragsverwaltung',2)"}),
      Lines({"INSERT INTO [dbo].[tblHelpGruppe] (Kennung,Nr) VALUES ('Finanzbuchhaltung',3)"}),
      HelpScript(),
      AddColumn("mandstam", "Online1", "char (1)"),
      AddColumn("mandstam", "IBAN2", "varchar (30)"),
      AddColumn("mandstam", "BIC2", "varchar (30)"),
      AddColumn("mandstam", "Online2", "char (1)"),
      AddColumn("mandstam", "IBAN3", "varchar (30)"),
      AddColumn("mandstam", "BIC3", "varchar (30)"),
      AddColumn("mandstam", "Online3", "char (1)"),
      Lines({"CREATE TABLE [dbo].[tblVersion](", "Version [varchar] (50) NOT NULL)"}),
      Lines({"INSERT INTO tblVersion (Version) VALUES ('0')"}),
      Lines({"UPDATE tblVersion SET Version='11'"}),
      AddColumn("MandKonten", "Online", "char (1)"),
      AddColumn("MgUeberw", "IBAN", "varchar (30)"),
      AddColumn("MgUeberw", "BIC", "varchar (30)"),
      AddColumn("MgUeberw", "Auft_IBAN", "varchar (30)"),
      AddColumn("MgUeberw", "Auft_BIC", "varchar (30)"),
      AddColumn("MgKontoUms", "IBAN", "varchar (30)"),
      AddColumn("MgKontoUms", "BIC", "varchar (30)"),
      AddColumn("MandKonten", "IBAN", "varchar (30)"),
      AddColumn("MandKonten", "BIC", "varchar (30)"),
      Lines({"DELETE FROM MandKonten"}),
      Lines({"INSERT INTO MandKonten (Bank, Konto, BLZ, Online, IBAN, BIC, FibuKonto)", "VALUES (",
             "'Sparkasse Rhein Neckar Nord',", "'38005566',", "'67050505',", "'N',", "NULL,", "NULL,",
             "'1200')"}),
      // Slot 2 with its stray blanks trimmed; slot 3 has no account number.
      Lines({"INSERT INTO MandKonten (Bank, Konto, BLZ, Online, IBAN, BIC, FibuKonto)", "VALUES (",
             "'Volksbank Kurpfalz',", "'20455001',", "'67092300',", "'N',", "NULL,", "NULL,", "NULL)"}),
  };
  const std::vector<std::string> executed = Executed();
  for (std::size_t i = 0; i < std::max(expected.size(), executed.size()); ++i) {
    EXPECT_EQ(i < executed.size() ? executed[i] : "<missing>", i < expected.size() ? expected[i] : "<extra>")
        << "statement " << i;
  }
  EXPECT_EQ(progress_count(), 0);
}

TEST_F(HelpTextsAndVersionTest, FirstRunBuildsHelpVersionAndBankAccounts) {
  PrepareEarlierSegments();
  Run({HelpTextsVersionAndOnlineAccounts});

  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(Columns("tblHelp"), (Table{{"ID", "int", "", "NO"},
                                      {"PARENTID", "int", "", "YES"},
                                      {"FORM", "varchar", "50", "NO"},
                                      {"CID", "varchar", "50", "NO"},
                                      {"Bezeichnung", "varchar", "80", "NO"},
                                      {"Memo", "text", "2147483647", "NO"},
                                      {"Notes", "text", "2147483647", "YES"},
                                      {"Benutzer", "varchar", "50", "NO"},
                                      {"RadDat", "datetime", "", "NO"},
                                      {"Gruppe", "varchar", "50", "YES"},
                                      {"PROGRAM", "varchar", "5", "NO"}}));
  EXPECT_EQ(PrimaryKey("tblHelp"), R"({"name":"PK_tblHelp1","clustered":true,"columns":["FORM","CID","PROGRAM"])");
  EXPECT_EQ(PrimaryKey("tblHelpGruppe"), R"({"name":"PK_tblHelpGruppe","clustered":true,"columns":["Kennung"])");
  EXPECT_EQ(Columns("tblVersion"), (Table{{"Version", "varchar", "50", "NO"}}));
  EXPECT_EQ(PrimaryKey("tblVersion"), "null");

  EXPECT_EQ(HelpRows(), kHelpRows);
  EXPECT_EQ(Rows("SELECT Kennung, Nr FROM tblHelpGruppe ORDER BY Kennung"), kHelpGroups);
  EXPECT_EQ(Rows("SELECT Version FROM tblVersion"), (Table{{"11"}}));
  EXPECT_EQ(Rows("SELECT DISTINCT HelpAend FROM PASS"), (Table{{"N"}}));

  for (const auto& [table, column, type] : std::vector<std::array<std::string, 3>>{
           {"Mandstam", "Online1", "char"}, {"Mandstam", "IBAN2", "varchar"}, {"Mandstam", "BIC2", "varchar"},
           {"Mandstam", "Online2", "char"}, {"Mandstam", "IBAN3", "varchar"}, {"Mandstam", "BIC3", "varchar"},
           {"Mandstam", "Online3", "char"}, {"MgUeberw", "IBAN", "varchar"}, {"MgUeberw", "BIC", "varchar"},
           {"MgUeberw", "Auft_IBAN", "varchar"}, {"MgUeberw", "Auft_BIC", "varchar"},
           {"MgKontoUms", "IBAN", "varchar"}, {"MgKontoUms", "BIC", "varchar"}}) {
    EXPECT_EQ(Rows("SELECT DATA_TYPE, IS_NULLABLE FROM Information_Schema.Columns WHERE Table_Name='" + table +
                   "' AND Column_Name='" + column + "'"),
              (Table{{type, "YES"}}))
        << table << "." << column;
  }
  EXPECT_EQ(Columns("MandKonten"), (Table{{"LfdNr", "int", "", "NO"},
                                         {"Bank", "varchar", "80", "NO"},
                                         {"Konto", "varchar", "15", "NO"},
                                         {"BLZ", "varchar", "10", "NO"},
                                         {"FibuKonto", "int", "", "YES"},
                                         {"Online", "char", "1", "YES"},
                                         {"IBAN", "varchar", "30", "YES"},
                                         {"BIC", "varchar", "30", "YES"}}));
  // The same two accounts as before the rebuild, now with their online flag.
  EXPECT_EQ(Rows("SELECT Bank, Konto, BLZ, Online, IBAN, BIC, FibuKonto FROM MandKonten ORDER BY LfdNr"),
            (Table{{"Sparkasse Rhein Neckar Nord", "38005566", "67050505", "N", "NULL", "NULL", "1200"},
                   {"Volksbank Kurpfalz", "20455001", "67092300", "N", "NULL", "NULL", "NULL"}}));
}

// A bank name with an apostrophe is stored as it is, and the slots carry
// their online flag, IBAN and BIC into the rebuilt accounts.
TEST_F(HelpTextsAndVersionTest, RebuildKeepsBankNamesWithApostrophesAndOnlineData) {
  PrepareEarlierSegments({Statement("UPDATE Mandstam SET IBAN1='DE65670505050038005566', BIC1='MANSDE66XXX'"),
                          Statement("UPDATE Mandstam SET Bank2='  Bankhaus O''Brien & Söhne ', Konto3='4711'")});
  Run({[](migration::TenantContext& t) {
         t.db.AddField("mandstam", "Online1", "char", "(1)", "NULL");
         t.db.working().Execute("UPDATE Mandstam SET Online1='J'");
       },
       HelpTextsVersionAndOnlineAccounts});

  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(Rows("SELECT Bank, Konto, BLZ, Online, IBAN, BIC, FibuKonto FROM MandKonten ORDER BY LfdNr"),
            (Table{{"Sparkasse Rhein Neckar Nord", "38005566", "67050505", "J", "DE65670505050038005566",
                    "MANSDE66XXX", "1200"},
                   {"Bankhaus O'Brien & Söhne", "20455001", "67092300", "N", "NULL", "NULL", "NULL"},
                   {"Heidelberger Volksbank", "4711", "67290000", "N", "NULL", "NULL", "NULL"}}));
}

// The help rows must load whatever order the login reads numeric dates in: an
// English login (the server's default) reads month first, a German one day
// first.
class HelpRowsUnderDateFormat : public HelpTextsAndVersionTest,
                                public ::testing::WithParamInterface<const char*> {};

TEST_P(HelpRowsUnderDateFormat, LoadAllTenRows) {
  std::vector<Segment> session;
  if (*GetParam() != '\0') session.push_back(Statement(GetParam()));
  PrepareEarlierSegments(session);
  Run({HelpTextsVersionAndOnlineAccounts});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(HelpRows(), kHelpRows);
}

INSTANTIATE_TEST_SUITE_P(Sessions, HelpRowsUnderDateFormat,
                         ::testing::Values("", "SET LANGUAGE Deutsch", "SET DATEFORMAT dmy",
                                           "SET DATEFORMAT mdy"));

// The snapshot without the block of one table: its rows and identity counter
// may change by design.
std::string SnapshotWithout(const std::string& snapshot, const std::string& table) {
  std::istringstream in(snapshot);
  std::string out;
  std::string line;
  bool skipping = false;
  const std::string start = "\"name\": \"" + table + "\"";
  while (std::getline(in, line)) {
    if (line.find("\"name\": \"") != std::string::npos) skipping = line.find(start) != std::string::npos;
    if (!skipping) out += line + "\n";
  }
  return out;
}

TEST_F(HelpTextsAndVersionTest, SecondRunOnlyRewritesHelpAndVersion) {
  // An account entered by hand after the first run must survive the second.
  PrepareEarlierSegments({HelpTextsVersionAndOnlineAccounts,
                          Statement("INSERT INTO MandKonten (Bank, Konto, BLZ) VALUES ('Neue Bank', '1', '2')")});
  const std::string before = DatabaseSnapshot();
  // A user's changes to a help group and a help text.
  Prepare({Statement("UPDATE tblHelpGruppe SET Nr=9 WHERE Kennung='Finanzbuchhaltung'"),
           Statement("UPDATE tblHelp SET Bezeichnung='geändert' WHERE FORM='F_SQL'")});

  Run({HelpTextsVersionAndOnlineAccounts});

  EXPECT_EQ(Executed(), (std::vector<std::string>{
                            Lines({"DELETE FROM [dbo].[tblHelpGruppe]"}),
                            Lines({"INSERT INTO [dbo].[tblHelpGruppe] (Kennung,Nr) VALUES ('Mitgliederverwaltung',1)"}),
                            Lines({"INSERT INTO [dbo].[tblHelpGruppe] (Kennung,Nr) VALUES ('Beitragsverwaltung',2)"}),
                            Lines({"INSERT INTO [dbo].[tblHelpGruppe] (Kennung,Nr) VALUES ('Finanzbuchhaltung',3)"}),
                            HelpScript(),
                            Lines({"UPDATE tblVersion SET Version='11'"})}));
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  // The user's changes are replaced; the help rows differ from before only in
  // their new identity numbers.
  EXPECT_EQ(HelpRows(), kHelpRows);
  EXPECT_EQ(SnapshotWithout(DatabaseSnapshot(), "tblHelp"), SnapshotWithout(before, "tblHelp"));
}

TEST_F(HelpTextsAndVersionTest, VersionIsElevenWhateverTheTableHeld) {
  PrepareEarlierSegments({Statement("CREATE TABLE [dbo].[tblVersion](Version [varchar] (50) NOT NULL)")});
  Run({HelpTextsVersionAndOnlineAccounts});
  // An empty table gets the row, not an update of nothing.
  EXPECT_EQ(Rows("SELECT Version FROM tblVersion"), (Table{{"11"}}));

  Run({Statement("INSERT INTO tblVersion (Version) VALUES ('10')")});
  transcript.lines.clear();
  Run({HelpTextsVersionAndOnlineAccounts});
  EXPECT_EQ(Rows("SELECT Version FROM tblVersion"), (Table{{"11"}, {"11"}}));
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
}

// Reading the master record for the rebuild is not caught: without Mandstam
// the run ends there.
TEST_F(HelpTextsAndVersionTest, MissingMasterRecordTableEndsTheRun) {
  PrepareEarlierSegments({Statement("DROP TABLE Mandstam")});
  EXPECT_THROW(Run({HelpTextsVersionAndOnlineAccounts}), db::Error);
  EXPECT_EQ(Executed().back(), AddColumn("MandKonten", "BIC", "varchar (30)"));
}

}  // namespace
}  // namespace quelor::testing
