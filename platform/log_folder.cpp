#include "platform/log_folder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/utf8_path.h"

namespace quelor::platform {
namespace {

bool IsRunLogName(const std::string& name) {
  return name.size() > 10 && name.rfind("update-", 0) == 0 &&
         name.compare(name.size() - 4, 4, ".log") == 0;
}

}  // namespace

std::vector<std::string> PruneLogFolder(const std::string& folder, const std::string& current,
                                        const LogRetention& retention) {
  struct Log {
    std::string name;
    std::filesystem::path path;
    std::uintmax_t size;
  };
  std::vector<Log> logs;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(folder), error)) {
    std::error_code ignored;
    if (!entry.is_regular_file(ignored)) continue;
    const std::string name = Utf8FromPath(entry.path().filename());
    if (!IsRunLogName(name)) continue;
    const std::uintmax_t size = entry.file_size(ignored);
    logs.push_back({name, entry.path(), ignored ? 0 : size});
  }
  // Newest first: keep from the front while both limits allow, the current
  // run's log always.
  std::sort(logs.begin(), logs.end(), [](const Log& a, const Log& b) { return a.name > b.name; });
  std::size_t kept_files = 0;
  std::uintmax_t kept_bytes = 0;
  for (const Log& log : logs) {
    if (log.name == current) {
      ++kept_files;
      kept_bytes += log.size;
    }
  }
  std::vector<std::string> deleted;
  for (const Log& log : logs) {
    if (log.name == current) continue;
    if (kept_files < retention.max_files && kept_bytes + log.size <= retention.max_bytes) {
      ++kept_files;
      kept_bytes += log.size;
      continue;
    }
    std::error_code ignored;
    if (std::filesystem::remove(log.path, ignored)) deleted.insert(deleted.begin(), log.name);
  }
  return deleted;
}

}  // namespace quelor::platform
