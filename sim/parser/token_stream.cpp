// On-demand token window of the parser.
#include "sim/parser/token_stream.h"

namespace quelor::sim::parser {

TokenStream::TokenStream(std::string_view text)
    : lexer_(text), ring_(64), mask_(ring_.size() - 1) {}

const Token& TokenStream::Fetch(std::size_t index) {
  if (index > end_index_) index = end_index_;
  while (read_ <= index) {
    const std::size_t oldest = current_ > kKeptBehind ? current_ - kKeptBehind : 0;
    if (read_ - oldest >= ring_.size()) Grow();
    Slot& slot = At(read_);
    lexer_.Next(slot.token, slot.unescaped);
    if (slot.token.kind == TokenKind::kEnd) end_index_ = read_;
    ++read_;
  }
  return At(index).token;
}

const Token* TokenStream::Previous() { return current_ == 0 ? nullptr : &Fetch(current_ - 1); }

void TokenStream::Seek(std::size_t offset) {
  read_ = current_;
  if (end_index_ != static_cast<std::size_t>(-1) && end_index_ >= current_)
    end_index_ = static_cast<std::size_t>(-1);
  lexer_.Seek(offset);
}

void TokenStream::CheckRest() {
  if (end_index_ != static_cast<std::size_t>(-1)) return;
  Token token;
  std::string unescaped;
  do {
    lexer_.Next(token, unescaped);
  } while (token.kind != TokenKind::kEnd);
}

void TokenStream::Grow() {
  std::vector<Slot> grown(ring_.size() * 2);
  const std::size_t oldest = read_ > ring_.size() ? read_ - ring_.size() : 0;
  for (std::size_t index = oldest; index < read_; ++index) {
    const Slot& from = At(index);
    Slot& to = grown[index & (grown.size() - 1)];
    to = from;
    if (from.token.text.data() == from.unescaped.data() && !from.unescaped.empty())
      to.token.text = to.unescaped;
  }
  retired_.push_back(std::move(ring_));
  ring_ = std::move(grown);
  mask_ = ring_.size() - 1;
}

}  // namespace quelor::sim::parser
