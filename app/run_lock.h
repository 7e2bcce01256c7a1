// One update run per server. Before the first change the run takes an
// exclusive application lock in the system database on a connection of its
// own. The lock is owned by that session, not written into a table: a run
// that crashes or loses its connection leaves no stale lock behind, because
// the server gives the lock back when the session ends.
#pragma once

#include <string_view>

#include "db/connection.h"

namespace quelor::app {

// Takes the lock without waiting; the status arrives as the column Ergebnis
// (0 granted, 1 granted after waiting, below 0 not granted).
inline constexpr std::string_view kRunLockStatement =
    "DECLARE @Ergebnis INT; EXEC @Ergebnis = sp_getapplock @Resource = 'quelor-update', "
    "@LockMode = 'Exclusive', @LockOwner = 'Session', @LockTimeout = 0; SELECT @Ergebnis AS "
    "Ergebnis";
// Gives the lock back at the end of the run, before the session is closed.
inline constexpr std::string_view kRunLockReleaseStatement =
    "EXEC sp_releaseapplock @Resource = 'quelor-update', @LockOwner = 'Session'";

// The stop box when another run holds the lock.
inline constexpr std::string_view kRunLockTakenText =
    "Auf diesem Server läuft bereits ein UPDATE. Bitte warten Sie, bis es beendet ist, und "
    "starten Sie das UPDATE dann erneut.";

enum class RunLockResult {
  kHeld,     // this run holds the lock
  kTaken,    // another run holds it: change nothing
  kRefused,  // the server could not be asked (no connection, no sp_getapplock)
};

// Sends kRunLockStatement on `lock`, which is open on the system database.
// A failure of the statement itself is kRefused, never an exception: a
// server that cannot grant application locks must not keep its databases
// from being updated.
RunLockResult TakeRunLock(db::Connection& lock);

}  // namespace quelor::app
