// Case folding for identifiers and for the server's default collation.
#include "sim/common/case_insensitive_map.h"

namespace quelor::sim {

namespace {

// Folds one byte position; UTF-8 capitals U+00C0..U+00DE (except U+00D7) are
// two bytes 0xC3 0x80..0x9E and their small letters are 0x20 higher.
inline void AppendFolded(std::string& out, std::string_view text, std::size_t& pos) {
  unsigned char c = static_cast<unsigned char>(text[pos]);
  if (c >= 'A' && c <= 'Z') {
    out.push_back(static_cast<char>(c + 32));
    ++pos;
    return;
  }
  if (c == 0xC3 && pos + 1 < text.size()) {
    unsigned char next = static_cast<unsigned char>(text[pos + 1]);
    if (next >= 0x80 && next <= 0x9E && next != 0x97)
      next = static_cast<unsigned char>(next + 0x20);
    out.push_back(static_cast<char>(c));
    out.push_back(static_cast<char>(next));
    pos += 2;
    return;
  }
  out.push_back(static_cast<char>(c));
  ++pos;
}

}  // namespace

std::string FoldCase(std::string_view text) {
  std::string out;
  AppendFoldedCase(out, text);
  return out;
}

void AppendFoldedCase(std::string& out, std::string_view text) {
  out.reserve(out.size() + text.size());
  std::size_t pos = 0;
  while (pos < text.size()) AppendFolded(out, text, pos);
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (x == y) continue;
    if (x >= 0x80 || y >= 0x80) return FoldCase(a) == FoldCase(b);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
    if (x != y) return false;
  }
  return true;
}

std::size_t CaseInsensitiveHash::operator()(std::string_view text) const {
  std::size_t hash = 1469598103934665603ull;
  bool plain = true;
  for (char ch : text) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c >= 0x80) {
      plain = false;
      break;
    }
    if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c + 32);
    hash = (hash ^ c) * 1099511628211ull;
  }
  if (plain) return hash;
  return std::hash<std::string>{}(FoldCase(text));
}

}  // namespace quelor::sim
