// Recursive-descent parser of the T-SQL subset the update tool, its stored
// scripts and its fixtures send.
#include "sim/parser/parser.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <set>

#include "sim/common/case_insensitive_map.h"
#include "sim/common/errors.h"
#include "sim/parser/token_stream.h"

namespace quelor::sim::parser {

namespace {

// Words the real server reserves; met in the wrong place they give "Incorrect
// syntax near the keyword ..." instead of "near '...'".
const CaseInsensitiveSet& ReservedWords() {
  static const CaseInsensitiveSet kWords = {
      "ADD",        "ALL",          "ALTER",   "AND",        "ANY",         "AS",
      "ASC",        "BEGIN",        "BETWEEN", "BREAK",      "BY",          "CASE",
      "CHECK",      "CLUSTERED",    "COLUMN",  "CONSTRAINT", "CONTINUE",    "CONVERT",
      "CREATE",     "CROSS",        "CURSOR",  "DECLARE",    "DEFAULT",     "DELETE",
      "DESC",       "DISTINCT",     "DROP",    "ELSE",       "END",         "EXEC",
      "EXECUTE",    "EXISTS",       "FOREIGN", "FROM",       "FULL",        "FUNCTION",
      "GOTO",       "GRANT",        "GROUP",   "HAVING",     "IDENTITY",    "IDENTITY_INSERT",
      "IF",         "IN",           "INDEX",   "INNER",      "INSERT",      "INTO",
      "IS",         "JOIN",         "KEY",     "LEFT",       "LIKE",        "MERGE",
      "NOCHECK",    "NONCLUSTERED", "NOT",     "NULL",       "OF",          "ON",
      "OR",         "ORDER",        "OUTER",   "PRIMARY",    "PRINT",       "PROCEDURE",
      "REFERENCES", "RETURN",       "RIGHT",   "SELECT",     "SET",         "TABLE",
      "THEN",       "TO",           "TOP",     "TRAN",       "TRANSACTION", "TRUNCATE",
      "UNION",      "UNIQUE",       "UPDATE",  "USE",        "VALUES",      "VIEW",
      "WHEN",       "WHERE",        "WHILE",   "WITH",       "CASCADE"};
  return kWords;
}

// Whether a word may be reserved at all, by its length and first letter:
// most names are told apart without hashing them.
bool MayBeReserved(std::string_view word) {
  struct Filter {
    std::array<std::uint32_t, 16> first_letters{};  // by length, bit n for letter 'A' + n
    Filter() {
      for (const std::string& reserved : ReservedWords())
        first_letters[reserved.size()] |= 1u << (reserved[0] - 'A');
    }
  };
  static const Filter kFilter;
  if (word.empty() || word.size() >= kFilter.first_letters.size()) return false;
  unsigned char first = static_cast<unsigned char>(word[0]);
  if (first >= 'a' && first <= 'z') first = static_cast<unsigned char>(first - 32);
  if (first < 'A' || first > 'Z') return false;
  return (kFilter.first_letters[word.size()] >> (first - 'A') & 1u) != 0;
}

bool IsReserved(std::string_view word) {
  return MayBeReserved(word) && ReservedWords().contains(word);
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text), tokens_(text) {}

  std::vector<StatementPtr> Batch() {
    try {
      std::vector<StatementPtr> statements;
      while (!AtEnd()) {
        if (AcceptSymbol(";")) continue;
        statements.push_back(ParseStatement());
      }
      return statements;
    } catch (...) {
      tokens_.CheckRest();
      throw;
    }
  }

  ExprPtr SingleExpression() {
    try {
      ExprPtr expr = ParseExpr();
      if (!AtEnd()) SyntaxError();
      return expr;
    } catch (...) {
      tokens_.CheckRest();
      throw;
    }
  }

 private:
  // ---- token helpers ----
  const Token& Peek(std::size_t ahead = 0) const { return tokens_.Peek(ahead); }
  bool AtEnd() const { return Peek().kind == TokenKind::kEnd; }
  const Token& Next() { return tokens_.Next(); }
  // `word` is ASCII; so is any word equal to it, whatever the case.
  static bool EqualsKeyword(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
      char a = text[i];
      char b = word[i];
      if (a >= 'a' && a <= 'z') a = static_cast<char>(a - 32);
      if (b >= 'a' && b <= 'z') b = static_cast<char>(b - 32);
      if (a != b) return false;
    }
    return true;
  }
  bool IsWord(std::string_view word, std::size_t ahead = 0) const {
    const Token& token = Peek(ahead);
    return token.kind == TokenKind::kWord && EqualsKeyword(token.text, word);
  }
  bool IsSymbol(std::string_view symbol, std::size_t ahead = 0) const {
    const Token& token = Peek(ahead);
    // Symbols are one or two characters: compared inline, without memcmp.
    if (token.kind != TokenKind::kSymbol || token.text.size() != symbol.size()) return false;
    for (std::size_t i = 0; i < symbol.size(); ++i)
      if (token.text[i] != symbol[i]) return false;
    return true;
  }
  bool AcceptWord(std::string_view word) {
    if (!IsWord(word)) return false;
    Next();
    return true;
  }
  bool AcceptSymbol(std::string_view symbol) {
    if (!IsSymbol(symbol)) return false;
    Next();
    return true;
  }
  void ExpectWord(std::string_view word) {
    if (!AcceptWord(word)) SyntaxError();
  }
  void ExpectSymbol(std::string_view symbol) {
    if (!AcceptSymbol(symbol)) SyntaxError();
  }

  [[noreturn]] void SyntaxError() const {
    const Token* token = &Peek();
    if (token->kind == TokenKind::kEnd && tokens_.Previous() != nullptr) token = tokens_.Previous();
    if (token->kind == TokenKind::kWord && IsReserved(token->text)) {
      std::string upper(token->text);
      for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      Raise(156, {upper});
    }
    std::string near = token->kind == TokenKind::kEnd      ? std::string()
                       : token->kind == TokenKind::kString ? std::string(token->text)
                                                           : std::string(SourceOf(*token));
    Raise(102, {near});
  }

  std::string_view SourceOf(const Token& token) const {
    return text_.substr(token.begin, token.end - token.begin);
  }

  bool IsIdentifierToken(std::size_t ahead = 0) const {
    const Token& token = Peek(ahead);
    if (token.kind == TokenKind::kQuotedIdentifier) return true;
    return token.kind == TokenKind::kWord && !IsReserved(token.text);
  }

  std::string Identifier() {
    if (!IsIdentifierToken()) SyntaxError();
    return std::string(Next().text);
  }

  // Accepts also words that are reserved elsewhere but allowed as names in
  // some places (type names, option names).
  std::string AnyWord() {
    const Token& token = Peek();
    if (token.kind != TokenKind::kWord && token.kind != TokenKind::kQuotedIdentifier) SyntaxError();
    return std::string(Next().text);
  }

  ObjectName ParseObjectName() {
    // Every part is read (and checked) before a name of more than three
    // parts is refused; only the first three are kept.
    std::array<std::string, 3> parts;
    std::size_t count = 0;
    const auto add = [&](std::string part) {
      if (count < parts.size()) parts[count] = std::move(part);
      ++count;
    };
    add(Identifier());
    while (IsSymbol(".")) {
      Next();
      if (IsSymbol(".")) {  // db..table
        add({});
        continue;
      }
      add(Identifier());
    }
    if (count > parts.size()) RaiseUnsupported("four-part object name (linked server)");
    ObjectName name;
    name.name = std::move(parts[count - 1]);
    if (count >= 2) name.schema = std::move(parts[count - 2]);
    if (count == 3) name.database = std::move(parts[0]);
    return name;
  }

  [[noreturn]] void Unsupported(const std::string& construct) { RaiseUnsupported(construct); }

  // ---- statements ----
  StatementPtr Make(auto node) {
    auto statement = std::make_unique<Statement>();
    statement->node = std::move(node);
    return statement;
  }

  StatementPtr ParseStatement() {
    Nested nested(*this);
    const Token& token = Peek();
    if (token.kind == TokenKind::kSymbol && token.text == "(")
      return Make(Select{ParseQueryExpression()});
    if (token.kind != TokenKind::kWord) SyntaxError();
    if (IsWord("SELECT")) return Make(Select{ParseQueryExpression()});
    if (IsWord("INSERT")) return ParseInsert();
    if (IsWord("UPDATE")) return ParseUpdate();
    if (IsWord("DELETE")) return ParseDelete();
    if (IsWord("CREATE")) return ParseCreate();
    if (IsWord("ALTER")) return ParseAlter();
    if (IsWord("DROP")) return ParseDrop();
    if (IsWord("SET")) return ParseSet();
    if (IsWord("DECLARE")) return ParseDeclare();
    if (IsWord("IF")) return ParseIf();
    if (IsWord("WHILE")) {
      Next();
      While loop;
      loop.condition = ParseExpr();
      loop.body = ParseStatement();
      return Make(std::move(loop));
    }
    if (IsWord("BEGIN")) {
      Next();
      if (AcceptWord("TRAN") || AcceptWord("TRANSACTION")) {
        if (IsWord("WITH")) Unsupported("BEGIN TRANSACTION WITH MARK");
        SkipTransactionName();
        return Make(TransactionControl{TransactionControl::Kind::kBegin});
      }
      if (IsWord("DISTRIBUTED")) Unsupported("BEGIN DISTRIBUTED TRANSACTION");
      if (IsWord("TRY")) Unsupported("BEGIN TRY");
      Block block;
      while (!IsWord("END")) {
        if (AtEnd()) SyntaxError();
        if (AcceptSymbol(";")) continue;
        block.statements.push_back(ParseStatement());
      }
      Next();
      return Make(std::move(block));
    }
    if (IsWord("RETURN")) {
      Next();
      Return ret;
      if (!AtEnd() && !IsSymbol(";") && !IsWord("END") && StartsExpression())
        ret.value = ParseExpr();
      return Make(std::move(ret));
    }
    if (IsWord("GRANT") || IsWord("DENY") || IsWord("REVOKE")) {
      std::string what(Next().text);
      // GRANT <permissions> [ON <object>] TO <principals> [WITH GRANT OPTION]:
      // without effect, but the object must exist.
      NoEffect statement{what, std::nullopt};
      while (!IsWord("TO") && !IsWord("FROM")) {
        if (AtEnd()) SyntaxError();
        if (AcceptWord("ON")) {
          if (IsSymbol(":", 1) && IsSymbol(":", 2)) {  // OBJECT::name
            Next();
            Next();
            Next();
          }
          statement.on_object = ParseObjectName();
          continue;
        }
        Next();
      }
      Next();
      do {
        AnyWord();
      } while (AcceptSymbol(","));
      if (IsWord("WITH") && IsWord("GRANT", 1)) {
        Next();
        Next();
        ExpectWord("OPTION");
      }
      AcceptWord("CASCADE");
      return Make(std::move(statement));
    }
    if (IsWord("PRINT")) {
      Next();
      ParseExpr();
      return Make(NoEffect{"PRINT", std::nullopt});
    }
    if (IsWord("USE")) {
      Next();
      return Make(Use{Identifier()});
    }
    if (IsWord("COMMIT") || IsWord("ROLLBACK")) {
      const bool commit = IsWord("COMMIT");
      Next();
      if (!AcceptWord("TRAN") && !AcceptWord("TRANSACTION")) AcceptWord("WORK");
      SkipTransactionName();
      return Make(TransactionControl{commit ? TransactionControl::Kind::kCommit
                                            : TransactionControl::Kind::kRollback});
    }
    if (IsWord("EXEC") || IsWord("EXECUTE")) return ParseExecute();
    if (IsWord("BREAK")) {
      Next();
      return Make(Break{});
    }
    if (IsWord("CONTINUE")) {
      Next();
      return Make(Continue{});
    }
    static const CaseInsensitiveMap<std::string> kUnsupported = {
        {"MERGE", "MERGE statement"},
        {"EXEC", "EXECUTE statement"},
        {"EXECUTE", "EXECUTE statement"},
        {"TRUNCATE", "TRUNCATE TABLE"},
        {"WITH", "common table expression (WITH)"},
        {"OPEN", "cursor OPEN"},
        {"FETCH", "cursor FETCH"},
        {"CLOSE", "cursor CLOSE"},
        {"DEALLOCATE", "cursor DEALLOCATE"},
        {"GOTO", "GOTO"},
        {"RAISERROR", "RAISERROR"},
        {"THROW", "THROW"},
        {"WAITFOR", "WAITFOR"},
        {"BULK", "BULK INSERT"},
        {"DBCC", "DBCC"},
        {"BACKUP", "BACKUP"},
        {"RESTORE", "RESTORE"},
        {"SAVE", "SAVE TRANSACTION"},
        {"REVERT", "REVERT"},
        {"RECONFIGURE", "RECONFIGURE"}};
    auto unsupported = kUnsupported.find(token.text);
    if (unsupported != kUnsupported.end()) Unsupported(unsupported->second);
    SyntaxError();
  }

  bool StartsStatement() const {
    static const CaseInsensitiveSet kStarts = {
        "SELECT",  "INSERT", "UPDATE", "DELETE",  "CREATE", "ALTER",  "DROP",     "SET",
        "DECLARE", "IF",     "WHILE",  "BEGIN",   "RETURN", "GRANT",  "PRINT",    "USE",
        "END",     "ELSE",   "EXEC",   "EXECUTE", "MERGE",  "COMMIT", "ROLLBACK", "SAVE"};
    return Peek().kind == TokenKind::kWord && kStarts.contains(Peek().text);
  }

  bool StartsExpression() const {
    const Token& token = Peek();
    if (token.kind == TokenKind::kSymbol)
      return token.text == "(" || token.text == "-" || token.text == "+";
    if (token.kind == TokenKind::kWord) {
      return IsWord("NULL") || IsWord("CASE") || IsWord("CAST") || IsWord("CONVERT") ||
             IsWord("EXISTS") || IsWord("NOT") || IsWord("LEFT") || IsWord("RIGHT") ||
             !IsReserved(token.text);
    }
    return token.kind != TokenKind::kEnd;
  }

  // The optional name of a transaction (a word or a variable) after BEGIN
  // TRAN, COMMIT or ROLLBACK; the simulation keeps no names.
  void SkipTransactionName() {
    if (Peek().kind == TokenKind::kVariable) {
      Next();
      return;
    }
    if (Peek().kind == TokenKind::kWord && !StartsStatement() && !IsReserved(Peek().text)) Next();
  }

  // CREATE/ALTER/DROP DATABASE with its options, up to the next statement.
  StatementPtr ParseDatabaseStatement(const std::string& verb) {
    ExpectWord("DATABASE");
    DatabaseStatement statement{verb + " DATABASE"};
    while (!AtEnd() && !IsSymbol(";") && !(StartsStatement() && !IsWord("SET"))) {
      if (IsSymbol("(")) {
        SkipParenthesized();
        continue;
      }
      Next();
    }
    return Make(std::move(statement));
  }

  // The application lock procedures, by name alone or with the schema dbo or
  // sys; every other EXECUTE (other procedures, dynamic SQL) is refused.
  static bool IsAppLockProcedure(const ObjectName& name) {
    if (!name.database.empty()) return false;
    if (!name.schema.empty() && !EqualsIgnoreCase(name.schema, "dbo") &&
        !EqualsIgnoreCase(name.schema, "sys"))
      return false;
    return EqualsIgnoreCase(name.name, "sp_getapplock") ||
           EqualsIgnoreCase(name.name, "sp_releaseapplock");
  }

  StatementPtr ParseExecute() {
    Next();
    Execute call;
    if (Peek().kind == TokenKind::kVariable && IsSymbol("=", 1)) {
      call.status_variable = Next().text;
      Next();
    }
    if (!IsIdentifierToken()) Unsupported("EXECUTE statement");
    call.procedure = ParseObjectName();
    if (!IsAppLockProcedure(call.procedure)) Unsupported("EXECUTE statement");
    if (AtEnd() || IsSymbol(";") || StartsStatement()) return Make(std::move(call));
    do {
      ProcedureArgument argument;
      if (Peek().kind == TokenKind::kVariable && IsSymbol("=", 1)) {
        argument.name = Next().text;
        Next();
      }
      argument.value = ParseExpr();
      if (IsWord("OUTPUT") || IsWord("OUT")) Unsupported("OUTPUT argument of a procedure");
      call.arguments.push_back(std::move(argument));
    } while (AcceptSymbol(","));
    return Make(std::move(call));
  }

  StatementPtr ParseIf() {
    ExpectWord("IF");
    If statement;
    statement.condition = ParseExpr();
    statement.then_branch = ParseStatement();
    while (AcceptSymbol(";")) {
    }
    if (AcceptWord("ELSE")) statement.else_branch = ParseStatement();
    return Make(std::move(statement));
  }

  StatementPtr ParseDeclare() {
    ExpectWord("DECLARE");
    Declare declare;
    do {
      if (Peek().kind != TokenKind::kVariable) SyntaxError();
      DeclaredVariable variable;
      variable.name = Next().text;
      AcceptWord("AS");
      if (IsWord("CURSOR")) Unsupported("cursor");
      if (IsWord("TABLE")) Unsupported("table variable");
      variable.type = WithDefaults(ParseType(), false);
      if (AcceptSymbol("=")) variable.initial = ParseExpr();
      declare.variables.push_back(std::move(variable));
    } while (AcceptSymbol(","));
    return Make(std::move(declare));
  }

  StatementPtr ParseSet() {
    ExpectWord("SET");
    if (Peek().kind == TokenKind::kVariable) {
      SetVariable set;
      set.name = Next().text;
      const Token& op = Peek();
      if (op.kind != TokenKind::kSymbol || (op.text != "=" && op.text != "+=" && op.text != "-=" &&
                                            op.text != "*=" && op.text != "/=")) {
        SyntaxError();
      }
      set.op = Next().text;
      set.value = ParseExpr();
      return Make(std::move(set));
    }
    SetOption option;
    std::string name = AnyWord();
    option.option = name;
    for (char& c : option.option)
      c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (option.option == "IDENTITY_INSERT") {
      option.table = ParseObjectName();
      option.on = ParseOnOff();
      return Make(std::move(option));
    }
    if (option.option == "DATEFORMAT" || option.option == "LANGUAGE" ||
        option.option == "DATEFIRST" || option.option == "LOCK_TIMEOUT" ||
        option.option == "DEADLOCK_PRIORITY" || option.option == "TEXTSIZE") {
      const Token& value = Next();
      if (value.kind == TokenKind::kEnd) SyntaxError();
      option.value = value.text;
      return Make(std::move(option));
    }
    if (option.option == "TRANSACTION") {
      // SET TRANSACTION ISOLATION LEVEL ...: no effect on one simulated server.
      while (!AtEnd() && !IsSymbol(";") && !StartsStatement()) Next();
      return Make(NoEffect{"SET TRANSACTION", std::nullopt});
    }
    // SET NOCOUNT ON, SET ANSI_NULLS ON, SET QUOTED_IDENTIFIER ON, ... and lists
    // of them: "SET ANSI_NULLS, QUOTED_IDENTIFIER ON".
    while (AcceptSymbol(",")) AnyWord();
    option.on = ParseOnOff();
    return Make(std::move(option));
  }

  bool ParseOnOff() {
    if (AcceptWord("ON")) return true;
    if (AcceptWord("OFF")) return false;
    SyntaxError();
  }

  // ---- types ----
  SqlType ParseType() {
    std::string name = AnyWord();
    if (IsSymbol(".")) {  // [dbo].[udt] or sys.type
      Next();
      name = AnyWord();
    }
    std::optional<SqlType> type = TypeFromName(name);
    if (!type) {
      if (EqualsIgnoreCase(name, "timestamp") || EqualsIgnoreCase(name, "rowversion"))
        Unsupported("data type " + name);
      Raise(2715, {"1", name});
    }
    if (AcceptSymbol("(")) {
      if (AcceptWord("max")) {
        type->length = -1;
      } else {
        if (Peek().kind != TokenKind::kNumber) SyntaxError();
        int first = SmallNumber();
        if (type->kind == TypeKind::kDecimal) {
          type->precision = first;
          type->scale = 0;
          if (AcceptSymbol(",")) {
            if (Peek().kind != TokenKind::kNumber) SyntaxError();
            type->scale = SmallNumber();
          }
        } else if (type->kind == TypeKind::kFloat) {
          if (first <= 24) *type = SqlType::Of(TypeKind::kReal);
        } else if (HasLength(type->kind)) {
          type->length = first;
          if (first > 8000 || (IsUnicodeKind(type->kind) && first > 4000)) {
            Raise(131, {std::to_string(first), "type", name,
                        IsUnicodeKind(type->kind) ? "4000" : "8000"});
          }
        }
      }
      ExpectSymbol(")");
    }
    return *type;
  }

  // ---- CREATE / ALTER / DROP ----
  StatementPtr ParseCreate() {
    std::size_t start = Peek().begin;
    ExpectWord("CREATE");
    if (IsWord("TABLE")) return ParseCreateTable();
    if (IsWord("FUNCTION")) return ParseFunction(start, false);
    if (IsWord("DATABASE")) return ParseDatabaseStatement("CREATE");
    bool unique = AcceptWord("UNIQUE");
    bool clustered = false;
    if (AcceptWord("CLUSTERED"))
      clustered = true;
    else
      AcceptWord("NONCLUSTERED");
    if (AcceptWord("INDEX")) {
      CreateIndex index;
      index.unique = unique;
      index.clustered = clustered;
      index.name = Identifier();
      ExpectWord("ON");
      index.table = ParseObjectName();
      index.columns = ParseColumnList(true);
      if (AcceptWord("INCLUDE")) Unsupported("CREATE INDEX ... INCLUDE");
      SkipStorageClauses();
      return Make(std::move(index));
    }
    static const CaseInsensitiveMap<std::string> kObjects = {{"VIEW", "CREATE VIEW"},
                                                             {"PROCEDURE", "CREATE PROCEDURE"},
                                                             {"PROC", "CREATE PROCEDURE"},
                                                             {"TRIGGER", "CREATE TRIGGER"},
                                                             {"DATABASE", "CREATE DATABASE"},
                                                             {"SCHEMA", "CREATE SCHEMA"},
                                                             {"TYPE", "CREATE TYPE"},
                                                             {"LOGIN", "CREATE LOGIN"},
                                                             {"USER", "CREATE USER"},
                                                             {"SYNONYM", "CREATE SYNONYM"},
                                                             {"STATISTICS", "CREATE STATISTICS"}};
    if (Peek().kind == TokenKind::kWord) {
      auto found = kObjects.find(Peek().text);
      if (found != kObjects.end()) Unsupported(found->second);
    }
    SyntaxError();
  }

  // ON [PRIMARY], TEXTIMAGE_ON [PRIMARY], WITH (...) options that change
  // nothing in the simulation.
  void SkipStorageClauses() {
    while (true) {
      if (IsWord("ON") || IsWord("TEXTIMAGE_ON")) {
        Next();
        AnyWord();
        continue;
      }
      if (IsWord("WITH") && IsSymbol("(", 1)) {
        Next();
        SkipParenthesized();
        continue;
      }
      if (IsWord("WITH") && (IsWord("FILLFACTOR", 1) || IsWord("PAD_INDEX", 1))) {
        Next();
        Next();
        if (AcceptSymbol("=")) Next();
        continue;
      }
      return;
    }
  }

  void SkipParenthesized() {
    ExpectSymbol("(");
    int depth = 1;
    while (depth > 0) {
      if (AtEnd()) SyntaxError();
      const Token& token = Next();
      if (token.kind == TokenKind::kSymbol && token.text == "(") ++depth;
      if (token.kind == TokenKind::kSymbol && token.text == ")") --depth;
    }
  }

  std::vector<std::string> ParseColumnList(bool allow_order) {
    std::vector<std::string> columns;
    ExpectSymbol("(");
    do {
      columns.push_back(Identifier());
      if (allow_order) {
        if (AcceptWord("DESC")) Unsupported("descending index key");
        AcceptWord("ASC");
      }
    } while (AcceptSymbol(","));
    ExpectSymbol(")");
    return columns;
  }

  StatementPtr ParseCreateTable() {
    ExpectWord("TABLE");
    CreateTable create;
    create.name = ParseObjectName();
    if (!create.name.name.empty() && create.name.name[0] == '#') Unsupported("temporary table");
    ExpectSymbol("(");
    while (true) {
      if (IsSymbol(")")) break;  // a trailing comma before ")" is accepted
      if (IsWord("CONSTRAINT") || IsWord("PRIMARY") || IsWord("UNIQUE") || IsWord("FOREIGN") ||
          IsWord("CHECK")) {
        create.constraints.push_back(ParseTableConstraint());
      } else {
        create.columns.push_back(ParseColumnDefinition(&create.constraints));
      }
      if (!AcceptSymbol(",")) break;
    }
    ExpectSymbol(")");
    SkipStorageClauses();
    return Make(std::move(create));
  }

  ColumnDefinition ParseColumnDefinition(std::vector<ConstraintDefinition>* constraints) {
    ColumnDefinition column;
    column.name = Identifier();
    if (AcceptWord("AS")) Unsupported("computed column");
    column.type = WithDefaults(ParseType(), false);
    while (true) {
      if (AcceptWord("NULL")) {
        column.nullable = true;
      } else if (IsWord("NOT") && IsWord("NULL", 1)) {
        Next();
        Next();
        column.nullable = false;
      } else if (AcceptWord("IDENTITY")) {
        Identity identity;
        if (AcceptSymbol("(")) {
          identity.seed = ParseSignedInteger();
          ExpectSymbol(",");
          identity.increment = ParseSignedInteger();
          ExpectSymbol(")");
        }
        column.identity = identity;
      } else if (IsWord("CONSTRAINT") || IsWord("DEFAULT") || IsWord("PRIMARY") ||
                 IsWord("UNIQUE") || IsWord("REFERENCES") || IsWord("FOREIGN") || IsWord("CHECK")) {
        std::string name;
        if (AcceptWord("CONSTRAINT")) name = Identifier();
        if (AcceptWord("DEFAULT")) {
          column.has_default = true;
          column.default_name = name;
          column.default_text = ParseDefaultText();
        } else if (IsWord("PRIMARY") || IsWord("UNIQUE")) {
          column.primary_key = AcceptWord("PRIMARY");
          if (column.primary_key)
            ExpectWord("KEY");
          else
            ExpectWord("UNIQUE");
          column.unique = !column.primary_key;
          column.key_name = name;
          if (AcceptWord("CLUSTERED"))
            column.clustered = true;
          else if (AcceptWord("NONCLUSTERED"))
            column.clustered = false;
        } else if (IsWord("REFERENCES") || IsWord("FOREIGN")) {
          if (AcceptWord("FOREIGN")) ExpectWord("KEY");
          ConstraintDefinition foreign;
          foreign.kind = ConstraintDefinition::Kind::kForeignKey;
          foreign.name = name;
          foreign.columns = {column.name};
          ParseReferences(foreign);
          if (constraints == nullptr) Unsupported("REFERENCES in ALTER COLUMN");
          constraints->push_back(std::move(foreign));
        } else {
          Unsupported("CHECK constraint");
        }
      } else if (AcceptWord("ROWGUIDCOL")) {
      } else if (IsWord("COLLATE")) {
        Next();
        AnyWord();
      } else {
        break;
      }
    }
    return column;
  }

  // A whole number of a declaration (length, precision, identity seed): at
  // most nine digits, or the text is refused as the server refuses it.
  int SmallNumber() {
    const Token& token = Next();
    if (token.kind != TokenKind::kNumber || token.text.size() > 9 ||
        token.text.find_first_not_of("0123456789") != std::string::npos) {
      Raise(102, {std::string(token.text)});
    }
    return std::stoi(std::string(token.text));
  }

  std::int64_t ParseSignedInteger() {
    bool negative = AcceptSymbol("-");
    if (Peek().kind != TokenKind::kNumber) SyntaxError();
    std::int64_t value = SmallNumber();
    return negative ? -value : value;
  }

  // The DEFAULT expression as the catalogue keeps it: in parentheses, numbers
  // twice ("((0))"), other expressions once ("('J')", "(getdate())").
  std::string ParseDefaultText() {
    std::size_t start = Peek().begin;
    ExprPtr expr = ParseExpr();
    std::size_t end = tokens_.Previous()->end;
    std::string text(text_.substr(start, end - start));
    while (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
      std::string inner = text.substr(1, text.size() - 2);
      // only strip when the parentheses enclose the whole text
      int depth = 0;
      bool encloses = true;
      for (std::size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] == '(') ++depth;
        if (inner[i] == ')' && --depth < 0) encloses = false;
      }
      if (!encloses) break;
      text = inner;
    }
    bool number = expr->kind == ExprKind::kLiteral && IsNumeric(expr->literal.kind()) &&
                  !expr->literal.is_null();
    if (expr->kind == ExprKind::kNegate && expr->args[0]->kind == ExprKind::kLiteral) number = true;
    return number ? "((" + text + "))" : "(" + text + ")";
  }

  void ParseReferences(ConstraintDefinition& foreign) {
    ExpectWord("REFERENCES");
    foreign.referenced_table = ParseObjectName();
    if (IsSymbol("(")) foreign.referenced_columns = ParseColumnList(false);
    while (AcceptWord("ON")) {
      bool is_delete = AcceptWord("DELETE");
      if (!is_delete) ExpectWord("UPDATE");
      bool cascade = false;
      if (AcceptWord("CASCADE")) {
        cascade = true;
      } else if (AcceptWord("NO")) {
        ExpectWord("ACTION");
      } else if (AcceptWord("SET")) {
        Unsupported("ON DELETE/UPDATE SET NULL or SET DEFAULT");
      } else {
        SyntaxError();
      }
      (is_delete ? foreign.cascade_delete : foreign.cascade_update) = cascade;
    }
    if (IsWord("NOT") && IsWord("FOR", 1)) {
      Next();
      Next();
      ExpectWord("REPLICATION");
    }
  }

  ConstraintDefinition ParseTableConstraint() {
    ConstraintDefinition constraint;
    if (AcceptWord("CONSTRAINT")) constraint.name = Identifier();
    if (AcceptWord("PRIMARY")) {
      ExpectWord("KEY");
      constraint.kind = ConstraintDefinition::Kind::kPrimaryKey;
    } else if (AcceptWord("UNIQUE")) {
      constraint.kind = ConstraintDefinition::Kind::kUnique;
    } else if (AcceptWord("FOREIGN")) {
      ExpectWord("KEY");
      constraint.kind = ConstraintDefinition::Kind::kForeignKey;
      constraint.columns = ParseColumnList(false);
      ParseReferences(constraint);
      return constraint;
    } else if (AcceptWord("DEFAULT")) {
      constraint.kind = ConstraintDefinition::Kind::kDefault;
      constraint.default_text = ParseDefaultText();
      ExpectWord("FOR");
      constraint.columns = {Identifier()};
      if (AcceptWord("WITH")) ExpectWord("VALUES");
      return constraint;
    } else if (IsWord("CHECK")) {
      Unsupported("CHECK constraint");
    } else {
      SyntaxError();
    }
    if (AcceptWord("CLUSTERED"))
      constraint.clustered = true;
    else if (AcceptWord("NONCLUSTERED"))
      constraint.clustered = false;
    constraint.columns = ParseColumnList(true);
    SkipStorageClauses();
    return constraint;
  }

  StatementPtr ParseAlter() {
    std::size_t start = Peek().begin;
    ExpectWord("ALTER");
    if (IsWord("FUNCTION")) return ParseFunction(start, true);
    if (IsWord("DATABASE")) return ParseDatabaseStatement("ALTER");
    if (!AcceptWord("TABLE")) {
      if (Peek().kind == TokenKind::kWord) Unsupported("ALTER " + std::string(Peek().text));
      SyntaxError();
    }
    AlterTable alter;
    alter.name = ParseObjectName();
    if (AcceptWord("WITH")) {
      if (AcceptWord("CHECK"))
        alter.with_check = true;
      else if (AcceptWord("NOCHECK"))
        alter.with_check = false;
      else
        SyntaxError();
    }
    if (AcceptWord("ADD")) {
      if (IsWord("CONSTRAINT") || IsWord("PRIMARY") || IsWord("UNIQUE") || IsWord("FOREIGN") ||
          IsWord("CHECK") || IsWord("DEFAULT")) {
        alter.action = AlterTable::Action::kAddConstraint;
        do {
          alter.constraints.push_back(ParseTableConstraint());
        } while (AcceptSymbol(","));
      } else {
        alter.action = AlterTable::Action::kAddColumns;
        do {
          if (IsWord("CONSTRAINT")) {
            alter.constraints.push_back(ParseTableConstraint());
            continue;
          }
          alter.columns.push_back(ParseColumnDefinition(&alter.constraints));
        } while (AcceptSymbol(","));
      }
    } else if (AcceptWord("ALTER")) {
      ExpectWord("COLUMN");
      alter.action = AlterTable::Action::kAlterColumn;
      ColumnDefinition column;
      column.name = Identifier();
      column.type = WithDefaults(ParseType(), false);
      if (IsWord("COLLATE")) {
        Next();
        AnyWord();
      }
      if (AcceptWord("NULL")) {
        column.nullable = true;
      } else if (IsWord("NOT") && IsWord("NULL", 1)) {
        Next();
        Next();
        column.nullable = false;
      }
      alter.columns.push_back(std::move(column));
    } else if (AcceptWord("DROP")) {
      if (AcceptWord("COLUMN")) {
        alter.action = AlterTable::Action::kDropColumns;
      } else {
        AcceptWord("CONSTRAINT");
        alter.action = AlterTable::Action::kDropConstraints;
      }
      do {
        if (alter.action == AlterTable::Action::kDropConstraints) AcceptWord("CONSTRAINT");
        alter.names.push_back(Identifier());
      } while (AcceptSymbol(","));
    } else if (IsWord("NOCHECK") || IsWord("CHECK")) {
      Unsupported("ALTER TABLE ... NOCHECK/CHECK CONSTRAINT");
    } else {
      SyntaxError();
    }
    return Make(std::move(alter));
  }

  // "[IF EXISTS] name [, name ...]" after DROP TABLE or DROP FUNCTION.
  template <typename Drop>
  Drop ParseDropList() {
    Drop drop;
    if (IsWord("IF") && IsWord("EXISTS", 1)) {
      Next();
      Next();
      drop.if_exists = true;
    }
    do {
      drop.names.push_back(ParseObjectName());
    } while (AcceptSymbol(","));
    return drop;
  }

  StatementPtr ParseDrop() {
    ExpectWord("DROP");
    if (AcceptWord("TABLE")) return Make(ParseDropList<DropTable>());
    if (AcceptWord("FUNCTION")) return Make(ParseDropList<DropFunction>());
    if (IsWord("DATABASE")) return ParseDatabaseStatement("DROP");
    if (AcceptWord("INDEX")) {
      DropIndex drop;
      ObjectName first = ParseObjectName();
      if (AcceptWord("ON")) {
        drop.name = first.name;
        drop.table = ParseObjectName();
      } else {
        // DROP INDEX table.index
        if (first.schema.empty()) SyntaxError();
        drop.name = first.name;
        drop.table.name = first.schema;
        drop.table.database = first.database;
      }
      return Make(std::move(drop));
    }
    if (Peek().kind == TokenKind::kWord) Unsupported("DROP " + std::string(Peek().text));
    SyntaxError();
  }

  StatementPtr ParseFunction(std::size_t start, bool alter) {
    ExpectWord("FUNCTION");
    auto definition = std::make_shared<FunctionDefinition>();
    definition->name = ParseObjectName();
    ExpectSymbol("(");
    if (!IsSymbol(")")) {
      do {
        if (Peek().kind != TokenKind::kVariable) SyntaxError();
        Parameter parameter;
        parameter.name = Next().text;
        AcceptWord("AS");
        parameter.type = WithDefaults(ParseType(), false);
        if (AcceptSymbol("=")) Unsupported("function parameter default");
        definition->parameters.push_back(std::move(parameter));
      } while (AcceptSymbol(","));
    }
    ExpectSymbol(")");
    ExpectWord("RETURNS");
    if (AcceptWord("TABLE")) {
      definition->inline_table = true;
      if (AcceptWord("WITH")) AnyWord();
      AcceptWord("AS");
      ExpectWord("RETURN");
      definition->table_query = ParseQueryExpression();
    } else {
      if (Peek().kind == TokenKind::kVariable) Unsupported("multi-statement table-valued function");
      definition->return_type = WithDefaults(ParseType(), false);
      if (AcceptWord("WITH")) AnyWord();
      AcceptWord("AS");
      if (!IsWord("BEGIN")) SyntaxError();
      StatementPtr body = ParseStatement();
      definition->body.push_back(std::move(body));
    }
    definition->text = std::string(text_.substr(start, tokens_.Previous()->end - start));
    CreateFunction create;
    create.definition = std::move(definition);
    create.alter = alter;
    return Make(std::move(create));
  }

  // ---- DML ----
  ExprPtr ParseTop() {
    if (!AcceptWord("TOP")) return nullptr;
    ExprPtr top;
    if (AcceptSymbol("(")) {
      top = ParseExpr();
      ExpectSymbol(")");
    } else {
      top = ParsePrimary();
    }
    return top;
  }

  StatementPtr ParseInsert() {
    Insert insert;
    insert.target = ParseInsertTarget();
    const std::vector<std::string>& columns = insert.target->columns;
    if (IsWord("OUTPUT")) Unsupported("OUTPUT clause");
    if (AcceptWord("VALUES")) {
      do {
        ExpectSymbol("(");
        // Constants are kept as values while every item so far is one.
        Row constants;
        std::vector<ExprPtr> row;
        constants.reserve(columns.empty() ? 4 : columns.size());
        do {
          std::optional<Value> constant = TakeConstantItem(false);
          if (constant && row.empty()) {
            constants.push_back(*std::move(constant));
            continue;
          }
          if (row.empty()) {
            for (Value& value : constants) row.push_back(LiteralExpr(std::move(value)));
            constants.clear();
          }
          if (constant) {
            row.push_back(LiteralExpr(*std::move(constant)));
          } else if (IsWord("DEFAULT")) {
            Next();
            auto expr = std::make_unique<Expr>();
            expr->kind = ExprKind::kFunction;
            expr->name = "DEFAULT";
            row.push_back(std::move(expr));
          } else {
            row.push_back(ParseExpr());
          }
        } while (AcceptSymbol(","));
        ExpectSymbol(")");
        ValuesRow values;
        if (std::all_of(row.begin(), row.end(),
                        [](const ExprPtr& expr) { return expr->kind == ExprKind::kLiteral; })) {
          for (ExprPtr& expr : row) constants.push_back(std::move(expr->literal));
          values.constants = std::move(constants);
        } else {
          values.exprs = std::move(row);
        }
        insert.rows.push_back(std::move(values));
      } while (AcceptSymbol(","));
    } else if (std::optional<Row> constants = TakeSelectedConstants()) {
      ValuesRow values;
      values.constants = *std::move(constants);
      insert.rows.push_back(std::move(values));
      insert.selected_constants = true;
    } else if (IsWord("SELECT") || IsSymbol("(")) {
      insert.query = ParseQueryExpression();
    } else if (AcceptWord("DEFAULT")) {
      ExpectWord("VALUES");
      insert.default_values = true;
    } else if (IsWord("EXEC") || IsWord("EXECUTE")) {
      Unsupported("INSERT ... EXECUTE");
    } else {
      SyntaxError();
    }
    return Make(std::move(insert));
  }

  // INSERT [INTO] name [(columns)]. Text that repeats the last column list
  // byte for byte, from INSERT to its closing parenthesis, reads as the same
  // tokens, so its parse is taken over and the lexer goes on at the
  // parenthesis.
  std::shared_ptr<const InsertTarget> ParseInsertTarget() {
    const std::size_t start = Peek().begin;
    if (last_target_ && text_.substr(start, last_target_text_.size()) == last_target_text_) {
      tokens_.Seek(start + last_target_text_.size() - 1);
      ExpectSymbol(")");
      return last_target_;
    }
    ExpectWord("INSERT");
    if (IsWord("TOP")) Unsupported("INSERT TOP");
    AcceptWord("INTO");
    auto target = std::make_shared<InsertTarget>();
    target->table = ParseObjectName();
    if (IsSymbol("(") && !IsWord("SELECT", 1)) {
      target->columns = ParseColumnList(false);
      last_target_text_ = text_.substr(start, tokens_.Previous()->end - start);
      last_target_ = target;
    }
    return target;
  }

  StatementPtr ParseUpdate() {
    ExpectWord("UPDATE");
    Update update;
    update.top = ParseTop();
    update.target = ParseObjectName();
    if (IsWord("WITH") && IsSymbol("(", 1)) {
      Next();
      SkipParenthesized();
    }
    ExpectWord("SET");
    do {
      Assignment assignment;
      if (Peek().kind == TokenKind::kVariable) {
        assignment.variable = Next().text;
        if (AcceptSymbol("=")) {
          if (IsIdentifierToken() && IsSymbol("=", 1))
            Unsupported("SET @variable = column = expression");
        } else {
          SyntaxError();
        }
      } else {
        assignment.column.push_back(Identifier());
        while (AcceptSymbol(".")) assignment.column.push_back(Identifier());
        const Token& op = Peek();
        if (op.kind != TokenKind::kSymbol ||
            (op.text != "=" && op.text != "+=" && op.text != "-=" && op.text != "*=" &&
             op.text != "/=")) {
          SyntaxError();
        }
        assignment.op = Next().text;
      }
      if (IsWord("DEFAULT")) Unsupported("SET column = DEFAULT");
      assignment.value = ParseExpr();
      update.assignments.push_back(std::move(assignment));
    } while (AcceptSymbol(","));
    if (IsWord("OUTPUT")) Unsupported("OUTPUT clause");
    if (AcceptWord("FROM")) update.from = ParseFromList();
    if (AcceptWord("WHERE")) {
      if (IsWord("CURRENT")) Unsupported("WHERE CURRENT OF");
      update.where = ParseExpr();
    }
    if (IsWord("OPTION")) Unsupported("query hints (OPTION)");
    return Make(std::move(update));
  }

  StatementPtr ParseDelete() {
    ExpectWord("DELETE");
    Delete deletion;
    deletion.top = ParseTop();
    AcceptWord("FROM");
    deletion.target = ParseObjectName();
    if (IsWord("OUTPUT")) Unsupported("OUTPUT clause");
    if (AcceptWord("FROM")) deletion.from = ParseFromList();
    if (AcceptWord("WHERE")) deletion.where = ParseExpr();
    return Make(std::move(deletion));
  }

  // ---- queries ----
  std::unique_ptr<SelectQuery> ParseQueryExpression() {
    Nested nested(*this);
    Chain chain(*this);
    std::unique_ptr<SelectQuery> first;
    if (AcceptSymbol("(")) {
      first = ParseQueryExpression();
      ExpectSymbol(")");
    } else {
      first = ParseSelectBlock();
    }
    SelectQuery* last = first.get();
    while (IsWord("UNION") || IsWord("EXCEPT") || IsWord("INTERSECT")) {
      if (!IsWord("UNION")) Unsupported(std::string(Peek().text) + " operator");
      Next();
      chain.Link();
      last->union_all = AcceptWord("ALL");
      if (AcceptSymbol("(")) {
        last->union_next = ParseQueryExpression();
        ExpectSymbol(")");
      } else {
        last->union_next = ParseSelectBlock();
      }
      last = last->union_next.get();
    }
    if (AcceptWord("ORDER")) {
      ExpectWord("BY");
      do {
        OrderItem item;
        item.expr = ParseExpr();
        if (AcceptWord("DESC"))
          item.descending = true;
        else
          AcceptWord("ASC");
        first->order_by.push_back(std::move(item));
      } while (AcceptSymbol(","));
    }
    if (IsWord("FOR")) Unsupported("FOR XML/FOR BROWSE");
    if (IsWord("OPTION")) Unsupported("query hints (OPTION)");
    return first;
  }

  std::unique_ptr<SelectQuery> ParseSelectBlock() {
    ExpectWord("SELECT");
    auto query = std::make_unique<SelectQuery>();
    if (AcceptWord("DISTINCT"))
      query->distinct = true;
    else
      AcceptWord("ALL");
    query->top = ParseTop();
    if (query->top && AcceptWord("PERCENT")) query->top_percent = true;
    if (IsWord("WITH") && IsWord("TIES", 1)) Unsupported("TOP ... WITH TIES");
    do {
      query->items.push_back(ParseSelectItem());
    } while (AcceptSymbol(","));
    if (AcceptWord("INTO")) Unsupported("SELECT ... INTO");
    if (AcceptWord("FROM")) query->from = ParseFromList();
    if (AcceptWord("WHERE")) query->where = ParseExpr();
    if (AcceptWord("GROUP")) {
      ExpectWord("BY");
      do {
        query->group_by.push_back(ParseExpr());
      } while (AcceptSymbol(","));
    }
    if (AcceptWord("HAVING")) query->having = ParseExpr();
    return query;
  }

  SelectItem ParseSelectItem() {
    SelectItem item;
    if (AcceptSymbol("*")) {
      item.star = true;
      return item;
    }
    // t.* and db.dbo.t.*
    {
      std::size_t ahead = 0;
      std::string qualifier;
      while (IsIdentifierToken(ahead) && IsSymbol(".", ahead + 1)) {
        qualifier = Peek(ahead).text;
        ahead += 2;
        if (IsSymbol("*", ahead)) {
          for (std::size_t i = 0; i <= ahead; ++i) Next();
          item.star = true;
          item.star_qualifier = qualifier;
          return item;
        }
      }
    }
    if (Peek().kind == TokenKind::kVariable && IsSymbol("=", 1)) {
      item.variable = Next().text;
      Next();
      item.expr = ParseExpr();
      return item;
    }
    // alias = expression
    if ((IsIdentifierToken() || Peek().kind == TokenKind::kString) && IsSymbol("=", 1)) {
      item.alias = Next().text;
      Next();
      std::optional<Value> constant = TakeConstantItem(true);
      item.expr = constant ? LiteralExpr(*std::move(constant)) : ParseExpr();
      return item;
    }
    if (std::optional<Value> constant = TakeConstantItem(false)) {
      item.expr = LiteralExpr(*std::move(constant));
      return item;
    }
    item.expr = ParseExpr();
    if (AcceptWord("AS")) {
      if (Peek().kind == TokenKind::kString)
        item.alias = Next().text;
      else
        item.alias = Identifier();
    } else if (IsIdentifierToken()) {
      item.alias = Next().text;
    } else if (Peek().kind == TokenKind::kString) {
      item.alias = Next().text;
    }
    return item;
  }

  std::vector<std::unique_ptr<TableRef>> ParseFromList() {
    std::vector<std::unique_ptr<TableRef>> from;
    do {
      from.push_back(ParseJoinedTable());
    } while (AcceptSymbol(","));
    return from;
  }

  std::unique_ptr<TableRef> ParseJoinedTable() {
    Nested nested(*this);
    Chain chain(*this);
    std::unique_ptr<TableRef> left = ParseTablePrimary();
    while (true) {
      JoinType type;
      if (AcceptWord("JOIN")) {
        type = JoinType::kInner;
      } else if (IsWord("INNER")) {
        Next();
        ExpectWord("JOIN");
        type = JoinType::kInner;
      } else if (IsWord("LEFT") || IsWord("RIGHT") || IsWord("FULL")) {
        type = IsWord("LEFT")    ? JoinType::kLeft
               : IsWord("RIGHT") ? JoinType::kRight
                                 : JoinType::kFull;
        Next();
        AcceptWord("OUTER");
        ExpectWord("JOIN");
      } else if (IsWord("CROSS")) {
        Next();
        if (IsWord("APPLY")) Unsupported("CROSS APPLY");
        ExpectWord("JOIN");
        type = JoinType::kCross;
      } else if (IsWord("OUTER") && IsWord("APPLY", 1)) {
        Unsupported("OUTER APPLY");
      } else {
        return left;
      }
      chain.Link();
      auto join = std::make_unique<TableRef>();
      join->kind = TableRef::Kind::kJoin;
      join->join = type;
      join->left = std::move(left);
      join->right = ParseTablePrimary();
      if (type != JoinType::kCross) {
        ExpectWord("ON");
        join->on = ParseExpr();
      }
      left = std::move(join);
    }
  }

  std::unique_ptr<TableRef> ParseTablePrimary() {
    auto ref = std::make_unique<TableRef>();
    if (AcceptSymbol("(")) {
      if (IsWord("SELECT") || IsSymbol("(")) {
        ref->kind = TableRef::Kind::kDerived;
        ref->query = ParseQueryExpression();
        ExpectSymbol(")");
      } else {
        ref = ParseJoinedTable();
        ExpectSymbol(")");
        return ref;
      }
    } else {
      if (Peek().kind == TokenKind::kVariable) Unsupported("table variable");
      if (IsWord("OPENQUERY") || IsWord("OPENROWSET")) Unsupported(std::string(Peek().text));
      ref->name = ParseObjectName();
      if (AcceptSymbol("(")) {
        ref->kind = TableRef::Kind::kFunction;
        if (!IsSymbol(")")) {
          do {
            ref->args.push_back(ParseExpr());
          } while (AcceptSymbol(","));
        }
        ExpectSymbol(")");
      }
    }
    if (AcceptWord("AS")) {
      ref->alias = Identifier();
    } else if (IsIdentifierToken() && !IsWord("WITH")) {
      ref->alias = Next().text;
    }
    if (IsWord("WITH") && IsSymbol("(", 1)) {  // table hints such as WITH (NOLOCK)
      Next();
      SkipParenthesized();
    }
    if (ref->kind == TableRef::Kind::kDerived && ref->alias.empty()) SyntaxError();
    return ref;
  }

  // ---- expressions ----
  ExprPtr MakeExpr(ExprKind kind) {
    auto expr = std::make_unique<Expr>();
    expr->kind = kind;
    return expr;
  }

  ExprPtr LiteralExpr(Value value) {
    ExprPtr expr = MakeExpr(ExprKind::kLiteral);
    expr->literal = std::move(value);
    return expr;
  }

  // An item of a VALUES or select list that is a number, a string or NULL
  // followed by "," or ")": the value ParsePrimary gives it, read without
  // going through the expression grammar (a bank-code load has 200,000 of
  // them). `may_end_statement`: an item with nothing after it but the end of
  // the text or a word that starts a clause or statement ends there too
  // (the last item of "SELECT A='x', B=1").
  std::optional<Value> TakeConstantItem(bool may_end_statement) {
    const bool ends = IsSymbol(",", 1) || IsSymbol(")", 1) ||
                      (may_end_statement && (Peek(1).kind == TokenKind::kEnd || IsWord("FROM", 1) ||
                                             IsWord("INSERT", 1) || IsWord("WHERE", 1)));
    if (!ends || !IsConstant()) return std::nullopt;
    return TakeConstant();
  }

  // Whether the token `ahead` is a constant as an item reads it: a number,
  // a string or NULL.
  bool IsConstant(std::size_t ahead = 0) const {
    const TokenKind kind = Peek(ahead).kind;
    return kind == TokenKind::kNumber || kind == TokenKind::kString || IsWord("NULL", ahead);
  }
  // Reads the constant IsConstant() found.
  Value TakeConstant() {
    const Token& token = Next();
    if (token.kind == TokenKind::kNumber) return NumberLiteral(token.text);
    if (token.kind == TokenKind::kString)
      return Value::String(token.text, token.unicode ? TypeKind::kNVarChar : TypeKind::kVarChar);
    return Value::Null();
  }

  // "SELECT A='x', B=1" of constants alone that ends the statement, read
  // straight into one row of values, as the select list reads each item
  // (TakeConstantItem) and the query with nothing after its items; anything
  // else is left unread.
  std::optional<Row> TakeSelectedConstants() {
    if (!IsWord("SELECT") || IsWord("DISTINCT", 1) || IsWord("ALL", 1) || IsWord("TOP", 1))
      return std::nullopt;
    const auto aliased = [&](std::size_t ahead) {
      return (IsIdentifierToken(ahead) || Peek(ahead).kind == TokenKind::kString) &&
             IsSymbol("=", ahead + 1);
    };
    std::size_t count = 0;
    for (std::size_t ahead = 1;; ahead += 2) {
      const bool has_alias = aliased(ahead);
      if (has_alias) ahead += 2;
      if (!IsConstant(ahead)) return std::nullopt;
      ++count;
      if (IsSymbol(",", ahead + 1)) continue;
      // The last item: only "alias = constant" ends at the end of the
      // statement without being read as an expression.
      if (!has_alias || !(Peek(ahead + 1).kind == TokenKind::kEnd || IsWord("INSERT", ahead + 1)))
        return std::nullopt;
      break;
    }
    Nested nested(*this);  // where the query would be
    Next();                // SELECT
    Row row;
    row.reserve(count);
    for (std::size_t item = 0; item < count; ++item) {
      if (item > 0) Next();  // ,
      if (aliased(0)) {
        Next();
        Next();
      }
      row.push_back(TakeConstant());
    }
    return row;
  }

  ExprPtr ParseExpr() {
    Nested nested(*this);
    return ParseOr();
  }

  ExprPtr ParseOr() {
    Chain chain(*this);
    ExprPtr left = ParseAnd();
    while (AcceptWord("OR")) {
      chain.Link();
      ExprPtr node = MakeExpr(ExprKind::kOr);
      node->args.push_back(std::move(left));
      node->args.push_back(ParseAnd());
      left = std::move(node);
    }
    return left;
  }

  ExprPtr ParseAnd() {
    Chain chain(*this);
    ExprPtr left = ParseNot();
    while (AcceptWord("AND")) {
      chain.Link();
      ExprPtr node = MakeExpr(ExprKind::kAnd);
      node->args.push_back(std::move(left));
      node->args.push_back(ParseNot());
      left = std::move(node);
    }
    return left;
  }

  ExprPtr ParseNot() {
    if (AcceptWord("NOT")) {
      Nested nested(*this);
      ExprPtr node = MakeExpr(ExprKind::kNot);
      node->args.push_back(ParseNot());
      return node;
    }
    return ParsePredicate();
  }

  ExprPtr ParsePredicate() {
    if (AcceptWord("EXISTS")) {
      ExpectSymbol("(");
      ExprPtr node = MakeExpr(ExprKind::kExists);
      node->query = ParseQueryExpression();
      ExpectSymbol(")");
      return node;
    }
    Chain chain(*this);
    ExprPtr left = ParseAdditive();
    while (true) {
      chain.Link();
      const Token& token = Peek();
      if (token.kind == TokenKind::kSymbol &&
          (token.text == "=" || token.text == "<>" || token.text == "!=" || token.text == "<" ||
           token.text == "<=" || token.text == ">" || token.text == ">=" || token.text == "!<" ||
           token.text == "!>")) {
        std::string op(Next().text);
        if (op == "!=") op = "<>";
        if (op == "!<") op = ">=";
        if (op == "!>") op = "<=";
        if (IsWord("ALL") || IsWord("ANY") || IsWord("SOME"))
          Unsupported("comparison with ALL/ANY/SOME");
        ExprPtr node = MakeExpr(ExprKind::kCompare);
        node->op = op;
        node->args.push_back(std::move(left));
        node->args.push_back(ParseAdditive());
        left = std::move(node);
        continue;
      }
      if (IsWord("IS")) {
        Next();
        ExprPtr node = MakeExpr(ExprKind::kIsNull);
        node->negated = AcceptWord("NOT");
        ExpectWord("NULL");
        node->args.push_back(std::move(left));
        left = std::move(node);
        continue;
      }
      bool negated = false;
      if (IsWord("NOT") && (IsWord("LIKE", 1) || IsWord("IN", 1) || IsWord("BETWEEN", 1))) {
        Next();
        negated = true;
      }
      if (AcceptWord("LIKE")) {
        ExprPtr node = MakeExpr(ExprKind::kLike);
        node->negated = negated;
        node->args.push_back(std::move(left));
        node->args.push_back(ParseAdditive());
        if (AcceptWord("ESCAPE")) Unsupported("LIKE ... ESCAPE");
        left = std::move(node);
        continue;
      }
      if (AcceptWord("IN")) {
        ExpectSymbol("(");
        ExprPtr node;
        if (IsWord("SELECT")) {
          node = MakeExpr(ExprKind::kInQuery);
          node->args.push_back(std::move(left));
          node->query = ParseQueryExpression();
        } else {
          node = MakeExpr(ExprKind::kInList);
          node->args.push_back(std::move(left));
          do {
            node->args.push_back(ParseExpr());
          } while (AcceptSymbol(","));
        }
        ExpectSymbol(")");
        node->negated = negated;
        left = std::move(node);
        continue;
      }
      if (AcceptWord("BETWEEN")) {
        ExprPtr node = MakeExpr(ExprKind::kBetween);
        node->negated = negated;
        node->args.push_back(std::move(left));
        node->args.push_back(ParseAdditive());
        ExpectWord("AND");
        node->args.push_back(ParseAdditive());
        left = std::move(node);
        continue;
      }
      return left;
    }
  }

  ExprPtr ParseAdditive() {
    Chain chain(*this);
    ExprPtr left = ParseMultiplicative();
    while (IsSymbol("+") || IsSymbol("-") || IsSymbol("&") || IsSymbol("|") || IsSymbol("^")) {
      chain.Link();
      ExprPtr node = MakeExpr(ExprKind::kArithmetic);
      node->op = Next().text;
      node->args.push_back(std::move(left));
      node->args.push_back(ParseMultiplicative());
      left = std::move(node);
    }
    return left;
  }

  ExprPtr ParseMultiplicative() {
    Chain chain(*this);
    ExprPtr left = ParseUnary();
    while (IsSymbol("*") || IsSymbol("/") || IsSymbol("%")) {
      chain.Link();
      ExprPtr node = MakeExpr(ExprKind::kArithmetic);
      node->op = Next().text;
      node->args.push_back(std::move(left));
      node->args.push_back(ParseUnary());
      left = std::move(node);
    }
    return left;
  }

  ExprPtr ParseUnary() {
    Nested nested(*this);
    if (AcceptSymbol("-")) {
      if (Peek().kind == TokenKind::kNumber) {
        ExprPtr literal = ParsePrimary();
        literal->literal = Negate(literal->literal);
        return literal;
      }
      ExprPtr node = MakeExpr(ExprKind::kNegate);
      node->args.push_back(ParseUnary());
      return node;
    }
    if (AcceptSymbol("+")) return ParseUnary();
    if (AcceptSymbol("~")) {
      ExprPtr node = MakeExpr(ExprKind::kBitNot);
      node->args.push_back(ParseUnary());
      return node;
    }
    return ParsePrimary();
  }

  ExprPtr ParsePrimary() {
    const Token& token = Peek();
    switch (token.kind) {
      case TokenKind::kNumber: {
        ExprPtr node = MakeExpr(ExprKind::kLiteral);
        node->literal = NumberLiteral(Next().text);
        return node;
      }
      case TokenKind::kBinary: {
        ExprPtr node = MakeExpr(ExprKind::kLiteral);
        const std::string hex(Next().text);
        std::string bytes;
        for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
          bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
        }
        node->literal = Value::Bytes(std::move(bytes));
        return node;
      }
      case TokenKind::kString: {
        ExprPtr node = MakeExpr(ExprKind::kLiteral);
        bool unicode = token.unicode;
        node->literal =
            Value::String(Next().text, unicode ? TypeKind::kNVarChar : TypeKind::kVarChar);
        return node;
      }
      case TokenKind::kVariable: {
        ExprPtr node = MakeExpr(ExprKind::kVariable);
        node->name = Next().text;
        if (node->name.starts_with("@@")) {
          node->kind = ExprKind::kFunction;
          node->name = node->name;
        }
        return node;
      }
      case TokenKind::kSymbol: {
        if (token.text == "(") {
          Next();
          if (IsWord("SELECT")) {
            ExprPtr node = MakeExpr(ExprKind::kSubquery);
            node->query = ParseQueryExpression();
            ExpectSymbol(")");
            return node;
          }
          ExprPtr inner = ParseExpr();
          ExpectSymbol(")");
          return inner;
        }
        if (token.text == "*") {
          Next();
          return MakeExpr(ExprKind::kStar);
        }
        SyntaxError();
      }
      case TokenKind::kEnd:
        SyntaxError();
      default:
        break;
    }
    if (IsWord("NULL")) {
      Next();
      ExprPtr node = MakeExpr(ExprKind::kLiteral);
      node->literal = Value::Null();
      return node;
    }
    if (IsWord("CASE")) return ParseCase();
    if (IsWord("CAST") || IsWord("TRY_CAST")) {
      if (IsWord("TRY_CAST")) Unsupported("TRY_CAST");
      Next();
      ExpectSymbol("(");
      ExprPtr node = MakeExpr(ExprKind::kCast);
      node->args.push_back(ParseExpr());
      ExpectWord("AS");
      node->type = WithDefaults(ParseType(), true);
      ExpectSymbol(")");
      return node;
    }
    if (IsWord("CONVERT")) {
      Next();
      ExpectSymbol("(");
      ExprPtr node = MakeExpr(ExprKind::kCast);
      node->type = WithDefaults(ParseType(), true);
      ExpectSymbol(",");
      node->args.push_back(ParseExpr());
      if (AcceptSymbol(",")) node->args.push_back(ParseExpr());
      ExpectSymbol(")");
      return node;
    }
    if ((IsWord("LEFT") || IsWord("RIGHT")) && IsSymbol("(", 1)) {
      ExprPtr node = MakeExpr(ExprKind::kFunction);
      node->name = Next().text;
      node->parts = {node->name};
      ParseArguments(*node);
      return node;
    }
    if (token.kind == TokenKind::kWord && IsReserved(token.text)) SyntaxError();
    // column reference or function call: a.b.c or a.b(...)
    std::vector<std::string> parts;
    parts.push_back(Identifier());
    while (IsSymbol(".")) {
      Next();
      if (IsSymbol(".")) {
        parts.emplace_back();
        continue;
      }
      parts.push_back(Identifier());
    }
    if (IsSymbol("(")) {
      ExprPtr node = MakeExpr(ExprKind::kFunction);
      node->name = parts.back();
      node->parts = std::move(parts);
      ParseArguments(*node);
      if (IsWord("OVER")) Unsupported("window function (OVER)");
      return node;
    }
    ExprPtr node = MakeExpr(ExprKind::kColumn);
    node->parts = std::move(parts);
    return node;
  }

  void ParseArguments(Expr& node) {
    ExpectSymbol("(");
    if (AcceptSymbol(")")) return;
    if (AcceptWord("DISTINCT")) node.distinct = true;
    do {
      node.args.push_back(ParseExpr());
    } while (AcceptSymbol(","));
    ExpectSymbol(")");
  }

  ExprPtr ParseCase() {
    ExpectWord("CASE");
    ExprPtr node = MakeExpr(ExprKind::kCase);
    if (!IsWord("WHEN")) {
      node->has_operand = true;
      node->args.push_back(ParseExpr());
    }
    if (!IsWord("WHEN")) SyntaxError();
    while (AcceptWord("WHEN")) {
      node->args.push_back(ParseExpr());
      ExpectWord("THEN");
      node->args.push_back(ParseExpr());
    }
    if (AcceptWord("ELSE")) {
      node->has_else = true;
      node->args.push_back(ParseExpr());
    }
    ExpectWord("END");
    return node;
  }

  // Nesting: every level of parentheses, subqueries, blocks and unary
  // operators, and every link of an operator, UNION or JOIN chain, makes
  // the tree one deeper. A fixed limit keeps the parser, the evaluator and
  // the tree's destruction within the stack, whatever a client sends.
  void Deeper() {
    if (++depth_ > kMaxNesting) Raise(191);
  }
  class Nested {
   public:
    explicit Nested(Parser& parser) : parser_(parser) { parser_.Deeper(); }
    ~Nested() { --parser_.depth_; }
    Nested(const Nested&) = delete;
    Nested& operator=(const Nested&) = delete;

   private:
    Parser& parser_;
  };
  // The links of a left-deep chain ("a OR b OR c", "T JOIN U JOIN V").
  class Chain {
   public:
    explicit Chain(Parser& parser) : parser_(parser) {}
    ~Chain() { parser_.depth_ -= links_; }
    Chain(const Chain&) = delete;
    Chain& operator=(const Chain&) = delete;
    void Link() {
      parser_.Deeper();
      ++links_;
    }

   private:
    Parser& parser_;
    int links_ = 0;
  };

  std::string_view text_;
  mutable TokenStream tokens_;  // reading ahead does not change what the parser has taken
  int depth_ = 0;
  // The last INSERT with a column list: its text up to the closing
  // parenthesis, and what it was read as.
  std::string_view last_target_text_;
  std::shared_ptr<const InsertTarget> last_target_;
};

}  // namespace

std::vector<StatementPtr> ParseBatch(std::string_view text) { return Parser(text).Batch(); }

ExprPtr ParseExpression(std::string_view text) { return Parser(text).SingleExpression(); }

}  // namespace quelor::sim::parser
