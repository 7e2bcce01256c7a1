// The fault sweep: runs the complete demo update with statement k made to
// fail (refused by the server, or the server lost from k on), then runs it
// again without faults, and compares every database with the result of an
// uninterrupted run. A run that stops anywhere must never report success,
// must end with the stop box exactly when it stops, and the run after it
// must leave the databases as an uninterrupted run leaves them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/update_run.h"
#include "db/fault_injecting_connection.h"
#include "sim/catalog/schema.h"

namespace quelor::sweep {

// What one run of the update showed.
struct RunRecord {
  app::RunOutcome outcome = app::RunOutcome::kNotStarted;
  int stop_boxes = 0;
  int success_dialogs = 0;
  int other_dialogs = 0;
  std::string stop_text;                       // the stop box's text, if one was shown
  std::int64_t statements = 0;                 // statements sent (the failing one included)
  std::int64_t statements_before_success = 0;  // sent when the success dialog showed
  std::string database;                        // the database the run was in when it ended
  bool fault_fired = false;
};

// Runs the complete update once on `server`, with the fault `plan` (a plan
// of mode kNone counts statements only). `bank_codes` is the bank code
// directory to load; a short one keeps a sweep fast. Every connection of the
// run is closed when it returns, as when the process ends.
RunRecord RunUpdate(sim::Server& server, db::FaultPlan& plan, const std::string& bank_codes);

// The first `records` records of the bank code directory compiled in.
std::string BankCodeSample(int records);

// The servers after one and after two uninterrupted runs on the demo
// databases, and the statements of the first run.
struct Reference {
  std::unique_ptr<sim::Server> once;
  std::unique_ptr<sim::Server> twice;
  std::int64_t statements = 0;
  // The number of the first statement sent in each database the run enters
  // (tenants, the copy of the profit-and-loss lines, the final pass), with
  // the database's name: where a sample should look closely.
  std::vector<std::pair<std::int64_t, std::string>> database_starts;
};
Reference MakeReference(const std::string& bank_codes);

// One point of the sweep.
struct Verdict {
  db::FaultPlan::Mode mode = db::FaultPlan::Mode::kNone;
  std::int64_t k = 0;
  RunRecord faulted;
  RunRecord resumed;
  // Tables or databases in which the resumed state differs from both the
  // state after one and after two uninterrupted runs ("QUELOR_A.Adresse:
  // rows differ"); compared only when the faulted run stopped, and for a
  // refusal only when the refused statement itself stopped it.
  std::vector<std::string> differences;
  // What broke a rule, empty when the point passed.
  std::vector<std::string> problems;
};

Verdict Probe(const Reference& reference, db::FaultPlan::Mode mode, std::int64_t k,
              const std::string& bank_codes);

// A demo server of the previous release with the demo login.
std::unique_ptr<sim::Server> MakeDemoServer();

const char* ModeName(db::FaultPlan::Mode mode);

}  // namespace quelor::sweep
