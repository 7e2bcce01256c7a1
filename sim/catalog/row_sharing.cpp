#include "sim/catalog/row_sharing.h"

#include <algorithm>

#include "sim/catalog/schema.h"

namespace quelor::sim {
namespace {

bool SameColumns(const Table& a, const Table& b) {
  if (a.columns.size() != b.columns.size()) return false;
  for (std::size_t i = 0; i < a.columns.size(); ++i) {
    const Column& x = a.columns[i];
    const Column& y = b.columns[i];
    if (x.name != y.name || x.nullable != y.nullable || x.type.kind != y.type.kind ||
        x.type.length != y.type.length || x.type.precision != y.type.precision ||
        x.type.scale != y.type.scale || x.type.numeric_spelling != y.type.numeric_spelling) {
      return false;
    }
  }
  return true;
}

bool SameAllRows(const Rows& a, const Rows& b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (!SameStoredRow(a[i], b[i])) return false;
  }
  return true;
}

// A table the batch is still working on differs from the other one mostly
// everywhere: a few rows spread over it tell that before every row is
// compared or hashed.
bool SameSampleRows(const Rows& a, const Rows& b) {
  const std::size_t last = a.size() - 1;
  for (const std::size_t i : {std::size_t{0}, last, last / 2, last / 4, last - last / 4}) {
    if (!SameStoredRow(a[i], b[i])) return false;
  }
  return true;
}

// Lets `table` share the rows of the first equal table of its name in
// another database. The first table that passes the cheap checks is compared
// row by row straight away: it is mostly the equal one, and hashing both
// tables first would read them twice. Should it differ, the tables after it
// are filtered by their content hashes (kept with the rows), so that many
// tables that differ only in a few rows are not each compared in full.
void ShareWithEqual(Server& server, const Database& database, Table& table) {
  bool filter_by_hash = false;
  for (const auto& other_database : server.databases()) {
    if (other_database.get() == &database) continue;
    const Table* other = other_database->FindTable(table.name);
    if (other == nullptr || other->rows.size() != table.rows.size() || other->name != table.name)
      continue;
    if (table.rows.SameVector(other->rows)) return;
    if (!SameColumns(table, *other)) continue;
    if (!table.rows.empty()) {
      if (!SameSampleRows(table.rows, other->rows)) continue;
      if (filter_by_hash && table.rows.ContentHash() != other->rows.ContentHash()) continue;
      if (!SameAllRows(table.rows, other->rows)) {
        filter_by_hash = true;
        continue;
      }
    }
    table.rows.ShareWith(other->rows);
    return;
  }
}

}  // namespace

void RowSharing::Written(const Database& database, const Table& table) {
  // A batch of single-row inserts names the same table over and over.
  if (!written_.empty() && written_.back().second == table.name &&
      written_.back().first == database.name()) {
    return;
  }
  written_.emplace_back(database.name(), table.name);
}

void RowSharing::ShareWritten(Server& server) {
  if (written_.empty()) return;
  std::sort(written_.begin(), written_.end());
  written_.erase(std::unique(written_.begin(), written_.end()), written_.end());
  for (const auto& [database_name, table_name] : written_) {
    Database* database = server.FindDatabase(database_name);
    Table* table = database != nullptr ? database->FindTable(table_name) : nullptr;
    if (table != nullptr && table->rows.size() >= kMinimumRows)
      ShareWithEqual(server, *database, *table);
  }
  written_.clear();
}

}  // namespace quelor::sim
