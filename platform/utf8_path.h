// File paths are UTF-8 text inside the program. On Windows a std::string
// given to a path would be read in the ANSI code page, so umlauts in a folder
// name would be lost; these conversions say UTF-8 on every platform.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quelor::platform {

inline std::filesystem::path PathFromUtf8(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace quelor::platform
