// Counts what passes through a connection, for the summary at the end of a
// run: the statements sent (commands, queries and row inserts) and the
// databases it was opened on. Several connections, on several threads, may
// count into one tally.
#pragma once

#include <atomic>
#include <mutex>
#include <set>
#include <string>

#include "db/connection.h"

namespace quelor::db {

class StatementTally {
 public:
  void AddStatement() { ++statements_; }
  void AddFailure() { ++failures_; }
  void AddDatabase(const std::string& name) {
    std::lock_guard lock(mutex_);
    databases_.insert(name);
  }

  long statements() const { return statements_; }
  long failures() const { return failures_; }
  std::set<std::string> databases() const {
    std::lock_guard lock(mutex_);
    return databases_;
  }

 private:
  std::atomic<long> statements_ = 0;
  std::atomic<long> failures_ = 0;
  mutable std::mutex mutex_;
  std::set<std::string> databases_;
};

class CountingConnection : public Connection {
 public:
  // Counts into a tally of its own.
  explicit CountingConnection(Connection& inner) : inner_(inner), tally_(own_tally_) {}
  // Counts into `tally`, which others may share and which must outlive it.
  CountingConnection(Connection& inner, StatementTally& tally) : inner_(inner), tally_(tally) {}

  void Open(const std::string& connection_text) override;
  void Close() override { inner_.Close(); }
  bool IsOpen() const override { return inner_.IsOpen(); }
  void Execute(const std::string& text) override;
  ResultSet Query(const std::string& text) override;
  void InsertRow(const std::string& table, const std::vector<ColumnValue>& values) override;

  long statements() const { return tally_.statements(); }
  long failures() const { return tally_.failures(); }
  // The databases this connection (or the tally's others) was opened on with
  // success.
  std::set<std::string> databases() const { return tally_.databases(); }

 private:
  template <typename Action>
  auto Count(Action&& action);

  Connection& inner_;
  StatementTally own_tally_;
  StatementTally& tally_;
};

}  // namespace quelor::db
