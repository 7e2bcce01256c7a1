// A sample of the fault sweep: statement k of the complete demo update fails,
// as a refusal or as a lost connection from k on, for every kEvery-th
// statement and around the first statement of every database the run
// enters. Every point must keep the rules of fault_sweep.h: exactly one stop
// box when stopped and never success after it, and a resumed run that
// finishes with the databases as an uninterrupted run leaves them.
// quelor-fault-sweep runs every k.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "sweep/fault_sweep.h"

namespace quelor::sweep {
namespace {

// Under the sanitizers (ten times slower) a sparser sample: fewer points
// and only the first statement of each database.
#ifndef QUELOR_SWEEP_EVERY
#define QUELOR_SWEEP_EVERY 50
#define QUELOR_SWEEP_AROUND 1
#endif
constexpr std::int64_t kEvery = QUELOR_SWEEP_EVERY;
constexpr std::int64_t kAround = QUELOR_SWEEP_AROUND;
constexpr int kShards = 8;
constexpr int kBankCodeRecords = 60;

struct Sample {
  std::string bank_codes = BankCodeSample(kBankCodeRecords);
  Reference reference = MakeReference(bank_codes);
  std::vector<std::int64_t> points;

  Sample() {
    std::set<std::int64_t> chosen;
    for (std::int64_t k = 1; k <= reference.statements; k += kEvery) chosen.insert(k);
    for (const auto& [start, name] : reference.database_starts) {
      for (std::int64_t k = start - kAround; k <= start + kAround; ++k) chosen.insert(k);
    }
    chosen.insert(reference.statements);
    for (std::int64_t k : chosen) {
      if (k >= 1 && k <= reference.statements) points.push_back(k);
    }
  }
};

const Sample& TheSample() {
  static const Sample sample;
  return sample;
}

std::string Describe(const Verdict& v) {
  std::ostringstream out;
  out << ModeName(v.mode) << " k=" << v.k << ":";
  for (const std::string& p : v.problems) out << " " << p << ";";
  if (!v.faulted.stop_text.empty()) out << " stop box \"" << v.faulted.stop_text << "\";";
  for (std::size_t i = 0; i < v.differences.size() && i < 5; ++i) out << " " << v.differences[i];
  return out.str();
}

class FaultSweepSample : public ::testing::TestWithParam<int> {};

TEST_P(FaultSweepSample, EveryPointStopsCleanlyAndResumesToTheUninterruptedState) {
  const Sample& sample = TheSample();
  int probed = 0;
  for (std::size_t i = static_cast<std::size_t>(GetParam()); i < sample.points.size();
       i += kShards) {
    for (const db::FaultPlan::Mode mode :
         {db::FaultPlan::Mode::kRefuse, db::FaultPlan::Mode::kLoseConnection}) {
      const Verdict verdict = Probe(sample.reference, mode, sample.points[i], sample.bank_codes);
      EXPECT_TRUE(verdict.problems.empty()) << Describe(verdict);
      ++probed;
    }
  }
  EXPECT_GT(probed, 0);
}

INSTANTIATE_TEST_SUITE_P(Shards, FaultSweepSample, ::testing::Range(0, kShards));

}  // namespace
}  // namespace quelor::sweep
