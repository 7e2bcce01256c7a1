#include "app/run_outcome.h"

namespace quelor::app {

std::string_view RunOutcomeName(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::kNotStarted:
      return "not started";
    case RunOutcome::kFinished:
      return "finished";
    case RunOutcome::kStopped:
      return "stopped";
    case RunOutcome::kServerBusy:
      return "server busy";
  }
  return "not started";
}

int ExitStatusOf(RunOutcome outcome, bool warnings_or_errors_shown) {
  switch (outcome) {
    case RunOutcome::kFinished:
      return warnings_or_errors_shown ? kExitFinishedWithProblems : kExitFinished;
    case RunOutcome::kServerBusy:
      return kExitServerBusy;
    default:
      return kExitStopped;
  }
}

}  // namespace quelor::app
