// One-time groups on a scripted connection: when the group's transaction is
// begun, committed and rolled back, and which failures end the run inside a
// group.
#include "db/all_or_nothing.h"

#include <gtest/gtest.h>

#include "db/toolkit.h"
#include "support/recording_view.h"
#include "support/scripted_connection.h"

namespace quelor::db {
namespace {

using testing::Column;
using testing::RecordingView;
using testing::ScriptedConnection;
using testing::Transcript;

using Lines = std::vector<std::string>;

class AllOrNothingTest : public ::testing::Test {
 protected:
  Lines Sent() const { return transcript.With("w execute "); }
  Lines Dialogs() const { return transcript.With("dialog "); }
  void ServerKeepsTransaction(bool kept) {
    conn.Answer("@@TRANCOUNT", Column("TranCount", {kept ? "1" : "0"}));
  }

  Transcript transcript;
  ScriptedConnection conn{transcript, "w"};
  RecordingView view{transcript};
  std::string database = "QUELOR_A";
  Toolkit kit{conn, database, view};
};

TEST_F(AllOrNothingTest, AGroupThatFindsEverythingDoneSendsNoTransaction) {
  conn.Answer("Column_Name='Kn5a'", Column("COLUMN_NAME", {"Kn5a"}));
  kit.AllOrNothing([&] {
    kit.AddField("EINST", "Kn5a", "int", "", "Null");
    if (kit.ColumnAddedFlag()) kit.Exec(Policy::kUnguarded, "UPDATE EINST SET Kn5a=0");
  });
  EXPECT_TRUE(Sent().empty());
}

TEST_F(AllOrNothingTest, TheTransactionBeginsAtTheFirstChangeAndInnerGroupsBelongToTheOuter) {
  kit.AllOrNothing([&] {
    kit.Select("SELECT 1");
    kit.Exec(Policy::kUnguarded, "UPDATE A SET X=1");
    kit.AllOrNothing([&] { kit.Exec(Policy::kUnguarded, "UPDATE B SET Y=2"); });
    kit.Exec(Policy::kUnguarded, "UPDATE C SET Z=3");
  });
  kit.Exec(Policy::kUnguarded, "UPDATE D SET W=4");
  EXPECT_EQ(Sent(), (Lines{"w execute BEGIN TRANSACTION", "w execute UPDATE A SET X=1",
                           "w execute UPDATE B SET Y=2", "w execute UPDATE C SET Z=3",
                           "w execute COMMIT TRANSACTION", "w execute UPDATE D SET W=4"}));
  EXPECT_EQ(transcript.lines.front(), "w query SELECT 1");
}

TEST_F(AllOrNothingTest, AFailureThatEndsTheRunRollsTheGroupBack) {
  conn.Fail("UPDATE B", "Invalid object name 'B'.");
  EXPECT_THROW(kit.AllOrNothing([&] {
    kit.Exec(Policy::kUnguarded, "UPDATE A SET X=1");
    kit.Exec(Policy::kUnguarded, "UPDATE B SET Y=2");
    kit.Exec(Policy::kUnguarded, "UPDATE C SET Z=3");
  }),
               Error);
  EXPECT_EQ(Sent(), (Lines{"w execute BEGIN TRANSACTION", "w execute UPDATE A SET X=1",
                           "w execute UPDATE B SET Y=2",
                           "w execute IF @@TRANCOUNT > 0 ROLLBACK TRANSACTION"}));
  // The next group starts a transaction of its own.
  transcript.lines.clear();
  kit.AllOrNothing([&] { kit.Exec(Policy::kUnguarded, "UPDATE D SET W=4"); });
  EXPECT_EQ(Sent().front(), "w execute BEGIN TRANSACTION");
}

TEST_F(AllOrNothingTest, AFailureLetPassGoesOnOnlyWhileTheServerKeepsTheTransaction) {
  for (const bool kept : {true, false}) {
    SCOPED_TRACE(kept ? "kept" : "rolled back by the server");
    transcript.lines.clear();
    ServerKeepsTransaction(kept);
    conn.Fail("UPDATE B",
              "Conversion failed when converting the varchar value 'x' to data type int.");
    auto group = [&] {
      kit.AllOrNothing([&] {
        kit.Exec(Policy::kUnguarded, "UPDATE A SET X=1");
        kit.Exec(Policy::kWarning, "UPDATE B SET Y='x'");
        kit.Exec(Policy::kUnguarded, "UPDATE C SET Z=3");
      });
    };
    if (kept) {
      group();
      EXPECT_EQ(Sent().back(), "w execute COMMIT TRANSACTION");
      EXPECT_EQ(Sent().size(), 5u);
    } else {
      // Without its beginning the rest of the group must not reach the server.
      EXPECT_THROW(group(), Error);
      EXPECT_EQ(Sent().back(), "w execute IF @@TRANCOUNT > 0 ROLLBACK TRANSACTION");
      EXPECT_EQ(Sent().size(), 4u);
    }
    EXPECT_EQ(Dialogs().size(), 1u);
  }
}

TEST_F(AllOrNothingTest, ALostConnectionEndsTheRunWhateverThePolicy) {
  for (const Policy policy :
       {Policy::kIgnored, Policy::kWarning, Policy::kError, Policy::kMessage}) {
    SCOPED_TRACE(std::string(PolicyName(policy)));
    transcript.lines.clear();
    ScriptedConnection lost{transcript, "w"};
    lost.Fail("UPDATE", "Communication link failure", "08S01");
    Toolkit toolkit{lost, database, view};
    EXPECT_THROW(toolkit.Exec(policy, "UPDATE A SET X=1"), Error);
    EXPECT_TRUE(Dialogs().empty());
  }
}

TEST_F(AllOrNothingTest, ABeginThatTheServerRefusesIsNoStepFailure) {
  conn.Fail("BEGIN TRANSACTION", "The server refuses transactions.");
  // Not a db::Error: no policy of the step may take it for the step's own
  // failure and skip the group unseen.
  EXPECT_THROW(kit.AllOrNothing([&] { kit.Exec(Policy::kIgnored, "UPDATE A SET X=1"); }),
               std::runtime_error);
  EXPECT_EQ(Sent(), (Lines{"w execute BEGIN TRANSACTION"}));
}

}  // namespace
}  // namespace quelor::db
