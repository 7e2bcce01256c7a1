// Session-owned application locks on the simulated server: two sessions
// taking turns on one resource, re-entrant grants, refused releases, locks
// that end with their session, and the call forms the server accepts.
#include <map>

#include "sim_fixture.h"

namespace quelor::sim::testing {
namespace {

std::string Get(const std::string& resource) {
  return "EXEC @r = sp_getapplock @Resource = N'" + resource +
         "', @LockMode = 'Exclusive', @LockOwner = 'Session', @LockTimeout = 0";
}
std::string Release(const std::string& resource) {
  return "EXEC @r = sp_releaseapplock @Resource = N'" + resource + "', @LockOwner = 'Session'";
}

class AppLockTest : public SimTest {
 protected:
  AppLockTest() {
    server_.CreateDatabase("Quelor");
    for (const char* name : {"a", "b"}) {
      sessions_.emplace(name, std::make_unique<SimConnection>(server_));
      sessions_[name]->Open(ConnectionText("Quelor"));
    }
  }

  // The return status of `call` on session `who`, or the error it raised
  // after "-999 ".
  std::string Status(const std::string& who, const std::string& call) {
    SimConnection& session = *sessions_.at(who);
    try {
      return quelor::testing::TextRows(
          session.Query("DECLARE @r int; " + call + "; SELECT @r"))[0][0];
    } catch (const db::Error& error) {
      return error.what();
    }
  }

  std::map<std::string, std::unique_ptr<SimConnection>> sessions_;
};

TEST_F(AppLockTest, SessionsTakeTurnsOnOneResource) {
  struct Step {
    const char* who;  // session a or b; "close a" / "reopen b" end that session
    std::string call;
    std::string expected;
  };
  const std::string not_held =
      "Cannot release the application lock (Database Principal: 'public', Resource: "
      "'quelor-update') because it "
      "is not currently held.";
  const std::vector<Step> steps = {
      {"a", Get("quelor-update"), "0"},
      {"b", Get("quelor-update"), "-1"},  // taken; a time-out of 0 does not wait
      {"a", Get("quelor-update"), "0"},   // re-entrant: a now holds it twice
      {"b", Release("quelor-update"), not_held},
      {"a", Release("quelor-update"), "0"},
      {"b", Get("quelor-update"), "-1"},  // a still holds its first grant
      {"a", Release("quelor-update"), "0"},
      {"a", Release("quelor-update"), not_held},
      {"b", Get("quelor-update"), "0"},
      {"a", Get("QUELOR-UPDATE"), "0"},  // resource names compare byte for byte
      {"a", Get("quelor-update"), "-1"},
      {"close b", "", ""},  // the session ends: its lock goes with it
      {"a", Get("quelor-update"), "0"},
      {"reopen a", "", ""},  // a new session on the same connection holds nothing
      {"b", Get("quelor-update"), "0"},
      {"a", Release("quelor-update"), not_held},
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& step = steps[i];
    const std::string who = step.who;
    if (who == "close b") {
      sessions_.at("b")->Close();
      sessions_.at("b")->Open(ConnectionText("Quelor"));
    } else if (who == "reopen a") {
      sessions_.at("a")->Open(ConnectionText("Quelor"));
    } else {
      EXPECT_EQ(Status(who, step.call), step.expected)
          << "step " << i + 1 << ": " << who << " " << step.call;
    }
  }
}

TEST_F(AppLockTest, ALockBelongsToTheDatabaseItWasTakenIn) {
  EXPECT_EQ(Status("a", Get("r")), "0");
  sessions_.at("b")->Execute("USE QUELOR_A");
  EXPECT_EQ(Status("b", Get("r")), "0");
  EXPECT_EQ(Status("b", "USE Quelor; " + Get("r")), "-1");
}

TEST_F(AppLockTest, ALockEndsWithTheConnectionObject) {
  EXPECT_EQ(Status("a", Get("r")), "0");
  sessions_.erase("a");
  EXPECT_EQ(Status("b", Get("r")), "0");
}

TEST_F(AppLockTest, AcceptedCallForms) {
  const std::vector<std::string> calls = {
      "EXEC @r = sp_getapplock @Resource = 'r1', @LockMode = 'Exclusive', @LockOwner = 'Session', "
      "@LockTimeout = 0",
      "EXECUTE @r = dbo.sp_getapplock @LockOwner = N'Session', @LockTimeout = 0, @LockMode = "
      "N'exclusive', "
      "@Resource = N'r2'",
      "EXEC @r = [sys].[sp_getapplock] 'r3', 'Exclusive', 'Session', 0, 'public'",
      "EXEC @r = sp_getapplock 'r4', 'Shared', @LockOwner = 'Session', @DbPrincipal = N'dbo'",
      "DECLARE @name nvarchar(255) = N'r5'; EXEC @r = sp_getapplock @Resource = @name, @LockMode = "
      "'Update', "
      "@LockOwner = 'Session'",
  };
  for (const std::string& call : calls) EXPECT_EQ(Status("a", call), "0") << call;
  EXPECT_EQ(Status("a", "EXEC sp_releaseapplock 'r4', 'Session', 'dbo'; SET @r = 7"), "7");
  EXPECT_EQ(Status("b", Get("r4")), "0");  // released above: no other holder
  // Shared holders share; an exclusive request waits for them.
  EXPECT_EQ(Status("a", "EXEC @r = sp_getapplock 's', 'Shared', 'Session', 0"), "0");
  EXPECT_EQ(Status("b", "EXEC @r = sp_getapplock 's', 'Shared', 'Session', 0"), "0");
  EXPECT_EQ(Status("b", "EXEC @r = sp_getapplock 's', 'Exclusive', 'Session', 0"), "-1");
}

TEST_F(AppLockTest, RefusedCalls) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"EXEC @r = sp_getapplock @Resource = 'r', @LockMode = 'Exclusive'",
       "Unsupported in the simulated server: sp_getapplock with @LockOwner = 'Transaction' "
       "(application locks "
       "owned by a transaction)"},
      {"EXEC @r = sp_getapplock @Resource = 'r', @LockOwner = 'Session'",
       "Procedure or function 'sp_getapplock' expects parameter '@LockMode', which was not "
       "supplied."},
      {"EXEC @r = sp_getapplock @Resource = 'r', @Mode = 'Exclusive'",
       "@Mode is not a parameter for procedure sp_getapplock."},
      {"EXEC @r = sp_getapplock @Resource = 'r', 'Exclusive'",
       "Must pass parameter number 2 and subsequent parameters as '@name = value'. After the form "
       "'@name = value' "
       "has been used, all subsequent parameters must be passed in the form '@name = value'."},
      {"EXEC @r = sp_getapplock 'r', 'Exclusive', 'Session', 0, 'public', 1",
       "Procedure or function sp_getapplock has too many arguments specified."},
      {"EXEC @r = sp_getapplock @Resource = NULL, @LockMode = 'Exclusive', @LockOwner = 'Session'",
       "An invalid application lock resource was passed to sp_getapplock."},
      {"EXEC @r = sp_getapplock @LockMode = 'Exclusive', @LockOwner = 'Session'", "-999"},
      {"EXEC @r = sp_getapplock 'r', 'Everything', 'Session'", "-999"},
      {"EXEC @r = sp_getapplock 'r', 'Exclusive', 'Nobody'", "-999"},
      {"EXEC sp_who", "Unsupported in the simulated server: EXECUTE statement"},
      {"EXEC ('SELECT 1')", "Unsupported in the simulated server: EXECUTE statement"},
      {"EXEC @r = master.dbo.sp_getapplock 'r', 'Exclusive', 'Session'",
       "Unsupported in the simulated server: EXECUTE statement"},
  };
  for (const auto& [call, expected] : cases) EXPECT_EQ(Status("a", call), expected) << call;
  // Waiting for another session is beyond a server that runs one request at a time.
  EXPECT_EQ(Status("b", Get("w")), "0");
  EXPECT_EQ(
      Status("a", "EXEC @r = sp_getapplock 'w', 'Exclusive', 'Session', 5000"),
      "Unsupported in the simulated server: sp_getapplock waiting for a lock another session holds "
      "(@LockTimeout other than 0)");
}

}  // namespace
}  // namespace quelor::sim::testing
