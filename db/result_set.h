// A fully buffered query result: the static cursor the catalogue reads. Rows
// are walked by index; fields are looked up by column name without regard to
// ASCII letter case, as the server names them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelor::db {

class ResultSet {
 public:
  using Row = std::vector<std::optional<std::string>>;

  ResultSet() = default;
  ResultSet(std::vector<std::string> columns, std::vector<Row> rows);

  std::size_t RecordCount() const { return rows_.size(); }
  bool Empty() const { return rows_.empty(); }
  const std::vector<std::string>& Columns() const { return columns_; }
  const std::vector<Row>& Rows() const { return rows_; }

  // Index of the column called `name`, or nullopt.
  std::optional<std::size_t> ColumnIndex(std::string_view name) const;

  // The field as text, empty for NULL. Throws db::Error when `row` is out of
  // range or there is no such column, as a dataset does for an unknown field.
  std::string AsText(std::size_t row, std::string_view column) const;
  // The field as an integer, nullopt for NULL. Throws db::Error when the text
  // is not a whole number.
  std::optional<std::int64_t> AsInteger(std::size_t row, std::string_view column) const;
  bool IsNull(std::size_t row, std::string_view column) const;

 private:
  const std::optional<std::string>& Field(std::size_t row, std::string_view column) const;

  std::vector<std::string> columns_;
  std::vector<Row> rows_;
};

}  // namespace quelor::db
