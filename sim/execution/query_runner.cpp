// SELECT: FROM with joins, derived tables, catalogue views and inline
// table-valued functions; WHERE, GROUP BY/HAVING with aggregates, DISTINCT,
// ORDER BY, TOP and UNION.
#include "sim/execution/query_runner.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <map>
#include <unordered_set>

#include "sim/catalog/system_views.h"
#include "sim/catalog/transactions.h"
#include "sim/common/errors.h"

namespace quelor::sim::execution {

using parser::Expr;
using parser::ExprKind;
using parser::SelectQuery;
using parser::TableRef;

namespace {

std::string RowKey(const Row& row, std::size_t count) {
  std::string key;
  for (std::size_t i = 0; i < count && i < row.size(); ++i) {
    AppendKeyText(key, row[i]);
    key.push_back('\x1f');
  }
  return key;
}

void RemoveDuplicates(Relation& relation) {
  std::unordered_set<std::string> seen;
  std::vector<Row> unique;
  for (Row& row : relation.rows) {
    if (seen.insert(RowKey(row, relation.columns.size())).second) unique.push_back(std::move(row));
  }
  relation.rows = std::move(unique);
}

bool IsSystemName(const parser::ObjectName& name) {
  if (EqualsIgnoreCase(name.schema, "sys") || EqualsIgnoreCase(name.schema, "INFORMATION_SCHEMA"))
    return true;
  static const CaseInsensitiveSet kCompatibilityViews = {"sysobjects", "syscolumns", "systypes",
                                                         "sysindexes", "sysdatabases"};
  return kCompatibilityViews.contains(name.name);
}

// Position of the column `expr` names among `columns`, found the way
// EvalColumn finds it; -1 when it names none. `count` is how many match.
int FindColumn(const std::vector<BoundColumn>& columns, const Expr& expr, int& count) {
  count = 0;
  if (expr.kind != ExprKind::kColumn) return -1;
  const std::string& name = expr.parts.back();
  const std::string qualifier =
      expr.parts.size() >= 2 ? expr.parts[expr.parts.size() - 2] : std::string();
  int found = -1;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const BoundColumn& column = columns[i];
    if (column.hidden || !EqualsIgnoreCase(column.name, name)) continue;
    if (!qualifier.empty() && !EqualsIgnoreCase(column.qualifier, qualifier)) continue;
    ++count;
    found = static_cast<int>(i);
  }
  return found;
}

// Values whose KeyText is equal exactly when "=" finds them equal: text
// (case and trailing blanks folded alike) or exact numbers. Dates and
// approximate numbers are left to the pairwise comparison.
enum class KeyFamily { kNone, kText, kNumber };

KeyFamily FamilyOf(TypeKind kind) {
  if (IsStringKind(kind)) return KeyFamily::kText;
  if (IsExactNumeric(kind)) return KeyFamily::kNumber;
  return KeyFamily::kNone;
}

// True when every non-NULL value of column `position` is of `family`.
bool ColumnOfFamily(const Relation& relation, std::size_t position, KeyFamily family) {
  for (const Row& row : relation.rows) {
    const Value& value = row[position];
    if (!value.is_null() && FamilyOf(value.kind()) != family) return false;
  }
  return true;
}

struct EquiJoinKey {
  std::size_t left;
  std::size_t right;
};

// The comparisons "a = b" of the top-level AND list of `condition`, in the
// order they are tried.
std::vector<const Expr*> EqualityConjuncts(const Expr& condition) {
  std::vector<const Expr*> equalities;
  std::vector<const Expr*> pending{&condition};
  while (!pending.empty()) {
    const Expr* expr = pending.back();
    pending.pop_back();
    if (expr->kind == ExprKind::kAnd) {
      pending.push_back(expr->args[0].get());
      pending.push_back(expr->args[1].get());
    } else if (expr->kind == ExprKind::kCompare && expr->op == "=") {
      equalities.push_back(expr);
    }
  }
  return equalities;
}

// A conjunct "left column = right column" of a join condition, each column
// named unambiguously and both of one key family, so that matching rows can
// be found through a hash of the right side instead of trying every pair
// (catalogue joins of sysobjects and syscolumns have thousands of rows).
std::optional<EquiJoinKey> FindEquiJoinKey(const Expr& on, const Relation& left,
                                           const Relation& right) {
  for (const Expr* expr : EqualityConjuncts(on)) {
    for (int side = 0; side < 2; ++side) {
      const Expr& left_expr = *expr->args[static_cast<std::size_t>(side)];
      const Expr& right_expr = *expr->args[static_cast<std::size_t>(1 - side)];
      int left_count = 0, left_elsewhere = 0, right_count = 0, right_elsewhere = 0;
      int l = FindColumn(left.columns, left_expr, left_count);
      FindColumn(right.columns, left_expr, left_elsewhere);
      int r = FindColumn(right.columns, right_expr, right_count);
      FindColumn(left.columns, right_expr, right_elsewhere);
      if (left_count != 1 || left_elsewhere != 0 || right_count != 1 || right_elsewhere != 0)
        continue;
      const KeyFamily family = FamilyOf(left.columns[static_cast<std::size_t>(l)].type.kind);
      if (family == KeyFamily::kNone) continue;
      if (!ColumnOfFamily(left, static_cast<std::size_t>(l), family) ||
          !ColumnOfFamily(right, static_cast<std::size_t>(r), family)) {
        continue;
      }
      return EquiJoinKey{static_cast<std::size_t>(l), static_cast<std::size_t>(r)};
    }
  }
  return std::nullopt;
}

// TOP n with a constant n, without ordering, grouping, DISTINCT or variables
// to assign, keeps the first n rows that qualify: the scan stops there (a
// correlated "SELECT TOP 1" runs once for every row of the outer statement).
std::size_t ScanLimit(const SelectQuery& query, const std::vector<parser::OrderItem>* order_by,
                      bool grouped, bool assigns_variables) {
  if (!query.top || query.top_percent || query.distinct || grouped || assigns_variables ||
      (order_by != nullptr && !order_by->empty())) {
    return QueryRunner::kNoLimit;
  }
  const Expr& top = *query.top;
  if (top.kind != ExprKind::kLiteral || top.literal.is_null() ||
      !IsIntegerKind(top.literal.kind()) || top.literal.integer() < 0) {
    return QueryRunner::kNoLimit;
  }
  return static_cast<std::size_t>(top.literal.integer());
}

}  // namespace

Relation QueryRunner::RunQuery(const SelectQuery& query, const Scope* outer) {
  if (!query.union_next) return RunSelectBlock(query, outer, &query.order_by);
  Relation result = RunSelectBlock(query, outer, nullptr);
  const SelectQuery* link = &query;
  while (link->union_next) {
    Relation next = RunSelectBlock(*link->union_next, outer, nullptr);
    if (next.columns.size() != result.columns.size()) Raise(205);
    for (Row& row : next.rows) result.rows.push_back(std::move(row));
    if (!link->union_all) RemoveDuplicates(result);
    link = link->union_next.get();
  }
  if (!query.order_by.empty()) {
    // ORDER BY of a union names output columns or their positions.
    std::vector<std::pair<std::size_t, bool>> keys;
    for (const parser::OrderItem& item : query.order_by) {
      std::size_t index = result.columns.size();
      if (item.expr->kind == ExprKind::kLiteral && IsIntegerKind(item.expr->literal.kind())) {
        index = static_cast<std::size_t>(item.expr->literal.integer() - 1);
      } else if (item.expr->kind == ExprKind::kColumn) {
        for (std::size_t i = 0; i < result.columns.size(); ++i) {
          if (EqualsIgnoreCase(result.columns[i].name, item.expr->parts.back())) index = i;
        }
      }
      if (index >= result.columns.size()) Raise(104);
      keys.emplace_back(index, item.descending);
    }
    const ConversionContext context = state_.session.conversion();
    std::stable_sort(result.rows.begin(), result.rows.end(), [&](const Row& a, const Row& b) {
      for (const auto& [index, descending] : keys) {
        const Value& x = a[index];
        const Value& y = b[index];
        int order = x.is_null() ? (y.is_null() ? 0 : -1) : y.is_null() ? 1 : Compare(x, y, context);
        if (order != 0) return descending ? order > 0 : order < 0;
      }
      return false;
    });
  }
  return result;
}

std::optional<Value> QueryRunner::FirstValueOfTopOne(const SelectQuery& query, const Scope* outer) {
  if (query.union_next || query.from.size() != 1 || query.items.size() != 1 ||
      !query.group_by.empty() || query.having) {
    return std::nullopt;
  }
  const parser::SelectItem& item = query.items[0];
  if (item.star || !item.variable.empty() || Evaluator::ContainsAggregate(*item.expr) ||
      ScanLimit(query, &query.order_by, false, false) != 1) {
    return std::nullopt;
  }
  const TableRef& ref = *query.from[0];
  if (ref.kind != TableRef::Kind::kNamed || IsSystemName(ref.name)) return std::nullopt;
  // From here on as RunSelectBlock with a scan limit of one row.
  const TableScan scan = ScanTable(state_.DatabaseFor(ref.name), ref, outer, query.where.get(), 1);
  // No row: NULL of the type an empty result's computed column has.
  if (scan.positions.empty()) return Value::Null(SqlType{});
  Scope scope{scan.columns, &scan.table->rows[scan.positions.front()], outer, nullptr, scan.shape};
  return evaluator_.Eval(*item.expr, &scope);
}

Relation QueryRunner::RunSelectBlock(const SelectQuery& query, const Scope* outer,
                                     const std::vector<parser::OrderItem>* order_by) {
  const ConversionContext context = state_.session.conversion();
  bool grouped = !query.group_by.empty() || query.having != nullptr;
  bool assigns_variables = false;
  for (const parser::SelectItem& item : query.items) {
    if (item.expr && Evaluator::ContainsAggregate(*item.expr)) grouped = true;
    if (!item.variable.empty()) assigns_variables = true;
  }
  Relation input = BuildFrom(query.from, outer, query.where.get(),
                             ScanLimit(query, order_by, grouped, assigns_variables));

  // Output columns, with * and t.* expanded.
  struct OutputItem {
    const Expr* expr = nullptr;
    int input_column = -1;
    const std::string* variable = nullptr;
  };
  Relation output;
  std::vector<OutputItem> items;
  for (const parser::SelectItem& item : query.items) {
    if (item.star) {
      if (query.from.empty()) Raise(263);
      bool any = false;
      for (std::size_t i = 0; i < input.columns.size(); ++i) {
        const BoundColumn& column = input.columns[i];
        if (column.hidden) continue;
        if (!item.star_qualifier.empty() &&
            !EqualsIgnoreCase(column.qualifier, item.star_qualifier))
          continue;
        any = true;
        output.columns.push_back(BoundColumn{"", "", column.name, column.type, false, nullptr});
        items.push_back(OutputItem{nullptr, static_cast<int>(i), nullptr});
      }
      if (!any && !item.star_qualifier.empty()) Raise(4104, {item.star_qualifier});
      continue;
    }
    std::string name = item.alias;
    if (name.empty() && item.expr->kind == ExprKind::kColumn) name = item.expr->parts.back();
    output.columns.push_back(BoundColumn{"", "", name, SqlType{}, false, nullptr});
    items.push_back(
        OutputItem{item.expr.get(), -1, item.variable.empty() ? nullptr : &item.variable});
  }

  struct ProducedRow {
    Row values;
    Row sort_keys;
  };
  std::vector<ProducedRow> produced;
  bool assigns = false;

  auto produce = [&](const Scope& scope) {
    state_.CountBuiltRows(1, items.size() + (order_by != nullptr ? order_by->size() : 0));
    ProducedRow result;
    for (std::size_t i = 0; i < items.size(); ++i) {
      const OutputItem& item = items[i];
      Value value = item.expr == nullptr ? (*scope.row)[static_cast<std::size_t>(item.input_column)]
                                         : evaluator_.Eval(*item.expr, &scope);
      if (item.variable != nullptr) {
        Variable& variable = evaluator_.FindVariable(*item.variable);
        variable.value = Convert(value, variable.type, context);
        assigns = true;
      }
      result.values.push_back(std::move(value));
    }
    if (order_by != nullptr) {
      for (const parser::OrderItem& order : *order_by) {
        const Expr& expr = *order.expr;
        std::optional<Value> key;
        if (expr.kind == ExprKind::kLiteral && IsIntegerKind(expr.literal.kind())) {
          std::size_t index = static_cast<std::size_t>(expr.literal.integer() - 1);
          if (index >= result.values.size()) Raise(108, {std::to_string(index + 1)});
          key = result.values[index];
        } else if (expr.kind == ExprKind::kColumn && expr.parts.size() == 1) {
          // A bare name in ORDER BY means a select-list name first.
          for (std::size_t i = 0; i < output.columns.size(); ++i) {
            if (EqualsIgnoreCase(output.columns[i].name, expr.parts[0])) {
              key = result.values[i];
              break;
            }
          }
        }
        if (!key) key = evaluator_.Eval(expr, &scope);
        result.sort_keys.push_back(std::move(*key));
      }
    }
    produced.push_back(std::move(result));
  };

  if (grouped) {
    std::vector<std::vector<Row>> groups;
    std::unordered_map<std::string, std::size_t> group_index;
    for (Row& row : input.rows) {
      std::string key;
      Scope scope{&input.columns, &row, outer, nullptr, input.shape};
      for (const auto& expr : query.group_by) {
        AppendKeyText(key, evaluator_.Eval(*expr, &scope));
        key.push_back('\x1f');
      }
      auto [position, inserted] = group_index.emplace(key, groups.size());
      if (inserted) {
        state_.CountBuiltRows(1, query.group_by.size());
        groups.emplace_back();
      }
      groups[position->second].push_back(std::move(row));
    }
    if (groups.empty() && query.group_by.empty()) groups.emplace_back();  // aggregates over no rows
    for (const std::vector<Row>& group : groups) {
      Scope scope{&input.columns, group.empty() ? nullptr : &group.front(), outer, &group,
                  input.shape};
      if (query.having && evaluator_.EvalCondition(*query.having, &scope) != true) continue;
      produce(scope);
    }
  } else {
    for (const Row& row : input.rows) {
      Scope scope{&input.columns, &row, outer, nullptr, input.shape};
      produce(scope);
    }
  }

  if (query.distinct) {
    std::unordered_set<std::string> seen;
    std::vector<ProducedRow> unique;
    for (ProducedRow& row : produced) {
      if (seen.insert(RowKey(row.values, row.values.size())).second)
        unique.push_back(std::move(row));
    }
    produced = std::move(unique);
  }
  if (order_by != nullptr && !order_by->empty()) {
    std::stable_sort(produced.begin(), produced.end(),
                     [&](const ProducedRow& a, const ProducedRow& b) {
                       for (std::size_t i = 0; i < order_by->size(); ++i) {
                         const Value& x = a.sort_keys[i];
                         const Value& y = b.sort_keys[i];
                         int order = x.is_null()   ? (y.is_null() ? 0 : -1)
                                     : y.is_null() ? 1
                                                   : Compare(x, y, context);
                         if (order != 0) return (*order_by)[i].descending ? order > 0 : order < 0;
                       }
                       return false;
                     });
  }
  if (query.top) {
    Value top = evaluator_.Eval(*query.top, outer);
    std::int64_t count =
        top.is_null() ? 0 : Convert(top, SqlType::Of(TypeKind::kBigInt), context).integer();
    if (query.top_percent) {
      count = static_cast<std::int64_t>(
          std::ceil(static_cast<double>(produced.size()) * static_cast<double>(count) / 100.0));
    }
    if (count >= 0 && static_cast<std::size_t>(count) < produced.size())
      produced.resize(static_cast<std::size_t>(count));
  }
  for (ProducedRow& row : produced) output.rows.push_back(std::move(row.values));
  for (std::size_t i = 0; i < output.columns.size(); ++i) {
    if (items[i].input_column >= 0) {
      output.columns[i].type = input.columns[static_cast<std::size_t>(items[i].input_column)].type;
      continue;
    }
    for (const Row& row : output.rows) {
      if (!row[i].is_null()) {
        output.columns[i].type = row[i].type();
        break;
      }
    }
  }
  if (assigns) output.rows.clear();
  return output;
}

Relation QueryRunner::BuildFrom(const std::vector<std::unique_ptr<TableRef>>& from,
                                const Scope* outer, const Expr* where, std::size_t limit) {
  if (from.size() == 1 && from[0]->kind == TableRef::Kind::kNamed)
    return ScanNamed(*from[0], outer, where, limit);
  Relation result;
  if (from.empty()) {
    result.rows.emplace_back();
  } else {
    result = BuildTableRef(*from[0], outer);
  }
  for (std::size_t i = 1; i < from.size(); ++i) {
    Relation right = BuildTableRef(*from[i], outer);
    Relation joined;
    joined.columns = result.columns;
    joined.columns.insert(joined.columns.end(), right.columns.begin(), right.columns.end());
    for (const Row& left_row : result.rows) {
      for (const Row& right_row : right.rows) {
        state_.CountBuiltRows(1, left_row.size() + right_row.size());
        Row row = left_row;
        row.insert(row.end(), right_row.begin(), right_row.end());
        joined.rows.push_back(std::move(row));
      }
    }
    result = std::move(joined);
  }
  if (where != nullptr) KeepRowsWhere(result, *where, outer);
  return result;
}

void QueryRunner::KeepRowsWhere(Relation& relation, const Expr& where, const Scope* outer) {
  std::vector<Row> kept;
  for (Row& row : relation.rows) {
    Scope scope{&relation.columns, &row, outer, nullptr, relation.shape};
    if (evaluator_.EvalCondition(where, &scope) == true) kept.push_back(std::move(row));
  }
  relation.rows = std::move(kept);
}

Relation QueryRunner::BuildTableRef(const TableRef& ref, const Scope* outer) {
  switch (ref.kind) {
    case TableRef::Kind::kNamed:
      return ScanNamed(ref, outer, nullptr);
    case TableRef::Kind::kFunction:
      return CallTableFunction(ref, outer);
    case TableRef::Kind::kDerived: {
      Relation result = RunQuery(*ref.query, outer);
      for (BoundColumn& column : result.columns) {
        if (column.name.empty()) Raise(8155, {ref.alias});
        column.qualifier = ref.alias;
      }
      return result;
    }
    case TableRef::Kind::kJoin:
      break;
  }
  Relation left = BuildTableRef(*ref.left, outer);
  Relation right = BuildTableRef(*ref.right, outer);
  Relation joined;
  joined.columns = left.columns;
  joined.columns.insert(joined.columns.end(), right.columns.begin(), right.columns.end());
  std::vector<bool> right_matched(right.rows.size(), false);
  Row left_nulls;
  for (const BoundColumn& column : left.columns) left_nulls.push_back(Value::Null(column.type));
  Row right_nulls;
  for (const BoundColumn& column : right.columns) right_nulls.push_back(Value::Null(column.type));
  // With an equality of a column of each side, only the right rows of the
  // same key are tried; the whole condition still decides, so the result and
  // its order are those of trying every pair.
  std::optional<EquiJoinKey> key;
  if (ref.join != parser::JoinType::kCross) key = FindEquiJoinKey(*ref.on, left, right);
  std::unordered_map<std::string, std::vector<std::size_t>> buckets;
  if (key) {
    for (std::size_t r = 0; r < right.rows.size(); ++r) {
      const Value& value = right.rows[r][key->right];
      if (!value.is_null()) buckets[KeyText(value)].push_back(r);
    }
  }
  std::vector<std::size_t> every_row;
  if (!key) {
    every_row.resize(right.rows.size());
    for (std::size_t r = 0; r < every_row.size(); ++r) every_row[r] = r;
  }
  static const std::vector<std::size_t> kNoRows;
  for (const Row& left_row : left.rows) {
    bool matched = false;
    const std::vector<std::size_t>* candidates = &every_row;
    if (key) {
      const Value& value = left_row[key->left];
      auto found = value.is_null() ? buckets.end() : buckets.find(KeyText(value));
      candidates = found == buckets.end() ? &kNoRows : &found->second;
    }
    for (std::size_t r : *candidates) {
      Row row = left_row;
      row.insert(row.end(), right.rows[r].begin(), right.rows[r].end());
      if (ref.join != parser::JoinType::kCross) {
        Scope scope{&joined.columns, &row, outer, nullptr};
        if (evaluator_.EvalCondition(*ref.on, &scope) != true) continue;
      }
      matched = true;
      right_matched[r] = true;
      state_.CountBuiltRows(1, row.size());
      joined.rows.push_back(std::move(row));
    }
    if (!matched && (ref.join == parser::JoinType::kLeft || ref.join == parser::JoinType::kFull)) {
      state_.CountBuiltRows(1, left_row.size() + right_nulls.size());
      Row row = left_row;
      row.insert(row.end(), right_nulls.begin(), right_nulls.end());
      joined.rows.push_back(std::move(row));
    }
  }
  if (ref.join == parser::JoinType::kRight || ref.join == parser::JoinType::kFull) {
    for (std::size_t r = 0; r < right.rows.size(); ++r) {
      if (right_matched[r]) continue;
      state_.CountBuiltRows(1, left_nulls.size() + right.rows[r].size());
      Row row = left_nulls;
      row.insert(row.end(), right.rows[r].begin(), right.rows[r].end());
      joined.rows.push_back(std::move(row));
    }
  }
  return joined;
}

Relation QueryRunner::ScanNamed(const TableRef& ref, const Scope* outer, const Expr* where,
                                std::size_t limit) {
  Database& database = state_.DatabaseFor(ref.name);
  const std::string qualifier = ref.alias.empty() ? ref.name.name : ref.alias;
  Relation result;
  if (IsSystemName(ref.name)) {
    // Conditions "column = 'text'" of the top-level AND list spare building
    // rows that cannot qualify (a probe asks for one column of one table).
    std::vector<ViewEquality> equalities;
    const std::vector<const Expr*> conjuncts =
        where != nullptr ? EqualityConjuncts(*where) : std::vector<const Expr*>{};
    for (const Expr* expr : conjuncts) {
      for (int side = 0; side < 2; ++side) {
        const Expr& column = *expr->args[static_cast<std::size_t>(side)];
        const Expr& literal = *expr->args[static_cast<std::size_t>(1 - side)];
        bool own = column.kind == ExprKind::kColumn &&
                   (column.parts.size() == 1 ||
                    EqualsIgnoreCase(column.parts[column.parts.size() - 2], qualifier));
        if (own && literal.kind == ExprKind::kLiteral && !literal.literal.is_null() &&
            IsStringKind(literal.literal.kind())) {
          equalities.push_back(
              ViewEquality{column.parts.back(), std::string(literal.literal.text())});
        }
      }
    }
    if (state_.session.server->transactions().AnyOpen()) {
      state_.session.server->transactions().CheckCatalogAccess(state_.session.id, database);
    }
    std::optional<Relation> view =
        SystemView(database, ref.name.schema, ref.name.name, qualifier, equalities);
    if (!view) Raise(208, {state_.DisplayName(ref.name)});
    result = std::move(*view);
    state_.CountBuiltRows(result.rows.size(), result.columns.size());
    if (where != nullptr) KeepRowsWhere(result, *where, outer);
    return result;
  }
  TableScan scan = ScanTable(database, ref, outer, where, limit);
  result.columns = *scan.columns;
  result.shape = scan.shape;
  result.rows.reserve(scan.positions.size());
  for (std::size_t i : scan.positions) {
    const Row& stored = scan.table->rows[i];
    state_.CountBuiltRows(1, stored.size() + 1);
    Row row;
    row.reserve(stored.size() + 1);
    row.insert(row.end(), stored.begin(), stored.end());
    row.push_back(Value::Integer(static_cast<std::int64_t>(i), TypeKind::kBigInt));
    result.rows.push_back(std::move(row));
  }
  return result;
}

std::optional<QueryRunner::TableScan> QueryRunner::ScanPositions(const TableRef& ref,
                                                                 const Expr* where) {
  Database& database = state_.DatabaseFor(ref.name);
  if (IsSystemName(ref.name)) return std::nullopt;
  return ScanTable(database, ref, nullptr, where, kNoLimit);
}

QueryRunner::TableScan QueryRunner::ScanTable(Database& database, const TableRef& ref,
                                              const Scope* outer, const Expr* where,
                                              std::size_t limit) {
  Table* table = database.FindTable(ref.name.name);
  if (table == nullptr) {
    if (Function* function = database.FindFunction(ref.name.name); function != nullptr) {
      Raise(216, {function->name});
    }
    Raise(208, {state_.DisplayName(ref.name)});
  }
  state_.WillRead(database, *table);
  const ScanColumns& columns = ColumnsOfScan(*table, ref.alias.empty() ? ref.name.name : ref.alias);
  TableScan scan{table, &columns.columns, columns.shape, {}};
  const std::vector<std::size_t>* candidates = nullptr;
  if (where != nullptr) {
    candidates = IndexedCandidates(*table, columns, *where, outer);
  }
  const std::size_t count = candidates ? candidates->size() : table->rows.size();
  for (std::size_t n = 0; n < count && scan.positions.size() < limit; ++n) {
    const std::size_t i = candidates ? (*candidates)[n] : n;
    if (where != nullptr) {
      Scope scope{&columns.columns, &table->rows[i], outer, nullptr, columns.shape};
      if (evaluator_.EvalCondition(*where, &scope) != true) continue;
    }
    scan.positions.push_back(i);
  }
  return scan;
}

const QueryRunner::ScanColumns& QueryRunner::ColumnsOfScan(Table& table,
                                                           const std::string& qualifier) {
  ScanColumns& scan = scan_columns_[{&table, qualifier}];
  bool fits = scan.columns.size() == table.columns.size() + 1;
  for (std::size_t i = 0; fits && i < table.columns.size(); ++i) {
    const BoundColumn& known = scan.columns[i];
    fits = known.name == table.columns[i].name && known.type == table.columns[i].type &&
           known.table_name == table.name;
  }
  if (fits) return scan;
  // Shapes are drawn from one counter for the whole process: a binding kept
  // in a stored function's body outlives the batch that made it.
  static std::atomic<std::uint64_t> last_shape{0};
  scan.columns.clear();
  for (const Column& column : table.columns) {
    scan.columns.push_back(
        BoundColumn{qualifier, table.name, column.name, column.type, false, &table});
  }
  scan.columns.push_back(
      BoundColumn{qualifier, table.name, "", SqlType::Of(TypeKind::kBigInt), true, &table});
  scan.shape = ++last_shape;
  return scan;
}

const std::vector<std::size_t>* QueryRunner::IndexedCandidates(const Table& table,
                                                               const ScanColumns& columns,
                                                               const Expr& where,
                                                               const Scope* outer) {
  static const std::vector<std::size_t> kNone;
  // Small tables are scanned; the lookup pays off from a few dozen rows.
  if (table.rows.size() < 32) return nullptr;
  IndexPlan& plan = index_plans_[&where];
  if (plan.shape != columns.shape || columns.shape == 0) {
    const std::string& qualifier = columns.columns.front().qualifier;
    auto own_column = [&](const Expr& expr) -> int {
      if (expr.kind != ExprKind::kColumn) return -1;
      if (expr.parts.size() >= 2 && !EqualsIgnoreCase(expr.parts[expr.parts.size() - 2], qualifier))
        return -1;
      return table.ColumnIndex(expr.parts.back());
    };
    auto outer_only = [&](const Expr& expr) {
      if (expr.kind == ExprKind::kLiteral || expr.kind == ExprKind::kVariable) return true;
      return expr.kind == ExprKind::kColumn && expr.parts.size() >= 2 &&
             !EqualsIgnoreCase(expr.parts[expr.parts.size() - 2], qualifier);
    };
    plan.shape = columns.shape;
    plan.equalities.clear();
    for (const Expr* conjunct : EqualityConjuncts(where)) {
      for (int side = 0; side < 2; ++side) {
        const Expr& column_side = *conjunct->args[static_cast<std::size_t>(side)];
        const Expr& value_side = *conjunct->args[static_cast<std::size_t>(1 - side)];
        const int position = own_column(column_side);
        if (position < 0 || !outer_only(value_side)) continue;
        plan.equalities.push_back(
            {static_cast<std::size_t>(position), &value_side, &lookups_[{table.id, position}]});
      }
    }
  }
  auto same_family = [](TypeKind a, TypeKind b) {
    return (IsStringKind(a) && IsStringKind(b)) || (IsExactNumeric(a) && IsExactNumeric(b)) ||
           (IsDateKind(a) && IsDateKind(b));
  };
  // The outer values are read through the scope the condition sees while
  // scanning (no row yet), so that their references keep the one binding
  // they get there.
  const Scope scanning{&columns.columns, nullptr, outer, nullptr, columns.shape};
  for (const IndexPlan::Equality& equality : plan.equalities) {
    Value value = evaluator_.Eval(*equality.value, &scanning);
    if (value.is_null()) return &kNone;
    const Column& column = table.columns[equality.position];
    if (!same_family(column.type.kind, value.kind())) continue;
    ColumnLookup& lookup = *equality.lookup;
    if (lookup.rows.empty() || lookup.version != table.version()) {
      lookup.rows.clear();
      for (std::size_t i = 0; i < table.rows.size(); ++i)
        lookup.rows[KeyText(table.rows[i][equality.position])].push_back(i);
      lookup.version = table.version();
    }
    auto found = lookup.rows.find(KeyText(value));
    if (found == lookup.rows.end()) return &kNone;
    return &found->second;
  }
  return nullptr;
}

Relation QueryRunner::CallTableFunction(const TableRef& ref, const Scope* outer) {
  Database& database = state_.DatabaseFor(ref.name);
  Function* function = database.FindFunction(ref.name.name);
  if (function == nullptr) Raise(208, {state_.DisplayName(ref.name)});
  if (function->kind != Function::Kind::kInlineTable) Raise(215, {function->name});
  const parser::FunctionDefinition& definition = *function->parsed;
  if (ref.args.size() != definition.parameters.size()) {
    Raise(ref.args.size() < definition.parameters.size() ? 313 : 8144, {function->name});
  }
  CaseInsensitiveMap<Variable> frame;
  for (std::size_t i = 0; i < ref.args.size(); ++i) {
    const parser::Parameter& parameter = definition.parameters[i];
    frame[parameter.name] = Variable{
        parameter.type,
        Convert(evaluator_.Eval(*ref.args[i], outer), parameter.type, state_.session.conversion())};
  }
  state_.frames.push_back(std::move(frame));
  struct PopFrame {
    std::vector<CaseInsensitiveMap<Variable>>* frames;
    ~PopFrame() { frames->pop_back(); }
  } pop{&state_.frames};
  Relation result = RunQuery(*definition.table_query, nullptr);
  const std::string qualifier = ref.alias.empty() ? function->name : ref.alias;
  for (BoundColumn& column : result.columns) column.qualifier = qualifier;
  return result;
}

}  // namespace quelor::sim::execution
