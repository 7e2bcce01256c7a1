#include "ui/qt/qt_front_end.h"

namespace quelor::ui {

int RunInWindow(int&, char**, const RunFactory&) { return 1; }

}  // namespace quelor::ui
