#include "platform/system_shortcuts.h"

namespace quelor::platform {

// Shell links are not refreshed by this build yet.
std::unique_ptr<Shortcuts> MakeSystemShortcuts() { return nullptr; }

}  // namespace quelor::platform
