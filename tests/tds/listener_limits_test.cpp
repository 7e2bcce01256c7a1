// The wire server under clients that take too much: more connections than
// allowed, requests over the size bound, requests that stall half-sent,
// clients that stay idle. Each is closed alone; the others go on, and what a
// closed client held (transaction, application locks) is given back.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "config/connection_settings.h"
#include "db/odbc_connection.h"
#include "login_builder.h"
#include "tds/listener.h"
#include "tds/packet.h"
#include "tds/utf16.h"

namespace quelor::tds {
namespace {

using std::chrono::milliseconds;

// How long a test waits for what must happen soon; only a fault takes this
// long, so it is generous for a loaded machine.
constexpr int kPatienceSeconds = 20;

// A raw TDS client on a loopback port.
class WireClient {
 public:
  explicit WireClient(int port) : fd_(::socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    // Only a fault makes a receive wait this long.
    timeval patience{kPatienceSeconds, 0};
    ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
  }
  ~WireClient() { ::close(fd_); }
  WireClient(const WireClient&) = delete;
  WireClient& operator=(const WireClient&) = delete;

  bool connected() const { return connected_; }

  // The server may close while this is sent: that is what some tests expect.
  void Send(const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t sent = ::send(fd_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
      if (sent <= 0) return;
      done += static_cast<std::size_t>(sent);
    }
  }

  std::optional<Message> Ask(PacketType type, const Bytes& payload) {
    Send(FramePackets(type, payload, 4096, 0));
    try {
      return ReadMessage(
          [this](std::uint8_t* into, std::size_t size) { return Receive(into, size); },
          kMaximumPacketSize);
    } catch (const ProtocolError&) {
      return std::nullopt;
    }
  }

  // Pre-login, answered while the server serves this client.
  bool Prelogin() {
    const std::optional<Message> reply = Ask(PacketType::kPrelogin, {0xFF});
    return reply && reply->type == static_cast<std::uint8_t>(PacketType::kTabularResult);
  }
  bool Login() {
    return Succeeded(Ask(PacketType::kLogin7, tds::Login("quelor", "demo", "QUELORTMP1")));
  }
  bool Batch(const std::string& text) {
    return Succeeded(Ask(PacketType::kSqlBatch, BatchPayload(text)));
  }

  static Bytes BatchPayload(const std::string& text) {
    // ALL_HEADERS with the transaction descriptor header: no transaction,
    // one outstanding request.
    Bytes payload = {22, 0, 0, 0, 18, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0};
    const Bytes units = Utf16LeFromUtf8(text);
    payload.insert(payload.end(), units.begin(), units.end());
    return payload;
  }

  // Whether the server closes the connection (end of stream or reset) before
  // sending anything more.
  bool Closed() {
    std::uint8_t byte = 0;
    while (true) {
      const ssize_t got = ::recv(fd_, &byte, 1, 0);
      if (got == 0) return true;
      if (got > 0) return false;
      if (errno == EINTR) continue;
      return errno == ECONNRESET;
    }
  }

 private:
  bool Receive(std::uint8_t* into, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
      const ssize_t got = ::recv(fd_, into + done, size - done, 0);
      if (got <= 0) return false;
      done += static_cast<std::size_t>(got);
    }
    return true;
  }
  // The last DONE of the reply has no error bit.
  static bool Succeeded(const std::optional<Message>& reply) {
    if (!reply || reply->payload.size() < 13) return false;
    const std::uint8_t* done = reply->payload.data() + reply->payload.size() - 13;
    return done[0] == 0xFD && (done[1] & 0x02) == 0;
  }

  int fd_;
  bool connected_ = false;
};

// Polls `condition` until it holds or the patience runs out.
bool Eventually(const std::function<bool()>& condition) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(kPatienceSeconds);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(milliseconds(10));
  }
  return true;
}

class ListenerLimitsTest : public ::testing::Test {
 protected:
  ListenerLimitsTest() {
    server_.CreateDatabase("QUELORTMP1");
    server_.AddLogin("quelor", "demo");
  }
  ~ListenerLimitsTest() override {
    if (!listener_) return;
    listener_->Stop();
    serving_.join();
  }

  void Start(const ConnectionLimits& limits) {
    shared_.reset(new ServerShared{server_, mutex_, {}, 0, "", limits});
    listener_ = std::make_unique<Listener>(*shared_);
    port_ = listener_->Listen(0);
    serving_ = std::thread([this] { listener_->Serve(); });
  }

  std::unique_ptr<db::Connection> Odbc() {
    config::ConnectionSettings settings;
    settings.provider = "SQLOLEDB.1";
    settings.user_id = "quelor";
    settings.password = "demo";
    settings.data_source = "127.0.0.1," + std::to_string(port_);
    auto connection = db::MakeOdbcConnection();
    connection->Open(config::WorkingConnectionText(settings, "QUELORTMP1"));
    return connection;
  }

  sim::Server server_;
  std::mutex mutex_;
  std::unique_ptr<ServerShared> shared_;
  std::unique_ptr<Listener> listener_;
  std::thread serving_;
  int port_ = 0;
};

TEST_F(ListenerLimitsTest, AClientOverTheLimitIsRefusedAndOneThatLeavesMakesRoom) {
  ConnectionLimits limits;
  limits.max_connections = 2;
  Start(limits);
  auto first = std::make_unique<WireClient>(port_);
  WireClient second(port_);
  ASSERT_TRUE(first->Prelogin());
  ASSERT_TRUE(second.Prelogin());

  WireClient third(port_);
  EXPECT_TRUE(third.connected());
  EXPECT_TRUE(third.Closed()) << "a third client while two are served";
  EXPECT_TRUE(second.Prelogin()) << "the refusal leaves the others alone";

  first.reset();
  ASSERT_TRUE(Eventually([&] { return listener_->LiveClients() == 1; }));
  WireClient fourth(port_);
  EXPECT_TRUE(fourth.Prelogin()) << "the place of the client that left";
  EXPECT_TRUE(second.Login());
  EXPECT_TRUE(fourth.Login());
}

TEST_F(ListenerLimitsTest, ARequestOverTheBoundsClosesTheConnectionBeforeItIsRead) {
  ConnectionLimits limits;
  limits.max_message_bytes = 64 * 1024;
  Start(limits);
  const auto packet = [](std::uint8_t status, std::size_t payload) {
    Bytes bytes = {0x01,
                   status,
                   static_cast<std::uint8_t>((payload + 8) >> 8),
                   static_cast<std::uint8_t>(payload + 8),
                   0,
                   0,
                   1,
                   0};
    bytes.resize(bytes.size() + payload, 0x41);
    return bytes;
  };
  struct Case {
    const char* name;
    Bytes bytes;
  };
  // Neither is complete: without the bounds the server would wait for more.
  Bytes over_the_message_bound;
  for (int i = 0; i < 3; ++i) {
    const Bytes more = packet(0, kMaximumPacketSize - 8);
    over_the_message_bound.insert(over_the_message_bound.end(), more.begin(), more.end());
  }
  const std::vector<Case> cases = {
      {"a header announcing a packet larger than any packet size",
       Bytes{0x01, 0x01, 0xFF, 0xFF, 0, 0, 1, 0}},
      {"packets adding up to more than the message bound", over_the_message_bound},
  };
  for (const Case& test : cases) {
    WireClient client(port_);
    ASSERT_TRUE(client.Login()) << test.name;
    client.Send(test.bytes);
    EXPECT_TRUE(client.Closed()) << test.name;
  }
  WireClient after(port_);
  EXPECT_TRUE(after.Login());
  EXPECT_TRUE(after.Batch("SELECT 1"));
}

TEST_F(ListenerLimitsTest, AStalledRequestIsClosedAndWhatItsClientHeldIsGivenBack) {
  ConnectionLimits limits;
  limits.read_timeout = milliseconds(200);
  Start(limits);
  auto healthy = Odbc();
  healthy->Execute("CREATE TABLE K (A int)");

  WireClient half_header(port_);
  half_header.Send({0x12, 0x01, 0x00});

  WireClient half_login(port_);
  ASSERT_TRUE(half_login.Prelogin());
  Bytes login =
      FramePackets(PacketType::kLogin7, tds::Login("quelor", "demo", "QUELORTMP1"), 4096, 0);
  login.resize(login.size() / 2);
  half_login.Send(login);

  WireClient half_batch(port_);
  ASSERT_TRUE(half_batch.Login());
  ASSERT_TRUE(
      half_batch.Batch("BEGIN TRANSACTION\nINSERT INTO K VALUES (1)\n"
                       "EXEC sp_getapplock @Resource = N'Gate', @LockMode = 'Exclusive', "
                       "@LockOwner = 'Session', @LockTimeout = 0"));
  Bytes batch = FramePackets(PacketType::kSqlBatch, WireClient::BatchPayload("SELECT 1"), 4096, 0);
  batch.resize(batch.size() - 4);
  half_batch.Send(batch);

  // Served while the others stall and after they are gone alike.
  EXPECT_EQ(healthy->Query("SELECT 7 AS Seven").AsText(0, "Seven"), "7");
  EXPECT_TRUE(half_header.Closed()) << "half a header";
  EXPECT_TRUE(half_login.Closed()) << "half a login";
  EXPECT_TRUE(half_batch.Closed()) << "half a batch";

  EXPECT_EQ(healthy->Query("SELECT COUNT(*) AS N FROM K").AsText(0, "N"), "0") << "rolled back";
  EXPECT_EQ(healthy
                ->Query("DECLARE @r int\nEXEC @r = sp_getapplock @Resource = N'Gate', @LockMode = "
                        "'Exclusive',"
                        " @LockOwner = 'Session', @LockTimeout = 0\nSELECT @r AS R")
                .AsText(0, "R"),
            "0")
      << "the lock is free again";
}

TEST_F(ListenerLimitsTest, AnIdleClientIsClosed) {
  ConnectionLimits limits;
  limits.idle_timeout = milliseconds(200);
  Start(limits);
  WireClient idle(port_);
  ASSERT_TRUE(idle.Login());
  EXPECT_TRUE(idle.Closed());
  WireClient next(port_);
  EXPECT_TRUE(next.Login());
}

TEST_F(ListenerLimitsTest, StopEndsEveryClientThread) {
  Start(ConnectionLimits{});
  WireClient logged_in(port_);
  ASSERT_TRUE(logged_in.Login());
  WireClient silent(port_);
  ASSERT_TRUE(Eventually([&] { return listener_->LiveClients() == 2; }));
  listener_->Stop();
  serving_.join();  // Serve returns only once every client thread has ended
  EXPECT_EQ(listener_->LiveClients(), 0u);
  EXPECT_TRUE(logged_in.Closed());
  EXPECT_TRUE(silent.Closed());
  listener_.reset();
}

}  // namespace
}  // namespace quelor::tds
