#include "config/settings_file_check.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "config/ini_file.h"
#include "platform/utf8_path.h"

namespace quelor::config {

std::string SettingsFileProblem(const std::string& path) {
  const std::string file = "the settings file " + path;
  const std::filesystem::path native = platform::PathFromUtf8(path);
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(native, error);
  if (status.type() == std::filesystem::file_type::not_found) return file + " does not exist";
  if (error) return file + " cannot be read: " + error.message();
  if (std::filesystem::is_directory(status)) return file + " is a directory, not a file";

  errno = 0;
  std::ifstream in(native, std::ios::binary);
  if (!in) {
    const int reason = errno;
    return file + " cannot be read" +
           (reason != 0 ? ": " + std::string(std::strerror(reason)) : "");
  }
  std::string bytes;
  try {
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } catch (const std::ios_base::failure& e) {
    return file + " cannot be read: " + e.what();
  }
  if (bytes.empty()) return file + " is empty";

  const IniFile ini = IniFile::Parse(bytes);
  if (!ini.HasSection("Datenbank")) return file + " has no [Datenbank] section";
  const std::optional<std::string> provider = ini.Find("Datenbank", "Provider");
  if (!provider) return file + " has no Provider key in its [Datenbank] section";
  if (provider->empty()) return file + " has an empty Provider in its [Datenbank] section";
  return {};
}

}  // namespace quelor::config
