// The log every run leaves in the log folder (platform/log_folder.h): a
// header that says what was run against what, then the statement trace of
// db/trace_connection.h with the wall-clock time of each record in front of
// its "===" line, then the end of the run. Passwords never appear: the
// header names no password and the trace masks every one the run has read.
//
//   quelor-update 11.0.0 (database release 11)
//   Settings file: /opt/quelor/SysDBAdo.INI
//   Server: SQLHOST\QUELOR
//   Login: sa
//   Started: 2026-12-11 03:15:00
//
//   2026-12-11 03:15:00.412 === catalogue Quelor | open | ok | 12.5 ms
//   ...
//   Ended: 2026-12-11 03:16:40 with exit status 0
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "config/connection_settings.h"
#include "config/password_mask.h"
#include "platform/private_file.h"

namespace quelor::app {

using WallClock = std::function<std::chrono::system_clock::time_point()>;

// "update-20261211-031500-4711.log" for a run started at that local time by
// process 4711: the names sort by start time.
std::string RunLogFileName(std::chrono::system_clock::time_point start, long process_id);

// What the header says about the run.
struct RunLogHeader {
  std::string version;        // QUELOR_VERSION
  std::string settings_file;  // the path read, or what stood in for it (the demo)
  config::ConnectionSettings settings;
  std::chrono::system_clock::time_point start;
};

std::string RunLogHeaderText(const RunLogHeader& header);

// "2026-12-11 03:15:00.412": local time to the millisecond.
std::string LogTimeStamp(std::chrono::system_clock::time_point moment);

class RunLog {
 public:
  // Writes to `file` (created for its owner only); `path` is told at the end
  // of the run.
  RunLog(std::unique_ptr<platform::PrivateFile> file, std::string path,
         WallClock clock = std::chrono::system_clock::now);
  ~RunLog();
  RunLog(const RunLog&) = delete;
  RunLog& operator=(const RunLog&) = delete;

  // The header; should a password `passwords` knows turn up in the server
  // or login name, it is masked there too.
  void WriteHeader(const RunLogHeader& header, const config::PasswordMask& passwords);

  // For a TraceConnection: what is written between two flushes is one record
  // and gets the time of its flush in front.
  std::ostream& events();

  const std::string& path() const { return path_; }

  // Writes the end line and closes the file. Empty when everything reached
  // the file, otherwise why not.
  std::string Finish(int exit_status);

 private:
  class StampingBuffer;

  std::unique_ptr<platform::PrivateFile> file_;
  std::string path_;
  WallClock clock_;
  std::unique_ptr<StampingBuffer> buffer_;
  std::unique_ptr<std::ostream> events_;
};

}  // namespace quelor::app
