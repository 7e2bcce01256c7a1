// Name lookups and transaction guards shared by the stages of a batch.
#include "sim/execution/batch_state.h"

#include "sim/catalog/row_sharing.h"
#include "sim/catalog/transactions.h"
#include "sim/common/errors.h"

namespace quelor::sim::execution {

Database& BatchState::CurrentDatabase() const {
  Database* database = session.server->FindDatabase(session.database);
  if (database == nullptr) Raise(911, {session.database});
  return *database;
}

Database& BatchState::DatabaseFor(const parser::ObjectName& name) const {
  if (name.database.empty()) return CurrentDatabase();
  Database* database = session.server->FindDatabase(name.database);
  if (database == nullptr) Raise(911, {name.database});
  return *database;
}

namespace {

// Tables live in dbo; a name in any other schema names none.
bool InDbo(const parser::ObjectName& name) {
  return name.schema.empty() || EqualsIgnoreCase(name.schema, "dbo");
}

}  // namespace

Table* BatchState::FindTable(const parser::ObjectName& name) const {
  return InDbo(name) ? DatabaseFor(name).FindTable(name.name) : nullptr;
}

Table& BatchState::RequireTable(const parser::ObjectName& name) const {
  Table* table = FindTable(name);
  if (table == nullptr) Raise(208, {DisplayName(name)});
  return *table;
}

Table& BatchState::RequireTable(Database& database, const parser::ObjectName& name) const {
  Table* table = InDbo(name) ? database.FindTable(name.name) : nullptr;
  if (table == nullptr) Raise(208, {DisplayName(name)});
  return *table;
}

std::string BatchState::DisplayName(const parser::ObjectName& name) {
  if (!name.database.empty()) return name.database + "." + name.schema + "." + name.name;
  if (!name.schema.empty()) return name.schema + "." + name.name;
  return name.name;
}

std::string BatchState::QualifiedTableName(const Database& database, const Table& table) const {
  return database.name() + ".dbo." + table.name;
}

void BatchState::WillChange(Database& database, Table& table, bool schema) {
  session.server->row_sharing().Written(database, table);
  Transactions& transactions = session.server->transactions();
  if (!transactions.AnyOpen()) return;
  transactions.CheckAccess(session.id, database, table);
  transactions.Changing(session.id, database, table, schema);
}

void BatchState::WillRead(const Database& database, const Table& table) const {
  const Transactions& transactions = session.server->transactions();
  if (transactions.AnyOpen()) transactions.CheckAccess(session.id, database, table);
}

}  // namespace quelor::sim::execution
