// The sports and federation lists of the state sports bodies and the lists of
// the sports badge, as insert commands generated from resources/data/.
//
// Every statement is a positional insert ("Insert Into T Select A=..., ..."):
// the names before "=" are aliases only, the values land in the table's
// columns by position. The tables must therefore have their columns in the
// order written here when a command runs.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "migration/data_file.h"
#include "migration/reference_commands.h"

namespace quelor::resources {
extern const std::string_view kSport2014Sportarten;
extern const std::string_view kSport2014Fachverbaende;
extern const std::string_view kVerbSportArt;
extern const std::string_view kDsaFachverband;
extern const std::string_view kFachverbaende;
extern const std::string_view kSportarten;
extern const std::string_view kFachverbaendeNeu;
}  // namespace quelor::resources

namespace quelor::migration {
namespace {

// Statements joined with CR LF, nothing after the last one.
class Statements {
 public:
  void Add(const std::string& statement) {
    if (!text_.empty()) text_ += "\r\n";
    text_ += statement;
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

// The SQL form of a field of a row, found by its column name: quoted text
// (quotes doubled) or a number as it stands; NULL as null.
class Fields {
 public:
  explicit Fields(const DataFile& file) : file_(file) {}
  std::string Text(const std::vector<DataField>& row, std::string_view column) const {
    return SqlValue(row[file_.ColumnIndex(column)], false);
  }
  std::string Number(const std::vector<DataField>& row, std::string_view column) const {
    return SqlValue(row[file_.ColumnIndex(column)], true);
  }

 private:
  const DataFile& file_;
};

}  // namespace

std::string MemoSport2014Script() {
  // The running numbers are given explicitly: LfdNr is a plain INT column
  // while the script runs and becomes an identity column afterwards.
  Statements script;
  const DataFile sports = ParseDataFile("sport2014Sportarten.tsv", resources::kSport2014Sportarten);
  const Fields s(sports);
  std::size_t lfd_nr = 0;
  for (const auto& row : sports.rows) {
    script.Add("Insert Into Sportarten Select KZ=" + s.Text(row, "KZ") +
               ", NUMMER=" + s.Text(row, "NUMMER") + ", SPORTART=" + s.Text(row, "SPORTART") +
               ", VerbandNr=" + s.Text(row, "VerbandNr") + ", LfdNr=" + std::to_string(++lfd_nr));
  }
  const DataFile federations =
      ParseDataFile("sport2014Fachverbaende.tsv", resources::kSport2014Fachverbaende);
  const Fields f(federations);
  lfd_nr = 0;
  for (const auto& row : federations.rows) {
    script.Add("Insert Into Fachverbaende Select KZ=" + f.Text(row, "KZ") +
               ", NUMMER=" + f.Text(row, "NUMMER") + ", FACHVERBAN=" + f.Text(row, "FACHVERBAN") +
               ", Kn=null, LfdNr=" + std::to_string(++lfd_nr));
  }
  return script.Take();
}

std::string VerbSportArtCommand() {
  // Kennung and LfdNr stay empty; the numbers get their fourth digit from
  // the catalogue step that pads them.
  Statements command;
  const DataFile file = ParseDataFile("verbSportArt.tsv", resources::kVerbSportArt);
  const Fields v(file);
  for (const auto& row : file.rows) {
    command.Add("Insert Into VerbSportArt Select Nummer=" + v.Text(row, "Nummer") +
                ", Sportart=" + v.Text(row, "Sportart") + ", Kennung=null, LfdNr=null");
  }
  return command.Take();
}

std::string DsaFachverbandCommand() {
  Statements command;
  const DataFile file = ParseDataFile("dsaFachverband.tsv", resources::kDsaFachverband);
  const Fields v(file);
  for (const auto& row : file.rows) {
    command.Add("Insert Into DSAFachverband Select Nr=" + v.Text(row, "Nr") +
                ", Bezeichnung=" + v.Text(row, "Bezeichnung"));
  }
  return command.Take();
}

std::string FachverbaendeCommand() {
  // LfdNr is an identity column by now and is left out.
  Statements command;
  const DataFile file = ParseDataFile("fachverbaende.tsv", resources::kFachverbaende);
  const Fields v(file);
  for (const auto& row : file.rows) {
    command.Add("Insert Into fachverbaende Select KZ=" + v.Text(row, "KZ") + ", NUMMER=" +
                v.Text(row, "NUMMER") + ", FACHVERBAN=" + v.Text(row, "FACHVERBAN") + ", Kn=null");
  }
  return command.Take();
}

std::string SportartenCommand() {
  // LfdNr is an identity column by now and is left out.
  Statements command;
  const DataFile file = ParseDataFile("sportarten.tsv", resources::kSportarten);
  const Fields v(file);
  for (const auto& row : file.rows) {
    command.Add("Insert Into Sportarten Select KZ=" + v.Text(row, "KZ") +
                ", NUMMER=" + v.Text(row, "NUMMER") + ", SPORTART=" + v.Text(row, "SPORTART") +
                ", VerbandNr=" + v.Text(row, "VerbandNr"));
  }
  return command.Take();
}

std::string FachverbaendeNeuCommand() {
  // The new list marks every federation with Kn ' ' and brings its own
  // running numbers; LfdNr is a plain INT NOT NULL column while it loads.
  Statements command;
  const DataFile file = ParseDataFile("fachverbaendeNeu.tsv", resources::kFachverbaendeNeu);
  const Fields v(file);
  for (const auto& row : file.rows) {
    command.Add("Insert Into fachverbaende Select KZ=" + v.Text(row, "KZ") +
                ", NUMMER=" + v.Text(row, "NUMMER") + ", FACHVERBAN=" + v.Text(row, "FACHVERBAN") +
                ", Kn=' ', LfdNr=" + v.Number(row, "LfdNr"));
  }
  return command.Take();
}

}  // namespace quelor::migration
