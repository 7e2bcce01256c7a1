// quelor-fault-sweep: runs the fault sweep over a range of statements and
// prints a table per fault mode, then every point that broke a rule.
//
//   quelor-fault-sweep [--mode refused|lost|both] [--every N] [--from K] [--to K]
//                      [--bank-codes RECORDS]
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

#include "sweep/fault_sweep.h"

namespace {

using quelor::db::FaultPlan;
using namespace quelor::sweep;

struct Tally {
  long probed = 0, stopped = 0, finished = 0, resumed_equal = 0, resumed_differ = 0, stuck = 0,
       broken = 0;
};

int Usage() {
  std::cerr << "usage: quelor-fault-sweep [--mode refused|lost|both] [--every N] [--from K] "
               "[--to K] [--bank-codes RECORDS]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string mode = "both";
  long every = 1, from = 1, to = 0, bank_records = 60;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) return Usage();
    const std::string value = argv[++i];
    if (arg == "--mode")
      mode = value;
    else if (arg == "--every")
      every = std::atol(value.c_str());
    else if (arg == "--from")
      from = std::atol(value.c_str());
    else if (arg == "--to")
      to = std::atol(value.c_str());
    else if (arg == "--bank-codes")
      bank_records = std::atol(value.c_str());
    else
      return Usage();
  }
  if (every < 1 || from < 1 || (mode != "both" && mode != "refused" && mode != "lost")) {
    return Usage();
  }
  const std::string bank_codes =
      bank_records > 0 ? BankCodeSample(static_cast<int>(bank_records)) : std::string();
  const Reference reference = MakeReference(bank_codes);
  if (to == 0 || to > reference.statements) to = reference.statements;
  std::cout << "uninterrupted run: " << reference.statements << " statements\n";
  for (const auto& [k, name] : reference.database_starts) {
    std::cout << "  from statement " << k << ": " << name << "\n";
  }

  std::vector<FaultPlan::Mode> modes;
  if (mode != "lost") modes.push_back(FaultPlan::Mode::kRefuse);
  if (mode != "refused") modes.push_back(FaultPlan::Mode::kLoseConnection);
  std::vector<Verdict> failures;
  std::vector<Tally> tallies;
  for (FaultPlan::Mode m : modes) {
    Tally t;
    for (long k = from; k <= to; k += every) {
      Verdict v = Probe(reference, m, k, bank_codes);
      ++t.probed;
      if (v.faulted.outcome == quelor::app::RunOutcome::kStopped) {
        ++t.stopped;
        if (v.resumed.outcome != quelor::app::RunOutcome::kFinished) ++t.stuck;
        (v.differences.empty() ? t.resumed_equal : t.resumed_differ) += 1;
      } else {
        ++t.finished;
      }
      if (!v.problems.empty()) {
        ++t.broken;
        failures.push_back(std::move(v));
      }
    }
    tallies.push_back(t);
  }

  std::cout << "\nmode      probed  stopped  finished  resumed equal  resumed differ  stuck  "
               "rules broken\n";
  for (std::size_t i = 0; i < modes.size(); ++i) {
    const Tally& t = tallies[i];
    std::cout << std::left << std::setw(8) << ModeName(modes[i]) << std::right << std::setw(8)
              << t.probed << std::setw(9) << t.stopped << std::setw(10) << t.finished
              << std::setw(15) << t.resumed_equal << std::setw(16) << t.resumed_differ
              << std::setw(7) << t.stuck << std::setw(14) << t.broken << "\n";
  }
  for (const Verdict& v : failures) {
    std::cout << "\n" << ModeName(v.mode) << " k=" << v.k << " in " << v.faulted.database << ": ";
    for (const std::string& p : v.problems) std::cout << p << "; ";
    if (!v.faulted.stop_text.empty()) std::cout << "\n  stop: " << v.faulted.stop_text;
    if (!v.resumed.stop_text.empty()) std::cout << "\n  resumed stop: " << v.resumed.stop_text;
    for (const std::string& d : v.differences) std::cout << "\n  " << d;
    std::cout << "\n";
  }
  return failures.empty() ? 0 : 1;
}
