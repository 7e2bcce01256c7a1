// The update run: connect the catalogue connection to the system database,
// list the tenant databases, migrate each one in the order the server lists
// them, make the pass over all product databases, refresh the shortcuts, and
// report success. A failure that no step handles ends the run with the stop
// box; the window stays open then.
//
// All run state lives here, not in a widget: the connection settings, the
// current database name, ColumnAddedFlag (inside the toolkit), the gauge and
// the caption. The front-ends only show it.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/gauge.h"
#include "app/locked_view.h"
#include "app/parallel_tenants.h"
#include "app/reporting_connection.h"
#include "app/run_lock.h"
#include "app/run_outcome.h"
#include "app/run_report.h"
#include "app/run_view.h"
#include "config/connection_settings.h"
#include "db/connection.h"
#include "db/reopening_connection.h"
#include "db/toolkit.h"
#include "migration/catalogue.h"

namespace quelor::app {

// The system database of the product; it is migrated like every tenant.
inline constexpr std::string_view kSystemDatabase = "Quelor";

// Tenant databases: names beginning with QUELOR, except those with TMP as
// characters 7 to 9.
inline constexpr std::string_view kTenantListQuery =
    "SELECT name FROM master.dbo.sysdatabases where UPPER(name) LIKE 'QUELOR%' AND "
    "UPPER(SUBSTRING(name,7,3))<>'TMP'";
// Every product database, temporary ones included.
inline constexpr std::string_view kAllProductDatabasesQuery =
    "SELECT name FROM master.dbo.sysdatabases where UPPER(name) LIKE 'QUELOR%'";

inline constexpr std::string_view kSuccessText = "UPDATE erfolgreich ausgeführt!";

// The program's exit status for the way the run ended: 0 finished, 3 another
// run held the server, 1 otherwise.
int ExitStatusOf(RunOutcome outcome);

// The stop box's text: the failure text with a full stop appended when it is
// not empty and its last character has a code above that of the full stop.
std::string StopBoxText(const std::string& failure);

// The dialog a step's failure of `policy` is shown in, and its caption: a
// warning ("Warnung"), an error ("Fehler"), or a plain box with the
// application title.
DialogKind DialogKindOf(db::Policy policy);
std::string DialogCaptionOf(db::Policy policy);

struct RunDependencies {
  db::Connection& catalogue;  // the connection that lists the databases
  db::Connection& working;    // the connection every migration step runs on
  RunView& view;
  // Reads SysDBAdo.INI; called at every connect, so a change of the file takes
  // effect at the next one.
  std::function<config::IniFile()> read_ini;
  // The steps of one tenant migration; the full catalogue unless a test
  // gives a smaller one.
  std::function<void(migration::TenantContext&)> catalogue_steps = migration::RunCatalogue;
  // The machine's shortcut files, whose descriptions the run refreshes at its
  // end; none (nullptr) leaves every shortcut alone, as the demo does.
  platform::Shortcuts* shortcuts = nullptr;
  // A bank code directory file the user placed beside the program; empty: the
  // one compiled in is loaded.
  std::string bank_code_directory = {};
  // The connection that holds the run lock (run_lock.h) from before the
  // first change to the end of the run; none (nullptr) runs without it.
  db::Connection* lock = nullptr;
  // Collects the run report; none (nullptr): the run keeps its own.
  RunRecorder* recorder = nullptr;
  // Makes a new connection of the kind of `working`, for the workers that
  // migrate several tenants at once; safe to call from the run's thread.
  std::function<std::unique_ptr<db::Connection>()> make_connection = {};
  // Tenant databases migrated at once; 1 migrates them one after the other,
  // statement for statement as without workers. More need make_connection.
  int jobs = 1;
  // A failure that ends one tenant's migration leaves the other tenants and
  // the pass over all databases to run; the run still ends as stopped.
  bool keep_going = false;
};

class UpdateRun : private db::StepFeedback,
                  private migration::Progress,
                  private migration::RunControl {
 public:
  explicit UpdateRun(RunDependencies deps);

  // The window's first activation: shows the title as caption and runs the
  // update. Later calls do nothing and return the first outcome.
  RunOutcome Start();

  // Points the catalogue connection at `name` (the system database).
  void pConn(const std::string& name) override;
  // Points the working connection at `name` (a tenant database).
  void MandantChange(const std::string& name) override;
  // Migrates the database the working connection points at; does nothing when
  // that connection is not open.
  void MigrateTenant();

  // One advance of the gauge: step / 26 x 100, rounded, at most 100.
  void UpdateProgress() override;

  char edition_code() const { return edition_code_; }
  void set_edition_code(char code) { edition_code_ = code; }
  const std::string& current_database() const { return current_database_; }
  const config::ConnectionSettings& settings() const { return settings_; }
  const Gauge& gauge() const { return gauge_; }
  db::Toolkit& toolkit() { return toolkit_; }
  RunOutcome outcome() const { return outcome_; }
  const RunRecorder& recorder() const { return recorder_; }
  // The exit status for the way the run ended (run_outcome.h).
  int ExitStatus() const;

 private:
  void ShowFailure(db::Policy policy, const std::string& text) override;
  void SetBusyCursor(bool busy) override;

  db::ResultSet QueryCatalogue(const std::string& text) override;
  void SetCaption(const std::string& caption) override;
  const std::string& TenantListName() const override { return tenant_list_name_; }
  void ScheduleGuvKeyCopy() override { guv_copy_scheduled_ = true; }
  std::string_view BankCodeDirectory() const override;

  void RunToEnd();
  // The run report's part of a stop and of a failure dialog.
  void RecordStop(const std::string& stop_text);
  void RecordFailure(db::Policy policy, const std::string& text);
  // The tenant loop on jobs workers (parallel_tenants.h).
  void MigrateTenantsWithWorkers(const db::ResultSet& tenants);
  bool UsesWorkers() const;
  // A stop line for each tenant in failed_tenants_, which is emptied.
  void ReportFailedTenants();
  // Opens the lock connection on the system database and takes the run lock;
  // false when another run holds it. A lock connection that cannot be opened,
  // or a server that refuses the lock statement, lets the run go on without.
  bool TakeRunLock();
  // Gives the run lock back and ends its session.
  void ReleaseRunLock();
  void Connect(db::ReopeningConnection& connection, const std::string& name,
               std::string (*build_text)(const config::ConnectionSettings&, std::string_view));

  // The report's part of the run state; declared first, as the connections
  // below report to it.
  RunRecorder own_recorder_;
  RunRecorder& recorder_;
  ReportingConnection reported_catalogue_;
  ReportingConnection reported_working_;
  // Which part of the run is working, so a dialog is reported for the
  // database it belongs to, or for the run as a whole.
  enum class Phase { kTenants, kFinalPass, kShortcuts };
  Phase phase_ = Phase::kTenants;

  db::ReopeningConnection catalogue_;
  db::ReopeningConnection working_;
  // Every call of the run and its workers reaches the front-end through it.
  LockedView view_;
  std::function<config::IniFile()> read_ini_;
  std::function<void(migration::TenantContext&)> catalogue_steps_;
  platform::Shortcuts* shortcuts_;
  db::Connection* lock_;
  bool lock_held_ = false;
  std::function<std::unique_ptr<db::Connection>()> make_connection_;
  int jobs_;
  bool keep_going_;
  std::mutex read_ini_mutex_;  // the workers read SysDBAdo.INI as well
  // Tenants a failure ended whose stop line is still owed.
  std::vector<TenantFailure> failed_tenants_;
  // The tenant whose failure stopped a run with workers.
  std::string stopped_tenant_;
  std::string stopped_statement_;

  config::ConnectionSettings settings_;
  std::string current_database_;
  std::string bank_code_directory_;
  std::string tenant_list_name_;
  std::atomic<bool> guv_copy_scheduled_ = false;
  char edition_code_ = 'J';
  Gauge gauge_;
  db::Toolkit toolkit_;
  int step_ = 1;
  RunOutcome outcome_ = RunOutcome::kNotStarted;
};

}  // namespace quelor::app
