// The bank-code load: one insert into D_blz per record of the central bank's
// bank code directory, a fixed-width text file with one record per line.
//
// Record layout (positions counted from 1, in characters):
//    1- 8  Bankleitzahl (8 digits)
//    9     Merkmal: "1" for the office that holds the code, "2" for a further one
//   10-67  Bezeichnung (name without legal form)
//   68-72  Postleitzahl
//   73-107 Ort
//  108-134 Kurzbezeichnung with town
//  135-139 Institutsnummer für PAN (blank when none)
//  140-150 BIC (blank when none)
//  151-152 Kennzeichen der Prüfzifferberechnungsmethode
//  153-158 Nummer des Datensatzes
//  159     Änderungskennzeichen (A, D, M, U)
//  160     Hinweis auf Bankleitzahllöschung ("0" or "1")
//  161-168 Nachfolge-Bankleitzahl ("00000000" when none)
//  169-174 Kennzeichen der IBAN-Regel, only in the extended edition; D_blz has
//          no column for it.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "config/ini_file.h"
#include "db/toolkit.h"
#include "migration/reference_commands.h"

namespace quelor::resources {
extern const std::string_view kBankCodeDirectory;
}

namespace quelor::migration {
namespace {

constexpr std::size_t kRecordLength = 168;
constexpr std::size_t kExtendedRecordLength = 174;

// One record's characters as byte ranges of its UTF-8 text, so that fields
// are cut by character position whatever the characters' byte lengths.
class RecordLine {
 public:
  explicit RecordLine(std::string_view line) : line_(line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
      if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80) starts_.push_back(i);
    }
    starts_.push_back(line.size());
  }

  std::size_t length() const { return starts_.size() - 1; }

  // Characters `first` to `last` (counted from 1), trailing blanks removed.
  std::string_view Field(std::size_t first, std::size_t last) const {
    std::string_view field = line_.substr(starts_[first - 1], starts_[last] - starts_[first - 1]);
    while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
    return field;
  }

 private:
  std::string_view line_;
  std::vector<std::size_t> starts_;
};

[[noreturn]] void Refuse(std::size_t line_number, const std::string& what) {
  throw std::runtime_error("Bankleitzahlendatei, Zeile " + std::to_string(line_number) + ": " +
                           what);
}

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A blank PAN or BIC is stored as NULL, so that "no value" reads the same
// for every row.
std::string TextOrNull(std::string_view text) {
  return text.empty() ? std::string("null") : db::QuoteLiteral(text);
}

std::string InsertStatement(const RecordLine& record, std::size_t line_number) {
  const std::string_view blz = record.Field(1, 8);
  const std::string_view merkmal = record.Field(9, 9);
  const std::string_view loeschung = record.Field(160, 160);
  if (blz.size() != 8 || !AllDigits(blz)) {
    Refuse(line_number, "Bankleitzahl \"" + std::string(blz) + "\" besteht nicht aus 8 Ziffern");
  }
  if (merkmal != "1" && merkmal != "2") {
    Refuse(line_number, "Merkmal \"" + std::string(merkmal) + "\" ist weder 1 noch 2");
  }
  // The deletion mark goes into an integer column; anything else would fail
  // the conversion and end the whole command at this row.
  if (loeschung != "0" && loeschung != "1") {
    Refuse(line_number,
           "Löschungskennzeichen \"" + std::string(loeschung) + "\" ist weder 0 noch 1");
  }
  std::string statement =
      "insert into D_blz (BLZ,LfdNr,BANK,ORT,Merkmal,Bezeichnung,PAN,PLZ,BIC,Pr_Ziff,"
      "Datensatznummer,AendKz,BLZ_Loe,NACHFOLGE_BLZ) values(";
  statement += db::QuoteLiteral(blz);
  statement += ",1,";
  statement += db::QuoteLiteral(record.Field(108, 134));
  statement += ',';
  statement += db::QuoteLiteral(record.Field(73, 107));
  statement += ',';
  statement += merkmal;
  statement += ',';
  statement += db::QuoteLiteral(record.Field(10, 67));
  statement += ',';
  statement += TextOrNull(record.Field(135, 139));
  statement += ',';
  statement += db::QuoteLiteral(record.Field(68, 72));
  statement += ',';
  statement += TextOrNull(record.Field(140, 150));
  statement += ',';
  statement += db::QuoteLiteral(record.Field(151, 152));
  statement += ',';
  statement += db::QuoteLiteral(record.Field(153, 158));
  statement += ',';
  statement += db::QuoteLiteral(record.Field(159, 159));
  statement += ',';
  statement += db::QuoteLiteral(loeschung);
  statement += ',';
  statement += db::QuoteLiteral(record.Field(161, 168));
  statement += ')';
  return statement;
}

// One insert statement per record, in the order of the file (the central
// bank publishes it sorted by bank code). The published file is ISO-8859-1;
// a file that is valid UTF-8 (one saved again by an editor) is taken as
// such. Empty lines are passed over; any other line that is not a record is
// refused, so that a wrong file never reaches the table.
std::vector<std::string> InsertStatements(std::string_view directory) {
  const std::string text = config::ToUtf8FromProfileBytes(directory);
  std::string_view rest(text);
  if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);
  std::vector<std::string> statements;
  std::size_t line_number = 0;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    const RecordLine record(line);
    if (record.length() != kRecordLength && record.length() != kExtendedRecordLength) {
      Refuse(line_number, std::to_string(record.length()) + " Zeichen statt " +
                              std::to_string(kRecordLength) + " oder " +
                              std::to_string(kExtendedRecordLength));
    }
    statements.push_back(InsertStatement(record, line_number));
  }
  if (statements.empty()) {
    throw std::runtime_error("Bankleitzahlendatei: keine Datensätze");
  }
  return statements;
}

}  // namespace

std::string_view EmbeddedBankCodeDirectory() { return resources::kBankCodeDirectory; }

// The rows are cut into thirds by count, the first two parts taking the
// remainder: with n rows, the parts hold ceil(n/3), then ceil of half the
// rest, then what is left. Statements are separated by CR LF; the last
// command also ends with one. Only a directory of fewer than three records
// leaves a command empty.
std::array<std::string, 3> BankCodeCommands(std::string_view directory) {
  const std::vector<std::string> statements = InsertStatements(directory);
  const std::size_t first = (statements.size() + 2) / 3;
  const std::size_t second = (statements.size() - first + 1) / 2;
  const std::size_t ends[3] = {first, first + second, statements.size()};
  std::array<std::string, 3> commands;
  std::size_t index = 0;
  for (std::size_t part = 0; part < 3; ++part) {
    for (; index < ends[part]; ++index) {
      if (!commands[part].empty()) commands[part] += "\r\n";
      commands[part] += statements[index];
    }
  }
  if (!commands[2].empty()) commands[2] += "\r\n";
  return commands;
}

}  // namespace quelor::migration
