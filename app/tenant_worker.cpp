#include "app/tenant_worker.h"

#include <exception>

#include "app/update_run.h"
#include "config/password_mask.h"

namespace quelor::app {

TenantWorker::TenantWorker(TenantWorkerShared& shared, std::unique_ptr<db::Connection> catalogue,
                           std::unique_ptr<db::Connection> working)
    : shared_(shared),
      catalogue_backend_(std::move(catalogue)),
      working_backend_(std::move(working)),
      catalogue_(*catalogue_backend_),
      working_(*working_backend_),
      toolkit_(working_, current_database_, *this) {}

void TenantWorker::Migrate(const std::string& name) {
  tenant_ = name;
  SetCaption(name + "/" + std::string(kApplicationTitle));
  MandantChange(name);
  if (!working_.IsOpen()) return;
  migration::TenantContext context{toolkit_, *this, current_database_, *this};
  shared_.catalogue_steps(context);
}

void TenantWorker::Connect(db::ReopeningConnection& connection, const std::string& name,
                           std::string (*build_text)(const config::ConnectionSettings&,
                                                     std::string_view)) {
  settings_ = shared_.read_settings();
  current_database_ = name;
  try {
    const std::string text = build_text(settings_, name);
    connection.Close();
    connection.Open(text);
  } catch (const std::exception& e) {
    const std::string failure = config::MaskPassword(e.what(), settings_.password);
    shared_.view.ShowDialogFor(tenant_, DialogKind::kError, "Fehler",
                               config::ConnectFailureText(name, failure));
  }
}

void TenantWorker::pConn(const std::string& name) {
  Connect(catalogue_, name, &config::CatalogueConnectionText);
}

void TenantWorker::MandantChange(const std::string& name) {
  Connect(working_, name, &config::WorkingConnectionText);
}

db::ResultSet TenantWorker::QueryCatalogue(const std::string& text) {
  // The sequential run's catalogue connection points at the system database
  // from the start; a worker's is opened there the first time it is needed.
  if (catalogue_.connection_text().empty()) {
    const std::string database = current_database_;
    pConn(std::string(kSystemDatabase));
    current_database_ = database;
  }
  return catalogue_.Query(text);
}

void TenantWorker::ShowFailure(db::Policy policy, const std::string& text) {
  switch (policy) {
    case db::Policy::kWarning:
      shared_.view.ShowDialogFor(tenant_, DialogKind::kWarning, "Warnung", text);
      break;
    case db::Policy::kError:
      shared_.view.ShowDialogFor(tenant_, DialogKind::kError, "Fehler", text);
      break;
    default:
      shared_.view.ShowDialogFor(tenant_, DialogKind::kPlain, std::string(kApplicationTitle), text);
      break;
  }
}

}  // namespace quelor::app
