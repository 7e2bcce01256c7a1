// The demo server as the update meets it: building the four previous-release
// databases from their scripts, and a snapshot round trip. The memory of the
// whole demo run is measured from outside, where the allocator's reuse of
// freed memory cannot hide it:
//   /usr/bin/time -v build/ui/quelor-update --demo --console   (maximum resident set size)
#include <benchmark/benchmark.h>

#include <string>

#include "sim/catalog/schema.h"
#include "sim/demo_server.h"
#include "sim/snapshot/snapshot.h"

namespace {

void BuildDemoServer(benchmark::State& state) {
  for (auto _ : state) {
    quelor::sim::Server server;
    quelor::sim::BuildDemoServer(server);
    benchmark::DoNotOptimize(server.databases().size());
  }
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
