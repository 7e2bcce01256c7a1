// Tables that batches leave equal in two databases share their rows; a
// change to either must never show in the other.
#include "sim/catalog/row_sharing.h"

#include "sim_fixture.h"

namespace quelor::sim::testing {
namespace {

class RowSharingTest : public SimTest {
 protected:
  RowSharingTest() { server_.CreateDatabase("QUELOR_B"); }

  // The same 200-row list in both databases, each built by batches of its own.
  void BuildListIn(const std::string& database) {
    Run("USE " + database);
    Run("CREATE TABLE Liste (Nr int NOT NULL PRIMARY KEY, Name varchar(20) NULL)");
    Run("DECLARE @i int SET @i = 0 WHILE @i < 200 BEGIN"
        " INSERT INTO Liste VALUES (@i, 'Eintrag ' + CAST(@i AS varchar(10))) SET @i = @i + 1 END");
  }

  const Table& ListIn(const std::string& database) {
    return *server_.FindDatabase(database)->FindTable("Liste");
  }
  bool Shared() { return ListIn("QUELOR_A").rows.SameVector(ListIn("QUELOR_B").rows); }
  std::vector<std::vector<std::string>> Contents(const std::string& database) {
    return Rows("SELECT * FROM " + database + ".dbo.Liste ORDER BY Nr");
  }
};

TEST_F(RowSharingTest, EqualListsShareUntilEitherChanges) {
  struct Case {
    const char* what;
    const char* change;         // run in QUELOR_A
    const char* changed_count;  // COUNT(*) of QUELOR_A's list afterwards
  };
  const Case cases[] = {
      {"update", "UPDATE Liste SET Name = 'anders' WHERE Nr = 5", "200"},
      {"delete", "DELETE FROM Liste WHERE Nr < 10", "190"},
      {"insert", "INSERT INTO Liste VALUES (500, 'neu')", "201"},
      {"add column", "ALTER TABLE Liste ADD Extra int NOT NULL DEFAULT 7", "200"},
      {"drop column", "ALTER TABLE Liste DROP COLUMN Name", "200"},
      {"update in a rolled back transaction",
       "BEGIN TRAN UPDATE Liste SET Name = NULL DELETE FROM Liste WHERE Nr > 3 ROLLBACK", "200"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    BuildListIn("QUELOR_A");
    BuildListIn("QUELOR_B");
    ASSERT_TRUE(Shared());
    const auto before = Contents("QUELOR_B");
    Run("USE QUELOR_A");
    Run(c.change);
    EXPECT_EQ(Contents("QUELOR_B"), before);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM QUELOR_A.dbo.Liste"), c.changed_count);
    Run("DROP TABLE QUELOR_A.dbo.Liste");
    EXPECT_EQ(Contents("QUELOR_B"), before);
    Run("DROP TABLE QUELOR_B.dbo.Liste");
  }
}

TEST_F(RowSharingTest, AnUpdateOfSharedRowsKeepsTheRowsItLeavesAlone) {
  BuildListIn("QUELOR_A");
  BuildListIn("QUELOR_B");
  ASSERT_TRUE(Shared());
  auto expected = Contents("QUELOR_B");
  for (std::size_t nr = 0; nr < expected.size(); nr += 3) expected[nr][1] = "anders";
  Run("UPDATE QUELOR_A.dbo.Liste SET Name = 'anders' WHERE Nr % 3 = 0");
  EXPECT_EQ(Contents("QUELOR_A"), expected);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM QUELOR_B.dbo.Liste WHERE Name = 'anders'"), "0");
}

TEST_F(RowSharingTest, AChangeOfTheSecondLeavesTheFirstAlone) {
  BuildListIn("QUELOR_A");
  BuildListIn("QUELOR_B");
  ASSERT_TRUE(Shared());
  Run("UPDATE QUELOR_B.dbo.Liste SET Name = 'zweite' WHERE Nr = 199");
  EXPECT_EQ(Scalar("SELECT Name FROM QUELOR_A.dbo.Liste WHERE Nr = 199"), "Eintrag 199");
  EXPECT_EQ(Scalar("SELECT Name FROM QUELOR_B.dbo.Liste WHERE Nr = 199"), "zweite");
  // Made equal again, they share again.
  Run("UPDATE QUELOR_B.dbo.Liste SET Name = 'Eintrag 199' WHERE Nr = 199");
  EXPECT_TRUE(Shared());
}

TEST_F(RowSharingTest, TablesEqualOnlyInsideATransactionGoBackApartOnRollback) {
  BuildListIn("QUELOR_A");
  BuildListIn("QUELOR_B");
  Run("UPDATE QUELOR_A.dbo.Liste SET Name = 'eigen' WHERE Nr = 0");
  ASSERT_FALSE(Shared());
  Run("BEGIN TRAN");
  Run("UPDATE QUELOR_A.dbo.Liste SET Name = 'Eintrag 0' WHERE Nr = 0");
  EXPECT_TRUE(Shared());
  Run("ROLLBACK");
  EXPECT_EQ(Scalar("SELECT Name FROM QUELOR_A.dbo.Liste WHERE Nr = 0"), "eigen");
  EXPECT_EQ(Scalar("SELECT Name FROM QUELOR_B.dbo.Liste WHERE Nr = 0"), "Eintrag 0");
}

TEST_F(RowSharingTest, OnlyTablesStoredAlikeShare) {
  BuildListIn("QUELOR_A");
  BuildListIn("QUELOR_B");
  // Equal for the server's comparison, but stored otherwise.
  Run("UPDATE QUELOR_B.dbo.Liste SET Name = 'EINTRAG 7' WHERE Nr = 7");
  EXPECT_FALSE(Shared());
  EXPECT_EQ(Scalar("SELECT Name FROM QUELOR_A.dbo.Liste WHERE Nr = 7"), "Eintrag 7");
  // The same rows under another column type.
  Run("DROP TABLE QUELOR_B.dbo.Liste");
  Run("CREATE TABLE QUELOR_B.dbo.Liste (Nr int NOT NULL PRIMARY KEY, Name varchar(30) NULL)");
  Run("INSERT INTO QUELOR_B.dbo.Liste SELECT Nr, Name FROM QUELOR_A.dbo.Liste");
  EXPECT_FALSE(Shared());
}

TEST_F(RowSharingTest, ALaterEqualTableSharesWhenAnEarlierOneDiffersInOneRow) {
  server_.CreateDatabase("QUELOR_C");
  server_.CreateDatabase("QUELOR_D");
  for (const char* database : {"QUELOR_B", "QUELOR_C", "QUELOR_D"}) BuildListIn(database);
  // B and C differ from D in one row the sample rows do not look at; C
  // differs only in case, equal for the server's comparison.
  Run("UPDATE QUELOR_B.dbo.Liste SET Name = 'anders' WHERE Nr = 7");
  Run("UPDATE QUELOR_C.dbo.Liste SET Name = 'EINTRAG 7' WHERE Nr = 7");
  BuildListIn("QUELOR_A");
  const Table& list_a = ListIn("QUELOR_A");
  EXPECT_FALSE(list_a.rows.SameVector(ListIn("QUELOR_B").rows));
  EXPECT_FALSE(list_a.rows.SameVector(ListIn("QUELOR_C").rows));
  EXPECT_TRUE(list_a.rows.SameVector(ListIn("QUELOR_D").rows));
}

}  // namespace
}  // namespace quelor::sim::testing
