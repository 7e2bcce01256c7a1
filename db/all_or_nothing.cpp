#include "db/all_or_nothing.h"

#include <stdexcept>

#include "db/error.h"

namespace quelor::db {

void GroupingConnection::BeginIfGrouped() {
  if (depth_ == 0 || in_transaction_) return;
  try {
    inner_.Execute(kBeginGroupText);
  } catch (const Error& e) {
    // Not the step's own failure: no policy of the step may let it pass, or
    // the step would be skipped unseen.
    throw std::runtime_error(e.what());
  }
  in_transaction_ = true;
}

void GroupingConnection::Execute(const std::string& text) {
  BeginIfGrouped();
  inner_.Execute(text);
}

void GroupingConnection::InsertRow(const std::string& table,
                                   const std::vector<ColumnValue>& values) {
  BeginIfGrouped();
  inner_.InsertRow(table, values);
}

void GroupingConnection::CommitGroup() {
  if (--depth_ > 0 || !in_transaction_) return;
  in_transaction_ = false;
  inner_.Execute(kCommitGroupText);
}

void GroupingConnection::AbandonGroup() noexcept {
  if (--depth_ > 0 || !in_transaction_) return;
  in_transaction_ = false;
  try {
    inner_.Execute(kRollbackGroupText);
  } catch (...) {
    // The connection is gone or the server has rolled back already; either
    // way nothing of the group stays.
  }
}

bool GroupingConnection::TransactionSurvived() {
  const ResultSet open = inner_.Query(kOpenTransactionsQuery);
  return open.AsInteger(0, "TranCount").value_or(0) > 0;
}

}  // namespace quelor::db
