// Reading of Windows-style profile files (the INI format of SysDBAdo.INI).
//
// The rules are those of the Windows profile API, so a file written for the
// Windows tool reads the same here: section and key names are matched without
// regard to ASCII letter case, a value is the text after the first "=" of its
// line with blanks trimmed and one pair of enclosing quotes removed, and at most
// 2047 characters of a value are returned. A file that begins with the
// byte-order mark of UTF-16 (either order) is read as UTF-16, as Notepad saves
// "Unicode"; otherwise a UTF-8 byte-order mark is skipped,
// CR LF, LF and CR line ends are all accepted, and a file that is not valid
// UTF-8 is taken as Windows-1252 (what Notepad on a German Windows writes).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelor::config {

// The longest value the profile API hands back: its buffer of 2048 holds 2047
// characters and the terminator.
inline constexpr std::size_t kMaxProfileValueLength = 2047;

class IniFile {
 public:
  // Parses the text of a profile file. Never fails: lines that are neither a
  // section header nor a key line are skipped, as Windows does.
  static IniFile Parse(std::string_view text);

  // Reads the file at `path`. A missing or unreadable file gives an empty
  // IniFile, so every lookup falls back to its default.
  static IniFile Load(const std::string& path);

  // The value of `key` in `section`, or nullopt when the section or the key is
  // missing. When a section or key occurs more than once, the first one counts.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  // Whether a section of that name is there (it may hold no keys).
  bool HasSection(std::string_view section) const;

  // The value, or `fallback` when it is missing.
  std::string Get(std::string_view section, std::string_view key,
                  std::string_view fallback = {}) const;

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  std::vector<Section> sections_;
};

// Converts text that is not valid UTF-8 from Windows-1252 to UTF-8; valid
// UTF-8 is returned unchanged.
std::string ToUtf8FromProfileBytes(std::string_view bytes);

}  // namespace quelor::config
