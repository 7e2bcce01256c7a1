// INSERT, UPDATE and DELETE with the checks of the real server: column lists,
// identity numbering and IDENTITY_INSERT, defaults, NOT NULL, truncation,
// unique keys, and foreign keys with their cascades.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "sim/catalog/schema.h"
#include "sim/execution/batch_state.h"
#include "sim/execution/evaluator.h"
#include "sim/execution/query_runner.h"
#include "sim/parser/ast.h"

namespace quelor::sim::execution {

class DataChanges {
 public:
  // `evaluator` evaluates expressions; `queries` runs the queries a
  // statement reads.
  DataChanges(BatchState& state, Evaluator& evaluator, QueryRunner& queries)
      : state_(state), evaluator_(evaluator), queries_(queries) {}

  void RunInsert(const parser::Insert& insert);
  void RunUpdate(const parser::Update& update);
  void RunDelete(const parser::Delete& deletion);
  // `value` converted for storage in `column` of the table named `qualified`
  // ("DB.dbo.T"): refuses text that does not fit (2628) and numbers that
  // overflow (8115); rounds decimals to the column's scale.
  Value AssignToColumn(const Value& value, const std::string& qualified, const Column& column);
  void CheckForeignKeysOut(Database& database, const Table& table, const std::vector<Row>& rows,
                           const char* statement);

 private:
  // The hidden row-position column of the table an UPDATE or DELETE with
  // FROM changes; refuses a target that is not part of the FROM clause.
  std::size_t TargetColumn(const Relation& relation, const parser::ObjectName& target,
                           const char* statement);
  // Refuses new rows whose key duplicates one of the table or of another
  // new row; returns each key's texts of the new rows, for the key sets.
  std::vector<std::vector<std::string>> CheckNewKeys(Table& table,
                                                     const std::vector<Row>& new_rows);
  // Refuses rows replacing those at `replaced` whose key duplicates one of
  // the rows that stay or of another new row.
  void CheckReplacedKeys(Table& table, const std::vector<Row>& new_rows,
                         const std::vector<std::size_t>& replaced);
  // Refuses `row` as a duplicate of `key` (2627 for a constraint, 2601 for
  // a unique index).
  [[noreturn]] static void RaiseDuplicateKey(const Table& table, const Table::UniqueKey& key,
                                             const Row& row);
  // Applies the foreign-key rules for the rows at `changing` of `table`,
  // which are deleted (`new_rows` null) or replaced by `new_rows` (one per
  // position); `undo` collects how to take back the cascaded changes.
  void CascadeOrRefuse(Database& database, Table& table, const std::vector<std::size_t>& changing,
                       const std::vector<Row>* new_rows, const char* statement,
                       std::vector<std::function<void()>>& undo);

  BatchState& state_;
  Evaluator& evaluator_;
  QueryRunner& queries_;
  // The column places of the last INSERT with a column list, and its table.
  const Table* last_insert_table_ = nullptr;
  std::vector<int> last_insert_targets_;
};

}  // namespace quelor::sim::execution
