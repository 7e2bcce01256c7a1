#include <unistd.h>

#include <string>

#include "platform/executable_directory.h"

namespace quelor::platform {

std::string ExecutableDirectory() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
  if (length <= 0) return {};
  path.resize(static_cast<std::size_t>(length));
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace quelor::platform
