// The protocol of one client without a network: login outcomes, and that no
// malformed message gets further than a ProtocolError.
#include "tds/client_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "tds/login7.h"
#include "tds/utf16.h"

namespace quelor::tds {
namespace {

Bytes Login(const std::string& user, const std::string& password, const std::string& database) {
  Bytes message(94, 0);
  message[4] = 0x04;
  message[7] = 0x74;
  message[9] = 0x10;  // packet size 4096
  const auto add = [&](std::size_t field, const Bytes& units) {
    message[field] = static_cast<std::uint8_t>(message.size());
    message[field + 1] = static_cast<std::uint8_t>(message.size() >> 8);
    message[field + 2] = static_cast<std::uint8_t>(units.size() / 2);
    message.insert(message.end(), units.begin(), units.end());
  };
  add(40, Utf16LeFromUtf8(user));
  add(44, ObfuscatePassword(password));
  add(68, Utf16LeFromUtf8(database));
  message[0] = static_cast<std::uint8_t>(message.size());
  message[1] = static_cast<std::uint8_t>(message.size() >> 8);
  return message;
}

// The payload of a one-packet reply, which is all the small answers here are.
Bytes Payload(const Reply& reply) { return Bytes(reply.packets.begin() + kHeaderSize, reply.packets.end()); }

bool Contains(const Bytes& haystack, const Bytes& needle) {
  return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) != haystack.end();
}

class ClientSessionTest : public ::testing::Test {
 protected:
  ClientSessionTest() {
    server_.CreateDatabase("QUELORTMP1");
    server_.AddLogin("quelor", "demo");
  }
  sim::Server server_;
  std::mutex mutex_;
};

TEST_F(ClientSessionTest, LoginOutcomes) {
  struct Case {
    const char* password;
    const char* database;
    std::vector<std::string> texts;  // in the reply, in order
    bool logged_in;
  };
  const std::vector<Case> cases = {
      {"demo", "QUELORTMP1", {"Changed database context to 'QUELORTMP1'.", "Changed language setting to us_english.",
                              "Microsoft SQL Server"}, true},
      {"Demo", "QUELORTMP1", {"Login failed for user 'quelor'."}, false},
      {"demo", "Nirgends", {"Cannot open database \"Nirgends\" requested by the login. The login failed.",
                            "Login failed for user 'quelor'."}, false},
  };
  for (const Case& test : cases) {
    ClientSession session(server_, mutex_, 51);
    const Reply reply = session.Handle(Message{0x10, Login("quelor", test.password, test.database)});
    EXPECT_EQ(session.logged_in(), test.logged_in) << test.password << " " << test.database;
    EXPECT_EQ(reply.close, !test.logged_in);
    const Bytes payload = Payload(reply);
    for (const std::string& text : test.texts) EXPECT_TRUE(Contains(payload, Utf16LeFromUtf8(text))) << text;
  }
}

TEST_F(ClientSessionTest, MessagesBeforeTheLoginOrMalformedAreRefused) {
  ClientSession session(server_, mutex_, 51);
  EXPECT_THROW(session.Handle(Message{0x01, Utf16LeFromUtf8("SELECT 1")}), ProtocolError);
  EXPECT_THROW(session.Handle(Message{0x03, {}}), ProtocolError);

  // Every cut and random corruption of a valid login either logs in, fails
  // the login, or throws ProtocolError: nothing reads outside the message.
  const Bytes valid = Login("quelor", "demo", "QUELORTMP1");
  std::mt19937 random(11);
  for (std::size_t round = 0; round < 400; ++round) {
    Bytes message(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(round % (valid.size() + 1)));
    if (round >= valid.size() && !message.empty()) {
      for (int flips = 0; flips < 4; ++flips) message[random() % message.size()] = static_cast<std::uint8_t>(random());
    }
    ClientSession fresh(server_, mutex_, 51);
    try {
      fresh.Handle(Message{0x10, message});
    } catch (const ProtocolError&) {
    }
  }
}

TEST_F(ClientSessionTest, UnsupportedRequestsGetAnErrorThatNamesThem) {
  ClientSession session(server_, mutex_, 51);
  session.Handle(Message{0x10, Login("quelor", "demo", "QUELORTMP1")});
  // sp_prepare, called by its number, without parameters.
  const Reply reply = session.Handle(Message{0x03, {0xFF, 0xFF, 0x0B, 0x00, 0x00, 0x00}});
  EXPECT_FALSE(reply.close);
  EXPECT_TRUE(Contains(Payload(reply), Utf16LeFromUtf8("Unsupported in the simulated server: the procedure sp_prepare")));
  // An attention after the answer is acknowledged with DONE_ATTN.
  EXPECT_EQ(Payload(session.Handle(Message{0x06, {}})), (Bytes{0xFD, 0x20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  // A malformed call ends the connection.
  EXPECT_THROW(session.Handle(Message{0x03, {0x00, 0x01}}), ProtocolError);
  // A batch of odd length and without ALL_HEADERS still runs.
  const Reply batch = session.Handle(Message{0x01, Utf16LeFromUtf8("SELECT 1 AS eins")});
  EXPECT_TRUE(Contains(Payload(batch), Utf16LeFromUtf8("eins")));
}

// The DONE token with `status` and `rows`.
Bytes Done(std::uint8_t token, std::uint16_t status, std::uint8_t rows) {
  return {token, static_cast<std::uint8_t>(status), static_cast<std::uint8_t>(status >> 8), 0, 0, rows, 0, 0, 0, 0, 0, 0, 0};
}

TEST_F(ClientSessionTest, EveryStatementEndsWithItsOwnDoneInOrder) {
  ClientSession session(server_, mutex_, 51);
  session.Handle(Message{0x10, Login("quelor", "demo", "QUELORTMP1")});
  session.Handle(Message{0x01, Utf16LeFromUtf8("CREATE TABLE T (Nr int NOT NULL PRIMARY KEY)")});
  const Bytes reply = Payload(session.Handle(Message{0x01, Utf16LeFromUtf8(
      "INSERT INTO T VALUES (1), (2), (3)\nINSERT INTO T VALUES (1)\nUPDATE T SET Nr = Nr + 10 WHERE Nr > 1\n"
      "SELECT Nr FROM T")}));
  // DONE_COUNT|MORE 3, the error 2627, DONE_ERROR|MORE, DONE_COUNT|MORE 2,
  // the result set, and the final DONE_COUNT 3 without MORE.
  const std::vector<Bytes> expected = {Done(0xFD, 0x11, 3), {0xAA}, Done(0xFD, 0x03, 0), Done(0xFD, 0x11, 2), {0x81},
                                       Done(0xFD, 0x10, 3)};
  auto at = reply.begin();
  for (const Bytes& part : expected) {
    auto found = std::search(at, reply.end(), part.begin(), part.end());
    ASSERT_NE(found, reply.end()) << "token " << int(part[0]) << " at " << (at - reply.begin());
    at = found + static_cast<std::ptrdiff_t>(part.size());
  }
  EXPECT_EQ(at, reply.end()) << "the final DONE ends the reply";
  // Under SET NOCOUNT ON the statement still ends with a DONE, without a count.
  EXPECT_EQ(Payload(session.Handle(Message{0x01, Utf16LeFromUtf8("SET NOCOUNT ON\nDELETE FROM T")})), Done(0xFD, 0x00, 0));
}

}  // namespace
}  // namespace quelor::tds
