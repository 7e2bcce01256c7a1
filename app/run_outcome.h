// How an update run ended, and the program's exit status for it.
#pragma once

#include <string_view>

namespace quelor::app {

enum class RunOutcome {
  kNotStarted,
  kFinished,    // the success dialog was confirmed; the window closes
  kStopped,     // a failure ended the run; the window stays open
  kServerBusy,  // another run holds the server: nothing was changed; the window stays open
};

// The outcome's name in the run report: "not started", "finished", "stopped",
// "server busy".
std::string_view RunOutcomeName(RunOutcome outcome);

// Exit statuses of quelor-update. 2 (bad command line or a start-up failure)
// is decided before any run.
inline constexpr int kExitFinished = 0;
inline constexpr int kExitStopped = 1;
inline constexpr int kExitStartFailed = 2;
inline constexpr int kExitServerBusy = 3;
inline constexpr int kExitFinishedWithProblems = 4;

// The exit status of a run that ended with `outcome`: a finished run during
// which warning or error dialogs were shown ends with 4 instead of 0, so a
// script can tell a clean run from one that needs a look at its report.
int ExitStatusOf(RunOutcome outcome, bool warnings_or_errors_shown);

}  // namespace quelor::app
