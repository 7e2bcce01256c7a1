// Catalogue views computed from the model, with the columns and values the
// real server shows for user objects of schema dbo.
#include "sim/catalog/system_views.h"

#include "sim/catalog/constraint_views.h"
#include "sim/catalog/view_builder.h"

namespace quelor::sim {

namespace {

using namespace views;

// Precision and scale as the catalogue reports them.
int PrecisionOf(const SqlType& type) {
  switch (type.kind) {
    case TypeKind::kDecimal:
      return type.precision;
    case TypeKind::kDateTime:
      return 23;
    case TypeKind::kSmallDateTime:
      return 16;
    case TypeKind::kDate:
      return 10;
    default:
      return IsNumeric(type.kind) ? SqlType::Of(type.kind).precision : 0;
  }
}
int ScaleOf(const SqlType& type) {
  if (type.kind == TypeKind::kDecimal) return type.scale;
  if (type.kind == TypeKind::kMoney || type.kind == TypeKind::kDateTime)
    return type.kind == TypeKind::kMoney ? 4 : 3;
  return 0;
}

struct IndexEntry {
  std::string name;
  int index_id;
  bool clustered;
  bool unique;
  bool primary;
  bool unique_constraint;
  std::vector<std::string> columns;
};

std::vector<IndexEntry> IndexesOf(const Table& table) {
  std::vector<IndexEntry> entries;
  if (table.primary_key) {
    const KeyConstraint& key = *table.primary_key;
    entries.push_back({key.name, key.index_id, key.clustered, true, true, false, key.columns});
  }
  for (const KeyConstraint& key : table.unique_constraints) {
    entries.push_back({key.name, key.index_id, key.clustered, true, false, true, key.columns});
  }
  for (const Index& index : table.indexes) {
    entries.push_back(
        {index.name, index.index_id, index.clustered, index.unique, false, false, index.columns});
  }
  return entries;
}

// The compatibility view sysobjects.
Relation SysObjects(const Database& database, const std::string& qualifier,
                    const std::vector<ViewEquality>* equalities) {
  ViewBuilder view(qualifier, equalities);
  view.Column("name", Sysname())
      .Column("id", SqlType::Of(TypeKind::kInt))
      .Column("xtype", SqlType{TypeKind::kChar, 2, 0, 0, false})
      .Column("uid", SqlType::Of(TypeKind::kSmallInt))
      .Column("parent_obj", SqlType::Of(TypeKind::kInt))
      .Column("type", SqlType{TypeKind::kChar, 2, 0, 0, false})
      .Column("crdate", SqlType::Of(TypeKind::kDateTime))
      .Column("info", SqlType::Of(TypeKind::kSmallInt))
      .Column("status", SqlType::Of(TypeKind::kInt))
      .Column("category", SqlType::Of(TypeKind::kInt));
  for (const ObjectEntry& object : ObjectsOf(database)) {
    if (!view.Accepts("name", object.name)) continue;
    view.Add({Name(object.name), Int(object.id), Char2(object.type), Small(1), Int(object.parent),
              Char2(object.type), Created(), Small(0), Int(0), Int(0)});
  }
  return view.Build();
}

// sys.objects, or sys.tables: the tables alone.
Relation SysObjectsModern(const Database& database, const std::string& qualifier,
                          bool tables_only) {
  ViewBuilder view(qualifier);
  AddObjectColumns(view);
  for (const ObjectEntry& object : ObjectsOf(database)) {
    if (!tables_only || object.type == "U") view.Add(ObjectCells(object));
  }
  return view.Build();
}

Relation SysIndexes(const Database& database, const std::string& qualifier,
                    const std::vector<ViewEquality>* equalities) {
  ViewBuilder view(qualifier, equalities);
  view.Column("id", SqlType::Of(TypeKind::kInt))
      .Column("status", SqlType::Of(TypeKind::kInt))
      .Column("indid", SqlType::Of(TypeKind::kSmallInt))
      .Column("groupid", SqlType::Of(TypeKind::kSmallInt))
      .Column("keycnt", SqlType::Of(TypeKind::kSmallInt))
      .Column("rowcnt", SqlType::Of(TypeKind::kBigInt))
      .Column("rows", SqlType::Of(TypeKind::kInt))
      .Column("name", Sysname());
  for (const auto& table : database.tables()) {
    std::int64_t rows = static_cast<std::int64_t>(table->rows.size());
    if (!table->HasClusteredIndex()) {
      view.Add({Int(table->id), Int(0), Small(0), Small(1), Small(0),
                Value::Integer(rows, TypeKind::kBigInt), Int(rows), Value::Null(Sysname())});
    }
    for (const IndexEntry& entry : IndexesOf(*table)) {
      if (!view.Accepts("name", entry.name)) continue;
      int status = (entry.unique ? 2 : 0) | (entry.primary ? 2048 : 0) |
                   (entry.unique_constraint ? 4096 : 0);
      view.Add({Int(table->id), Int(status), Small(entry.index_id), Small(1),
                Small(static_cast<std::int64_t>(entry.columns.size())),
                Value::Integer(rows, TypeKind::kBigInt), Int(rows), Name(entry.name)});
    }
  }
  return view.Build();
}

Relation SysIndexesModern(const Database& database, const std::string& qualifier) {
  ViewBuilder view(qualifier);
  view.Column("object_id", SqlType::Of(TypeKind::kInt))
      .Column("name", Sysname())
      .Column("index_id", SqlType::Of(TypeKind::kInt))
      .Column("type", SqlType::Of(TypeKind::kTinyInt))
      .Column("type_desc", SqlType::Of(TypeKind::kNVarChar))
      .Column("is_unique", SqlType::Of(TypeKind::kBit))
      .Column("data_space_id", SqlType::Of(TypeKind::kInt))
      .Column("is_primary_key", SqlType::Of(TypeKind::kBit))
      .Column("is_unique_constraint", SqlType::Of(TypeKind::kBit))
      .Column("is_disabled", SqlType::Of(TypeKind::kBit));
  for (const auto& table : database.tables()) {
    if (!table->HasClusteredIndex()) {
      view.Add({Int(table->id), Value::Null(Sysname()), Int(0), Tiny(0), NText("HEAP", 60),
                Bit(false), Int(1), Bit(false), Bit(false), Bit(false)});
    }
    for (const IndexEntry& entry : IndexesOf(*table)) {
      view.Add({Int(table->id), Name(entry.name), Int(entry.index_id),
                Tiny(entry.clustered ? 1 : 2),
                NText(entry.clustered ? "CLUSTERED" : "NONCLUSTERED", 60), Bit(entry.unique),
                Int(1), Bit(entry.primary), Bit(entry.unique_constraint), Bit(false)});
    }
  }
  return view.Build();
}

Relation IndexColumns(const Database& database, const std::string& qualifier) {
  ViewBuilder view(qualifier);
  view.Column("object_id", SqlType::Of(TypeKind::kInt))
      .Column("index_id", SqlType::Of(TypeKind::kInt))
      .Column("index_column_id", SqlType::Of(TypeKind::kInt))
      .Column("column_id", SqlType::Of(TypeKind::kInt))
      .Column("key_ordinal", SqlType::Of(TypeKind::kTinyInt))
      .Column("partition_ordinal", SqlType::Of(TypeKind::kTinyInt))
      .Column("is_descending_key", SqlType::Of(TypeKind::kBit))
      .Column("is_included_column", SqlType::Of(TypeKind::kBit));
  for (const auto& table : database.tables()) {
    for (const IndexEntry& entry : IndexesOf(*table)) {
      for (std::size_t i = 0; i < entry.columns.size(); ++i) {
        view.Add({Int(table->id), Int(entry.index_id), Int(static_cast<std::int64_t>(i + 1)),
                  Int(table->ColumnIndex(entry.columns[i]) + 1),
                  Tiny(static_cast<std::int64_t>(i + 1)), Tiny(0), Bit(false), Bit(false)});
      }
    }
  }
  return view.Build();
}

Relation SysColumns(const Database& database, const std::string& qualifier) {
  ViewBuilder view(qualifier);
  view.Column("name", Sysname())
      .Column("id", SqlType::Of(TypeKind::kInt))
      .Column("xtype", SqlType::Of(TypeKind::kTinyInt))
      .Column("xusertype", SqlType::Of(TypeKind::kSmallInt))
      .Column("length", SqlType::Of(TypeKind::kSmallInt))
      .Column("xprec", SqlType::Of(TypeKind::kTinyInt))
      .Column("xscale", SqlType::Of(TypeKind::kTinyInt))
      .Column("colid", SqlType::Of(TypeKind::kSmallInt))
      .Column("colorder", SqlType::Of(TypeKind::kSmallInt))
      .Column("cdefault", SqlType::Of(TypeKind::kInt))
      .Column("status", SqlType::Of(TypeKind::kTinyInt))
      .Column("prec", SqlType::Of(TypeKind::kSmallInt))
      .Column("scale", SqlType::Of(TypeKind::kInt))
      .Column("iscomputed", SqlType::Of(TypeKind::kInt))
      .Column("isnullable", SqlType::Of(TypeKind::kInt))
      .Column("collation", Sysname());
  for (const auto& table : database.tables()) {
    for (std::size_t i = 0; i < table->columns.size(); ++i) {
      const Column& column = table->columns[i];
      const DefaultConstraint* constraint = table->DefaultFor(column.name);
      int status = (column.nullable ? 8 : 0) | (column.identity ? 128 : 0);
      std::int64_t colid = static_cast<std::int64_t>(i + 1);
      bool character = IsStringKind(column.type.kind);
      view.Add({Name(column.name), Int(table->id), Tiny(SystemTypeId(column.type)),
                Small(SystemTypeId(column.type)), Small(StorageLength(column.type)),
                Tiny(PrecisionOf(column.type)), Tiny(ScaleOf(column.type)), Small(colid),
                Small(colid), Int(constraint != nullptr ? constraint->id : 0), Tiny(status),
                Small(character ? column.type.length : PrecisionOf(column.type)),
                IsNumeric(column.type.kind) ? Int(ScaleOf(column.type)) : Null(), Int(0),
                Int(column.nullable ? 1 : 0),
                character ? Name("Latin1_General_CI_AS") : Value::Null(Sysname())});
    }
  }
  return view.Build();
}

Relation SysColumnsModern(const Database& database, const std::string& qualifier) {
  ViewBuilder view(qualifier);
  view.Column("object_id", SqlType::Of(TypeKind::kInt))
      .Column("name", Sysname())
      .Column("column_id", SqlType::Of(TypeKind::kInt))
      .Column("system_type_id", SqlType::Of(TypeKind::kTinyInt))
      .Column("user_type_id", SqlType::Of(TypeKind::kInt))
      .Column("max_length", SqlType::Of(TypeKind::kSmallInt))
      .Column("precision", SqlType::Of(TypeKind::kTinyInt))
      .Column("scale", SqlType::Of(TypeKind::kTinyInt))
      .Column("is_nullable", SqlType::Of(TypeKind::kBit))
      .Column("is_identity", SqlType::Of(TypeKind::kBit));
  for (const auto& table : database.tables()) {
    for (std::size_t i = 0; i < table->columns.size(); ++i) {
      const Column& column = table->columns[i];
      view.Add({Int(table->id), Name(column.name), Int(static_cast<std::int64_t>(i + 1)),
                Tiny(SystemTypeId(column.type)), Int(SystemTypeId(column.type)),
                Small(StorageLength(column.type)), Tiny(PrecisionOf(column.type)),
                Tiny(ScaleOf(column.type)), Bit(column.nullable),
                Bit(column.identity.has_value())});
    }
  }
  return view.Build();
}

Relation SysTypes(const std::string& qualifier) {
  ViewBuilder view(qualifier);
  view.Column("name", Sysname())
      .Column("xtype", SqlType::Of(TypeKind::kTinyInt))
      .Column("xusertype", SqlType::Of(TypeKind::kSmallInt))
      .Column("length", SqlType::Of(TypeKind::kSmallInt))
      .Column("xprec", SqlType::Of(TypeKind::kTinyInt))
      .Column("xscale", SqlType::Of(TypeKind::kTinyInt))
      .Column("variable", SqlType::Of(TypeKind::kBit))
      .Column("allownulls", SqlType::Of(TypeKind::kBit));
  static const char* kNames[] = {"image",     "text",          "uniqueidentifier",
                                 "date",      "tinyint",       "smallint",
                                 "int",       "smalldatetime", "real",
                                 "money",     "datetime",      "float",
                                 "ntext",     "bit",           "decimal",
                                 "numeric",   "smallmoney",    "bigint",
                                 "varbinary", "varchar",       "binary",
                                 "char",      "nvarchar",      "nchar",
                                 "sysname"};
  for (const char* name : kNames) {
    SqlType type = *TypeFromName(name);
    if (std::string(name) == "decimal" || std::string(name) == "numeric") type.precision = 38;
    if (HasLength(type.kind)) type.length = IsUnicodeKind(type.kind) ? 4000 : 8000;
    if (std::string(name) == "sysname") type.length = 128;
    int xusertype = std::string(name) == "sysname" ? 256 : SystemTypeId(type);
    if (std::string(name) == "smallmoney") xusertype = 122;
    int xtype = std::string(name) == "smallmoney" ? 122 : SystemTypeId(type);
    view.Add({Name(name), Tiny(xtype), Small(xusertype), Small(StorageLength(type)),
              Tiny(PrecisionOf(type)), Tiny(ScaleOf(type)),
              Bit(HasLength(type.kind) && type.kind != TypeKind::kChar &&
                  type.kind != TypeKind::kNChar && type.kind != TypeKind::kBinary),
              Bit(std::string(name) != "sysname")});
  }
  return view.Build();
}

Relation SysDatabases(const Database& database, const std::string& qualifier) {
  ViewBuilder view(qualifier);
  view.Column("name", Sysname())
      .Column("dbid", SqlType::Of(TypeKind::kSmallInt))
      .Column("crdate", SqlType::Of(TypeKind::kDateTime))
      .Column("cmptlevel", SqlType::Of(TypeKind::kTinyInt));
  std::int64_t id = 0;
  for (const auto& entry : database.server().databases()) {
    view.Add({Name(entry->name()), Small(++id), Created(), Tiny(150)});
  }
  return view.Build();
}

Relation InformationSchemaColumns(const Database& database, const std::string& qualifier,
                                  const std::vector<ViewEquality>* equalities) {
  ViewBuilder view(qualifier, equalities);
  for (const char* name : {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "COLUMN_NAME"})
    view.Column(name, Sysname());
  view.Column("ORDINAL_POSITION", SqlType::Of(TypeKind::kInt))
      .Column("COLUMN_DEFAULT", SqlType{TypeKind::kNVarChar, 4000, 0, 0, false})
      .Column("IS_NULLABLE", SqlType::VarChar(3))
      .Column("DATA_TYPE", Sysname())
      .Column("CHARACTER_MAXIMUM_LENGTH", SqlType::Of(TypeKind::kInt))
      .Column("CHARACTER_OCTET_LENGTH", SqlType::Of(TypeKind::kInt))
      .Column("NUMERIC_PRECISION", SqlType::Of(TypeKind::kTinyInt))
      .Column("NUMERIC_PRECISION_RADIX", SqlType::Of(TypeKind::kSmallInt))
      .Column("NUMERIC_SCALE", SqlType::Of(TypeKind::kInt))
      .Column("DATETIME_PRECISION", SqlType::Of(TypeKind::kSmallInt))
      .Column("CHARACTER_SET_NAME", Sysname())
      .Column("COLLATION_NAME", Sysname());
  if (!view.Accepts("TABLE_CATALOG", database.name()) || !view.Accepts("TABLE_SCHEMA", "dbo"))
    return view.Build();
  for (const auto& table : database.tables()) {
    if (!view.Accepts("TABLE_NAME", table->name)) continue;
    for (std::size_t i = 0; i < table->columns.size(); ++i) {
      const Column& column = table->columns[i];
      if (!view.Accepts("COLUMN_NAME", column.name)) continue;
      const SqlType& type = column.type;
      const DefaultConstraint* constraint = table->DefaultFor(column.name);
      bool character = IsStringKind(type.kind) || IsBinaryKind(type.kind);
      Value max_length = Null();
      Value octet_length = Null();
      if (character) {
        max_length = Int(type.length);
        int storage = StorageLength(type);
        octet_length =
            Int(type.kind == TypeKind::kText || type.kind == TypeKind::kImage ? 2147483647
                : type.kind == TypeKind::kNText                               ? 2147483646
                                                                              : storage);
        if (type.length < 0) octet_length = Int(-1);
      }
      bool exact = IsExactNumeric(type.kind) && type.kind != TypeKind::kBit;
      bool approximate = type.kind == TypeKind::kFloat || type.kind == TypeKind::kReal;
      Value precision = exact || approximate ? Tiny(PrecisionOf(type))
                                             : Value::Null(SqlType::Of(TypeKind::kTinyInt));
      Value radix = exact         ? Small(10)
                    : approximate ? Small(2)
                                  : Value::Null(SqlType::Of(TypeKind::kSmallInt));
      Value scale = exact ? Int(ScaleOf(type)) : Null();
      Value datetime_precision = IsDateKind(type.kind)
                                     ? Small(type.kind == TypeKind::kDateTime ? 3 : 0)
                                     : Value::Null(SqlType::Of(TypeKind::kSmallInt));
      bool text = IsStringKind(type.kind);
      view.Add(
          {Name(database.name()), Name("dbo"), Name(table->name), Name(column.name),
           Int(static_cast<std::int64_t>(i + 1)),
           constraint != nullptr ? NText(constraint->definition, 4000)
                                 : Value::Null(SqlType::Of(TypeKind::kNVarChar)),
           Text(column.nullable ? "YES" : "NO", 3), Name(TypeName(type)), max_length, octet_length,
           precision, radix, scale, datetime_precision,
           text ? Name(IsUnicodeKind(type.kind) ? "UNICODE" : "iso_1") : Value::Null(Sysname()),
           text ? Name("Latin1_General_CI_AS") : Value::Null(Sysname())});
    }
  }
  return view.Build();
}

Relation InformationSchemaTables(const Database& database, const std::string& qualifier) {
  ViewBuilder view(qualifier);
  for (const char* name : {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME"})
    view.Column(name, Sysname());
  view.Column("TABLE_TYPE", SqlType::VarChar(10));
  for (const auto& table : database.tables()) {
    view.Add({Name(database.name()), Name("dbo"), Name(table->name), Text("BASE TABLE", 10)});
  }
  return view.Build();
}

Relation InformationSchemaRoutines(const Database& database, const std::string& qualifier) {
  ViewBuilder view(qualifier);
  for (const char* name : {"SPECIFIC_CATALOG", "SPECIFIC_SCHEMA", "SPECIFIC_NAME",
                           "ROUTINE_CATALOG", "ROUTINE_SCHEMA", "ROUTINE_NAME"}) {
    view.Column(name, Sysname());
  }
  view.Column("ROUTINE_TYPE", SqlType{TypeKind::kNVarChar, 20, 0, 0, false})
      .Column("DATA_TYPE", Sysname())
      .Column("ROUTINE_BODY", SqlType{TypeKind::kNVarChar, 30, 0, 0, false})
      .Column("ROUTINE_DEFINITION", SqlType{TypeKind::kNVarChar, 4000, 0, 0, false})
      .Column("CREATED", SqlType::Of(TypeKind::kDateTime))
      .Column("LAST_ALTERED", SqlType::Of(TypeKind::kDateTime));
  for (const auto& function : database.functions()) {
    std::string data_type = function->kind == Function::Kind::kInlineTable ? "TABLE" : "";
    if (data_type.empty()) data_type = TypeName(function->return_type);
    Row row{Name(database.name()),
            Name("dbo"),
            Name(function->name),
            Name(database.name()),
            Name("dbo"),
            Name(function->name),
            NText("FUNCTION", 20),
            Name(data_type),
            NText("SQL", 30),
            NText(std::string(FirstCharacters(function->definition, 4000)), 4000),
            Created(),
            Created()};
    view.Add(std::move(row));
  }
  return view.Build();
}

}  // namespace

std::optional<Relation> SystemView(const Database& database, const std::string& schema,
                                   const std::string& name, const std::string& qualifier,
                                   const std::vector<ViewEquality>& equalities) {
  if (EqualsIgnoreCase(schema, "INFORMATION_SCHEMA")) {
    if (EqualsIgnoreCase(name, "COLUMNS"))
      return InformationSchemaColumns(database, qualifier, &equalities);
    if (EqualsIgnoreCase(name, "TABLES")) return InformationSchemaTables(database, qualifier);
    if (EqualsIgnoreCase(name, "ROUTINES")) return InformationSchemaRoutines(database, qualifier);
    return InformationSchemaConstraintView(database, name, qualifier);
  }
  if (EqualsIgnoreCase(schema, "sys")) {
    if (EqualsIgnoreCase(name, "indexes")) return SysIndexesModern(database, qualifier);
    if (EqualsIgnoreCase(name, "index_columns")) return IndexColumns(database, qualifier);
    if (EqualsIgnoreCase(name, "objects")) return SysObjectsModern(database, qualifier, false);
    if (EqualsIgnoreCase(name, "tables")) return SysObjectsModern(database, qualifier, true);
    if (EqualsIgnoreCase(name, "columns")) return SysColumnsModern(database, qualifier);
    if (std::optional<Relation> view = SysConstraintView(database, name, qualifier)) return view;
  }
  if (!schema.empty() && !EqualsIgnoreCase(schema, "dbo") && !EqualsIgnoreCase(schema, "sys"))
    return std::nullopt;
  if (EqualsIgnoreCase(name, "sysobjects")) return SysObjects(database, qualifier, &equalities);
  if (EqualsIgnoreCase(name, "sysindexes")) return SysIndexes(database, qualifier, &equalities);
  if (EqualsIgnoreCase(name, "syscolumns")) return SysColumns(database, qualifier);
  if (EqualsIgnoreCase(name, "systypes")) return SysTypes(qualifier);
  if (EqualsIgnoreCase(name, "sysdatabases")) return SysDatabases(database, qualifier);
  return std::nullopt;
}

}  // namespace quelor::sim
