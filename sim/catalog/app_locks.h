// Application locks (sp_getapplock / sp_releaseapplock) held by sessions.
// A lock is named by the database the call ran in, the database principal and
// the resource (compared byte for byte, as the real server does); each session
// that holds it keeps a count of its acquisitions, and a session's locks go
// when the session ends.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace quelor::sim {

enum class AppLockMode { kShared, kUpdate, kIntentShared, kIntentExclusive, kExclusive };

struct AppLockName {
  std::string database;   // as the server spells it
  std::string principal;  // upper case
  std::string resource;   // as given, at most 255 characters

  auto operator<=>(const AppLockName&) const = default;
};

class AppLockTable {
 public:
  // Grants `mode` to `session` unless another session holds the lock in a
  // mode that conflicts with it; the session's own holdings never conflict.
  // Re-entrant: every grant counts once.
  bool Acquire(std::uint64_t session, const AppLockName& name, AppLockMode mode);
  // Gives back the session's latest grant of the lock; false when the
  // session holds none.
  bool Release(std::uint64_t session, const AppLockName& name);
  // Everything `session` holds, as when its connection ends.
  void ReleaseSession(std::uint64_t session);
  // How many grants `session` holds on the lock.
  int Count(std::uint64_t session, const AppLockName& name) const;

 private:
  struct Grant {
    std::uint64_t session;
    AppLockMode mode;
  };
  std::map<AppLockName, std::vector<Grant>> locks_;  // grants in the order given
};

}  // namespace quelor::sim
