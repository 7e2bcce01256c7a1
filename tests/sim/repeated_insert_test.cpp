// A load sends thousands of INSERTs that begin with the same text; the
// parser reads that text once and hands every statement the same target.
// Whatever follows it must read as if each statement came alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/common/errors.h"
#include "sim/parser/parser.h"

namespace quelor::sim::parser {
namespace {

const Insert& InsertAt(const std::vector<StatementPtr>& statements, std::size_t index) {
  return std::get<Insert>(statements.at(index)->node);
}

std::string Describe(const InsertTarget& target) {
  std::string text = target.table.schema + "." + target.table.name + ":";
  for (const std::string& column : target.columns) text += "<" + column + ">";
  return text;
}

// The message of the refusal of `text`, or "" when it parses.
std::string RefusalOf(std::string_view text) {
  try {
    ParseBatch(text);
    return "";
  } catch (const SqlError& error) {
    return std::to_string(error.number()) + " " + error.message().text;
  }
}

TEST(RepeatedInsertTest, EachStatementReadsAsItWouldAlone) {
  struct Case {
    std::vector<std::string> statements;
  };
  const Case cases[] = {
      {{"insert into T (a,b) values(1,2)", "insert into T (a,b) values(3,4)"}},
      // The same bytes up to a longer name, another case or another schema.
      {{"insert into T (a,b) values(1,2)", "insert into T (a,bc) values(1,2)"}},
      {{"insert into T (a,b) values(1,2)", "INSERT into T (a,b) values(1,2)"}},
      {{"insert into T (a,b) values(1,2)", "insert into T (a,b,c) values(1,2,3)"}},
      {{"insert into dbo.T (a) values(1)", "insert into dbo.T2 (a) values(1)"}},
      // Comments and quoted names inside the repeated text.
      {{"insert /* x */ into [T] ([a]],b],\"c\") values(1,2)",
        "insert /* x */ into [T] ([a]],b],\"c\") select 3,4"}},
      // A statement without a column list in between.
      {{"insert into T (a) values(1)", "insert into T values(1)", "insert into T (a) values(2)"}},
  };
  for (const Case& test : cases) {
    std::string batch;
    for (const std::string& statement : test.statements) batch += statement + "\r\n";
    const std::vector<StatementPtr> together = ParseBatch(batch);
    ASSERT_EQ(together.size(), test.statements.size()) << batch;
    for (std::size_t i = 0; i < test.statements.size(); ++i) {
      const std::vector<StatementPtr> alone = ParseBatch(test.statements[i]);
      EXPECT_EQ(Describe(*InsertAt(together, i).target), Describe(*InsertAt(alone, 0).target))
          << batch;
      EXPECT_EQ(InsertAt(together, i).rows.size(), InsertAt(alone, 0).rows.size()) << batch;
    }
  }
  // Only text that repeats shares its target.
  const std::vector<StatementPtr> load =
      ParseBatch("insert into T (a,b) values(1,2)\r\ninsert into T (a,b) values(3,4)");
  EXPECT_EQ(InsertAt(load, 0).target, InsertAt(load, 1).target);
}

TEST(RepeatedInsertTest, RefusalsAfterTheRepeatedTextAreThoseOfTheStatementAlone) {
  const std::string first = "insert into T (a) values(1);\r\n";
  for (const std::string second :
       {"insert into T (a)", "insert into T (a)) values(2)", "insert into T (a) values(2",
        "insert into T (a)values 2)", "insert into T (a) values('2)"}) {
    const std::string alone = RefusalOf(second);
    ASSERT_NE(alone, "") << second;
    EXPECT_EQ(RefusalOf(first + second), alone) << second;
  }
}

}  // namespace
}  // namespace quelor::sim::parser
