#include "db/result_set.h"

#include <charconv>

#include "config/text_util.h"
#include "db/error.h"

namespace quelor::db {

ResultSet::ResultSet(std::vector<std::string> columns, std::vector<Row> rows)
    : columns_(std::move(columns)), rows_(std::move(rows)) {}

std::optional<std::size_t> ResultSet::ColumnIndex(std::string_view name) const {
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (config::EqualsIgnoreAsciiCase(columns_[i], name)) return i;
  }
  return std::nullopt;
}

const std::optional<std::string>& ResultSet::Field(std::size_t row, std::string_view column) const {
  auto index = ColumnIndex(column);
  if (!index) throw Error(std::string(column) + ": Field not found");
  if (row >= rows_.size()) throw Error("No current record.");
  return rows_[row].at(*index);
}

std::string ResultSet::AsText(std::size_t row, std::string_view column) const {
  const auto& field = Field(row, column);
  return field ? *field : std::string();
}

std::optional<std::int64_t> ResultSet::AsInteger(std::size_t row, std::string_view column) const {
  const auto& field = Field(row, column);
  if (!field) return std::nullopt;
  std::int64_t value = 0;
  const char* begin = field->data();
  const char* end = begin + field->size();
  auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || ptr != end) {
    throw Error("'" + *field + "' is not a valid integer value");
  }
  return value;
}

bool ResultSet::IsNull(std::size_t row, std::string_view column) const {
  return !Field(row, column).has_value();
}

}  // namespace quelor::db
