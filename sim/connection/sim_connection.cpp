// db::Connection on the simulated server.
#include "sim/connection/sim_connection.h"

#include <charconv>
#include <map>
#include <mutex>

#include "db/error.h"
#include "sim/catalog/transactions.h"
#include "sim/execution/executor.h"

namespace quelor::sim {

namespace {

struct ConnectionItems {
  std::string provider;
  std::string catalog;
  std::string user;
  std::string password;
  bool integrated = false;
};

std::string Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return std::string(text);
}

// Splits at ";" and line breaks. A value runs to the next ";" that starts
// another "Key=" item, so a password may hold ";".
ConnectionItems ParseConnectionText(std::string_view text) {
  static const CaseInsensitiveSet kKeys = {"Provider",
                                           "Data Source",
                                           "Server",
                                           "Initial Catalog",
                                           "Database",
                                           "User ID",
                                           "UID",
                                           "Password",
                                           "PWD",
                                           "Integrated Security",
                                           "Trusted_Connection",
                                           "Persist Security Info"};
  ConnectionItems items;
  std::size_t line_start = 0;
  while (line_start <= text.size()) {
    std::size_t line_end = text.find_first_of("\r\n", line_start);
    if (line_end == std::string_view::npos) line_end = text.size();
    std::string_view line = text.substr(line_start, line_end - line_start);
    std::size_t pos = 0;
    while (pos < line.size()) {
      std::size_t eq = line.find('=', pos);
      if (eq == std::string_view::npos) break;
      std::string key = Trimmed(line.substr(pos, eq - pos));
      std::size_t end = eq + 1;
      while (true) {
        end = line.find(';', end);
        if (end == std::string_view::npos) break;
        std::string_view rest = line.substr(end + 1);
        std::size_t next_eq = rest.find('=');
        if (Trimmed(rest).empty() ||
            (next_eq != std::string_view::npos && kKeys.contains(Trimmed(rest.substr(0, next_eq)))))
          break;
        ++end;
      }
      std::string value(line.substr(
          eq + 1, end == std::string_view::npos ? std::string_view::npos : end - eq - 1));
      if (EqualsIgnoreCase(key, "Provider"))
        items.provider = Trimmed(value);
      else if (EqualsIgnoreCase(key, "Initial Catalog") || EqualsIgnoreCase(key, "Database"))
        items.catalog = Trimmed(value);
      else if (EqualsIgnoreCase(key, "User ID") || EqualsIgnoreCase(key, "UID"))
        items.user = value;
      else if (EqualsIgnoreCase(key, "Password") || EqualsIgnoreCase(key, "PWD"))
        items.password = value;
      else if (EqualsIgnoreCase(key, "Integrated Security") ||
               EqualsIgnoreCase(key, "Trusted_Connection")) {
        std::string flag = Trimmed(value);
        items.integrated = EqualsIgnoreCase(flag, "SSPI") || EqualsIgnoreCase(flag, "true") ||
                           EqualsIgnoreCase(flag, "yes");
      }
      if (end == std::string_view::npos) break;
      pos = end + 1;
    }
    line_start = line_end + 1;
  }
  return items;
}

bool IsSqlServerProvider(const std::string& provider) {
  std::string base = provider.substr(0, provider.find('.'));
  for (const char* known :
       {"SQLOLEDB", "SQLNCLI", "SQLNCLI10", "SQLNCLI11", "MSOLEDBSQL", "MSOLEDBSQL19"}) {
    if (EqualsIgnoreCase(base, known)) return true;
  }
  return false;
}

std::string Literal(const db::Value& value) {
  struct Visitor {
    std::string operator()(std::monostate) const { return "NULL"; }
    std::string operator()(std::int64_t number) const { return std::to_string(number); }
    std::string operator()(double number) const {
      char buffer[64];
      auto result =
          std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::scientific);
      return std::string(buffer, result.ptr);
    }
    std::string operator()(const std::string& text) const {
      std::string quoted = "N'";
      for (char c : text) {
        quoted.push_back(c);
        if (c == '\'') quoted.push_back('\'');
      }
      return quoted + "'";
    }
  };
  return std::visit(Visitor{}, value);
}

std::string Bracketed(const std::string& name) {
  std::string quoted = "[";
  for (char c : name) {
    quoted.push_back(c);
    if (c == ']') quoted.push_back(']');
  }
  return quoted + "]";
}

// The server is not safe for several threads: every connection of one server
// runs its statements, connects and session ends under that server's mutex,
// so connections on several threads take turns statement by statement.
std::mutex& ServerMutex(const Server& server) {
  static std::mutex registry_mutex;
  static std::map<const Server*, std::mutex> mutexes;
  std::lock_guard lock(registry_mutex);
  return mutexes[&server];
}

}  // namespace

std::optional<std::string> FieldText(const Value& value) { return value.ToText(); }

SimConnection::~SimConnection() {
  std::lock_guard lock(ServerMutex(server_));
  EndSession();
}

void SimConnection::Close() {
  std::lock_guard lock(ServerMutex(server_));
  EndSession();
}

void SimConnection::EndSession() {
  if (open_) server_.transactions().Rollback(session_.id);
  server_.app_locks().ReleaseSession(session_.id);
  open_ = false;
}

void SimConnection::Open(const std::string& connection_text) {
  std::lock_guard lock(ServerMutex(server_));
  EndSession();
  ConnectionItems items = ParseConnectionText(connection_text);
  if (!items.provider.empty() && !IsSqlServerProvider(items.provider)) {
    throw db::Error("The provider '" + items.provider +
                    "' is not a SQL Server client, so no connection can be made. In SysDBAdo.INI, "
                    "section [Datenbank], the key Provider should name SQLOLEDB, SQLNCLI11 or "
                    "MSOLEDBSQL (for example Provider=SQLOLEDB.1).");
  }
  if (items.integrated) {
    if (!server_.IntegratedSecurityAllowed()) {
      Message message = MakeMessage(18456, {items.user});
      throw db::Error(message.text, message.number, "28000");
    }
  } else if (!server_.CheckLogin(items.user, items.password)) {
    Message message = MakeMessage(18456, {items.user});
    throw db::Error(message.text, message.number, "28000");
  }
  std::string catalog = items.catalog.empty() ? "master" : items.catalog;
  Database* database = server_.FindDatabase(catalog);
  if (database == nullptr) {
    Message message = MakeMessage(4060, {catalog});
    throw db::Error(message.text, message.number, "42000");
  }
  session_ = Session{};
  session_.server = &server_;
  session_.database = database->name();
  open_ = true;
}

std::vector<Relation> SimConnection::RunChecked(const std::string& text) {
  if (!open_) throw db::Error("The connection is not open.");
  BatchResult result = RunBatch(session_, text);
  last_messages_ = result.errors;
  if (!result.errors.empty())
    throw db::Error(result.errors.front().text, result.errors.front().number);
  return std::move(result.result_sets);
}

void SimConnection::Execute(const std::string& text) {
  std::lock_guard lock(ServerMutex(server_));
  RunChecked(text);
}

db::ResultSet SimConnection::Query(const std::string& text) {
  // Held until the results, which may share rows with the tables, are gone.
  std::lock_guard lock(ServerMutex(server_));
  std::vector<Relation> results = RunChecked(text);
  if (results.empty()) return db::ResultSet();
  Relation& first = results.front();
  std::vector<std::string> columns;
  for (const BoundColumn& column : first.columns) columns.push_back(column.name);
  std::vector<db::ResultSet::Row> rows;
  rows.reserve(first.rows.size());
  for (const Row& row : first.rows) {
    db::ResultSet::Row fields;
    fields.reserve(row.size());
    for (const Value& value : row) fields.push_back(FieldText(value));
    rows.push_back(std::move(fields));
  }
  return db::ResultSet(std::move(columns), std::move(rows));
}

void SimConnection::InsertRow(const std::string& table,
                              const std::vector<db::ColumnValue>& values) {
  // The values go in as literals of their own type, never as spliced text:
  // quotes are doubled, so the row arrives exactly as given.
  std::string names;
  std::string literals;
  for (const db::ColumnValue& value : values) {
    names += (names.empty() ? "" : ", ") + Bracketed(value.column);
    literals += (literals.empty() ? "" : ", ") + Literal(value.value);
  }
  std::lock_guard lock(ServerMutex(server_));
  RunChecked("INSERT INTO " + Bracketed(table) + " (" + names + ") VALUES (" + literals + ")");
}

}  // namespace quelor::sim
