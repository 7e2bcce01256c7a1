// windows.h before the other system headers, which rely on its types.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <cstdio>

#include "platform/console.h"
#include "platform/windows_text.h"

namespace quelor::platform {
namespace {

// A handle that leads somewhere: a console, a file or a pipe the starter
// set up (a redirected output must not be replaced by the console).
bool Usable(HANDLE handle) {
  return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
         ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  int count = 0;
  LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide == nullptr) return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(Utf8FromWide(wide[i]));
  ::LocalFree(wide);
  return arguments;
}

void PrepareConsoleOutput() {
  const bool out_usable = Usable(::GetStdHandle(STD_OUTPUT_HANDLE));
  const bool err_usable = Usable(::GetStdHandle(STD_ERROR_HANDLE));
  if ((!out_usable || !err_usable) && ::GetConsoleWindow() == nullptr &&
      ::AttachConsole(ATTACH_PARENT_PROCESS)) {
    if (!out_usable) std::freopen("CONOUT$", "w", stdout);
    if (!err_usable) std::freopen("CONOUT$", "w", stderr);
  }
  // The program writes UTF-8; the console shows it so from here on.
  ::SetConsoleOutputCP(CP_UTF8);
}

bool StandardOutputIsTerminal() {
  DWORD mode = 0;
  return ::GetConsoleMode(::GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

DisplayStatus FindDisplay() { return DisplayStatus::kAvailable; }

bool HasDisplay() { return true; }

}  // namespace quelor::platform
