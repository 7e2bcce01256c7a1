// What the stages of one batch share: the session, the variables of the
// batch and of the user functions running, the rows the last data change
// touched and the depth counters; and the name lookups and transaction
// guards every stage uses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/catalog/schema.h"
#include "sim/common/case_insensitive_map.h"
#include "sim/common/value.h"
#include "sim/execution/session.h"
#include "sim/parser/ast.h"

namespace quelor::sim::execution {

struct Variable {
  SqlType type;
  Value value;
};

struct BatchState {
  explicit BatchState(Session& batch_session) : session(batch_session) { frames.emplace_back(); }

  // ---- names ----
  Database& CurrentDatabase() const;
  Database& DatabaseFor(const parser::ObjectName& name) const;
  Table* FindTable(const parser::ObjectName& name) const;
  Table& RequireTable(const parser::ObjectName& name) const;
  // The same, in `database`, which DatabaseFor(name) gave.
  Table& RequireTable(Database& database, const parser::ObjectName& name) const;
  static std::string DisplayName(const parser::ObjectName& name);
  std::string QualifiedTableName(const Database& database, const Table& table) const;

  // ---- transaction guards ----
  // Before `table` is changed: refuses it while another session's open
  // transaction has changed it, and keeps its first state for a rollback of
  // this session's transaction. `schema`: its definition changes.
  void WillChange(Database& database, Table& table, bool schema);
  // Before `table` is read: refuses it while another session's open
  // transaction has changed it.
  void WillRead(const Database& database, const Table& table) const;

  Session& session;
  // Rows touched by the last INSERT, UPDATE or DELETE.
  std::int64_t rows_affected = 0;
  // The batch's variables, then one frame per user function running.
  std::vector<CaseInsensitiveMap<Variable>> frames;
  std::optional<Value> return_value;
  int call_depth = 0;
  // Expressions being evaluated, user functions and subqueries included: a
  // tree is no deeper than the parser allows, but functions calling
  // functions nest trees in one another.
  int eval_depth = 0;
  std::size_t long_text_bytes = 0;  // of the statement running

  // ---- memory of the rows a statement builds ----
  // Joins, scans, groups and produced rows of one statement may hold this
  // many values (about 400 MB), each row counted one value more for its own
  // bookkeeping; far beyond the largest legitimate statement (16,000 bank
  // codes of 15 columns), so that a join without a usable condition is
  // refused with 701 before it takes the memory every other session needs.
  static constexpr std::size_t kMaxStatementCells = std::size_t{16} << 20;
  std::size_t built_cells = 0;  // of the statement running
  // Counts `rows` rows of `cells_per_row` values about to be built.
  void CountBuiltRows(std::size_t rows, std::size_t cells_per_row) {
    built_cells += rows * (cells_per_row + 1);
    if (built_cells > kMaxStatementCells) RaiseOutOfMemory();
  }
};

// What a subquery or user function call builds is gone when it returns:
// its count is given back then, so that one run for every row of the
// statement around it counts at its largest, not summed over the rows.
class BuiltCellsGivenBack {
 public:
  explicit BuiltCellsGivenBack(BatchState& state) : state_(state), before_(state.built_cells) {}
  ~BuiltCellsGivenBack() { state_.built_cells = before_; }
  BuiltCellsGivenBack(const BuiltCellsGivenBack&) = delete;
  BuiltCellsGivenBack& operator=(const BuiltCellsGivenBack&) = delete;

 private:
  BatchState& state_;
  std::size_t before_;
};

}  // namespace quelor::sim::execution
