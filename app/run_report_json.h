// The run report as JSON, the form --report writes. The field names are
// stable; docs/report.md describes them and docs/report.schema.json checks
// them.
#pragma once

#include <nlohmann/json.hpp>

#include "app/run_report.h"

namespace quelor::app {

// The version of the report's fields; raised only when a field changes its
// meaning or goes away.
inline constexpr int kReportFormat = 1;

nlohmann::json ReportJson(const RunReport& report);

}  // namespace quelor::app
