// The port of a named instance from the browser service: the reply format,
// and a lookup against a small stand-in for the service on a loopback port.
#include "platform/instance_port_lookup.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>

namespace quelor::platform {
namespace {

TEST(InstancePortLookup, ReadsTheTcpPortOfTheNamedInstanceFromAReply) {
  const std::string two =
      "ServerName;SRV;InstanceName;SQLEXPRESS;IsClustered;No;Version;15.0.2000.5;tcp;49172;;"
      "ServerName;SRV;InstanceName;QUELOR;IsClustered;No;Version;16.0.1000.6;tcp;1444;np;"
      "\\\\SRV\\pipe\\sql\\query;;";
  const struct {
    std::string reply;
    std::string instance;
    std::optional<std::uint16_t> port;
  } cases[] = {
      {two, "SQLEXPRESS", 49172},
      {two, "quelor", 1444},  // without regard to case
      {two, "OTHER", std::nullopt},
      {"ServerName;SRV;InstanceName;A;IsClustered;No;np;\\\\SRV\\pipe;;", "A", std::nullopt},
      {"ServerName;SRV;InstanceName;A;tcp;99999;;", "A", std::nullopt},
      {"ServerName;SRV;InstanceName;A;tcp;12", "A", std::nullopt},  // cut off
      {"", "A", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InstancePortFromReply(c.reply, c.instance), c.port)
        << c.instance << " in " << c.reply;
  }
}

// Answers every request for `instance` with `tcp_port`; stays silent for any
// other name, as the real service does.
class FakeBrowser {
 public:
  FakeBrowser(std::string instance, int tcp_port) {
    fd_ = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    EXPECT_EQ(::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    socklen_t length = sizeof address;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this, instance, tcp_port] {
      while (!stop_) {
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0) continue;
        char buffer[512];
        sockaddr_in from{};
        socklen_t from_length = sizeof from;
        const ssize_t n = ::recvfrom(fd_, buffer, sizeof buffer, 0,
                                     reinterpret_cast<sockaddr*>(&from), &from_length);
        ++requests_;
        if (n < 1 || buffer[0] != 0x04 || std::string(buffer + 1, n - 1) != instance) continue;
        const std::string data = "ServerName;SRV;InstanceName;" + instance +
                                 ";IsClustered;No;Version;16.0;tcp;" + std::to_string(tcp_port) +
                                 ";;";
        std::string reply = {0x05, static_cast<char>(data.size() & 0xFF),
                             static_cast<char>(data.size() >> 8)};
        reply += data;
        ::sendto(fd_, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from),
                 from_length);
      }
    });
  }
  ~FakeBrowser() {
    stop_ = true;
    thread_.join();
    ::close(fd_);
  }
  std::uint16_t port() const { return port_; }
  int requests() const { return requests_; }

 private:
  int fd_ = -1;
  std::uint16_t port_ = 0;
  std::atomic<bool> stop_ = false;
  std::atomic<int> requests_ = 0;
  std::thread thread_;
};

TEST(InstancePortLookup, AsksTheServiceAndGivesUpAfterTheTimeOut) {
  FakeBrowser browser("SQLEXPRESS", 1444);
  const InstancePortLookup found =
      LookUpInstancePort("127.0.0.1", "SQLEXPRESS", std::chrono::seconds(5), browser.port());
  EXPECT_EQ(found.port, 1444);

  const auto start = std::chrono::steady_clock::now();
  const InstancePortLookup unknown =
      LookUpInstancePort("127.0.0.1", "NOSUCH", std::chrono::milliseconds(2500), browser.port());
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_FALSE(unknown.port);
  EXPECT_GE(took, std::chrono::milliseconds(2400));
  EXPECT_LT(took, std::chrono::milliseconds(4000));
  EXPECT_GE(browser.requests(), 3);  // asked again every second
  EXPECT_EQ(unknown.failure,
            "Für die Instanz NOSUCH hat auf 127.0.0.1 innerhalb von 3 Sekunden kein Dienst SQL "
            "Server Browser (UDP " +
                std::to_string(browser.port()) + ") einen Port genannt.");
}

}  // namespace
}  // namespace quelor::platform
