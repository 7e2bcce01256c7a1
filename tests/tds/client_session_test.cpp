// The protocol of one client without a network: login outcomes, and that no
// malformed message gets further than a ProtocolError.
#include "tds/client_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "login_builder.h"
#include "rpc_builder.h"
#include "tds/login7.h"
#include "tds/utf16.h"

namespace quelor::tds {
namespace {

// The payload of a one-packet reply, which is all the small answers here are.
Bytes Payload(const Reply& reply) {
  return Bytes(reply.packets.begin() + kHeaderSize, reply.packets.end());
}

bool Contains(const Bytes& haystack, const Bytes& needle) {
  return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) !=
         haystack.end();
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
      {"demo",
       "QUELORTMP1",
       {"Changed database context to 'QUELORTMP1'.", "Changed language setting to us_english.",
        "Microsoft SQL Server"},
       true},
      {"Demo", "QUELORTMP1", {"Login failed for user 'quelor'."}, false},
      {"demo",
       "Nirgends",
       {"Cannot open database \"Nirgends\" requested by the login. The login failed.",
        "Login failed for user 'quelor'."},
       false},
  };
  for (const Case& test : cases) {
    ClientSession session(server_, mutex_, 51);
    const Reply reply =
        session.Handle(Message{0x10, Login("quelor", test.password, test.database)});
    EXPECT_EQ(session.logged_in(), test.logged_in) << test.password << " " << test.database;
    EXPECT_EQ(reply.close, !test.logged_in);
    const Bytes payload = Payload(reply);
    for (const std::string& text : test.texts)
      EXPECT_TRUE(Contains(payload, Utf16LeFromUtf8(text))) << text;
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
    Bytes message(valid.begin(),
                  valid.begin() + static_cast<std::ptrdiff_t>(round % (valid.size() + 1)));
    if (round >= valid.size() && !message.empty()) {
      for (int flips = 0; flips < 4; ++flips)
        message[random() % message.size()] = static_cast<std::uint8_t>(random());
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
  // sp_cursoropen, called by its number, without parameters.
  const Reply reply = session.Handle(Message{0x03, {0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00}});
  EXPECT_FALSE(reply.close);
  EXPECT_TRUE(Contains(
      Payload(reply),
      Utf16LeFromUtf8("Unsupported in the simulated server: the procedure sp_cursoropen")));
  // An attention after the answer is acknowledged with DONE_ATTN.
  EXPECT_EQ(Payload(session.Handle(Message{0x06, {}})),
            (Bytes{0xFD, 0x20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  // A malformed call ends the connection.
  EXPECT_THROW(session.Handle(Message{0x03, {0x00, 0x01}}), ProtocolError);
  // A batch of odd length and without ALL_HEADERS still runs.
  const Reply batch = session.Handle(Message{0x01, Utf16LeFromUtf8("SELECT 1 AS eins")});
  EXPECT_TRUE(Contains(Payload(batch), Utf16LeFromUtf8("eins")));
}

// The DONE token with `status` and `rows`.
Bytes Done(std::uint8_t token, std::uint16_t status, std::uint8_t rows) {
  return {token,
          static_cast<std::uint8_t>(status),
          static_cast<std::uint8_t>(status >> 8),
          0,
          0,
          rows,
          0,
          0,
          0,
          0,
          0,
          0,
          0};
}

TEST_F(ClientSessionTest, EveryStatementEndsWithItsOwnDoneInOrder) {
  ClientSession session(server_, mutex_, 51);
  session.Handle(Message{0x10, Login("quelor", "demo", "QUELORTMP1")});
  session.Handle(Message{0x01, Utf16LeFromUtf8("CREATE TABLE T (Nr int NOT NULL PRIMARY KEY)")});
  const Bytes reply = Payload(session.Handle(
      Message{0x01, Utf16LeFromUtf8("INSERT INTO T VALUES (1), (2), (3)\nINSERT INTO T VALUES "
                                    "(1)\nUPDATE T SET Nr = Nr + 10 WHERE Nr > 1\n"
                                    "SELECT Nr FROM T")}));
  // DONE_COUNT|MORE 3, the error 2627, DONE_ERROR|MORE, DONE_COUNT|MORE 2,
  // the result set, and the final DONE_COUNT 3 without MORE.
  const std::vector<Bytes> expected = {Done(0xFD, 0x11, 3), {0xAA}, Done(0xFD, 0x03, 0),
                                       Done(0xFD, 0x11, 2), {0x81}, Done(0xFD, 0x10, 3)};
  auto at = reply.begin();
  for (const Bytes& part : expected) {
    auto found = std::search(at, reply.end(), part.begin(), part.end());
    ASSERT_NE(found, reply.end()) << "token " << int(part[0]) << " at " << (at - reply.begin());
    at = found + static_cast<std::ptrdiff_t>(part.size());
  }
  EXPECT_EQ(at, reply.end()) << "the final DONE ends the reply";
  // Under SET NOCOUNT ON the statement still ends with a DONE, without a count.
  EXPECT_EQ(
      Payload(session.Handle(Message{0x01, Utf16LeFromUtf8("SET NOCOUNT ON\nDELETE FROM T")})),
      Done(0xFD, 0x00, 0));
}

// Whether `reply` holds the `parts` in this order, the last at its very end.
::testing::AssertionResult InOrder(const Bytes& reply, const std::vector<Bytes>& parts) {
  auto at = reply.begin();
  for (const Bytes& part : parts) {
    auto found = std::search(at, reply.end(), part.begin(), part.end());
    if (found == reply.end()) {
      return ::testing::AssertionFailure()
             << "token " << int(part[0]) << " not after " << (at - reply.begin());
    }
    at = found + static_cast<std::ptrdiff_t>(part.size());
  }
  if (at != reply.end())
    return ::testing::AssertionFailure() << (reply.end() - at) << " bytes after the last part";
  return ::testing::AssertionSuccess();
}

// RETURNVALUE of the int OUTPUT parameter @handle, first in its call.
Bytes HandleValue(std::uint8_t handle) {
  Bytes token = {0xAC, 0, 0, 7};
  const Bytes name = Utf16LeFromUtf8("@handle");
  token.insert(token.end(), name.begin(), name.end());
  token.insert(token.end(), {0x01, 0, 0, 0, 0, 0x01, 0, 0x26, 4, 4, handle, 0, 0, 0});
  return token;
}

const Bytes kReturnStatus0 = {0x79, 0, 0, 0, 0};
// Error 8179 in state 4, class 16.
const Bytes kUnknownHandle = {0xF3, 0x1F, 0, 0, 4, 16};

TEST_F(ClientSessionTest, PreparedStatementsByNameAndNumber) {
  ClientSession session(server_, mutex_, 51);
  session.Handle(Message{0x10, Login("quelor", "demo", "QUELORTMP1")});
  session.Handle(
      Message{0x01, Utf16LeFromUtf8("CREATE TABLE T (Nr int NOT NULL, Wann datetime NULL)")});
  const Bytes datetime2 = {0x2A, 7, 8, 0x87, 0x4D, 0x55, 0x46, 0x73, 0xC6, 0x36, 0x0B};
  struct Step {
    const char* what;
    Bytes call;
    std::vector<Bytes> reply;
  };
  const std::vector<Step> steps = {
      {"sp_prepare by number hands back handle 1",
       RpcBuilder(11)
           .Int("@handle", std::nullopt, true)
           .Text("@params", "@P1 int,@P2 datetime2(7)")
           .Text("@stmt", "INSERT INTO T VALUES (@P1, @P2)")
           .bytes(),
       {kReturnStatus0, HandleValue(1), Done(0xFE, 0x00, 0)}},
      {"sp_execute by name runs it",
       RpcBuilder("sp_execute").Int("@handle", 1).Int("@P1", 5).Parameter("@P2", datetime2).bytes(),
       {Done(0xFF, 0x11, 1), kReturnStatus0, Done(0xFE, 0x00, 0)}},
      {"sp_prepexec by number: results, return status, handle 2",
       RpcBuilder(13)
           .Int("@handle", std::nullopt, true)
           .Text("@params", "@P1 int")
           .Text("@stmt", "SELECT Nr, Wann FROM T WHERE Nr = @P1")
           .Int("@P1", 5)
           .bytes(),
       {{0x81}, {0xD1}, Done(0xFF, 0x11, 1), kReturnStatus0, HandleValue(2), Done(0xFE, 0x00, 0)}},
      {"sp_prepexec by name without parameters",
       RpcBuilder("sp_prepexec")
           .Int("@handle", std::nullopt, true)
           .Text("@params", std::nullopt)
           .Text("@stmt", "SELECT COUNT(*) FROM T")
           .bytes(),
       {{0x81}, {0xD1}, Done(0xFF, 0x11, 1), kReturnStatus0, HandleValue(3), Done(0xFE, 0x00, 0)}},
      {"sp_unprepare by name forgets handle 1",
       RpcBuilder("sp_unprepare").Int("@handle", 1).bytes(),
       {kReturnStatus0, Done(0xFE, 0x00, 0)}},
      {"sp_execute by number of the forgotten handle",
       RpcBuilder(12).Int("@handle", 1).Int("@P1", 6).bytes(),
       {{0xAA},
        kUnknownHandle,
        Utf16LeFromUtf8("Could not find prepared statement with handle 1."),
        Done(0xFE, 0x02, 0)}},
      {"sp_unprepare by number of the forgotten handle",
       RpcBuilder(15).Int("@handle", 1).bytes(),
       {{0xAA}, kUnknownHandle, Done(0xFE, 0x02, 0)}},
      {"sp_execute with a value too few",
       RpcBuilder(12).Int("@handle", 2).bytes(),
       {Utf16LeFromUtf8("sp_execute with 1 declared parameters and 0 values"),
        Done(0xFE, 0x02, 0)}},
  };
  for (const Step& step : steps) {
    EXPECT_TRUE(InOrder(Payload(session.Handle(Message{0x03, step.call})), step.reply))
        << step.what;
  }
  // The datetime2 value arrived in the datetime column, rounded to it: one
  // row found.
  EXPECT_TRUE(InOrder(
      Payload(session.Handle(Message{
          0x01, Utf16LeFromUtf8("SELECT Nr FROM T WHERE Wann = '2013-02-20T13:45:10.123'")})),
      {{0xD1}, Done(0xFD, 0x10, 1)}));
  // Handles belong to their connection.
  ClientSession other(server_, mutex_, 52);
  other.Handle(Message{0x10, Login("quelor", "demo", "QUELORTMP1")});
  EXPECT_TRUE(InOrder(
      Payload(other.Handle(Message{0x03, RpcBuilder(12).Int("@handle", 2).Int("@P1", 5).bytes()})),
      {kUnknownHandle, Utf16LeFromUtf8("handle 2."), Done(0xFE, 0x02, 0)}));
}

TEST_F(ClientSessionTest, SeveralCallsInOneMessageAnswerInOrder) {
  ClientSession session(server_, mutex_, 51);
  session.Handle(Message{0x10, Login("quelor", "demo", "QUELORTMP1")});
  const Bytes calls = RpcBuilder(10)
                          .Text("@stmt", "SELECT 1 AS eins")
                          .NextCall(2)  // refused, the next call runs all the same
                          .NextCall("sp_executesql")
                          .Text("@stmt", "SELECT Nichts FROM Nirgends")
                          .NextCall(10)
                          .Text("@stmt", "SELECT @P1 AS zwei")
                          .Text("@params", "@P1 int")
                          .Int("@P1", 2)
                          .bytes();
  EXPECT_TRUE(InOrder(Payload(session.Handle(Message{0x03, calls})),
                      {{0x81},
                       Done(0xFF, 0x11, 1),
                       kReturnStatus0,
                       Done(0xFE, 0x01, 0),
                       Utf16LeFromUtf8("the procedure sp_cursoropen"),
                       Done(0xFE, 0x03, 0),
                       {0xAA},
                       Done(0xFF, 0x03, 0),
                       kReturnStatus0,
                       Done(0xFE, 0x03, 0),
                       Utf16LeFromUtf8("zwei"),
                       {0xD1},
                       Done(0xFF, 0x11, 1),
                       kReturnStatus0,
                       Done(0xFE, 0x00, 0)}));
}

// Cut and corrupted calls of every procedure and date/time type are either
// answered or end the connection with ProtocolError; nothing reads outside
// the message, and the session keeps answering.
TEST_F(ClientSessionTest, CorruptedCallsAreAnsweredOrRefusedNotRead) {
  ClientSession session(server_, mutex_, 51);
  session.Handle(Message{0x10, Login("quelor", "demo", "QUELORTMP1")});
  const Bytes valid =
      RpcBuilder(13)
          .Int("", std::nullopt, true)
          .Text("@params", "@P1 date,@P2 time(7),@P3 datetime2(3),@P4 datetimeoffset(0)")
          .Text("@stmt", "SELECT @P1, @P2, @P3, @P4")
          .Parameter("@P1", {0x28, 3, 0xC6, 0x36, 0x0B})
          .Parameter("@P2", {0x29, 7, 5, 0x87, 0x4D, 0x55, 0x46, 0x73})
          .Parameter("@P3", {0x2A, 3, 7, 0xEB, 0x76, 0xF3, 0x02, 0xC6, 0x36, 0x0B})
          .Parameter("@P4", {0x2B, 0, 8, 0x48, 0x3F, 0x00, 0xC6, 0x36, 0x0B, 0xD4, 0xFE})
          .NextCall(12)
          .Int("", 1)
          .Parameter("@P1", {0x28, 0})
          .Parameter("@P2", {0x29, 7, 0})
          .Parameter("@P3", {0x2A, 3, 0})
          .Parameter("@P4", {0x2B, 0, 0})
          .NextCall(15)
          .Int("", 1)
          .bytes();
  EXPECT_TRUE(InOrder(Payload(session.Handle(Message{0x03, valid})), {{0x81},
                                                                      kReturnStatus0,
                                                                      Done(0xFE, 0x01, 0),
                                                                      {0x81},
                                                                      kReturnStatus0,
                                                                      Done(0xFE, 0x01, 0),
                                                                      kReturnStatus0,
                                                                      Done(0xFE, 0x00, 0)}));
  std::mt19937 random(7);
  for (std::size_t round = 0; round < 600; ++round) {
    Bytes message(valid.begin(),
                  valid.begin() + static_cast<std::ptrdiff_t>(round % (valid.size() + 1)));
    if (round >= valid.size() && !message.empty()) {
      for (int flips = 0; flips < 3; ++flips) {
        message[random() % message.size()] = static_cast<std::uint8_t>(random());
      }
    }
    try {
      session.Handle(Message{0x03, message});
    } catch (const ProtocolError&) {
    }
  }
  EXPECT_TRUE(Contains(Payload(session.Handle(Message{0x01, Utf16LeFromUtf8("SELECT 1 AS eins")})),
                       Utf16LeFromUtf8("eins")));
}

TEST_F(ClientSessionTest, TransactionChangesAreAnnouncedAndEndWithTheClient) {
  // ENVCHANGE 8 with the new descriptor, 9 and 10 with the old one.
  const Bytes descriptor = {0x01, 0x00, 0x00, 0x00, 0x33, 0x00, 0x00, 0x00};
  const auto envchange = [&](std::uint8_t type) {
    Bytes token = {0xE3, 0x0B, 0x00, type};
    const Bytes empty = {0x00};
    const Bytes value = [&] {
      Bytes bytes = {0x08};
      bytes.insert(bytes.end(), descriptor.begin(), descriptor.end());
      return bytes;
    }();
    for (const Bytes* part : type == 8 ? std::vector{&value, &empty} : std::vector{&empty, &value})
      token.insert(token.end(), part->begin(), part->end());
    return token;
  };
  {
    ClientSession session(server_, mutex_, 51);
    session.Handle(Message{0x10, Login("quelor", "demo", "QUELORTMP1")});
    const auto batch = [&](const std::string& text) {
      return Payload(session.Handle(Message{0x01, Utf16LeFromUtf8(text)}));
    };
    EXPECT_TRUE(Contains(batch("BEGIN TRANSACTION\nCREATE TABLE T (A int)"), envchange(8)));
    EXPECT_FALSE(
        Contains(batch("BEGIN TRANSACTION\nCOMMIT TRANSACTION"), {0xE3, 0x0B, 0x00, 0x09}));
    EXPECT_TRUE(Contains(batch("IF @@TRANCOUNT > 0 ROLLBACK TRANSACTION"), envchange(10)));
    EXPECT_EQ(server_.FindDatabase("QUELORTMP1")->FindTable("T"), nullptr);
    batch("BEGIN TRANSACTION\nCREATE TABLE T (A int)");
    EXPECT_NE(server_.FindDatabase("QUELORTMP1")->FindTable("T"), nullptr);
  }
  // The client is gone: its transaction with it.
  EXPECT_EQ(server_.FindDatabase("QUELORTMP1")->FindTable("T"), nullptr);
}

}  // namespace
}  // namespace quelor::tds

namespace quelor::tds {
namespace {

// A client that goes away, with or without a word, gives back its locks.
TEST_F(ClientSessionTest, AClientsApplicationLocksEndWithIt) {
  const sim::AppLockName name{"QUELORTMP1", "PUBLIC", "quelor-update"};
  const std::string take =
      "DECLARE @r int; EXEC @r = sp_getapplock @Resource = 'quelor-update', @LockMode = "
      "'Exclusive', @LockOwner = 'Session', @LockTimeout = 0; SELECT @r";
  auto first = std::make_unique<ClientSession>(server_, mutex_, 51);
  ClientSession second(server_, mutex_, 52);
  for (ClientSession* session : {first.get(), &second}) {
    session->Handle(Message{0x10, Login("quelor", "demo", "QUELORTMP1")});
    session->Handle(Message{0x01, Utf16LeFromUtf8(take)});
  }
  EXPECT_EQ(server_.app_locks().Count(first->session().id, name), 1);
  EXPECT_EQ(server_.app_locks().Count(second.session().id, name), 0);  // it got -1
  first.reset();
  second.Handle(Message{0x01, Utf16LeFromUtf8(take)});
  EXPECT_EQ(server_.app_locks().Count(second.session().id, name), 1);
}

}  // namespace
}  // namespace quelor::tds
