#include "support/recording_connection.h"

#include "db/error.h"

namespace quelor::testing {

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
  Recorded("execute", text, [&] { inner_.Execute(text); });
}

db::ResultSet RecordingConnection::Query(const std::string& text) {
  return Recorded("query", text, [&] { return inner_.Query(text); });
}

void RecordingConnection::InsertRow(const std::string& table,
                                    const std::vector<db::ColumnValue>& values) {
  Recorded("insert", table, [&] { inner_.InsertRow(table, values); });
}

}  // namespace quelor::testing
