// The windowed front-end: one main window with the banner picture and the
// progress gauge; the update run starts at the window's first activation.
#pragma once

#include "app/run_view.h"
#include "app/update_run.h"
#include "ui/window_front_end.h"

namespace quelor::ui {

class MainWindow;

// Ties `run` to `window`: at the window's first activation the banner of the
// run's edition is shown, the caption becomes the application title and the
// run starts; a finished run closes the window, a stopped one leaves it open
// with the stop notice and the run report.
// Both must outlive the window's event processing.
void AttachRun(MainWindow& window, app::UpdateRun& run);

// The exit status for the way `run` ended (app/run_outcome.h).
int ExitStatus(const app::UpdateRun& run);

}  // namespace quelor::ui
