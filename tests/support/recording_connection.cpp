#include "support/recording_connection.h"

#include "db/all_or_nothing.h"
#include "db/error.h"

namespace quelor::testing {
namespace {

// The brackets of a one-time group and the check after a failure inside one
// are recorded as "transaction": the statements of the catalogue stay
// comparable as "execute" and "query" lines with or without them.
bool IsGroupStatement(const std::string& text) {
  return text == db::kBeginGroupText || text == db::kCommitGroupText ||
         text == db::kRollbackGroupText || text == db::kOpenTransactionsQuery;
}

}  // namespace

template <typename Action>
auto RecordingConnection::Recorded(const std::string& kind, const std::string& text,
                                   Action&& action) {
  transcript_.Add(name_ + " " + kind + " " + text);
  try {
    return action();
  } catch (const db::Error& e) {
    transcript_.Add(name_ + " failed " + e.what());
    throw;
  }
}

void RecordingConnection::Execute(const std::string& text) {
  Recorded(IsGroupStatement(text) ? "transaction" : "execute", text, [&] { inner_.Execute(text); });
}

db::ResultSet RecordingConnection::Query(const std::string& text) {
  return Recorded(IsGroupStatement(text) ? "transaction" : "query", text, [&] { return inner_.Query(text); });
}

void RecordingConnection::InsertRow(const std::string& table,
                                    const std::vector<db::ColumnValue>& values) {
  Recorded("insert", table, [&] { inner_.InsertRow(table, values); });
}

}  // namespace quelor::testing
