// Open transactions: the journal of first changes and its undo.
#include "sim/catalog/transactions.h"

#include <algorithm>
#include <utility>

#include "sim/common/errors.h"

namespace quelor::sim {

namespace {

// The objects of `current` (in order) as they are without the changes of
// `journal`: saved copies in place of changed objects, dropped objects back
// in their places, created ones left out. Objects that other sessions added
// meanwhile stay, after the others.
template <class T>
std::vector<const T*> CommittedOrder(const std::vector<const T*>& current,
                                     const ObjectJournal<T>& journal) {
  if (!journal.started) return current;
  std::unordered_set<const T*> present(current.begin(), current.end());
  std::unordered_set<const T*> ordered(journal.order.begin(), journal.order.end());
  std::vector<const T*> result;
  for (const T* object : journal.order) {
    if (auto saved = journal.saved.find(object); saved != journal.saved.end()) {
      result.push_back(saved->second.get());
    } else if (present.contains(object)) {
      result.push_back(object);
    }
  }
  for (const T* object : current) {
    if (!ordered.contains(object) && !journal.created.contains(object)) result.push_back(object);
  }
  return result;
}

template <class T>
std::vector<const T*> Pointers(const std::vector<std::unique_ptr<T>>& objects) {
  std::vector<const T*> pointers;
  pointers.reserve(objects.size());
  for (const auto& object : objects) pointers.push_back(object.get());
  return pointers;
}

// Puts the committed objects of `journal` into `live`, taking the saved
// copies out of the journal; the rest of `live` is destroyed.
template <class T>
void Restore(std::vector<std::unique_ptr<T>>& live, ObjectJournal<T>& journal) {
  if (!journal.started) return;
  std::vector<const T*> order = CommittedOrder(Pointers(live), journal);
  std::unordered_map<const T*, std::unique_ptr<T>> owners;
  for (auto& object : live) owners.emplace(object.get(), std::move(object));
  for (auto& [original, copy] : journal.saved) owners.emplace(copy.get(), std::move(copy));
  std::vector<std::unique_ptr<T>> restored;
  restored.reserve(order.size());
  for (const T* object : order) restored.push_back(std::move(owners.at(object)));
  live = std::move(restored);
}

// Identity values handed out inside the transaction are not given back (the
// real server leaves the gap); the restored copy is a new version for every
// cache keyed on the table.
void FixUpRestoredTables(ObjectJournal<Table>& journal) {
  for (auto& [original, copy] : journal.saved) {
    int position = copy->IdentityColumn();
    if (position >= 0) {
      int reached_at =
          original->ColumnIndex(copy->columns[static_cast<std::size_t>(position)].name);
      if (reached_at >= 0) {
        const Column& reached = original->columns[static_cast<std::size_t>(reached_at)];
        if (reached.identity && reached.identity->current) {
          copy->columns[static_cast<std::size_t>(position)].identity->current =
              reached.identity->current;
        }
      }
    }
    copy->InvalidateKeys();
  }
}

template <class T>
void StartJournal(ObjectJournal<T>& journal, const std::vector<std::unique_ptr<T>>& live) {
  if (journal.started) return;
  journal.started = true;
  journal.order = Pointers(live);
}

template <class T>
void SaveFirst(ObjectJournal<T>& journal, const std::vector<std::unique_ptr<T>>& live,
               const T& object) {
  StartJournal(journal, live);
  if (journal.created.contains(&object) || journal.saved.contains(&object)) return;
  // Created by another session after the journal started: it goes back last.
  if (std::find(journal.order.begin(), journal.order.end(), &object) == journal.order.end()) {
    journal.order.push_back(&object);
  }
  journal.saved.emplace(&object, std::make_unique<T>(object));
}

}  // namespace

int Transactions::Count(std::uint64_t session) const {
  auto found = open_.find(session);
  return found == open_.end() ? 0 : found->second.count;
}

void Transactions::Begin(std::uint64_t session) { ++open_[session].count; }

bool Transactions::Commit(std::uint64_t session) {
  auto found = open_.find(session);
  if (found == open_.end()) return false;
  if (--found->second.count == 0) open_.erase(found);
  return true;
}

bool Transactions::Rollback(std::uint64_t session) {
  auto found = open_.find(session);
  if (found == open_.end()) return false;
  Undo(found->second);
  open_.erase(found);
  return true;
}

void Transactions::RollbackAll() {
  for (auto& [session, transaction] : open_) Undo(transaction);
  open_.clear();
}

void Transactions::Undo(Transaction& transaction) {
  for (auto& [database, journal] : transaction.journals) {
    FixUpRestoredTables(journal.tables);
    Restore(database->tables_, journal.tables);
    Restore(database->functions_, journal.functions);
    database->Reindex();
  }
}

void Transactions::WithCommittedState(const std::function<void()>& action) {
  std::map<Database*, std::pair<std::vector<const Table*>, std::vector<const Function*>>> views;
  for (const auto& [session, transaction] : open_) {
    for (const auto& [database, journal] : transaction.journals) {
      auto [view, added] =
          views.try_emplace(database, Pointers(database->tables_), Pointers(database->functions_));
      view->second.first = CommittedOrder(view->second.first, journal.tables);
      view->second.second = CommittedOrder(view->second.second, journal.functions);
    }
  }
  std::map<Database*,
           std::pair<std::vector<std::unique_ptr<Table>>, std::vector<std::unique_ptr<Function>>>>
      aside;
  for (auto& [database, view] : views) {
    std::vector<std::unique_ptr<Table>> tables;
    for (const Table* table : view.first) tables.push_back(std::make_unique<Table>(*table));
    std::vector<std::unique_ptr<Function>> functions;
    for (const Function* function : view.second)
      functions.push_back(std::make_unique<Function>(*function));
    aside[database] = {std::exchange(database->tables_, std::move(tables)),
                       std::exchange(database->functions_, std::move(functions))};
    database->Reindex();
  }
  auto put_back = [&]() {
    for (auto& [database, live] : aside) {
      database->tables_ = std::move(live.first);
      database->functions_ = std::move(live.second);
      database->Reindex();
    }
  };
  try {
    action();
  } catch (...) {
    put_back();
    throw;
  }
  put_back();
}

DatabaseJournal* Transactions::JournalFor(std::uint64_t session, Database& database) {
  auto found = open_.find(session);
  if (found == open_.end()) return nullptr;
  return &found->second.journals[&database];
}

void Transactions::Changing(std::uint64_t session, Database& database, Table& table, bool schema) {
  DatabaseJournal* journal = JournalFor(session, database);
  if (journal == nullptr) return;
  SaveFirst(journal->tables, database.tables_, table);
  journal->schema_changed = journal->schema_changed || schema;
}

void Transactions::Created(std::uint64_t session, Database& database, Table& table) {
  DatabaseJournal* journal = JournalFor(session, database);
  if (journal == nullptr) return;
  StartJournal(journal->tables, database.tables_);
  // It is in the database already: the journal may have started just now.
  std::erase(journal->tables.order, &table);
  journal->tables.created.insert(&table);
  journal->schema_changed = true;
}

void Transactions::Drop(std::uint64_t session, Database& database, std::string_view table_name) {
  Table* table = database.FindTable(table_name);
  if (table == nullptr) return;
  DatabaseJournal* journal = JournalFor(session, database);
  if (journal == nullptr) {
    database.DropTable(table_name);
    return;
  }
  SaveFirst(journal->tables, database.tables_, *table);
  journal->schema_changed = true;
  journal->tables.dropped.push_back(database.ReleaseTable(table_name));
}

void Transactions::Changing(std::uint64_t session, Database& database, Function& function) {
  DatabaseJournal* journal = JournalFor(session, database);
  if (journal == nullptr) return;
  SaveFirst(journal->functions, database.functions_, function);
  journal->schema_changed = true;
}

void Transactions::Created(std::uint64_t session, Database& database, Function& function) {
  DatabaseJournal* journal = JournalFor(session, database);
  if (journal == nullptr) return;
  StartJournal(journal->functions, database.functions_);
  std::erase(journal->functions.order, &function);
  journal->functions.created.insert(&function);
  journal->schema_changed = true;
}

void Transactions::DropFunction(std::uint64_t session, Database& database,
                                std::string_view function_name) {
  Function* function = database.FindFunction(function_name);
  if (function == nullptr) return;
  DatabaseJournal* journal = JournalFor(session, database);
  if (journal == nullptr) {
    database.DropFunction(function_name);
    return;
  }
  SaveFirst(journal->functions, database.functions_, *function);
  journal->schema_changed = true;
  journal->functions.dropped.push_back(database.ReleaseFunction(function_name));
}

void Transactions::CheckAccess(std::uint64_t session, const Database& database,
                               const Table& table) const {
  for (const auto& [owner, transaction] : open_) {
    if (owner == session) continue;
    auto journal = transaction.journals.find(const_cast<Database*>(&database));
    if (journal != transaction.journals.end() && journal->second.tables.Changed(&table)) {
      RaiseUnsupported(
          "dbo." + table.name + " in " + database.name() +
          " is changed by another session's open transaction; the real server would wait for it");
    }
  }
}

void Transactions::CheckCatalogAccess(std::uint64_t session, const Database& database) const {
  for (const auto& [owner, transaction] : open_) {
    if (owner == session) continue;
    auto journal = transaction.journals.find(const_cast<Database*>(&database));
    if (journal != transaction.journals.end() && journal->second.schema_changed) {
      RaiseUnsupported(
          "the catalogue of " + database.name() +
          " is changed by another session's open transaction; the real server would wait for it");
    }
  }
}

}  // namespace quelor::sim
