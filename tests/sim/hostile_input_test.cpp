// What a client may send that the server must survive: text nested or
// chained deeper than any stack holds is refused with 191 and ends only its
// batch; the session goes on.
#include <functional>

#include "sim/parser/parser.h"
#include "sim/snapshot/snapshot.h"
#include "sim_fixture.h"

namespace quelor::sim::testing {
namespace {

std::string Repeat(std::string_view piece, int count) {
  std::string text;
  text.reserve(piece.size() * static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) text += piece;
  return text;
}

// "x OP x OP x ...", `count` operands.
std::string ChainOf(std::string_view operand, std::string_view op, int count) {
  std::string text(operand);
  for (int i = 1; i < count; ++i) text.append(op).append(operand);
  return text;
}

class HostileInputTest : public SimTest {
 protected:
  HostileInputTest() {
    Run("CREATE TABLE dbo.T (Nr int NULL)");
    Run("INSERT INTO T VALUES (1)");
  }
};

TEST_F(HostileInputTest, TextNestedTooDeeplyIsRefusedAndTheSessionGoesOn) {
  const int deep = 20000;
  const std::string cases[] = {
      "SELECT " + Repeat("(", deep) + "1" + Repeat(")", deep),
      "SELECT Nr FROM T WHERE " + ChainOf("Nr = 1", " OR ", deep),
      "SELECT Nr FROM T WHERE " + ChainOf("Nr = 1", " AND ", deep),
      "SELECT " + ChainOf("1", " + ", deep),
      "SELECT " + ChainOf("2", " * ", deep),
      "SELECT " + Repeat("- ", deep) + "Nr FROM T",
      "SELECT " + Repeat("~", deep) + "Nr FROM T",
      "SELECT Nr FROM T WHERE " + Repeat("NOT ", deep) + "Nr = 2",
      ChainOf("SELECT 1", " UNION ALL ", deep),
      "SELECT 1 FROM " + ChainOf("T", " CROSS JOIN ", deep),
      "SELECT 1 WHERE EXISTS (" + Repeat("SELECT 1 WHERE EXISTS (", deep) + "SELECT 1" +
          Repeat(")", deep) + ")",
      Repeat("IF 1 = 1 BEGIN ", deep) + "SELECT 1" + Repeat(" END", deep),
      "SELECT " + Repeat("ISNULL(", deep) + "1" + Repeat(", 0)", deep),
      "SELECT " + Repeat("CASE WHEN 1 = 1 THEN ", deep) + "1" + Repeat(" END", deep),
  };
  for (const std::string& sql : cases) {
    EXPECT_EQ(ErrorOf(sql),
              "Some part of your SQL statement is nested too deeply. Rewrite the query or break it "
              "up into smaller "
              "queries.")
        << sql.substr(0, 60);
    EXPECT_EQ(Scalar("SELECT Nr FROM T"), "1");
  }
}

TEST_F(HostileInputTest, AnUnclosedLiteralAfterTooDeepNestingIsRefusedAsUnclosed) {
  const std::string sql = "SELECT " + Repeat("(", 600) + "1" + Repeat(")", 600) + " SELECT [offen";
  EXPECT_EQ(ErrorOf(sql), "Unclosed quotation mark after the character string 'offen'.");
}

bool TooDeep(const std::string& sql) {
  try {
    parser::ParseBatch(sql);
  } catch (const SqlError& error) {
    return error.number() == 191;
  }
  return false;
}

// The deepest text of a shape the parser still takes: whatever it takes must
// also run within the stack (the suite runs under the address sanitizer too,
// whose frames are several times larger).
std::string DeepestAccepted(const std::function<std::string(int)>& shape) {
  int low = 1, high = parser::kMaxNesting + 1;  // shape(low) is taken, shape(high) refused
  while (high - low > 1) {
    const int middle = (low + high) / 2;
    (TooDeep(shape(middle)) ? high : low) = middle;
  }
  return shape(low);
}

TEST_F(HostileInputTest, TheDeepestTextTheParserTakesRuns) {
  const std::function<std::string(int)> shapes[] = {
      [](int n) { return "SELECT " + Repeat("(", n) + "Nr" + Repeat(")", n) + " FROM T"; },
      [](int n) { return "SELECT COUNT(*) FROM T WHERE " + ChainOf("Nr = 1", " OR ", n); },
      [](int n) { return "SELECT Nr FROM T WHERE " + ChainOf("Nr + 1", " + ", n) + " > 0"; },
      [](int n) { return "SELECT " + Repeat("ISNULL(", n) + "Nr" + Repeat(", 0)", n) + " FROM T"; },
      [](int n) {
        return "SELECT " + Repeat("CASE WHEN Nr = 1 THEN ", n) + "1" + Repeat(" END", n) +
               " FROM T";
      },
      [](int n) {
        return "SELECT 1 FROM T WHERE EXISTS (" + Repeat("SELECT 1 FROM T WHERE EXISTS (", n) +
               "SELECT 1" + Repeat(")", n) + ")";
      },
      [](int n) {
        return "SELECT Nr FROM " + Repeat("(SELECT Nr FROM ", n) + "T" + Repeat(") D", n);
      },
      [](int n) { return Repeat("IF 1 = 1 BEGIN ", n) + "SELECT 1" + Repeat(" END", n); },
      [](int n) {
        return "UPDATE T SET Nr = " + Repeat("(", n) + "Nr" + Repeat(")", n) + " WHERE Nr = 1";
      },
  };
  for (const auto& shape : shapes) {
    const std::string sql = DeepestAccepted(shape);
    EXPECT_EQ(ErrorOf(sql), "(no error)") << sql.substr(0, 60);
    EXPECT_EQ(Scalar("SELECT Nr FROM T"), "1");
  }
}

TEST_F(HostileInputTest, FunctionsCallingFunctionsAreRefusedBeforeTheStackEnds) {
  // Each call nests a tree the parser takes into the one before it.
  Run("CREATE FUNCTION dbo.Tief (@n int) RETURNS int AS BEGIN RETURN " + Repeat("ISNULL(", 160) +
      "CASE WHEN @n = 0 THEN 0 ELSE dbo.Tief(@n - 1) END" + Repeat(", 0)", 160) + " END");
  EXPECT_EQ(Scalar("SELECT dbo.Tief(2)"), "0");
  EXPECT_EQ(NumberOf("SELECT dbo.Tief(30)"), 191);
  EXPECT_EQ(Scalar("SELECT Nr FROM T"), "1");
}

TEST_F(HostileInputTest, ADefaultNestedTooDeeplyIsRefused) {
  EXPECT_EQ(NumberOf("ALTER TABLE T ADD D int NULL CONSTRAINT DF_T_D DEFAULT " +
                     ChainOf("1", " + ", 20000)),
            191);
}

TEST_F(HostileInputTest, StringResultsKeepTheirTypesLimits) {
  const struct {
    const char* expression;
    const char* length;
  } cases[] = {
      {"REPLICATE('x', 1000000000)", "8000"},
      {"REPLICATE('xy', 4001)", "8000"},
      {"REPLICATE('ü', 9000)", "8000"},
      {"SPACE(1000000000)", "0"},  // LEN leaves trailing blanks out
      {"DATALENGTH(SPACE(1000000000))", nullptr},
      {"REPLACE(REPLICATE('a', 8000), 'a', 'bb')", "8000"},
      {"REPLICATE('x', 5000) + REPLICATE('y', 5000)", "8000"},
      {"CONCAT(REPLICATE('x', 5000), REPLICATE('y', 5000))", "8000"},
      {"REPLICATE(CAST('x' AS varchar(max)), 10000)", "10000"},
      {"CONCAT(CAST('x' AS varchar(max)), REPLICATE('y', 8000), REPLICATE('z', 8000))", "16001"},
      {"REPLICATE(NULL, 3)", "NULL"},
  };
  for (const auto& c : cases) {
    if (c.length == nullptr) {
      EXPECT_EQ(Scalar(std::string("SELECT ") + c.expression), "8000");
    } else {
      EXPECT_EQ(Scalar(std::string("SELECT LEN(") + c.expression + ")"), c.length) << c.expression;
    }
  }
}

TEST_F(HostileInputTest, ValuesBeyondTheMemoryBoundAreRefusedWith701) {
  const std::string refusal =
      "There is insufficient system memory in resource pool 'default' to run this query.";
  EXPECT_EQ(ErrorOf("SELECT REPLICATE(CAST('x' AS varchar(max)), 1000000000)"), refusal);
  EXPECT_EQ(
      ErrorOf("DECLARE @s varchar(max) SET @s = REPLICATE(CAST('x' AS varchar(max)), 1000000) "
              "WHILE 1 = 1 SET @s = @s + @s"),
      refusal);
  EXPECT_EQ(
      ErrorOf(
          "DECLARE @s varchar(max), @big varchar(max) SET @s = REPLICATE(CAST('x' AS "
          "varchar(max)), 100) "
          "SET @big = REPLICATE(CAST('y' AS varchar(max)), 1000000) SELECT REPLACE(@s, 'x', @big)"),
      refusal);
  // Each value within the bound, but not all of them together.
  Run("CREATE TABLE dbo.Viele (Nr int NULL)");
  std::string values = "INSERT INTO Viele VALUES (1)";
  for (int i = 2; i <= 40; ++i) values += ", (" + std::to_string(i) + ")";
  Run(values);
  EXPECT_EQ(ErrorOf("SELECT REPLICATE(CAST('x' AS varchar(max)), 10000000) FROM Viele"), refusal);
  EXPECT_EQ(
      Scalar(
          "SELECT COUNT(*) FROM Viele WHERE LEN(REPLICATE(CAST('x' AS varchar(max)), 100000)) > 0"),
      "40");
  EXPECT_EQ(Scalar("SELECT Nr FROM T"), "1");
}

TEST_F(HostileInputTest, RowsBeyondTheStatementBoundAreRefusedWith701AndTheSessionGoesOn) {
  const std::string refusal =
      "There is insufficient system memory in resource pool 'default' to run this query.";
  // systypes has 25 rows of 8 columns; joined without a usable condition the
  // rows multiply far beyond what one statement may build (four of them
  // build some 13 million values, five would build 400 million).
  // A function's blocks run within the statement that calls it: they do not
  // start its count afresh.
  Run("CREATE FUNCTION dbo.Immer (@n int) RETURNS int AS BEGIN IF @n > 0 RETURN 1 RETURN 1 END");
  const std::string four = "systypes a, systypes b, systypes c, systypes d";
  const std::string five = four + ", systypes e";
  const std::string cases[] = {
      "SELECT * FROM " + five,
      "SELECT COUNT(*) FROM systypes a CROSS JOIN systypes b JOIN systypes c ON 1 = 1 "
      "LEFT JOIN systypes d ON 1 = 1 CROSS JOIN systypes e",
      "SELECT COUNT(*) FROM systypes a CROSS JOIN systypes b CROSS JOIN systypes c "
      "CROSS JOIN systypes d JOIN systypes e ON dbo.Immer(e.xtype) = 1",
      // Each block within the bound, not both together.
      "SELECT a.name FROM " + four + " UNION ALL SELECT a.name FROM " + four,
  };
  for (const std::string& sql : cases) {
    EXPECT_EQ(ErrorOf(sql), refusal) << sql;
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM T"), "1") << sql;
  }
  // A subquery's or function's rows are gone when it returns: run for every
  // row of the statement around it, it counts once, not summed over the rows.
  Run("CREATE TABLE dbo.Viele (Nr int NULL)");
  std::string values = "INSERT INTO Viele VALUES (1)";
  for (int i = 2; i <= 60; ++i) values += ", (" + std::to_string(i) + ")";
  Run(values);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM Viele v WHERE EXISTS (SELECT 1 FROM systypes a, "
                   "systypes b, systypes c WHERE v.Nr > 0)"),
            "60");
  Run("CREATE FUNCTION dbo.Paare (@n int) RETURNS int AS BEGIN DECLARE @c int "
      "IF @n > 0 SELECT @c = COUNT(*) FROM systypes a, systypes b, systypes c RETURN @c END");
  EXPECT_EQ(Scalar("SELECT SUM(dbo.Paare(Nr)) FROM Viele"), std::to_string(60 * 25 * 25 * 25));
}

TEST_F(HostileInputTest, BinaryReadAsTextIsAlwaysUtf8AndEverySnapshotIsWritten) {
  EXPECT_EQ(Scalar("SELECT CAST(0xFC AS varchar(10))"), "ü");               // code page byte
  EXPECT_EQ(Scalar("SELECT CAST(0x4DC3BC6C6C6572 AS varchar(3))"), "Mül");  // UTF-8 kept, cut
  EXPECT_EQ(Scalar("SELECT CAST(CAST('Grüße' AS varbinary(20)) AS varchar(20))"), "Grüße");
  Run("CREATE TABLE dbo.Bytes (Text varchar(10) NULL)");
  Run("INSERT INTO Bytes VALUES (CAST(0xFC AS varchar(10)))");
  // Text that is no UTF-8 can still be sent in-process; the snapshot is
  // written all the same.
  Run("INSERT INTO Bytes VALUES ('\xFC')");
  const std::string snapshot = SnapshotText(server_);
  EXPECT_NE(snapshot.find("[\"ü\"]"), std::string::npos);
  EXPECT_NE(snapshot.find("[\"\xEF\xBF\xBD\"]"), std::string::npos);  // U+FFFD
}

}  // namespace
}  // namespace quelor::sim::testing
