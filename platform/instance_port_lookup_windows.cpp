#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/instance_port_lookup.h"
#include "platform/windows_text.h"

namespace quelor::platform {
namespace {

constexpr char kUnicastInstanceRequest = 0x04;  // CLNT_UCAST_INST
constexpr char kServerReply = 0x05;             // SVR_RESP
constexpr auto kResendInterval = std::chrono::seconds(1);

// Winsock is started for the time of one lookup.
class WinsockSession {
 public:
  WinsockSession() { started_ = ::WSAStartup(MAKEWORD(2, 2), &data_) == 0; }
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;
  ~WinsockSession() {
    if (started_) ::WSACleanup();
  }
  bool started() const { return started_; }

 private:
  WSADATA data_{};
  bool started_ = false;
};

struct AddrInfoDeleter {
  void operator()(ADDRINFOW* info) const { ::FreeAddrInfoW(info); }
};

class Socket {
 public:
  explicit Socket(SOCKET s) : socket_(s) {}
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  ~Socket() { ::closesocket(socket_); }
  SOCKET get() const { return socket_; }

 private:
  SOCKET socket_;
};

}  // namespace

InstancePortLookup LookUpInstancePort(const std::string& host, const std::string& instance,
                                      std::chrono::milliseconds timeout,
                                      std::uint16_t browser_port) {
  InstancePortLookup result;
  WinsockSession winsock;
  if (!winsock.started()) {
    result.failure = "Das Netzwerk ist nicht verfügbar (WSAStartup).";
    return result;
  }
  ADDRINFOW hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_DGRAM;
  ADDRINFOW* found = nullptr;
  const std::wstring service = std::to_wstring(browser_port);
  if (::GetAddrInfoW(WideFromUtf8(host).c_str(), service.c_str(), &hints, &found) != 0) {
    result.failure = "Der Servername " + host + " ist nicht aufzulösen (" +
                     SystemMessage(static_cast<unsigned long>(::WSAGetLastError())) + ").";
    return result;
  }
  const std::unique_ptr<ADDRINFOW, AddrInfoDeleter> addresses(found);

  // One socket per address, every request to all of them: the first reply
  // that names the instance wins. Not connected, since a clustered server
  // may answer from another address.
  std::vector<std::pair<std::unique_ptr<Socket>, const ADDRINFOW*>> sockets;
  for (const ADDRINFOW* a = addresses.get(); a != nullptr; a = a->ai_next) {
    const SOCKET s = ::socket(a->ai_family, a->ai_socktype, a->ai_protocol);
    if (s != INVALID_SOCKET) sockets.emplace_back(std::make_unique<Socket>(s), a);
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
        ::sendto(socket->get(), request.data(), static_cast<int>(request.size()), 0,
                 address->ai_addr, static_cast<int>(address->ai_addrlen));
      }
      next_send = now + kResendInterval;
    }
    std::vector<WSAPOLLFD> polls;
    for (const auto& entry : sockets) polls.push_back({entry.first->get(), POLLRDNORM, 0});
    const auto wait =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::min(deadline, next_send) - now);
    const int ready = ::WSAPoll(polls.data(), static_cast<ULONG>(polls.size()),
                                static_cast<INT>(wait.count()) + 1);
    if (ready == SOCKET_ERROR) break;
    for (const WSAPOLLFD& p : polls) {
      if ((p.revents & POLLRDNORM) == 0) continue;
      char buffer[4096];
      const int length = ::recv(p.fd, buffer, sizeof buffer, 0);
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
