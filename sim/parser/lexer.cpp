// Tokenizer of the T-SQL subset.
#include "sim/parser/lexer.h"

#include <array>
#include <cstdint>

#include "sim/common/errors.h"

namespace quelor::sim::parser {

namespace {

// Character classes of the "C" locale, looked up instead of <cctype> calls.
enum CharClass : std::uint8_t {
  kSpace = 1,
  kDigit = 2,
  kHexDigit = 4,
  kWordStart = 8,
  kWordPart = 16,
};

constexpr std::array<std::uint8_t, 256> MakeClasses() {
  std::array<std::uint8_t, 256> classes{};
  for (int c = 0; c < 256; ++c) {
    std::uint8_t bits = 0;
    const bool alpha = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    const bool digit = c >= '0' && c <= '9';
    if (c == ' ' || (c >= '\t' && c <= '\r')) bits |= kSpace;
    if (digit) bits |= kDigit;
    if (digit || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f')) bits |= kHexDigit;
    if (alpha || c == '_' || c == '#' || c >= 0x80) bits |= kWordStart;
    if (alpha || digit || c == '_' || c == '#' || c == '$' || c >= 0x80) bits |= kWordPart;
    classes[static_cast<std::size_t>(c)] = bits;
  }
  return classes;
}

constexpr std::array<std::uint8_t, 256> kClasses = MakeClasses();

inline bool Is(char c, CharClass which) {
  return (kClasses[static_cast<unsigned char>(c)] & which) != 0;
}

bool IsTwoCharSymbol(char first, char second) {
  switch (first) {
    case '<':
      return second == '>' || second == '=';
    case '!':
      return second == '=' || second == '<' || second == '>';
    case '>':
    case '+':
    case '-':
    case '*':
    case '/':
      return second == '=';
    default:
      return false;
  }
}

}  // namespace

// Reads a literal or quoted name from `pos_` (just after its opening character)
// up to `close`, where a doubled `close` stands for one. Leaves `pos_` after the
// closing character; refuses a literal that is never closed, quoting the text
// from `unclosed_from` as the server does.
std::string_view Lexer::ReadDelimited(char close, std::size_t unclosed_from,
                                      std::string& unescaped) {
  const std::size_t start = pos_;
  const std::size_t size = text_.size();
  bool copied = false;
  while (true) {
    const std::size_t found = text_.find(close, pos_);
    if (found == std::string_view::npos) {
      pos_ = size;  // nothing after an unclosed literal is read again
      Raise(105, {std::string(text_.substr(unclosed_from))});
    }
    if (found + 1 < size && text_[found + 1] == close) {
      if (!copied) {
        unescaped.assign(text_.substr(start, found + 1 - start));
        copied = true;
      } else {
        unescaped.append(text_.substr(pos_, found + 1 - pos_));
      }
      pos_ = found + 2;
      continue;
    }
    if (!copied) {
      pos_ = found + 1;
      return text_.substr(start, found - start);
    }
    unescaped.append(text_.substr(pos_, found - pos_));
    pos_ = found + 1;
    return unescaped;
  }
}

void Lexer::Next(Token& token, std::string& unescaped) {
  const std::size_t size = text_.size();
  while (pos_ < size) {
    const char c = text_[pos_];
    if (Is(c, kSpace)) {
      ++pos_;
      continue;
    }
    if (c == '-' && pos_ + 1 < size && text_[pos_ + 1] == '-') {
      const std::size_t line_end = text_.find('\n', pos_);
      pos_ = line_end == std::string_view::npos ? size : line_end;
      continue;
    }
    if (c == '/' && pos_ + 1 < size && text_[pos_ + 1] == '*') {
      // Block comments nest on the real server.
      int depth = 0;
      while (pos_ < size) {
        if (text_[pos_] == '/' && pos_ + 1 < size && text_[pos_ + 1] == '*') {
          ++depth;
          pos_ += 2;
        } else if (text_[pos_] == '*' && pos_ + 1 < size && text_[pos_ + 1] == '/') {
          pos_ += 2;
          if (--depth == 0) break;
        } else {
          ++pos_;
        }
      }
      continue;
    }
    break;
  }
  token.begin = pos_;
  token.unicode = false;
  if (pos_ >= size) {
    token.kind = TokenKind::kEnd;
    token.text = {};
    token.end = size;
    return;
  }
  const char c = text_[pos_];
  if (c == '\'' || ((c == 'N' || c == 'n') && pos_ + 1 < size && text_[pos_ + 1] == '\'')) {
    token.kind = TokenKind::kString;
    token.unicode = c != '\'';
    pos_ += token.unicode ? 2 : 1;
    token.text = ReadDelimited('\'', pos_, unescaped);
  } else if (c == '[') {
    token.kind = TokenKind::kQuotedIdentifier;
    ++pos_;
    token.text = ReadDelimited(']', token.begin + 1, unescaped);
  } else if (c == '"') {
    // QUOTED_IDENTIFIER is ON for ODBC connections.
    token.kind = TokenKind::kQuotedIdentifier;
    ++pos_;
    token.text = ReadDelimited('"', token.begin + 1, unescaped);
  } else if (c == '0' && pos_ + 1 < size && (text_[pos_ + 1] == 'x' || text_[pos_ + 1] == 'X')) {
    // A binary constant: 0x4A6F.
    token.kind = TokenKind::kBinary;
    pos_ += 2;
    while (pos_ < size && Is(text_[pos_], kHexDigit)) ++pos_;
    token.text = text_.substr(token.begin + 2, pos_ - token.begin - 2);
  } else if (Is(c, kDigit) || (c == '.' && pos_ + 1 < size && Is(text_[pos_ + 1], kDigit))) {
    token.kind = TokenKind::kNumber;
    while (pos_ < size && (Is(text_[pos_], kDigit) || text_[pos_] == '.')) ++pos_;
    if (pos_ < size && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      std::size_t exponent = pos_ + 1;
      if (exponent < size && (text_[exponent] == '+' || text_[exponent] == '-')) ++exponent;
      if (exponent < size && Is(text_[exponent], kDigit)) {
        pos_ = exponent;
        while (pos_ < size && Is(text_[pos_], kDigit)) ++pos_;
      }
    }
    token.text = text_.substr(token.begin, pos_ - token.begin);
  } else if (c == '@') {
    token.kind = TokenKind::kVariable;
    ++pos_;
    while (pos_ < size && (Is(text_[pos_], kWordPart) || text_[pos_] == '@')) ++pos_;
    token.text = text_.substr(token.begin, pos_ - token.begin);
  } else if (Is(c, kWordStart)) {
    token.kind = TokenKind::kWord;
    while (pos_ < size && Is(text_[pos_], kWordPart)) ++pos_;
    token.text = text_.substr(token.begin, pos_ - token.begin);
  } else {
    token.kind = TokenKind::kSymbol;
    const std::size_t length = pos_ + 1 < size && IsTwoCharSymbol(c, text_[pos_ + 1]) ? 2 : 1;
    token.text = text_.substr(pos_, length);
    pos_ += length;
  }
  token.end = pos_;
}

}  // namespace quelor::sim::parser
