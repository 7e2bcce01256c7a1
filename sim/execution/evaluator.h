// Expressions: column and variable references, operators, CASE, subqueries,
// aggregates, defaults and the built-in and user-defined scalar functions.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "sim/catalog/schema.h"
#include "sim/common/value.h"
#include "sim/execution/batch_state.h"
#include "sim/execution/relation.h"
#include "sim/parser/ast.h"

namespace quelor::sim::execution {

class QueryRunner;

// Evaluation context of an expression: the current row of a relation, the
// scope of an enclosing query (correlated subqueries), and in grouped
// queries the rows of the current group.
struct Scope {
  const std::vector<BoundColumn>* columns = nullptr;
  const Row* row = nullptr;
  const Scope* outer = nullptr;
  const std::vector<Row>* group = nullptr;
  std::uint64_t shape = 0;  // the shape of `columns` (see Relation), 0 when it has none
};

// Runs the statements of a scalar user function's body, which are those of
// a batch (DECLARE, SET, IF, WHILE, RETURN); the Executor does.
class StatementRunner {
 public:
  virtual ~StatementRunner() = default;
  // Runs `body` in order until a RETURN; the value returned is left in the
  // batch state.
  virtual void RunFunctionBody(const std::vector<parser::StatementPtr>& body) = 0;
};

class Evaluator {
 public:
  // `queries` runs subqueries (scalar, EXISTS, IN); `statements` runs the
  // bodies of scalar user functions.
  Evaluator(BatchState& state, QueryRunner& queries, StatementRunner& statements)
      : state_(state), queries_(queries), statements_(statements) {}

  Value Eval(const parser::Expr& expr, const Scope* scope);
  std::optional<bool> EvalCondition(const parser::Expr& expr, const Scope* scope);
  static bool IsAggregate(const parser::Expr& expr);
  static bool ContainsAggregate(const parser::Expr& expr);
  Variable& FindVariable(const std::string& name);
  // The value of a column default's definition; each definition is parsed
  // once per batch.
  Value EvalDefault(const std::string& definition);
  // Evaluates a scalar user-defined function call.
  Value CallScalarFunction(const Function& function, std::vector<Value> arguments);

 private:
  Value EvalColumn(const parser::Expr& expr, const Scope* scope);
  Value EvalFunction(const parser::Expr& expr, const Scope* scope);
  Value EvalAggregate(const parser::Expr& expr, const Scope* scope);
  Value EvalCase(const parser::Expr& expr, const Scope* scope);
  // Counts the long texts (over 8000 bytes, of max types) a statement
  // builds, and refuses it with 701 beyond kMaxStatementTextBytes, so one
  // statement over many rows cannot take all the memory there is.
  Value CountLongText(Value value);
  static constexpr std::size_t kMaxStatementTextBytes = std::size_t{256} << 20;

  BatchState& state_;
  QueryRunner& queries_;
  StatementRunner& statements_;
  std::unordered_map<std::string, parser::ExprPtr> parsed_defaults_;
};

}  // namespace quelor::sim::execution
