#include "ui/run_summary.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "app/run_report_json.h"
#include "platform/utf8_path.h"

namespace quelor::ui {
namespace {

std::string Count(long n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string SummaryLine(long databases, long statements, long dialogs) {
  return "Summary: " + Count(databases, "database", "databases") + " visited, " +
         Count(statements, "statement", "statements") + " sent, " +
         Count(dialogs, "dialog", "dialogs") + " shown.";
}

int FinishReport(const app::RunReport& report, const std::string& path, int status,
                 std::ostream& err) {
  if (path.empty()) return status;
  std::ofstream out(platform::PathFromUtf8(path), std::ios::binary | std::ios::trunc);
  if (out) out << app::ReportJson(report).dump(2) << '\n';
  if (out) out.close();
  if (out) return status;
  err << "quelor-update: the report file " << path
      << " could not be written completely: " << std::strerror(errno) << "\n";
  return status == 0 ? 1 : status;
}

}  // namespace quelor::ui
