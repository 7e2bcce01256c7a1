// Transactions of the simulated server: what a rollback undoes (rows and
// schema, in their order, with the identity gap left), nesting and
// @@TRANCOUNT, which errors end the transaction, the end of a session, and
// the refusal of what another session's open transaction holds.
#include "sim/catalog/transactions.h"

#include "sim/snapshot/snapshot.h"
#include "sim_fixture.h"

namespace quelor::sim::testing {
namespace {

// The texts the update tool sends.
constexpr const char* kBegin = "BEGIN TRANSACTION";
constexpr const char* kCommit = "COMMIT TRANSACTION";
constexpr const char* kRollbackIfOpen = "IF @@TRANCOUNT > 0 ROLLBACK TRANSACTION";
constexpr const char* kTranCount = "SELECT @@TRANCOUNT AS TranCount";

class TransactionTest : public SimTest {
 protected:
  TransactionTest() {
    Run("CREATE TABLE Vorher (A int NULL)\n"
        "CREATE TABLE T (Nr int IDENTITY(1,1) NOT NULL PRIMARY KEY, Text varchar(5) NULL)\n"
        "CREATE TABLE Kind (Nr int NOT NULL REFERENCES T (Nr) ON DELETE CASCADE)\n"
        "CREATE TABLE Nachher (B int NULL)\n"
        "INSERT INTO T (Text) VALUES ('a'), ('b')\nINSERT INTO Kind VALUES (1), (2)\n"
        "CREATE FUNCTION dbo.Eins() RETURNS int AS BEGIN RETURN 1 END");
  }

  std::string Count() { return Scalar(kTranCount); }

  // The tables in creation order and the columns of T in order.
  std::string Shape() {
    std::string shape;
    for (const auto& table : server_.FindDatabase("QUELOR_A")->tables()) shape += table->name + " ";
    shape += "|";
    for (const auto& row :
         Rows("SELECT COLUMN_NAME FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = 'T' "
              "ORDER BY ORDINAL_POSITION")) {
      shape += " " + row[0];
    }
    return shape;
  }

  std::string Texts() {
    std::string texts;
    for (const auto& row : Rows("SELECT Nr, Text FROM T ORDER BY Nr"))
      texts += row[0] + row[1] + " ";
    return texts;
  }
};

TEST_F(TransactionTest, RollbackUndoesDataAndSchemaInTheirOrder) {
  const std::string shape = Shape();
  const std::string before = SnapshotText(server_);
  Run(std::string(kBegin) + "\nALTER TABLE T ADD Neu int NULL");
  Run("INSERT INTO T (Text, Neu) VALUES ('c', 7)\nUPDATE T SET Text = Text + 'x'\n"
      "DELETE FROM T WHERE Nr = 2\n"  // cascades to Kind
      "DROP TABLE Vorher\nCREATE TABLE Neu (C int NULL)\nINSERT INTO Neu VALUES (1)\n"
      "CREATE UNIQUE INDEX IX_Neu ON T (Nr, Neu)\nALTER TABLE T DROP COLUMN Text\n"
      "DROP FUNCTION dbo.Eins\nCREATE FUNCTION dbo.Zwei() RETURNS int AS BEGIN RETURN 2 END");
  EXPECT_EQ(Count(), "1");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM Kind"), "1");
  Run(kRollbackIfOpen);
  EXPECT_EQ(Count(), "0");
  EXPECT_EQ(Shape(), shape);
  EXPECT_EQ(Texts(), "1a 2b ");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM Kind"), "2");
  EXPECT_EQ(Scalar("SELECT dbo.Eins()"), "1");
  EXPECT_EQ(ErrorOf("SELECT dbo.Zwei()"),
            "Cannot find either column \"Zwei\" or the user-defined function or "
            "aggregate \"dbo.Zwei\", or the name is ambiguous.");
  // Everything as before but the identity value handed out inside the
  // transaction, which stays used.
  std::string expected = before;
  const std::size_t identity = expected.find("\"current\":2");
  ASSERT_NE(identity, std::string::npos);
  expected.replace(identity, 11, "\"current\":3");
  EXPECT_EQ(SnapshotText(server_), expected);
  Run("INSERT INTO T (Text) VALUES ('d')");
  EXPECT_EQ(Texts(), "1a 2b 4d ");
  // Unique keys and lookups see the restored rows.
  EXPECT_EQ(NumberOf("INSERT INTO Kind VALUES (3)"), 547);
  EXPECT_EQ(NumberOf("SET IDENTITY_INSERT T ON\nINSERT INTO T (Nr, Text) VALUES (2, 'y')"), 2627);
}

TEST_F(TransactionTest, RollbackUndoesTheFirstChangeOfAnyKind) {
  const std::string before = SnapshotText(server_);
  for (const char* change :
       {"CREATE TABLE Neu (A int NULL)",
        "CREATE FUNCTION dbo.Zwei() RETURNS int AS BEGIN RETURN 2 END", "DROP TABLE Nachher",
        "DROP FUNCTION dbo.Eins", "CREATE INDEX IX_Text ON T (Text)",
        "ALTER FUNCTION dbo.Eins() RETURNS int AS BEGIN RETURN 3 END", "DELETE FROM Kind"}) {
    Run(std::string(kBegin) + "\n" + change + "\nROLLBACK");
    EXPECT_EQ(SnapshotText(server_), before) << change;
  }
}

TEST_F(TransactionTest, CommitKeepsTheWorkOnlyAtTheOutermostLevel) {
  Run(std::string(kBegin) + "\nINSERT INTO T (Text) VALUES ('c')\n" + kBegin +
      "\nALTER TABLE T ADD Neu int NULL");
  EXPECT_EQ(Count(), "2");
  Run(kCommit);
  EXPECT_EQ(Count(), "1");
  Run("ROLLBACK");  // undoes the inner, committed level too
  EXPECT_EQ(Count(), "0");
  EXPECT_EQ(Texts(), "1a 2b ");
  Run("BEGIN TRAN Schritt\nINSERT INTO T (Text) VALUES ('c')\nCOMMIT WORK");
  Run(kRollbackIfOpen);  // nothing open: nothing happens
  EXPECT_EQ(Texts(), "1a 2b 4c ");
}

TEST_F(TransactionTest, CommitOrRollbackWithoutTransactionEndOnlyTheStatement) {
  EXPECT_EQ(ErrorOf("COMMIT TRANSACTION\nINSERT INTO T (Text) VALUES ('c')"),
            "The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION.");
  EXPECT_EQ(ErrorOf("ROLLBACK TRANSACTION\nINSERT INTO T (Text) VALUES ('d')"),
            "The ROLLBACK TRANSACTION request has no corresponding BEGIN TRANSACTION.");
  EXPECT_EQ(NumberOf("ROLLBACK"), 3903);
  EXPECT_EQ(Texts(), "1a 2b 3c 4d ");
}

TEST_F(TransactionTest, ConversionFailuresRollBackOtherErrorsLeaveTheTransactionOpen) {
  struct Case {
    const char* failing;
    int number;
    const char* count_after;
  };
  const Case cases[] = {
      {"INSERT INTO T (Text) VALUES ('c')\nSELECT CAST('x' AS int)", 245, "0"},
      {"INSERT INTO T (Text) VALUES ('c')\nSELECT CAST('kein Datum' AS datetime)", 241, "0"},
      {"INSERT INTO T (Text) VALUES ('c')\nSELECT * FROM Fehlt", 208, "1"},
      {"INSERT INTO T (Text) VALUES ('c')\nSELECT Fehlt FROM T", 207, "1"},
      {"INSERT INTO T (Text) VALUES ('c')\nSET IDENTITY_INSERT T ON\nINSERT INTO T (Nr, Text) "
       "VALUES (1, 'x')",
       2627, "1"},
      {"INSERT INTO T (Text) VALUES ('c')\nINSERT INTO T (Text) VALUES ('zu lang')", 2628, "1"},
      {"INSERT INTO T (Text) VALUES ('c')\nMERGE T USING T AS S ON 1=1 WHEN MATCHED THEN DELETE;",
       50000, "1"},
      {"INSERT INTO T (Text) VALUES ('c')\nCREATE DATABASE Neu", 226, "1"},
  };
  for (const Case& test : cases) {
    Run(kBegin);
    EXPECT_EQ(NumberOf(test.failing), test.number) << test.failing;
    EXPECT_EQ(Count(), test.count_after) << test.failing;
    Run(kRollbackIfOpen);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM T WHERE Text = 'c'"), "0") << test.failing;
    Run("SET IDENTITY_INSERT T OFF");
  }
  EXPECT_EQ(ErrorOf("BEGIN TRAN\nDROP DATABASE QUELOR_A"),
            "DROP DATABASE statement not allowed within multi-statement transaction.");
  Run("ROLLBACK");
  EXPECT_EQ(ErrorOf("ALTER DATABASE QUELOR_A SET RECOVERY SIMPLE"),
            "Unsupported in the simulated server: ALTER DATABASE");
}

TEST_F(TransactionTest, EndOfASessionRollsItsTransactionBack) {
  const auto in_other_session = [&](const std::function<void(SimConnection&)>& end) {
    SimConnection other(server_);
    other.Open(ConnectionText("QUELOR_A"));
    other.Execute(std::string(kBegin) +
                  "\nINSERT INTO T (Text) VALUES ('c')\nCREATE TABLE Weg (A int NULL)");
    end(other);
  };
  in_other_session([](SimConnection& other) { other.Close(); });
  in_other_session([](SimConnection&) {});  // destructor
  in_other_session([](SimConnection& other) { other.Open(ConnectionText("master")); });
  EXPECT_EQ(Texts(), "1a 2b ");
  EXPECT_EQ(NumberOf("SELECT * FROM Weg"), 208);
  EXPECT_FALSE(server_.transactions().AnyOpen());
}

TEST_F(TransactionTest, WhatAnotherOpenTransactionChangedIsRefusedNotWaitedFor) {
  SimConnection other(server_);
  other.Open(ConnectionText("QUELOR_A"));
  other.Execute(std::string(kBegin) + "\nUPDATE T SET Text = 'x' WHERE Nr = 1");
  const std::string held =
      "Unsupported in the simulated server: dbo.T in QUELOR_A is changed by another session's open "
      "transaction; the "
      "real server would wait for it";
  EXPECT_EQ(ErrorOf("SELECT * FROM T"), held);
  EXPECT_EQ(ErrorOf("INSERT INTO Kind VALUES (1)"), held);  // checks its key in T
  EXPECT_EQ(ErrorOf("SELECT * FROM Nachher"), "(no error)");
  EXPECT_EQ(ErrorOf("SELECT name FROM sysobjects"), "(no error)");
  other.Execute("CREATE TABLE Neu (A int NULL)");
  EXPECT_EQ(ErrorOf("SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLES"),
            "Unsupported in the simulated server: the catalogue of QUELOR_A is changed by another "
            "session's open "
            "transaction; the real server would wait for it");
  // The session itself sees its own changes.
  EXPECT_EQ(quelor::testing::TextRows(other.Query("SELECT Text FROM T WHERE Nr = 1"))[0][0], "x");
  other.Execute(kCommit);
  EXPECT_EQ(Texts(), "1x 2b ");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME = 'Neu'"), "1");
}

TEST_F(TransactionTest, CommittedStateLeavesOpenWorkAsideAndPutsItBack) {
  const std::string committed = SnapshotText(server_);
  Run(std::string(kBegin) +
      "\nINSERT INTO T (Text) VALUES ('c')\nDROP TABLE Nachher\nCREATE TABLE Neu (A int NULL)");
  std::string seen;
  server_.transactions().WithCommittedState([&] { seen = SnapshotText(server_); });
  EXPECT_EQ(seen, committed);
  EXPECT_EQ(Texts(), "1a 2b 3c ");
  EXPECT_EQ(NumberOf("SELECT * FROM Nachher"), 208);
  Run(kCommit);
  EXPECT_EQ(Texts(), "1a 2b 3c ");
}

}  // namespace
}  // namespace quelor::sim::testing
