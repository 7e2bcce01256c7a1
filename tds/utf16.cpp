#include "tds/utf16.h"

namespace quelor::tds {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code point starting at `text[pos]`; advances `pos`.
char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  unsigned char lead = byte(pos);
  int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
  if (extra < 0 || pos + static_cast<std::size_t>(extra) >= text.size() + (extra == 0 ? 1 : 0)) {
    ++pos;
    return extra == 0 ? lead : kReplacement;
  }
  char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    unsigned char next = byte(pos + static_cast<std::size_t>(i));
    if ((next & 0xC0) != 0x80) {
      pos += static_cast<std::size_t>(i);
      return kReplacement;
    }
    code = (code << 6) | (next & 0x3F);
  }
  pos += static_cast<std::size_t>(extra) + 1;
  static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
  if (code < kMinimum[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return kReplacement;
  return code;
}

void PutUnit(std::vector<std::uint8_t>& out, char32_t unit) {
  out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
  out.push_back(static_cast<std::uint8_t>((unit >> 8) & 0xFF));
}

void PutUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

}  // namespace

std::vector<std::uint8_t> Utf16LeFromUtf8(std::string_view utf8) {
  std::vector<std::uint8_t> out;
  out.reserve(utf8.size() * 2);
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t code = NextCodePoint(utf8, pos);
    if (code >= 0x10000) {
      code -= 0x10000;
      PutUnit(out, 0xD800 + (code >> 10));
      PutUnit(out, 0xDC00 + (code & 0x3FF));
    } else {
      PutUnit(out, code);
    }
  }
  return out;
}

std::string Utf8FromUtf16Le(const std::uint8_t* data, std::size_t size) {
  std::string out;
  out.reserve(size);
  const std::size_t units = size / 2;
  for (std::size_t i = 0; i < units; ++i) {
    char32_t unit = static_cast<char32_t>(data[2 * i] | (data[2 * i + 1] << 8));
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
      char32_t low = static_cast<char32_t>(data[2 * i + 2] | (data[2 * i + 3] << 8));
      if (low >= 0xDC00 && low <= 0xDFFF) {
        PutUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        ++i;
        continue;
      }
    }
    PutUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit);
  }
  return out;
}

}  // namespace quelor::tds
