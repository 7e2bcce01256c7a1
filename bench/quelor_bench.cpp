// Benchmarks of the update tool. Scenarios:
//   SplitLargeScript  splitting a stored script of N lines (a bank-code load is
//                     tens of thousands of insert lines) into its batches
//   ParseIni          reading a SysDBAdo.INI of realistic size
// Run: build/bench/quelor_bench
#include <benchmark/benchmark.h>

#include <string>

#include "config/ini_file.h"
#include "db/script_splitter.h"

namespace {

void SplitLargeScript(benchmark::State& state) {
  std::string script;
  for (int i = 0; i < state.range(0); ++i) {
    script += "INSERT INTO D_BLZ (BLZ, Bezeichnung) VALUES ('1000000" + std::to_string(i % 10) +
              "', 'Bundesbank')\r\n";
    if (i % 100 == 99) script += "GO\r\n";
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(quelor::db::SplitIntoBatches(script));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(script.size()));
}
BENCHMARK(SplitLargeScript)->Arg(1000)->Arg(20000);

void ParseIni(benchmark::State& state) {
  const std::string text =
      "[Datenbank]\r\nProvider=SQLOLEDB.1\r\nPassword=\"geheim\"\r\nPersist Security Info=True\r\n"
      "User ID=sa\r\nInitial Catalog=Quelor\r\nData Source=SERVER\\SQLEXPRESS\r\nWinAuth=N\r\n"
      "[Verzeichnis]\r\nHauptVerz=C:\\Quelor\\\r\n";
  for (auto _ : state) {
    benchmark::DoNotOptimize(quelor::config::IniFile::Parse(text).Get("Datenbank", "Data Source"));
  }
}
BENCHMARK(ParseIni);

}  // namespace

BENCHMARK_MAIN();
