// The wire server's socket side: listens on 127.0.0.1 only and gives each
// client its own thread and ClientSession. A client that disconnects or
// breaks the protocol ends only its own thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "sim/catalog/schema.h"
#include "tds/request_counter.h"

namespace quelor::tds {

// What every client thread shares besides the server.
struct ServerShared {
  sim::Server& server;
  std::mutex& server_mutex;  // guards `server`
  RequestCounter requests;
  // Testing a lost server: when this many requests have arrived, the process
  // ends at once without answering, as a server that goes down does; like a
  // real server it keeps the committed work (saved to `state_file`, if
  // given) and loses what open transactions did. 0 never.
  std::uint64_t go_away_after = 0;
  std::string state_file;
};

// Saves the committed work of `shared.server` to `shared.state_file` (if
// given): what open transactions changed is left out. Call under the
// server mutex. Reports a failure on standard error.
void SaveCommitted(ServerShared& shared);

class Listener {
 public:
  explicit Listener(ServerShared& shared) : shared_(shared) {}
  Listener(const Listener&) = delete;
  Listener& operator=(const Listener&) = delete;
  ~Listener();

  // Binds 127.0.0.1:`port` (0 picks a free port) and returns the port.
  // Throws std::runtime_error naming the failing call.
  int Listen(int port);

  // Accepts clients until Stop() is called; returns then.
  void Serve();
  // Safe from another thread: the blocked accept returns.
  void Stop();

 private:
  ServerShared& shared_;
  int fd_ = -1;
  std::atomic<bool> stopping_{false};
  std::atomic<std::uint16_t> next_spid_{51};
};

// Runs the protocol on the connected socket `fd` until the client leaves;
// closes `fd`.
void ServeClient(int fd, ServerShared& shared, std::uint16_t spid);

}  // namespace quelor::tds
