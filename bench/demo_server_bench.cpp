// The demo server as the update meets it: building the four previous-release
// databases from their scripts, a snapshot round trip, and the memory the
// server holds (reported as the counter "rss_MB", the growth of the process's
// resident set while the server is built).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "sim/catalog/schema.h"
#include "sim/demo_server.h"
#include "sim/snapshot.h"

namespace {

double ResidentMegabytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void BuildDemoServer(benchmark::State& state) {
  double grown = 0;
  for (auto _ : state) {
    const double before = ResidentMegabytes();
    quelor::sim::Server server;
    quelor::sim::BuildDemoServer(server);
    // Later rounds reuse the memory the first one freed: keep the largest growth.
    grown = std::max(grown, ResidentMegabytes() - before);
    benchmark::DoNotOptimize(server.databases().size());
  }
  state.counters["rss_MB"] = grown;
}
BENCHMARK(BuildDemoServer)->Unit(benchmark::kMillisecond);

void SnapshotRoundTrip(benchmark::State& state) {
  quelor::sim::Server server;
  quelor::sim::BuildDemoServer(server);
  const std::string text = quelor::sim::SnapshotText(server);
  for (auto _ : state) {
    quelor::sim::Server loaded;
    quelor::sim::ReadSnapshot(text, loaded);
    benchmark::DoNotOptimize(quelor::sim::SnapshotText(loaded).size());
  }
  state.counters["snapshot_kB"] = static_cast<double>(text.size()) / 1024.0;
}
BENCHMARK(SnapshotRoundTrip)->Unit(benchmark::kMillisecond);

}  // namespace
