// The complete demo update as a whole program, in-process and over the wire.
// Each repetition starts from a fresh demo server and runs the update twice:
// the first run does the work, the second finds it done.
//   in-process:    quelor-update --console --demo --state FILE
//   over the wire: quelor-simserver --port 0 --state FILE --stats STATS, then
//                  quelor-update --console --ini INI against its port; one
//                  server per run, ended with SIGTERM (which saves the state).
// Reported per mode and run: statements (from the Summary line), the median
// wall time of the client process, statements per second, the median CPU time
// (user + system) of the client and of the server, and of an idle server that
// only loads and saves the same starting state; for the wire mode also the
// round trips (SQL batches and procedure calls) per database and connections.
//
//   quelor_wire_bench [--repetitions N] [--first-run-only]
//                     [--update PATH] [--simserver PATH]
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "bench/child_process.h"

namespace {

namespace fs = std::filesystem;
using quelor::bench::ChildRun;
using quelor::bench::RunChild;
using quelor::bench::ServerChild;

struct Options {
  int repetitions = 3;
  bool second_run = true;
  std::string update = QUELOR_UPDATE_BINARY;
  std::string simserver = QUELOR_SIMSERVER_BINARY;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    const bool has_value = i + 1 < argc;
    if (flag == "--repetitions" && has_value) {
      try {
        options.repetitions = std::stoi(argv[++i]);
      } catch (const std::exception&) {
        return std::nullopt;
      }
      if (options.repetitions < 1) return std::nullopt;
    } else if (flag == "--update" && has_value) {
      options.update = argv[++i];
    } else if (flag == "--simserver" && has_value) {
      options.simserver = argv[++i];
    } else if (flag == "--first-run-only") {
      options.second_run = false;
    } else {
      return std::nullopt;
    }
  }
  return options;
}

struct Sample {
  long statements = 0;
  double wall_seconds = 0;
  double client_cpu_seconds = 0;
  double server_cpu_seconds = 0;
  double idle_server_cpu_seconds = 0;  // the same server started and stopped without a client
  std::uint64_t connections = 0;
  std::map<std::string, std::uint64_t> requests;  // per database
};

enum class Mode { kInProcess, kWire };
const char* ModeName(Mode mode) {
  return mode == Mode::kInProcess ? "in-process" : "over the wire";
}
const char* RunName(int run) { return run == 0 ? "first run" : "second run"; }

[[noreturn]] void Fail(const std::string& what, const std::string& output, const fs::path& dir) {
  std::cerr << "quelor_wire_bench: " << what << "\n"
            << output << "\n(files kept in " << dir.string() << ")\n";
  std::exit(1);
}

// The statement count of the console's "Summary: N databases visited, M
// statements sent, ..." line, or -1.
long StatementsOf(const std::string& output) {
  const std::size_t summary = output.rfind("Summary: ");
  if (summary == std::string::npos) return -1;
  const std::string visited = " visited, ";
  const std::size_t at = output.find(visited, summary);
  if (at == std::string::npos) return -1;
  try {
    return std::stol(output.substr(at + visited.size()));
  } catch (const std::exception&) {
    return -1;
  }
}

// Reads the server's "connections\tN" and "requests\t<database>\tN" lines.
void ReadStats(const fs::path& path, Sample& sample) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string kind;
    std::getline(fields, kind, '\t');
    if (kind == "connections") {
      fields >> sample.connections;
    } else if (kind == "requests") {
      std::string database;
      std::getline(fields, database, '\t');
      fields >> sample.requests[database];
    }
  }
}

void CheckClient(const ChildRun& run, const Options& options, const std::string& label,
                 const fs::path& dir) {
  if (run.exit_status != 0) {
    Fail(label + ": " + options.update + " ended with status " + std::to_string(run.exit_status),
         run.output, dir);
  }
}

Sample RunInProcess(const Options& options, const fs::path& dir, const std::string& label) {
  const ChildRun run = RunChild(
      {options.update, "--console", "--no-log", "--demo", "--state", (dir / "state.json").string()},
      dir.string());
  CheckClient(run, options, label, dir);
  Sample sample;
  sample.statements = StatementsOf(run.output);
  sample.wall_seconds = run.wall_seconds;
  sample.client_cpu_seconds = run.cpu_seconds;
  if (sample.statements < 0) Fail(label + ": no Summary line", run.output, dir);
  return sample;
}

// CPU of a server that loads the state, gets no client and saves it on
// SIGTERM: the part of the server's CPU that is not the requests. It runs on
// a copy, so the measured run still starts from the same state.
double IdleServerCpu(const Options& options, const fs::path& dir, const std::string& label) {
  const fs::path state = dir / "state.json";
  const fs::path idle = dir / "idle.json";
  fs::remove(idle);
  if (fs::exists(state)) fs::copy_file(state, idle);
  ServerChild server({options.simserver, "--port", "0", "--state", idle.string()},
                     "listening on 127.0.0.1:");
  const bool started = server.port() != 0;
  const bool stopped = server.Stop();
  if (!started || !stopped)
    Fail(label + ": the idle quelor-simserver did not start or end", "", dir);
  fs::remove(idle);
  return server.cpu_seconds();
}

Sample RunOverTheWire(const Options& options, const fs::path& dir, const std::string& label) {
  const double idle_cpu = IdleServerCpu(options, dir, label);
  const fs::path stats = dir / "stats.txt";
  fs::remove(stats);
  ServerChild server({options.simserver, "--port", "0", "--state", (dir / "state.json").string(),
                      "--stats", stats.string()},
                     "listening on 127.0.0.1:");
  if (server.port() == 0) {
    server.Stop();
    Fail(label + ": quelor-simserver did not start", "", dir);
  }
  const fs::path ini = dir / "SysDBAdo.INI";
  std::ofstream(ini, std::ios::binary)
      << "[Datenbank]\r\nProvider=SQLOLEDB.1\r\nUser ID=quelor\r\nPassword=demo\r\n"
      << "Data Source=127.0.0.1," << server.port() << "\r\n";
  const ChildRun run =
      RunChild({options.update, "--console", "--no-log", "--ini", ini.string()}, dir.string());
  const bool stopped = server.Stop();
  CheckClient(run, options, label, dir);
  if (!stopped) Fail(label + ": quelor-simserver did not end cleanly on SIGTERM", "", dir);
  Sample sample;
  sample.statements = StatementsOf(run.output);
  sample.wall_seconds = run.wall_seconds;
  sample.client_cpu_seconds = run.cpu_seconds;
  sample.server_cpu_seconds = server.cpu_seconds();
  sample.idle_server_cpu_seconds = idle_cpu;
  if (sample.statements < 0) Fail(label + ": no Summary line", run.output, dir);
  ReadStats(stats, sample);
  if (sample.connections == 0) Fail(label + ": no stats from the server", "", dir);
  return sample;
}

template <typename Value>
Value Median(std::vector<Value> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  if (values.size() % 2 == 1) return values[middle];
  return (values[middle - 1] + values[middle]) / 2;
}

template <typename Get>
auto MedianOf(const std::vector<Sample>& samples, Get get) {
  std::vector<decltype(get(samples.front()))> values;
  for (const Sample& sample : samples) values.push_back(get(sample));
  return Median(values);
}

// The value, or "median (min..max)" when the repetitions disagree.
template <typename Get>
std::string CountOf(const std::vector<Sample>& samples, Get get) {
  std::vector<long long> values;
  for (const Sample& sample : samples) values.push_back(static_cast<long long>(get(sample)));
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  std::string text = std::to_string(Median(values));
  if (*low != *high) text += " (" + std::to_string(*low) + ".." + std::to_string(*high) + ")";
  return text;
}

using Results = std::map<Mode, std::vector<std::vector<Sample>>>;  // mode -> run -> repetitions

void PrintTimes(const Results& results, int repetitions) {
  std::printf("Complete demo update, %d repetition(s), medians\n\n", repetitions);
  std::printf("%-14s %-11s %12s %10s %13s %13s %13s %13s\n", "mode", "run", "statements", "wall s",
              "statements/s", "client CPU s", "server CPU s", "idle server s");
  for (const auto& [mode, runs] : results) {
    for (std::size_t run = 0; run < runs.size(); ++run) {
      const std::vector<Sample>& samples = runs[run];
      const double wall = MedianOf(samples, [](const Sample& s) { return s.wall_seconds; });
      const long statements = MedianOf(samples, [](const Sample& s) { return s.statements; });
      char server[32] = "-";
      char idle[32] = "-";
      if (mode == Mode::kWire) {
        std::snprintf(server, sizeof server, "%.3f",
                      MedianOf(samples, [](const Sample& s) { return s.server_cpu_seconds; }));
        std::snprintf(idle, sizeof idle, "%.3f",
                      MedianOf(samples, [](const Sample& s) { return s.idle_server_cpu_seconds; }));
      }
      std::printf("%-14s %-11s %12s %10.3f %13.0f %13.3f %13s %13s\n", ModeName(mode),
                  RunName(static_cast<int>(run)),
                  CountOf(samples, [](const Sample& s) { return s.statements; }).c_str(), wall,
                  wall > 0 ? static_cast<double>(statements) / wall : 0.0,
                  MedianOf(samples, [](const Sample& s) { return s.client_cpu_seconds; }), server,
                  idle);
    }
  }
}

void PrintRoundTrips(const std::vector<std::vector<Sample>>& runs) {
  std::set<std::string> databases;
  for (const auto& samples : runs) {
    for (const Sample& sample : samples) {
      for (const auto& [database, count] : sample.requests) databases.insert(database);
    }
  }
  std::printf("\nRound trips over the wire (requests per current database, medians)\n\n");
  std::printf("%-24s", "database");
  for (std::size_t run = 0; run < runs.size(); ++run)
    std::printf(" %22s", RunName(static_cast<int>(run)));
  std::printf("\n%-24s", "connections");
  for (const auto& samples : runs) {
    std::printf(" %22s", CountOf(samples, [](const Sample& s) { return s.connections; }).c_str());
  }
  for (const std::string& database : databases) {
    std::printf("\n%-24s", database.c_str());
    for (const auto& samples : runs) {
      const auto requests = [&database](const Sample& s) {
        const auto found = s.requests.find(database);
        return found == s.requests.end() ? std::uint64_t{0} : found->second;
      };
      std::printf(" %22s", CountOf(samples, requests).c_str());
    }
  }
  const auto total = [](const Sample& s) {
    std::uint64_t sum = 0;
    for (const auto& [database, count] : s.requests) sum += count;
    return sum;
  };
  std::printf("\n%-24s", "total");
  for (const auto& samples : runs) std::printf(" %22s", CountOf(samples, total).c_str());
  std::printf("\n%-24s", "round trips / statement");
  for (const auto& samples : runs) {
    const double ratio = MedianOf(samples, [&total](const Sample& s) {
      return s.statements > 0 ? static_cast<double>(total(s)) / static_cast<double>(s.statements)
                              : 0.0;
    });
    std::printf(" %22.3f", ratio);
  }
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = ParseOptions(argc, argv);
  if (!options) {
    std::cerr << "usage: quelor_wire_bench [--repetitions N] [--first-run-only] [--update PATH]"
                 " [--simserver PATH]\n";
    return 2;
  }
  const fs::path work =
      fs::temp_directory_path() / ("quelor_wire_bench_" + std::to_string(::getpid()));
  fs::remove_all(work);

  const int runs = options->second_run ? 2 : 1;
  Results results;
  for (Mode mode : {Mode::kInProcess, Mode::kWire})
    results[mode].resize(static_cast<std::size_t>(runs));
  for (int repetition = 1; repetition <= options->repetitions; ++repetition) {
    for (Mode mode : {Mode::kInProcess, Mode::kWire}) {
      // A fresh directory is a fresh demo server: the state file does not exist yet.
      const fs::path dir = work / (std::string(mode == Mode::kInProcess ? "in_process_" : "wire_") +
                                   std::to_string(repetition));
      fs::create_directories(dir);
      for (int run = 0; run < runs; ++run) {
        const std::string label = std::string(ModeName(mode)) + ", " + RunName(run) +
                                  ", repetition " + std::to_string(repetition);
        const Sample sample = mode == Mode::kInProcess ? RunInProcess(*options, dir, label)
                                                       : RunOverTheWire(*options, dir, label);
        std::cerr << label << ": " << sample.statements << " statements, " << sample.wall_seconds
                  << " s\n";
        results[mode][static_cast<std::size_t>(run)].push_back(sample);
      }
    }
  }
  fs::remove_all(work);

  PrintTimes(results, options->repetitions);
  PrintRoundTrips(results[Mode::kWire]);
  return 0;
}
