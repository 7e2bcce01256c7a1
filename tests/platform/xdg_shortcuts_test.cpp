// Desktop entry shortcuts: where the folders are found and how a shortcut's
// Comment is rewritten in place, in a temporary home folder.
#include "platform/xdg_shortcuts.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace quelor::platform {
namespace {

namespace fs = std::filesystem;

// Every case leaves all other lines as they are, byte for byte.
TEST(WithDesktopEntryCommentTest, SetsOnlyTheUnlocalizedCommentOfTheDesktopEntry) {
  struct Case {
    const char* name;
    std::string before;
    std::string after;
  };
  // clang-format off
  const std::vector<Case> cases = {
      {"replaced, localized key and other keys kept",
       "[Desktop Entry]\nName=Verein\nComment[de]=Alt de\nComment=Alt\nExec=verein %f\n",
       "[Desktop Entry]\nName=Verein\nComment[de]=Alt de\nComment=Neu\nExec=verein %f\n"},
      {"blanks around '=' and comments",
       "# Quelor\n[Desktop Entry]\n# Tooltip\nName=Verein\nComment = Alt\n\n",
       "# Quelor\n[Desktop Entry]\n# Tooltip\nName=Verein\nComment=Neu\n\n"},
      {"other groups keep their Comment",
       "[Desktop Entry]\nName=Verein\nComment=Alt\n\n[Desktop Action neu]\nName=Neu\nComment=x\n",
       "[Desktop Entry]\nName=Verein\nComment=Neu\n\n[Desktop Action neu]\nName=Neu\nComment=x\n"},
      {"inserted after Name",
       "[Desktop Entry]\nType=Application\nName=Verein\nName[de]=Verein\nExec=verein\n",
       "[Desktop Entry]\nType=Application\nName=Verein\nComment=Neu\nName[de]=Verein\nExec=verein\n"},
      {"inserted at the group's end without Name",
       "[Desktop Entry]\nType=Application\nExec=verein\n\n[Desktop Action neu]\nName=Neu\n",
       "[Desktop Entry]\nType=Application\nExec=verein\nComment=Neu\n\n[Desktop Action neu]\nName=Neu\n"},
      {"group not first; a Comment elsewhere is not ours",
       "[Andere]\nComment=x\n[Desktop Entry]\nName=Verein\n",
       "[Andere]\nComment=x\n[Desktop Entry]\nName=Verein\nComment=Neu\n"},
      {"CR LF kept when replacing",
       "[Desktop Entry]\r\nName=Verein\r\nComment=Alt\r\nExec=verein\r\n",
       "[Desktop Entry]\r\nName=Verein\r\nComment=Neu\r\nExec=verein\r\n"},
      {"CR LF used when inserting",
       "[Desktop Entry]\r\nName=Verein\r\nExec=verein\r\n",
       "[Desktop Entry]\r\nName=Verein\r\nComment=Neu\r\nExec=verein\r\n"},
      {"no line end at the end of the file",
       "[Desktop Entry]\nName=Verein", "[Desktop Entry]\nName=Verein\nComment=Neu"},
      {"only the group header", "[Desktop Entry]\n", "[Desktop Entry]\nComment=Neu\n"},
  };
  // clang-format on
  for (const Case& test_case : cases) {
    EXPECT_EQ(WithDesktopEntryComment(test_case.before, "Neu"), test_case.after) << test_case.name;
  }
}

TEST(WithDesktopEntryCommentTest, EscapesTheDescription) {
  EXPECT_EQ(WithDesktopEntryComment("[Desktop Entry]\n", " a\\b\nc"),
            "[Desktop Entry]\nComment=\\sa\\\\b\\nc\n");
}

TEST(WithDesktopEntryCommentTest, RefusesTextWithoutDesktopEntryGroup) {
  for (const char* text :
       {"", "Name=Verein\n", "[Desktop Action neu]\nName=Neu\n", "# [Desktop Entry]\n"}) {
    EXPECT_EQ(WithDesktopEntryComment(text, "Neu"), std::nullopt) << text;
  }
}

// HOME and the XDG variables point into a fresh temporary directory for each
// test and are restored afterwards.
class XdgShortcutsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quelor-xdg-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    home_ = root_ / "home";
    fs::create_directories(home_);
    for (const char* name : kVariables) {
      const char* value = std::getenv(name);
      saved_.push_back(value == nullptr ? std::nullopt : std::optional<std::string>(value));
      ::unsetenv(name);
    }
    ::setenv("HOME", home_.c_str(), 1);
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
    fs::remove_all(root_, ignored);
  }

  static void Write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // The names of everything below `folder`, to see that nothing was left
  // behind or created.
  static std::vector<std::string> Listing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& item : fs::recursive_directory_iterator(folder)) {
      names.push_back(fs::relative(item.path(), folder).string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  static ShortcutError::Kind FailureOf(XdgShortcuts& shortcuts, const fs::path& path) {
    try {
      shortcuts.UpdateDescription(path.string(), "Quelor kasse premium");
    } catch (const ShortcutError& error) {
      return error.kind();
    }
    ADD_FAILURE() << "no failure for " << path;
    return ShortcutError::Kind::kNotFound;
  }

  static constexpr const char* kVariables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME",
                                               "XDG_DATA_DIRS"};
  fs::path root_;
  fs::path home_;
  std::vector<std::optional<std::string>> saved_;
  XdgShortcuts shortcuts_;
};

TEST_F(XdgShortcutsTest, FindsTheDefaultFolders) {
  EXPECT_EQ(shortcuts_.FolderPath(SpecialFolder::kCommonDesktop), "");
  EXPECT_EQ(shortcuts_.FolderPath(SpecialFolder::kDesktop), home_.string() + "/Desktop");
  EXPECT_EQ(shortcuts_.FolderPath(SpecialFolder::kStartMenu),
            home_.string() + "/.local/share/applications");
  EXPECT_EQ(shortcuts_.FolderPath(SpecialFolder::kCommonStartMenu), "/usr/share/applications");
  const ShortcutLayout layout = shortcuts_.Layout();
  EXPECT_EQ(layout.extension, ".desktop");
  EXPECT_EQ(layout.start_menu_prefix, "");
}

TEST_F(XdgShortcutsTest, FindsTheFoldersTheUserHasConfigured) {
  const fs::path config = root_ / "config";
  Write(config / "user-dirs.dirs",
        "# written by xdg-user-dirs-update\nXDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n"
        "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
  ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  ::setenv("XDG_DATA_HOME", (root_ / "data/").c_str(), 1);
  ::setenv("XDG_DATA_DIRS", "/opt/quelor/share/:/usr/share", 1);

  EXPECT_EQ(shortcuts_.FolderPath(SpecialFolder::kDesktop), home_.string() + "/Schreibtisch");
  EXPECT_EQ(shortcuts_.FolderPath(SpecialFolder::kStartMenu),
            (root_ / "data/applications").string());
  EXPECT_EQ(shortcuts_.FolderPath(SpecialFolder::kCommonStartMenu),
            "/opt/quelor/share/applications");

  Write(config / "user-dirs.dirs", "XDG_DESKTOP_DIR=\"/srv/desktop\"\n");
  EXPECT_EQ(shortcuts_.FolderPath(SpecialFolder::kDesktop), "/srv/desktop");
}

TEST_F(XdgShortcutsTest, RewritesTheFileInPlaceKeepingItsModeAndLeavingNothingBehind) {
  const fs::path file = home_ / "Desktop/Quelor kasse premium.desktop";
  Write(file,
        "#!/usr/bin/env xdg-open\r\n[Desktop Entry]\r\nName=Kasse\r\nComment=Kasse 2023\r\n"
        "Comment[de]=Kasse 2023\r\n\r\n[Desktop Action neu]\r\nName=Neu\r\n");
  fs::permissions(file, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);

  shortcuts_.UpdateDescription(file.string(), "Quelor kasse premium");

  EXPECT_EQ(Read(file),
            "#!/usr/bin/env xdg-open\r\n[Desktop Entry]\r\nName=Kasse\r\n"
            "Comment=Quelor kasse premium\r\nComment[de]=Kasse 2023\r\n\r\n"
            "[Desktop Action neu]\r\nName=Neu\r\n");
  // Desktops trust only launchers that are executable.
  EXPECT_EQ(fs::status(file).permissions(),
            fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(Listing(home_ / "Desktop"), std::vector<std::string>{"Quelor kasse premium.desktop"});
}

TEST_F(XdgShortcutsTest, UpdatesTheTargetOfALinkAndKeepsTheLink) {
  const fs::path target = root_ / "share/applications/kasse.desktop";
  const fs::path link = home_ / "Desktop/Quelor kasse premium.desktop";
  Write(target, "[Desktop Entry]\nName=Kasse\n");
  fs::create_directories(link.parent_path());
  fs::create_symlink(target, link);

  shortcuts_.UpdateDescription(link.string(), "Quelor kasse premium");

  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Read(target), "[Desktop Entry]\nName=Kasse\nComment=Quelor kasse premium\n");
}

TEST_F(XdgShortcutsTest, CreatesNothingWhereNoShortcutIs) {
  EXPECT_EQ(FailureOf(shortcuts_, home_ / "Desktop/Quelor kasse premium.desktop"),
            ShortcutError::Kind::kNotFound);
  fs::create_directories(home_ / "Desktop");
  EXPECT_EQ(FailureOf(shortcuts_, home_ / "Desktop/Quelor kasse premium.desktop"),
            ShortcutError::Kind::kNotFound);
  fs::create_symlink(root_ / "gone.desktop", home_ / "Desktop/dangling.desktop");
  EXPECT_EQ(FailureOf(shortcuts_, home_ / "Desktop/dangling.desktop"),
            ShortcutError::Kind::kNotFound);
  EXPECT_EQ(Listing(root_),
            (std::vector<std::string>{"home", "home/Desktop", "home/Desktop/dangling.desktop"}));
}

TEST_F(XdgShortcutsTest, RefusesAFileThatIsNoDesktopEntryAndLeavesItAlone) {
  const fs::path file = home_ / "Desktop/Quelor kasse premium.desktop";
  const std::string text = "[Andere Gruppe]\nName=Kasse\nComment=alt\n";
  Write(file, text);

  EXPECT_EQ(FailureOf(shortcuts_, file), ShortcutError::Kind::kUnusable);
  EXPECT_EQ(Read(file), text);
  EXPECT_EQ(Listing(home_ / "Desktop"), std::vector<std::string>{"Quelor kasse premium.desktop"});

  fs::create_directories(home_ / "Desktop/Ordner.desktop");
  EXPECT_EQ(FailureOf(shortcuts_, home_ / "Desktop/Ordner.desktop"),
            ShortcutError::Kind::kUnusable);
}

// A shortcut whose name leaves no room in the file-name limit for the
// temporary file's suffix cannot be rewritten, whoever runs the update.
TEST_F(XdgShortcutsTest, ReportsAShortcutThatCannotBeWrittenAndLeavesItAlone) {
  const fs::path file = home_ / "Desktop" / (std::string(245, 'k') + ".desktop");
  const std::string text = "[Desktop Entry]\nName=Kasse\nComment=alt\n";
  Write(file, text);
  ASSERT_EQ(Read(file), text);

  try {
    shortcuts_.UpdateDescription(file.string(), "Quelor kasse premium");
    ADD_FAILURE() << "the shortcut was written";
  } catch (const ShortcutError& error) {
    EXPECT_EQ(error.kind(), ShortcutError::Kind::kUnusable);
    EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos) << error.what();
  }
  EXPECT_EQ(Read(file), text);
  EXPECT_EQ(Listing(home_ / "Desktop"), std::vector<std::string>{file.filename().string()});
}

}  // namespace
}  // namespace quelor::platform
