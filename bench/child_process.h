// Whole programs as children of the wire benchmark: a client run from start
// to end, and the wire server kept running across it. CPU times come from
// wait4, so they are the child's own user + system time and nothing of the
// benchmark's.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace quelor::bench {

struct ChildRun {
  int exit_status = -1;  // -1 when the child did not exit normally
  std::string output;    // standard output and error together
  double wall_seconds = 0;
  double cpu_seconds = 0;  // user + system
};

// Runs `argv` in `directory` with /dev/null as standard input and waits for it.
ChildRun RunChild(const std::vector<std::string>& argv, const std::string& directory);

// A server started with `argv`, ready once it printed `ready_prefix` followed
// by a port number on standard output.
class ServerChild {
 public:
  ServerChild(const std::vector<std::string>& argv, const std::string& ready_prefix);
  ServerChild(const ServerChild&) = delete;
  ServerChild& operator=(const ServerChild&) = delete;
  // Kills a server that was not stopped.
  ~ServerChild();

  // 0 when the server did not come up.
  int port() const { return port_; }
  // Sends SIGTERM and waits for the end; false unless the server exited with 0.
  bool Stop();
  double cpu_seconds() const { return cpu_seconds_; }

 private:
  pid_t pid_ = -1;
  int port_ = 0;
  double cpu_seconds_ = 0;
};

}  // namespace quelor::bench
