// A large batch that comes again is run from the statements parsed the
// first time: on every database it must still find that database's tables
// as they are now, and a refused text must be refused every time.
#include "sim/execution/parsed_batches.h"

#include <string>

#include "sim_fixture.h"

namespace quelor::sim::testing {
namespace {

// A load as the update sends it: many one-row INSERTs, then a correlated
// UPDATE whose column references are bound while it runs.
std::string LoadBatch(int rows) {
  std::string batch;
  for (int n = 1; n <= rows; ++n) {
    batch += "insert into Ziel (Nr, Name) values(" + std::to_string(n) + ", 'Zeile " +
             std::to_string(n) + "')\r\n";
  }
  batch +=
      "UPDATE Ziel SET Name = (SELECT TOP 1 UPPER(z.Name) FROM Ziel z WHERE z.Nr = Ziel.Nr) "
      "WHERE Nr < 3\r\n";
  return batch;
}

TEST_F(SimTest, AKeptBatchFindsTheTablesOfEachDatabase) {
  const std::string batch = LoadBatch(1500);
  ASSERT_GE(batch.size(), execution::kMinKeptBatchBytes);
  server_.CreateDatabase("QUELOR_B");
  Run("CREATE TABLE Ziel (Nr int NOT NULL CONSTRAINT PK_Ziel PRIMARY KEY, Name varchar(20) NULL)");
  Run("USE QUELOR_B");
  // The same columns in another order, and one more.
  Run("CREATE TABLE Ziel (Extra int NULL DEFAULT 7, Name varchar(20) NULL, "
      "Nr int NOT NULL PRIMARY KEY)");
  Run(batch);
  Run("USE QUELOR_A");
  Run(batch);
  for (const char* database : {"QUELOR_A", "QUELOR_B"}) {
    const std::string table = std::string(database) + ".dbo.Ziel";
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM " + table), "1500") << database;
    EXPECT_EQ(Rows("SELECT Nr, Name FROM " + table + " WHERE Nr IN (1, 2, 3, 1500) ORDER BY Nr"),
              (std::vector<std::vector<std::string>>{
                  {"1", "ZEILE 1"}, {"2", "ZEILE 2"}, {"3", "Zeile 3"}, {"1500", "Zeile 1500"}}))
        << database;
  }
  EXPECT_EQ(Scalar("SELECT MIN(Extra) FROM QUELOR_B.dbo.Ziel"), "7");
  // Run again, each row is refused as a duplicate; a column dropped in
  // between is missed where it is used.
  EXPECT_EQ(NumberOf(batch), 2627);
  Run("ALTER TABLE Ziel DROP CONSTRAINT PK_Ziel");
  Run("ALTER TABLE Ziel DROP COLUMN Name");
  EXPECT_EQ(NumberOf(batch), 207);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM Ziel"), "1500");
}

TEST_F(SimTest, AKeptBatchTextIsNotTakenForAnother) {
  Run("CREATE TABLE Ziel (Nr int NOT NULL PRIMARY KEY, Name varchar(20) NULL)");
  const std::string batch = LoadBatch(1500);
  // The same length, one byte different at the end: "WHERE Nr < 2".
  std::string other = batch;
  other[other.size() - 3] = '2';
  const std::string broken = batch + "insert into Ziel (Nr, Name) values(";
  for (int run = 0; run < 2; ++run) {
    EXPECT_EQ(NumberOf(broken), 102) << run;
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM Ziel"), "0") << run;
  }
  Run(batch);
  Run("DELETE FROM Ziel");
  Run(other);
  EXPECT_EQ(Rows("SELECT Name FROM Ziel WHERE Nr IN (1, 2) ORDER BY Nr"),
            (std::vector<std::vector<std::string>>{{"ZEILE 1"}, {"Zeile 2"}}));
}

}  // namespace
}  // namespace quelor::sim::testing
