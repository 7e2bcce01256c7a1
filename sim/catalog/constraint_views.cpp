#include "sim/catalog/constraint_views.h"

#include <algorithm>

#include "sim/catalog/view_builder.h"

namespace quelor::sim {

namespace {

using namespace views;

// The key of `table` a foreign key's referenced columns are: its primary key,
// a unique constraint or a unique index, with the same columns in any order.
struct ReferencedKey {
  std::string name;
  int index_id = 0;
};

bool SameColumns(const std::vector<std::string>& key_columns,
                 const std::vector<std::string>& columns) {
  if (key_columns.size() != columns.size()) return false;
  return std::all_of(columns.begin(), columns.end(), [&](const std::string& column) {
    return std::any_of(key_columns.begin(), key_columns.end(), [&](const std::string& key_column) {
      return EqualsIgnoreCase(key_column, column);
    });
  });
}

std::optional<ReferencedKey> KeyReferencedBy(const Table& table, const ForeignKey& key) {
  if (table.primary_key && SameColumns(table.primary_key->columns, key.referenced_columns)) {
    return ReferencedKey{table.primary_key->name, table.primary_key->index_id};
  }
  for (const KeyConstraint& unique : table.unique_constraints) {
    if (SameColumns(unique.columns, key.referenced_columns))
      return ReferencedKey{unique.name, unique.index_id};
  }
  for (const Index& index : table.indexes) {
    if (index.unique && SameColumns(index.columns, key.referenced_columns)) {
      return ReferencedKey{index.name, index.index_id};
    }
  }
  return std::nullopt;
}

// 1-based position of `column` in `table`, the column_id of sys.columns.
std::int64_t ColumnId(const Table& table, const std::string& column) {
  return table.ColumnIndex(column) + 1;
}

Relation TableConstraints(const Database& database, const std::string& qualifier) {
  ViewBuilder view(qualifier);
  for (const char* name : {"CONSTRAINT_CATALOG", "CONSTRAINT_SCHEMA", "CONSTRAINT_NAME",
                           "TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME"}) {
    view.Column(name, Sysname());
  }
  view.Column("CONSTRAINT_TYPE", SqlType::VarChar(11))
      .Column("IS_DEFERRABLE", SqlType::VarChar(2))
      .Column("INITIALLY_DEFERRED", SqlType::VarChar(2));
  auto add = [&](const Table& table, const std::string& constraint, const char* type) {
    view.Add({Name(database.name()), Name("dbo"), Name(constraint), Name(database.name()),
              Name("dbo"), Name(table.name), Text(type, 11), Text("NO", 2), Text("NO", 2)});
  };
  // DEFAULT constraints are no table constraints in the standard's sense and
  // are left out, as the real server does.
  for (const auto& table : database.tables()) {
    if (table->primary_key) add(*table, table->primary_key->name, "PRIMARY KEY");
    for (const KeyConstraint& key : table->unique_constraints) add(*table, key.name, "UNIQUE");
    for (const ForeignKey& key : table->foreign_keys) add(*table, key.name, "FOREIGN KEY");
  }
  return view.Build();
}

Relation KeyColumnUsage(const Database& database, const std::string& qualifier) {
  ViewBuilder view(qualifier);
  for (const char* name : {"CONSTRAINT_CATALOG", "CONSTRAINT_SCHEMA", "CONSTRAINT_NAME",
                           "TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "COLUMN_NAME"}) {
    view.Column(name, Sysname());
  }
  view.Column("ORDINAL_POSITION", SqlType::Of(TypeKind::kInt));
  auto add = [&](const Table& table, const std::string& constraint,
                 const std::vector<std::string>& columns) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
      view.Add({Name(database.name()), Name("dbo"), Name(constraint), Name(database.name()),
                Name("dbo"), Name(table.name), Name(columns[i]),
                Int(static_cast<std::int64_t>(i + 1))});
    }
  };
  for (const auto& table : database.tables()) {
    if (table->primary_key) add(*table, table->primary_key->name, table->primary_key->columns);
    for (const KeyConstraint& key : table->unique_constraints) add(*table, key.name, key.columns);
    for (const ForeignKey& key : table->foreign_keys) add(*table, key.name, key.columns);
  }
  return view.Build();
}

const char* RuleName(bool cascade) { return cascade ? "CASCADE" : "NO ACTION"; }

Relation ReferentialConstraints(const Database& database, const std::string& qualifier) {
  ViewBuilder view(qualifier);
  for (const char* name :
       {"CONSTRAINT_CATALOG", "CONSTRAINT_SCHEMA", "CONSTRAINT_NAME", "UNIQUE_CONSTRAINT_CATALOG",
        "UNIQUE_CONSTRAINT_SCHEMA", "UNIQUE_CONSTRAINT_NAME"}) {
    view.Column(name, Sysname());
  }
  view.Column("MATCH_OPTION", SqlType::VarChar(7))
      .Column("UPDATE_RULE", SqlType::VarChar(11))
      .Column("DELETE_RULE", SqlType::VarChar(11));
  for (const auto& table : database.tables()) {
    for (const ForeignKey& key : table->foreign_keys) {
      const Table* referenced = database.FindTable(key.referenced_table);
      std::optional<ReferencedKey> unique =
          referenced != nullptr ? KeyReferencedBy(*referenced, key) : std::nullopt;
      view.Add({Name(database.name()), Name("dbo"), Name(key.name), Name(database.name()),
                Name("dbo"), unique ? Name(unique->name) : Value::Null(Sysname()),
                Text("SIMPLE", 7), Text(RuleName(key.cascade_update), 11),
                Text(RuleName(key.cascade_delete), 11)});
    }
  }
  return view.Build();
}

Value Action(bool cascade) { return Tiny(cascade ? 1 : 0); }
Value ActionName(bool cascade) { return NText(cascade ? "CASCADE" : "NO_ACTION", 60); }

Relation ForeignKeys(const Database& database, const std::string& qualifier) {
  ViewBuilder view(qualifier);
  AddObjectColumns(view);
  view.Column("referenced_object_id", SqlType::Of(TypeKind::kInt))
      .Column("key_index_id", SqlType::Of(TypeKind::kInt))
      .Column("is_disabled", SqlType::Of(TypeKind::kBit))
      .Column("is_not_for_replication", SqlType::Of(TypeKind::kBit))
      .Column("is_not_trusted", SqlType::Of(TypeKind::kBit))
      .Column("delete_referential_action", SqlType::Of(TypeKind::kTinyInt))
      .Column("delete_referential_action_desc", SqlType{TypeKind::kNVarChar, 60, 0, 0, false})
      .Column("update_referential_action", SqlType::Of(TypeKind::kTinyInt))
      .Column("update_referential_action_desc", SqlType{TypeKind::kNVarChar, 60, 0, 0, false})
      .Column("is_system_named", SqlType::Of(TypeKind::kBit));
  for (const auto& table : database.tables()) {
    for (const ForeignKey& key : table->foreign_keys) {
      const Table* referenced = database.FindTable(key.referenced_table);
      std::optional<ReferencedKey> unique =
          referenced != nullptr ? KeyReferencedBy(*referenced, key) : std::nullopt;
      Row row = ObjectCells(ForeignKeyObject(*table, key));
      Row own = {referenced != nullptr ? Int(referenced->id) : Null(),
                 unique ? Int(unique->index_id) : Null(),
                 Bit(false),
                 Bit(false),
                 Bit(!key.checked),
                 Action(key.cascade_delete),
                 ActionName(key.cascade_delete),
                 Action(key.cascade_update),
                 ActionName(key.cascade_update),
                 Bit(IsSystemNamed(key.name))};
      row.insert(row.end(), own.begin(), own.end());
      view.Add(std::move(row));
    }
  }
  return view.Build();
}

Relation ForeignKeyColumns(const Database& database, const std::string& qualifier) {
  ViewBuilder view(qualifier);
  for (const char* name : {"constraint_object_id", "constraint_column_id", "parent_object_id",
                           "parent_column_id", "referenced_object_id", "referenced_column_id"}) {
    view.Column(name, SqlType::Of(TypeKind::kInt));
  }
  for (const auto& table : database.tables()) {
    for (const ForeignKey& key : table->foreign_keys) {
      const Table* referenced = database.FindTable(key.referenced_table);
      for (std::size_t i = 0; i < key.columns.size(); ++i) {
        bool known = referenced != nullptr && i < key.referenced_columns.size();
        view.Add({Int(key.id), Int(static_cast<std::int64_t>(i + 1)), Int(table->id),
                  Int(ColumnId(*table, key.columns[i])), known ? Int(referenced->id) : Null(),
                  known ? Int(ColumnId(*referenced, key.referenced_columns[i])) : Null()});
      }
    }
  }
  return view.Build();
}

Relation DefaultConstraints(const Database& database, const std::string& qualifier) {
  ViewBuilder view(qualifier);
  AddObjectColumns(view);
  view.Column("parent_column_id", SqlType::Of(TypeKind::kInt))
      .Column("definition", SqlType{TypeKind::kNVarChar, -1, 0, 0, false})
      .Column("is_system_named", SqlType::Of(TypeKind::kBit));
  for (const auto& table : database.tables()) {
    for (const DefaultConstraint& constraint : table->defaults) {
      Row row = ObjectCells(DefaultObject(*table, constraint));
      row.push_back(Int(ColumnId(*table, constraint.column)));
      row.push_back(NText(constraint.definition, -1));
      row.push_back(Bit(IsSystemNamed(constraint.name)));
      view.Add(std::move(row));
    }
  }
  return view.Build();
}

}  // namespace

std::optional<Relation> InformationSchemaConstraintView(const Database& database,
                                                        const std::string& name,
                                                        const std::string& qualifier) {
  if (EqualsIgnoreCase(name, "TABLE_CONSTRAINTS")) return TableConstraints(database, qualifier);
  if (EqualsIgnoreCase(name, "KEY_COLUMN_USAGE")) return KeyColumnUsage(database, qualifier);
  if (EqualsIgnoreCase(name, "REFERENTIAL_CONSTRAINTS"))
    return ReferentialConstraints(database, qualifier);
  return std::nullopt;
}

std::optional<Relation> SysConstraintView(const Database& database, const std::string& name,
                                          const std::string& qualifier) {
  if (EqualsIgnoreCase(name, "foreign_keys")) return ForeignKeys(database, qualifier);
  if (EqualsIgnoreCase(name, "foreign_key_columns")) return ForeignKeyColumns(database, qualifier);
  if (EqualsIgnoreCase(name, "default_constraints")) return DefaultConstraints(database, qualifier);
  return std::nullopt;
}

}  // namespace quelor::sim
