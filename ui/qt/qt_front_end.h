// The windowed front-end: one main window with the banner picture and the
// progress gauge; the update run starts at the window's first activation.
#pragma once

#include <functional>
#include <memory>

#include "app/run_view.h"
#include "app/update_run.h"

namespace quelor::ui {

using RunFactory = std::function<std::unique_ptr<app::UpdateRun>(app::RunView&)>;

// Creates the application and the window, starts the run at the first
// activation and processes window messages until the window is closed.
// Returns the exit status: 0 when the run finished, 1 when it was stopped.
int RunInWindow(int& argc, char** argv, const RunFactory& make_run);

}  // namespace quelor::ui
