// The folder where every run leaves its log, and how many old logs it keeps.
// On Linux $XDG_STATE_HOME/quelor-update/ (by default
// ~/.local/state/quelor-update/); on Windows
// %LOCALAPPDATA%\quelor-update\logs\. The logs show database names and the
// statements sent, so the folder is its owner's only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quelor::platform {

// The log folder of this user, ending with the path separator; created with
// its parents when missing, the last part for the owner only (mode 0700 on
// POSIX; an existing folder of ours loses what others could do). Throws
// std::runtime_error naming the folder and the reason when it cannot be
// found or created.
std::string PrepareLogFolder();

// The id of this process, which keeps apart the names of two runs started in
// the same second.
long CurrentProcessId();

// How many of the last runs' logs are kept.
struct LogRetention {
  std::size_t max_files = 20;
  std::uintmax_t max_bytes = 50u * 1024u * 1024u;
};

// Deletes the oldest logs ("update-*.log"; the names sort by their start
// time) of `folder` until at most `retention.max_files` remain and together
// they hold at most `retention.max_bytes`. The log named `current` is never
// deleted and counts against both limits. Other files are left alone.
// Returns the names deleted, oldest first; a file that cannot be deleted is
// skipped.
std::vector<std::string> PruneLogFolder(const std::string& folder, const std::string& current,
                                        const LogRetention& retention = {});

}  // namespace quelor::platform
