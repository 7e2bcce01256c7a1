// The product's shortcut files on the desktops and in the start menus, as far
// as the finishing of an update run needs them: where the special folders are
// and how a shortcut's description (the tool tip that names the edition) is
// rewritten.
//
// Implementations: XdgShortcuts (.desktop files, Linux), WindowsShortcuts
// (shell link objects through COM, ".lnk"), MemoryShortcuts (for tests). The
// interface is kept to what the shell provides: a folder path per identifier
// and load / set description / save.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace quelor::platform {

// The four special folders a shortcut of the product may lie in.
enum class SpecialFolder {
  kCommonDesktop,    // the desktop shared by all users
  kDesktop,          // the current user's desktop
  kCommonStartMenu,  // the start menu shared by all users
  kStartMenu,        // the current user's start menu
};

// A failure of UpdateDescription. The refresh treats "the shortcut is not
// there" (an expected outcome on most machines) differently from "the
// shortcut is there but could not be read, understood or written", so the
// error says which of the two it is. what() is the text shown to the user.
class ShortcutError : public std::runtime_error {
 public:
  enum class Kind {
    kNotFound,  // the file (or the folder it would lie in) does not exist
    kUnusable,  // the file exists but cannot be read, parsed or written
  };

  ShortcutError(Kind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}

  Kind kind() const { return kind_; }
  bool IsNotFound() const { return kind_ == Kind::kNotFound; }

 private:
  Kind kind_;
};

// How a platform lays out shortcut files below a special folder.
struct ShortcutLayout {
  char separator = '/';           // between folder names
  std::string extension;          // appended to a shortcut's file name, with its dot
  std::string start_menu_prefix;  // folder(s) between a start menu and the maker's
                                  // folder, each followed by the separator; may be empty
};

// The path of a desktop shortcut relative to its folder: separator, file
// name, and the layout's extension when `with_extension` is set.
inline std::string DesktopShortcutPath(const ShortcutLayout& layout, std::string_view file_name,
                                       bool with_extension) {
  std::string path(1, layout.separator);
  path += file_name;
  if (with_extension) path += layout.extension;
  return path;
}

// The path of a start-menu shortcut relative to its folder: the layout's
// start-menu prefix, the maker's folder, the program's folder, the file name
// and the extension, each folder introduced by the separator.
inline std::string StartMenuShortcutPath(const ShortcutLayout& layout,
                                         std::string_view maker_folder,
                                         std::string_view program_folder,
                                         std::string_view file_name) {
  std::string path(1, layout.separator);
  path += layout.start_menu_prefix;
  path += maker_folder;
  path += layout.separator;
  path += program_folder;
  path += DesktopShortcutPath(layout, file_name, true);
  return path;
}

// The operating system's shortcut files. Used from one thread only; nothing
// is cached between calls, so a changed environment is seen at the next call.
class Shortcuts {
 public:
  Shortcuts() = default;
  Shortcuts(const Shortcuts&) = delete;
  Shortcuts& operator=(const Shortcuts&) = delete;
  virtual ~Shortcuts() = default;

  // The file-system path of `folder`, without a trailing separator. Empty
  // when the platform has no such folder; the caller then treats every
  // shortcut in it as missing. The folder itself need not exist.
  virtual std::string FolderPath(SpecialFolder folder) const = 0;

  // How shortcut paths below the special folders are built on this platform.
  virtual ShortcutLayout Layout() const = 0;

  // Loads the existing shortcut file at `path`, sets its description to
  // `description` and writes it back to the same path; everything else in the
  // shortcut stays as it was. Never creates, renames or deletes a shortcut.
  // Throws ShortcutError: kNotFound when there is no file at `path`,
  // kUnusable when it cannot be read, is not a shortcut, or cannot be
  // written; in both cases the file is left unchanged.
  virtual void UpdateDescription(const std::string& path, const std::string& description) = 0;
};

}  // namespace quelor::platform
