#include "platform/memory_shortcuts.h"

#include <utility>

namespace quelor::platform {

MemoryShortcuts::MemoryShortcuts() : layout_{'/', ".lnk", "Programs/"} {}

void MemoryShortcuts::SetFolder(SpecialFolder folder, std::string path) {
  folders_[folder] = std::move(path);
}

void MemoryShortcuts::AddShortcut(const std::string& path, const std::string& description) {
  descriptions_[path] = description;
  broken_.erase(path);
}

void MemoryShortcuts::AddBrokenShortcut(const std::string& path, const std::string& message) {
  broken_[path] = message;
  descriptions_.erase(path);
}

std::string MemoryShortcuts::Description(const std::string& path) const {
  const auto found = descriptions_.find(path);
  return found == descriptions_.end() ? std::string() : found->second;
}

std::string MemoryShortcuts::FolderPath(SpecialFolder folder) const {
  const auto found = folders_.find(folder);
  return found == folders_.end() ? std::string() : found->second;
}

void MemoryShortcuts::UpdateDescription(const std::string& path, const std::string& description) {
  attempts_.push_back({path, description});
  if (const auto broken = broken_.find(path); broken != broken_.end()) {
    throw ShortcutError(ShortcutError::Kind::kUnusable, broken->second);
  }
  const auto found = descriptions_.find(path);
  if (found == descriptions_.end()) {
    throw ShortcutError(ShortcutError::Kind::kNotFound, "Verknüpfung nicht gefunden: " + path);
  }
  found->second = description;
}

}  // namespace quelor::platform
