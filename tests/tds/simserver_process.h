// quelor-simserver as a child process on a free loopback port, ended with
// SIGTERM when the object goes.
#pragma once

#include <string>
#include <vector>

namespace quelor::tds {

class SimServerProcess {
 public:
  // Starts the server with `arguments` after "--port 0" and waits for its
  // "listening on" line. port() is 0 when it did not start.
  explicit SimServerProcess(const std::vector<std::string>& arguments = {});
  SimServerProcess(const SimServerProcess&) = delete;
  SimServerProcess& operator=(const SimServerProcess&) = delete;
  ~SimServerProcess();

  int port() const { return port_; }
  // Sends `signal` and, for one that ends the server, waits for its exit;
  // returns the exit status (or -1).
  int Stop(int signal);

 private:
  int pid_ = -1;
  int port_ = 0;
};

// Runs `command` through the shell with `input` on its standard input and
// returns standard output and error together.
std::string RunWithInput(const std::string& command, const std::string& input);

}  // namespace quelor::tds
