// The bank-code load commands, made from directory records written here, and
// the compiled-in directory loaded into D_blz on the simulated server.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "migration/reference_commands.h"
#include "migration/sepa_log_and_bank_codes.h"
#include "migration_fixture.h"

namespace quelor::testing {
namespace {

using migration::BankCodeCommands;
using migration::EmbeddedBankCodeDirectory;

const char kInsert[] =
    "insert into D_blz (BLZ,LfdNr,BANK,ORT,Merkmal,Bezeichnung,PAN,PLZ,BIC,Pr_Ziff,Datensatznummer,"
    "AendKz,BLZ_Loe,NACHFOLGE_BLZ) values(";

// A directory record, each field padded with blanks to its width.
struct Fields {
  std::string blz = "10000000";
  std::string merkmal = "1";
  std::string bezeichnung = "Bundesbank";
  std::string plz = "10591";
  std::string ort = "Berlin";
  std::string kurz = "BBk Berlin";
  std::string pan = "20100";
  std::string bic = "MARKDEF1100";
  std::string pruefziffer = "09";
  std::string datensatz = "011380";
  std::string aenderung = "U";
  std::string loeschung = "0";
  std::string nachfolge = "00000000";
};

// Pads to `width` characters; a UTF-8 sequence counts as one.
std::string Pad(const std::string& text, std::size_t width) {
  std::size_t length = 0;
  for (char c : text) length += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return text + std::string(width > length ? width - length : 0, ' ');
}

std::string Record(const Fields& f) {
  return Pad(f.blz, 8) + Pad(f.merkmal, 1) + Pad(f.bezeichnung, 58) + Pad(f.plz, 5) +
         Pad(f.ort, 35) + Pad(f.kurz, 27) + Pad(f.pan, 5) + Pad(f.bic, 11) + Pad(f.pruefziffer, 2) +
         Pad(f.datensatz, 6) + Pad(f.aenderung, 1) + Pad(f.loeschung, 1) + Pad(f.nachfolge, 8);
}

// The statements of all three commands, in order.
std::vector<std::string> Statements(const std::string& directory) {
  std::vector<std::string> statements;
  for (const std::string& command : BankCodeCommands(directory)) {
    std::size_t start = 0;
    while (start < command.size()) {
      std::size_t end = command.find("\r\n", start);
      if (end == std::string::npos) end = command.size();
      statements.push_back(command.substr(start, end - start));
      start = end + 2;
    }
  }
  return statements;
}

std::size_t StatementCount(const std::string& command) {
  std::size_t count = 0;
  for (std::size_t at = command.find("insert into D_blz "); at != std::string::npos;
       at = command.find("insert into D_blz ", at + 1)) {
    ++count;
  }
  return count;
}

// The compiled-in directory is the Debian package's file, unchanged.
TEST(BankCodeCommandsTest, CompiledInDirectoryIsThePackagedFile) {
  std::ifstream in("/usr/share/ktoblzcheck/blz_20200420.txt", std::ios::binary);
  if (!in) GTEST_SKIP() << "libktoblzcheck1v5 is not installed";
  const std::string packaged((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
  EXPECT_TRUE(packaged == EmbeddedBankCodeDirectory());
}

TEST(BankCodeCommandsTest, FirstStatementOfTheCompiledInDirectory) {
  // clang-format off
  const std::string expected =
      "insert into D_blz (BLZ,LfdNr,BANK,ORT,Merkmal,Bezeichnung,PAN,PLZ,BIC,Pr_Ziff,Datensatznummer,AendKz,BLZ_Loe,NACHFOLGE_BLZ) values('10000000',1,'BBk Berlin','Berlin',1,'Bundesbank','20100','10591','MARKDEF1100','09','011380','U','0','00000000')\r\n";
  // clang-format on
  EXPECT_EQ(BankCodeCommands(EmbeddedBankCodeDirectory())[0].substr(0, expected.size()), expected);
}

TEST(BankCodeCommandsTest, RecordsBecomeStatements) {
  const std::string berlin =
      "'10000000',1,'BBk Berlin','Berlin',1,'Bundesbank','20100','10591','MARKDEF1100','09',"
      "'011380','U','0','00000000')";
  Fields office;
  office.blz = "70150000";
  office.merkmal = "2";
  office.bezeichnung = "Stadtsparkasse M\xFCnchen";
  office.plz = "80791";
  office.ort = "M\xFCnchen";
  office.kurz = "Stadtspk M\xFCnchen";
  office.pan = "";
  office.bic = "";
  office.pruefziffer = "C4";
  office.datensatz = "044312";
  office.aenderung = "M";
  office.loeschung = "1";
  office.nachfolge = "70050000";
  const std::string office_statement =
      std::string(kInsert) +
      "'70150000',1,'Stadtspk M\xC3\xBCnchen','M\xC3\xBCnchen',2,"
      "'Stadtsparkasse M\xC3\xBCnchen',null,'80791',null,'C4','044312','M','1','70050000')";
  Fields quoted;
  quoted.bezeichnung = "Bank 'Am Markt'";
  quoted.kurz = "Bank 'AM'";
  quoted.ort = "Sankt 'Ort'";

  struct Case {
    const char* name;
    std::string directory;
    std::vector<std::string> statements;
  };
  Fields utf8_office = office;
  utf8_office.bezeichnung = "Stadtsparkasse M\xC3\xBCnchen";
  utf8_office.ort = "M\xC3\xBCnchen";
  utf8_office.kurz = "Stadtspk M\xC3\xBCnchen";
  // clang-format off
  const std::vector<Case> cases = {
      {"168 characters, CR LF", Record({}) + "\r\n",
       {std::string(kInsert) + berlin}},
      {"174 characters, IBAN rule not loaded", Record({}) + "000100\r\n",
       {std::string(kInsert) + berlin}},
      {"LF only, no line end after the last record", Record({}) + "\n" + Record(office),
       {std::string(kInsert) + berlin, office_statement}},
      {"blank PAN and BIC are null, ISO-8859-1 to UTF-8, deletion mark and successor kept",
       Record(office) + "\r\n", {office_statement}},
      {"a file saved as UTF-8, with byte-order mark", "\xEF\xBB\xBF" + Record(utf8_office) + "\r\n",
       {office_statement}},
      {"quotes doubled", Record(quoted) + "\r\n",
       {std::string(kInsert) + "'10000000',1,'Bank ''AM''','Sankt ''Ort''',1,'Bank ''Am Markt''',"
        "'20100','10591','MARKDEF1100','09','011380','U','0','00000000')"}},
      {"empty lines passed over", "\r\n" + Record({}) + "\r\n\r\n\r\n",
       {std::string(kInsert) + berlin}},
  };
  // clang-format on
  for (const Case& test_case : cases) {
    EXPECT_EQ(Statements(test_case.directory), test_case.statements) << test_case.name;
  }
}

TEST(BankCodeCommandsTest, MalformedDirectoriesAreRefusedNamingTheLine) {
  Fields letter_in_code;
  letter_in_code.blz = "1000000X";
  Fields short_code;
  short_code.blz = "1000000";
  Fields merkmal_three;
  merkmal_three.merkmal = "3";
  Fields deletion_mark;
  deletion_mark.loeschung = "J";
  const std::string good = Record({}) + "\r\n";
  struct Case {
    std::string directory;
    std::string message;
  };
  const std::vector<Case> cases = {
      {good + Record({}).substr(0, 167) + "\r\n",
       "Bankleitzahlendatei, Zeile 2: 167 Zeichen statt 168 oder 174"},
      {good + good + Record({}) + "00010\r\n",
       "Bankleitzahlendatei, Zeile 3: 173 Zeichen statt 168 oder 174"},
      {"<html><body>Seite nicht gefunden</body></html>\n",
       "Bankleitzahlendatei, Zeile 1: 46 Zeichen statt 168 oder 174"},
      {good + Record(letter_in_code) + "\r\n",
       "Bankleitzahlendatei, Zeile 2: Bankleitzahl \"1000000X\" besteht nicht aus 8 Ziffern"},
      {Record(short_code) + "\r\n",
       "Bankleitzahlendatei, Zeile 1: Bankleitzahl \"1000000\" besteht nicht aus 8 Ziffern"},
      {good + Record(merkmal_three) + "\r\n",
       "Bankleitzahlendatei, Zeile 2: Merkmal \"3\" ist weder 1 noch 2"},
      {good + Record(deletion_mark) + "\r\n",
       "Bankleitzahlendatei, Zeile 2: L\xC3\xB6schungskennzeichen \"J\" ist weder 0 noch 1"},
      {"", "Bankleitzahlendatei: keine Datens\xC3\xA4tze"},
      {"\r\n\r\n", "Bankleitzahlendatei: keine Datens\xC3\xA4tze"},
  };
  for (const Case& test_case : cases) {
    try {
      BankCodeCommands(test_case.directory);
      ADD_FAILURE() << "accepted, expected: " << test_case.message;
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(error.what(), test_case.message);
    }
  }
}

// Thirds by count, the first parts taking the remainder; statements joined by
// CR LF, and only the last command ends with one.
TEST(BankCodeCommandsTest, ThreeCommandsOfAboutEqualSize) {
  struct Case {
    std::size_t records;
    std::array<std::size_t, 3> sizes;
  };
  const std::vector<Case> cases = {
      {3, {1, 1, 1}}, {4, {2, 1, 1}}, {5, {2, 2, 1}}, {16028, {5343, 5343, 5342}}};
  for (const Case& test_case : cases) {
    std::string directory;
    for (std::size_t i = 0; i < test_case.records; ++i) directory += Record({}) + "\r\n";
    const std::array<std::string, 3> commands = BankCodeCommands(directory);
    for (std::size_t part = 0; part < 3; ++part) {
      EXPECT_EQ(StatementCount(commands[part]), test_case.sizes[part])
          << test_case.records << " part " << part;
      EXPECT_EQ(commands[part].rfind(kInsert, 0), 0u) << test_case.records << " part " << part;
    }
    EXPECT_NE(commands[0].substr(commands[0].size() - 2), "\r\n");
    EXPECT_NE(commands[1].substr(commands[1].size() - 2), "\r\n");
    EXPECT_EQ(commands[2].substr(commands[2].size() - 3), ")\r\n");
  }

  const std::array<std::string, 3> embedded = BankCodeCommands(EmbeddedBankCodeDirectory());
  EXPECT_EQ(StatementCount(embedded[0]), 5343u);
  EXPECT_EQ(StatementCount(embedded[1]), 5343u);
  EXPECT_EQ(StatementCount(embedded[2]), 5342u);
}

// Fewer than three records leave the later commands empty, without a line end.
TEST(BankCodeCommandsTest, TinyDirectoryLeavesLaterCommandsEmpty) {
  const std::array<std::string, 3> commands = BankCodeCommands(Record({}) + "\r\n");
  EXPECT_EQ(StatementCount(commands[0]), 1u);
  EXPECT_EQ(commands[1], "");
  EXPECT_EQ(commands[2], "");
}

// D_blz as the first routine leaves it: emptied, widened, numbered and keyed.
class BankCodeLoadTest : public MigrationTest {
 protected:
  BankCodeLoadTest() { Prepare({migration::SepaLogOnlineBankingAndBankCodes}); }
};

TEST_F(BankCodeLoadTest, CompiledInDirectoryLoadsOneRowPerRecord) {
  Run({[](migration::TenantContext& t) {
    t.db.Exec(db::Policy::kWarning, "DELETE FROM D_blz");
    for (const std::string& command : BankCodeCommands(EmbeddedBankCodeDirectory())) {
      t.db.Exec(db::Policy::kWarning, command);
    }
  }});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(
      Rows("SELECT COUNT(*), COUNT(DISTINCT BLZ), SUM(CASE WHEN Merkmal=1 THEN 1 ELSE 0 END), "
           "COUNT(BIC), COUNT(PAN), MAX(ID) - MIN(ID) + 1, "
           "SUM(CASE WHEN Ort='M\xC3\xBCnchen' THEN 1 ELSE 0 END) FROM D_blz"),
      (std::vector<std::vector<std::string>>{
          {"16028", "3542", "3542", "4898", "15389", "16028", "106"}}));
  EXPECT_EQ(Rows("SELECT TOP 1 BLZ, LfdNr, BANK, Ort, Merkmal, Bezeichnung, PAN, PLZ, BIC, "
                 "Pr_Ziff, Datensatznummer, AendKz, BLZ_Loe, NACHFOLGE_BLZ FROM D_blz ORDER BY ID"),
            (std::vector<std::vector<std::string>>{{"10000000", "1", "BBk Berlin", "Berlin", "1",
                                                    "Bundesbank", "20100", "10591", "MARKDEF1100",
                                                    "09", "011380", "U", "0", "00000000"}}));
}

}  // namespace
}  // namespace quelor::testing
