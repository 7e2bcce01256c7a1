// The simulated server at a hosting provider's scale: N copies of the
// previous-release club database next to the system database, updated in
// process, saved, loaded again and updated a second time.
//
//   build/bench/quelor_scale_bench [--tenants 1,5,20,50] [--dir DIR]
//
// Every measurement runs in a child process of its own, so that resident
// memory is that of one scenario and the allocator's reuse of freed memory
// cannot carry over. Per N the table shows:
//   build s       building the databases from the fixture script
//   run MB        peak resident memory of the first run (process total)
//   MB/tenant     (run MB - resident memory before anything was built) / N
//   engine s/t    CPU time spent inside the simulated server per tenant on
//                 the first run (the client's own work left out)
//   snap MB/t     snapshot size per tenant after the first run
//   load s        loading that snapshot into a fresh process
//   loaded MB/t   resident memory after loading, per tenant
//   rerun MB/t    peak resident memory of the second run, per tenant
//   rerun s/t     engine CPU per tenant on the second run, which finds the
//                 work done
// --top N lists on standard error the N statements (by their first
// characters) that cost the engine most in each run.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/update_run.h"
#include "config/ini_file.h"
#include "db/connection.h"
#include "sim/catalog/schema.h"
#include "sim/connection/sim_connection.h"
#include "sim/demo_server.h"
#include "sim/snapshot/snapshot.h"
#include "sim/tenant_copies.h"

namespace {

using namespace quelor;

double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double ResidentMegabytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
         (1024.0 * 1024.0);
}

double PeakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The statements that cost the engine most, by the first characters of
// their text (--top N).
struct StatementCosts {
  std::map<std::string, std::pair<long, double>> by_text;
  void Add(const std::string& text, double seconds) {
    auto& entry = by_text[text.substr(0, 90)];
    ++entry.first;
    entry.second += seconds;
  }
  void Print(std::size_t top) const {
    std::vector<std::pair<std::string, std::pair<long, double>>> sorted(by_text.begin(),
                                                                        by_text.end());
    std::sort(sorted.begin(), sorted.end(),
              [](const auto& a, const auto& b) { return a.second.second > b.second.second; });
    for (std::size_t i = 0; i < std::min(top, sorted.size()); ++i) {
      std::string text = sorted[i].first;
      for (char& c : text) {
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
      }
      std::fprintf(stderr, "%8.3f s %6ld x  %s\n", sorted[i].second.second, sorted[i].second.first,
                   text.c_str());
    }
  }
};
StatementCosts* costs = nullptr;  // set by --top
std::size_t top_statements = 0;

// Adds up the CPU time the simulated server spends on the calls that pass
// through it.
class TimedConnection : public db::Connection {
 public:
  TimedConnection(db::Connection& inner, double& seconds) : inner_(inner), seconds_(seconds) {}
  void Open(const std::string& text) override {
    Timed("", [&] { inner_.Open(text); });
  }
  void Close() override {
    Timed("", [&] { inner_.Close(); });
  }
  bool IsOpen() const override { return inner_.IsOpen(); }
  void Execute(const std::string& text) override {
    Timed(text, [&] { inner_.Execute(text); });
  }
  db::ResultSet Query(const std::string& text) override {
    db::ResultSet result;
    Timed(text, [&] { result = inner_.Query(text); });
    return result;
  }
  void InsertRow(const std::string& table, const std::vector<db::ColumnValue>& values) override {
    Timed("InsertRow " + table, [&] { inner_.InsertRow(table, values); });
  }

 private:
  template <typename F>
  void Timed(const std::string& text, F call) {
    const double start = ThreadCpuSeconds();
    try {
      call();
    } catch (...) {
      Count(text, ThreadCpuSeconds() - start);
      throw;
    }
    Count(text, ThreadCpuSeconds() - start);
  }
  void Count(const std::string& text, double seconds) {
    seconds_ += seconds;
    if (costs != nullptr) costs->Add(text, seconds);
  }
  db::Connection& inner_;
  double& seconds_;
};

class SilentView : public app::RunView {
 public:
  void SetCaption(const std::string&) override {}
  void SetGauge(int) override {}
  void ShowDialog(app::DialogKind kind, const std::string&, const std::string& text) override {
    if (kind != app::DialogKind::kInformation) std::cerr << "dialog: " << text << "\n";
  }
  void SetBusyCursor(bool) override {}
  void ProcessMessages() override {}
};

// Runs the update on `server`; returns the engine's CPU seconds.
double RunUpdate(sim::Server& server) {
  double engine = 0;
  sim::SimConnection catalogue(server), working(server), lock(server);
  TimedConnection timed_catalogue(catalogue, engine), timed_working(working, engine),
      timed_lock(lock, engine);
  SilentView view;
  app::UpdateRun run({timed_catalogue,
                      timed_working,
                      view,
                      [] { return config::IniFile::Parse(sim::DemoIniText()); },
                      quelor::migration::RunCatalogue,
                      nullptr,
                      {},
                      &timed_lock});
  const app::RunOutcome outcome = run.Start();
  if (outcome != app::RunOutcome::kFinished) {
    std::cerr << "the update did not finish\n";
    std::exit(1);
  }
  return engine;
}

// Child: builds the databases, runs the update, saves the snapshot.
void FirstRun(int tenants, const std::string& snapshot) {
  const double before = ResidentMegabytes();
  const auto start = std::chrono::steady_clock::now();
  sim::Server server;
  sim::BuildTenantCopies(server, tenants);
  const double build =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double engine = RunUpdate(server);
  const double peak = PeakResidentMegabytes();
  if (costs != nullptr) {
    std::fprintf(stderr, "first run, %d tenants, the statements that cost most:\n", tenants);
    costs->Print(top_statements);
    costs->by_text.clear();
  }
  sim::SaveSnapshot(server, snapshot);
  std::printf("%.3f %.1f %.1f %.4f\n", build, peak, before, engine);
}

// Child: loads the snapshot and runs the update again.
void SecondRun(const std::string& snapshot) {
  const double before = ResidentMegabytes();
  const auto start = std::chrono::steady_clock::now();
  sim::Server server;
  sim::LoadSnapshot(snapshot, server);
  const double load =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double loaded = ResidentMegabytes();
  server.AddLogin(std::string(sim::kDemoUser), std::string(sim::kDemoPassword));
  const double engine = RunUpdate(server);
  if (costs != nullptr) {
    std::fprintf(stderr, "second run, the statements that cost most:\n");
    costs->Print(top_statements);
  }
  std::printf("%.3f %.1f %.1f %.1f %.4f\n", load, before, loaded, PeakResidentMegabytes(), engine);
}

// Runs `scenario` in a child process and returns what it printed.
template <typename F>
std::string InChild(F scenario) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) std::exit(2);
  std::fflush(stdout);
  const pid_t pid = fork();
  if (pid == 0) {
    close(pipe_fds[0]);
    dup2(pipe_fds[1], STDOUT_FILENO);
    scenario();
    std::fflush(stdout);
    _exit(0);
  }
  close(pipe_fds[1]);
  std::string output;
  char buffer[256];
  ssize_t n;
  while ((n = read(pipe_fds[0], buffer, sizeof buffer)) > 0)
    output.append(buffer, static_cast<std::size_t>(n));
  close(pipe_fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::cerr << "a scenario failed\n";
    std::exit(1);
  }
  return output;
}

std::vector<int> ParseCounts(const std::string& text) {
  std::vector<int> counts;
  std::stringstream in(text);
  std::string item;
  while (std::getline(in, item, ',')) counts.push_back(std::stoi(item));
  return counts;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> counts = {1, 5, 20, 50};
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("quelor-scale-" + std::to_string(getpid()));
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--tenants" && i + 1 < argc) {
      counts = ParseCounts(argv[++i]);
    } else if (arg == "--dir" && i + 1 < argc) {
      dir = argv[++i];
    } else if (arg == "--top" && i + 1 < argc) {
      static StatementCosts all;
      costs = &all;
      top_statements = static_cast<std::size_t>(std::stoul(argv[++i]));
    } else {
      std::cerr << "usage: quelor_scale_bench [--tenants 1,5,20,50] [--dir DIR] [--top N]\n";
      return 2;
    }
  }
  std::filesystem::create_directories(dir);
  std::printf("%8s %8s %8s %10s %10s %10s %8s %11s %11s %10s\n", "tenants", "build s", "run MB",
              "MB/tenant", "engine s/t", "snap MB/t", "load s", "loaded MB/t", "rerun MB/t",
              "rerun s/t");
  for (const int n : counts) {
    const std::string snapshot = (dir / ("scale-" + std::to_string(n) + ".json")).string();
    double build = 0, peak = 0, before = 0, engine = 0;
    std::istringstream(InChild([&] { FirstRun(n, snapshot); })) >> build >> peak >> before >>
        engine;
    const double snapshot_mb =
        static_cast<double>(std::filesystem::file_size(snapshot)) / (1024.0 * 1024.0);
    double load = 0, before2 = 0, loaded = 0, peak2 = 0, engine2 = 0;
    std::istringstream(InChild([&] { SecondRun(snapshot); })) >> load >> before2 >> loaded >>
        peak2 >> engine2;
    std::printf("%8d %8.2f %8.0f %10.1f %10.3f %10.2f %8.2f %11.1f %11.1f %10.3f\n", n, build, peak,
                (peak - before) / n, engine / n, snapshot_mb / n, load, (loaded - before2) / n,
                (peak2 - before2) / n, engine2 / n);
    std::fflush(stdout);
    std::filesystem::remove(snapshot);
  }
  std::filesystem::remove_all(dir);
  return 0;
}
