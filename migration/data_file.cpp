#include "migration/data_file.h"

#include <stdexcept>

#include "db/toolkit.h"

namespace quelor::migration {
namespace {

std::vector<DataField> SplitFields(std::string_view line) {
  std::vector<DataField> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    const std::string_view field = line.substr(start, tab == std::string_view::npos ? tab : tab - start);
    if (field == "\\N") {
      fields.emplace_back(std::nullopt);
    } else {
      fields.emplace_back(std::string(field));
    }
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return fields;
}

}  // namespace

std::size_t DataFile::ColumnIndex(std::string_view column) const {
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (columns[i] == column) return i;
  }
  throw std::invalid_argument("data file has no column " + std::string(column));
}

DataFile ParseDataFile(std::string_view name, std::string_view text) {
  DataFile file;
  bool header_read = false;
  std::size_t line_number = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    std::vector<DataField> fields = SplitFields(line);
    if (!header_read) {
      for (const DataField& f : fields) file.columns.push_back(f.value_or("\\N"));
      header_read = true;
      continue;
    }
    if (fields.size() != file.columns.size()) {
      throw std::invalid_argument(std::string(name) + " line " + std::to_string(line_number) +
                                  ": " + std::to_string(fields.size()) + " fields, expected " +
                                  std::to_string(file.columns.size()));
    }
    file.rows.push_back(std::move(fields));
  }
  return file;
}

std::string SqlValue(const DataField& field, bool numeric) {
  if (!field) return "null";
  if (numeric) return *field;
  return db::QuoteLiteral(*field);
}

}  // namespace quelor::migration
