#include "db/odbc_diagnostics.h"

#include <algorithm>
#include <iterator>

#include "db/odbc_api.h"
#include "db/odbc_driver.h"
#include "db/odbc_text.h"

namespace quelor::db {
namespace {

// unixODBC's and Windows' driver managers.
constexpr std::string_view kDriverManagerPrefixes[] = {"[unixODBC][Driver Manager]",
                                                       "[Microsoft][ODBC Driver Manager]"};

bool FromDriverManager(std::string_view raw) {
  return std::any_of(std::begin(kDriverManagerPrefixes), std::end(kDriverManagerPrefixes),
                     [raw](std::string_view prefix) { return raw.starts_with(prefix); });
}

// unixODBC reports a driver it cannot load as "Can't open lib ..." (01000) or,
// for a name that odbcinst.ini does not know, as IM002; IM003 to IM005 are the
// other ways loading a driver fails.
bool IsDriverLoadFailure(const DiagRecord& record) {
  if (!record.from_driver_manager) return false;
  return record.sql_state.starts_with("IM") || record.text.starts_with("Can't open lib");
}

}  // namespace

std::vector<DiagRecord> ReadDiagnostics(SQLSMALLINT handle_type, SQLHANDLE handle) {
  std::vector<DiagRecord> records;
  if (handle == SQL_NULL_HANDLE) return records;
  std::vector<SQLWCHAR> message(1024);
  for (SQLSMALLINT number = 1;; ++number) {
    SQLWCHAR state[SQL_SQLSTATE_SIZE + 1] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    SQLRETURN rc = SQLGetDiagRecW(handle_type, handle, number, state, &native, message.data(),
                                  static_cast<SQLSMALLINT>(message.size()), &length);
    if (rc == SQL_SUCCESS_WITH_INFO && static_cast<std::size_t>(length) >= message.size()) {
      // The text did not fit: ask again with room for all of it.
      message.resize(static_cast<std::size_t>(length) + 1);
      rc = SQLGetDiagRecW(handle_type, handle, number, state, &native, message.data(),
                          static_cast<SQLSMALLINT>(message.size()), &length);
    }
    if (!SQL_SUCCEEDED(rc)) break;
    const std::string raw =
        ToUtf8(message.data(), std::min<std::size_t>(length, message.size() - 1));
    DiagRecord record;
    record.sql_state = ToUtf8(state, SQL_SQLSTATE_SIZE);
    record.native_error = static_cast<int>(native);
    record.text = StripDriverPrefixes(raw);
    record.from_driver_manager = FromDriverManager(raw);
    records.push_back(std::move(record));
  }
  return records;
}

std::string StripDriverPrefixes(std::string_view text) {
  for (;;) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (text.empty() || text.front() != '[') break;
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) break;
    text.remove_prefix(close + 1);
  }
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
    text.remove_suffix(1);
  }
  return std::string(text);
}

bool IsInformational(const DiagRecord& record) { return record.sql_state.starts_with("01"); }

Error StatementError(const std::vector<DiagRecord>& records, std::string_view fallback) {
  if (records.empty()) return Error(std::string(fallback));
  auto it = std::find_if(records.begin(), records.end(),
                         [](const DiagRecord& r) { return !IsInformational(r); });
  const DiagRecord& first = it != records.end() ? *it : records.front();
  return Error(first.text, first.native_error, first.sql_state);
}

Error ConnectError(const std::vector<DiagRecord>& records, std::string_view driver) {
  for (const DiagRecord& record : records) {
    if (IsDriverLoadFailure(record)) {
      return Error(MissingDriverText(driver, record.text), 0, record.sql_state);
    }
  }
  std::vector<const DiagRecord*> ordered;
  for (const DiagRecord& record : records) {
    if (record.native_error != 0) ordered.push_back(&record);
  }
  for (const DiagRecord& record : records) {
    if (record.native_error == 0) ordered.push_back(&record);
  }
  std::string text;
  std::vector<std::string_view> seen;
  for (const DiagRecord* record : ordered) {
    if (record->text.empty() || std::find(seen.begin(), seen.end(), record->text) != seen.end()) {
      continue;
    }
    seen.push_back(record->text);
    if (!text.empty()) text += '\n';
    text += record->text;
  }
  if (text.empty()) text = "The connection to the server failed; the driver gave no reason.";
  // The state and number of the most specific record go with the text.
  const DiagRecord* first = ordered.empty() ? nullptr : ordered.front();
  return Error(text, first ? first->native_error : 0, first ? first->sql_state : std::string());
}

}  // namespace quelor::db
