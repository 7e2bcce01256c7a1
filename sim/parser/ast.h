// Syntax tree of the T-SQL subset: expressions, queries and statements as the
// parser reads them, before any name is resolved.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "sim/catalog/schema.h"
#include "sim/common/value.h"

namespace quelor::sim::parser {

// db.dbo.table, dbo.table or table.
struct ObjectName {
  std::string database;
  std::string schema;
  std::string name;
};

struct SelectQuery;
struct Expr;
using ExprPtr = std::unique_ptr<Expr>;

enum class ExprKind {
  kLiteral,
  kColumn,    // parts: [qualifier..., column]
  kVariable,  // name
  kStar,      // COUNT(*)
  kNegate,
  kBitNot,
  kArithmetic,  // op: + - * / % & | ^
  kCompare,     // op: = <> < <= > >=
  kAnd,
  kOr,
  kNot,
  kIsNull,    // negated: IS NOT NULL
  kLike,      // args: value, pattern
  kInList,    // args: value, list...
  kInQuery,   // args: value; query
  kExists,    // query
  kBetween,   // args: value, low, high
  kCase,      // args: [operand], when, then, ..., [else]
  kFunction,  // parts: name parts; args
  kCast,      // args: value [, style]; type
  kSubquery,  // query
};

struct Expr {
  ExprKind kind = ExprKind::kLiteral;
  Value literal;
  std::vector<std::string> parts;
  std::string name;
  std::string op;
  bool negated = false;
  bool distinct = false;     // COUNT(DISTINCT x)
  bool has_operand = false;  // simple CASE
  bool has_else = false;
  std::vector<ExprPtr> args;
  std::unique_ptr<SelectQuery> query;
  SqlType type;
  // A column reference remembers where it was found the last time, so that
  // a scan over many rows looks its name up once; the evaluator checks the
  // place on every use. Found in the innermost relation, the place is that
  // relation's column list; found through scopes whose column lists all have
  // a shape (see Relation), it is those shapes, which also holds for a
  // correlated subquery run once per outer row. Batches run one at a time,
  // so the cache needs no lock.
  struct Binding {
    static constexpr int kMaxHops = 4;
    const void* columns = nullptr;
    std::size_t size = 0;
    std::size_t index = 0;
    int hops = -1;  // scopes passed before the one found; -1: not bound by shapes
    std::uint64_t shapes[kMaxHops] = {};
  };
  mutable Binding binding;
  // The built-in function a call names, found when it is first evaluated.
  static constexpr int kUnresolved = -2;
  mutable int builtin = kUnresolved;
};

struct SelectItem {
  ExprPtr expr;  // null for * and t.*
  std::string alias;
  std::string star_qualifier;  // "t" for t.*, empty for *
  bool star = false;
  std::string variable;  // SELECT @v = expr
};

enum class JoinType { kInner, kLeft, kRight, kFull, kCross };

struct TableRef {
  enum class Kind { kNamed, kDerived, kFunction, kJoin };
  Kind kind = Kind::kNamed;
  ObjectName name;
  std::string alias;
  std::unique_ptr<SelectQuery> query;  // derived table
  std::vector<ExprPtr> args;           // table-valued function
  JoinType join = JoinType::kInner;
  std::unique_ptr<TableRef> left;
  std::unique_ptr<TableRef> right;
  ExprPtr on;
};

struct OrderItem {
  ExprPtr expr;
  bool descending = false;
};

struct SelectQuery {
  bool distinct = false;
  ExprPtr top;
  bool top_percent = false;
  std::vector<SelectItem> items;
  std::vector<std::unique_ptr<TableRef>> from;
  ExprPtr where;
  std::vector<ExprPtr> group_by;
  ExprPtr having;
  std::vector<OrderItem> order_by;  // of the whole union
  std::unique_ptr<SelectQuery> union_next;
  bool union_all = false;
};

struct Statement;
using StatementPtr = std::unique_ptr<Statement>;

struct ColumnDefinition {
  std::string name;
  SqlType type;
  std::optional<bool> nullable;  // unset: the session default (nullable)
  std::optional<Identity> identity;
  std::string default_name;
  std::string default_text;  // as the catalogue stores it: "((0))"
  bool has_default = false;
  bool primary_key = false;
  bool unique = false;
  std::string key_name;
  std::optional<bool> clustered;
};

struct ConstraintDefinition {
  enum class Kind { kPrimaryKey, kUnique, kForeignKey, kDefault };
  Kind kind = Kind::kPrimaryKey;
  std::string name;
  std::optional<bool> clustered;
  std::vector<std::string> columns;
  ObjectName referenced_table;
  std::vector<std::string> referenced_columns;
  bool cascade_delete = false;
  bool cascade_update = false;
  std::string default_text;
};

struct CreateTable {
  ObjectName name;
  std::vector<ColumnDefinition> columns;
  std::vector<ConstraintDefinition> constraints;
};

struct AlterTable {
  enum class Action { kAddColumns, kAddConstraint, kAlterColumn, kDropColumns, kDropConstraints };
  ObjectName name;
  Action action = Action::kAddColumns;
  std::vector<ColumnDefinition> columns;
  std::vector<ConstraintDefinition> constraints;
  std::optional<bool> with_check;
  std::vector<std::string> names;  // dropped columns or constraints
};

struct DropTable {
  std::vector<ObjectName> names;
  bool if_exists = false;
};

struct CreateIndex {
  std::string name;
  ObjectName table;
  std::vector<std::string> columns;
  bool unique = false;
  bool clustered = false;
};

struct DropIndex {
  ObjectName table;
  std::string name;
};

struct Parameter {
  std::string name;
  SqlType type;
};

// A user-defined function as parsed from its CREATE FUNCTION text.
struct FunctionDefinition {
  ObjectName name;
  std::vector<Parameter> parameters;
  bool inline_table = false;
  SqlType return_type;
  std::vector<StatementPtr> body;            // scalar function
  std::unique_ptr<SelectQuery> table_query;  // inline table-valued function
  std::string text;
};

struct CreateFunction {
  std::shared_ptr<FunctionDefinition> definition;
  bool alter = false;
};

struct DropFunction {
  std::vector<ObjectName> names;
  bool if_exists = false;
};

// One row of INSERT ... VALUES. A row of constants keeps just their values,
// so that a load of thousands of one-row INSERTs holds no expression nodes.
struct ValuesRow {
  std::vector<ExprPtr> exprs;  // empty when the row is all constants
  Row constants;
  std::size_t size() const { return exprs.empty() ? constants.size() : exprs.size(); }
};

// The table an INSERT names and its column list. A load repeats the same
// text thousands of times; its statements share one parsed copy.
struct InsertTarget {
  ObjectName table;
  std::vector<std::string> columns;
};

struct Insert {
  std::shared_ptr<const InsertTarget> target;
  std::vector<ValuesRow> rows;
  std::unique_ptr<SelectQuery> query;
  bool default_values = false;
  // The one row in `rows` came as a SELECT of constants alone, which is
  // refused as a SELECT when its count does not match.
  bool selected_constants = false;
};

struct Assignment {
  std::vector<std::string> column;  // qualifier parts and column
  std::string variable;
  std::string op = "=";  // =, +=, -=, ...
  ExprPtr value;
};

struct Update {
  ObjectName target;
  std::vector<Assignment> assignments;
  std::vector<std::unique_ptr<TableRef>> from;
  ExprPtr where;
  ExprPtr top;
};

struct Delete {
  ObjectName target;
  std::vector<std::unique_ptr<TableRef>> from;
  ExprPtr where;
  ExprPtr top;
};

struct Select {
  std::unique_ptr<SelectQuery> query;
};

struct SetOption {
  std::string option;  // upper case: NOCOUNT, DATEFORMAT, LANGUAGE, IDENTITY_INSERT, ...
  std::string value;
  ObjectName table;
  bool on = true;
};

struct DeclaredVariable {
  std::string name;
  SqlType type;
  ExprPtr initial;
};

struct Declare {
  std::vector<DeclaredVariable> variables;
};

struct SetVariable {
  std::string name;
  std::string op = "=";
  ExprPtr value;
};

struct If {
  ExprPtr condition;
  StatementPtr then_branch;
  StatementPtr else_branch;
};

struct While {
  ExprPtr condition;
  StatementPtr body;
};

struct Block {
  std::vector<StatementPtr> statements;
};

struct Return {
  ExprPtr value;
};

struct Use {
  std::string database;
};

// GRANT, PRINT and similar statements the server accepts without an effect
// that matters here.
struct NoEffect {
  std::string what;
  std::optional<ObjectName> on_object;  // GRANT/DENY/REVOKE ... ON: must exist
};

// EXEC [@status =] procedure [@name =] value, ...: only the application
// lock procedures get this far; the parser refuses every other call.
struct ProcedureArgument {
  std::string name;  // "@Resource", or empty for a positional argument
  ExprPtr value;
};

struct Execute {
  std::string status_variable;  // receives the return status; may be empty
  ObjectName procedure;
  std::vector<ProcedureArgument> arguments;
};

struct Break {};
struct Continue {};

// BEGIN TRAN[SACTION], COMMIT and ROLLBACK [TRAN[SACTION]|WORK]; a name
// after them is read and ignored.
struct TransactionControl {
  enum class Kind { kBegin, kCommit, kRollback };
  Kind kind = Kind::kBegin;
};

// CREATE, ALTER or DROP DATABASE: refused (226 inside a transaction).
struct DatabaseStatement {
  std::string statement;  // "CREATE DATABASE"
};

struct Statement {
  std::variant<CreateTable, AlterTable, DropTable, CreateIndex, DropIndex, CreateFunction,
               DropFunction, Insert, Update, Delete, Select, SetOption, Declare, SetVariable, If,
               While, Block, Return, Use, NoEffect, Execute, Break, Continue, TransactionControl,
               DatabaseStatement>
      node;
};

}  // namespace quelor::sim::parser
