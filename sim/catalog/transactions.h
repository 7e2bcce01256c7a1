// Open transactions of the sessions on one server, with what it takes to undo
// them. A table or function is copied the first time a transaction changes
// it; rolling back puts the copies back in their places in creation order,
// drops what the transaction created and brings back what it dropped.
// Objects a transaction drops stay alive until it ends, so no pointer of the
// journal can come to mean another object.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "sim/catalog/schema.h"

namespace quelor::sim {

// Undo information of one kind of object (tables or functions) of one
// database in one transaction.
template <class T>
struct ObjectJournal {
  bool started = false;
  std::vector<const T*> order;  // the objects in creation order when first changed
  std::unordered_map<const T*, std::unique_ptr<T>> saved;  // copies as they were
  std::unordered_set<const T*> created;
  std::vector<std::unique_ptr<T>> dropped;  // kept alive until the transaction ends

  bool Changed(const T* object) const { return saved.contains(object) || created.contains(object); }
};

struct DatabaseJournal {
  ObjectJournal<Table> tables;
  ObjectJournal<Function> functions;
  bool schema_changed = false;  // objects created, dropped or altered
};

class Transactions {
 public:
  // @@TRANCOUNT of `session`.
  int Count(std::uint64_t session) const;
  bool AnyOpen() const { return !open_.empty(); }

  void Begin(std::uint64_t session);
  // One level less; the outermost makes the work durable. False when the
  // session has no open transaction.
  bool Commit(std::uint64_t session);
  // Undoes everything since the outermost BEGIN. False when none is open.
  bool Rollback(std::uint64_t session);
  // Before a server that ends keeps what was committed.
  void RollbackAll();
  // Runs `action` while the server shows committed work only (what open
  // transactions changed is set aside and put back afterwards).
  void WithCommittedState(const std::function<void()>& action);

  // Journal hooks, called before the change; nothing happens for a session
  // without an open transaction. `schema` tells whether the change alters
  // the object's definition (not only its rows).
  void Changing(std::uint64_t session, Database& database, Table& table, bool schema);
  void Created(std::uint64_t session, Database& database, Table& table);
  // Takes the table out of `database`: kept until the transaction ends, or
  // destroyed at once outside one.
  void Drop(std::uint64_t session, Database& database, std::string_view table_name);
  void Changing(std::uint64_t session, Database& database, Function& function);
  void Created(std::uint64_t session, Database& database, Function& function);
  void DropFunction(std::uint64_t session, Database& database, std::string_view function_name);

  // A session must not read or change what another session's open
  // transaction changed: the real server would make it wait. Throws 50000.
  void CheckAccess(std::uint64_t session, const Database& database, const Table& table) const;
  // The same for the catalogue views of a database whose objects another
  // open transaction created, dropped or altered.
  void CheckCatalogAccess(std::uint64_t session, const Database& database) const;

 private:
  struct Transaction {
    int count = 0;
    std::map<Database*, DatabaseJournal> journals;
  };
  DatabaseJournal* JournalFor(std::uint64_t session, Database& database);
  void Undo(Transaction& transaction);

  std::map<std::uint64_t, Transaction> open_;
};

}  // namespace quelor::sim
