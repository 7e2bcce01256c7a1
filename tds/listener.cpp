#include "tds/listener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <string>
#include <thread>

#include "sim/catalog/transactions.h"
#include "sim/snapshot.h"
#include "tds/client_session.h"

namespace quelor::tds {

namespace {

std::runtime_error SystemError(const char* call) {
  return std::runtime_error(std::string(call) + " failed: " + std::strerror(errno));
}

bool ReceiveExactly(int fd, std::uint8_t* into, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got = ::recv(fd, into + done, size - done, 0);
    if (got == 0) return false;
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(got);
  }
  return true;
}

bool SendAll(int fd, const Bytes& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t sent = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
    if (sent < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(sent);
  }
  return true;
}

}  // namespace

void SaveCommitted(ServerShared& shared) {
  if (shared.state_file.empty()) return;
  try {
    shared.server.transactions().WithCommittedState(
        [&] { sim::SaveSnapshot(shared.server, shared.state_file); });
  } catch (const std::exception& error) {
    std::cerr << "quelor-simserver: " << error.what() << std::endl;
  }
}

void ServeClient(int fd, ServerShared& shared, std::uint16_t spid) {
  ClientSession session(shared.server, shared.server_mutex, spid);
  shared.requests.CountConnection();
  const ReadExactly read = [fd](std::uint8_t* into, std::size_t size) { return ReceiveExactly(fd, into, size); };
  try {
    while (true) {
      std::optional<Message> message = ReadMessage(read, 0xFFFF);
      if (!message) break;
      if (session.logged_in() && (message->type == static_cast<std::uint8_t>(PacketType::kSqlBatch) ||
                                  message->type == static_cast<std::uint8_t>(PacketType::kRpc))) {
        const std::uint64_t count = shared.requests.CountRequest(session.session().database);
        if (shared.go_away_after != 0 && count >= shared.go_away_after) {
          std::lock_guard lock(shared.server_mutex);
          SaveCommitted(shared);
          std::_Exit(3);
        }
      }
      Reply reply = session.Handle(*message);
      if (!SendAll(fd, reply.packets) || reply.close) break;
    }
  } catch (const std::exception&) {
    // A malformed message or a failure while answering ends this client only.
  }
  ::close(fd);
}

Listener::~Listener() {
  if (fd_ >= 0) ::close(fd_);
}

int Listener::Listen(int port) {
  fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd_ < 0) throw SystemError("socket");
  const int on = 1;
  ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  if (::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) throw SystemError("bind");
  if (::listen(fd_, 64) != 0) throw SystemError("listen");
  socklen_t length = sizeof address;
  if (::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) throw SystemError("getsockname");
  return ntohs(address.sin_port);
}

void Listener::Serve() {
  while (!stopping_) {
    const int client = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) {
      if (errno == EINTR || errno == ECONNABORTED) continue;
      if (stopping_) break;
      throw SystemError("accept");
    }
    const int on = 1;
    // Requests and answers are small and strictly alternate: no delaying.
    ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    std::thread(ServeClient, client, std::ref(shared_), next_spid_++).detach();
  }
}

void Listener::Stop() {
  stopping_ = true;
  if (fd_ >= 0) ::shutdown(fd_, SHUT_RDWR);
}

}  // namespace quelor::tds
