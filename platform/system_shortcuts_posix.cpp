#include "platform/system_shortcuts.h"
#include "platform/xdg_shortcuts.h"

namespace quelor::platform {

std::unique_ptr<Shortcuts> MakeSystemShortcuts() { return std::make_unique<XdgShortcuts>(); }

}  // namespace quelor::platform
