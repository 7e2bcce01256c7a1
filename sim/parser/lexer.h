// Breaks one batch of T-SQL text into tokens: words, [bracketed] and "quoted"
// identifiers, numbers, 'strings' and N'strings', @variables and symbols;
// -- and /* */ comments are skipped.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quelor::sim::parser {

enum class TokenKind { kWord, kQuotedIdentifier, kNumber, kBinary, kString, kVariable, kSymbol, kEnd };

struct Token {
  TokenKind kind = TokenKind::kEnd;
  std::string text;      // identifier without brackets, string without quotes, symbol
  bool unicode = false;  // N'...'
  std::size_t begin = 0;  // byte offsets into the batch text
  std::size_t end = 0;
};

// Throws SqlError 105 for an unclosed quotation mark.
std::vector<Token> Tokenize(std::string_view text);

}  // namespace quelor::sim::parser
