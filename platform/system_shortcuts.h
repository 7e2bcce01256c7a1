// The shortcuts of the machine the program runs on: .desktop files on Linux,
// shell links on Windows.
#pragma once

#include <memory>

#include "platform/shortcuts.h"

namespace quelor::platform {

std::unique_ptr<Shortcuts> MakeSystemShortcuts();

}  // namespace quelor::platform
