#include "sim/snapshot/snapshot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>

#include "platform/utf8_path.h"
#include "sim/common/case_insensitive_map.h"
#include "sim/common/date_time.h"
#include "sim/common/errors.h"
#include "sim/parser/parser.h"

namespace quelor::sim {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

constexpr const char* kFormatName = "quelor-simulated-server";
// 2: tables may name the database whose rows they share ("rows_same_as");
// version 1 files are read as before.
constexpr int kFormatVersion = 2;

// --- Writing ---------------------------------------------------------------

// JSON text of `j`. Text that is not UTF-8 (a client can store such bytes
// in-process) is written with U+FFFD in place of the broken bytes rather
// than losing the whole snapshot.
template <typename J>
std::string Dumped(const J& j) {
  return j.dump(-1, ' ', false, J::error_handler_t::replace);
}

std::string HexOf(std::string_view bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out = "0x";
  for (unsigned char c : bytes) {
    out.push_back(kDigits[c >> 4]);
    out.push_back(kDigits[c & 15]);
  }
  return out;
}

ordered_json ValueJson(const Value& value) {
  if (value.is_null()) return nullptr;
  const TypeKind kind = value.kind();
  if (IsIntegerKind(kind) || kind == TypeKind::kBit) return value.integer();
  if (kind == TypeKind::kFloat || kind == TypeKind::kReal) return value.number();
  if (IsBinaryKind(kind)) return HexOf(value.text());
  // Decimals and money as text keep every digit; datetimes in their ODBC form.
  return *value.ToText();
}

ordered_json KeyJson(const KeyConstraint& key) {
  ordered_json j;
  j["name"] = key.name;
  j["clustered"] = key.clustered;
  j["columns"] = key.columns;
  j["index_id"] = key.index_id;
  return j;
}

ordered_json ColumnJson(const Column& column) {
  ordered_json j;
  j["name"] = column.name;
  j["type"] = TypeDeclaration(column.type);
  j["nullable"] = column.nullable;
  if (column.identity) {
    ordered_json identity;
    identity["seed"] = column.identity->seed;
    identity["increment"] = column.identity->increment;
    identity["current"] =
        column.identity->current ? json(*column.identity->current) : json(nullptr);
    j["identity"] = identity;
  }
  return j;
}

// Writes `items` as a JSON array with one compact element per line.
template <typename Items, typename ToJson>
void WriteLines(std::ostream& out, const char* indent, const Items& items, ToJson&& to_json) {
  if (items.empty()) {
    out << "[]";
    return;
  }
  out << "[\n";
  for (std::size_t i = 0; i < items.size(); ++i) {
    out << indent << "  " << Dumped(to_json(items[i])) << (i + 1 < items.size() ? ",\n" : "\n");
  }
  out << indent << "]";
}

// Big tables whose rows are the same in several databases (the reference
// data every club database holds) are written once; later databases name the
// first one instead.
class SharedRows {
 public:
  // The database written before whose table of this name has the same
  // columns and rows, or nullptr (and this one is remembered).
  const std::string* Find(const Table& table, const std::string& rows,
                          const std::string& database) {
    if (table.rows.size() < kSharedFrom) return nullptr;
    std::string columns;
    for (const Column& column : table.columns) columns += Dumped(ColumnJson(column));
    auto& seen = seen_[FoldCase(table.name)];
    for (const Entry& entry : seen) {
      if (entry.columns == columns && entry.rows == rows) return &entry.database;
    }
    seen.push_back(Entry{database, std::move(columns), rows});
    return nullptr;
  }

 private:
  static constexpr std::size_t kSharedFrom = 100;
  struct Entry {
    std::string database;
    std::string columns;
    std::string rows;
  };
  std::map<std::string, std::vector<Entry>> seen_;
};

void WriteTable(std::ostream& out, const Table& table, SharedRows* shared = nullptr,
                const std::string& database = {}) {
  const char* in = "        ";
  out << "      {\n";
  out << in << "\"name\": " << Dumped(json(table.name)) << ",\n";
  out << in << "\"columns\": ";
  WriteLines(out, in, table.columns, ColumnJson);
  out << ",\n"
      << in
      << "\"primary_key\": " << (table.primary_key ? Dumped(KeyJson(*table.primary_key)) : "null")
      << ",\n";
  out << in << "\"unique_constraints\": ";
  WriteLines(out, in, table.unique_constraints, KeyJson);
  out << ",\n" << in << "\"foreign_keys\": ";
  WriteLines(out, in, table.foreign_keys, [](const ForeignKey& fk) {
    ordered_json j;
    j["name"] = fk.name;
    j["columns"] = fk.columns;
    j["references"] = fk.referenced_table;
    j["referenced_columns"] = fk.referenced_columns;
    j["on_delete_cascade"] = fk.cascade_delete;
    j["on_update_cascade"] = fk.cascade_update;
    j["checked"] = fk.checked;
    return j;
  });
  out << ",\n" << in << "\"defaults\": ";
  WriteLines(out, in, table.defaults, [](const DefaultConstraint& d) {
    ordered_json j;
    j["name"] = d.name;
    j["column"] = d.column;
    j["definition"] = d.definition;
    return j;
  });
  out << ",\n" << in << "\"indexes\": ";
  WriteLines(out, in, table.indexes, [](const Index& index) {
    ordered_json j;
    j["name"] = index.name;
    j["columns"] = index.columns;
    j["unique"] = index.unique;
    j["clustered"] = index.clustered;
    j["index_id"] = index.index_id;
    return j;
  });
  std::ostringstream rows;
  WriteLines(rows, in, table.rows, [](const Row& row) {
    ordered_json j = ordered_json::array();
    for (const Value& v : row) j.push_back(ValueJson(v));
    return j;
  });
  const std::string* same_as = shared ? shared->Find(table, rows.str(), database) : nullptr;
  if (same_as != nullptr) {
    out << ",\n" << in << "\"rows_same_as\": " << Dumped(json(*same_as));
  } else {
    out << ",\n" << in << "\"rows\": " << rows.str();
  }
  out << "\n      }";
}

// Tables and functions in the order of their names: a table that a script
// drops and creates again on every run keeps its place in the snapshot.
template <typename T>
std::vector<const T*> ByName(const std::vector<std::unique_ptr<T>>& objects) {
  std::vector<const T*> sorted;
  for (const auto& object : objects) sorted.push_back(object.get());
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const T* a, const T* b) { return FoldCase(a->name) < FoldCase(b->name); });
  return sorted;
}

// --- Reading -----------------------------------------------------------------

[[noreturn]] void Invalid(const std::string& where, const std::string& what) {
  throw std::runtime_error("Invalid snapshot at " + where + ": " + what);
}

SqlType ParseType(const std::string& declaration, const std::string& where) {
  const std::size_t open = declaration.find('(');
  std::optional<SqlType> type = TypeFromName(declaration.substr(0, open));
  if (!type) Invalid(where, "unknown type '" + declaration + "'");
  SqlType t = *type;
  if (open == std::string::npos) return WithDefaults(t, false);
  const std::size_t close = declaration.find(')', open);
  if (close == std::string::npos) Invalid(where, "type '" + declaration + "'");
  const std::string args = declaration.substr(open + 1, close - open - 1);
  const std::size_t comma = args.find(',');
  const std::string first = args.substr(0, comma);
  try {
    if (HasLength(t.kind)) {
      t.length = EqualsIgnoreCase(first, "max") ? -1 : std::stoi(first);
    } else if (t.kind == TypeKind::kDecimal) {
      t.precision = std::stoi(first);
      t.scale = comma == std::string::npos ? 0 : std::stoi(args.substr(comma + 1));
    }
  } catch (const std::exception&) {
    Invalid(where, "type '" + declaration + "'");
  }
  const bool length_fits = t.length == -1 || (t.length >= 1 && t.length <= 8000);
  const bool digits_fit =
      t.precision >= 1 && t.precision <= 38 && t.scale >= 0 && t.scale <= t.precision;
  if ((HasLength(t.kind) && !length_fits) || (t.kind == TypeKind::kDecimal && !digits_fit)) {
    Invalid(where, "type '" + declaration + "'");
  }
  return t;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string BytesOfHex(const std::string& hex, const std::string& where) {
  if (hex.size() < 2 || hex.size() % 2 != 0 || hex.compare(0, 2, "0x") != 0) {
    Invalid(where, "binary value '" + hex + "'");
  }
  std::string bytes;
  bytes.reserve(hex.size() / 2 - 1);
  for (std::size_t i = 2; i < hex.size(); i += 2) {
    const int high = HexDigit(hex[i]);
    const int low = HexDigit(hex[i + 1]);
    if (high < 0 || low < 0) Invalid(where, "binary value '" + hex + "'");
    bytes.push_back(static_cast<char>(high * 16 + low));
  }
  return bytes;
}

std::int64_t LowestOf(TypeKind kind) {
  switch (kind) {
    case TypeKind::kBit:
    case TypeKind::kTinyInt:
      return 0;
    case TypeKind::kSmallInt:
      return -32768;
    case TypeKind::kInt:
      return -2147483648LL;
    default:
      return std::numeric_limits<std::int64_t>::min();
  }
}

std::int64_t HighestOf(TypeKind kind) {
  switch (kind) {
    case TypeKind::kBit:
      return 1;
    case TypeKind::kTinyInt:
      return 255;
    case TypeKind::kSmallInt:
      return 32767;
    case TypeKind::kInt:
      return 2147483647LL;
    default:
      return std::numeric_limits<std::int64_t>::max();
  }
}

// A value as the column holds it, or a refusal naming the place: a snapshot
// is read back exactly as it was written, so anything the column could not
// hold (out of range, too many decimals, too long, no hexadecimal) was
// changed by hand and is not taken silently.
Value ValueOf(const json& j, const Column& column, const std::string& where) {
  const SqlType& type = column.type;
  if (j.is_null()) return Value::Null(type);
  const auto refuse = [&](const std::string& what) {
    Invalid(where, what + " for " + TypeDeclaration(type));
  };
  try {
    if (IsIntegerKind(type.kind)) {
      if (!j.is_number_integer()) refuse("the value " + j.dump() + " is no whole number");
      if (j.is_number_unsigned() &&
          j.get<std::uint64_t>() > static_cast<std::uint64_t>(HighestOf(type.kind))) {
        refuse("the value " + j.dump() + " is out of range");
      }
      const std::int64_t number = j.get<std::int64_t>();
      if (number < LowestOf(type.kind) || number > HighestOf(type.kind)) {
        refuse("the value " + j.dump() + " is out of range");
      }
      return Value::Integer(number, type.kind);
    }
    if (type.kind == TypeKind::kFloat || type.kind == TypeKind::kReal) {
      if (!j.is_number()) refuse("the value " + j.dump() + " is no number");
      const double number = j.get<double>();
      if (type.kind == TypeKind::kReal && std::abs(number) > std::numeric_limits<float>::max()) {
        refuse("the value " + j.dump() + " is out of range");
      }
      return Value::Float(number, type.kind);
    }
    if (!j.is_string()) refuse("the value " + j.dump() + " is no text");
    const std::string text = j.get<std::string>();
    if (IsBinaryKind(type.kind)) {
      std::string bytes = BytesOfHex(text, where);
      if (type.length > 0 && bytes.size() > static_cast<std::size_t>(type.length))
        refuse("the value is too long");
      return Value::Bytes(std::move(bytes), type.kind);
    }
    if (type.kind == TypeKind::kDecimal || type.kind == TypeKind::kMoney) {
      const Value number = NumberLiteral(text);
      const int scale = type.kind == TypeKind::kMoney ? 4 : type.scale;
      if (number.kind() == TypeKind::kFloat ||
          (number.kind() == TypeKind::kDecimal && number.type().scale > scale)) {
        refuse("the value '" + text + "' does not keep its digits");
      }
      return Convert(number, type, ConversionContext{});
    }
    if (IsDateKind(type.kind)) {
      return Value::DateTime(ParseDateTime(text, DateFormat::kYmd, type.kind), type.kind);
    }
    if (type.length > 0 && CharacterCount(text) > static_cast<std::size_t>(type.length)) {
      refuse("the value is too long");
    }
    return Value::String(text, type);
  } catch (const json::exception& e) {
    Invalid(where, e.what());
  } catch (const SqlError& e) {
    Invalid(where, e.what());
  }
}

KeyConstraint KeyOf(const json& j, bool primary) {
  KeyConstraint key;
  key.name = j.at("name").get<std::string>();
  key.primary = primary;
  key.clustered = j.at("clustered").get<bool>();
  key.columns = j.at("columns").get<std::vector<std::string>>();
  key.index_id = j.at("index_id").get<int>();
  return key;
}

Column ColumnOf(const json& c, const std::string& where) {
  Column column;
  column.name = c.at("name").get<std::string>();
  column.type = ParseType(c.at("type").get<std::string>(), where + " column " + column.name);
  column.nullable = c.at("nullable").get<bool>();
  if (c.contains("identity")) {
    const json& identity = c.at("identity");
    Identity id;
    id.seed = identity.at("seed").get<std::int64_t>();
    id.increment = identity.at("increment").get<std::int64_t>();
    if (!identity.at("current").is_null()) id.current = identity.at("current").get<std::int64_t>();
    column.identity = id;
  }
  return column;
}

// One row of `columns` from its JSON array; `where` names the row.
Row RowOf(const json& r, const std::vector<Column>& columns, const std::string& where) {
  if (!r.is_array() || r.size() != columns.size()) {
    Invalid(where, "expected " + std::to_string(columns.size()) + " values");
  }
  Row row;
  row.reserve(r.size());
  for (std::size_t c = 0; c < r.size(); ++c) {
    row.push_back(ValueOf(r[c], columns[c], where + " column " + columns[c].name));
  }
  return row;
}

// The table of `j` into `database`. `rows` are its rows when they were read
// while the file streamed by (then `j` holds none); a table that shares the
// rows of an earlier database's table names it in "rows_same_as".
void ReadTable(const json& j, Database& database, const std::string& where, std::vector<Row> rows) {
  auto table = std::make_unique<Table>();
  table->name = j.at("name").get<std::string>();
  const std::string here = where + " table " + table->name;
  table->id = database.server().NextObjectId();
  for (const json& c : j.at("columns")) table->columns.push_back(ColumnOf(c, here));
  if (!j.at("primary_key").is_null()) {
    table->primary_key = KeyOf(j.at("primary_key"), true);
    table->primary_key->id = database.server().NextObjectId();
  }
  for (const json& u : j.at("unique_constraints")) {
    table->unique_constraints.push_back(KeyOf(u, false));
    table->unique_constraints.back().id = database.server().NextObjectId();
  }
  for (const json& f : j.at("foreign_keys")) {
    ForeignKey fk;
    fk.name = f.at("name").get<std::string>();
    fk.columns = f.at("columns").get<std::vector<std::string>>();
    fk.referenced_table = f.at("references").get<std::string>();
    fk.referenced_columns = f.at("referenced_columns").get<std::vector<std::string>>();
    fk.cascade_delete = f.at("on_delete_cascade").get<bool>();
    fk.cascade_update = f.at("on_update_cascade").get<bool>();
    fk.checked = f.at("checked").get<bool>();
    fk.id = database.server().NextObjectId();
    table->foreign_keys.push_back(std::move(fk));
  }
  for (const json& d : j.at("defaults")) {
    DefaultConstraint def;
    def.name = d.at("name").get<std::string>();
    def.column = d.at("column").get<std::string>();
    def.definition = d.at("definition").get<std::string>();
    try {
      parser::ParseExpression(def.definition);
    } catch (const SqlError& e) {
      Invalid(here + " default " + def.name, e.what());
    }
    def.id = database.server().NextObjectId();
    table->defaults.push_back(std::move(def));
  }
  for (const json& i : j.at("indexes")) {
    Index index;
    index.name = i.at("name").get<std::string>();
    index.columns = i.at("columns").get<std::vector<std::string>>();
    index.unique = i.at("unique").get<bool>();
    index.clustered = i.at("clustered").get<bool>();
    index.index_id = i.at("index_id").get<int>();
    table->indexes.push_back(std::move(index));
  }
  if (j.contains("rows_same_as")) {
    const std::string source = j.at("rows_same_as").get<std::string>();
    const Database* other = database.server().FindDatabase(source);
    const Table* same =
        other != nullptr && other != &database ? other->FindTable(table->name) : nullptr;
    if (same == nullptr)
      Invalid(here, "no table " + table->name + " in database " + source + " before it");
    if (same->columns.size() != table->columns.size())
      Invalid(here, "other columns than in " + source);
    for (std::size_t c = 0; c < same->columns.size(); ++c) {
      if (TypeDeclaration(same->columns[c].type) != TypeDeclaration(table->columns[c].type)) {
        Invalid(here, "other columns than in " + source);
      }
    }
    table->rows.ShareWith(same->rows);  // until either is changed
  } else if (j.contains("rows") && !j.at("rows").empty()) {
    std::size_t row_number = 0;
    for (const json& r : j.at("rows")) {
      table->rows.push_back(
          RowOf(r, table->columns, here + " row " + std::to_string(++row_number)));
    }
  } else {
    table->rows = std::move(rows);
  }
  table->InvalidateKeys();
  database.AddTable(std::move(table));
}

void ReadFunction(const json& j, Database& database, const std::string& where) {
  const std::string definition = j.at("definition").get<std::string>();
  std::vector<parser::StatementPtr> statements;
  try {
    statements = parser::ParseBatch(definition);
  } catch (const SqlError& e) {
    Invalid(where, e.what());
  }
  const auto* create =
      statements.size() == 1 ? std::get_if<parser::CreateFunction>(&statements[0]->node) : nullptr;
  if (create == nullptr) Invalid(where, "the definition is not one CREATE FUNCTION");
  Function function;
  function.name = j.at("name").get<std::string>();
  function.id = database.server().NextObjectId();
  function.kind =
      create->definition->inline_table ? Function::Kind::kInlineTable : Function::Kind::kScalar;
  function.definition = definition;
  function.parsed = create->definition;
  database.AddFunction(std::move(function));
}

}  // namespace

void WriteSnapshot(const Server& server, std::ostream& out) {
  out << "{\n  \"format\": \"" << kFormatName << "\",\n  \"version\": " << kFormatVersion
      << ",\n  \"databases\": [";
  bool first_database = true;
  SharedRows shared;
  for (const auto& database : server.databases()) {
    if (EqualsIgnoreCase(database->name(), "master")) continue;
    out << (first_database ? "\n" : ",\n") << "    {\n";
    first_database = false;
    out << "      \"name\": " << Dumped(json(database->name())) << ",\n";
    out << "      \"functions\": ";
    WriteLines(out, "      ", ByName(database->functions()), [](const Function* f) {
      ordered_json j;
      j["name"] = f->name;
      j["kind"] = f->kind == Function::Kind::kInlineTable ? "inline_table" : "scalar";
      j["definition"] = f->definition;
      return j;
    });
    out << ",\n      \"tables\": [";
    const std::vector<const Table*> tables = ByName(database->tables());
    for (std::size_t t = 0; t < tables.size(); ++t) {
      out << "\n";
      WriteTable(out, *tables[t], &shared, database->name());
      if (t + 1 < tables.size()) out << ",";
    }
    out << (tables.empty() ? "]" : "\n      ]") << "\n    }";
  }
  out << (first_database ? "]" : "\n  ]") << "\n}\n";
}

namespace {

// The table's snapshot text, split where its rows begin.
// The identity's last value counts with the rows: a table whose rows were
// deleted and inserted again has the same schema but other row numbers.
std::pair<std::string, std::string> SchemaAndRows(const Table& table) {
  Table without_state;
  without_state.name = table.name;
  without_state.columns = table.columns;
  std::string identity_state;
  for (Column& column : without_state.columns) {
    if (!column.identity) continue;
    identity_state += column.identity->current ? std::to_string(*column.identity->current) : "-";
    column.identity->current.reset();
  }
  without_state.primary_key = table.primary_key;
  without_state.unique_constraints = table.unique_constraints;
  without_state.foreign_keys = table.foreign_keys;
  without_state.defaults = table.defaults;
  without_state.indexes = table.indexes;
  std::ostringstream schema;
  WriteTable(schema, without_state);
  std::ostringstream rows;
  WriteLines(rows, "", table.rows, [](const Row& row) {
    ordered_json j = ordered_json::array();
    for (const Value& v : row) j.push_back(ValueJson(v));
    return j;
  });
  return {schema.str(), identity_state + rows.str()};
}

}  // namespace

std::vector<std::string> DiffServers(const Server& first, const Server& second) {
  std::vector<std::string> lines;
  auto only = [&](const std::string& what, bool in_first) {
    lines.push_back(what + (in_first ? ": only in the first" : ": only in the second"));
  };
  for (const auto& a : first.databases()) {
    const Database* b = second.FindDatabase(a->name());
    if (b == nullptr) only(a->name(), true);
  }
  for (const auto& b : second.databases()) {
    const Database* a = first.FindDatabase(b->name());
    if (a == nullptr) {
      only(b->name(), false);
      continue;
    }
    const std::string prefix = b->name() + ".";
    for (const Table* ta : ByName(a->tables())) {
      if (b->FindTable(ta->name) == nullptr) only(prefix + ta->name, true);
    }
    for (const Table* tb : ByName(b->tables())) {
      const Table* ta = a->FindTable(tb->name);
      if (ta == nullptr) {
        only(prefix + tb->name, false);
        continue;
      }
      const auto [schema_a, rows_a] = SchemaAndRows(*ta);
      const auto [schema_b, rows_b] = SchemaAndRows(*tb);
      if (schema_a != schema_b) lines.push_back(prefix + tb->name + ": schema differs");
      if (rows_a != rows_b) lines.push_back(prefix + tb->name + ": rows differ");
    }
    for (const Function* fa : ByName(a->functions())) {
      if (b->FindFunction(fa->name) == nullptr) only(prefix + fa->name, true);
    }
    for (const Function* fb : ByName(b->functions())) {
      const Function* fa = a->FindFunction(fb->name);
      if (fa == nullptr)
        only(prefix + fb->name, false);
      else if (fa->definition != fb->definition)
        lines.push_back(prefix + fb->name + ": definition differs");
    }
  }
  return lines;
}

std::string SnapshotText(const Server& server) {
  std::ostringstream out;
  WriteSnapshot(server, out);
  return out.str();
}

namespace {

// Reads a snapshot as it streams by: each row is turned into values and
// dropped from the JSON document at once, each table and database is added
// to the server when its end is read, so neither the file's text nor a
// document of all its rows is ever held whole.
class StreamingReader {
 public:
  explicit StreamingReader(Server& server) : server_(server) {}

  bool operator()(int depth, json::parse_event_t event, json& parsed) {
    using Event = json::parse_event_t;
    if (event == Event::key) {
      if (keys_.size() <= static_cast<std::size_t>(depth))
        keys_.resize(static_cast<std::size_t>(depth) + 1);
      keys_[static_cast<std::size_t>(depth)] = parsed.get<std::string>();
      return true;
    }
    const bool in_databases = Key(1) == "databases";
    const bool in_tables = in_databases && Key(3) == "tables";
    if (depth == 1 && event == Event::value) {
      if (Key(1) == "format")
        format_ok_ = parsed.is_string() && parsed.get<std::string>() == kFormatName;
      if (Key(1) == "version") {
        version_ok_ = parsed.is_number_integer() && (parsed.get<std::int64_t>() == 1 ||
                                                     parsed.get<std::int64_t>() == kFormatVersion);
      }
    } else if (depth == 1 && event == Event::array_start && Key(1) == "databases") {
      if (!format_ok_) Invalid("the top", "not a snapshot of the simulated server");
      if (!version_ok_) Invalid("the top", "unknown version");
    } else if (depth == 2 && event == Event::object_start && in_databases) {
      database_ = nullptr;
    } else if (depth == 3 && event == Event::value && in_databases && Key(3) == "name") {
      const std::string name = parsed.get<std::string>();
      if (server_.FindDatabase(name) != nullptr) Invalid("database " + name, "it exists already");
      database_ = &server_.CreateDatabase(name);
    } else if (depth == 4 && event == Event::object_start && in_tables) {
      if (database_ == nullptr) Invalid("a database", "its name must come before its tables");
      columns_.reset();
      rows_.clear();
      table_name_ = "?";
    } else if (depth == 5 && event == Event::value && in_tables && Key(5) == "name") {
      table_name_ = parsed.is_string() ? parsed.get<std::string>() : std::string("?");
    } else if (depth == 5 && event == Event::array_end && in_tables && Key(5) == "columns") {
      std::vector<Column> columns;
      for (const json& c : parsed) columns.push_back(ColumnOf(c, TableWhere()));
      columns_ = std::move(columns);
    } else if (depth == 6 && event == Event::array_end && in_tables && Key(5) == "rows" &&
               columns_) {
      rows_.push_back(
          RowOf(parsed, *columns_, TableWhere() + " row " + std::to_string(rows_.size() + 1)));
      return false;  // the row is in rows_; the document need not keep it
    } else if (depth == 4 && event == Event::object_end && in_tables) {
      ReadTable(parsed, *database_, "database " + database_->name(), std::move(rows_));
      rows_.clear();
      return false;
    } else if (depth == 2 && event == Event::object_end && in_databases) {
      if (database_ == nullptr) Invalid("a database", "it has no name");
      for (const json& f : parsed.at("functions")) {
        ReadFunction(f, *database_,
                     "database " + database_->name() + " function " + f.value("name", "?"));
      }
      return false;
    }
    return true;
  }

  void Finish(const json& document) const {
    if (!document.is_object() || !document.contains("databases")) {
      if (!format_ok_) Invalid("the top", "not a snapshot of the simulated server");
      if (!version_ok_) Invalid("the top", "unknown version");
      Invalid("the top", "no databases");
    }
  }

 private:
  std::string_view Key(std::size_t depth) const {
    return depth < keys_.size() ? std::string_view(keys_[depth]) : std::string_view();
  }
  std::string TableWhere() const {
    return "database " + database_->name() + " table " + table_name_;
  }

  Server& server_;
  std::vector<std::string> keys_;
  bool format_ok_ = false;
  bool version_ok_ = false;
  Database* database_ = nullptr;
  std::optional<std::vector<Column>> columns_;
  std::vector<Row> rows_;
  std::string table_name_;
};

template <typename Input>
void ReadStreaming(Input&& input, Server& server) {
  StreamingReader reader(server);
  try {
    const json document = json::parse(std::forward<Input>(input), std::ref(reader));
    reader.Finish(document);
  } catch (const json::exception& e) {  // also a number beyond any double
    throw std::runtime_error(std::string("Invalid snapshot: ") + e.what());
  }
}

}  // namespace

void ReadSnapshot(std::string_view text, Server& server) { ReadStreaming(text, server); }

void SaveSnapshot(const Server& server, const std::string& path) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(platform::PathFromUtf8(temporary), std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("Cannot write the snapshot file " + temporary);
    WriteSnapshot(server, out);
    out.flush();
    if (!out) throw std::runtime_error("Cannot write the snapshot file " + temporary);
  }
  // std::filesystem::rename replaces an existing file on Windows too, where
  // std::rename refuses to.
  std::error_code error;
  std::filesystem::rename(platform::PathFromUtf8(temporary), platform::PathFromUtf8(path), error);
  if (error) {
    throw std::runtime_error("Cannot replace the snapshot file " + path + ": " + error.message());
  }
}

void LoadSnapshot(const std::string& path, Server& server) {
  std::ifstream in(platform::PathFromUtf8(path), std::ios::binary);
  if (!in) throw std::runtime_error("Cannot read the snapshot file " + path);
  ReadStreaming(in, server);
}

}  // namespace quelor::sim
