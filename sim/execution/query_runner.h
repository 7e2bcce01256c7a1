// SELECT: FROM with joins, derived tables, catalogue views and inline
// table-valued functions; WHERE, GROUP BY/HAVING with aggregates, DISTINCT,
// ORDER BY, TOP and UNION.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "sim/catalog/schema.h"
#include "sim/execution/batch_state.h"
#include "sim/execution/evaluator.h"
#include "sim/execution/relation.h"
#include "sim/parser/ast.h"

namespace quelor::sim::execution {

class QueryRunner {
 public:
  // `evaluator` evaluates the expressions of a query.
  QueryRunner(BatchState& state, Evaluator& evaluator) : state_(state), evaluator_(evaluator) {}

  Relation RunQuery(const parser::SelectQuery& query, const Scope* outer);
  // The rows of a FROM list; `where` is applied while scanning when the list
  // is one named table, and `where_applied` tells whether it was.
  Relation BuildFrom(const std::vector<std::unique_ptr<parser::TableRef>>& from, const Scope* outer,
                     const parser::Expr* where, bool& where_applied);
  Relation ScanNamed(const parser::TableRef& ref, const Scope* outer, const parser::Expr* where);

 private:
  Relation RunSelectBlock(const parser::SelectQuery& query, const Scope* outer,
                          const std::vector<parser::OrderItem>* order_by);
  Relation BuildTableRef(const parser::TableRef& ref, const Scope* outer);
  Relation CallTableFunction(const parser::TableRef& ref, const Scope* outer);
  // Positions of the rows of `table` that can satisfy `where`, found through
  // an equality "column = outer value" of its top-level AND list; nullptr
  // when there is no such equality and every row must be tested. The list
  // stays valid while the table's rows do not change.
  const std::vector<std::size_t>* IndexedCandidates(const Table& table,
                                                    const std::string& qualifier,
                                                    const parser::Expr& where, const Scope* outer);

  // Per-batch lookup tables of column values, for correlated subqueries
  // such as "WHERE B.BLZ = d_blz.BLZ" on large tables.
  struct ColumnLookup {
    std::uint64_t version = 0;
    std::unordered_map<std::string, std::vector<std::size_t>> rows;
  };

  BatchState& state_;
  Evaluator& evaluator_;
  // By table id and column position.
  std::map<std::pair<std::int64_t, int>, ColumnLookup> lookups_;
};

}  // namespace quelor::sim::execution
