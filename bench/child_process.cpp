#include "bench/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace quelor::bench {
namespace {

double Seconds(const timeval& time) {
  return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

double CpuSeconds(const rusage& usage) { return Seconds(usage.ru_utime) + Seconds(usage.ru_stime); }

// The argv array is built before fork: the child may only call
// async-signal-safe functions until it execs.
std::vector<char*> ArgvOf(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  return argv;
}

// Forks a child whose standard output (and error, when `with_stderr`) goes to
// the write end of `pipe_ends`; returns its pid or -1.
pid_t Spawn(const std::vector<std::string>& arguments, const char* directory, int pipe_ends[2],
            bool with_stderr) {
  std::vector<char*> argv = ArgvOf(arguments);
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  const int null_input = ::open("/dev/null", O_RDONLY);
  if (null_input >= 0) ::dup2(null_input, STDIN_FILENO);
  ::dup2(pipe_ends[1], STDOUT_FILENO);
  if (with_stderr) ::dup2(pipe_ends[1], STDERR_FILENO);
  ::close(pipe_ends[0]);
  ::close(pipe_ends[1]);
  if (directory != nullptr && ::chdir(directory) != 0) ::_exit(126);
  ::execv(argv[0], argv.data());
  ::_exit(127);
}

int ExitStatus(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

pid_t Wait(pid_t pid, int& status, rusage& usage) {
  pid_t got;
  do {
    got = ::wait4(pid, &status, 0, &usage);
  } while (got < 0 && errno == EINTR);
  return got;
}

}  // namespace

ChildRun RunChild(const std::vector<std::string>& argv, const std::string& directory) {
  ChildRun run;
  int out[2];
  if (::pipe(out) != 0) return run;
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = Spawn(argv, directory.c_str(), out, true);
  ::close(out[1]);
  if (pid < 0) {
    ::close(out[0]);
    return run;
  }
  // Read to the end before waiting, so a chatty child never blocks on a full pipe.
  char buffer[4096];
  ssize_t got;
  while ((got = ::read(out[0], buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR)) {
    if (got > 0) run.output.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(out[0]);
  int status = 0;
  rusage usage{};
  if (Wait(pid, status, usage) != pid) return run;
  run.wall_seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.exit_status = ExitStatus(status);
  run.cpu_seconds = CpuSeconds(usage);
  return run;
}

ServerChild::ServerChild(const std::vector<std::string>& argv, const std::string& ready_prefix) {
  int out[2];
  if (::pipe(out) != 0) return;
  pid_ = Spawn(argv, nullptr, out, false);
  ::close(out[1]);
  if (pid_ < 0) {
    ::close(out[0]);
    return;
  }
  // A server that hangs before it is ready must not hang the benchmark: 30 s
  // is far beyond what loading the largest state takes.
  std::string line;
  pollfd ready{out[0], POLLIN, 0};
  char c;
  while (::poll(&ready, 1, 30'000) == 1 && ::read(out[0], &c, 1) == 1 && c != '\n') line.push_back(c);
  // The server writes nothing more to standard output; its errors go to ours.
  ::close(out[0]);
  if (line.rfind(ready_prefix, 0) == 0) {
    try {
      port_ = std::stoi(line.substr(ready_prefix.size()));
    } catch (const std::exception&) {
      port_ = 0;
    }
  }
}

ServerChild::~ServerChild() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGKILL);
  int status = 0;
  rusage usage{};
  Wait(pid_, status, usage);
}

bool ServerChild::Stop() {
  if (pid_ <= 0) return false;
  ::kill(pid_, SIGTERM);
  int status = 0;
  rusage usage{};
  const bool waited = Wait(pid_, status, usage) == pid_;
  pid_ = -1;
  if (!waited) return false;
  cpu_seconds_ = CpuSeconds(usage);
  return ExitStatus(status) == 0;
}

}  // namespace quelor::bench
