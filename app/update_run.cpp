#include "app/update_run.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "config/password_mask.h"
#include "migration/reference_commands.h"

namespace quelor::app {
namespace {

// The divisor of the progress rule: the gauge is full after 25 advances, long
// before the catalogue ends.
constexpr int kProgressTotal = 26;

}  // namespace

std::string StopBoxText(const std::string& failure) {
  if (!failure.empty() && static_cast<unsigned char>(failure.back()) > 0x2E) {
    return failure + ".";
  }
  return failure;
}

DialogKind DialogKindOf(db::Policy policy) {
  switch (policy) {
    case db::Policy::kWarning:
      return DialogKind::kWarning;
    case db::Policy::kError:
      return DialogKind::kError;
    default:
      return DialogKind::kPlain;
  }
}

std::string DialogCaptionOf(db::Policy policy) {
  switch (policy) {
    case db::Policy::kWarning:
      return "Warnung";
    case db::Policy::kError:
      return "Fehler";
    default:
      return std::string(kApplicationTitle);
  }
}

UpdateRun::UpdateRun(RunDependencies deps)
    : recorder_(deps.recorder != nullptr ? *deps.recorder : own_recorder_),
      reported_catalogue_(deps.catalogue, recorder_),
      reported_working_(deps.working, recorder_),
      catalogue_(reported_catalogue_),
      working_(reported_working_),
      view_(deps.view),
      read_ini_(std::move(deps.read_ini)),
      catalogue_steps_(std::move(deps.catalogue_steps)),
      shortcuts_(deps.shortcuts),
      lock_(deps.lock),
      make_connection_(std::move(deps.make_connection)),
      jobs_(deps.jobs),
      keep_going_(deps.keep_going),
      bank_code_directory_(std::move(deps.bank_code_directory)),
      gauge_(view_),
      toolkit_(working_, current_database_, *this) {}

RunOutcome UpdateRun::Start() {
  if (outcome_ != RunOutcome::kNotStarted) return outcome_;
  outcome_ = RunOutcome::kStopped;  // until the run has reached its end
  recorder_.RunStarted();
  view_.SetCaption(std::string(kApplicationTitle));
  try {
    RunToEnd();
  } catch (const std::exception& e) {
    // The next run need not wait while the stop box is open.
    ReleaseRunLock();
    // The stop box must not sit under a busy cursor left by the failed step.
    view_.SetBusyCursor(false);
    // A connection reopened for the failed statement may have failed itself.
    const std::string text = StopBoxText(config::MaskPassword(e.what(), settings_.password));
    if (stopped_tenant_.empty()) {
      RecordStop(text);
      view_.ShowDialog(DialogKind::kStop, std::string(kApplicationTitle), text);
    } else {
      recorder_.Stopped(stopped_tenant_, stopped_statement_, text);
      view_.ShowDialogFor(stopped_tenant_, DialogKind::kStop, std::string(kApplicationTitle), text);
    }
    // Tenants whose failure is not yet reported (other workers' failures, or
    // those of --keep-going when the pass after the loop failed).
    ReportFailedTenants();
  }
  ReleaseRunLock();
  recorder_.RunEnded(outcome_);
  return outcome_;
}

void UpdateRun::RecordStop(const std::string& stop_text) {
  // A catalogue statement fails only where it ends the run.
  const std::string& statement = reported_catalogue_.failed_statement().empty()
                                     ? reported_working_.failed_statement()
                                     : reported_catalogue_.failed_statement();
  recorder_.Stopped(current_database_, statement, stop_text);
}

int UpdateRun::ExitStatus() const {
  return app::ExitStatusOf(outcome_, recorder_.Snapshot().WarningsAndErrors() > 0);
}

int ExitStatusOf(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::kFinished:
      return 0;
    case RunOutcome::kServerBusy:
      return 3;
    default:
      return 1;
  }
}

bool UpdateRun::TakeRunLock() {
  if (lock_ == nullptr) return true;
  try {
    lock_->Close();
    lock_->Open(config::CatalogueConnectionText(settings_, kSystemDatabase));
  } catch (const std::exception&) {
    return true;
  }
  switch (app::TakeRunLock(*lock_)) {
    case RunLockResult::kHeld:
      lock_held_ = true;
      return true;
    case RunLockResult::kTaken:
      return false;
    case RunLockResult::kRefused:
      return true;
  }
  return true;
}

void UpdateRun::ReleaseRunLock() {
  if (lock_ == nullptr || !lock_->IsOpen()) return;
  if (lock_held_) {
    lock_held_ = false;
    try {
      lock_->Execute(std::string(kRunLockReleaseStatement));
    } catch (const std::exception&) {
      // Closing the session below gives the lock back all the same.
    }
  }
  lock_->Close();
}

void UpdateRun::RunToEnd() {
  view_.ProcessMessages();
  pConn(std::string(kSystemDatabase));
  const db::ResultSet tenants = catalogue_.Query(std::string(kTenantListQuery));
  // Nothing has been changed so far; from here on only one run per server.
  if (!TakeRunLock()) {
    ReleaseRunLock();
    outcome_ = RunOutcome::kServerBusy;
    recorder_.Stopped({}, {}, std::string(kRunLockTakenText));
    view_.ShowDialog(DialogKind::kStop, std::string(kApplicationTitle),
                     std::string(kRunLockTakenText));
    return;
  }
  std::vector<std::string> tenant_names;
  for (std::size_t row = 0; row < tenants.RecordCount(); ++row) {
    tenant_names.push_back(tenants.AsText(row, "name"));
  }
  recorder_.TenantsListed(tenant_names);
  if (UsesWorkers()) {
    MigrateTenantsWithWorkers(tenants);
  } else {
    for (std::size_t row = 0; row < tenants.RecordCount(); ++row) {
      tenant_list_name_ = tenants.AsText(row, "name");
      view_.ShowTenantStart(row + 1, tenants.RecordCount(), tenant_list_name_);
      recorder_.MigrationStarted(tenant_list_name_);
      view_.SetCaption(tenant_list_name_ + "/" + std::string(kApplicationTitle));
      MandantChange(tenant_list_name_);
      MigrateTenant();
      recorder_.MigrationEnded(tenant_list_name_);
    }
  }
  phase_ = Phase::kFinalPass;
  migration::TenantContext context{toolkit_, *this, current_database_, *this};
  // The system database's migration asks for the copy of its profit-and-loss
  // lines; made here, every tenant has been migrated and has both tables, so
  // none is left with empty lines wherever the system database is listed.
  if (guv_copy_scheduled_) {
    // From the system database, as inside its migration; the last tenant's
    // connection may have failed.
    MandantChange(std::string(kSystemDatabase));
    migration::CopyGuvKeyTables(context);
  }
  migration::FinishAllDatabases(context);
  phase_ = Phase::kShortcuts;
  if (shortcuts_ != nullptr) migration::RefreshShortcuts(*shortcuts_, *this);
  view_.SetCaption(std::string(kApplicationTitle));
  if (!failed_tenants_.empty()) {
    // Not a success: each tenant a failure ended gets its stop line, and
    // the run ends as stopped.
    ReportFailedTenants();
    return;
  }
  view_.ShowDialog(DialogKind::kInformation, "Informationen", std::string(kSuccessText));
  gauge_.Set(0);
  outcome_ = RunOutcome::kFinished;
}

void UpdateRun::ReportFailedTenants() {
  for (const TenantFailure& failed : failed_tenants_) {
    std::string failure = "unknown failure";
    try {
      std::rethrow_exception(failed.failure);
    } catch (const std::exception& e) {
      failure = e.what();
    } catch (...) {
    }
    const std::string text = StopBoxText(config::MaskPassword(failure, settings_.password));
    recorder_.Stopped(failed.database, failed.statement, text);
    view_.ShowDialogFor(failed.database, DialogKind::kStop, std::string(kApplicationTitle), text);
  }
  failed_tenants_.clear();
}

bool UpdateRun::UsesWorkers() const { return make_connection_ && (jobs_ > 1 || keep_going_); }

// Which order matters: no tenant's migration reads the system database or
// the catalogue connection (the copy of the profit-and-loss lines, the one
// place that reads the system database from a tenant, is made after the
// loop), so the system database is migrated like any tenant, at its place in
// the list. Its migration only asks for that copy, and the request is kept
// until every worker has ended. Everything after the loop runs alone, on the
// run's own connections, once all workers have ended.
void UpdateRun::MigrateTenantsWithWorkers(const db::ResultSet& tenants) {
  TenantWorkerShared shared{view_,
                            [this] {
                              std::lock_guard lock(read_ini_mutex_);
                              return config::ReadConnectionSettings(read_ini_());
                            },
                            catalogue_steps_,
                            BankCodeDirectory(),
                            guv_copy_scheduled_,
                            recorder_};
  ParallelTenantsPlan plan;
  for (std::size_t row = 0; row < tenants.RecordCount(); ++row) {
    plan.tenants.push_back(tenants.AsText(row, "name"));
  }
  const std::size_t workers =
      std::clamp<std::size_t>(plan.tenants.size(), 1, static_cast<std::size_t>(std::max(jobs_, 1)));
  for (std::size_t i = 0; i < workers; ++i) {
    plan.workers.push_back(
        std::make_unique<TenantWorker>(shared, make_connection_(), make_connection_()));
  }
  plan.keep_going = keep_going_;
  // The gauge shows the share of tenants that have ended.
  const std::size_t all = plan.tenants.size();
  plan.on_tenant_ended = [this, all](std::size_t ended) {
    gauge_.Set(static_cast<int>(
        std::lround(static_cast<double>(ended) / static_cast<double>(all) * 100.0)));
  };
  std::vector<TenantFailure> failures = MigrateInParallel(plan);
  if (failures.empty()) return;
  if (!keep_going_) {
    // Tenants that were running beside the first failure may have failed as
    // well; they get their stop lines after its stop box.
    stopped_tenant_ = failures.front().database;
    stopped_statement_ = failures.front().statement;
    const std::exception_ptr first = failures.front().failure;
    failed_tenants_.assign(failures.begin() + 1, failures.end());
    std::rethrow_exception(first);
  }
  failed_tenants_ = std::move(failures);
}

void UpdateRun::Connect(db::ReopeningConnection& connection, const std::string& name,
                        std::string (*build_text)(const config::ConnectionSettings&,
                                                  std::string_view)) {
  settings_ = config::ReadConnectionSettings(read_ini_());
  current_database_ = name;
  recorder_.SetServer(settings_.data_source, settings_.integrated_security
                                                 ? std::string(kWindowsAuthentication)
                                                 : settings_.user_id);
  try {
    const std::string text = build_text(settings_, name);
    connection.Close();
    connection.Open(text);
  } catch (const std::exception& e) {
    // Whatever the access layer said, the password is not shown.
    const std::string failure = config::MaskPassword(e.what(), settings_.password);
    const std::string text = config::ConnectFailureText(name, failure);
    recorder_.DialogShown(name, DialogKind::kError, text, {});
    if (&connection == &working_ && phase_ == Phase::kTenants) recorder_.NotConnected(name);
    view_.ShowDialog(DialogKind::kError, "Fehler", text);
  }
}

void UpdateRun::pConn(const std::string& name) {
  Connect(catalogue_, name, &config::CatalogueConnectionText);
}

void UpdateRun::MandantChange(const std::string& name) {
  reported_working_.set_database(name);
  if (phase_ == Phase::kFinalPass) recorder_.FinalPassVisit(name);
  Connect(working_, name, &config::WorkingConnectionText);
}

void UpdateRun::MigrateTenant() {
  if (!working_.IsOpen()) return;
  step_ = 1;
  view_.ProcessMessages();
  view_.SetBusyCursor(true);
  gauge_.Set(1);
  migration::TenantContext context{toolkit_, *this, current_database_, *this};
  catalogue_steps_(context);
  view_.SetBusyCursor(false);
  gauge_.Set(100);
  gauge_.Set(0);
}

db::ResultSet UpdateRun::QueryCatalogue(const std::string& text) { return catalogue_.Query(text); }

void UpdateRun::SetCaption(const std::string& caption) { view_.SetCaption(caption); }

std::string_view UpdateRun::BankCodeDirectory() const {
  if (!bank_code_directory_.empty()) return bank_code_directory_;
  return migration::EmbeddedBankCodeDirectory();
}

void UpdateRun::UpdateProgress() {
  ++step_;
  gauge_.Set(static_cast<int>(std::lround(static_cast<double>(step_) / kProgressTotal * 100.0)));
}

void UpdateRun::ShowFailure(db::Policy policy, const std::string& text) {
  RecordFailure(policy, text);
  view_.ShowDialog(DialogKindOf(policy), DialogCaptionOf(policy), text);
}

void UpdateRun::RecordFailure(db::Policy policy, const std::string& text) {
  const DialogKind kind = DialogKindOf(policy);
  // The shortcut refresh works on no database and sends no statement.
  if (phase_ == Phase::kShortcuts) {
    recorder_.DialogShown({}, kind, text, {});
  } else {
    recorder_.DialogShown(current_database_, kind, text, reported_working_.failed_statement());
  }
}

void UpdateRun::SetBusyCursor(bool busy) { view_.SetBusyCursor(busy); }

}  // namespace quelor::app
