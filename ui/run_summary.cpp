#include "ui/run_summary.h"

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

}  // namespace quelor::ui
