// Command line of quelor-simserver:
//   --port N              the loopback port; 0 (the default) picks a free one
//   --state FILE          the snapshot loaded at start (the demo server when the
//                         file does not exist) and saved on SIGTERM, SIGINT
//                         and SIGUSR1 and by --go-away-after: committed work
//                         only, without what open transactions changed
//   --login user:password a login the server accepts; repeatable. Without
//                         one, the demo login.
//   --stats FILE          connections and requests per database, written
//                         when the server ends
//   --go-away-after N     for tests of a lost server: ends the process,
//                         unanswered, at the Nth request; like a real server
//                         it keeps the committed work (saved to --state) and
//                         loses what open transactions did
//   --max-connections N   clients served at once (64); one more is closed
//                         right after it connects
//   --max-message-bytes N the largest request (64 MiB); a larger one closes
//                         the connection
//   --idle-timeout S      seconds a logged-in client may send no request
//                         (1800) before it is closed
//   --read-timeout S      seconds a request, pre-login or login may stall
//                         half-sent, an answer stay untaken, or a new client
//                         wait before its first message (60)
//   --reply-delay-ms D    every reply waits D milliseconds (0 to 60000, 0 by
//                         default) before it is sent, outside the server
//                         mutex: stands for a server on another machine
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tds/connection_limits.h"

namespace quelor::tds {

struct SimServerOptions {
  int port = 0;
  std::string state_file;
  std::vector<std::pair<std::string, std::string>> logins;
  std::string stats_file;
  std::uint64_t go_away_after = 0;
  ConnectionLimits limits;
  std::uint64_t reply_delay_ms = 0;
};

// The options of `arguments` (without the program name), or the text of the
// first fault.
std::pair<std::optional<SimServerOptions>, std::string> ParseSimServerOptions(
    const std::vector<std::string>& arguments);

}  // namespace quelor::tds
