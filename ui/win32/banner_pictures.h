// The three banner pictures, compiled into the program as JPEG files and
// decoded with what every Windows has (the OLE picture object).
#pragma once

// clang-format off
#include <windows.h>
// clang-format on

namespace quelor::ui {

enum class Banner { kStandard, kPremium, k300 };

// A bitmap of the banner, owned by the caller; nullptr when it cannot be
// decoded (the window then shows no picture).
HBITMAP LoadBannerBitmap(Banner banner);

}  // namespace quelor::ui
