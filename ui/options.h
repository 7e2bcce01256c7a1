// The command line of quelor-update.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace quelor::ui {

struct Options {
  bool console = false;     // --console: no window; dialogs become lines on stderr
  bool demo = false;        // --demo: run against the built-in simulated server
  std::string state_path;   // --state FILE: with --demo, the server is kept in FILE between runs
  bool help = false;        // --help
  bool version = false;     // --version
  std::string ini_path;     // --ini FILE: instead of SysDBAdo.INI beside the executable
  std::string trace_path;   // --trace FILE: record every statement sent
  std::string report_path;  // --report FILE: write the run report as JSON
  // --login-timeout SECONDS: how long a connect waits for the server (the
  // lookup of a named instance, then the login); statements never time out.
  std::chrono::seconds login_timeout{15};
  // --encrypt: demand an encrypted connection with a trusted certificate,
  // whatever the driver's default.
  bool encrypt = false;
  // --jobs N: tenant databases migrated at once (console only); 1 migrates
  // them one after the other.
  int jobs = 1;
  // --keep-going: a failure that ends one tenant's migration leaves the
  // others and the final pass to run; the exit status is 1 all the same.
  bool keep_going = false;
  // --status: list every product database with its release and whether a run
  // would change it; nothing is changed.
  bool status = false;
  // --no-log: leave no log of the run in the log folder.
  bool no_log = false;
};

// The most tenant databases --jobs migrates at once.
inline constexpr int kMostJobs = 64;

struct ParsedOptions {
  Options options;
  std::string error;  // not empty when the command line was not understood
};

ParsedOptions ParseOptions(const std::vector<std::string>& args);

std::string UsageText();

}  // namespace quelor::ui
