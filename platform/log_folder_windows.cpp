// windows.h before the other system headers, which rely on its types.
// clang-format off
#include <windows.h>
#include <shlobj.h>
#include <knownfolders.h>
// clang-format on

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

#include "platform/log_folder.h"
#include "platform/utf8_path.h"

namespace quelor::platform {

std::string PrepareLogFolder() {
  PWSTR local = nullptr;
  if (FAILED(::SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local))) {
    ::CoTaskMemFree(local);
    throw std::runtime_error("the folder of local application data is unknown");
  }
  const std::filesystem::path folder = std::filesystem::path(local) / L"quelor-update" / L"logs";
  ::CoTaskMemFree(local);
  // The local application data belong to the user alone; the folders made
  // here inherit that, and every log file gets an owner-only access list.
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) throw std::runtime_error(Utf8FromPath(folder) + ": " + error.message());
  return Utf8FromPath(folder) + "\\";
}

long CurrentProcessId() { return static_cast<long>(::GetCurrentProcessId()); }

}  // namespace quelor::platform
