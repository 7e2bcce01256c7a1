// The migration catalogue: the ordered steps that bring one tenant database
// to release 11, and the finishing work after the tenant loop.
#pragma once

#include <string>
#include <string_view>

#include "db/result_set.h"
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

// What the catalogue may ask of the run around it: the connections, the
// tenant list, the window caption and the data the run was given.
class RunControl {
 public:
  virtual ~RunControl() = default;
  // Points the catalogue connection at `name`; a failure is shown by the run.
  virtual void pConn(const std::string& name) = 0;
  // Points the working connection at `name`; a failure is shown by the run.
  virtual void MandantChange(const std::string& name) = 0;
  // Runs a query on the catalogue connection. Failures are not caught.
  virtual db::ResultSet QueryCatalogue(const std::string& text) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  // The name in the tenant list's current row: the database being migrated.
  virtual const std::string& TenantListName() const = 0;
  // Asks for the copy of the profit-and-loss lines of the system database to
  // every tenant, made once the tenant loop has migrated them all.
  virtual void ScheduleGuvKeyCopy() = 0;
  // The bank code directory to load: a current file the user placed beside
  // the program, else the one compiled in.
  virtual std::string_view BankCodeDirectory() const = 0;
};

// What a tenant migration works with. The working connection behind `db`
// points at the database named `current_database`.
struct TenantContext {
  db::Toolkit& db;
  Progress& progress;
  const std::string& current_database;
  RunControl& run;
};

// Runs the whole catalogue on the current tenant database: the first routine,
// which ends by handing over to the second (Update1). Failures of unguarded
// steps are not caught here.
void RunCatalogue(TenantContext& context);

// The second routine of the catalogue; the first routine's last step calls it.
void Update1(TenantContext& context);

// Copies the profit-and-loss line tables of the system database into every
// tenant database.
void CopyGuvKeyTables(TenantContext& context);

// The pass over every product database after the tenant loop.
void FinishAllDatabases(TenantContext& context);

// Rewrites the descriptions of the product's desktop and menu shortcuts that
// exist on this machine.
void RefreshShortcuts(platform::Shortcuts& shortcuts, db::StepFeedback& feedback);

}  // namespace quelor::migration
