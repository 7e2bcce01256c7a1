// SELECT: FROM with joins, derived tables, catalogue views and inline
// table-valued functions; WHERE, GROUP BY/HAVING with aggregates, DISTINCT,
// ORDER BY, TOP and UNION.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
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
  // The value of "SELECT TOP 1 expression FROM table [WHERE ...]" as a
  // scalar subquery, found without building its relations (such a subquery
  // runs once for every row of the statement around it); nullopt for any
  // other query, which RunQuery then runs.
  std::optional<Value> FirstValueOfTopOne(const parser::SelectQuery& query, const Scope* outer);
  // The rows of a FROM list that satisfy `where`: tested while scanning when
  // the list is one named table, which then keeps at most `limit` of them.
  Relation BuildFrom(const std::vector<std::unique_ptr<parser::TableRef>>& from, const Scope* outer,
                     const parser::Expr* where, std::size_t limit = kNoLimit);
  // The rows of a table or catalogue view that satisfy `where`; of a table,
  // the first `limit` of them.
  Relation ScanNamed(const parser::TableRef& ref, const Scope* outer, const parser::Expr* where,
                     std::size_t limit = kNoLimit);
  static constexpr std::size_t kNoLimit = static_cast<std::size_t>(-1);

  // The rows of one table that satisfy `where`, by their positions in the
  // table, with the column list a scope on a stored row uses.
  struct TableScan {
    Table* table = nullptr;
    const std::vector<BoundColumn>* columns = nullptr;
    std::uint64_t shape = 0;
    std::vector<std::size_t> positions;
  };
  // The target rows of UPDATE and DELETE without FROM, found without
  // copying them; nullopt for a catalogue view, which ScanNamed refuses or
  // builds.
  std::optional<TableScan> ScanPositions(const parser::TableRef& ref, const parser::Expr* where);

 private:
  Relation RunSelectBlock(const parser::SelectQuery& query, const Scope* outer,
                          const std::vector<parser::OrderItem>* order_by);
  Relation BuildTableRef(const parser::TableRef& ref, const Scope* outer);
  Relation CallTableFunction(const parser::TableRef& ref, const Scope* outer);
  // Per-batch lookup tables of column values, for correlated subqueries
  // such as "WHERE B.BLZ = d_blz.BLZ" on large tables.
  struct ColumnLookup {
    std::uint64_t version = 0;
    std::unordered_map<std::string, std::vector<std::size_t>> rows;
  };
  // The equalities "own column = outer value" of one WHERE, in the order
  // they are tried, for the scan column list of that shape; found once,
  // since a correlated subquery tries them for every outer row.
  struct IndexPlan {
    std::uint64_t shape = 0;
    struct Equality {
      std::size_t position;
      const parser::Expr* value;
      ColumnLookup* lookup;
    };
    std::vector<Equality> equalities;
  };

  // The column list of a scan of `table` under `qualifier`, with its shape:
  // the same list and shape while the table's columns stay as they are.
  struct ScanColumns {
    std::vector<BoundColumn> columns;
    std::uint64_t shape = 0;
  };
  const ScanColumns& ColumnsOfScan(Table& table, const std::string& qualifier);
  // Positions of the rows of `table` that can satisfy `where`, found through
  // an equality "column = outer value" of its top-level AND list; nullptr
  // when there is no such equality and every row must be tested. The list
  // stays valid while the table's rows do not change. `columns` is the
  // scan's column list.
  const std::vector<std::size_t>* IndexedCandidates(const Table& table, const ScanColumns& columns,
                                                    const parser::Expr& where, const Scope* outer);
  // Keeps the rows of `relation` for which `where` is true.
  void KeepRowsWhere(Relation& relation, const parser::Expr& where, const Scope* outer);
  TableScan ScanTable(Database& database, const parser::TableRef& ref, const Scope* outer,
                      const parser::Expr* where, std::size_t limit);

  BatchState& state_;
  Evaluator& evaluator_;
  std::map<std::pair<const Table*, std::string>, ScanColumns> scan_columns_;
  // By table id and column position.
  std::map<std::pair<std::int64_t, int>, ColumnLookup> lookups_;
  std::unordered_map<const parser::Expr*, IndexPlan> index_plans_;
};

}  // namespace quelor::sim::execution
