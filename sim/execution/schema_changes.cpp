// Schema changes: CREATE/ALTER/DROP TABLE, CREATE/DROP INDEX and
// CREATE/ALTER/DROP FUNCTION, refused with the real server's messages. Every
// check runs before the model changes, so a refused statement changes nothing.
#include "sim/execution/schema_changes.h"

#include <algorithm>
#include <cstdio>

#include "sim/catalog/transactions.h"
#include "sim/common/case_insensitive_map.h"
#include "sim/common/errors.h"

namespace quelor::sim::execution {

using parser::ColumnDefinition;
using parser::ConstraintDefinition;

namespace {

// Names the server gives unnamed constraints: PK__Adresse__1A2B3C4D5E6F7A8B.
std::string GeneratedName(const std::string& prefix, const std::string& table,
                          const std::string& column, std::int64_t id) {
  char hex[20];
  std::snprintf(hex, sizeof hex, "%016llX", static_cast<unsigned long long>(id) * 0x9E3779B1ull);
  std::string name = prefix + "__" + table.substr(0, 9) + "__";
  if (!column.empty())
    name += column.substr(0, 5) + "__" + std::string(hex).substr(8);
  else
    name += hex;
  return name;
}

Column MakeColumn(const ColumnDefinition& definition) {
  Column column;
  column.name = definition.name;
  column.type = definition.type;
  // Without NULL/NOT NULL a column is nullable (ANSI_NULL_DFLT_ON of ODBC
  // connections); identity and primary key columns are NOT NULL.
  column.nullable = definition.nullable.value_or(!definition.identity && !definition.primary_key);
  column.identity = definition.identity;
  return column;
}

[[noreturn]] void RaiseConstraintFailure(int number, const std::vector<std::string>& args) {
  RaiseWith(number, args, {MakeMessage(1750)});
}

bool KeyUsesColumn(const std::vector<std::string>& columns, const std::string& column) {
  return std::any_of(columns.begin(), columns.end(),
                     [&](const std::string& name) { return EqualsIgnoreCase(name, column); });
}

// The objects that stop a column from being altered or dropped (5074).
std::vector<std::pair<std::string, std::string>> Dependents(const Database& database,
                                                            const Table& table,
                                                            const std::string& column,
                                                            bool include_defaults,
                                                            const Column* widened_to) {
  std::vector<std::pair<std::string, std::string>> found;
  if (table.primary_key && KeyUsesColumn(table.primary_key->columns, column))
    found.emplace_back("object", table.primary_key->name);
  for (const KeyConstraint& key : table.unique_constraints) {
    if (KeyUsesColumn(key.columns, column)) found.emplace_back("object", key.name);
  }
  for (const Index& index : table.indexes) {
    if (!KeyUsesColumn(index.columns, column)) continue;
    // A plain index allows widening a variable-length text column.
    if (widened_to != nullptr) {
      const Column& current = table.columns[static_cast<std::size_t>(table.ColumnIndex(column))];
      bool variable = current.type.kind == TypeKind::kVarChar ||
                      current.type.kind == TypeKind::kNVarChar ||
                      current.type.kind == TypeKind::kVarBinary;
      bool wider = widened_to->type.length < 0 ||
                   (current.type.length >= 0 && widened_to->type.length >= current.type.length);
      if (variable && widened_to->type.kind == current.type.kind && wider &&
          widened_to->nullable == current.nullable)
        continue;
    }
    found.emplace_back("index", index.name);
  }
  for (const ForeignKey& key : table.foreign_keys) {
    if (KeyUsesColumn(key.columns, column)) found.emplace_back("object", key.name);
  }
  for (const auto& other : database.tables()) {
    for (const ForeignKey& key : other->foreign_keys) {
      if (EqualsIgnoreCase(key.referenced_table, table.name) &&
          KeyUsesColumn(key.referenced_columns, column)) {
        found.emplace_back("object", key.name);
      }
    }
  }
  if (include_defaults) {
    for (const DefaultConstraint& constraint : table.defaults) {
      if (EqualsIgnoreCase(constraint.column, column))
        found.emplace_back("object", constraint.name);
    }
  }
  return found;
}

// True when `columns` are exactly the columns of `key`, in any order.
bool SameColumns(const std::vector<std::string>& key, const std::vector<std::string>& columns) {
  if (key.size() != columns.size()) return false;
  return std::all_of(columns.begin(), columns.end(),
                     [&](const std::string& column) { return KeyUsesColumn(key, column); });
}

// A foreign key that references `table` by exactly `key_columns`: the key or
// index on them enforces it and must not be dropped.
struct KeyReference {
  const Table* table = nullptr;  // the referencing table
  const ForeignKey* foreign_key = nullptr;
};
std::optional<KeyReference> FindKeyReference(const Database& database, const Table& table,
                                             const std::vector<std::string>& key_columns) {
  for (const auto& other : database.tables()) {
    for (const ForeignKey& key : other->foreign_keys) {
      if (EqualsIgnoreCase(key.referenced_table, table.name) &&
          SameColumns(key_columns, key.referenced_columns)) {
        return KeyReference{other.get(), &key};
      }
    }
  }
  return std::nullopt;
}

[[noreturn]] void RaiseKeyReferenced(const std::string& key_name, const KeyReference& reference) {
  RaiseWith(3725, {key_name, reference.table->name, reference.foreign_key->name},
            {MakeMessage(3727)});
}

}  // namespace

void SchemaChanges::RunCreateTable(const parser::CreateTable& create) {
  Database& database = state_.DatabaseFor(create.name);
  if (database.ObjectExists(create.name.name)) Raise(2714, {create.name.name});
  auto table = std::make_unique<Table>();
  table->name = create.name.name;
  table->id = state_.session.server->NextObjectId();
  int identities = 0;
  CaseInsensitiveSet names;
  for (const ColumnDefinition& definition : create.columns) {
    if (!names.insert(definition.name).second) Raise(2705, {definition.name, table->name});
    if (definition.identity && ++identities > 1) Raise(2744, {table->name});
    table->columns.push_back(MakeColumn(definition));
  }
  // Constraints are checked against the new table before it is added.
  Table& added = *table;
  std::vector<ConstraintDefinition> constraints;
  for (const ColumnDefinition& definition : create.columns) {
    if (definition.has_default) {
      ConstraintDefinition constraint;
      constraint.kind = ConstraintDefinition::Kind::kDefault;
      constraint.name = definition.default_name;
      constraint.default_text = definition.default_text;
      constraint.columns = {definition.name};
      constraints.push_back(std::move(constraint));
    }
    if (definition.primary_key || definition.unique) {
      ConstraintDefinition constraint;
      constraint.kind = definition.primary_key ? ConstraintDefinition::Kind::kPrimaryKey
                                               : ConstraintDefinition::Kind::kUnique;
      constraint.name = definition.key_name;
      constraint.clustered = definition.clustered;
      constraint.columns = {definition.name};
      constraints.push_back(std::move(constraint));
    }
  }
  for (const ConstraintDefinition& constraint : create.constraints) {
    ConstraintDefinition copy;
    copy.kind = constraint.kind;
    copy.name = constraint.name;
    copy.clustered = constraint.clustered;
    copy.columns = constraint.columns;
    copy.referenced_table = constraint.referenced_table;
    copy.referenced_columns = constraint.referenced_columns;
    copy.cascade_delete = constraint.cascade_delete;
    copy.cascade_update = constraint.cascade_update;
    copy.default_text = constraint.default_text;
    constraints.push_back(std::move(copy));
  }
  // Key columns declared without NULL become NOT NULL inside CREATE TABLE.
  for (const ConstraintDefinition& constraint : constraints) {
    if (constraint.kind != ConstraintDefinition::Kind::kPrimaryKey) continue;
    for (const std::string& name : constraint.columns) {
      int position = added.ColumnIndex(name);
      if (position < 0) continue;
      const ColumnDefinition* definition = nullptr;
      for (const ColumnDefinition& candidate : create.columns) {
        if (EqualsIgnoreCase(candidate.name, name)) definition = &candidate;
      }
      if (definition != nullptr && !definition->nullable)
        added.columns[static_cast<std::size_t>(position)].nullable = false;
    }
  }
  Transactions& transactions = state_.session.server->transactions();
  database.AddTable(std::move(table));
  transactions.Created(state_.session.id, database, added);
  try {
    for (const ConstraintDefinition& constraint : constraints)
      AddConstraint(database, added, constraint, true, true);
  } catch (...) {
    transactions.Drop(state_.session.id, database, create.name.name);
    throw;
  }
}

void SchemaChanges::AddConstraint(Database& database, Table& table,
                                  const ConstraintDefinition& constraint,
                                  std::optional<bool> with_check, bool creating) {
  std::string name = constraint.name;
  if (!name.empty() && database.ObjectExists(name)) {
    if (constraint.kind == ConstraintDefinition::Kind::kDefault) Raise(2714, {name});
    RaiseConstraintFailure(2714, {name});
  }
  for (const std::string& column : constraint.columns) {
    if (table.ColumnIndex(column) < 0) {
      if (constraint.kind == ConstraintDefinition::Kind::kDefault)
        Raise(1752, {column, table.name});
      if (constraint.kind == ConstraintDefinition::Kind::kForeignKey) Raise(1769, {column, name});
      RaiseConstraintFailure(1911, {column});
    }
  }
  switch (constraint.kind) {
    case ConstraintDefinition::Kind::kDefault: {
      const std::string& column = constraint.columns[0];
      if (table.DefaultFor(column) != nullptr) RaiseWith(1781, {}, {MakeMessage(1750)});
      DefaultConstraint added;
      added.id = state_.session.server->NextObjectId();
      added.name = name.empty() ? GeneratedName("DF", table.name, column, added.id) : name;
      added.column = table.columns[static_cast<std::size_t>(table.ColumnIndex(column))].name;
      added.definition = constraint.default_text;
      table.defaults.push_back(std::move(added));
      return;
    }
    case ConstraintDefinition::Kind::kPrimaryKey:
    case ConstraintDefinition::Kind::kUnique: {
      bool primary = constraint.kind == ConstraintDefinition::Kind::kPrimaryKey;
      if (primary && table.primary_key) RaiseConstraintFailure(1779, {table.name});
      std::int64_t id = state_.session.server->NextObjectId();
      KeyConstraint key;
      key.primary = primary;
      key.id = id;
      key.name = name.empty() ? GeneratedName(primary ? "PK" : "UQ", table.name, "", id) : name;
      key.clustered = constraint.clustered.value_or(primary && !table.HasClusteredIndex());
      if (key.clustered && table.HasClusteredIndex()) {
        std::string existing =
            table.primary_key && table.primary_key->clustered ? table.primary_key->name : "";
        for (const Index& index : table.indexes) {
          if (index.clustered) existing = index.name;
        }
        RaiseConstraintFailure(1902, {"table", "dbo." + table.name, existing});
      }
      std::vector<int> positions;
      for (const std::string& column : constraint.columns) {
        int position = table.ColumnIndex(column);
        positions.push_back(position);
        key.columns.push_back(table.columns[static_cast<std::size_t>(position)].name);
        if (primary && table.columns[static_cast<std::size_t>(position)].nullable) {
          RaiseConstraintFailure(8111, {table.name});
        }
      }
      std::unordered_set<std::string> seen;
      for (const Row& row : table.rows) {
        if (!seen.insert(Table::KeyOf(row, positions)).second) {
          std::string value = "(";
          for (std::size_t i = 0; i < positions.size(); ++i) {
            value +=
                (i > 0 ? ", " : "") + row[static_cast<std::size_t>(positions[i])].ToMessageText();
          }
          RaiseConstraintFailure(1505, {"dbo." + table.name, key.name, value + ")"});
        }
      }
      key.index_id = key.clustered ? 1 : table.NextIndexId();
      if (primary)
        table.primary_key = std::move(key);
      else
        table.unique_constraints.push_back(std::move(key));
      table.InvalidateKeys();
      return;
    }
    case ConstraintDefinition::Kind::kForeignKey: {
      Database& referenced_database = state_.DatabaseFor(constraint.referenced_table);
      if (&referenced_database != &database) RaiseUnsupported("cross-database foreign key");
      Table* parent = database.FindTable(constraint.referenced_table.name);
      std::int64_t id = state_.session.server->NextObjectId();
      std::string key_name =
          name.empty()
              ? GeneratedName("FK", table.name, constraint.referenced_table.name.substr(0, 5), id)
              : name;
      if (parent == nullptr)
        RaiseConstraintFailure(1767, {key_name, constraint.referenced_table.name});
      std::vector<std::string> referenced = constraint.referenced_columns;
      if (referenced.empty() && parent->primary_key) referenced = parent->primary_key->columns;
      // The referenced columns must be exactly a primary key or unique key.
      auto matches = [&](const std::vector<std::string>& key_columns) {
        if (key_columns.size() != referenced.size()) return false;
        for (const std::string& column : referenced) {
          if (!KeyUsesColumn(key_columns, column)) return false;
        }
        return true;
      };
      bool found = parent->primary_key && matches(parent->primary_key->columns);
      for (const KeyConstraint& key : parent->unique_constraints)
        found = found || matches(key.columns);
      for (const Index& index : parent->indexes)
        found = found || (index.unique && matches(index.columns));
      if (!found || referenced.size() != constraint.columns.size()) {
        RaiseConstraintFailure(1776, {"dbo." + parent->name, key_name});
      }
      ForeignKey key;
      key.name = key_name;
      key.id = id;
      for (const std::string& column : constraint.columns) {
        key.columns.push_back(
            table.columns[static_cast<std::size_t>(table.ColumnIndex(column))].name);
      }
      for (const std::string& column : referenced) {
        int position = parent->ColumnIndex(column);
        if (position < 0) RaiseConstraintFailure(1776, {"dbo." + parent->name, key_name});
        key.referenced_columns.push_back(parent->columns[static_cast<std::size_t>(position)].name);
      }
      key.referenced_table = parent->name;
      key.cascade_delete = constraint.cascade_delete;
      key.cascade_update = constraint.cascade_update;
      // ALTER TABLE ... ADD defaults to WITH CHECK for a new constraint.
      key.checked = with_check.value_or(true);
      if (key.checked && !creating) {
        table.foreign_keys.push_back(key);
        try {
          data_changes_.CheckForeignKeysOut(database, table, table.rows.view(), "ALTER TABLE");
        } catch (const SqlError&) {
          table.foreign_keys.pop_back();
          throw;
        }
        return;
      }
      table.foreign_keys.push_back(std::move(key));
      return;
    }
  }
}

void SchemaChanges::RunAlterTable(const parser::AlterTable& alter) {
  Database& database = state_.DatabaseFor(alter.name);
  // ALTER TABLE words a missing table differently from the other statements.
  Table* found = state_.FindTable(alter.name);
  if (found == nullptr) Raise(4902, {state_.DisplayName(alter.name)});
  Table& table = *found;
  state_.WillChange(database, table, true);
  switch (alter.action) {
    case parser::AlterTable::Action::kAddColumns:
      AddColumns(database, table, alter);
      return;
    case parser::AlterTable::Action::kAddConstraint:
      for (const ConstraintDefinition& constraint : alter.constraints) {
        AddConstraint(database, table, constraint, alter.with_check, false);
      }
      return;
    case parser::AlterTable::Action::kAlterColumn:
      AlterColumn(database, table, alter.columns[0]);
      return;
    case parser::AlterTable::Action::kDropColumns:
      DropColumns(database, table, alter.names);
      return;
    case parser::AlterTable::Action::kDropConstraints:
      DropConstraints(database, table, alter.names);
      return;
  }
}

void SchemaChanges::AddColumns(Database& database, Table& table, const parser::AlterTable& alter) {
  const std::string qualified = state_.QualifiedTableName(database, table);
  // Check everything first.
  for (const ColumnDefinition& definition : alter.columns) {
    if (table.ColumnIndex(definition.name) >= 0) Raise(2705, {definition.name, table.name});
    if (definition.identity && table.IdentityColumn() >= 0) Raise(2744, {table.name});
    bool nullable = definition.nullable.value_or(!definition.identity && !definition.primary_key);
    if (!nullable && !definition.has_default && !definition.identity && !table.rows.empty()) {
      Raise(4901, {definition.name, table.name});
    }
    if (definition.has_default && !definition.default_name.empty() &&
        database.ObjectExists(definition.default_name)) {
      Raise(2714, {definition.default_name});
    }
  }
  // Adding columns is all or nothing: on any refusal the added cells are cut
  // off the rows again and the definitions are put back.
  const std::vector<Column> old_columns = table.columns;
  // Room for the new cells at once: growing a row cell by cell would double
  // its capacity.
  for (Row& row : table.rows.Mutable()) row.reserve(old_columns.size() + alter.columns.size());
  const std::vector<DefaultConstraint> old_defaults = table.defaults;
  const auto old_primary = table.primary_key;
  const auto old_unique = table.unique_constraints;
  const auto old_foreign = table.foreign_keys;
  try {
    for (const ColumnDefinition& definition : alter.columns) {
      Column column = MakeColumn(definition);
      table.columns.push_back(column);
      for (Row& row : table.rows.Mutable()) row.push_back(Value::Null(column.type));
      std::size_t position = table.columns.size() - 1;
      if (column.identity) {
        // Existing rows are numbered in their order.
        Identity& identity = *table.columns[position].identity;
        for (Row& row : table.rows.Mutable()) {
          std::int64_t next =
              identity.current ? *identity.current + identity.increment : identity.seed;
          identity.current = next;
          row[position] = Convert(Value::Integer(next, TypeKind::kBigInt), column.type,
                                  state_.session.conversion());
        }
      }
      if (definition.has_default) {
        ConstraintDefinition constraint;
        constraint.kind = ConstraintDefinition::Kind::kDefault;
        constraint.name = definition.default_name;
        constraint.default_text = definition.default_text;
        constraint.columns = {definition.name};
        AddConstraint(database, table, constraint, std::nullopt, false);
        // A NOT NULL column takes its default in the existing rows; a
        // nullable one stays NULL (without WITH VALUES).
        if (!column.nullable) {
          Value value = data_changes_.AssignToColumn(
              evaluator_.EvalDefault(definition.default_text), qualified, column);
          for (Row& row : table.rows.Mutable()) row[position] = value;
        }
      }
      if (definition.primary_key || definition.unique) {
        ConstraintDefinition constraint;
        constraint.kind = definition.primary_key ? ConstraintDefinition::Kind::kPrimaryKey
                                                 : ConstraintDefinition::Kind::kUnique;
        constraint.name = definition.key_name;
        constraint.clustered = definition.clustered;
        constraint.columns = {definition.name};
        AddConstraint(database, table, constraint, std::nullopt, false);
      }
    }
    for (const ConstraintDefinition& constraint : alter.constraints) {
      AddConstraint(database, table, constraint, alter.with_check, false);
    }
  } catch (...) {
    for (Row& row : table.rows.Mutable()) {
      row.resize(old_columns.size());
      row.shrink_to_fit();
    }
    table.columns = old_columns;
    table.defaults = old_defaults;
    table.primary_key = old_primary;
    table.unique_constraints = old_unique;
    table.foreign_keys = old_foreign;
    table.InvalidateKeys();
    throw;
  }
  table.InvalidateKeys();
}

void SchemaChanges::AlterColumn(Database& database, Table& table,
                                const ColumnDefinition& definition) {
  const std::string qualified = state_.QualifiedTableName(database, table);
  int position = table.ColumnIndex(definition.name);
  if (position < 0) Raise(4924, {"ALTER TABLE ALTER COLUMN", definition.name, table.name});
  const Column& current = table.columns[static_cast<std::size_t>(position)];
  Column changed = current;
  changed.type = definition.type;
  changed.nullable = definition.nullable.value_or(true);
  auto dependents = Dependents(database, table, current.name, false, &changed);
  if (!dependents.empty()) {
    std::vector<Message> follow_ups;
    for (std::size_t i = 1; i < dependents.size(); ++i) {
      follow_ups.push_back(
          MakeMessage(5074, {dependents[i].first, dependents[i].second, "column", current.name}));
    }
    follow_ups.push_back(MakeMessage(4922, {"ALTER TABLE ALTER COLUMN", current.name, "column"}));
    RaiseWith(5074, {dependents[0].first, dependents[0].second, "column", current.name},
              std::move(follow_ups));
  }
  if (current.identity && !IsExactNumeric(changed.type.kind))
    Raise(2749, {current.name, table.name});
  // Widening a variable-length column changes no value: the rows are left
  // alone (and stay shared with other databases' tables), only NULLs can be
  // refused.
  const TypeKind kind = current.type.kind;
  const bool widening =
      kind == changed.type.kind &&
      (kind == TypeKind::kVarChar || kind == TypeKind::kNVarChar || kind == TypeKind::kVarBinary) &&
      (changed.type.length == -1 ||
       (current.type.length != -1 && changed.type.length >= current.type.length));
  const auto column = static_cast<std::size_t>(position);
  if (widening) {
    for (const Row& row : table.rows) {
      if (row[column].is_null() && !changed.nullable)
        Raise(515, {current.name, qualified, "UPDATE"});
    }
  } else {
    std::vector<Value> converted;
    converted.reserve(table.rows.size());
    for (const Row& row : table.rows) {
      Value value = data_changes_.AssignToColumn(row[column], qualified, changed);
      if (value.is_null() && !changed.nullable) Raise(515, {current.name, qualified, "UPDATE"});
      converted.push_back(std::move(value));
    }
    std::vector<Row>& rows = table.rows.Mutable();
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i][column] = std::move(converted[i]);
  }
  table.columns[static_cast<std::size_t>(position)] = changed;
  table.InvalidateKeys();
}

void SchemaChanges::DropColumns(Database& database, Table& table,
                                const std::vector<std::string>& names) {
  std::vector<int> positions;
  for (const std::string& name : names) {
    int position = table.ColumnIndex(name);
    if (position < 0) Raise(4924, {"ALTER TABLE DROP COLUMN", name, table.name});
    auto dependents = Dependents(database, table, name, true, nullptr);
    if (!dependents.empty()) {
      std::vector<Message> follow_ups;
      for (std::size_t i = 1; i < dependents.size(); ++i) {
        follow_ups.push_back(
            MakeMessage(5074, {dependents[i].first, dependents[i].second, "column", name}));
      }
      follow_ups.push_back(MakeMessage(4922, {"ALTER TABLE DROP COLUMN", name, "column"}));
      RaiseWith(5074, {dependents[0].first, dependents[0].second, "column", name},
                std::move(follow_ups));
    }
    positions.push_back(position);
  }
  std::sort(positions.rbegin(), positions.rend());
  for (int position : positions) {
    table.columns.erase(table.columns.begin() + position);
    for (Row& row : table.rows.Mutable()) row.erase(row.begin() + position);
  }
  table.InvalidateKeys();
}

void SchemaChanges::DropConstraints(Database& database, Table& table,
                                    const std::vector<std::string>& names) {
  // When a later name is refused, the names before it are put back too; the
  // definitions are small enough to keep a copy.
  auto old_primary = table.primary_key;
  auto old_unique = table.unique_constraints;
  auto old_foreign = table.foreign_keys;
  auto old_defaults = table.defaults;
  try {
    for (const std::string& name : names) DropConstraint(database, table, name);
  } catch (...) {
    table.primary_key = std::move(old_primary);
    table.unique_constraints = std::move(old_unique);
    table.foreign_keys = std::move(old_foreign);
    table.defaults = std::move(old_defaults);
    table.InvalidateKeys();
    throw;
  }
}

void SchemaChanges::DropConstraint(Database& database, Table& table, const std::string& name) {
  bool dropped = false;
  if (table.primary_key && EqualsIgnoreCase(table.primary_key->name, name)) {
    if (auto reference = FindKeyReference(database, table, table.primary_key->columns)) {
      RaiseKeyReferenced(table.primary_key->name, *reference);
    }
    table.primary_key.reset();
    dropped = true;
  }
  for (auto it = table.unique_constraints.begin(); !dropped && it != table.unique_constraints.end();
       ++it) {
    if (EqualsIgnoreCase(it->name, name)) {
      if (auto reference = FindKeyReference(database, table, it->columns))
        RaiseKeyReferenced(it->name, *reference);
      table.unique_constraints.erase(it);
      dropped = true;
      break;
    }
  }
  for (auto it = table.foreign_keys.begin(); !dropped && it != table.foreign_keys.end(); ++it) {
    if (EqualsIgnoreCase(it->name, name)) {
      table.foreign_keys.erase(it);
      dropped = true;
      break;
    }
  }
  for (auto it = table.defaults.begin(); !dropped && it != table.defaults.end(); ++it) {
    if (EqualsIgnoreCase(it->name, name)) {
      table.defaults.erase(it);
      dropped = true;
      break;
    }
  }
  if (!dropped) RaiseWith(3728, {name}, {MakeMessage(3727)});
  table.InvalidateKeys();
}

void SchemaChanges::RunDropTable(const parser::DropTable& drop) {
  for (const parser::ObjectName& name : drop.names) {
    Database& database = state_.DatabaseFor(name);
    Table* table = database.FindTable(name.name);
    if (table == nullptr) {
      if (drop.if_exists) continue;
      Raise(3701, {"drop", "table", state_.DisplayName(name)});
    }
    for (const auto& other : database.tables()) {
      if (other.get() == table) continue;
      for (const ForeignKey& key : other->foreign_keys) {
        if (EqualsIgnoreCase(key.referenced_table, table->name))
          Raise(3726, {"dbo." + table->name});
      }
    }
    if (state_.session.identity_insert &&
        EqualsIgnoreCase(state_.session.identity_insert->table, table->name) &&
        EqualsIgnoreCase(state_.session.identity_insert->database, database.name())) {
      state_.session.identity_insert.reset();
    }
    state_.WillChange(database, *table, true);
    state_.session.server->transactions().Drop(state_.session.id, database, name.name);
  }
}

void SchemaChanges::RunCreateIndex(const parser::CreateIndex& create) {
  Database& database = state_.DatabaseFor(create.table);
  Table* table = database.FindTable(create.table.name);
  if (table == nullptr) Raise(1088, {state_.DisplayName(create.table)});
  state_.WillChange(database, *table, true);
  auto same_name = [&](const std::string& name) { return EqualsIgnoreCase(name, create.name); };
  bool exists = std::any_of(table->indexes.begin(), table->indexes.end(),
                            [&](const Index& index) { return same_name(index.name); }) ||
                (table->primary_key && same_name(table->primary_key->name)) ||
                std::any_of(table->unique_constraints.begin(), table->unique_constraints.end(),
                            [&](const KeyConstraint& key) { return same_name(key.name); });
  if (exists) Raise(1913, {create.name, "table", "dbo." + table->name});
  Index index;
  index.name = create.name;
  index.unique = create.unique;
  index.clustered = create.clustered;
  std::vector<int> positions;
  for (const std::string& column : create.columns) {
    int position = table->ColumnIndex(column);
    if (position < 0) Raise(1911, {column});
    positions.push_back(position);
    index.columns.push_back(table->columns[static_cast<std::size_t>(position)].name);
  }
  if (create.clustered && table->HasClusteredIndex()) {
    std::string existing =
        table->primary_key && table->primary_key->clustered ? table->primary_key->name : "";
    Raise(1902, {"table", "dbo." + table->name, existing});
  }
  if (create.unique) {
    std::unordered_set<std::string> seen;
    for (const Row& row : table->rows) {
      if (!seen.insert(Table::KeyOf(row, positions)).second) {
        std::string value = "(";
        for (std::size_t i = 0; i < positions.size(); ++i) {
          value +=
              (i > 0 ? ", " : "") + row[static_cast<std::size_t>(positions[i])].ToMessageText();
        }
        Raise(1505, {"dbo." + table->name, index.name, value + ")"});
      }
    }
  }
  index.index_id = create.clustered ? 1 : table->NextIndexId();
  table->indexes.push_back(std::move(index));
  table->InvalidateKeys();
}

void SchemaChanges::RunDropIndex(const parser::DropIndex& drop) {
  Database& database = state_.DatabaseFor(drop.table);
  Table* table = database.FindTable(drop.table.name);
  auto refuse = [&]() { Raise(3701, {"drop", "index", drop.table.name + "." + drop.name}); };
  if (table == nullptr) refuse();
  state_.WillChange(database, *table, true);
  for (auto it = table->indexes.begin(); it != table->indexes.end(); ++it) {
    if (EqualsIgnoreCase(it->name, drop.name)) {
      if (it->unique) {
        // A unique index that a foreign key needs is refused like a key
        // constraint, naming the index.
        if (auto reference = FindKeyReference(database, *table, it->columns)) {
          Raise(3725, {it->name, reference->table->name, reference->foreign_key->name});
        }
      }
      table->indexes.erase(it);
      table->InvalidateKeys();
      return;
    }
  }
  const std::string index_name = drop.table.name + "." + drop.name;
  if (table->primary_key && EqualsIgnoreCase(table->primary_key->name, drop.name))
    Raise(3723, {index_name, "PRIMARY KEY"});
  for (const KeyConstraint& key : table->unique_constraints) {
    if (EqualsIgnoreCase(key.name, drop.name)) Raise(3723, {index_name, "UNIQUE KEY"});
  }
  refuse();
}

void SchemaChanges::RunCreateFunction(const parser::CreateFunction& create) {
  const parser::FunctionDefinition& definition = *create.definition;
  Database& database = state_.DatabaseFor(definition.name);
  Function* existing = database.FindFunction(definition.name.name);
  if (create.alter) {
    if (existing == nullptr) Raise(208, {state_.DisplayName(definition.name)});
  } else if (database.ObjectExists(definition.name.name)) {
    Raise(2714, {definition.name.name});
  }
  Function function;
  function.name = definition.name.name;
  function.kind = definition.inline_table ? Function::Kind::kInlineTable : Function::Kind::kScalar;
  function.return_type = definition.return_type;
  function.definition = definition.text;
  function.parsed = create.definition;
  Transactions& transactions = state_.session.server->transactions();
  if (existing != nullptr) {
    transactions.Changing(state_.session.id, database, *existing);
    function.id = existing->id;
    *existing = std::move(function);
    return;
  }
  function.id = state_.session.server->NextObjectId();
  transactions.Created(state_.session.id, database, database.AddFunction(std::move(function)));
}

void SchemaChanges::RunDropFunction(const parser::DropFunction& drop) {
  for (const parser::ObjectName& name : drop.names) {
    Database& database = state_.DatabaseFor(name);
    if (database.FindFunction(name.name) == nullptr) {
      if (drop.if_exists) continue;
      Raise(3701, {"drop", "function", state_.DisplayName(name)});
    }
    state_.session.server->transactions().DropFunction(state_.session.id, database, name.name);
  }
}

}  // namespace quelor::sim::execution
