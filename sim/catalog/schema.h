// The model of the simulated server: a server holds databases, a database
// holds tables (schema dbo) and functions, a table holds its columns, keys,
// defaults, indexes and rows. Everything is plain data that can be walked in
// creation order; names are looked up without regard to case.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "sim/catalog/app_locks.h"
#include "sim/common/case_insensitive_map.h"
#include "sim/common/value.h"

namespace quelor::sim {

namespace parser {
struct FunctionDefinition;
}

using Row = std::vector<Value>;

// The rows of a table. Reference tables that every club database holds alike
// share one vector of rows until one of them is changed: a snapshot names
// them with "rows_same_as", and a batch that leaves a table equal to the same
// table of another database makes them share (RowSharing). Every access that
// may change rows first makes this table's rows its own and forgets their
// hash. Copies of a table are copies of its rows, as before.
class Rows {
 public:
  using Vector = std::vector<Row>;
  using value_type = Row;
  using size_type = Vector::size_type;
  using iterator = Vector::iterator;
  using const_iterator = Vector::const_iterator;

  Rows() : rows_(std::make_shared<Vector>()) {}
  Rows(const Rows& other) : rows_(std::make_shared<Vector>(*other.rows_)), hash_(other.hash_) {}
  Rows(Rows&& other) noexcept : rows_(std::move(other.rows_)), hash_(other.hash_) {
    other.rows_ = std::make_shared<Vector>();
    other.hash_.reset();
  }
  Rows& operator=(const Rows& other) {
    if (this != &other) {
      rows_ = std::make_shared<Vector>(*other.rows_);
      hash_ = other.hash_;
    }
    return *this;
  }
  Rows& operator=(Rows&& other) noexcept {
    std::swap(rows_, other.rows_);
    std::swap(hash_, other.hash_);
    return *this;
  }
  Rows& operator=(Vector rows) {
    rows_ = std::make_shared<Vector>(std::move(rows));
    hash_.reset();
    return *this;
  }

  // Shares `other`'s rows until either table changes them.
  void ShareWith(const Rows& other) {
    rows_ = other.rows_;
    hash_ = other.hash_;
  }
  bool shared() const { return rows_.use_count() > 1; }
  bool SameVector(const Rows& other) const { return rows_ == other.rows_; }

  // A hash of every stored value in order (StoredHash), kept until the rows
  // change.
  std::uint64_t ContentHash() const;

  const Vector& view() const { return *rows_; }
  Vector& Mutable() {
    hash_.reset();
    if (rows_.use_count() > 1) rows_ = std::make_shared<Vector>(*rows_);
    return *rows_;
  }

  // Puts `replacements[i]` in place of the row at `positions[i]` (distinct
  // positions); of rows shared with another table only those that stay are
  // copied.
  void Replace(const std::vector<std::size_t>& positions, std::vector<Row>& replacements);

  // Reading.
  size_type size() const { return rows_->size(); }
  bool empty() const { return rows_->empty(); }
  const Row& operator[](size_type i) const { return (*rows_)[i]; }
  const_iterator begin() const { return rows_->begin(); }
  const_iterator end() const { return rows_->end(); }
  const Row& back() const { return rows_->back(); }

  // Changing (each makes the rows this table's own first). Rows are
  // changed in place through Mutable(), so that reading never copies.
  void push_back(Row row) { Mutable().push_back(std::move(row)); }
  template <typename... A>
  Row& emplace_back(A&&... args) {
    return Mutable().emplace_back(std::forward<A>(args)...);
  }
  iterator erase(const_iterator position) { return Mutable().erase(position); }
  iterator erase(const_iterator first, const_iterator last) { return Mutable().erase(first, last); }
  template <typename It>
  iterator insert(const_iterator position, It first, It last) {
    return Mutable().insert(position, first, last);
  }
  iterator insert(const_iterator position, Row row) {
    return Mutable().insert(position, std::move(row));
  }
  void clear() { Mutable().clear(); }
  void reserve(size_type n) { Mutable().reserve(n); }
  void resize(size_type n) { Mutable().resize(n); }
  void pop_back() { Mutable().pop_back(); }

 private:
  std::shared_ptr<Vector> rows_;
  mutable std::optional<std::uint64_t> hash_;
};

struct Identity {
  std::int64_t seed = 1;
  std::int64_t increment = 1;
  // The last value handed out; empty until the first row got one.
  std::optional<std::int64_t> current;
};

struct Column {
  std::string name;
  SqlType type;
  bool nullable = true;
  std::optional<Identity> identity;
};

// A DEFAULT constraint; `definition` is the expression as the catalogue shows
// it, in parentheses: "((0))", "('J')".
struct DefaultConstraint {
  std::string name;
  std::string column;
  std::string definition;
  std::int64_t id = 0;
};

// A PRIMARY KEY or UNIQUE constraint and the index that enforces it.
struct KeyConstraint {
  std::string name;
  bool primary = false;
  bool clustered = false;
  std::vector<std::string> columns;
  std::int64_t id = 0;
  int index_id = 0;
};

struct ForeignKey {
  std::string name;
  std::vector<std::string> columns;
  std::string referenced_table;
  std::vector<std::string> referenced_columns;
  bool cascade_delete = false;
  bool cascade_update = false;
  bool checked = true;  // added WITH CHECK (trusted); WITH NOCHECK leaves it untrusted
  std::int64_t id = 0;
};

// An index created by CREATE INDEX (key indexes live in KeyConstraint).
struct Index {
  std::string name;
  std::vector<std::string> columns;
  bool unique = false;
  bool clustered = false;
  int index_id = 0;
};

class Table {
 public:
  std::string name;
  std::int64_t id = 0;
  std::vector<Column> columns;
  std::optional<KeyConstraint> primary_key;
  std::vector<KeyConstraint> unique_constraints;
  std::vector<ForeignKey> foreign_keys;
  std::vector<DefaultConstraint> defaults;
  std::vector<Index> indexes;
  Rows rows;

  // Position of the column called `column_name`, or -1.
  int ColumnIndex(std::string_view column_name) const;
  const DefaultConstraint* DefaultFor(std::string_view column_name) const;
  int IdentityColumn() const;  // position of the identity column, or -1
  bool HasClusteredIndex() const;
  int NextIndexId() const;

  // Every key that must stay unique: primary key, unique constraints and
  // unique indexes, with the positions of their columns.
  struct UniqueKey {
    std::string name;
    bool is_constraint = true;
    bool primary = false;
    std::vector<int> positions;
    std::unordered_set<std::string> keys;  // KeyText of every row, maintained lazily
  };
  // The unique keys with their key sets built from the current rows.
  std::vector<UniqueKey>& UniqueKeys();
  // The column positions of each unique key, in the order of UniqueKeys(),
  // without building key sets.
  std::vector<std::vector<int>> UniqueKeyPositions() const;
  // Call after rows were changed in place or removed.
  void InvalidateKeys() {
    keys_valid_ = false;
    version_ = NextVersion();
  }
  // Call after rows were appended (the key sets were kept up to date), or
  // changed in columns that belong to no unique key.
  void RowsAppended() { version_ = NextVersion(); }
  // Changes with every change of the rows; lookup caches compare it. Drawn
  // from one counter for all tables, so a copy put back by a rollback never
  // shows a version a cache has seen.
  std::uint64_t version() const { return version_; }
  static std::string KeyOf(const Row& row, const std::vector<int>& positions);

 private:
  static std::uint64_t NextVersion();

  std::vector<UniqueKey> unique_keys_;
  mutable CaseInsensitiveMap<int> column_positions_;  // see ColumnIndex
  bool keys_valid_ = false;
  std::uint64_t version_ = 0;
};

struct Function {
  enum class Kind { kScalar, kInlineTable };
  std::string name;
  std::int64_t id = 0;
  Kind kind = Kind::kScalar;
  SqlType return_type;     // of a scalar function
  std::string definition;  // the CREATE FUNCTION text as sent
  std::shared_ptr<const parser::FunctionDefinition> parsed;
};

class Server;
class Transactions;
class RowSharing;

class Database {
 public:
  Database(Server& server, std::string name) : server_(&server), name_(std::move(name)) {}

  const std::string& name() const { return name_; }
  Server& server() const { return *server_; }

  Table* FindTable(std::string_view table_name) const;
  Table& AddTable(std::unique_ptr<Table> table);
  void DropTable(std::string_view table_name);
  // Takes the table out of the database and hands it over.
  std::unique_ptr<Table> ReleaseTable(std::string_view table_name);
  // Tables in creation order.
  const std::vector<std::unique_ptr<Table>>& tables() const { return tables_; }

  Function* FindFunction(std::string_view function_name) const;
  Function& AddFunction(Function function);
  void DropFunction(std::string_view function_name);
  std::unique_ptr<Function> ReleaseFunction(std::string_view function_name);
  const std::vector<std::unique_ptr<Function>>& functions() const { return functions_; }

  // True when a table, function or constraint of that name exists: they share
  // one name space in a schema.
  bool ObjectExists(std::string_view object_name) const;
  // The table that owns constraint `constraint_name`, or nullptr.
  Table* ConstraintOwner(std::string_view constraint_name) const;

 private:
  friend class Transactions;  // puts objects back in their places on rollback
  void Reindex();

  Server* server_;
  std::string name_;
  std::vector<std::unique_ptr<Table>> tables_;
  CaseInsensitiveMap<Table*> table_index_;
  std::vector<std::unique_ptr<Function>> functions_;
  CaseInsensitiveMap<Function*> function_index_;
};

// The whole simulated server. Not thread-safe: connections sharing a server
// take turns on one thread.
class Server {
 public:
  Server();
  ~Server();
  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  Database* FindDatabase(std::string_view database_name) const;
  // Creates the database, or returns the existing one of that name.
  Database& CreateDatabase(const std::string& database_name);
  void DropDatabase(std::string_view database_name);
  // Databases in creation order, master first.
  const std::vector<std::unique_ptr<Database>>& databases() const { return databases_; }

  // Server logins (SQL Server authentication). Integrated security is
  // accepted when `AllowIntegratedSecurity` is set (the default).
  void AddLogin(const std::string& user, const std::string& password);
  bool CheckLogin(const std::string& user, const std::string& password) const;
  void AllowIntegratedSecurity(bool allowed) { integrated_security_ = allowed; }
  bool IntegratedSecurityAllowed() const { return integrated_security_; }

  std::int64_t NextObjectId() { return next_object_id_ += 16; }

  // The open transactions of all sessions.
  Transactions& transactions() { return *transactions_; }
  const Transactions& transactions() const { return *transactions_; }
  // The application locks the sessions hold; not part of a snapshot, as
  // sessions do not outlive the server.
  AppLockTable& app_locks() { return app_locks_; }
  // The tables the running batch wrote, which may then share their rows
  // with equal tables of other databases.
  RowSharing& row_sharing() { return *row_sharing_; }

 private:
  std::unique_ptr<Transactions> transactions_;
  std::unique_ptr<RowSharing> row_sharing_;
  std::vector<std::unique_ptr<Database>> databases_;
  CaseInsensitiveMap<Database*> database_index_;
  std::vector<std::pair<std::string, std::string>> logins_;
  bool integrated_security_ = true;
  std::int64_t next_object_id_ = 245575909;
  AppLockTable app_locks_;
};

}  // namespace quelor::sim
