#include "app/run_report_text.h"

#include <cstdio>

namespace quelor::app {
namespace {

// Keeps a dialog's text on its line: line breaks become \n.
std::string OneLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else if (c != '\r') {
      out += c;
    }
  }
  return out;
}

std::string Padded(const std::string& text, std::size_t width) {
  return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

std::string RightAligned(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string Count(long n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

void AppendDialog(std::string& out, const char* indent, const ReportedDialog& dialog) {
  out += indent;
  out += DialogKindName(dialog.kind);
  out += ": " + OneLine(dialog.text);
  if (!dialog.statement.empty()) out += "  [" + OneLine(dialog.statement) + "]";
  out += '\n';
}

}  // namespace

std::string UtcTimeText(std::chrono::system_clock::time_point time) {
  using namespace std::chrono;
  const auto day = floor<days>(time);
  const year_month_day date{day};
  const hh_mm_ss clock{floor<seconds>(time - day)};
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02ld:%02ld:%02ldZ",
                static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                static_cast<unsigned>(date.day()), static_cast<long>(clock.hours().count()),
                static_cast<long>(clock.minutes().count()),
                static_cast<long>(clock.seconds().count()));
  return text;
}

std::string SecondsText(std::chrono::milliseconds time) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f s", static_cast<double>(time.count()) / 1000.0);
  return text;
}

std::string ServerLine(const std::string& server, const std::string& login) {
  return "Server: " + server + ", login: " + login;
}

std::string ReportText(const RunReport& report) {
  constexpr std::size_t kNameWidth = 28, kOutcomeWidth = 16, kNumberWidth = 11;
  std::string out = "Report: run " + std::string(RunOutcomeName(report.outcome)) + ", server " +
                    report.server + ", login " + report.login + ", started " +
                    UtcTimeText(report.started) + ", " + SecondsText(report.time) + "\n";
  out += "  " + Padded("Database", kNameWidth) + Padded("Outcome", kOutcomeWidth) +
         RightAligned("Statements", kNumberWidth) + RightAligned("Time", kNumberWidth) + "\n";
  long warnings = 0, errors = 0;
  for (const DatabaseReport& database : report.databases) {
    out += "  " + Padded(database.name, kNameWidth) +
           Padded(std::string(DatabaseOutcomeName(database.outcome)), kOutcomeWidth) +
           RightAligned(std::to_string(database.statements), kNumberWidth) +
           RightAligned(SecondsText(database.time), kNumberWidth) + "\n";
    for (const ReportedDialog& dialog : database.dialogs) {
      AppendDialog(out, "    ", dialog);
      if (dialog.kind == DialogKind::kWarning) ++warnings;
      if (dialog.kind == DialogKind::kError) ++errors;
    }
    if (database.outcome == DatabaseOutcome::kStopped) {
      AppendDialog(out, "    ",
                   {DialogKind::kStop, database.stop_failure, database.stop_statement});
    }
  }
  for (const ReportedDialog& dialog : report.run_dialogs) {
    AppendDialog(out, "  ", dialog);
    if (dialog.kind == DialogKind::kWarning) ++warnings;
    if (dialog.kind == DialogKind::kError) ++errors;
  }
  const bool stop_shown_above = [&] {
    for (const DatabaseReport& database : report.databases) {
      if (database.outcome == DatabaseOutcome::kStopped) return true;
    }
    return false;
  }();
  if (!report.stop_failure.empty() && !stop_shown_above) {
    AppendDialog(out, "  ", {DialogKind::kStop, report.stop_failure, {}});
  }
  out += "  Total: " + Count(static_cast<long>(report.databases.size()), "database", "databases") +
         ", " + Count(report.TotalStatements(), "statement", "statements") + ", " +
         Count(warnings, "warning", "warnings") + ", " + Count(errors, "error", "errors") + "\n";
  return out;
}

}  // namespace quelor::app
