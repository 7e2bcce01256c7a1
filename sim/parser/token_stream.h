// The parser's window on the tokens of a batch: the current token, any
// number of tokens ahead and a few behind, read from the lexer on demand.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "sim/parser/lexer.h"

namespace quelor::sim::parser {

class TokenStream {
 public:
  explicit TokenStream(std::string_view text);

  // The token `ahead` places after the current one; kEnd past the end.
  const Token& Peek(std::size_t ahead = 0) {
    const std::size_t index = current_ + ahead;
    return index < read_ ? At(index).token : Fetch(index);
  }
  // Consumes the current token and returns it; at the end stays on kEnd.
  const Token& Next() {
    const Token& token = Peek();
    if (token.kind != TokenKind::kEnd) ++current_;
    return token;
  }
  // The token consumed last; null before the first.
  const Token* Previous();
  // Drops the tokens read ahead of the current one and goes on reading at
  // byte `offset`, where a token must begin: the current token is the one
  // found there.
  void Seek(std::size_t offset);
  // Reads what is left of the text, so an unclosed quotation mark anywhere
  // in it is refused (105) before any other refusal of the batch. Only for
  // the way out of a failed parse: the window reads no further tokens after it.
  void CheckRest();

 private:
  struct Slot {
    Token token;
    std::string unescaped;  // the content of a literal with doubled delimiters
  };

  Slot& At(std::size_t index) { return ring_[index & mask_]; }
  const Token& Fetch(std::size_t index);
  void Grow();

  // Tokens this far behind the current one stay readable, so a reference
  // taken from Peek() or Next() outlives the next few steps.
  static constexpr std::size_t kKeptBehind = 16;

  Lexer lexer_;
  std::vector<Slot> ring_;  // token i lives in ring_[i % size], size a power of two
  // A grown ring's predecessors are kept until the end of the batch, since
  // references into them may still be held.
  std::vector<std::vector<Slot>> retired_;
  std::size_t mask_;                                      // ring_.size() - 1
  std::size_t current_ = 0;                               // index of the current token
  std::size_t read_ = 0;                                  // tokens read from the lexer so far
  std::size_t end_index_ = static_cast<std::size_t>(-1);  // index of kEnd once read
};

}  // namespace quelor::sim::parser
