#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "platform/log_folder.h"

namespace quelor::platform {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

std::string PrepareLogFolder() {
  // A relative XDG_STATE_HOME is ignored, as the XDG base directories say.
  std::string base = Variable("XDG_STATE_HOME");
  if (base.empty() || base.front() != '/') {
    const std::string home = Variable("HOME");
    if (home.empty()) throw std::runtime_error("neither XDG_STATE_HOME nor HOME is set");
    base = home + "/.local/state";
  }
  const std::string folder = base + "/quelor-update";
  std::error_code error;
  std::filesystem::create_directories(base, error);
  if (error) throw std::runtime_error(base + ": " + error.message());
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    throw std::runtime_error(folder + ": " + std::strerror(errno));
  }
  struct stat info {};
  if (::lstat(folder.c_str(), &info) != 0) {
    throw std::runtime_error(folder + ": " + std::strerror(errno));
  }
  if (!S_ISDIR(info.st_mode)) throw std::runtime_error(folder + ": not a directory");
  if ((info.st_mode & 0077) != 0 && ::chmod(folder.c_str(), 0700) != 0) {
    throw std::runtime_error(folder + ": " + std::strerror(errno));
  }
  return folder + "/";
}

long CurrentProcessId() { return static_cast<long>(::getpid()); }

}  // namespace quelor::platform
