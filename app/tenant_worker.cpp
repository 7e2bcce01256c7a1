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
      reported_catalogue_(*catalogue_backend_, shared.recorder),
      reported_working_(*working_backend_, shared.recorder),
      catalogue_(reported_catalogue_),
      working_(reported_working_),
      toolkit_(working_, current_database_, *this) {}

void TenantWorker::Migrate(std::size_t number, std::size_t count, const std::string& name) {
  tenant_ = name;
  shared_.view.ShowTenantStart(number, count, name);
  shared_.recorder.MigrationStarted(name);
  SetCaption(name + "/" + std::string(kApplicationTitle));
  MandantChange(name);
  if (!working_.IsOpen()) return;
  migration::TenantContext context{toolkit_, *this, current_database_, *this};
  shared_.catalogue_steps(context);
  shared_.recorder.MigrationEnded(name);
}

const std::string& TenantWorker::failed_statement() const {
  // A catalogue statement fails only where it ends the migration.
  return reported_catalogue_.failed_statement().empty() ? reported_working_.failed_statement()
                                                        : reported_catalogue_.failed_statement();
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
    const std::string text = config::ConnectFailureText(name, failure);
    shared_.recorder.DialogShown(name, DialogKind::kError, text, {});
    if (&connection == &working_) shared_.recorder.NotConnected(name);
    shared_.view.ShowDialogFor(tenant_, DialogKind::kError, "Fehler", text);
  }
}

void TenantWorker::pConn(const std::string& name) {
  Connect(catalogue_, name, &config::CatalogueConnectionText);
}

void TenantWorker::MandantChange(const std::string& name) {
  reported_working_.set_database(name);
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
  shared_.recorder.DialogShown(current_database_, DialogKindOf(policy), text,
                               reported_working_.failed_statement());
  shared_.view.ShowDialogFor(tenant_, DialogKindOf(policy), DialogCaptionOf(policy), text);
}

}  // namespace quelor::app
