#include "app/run_report.h"

#include <algorithm>

namespace quelor::app {

std::string_view DatabaseOutcomeName(DatabaseOutcome outcome) {
  switch (outcome) {
    case DatabaseOutcome::kNotReached:
      return "not reached";
    case DatabaseOutcome::kMigrated:
      return "migrated";
    case DatabaseOutcome::kStopped:
      return "stopped";
    case DatabaseOutcome::kNotConnected:
      return "not connected";
    case DatabaseOutcome::kFinalPassOnly:
      return "final pass only";
  }
  return "not reached";
}

namespace {

bool IsWarningOrError(const ReportedDialog& dialog) {
  return dialog.kind == DialogKind::kWarning || dialog.kind == DialogKind::kError;
}

}  // namespace

long RunReport::TotalStatements() const {
  long total = catalogue_statements;
  for (const DatabaseReport& database : databases) total += database.statements;
  return total;
}

long RunReport::WarningsAndErrors() const {
  long count = std::count_if(run_dialogs.begin(), run_dialogs.end(), IsWarningOrError);
  for (const DatabaseReport& database : databases) {
    count += std::count_if(database.dialogs.begin(), database.dialogs.end(), IsWarningOrError);
  }
  return count;
}

const DatabaseReport* RunReport::Find(const std::string& name) const {
  for (const DatabaseReport& database : databases) {
    if (database.name == name) return &database;
  }
  return nullptr;
}

RunRecorder::RunRecorder() : run_started_(Clock::now()) {
  report_.started = std::chrono::system_clock::now();
}

void RunRecorder::RunStarted() {
  std::lock_guard lock(mutex_);
  run_started_ = Clock::now();
  report_.started = std::chrono::system_clock::now();
}

void RunRecorder::SetServer(const std::string& server, const std::string& login) {
  std::lock_guard lock(mutex_);
  report_.server = server;
  report_.login = login;
}

// A database the run meets for the first time that is no listed tenant is
// one the pass over all databases visits; the outcome is set by the caller.
DatabaseReport& RunRecorder::Entry(const std::string& name) {
  for (DatabaseReport& database : report_.databases) {
    if (database.name == name) return database;
  }
  DatabaseReport database;
  database.name = name;
  report_.databases.push_back(std::move(database));
  return report_.databases.back();
}

void RunRecorder::StopClock(const std::string& name) {
  const auto running = running_.find(name);
  if (running == running_.end()) return;
  Entry(name).time +=
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - running->second);
  running_.erase(running);
}

void RunRecorder::TenantsListed(const std::vector<std::string>& names) {
  std::lock_guard lock(mutex_);
  for (const std::string& name : names) Entry(name);
}

void RunRecorder::MigrationStarted(const std::string& name) {
  std::lock_guard lock(mutex_);
  Entry(name);
  running_[name] = Clock::now();
}

void RunRecorder::MigrationEnded(const std::string& name) {
  std::lock_guard lock(mutex_);
  DatabaseReport& database = Entry(name);
  if (database.outcome == DatabaseOutcome::kNotReached)
    database.outcome = DatabaseOutcome::kMigrated;
  StopClock(name);
}

void RunRecorder::NotConnected(const std::string& name) {
  std::lock_guard lock(mutex_);
  Entry(name).outcome = DatabaseOutcome::kNotConnected;
}

void RunRecorder::FinalPassVisit(const std::string& name) {
  std::lock_guard lock(mutex_);
  // The pass visits one database after the other.
  if (!final_pass_database_.empty()) StopClock(final_pass_database_);
  final_pass_database_ = name;
  const bool known = std::any_of(report_.databases.begin(), report_.databases.end(),
                                 [&](const DatabaseReport& d) { return d.name == name; });
  DatabaseReport& database = Entry(name);
  if (!known) database.outcome = DatabaseOutcome::kFinalPassOnly;
  running_[name] = Clock::now();
}

void RunRecorder::StatementSent(const std::string& name) {
  std::lock_guard lock(mutex_);
  ++Entry(name).statements;
}

void RunRecorder::CatalogueStatementSent() {
  std::lock_guard lock(mutex_);
  ++report_.catalogue_statements;
}

void RunRecorder::DialogShown(const std::string& name, DialogKind kind, const std::string& text,
                              const std::string& statement) {
  std::lock_guard lock(mutex_);
  ReportedDialog dialog{kind, text, statement};
  if (name.empty()) {
    report_.run_dialogs.push_back(std::move(dialog));
  } else {
    Entry(name).dialogs.push_back(std::move(dialog));
  }
}

void RunRecorder::Stopped(const std::string& name, const std::string& statement,
                          const std::string& failure) {
  std::lock_guard lock(mutex_);
  report_.stop_failure = failure;
  if (name.empty()) return;
  DatabaseReport& database = Entry(name);
  database.outcome = DatabaseOutcome::kStopped;
  database.stop_statement = statement;
  database.stop_failure = failure;
  StopClock(name);
}

void RunRecorder::RunEnded(RunOutcome outcome) {
  std::lock_guard lock(mutex_);
  report_.outcome = outcome;
  while (!running_.empty()) StopClock(running_.begin()->first);
  report_.time = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - run_started_);
}

RunReport RunRecorder::Snapshot() const {
  std::lock_guard lock(mutex_);
  return report_;
}

}  // namespace quelor::app
