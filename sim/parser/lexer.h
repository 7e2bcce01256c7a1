// Breaks one batch of T-SQL text into tokens: words, [bracketed] and "quoted"
// identifiers, numbers, 'strings' and N'strings', @variables and symbols;
// -- and /* */ comments are skipped. Tokens are read one at a time, so a
// batch of many megabytes never holds all its tokens at once.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quelor::sim::parser {

enum class TokenKind : unsigned char {
  kWord,
  kQuotedIdentifier,
  kNumber,
  kBinary,
  kString,
  kVariable,
  kSymbol,
  kEnd
};

struct Token {
  TokenKind kind = TokenKind::kEnd;
  bool unicode = false;   // N'...'
  std::string_view text;  // identifier without brackets, string without quotes, symbol
  std::size_t begin = 0;  // byte offsets into the batch text
  std::size_t end = 0;
};

class Lexer {
 public:
  explicit Lexer(std::string_view text) : text_(text) {}

  // Reads the next token into `token` (in place: the parser's window is
  // filled without copying); at the end of the text a kEnd token, again and
  // again. `text` views the batch, except for a literal or quoted name with a
  // doubled delimiter: its content is unescaped into `unescaped`, which must
  // outlive the token. Throws SqlError 105 for an unclosed quotation mark.
  void Next(Token& token, std::string& unescaped);
  // Goes on reading at byte `offset`, which must be where a token begins.
  void Seek(std::size_t offset) { pos_ = offset; }

 private:
  std::string_view ReadDelimited(char close, std::size_t unclosed_from, std::string& unescaped);

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace quelor::sim::parser
