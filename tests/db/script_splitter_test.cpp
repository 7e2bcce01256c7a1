// The separator-line rule and the batches it makes.
#include "db/script_splitter.h"

#include <gtest/gtest.h>

namespace quelor::db {
namespace {

TEST(ScriptSplitter, RecognisesSeparatorLines) {
  const struct {
    const char* line;
    bool separator;
  } cases[] = {
      {"GO", true},        {"go", true},          {" Go ", true},       {"gO", true},
      {"GO   ", true},     {"\tGO\t", true},      {"GO\x1F", true},     {"\x01GO", true},
      {"GO;", false},      {"GO 2", false},       {"GOTO x", false},    {"G O", false},
      {"", false},         {"-- GO", false},      {"GO--x", false},     {"\xC2\xA0GO", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsSeparatorLine(c.line), c.separator) << "line: [" << c.line << "]";
  }
}

TEST(ScriptSplitter, SplitsLinesAtEveryKindOfBreak) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string_view>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string_view>{"a"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string_view>{"a", ""}));
  EXPECT_EQ(SplitLines(""), (std::vector<std::string_view>{}));
}

TEST(ScriptSplitter, SendsASingleBatchScriptWithCrLfAfterEveryLine) {
  EXPECT_EQ(SingleBatchText("INSERT a\nINSERT b"), "INSERT a\r\nINSERT b\r\n");
  EXPECT_EQ(SingleBatchText("('101','Allgemeiner \r\nVerband')\r\n"),
            "('101','Allgemeiner \r\nVerband')\r\n");
  EXPECT_EQ(SingleBatchText("a\r\rb"), "a\r\n\r\nb\r\n");
  EXPECT_EQ(SingleBatchText(""), "");
}

TEST(ScriptSplitter, MakesLfJoinedBatches) {
  const struct {
    const char* name;
    const char* script;
    std::vector<std::string> batches;
    std::string unterminated;
  } cases[] = {
      {"last line is a separator", "CREATE TABLE a (x int)\r\nGO\r\nDROP TABLE b\r\nGO",
       {"CREATE TABLE a (x int)\n", "DROP TABLE b\n"}, ""},
      {"lines after the last separator are kept back", "A\r\nGO\r\nB\r\nC\r\n",
       {"A\n"}, "B\nC\n"},
      {"no separator at all", "A\r\nB", {}, "A\nB\n"},
      {"an empty line between separators is a batch of one LF", "GO\r\n\r\nGO\r\n", {"", "\n"},
       ""},
      {"CR LF inside the script becomes LF, lines stay unchanged",
       "  INSERT INTO t VALUES ('a')  \r\nGO  \r\n", {"  INSERT INTO t VALUES ('a')  \n"}, ""},
      {"empty script", "", {}, ""},
  };
  for (const auto& c : cases) {
    SplitScript split = SplitIntoBatches(c.script);
    EXPECT_EQ(split.batches, c.batches) << c.name;
    EXPECT_EQ(split.unterminated, c.unterminated) << c.name;
  }
}

}  // namespace
}  // namespace quelor::db
