#include "app/run_report_json.h"

#include "app/run_report_text.h"

namespace quelor::app {
namespace {

nlohmann::json Seconds(std::chrono::milliseconds time) {
  return static_cast<double>(time.count()) / 1000.0;
}

nlohmann::json TextOrNull(const std::string& text) {
  return text.empty() ? nlohmann::json(nullptr) : nlohmann::json(text);
}

nlohmann::json Dialogs(const std::vector<ReportedDialog>& dialogs) {
  nlohmann::json out = nlohmann::json::array();
  for (const ReportedDialog& dialog : dialogs) {
    out.push_back({{"kind", DialogKindName(dialog.kind)},
                   {"text", dialog.text},
                   {"statement", TextOrNull(dialog.statement)}});
  }
  return out;
}

long CountKind(const RunReport& report, DialogKind kind) {
  long count = 0;
  auto add = [&](const std::vector<ReportedDialog>& dialogs) {
    for (const ReportedDialog& dialog : dialogs) count += dialog.kind == kind ? 1 : 0;
  };
  add(report.run_dialogs);
  for (const DatabaseReport& database : report.databases) add(database.dialogs);
  return count;
}

}  // namespace

nlohmann::json ReportJson(const RunReport& report) {
  nlohmann::json databases = nlohmann::json::array();
  for (const DatabaseReport& database : report.databases) {
    nlohmann::json entry = {{"name", database.name},
                            {"outcome", DatabaseOutcomeName(database.outcome)},
                            {"statements", database.statements},
                            {"seconds", Seconds(database.time)},
                            {"dialogs", Dialogs(database.dialogs)},
                            {"stop", nullptr}};
    if (database.outcome == DatabaseOutcome::kStopped) {
      entry["stop"] = {{"statement", TextOrNull(database.stop_statement)},
                       {"failure", database.stop_failure}};
    }
    databases.push_back(std::move(entry));
  }
  return {
      {"format", kReportFormat},
      {"outcome", RunOutcomeName(report.outcome)},
      {"server", report.server},
      {"login", report.login},
      {"started", UtcTimeText(report.started)},
      {"seconds", Seconds(report.time)},
      {"stop_failure", TextOrNull(report.stop_failure)},
      {"totals",
       {{"databases", static_cast<long>(report.databases.size())},
        {"statements", report.TotalStatements()},
        {"catalogue_statements", report.catalogue_statements},
        {"warnings", CountKind(report, DialogKind::kWarning)},
        {"errors", CountKind(report, DialogKind::kError)},
        {"messages", CountKind(report, DialogKind::kPlain)}}},
      {"databases", std::move(databases)},
      {"run_dialogs", Dialogs(report.run_dialogs)},
  };
}

}  // namespace quelor::app
