#include "app/status_report.h"

#include <exception>
#include <set>

#include "app/update_run.h"
#include "config/connection_settings.h"
#include "config/password_mask.h"
#include "config/text_util.h"

namespace quelor::app {
namespace {

bool IsSystemDatabaseName(const std::string& name) {
  return config::ToUpperAscii(config::TrimSpaces(name)) == config::ToUpperAscii(kSystemDatabase);
}

std::vector<std::string> Names(const db::ResultSet& list) {
  std::vector<std::string> names;
  for (std::size_t row = 0; row < list.RecordCount(); ++row) {
    names.push_back(list.AsText(row, "name"));
  }
  return names;
}

// The version rows as stored; a NULL row is shown as NULL (the column is NOT
// NULL where the run creates it, but a hand-made table may differ).
std::optional<std::string> ReadRelease(db::Connection& working, bool& all_current) {
  all_current = false;
  if (working.Query(std::string(kVersionColumnProbe)).Empty()) return std::nullopt;
  const db::ResultSet rows = working.Query(std::string(kVersionQuery));
  if (rows.Empty()) return std::nullopt;
  std::string joined;
  all_current = true;
  for (std::size_t row = 0; row < rows.RecordCount(); ++row) {
    const bool null = rows.IsNull(row, "Version");
    const std::string value = null ? "NULL" : rows.AsText(row, "Version");
    if (null || value != kCurrentRelease) all_current = false;
    if (!joined.empty()) joined += ", ";
    joined += value;
  }
  return joined;
}

}  // namespace

StatusReport ReadStatus(const StatusDependencies& deps) {
  StatusReport report;
  config::ConnectionSettings settings;
  try {
    settings = config::ReadConnectionSettings(deps.read_ini());
  } catch (const std::exception& e) {
    report.failure = e.what();
    return report;
  }
  report.server = settings.data_source;
  auto masked = [&](const std::exception& e) {
    return config::MaskPassword(e.what(), settings.password);
  };

  std::vector<std::string> all, tenants;
  try {
    deps.catalogue.Close();
    deps.catalogue.Open(config::CatalogueConnectionText(settings, kSystemDatabase));
    all = Names(deps.catalogue.Query(std::string(kAllProductDatabasesQuery)));
    tenants = Names(deps.catalogue.Query(std::string(kTenantListQuery)));
  } catch (const std::exception& e) {
    report.failure = masked(e);
    deps.catalogue.Close();
    return report;
  }
  deps.catalogue.Close();
  // The server decides which databases are temporary: what the tenant query
  // leaves out of the full list.
  const std::set<std::string> tenant_names(tenants.begin(), tenants.end());

  for (const std::string& name : all) {
    DatabaseStatus status;
    status.name = name;
    status.kind = IsSystemDatabaseName(name)    ? DatabaseKind::kSystem
                  : tenant_names.contains(name) ? DatabaseKind::kTenant
                                                : DatabaseKind::kTemporary;
    try {
      deps.working.Close();
      deps.working.Open(config::WorkingConnectionText(settings, name));
      bool release_current = false;
      status.release = ReadRelease(deps.working, release_current);
      status.final_pass_done = !deps.working.Query(std::string(kFinalPassMarkerProbe)).Empty();
      // Temporary databases are not migrated, only visited by the final pass.
      const bool migrated = status.kind == DatabaseKind::kTemporary || release_current;
      status.state = migrated && status.final_pass_done ? DatabaseState::kUpToDate
                                                        : DatabaseState::kWouldBeUpdated;
    } catch (const std::exception& e) {
      status.state = DatabaseState::kUnreadable;
      status.failure = masked(e);
    }
    report.databases.push_back(std::move(status));
  }
  deps.working.Close();
  return report;
}

}  // namespace quelor::app
