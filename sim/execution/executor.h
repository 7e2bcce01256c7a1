// Runs parsed statements against the server model for one session: control
// flow and variables, queries, data changes and schema changes. One Executor
// runs one batch; errors are collected as the real server reports them.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "sim/catalog/schema.h"
#include "sim/catalog/transactions.h"
#include "sim/common/errors.h"
#include "sim/execution/batch_state.h"
#include "sim/execution/data_changes.h"
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

// Evaluation context of an expression: the current row of a relation, the
// scope of an enclosing query (correlated subqueries), and in grouped
// queries the rows of the current group.
struct Scope {
  const std::vector<BoundColumn>* columns = nullptr;
  const Row* row = nullptr;
  const Scope* outer = nullptr;
  const std::vector<Row>* group = nullptr;
};

class Executor {
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

  // Evaluates a scalar user-defined function call.
  Value CallScalarFunction(const Function& function, std::vector<Value> arguments);

 private:
  friend class DataChanges;
  friend class SchemaChanges;

  enum class Flow { kNormal, kBreak, kContinue, kReturn };

  Flow Run(const parser::Statement& statement, BatchResult& result);
  Flow RunGuarded(const parser::Statement& statement, BatchResult& result);
  // Notes the rows the last data change touched, for the client.
  void RecordRowCount(BatchResult& result) const;

  // ---- expressions (evaluator.cpp) ----
  Value Eval(const parser::Expr& expr, const Scope* scope);
  std::optional<bool> EvalCondition(const parser::Expr& expr, const Scope* scope);
  Value EvalColumn(const parser::Expr& expr, const Scope* scope);
  Value EvalFunction(const parser::Expr& expr, const Scope* scope);
  Value EvalAggregate(const parser::Expr& expr, const Scope* scope);
  Value EvalCase(const parser::Expr& expr, const Scope* scope);
  static bool IsAggregate(const parser::Expr& expr);
  static bool ContainsAggregate(const parser::Expr& expr);
  Variable& FindVariable(const std::string& name);
  Value EvalDefault(const std::string& definition);
  // Counts the long texts (over 8000 bytes, of max types) a statement
  // builds, and refuses it with 701 beyond kMaxStatementTextBytes, so one
  // statement over many rows cannot take all the memory there is.
  Value CountLongText(Value value);
  static constexpr std::size_t kMaxStatementTextBytes = std::size_t{256} << 20;

  // ---- queries (query.cpp) ----
  Relation RunQuery(const parser::SelectQuery& query, const Scope* outer);
  Relation RunSelectBlock(const parser::SelectQuery& query, const Scope* outer,
                          const std::vector<parser::OrderItem>* order_by);
  // The rows of a FROM list; `where` is applied while scanning when the list
  // is one named table, and `where_applied` tells whether it was.
  Relation BuildFrom(const std::vector<std::unique_ptr<parser::TableRef>>& from, const Scope* outer,
                     const parser::Expr* where, bool& where_applied);
  Relation BuildTableRef(const parser::TableRef& ref, const Scope* outer);
  Relation ScanNamed(const parser::TableRef& ref, const Scope* outer, const parser::Expr* where);
  Relation CallTableFunction(const parser::TableRef& ref, const Scope* outer);
  // Positions of the rows of `table` that can satisfy `where`, found through
  // an equality "column = outer value" of its top-level AND list; nullptr
  // when there is no such equality and every row must be tested. The list
  // stays valid while the table's rows do not change.
  const std::vector<std::size_t>* IndexedCandidates(const Table& table,
                                                    const std::string& qualifier,
                                                    const parser::Expr& where, const Scope* outer);

  // ---- application locks (app_lock_procedures.cpp) ----
  // sp_getapplock and sp_releaseapplock; the return status goes into the
  // call's status variable, also when the call then raises its error.
  void RunExecute(const parser::Execute& call);

  // ---- session settings and transactions ----
  void RunSetOption(const parser::SetOption& option);
  void RunTransactionControl(const parser::TransactionControl& control, BatchResult& result);

  // Per-batch lookup tables of column values, for correlated subqueries
  // such as "WHERE B.BLZ = d_blz.BLZ" on large tables.
  struct ColumnLookup {
    std::uint64_t version = 0;
    std::unordered_map<std::string, std::vector<std::size_t>> rows;
  };
  // By table id and column position.
  std::map<std::pair<std::int64_t, int>, ColumnLookup> lookups_;

  BatchState state_;
  DataChanges data_changes_;
  SchemaChanges schema_changes_;
};

}  // namespace execution
}  // namespace quelor::sim
