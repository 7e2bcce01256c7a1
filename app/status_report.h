// A read-only look at every product database on the server: its kind, the
// release its version marker holds, and whether an update run would still
// change it. The judgement comes from the two markers a completed run leaves
// (tblVersion.Version "11" and the table UpdS), not from running every probe
// of the migration. Nothing is changed: only connects and SELECTs are sent,
// and no run lock is taken.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "config/ini_file.h"
#include "db/connection.h"

namespace quelor::app {

enum class DatabaseKind { kSystem, kTenant, kTemporary };

enum class DatabaseState {
  kUpToDate,        // both markers say a run has finished here
  kWouldBeUpdated,  // a marker is missing or names another release
  kUnreadable,      // the database could not be connected to or read
};

struct DatabaseStatus {
  std::string name;
  DatabaseKind kind = DatabaseKind::kTenant;
  // The rows of tblVersion.Version as stored, joined by ", "; nullopt when
  // the table, its column or every row is missing.
  std::optional<std::string> release;
  bool final_pass_done = false;  // the marker table UpdS is there
  DatabaseState state = DatabaseState::kWouldBeUpdated;
  std::string failure;  // for kUnreadable: what the server said, password masked
};

struct StatusReport {
  std::string server;                     // the Data Source of the settings
  std::string failure;                    // not empty: the server could not be read at all
  std::vector<DatabaseStatus> databases;  // in the order the server lists them
};

struct StatusDependencies {
  db::Connection& catalogue;  // lists the databases, on the system database
  db::Connection& working;    // reads the markers of one database after another
  std::function<config::IniFile()> read_ini;
};

// Connects like the update run (the same settings and connection texts),
// lists every product database and reads its markers. Never throws for what
// the server does: a failed connect or list ends in `failure`, a database that
// cannot be read is listed as kUnreadable.
StatusReport ReadStatus(const StatusDependencies& deps);

// The probes; every one a SELECT, each safe on a database without the table.
inline constexpr std::string_view kFinalPassMarkerProbe =
    "SELECT * FROM sysobjects WHERE name='UpdS'";
inline constexpr std::string_view kVersionColumnProbe =
    "SELECT * FROM Information_Schema.Columns WHERE Table_Schema='dbo' AND "
    "Table_Name='tblVersion' AND Column_Name='Version'";
inline constexpr std::string_view kVersionQuery = "SELECT Version FROM dbo.tblVersion";

// The release a completed run writes into tblVersion.
inline constexpr std::string_view kCurrentRelease = "11";

}  // namespace quelor::app
