#include "sim/catalog/view_builder.h"

#include <cctype>

namespace quelor::sim::views {

SqlType Sysname() {
  SqlType type = SqlType::Of(TypeKind::kNVarChar);
  type.length = 128;
  return type;
}

bool ViewBuilder::Accepts(std::string_view column, std::string_view value) const {
  if (equalities_ == nullptr) return true;
  for (const ViewEquality& equality : *equalities_) {
    if (EqualsIgnoreCase(equality.column, column) &&
        !EqualsIgnoreCase(TrimTrailingBlanks(equality.value), TrimTrailingBlanks(value))) {
      return false;
    }
  }
  return true;
}

ViewBuilder& ViewBuilder::Column(const std::string& name, SqlType type) {
  relation_.columns.push_back(BoundColumn{qualifier_, qualifier_, name, type, false, nullptr});
  return *this;
}

Value Name(const std::string& text) { return Value::String(text, Sysname()); }
Value Int(std::int64_t number) { return Value::Integer(number); }
Value Small(std::int64_t number) { return Value::Integer(number, TypeKind::kSmallInt); }
Value Tiny(std::int64_t number) { return Value::Integer(number, TypeKind::kTinyInt); }
Value Bit(bool flag) { return Value::Integer(flag ? 1 : 0, TypeKind::kBit); }
Value Char2(const std::string& code) {
  SqlType type = SqlType::Of(TypeKind::kChar);
  type.length = 2;
  return Value::String(code.size() == 1 ? code + " " : code, type);
}
Value Text(const std::string& text, int length) {
  return Value::String(text, SqlType::VarChar(length));
}
Value NText(const std::string& text, int length) {
  SqlType type = SqlType::Of(TypeKind::kNVarChar);
  type.length = length;
  return Value::String(text, type);
}
Value Null(TypeKind kind) { return Value::Null(SqlType::Of(kind)); }
Value Created() { return Value::DateTime(DaysFromCivil(2013, 2, 20) * 86'400'000LL); }

ObjectEntry ForeignKeyObject(const Table& table, const ForeignKey& key) {
  return {key.name, key.id, "F", table.id, "FOREIGN_KEY_CONSTRAINT"};
}

ObjectEntry DefaultObject(const Table& table, const DefaultConstraint& constraint) {
  return {constraint.name, constraint.id, "D", table.id, "DEFAULT_CONSTRAINT"};
}

std::vector<ObjectEntry> ObjectsOf(const Database& database) {
  std::vector<ObjectEntry> objects;
  for (const auto& table : database.tables()) {
    objects.push_back({table->name, table->id, "U", 0, "USER_TABLE"});
    if (const auto& key = table->primary_key)
      objects.push_back({key->name, key->id, "PK", table->id, "PRIMARY_KEY_CONSTRAINT"});
    for (const KeyConstraint& key : table->unique_constraints) {
      objects.push_back({key.name, key.id, "UQ", table->id, "UNIQUE_CONSTRAINT"});
    }
    for (const ForeignKey& key : table->foreign_keys)
      objects.push_back(ForeignKeyObject(*table, key));
    for (const DefaultConstraint& constraint : table->defaults)
      objects.push_back(DefaultObject(*table, constraint));
  }
  for (const auto& function : database.functions()) {
    bool scalar = function->kind == Function::Kind::kScalar;
    objects.push_back({function->name, function->id, scalar ? "FN" : "IF", 0,
                       scalar ? "SQL_SCALAR_FUNCTION" : "SQL_INLINE_TABLE_VALUED_FUNCTION"});
  }
  return objects;
}

void AddObjectColumns(ViewBuilder& view) {
  view.Column("name", Sysname())
      .Column("object_id", SqlType::Of(TypeKind::kInt))
      .Column("principal_id", SqlType::Of(TypeKind::kInt))
      .Column("schema_id", SqlType::Of(TypeKind::kInt))
      .Column("parent_object_id", SqlType::Of(TypeKind::kInt))
      .Column("type", SqlType{TypeKind::kChar, 2, 0, 0, false})
      .Column("type_desc", SqlType{TypeKind::kNVarChar, 60, 0, 0, false})
      .Column("create_date", SqlType::Of(TypeKind::kDateTime))
      .Column("modify_date", SqlType::Of(TypeKind::kDateTime))
      .Column("is_ms_shipped", SqlType::Of(TypeKind::kBit))
      .Column("is_published", SqlType::Of(TypeKind::kBit))
      .Column("is_schema_published", SqlType::Of(TypeKind::kBit));
}

Row ObjectCells(const ObjectEntry& object) {
  // Objects of schema dbo belong to the schema's owner: principal_id is NULL.
  return {Name(object.name),
          Int(object.id),
          Null(),
          Int(1),
          Int(object.parent),
          Char2(object.type),
          NText(object.description, 60),
          Created(),
          Created(),
          Bit(false),
          Bit(false),
          Bit(false)};
}

bool IsSystemNamed(std::string_view constraint_name) {
  static constexpr std::string_view kPrefixes[] = {"PK__", "UQ__", "FK__", "DF__"};
  bool prefixed = false;
  for (std::string_view prefix : kPrefixes)
    prefixed = prefixed || constraint_name.starts_with(prefix);
  std::size_t separator = constraint_name.rfind("__");
  if (!prefixed || separator < 4) return false;
  std::string_view suffix = constraint_name.substr(separator + 2);
  if (suffix.size() != 8 && suffix.size() != 16) return false;
  for (char c : suffix) {
    if (!std::isxdigit(static_cast<unsigned char>(c)) ||
        std::islower(static_cast<unsigned char>(c)))
      return false;
  }
  return true;
}

}  // namespace quelor::sim::views
