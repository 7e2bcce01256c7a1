// Expression evaluation: column and variable references, operators with
// three-valued logic, CASE, subqueries, aggregates and the built-in and
// user-defined scalar functions.
#include "sim/execution/evaluator.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>

#include "sim/catalog/transactions.h"
#include "sim/common/errors.h"
#include "sim/execution/query_runner.h"
#include "sim/parser/parser.h"

namespace quelor::sim::execution {

using parser::Expr;
using parser::ExprKind;

namespace {

Value Boolean(std::optional<bool> value) {
  if (!value) return Value::Null(SqlType::Of(TypeKind::kBit));
  return Value::Integer(*value ? 1 : 0, TypeKind::kBit);
}

std::string Upper(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (c >= 'a' && c <= 'z') out[i] = static_cast<char>(c - 32);
    if (c == 0xC3 && i + 1 < out.size()) {
      unsigned char next = static_cast<unsigned char>(out[i + 1]);
      if (next >= 0xA0 && next <= 0xBE && next != 0xB7) out[i + 1] = static_cast<char>(next - 0x20);
      ++i;
    }
  }
  return out;
}

std::string Lower(std::string_view text) { return FoldCase(text); }

SqlType StringResultType(const Value& source) {
  SqlType type = IsUnicodeKind(source.kind()) ? SqlType::Of(TypeKind::kNVarChar)
                                              : SqlType::Of(TypeKind::kVarChar);
  type.length =
      IsStringKind(source.kind()) && source.type().length != 0 ? source.type().length : 8000;
  if (source.kind() == TypeKind::kText || source.kind() == TypeKind::kNText) type.length = -1;
  return type;
}

std::string Substring(std::string_view text, std::int64_t start, std::int64_t length) {
  // SUBSTRING counts from 1; a start before 1 eats into the length.
  std::int64_t end = start + length;
  if (start < 1) start = 1;
  if (end <= start) return "";
  std::string_view from = text;
  std::size_t skip = static_cast<std::size_t>(start - 1);
  std::size_t count = CharacterCount(text);
  if (skip >= count) return "";
  std::string_view prefix = FirstCharacters(from, skip);
  from.remove_prefix(prefix.size());
  return std::string(FirstCharacters(from, static_cast<std::size_t>(end - start)));
}

Value MakeIntegerResult(Int128 number, TypeKind kind) {
  return Value::Integer(static_cast<std::int64_t>(number), kind);
}

void RequireArguments(const Expr& expr, std::size_t low, std::size_t high) {
  if (expr.args.size() < low || expr.args.size() > high) {
    if (low == high) Raise(174, {Upper(expr.name), std::to_string(low)});
    Raise(189, {Upper(expr.name), std::to_string(low), std::to_string(high)});
  }
}

}  // namespace

bool Evaluator::IsAggregate(const Expr& expr) {
  if (expr.kind != ExprKind::kFunction || expr.parts.size() > 1) return false;
  static const CaseInsensitiveSet kAggregates = {"COUNT", "SUM", "MIN", "MAX", "AVG", "COUNT_BIG"};
  return kAggregates.contains(expr.name);
}

bool Evaluator::ContainsAggregate(const Expr& expr) {
  if (IsAggregate(expr)) return true;
  for (const auto& arg : expr.args) {
    if (arg && ContainsAggregate(*arg)) return true;
  }
  return false;
}

Variable& Evaluator::FindVariable(const std::string& name) {
  auto found = state_.frames.back().find(name);
  if (found == state_.frames.back().end()) Raise(137, {name});
  return found->second;
}

Value Evaluator::EvalDefault(const std::string& definition) {
  parser::ExprPtr& expr = parsed_defaults_[definition];
  if (!expr) expr = parser::ParseExpression(definition);
  return Eval(*expr, nullptr);
}

std::optional<bool> Evaluator::EvalCondition(const Expr& expr, const Scope* scope) {
  const ConversionContext context = state_.session.conversion();
  switch (expr.kind) {
    case ExprKind::kAnd: {
      std::optional<bool> left = EvalCondition(*expr.args[0], scope);
      if (left == false) return false;
      std::optional<bool> right = EvalCondition(*expr.args[1], scope);
      if (right == false) return false;
      if (!left || !right) return std::nullopt;
      return true;
    }
    case ExprKind::kOr: {
      std::optional<bool> left = EvalCondition(*expr.args[0], scope);
      if (left == true) return true;
      std::optional<bool> right = EvalCondition(*expr.args[1], scope);
      if (right == true) return true;
      if (!left || !right) return std::nullopt;
      return false;
    }
    case ExprKind::kNot: {
      std::optional<bool> inner = EvalCondition(*expr.args[0], scope);
      if (!inner) return std::nullopt;
      return !*inner;
    }
    case ExprKind::kCompare: {
      Value left = Eval(*expr.args[0], scope);
      Value right = Eval(*expr.args[1], scope);
      if (left.is_null() || right.is_null()) return std::nullopt;
      int order = Compare(left, right, context);
      if (expr.op == "=") return order == 0;
      if (expr.op == "<>") return order != 0;
      if (expr.op == "<") return order < 0;
      if (expr.op == "<=") return order <= 0;
      if (expr.op == ">") return order > 0;
      return order >= 0;
    }
    case ExprKind::kIsNull: {
      bool null = Eval(*expr.args[0], scope).is_null();
      return expr.negated ? !null : null;
    }
    case ExprKind::kLike: {
      Value value = Eval(*expr.args[0], scope);
      Value pattern = Eval(*expr.args[1], scope);
      if (value.is_null() || pattern.is_null()) return std::nullopt;
      SqlType text_type = SqlType::VarChar(-1);
      Value text = IsStringKind(value.kind()) ? value : Convert(value, text_type, context);
      Value pattern_text =
          IsStringKind(pattern.kind()) ? pattern : Convert(pattern, text_type, context);
      bool matched = Like(text.text(), pattern_text.text());
      return expr.negated ? !matched : matched;
    }
    case ExprKind::kInList: {
      Value value = Eval(*expr.args[0], scope);
      if (value.is_null()) return std::nullopt;
      bool unknown = false;
      for (std::size_t i = 1; i < expr.args.size(); ++i) {
        Value candidate = Eval(*expr.args[i], scope);
        if (candidate.is_null()) {
          unknown = true;
          continue;
        }
        if (Compare(value, candidate, context) == 0) return !expr.negated;
      }
      if (unknown) return std::nullopt;
      return expr.negated;
    }
    case ExprKind::kInQuery: {
      Value value = Eval(*expr.args[0], scope);
      BuiltCellsGivenBack given_back(state_);
      Relation result = queries_.RunQuery(*expr.query, scope);
      if (value.is_null())
        return result.rows.empty() ? std::optional<bool>(expr.negated) : std::nullopt;
      bool unknown = false;
      for (const Row& row : result.rows) {
        if (row.empty() || row[0].is_null()) {
          unknown = true;
          continue;
        }
        if (Compare(value, row[0], context) == 0) return !expr.negated;
      }
      if (unknown) return std::nullopt;
      return expr.negated;
    }
    case ExprKind::kExists: {
      BuiltCellsGivenBack given_back(state_);
      return !queries_.RunQuery(*expr.query, scope).rows.empty();
    }
    case ExprKind::kBetween: {
      Value value = Eval(*expr.args[0], scope);
      Value low = Eval(*expr.args[1], scope);
      Value high = Eval(*expr.args[2], scope);
      std::optional<bool> above;
      std::optional<bool> below;
      if (!value.is_null() && !low.is_null()) above = Compare(value, low, context) >= 0;
      if (!value.is_null() && !high.is_null()) below = Compare(value, high, context) <= 0;
      std::optional<bool> inside;
      if (above == false || below == false)
        inside = false;
      else if (above && below)
        inside = true;
      if (!inside) return std::nullopt;
      return expr.negated ? !*inside : *inside;
    }
    default: {
      // A bare expression as a condition is no valid T-SQL; the parser lets
      // it through only inside larger expressions. Treat non-zero as true.
      Value value = Eval(expr, scope);
      if (value.is_null()) return std::nullopt;
      return IsTrue(value);
    }
  }
}

Value Evaluator::CountLongText(Value value) {
  if (IsStringKind(value.kind()) && !value.is_null() && value.text().size() > 8000) {
    state_.long_text_bytes += value.text().size();
    if (state_.long_text_bytes > kMaxStatementTextBytes) RaiseOutOfMemory();
  }
  return value;
}

Value Evaluator::Eval(const Expr& expr, const Scope* scope) {
  struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) {
      if (++depth > parser::kMaxNesting) {
        --depth;
        Raise(191);
      }
    }
    ~Depth() { --depth; }
  } nested(state_.eval_depth);
  const ConversionContext context = state_.session.conversion();
  switch (expr.kind) {
    case ExprKind::kLiteral:
      return expr.literal;
    case ExprKind::kColumn:
      return EvalColumn(expr, scope);
    case ExprKind::kVariable:
      return FindVariable(expr.name).value;
    case ExprKind::kStar:
      return Value::Integer(1);
    case ExprKind::kNegate:
      return Negate(Eval(*expr.args[0], scope));
    case ExprKind::kBitNot: {
      Value value = Eval(*expr.args[0], scope);
      if (value.is_null()) return value;
      if (!IsIntegerKind(value.kind())) Raise(8117, {TypeName(value.type()), "bitwise not"});
      if (value.kind() == TypeKind::kBit)
        return Value::Integer(value.integer() == 0 ? 1 : 0, TypeKind::kBit);
      return Value::Integer(~value.integer(), value.kind());
    }
    case ExprKind::kArithmetic: {
      Value left = Eval(*expr.args[0], scope);
      Value right = Eval(*expr.args[1], scope);
      const std::string& op = expr.op;
      if (op == "+") return CountLongText(Add(left, right, context));
      if (op == "-") return Subtract(left, right, context);
      if (op == "*") return Multiply(left, right, context);
      if (op == "/") return Divide(left, right, context);
      if (op == "%") return Modulo(left, right, context);
      if (left.is_null() || right.is_null()) return Value::Null();
      if (!IsIntegerKind(left.kind()) || !IsIntegerKind(right.kind()))
        Raise(8117, {TypeName(left.type()), op});
      std::int64_t a = left.integer();
      std::int64_t b = right.integer();
      std::int64_t result = op == "&" ? (a & b) : op == "|" ? (a | b) : (a ^ b);
      TypeKind kind =
          Precedence(left.kind()) >= Precedence(right.kind()) ? left.kind() : right.kind();
      return Value::Integer(result, kind);
    }
    case ExprKind::kCompare:
    case ExprKind::kAnd:
    case ExprKind::kOr:
    case ExprKind::kNot:
    case ExprKind::kIsNull:
    case ExprKind::kLike:
    case ExprKind::kInList:
    case ExprKind::kInQuery:
    case ExprKind::kExists:
    case ExprKind::kBetween:
      return Boolean(EvalCondition(expr, scope));
    case ExprKind::kCase:
      return EvalCase(expr, scope);
    case ExprKind::kFunction:
      return CountLongText(EvalFunction(expr, scope));
    case ExprKind::kCast: {
      Value value = Eval(*expr.args[0], scope);
      if (expr.args.size() > 1 && !value.is_null()) {
        Value style_value = Eval(*expr.args[1], scope);
        std::int64_t style =
            style_value.is_null()
                ? 0
                : Convert(style_value, SqlType::Of(TypeKind::kInt), context).integer();
        if (IsDateKind(value.kind()) && IsStringKind(expr.type.kind) && style != 0) {
          CivilTime t = CivilFromMillis(value.integer());
          char buffer[40];
          switch (style) {
            case 104:
              std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", t.day, t.month, t.year);
              break;
            case 103:
              std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", t.day, t.month, t.year);
              break;
            case 101:
              std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", t.month, t.day, t.year);
              break;
            case 112:
              std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", t.year, t.month, t.day);
              break;
            case 23:
              std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", t.year, t.month, t.day);
              break;
            case 120:
              std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month,
                            t.day, t.hour, t.minute, t.second);
              break;
            case 121:
              std::snprintf(buffer, sizeof buffer, "%s",
                            FormatDateTime(value.integer(), TypeKind::kDateTime).c_str());
              break;
            default:
              RaiseUnsupported("CONVERT style " + std::to_string(style));
          }
          return Convert(Value::String(buffer), expr.type, context);
        }
        if (IsStringKind(value.kind()) && IsDateKind(expr.type.kind) && style != 0) {
          ConversionContext styled = context;
          if (style == 103 || style == 104 || style == 105)
            styled.date_format = DateFormat::kDmy;
          else if (style == 101 || style == 110)
            styled.date_format = DateFormat::kMdy;
          else if (style != 112 && style != 120 && style != 121 && style != 23 && style != 126) {
            RaiseUnsupported("CONVERT style " + std::to_string(style));
          }
          return Convert(value, expr.type, styled);
        }
      }
      return Convert(value, expr.type, context);
    }
    case ExprKind::kSubquery: {
      if (std::optional<Value> first = queries_.FirstValueOfTopOne(*expr.query, scope))
        return *std::move(first);
      BuiltCellsGivenBack given_back(state_);
      Relation result = queries_.RunQuery(*expr.query, scope);
      if (result.rows.empty())
        return Value::Null(result.columns.empty() ? SqlType{} : result.columns[0].type);
      if (result.rows.size() > 1) Raise(512);
      return result.rows[0][0];
    }
  }
  return Value::Null();
}

Value Evaluator::EvalColumn(const Expr& expr, const Scope* scope) {
  const std::string& name = expr.parts.back();
  const std::string_view qualifier = expr.parts.size() >= 2
                                         ? std::string_view(expr.parts[expr.parts.size() - 2])
                                         : std::string_view();
  auto value_at = [](const Scope& found, std::size_t index) {
    const Row* row = found.row;
    if (row == nullptr || index >= row->size()) return Value::Null((*found.columns)[index].type);
    return (*row)[index];
  };
  Expr::Binding& binding = expr.binding;
  if (binding.hops >= 0) {
    // Equal shapes are equal column lists, so the name is found where it
    // was found before.
    int level = 0;
    for (const Scope* current = scope; current != nullptr; current = current->outer) {
      if (current->columns == nullptr) continue;
      if (current->shape == 0 || current->shape != binding.shapes[level]) break;
      if (level == binding.hops) return value_at(*current, binding.index);
      ++level;
    }
  }
  const Scope* innermost = scope;
  while (innermost != nullptr && innermost->columns == nullptr) innermost = innermost->outer;
  if (innermost != nullptr && innermost->columns == binding.columns &&
      innermost->columns->size() == binding.size) {
    const BoundColumn& column = (*innermost->columns)[binding.index];
    if (!column.hidden && EqualsIgnoreCase(column.name, name) &&
        (qualifier.empty() || EqualsIgnoreCase(column.qualifier, qualifier))) {
      return value_at(*innermost, binding.index);
    }
  }
  int level = 0;
  bool shaped = true;  // every scope passed so far has a shape
  std::uint64_t shapes[Expr::Binding::kMaxHops] = {};
  for (const Scope* current = scope; current != nullptr; current = current->outer) {
    if (current->columns == nullptr) continue;
    const std::vector<BoundColumn>& columns = *current->columns;
    int found = -1;
    for (std::size_t i = 0; i < columns.size(); ++i) {
      const BoundColumn& column = columns[i];
      if (column.hidden || !EqualsIgnoreCase(column.name, name)) continue;
      if (!qualifier.empty() && !EqualsIgnoreCase(column.qualifier, qualifier)) continue;
      if (found >= 0) Raise(209, {name});
      found = static_cast<int>(i);
    }
    shaped = shaped && current->shape != 0 && level < Expr::Binding::kMaxHops;
    if (shaped) shapes[level] = current->shape;
    if (found < 0) {
      ++level;
      continue;
    }
    const auto index = static_cast<std::size_t>(found);
    binding.columns = current == innermost ? current->columns : nullptr;
    binding.size = columns.size();
    binding.index = index;
    binding.hops = -1;
    if (shaped) {
      binding.hops = level;
      std::copy(shapes, shapes + level + 1, binding.shapes);
    }
    return value_at(*current, index);
  }
  if (qualifier.empty()) {
    if (EqualsIgnoreCase(name, "CURRENT_TIMESTAMP")) {
      parser::Expr now;
      now.kind = ExprKind::kFunction;
      now.name = "GETDATE";
      now.parts = {"GETDATE"};
      return EvalFunction(now, scope);
    }
    Raise(207, {name});
  }
  std::string joined;
  for (const std::string& part : expr.parts) joined += (joined.empty() ? "" : ".") + part;
  Raise(4104, {joined});
}

Value Evaluator::EvalCase(const Expr& expr, const Scope* scope) {
  const ConversionContext context = state_.session.conversion();
  std::size_t index = 0;
  std::optional<Value> operand;
  if (expr.has_operand) operand = Eval(*expr.args[index++], scope);
  std::size_t pairs_end = expr.args.size() - (expr.has_else ? 1 : 0);
  // The real server brings every branch to the highest-precedence type of
  // all of them; that is done below where the branches are constants.
  std::optional<Value> chosen;
  for (; index < pairs_end; index += 2) {
    bool matched = false;
    if (operand) {
      Value candidate = Eval(*expr.args[index], scope);
      matched = EqualsSql(*operand, candidate, context) == true;
    } else {
      matched = EvalCondition(*expr.args[index], scope) == true;
    }
    if (matched) {
      chosen = Eval(*expr.args[index + 1], scope);
      break;
    }
  }
  if (!chosen) {
    if (expr.has_else)
      chosen = Eval(*expr.args.back(), scope);
    else
      return Value::Null(SqlType::VarChar(1));
  }
  // When every result is a constant, their common type is known without
  // evaluating the other branches: CASE ... THEN 1.5 ELSE 2 END gives 2.0.
  std::optional<SqlType> common;
  std::size_t first_result = expr.has_operand ? 2 : 1;
  auto consider = [&](const parser::Expr& result) {
    if (result.kind != ExprKind::kLiteral) return false;
    if (result.literal.is_null()) return true;
    common = common ? CommonType(*common, result.literal.type()) : result.literal.type();
    return true;
  };
  bool constant = true;
  for (std::size_t i = first_result; i < pairs_end; i += 2)
    constant = constant && consider(*expr.args[i]);
  if (expr.has_else) constant = constant && consider(*expr.args.back());
  if (constant && common && !chosen->is_null() && chosen->kind() != common->kind) {
    return Convert(*chosen, *common, context);
  }
  if (constant && common && chosen->kind() == TypeKind::kDecimal &&
      common->kind == TypeKind::kDecimal && chosen->type().scale != common->scale) {
    return Convert(*chosen, *common, context);
  }
  return *chosen;
}

Value Evaluator::EvalAggregate(const Expr& expr, const Scope* scope) {
  const ConversionContext context = state_.session.conversion();
  static const std::vector<Row> kNoRows;
  const std::vector<Row>* rows =
      scope != nullptr && scope->group != nullptr ? scope->group : &kNoRows;
  const bool count =
      EqualsIgnoreCase(expr.name, "COUNT") || EqualsIgnoreCase(expr.name, "COUNT_BIG");
  if (expr.args.size() != 1) Raise(174, {Upper(expr.name), "1"});
  std::vector<Value> values;
  for (const Row& row : *rows) {
    Scope inner = *scope;
    inner.row = &row;
    inner.group = nullptr;
    if (expr.args[0]->kind == ExprKind::kStar) {
      values.push_back(Value::Integer(1));
      continue;
    }
    Value value = Eval(*expr.args[0], &inner);
    if (!value.is_null()) values.push_back(std::move(value));
  }
  if (expr.distinct) {
    std::vector<Value> unique;
    CaseInsensitiveSet seen;
    for (Value& value : values) {
      if (seen.insert(KeyText(value)).second) unique.push_back(std::move(value));
    }
    values = std::move(unique);
  }
  if (count) {
    return Value::Integer(
        static_cast<std::int64_t>(values.size()),
        EqualsIgnoreCase(expr.name, "COUNT_BIG") ? TypeKind::kBigInt : TypeKind::kInt);
  }
  if (values.empty()) {
    // NULL of the argument's type, so that ISNULL(MAX(text), '1') stays text.
    Scope no_row = scope != nullptr ? *scope : Scope{};
    no_row.row = nullptr;
    no_row.group = nullptr;
    try {
      return Value::Null(Eval(*expr.args[0], &no_row).type());
    } catch (const SqlError&) {
      return Value::Null();
    }
  }
  if (EqualsIgnoreCase(expr.name, "MIN") || EqualsIgnoreCase(expr.name, "MAX")) {
    bool max = EqualsIgnoreCase(expr.name, "MAX");
    Value best = values[0];
    for (const Value& value : values) {
      int order = Compare(value, best, context);
      if (max ? order > 0 : order < 0) best = value;
    }
    return best;
  }
  if (!IsNumeric(values[0].kind())) Raise(8117, {TypeName(values[0].type()), Upper(expr.name)});
  Value sum = values[0];
  if (sum.kind() == TypeKind::kDecimal) sum = Value::Decimal(sum.units(), 38, sum.type().scale);
  if (IsIntegerKind(sum.kind()) && sum.kind() != TypeKind::kBigInt)
    sum = Value::Integer(sum.integer(), TypeKind::kInt);
  for (std::size_t i = 1; i < values.size(); ++i) sum = Add(sum, values[i], context);
  if (sum.kind() == TypeKind::kDecimal)
    sum = Convert(sum, SqlType::Decimal(38, sum.type().scale), context);
  if (EqualsIgnoreCase(expr.name, "SUM")) return sum;
  Value count_value = Value::Integer(static_cast<std::int64_t>(values.size()));
  Value average = Divide(sum, count_value, context);
  if (sum.kind() == TypeKind::kDecimal) {
    int scale = std::max(6, sum.type().scale);
    return Convert(average, SqlType::Decimal(38, scale), context);
  }
  return average;
}

namespace {

// The built-in functions. A call is resolved to its number here once (the
// parsed call keeps it) and dispatched on that number from then on, so a scan
// over many rows never compares function names.
constexpr std::string_view kBuiltIns[] = {
    "ISNULL",    "COALESCE",  "NULLIF",     "IIF",         "REPLACE",    "LTRIM",     "RTRIM",
    "TRIM",      "LEN",       "DATALENGTH", "UPPER",       "LOWER",      "SUBSTRING", "LEFT",
    "RIGHT",     "CHARINDEX", "SPACE",      "REPLICATE",   "CHAR",       "NCHAR",     "ASCII",
    "CONCAT",    "STR",       "GETDATE",    "SYSDATETIME", "GETUTCDATE", "DATEADD",   "DATEDIFF",
    "DATEPART",  "YEAR",      "MONTH",      "DAY",         "ISDATE",     "ISNUMERIC", "CEILING",
    "FLOOR",     "ABS",       "SIGN",       "ROUND",       "NEWID",      "DB_NAME",   "OBJECT_NAME",
    "OBJECT_ID", "DEFAULT",   "@@VERSION",  "@@TRANCOUNT",
};

// The number of built-in `name`, known when the program is compiled.
consteval int BuiltIn(std::string_view name) {
  for (std::size_t i = 0; i < std::size(kBuiltIns); ++i) {
    if (kBuiltIns[i] == name) return static_cast<int>(i);
  }
  throw "not a built-in function";
}

// The number of the built-in called `name` in any case, or -1.
int BuiltInNumber(std::string_view name) {
  const std::string upper = Upper(name);
  for (std::size_t i = 0; i < std::size(kBuiltIns); ++i) {
    if (kBuiltIns[i] == upper) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

Value Evaluator::EvalFunction(const Expr& expr, const Scope* scope) {
  const ConversionContext context = state_.session.conversion();
  if (expr.parts.size() > 1) {
    // Schema-qualified: a user-defined scalar function.
    parser::ObjectName name;
    name.name = expr.parts.back();
    if (expr.parts.size() == 3) name.database = expr.parts[0];
    Database& database = state_.DatabaseFor(name);
    Function* function = database.FindFunction(name.name);
    if (function == nullptr) {
      std::string joined;
      for (const std::string& part : expr.parts) joined += (joined.empty() ? "" : ".") + part;
      Raise(4121, {name.name, joined});
    }
    if (function->kind != Function::Kind::kScalar) Raise(4121, {name.name, name.name});
    std::vector<Value> arguments;
    for (const auto& arg : expr.args) arguments.push_back(Eval(*arg, scope));
    return CallScalarFunction(*function, std::move(arguments));
  }
  if (IsAggregate(expr)) return EvalAggregate(expr, scope);

  if (expr.builtin == Expr::kUnresolved) expr.builtin = BuiltInNumber(expr.name);
  const int builtin = expr.builtin;
  const std::string unknown = builtin < 0 ? Upper(expr.name) : std::string();
  const std::string_view upper = builtin >= 0 ? kBuiltIns[builtin] : std::string_view(unknown);
  auto arg = [&](std::size_t index) { return Eval(*expr.args[index], scope); };
  auto integer_arg = [&](std::size_t index) -> std::optional<std::int64_t> {
    Value value = arg(index);
    if (value.is_null()) return std::nullopt;
    return Convert(value, SqlType::Of(TypeKind::kBigInt), context).integer();
  };
  auto text_of = [&](const Value& value) -> std::string {
    if (IsStringKind(value.kind())) return std::string(value.text());
    return std::string(Convert(value, SqlType::VarChar(-1), context).text());
  };
  auto datetime_of = [&](const Value& value) -> Value {
    if (IsDateKind(value.kind()) || value.is_null()) return value;
    return Convert(value, SqlType::Of(TypeKind::kDateTime), context);
  };
  auto date_part_arg = [&](std::size_t index) -> DatePart {
    const Expr& part = *expr.args[index];
    std::string name = part.kind == ExprKind::kColumn ? part.parts.back() : std::string();
    std::optional<DatePart> parsed = DatePartFromName(name);
    if (!parsed) Raise(155, {name, std::string(upper)});
    return *parsed;
  };

  if (builtin == BuiltIn("ISNULL")) {
    RequireArguments(expr, 2, 2);
    Value first = arg(0);
    if (!first.is_null()) return first;
    Value second = arg(1);
    // ISNULL takes the type of its first argument; a bare NULL has none.
    if (second.is_null()) return Value::Null(first.type());
    if (expr.args[0]->kind == ExprKind::kLiteral) return second;
    return Convert(second, first.type(), context);
  }
  if (builtin == BuiltIn("COALESCE")) {
    if (expr.args.size() < 2) Raise(174, {std::string(upper), "2"});
    for (std::size_t i = 0; i < expr.args.size(); ++i) {
      Value value = arg(i);
      if (!value.is_null()) return value;
    }
    return Value::Null();
  }
  if (builtin == BuiltIn("NULLIF")) {
    RequireArguments(expr, 2, 2);
    Value first = arg(0);
    Value second = arg(1);
    if (EqualsSql(first, second, context) == true) return Value::Null(first.type());
    return first;
  }
  if (builtin == BuiltIn("IIF")) RaiseUnsupported("IIF function");
  if (builtin == BuiltIn("REPLACE")) {
    RequireArguments(expr, 3, 3);
    Value source = arg(0);
    Value pattern = arg(1);
    Value replacement = arg(2);
    if (source.is_null() || pattern.is_null() || replacement.is_null())
      return Value::Null(SqlType::VarChar(8000));
    std::string text = text_of(source);
    std::string find = text_of(pattern);
    std::string with = text_of(replacement);
    if (find.empty()) return Value::String(text, StringResultType(source));
    // Matching follows the collation: without regard to case.
    std::string folded = FoldCase(text);
    std::string folded_find = FoldCase(find);
    std::string out;
    std::size_t pos = 0;
    while (true) {
      std::size_t hit = folded.find(folded_find, pos);
      if (hit == std::string::npos) break;
      out.append(text, pos, hit - pos);
      out += with;
      pos = hit + find.size();
      if (out.size() > kMaxValueBytes) RaiseOutOfMemory();
    }
    out.append(text, pos, std::string::npos);
    SqlType type = StringResultType(source);
    type.length = type.length < 0 ? -1 : 8000;
    return Value::String(FitText(std::move(out), type), type);
  }
  if (builtin == BuiltIn("LTRIM") || builtin == BuiltIn("RTRIM") || builtin == BuiltIn("TRIM")) {
    RequireArguments(expr, 1, 1);
    Value source = arg(0);
    if (source.is_null()) return Value::Null(SqlType::VarChar(8000));
    std::string text = text_of(source);
    if (builtin != BuiltIn("RTRIM"))
      text.erase(0, text.find_first_not_of(' ') == std::string::npos ? text.size()
                                                                     : text.find_first_not_of(' '));
    if (builtin != BuiltIn("LTRIM")) text = std::string(TrimTrailingBlanks(text));
    return Value::String(text, StringResultType(source));
  }
  if (builtin == BuiltIn("LEN")) {
    RequireArguments(expr, 1, 1);
    Value source = arg(0);
    if (source.is_null()) return Value::Null();
    return Value::Integer(
        static_cast<std::int64_t>(CharacterCount(TrimTrailingBlanks(text_of(source)))));
  }
  if (builtin == BuiltIn("DATALENGTH")) {
    RequireArguments(expr, 1, 1);
    Value source = arg(0);
    if (source.is_null()) return Value::Null();
    if (IsStringKind(source.kind())) {
      std::size_t count = CharacterCount(source.text());
      return Value::Integer(
          static_cast<std::int64_t>(IsUnicodeKind(source.kind()) ? count * 2 : count));
    }
    return Value::Integer(StorageLength(source.type()));
  }
  if (builtin == BuiltIn("UPPER") || builtin == BuiltIn("LOWER")) {
    RequireArguments(expr, 1, 1);
    Value source = arg(0);
    if (source.is_null()) return Value::Null(SqlType::VarChar(8000));
    std::string text = text_of(source);
    return Value::String(builtin == BuiltIn("UPPER") ? Upper(text) : Lower(text),
                         StringResultType(source));
  }
  if (builtin == BuiltIn("SUBSTRING")) {
    RequireArguments(expr, 3, 3);
    Value source = arg(0);
    std::optional<std::int64_t> start = integer_arg(1);
    std::optional<std::int64_t> length = integer_arg(2);
    if (source.is_null() || !start || !length) return Value::Null(SqlType::VarChar(8000));
    if (*length < 0) Raise(537, {"substring"});
    return Value::String(Substring(text_of(source), *start, *length), StringResultType(source));
  }
  if (builtin == BuiltIn("LEFT") || builtin == BuiltIn("RIGHT")) {
    RequireArguments(expr, 2, 2);
    Value source = arg(0);
    std::optional<std::int64_t> count = integer_arg(1);
    if (source.is_null() || !count) return Value::Null(SqlType::VarChar(8000));
    if (*count < 0) Raise(536, {builtin == BuiltIn("LEFT") ? "left" : "right"});
    std::string text = text_of(source);
    std::size_t length = CharacterCount(text);
    std::size_t take = std::min<std::size_t>(length, static_cast<std::size_t>(*count));
    std::string result = builtin == BuiltIn("LEFT")
                             ? std::string(FirstCharacters(text, take))
                             : Substring(text, static_cast<std::int64_t>(length - take) + 1,
                                         static_cast<std::int64_t>(take));
    return Value::String(result, StringResultType(source));
  }
  if (builtin == BuiltIn("CHARINDEX")) {
    RequireArguments(expr, 2, 3);
    Value needle = arg(0);
    Value haystack = arg(1);
    if (needle.is_null() || haystack.is_null()) return Value::Null();
    std::int64_t start = 1;
    if (expr.args.size() == 3) start = std::max<std::int64_t>(1, integer_arg(2).value_or(1));
    std::string text = FoldCase(text_of(haystack));
    std::string find = FoldCase(text_of(needle));
    std::size_t byte_start = FirstCharacters(text, static_cast<std::size_t>(start - 1)).size();
    std::size_t hit = text.find(find, byte_start);
    if (hit == std::string::npos || find.empty()) return Value::Integer(0);
    return Value::Integer(
        static_cast<std::int64_t>(CharacterCount(std::string_view(text).substr(0, hit)) + 1));
  }
  if (builtin == BuiltIn("SPACE") || builtin == BuiltIn("REPLICATE")) {
    RequireArguments(expr, builtin == BuiltIn("SPACE") ? 1 : 2,
                     builtin == BuiltIn("SPACE") ? 1 : 2);
    const Value source = builtin == BuiltIn("SPACE") ? Value::String(" ") : arg(0);
    const std::string unit = source.is_null() ? std::string() : text_of(source);
    std::optional<std::int64_t> count = integer_arg(builtin == BuiltIn("SPACE") ? 0 : 1);
    if (source.is_null() || !count || *count < 0) return Value::Null(SqlType::VarChar(8000));
    // The result is cut at 8000 characters unless the text is of a max
    // type; only what is kept is built.
    SqlType type = StringResultType(source);
    if (type.length >= 0) type.length = 8000;
    const std::size_t unit_characters = CharacterCount(unit);
    std::int64_t repeats = *count;
    if (unit_characters == 0) {
      repeats = 0;
    } else if (type.length >= 0) {
      repeats = std::min<std::int64_t>(
          repeats, type.length / static_cast<std::int64_t>(unit_characters) + 1);
    } else if (static_cast<double>(unit.size()) * static_cast<double>(repeats) >
               static_cast<double>(kMaxValueBytes)) {
      RaiseOutOfMemory();
    }
    std::string out;
    const std::size_t total = unit.size() * static_cast<std::size_t>(repeats);
    out.reserve(total);
    if (total > 0) {
      // Doubling what is there: a few copies instead of one per repeat. The
      // room is reserved, so appending from the string itself is safe.
      out = unit;
      while (out.size() * 2 <= total) out.append(out.data(), out.size());
      out.append(out.data(), total - out.size());
    }
    return Value::String(FitText(std::move(out), type), type);
  }
  if (builtin == BuiltIn("CHAR") || builtin == BuiltIn("NCHAR")) {
    RequireArguments(expr, 1, 1);
    std::optional<std::int64_t> code = integer_arg(0);
    if (!code || *code < 0 || *code > 255) return Value::Null(SqlType::VarChar(1));
    std::string text;
    if (*code < 0x80) {
      text.push_back(static_cast<char>(*code));
    } else {  // Latin-1 code page characters, kept as UTF-8
      text.push_back(static_cast<char>(0xC0 | (*code >> 6)));
      text.push_back(static_cast<char>(0x80 | (*code & 0x3F)));
    }
    return Value::String(text, builtin == BuiltIn("CHAR") ? TypeKind::kChar : TypeKind::kNChar);
  }
  if (builtin == BuiltIn("ASCII")) {
    RequireArguments(expr, 1, 1);
    Value source = arg(0);
    if (source.is_null() || text_of(source).empty()) return Value::Null();
    return Value::Integer(static_cast<unsigned char>(text_of(source)[0]));
  }
  if (builtin == BuiltIn("CONCAT")) {
    std::string out;
    SqlType type = SqlType::VarChar(8000);
    for (std::size_t i = 0; i < expr.args.size(); ++i) {
      Value value = arg(i);
      if (IsStringKind(value.kind()) && StringResultType(value).length < 0) type.length = -1;
      if (!value.is_null()) out += text_of(value);
      if (out.size() > kMaxValueBytes) RaiseOutOfMemory();
    }
    return Value::String(FitText(std::move(out), type), type);
  }
  if (builtin == BuiltIn("STR")) {
    RequireArguments(expr, 1, 3);
    Value value = arg(0);
    if (value.is_null()) return Value::Null(SqlType::VarChar(10));
    std::int64_t length = expr.args.size() > 1 ? integer_arg(1).value_or(10) : 10;
    std::int64_t decimals = expr.args.size() > 2 ? integer_arg(2).value_or(0) : 0;
    double number = Convert(value, SqlType::Of(TypeKind::kFloat), context).number();
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%*.*f", static_cast<int>(length),
                  static_cast<int>(decimals), number);
    std::string text = buffer;
    if (static_cast<std::int64_t>(text.size()) > length)
      text = std::string(static_cast<std::size_t>(length), '*');
    return Value::String(text, SqlType::VarChar(static_cast<int>(length)));
  }
  if (builtin == BuiltIn("GETDATE") || builtin == BuiltIn("SYSDATETIME") ||
      builtin == BuiltIn("GETUTCDATE")) {
    auto now = std::chrono::system_clock::now();
    std::int64_t millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
    return Value::DateTime(millis + 25567LL * 86'400'000LL, TypeKind::kDateTime);
  }
  if (builtin == BuiltIn("DATEADD")) {
    RequireArguments(expr, 3, 3);
    DatePart part = date_part_arg(0);
    std::optional<std::int64_t> amount = integer_arg(1);
    Value date = datetime_of(arg(2));
    if (!amount || date.is_null()) return Value::Null(SqlType::Of(TypeKind::kDateTime));
    TypeKind kind = IsDateKind(date.kind()) ? date.kind() : TypeKind::kDateTime;
    return Value::DateTime(DateAdd(part, *amount, date.integer()), kind);
  }
  if (builtin == BuiltIn("DATEDIFF")) {
    RequireArguments(expr, 3, 3);
    DatePart part = date_part_arg(0);
    Value start = datetime_of(arg(1));
    Value end = datetime_of(arg(2));
    if (start.is_null() || end.is_null()) return Value::Null();
    return Value::Integer(DateDiff(part, start.integer(), end.integer()));
  }
  if (builtin == BuiltIn("DATEPART") || builtin == BuiltIn("YEAR") || builtin == BuiltIn("MONTH") ||
      builtin == BuiltIn("DAY")) {
    DatePart part = DatePart::kYear;
    std::size_t index = 0;
    if (builtin == BuiltIn("DATEPART")) {
      RequireArguments(expr, 2, 2);
      part = date_part_arg(0);
      index = 1;
    } else {
      RequireArguments(expr, 1, 1);
      part = builtin == BuiltIn("YEAR")    ? DatePart::kYear
             : builtin == BuiltIn("MONTH") ? DatePart::kMonth
                                           : DatePart::kDay;
    }
    Value date = datetime_of(arg(index));
    if (date.is_null()) return Value::Null();
    return Value::Integer(DatePartOf(part, date.integer()));
  }
  if (builtin == BuiltIn("ISDATE") || builtin == BuiltIn("ISNUMERIC")) {
    RequireArguments(expr, 1, 1);
    Value value = arg(0);
    if (value.is_null()) return Value::Integer(0);
    try {
      Convert(value,
              builtin == BuiltIn("ISDATE") ? SqlType::Of(TypeKind::kDateTime)
                                           : SqlType::Decimal(38, 10),
              context);
      return Value::Integer(1);
    } catch (const SqlError&) {
      return Value::Integer(0);
    }
  }
  if (builtin == BuiltIn("CEILING") || builtin == BuiltIn("FLOOR") || builtin == BuiltIn("ABS") ||
      builtin == BuiltIn("SIGN")) {
    RequireArguments(expr, 1, 1);
    Value value = arg(0);
    if (value.is_null()) return value;
    if (!IsNumeric(value.kind())) value = Convert(value, SqlType::Of(TypeKind::kFloat), context);
    if (value.kind() == TypeKind::kFloat || value.kind() == TypeKind::kReal) {
      double number = value.number();
      double result = builtin == BuiltIn("CEILING") ? std::ceil(number)
                      : builtin == BuiltIn("FLOOR") ? std::floor(number)
                      : builtin == BuiltIn("ABS")
                          ? std::fabs(number)
                          : static_cast<double>((number > 0) - (number < 0));
      return Value::Float(result, value.kind());
    }
    if (IsIntegerKind(value.kind())) {
      std::int64_t number = value.integer();
      if (builtin == BuiltIn("ABS"))
        return Value::Integer(number < 0 ? -number : number, value.kind());
      if (builtin == BuiltIn("SIGN"))
        return Value::Integer((number > 0) - (number < 0), value.kind());
      return value;
    }
    Int128 units = value.units();
    int scale = value.kind() == TypeKind::kMoney ? 4 : value.type().scale;
    Int128 divisor = 1;
    for (int i = 0; i < scale; ++i) divisor *= 10;
    if (builtin == BuiltIn("ABS")) units = units < 0 ? -units : units;
    if (builtin == BuiltIn("SIGN")) units = ((units > 0) - (units < 0)) * divisor;
    if (builtin == BuiltIn("CEILING") || builtin == BuiltIn("FLOOR")) {
      Int128 whole = units / divisor;
      Int128 rest = units % divisor;
      if (builtin == BuiltIn("CEILING") && rest > 0) ++whole;
      if (builtin == BuiltIn("FLOOR") && rest < 0) --whole;
      // CEILING and FLOOR of a decimal keep its precision with scale 0.
      if (value.kind() == TypeKind::kMoney) return Value::Money(whole * 10000);
      return Value::Decimal(whole, value.type().precision, 0);
    }
    if (value.kind() == TypeKind::kMoney) return Value::Money(units);
    return Value::Decimal(units, value.type().precision, value.type().scale);
  }
  if (builtin == BuiltIn("ROUND")) {
    RequireArguments(expr, 2, 3);
    Value value = arg(0);
    std::optional<std::int64_t> digits = integer_arg(1);
    bool truncate = expr.args.size() == 3 && integer_arg(2).value_or(0) != 0;
    if (value.is_null() || !digits) return value;
    if (!IsNumeric(value.kind())) value = Convert(value, SqlType::Of(TypeKind::kFloat), context);
    if (value.kind() == TypeKind::kFloat || value.kind() == TypeKind::kReal) {
      double factor = std::pow(10.0, static_cast<double>(*digits));
      double scaled = value.number() * factor;
      double rounded = truncate ? std::trunc(scaled) : std::round(scaled);
      return Value::Float(rounded / factor, value.kind());
    }
    bool integer = IsIntegerKind(value.kind());
    Int128 units = integer ? static_cast<Int128>(value.integer()) : value.units();
    int scale = integer ? 0 : value.kind() == TypeKind::kMoney ? 4 : value.type().scale;
    std::int64_t keep = *digits;
    if (keep < scale) {
      Int128 divisor = 1;
      for (std::int64_t i = keep; i < scale; ++i) divisor *= 10;
      Int128 quotient = units / divisor;
      Int128 rest = units % divisor;
      if (!truncate && (rest < 0 ? -rest : rest) * 2 >= divisor) quotient += units < 0 ? -1 : 1;
      units = quotient * divisor;
    }
    if (integer) return MakeIntegerResult(units, value.kind());
    if (value.kind() == TypeKind::kMoney) return Value::Money(units);
    // ROUND keeps the type; a carry into a new digit grows the precision.
    return Value::Decimal(units, std::min(38, value.type().precision + 1), value.type().scale);
  }
  if (builtin == BuiltIn("NEWID")) {
    static std::mt19937_64 generator{0x5157u};
    char buffer[40];
    std::uint64_t a = generator();
    std::uint64_t b = generator();
    std::snprintf(buffer, sizeof buffer, "%08X-%04X-4%03X-%04X-%012llX",
                  static_cast<unsigned>(a >> 32), static_cast<unsigned>((a >> 16) & 0xFFFF),
                  static_cast<unsigned>(a & 0xFFF),
                  static_cast<unsigned>(0x8000 | ((b >> 48) & 0x3FFF)),
                  static_cast<unsigned long long>(b & 0xFFFFFFFFFFFFull));
    return Value::String(buffer, TypeKind::kUniqueIdentifier);
  }
  if (builtin == BuiltIn("DB_NAME")) {
    if (expr.args.empty())
      return Value::String(state_.CurrentDatabase().name(), TypeKind::kNVarChar);
    std::optional<std::int64_t> id = integer_arg(0);
    const auto& databases = state_.session.server->databases();
    if (!id || *id < 1 || *id > static_cast<std::int64_t>(databases.size()))
      return Value::Null(SqlType::Of(TypeKind::kNVarChar));
    return Value::String(databases[static_cast<std::size_t>(*id - 1)]->name(), TypeKind::kNVarChar);
  }
  if (builtin == BuiltIn("OBJECT_NAME")) {
    RequireArguments(expr, 1, 2);
    std::optional<std::int64_t> id = integer_arg(0);
    SqlType sysname = SqlType::Of(TypeKind::kNVarChar);
    sysname.length = 128;
    if (!id) return Value::Null(sysname);
    Database& database = state_.CurrentDatabase();
    for (const auto& table : database.tables()) {
      if (table->id == *id) return Value::String(table->name, sysname);
      if (table->primary_key && table->primary_key->id == *id)
        return Value::String(table->primary_key->name, sysname);
      for (const auto& key : table->unique_constraints) {
        if (key.id == *id) return Value::String(key.name, sysname);
      }
      for (const auto& key : table->foreign_keys) {
        if (key.id == *id) return Value::String(key.name, sysname);
      }
      for (const auto& constraint : table->defaults) {
        if (constraint.id == *id) return Value::String(constraint.name, sysname);
      }
    }
    for (const auto& function : database.functions()) {
      if (function->id == *id) return Value::String(function->name, sysname);
    }
    return Value::Null(sysname);
  }
  if (builtin == BuiltIn("OBJECT_ID")) {
    RequireArguments(expr, 1, 2);
    Value name_value = arg(0);
    if (name_value.is_null()) return Value::Null();
    std::vector<parser::StatementPtr> ignored;
    std::string text = text_of(name_value);
    // 'db.dbo.name', 'dbo.name', '[dbo].[name]' or 'name'
    std::vector<std::string> parts;
    std::string current;
    for (char c : text) {
      if (c == '.') {
        parts.push_back(current);
        current.clear();
      } else if (c != '[' && c != ']') {
        current.push_back(c);
      }
    }
    parts.push_back(current);
    parser::ObjectName name;
    name.name = parts.back();
    if (parts.size() == 3) name.database = parts[0];
    Database* database = name.database.empty() ? &state_.CurrentDatabase()
                                               : state_.session.server->FindDatabase(name.database);
    if (database == nullptr) return Value::Null();
    if (Table* table = database->FindTable(name.name)) return Value::Integer(table->id);
    if (Function* function = database->FindFunction(name.name)) return Value::Integer(function->id);
    if (Table* owner = database->ConstraintOwner(name.name)) {
      if (owner->primary_key && EqualsIgnoreCase(owner->primary_key->name, name.name))
        return Value::Integer(owner->primary_key->id);
      for (const auto& key : owner->unique_constraints) {
        if (EqualsIgnoreCase(key.name, name.name)) return Value::Integer(key.id);
      }
      for (const auto& key : owner->foreign_keys) {
        if (EqualsIgnoreCase(key.name, name.name)) return Value::Integer(key.id);
      }
      for (const auto& constraint : owner->defaults) {
        if (EqualsIgnoreCase(constraint.name, name.name)) return Value::Integer(constraint.id);
      }
    }
    return Value::Null();
  }
  if (builtin == BuiltIn("DEFAULT")) RaiseUnsupported("DEFAULT outside an INSERT value list");
  if (upper.starts_with("@@")) {
    if (builtin == BuiltIn("@@VERSION"))
      return Value::String("Quelor simulated SQL Server", TypeKind::kNVarChar);
    if (builtin == BuiltIn("@@TRANCOUNT"))
      return Value::Integer(state_.session.server->transactions().Count(state_.session.id));
    RaiseUnsupported("system function " + expr.name);
  }
  Raise(195, {expr.name, "built-in function name"});
}

Value Evaluator::CallScalarFunction(const Function& function, std::vector<Value> arguments) {
  const parser::FunctionDefinition& definition = *function.parsed;
  if (arguments.size() != definition.parameters.size()) {
    Raise(arguments.size() < definition.parameters.size() ? 313 : 8144, {function.name});
  }
  if (state_.call_depth > 32) Raise(217);
  CaseInsensitiveMap<Variable> frame;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const parser::Parameter& parameter = definition.parameters[i];
    frame[parameter.name] = Variable{
        parameter.type, Convert(arguments[i], parameter.type, state_.session.conversion())};
  }
  state_.frames.push_back(std::move(frame));
  ++state_.call_depth;
  std::optional<Value> saved_return = std::move(state_.return_value);
  state_.return_value.reset();
  struct Restore {
    Evaluator* self;
    std::optional<Value>* saved;
    ~Restore() {
      self->state_.frames.pop_back();
      --self->state_.call_depth;
    }
  } restore{this, &saved_return};
  // The body's rows and long texts are gone when it returns; the result is
  // counted where the call is evaluated.
  BuiltCellsGivenBack given_back(state_);
  struct LongTextGivenBack {
    BatchState& state;
    std::size_t before;
    ~LongTextGivenBack() { state.long_text_bytes = before; }
  } long_text_given_back{state_, state_.long_text_bytes};
  statements_.RunFunctionBody(definition.body);
  std::optional<Value> result = std::move(state_.return_value);
  state_.return_value = std::move(saved_return);
  if (!result) return Value::Null(definition.return_type);
  return Convert(*result, definition.return_type, state_.session.conversion());
}

}  // namespace quelor::sim::execution
