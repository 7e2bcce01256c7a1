// Many tenants migrated at once over the wire: quelor-simserver holds the
// system database and N copies of the previous-release club database, and
// the real client runs
//   quelor-update --console --ini FILE --jobs J
// for each J, each time from the same starting state. The server may delay
// every reply by D ms (--reply-delay-ms, outside its mutex) to stand for a
// server on another machine; the server itself runs one statement at a time.
// Reported per D and J: wall time of the client, its CPU time (user +
// system, from wait4), and the speed-up over J = 1.
//
//   quelor_jobs_bench [--tenants 50] [--jobs 1,2,4,8] [--delays 0,1]
//                     [--update PATH] [--simserver PATH]
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/child_process.h"
#include "sim/catalog/schema.h"
#include "sim/snapshot/snapshot.h"
#include "sim/tenant_copies.h"

namespace {

namespace fs = std::filesystem;
using quelor::bench::ChildRun;
using quelor::bench::RunChild;
using quelor::bench::ServerChild;

struct Options {
  int tenants = 50;
  std::vector<int> jobs = {1, 2, 4, 8};
  std::vector<int> delays = {0, 1};
  std::string update = QUELOR_UPDATE_BINARY;
  std::string simserver = QUELOR_SIMSERVER_BINARY;
};

std::vector<int> ParseList(const std::string& text) {
  std::vector<int> values;
  std::stringstream in(text);
  std::string item;
  while (std::getline(in, item, ',')) values.push_back(std::stoi(item));
  return values;
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    if (i + 1 >= argc) return false;
    const std::string value = argv[++i];
    try {
      if (flag == "--tenants")
        options.tenants = std::stoi(value);
      else if (flag == "--jobs")
        options.jobs = ParseList(value);
      else if (flag == "--delays")
        options.delays = ParseList(value);
      else if (flag == "--update")
        options.update = value;
      else if (flag == "--simserver")
        options.simserver = value;
      else
        return false;
    } catch (const std::exception&) {
      return false;
    }
  }
  return options.tenants >= 1 && !options.jobs.empty() && !options.delays.empty();
}

[[noreturn]] void Fail(const std::string& what, const std::string& output) {
  std::cerr << "quelor_jobs_bench: " << what << "\n" << output << "\n";
  std::exit(1);
}

// One client run against a fresh server started from `start`.
ChildRun RunOnce(const Options& options, const fs::path& dir, const fs::path& start, int delay,
                 int jobs) {
  const fs::path state = dir / "state.json";
  fs::copy_file(start, state, fs::copy_options::overwrite_existing);
  ServerChild server({options.simserver, "--port", "0", "--state", state.string(),
                      "--reply-delay-ms", std::to_string(delay)},
                     "listening on 127.0.0.1:");
  if (server.port() == 0) Fail("quelor-simserver did not start", "");
  const fs::path ini = dir / "SysDBAdo.INI";
  std::ofstream(ini, std::ios::binary)
      << "[Datenbank]\r\nProvider=SQLOLEDB.1\r\nUser ID=quelor\r\nPassword=demo\r\n"
      << "Data Source=127.0.0.1," << server.port() << "\r\n";
  const ChildRun run = RunChild({options.update, "--console", "--no-log", "--ini", ini.string(),
                                 "--jobs", std::to_string(jobs)},
                                dir.string());
  server.Stop();
  if (run.exit_status != 0) {
    Fail("quelor-update --jobs " + std::to_string(jobs) + " ended with status " +
             std::to_string(run.exit_status),
         run.output);
  }
  return run;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::cerr << "usage: quelor_jobs_bench [--tenants 50] [--jobs 1,2,4,8] [--delays 0,1]\n"
                 "                         [--update PATH] [--simserver PATH]\n";
    return 2;
  }
  const fs::path dir =
      fs::temp_directory_path() / ("quelor-jobs-bench-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const fs::path start = dir / "start.json";
  {
    quelor::sim::Server server;
    quelor::sim::BuildTenantCopies(server, options.tenants);
    quelor::sim::SaveSnapshot(server, start.string());
  }
  std::printf("%d tenant databases and the system database, over the wire\n", options.tenants);
  std::printf("%10s %6s %10s %14s %9s\n", "delay ms", "jobs", "wall s", "client CPU s", "speed-up");
  for (const int delay : options.delays) {
    double first_wall = 0;
    for (const int jobs : options.jobs) {
      const ChildRun run = RunOnce(options, dir, start, delay, jobs);
      if (first_wall == 0) first_wall = run.wall_seconds;
      std::printf("%10d %6d %10.2f %14.2f %9.2f\n", delay, jobs, run.wall_seconds, run.cpu_seconds,
                  first_wall / run.wall_seconds);
      std::fflush(stdout);
    }
  }
  fs::remove_all(dir);
  return 0;
}
