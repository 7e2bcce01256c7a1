// One of the workers that migrate several tenant databases at once: its own
// working and catalogue connection, toolkit, current database name and
// connection settings, so nothing of one tenant's migration is seen by
// another. What the workers share (the view, the settings file, the request
// for the profit-and-loss copy) is reached through TenantWorkerShared, whose
// members are safe to call from several threads.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "app/reporting_connection.h"
#include "app/run_report.h"
#include "app/run_view.h"
#include "config/connection_settings.h"
#include "db/connection.h"
#include "db/reopening_connection.h"
#include "db/toolkit.h"
#include "migration/catalogue.h"

namespace quelor::app {

struct TenantWorkerShared {
  RunView& view;  // serialised (LockedView)
  // Reads SysDBAdo.INI; may be called from several threads at once.
  std::function<config::ConnectionSettings()> read_settings;
  std::function<void(migration::TenantContext&)> catalogue_steps;
  std::string_view bank_code_directory;
  std::atomic<bool>& guv_copy_scheduled;
  RunRecorder& recorder;
};

class TenantWorker : private db::StepFeedback,
                     private migration::Progress,
                     private migration::RunControl {
 public:
  TenantWorker(TenantWorkerShared& shared, std::unique_ptr<db::Connection> catalogue,
               std::unique_ptr<db::Connection> working);
  TenantWorker(const TenantWorker&) = delete;
  TenantWorker& operator=(const TenantWorker&) = delete;

  // Points the working connection at `name` and runs the catalogue there; a
  // database that cannot be connected is skipped after the error dialog, as
  // in the sequential run. A failure that no step handles leaves this call.
  // `number` of `count`: the database's place in the tenant list.
  void Migrate(std::size_t number, std::size_t count, const std::string& name);

  // The statement whose failure was the last thing on either connection.
  const std::string& failed_statement() const;

 private:
  void ShowFailure(db::Policy policy, const std::string& text) override;
  // The workers leave the cursor and the gauge alone: the run shows finished
  // tenants on the gauge instead.
  void SetBusyCursor(bool) override {}
  void UpdateProgress() override {}

  void pConn(const std::string& name) override;
  void MandantChange(const std::string& name) override;
  db::ResultSet QueryCatalogue(const std::string& text) override;
  void SetCaption(const std::string& caption) override { shared_.view.SetCaption(caption); }
  const std::string& TenantListName() const override { return tenant_; }
  void ScheduleGuvKeyCopy() override { shared_.guv_copy_scheduled = true; }
  std::string_view BankCodeDirectory() const override { return shared_.bank_code_directory; }

  void Connect(db::ReopeningConnection& connection, const std::string& name,
               std::string (*build_text)(const config::ConnectionSettings&, std::string_view));

  TenantWorkerShared& shared_;
  std::unique_ptr<db::Connection> catalogue_backend_;
  std::unique_ptr<db::Connection> working_backend_;
  ReportingConnection reported_catalogue_;
  ReportingConnection reported_working_;
  db::ReopeningConnection catalogue_;
  db::ReopeningConnection working_;
  config::ConnectionSettings settings_;
  std::string current_database_;
  std::string tenant_;
  db::Toolkit toolkit_;
};

}  // namespace quelor::app
