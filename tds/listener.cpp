#include "tds/listener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>

#include "sim/catalog/transactions.h"
#include "sim/snapshot/snapshot.h"
#include "tds/client_session.h"

namespace quelor::tds {

namespace {

std::runtime_error SystemError(const char* call) {
  return std::runtime_error(std::string(call) + " failed: " + std::strerror(errno));
}

enum class Wait { kReady, kTimedOut, kFailed };

// Waits until `fd` is ready for `events` (or has been closed or shut down,
// which the next recv or send then tells), at most `timeout`.
Wait WaitFor(int fd, short events, std::chrono::milliseconds timeout) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + timeout;
  while (true) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return Wait::kTimedOut;
    pollfd wanted{fd, events, 0};
    const int ready =
        ::poll(&wanted, 1, static_cast<int>(std::min<std::int64_t>(left.count(), INT_MAX)));
    if (ready > 0) return Wait::kReady;
    if (ready < 0 && errno != EINTR) return Wait::kFailed;
  }
}

// False when the peer has closed, or sent nothing for `timeout` (then
// `timed_out` is set).
bool ReceiveExactly(int fd, std::uint8_t* into, std::size_t size, std::chrono::milliseconds timeout,
                    bool& timed_out) {
  std::size_t done = 0;
  while (done < size) {
    const Wait wait = WaitFor(fd, POLLIN, timeout);
    if (wait != Wait::kReady) {
      timed_out = wait == Wait::kTimedOut;
      return false;
    }
    const ssize_t got = ::recv(fd, into + done, size - done, MSG_DONTWAIT);
    if (got == 0) return false;
    if (got < 0) {
      if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) continue;
      return false;
    }
    done += static_cast<std::size_t>(got);
  }
  return true;
}

// False when the peer has gone, or took nothing for `timeout` (then
// `timed_out` is set).
bool SendAll(int fd, const Bytes& bytes, std::chrono::milliseconds timeout, bool& timed_out) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const Wait wait = WaitFor(fd, POLLOUT, timeout);
    if (wait != Wait::kReady) {
      timed_out = wait == Wait::kTimedOut;
      return false;
    }
    const ssize_t sent =
        ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent < 0) {
      if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) continue;
      return false;
    }
    done += static_cast<std::size_t>(sent);
  }
  return true;
}

void Report(const std::string& what) {
  std::cerr << "quelor-simserver: " + what + "\n" << std::flush;
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
  shared.requests.CountConnection();
  const ConnectionLimits& limits = shared.limits;
  const std::string client = "client " + std::to_string(spid) + " closed: ";
  bool timed_out = false;
  const ReadExactly read = [&](std::uint8_t* into, std::size_t size) {
    return ReceiveExactly(fd, into, size, limits.read_timeout, timed_out);
  };
  // The session ends (rollback, locks released) before the caller closes
  // `fd`, so a client that sees the close finds them gone.
  ClientSession session(shared.server, shared.server_mutex, spid);
  try {
    while (true) {
      // Between requests a logged-in client may rest; a new one is expected
      // to go on with its pre-login or login at once.
      const std::chrono::milliseconds rest =
          session.logged_in() ? limits.idle_timeout : limits.read_timeout;
      const Wait wait = WaitFor(fd, POLLIN, rest);
      if (wait == Wait::kTimedOut) {
        Report(client + "no request for " + std::to_string(rest.count()) + " ms");
        break;
      }
      if (wait == Wait::kFailed) break;
      std::optional<Message> message =
          ReadMessage(read, kMaximumPacketSize, limits.max_message_bytes);
      if (!message) {
        if (timed_out)
          Report(client + "half a packet header, then nothing for " +
                 std::to_string(limits.read_timeout.count()) + " ms");
        break;
      }
      if (session.logged_in() &&
          (message->type == static_cast<std::uint8_t>(PacketType::kSqlBatch) ||
           message->type == static_cast<std::uint8_t>(PacketType::kRpc))) {
        const std::uint64_t count = shared.requests.CountRequest(session.session().database);
        if (shared.go_away_after != 0 && count >= shared.go_away_after) {
          std::lock_guard lock(shared.server_mutex);
          SaveCommitted(shared);
          std::_Exit(3);
        }
      }
      Reply reply = session.Handle(*message);
      if (shared.reply_delay.count() > 0) std::this_thread::sleep_for(shared.reply_delay);
      if (!SendAll(fd, reply.packets, limits.read_timeout, timed_out)) {
        if (timed_out)
          Report(client + "the answer was not taken for " +
                 std::to_string(limits.read_timeout.count()) + " ms");
        break;
      }
      if (reply.close) break;
    }
  } catch (const std::exception& error) {
    // A malformed or oversized message, a stalled one, or a failure while
    // answering ends this client only.
    Report(client + (timed_out
                         ? "nothing arrived for " + std::to_string(limits.read_timeout.count()) +
                               " ms in the middle of a message"
                         : std::string(error.what())));
  }
}

Listener::~Listener() {
  Stop();
  Join(true);
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
  if (::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
    throw SystemError("bind");
  if (::listen(fd_, 64) != 0) throw SystemError("listen");
  socklen_t length = sizeof address;
  if (::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    throw SystemError("getsockname");
  return ntohs(address.sin_port);
}

void Listener::Serve() {
  while (!stopping_) {
    const int client = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) {
      if (errno == EINTR || errno == ECONNABORTED) continue;
      if (stopping_) break;
      // Out of descriptors or memory: the clients already served go on.
      if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
        Report(std::string("accept failed: ") + std::strerror(errno));
        Join(false);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        continue;
      }
      throw SystemError("accept");
    }
    Join(false);
    Admit(client);
  }
  Join(true);
}

void Listener::Admit(int fd) {
  std::lock_guard lock(clients_mutex_);
  if (stopping_) {
    ::close(fd);
    return;
  }
  const std::size_t live = LiveClientsLocked();
  if (live >= shared_.limits.max_connections) {
    ::close(fd);
    Report("refused a client: " + std::to_string(live) + " connections open (--max-connections)");
    return;
  }
  const int on = 1;
  // Requests and answers are small and strictly alternate: no delaying.
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  Client& client = clients_.emplace_back();
  client.fd = fd;
  try {
    // The thread waits for clients_mutex_ before it touches `client` again.
    client.thread = std::thread(&Listener::RunClient, this, std::ref(client), next_spid_++);
  } catch (const std::system_error& error) {
    clients_.pop_back();
    ::close(fd);
    Report(std::string("refused a client: ") + error.what());
  }
}

void Listener::RunClient(Client& client, std::uint16_t spid) {
  int fd = -1;
  {
    std::lock_guard lock(clients_mutex_);
    fd = client.fd;
  }
  ServeClient(fd, shared_, spid);
  std::lock_guard lock(clients_mutex_);
  // Closed under the lock, so Stop() never shuts down a descriptor that has
  // been reused.
  ::close(client.fd);
  client.fd = -1;
  client.finished = true;
}

void Listener::Join(bool all) {
  std::list<Client> done;
  {
    std::lock_guard lock(clients_mutex_);
    for (auto it = clients_.begin(); it != clients_.end();) {
      const auto next = std::next(it);
      // Shut down here too: Stop() may find the list already taken.
      if (all && it->fd >= 0) ::shutdown(it->fd, SHUT_RDWR);
      if (all || it->finished) done.splice(done.end(), clients_, it);
      it = next;
    }
  }
  for (Client& client : done) client.thread.join();
}

void Listener::Stop() {
  stopping_ = true;
  if (fd_ >= 0) ::shutdown(fd_, SHUT_RDWR);
  std::lock_guard lock(clients_mutex_);
  for (const Client& client : clients_) {
    if (client.fd >= 0) ::shutdown(client.fd, SHUT_RDWR);
  }
}

std::size_t Listener::LiveClients() const {
  std::lock_guard lock(clients_mutex_);
  return LiveClientsLocked();
}

std::size_t Listener::LiveClientsLocked() const {
  return static_cast<std::size_t>(std::count_if(
      clients_.begin(), clients_.end(), [](const Client& client) { return !client.finished; }));
}

}  // namespace quelor::tds
