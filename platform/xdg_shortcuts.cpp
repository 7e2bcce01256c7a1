#include "platform/xdg_shortcuts.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace quelor::platform {
namespace {

namespace fs = std::filesystem;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// An XDG base directory variable; relative values are invalid by the
// base-directory rules and count as unset.
std::string BaseDirectory(const char* name, const std::string& fallback) {
  const std::string value = Environment(name);
  return !value.empty() && value.front() == '/' ? WithoutTrailingSlashes(value) : fallback;
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// XDG_DESKTOP_DIR as user-dirs.dirs sets it ("$HOME/..." or an absolute path
// in double quotes); empty when the file or the line is missing.
std::string UserDirsDesktop(const std::string& home) {
  const std::string config = BaseDirectory("XDG_CONFIG_HOME", home + "/.config");
  std::ifstream in(config + "/user-dirs.dirs");
  std::string line;
  while (std::getline(in, line)) {
    std::string_view entry = Trimmed(line);
    constexpr std::string_view kKey = "XDG_DESKTOP_DIR=";
    if (!entry.starts_with(kKey)) continue;
    entry.remove_prefix(kKey.size());
    if (entry.size() < 2 || entry.front() != '"' || entry.back() != '"') continue;
    entry = entry.substr(1, entry.size() - 2);
    std::string value;
    for (std::size_t i = 0; i < entry.size(); ++i) {
      if (entry[i] == '\\' && i + 1 < entry.size()) ++i;
      value += entry[i];
    }
    if (value.starts_with("$HOME")) value = home + value.substr(5);
    if (value.empty() || value.front() != '/') continue;
    value = WithoutTrailingSlashes(value);
    // A desktop set to the home folder itself means "no desktop folder".
    return value == WithoutTrailingSlashes(home) ? std::string() : value;
  }
  return {};
}

std::string EscapedValue(std::string_view text) {
  std::string escaped;
  for (std::size_t i = 0; i < text.size(); ++i) {
    switch (text[i]) {
      case '\\':
        escaped += "\\\\";
        break;
      case '\n':
        escaped += "\\n";
        break;
      case '\r':
        escaped += "\\r";
        break;
      case '\t':
        escaped += "\\t";
        break;
      // Readers trim the blanks after '='; a leading blank must be written out.
      case ' ':
        escaped += i == 0 ? "\\s" : " ";
        break;
      default:
        escaped += text[i];
    }
  }
  return escaped;
}

struct Line {
  std::string_view content;  // without its line end
  std::string_view end;      // "\r\n", "\n", or empty on a last line without one
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  while (!text.empty()) {
    const auto newline = text.find('\n');
    if (newline == std::string_view::npos) {
      lines.push_back({text, {}});
      break;
    }
    const bool crlf = newline > 0 && text[newline - 1] == '\r';
    const auto content_length = crlf ? newline - 1 : newline;
    lines.push_back({text.substr(0, content_length),
                     text.substr(content_length, newline + 1 - content_length)});
    text.remove_prefix(newline + 1);
  }
  return lines;
}

bool IsGroupHeader(std::string_view content) { return Trimmed(content).starts_with('['); }

// The key of an entry line ("Comment", "Comment[de]", ...), empty for
// comments, blank lines and anything else.
std::string_view KeyOf(std::string_view content) {
  const std::string_view trimmed = Trimmed(content);
  if (trimmed.empty() || trimmed.front() == '#') return {};
  const auto equals = trimmed.find('=');
  return equals == std::string_view::npos ? std::string_view() : Trimmed(trimmed.substr(0, equals));
}

[[noreturn]] void ThrowUnusable(const std::string& path, const std::string& what) {
  throw ShortcutError(ShortcutError::Kind::kUnusable, "Verknüpfung " + path + " " + what);
}

std::string SystemReason(int error) { return std::strerror(error); }

// Writes `text` to a new file beside `target` with `permissions` and renames
// it over `target`, so a reader sees either the old or the new file whole.
void ReplaceFile(const std::string& shown_path, const std::string& target, const std::string& text,
                 fs::perms permissions) {
  std::string temporary = target + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) ThrowUnusable(shown_path, "kann nicht geschrieben werden: " + SystemReason(errno));
  auto fail = [&](int error) {
    ::close(fd);
    ::unlink(temporary.c_str());
    ThrowUnusable(shown_path, "kann nicht geschrieben werden: " + SystemReason(error));
  };
  if (::fchmod(fd, static_cast<mode_t>(permissions & fs::perms::mask)) != 0) fail(errno);
  std::string_view rest = text;
  while (!rest.empty()) {
    const ssize_t written = ::write(fd, rest.data(), rest.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      fail(errno);
    }
    rest.remove_prefix(static_cast<std::size_t>(written));
  }
  if (::fsync(fd) != 0) fail(errno);
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    ThrowUnusable(shown_path, "kann nicht geschrieben werden: " + SystemReason(error));
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    ThrowUnusable(shown_path, "kann nicht geschrieben werden: " + SystemReason(error));
  }
}

}  // namespace

std::string XdgShortcuts::FolderPath(SpecialFolder folder) const {
  const std::string home = WithoutTrailingSlashes(Environment("HOME"));
  switch (folder) {
    case SpecialFolder::kCommonDesktop:
      return {};
    case SpecialFolder::kDesktop: {
      if (home.empty()) return {};
      const std::string configured = UserDirsDesktop(home);
      return configured.empty() ? home + "/Desktop" : configured;
    }
    case SpecialFolder::kStartMenu: {
      const std::string data_home =
          BaseDirectory("XDG_DATA_HOME", home.empty() ? std::string() : home + "/.local/share");
      return data_home.empty() ? std::string() : data_home + "/applications";
    }
    case SpecialFolder::kCommonStartMenu: {
      const std::string dirs = Environment("XDG_DATA_DIRS");
      const std::string first = WithoutTrailingSlashes(dirs.substr(0, dirs.find(':')));
      return (!first.empty() && first.front() == '/' ? first : std::string("/usr/share")) +
             "/applications";
    }
  }
  return {};
}

ShortcutLayout XdgShortcuts::Layout() const { return {'/', ".desktop", ""}; }

std::optional<std::string> WithDesktopEntryComment(std::string_view text,
                                                   std::string_view description) {
  const std::vector<Line> lines = SplitLines(text);
  std::size_t group = 0;
  while (group < lines.size() && Trimmed(lines[group].content) != "[Desktop Entry]") ++group;
  if (group == lines.size()) return std::nullopt;

  std::size_t group_end = group + 1;
  while (group_end < lines.size() && !IsGroupHeader(lines[group_end].content)) ++group_end;

  std::size_t comment = lines.size();
  std::size_t name = lines.size();
  std::size_t last_filled = group;
  for (std::size_t i = group + 1; i < group_end; ++i) {
    const std::string_view key = KeyOf(lines[i].content);
    if (key == "Comment" && comment == lines.size()) comment = i;
    if (key == "Name" && name == lines.size()) name = i;
    if (!Trimmed(lines[i].content).empty()) last_filled = i;
  }

  const std::string new_content = "Comment=" + EscapedValue(description);
  // The file's own line end for an inserted line.
  std::string_view file_end = "\n";
  for (const Line& line : lines) {
    if (!line.end.empty()) {
      file_end = line.end;
      break;
    }
  }
  const std::size_t insert_after = comment != lines.size() ? lines.size()
                                   : name != lines.size()  ? name
                                                           : last_filled;

  std::string result;
  result.reserve(text.size() + new_content.size() + 2);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == comment) {
      result += new_content;
      result += lines[i].end;
      continue;
    }
    result += lines[i].content;
    if (i == insert_after) {
      // A line without an end is the file's last; the inserted line takes
      // that place, so the file still ends the way it did.
      result += lines[i].end.empty() ? file_end : lines[i].end;
      result += new_content;
      result += lines[i].end;
    } else {
      result += lines[i].end;
    }
  }
  return result;
}

void XdgShortcuts::UpdateDescription(const std::string& path, const std::string& description) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) {
    throw ShortcutError(ShortcutError::Kind::kNotFound, "Verknüpfung nicht gefunden: " + path);
  }
  if (error) ThrowUnusable(path, "ist nicht lesbar: " + error.message());
  if (status.type() != fs::file_type::regular) ThrowUnusable(path, "ist keine Datei");

  // Write to what a link points at, so the link itself survives.
  const fs::path target = fs::canonical(path, error);
  if (error) ThrowUnusable(path, "ist nicht lesbar: " + error.message());

  std::ifstream in(target, std::ios::binary);
  if (!in) ThrowUnusable(path, "ist nicht lesbar");
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) ThrowUnusable(path, "ist nicht lesbar");

  const std::optional<std::string> updated = WithDesktopEntryComment(text, description);
  if (!updated) ThrowUnusable(path, "hat keine Gruppe [Desktop Entry]");
  if (*updated == text) return;  // nothing to change; the file keeps its time
  ReplaceFile(path, target.string(), *updated, status.permissions());
}

}  // namespace quelor::platform
