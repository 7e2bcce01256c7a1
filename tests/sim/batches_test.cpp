// How far an error reaches inside a batch, control flow, and constructs the
// simulated server does not implement failing loudly.
#include "sim_fixture.h"

namespace quelor::sim::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;

class BatchTest : public SimTest {
 protected:
  BatchTest() { Run("CREATE TABLE T (Nr int NOT NULL PRIMARY KEY, Text varchar(3) NULL)"); }
  std::string Numbers() {
    std::string out;
    for (const auto& row : Rows("SELECT Nr FROM T ORDER BY Nr")) out += row[0] + " ";
    return out;
  }
};

TEST_F(BatchTest, StatementErrorsLetTheRestOfTheBatchRunAndTheFirstErrorIsReported) {
  const std::string batch =
      "INSERT INTO T VALUES (1, 'a')\n"
      "INSERT INTO T VALUES (1, 'b')\n"         // duplicate key: statement ends
      "INSERT INTO T VALUES (2, 'zu lang')\n"   // truncation: statement ends
      "INSERT INTO T VALUES (3, NULL)\n";
  EXPECT_EQ(NumberOf(batch), 2627);
  EXPECT_EQ(connection_.LastMessages().size(), 2u);
  EXPECT_EQ(Numbers(), "1 3 ");
}

TEST_F(BatchTest, BatchErrorsStopTheBatchAfterWhatAlreadyRan) {
  struct Case {
    const char* breaking_statement;
    int number;
  };
  const Case cases[] = {
      {"SELECT * FROM Fehlt", 208},
      {"UPDATE Fehlt SET Nr = 1", 208},
      {"INSERT INTO T VALUES ('x', 'y')", 245},
      {"SELECT CAST('kein Datum' AS datetime)", 241},
  };
  int next = 10;
  for (const Case& item : cases) {
    Run("DELETE FROM T");
    const std::string batch = "INSERT INTO T VALUES (" + std::to_string(next) + ", 'a')\n" + item.breaking_statement +
                              "\nINSERT INTO T VALUES (" + std::to_string(next + 1) + ", 'b')";
    EXPECT_EQ(NumberOf(batch), item.number) << item.breaking_statement;
    EXPECT_EQ(Numbers(), std::to_string(next) + " ") << item.breaking_statement;
    next += 10;
  }
}

TEST_F(BatchTest, ColumnErrorsOnExistingTablesStopTheBatchBeforeAnythingRuns) {
  // The server binds a batch to the tables as they are before it runs.
  EXPECT_EQ(ErrorOf("INSERT INTO T VALUES (1, 'a')\nUPDATE T SET Fehlt = 1"), "Invalid column name 'Fehlt'.");
  EXPECT_EQ(ErrorOf("INSERT INTO T VALUES (1, 'a')\nSELECT Nr FROM T WHERE Fehlt = 1"), "Invalid column name 'Fehlt'.");
  EXPECT_EQ(ErrorOf("ALTER TABLE T ADD Neu int NULL\nUPDATE T SET Neu = 1"), "Invalid column name 'Neu'.");
  EXPECT_EQ(Numbers(), "");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = 'T'"), "2");
  // A table created in the batch is bound only when its statement runs.
  EXPECT_EQ(ErrorOf("CREATE TABLE N (A int NULL)\nINSERT INTO N (A) VALUES (1)\nINSERT INTO N (B) VALUES (2)\n"
                    "INSERT INTO N (A) VALUES (3)"),
            "Invalid column name 'B'.");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM N"), "1");
}

TEST_F(BatchTest, SyntaxErrorsStopTheBatchBeforeAnythingRuns) {
  EXPECT_EQ(ErrorOf("INSERT INTO T VALUES (1, 'a')\nINSERT INTO T VALUES (2, 'b'"), "Incorrect syntax near 'b'.");
  EXPECT_EQ(Numbers(), "");
}

TEST_F(BatchTest, UnsupportedConstructsFailLoudlyNamingThem) {
  const std::pair<const char*, const char*> cases[] = {
      {"MERGE T USING T AS S ON 1=1 WHEN MATCHED THEN DELETE;", "Unsupported in the simulated server: MERGE statement"},
      {"EXEC sp_who", "Unsupported in the simulated server: EXECUTE statement"},
      {"CREATE VIEW V AS SELECT 1 AS A", "Unsupported in the simulated server: CREATE VIEW"},
      {"CREATE PROCEDURE P AS SELECT 1", "Unsupported in the simulated server: CREATE PROCEDURE"},
      {"SAVE TRANSACTION Punkt", "Unsupported in the simulated server: SAVE TRANSACTION"},
      {"DECLARE c CURSOR FOR SELECT 1", "Incorrect syntax near 'c'."},
      {"DECLARE @c CURSOR", "Unsupported in the simulated server: cursor"},
      {"WITH X AS (SELECT 1 AS A) SELECT * FROM X", "Unsupported in the simulated server: common table expression (WITH)"},
      {"SELECT Nr INTO Kopie FROM T", "Unsupported in the simulated server: SELECT ... INTO"},
      {"TRUNCATE TABLE T", "Unsupported in the simulated server: TRUNCATE TABLE"},
      {"ALTER TABLE T ADD CONSTRAINT CK_T CHECK (Nr > 0)", "Unsupported in the simulated server: CHECK constraint"},
      {"SET XACT_ABORT ON", "Unsupported in the simulated server: SET XACT_ABORT ON"},
      {"SELECT ROW_NUMBER() OVER (ORDER BY Nr) FROM T", "Unsupported in the simulated server: window function (OVER)"},
  };
  for (const auto& [statement, text] : cases) EXPECT_EQ(ErrorOf(statement), text) << statement;
}

TEST_F(BatchTest, GuardedStatementsAndControlFlow) {
  Run("IF NOT EXISTS (SELECT * FROM sysobjects WHERE name = 'T') CREATE TABLE T (A int)\n"
      "ELSE INSERT INTO T VALUES (1, 'da')");
  Run("IF EXISTS (SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME ='Fehlt') DROP TABLE Fehlt");
  Run("DECLARE @i int, @n int\nSET @i = 2\nSET @n = 0\n"
      "WHILE @i < 6 BEGIN\n  INSERT INTO T VALUES (@i, CAST(@i AS varchar)); SET @i = @i + 1; SET @n += 1\nEND\n"
      "IF @n = 4 BEGIN INSERT INTO T VALUES (100, 'ok') END ELSE INSERT INTO T VALUES (200, 'nok')");
  EXPECT_EQ(Numbers(), "1 2 3 4 5 100 ");
  Run("SET NOCOUNT ON; SET ANSI_NULLS ON; SET QUOTED_IDENTIFIER ON; SET ANSI_PADDING ON;"
      "GRANT SELECT ON T TO public");
  EXPECT_EQ(Scalar("/* Kommentar */ SELECT [Text] FROM \"T\" -- Zeilenkommentar\nWHERE Nr = 100;"), "ok");
}

}  // namespace
}  // namespace quelor::sim::testing
