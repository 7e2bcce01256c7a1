// The tokens of a batch as the parser sees them: delimiters removed and
// doubled delimiters unescaped, comments and white space skipped, offsets
// into the batch kept for the texts the catalogue stores.
#include "sim/parser/lexer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/common/errors.h"

namespace quelor::sim::parser {
namespace {

// Each token as "kind:text", a unicode string as "N:text".
std::vector<std::string> TokensOf(std::string_view text) {
  static const char* const kKinds[] = {"word",   "name",     "number", "binary",
                                       "string", "variable", "symbol", "end"};
  std::vector<std::string> tokens;
  Lexer lexer(text);
  std::string unescaped;
  Token token;
  do {
    lexer.Next(token, unescaped);
    const char* kind = token.unicode ? "N" : kKinds[static_cast<int>(token.kind)];
    tokens.push_back(std::string(kind) + ":" + std::string(token.text));
  } while (token.kind != TokenKind::kEnd);
  return tokens;
}

TEST(LexerTest, ReadsEveryKindOfToken) {
  struct Case {
    std::string_view text;
    std::vector<std::string> tokens;
  };
  const Case cases[] = {
      {"", {"end:"}},
      {"select Name_1 from #tmp$",
       {"word:select", "word:Name_1", "word:from", "word:#tmp$", "end:"}},
      {"'it''s' '' ''''", {"string:it's", "string:", "string:'", "end:"}},
      {"N'Straße' n'x''y'", {"N:Straße", "N:x'y", "end:"}},
      {"[Order]]Id] [a b] \"q\"\"r\"", {"name:Order]Id", "name:a b", "name:q\"r", "end:"}},
      {"0x4A6f 0X 0xZ", {"binary:4A6f", "binary:", "binary:", "word:Z", "end:"}},
      {"1 2.50 .5 1e+5 1E3 1e x1",
       {"number:1", "number:2.50", "number:.5", "number:1e+5", "number:1E3", "number:1", "word:e",
        "word:x1", "end:"}},
      {"@v @@ROWCOUNT @a@b", {"variable:@v", "variable:@@ROWCOUNT", "variable:@a@b", "end:"}},
      {"a<>b!=c<=>=!<!>+=-=*=/=",
       {"word:a", "symbol:<>", "word:b", "symbol:!=", "word:c", "symbol:<=", "symbol:>=",
        "symbol:!<", "symbol:!>", "symbol:+=", "symbol:-=", "symbol:*=", "symbol:/=", "end:"}},
      {"(a.b,c);*",
       {"symbol:(", "word:a", "symbol:.", "word:b", "symbol:,", "word:c", "symbol:)", "symbol:;",
        "symbol:*", "end:"}},
      {"a -- comment 'x\nb --", {"word:a", "word:b", "end:"}},
      {"a /* outer /* inner */ still 'x */ b /* open", {"word:a", "word:b", "end:"}},
      {"\t\v\f\r\n Ä\xc3\xb6x", {"word:Ä\xc3\xb6x", "end:"}},
  };
  for (const Case& c : cases) EXPECT_EQ(TokensOf(c.text), c.tokens) << c.text;
}

TEST(LexerTest, KeepsOffsetsIntoTheBatchAndEndsAgainAndAgain) {
  Lexer lexer("  [a]]b] 'x' ");
  std::string unescaped;
  Token token;
  lexer.Next(token, unescaped);
  EXPECT_EQ(token.begin, 2u);
  EXPECT_EQ(token.end, 8u);
  lexer.Next(token, unescaped);
  EXPECT_EQ(token.begin, 9u);
  EXPECT_EQ(token.end, 12u);
  for (int i = 0; i < 2; ++i) {
    lexer.Next(token, unescaped);
    EXPECT_EQ(token.kind, TokenKind::kEnd);
    EXPECT_EQ(token.begin, 13u);
  }
}

TEST(LexerTest, RefusesAnUnclosedQuotationMarkQuotingTheRest) {
  struct Case {
    std::string_view text;
    std::string quoted;
  };
  const Case cases[] = {{"SELECT 'offen", "offen"},
                        {"SELECT N'it''s", "it''s"},
                        {"SELECT [Spalte", "Spalte"},
                        {"SELECT \"Spalte]", "Spalte]"}};
  for (const Case& c : cases) {
    try {
      TokensOf(c.text);
      ADD_FAILURE() << c.text;
    } catch (const SqlError& error) {
      EXPECT_EQ(error.number(), 105) << c.text;
      EXPECT_EQ(std::string(error.what()),
                "Unclosed quotation mark after the character string '" + c.quoted + "'.");
    }
  }
}

}  // namespace
}  // namespace quelor::sim::parser
