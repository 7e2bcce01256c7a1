#include "config/ini_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "config/text_util.h"
#include "platform/utf8_path.h"

namespace quelor::config {
namespace {

bool IsProfileBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsProfileBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsProfileBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view StripEnclosingQuotes(std::string_view s) {
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front()) {
    return s.substr(1, s.size() - 2);
  }
  return s;
}

// Cuts after `max_chars` characters, counting a UTF-8 sequence as one.
std::string_view CutCharacters(std::string_view s, std::size_t max_chars) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto byte = static_cast<unsigned char>(s[i]);
    if ((byte & 0xC0) != 0x80) {  // first byte of a character
      if (chars == max_chars) return s.substr(0, i);
      ++chars;
    }
  }
  return s;
}

bool IsValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t len = 0;
    if (c < 0x80)
      len = 1;
    else if (c >= 0xC2 && c <= 0xDF)
      len = 2;
    else if (c >= 0xE0 && c <= 0xEF)
      len = 3;
    else if (c >= 0xF0 && c <= 0xF4)
      len = 4;
    else
      return false;
    if (i + len > s.size()) return false;
    for (std::size_t k = 1; k < len; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += len;
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// UTF-16 text after its byte-order mark, as UTF-8. A lone surrogate becomes
// U+FFFD, as a trailing odd byte is dropped.
std::string Utf8FromUtf16(std::string_view bytes, bool big_endian) {
  std::string out;
  out.reserve(bytes.size() / 2 + bytes.size() / 8);
  auto unit = [&](std::size_t i) -> char32_t {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return big_endian ? (char32_t{first} << 8 | second) : (char32_t{second} << 8 | first);
  };
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t cp = unit(i);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
        unit(i + 2) <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
      i += 2;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

// Windows-1252 code points of the bytes 0x80 to 0x9F; the rest is Latin-1.
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string ToUtf8FromProfileBytes(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b >= 0x80 && b <= 0x9F)
      AppendUtf8(out, kCp1252High[b - 0x80]);
    else
      AppendUtf8(out, b);
  }
  return out;
}

IniFile IniFile::Parse(std::string_view raw) {
  // A byte-order mark of UTF-16 makes it Unicode text, as Notepad saves a
  // file as "Unicode"; anything else is UTF-8 or Windows-1252.
  std::string text;
  if (raw.substr(0, 2) == "\xFF\xFE") {
    text = Utf8FromUtf16(raw.substr(2), false);
  } else if (raw.substr(0, 2) == "\xFE\xFF") {
    text = Utf8FromUtf16(raw.substr(2), true);
  } else {
    text = ToUtf8FromProfileBytes(raw);
  }
  std::string_view rest(text);
  if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);

  IniFile ini;
  Section* current = nullptr;
  while (!rest.empty()) {
    std::size_t end = rest.find_first_of("\r\n");
    std::string_view line = rest.substr(0, end);
    if (end == std::string_view::npos) {
      rest = {};
    } else {
      std::size_t next = end + 1;
      if (rest[end] == '\r' && next < rest.size() && rest[next] == '\n') ++next;
      rest.remove_prefix(next);
    }

    std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty()) continue;
    if (trimmed.front() == '[') {
      std::size_t close = trimmed.find(']');
      if (close == std::string_view::npos) continue;
      ini.sections_.push_back({std::string(TrimBlanks(trimmed.substr(1, close - 1))), {}});
      current = &ini.sections_.back();
      continue;
    }
    std::size_t eq = trimmed.find('=');
    if (current == nullptr || eq == std::string_view::npos) continue;
    std::string_view key = TrimBlanks(trimmed.substr(0, eq));
    std::string_view value = StripEnclosingQuotes(TrimBlanks(trimmed.substr(eq + 1)));
    current->entries.push_back(
        {std::string(key), std::string(CutCharacters(value, kMaxProfileValueLength))});
  }
  return ini;
}

IniFile IniFile::Load(const std::string& path) {
  // A directory opens as a stream on Linux, and reading it throws from inside
  // the stream buffer; like any file that cannot be read, it gives no values.
  const std::filesystem::path native = platform::PathFromUtf8(path);
  std::error_code error;
  if (std::filesystem::is_directory(native, error)) return {};
  std::ifstream in(native, std::ios::binary);
  if (!in) return {};
  try {
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return Parse(bytes);
  } catch (const std::ios_base::failure&) {
    return {};
  }
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
  for (const Section& s : sections_) {
    if (!EqualsIgnoreAsciiCase(s.name, section)) continue;
    for (const Entry& e : s.entries) {
      if (EqualsIgnoreAsciiCase(e.key, key)) return e.value;
    }
    return std::nullopt;  // the profile API looks in the first matching section only
  }
  return std::nullopt;
}

bool IniFile::HasSection(std::string_view section) const {
  for (const Section& s : sections_) {
    if (EqualsIgnoreAsciiCase(s.name, section)) return true;
  }
  return false;
}

std::string IniFile::Get(std::string_view section, std::string_view key,
                         std::string_view fallback) const {
  auto value = Find(section, key);
  return value ? *value : std::string(fallback);
}

}  // namespace quelor::config
