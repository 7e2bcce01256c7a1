// The shortcut description refresh: which shortcuts are tried in which order
// with which edition name, what a failure shows, and the whole refresh on a
// freedesktop.org home folder.
#include "migration/shortcut_refresh.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "platform/memory_shortcuts.h"
#include "platform/xdg_shortcuts.h"

namespace quelor::testing {
namespace {

using platform::MemoryShortcuts;
using platform::SpecialFolder;

class RecordingFeedback : public db::StepFeedback {
 public:
  void ShowFailure(db::Policy policy, const std::string& text) override {
    dialogs.push_back(std::string(db::PolicyName(policy)) + ": " + text);
  }
  void SetBusyCursor(bool /*busy*/) override {}

  std::vector<std::string> dialogs;
};

// A Windows machine's four folders, written with '/'.
void SetWindowsFolders(MemoryShortcuts& shortcuts) {
  shortcuts.SetFolder(SpecialFolder::kCommonDesktop, "C:/Users/Public/Desktop");
  shortcuts.SetFolder(SpecialFolder::kDesktop, "C:/Users/anna/Desktop");
  shortcuts.SetFolder(SpecialFolder::kCommonStartMenu, "C:/ProgramData/Start Menu");
  shortcuts.SetFolder(SpecialFolder::kStartMenu, "C:/Users/anna/Start Menu");
}

constexpr char kLast[] = "Quelor kasse standard 2024";
const std::string kLastCommonDesktop = std::string("C:/Users/Public/Desktop/") + kLast + ".lnk";
const std::string kLastDesktop = std::string("C:/Users/anna/Desktop/") + kLast + ".lnk";
const std::string kLastCommonDesktopBare = std::string("C:/Users/Public/Desktop/") + kLast;
const std::string kLastDesktopBare = std::string("C:/Users/anna/Desktop/") + kLast;
const std::string kLastCommonStartMenu =
    std::string("C:/ProgramData/Start Menu/Programs/Quelor Software/Quelor kasse/") + kLast +
    ".lnk";
const std::string kLastStartMenu =
    std::string("C:/Users/anna/Start Menu/Programs/Quelor Software/Quelor kasse/") + kLast + ".lnk";

TEST(ShortcutRefreshTest, TriesTheShortcutListInOrderAndIsSilentWhenNothingIsThere) {
  // clang-format off
  const std::vector<MemoryShortcuts::Attempt> expected = {
      {"C:/Users/Public/Desktop/Quelor vereinsverwaltung premium 2024.lnk",
       "Quelor vereinsverwaltung premium 2024"},
      {"C:/Users/anna/Desktop/Quelor vereinsverwaltung premium 2024.lnk",
       "Quelor vereinsverwaltung premium 2024"},
      {"C:/ProgramData/Start Menu/Programs/Quelor Software/Quelor vereinsverwaltung/Quelor vereinsverwaltung premium 2024.lnk",
       "Quelor vereinsverwaltung premium 2024"},
      {"C:/Users/anna/Start Menu/Programs/Quelor Software/Quelor vereinsverwaltung/Quelor vereinsverwaltung premium 2024.lnk",
       "Quelor vereinsverwaltung premium 2024"},
      {"C:/Users/Public/Desktop/Quelor vereinsverwaltung standard 2024.lnk",
       "Quelor vereinsverwaltung standard 2024"},
      {"C:/Users/anna/Desktop/Quelor vereinsverwaltung standard 2024.lnk",
       "Quelor vereinsverwaltung standard 2024"},
      {"C:/ProgramData/Start Menu/Programs/Quelor Software/Quelor vereinsverwaltung/Quelor vereinsverwaltung standard 2024.lnk",
       "Quelor vereinsverwaltung standard 2024"},
      {"C:/Users/anna/Start Menu/Programs/Quelor Software/Quelor vereinsverwaltung/Quelor vereinsverwaltung standard 2024.lnk",
       "Quelor vereinsverwaltung standard 2024"},
      {"C:/Users/Public/Desktop/Quelor vereinsverwaltung premium 2023.lnk",
       "Quelor vereinsverwaltung premium 2024"},
      {"C:/Users/anna/Desktop/Quelor vereinsverwaltung premium 2023.lnk",
       "Quelor vereinsverwaltung premium 2024"},
      {"C:/ProgramData/Start Menu/Programs/Quelor Software/Quelor vereinsverwaltung/Quelor vereinsverwaltung premium 2023.lnk",
       "Quelor vereinsverwaltung premium 2024"},
      {"C:/Users/anna/Start Menu/Programs/Quelor Software/Quelor vereinsverwaltung/Quelor vereinsverwaltung premium 2023.lnk",
       "Quelor vereinsverwaltung premium 2024"},
      {"C:/Users/Public/Desktop/Quelor vereinsverwaltung standard 2023.lnk",
       "Quelor vereinsverwaltung standard 2024"},
      {"C:/Users/anna/Desktop/Quelor vereinsverwaltung standard 2023.lnk",
       "Quelor vereinsverwaltung standard 2024"},
      {"C:/ProgramData/Start Menu/Programs/Quelor Software/Quelor vereinsverwaltung/Quelor vereinsverwaltung standard 2023.lnk",
       "Quelor vereinsverwaltung standard 2024"},
      {"C:/Users/anna/Start Menu/Programs/Quelor Software/Quelor vereinsverwaltung/Quelor vereinsverwaltung standard 2023.lnk",
       "Quelor vereinsverwaltung standard 2024"},
      {"C:/Users/Public/Desktop/Quelor kasse premium.lnk",
       "Quelor kasse premium"},
      {"C:/Users/anna/Desktop/Quelor kasse premium.lnk",
       "Quelor kasse premium"},
      {"C:/ProgramData/Start Menu/Programs/Quelor Software/Quelor kasse/Quelor kasse premium.lnk",
       "Quelor kasse premium"},
      {"C:/Users/anna/Start Menu/Programs/Quelor Software/Quelor kasse/Quelor kasse premium.lnk",
       "Quelor kasse premium"},
      {"C:/Users/Public/Desktop/Quelor kasse standard.lnk",
       "Quelor kasse standard"},
      {"C:/Users/anna/Desktop/Quelor kasse standard.lnk",
       "Quelor kasse standard"},
      {"C:/ProgramData/Start Menu/Programs/Quelor Software/Quelor kasse/Quelor kasse standard.lnk",
       "Quelor kasse standard"},
      {"C:/Users/anna/Start Menu/Programs/Quelor Software/Quelor kasse/Quelor kasse standard.lnk",
       "Quelor kasse standard"},
      {"C:/Users/Public/Desktop/Quelor kasse premium 2024.lnk",
       "Quelor kasse premium 2024"},
      {"C:/Users/anna/Desktop/Quelor kasse premium 2024.lnk",
       "Quelor kasse premium 2024"},
      {"C:/ProgramData/Start Menu/Programs/Quelor Software/Quelor kasse/Quelor kasse premium 2024.lnk",
       "Quelor kasse premium 2024"},
      {"C:/Users/anna/Start Menu/Programs/Quelor Software/Quelor kasse/Quelor kasse premium 2024.lnk",
       "Quelor kasse premium 2024"},
      {"C:/Users/Public/Desktop/Quelor kasse standard 2024.lnk",
       "Quelor kasse standard 2024"},
      {"C:/Users/anna/Desktop/Quelor kasse standard 2024.lnk",
       "Quelor kasse standard 2024"},
      {"C:/Users/Public/Desktop/Quelor kasse standard 2024",
       "Quelor kasse standard 2024"},
      {"C:/Users/anna/Desktop/Quelor kasse standard 2024",
       "Quelor kasse standard 2024"},
      {"C:/ProgramData/Start Menu/Programs/Quelor Software/Quelor kasse/Quelor kasse standard 2024.lnk",
       "Quelor kasse standard 2024"},
      {"C:/Users/anna/Start Menu/Programs/Quelor Software/Quelor kasse/Quelor kasse standard 2024.lnk",
       "Quelor kasse standard 2024"},
  };
  // clang-format on
  MemoryShortcuts shortcuts;
  SetWindowsFolders(shortcuts);
  RecordingFeedback feedback;

  migration::RefreshShortcutDescriptions(shortcuts, feedback);

  ASSERT_EQ(shortcuts.attempts().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(shortcuts.attempts()[i].path, expected[i].path) << "attempt " << i + 1;
    EXPECT_EQ(shortcuts.attempts()[i].description, expected[i].description) << "attempt " << i + 1;
  }
  // No shortcut anywhere is the usual case, not a failure worth a dialog.
  EXPECT_TRUE(feedback.dialogs.empty());
}

TEST(ShortcutRefreshTest, UpdatesTheShortcutsThatExistAndCreatesNone) {
  MemoryShortcuts shortcuts;
  SetWindowsFolders(shortcuts);
  const std::string old_club = "C:/Users/anna/Desktop/Quelor vereinsverwaltung premium 2023.lnk";
  const std::string menu_cash =
      "C:/ProgramData/Start Menu/Programs/Quelor Software/Quelor kasse/Quelor kasse premium.lnk";
  shortcuts.AddShortcut(old_club, "Quelor vereinsverwaltung premium 2023");
  shortcuts.AddShortcut(menu_cash, "Quelor kasse");
  shortcuts.AddShortcut(kLastDesktopBare, "alt");
  shortcuts.AddShortcut("C:/Users/anna/Desktop/Andere.lnk", "Andere");
  RecordingFeedback feedback;

  migration::RefreshShortcutDescriptions(shortcuts, feedback);

  EXPECT_EQ(shortcuts.Description(old_club), "Quelor vereinsverwaltung premium 2024");
  EXPECT_EQ(shortcuts.Description(menu_cash), "Quelor kasse premium");
  EXPECT_EQ(shortcuts.Description(kLastDesktopBare), kLast);
  EXPECT_EQ(shortcuts.Description("C:/Users/anna/Desktop/Andere.lnk"), "Andere");
  EXPECT_EQ(shortcuts.Description(kLastDesktop), "");
  EXPECT_EQ(shortcuts.attempts().size(), 34u);
  EXPECT_TRUE(feedback.dialogs.empty());
}

// A shortcut that is there but cannot be updated is told about only on the
// last entry's four desktop attempts, under the attempt's digit; everywhere
// else, and for missing shortcuts on those four, the refresh goes on quietly.
TEST(ShortcutRefreshTest, TellsOfBrokenShortcutsOnlyOnTheFourDesktopAttemptsOfTheLastEntry) {
  struct Case {
    std::vector<std::string> broken;
    std::vector<std::string> dialogs;
  };
  const std::vector<Case> cases = {
      {{kLastCommonDesktop}, {"message: 1kaputt"}},
      {{kLastDesktop}, {"message: 2kaputt"}},
      {{kLastCommonDesktopBare}, {"message: 3kaputt"}},
      {{kLastDesktopBare}, {"message: 4kaputt"}},
      {{kLastDesktopBare, kLastCommonDesktop, kLastDesktop, kLastCommonDesktopBare},
       {"message: 1kaputt", "message: 2kaputt", "message: 3kaputt", "message: 4kaputt"}},
      {{kLastStartMenu}, {}},
      {{"C:/Users/Public/Desktop/Quelor kasse premium 2024.lnk"}, {}},
      {{"C:/Users/anna/Desktop/Quelor kasse premium 2024"}, {}},  // never tried
  };
  for (const Case& test_case : cases) {
    MemoryShortcuts shortcuts;
    SetWindowsFolders(shortcuts);
    for (const std::string& path : test_case.broken) shortcuts.AddBrokenShortcut(path, "kaputt");
    // Attempts after the failures still do their work.
    shortcuts.AddShortcut(kLastCommonStartMenu, "alt");
    RecordingFeedback feedback;

    migration::RefreshShortcutDescriptions(shortcuts, feedback);

    EXPECT_EQ(feedback.dialogs, test_case.dialogs) << test_case.broken.front();
    EXPECT_EQ(shortcuts.attempts().size(), 34u) << test_case.broken.front();
    EXPECT_EQ(shortcuts.Description(kLastCommonStartMenu), kLast) << test_case.broken.front();
  }
}

TEST(ShortcutRefreshTest, PassesOverFoldersThePlatformDoesNotHave) {
  MemoryShortcuts shortcuts;
  SetWindowsFolders(shortcuts);
  shortcuts.SetFolder(SpecialFolder::kCommonDesktop, "");
  RecordingFeedback feedback;

  migration::RefreshShortcutDescriptions(shortcuts, feedback);

  // 7 entries x 3 folders + the last entry's user desktop twice and both menus.
  EXPECT_EQ(shortcuts.attempts().size(), 25u);
  for (const MemoryShortcuts::Attempt& attempt : shortcuts.attempts()) {
    EXPECT_TRUE(attempt.path.starts_with("C:/Users/anna/") ||
                attempt.path.starts_with("C:/ProgramData/"))
        << attempt.path;
  }
  EXPECT_TRUE(feedback.dialogs.empty());
}

// The refresh on a freedesktop.org home folder, in a temporary directory.
class XdgShortcutRefreshTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quelor-refresh-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    for (const char* name : kVariables) {
      const char* value = std::getenv(name);
      saved_.push_back(value == nullptr ? std::nullopt : std::optional<std::string>(value));
    }
    ::setenv("HOME", (root_ / "home").c_str(), 1);
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("XDG_DATA_DIRS", (root_ / "share").c_str(), 1);
  }

  void TearDown() override {
    for (std::size_t i = 0; i < saved_.size(); ++i) {
      if (saved_[i]) {
        ::setenv(kVariables[i], saved_[i]->c_str(), 1);
      } else {
        ::unsetenv(kVariables[i]);
      }
    }
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  void Write(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }

  static std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  static constexpr const char* kVariables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME",
                                               "XDG_DATA_DIRS"};
  std::filesystem::path root_;
  std::vector<std::optional<std::string>> saved_;
};

TEST_F(XdgShortcutRefreshTest, UpdatesDesktopFilesOnTheDesktopAndInTheMenus) {
  const std::filesystem::path desktop_file = root_ / "home/Desktop" / kLast;
  const std::filesystem::path menu_file =
      root_ / "home/.local/share/applications/Quelor Software/Quelor vereinsverwaltung" /
      "Quelor vereinsverwaltung standard 2023.desktop";
  const std::filesystem::path common_menu_file =
      root_ / "share/applications/Quelor Software/Quelor kasse/Quelor kasse premium.desktop";
  Write(desktop_file, "[Desktop Entry]\nName=Kasse\nComment=alt\nExec=kasse\n");
  Write(menu_file, "[Desktop Entry]\r\nName=Verein\r\nExec=verein\r\n");
  Write(common_menu_file, "[Desktop Entry]\nName=Kasse\nComment[de]=Kasse\n");
  platform::XdgShortcuts shortcuts;
  RecordingFeedback feedback;

  migration::RefreshShortcutDescriptions(shortcuts, feedback);

  EXPECT_EQ(Read(desktop_file),
            "[Desktop Entry]\nName=Kasse\nComment=Quelor kasse standard 2024\nExec=kasse\n");
  EXPECT_EQ(Read(menu_file),
            "[Desktop Entry]\r\nName=Verein\r\nComment=Quelor vereinsverwaltung standard "
            "2024\r\nExec=verein\r\n");
  EXPECT_EQ(Read(common_menu_file),
            "[Desktop Entry]\nName=Kasse\nComment=Quelor kasse premium\nComment[de]=Kasse\n");
  EXPECT_TRUE(feedback.dialogs.empty());
  std::size_t files = 0;
  for (const auto& item : std::filesystem::recursive_directory_iterator(root_)) {
    if (item.is_regular_file()) ++files;
  }
  EXPECT_EQ(files, 3u);
}

}  // namespace
}  // namespace quelor::testing
