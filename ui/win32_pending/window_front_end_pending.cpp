// Until the native window is part of the build, a window run is a console run.
#include <iostream>

#include "ui/console/console_view.h"
#include "ui/window_front_end.h"

namespace quelor::ui {

int RunInWindow(int&, char**, const RunFactory& make_run) {
  ConsoleView console(std::cout, std::cerr, false);
  return app::ExitStatusOf(make_run(console)->Start());
}

}  // namespace quelor::ui
