#include "app/reporting_connection.h"

#include <type_traits>

#include "db/all_or_nothing.h"

namespace quelor::app {
namespace {

// What the toolkit sends after a failure to learn whether a group survived
// it, or to roll the group back: these leave the failure as the last one.
bool FollowsAFailure(const std::string& text) {
  return text == db::kRollbackGroupText || text == db::kOpenTransactionsQuery;
}

}  // namespace

template <typename Action>
auto ReportingConnection::Report(const std::string& text, Action&& action) {
  if (database_.empty()) {
    recorder_.CatalogueStatementSent();
  } else {
    recorder_.StatementSent(database_);
  }
  try {
    if constexpr (std::is_void_v<decltype(action())>) {
      action();
      if (!FollowsAFailure(text)) failed_statement_.clear();
    } else {
      auto result = action();
      if (!FollowsAFailure(text)) failed_statement_.clear();
      return result;
    }
  } catch (...) {
    if (!FollowsAFailure(text)) failed_statement_ = text;
    throw;
  }
}

void ReportingConnection::Open(const std::string& connection_text) {
  failed_statement_.clear();
  inner_.Open(connection_text);
}

void ReportingConnection::Execute(const std::string& text) {
  Report(text, [&] { inner_.Execute(text); });
}

db::ResultSet ReportingConnection::Query(const std::string& text) {
  return Report(text, [&] { return inner_.Query(text); });
}

void ReportingConnection::InsertRow(const std::string& table,
                                    const std::vector<db::ColumnValue>& values) {
  Report("INSERT INTO " + table, [&] { inner_.InsertRow(table, values); });
}

}  // namespace quelor::app
