#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/instance_port_lookup.h"

namespace quelor::platform {
namespace {

constexpr char kUnicastInstanceRequest = 0x04;  // CLNT_UCAST_INST
constexpr char kServerReply = 0x05;             // SVR_RESP
constexpr auto kResendInterval = std::chrono::seconds(1);

struct AddrInfoDeleter {
  void operator()(addrinfo* info) const { freeaddrinfo(info); }
};

class Socket {
 public:
  explicit Socket(int fd) : fd_(fd) {}
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  ~Socket() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

InstancePortLookup LookUpInstancePort(const std::string& host, const std::string& instance,
                                      std::chrono::milliseconds timeout,
                                      std::uint16_t browser_port) {
  InstancePortLookup result;
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* found = nullptr;
  const std::string service = std::to_string(browser_port);
  if (const int rc = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found); rc != 0) {
    result.failure = "Der Servername " + host + " ist nicht aufzulösen (" + gai_strerror(rc) + ").";
    return result;
  }
  const std::unique_ptr<addrinfo, AddrInfoDeleter> addresses(found);

  // One socket per address, every request to all of them: the first reply
  // that names the instance wins. Not connected, since a clustered server
  // may answer from another address.
  std::vector<std::pair<std::unique_ptr<Socket>, const addrinfo*>> sockets;
  for (const addrinfo* a = addresses.get(); a != nullptr; a = a->ai_next) {
    const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
    if (fd >= 0) sockets.emplace_back(std::make_unique<Socket>(fd), a);
  }
  const std::string request = std::string(1, kUnicastInstanceRequest) + instance;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  auto next_send = std::chrono::steady_clock::now();
  bool answered = false;
  while (!sockets.empty()) {
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) break;
    if (now >= next_send) {
      for (const auto& [socket, address] : sockets) {
        ::sendto(socket->get(), request.data(), request.size(), 0, address->ai_addr,
                 address->ai_addrlen);
      }
      next_send = now + kResendInterval;
    }
    std::vector<pollfd> polls;
    for (const auto& entry : sockets) polls.push_back({entry.first->get(), POLLIN, 0});
    const auto wait =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::min(deadline, next_send) - now);
    const int ready = ::poll(polls.data(), polls.size(), static_cast<int>(wait.count()) + 1);
    if (ready < 0 && errno != EINTR) break;
    for (const pollfd& p : polls) {
      if ((p.revents & POLLIN) == 0) continue;
      char buffer[4096];
      const ssize_t length = ::recv(p.fd, buffer, sizeof buffer, 0);
      if (length <= 3 || buffer[0] != kServerReply) continue;
      answered = true;
      if (auto port = InstancePortFromReply(std::string(buffer + 3, length - 3), instance)) {
        result.port = port;
        return result;
      }
    }
  }
  result.failure = answered ? NoTcpPortText(host, instance)
                            : SilentBrowserText(host, instance, timeout, browser_port);
  return result;
}

}  // namespace quelor::platform
