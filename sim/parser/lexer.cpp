// Tokenizer of the T-SQL subset.
#include "sim/parser/lexer.h"

#include <cctype>

#include "sim/common/errors.h"

namespace quelor::sim::parser {

namespace {

bool IsWordStart(unsigned char c) { return std::isalpha(c) || c == '_' || c == '#' || c >= 0x80; }
bool IsWordPart(unsigned char c) {
  return std::isalnum(c) || c == '_' || c == '#' || c == '$' || c >= 0x80;
}

// Reads a literal or quoted name from `pos` (just after its opening character)
// up to `close`, where a doubled `close` stands for one. Leaves `pos` after the
// closing character; refuses a literal that is never closed, quoting the text
// from `unclosed_from` as the server does.
std::string ReadDelimited(std::string_view text, std::size_t& pos, char close,
                          std::size_t unclosed_from) {
  std::string content;
  while (pos < text.size()) {
    if (text[pos] == close) {
      if (pos + 1 < text.size() && text[pos + 1] == close) {
        content.push_back(close);
        pos += 2;
        continue;
      }
      ++pos;
      return content;
    }
    content.push_back(text[pos++]);
  }
  Raise(105, {std::string(text.substr(unclosed_from))});
}

}  // namespace

std::vector<Token> Tokenize(std::string_view text) {
  std::vector<Token> tokens;
  std::size_t pos = 0;
  const std::size_t size = text.size();
  tokens.reserve(size / 4 + 8);  // about one token in four characters of T-SQL
  while (pos < size) {
    unsigned char c = static_cast<unsigned char>(text[pos]);
    if (std::isspace(c)) {
      ++pos;
      continue;
    }
    if (c == '-' && pos + 1 < size && text[pos + 1] == '-') {
      while (pos < size && text[pos] != '\n') ++pos;
      continue;
    }
    if (c == '/' && pos + 1 < size && text[pos + 1] == '*') {
      // Block comments nest on the real server.
      int depth = 0;
      while (pos < size) {
        if (text.substr(pos, 2) == "/*") {
          ++depth;
          pos += 2;
        } else if (text.substr(pos, 2) == "*/") {
          pos += 2;
          if (--depth == 0) break;
        } else {
          ++pos;
        }
      }
      continue;
    }
    Token token;
    token.begin = pos;
    if (c == '\'' || ((c == 'N' || c == 'n') && pos + 1 < size && text[pos + 1] == '\'')) {
      token.kind = TokenKind::kString;
      token.unicode = c != '\'';
      pos += token.unicode ? 2 : 1;
      token.text = ReadDelimited(text, pos, '\'', pos);
    } else if (c == '[') {
      token.kind = TokenKind::kQuotedIdentifier;
      ++pos;
      token.text = ReadDelimited(text, pos, ']', token.begin + 1);
    } else if (c == '"') {
      // QUOTED_IDENTIFIER is ON for ODBC connections.
      token.kind = TokenKind::kQuotedIdentifier;
      ++pos;
      token.text = ReadDelimited(text, pos, '"', token.begin + 1);
    } else if (c == '0' && pos + 1 < size && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
      // A binary constant: 0x4A6F.
      token.kind = TokenKind::kBinary;
      pos += 2;
      while (pos < size && std::isxdigit(static_cast<unsigned char>(text[pos]))) ++pos;
      token.text = std::string(text.substr(token.begin + 2, pos - token.begin - 2));
    } else if (std::isdigit(c) || (c == '.' && pos + 1 < size &&
                                   std::isdigit(static_cast<unsigned char>(text[pos + 1])))) {
      token.kind = TokenKind::kNumber;
      while (pos < size &&
             (std::isdigit(static_cast<unsigned char>(text[pos])) || text[pos] == '.'))
        ++pos;
      if (pos < size && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponent = pos + 1;
        if (exponent < size && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        if (exponent < size && std::isdigit(static_cast<unsigned char>(text[exponent]))) {
          pos = exponent;
          while (pos < size && std::isdigit(static_cast<unsigned char>(text[pos]))) ++pos;
        }
      }
      token.text = std::string(text.substr(token.begin, pos - token.begin));
    } else if (c == '@') {
      token.kind = TokenKind::kVariable;
      ++pos;
      while (pos < size && (IsWordPart(static_cast<unsigned char>(text[pos])) || text[pos] == '@'))
        ++pos;
      token.text = std::string(text.substr(token.begin, pos - token.begin));
    } else if (IsWordStart(c)) {
      token.kind = TokenKind::kWord;
      while (pos < size && IsWordPart(static_cast<unsigned char>(text[pos]))) ++pos;
      token.text = std::string(text.substr(token.begin, pos - token.begin));
    } else {
      token.kind = TokenKind::kSymbol;
      std::string_view two = text.substr(pos, 2);
      if (two == "<>" || two == "!=" || two == "<=" || two == ">=" || two == "!<" || two == "!>" ||
          two == "+=" || two == "-=" || two == "*=" || two == "/=") {
        token.text = std::string(two);
        pos += 2;
      } else {
        token.text = std::string(1, static_cast<char>(c));
        ++pos;
      }
    }
    token.end = pos;
    tokens.push_back(std::move(token));
  }
  Token end;
  end.kind = TokenKind::kEnd;
  end.begin = end.end = size;
  tokens.push_back(end);
  return tokens;
}

}  // namespace quelor::sim::parser
