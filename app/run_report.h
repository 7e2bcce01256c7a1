// The report of one update run: what happened to every product database (its
// outcome, the warning and error dialogs shown for it with the statement that
// caused each, the statements sent and the time taken) and the run as a
// whole. RunRecorder collects it while the run works; every call names the
// database it is about, and one mutex makes it safe to call from several
// threads at once.
#pragma once

#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "app/run_outcome.h"
#include "app/run_view.h"

namespace quelor::app {

enum class DatabaseOutcome {
  kNotReached,     // listed as a tenant, but the run stopped before it
  kMigrated,       // the tenant migration ran to its end
  kStopped,        // the failure that ended the run happened while working on it
  kNotConnected,   // its working connection could not be opened; it was skipped
  kFinalPassOnly,  // not a listed tenant, visited only by the pass over all databases
};

// "not reached", "migrated", "stopped", "not connected", "final pass only".
std::string_view DatabaseOutcomeName(DatabaseOutcome outcome);

struct ReportedDialog {
  DialogKind kind = DialogKind::kWarning;
  std::string text;       // as the dialog showed it
  std::string statement;  // the statement whose failure it shows; empty when none failed
};

struct DatabaseReport {
  std::string name;
  DatabaseOutcome outcome = DatabaseOutcome::kNotReached;
  std::vector<ReportedDialog> dialogs;  // warnings, errors and messages, in order
  std::string stop_statement;           // kStopped: the statement that failed, or empty
  std::string stop_failure;             // kStopped: the failure text of the stop box
  long statements = 0;                  // sent to it on the working connection
  std::chrono::milliseconds time{0};    // spent on it, over all its visits
};

struct RunReport {
  RunOutcome outcome = RunOutcome::kNotStarted;
  std::string server;  // Data Source
  std::string login;   // User ID, or "Windows authentication"
  std::chrono::system_clock::time_point started;
  std::chrono::milliseconds time{0};
  // In the order the run first met them: listed tenants first.
  std::vector<DatabaseReport> databases;
  // Dialogs that belong to no database (the shortcut refresh at the end).
  std::vector<ReportedDialog> run_dialogs;
  // The stop box's text when the run stopped; empty otherwise.
  std::string stop_failure;
  long catalogue_statements = 0;  // sent on the catalogue connection

  long TotalStatements() const;
  // Warning and error dialogs over all databases and the run; they make a
  // finished run's exit status 4.
  long WarningsAndErrors() const;
  const DatabaseReport* Find(const std::string& name) const;
};

inline constexpr std::string_view kWindowsAuthentication = "Windows authentication";

class RunRecorder {
 public:
  using Clock = std::chrono::steady_clock;

  RunRecorder();

  void RunStarted();
  void SetServer(const std::string& server, const std::string& login);
  // The tenant databases as listed, in order: each is "not reached" until the
  // run begins its migration.
  void TenantsListed(const std::vector<std::string>& names);
  // The migration of `name` begins (its connect included); its time runs.
  void MigrationStarted(const std::string& name);
  // The migration of `name` ran to its end, unless it was not connected.
  void MigrationEnded(const std::string& name);
  void NotConnected(const std::string& name);
  // The pass over all databases visits `name`; its time runs until the next
  // visit of the pass, or the end of the run.
  void FinalPassVisit(const std::string& name);
  void StatementSent(const std::string& name);
  void CatalogueStatementSent();
  // A dialog shown while working on `name`; an empty name: the run's own.
  void DialogShown(const std::string& name, DialogKind kind, const std::string& text,
                   const std::string& statement);
  // The run stopped while working on `name` (empty: outside any database).
  void Stopped(const std::string& name, const std::string& statement, const std::string& failure);
  void RunEnded(RunOutcome outcome);

  RunReport Snapshot() const;

 private:
  DatabaseReport& Entry(const std::string& name);
  void StopClock(const std::string& name);

  mutable std::mutex mutex_;
  RunReport report_;
  Clock::time_point run_started_;
  std::map<std::string, Clock::time_point> running_;  // databases whose time runs
  std::string final_pass_database_;
};

}  // namespace quelor::app
