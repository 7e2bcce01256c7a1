// Runs parsed statements against the server model for one session: control
// flow and variables, queries, data changes and schema changes. One Executor
// runs one batch; errors are collected as the real server reports them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sim/catalog/schema.h"
#include "sim/catalog/transactions.h"
#include "sim/common/errors.h"
#include "sim/execution/batch_state.h"
#include "sim/execution/data_changes.h"
#include "sim/execution/evaluator.h"
#include "sim/execution/query_runner.h"
#include "sim/execution/relation.h"
#include "sim/execution/schema_changes.h"
#include "sim/execution/session.h"
#include "sim/parser/ast.h"

namespace quelor::sim {

// The outcome of one batch: the result sets of its SELECT statements and the
// error messages in the order the server sent them.
struct BatchResult {
  std::vector<Relation> result_sets;
  std::vector<Message> errors;
  // What a client receives, in the order it arose: a result set (index into
  // result_sets), the number of rows a data change touched, or an error
  // message (index into errors).
  struct Outcome {
    enum class Kind { kResultSet, kRowCount, kError };
    Kind kind = Kind::kResultSet;
    std::size_t index = 0;
    std::int64_t rows = 0;
    bool counted = true;  // false under SET NOCOUNT ON
  };
  std::vector<Outcome> outcomes;
  // Where the session's transaction began or ended at its outermost level,
  // in order; a wire client is told of each.
  enum class TransactionEvent { kBegin, kCommit, kRollback };
  std::vector<TransactionEvent> transaction_events;
};

// Runs `text` as one batch on `session`. Syntax errors stop the batch before
// anything runs; statement errors end only their statement; batch errors
// (missing objects or columns, conversion failures) end the batch.
BatchResult RunBatch(Session& session, const std::string& text);

namespace execution {

// Adds a statement's error and its follow-up messages to `result`.
void RecordError(BatchResult& result, const SqlError& error);

// Drives one batch and owns its stages; runs the bodies of scalar user
// functions for the Evaluator.
class Executor : private StatementRunner {
 public:
  explicit Executor(Session& session);

  // Runs statements in order; throws the SqlError of a batch-ending error.
  void RunStatements(const std::vector<parser::StatementPtr>& statements, BatchResult& result);

  // Binds the statements of a batch to the tables that exist before it runs,
  // as the real server compiles a batch: a column missing from such a table
  // fails the whole batch (207) before its first statement. Statements on
  // tables that do not exist yet are bound when they run (deferred name
  // resolution). Covered: INSERT column lists, UPDATE and DELETE of one
  // table without FROM, and SELECT from one table.
  void CheckBinding(const std::vector<parser::StatementPtr>& statements);

 private:
  enum class Flow { kNormal, kBreak, kContinue, kReturn };

  Flow Run(const parser::Statement& statement, BatchResult& result);
  Flow RunGuarded(const parser::Statement& statement, BatchResult& result);
  // Notes the rows the last data change touched, for the client.
  void RecordRowCount(BatchResult& result) const;

  // ---- application locks (app_lock_procedures.cpp) ----
  // sp_getapplock and sp_releaseapplock; the return status goes into the
  // call's status variable, also when the call then raises its error.
  void RunExecute(const parser::Execute& call);

  // ---- session settings and transactions ----
  void RunSetOption(const parser::SetOption& option);
  void RunTransactionControl(const parser::TransactionControl& control, BatchResult& result);

  void RunFunctionBody(const std::vector<parser::StatementPtr>& body) override;

  BatchState state_;
  Evaluator evaluator_;
  QueryRunner queries_;
  DataChanges data_changes_;
  SchemaChanges schema_changes_;
};

}  // namespace execution
}  // namespace quelor::sim
