#include <unistd.h>

#include <cstdlib>

#include "platform/console.h"

namespace quelor::platform {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void PrepareConsoleOutput() {}

bool StandardOutputIsTerminal() { return ::isatty(STDOUT_FILENO) != 0; }

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

}  // namespace quelor::platform
