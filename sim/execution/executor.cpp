// Batches and control flow: IF/ELSE, WHILE, BEGIN...END, variables, SET
// options, and the rule which errors end a statement and which the batch.
#include "sim/execution/executor.h"

#include <functional>

#include "sim/catalog/row_sharing.h"
#include "sim/execution/parsed_batches.h"

namespace quelor::sim {

namespace execution {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

Executor::Executor(Session& session)
    : state_(session),
      evaluator_(state_, queries_, *this),
      queries_(state_, evaluator_),
      data_changes_(state_, evaluator_, queries_),
      schema_changes_(state_, data_changes_, evaluator_) {}

namespace {

// Column references of `expr` outside subqueries that must name a column of
// `table` (unqualified, or qualified with `qualifier`).
void CheckColumns(const parser::Expr& expr, const Table& table, const std::string& qualifier) {
  using parser::ExprKind;
  if (expr.kind == ExprKind::kColumn) {
    const std::string& name = expr.parts.back();
    bool own =
        expr.parts.size() == 1 || EqualsIgnoreCase(expr.parts[expr.parts.size() - 2], qualifier);
    if (own && table.ColumnIndex(name) < 0 && !EqualsIgnoreCase(name, "CURRENT_TIMESTAMP"))
      Raise(207, {name});
    return;
  }
  if (expr.kind == ExprKind::kSubquery || expr.kind == ExprKind::kExists) return;
  std::size_t first = 0;
  // The first argument of DATEADD, DATEDIFF and DATEPART is a date part name.
  if (expr.kind == ExprKind::kFunction && expr.parts.size() == 1 &&
      (EqualsIgnoreCase(expr.name, "DATEADD") || EqualsIgnoreCase(expr.name, "DATEDIFF") ||
       EqualsIgnoreCase(expr.name, "DATEPART"))) {
    first = 1;
  }
  for (std::size_t i = first; i < expr.args.size(); ++i) {
    if (expr.args[i]) CheckColumns(*expr.args[i], table, qualifier);
  }
}

}  // namespace

void Executor::CheckBinding(const std::vector<parser::StatementPtr>& statements) {
  auto existing = [&](const parser::ObjectName& name) -> Table* {
    if (!name.database.empty() && state_.session.server->FindDatabase(name.database) == nullptr)
      return nullptr;
    return state_.FindTable(name);
  };
  // A load's INSERTs share one target: nothing changes while the batch is
  // checked, so it is checked once.
  const parser::InsertTarget* checked_target = nullptr;
  std::function<void(const parser::Statement&)> check = [&](const parser::Statement& statement) {
    if (const auto* insert = std::get_if<parser::Insert>(&statement.node)) {
      if (insert->target.get() == checked_target) return;
      Table* table = existing(insert->target->table);
      if (table == nullptr) return;
      for (const std::string& column : insert->target->columns) {
        if (table->ColumnIndex(column) < 0) Raise(207, {column});
      }
      checked_target = insert->target.get();
    } else if (const auto* update = std::get_if<parser::Update>(&statement.node)) {
      Table* table = update->from.empty() ? existing(update->target) : nullptr;
      if (table != nullptr) {
        for (const parser::Assignment& assignment : update->assignments) {
          if (assignment.variable.empty() && table->ColumnIndex(assignment.column.back()) < 0) {
            Raise(207, {assignment.column.back()});
          }
          CheckColumns(*assignment.value, *table, update->target.name);
        }
        if (update->where) CheckColumns(*update->where, *table, update->target.name);
      }
    } else if (const auto* deletion = std::get_if<parser::Delete>(&statement.node)) {
      Table* table = deletion->from.empty() ? existing(deletion->target) : nullptr;
      if (table != nullptr && deletion->where)
        CheckColumns(*deletion->where, *table, deletion->target.name);
    } else if (const auto* select = std::get_if<parser::Select>(&statement.node)) {
      const parser::SelectQuery& query = *select->query;
      if (query.union_next || query.from.size() != 1 ||
          query.from[0]->kind != parser::TableRef::Kind::kNamed)
        return;
      const parser::TableRef& ref = *query.from[0];
      if (EqualsIgnoreCase(ref.name.schema, "sys") ||
          EqualsIgnoreCase(ref.name.schema, "INFORMATION_SCHEMA"))
        return;
      Table* table = existing(ref.name);
      if (table == nullptr) return;
      const std::string qualifier = ref.alias.empty() ? ref.name.name : ref.alias;
      for (const parser::SelectItem& item : query.items) {
        if (item.expr) CheckColumns(*item.expr, *table, qualifier);
      }
      if (query.where) CheckColumns(*query.where, *table, qualifier);
      for (const auto& expr : query.group_by) CheckColumns(*expr, *table, qualifier);
    } else if (const auto* branch = std::get_if<parser::If>(&statement.node)) {
      check(*branch->then_branch);
      if (branch->else_branch) check(*branch->else_branch);
    } else if (const auto* loop = std::get_if<parser::While>(&statement.node)) {
      check(*loop->body);
    } else if (const auto* block = std::get_if<parser::Block>(&statement.node)) {
      for (const auto& inner : block->statements) check(*inner);
    }
  };
  for (const auto& statement : statements) check(*statement);
}

void Executor::RunFunctionBody(const std::vector<parser::StatementPtr>& body) {
  BatchResult ignored;
  for (const auto& statement : body) {
    if (Run(*statement, ignored) == Flow::kReturn) break;
  }
}

void Executor::RecordRowCount(BatchResult& result) const {
  if (state_.call_depth == 0) {
    result.outcomes.push_back(
        {BatchResult::Outcome::Kind::kRowCount, 0, state_.rows_affected, !state_.session.nocount});
  }
}

void RecordError(BatchResult& result, const SqlError& error) {
  result.errors.push_back(error.message());
  for (const Message& follow_up : error.follow_ups()) result.errors.push_back(follow_up);
  for (std::size_t i = result.errors.size() - 1 - error.follow_ups().size();
       i < result.errors.size(); ++i) {
    result.outcomes.push_back({BatchResult::Outcome::Kind::kError, i, 0, false});
  }
}

void Executor::RunStatements(const std::vector<parser::StatementPtr>& statements,
                             BatchResult& result) {
  for (const auto& statement : statements) {
    Flow flow = RunGuarded(*statement, result);
    if (flow == Flow::kReturn) break;
  }
}

Executor::Flow Executor::RunGuarded(const parser::Statement& statement, BatchResult& result) {
  // The blocks of a function body run here too, within the statement that
  // called the function: its counts go on.
  if (state_.call_depth == 0) {
    state_.long_text_bytes = 0;
    state_.built_cells = 0;
  }
  try {
    return Run(statement, result);
  } catch (const SqlError& error) {
    if (error.scope() == ErrorScope::kBatch) throw;
    // The statement ends; the batch goes on with the next statement.
    RecordError(result, error);
    return Flow::kNormal;
  }
}

Executor::Flow Executor::Run(const parser::Statement& statement, BatchResult& result) {
  return std::visit(
      Overloaded{
          [&](const parser::CreateTable& node) {
            schema_changes_.RunCreateTable(node);
            return Flow::kNormal;
          },
          [&](const parser::AlterTable& node) {
            schema_changes_.RunAlterTable(node);
            return Flow::kNormal;
          },
          [&](const parser::DropTable& node) {
            schema_changes_.RunDropTable(node);
            return Flow::kNormal;
          },
          [&](const parser::CreateIndex& node) {
            schema_changes_.RunCreateIndex(node);
            return Flow::kNormal;
          },
          [&](const parser::DropIndex& node) {
            schema_changes_.RunDropIndex(node);
            return Flow::kNormal;
          },
          [&](const parser::CreateFunction& node) {
            schema_changes_.RunCreateFunction(node);
            return Flow::kNormal;
          },
          [&](const parser::DropFunction& node) {
            schema_changes_.RunDropFunction(node);
            return Flow::kNormal;
          },
          [&](const parser::Insert& node) {
            state_.rows_affected = 0;
            data_changes_.RunInsert(node);
            RecordRowCount(result);
            return Flow::kNormal;
          },
          [&](const parser::Update& node) {
            state_.rows_affected = 0;
            data_changes_.RunUpdate(node);
            RecordRowCount(result);
            return Flow::kNormal;
          },
          [&](const parser::Delete& node) {
            state_.rows_affected = 0;
            data_changes_.RunDelete(node);
            RecordRowCount(result);
            return Flow::kNormal;
          },
          [&](const parser::Select& node) {
            Relation relation = queries_.RunQuery(*node.query, nullptr);
            bool assigns = false;
            for (const parser::SelectItem& item : node.query->items)
              assigns = assigns || !item.variable.empty();
            if (!assigns && state_.call_depth == 0) {
              result.result_sets.push_back(std::move(relation));
              result.outcomes.push_back({BatchResult::Outcome::Kind::kResultSet,
                                         result.result_sets.size() - 1, 0,
                                         !state_.session.nocount});
            }
            return Flow::kNormal;
          },
          [&](const parser::SetOption& node) {
            RunSetOption(node);
            return Flow::kNormal;
          },
          [&](const parser::Declare& node) {
            for (const parser::DeclaredVariable& variable : node.variables) {
              if (state_.frames.back().contains(variable.name)) Raise(134, {variable.name});
              Value initial = Value::Null(variable.type);
              if (variable.initial)
                initial = Convert(evaluator_.Eval(*variable.initial, nullptr), variable.type,
                                  state_.session.conversion());
              state_.frames.back()[variable.name] = Variable{variable.type, std::move(initial)};
            }
            return Flow::kNormal;
          },
          [&](const parser::SetVariable& node) {
            Variable& variable = evaluator_.FindVariable(node.name);
            Value value = evaluator_.Eval(*node.value, nullptr);
            const ConversionContext context = state_.session.conversion();
            if (node.op == "+=") value = Add(variable.value, value, context);
            if (node.op == "-=") value = Subtract(variable.value, value, context);
            if (node.op == "*=") value = Multiply(variable.value, value, context);
            if (node.op == "/=") value = Divide(variable.value, value, context);
            variable.value = Convert(value, variable.type, context);
            return Flow::kNormal;
          },
          [&](const parser::If& node) {
            if (evaluator_.EvalCondition(*node.condition, nullptr) == true)
              return RunGuarded(*node.then_branch, result);
            if (node.else_branch) return RunGuarded(*node.else_branch, result);
            return Flow::kNormal;
          },
          [&](const parser::While& node) {
            // A loop that never ends would hang the caller: stop it loudly.
            for (long iterations = 0; evaluator_.EvalCondition(*node.condition, nullptr) == true;
                 ++iterations) {
              if (iterations > 1'000'000)
                RaiseUnsupported("WHILE loop of more than 1,000,000 rounds");
              Flow flow = RunGuarded(*node.body, result);
              if (flow == Flow::kBreak) break;
              if (flow == Flow::kReturn) return flow;
            }
            return Flow::kNormal;
          },
          [&](const parser::Block& node) {
            for (const auto& inner : node.statements) {
              Flow flow = RunGuarded(*inner, result);
              if (flow != Flow::kNormal) return flow;
            }
            return Flow::kNormal;
          },
          [&](const parser::Return& node) {
            if (node.value) state_.return_value = evaluator_.Eval(*node.value, nullptr);
            return Flow::kReturn;
          },
          [&](const parser::Use& node) {
            Database* database = state_.session.server->FindDatabase(node.database);
            if (database == nullptr) Raise(911, {node.database});
            state_.session.database = database->name();
            return Flow::kNormal;
          },
          [&](const parser::NoEffect& node) {
            if (node.on_object && state_.FindTable(*node.on_object) == nullptr &&
                state_.DatabaseFor(*node.on_object).FindFunction(node.on_object->name) == nullptr) {
              Raise(15151, {"find", "object", node.on_object->name});
            }
            return Flow::kNormal;
          },
          [&](const parser::TransactionControl& node) {
            RunTransactionControl(node, result);
            return Flow::kNormal;
          },
          [&](const parser::DatabaseStatement& node) -> Flow {
            if (state_.session.server->transactions().Count(state_.session.id) > 0)
              Raise(226, {node.statement});
            RaiseUnsupported(node.statement);
          },
          [&](const parser::Execute& node) {
            RunExecute(node);
            return Flow::kNormal;
          },
          [&](const parser::Break&) { return Flow::kBreak; },
          [&](const parser::Continue&) { return Flow::kContinue; },
      },
      statement.node);
}

void Executor::RunTransactionControl(const parser::TransactionControl& control,
                                     BatchResult& result) {
  if (state_.call_depth > 0) RaiseUnsupported("transaction statement inside a function");
  Transactions& transactions = state_.session.server->transactions();
  using Event = BatchResult::TransactionEvent;
  switch (control.kind) {
    case parser::TransactionControl::Kind::kBegin:
      if (transactions.Count(state_.session.id) == 0)
        result.transaction_events.push_back(Event::kBegin);
      transactions.Begin(state_.session.id);
      return;
    case parser::TransactionControl::Kind::kCommit:
      if (!transactions.Commit(state_.session.id)) Raise(3902);
      if (transactions.Count(state_.session.id) == 0)
        result.transaction_events.push_back(Event::kCommit);
      return;
    case parser::TransactionControl::Kind::kRollback:
      if (!transactions.Rollback(state_.session.id)) Raise(3903);
      result.transaction_events.push_back(Event::kRollback);
      return;
  }
}

void Executor::RunSetOption(const parser::SetOption& option) {
  const std::string& name = option.option;
  if (name == "DATEFORMAT") {
    std::optional<DateFormat> format = DateFormatFromName(option.value);
    if (!format) Raise(2741, {option.value});
    state_.session.date_format = *format;
    return;
  }
  if (name == "LANGUAGE") {
    static const CaseInsensitiveMap<DateFormat> kLanguages = {
        {"us_english", DateFormat::kMdy}, {"English", DateFormat::kMdy},
        {"Deutsch", DateFormat::kDmy},    {"German", DateFormat::kDmy},
        {"British", DateFormat::kDmy},    {"Français", DateFormat::kDmy},
        {"French", DateFormat::kDmy}};
    auto found = kLanguages.find(option.value);
    if (found == kLanguages.end()) RaiseUnsupported("SET LANGUAGE " + option.value);
    state_.session.language = option.value;
    state_.session.date_format = found->second;
    return;
  }
  if (name == "IDENTITY_INSERT") {
    Database& database = state_.DatabaseFor(option.table);
    Table* table = state_.FindTable(option.table);
    if (table == nullptr) Raise(1088, {state_.DisplayName(option.table)});
    if (table->IdentityColumn() < 0) Raise(8106, {table->name});
    auto& current = state_.session.identity_insert;
    bool is_current = current && EqualsIgnoreCase(current->database, database.name()) &&
                      EqualsIgnoreCase(current->table, table->name);
    if (!option.on) {
      if (is_current) current.reset();
      return;
    }
    if (current && !is_current) {
      Raise(8107, {current->database + ".dbo." + current->table, state_.DisplayName(option.table)});
    }
    current = Session::IdentityInsert{database.name(), table->name};
    return;
  }
  if (name == "ANSI_WARNINGS") {
    state_.session.ansi_warnings = option.on;
    return;
  }
  if (name == "NOCOUNT") {
    state_.session.nocount = option.on;
    return;
  }
  if (name == "DATEFIRST" || name == "LOCK_TIMEOUT" || name == "DEADLOCK_PRIORITY" ||
      name == "TEXTSIZE")
    return;
  static const CaseInsensitiveMap<bool> kAccepted = {
      // option -> the value the simulation implements; the other one is refused.
      {"NOCOUNT", true},
      {"ANSI_NULLS", true},
      {"ANSI_WARNINGS", true},
      {"ANSI_PADDING", true},
      {"QUOTED_IDENTIFIER", true},
      {"ARITHABORT", true},
      {"CONCAT_NULL_YIELDS_NULL", true},
      {"ANSI_NULL_DFLT_ON", true},
      {"NUMERIC_ROUNDABORT", false},
      {"XACT_ABORT", false},
      {"IMPLICIT_TRANSACTIONS", false},
      {"ANSI_DEFAULTS", true},
      {"CURSOR_CLOSE_ON_COMMIT", false},
      {"FMTONLY", false},
      {"STATISTICS", false},
      {"ROWCOUNT", false},
      {"SHOWPLAN_TEXT", false},
      {"NOEXEC", false},
      {"PARSEONLY", false},
      {"ANSI_NULL_DFLT_OFF", false}};
  auto found = kAccepted.find(name);
  if (found == kAccepted.end()) Raise(195, {name, "SET option"});
  // NOCOUNT, ARITHABORT, ANSI_WARNINGS, ANSI_PADDING, QUOTED_IDENTIFIER and the
  // like change nothing the simulation can tell apart; only the settings
  // that would change results are refused when switched.
  static const CaseInsensitiveSet kMeaningless = {
      "NOCOUNT",           "ARITHABORT", "ANSI_WARNINGS", "ANSI_PADDING",
      "QUOTED_IDENTIFIER", "STATISTICS", "ANSI_DEFAULTS"};
  if (kMeaningless.contains(name)) return;
  if (option.on != found->second) RaiseUnsupported("SET " + name + (option.on ? " ON" : " OFF"));
}

}  // namespace execution

BatchResult RunBatch(Session& session, const std::string& text) {
  BatchResult result;
  try {
    const std::shared_ptr<const execution::Statements> statements =
        execution::ParseBatchOnce(*session.server, text);
    execution::Executor executor(session);
    executor.CheckBinding(*statements);
    executor.RunStatements(*statements, result);
  } catch (const SqlError& error) {
    // A batch-ending error: what ran before it stays done, unless it was
    // inside a transaction that the error rolls back.
    execution::RecordError(result, error);
    if (RollsBackTransaction(error.number()) &&
        session.server->transactions().Rollback(session.id)) {
      result.transaction_events.push_back(BatchResult::TransactionEvent::kRollback);
    }
  }
  session.server->row_sharing().ShareWritten(*session.server);
  return result;
}

}  // namespace quelor::sim
