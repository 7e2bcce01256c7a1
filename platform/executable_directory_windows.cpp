#include <windows.h>

#include <string>

#include "platform/executable_directory.h"
#include "platform/windows_text.h"

namespace quelor::platform {

std::string ExecutableDirectory() {
  // Paths may be longer than MAX_PATH; the buffer grows until the whole path
  // fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t separator = path.find_last_of(L"\\/");
  return separator == std::wstring::npos ? std::string()
                                         : Utf8FromWide(path.substr(0, separator + 1));
}

}  // namespace quelor::platform
