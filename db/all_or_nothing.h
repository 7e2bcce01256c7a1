// One-time groups: a marker (a column or table that the group adds) and the
// work it guards must reach the database together or not at all, or a run
// stopped in between leaves the marker behind and no later run does the
// work. The toolkit sends the group as one explicit transaction: "BEGIN
// TRANSACTION" right before the group's first change (a group whose probes
// find everything in place sends nothing), "COMMIT TRANSACTION" after its
// last one. A run that stops inside the group rolls it back, or the server
// does when the connection ends, and the next run does the whole group anew.
#pragma once

#include <string>

#include "db/connection.h"

namespace quelor::db {

inline constexpr char kBeginGroupText[] = "BEGIN TRANSACTION";
inline constexpr char kCommitGroupText[] = "COMMIT TRANSACTION";
inline constexpr char kRollbackGroupText[] = "IF @@TRANCOUNT > 0 ROLLBACK TRANSACTION";
inline constexpr char kOpenTransactionsQuery[] = "SELECT @@TRANCOUNT AS TranCount";

// The working connection as the toolkit uses it: while a group is open, the
// first command or insert starts the group's transaction. Queries (the
// probes) start nothing.
class GroupingConnection : public Connection {
 public:
  explicit GroupingConnection(Connection& inner) : inner_(inner) {}

  void Open(const std::string& connection_text) override { inner_.Open(connection_text); }
  void Close() override { inner_.Close(); }
  bool IsOpen() const override { return inner_.IsOpen(); }
  void Execute(const std::string& text) override;
  ResultSet Query(const std::string& text) override { return inner_.Query(text); }
  void InsertRow(const std::string& table, const std::vector<ColumnValue>& values) override;

  // Opens a group (groups inside a group belong to the outer one).
  void OpenGroup() { ++depth_; }
  // Closes the outermost group: commits its transaction, if it began one.
  // A failure is passed on.
  void CommitGroup();
  // Leaves the group on a failure that ends the run: rolls its transaction
  // back. Throws nothing; a lost connection has rolled it back already.
  void AbandonGroup() noexcept;
  // True when the group's transaction has been sent and not yet ended.
  bool InTransaction() const { return in_transaction_; }
  // After a failure that the step's policy lets pass: whether the server
  // still holds the group's transaction. Some refusals (a failed conversion)
  // make the server roll the whole transaction back.
  bool TransactionSurvived();

 private:
  void BeginIfGrouped();

  Connection& inner_;
  int depth_ = 0;
  bool in_transaction_ = false;
};

}  // namespace quelor::db
