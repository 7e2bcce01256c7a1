// Shortcuts as the freedesktop.org desktops keep them: ".desktop" files on
// the desktop and below the "applications" folders, whose [Desktop Entry]
// Comment is the tool tip that names the edition.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/shortcuts.h"

namespace quelor::platform {

// Reads HOME, XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_DATA_DIRS (and the
// user's user-dirs.dirs) at every call.
//
// Folders:
// - kDesktop: XDG_DESKTOP_DIR from user-dirs.dirs when set there, else
//   $HOME/Desktop.
// - kCommonDesktop: none (empty). Linux has no desktop shared by all users;
//   mapping it to the user's desktop would only try the same file twice.
// - kStartMenu: $XDG_DATA_HOME/applications, by default
//   $HOME/.local/share/applications.
// - kCommonStartMenu: the first folder of $XDG_DATA_DIRS followed by
//   /applications, by default /usr/share/applications.
// Layout: '/', extension ".desktop", and no "Programs" folder: the
// applications folders are the menu's top level already.
class XdgShortcuts : public Shortcuts {
 public:
  std::string FolderPath(SpecialFolder folder) const override;
  ShortcutLayout Layout() const override;

  // Sets the unlocalized Comment key of the file's [Desktop Entry] group. All
  // other lines (comments, other keys and groups, localized Comment[xx] keys,
  // blank lines) stay byte for byte, line ends included. A missing Comment
  // is inserted after the group's Name line, or after the group's last
  // non-blank line when there is no Name. The new text goes to a temporary
  // file beside the shortcut (with the shortcut's permissions) that is then
  // renamed over it; a symbolic link is followed and stays a link. A file
  // without a [Desktop Entry] group is refused as kUnusable.
  void UpdateDescription(const std::string& path, const std::string& description) override;
};

// The text of a desktop entry file with the [Desktop Entry] group's Comment
// set to `description` (escaped as a desktop entry string), as described at
// XdgShortcuts::UpdateDescription. Empty when the text has no [Desktop Entry]
// group.
std::optional<std::string> WithDesktopEntryComment(std::string_view text,
                                                   std::string_view description);

}  // namespace quelor::platform
