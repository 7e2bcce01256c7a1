// The windowed front-end: one main window with the banner picture and the
// progress gauge; the update run starts at the window's first activation.
#pragma once

#include <functional>
#include <memory>

#include "app/run_view.h"
#include "app/update_run.h"

namespace quelor::ui {

class MainWindow;

using RunFactory = std::function<std::unique_ptr<app::UpdateRun>(app::RunView&)>;

// Creates the application and the window, starts the run at the first
// activation and processes window messages until the window is closed.
// Returns the exit status: 0 when the run finished, 3 when another run held
// the server, 1 when it was stopped.
int RunInWindow(int& argc, char** argv, const RunFactory& make_run);

// Ties `run` to `window`: at the window's first activation the banner of the
// run's edition is shown, the caption becomes the application title and the
// run starts; a finished run closes the window, a stopped one leaves it open.
// Both must outlive the window's event processing.
void AttachRun(MainWindow& window, app::UpdateRun& run);

// The exit status for the way `run` ended: 0 finished, 3 another run held the
// server, 1 otherwise.
int ExitStatus(const app::UpdateRun& run);

}  // namespace quelor::ui
