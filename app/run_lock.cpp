#include "app/run_lock.h"

#include <string>

#include "db/error.h"

namespace quelor::app {

RunLockResult TakeRunLock(db::Connection& lock) {
  std::optional<std::int64_t> status;
  try {
    const db::ResultSet result = lock.Query(std::string(kRunLockStatement));
    if (result.RecordCount() == 1) status = result.AsInteger(0, "Ergebnis");
  } catch (const db::Error& e) {
    // A server that is gone stops the run here; one that refuses the lock
    // is updated without it.
    if (e.connection_lost()) throw;
    return RunLockResult::kRefused;
  }
  if (!status) return RunLockResult::kRefused;
  return *status < 0 ? RunLockResult::kTaken : RunLockResult::kHeld;
}

}  // namespace quelor::app
