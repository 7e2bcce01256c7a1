#include "sweep/fault_sweep.h"

#include <algorithm>
#include <set>

#include "config/ini_file.h"
#include "migration/reference_commands.h"
#include "sim/demo_server.h"
#include "sim/connection/sim_connection.h"
#include "sim/snapshot/snapshot.h"

namespace quelor::sweep {
namespace {

// Counts what the run shows and confirms every dialog at once.
class CountingView : public app::RunView {
 public:
  CountingView(RunRecord& record, const db::FaultPlan& plan) : record_(record), plan_(plan) {}
  void SetCaption(const std::string&) override {}
  void SetGauge(int) override {}
  void ShowDialog(app::DialogKind kind, const std::string& caption,
                  const std::string& text) override {
    if (kind == app::DialogKind::kStop) {
      ++record_.stop_boxes;
      record_.stop_text = text;
    } else if (kind == app::DialogKind::kInformation && text == app::kSuccessText) {
      ++record_.success_dialogs;
      record_.statements_before_success = plan_.statements;
    } else {
      ++record_.other_dialogs;
    }
    (void)caption;
  }
  void SetBusyCursor(bool) override {}
  void ProcessMessages() override {}

 private:
  RunRecord& record_;
  const db::FaultPlan& plan_;
};

// Notes the statement number at which each database is first entered.
class DatabaseWatch : public db::Connection {
 public:
  DatabaseWatch(db::Connection& inner, const db::FaultPlan& plan,
                std::vector<std::pair<std::int64_t, std::string>>* starts)
      : inner_(inner), plan_(plan), starts_(starts) {}
  void Open(const std::string& text) override {
    inner_.Open(text);
    const auto pos = text.find("Initial Catalog=");
    if (pos == std::string::npos) return;
    database_ = text.substr(pos + 16, text.find(';', pos) - pos - 16);
    noted_ = false;
  }
  void Close() override { inner_.Close(); }
  bool IsOpen() const override { return inner_.IsOpen(); }
  void Execute(const std::string& text) override {
    Note();
    inner_.Execute(text);
  }
  db::ResultSet Query(const std::string& text) override {
    Note();
    return inner_.Query(text);
  }
  void InsertRow(const std::string& table, const std::vector<db::ColumnValue>& values) override {
    Note();
    inner_.InsertRow(table, values);
  }
  const std::string& database() const { return database_; }

 private:
  void Note() {
    if (noted_ || starts_ == nullptr) return;
    noted_ = true;
    starts_->emplace_back(plan_.statements + 1, database_);
  }
  db::Connection& inner_;
  const db::FaultPlan& plan_;
  std::vector<std::pair<std::int64_t, std::string>>* starts_;
  std::string database_;
  bool noted_ = true;
};

RunRecord RunWatched(sim::Server& server, db::FaultPlan& plan, const std::string& bank_codes,
                     std::vector<std::pair<std::int64_t, std::string>>* starts) {
  RunRecord record;
  {
    sim::SimConnection catalogue(server), working(server), lock(server);
    db::FaultInjectingConnection faulty_catalogue(catalogue, plan), faulty_working(working, plan),
        faulty_lock(lock, plan);
    DatabaseWatch watched_working(faulty_working, plan, starts);
    CountingView view(record, plan);
    app::UpdateRun run({faulty_catalogue, watched_working, view,
                        [] { return config::IniFile::Parse(sim::DemoIniText()); },
                        migration::RunCatalogue, nullptr, bank_codes, &faulty_lock});
    record.outcome = run.Start();
    record.database = run.current_database();
    // The process ends here: the server ends every session.
    catalogue.Close();
    working.Close();
    lock.Close();
  }
  record.statements = plan.statements;
  record.fault_fired = plan.fired;
  return record;
}

}  // namespace

const char* ModeName(db::FaultPlan::Mode mode) {
  switch (mode) {
    case db::FaultPlan::Mode::kNone:
      return "none";
    case db::FaultPlan::Mode::kRefuse:
      return "refused";
    case db::FaultPlan::Mode::kLoseConnection:
      return "lost";
  }
  return "?";
}

std::string BankCodeSample(int records) {
  // Sorted by bank code, so the sample holds whole codes with their branches.
  const std::string_view directory = migration::EmbeddedBankCodeDirectory();
  std::size_t end = 0;
  for (int record = 0; record < records && end < directory.size(); ++record) {
    end = directory.find('\n', end);
    end = end == std::string_view::npos ? directory.size() : end + 1;
  }
  return std::string(directory.substr(0, end));
}

std::unique_ptr<sim::Server> MakeDemoServer() {
  auto server = std::make_unique<sim::Server>();
  sim::BuildDemoServer(*server);
  server->AddLogin(std::string(sim::kDemoUser), std::string(sim::kDemoPassword));
  return server;
}

RunRecord RunUpdate(sim::Server& server, db::FaultPlan& plan, const std::string& bank_codes) {
  return RunWatched(server, plan, bank_codes, nullptr);
}

Reference MakeReference(const std::string& bank_codes) {
  Reference reference;
  reference.once = MakeDemoServer();
  db::FaultPlan first;
  RunWatched(*reference.once, first, bank_codes, &reference.database_starts);
  reference.statements = first.statements;
  reference.twice = MakeDemoServer();
  for (int run = 0; run < 2; ++run) {
    db::FaultPlan plan;
    RunUpdate(*reference.twice, plan, bank_codes);
  }
  return reference;
}

Verdict Probe(const Reference& reference, db::FaultPlan::Mode mode, std::int64_t k,
              const std::string& bank_codes) {
  Verdict verdict;
  verdict.mode = mode;
  verdict.k = k;
  std::unique_ptr<sim::Server> server = MakeDemoServer();
  db::FaultPlan plan{mode, k};
  verdict.faulted = RunUpdate(*server, plan, bank_codes);
  const RunRecord& f = verdict.faulted;
  const bool stopped = f.outcome == app::RunOutcome::kStopped;
  auto problem = [&](std::string text) { verdict.problems.push_back(std::move(text)); };
  if (stopped != (f.stop_boxes == 1)) problem("stopped without exactly one stop box");
  if (f.stop_boxes > 1) problem("more than one stop box");
  if (stopped && f.success_dialogs > 0) problem("success shown after a stop");
  if (f.outcome == app::RunOutcome::kFinished && f.success_dialogs != 1) {
    problem("finished without the success dialog");
  }
  // After the success dialog only the run lock is given back: a connection
  // lost there loses no work.
  const bool lost_in_work = f.success_dialogs == 0 || k <= f.statements_before_success;
  if (mode == db::FaultPlan::Mode::kLoseConnection && f.fault_fired && lost_in_work) {
    if (!stopped) problem("a lost connection did not stop the run");
    if (f.other_dialogs > 0) problem("dialogs shown after the connection was lost");
  }
  if (!stopped) return verdict;

  db::FaultPlan none;
  verdict.resumed = RunUpdate(*server, none, bank_codes);
  if (verdict.resumed.outcome != app::RunOutcome::kFinished) {
    problem("the run after the stop did not finish: " + verdict.resumed.stop_text);
  }
  // A refusal that its step let pass keeps its consequence (the refused
  // change is not made, and a later run may make it in another place); the
  // state is compared when the refused statement itself stopped the run.
  if (mode == db::FaultPlan::Mode::kRefuse && f.stop_text.rfind(db::kInjectedRefusalText, 0) != 0) {
    return verdict;
  }
  const std::vector<std::string> from_once = sim::DiffServers(*reference.once, *server);
  const std::vector<std::string> from_twice = sim::DiffServers(*reference.twice, *server);
  const std::set<std::string> twice(from_twice.begin(), from_twice.end());
  for (const std::string& line : from_once) {
    if (twice.count(line) != 0) verdict.differences.push_back(line);
  }
  if (!verdict.differences.empty()) problem("resumed state differs");
  return verdict;
}

}  // namespace quelor::sweep
