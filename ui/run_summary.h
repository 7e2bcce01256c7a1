// The short summary at the end of a run on the console: databases visited,
// statements sent, dialogs shown. The counting view passes every call on to
// the real view and counts the dialogs on the way.
#pragma once

#include <ostream>
#include <string>

#include "app/run_report.h"
#include "app/run_view.h"

namespace quelor::ui {

class DialogCountingView : public app::RunView {
 public:
  explicit DialogCountingView(app::RunView& inner) : inner_(inner) {}

  void SetCaption(const std::string& caption) override { inner_.SetCaption(caption); }
  void SetGauge(int percent) override { inner_.SetGauge(percent); }
  void ShowDialog(app::DialogKind kind, const std::string& caption,
                  const std::string& text) override {
    ++dialogs_;
    inner_.ShowDialog(kind, caption, text);
  }
  void ShowDialogFor(const std::string& database, app::DialogKind kind, const std::string& caption,
                     const std::string& text) override {
    ++dialogs_;
    inner_.ShowDialogFor(database, kind, caption, text);
  }
  void SetBusyCursor(bool busy) override { inner_.SetBusyCursor(busy); }
  void ProcessMessages() override { inner_.ProcessMessages(); }
  void ShowTenantStart(std::size_t number, std::size_t count, const std::string& name) override {
    inner_.ShowTenantStart(number, count, name);
  }

  long dialogs() const { return dialogs_; }

 private:
  app::RunView& inner_;
  long dialogs_ = 0;
};

// "Summary: 4 databases visited, 35012 statements sent, 2 dialogs shown."
std::string SummaryLine(long databases, long statements, long dialogs);

// Writes `report` as JSON to `path` (--report), whatever the run's outcome.
// Returns `status`, or 1 in place of 0 when the file could not be written
// completely; the failure is written to `err`.
int FinishReport(const app::RunReport& report, const std::string& path, int status,
                 std::ostream& err);

}  // namespace quelor::ui
