// quelor-update: brings every product database on the server to release 11.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <set>
#include <string>

#include "app/run_log.h"
#include "app/run_report_text.h"
#include "app/update_run.h"
#include "config/connection_settings.h"
#include "config/ini_file.h"
#include "config/password_mask.h"
#include "config/settings_file_check.h"
#include "db/counting_connection.h"
#include "db/odbc_connection.h"
#include "db/trace_connection.h"
#include "migration/reference_commands.h"
#include "platform/bank_code_directory_file.h"
#include "platform/console.h"
#include "platform/executable_directory.h"
#include "platform/log_folder.h"
#include "platform/private_file.h"
#include "platform/system_shortcuts.h"
#include "platform/utf8_path.h"
#include "sim/catalog/schema.h"
#include "sim/connection/sim_connection.h"
#include "sim/demo_server.h"
#include "sim/snapshot/snapshot.h"
#include "ui/console/console_view.h"
#include "ui/options.h"
#include "ui/run_summary.h"
#include "ui/status_command.h"
#include "ui/window_front_end.h"

namespace {

using namespace quelor;

// The trace is written to the end or the run says it is not: a trace cut
// short (a full disk) is reported, and a run that would have ended with 0
// ends with 1.
int FinishTrace(platform::PrivateFile* trace, const std::string& path, int status) {
  if (trace == nullptr) return status;
  const std::string failure = trace->Finish();
  if (failure.empty()) return status;
  std::cerr << "quelor-update: the trace file " << path
            << " could not be written completely: " << failure << "\n";
  return status == 0 ? 1 : status;
}

// A connection of one tenant worker (--jobs): the backend, its trace, its
// log records and its count, owned together and ended with the worker.
class WorkerConnection : public db::Connection {
 public:
  WorkerConnection(std::unique_ptr<db::Connection> backend, std::unique_ptr<db::Connection> traced,
                   std::unique_ptr<db::Connection> logged, db::StatementTally& tally)
      : backend_(std::move(backend)),
        traced_(std::move(traced)),
        logged_(std::move(logged)),
        counted_(logged_   ? *logged_
                 : traced_ ? *traced_
                           : *backend_,
                 tally) {}

  void Open(const std::string& text) override { counted_.Open(text); }
  void Close() override { counted_.Close(); }
  bool IsOpen() const override { return counted_.IsOpen(); }
  void Execute(const std::string& text) override { counted_.Execute(text); }
  db::ResultSet Query(const std::string& text) override { return counted_.Query(text); }
  void InsertRow(const std::string& table, const std::vector<db::ColumnValue>& values) override {
    counted_.InsertRow(table, values);
  }

 private:
  std::unique_ptr<db::Connection> backend_;
  std::unique_ptr<db::Connection> traced_;
  std::unique_ptr<db::Connection> logged_;
  db::CountingConnection counted_;
};

// The run's log: a new owner-only file in the log folder, the oldest ones
// beyond the limits deleted. A log that cannot be started is a warning, never
// a failed run.
std::unique_ptr<app::RunLog> StartRunLog() {
  try {
    const std::string folder = platform::PrepareLogFolder();
    const std::string name =
        app::RunLogFileName(std::chrono::system_clock::now(), platform::CurrentProcessId());
    auto log =
        std::make_unique<app::RunLog>(platform::CreatePrivateFile(folder + name), folder + name);
    platform::PruneLogFolder(folder, name);
    return log;
  } catch (const std::exception& e) {
    std::cerr << "quelor-update: warning: this run leaves no log: " << e.what() << "\n";
    return nullptr;
  }
}

// Ends the log and says where it is; a log cut short is a warning only.
int FinishRunLog(app::RunLog* log, int status) {
  if (log == nullptr) return status;
  const std::string failure = log->Finish(status);
  if (!failure.empty()) {
    std::cerr << "quelor-update: warning: the log " << log->path()
              << " could not be written completely: " << failure << "\n";
  }
  std::cout << "Log: " << log->path() << std::endl;
  return status;
}

// "Server: <Data Source>, login: <User ID>" from the settings the run will
// read first; never the password.
std::string ServerLineOf(const std::function<config::IniFile()>& read_ini) {
  const config::ConnectionSettings settings = config::ReadConnectionSettings(read_ini());
  return app::ServerLine(settings.data_source, settings.integrated_security
                                                   ? std::string(app::kWindowsAuthentication)
                                                   : settings.user_id);
}

}  // namespace

int main(int argc, char** argv) {
  const ui::ParsedOptions parsed = ui::ParseOptions(platform::CommandLineArguments(argc, argv));
#ifdef QUELOR_CONSOLE_PROGRAM
  // the console twin of the Windows window program
  const platform::DisplayStatus display = platform::DisplayStatus::kNone;
#else
  const platform::DisplayStatus display = !parsed.options.console && parsed.error.empty() &&
                                                  !parsed.options.help && !parsed.options.version
                                              ? platform::FindDisplay()
                                              : platform::DisplayStatus::kNone;
#endif
  const bool window = display == platform::DisplayStatus::kAvailable;
  if (!window) platform::PrepareConsoleOutput();
  // A display that is named but cannot be opened would end the window
  // toolkit with an abort; the run goes to the console instead.
  if (display == platform::DisplayStatus::kUnreachable) {
    std::cerr << "quelor-update: no display could be opened; running on the console\n";
  }
  if (!parsed.error.empty()) {
    std::cerr << "quelor-update: " << parsed.error << "\n\n" << ui::UsageText();
    return 2;
  }
  const ui::Options& options = parsed.options;
  if (options.help) {
    std::cout << ui::UsageText();
    return 0;
  }
  if (options.version) {
    std::cout << "quelor-update " << QUELOR_VERSION << " (database release 11)\n";
    return 0;
  }

  const std::string ini_path =
      options.ini_path.empty() ? platform::ExecutableDirectory() + std::string(config::kIniFileName)
                               : options.ini_path;
  // What is wrong with the settings file is said once, here; the failed
  // connect shows its dialogs as always.
  if (!options.demo) {
    if (const std::string problem = config::SettingsFileProblem(ini_path); !problem.empty()) {
      std::cerr << "quelor-update: " << problem << "\n";
    }
  }

  std::function<config::IniFile()> read_ini = [ini_path] {
    return config::IniFile::Load(ini_path);
  };

  // The demo runs on a simulated server: from the snapshot in --state when it
  // exists, otherwise from the built-in databases of the release before 11.
  std::unique_ptr<sim::Server> demo_server;
  if (options.demo) {
    demo_server = std::make_unique<sim::Server>();
    try {
      if (!options.state_path.empty() &&
          std::filesystem::exists(platform::PathFromUtf8(options.state_path))) {
        sim::LoadSnapshot(options.state_path, *demo_server);
      } else {
        sim::BuildDemoServer(*demo_server);
      }
    } catch (const std::exception& e) {
      std::cerr << "quelor-update: " << e.what() << "\n";
      return 2;
    }
    demo_server->AddLogin(std::string(sim::kDemoUser), std::string(sim::kDemoPassword));
    read_ini = [] { return config::IniFile::Parse(sim::DemoIniText()); };
  }
  // Every password the run reads is kept out of the trace by its value.
  config::PasswordMask passwords;
  read_ini = [read = std::move(read_ini), &passwords] {
    config::IniFile ini = read();
    passwords.Remember(config::ReadConnectionSettings(ini).password);
    return ini;
  };

  // ---- --status: a read-only look at every product database ----
  // Before the run's wiring: no bank code file, no run lock, no window (the
  // window program writes to the console it was started from), and the demo
  // state file is read but never saved.
  if (options.status) {
    if (window) platform::PrepareConsoleOutput();
    return ui::RunStatus(options, read_ini, passwords, [&]() -> std::unique_ptr<db::Connection> {
      if (demo_server) return std::make_unique<sim::SimConnection>(*demo_server);
      return db::MakeOdbcConnection(
          options.login_timeout,
          options.encrypt ? db::Encryption::kDemanded : db::Encryption::kAsClassicProvider);
    });
  }
  // ---- end of --status ----

  // A current bank code directory beside the program replaces the one compiled
  // in. It is read and checked before anything is changed, so a wrong file
  // stops the program here instead of in the middle of a tenant.
  std::string bank_code_directory;
  try {
    if (std::optional<std::string> file = platform::ReadBankCodeDirectoryBesideExecutable()) {
      migration::BankCodeCommands(*file);
      bank_code_directory = std::move(*file);
    }
  } catch (const std::exception& e) {
    std::cerr << "quelor-update: " << platform::kBankCodeDirectoryFileName << ": " << e.what()
              << "\n";
    return 2;
  }

  std::unique_ptr<platform::PrivateFile> trace_file;
  if (!options.trace_path.empty()) {
    try {
      trace_file = platform::CreatePrivateFile(options.trace_path);
    } catch (const std::exception& e) {
      std::cerr << "quelor-update: cannot write the trace file " << e.what() << "\n";
      return 2;
    }
  }

  // Every run leaves a log unless --no-log; the header names the settings as
  // they are at the start (the run reads them again at every connect).
  std::unique_ptr<app::RunLog> run_log = options.no_log ? nullptr : StartRunLog();
  if (run_log) {
    run_log->WriteHeader(
        {QUELOR_VERSION, demo_server ? std::string("(the demo's own settings)") : ini_path,
         config::ReadConnectionSettings(read_ini()), std::chrono::system_clock::now()},
        passwords);
  }

  // The third connection only holds the run lock: the catalogue connection is
  // reopened during the run, which would end a session-owned lock.
  auto make_backend = [&]() -> std::unique_ptr<db::Connection> {
    if (demo_server) return std::make_unique<sim::SimConnection>(*demo_server);
    const db::Encryption encryption =
        options.encrypt ? db::Encryption::kDemanded : db::Encryption::kAsClassicProvider;
    return db::MakeOdbcConnection(options.login_timeout, encryption);
  };
  std::unique_ptr<db::Connection> catalogue = make_backend();
  std::unique_ptr<db::Connection> working = make_backend();
  std::unique_ptr<db::Connection> lock = make_backend();
  std::unique_ptr<db::Connection> traced_catalogue, traced_working, traced_lock;
  if (trace_file) {
    traced_catalogue = std::make_unique<db::TraceConnection>(*catalogue, trace_file->stream(),
                                                             "catalogue", passwords);
    traced_working =
        std::make_unique<db::TraceConnection>(*working, trace_file->stream(), "working", passwords);
    traced_lock =
        std::make_unique<db::TraceConnection>(*lock, trace_file->stream(), "lock", passwords);
  }
  // The log records the same statements as the trace, over it.
  std::unique_ptr<db::Connection> logged_catalogue, logged_working, logged_lock;
  auto outermost = [](std::unique_ptr<db::Connection>& traced,
                      std::unique_ptr<db::Connection>& plain) -> db::Connection& {
    return traced ? *traced : *plain;
  };
  if (run_log) {
    logged_catalogue = std::make_unique<db::TraceConnection>(
        outermost(traced_catalogue, catalogue), run_log->events(), "catalogue", passwords);
    logged_working = std::make_unique<db::TraceConnection>(outermost(traced_working, working),
                                                           run_log->events(), "working", passwords);
    logged_lock = std::make_unique<db::TraceConnection>(outermost(traced_lock, lock),
                                                        run_log->events(), "lock", passwords);
  }
  db::CountingConnection counted_catalogue(
      logged_catalogue ? *logged_catalogue : outermost(traced_catalogue, catalogue));
  db::CountingConnection counted_working(logged_working ? *logged_working
                                                        : outermost(traced_working, working));
  db::CountingConnection counted_lock(logged_lock ? *logged_lock : outermost(traced_lock, lock));

  // --jobs: each tenant worker gets connections of its own, traced and
  // counted like the run's own. Only in the console: the window front-ends
  // serve one thread.
  const bool use_workers = !window && (options.jobs > 1 || options.keep_going);
  if (window && (options.jobs > 1 || options.keep_going)) {
    std::cerr << "quelor-update: --jobs and --keep-going only apply with --console; the tenant "
                 "databases are migrated one after the other\n";
  }
  db::StatementTally worker_tally;
  int worker_connections = 0;
  std::function<std::unique_ptr<db::Connection>()> make_worker_connection;
  if (use_workers) {
    make_worker_connection = [&]() -> std::unique_ptr<db::Connection> {
      std::unique_ptr<db::Connection> backend = make_backend();
      const std::string label = "worker " + std::to_string(++worker_connections);
      std::unique_ptr<db::Connection> traced, logged;
      if (trace_file) {
        traced =
            std::make_unique<db::TraceConnection>(*backend, trace_file->stream(), label, passwords);
      }
      if (run_log) {
        logged = std::make_unique<db::TraceConnection>(outermost(traced, backend),
                                                       run_log->events(), label, passwords);
      }
      return std::make_unique<WorkerConnection>(std::move(backend), std::move(traced),
                                                std::move(logged), worker_tally);
    };
  }

  // Every front-end's view is wrapped so the summary can count the dialogs.
  std::unique_ptr<ui::DialogCountingView> counting_view;
  // The demo leaves the machine's shortcuts alone; a real run refreshes them.
  const std::unique_ptr<platform::Shortcuts> shortcuts =
      demo_server ? nullptr : platform::MakeSystemShortcuts();
  // The run report outlives the run: printed and written (--report) after it.
  app::RunRecorder recorder;
  auto make_run = [&](app::RunView& view) {
    counting_view = std::make_unique<ui::DialogCountingView>(view);
    app::RunDependencies deps{
        counted_catalogue, counted_working,     *counting_view, read_ini, migration::RunCatalogue,
        shortcuts.get(),   bank_code_directory, &counted_lock,  &recorder};
    if (use_workers) {
      deps.make_connection = make_worker_connection;
      deps.jobs = options.jobs;
      deps.keep_going = options.keep_going;
    }
    return std::make_unique<app::UpdateRun>(std::move(deps));
  };
  auto print_summary = [&] {
    std::cout << app::ReportText(recorder.Snapshot());
    std::set<std::string> databases = counted_working.databases();
    databases.merge(worker_tally.databases());
    std::cout << ui::SummaryLine(static_cast<long>(databases.size()),
                                 counted_catalogue.statements() + counted_working.statements() +
                                     counted_lock.statements() + worker_tally.statements(),
                                 counting_view ? counting_view->dialogs() : 0)
              << std::endl;
  };
  // Keeps the demo server for the next run; a failed save is reported, and
  // the previous snapshot stays as it was.
  auto save_state = [&]() -> bool {
    if (!demo_server || options.state_path.empty()) return true;
    try {
      sim::SaveSnapshot(*demo_server, options.state_path);
      return true;
    } catch (const std::exception& e) {
      std::cerr << "quelor-update: " << e.what() << "\n";
      return false;
    }
  };

  if (!window) {
    ui::ConsoleView console(std::cout, std::cerr, platform::StandardOutputIsTerminal());
    std::cout << ServerLineOf(read_ini) << std::endl;
    const std::unique_ptr<app::UpdateRun> run = make_run(console);
    run->Start();
    print_summary();
    const bool saved = save_state();
    const int status = ui::FinishReport(recorder.Snapshot(), options.report_path,
                                        saved ? run->ExitStatus() : 1, std::cerr);
    return FinishRunLog(run_log.get(), FinishTrace(trace_file.get(), options.trace_path, status));
  }
  const int status = ui::RunInWindow(argc, argv, make_run);
  print_summary();
  return FinishRunLog(run_log.get(),
                      FinishTrace(trace_file.get(), options.trace_path,
                                  ui::FinishReport(recorder.Snapshot(), options.report_path,
                                                   save_state() ? status : 1, std::cerr)));
}
