#include "platform/bank_code_directory_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "platform/executable_directory.h"
#include "platform/utf8_path.h"

namespace quelor::platform {

std::optional<std::string> ReadBankCodeDirectoryFile(const std::string& directory) {
  const std::string path = directory + kBankCodeDirectoryFileName;
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(PathFromUtf8(path), error);
  if (status.type() == std::filesystem::file_type::not_found) return std::nullopt;
  if (error) {
    throw std::runtime_error("Die Datei " + path +
                             " kann nicht gelesen werden: " + error.message());
  }
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  std::ostringstream bytes;
  const bool regular = status.type() == std::filesystem::file_type::regular;
  if (regular && in) bytes << in.rdbuf();
  if (!regular || !in || in.bad()) {
    throw std::runtime_error("Die Datei " + path + " kann nicht gelesen werden.");
  }
  return std::move(bytes).str();
}

std::optional<std::string> ReadBankCodeDirectoryBesideExecutable() {
  return ReadBankCodeDirectoryFile(ExecutableDirectory());
}

}  // namespace quelor::platform
