#include "platform/system_shortcuts.h"
#include "platform/windows_shortcuts.h"

namespace quelor::platform {

std::unique_ptr<Shortcuts> MakeSystemShortcuts() { return std::make_unique<WindowsShortcuts>(); }

}  // namespace quelor::platform
