#include "ui/qt/qt_front_end.h"

#include <QApplication>
#include <string>

#include "app/run_report_text.h"
#include "ui/qt/main_window.h"

namespace quelor::ui {

void AttachRun(MainWindow& window, app::UpdateRun& run) {
  window.set_first_activation_handler([&window, &run] {
    window.ApplyBanner(run.edition_code());
    window.SetCaption(std::string(app::kApplicationTitle));
    if (run.Start() == app::RunOutcome::kFinished) {
      window.close();
    } else {
      window.ShowRunStopped(app::ReportText(run.recorder().Snapshot()));
    }
  });
}

int ExitStatus(const app::UpdateRun& run) { return run.ExitStatus(); }

int RunInWindow(int& argc, char** argv, const RunFactory& make_run) {
  QApplication application(argc, argv);
  // Only the name: a display name would be appended by the window system to
  // every caption that does not end with it, the dialogs' captions included.
  QApplication::setApplicationName(QStringLiteral("quelor-update"));

  MainWindow window;
  const std::unique_ptr<app::UpdateRun> run = make_run(window);
  AttachRun(window, *run);
  window.CentreOnScreen();
  window.show();
  QApplication::exec();
  return ExitStatus(*run);
}

}  // namespace quelor::ui
