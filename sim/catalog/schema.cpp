// The server model: lookups by name and the lazily built key sets.
#include "sim/catalog/schema.h"

#include <algorithm>
#include <atomic>

#include "sim/catalog/row_sharing.h"
#include "sim/catalog/transactions.h"

namespace quelor::sim {

std::uint64_t Rows::ContentHash() const {
  if (!hash_) {
    std::uint64_t hash = rows_->size();
    for (const Row& row : *rows_) {
      hash = hash * 1099511628211ULL + row.size();
      for (const Value& value : row) hash = hash * 1099511628211ULL + StoredHash(value);
    }
    hash_ = hash;
  }
  return *hash_;
}

int Table::ColumnIndex(std::string_view column_name) const {
  // `columns` is changed in place by schema changes; the map of positions is
  // checked against it on every hit and built anew when it no longer fits.
  // A name the map does not know is looked for among the columns themselves
  // (probes ask for missing columns often), and only a column found there
  // rebuilds the map.
  if (column_positions_.size() == columns.size()) {
    const auto found = column_positions_.find(column_name);
    if (found != column_positions_.end()) {
      const auto position = static_cast<std::size_t>(found->second);
      if (position < columns.size() && EqualsIgnoreCase(columns[position].name, column_name))
        return found->second;
    } else if (std::none_of(columns.begin(), columns.end(), [&](const Column& column) {
                 return EqualsIgnoreCase(column.name, column_name);
               })) {
      return -1;
    }
  }
  column_positions_.clear();
  for (std::size_t i = 0; i < columns.size(); ++i)
    column_positions_.emplace(columns[i].name, static_cast<int>(i));
  const auto found = column_positions_.find(column_name);
  if (found == column_positions_.end()) return -1;
  return found->second;
}

const DefaultConstraint* Table::DefaultFor(std::string_view column_name) const {
  for (const DefaultConstraint& constraint : defaults) {
    if (EqualsIgnoreCase(constraint.column, column_name)) return &constraint;
  }
  return nullptr;
}

int Table::IdentityColumn() const {
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (columns[i].identity) return static_cast<int>(i);
  }
  return -1;
}

bool Table::HasClusteredIndex() const {
  if (primary_key && primary_key->clustered) return true;
  for (const KeyConstraint& key : unique_constraints) {
    if (key.clustered) return true;
  }
  return std::any_of(indexes.begin(), indexes.end(),
                     [](const Index& index) { return index.clustered; });
}

int Table::NextIndexId() const {
  int highest = 1;
  if (primary_key) highest = std::max(highest, primary_key->index_id);
  for (const KeyConstraint& key : unique_constraints) highest = std::max(highest, key.index_id);
  for (const Index& index : indexes) highest = std::max(highest, index.index_id);
  return highest + 1;
}

void Rows::Replace(const std::vector<std::size_t>& positions, std::vector<Row>& replacements) {
  hash_.reset();
  if (rows_.use_count() == 1) {
    for (std::size_t i = 0; i < positions.size(); ++i)
      (*rows_)[positions[i]] = std::move(replacements[i]);
    return;
  }
  auto own = std::make_shared<Vector>(rows_->size());
  std::vector<bool> replaced(rows_->size(), false);
  for (std::size_t i = 0; i < positions.size(); ++i) {
    (*own)[positions[i]] = std::move(replacements[i]);
    replaced[positions[i]] = true;
  }
  for (std::size_t i = 0; i < rows_->size(); ++i) {
    if (!replaced[i]) (*own)[i] = (*rows_)[i];
  }
  rows_ = std::move(own);
}

std::string Table::KeyOf(const Row& row, const std::vector<int>& positions) {
  std::string key;
  for (int position : positions) {
    AppendKeyText(key, row[static_cast<std::size_t>(position)]);
    key.push_back('\x1f');
  }
  return key;
}

std::uint64_t Table::NextVersion() {
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}

std::vector<Table::UniqueKey>& Table::UniqueKeys() {
  if (keys_valid_) return unique_keys_;
  unique_keys_.clear();
  auto add = [&](const std::string& key_name, const std::vector<std::string>& key_columns,
                 bool is_constraint, bool primary) {
    UniqueKey key;
    key.name = key_name;
    key.is_constraint = is_constraint;
    key.primary = primary;
    for (const std::string& column : key_columns) key.positions.push_back(ColumnIndex(column));
    for (const Row& row : rows) key.keys.insert(KeyOf(row, key.positions));
    unique_keys_.push_back(std::move(key));
  };
  if (primary_key) add(primary_key->name, primary_key->columns, true, true);
  for (const KeyConstraint& constraint : unique_constraints)
    add(constraint.name, constraint.columns, true, false);
  for (const Index& index : indexes) {
    if (index.unique) add(index.name, index.columns, false, false);
  }
  keys_valid_ = true;
  return unique_keys_;
}

std::vector<std::vector<int>> Table::UniqueKeyPositions() const {
  std::vector<std::vector<int>> keys;
  auto add = [&](const std::vector<std::string>& key_columns) {
    std::vector<int>& positions = keys.emplace_back();
    for (const std::string& column : key_columns) positions.push_back(ColumnIndex(column));
  };
  if (primary_key) add(primary_key->columns);
  for (const KeyConstraint& constraint : unique_constraints) add(constraint.columns);
  for (const Index& index : indexes) {
    if (index.unique) add(index.columns);
  }
  return keys;
}

Table* Database::FindTable(std::string_view table_name) const {
  auto found = table_index_.find(table_name);
  return found == table_index_.end() ? nullptr : found->second;
}

Table& Database::AddTable(std::unique_ptr<Table> table) {
  Table& added = *table;
  table_index_[added.name] = &added;
  tables_.push_back(std::move(table));
  return added;
}

void Database::DropTable(std::string_view table_name) { ReleaseTable(table_name); }

std::unique_ptr<Table> Database::ReleaseTable(std::string_view table_name) {
  Table* table = FindTable(table_name);
  if (table == nullptr) return nullptr;
  table_index_.erase(std::string(table_name));
  auto found = std::find_if(
      tables_.begin(), tables_.end(),
      [table](const std::unique_ptr<Table>& candidate) { return candidate.get() == table; });
  std::unique_ptr<Table> released = std::move(*found);
  tables_.erase(found);
  return released;
}

Function* Database::FindFunction(std::string_view function_name) const {
  auto found = function_index_.find(std::string(function_name));
  return found == function_index_.end() ? nullptr : found->second;
}

Function& Database::AddFunction(Function function) {
  functions_.push_back(std::make_unique<Function>(std::move(function)));
  Function& added = *functions_.back();
  function_index_[added.name] = &added;
  return added;
}

void Database::DropFunction(std::string_view function_name) { ReleaseFunction(function_name); }

std::unique_ptr<Function> Database::ReleaseFunction(std::string_view function_name) {
  Function* function = FindFunction(function_name);
  if (function == nullptr) return nullptr;
  function_index_.erase(std::string(function_name));
  auto found = std::find_if(functions_.begin(), functions_.end(),
                            [function](const std::unique_ptr<Function>& candidate) {
                              return candidate.get() == function;
                            });
  std::unique_ptr<Function> released = std::move(*found);
  functions_.erase(found);
  return released;
}

void Database::Reindex() {
  table_index_.clear();
  for (const auto& table : tables_) table_index_[table->name] = table.get();
  function_index_.clear();
  for (const auto& function : functions_) function_index_[function->name] = function.get();
}

Table* Database::ConstraintOwner(std::string_view constraint_name) const {
  for (const auto& table : tables_) {
    if (table->primary_key && EqualsIgnoreCase(table->primary_key->name, constraint_name))
      return table.get();
    for (const KeyConstraint& key : table->unique_constraints) {
      if (EqualsIgnoreCase(key.name, constraint_name)) return table.get();
    }
    for (const ForeignKey& key : table->foreign_keys) {
      if (EqualsIgnoreCase(key.name, constraint_name)) return table.get();
    }
    for (const DefaultConstraint& constraint : table->defaults) {
      if (EqualsIgnoreCase(constraint.name, constraint_name)) return table.get();
    }
  }
  return nullptr;
}

bool Database::ObjectExists(std::string_view object_name) const {
  return FindTable(object_name) != nullptr || FindFunction(object_name) != nullptr ||
         ConstraintOwner(object_name) != nullptr;
}

Server::Server()
    : transactions_(std::make_unique<Transactions>()),
      row_sharing_(std::make_unique<RowSharing>()) {
  CreateDatabase("master");
}

Server::~Server() = default;

Database* Server::FindDatabase(std::string_view database_name) const {
  auto found = database_index_.find(database_name);
  return found == database_index_.end() ? nullptr : found->second;
}

Database& Server::CreateDatabase(const std::string& database_name) {
  if (Database* existing = FindDatabase(database_name)) return *existing;
  databases_.push_back(std::make_unique<Database>(*this, database_name));
  Database& added = *databases_.back();
  database_index_[database_name] = &added;
  return added;
}

void Server::DropDatabase(std::string_view database_name) {
  Database* database = FindDatabase(database_name);
  if (database == nullptr || EqualsIgnoreCase(database_name, "master")) return;
  database_index_.erase(std::string(database_name));
  std::erase_if(databases_, [database](const std::unique_ptr<Database>& candidate) {
    return candidate.get() == database;
  });
}

void Server::AddLogin(const std::string& user, const std::string& password) {
  for (auto& login : logins_) {
    if (EqualsIgnoreCase(login.first, user)) {
      login.second = password;
      return;
    }
  }
  logins_.emplace_back(user, password);
}

bool Server::CheckLogin(const std::string& user, const std::string& password) const {
  for (const auto& login : logins_) {
    if (EqualsIgnoreCase(login.first, user)) return login.second == password;
  }
  return false;
}

}  // namespace quelor::sim
