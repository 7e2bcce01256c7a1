// The product's shortcuts on Windows: ".lnk" files in the four special
// folders, changed through the shell's link objects (IShellLinkW and
// IPersistFile), so everything the shell keeps in a link (target, arguments,
// icon, working folder, its tracking data) stays as the shell wrote it.
#pragma once

#include <string>

#include "platform/shortcuts.h"

namespace quelor::platform {

class WindowsShortcuts : public Shortcuts {
 public:
  // COM is started on the constructing thread and ended by the destructor;
  // the object is used from that thread only.
  WindowsShortcuts();
  ~WindowsShortcuts() override;

  // SHGetFolderPathW of the common and the user's desktop and start menu.
  std::string FolderPath(SpecialFolder folder) const override;
  // "\Programs\<maker>\<program>\<name>.lnk" below a start menu.
  ShortcutLayout Layout() const override;
  // Loads the link, lets the shell resolve a moved target (without any user
  // interface), sets the description and saves the link in place.
  void UpdateDescription(const std::string& path, const std::string& description) override;

 private:
  bool com_started_ = false;
};

}  // namespace quelor::platform
