// The windowed front-end, whichever the platform has: the Qt window on Linux,
// the native window on Windows.
#pragma once

#include <functional>
#include <memory>

#include "app/run_view.h"
#include "app/update_run.h"

namespace quelor::ui {

using RunFactory = std::function<std::unique_ptr<app::UpdateRun>(app::RunView&)>;

// Creates the window, starts the run made by `make_run` at the window's
// first activation and processes window messages until the window is closed.
// Returns the run's exit status (app::ExitStatusOf).
int RunInWindow(int& argc, char** argv, const RunFactory& make_run);

}  // namespace quelor::ui
