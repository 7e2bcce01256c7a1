#include "platform/bank_code_directory_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/executable_directory.h"

namespace quelor::platform {

std::optional<std::string> ReadBankCodeDirectoryFile(const std::string& directory) {
  const std::string path = directory + kBankCodeDirectoryFileName;
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
    throw std::runtime_error("Die Datei " + path +
                             " kann nicht gelesen werden: " + std::strerror(errno));
  }
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  if (S_ISREG(status.st_mode) && in) bytes << in.rdbuf();
  if (!S_ISREG(status.st_mode) || !in || in.bad()) {
    throw std::runtime_error("Die Datei " + path + " kann nicht gelesen werden.");
  }
  return std::move(bytes).str();
}

std::optional<std::string> ReadBankCodeDirectoryBesideExecutable() {
  return ReadBankCodeDirectoryFile(ExecutableDirectory());
}

}  // namespace quelor::platform
