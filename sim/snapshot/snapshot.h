// Snapshots of the simulated server: the whole server (every database but
// master, with its tables, keys, defaults, indexes, functions and rows) as one
// JSON document, so that a run can be inspected, diffed and repeated. The
// format is described in sim/snapshot/SNAPSHOT.md. Logins and sessions are not part of
// a snapshot; object ids are given anew on loading.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "sim/catalog/schema.h"

namespace quelor::sim {

// Writes the snapshot of `server`: one column, key, index or row per line, so
// two snapshots diff line by line; tables and functions in the order of their
// names, everything inside a table in creation order.
void WriteSnapshot(const Server& server, std::ostream& out);
std::string SnapshotText(const Server& server);

// Adds the databases of a snapshot to `server` (which must not hold databases
// of the same names). Throws std::runtime_error naming the place for a text
// that is not a valid snapshot.
void ReadSnapshot(std::string_view text, Server& server);

// What differs between two servers, one line per database, table or function:
// "QUELOR_A.tblHelp: rows differ", "QUELOR_A.Adresse: schema differs",
// "QUELOR_A.F5Neu: only in the second", "QUELORTMP1: only in the first".
// Empty when both snapshots would be the same text.
std::vector<std::string> DiffServers(const Server& first, const Server& second);

// Saves to `path` through a temporary file renamed into place, so an existing
// snapshot is never left half written. Throws std::runtime_error on failure.
void SaveSnapshot(const Server& server, const std::string& path);
// Loads the snapshot file at `path` into `server`.
void LoadSnapshot(const std::string& path, Server& server);

}  // namespace quelor::sim
