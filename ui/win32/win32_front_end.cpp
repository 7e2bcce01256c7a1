#include "app/run_report_text.h"
#include "ui/win32/main_window.h"
#include "ui/window_front_end.h"

namespace quelor::ui {

int RunInWindow(int&, char**, const RunFactory& make_run) {
  Win32MainWindow window;
  const std::unique_ptr<app::UpdateRun> run = make_run(window);
  window.set_first_activation_handler([&window, &run] {
    window.ApplyBanner(run->edition_code());
    window.SetCaption(std::string(app::kApplicationTitle));
    if (run->Start() == app::RunOutcome::kFinished) {
      window.Close();
    } else {
      window.ShowRunStopped(app::ReportText(run->recorder().Snapshot()));
    }
  });
  window.Show();
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return run->ExitStatus();
}

}  // namespace quelor::ui
