// What the catalogue views share: a builder that declares columns once and
// takes rows as value lists, the typed cells the real server shows, and the
// columns every object-based view (sys.objects, sys.foreign_keys, ...) starts
// with.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sim/catalog/schema.h"
#include "sim/execution/relation.h"
#include "sim/catalog/system_views.h"

namespace quelor::sim::views {

SqlType Sysname();

class ViewBuilder {
 public:
  explicit ViewBuilder(std::string qualifier, const std::vector<ViewEquality>* equalities = nullptr)
      : qualifier_(std::move(qualifier)), equalities_(equalities) {}

  // False when a condition on `column` rules out `value`.
  bool Accepts(std::string_view column, std::string_view value) const;

  ViewBuilder& Column(const std::string& name, SqlType type);
  void Add(Row row) { relation_.rows.push_back(std::move(row)); }
  Relation Build() { return std::move(relation_); }

 private:
  std::string qualifier_;
  const std::vector<ViewEquality>* equalities_;
  Relation relation_;
};

Value Name(const std::string& text);
Value Int(std::int64_t number);
Value Small(std::int64_t number);
Value Tiny(std::int64_t number);
Value Bit(bool flag);
Value Char2(const std::string& code);
Value Text(const std::string& text, int length = 128);
Value NText(const std::string& text, int length = 128);  // length -1: nvarchar(max)
Value Null(TypeKind kind = TypeKind::kInt);
Value Created();

// An object as sys.objects lists it; `type` is the one- or two-letter code.
struct ObjectEntry {
  std::string name;
  std::int64_t id = 0;
  std::string type;
  std::int64_t parent = 0;
  std::string description;
};

ObjectEntry ForeignKeyObject(const Table& table, const ForeignKey& key);
ObjectEntry DefaultObject(const Table& table, const DefaultConstraint& constraint);
// Tables, their constraints and the functions, in the order sys.objects shows them.
std::vector<ObjectEntry> ObjectsOf(const Database& database);

// The columns of sys.objects, which the views of one kind of object repeat
// before their own.
void AddObjectColumns(ViewBuilder& view);
Row ObjectCells(const ObjectEntry& object);

// Whether the server made up the constraint's name (PK__Adresse__1A2B3C4D5E6F7A8B,
// DF__Adresse__Kz__5E6F7A8B): the model keeps no flag, and those names are
// never written by hand.
bool IsSystemNamed(std::string_view constraint_name);

}  // namespace quelor::sim::views
