// Reference data kept as tab-separated text files under resources/data/, from
// which the data-load commands are generated.
//
// Format: UTF-8, one row per line (LF or CR LF), fields separated by a tab.
// The first line names the columns. Lines that are empty or start with "#"
// are comments. A field reading \N is NULL; an empty field is an empty text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelor::migration {

using DataField = std::optional<std::string>;

struct DataFile {
  std::vector<std::string> columns;
  std::vector<std::vector<DataField>> rows;

  // Index of `column` (exact name); throws std::invalid_argument when absent.
  std::size_t ColumnIndex(std::string_view column) const;
};

// Parses `text`; a row with another number of fields than the header is
// refused with std::invalid_argument naming `name` and the line number.
DataFile ParseDataFile(std::string_view name, std::string_view text);

// The SQL form of a field: null for NULL, the text in single quotes with
// quotes doubled, or, when `numeric`, the text as it stands.
std::string SqlValue(const DataField& field, bool numeric);

}  // namespace quelor::migration
