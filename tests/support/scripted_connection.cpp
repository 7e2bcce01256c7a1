#include "support/scripted_connection.h"

#include "db/trace_connection.h"

namespace quelor::testing {

db::ResultSet Column(const std::string& name,
                     const std::vector<std::optional<std::string>>& values) {
  std::vector<db::ResultSet::Row> rows;
  for (const auto& v : values) rows.push_back({v});
  return db::ResultSet({name}, std::move(rows));
}

void ScriptedConnection::Answer(std::string fragment, db::ResultSet result) {
  answers_.emplace_back(std::move(fragment), std::move(result));
}

void ScriptedConnection::Fail(std::string fragment, std::string text, std::string sql_state) {
  failures_.emplace_back(std::move(fragment), db::Error(text, 0, std::move(sql_state)));
}

void ScriptedConnection::FailOpen(std::string database, std::string text) {
  open_failures_[std::move(database)] = std::move(text);
}

void ScriptedConnection::Open(const std::string& connection_text) {
  open_ = false;
  database_ = db::CatalogOf(connection_text);
  transcript_.Add(name_ + " open " + database_);
  auto failure = open_failures_.find(database_);
  if (failure != open_failures_.end()) throw db::Error(failure->second);
  open_ = true;
}

void ScriptedConnection::Close() { open_ = false; }

void ScriptedConnection::MaybeFail(const std::string& text) {
  for (const auto& [fragment, error] : failures_) {
    if (text.find(fragment) != std::string::npos) throw error;
  }
}

void ScriptedConnection::Execute(const std::string& text) {
  transcript_.Add(name_ + " execute " + text);
  MaybeFail(text);
}

db::ResultSet ScriptedConnection::Query(const std::string& text) {
  transcript_.Add(name_ + " query " + text);
  MaybeFail(text);
  for (auto it = answers_.rbegin(); it != answers_.rend(); ++it) {
    if (text.find(it->first) != std::string::npos) return it->second;
  }
  return {};
}

void ScriptedConnection::InsertRow(const std::string& table, const std::vector<db::ColumnValue>&) {
  transcript_.Add(name_ + " insert " + table);
  MaybeFail("INSERT INTO " + table);
}

}  // namespace quelor::testing
