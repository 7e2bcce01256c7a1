// What the stages of one batch share: the session, the variables of the
// batch and of the user functions running, the rows the last data change
// touched and the depth counters; and the name lookups and transaction
// guards every stage uses.
#pragma once

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
};

}  // namespace quelor::sim::execution
