#include "db/odbc_result_reader.h"

#include <optional>
#include <string>
#include <vector>

#include "db/odbc_api.h"
#include "db/odbc_text.h"

namespace quelor::db {
namespace {

// Fields are read in pieces of this many UTF-16 units (terminator included);
// a long text (a stored script, a help entry) takes several calls.
constexpr std::size_t kChunkUnits = 4096;

struct FieldFailure {};  // the failure is already noted in the batch errors

std::string ColumnName(SQLHSTMT statement, SQLUSMALLINT column, BatchErrors& errors) {
  std::vector<SQLWCHAR> name(256);
  for (;;) {
    SQLSMALLINT length = 0;
    SQLSMALLINT type = 0;
    SQLULEN size = 0;
    SQLSMALLINT digits = 0;
    SQLSMALLINT nullable = 0;
    const SQLRETURN rc =
        SQLDescribeColW(statement, column, name.data(), static_cast<SQLSMALLINT>(name.size()),
                        &length, &type, &size, &digits, &nullable);
    if (!SQL_SUCCEEDED(rc)) {
      errors.NoteFailure(statement);
      throw FieldFailure();
    }
    if (static_cast<std::size_t>(length) < name.size()) return ToUtf8(name.data(), length);
    name.resize(static_cast<std::size_t>(length) + 1);
  }
}

std::optional<std::string> ReadField(SQLHSTMT statement, SQLUSMALLINT column,
                                     std::vector<SQLWCHAR>& chunk, BatchErrors& errors) {
  std::vector<SQLWCHAR> units;  // whole, so a surrogate pair split between pieces stays intact
  for (;;) {
    SQLLEN indicator = 0;
    const SQLRETURN rc =
        SQLGetData(statement, column, SQL_C_WCHAR, chunk.data(),
                   static_cast<SQLLEN>(chunk.size() * sizeof(SQLWCHAR)), &indicator);
    if (rc == SQL_NO_DATA) break;  // every piece has been read
    if (!SQL_SUCCEEDED(rc)) {
      errors.NoteFailure(statement);
      throw FieldFailure();
    }
    if (indicator == SQL_NULL_DATA) return std::nullopt;
    const std::size_t room = chunk.size() - 1;
    std::size_t got = room;
    if (indicator != SQL_NO_TOTAL &&
        static_cast<std::size_t>(indicator) / sizeof(SQLWCHAR) < room) {
      got = static_cast<std::size_t>(indicator) / sizeof(SQLWCHAR);
    }
    units.insert(units.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(got));
    if (rc == SQL_SUCCESS) break;
  }
  return ToUtf8(units.data(), units.size());
}

}  // namespace

std::optional<ResultSet> ReadResultSet(SQLHSTMT statement, BatchErrors& errors) {
  SQLSMALLINT count = 0;
  if (!SQL_SUCCEEDED(SQLNumResultCols(statement, &count))) {
    errors.NoteFailure(statement);
    return std::nullopt;
  }
  if (count <= 0) return std::nullopt;
  std::vector<std::string> columns;
  std::vector<ResultSet::Row> rows;
  std::vector<SQLWCHAR> chunk(kChunkUnits);
  try {
    for (SQLSMALLINT c = 1; c <= count; ++c) {
      columns.push_back(ColumnName(statement, static_cast<SQLUSMALLINT>(c), errors));
    }
    for (;;) {
      const SQLRETURN rc = SQLFetch(statement);
      if (rc == SQL_NO_DATA) break;
      if (!SQL_SUCCEEDED(rc)) {
        errors.NoteFailure(statement);
        break;
      }
      ResultSet::Row row;
      row.reserve(columns.size());
      for (SQLSMALLINT c = 1; c <= count; ++c) {
        row.push_back(ReadField(statement, static_cast<SQLUSMALLINT>(c), chunk, errors));
      }
      rows.push_back(std::move(row));
    }
  } catch (const FieldFailure&) {
    // Noted; the rest of the batch is still read by the caller.
  }
  return ResultSet(std::move(columns), std::move(rows));
}

}  // namespace quelor::db
