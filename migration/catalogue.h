// The migration catalogue: the ordered steps that bring one tenant database
// to release 11, and the finishing work after the tenant loop.
#pragma once

#include <string>

#include "db/step_feedback.h"
#include "db/toolkit.h"
#include "platform/shortcuts.h"

namespace quelor::migration {

// One advance of the progress gauge, called where the catalogue says so.
class Progress {
 public:
  virtual ~Progress() = default;
  virtual void UpdateProgress() = 0;
};

// What a tenant migration works with. The working connection behind `db`
// points at the database named `current_database`.
struct TenantContext {
  db::Toolkit& db;
  Progress& progress;
  const std::string& current_database;
};

// Runs the whole catalogue on the current tenant database: the first routine,
// which ends by handing over to the second (Update1). Failures of unguarded
// steps are not caught here.
void RunCatalogue(TenantContext& context);

// The second routine of the catalogue; the first routine's last step calls it.
void Update1(TenantContext& context);

// The pass over every product database after the tenant loop.
void FinishAllDatabases(TenantContext& context);

// Rewrites the descriptions of the product's desktop and menu shortcuts that
// exist on this machine.
void RefreshShortcuts(platform::Shortcuts& shortcuts, db::StepFeedback& feedback);

}  // namespace quelor::migration
