// The depreciation table and the association chart of accounts with its tax
// keys, as the insert commands that load them, from the data files under
// resources/data/.
#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "migration/data_file.h"
#include "migration/reference_commands.h"

namespace quelor::resources {
extern const std::string_view kAnlageTabelle;
extern const std::string_view kSkr49;
extern const std::string_view kF5DatSkr49;
}  // namespace quelor::resources

namespace quelor::migration {
namespace {

// A column of F5SKR49 in table order, whether its values are written without
// quotes, and the value an account gets when the data file has no such column
// (nullopt: null).
struct AccountColumn {
  std::string_view name;
  bool numeric;
  std::optional<std::string_view> value;
};

constexpr std::optional<std::string_view> kNull = std::nullopt;

// The insert-select is positional: these are the columns of F5SKR49 as the
// account-template layout orders them, then KoSt and DatevAuto, which the table
// gains before it is loaded. Turnovers and plan figures start at 0 so that sums
// over them are not null; text columns start empty, as in the templates.
constexpr std::array<AccountColumn, 108> kAccountColumns = {{
    {"BUCHJAHR", true, "2015"},
    {"KONTONR", true, kNull},
    {"BEZEICHG", false, kNull},
    {"ABHABEN", true, "0"},
    {"ABSOLL", true, "0"},
    {"JAHRUMSH", true, "0"},
    {"JAHRUMSS", true, "0"},
    {"BILANZGUV", false, ""},
    {"KENNZAHL", false, ""},
    {"KTOART", false, ""},
    {"START", false, ""},
    {"STSCHL", true, kNull},
    {"KREDKONTO", true, kNull},
    {"DEBITKTO", true, kNull},
    {"MOUMSHJAN", true, "0"},
    {"MOUMSSJAN", true, "0"},
    {"MOUMSHFEB", true, "0"},
    {"MOUMSSFEB", true, "0"},
    {"MOUMSHMÄRZ", true, "0"},
    {"MOUMSSMÄRZ", true, "0"},
    {"MOUMSHAPRIL", true, "0"},
    {"MOUMSSAPRIL", true, "0"},
    {"MOUMSHMAI", true, "0"},
    {"MOUMSSMAI", true, "0"},
    {"MOUMSHJUNI", true, "0"},
    {"MOUMSSJUNI", true, "0"},
    {"MOUMSHJULI", true, "0"},
    {"MOUMSSJULI", true, "0"},
    {"MOUMSHAUG", true, "0"},
    {"MOUMSSAUG", true, "0"},
    {"MOUMSHSEP", true, "0"},
    {"MOUMSSSEP", true, "0"},
    {"MOUMSHOKT", true, "0"},
    {"MOUMSSOKT", true, "0"},
    {"MOUMSHNOV", true, "0"},
    {"MOUMSSNOV", true, "0"},
    {"MOUMSHDEZ", true, "0"},
    {"MOUMSSDEZ", true, "0"},
    {"VERDICHTEN", false, "Nein"},
    {"KENNZUSTV", true, kNull},
    {"SEITENZAHL", true, kNull},
    {"SPERRE", false, ""},
    {"FÄLLIGKEIT1", true, kNull},
    {"SKONTO1_", true, kNull},
    {"FÄLLIGKEIT2", true, kNull},
    {"SKONTO2_", true, kNull},
    {"FÄLLIGKEIT3", true, kNull},
    {"HAUPTKONTO", true, kNull},
    {"VORLABHAB", true, "0"},
    {"VORLABSOLL", true, "0"},
    {"SEITENANZLE", true, kNull},
    {"VALUTA", false, ""},
    {"PlanJahrSoll", true, "0"},
    {"PlanJahrHaben", true, "0"},
    {"PlanSollJan", true, "0"},
    {"PlanHabenJan", true, "0"},
    {"PlanSollFeb", true, "0"},
    {"PlanHabenFeb", true, "0"},
    {"PlanSollMaerz", true, "0"},
    {"PlanHabenMaerz", true, "0"},
    {"PlanSollApril", true, "0"},
    {"PlanHabenApril", true, "0"},
    {"PlanSollMai", true, "0"},
    {"PlanHabenMai", true, "0"},
    {"PlanSollJuni", true, "0"},
    {"PlanHabenJuni", true, "0"},
    {"PlanSollJuli", true, "0"},
    {"PlanHabenJuli", true, "0"},
    {"PlanSollAug", true, "0"},
    {"PlanHabenAug", true, "0"},
    {"PlanSollSep", true, "0"},
    {"PlanHabenSep", true, "0"},
    {"PlanSollOkt", true, "0"},
    {"PlanHabenOkt", true, "0"},
    {"PlanSollNov", true, "0"},
    {"PlanHabenNov", true, "0"},
    {"PlanSollDez", true, "0"},
    {"PlanHabenDez", true, "0"},
    {"STSCH_U", false, ""},
    {"KONTO_WGEWI", true, kNull},
    {"KONTO_WVERL", true, kNull},
    {"KOST_J_N", false, ""},
    {"KontoArt", false, "Sachkonto"},
    {"Bank", false, "Falsch"},
    {"Unterkonto", false, ""},
    {"HauptKto", true, kNull},
    {"Bezeich2", false, ""},
    {"KdLfNr", false, ""},
    {"KennzGuV", false, ""},
    {"KennzBilanz", false, ""},
    {"KennzBWA", false, ""},
    {"HHRest", true, "0"},
    {"OPS", false, ""},
    {"Spende", false, kNull},
    {"KennzEU", false, kNull},
    {"BenutzerErf", false, ""},
    {"BenutzerAend", false, ""},
    {"DatumErf", false, kNull},
    {"DatumAend", false, kNull},
    {"Kassenstand", true, kNull},
    {"Anfangsbestand", true, kNull},
    {"AktBelegNr", true, kNull},
    {"KB", false, kNull},
    {"EINAUS", false, kNull},
    {"Steuersammelkonto", false, ""},
    {"KennzEUR", false, ""},
    {"KoSt", true, kNull},
    {"DatevAuto", false, kNull},
}};

// Index of `column` in the data file's header, or nullopt.
std::optional<std::size_t> FindColumn(const DataFile& file, std::string_view column) {
  for (std::size_t i = 0; i < file.columns.size(); ++i) {
    if (file.columns[i] == column) return i;
  }
  return std::nullopt;
}

void AppendStatement(std::string& command, const std::string& statement) {
  if (!command.empty()) command += "\r\n";
  command += statement;
}

}  // namespace

std::string AnlageTypCommand() {
  const DataFile file = ParseDataFile("anlageTabelle.tsv", resources::kAnlageTabelle);
  const std::size_t name = file.ColumnIndex("Name");
  const std::size_t life = file.ColumnIndex("Nutzungsdauer");
  const std::size_t reference = file.ColumnIndex("Fundstelle");
  std::string command;
  for (const auto& row : file.rows) {
    AppendStatement(command, "Insert Into AnlageTabelle Select Name=" + SqlValue(row[name], false) +
                                 ", Nutzungsdauer=" + SqlValue(row[life], true) +
                                 ", Fundstelle=" + SqlValue(row[reference], false));
  }
  return command;
}

std::string Skr49Command() {
  const DataFile file = ParseDataFile("skr49.tsv", resources::kSkr49);
  std::array<std::optional<std::size_t>, kAccountColumns.size()> from_file;
  std::size_t found = 0;
  for (std::size_t i = 0; i < kAccountColumns.size(); ++i) {
    from_file[i] = FindColumn(file, kAccountColumns[i].name);
    if (from_file[i]) ++found;
  }
  // A misspelt column would otherwise leave its values out unnoticed.
  if (found != file.columns.size()) {
    throw std::invalid_argument("skr49.tsv names a column that F5SKR49 does not have");
  }
  std::string command;
  for (const auto& row : file.rows) {
    std::string statement = "Insert Into F5SKR49 Select ";
    for (std::size_t i = 0; i < kAccountColumns.size(); ++i) {
      const AccountColumn& column = kAccountColumns[i];
      const DataField value = from_file[i]   ? row[*from_file[i]]
                              : column.value ? DataField(std::string(*column.value))
                                             : DataField();
      if (i > 0) statement += ", ";
      statement += std::string(column.name) + "=" + SqlValue(value, column.numeric);
    }
    AppendStatement(command, statement);
  }
  return command;
}

std::string F5DatSkr49Command() {
  const DataFile file = ParseDataFile("f5DatSkr49.tsv", resources::kF5DatSkr49);
  std::string columns;
  for (const std::string& column : file.columns) {
    if (!columns.empty()) columns += ",";
    columns += column;
  }
  std::string command;
  for (const auto& row : file.rows) {
    std::string values;
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) values += ", ";
      // BEG and the class are text; keys and account numbers go out as numbers.
      values += SqlValue(row[i], file.columns[i] != "BEG" && file.columns[i] != "Klasse");
    }
    AppendStatement(command, "Insert Into F5DATSKR49 (" + columns + ") values (" + values + ")");
  }
  return command;
}

}  // namespace quelor::migration
