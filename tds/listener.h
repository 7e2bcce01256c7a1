// The wire server's socket side: listens on 127.0.0.1 only and gives each
// client its own thread and ClientSession, within the ConnectionLimits. A
// client that disconnects, breaks the protocol or a limit ends only its own
// thread. No thread waits on a socket while holding the server mutex.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <list>
#include <mutex>
#include <string>
#include <thread>

#include "sim/catalog/schema.h"
#include "tds/connection_limits.h"
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
  ConnectionLimits limits;
  // Every reply waits this long before it is sent, outside the server
  // mutex: a stand-in for a server on another machine.
  std::chrono::milliseconds reply_delay{0};
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
  // Stops and waits for every client thread.
  ~Listener();

  // Binds 127.0.0.1:`port` (0 picks a free port) and returns the port.
  // Throws std::runtime_error naming the failing call.
  int Listen(int port);

  // Accepts clients until Stop() is called; returns once every client
  // thread has ended.
  void Serve();
  // Safe from another thread: the blocked accept returns and every client's
  // connection is shut down, so its thread ends.
  void Stop();

  // Clients whose thread has not ended yet.
  std::size_t LiveClients() const;

 private:
  struct Client {
    int fd = -1;  // -1 once closed
    bool finished = false;
    std::thread thread;
  };
  std::size_t LiveClientsLocked() const;
  void Admit(int fd);
  void RunClient(Client& client, std::uint16_t spid);
  // Joins the threads of clients that have finished; with `all`, shuts down
  // every connection first and joins every thread.
  void Join(bool all);

  ServerShared& shared_;
  int fd_ = -1;
  std::atomic<bool> stopping_{false};
  std::atomic<std::uint16_t> next_spid_{51};
  mutable std::mutex clients_mutex_;  // guards clients_; never held while waiting on a socket
  std::list<Client> clients_;
};

// Runs the protocol on the connected socket `fd` until the client leaves,
// breaks the protocol or a limit of `shared.limits`. When it returns, the
// client's open transaction is rolled back and its application locks are
// released; `fd` is left open for the caller to close.
void ServeClient(int fd, ServerShared& shared, std::uint16_t spid);

}  // namespace quelor::tds
