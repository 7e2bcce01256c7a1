#include "ui/options.h"

#include <charconv>

namespace quelor::ui {

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  Options& o = parsed.options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::string& target) {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        parsed.error = arg + " needs a file name";
        return;
      }
      target = args[++i];
    };
    // Whole seconds from 1 to a day; 0 would mean no limit at all to ODBC.
    auto seconds = [&](std::chrono::seconds& target) {
      const std::string text = i + 1 < args.size() ? args[i + 1] : std::string();
      long count = 0;
      const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), count);
      if (text.empty() || ec != std::errc() || end != text.data() + text.size() || count < 1 ||
          count > 86400) {
        parsed.error = arg + " needs a number of seconds from 1 to 86400";
        return;
      }
      target = std::chrono::seconds(count);
      ++i;
    };
    // A whole number from 1 to kMostJobs.
    auto jobs = [&](int& target) {
      const std::string text = i + 1 < args.size() ? args[i + 1] : std::string();
      int count = 0;
      const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), count);
      if (text.empty() || ec != std::errc() || end != text.data() + text.size() || count < 1 ||
          count > kMostJobs) {
        parsed.error = arg + " needs a number from 1 to " + std::to_string(kMostJobs);
        return;
      }
      target = count;
      ++i;
    };
    if (arg == "--console")
      o.console = true;
    else if (arg == "--help" || arg == "-h")
      o.help = true;
    else if (arg == "--version")
      o.version = true;
    else if (arg == "--ini")
      value(o.ini_path);
    else if (arg == "--trace")
      value(o.trace_path);
    else if (arg == "--report")
      value(o.report_path);
    else if (arg == "--login-timeout")
      seconds(o.login_timeout);
    else if (arg == "--encrypt")
      o.encrypt = true;
    else if (arg == "--jobs")
      jobs(o.jobs);
    else if (arg == "--keep-going")
      o.keep_going = true;
    else if (arg == "--no-log")
      o.no_log = true;
    else if (arg == "--demo")
      o.demo = true;
    else if (arg == "--state")
      value(o.state_path);
    else if (arg == "--status")
      o.status = true;
    else
      parsed.error = "unknown argument: " + arg;
    if (!parsed.error.empty()) break;
  }
  if (parsed.error.empty() && !o.state_path.empty() && !o.demo) {
    parsed.error = "--state goes with --demo";
  }
  if (parsed.error.empty() && !o.ini_path.empty() && o.demo) {
    parsed.error = "--ini does not go with --demo: the demo brings its own server";
  }
  return parsed;
}

std::string UsageText() {
  return "Usage: quelor-update [--console] [--ini FILE] [--trace FILE] [--report FILE]\n"
         "                    [--no-log] [--login-timeout SECONDS] [--encrypt]\n"
         "                    [--jobs N] [--keep-going]\n"
         "       quelor-update --demo [--state FILE] [--console] [--trace FILE]\n"
         "                    [--report FILE] [--no-log] [--jobs N] [--keep-going]\n"
         "       quelor-update --status [--ini FILE | --demo [--state FILE]] [--trace FILE]\n"
         "                    [--login-timeout SECONDS] [--encrypt]\n"
         "       quelor-update --help | --version\n"
         "\n"
         "Brings every product database on the SQL Server named in SysDBAdo.INI to\n"
         "release 11, then makes a pass over all product databases and refreshes the\n"
         "shortcut descriptions. Safe to run again: every change is guarded.\n"
         "\n"
         "  --console     run without a window (chosen automatically without a display):\n"
         "                dialogs are written to standard error and confirmed at once,\n"
         "                the gauge to standard output\n"
         "  --ini FILE    read the connection settings from FILE instead of\n"
         "                SysDBAdo.INI beside the executable\n"
         "  --demo        run against a built-in simulated server holding the system\n"
         "                database, two club databases and a temporary one, all of\n"
         "                the release before 11, with sample data\n"
         "  --state FILE  with --demo: start from the server snapshot in FILE when it\n"
         "                exists, and save the server there after the run\n"
         "  --trace FILE  write every statement sent, with its database, outcome and\n"
         "                duration, to FILE (passwords are never written; the file is\n"
         "                readable by its owner only); a trace that could not be\n"
         "                written completely is reported at the end and makes the\n"
         "                exit status 1\n"
         "  --no-log      leave no log of this run; otherwise every run writes its\n"
         "                statements with their times to a new file in\n"
         "                ~/.local/state/quelor-update/ ($XDG_STATE_HOME), on Windows\n"
         "                %LOCALAPPDATA%\\quelor-update\\logs\\ (owner only, no passwords;\n"
         "                the last 20 runs, at most 50 MB, are kept)\n"
         "  --report FILE write the run report as JSON to FILE, also when the run\n"
         "                stops: every database's outcome, dialogs, statements and\n"
         "                time (see docs/report.md); a report that could not be\n"
         "                written is reported and makes the exit status 1\n"
         "  --login-timeout SECONDS\n"
         "                how long a connect waits for the server, 15 by default: for\n"
         "                the port of a named instance (SQL Server Browser, UDP 1434)\n"
         "                and again for the login; raise it for slow networks.\n"
         "                Statements have no time-out\n"
         "  --encrypt     demand an encrypted connection whose certificate this\n"
         "                machine trusts; without it the client demands nothing,\n"
         "                as the classic SQL Server providers do (the server may\n"
         "                still require encryption)\n"
         "  --jobs N      with --console: migrate up to N tenant databases at once\n"
         "                (1 to 64, 1 by default), each on connections of its own;\n"
         "                dialog lines then begin with [database] and the gauge\n"
         "                shows the share of tenants done. The pass over all\n"
         "                databases still runs alone at the end. In a window N is\n"
         "                ignored and the tenants are migrated one after the other\n"
         "  --keep-going  with --console: a failure that ends one tenant's\n"
         "                migration no longer ends the run: the other tenants and\n"
         "                the pass over all databases go on, each such tenant gets\n"
         "                a stop line naming it, and the exit status is 1\n"
         "  --status      change nothing: list every product database with its kind\n"
         "                (system database, tenant, temporary), the release its\n"
         "                version marker holds, and whether a run would still update\n"
         "                it, then the counts. This is judged from the markers a\n"
         "                finished run leaves (release 11 and the final pass), not\n"
         "                by running every check of the update. Only SELECTs are\n"
         "                sent; no window, no run lock. Exit status 0 when every\n"
         "                database could be read, 1 when the server or one of its\n"
         "                databases could not\n"
         "  --help        show this text\n"
         "  --version     show the version\n"
         "\n"
         "Exit status (window and console):\n"
         "  0  the run finished\n"
         "  1  a failure stopped the run, or the trace or report file could not be\n"
         "     written completely\n"
         "  2  bad command line, or a failure before the run began\n"
         "  3  another update was already running on the server (nothing was changed)\n"
         "  4  the run finished, but warning or error dialogs were shown\n";
}

}  // namespace quelor::ui
