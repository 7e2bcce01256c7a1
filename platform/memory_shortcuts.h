// Shortcut files kept in memory, for tests: the special folders are whatever
// the test configures, a shortcut is a path with its description, and every
// attempt to update a description is recorded in order. Not used by the
// program itself.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/shortcuts.h"

namespace quelor::platform {

class MemoryShortcuts : public Shortcuts {
 public:
  // One call of UpdateDescription, whatever its outcome.
  struct Attempt {
    std::string path;
    std::string description;
  };

  // Starts with all four folders empty (none) and the Windows layout written
  // with '/': extension ".lnk", start-menu prefix "Programs/".
  MemoryShortcuts();

  void SetFolder(SpecialFolder folder, std::string path);
  void SetLayout(ShortcutLayout layout) { layout_ = std::move(layout); }

  // Places a shortcut at `path` with `description`.
  void AddShortcut(const std::string& path, const std::string& description);
  // Places a shortcut at `path` that exists but fails every update with a
  // kUnusable error whose text is `message`.
  void AddBrokenShortcut(const std::string& path, const std::string& message);

  // The description of the shortcut at `path`; empty when there is none.
  std::string Description(const std::string& path) const;
  const std::vector<Attempt>& attempts() const { return attempts_; }

  std::string FolderPath(SpecialFolder folder) const override;
  ShortcutLayout Layout() const override { return layout_; }
  void UpdateDescription(const std::string& path, const std::string& description) override;

 private:
  std::map<SpecialFolder, std::string> folders_;
  ShortcutLayout layout_;
  std::map<std::string, std::string> descriptions_;
  std::map<std::string, std::string> broken_;  // path -> error text
  std::vector<Attempt> attempts_;
};

}  // namespace quelor::platform
