#include "simserver_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace quelor::tds {

SimServerProcess::SimServerProcess(const std::vector<std::string>& arguments) {
  int out[2];
  if (::pipe(out) != 0) return;
  pid_ = ::fork();
  if (pid_ == 0) {
    ::dup2(out[1], STDOUT_FILENO);
    ::close(out[0]);
    ::close(out[1]);
    std::vector<std::string> all = {QUELOR_SIMSERVER_BINARY, "--port", "0"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : all) argv.push_back(argument.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(out[1]);
  std::string line;
  char c;
  while (::read(out[0], &c, 1) == 1 && c != '\n') line.push_back(c);
  ::close(out[0]);
  const std::string prefix = "listening on 127.0.0.1:";
  if (line.rfind(prefix, 0) == 0) port_ = std::stoi(line.substr(prefix.size()));
}

SimServerProcess::~SimServerProcess() { Stop(SIGTERM); }

int SimServerProcess::Stop(int signal) {
  if (pid_ <= 0) return -1;
  ::kill(pid_, signal);
  if (signal == SIGUSR1) return 0;
  int status = 0;
  ::waitpid(pid_, &status, 0);
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string RunWithInput(const std::string& command, const std::string& input) {
  char input_path[] = "/tmp/quelor_tds_input_XXXXXX";
  const int fd = ::mkstemp(input_path);
  if (fd < 0) return {};
  ::close(fd);
  std::ofstream(input_path, std::ios::binary) << input;
  std::string output;
  if (FILE* pipe = ::popen(("(" + command + ") < " + input_path + " 2>&1").c_str(), "r")) {
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
    ::pclose(pipe);
  }
  ::unlink(input_path);
  return output;
}

}  // namespace quelor::tds
