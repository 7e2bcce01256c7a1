// Schema changes: CREATE/ALTER/DROP TABLE, CREATE/DROP INDEX and
// CREATE/ALTER/DROP FUNCTION, refused with the real server's messages.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/catalog/schema.h"
#include "sim/execution/batch_state.h"
#include "sim/execution/data_changes.h"
#include "sim/execution/evaluator.h"
#include "sim/parser/ast.h"

namespace quelor::sim::execution {

class SchemaChanges {
 public:
  // `data_changes` converts values for columns and checks foreign keys
  // against the rows there are; `evaluator` evaluates defaults.
  SchemaChanges(BatchState& state, DataChanges& data_changes, Evaluator& evaluator)
      : state_(state), data_changes_(data_changes), evaluator_(evaluator) {}

  void RunCreateTable(const parser::CreateTable& create);
  void RunAlterTable(const parser::AlterTable& alter);
  void RunDropTable(const parser::DropTable& drop);
  void RunCreateIndex(const parser::CreateIndex& create);
  void RunDropIndex(const parser::DropIndex& drop);
  void RunCreateFunction(const parser::CreateFunction& create);
  void RunDropFunction(const parser::DropFunction& drop);

 private:
  void AddConstraint(Database& database, Table& table,
                     const parser::ConstraintDefinition& constraint, std::optional<bool> with_check,
                     bool creating);
  void AddColumns(Database& database, Table& table, const parser::AlterTable& alter);
  void AlterColumn(Database& database, Table& table, const parser::ColumnDefinition& column);
  void DropColumns(Database& database, Table& table, const std::vector<std::string>& names);
  void DropConstraints(Database& database, Table& table, const std::vector<std::string>& names);
  void DropConstraint(Database& database, Table& table, const std::string& name);

  BatchState& state_;
  DataChanges& data_changes_;
  Evaluator& evaluator_;
};

}  // namespace quelor::sim::execution
