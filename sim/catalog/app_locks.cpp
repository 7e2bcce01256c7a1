#include "sim/catalog/app_locks.h"

#include <algorithm>

namespace quelor::sim {

namespace {

// The lock manager's compatibility of a requested mode with a granted one.
bool Compatible(AppLockMode requested, AppLockMode granted) {
  using M = AppLockMode;
  switch (requested) {
    case M::kIntentShared:
      return granted != M::kExclusive;
    case M::kShared:
      return granted == M::kIntentShared || granted == M::kShared || granted == M::kUpdate;
    case M::kUpdate:
      return granted == M::kIntentShared || granted == M::kShared;
    case M::kIntentExclusive:
      return granted == M::kIntentShared || granted == M::kIntentExclusive;
    case M::kExclusive:
      return false;
  }
  return false;
}

}  // namespace

bool AppLockTable::Acquire(std::uint64_t session, const AppLockName& name, AppLockMode mode) {
  std::vector<Grant>& grants = locks_[name];
  for (const Grant& grant : grants) {
    if (grant.session != session && !Compatible(mode, grant.mode)) {
      if (grants.empty()) locks_.erase(name);
      return false;
    }
  }
  grants.push_back(Grant{session, mode});
  return true;
}

bool AppLockTable::Release(std::uint64_t session, const AppLockName& name) {
  auto found = locks_.find(name);
  if (found == locks_.end()) return false;
  std::vector<Grant>& grants = found->second;
  auto latest = std::find_if(grants.rbegin(), grants.rend(),
                             [&](const Grant& grant) { return grant.session == session; });
  if (latest == grants.rend()) return false;
  grants.erase(std::next(latest).base());
  if (grants.empty()) locks_.erase(found);
  return true;
}

void AppLockTable::ReleaseSession(std::uint64_t session) {
  for (auto it = locks_.begin(); it != locks_.end();) {
    std::erase_if(it->second, [&](const Grant& grant) { return grant.session == session; });
    it = it->second.empty() ? locks_.erase(it) : std::next(it);
  }
}

int AppLockTable::Count(std::uint64_t session, const AppLockName& name) const {
  auto found = locks_.find(name);
  if (found == locks_.end()) return 0;
  return static_cast<int>(
      std::count_if(found->second.begin(), found->second.end(),
                    [&](const Grant& grant) { return grant.session == session; }));
}

}  // namespace quelor::sim
