// Shortcut paths below the special folders, as each platform lays them out.
#include "platform/shortcuts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quelor::platform {
namespace {

TEST(ShortcutPathTest, FollowsEachPlatformsLayout) {
  struct Case {
    const char* platform;
    ShortcutLayout layout;
    std::string desktop;
    std::string desktop_bare;
    std::string start_menu;
  };
  const std::vector<Case> cases = {
      {"shell links",
       {'\\', ".lnk", "Programs\\"},
       "\\Quelor kasse premium.lnk",
       "\\Quelor kasse premium",
       "\\Programs\\Quelor Software\\Quelor kasse\\Quelor kasse premium.lnk"},
      {"desktop entries",
       {'/', ".desktop", ""},
       "/Quelor kasse premium.desktop",
       "/Quelor kasse premium",
       "/Quelor Software/Quelor kasse/Quelor kasse premium.desktop"},
  };
  for (const Case& test_case : cases) {
    EXPECT_EQ(DesktopShortcutPath(test_case.layout, "Quelor kasse premium", true),
              test_case.desktop)
        << test_case.platform;
    EXPECT_EQ(DesktopShortcutPath(test_case.layout, "Quelor kasse premium", false),
              test_case.desktop_bare)
        << test_case.platform;
    EXPECT_EQ(StartMenuShortcutPath(test_case.layout, "Quelor Software", "Quelor kasse",
                                    "Quelor kasse premium"),
              test_case.start_menu)
        << test_case.platform;
  }
}

}  // namespace
}  // namespace quelor::platform
