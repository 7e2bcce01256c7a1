// Shortcut descriptions through the shell's link objects, on real .lnk files
// that the test makes in folders with umlauts and blanks.
// clang-format off
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
// clang-format on

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "db/step_feedback.h"
#include "migration/shortcut_refresh.h"
#include "platform/utf8_path.h"
#include "platform/windows_shortcuts.h"
#include "platform/windows_text.h"

namespace quelor::platform {
namespace {

namespace fs = std::filesystem;

struct Link {
  std::wstring target, arguments, icon, folder, description;
  int icon_index = 0;
};

// Writes a link with the shell's own object, as an installer would.
void MakeLink(const fs::path& path, const Link& link) {
  IShellLinkW* shell_link = nullptr;
  ASSERT_TRUE(
      SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&shell_link))));
  shell_link->SetPath(link.target.c_str());
  shell_link->SetArguments(link.arguments.c_str());
  shell_link->SetIconLocation(link.icon.c_str(), link.icon_index);
  shell_link->SetWorkingDirectory(link.folder.c_str());
  shell_link->SetDescription(link.description.c_str());
  IPersistFile* file = nullptr;
  shell_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  EXPECT_TRUE(SUCCEEDED(file->Save(path.c_str(), TRUE))) << path;
  file->Release();
  shell_link->Release();
}

Link ReadLink(const fs::path& path) {
  Link link;
  IShellLinkW* shell_link = nullptr;
  ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                     reinterpret_cast<void**>(&shell_link));
  IPersistFile* file = nullptr;
  shell_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  EXPECT_TRUE(SUCCEEDED(file->Load(path.c_str(), STGM_READ))) << path;
  wchar_t text[1024];
  shell_link->GetPath(text, 1024, nullptr, SLGP_RAWPATH);
  link.target = text;
  shell_link->GetArguments(text, 1024);
  link.arguments = text;
  shell_link->GetIconLocation(text, 1024, &link.icon_index);
  link.icon = text;
  shell_link->GetWorkingDirectory(text, 1024);
  link.folder = text;
  shell_link->GetDescription(text, 1024);
  link.description = text;
  file->Release();
  shell_link->Release();
  return link;
}

class WindowsShortcutsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / PathFromUtf8("quelor Verkn\xC3\xBCpfungen");
    fs::remove_all(root_);
    fs::create_directories(root_ / "Programme");
    target_ = root_ / "Programme" / "quelor.exe";
    std::ofstream(target_) << "MZ";
  }
  // The shell is told of every saved link and may still be reading one for a
  // moment (Wine's desktop process does): removal is tried again then.
  void TearDown() override {
    std::error_code error;
    for (int attempt = 0; attempt < 50; ++attempt) {
      fs::remove_all(root_, error);
      if (!error) return;
      ::Sleep(100);
    }
    ADD_FAILURE() << "cannot remove " << root_ << ": " << error.message();
  }

  Link Sample() const {
    return {target_.wstring(),
            L"/mandant \"TSV\"",
            target_.wstring(),
            (root_ / "Programme").wstring(),
            L"Quelor vereinsverwaltung premium 2023",
            2};
  }

  WindowsShortcuts shortcuts_;  // starts COM for the test's own link objects too
  fs::path root_;
  fs::path target_;
};

TEST_F(WindowsShortcutsTest, SetsTheDescriptionAndKeepsEverythingElse) {
  const fs::path path = root_ / PathFromUtf8("Quelor vereinsverwaltung premium 2023.lnk");
  const Link before = Sample();
  MakeLink(path, before);
  shortcuts_.UpdateDescription(Utf8FromPath(path),
                               "Quelor vereinsverwaltung premium 2024 \xC3\xA4");
  const Link after = ReadLink(path);
  EXPECT_EQ(after.description, L"Quelor vereinsverwaltung premium 2024 \u00E4");
  EXPECT_EQ(fs::path(after.target), fs::path(before.target));
  EXPECT_EQ(after.arguments, before.arguments);
  EXPECT_EQ(fs::path(after.icon), fs::path(before.icon));
  EXPECT_EQ(after.icon_index, before.icon_index);
  EXPECT_EQ(fs::path(after.folder), fs::path(before.folder));
}

TEST_F(WindowsShortcutsTest, AShortcutWhoseTargetIsGoneEndsWithoutAWindowAndWithoutHanging) {
  const fs::path path = root_ / "verschoben.lnk";
  Link link = Sample();
  link.target = (root_ / "gibt es nicht" / "quelor.exe").wstring();
  MakeLink(path, link);
  const auto started = std::chrono::steady_clock::now();
  try {
    shortcuts_.UpdateDescription(Utf8FromPath(path), "Quelor kasse premium");
    EXPECT_EQ(ReadLink(path).description, L"Quelor kasse premium");
  } catch (const ShortcutError& error) {
    EXPECT_FALSE(error.IsNotFound()) << error.what();
    EXPECT_EQ(ReadLink(path).description, link.description) << "nothing is written";
  }
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
}

TEST_F(WindowsShortcutsTest, TellsAMissingShortcutFromOneThatCannotBeChanged) {
  const fs::path missing = root_ / "fehlt.lnk";
  try {
    shortcuts_.UpdateDescription(Utf8FromPath(missing), "x");
    FAIL() << "a missing shortcut was changed";
  } catch (const ShortcutError& error) {
    EXPECT_TRUE(error.IsNotFound()) << error.what();
  }
  EXPECT_FALSE(fs::exists(missing)) << "nothing is created";

  // Not a link, and a link that another program holds open without sharing
  // (an installer at work, a scanner): neither is changed, both are told.
  const fs::path no_link = root_ / "kaputt.lnk";
  std::ofstream(no_link) << "not a shell link";
  const fs::path held = root_ / PathFromUtf8("gesperrt \xC3\xBC.lnk");
  MakeLink(held, Sample());
  const HANDLE holder = ::CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  for (const fs::path& path : {no_link, held}) {
    const auto size = fs::file_size(path);
    try {
      shortcuts_.UpdateDescription(Utf8FromPath(path), "Quelor kasse standard 2024");
      ADD_FAILURE() << "changed " << path;
    } catch (const ShortcutError& error) {
      EXPECT_FALSE(error.IsNotFound()) << error.what();
      EXPECT_NE(std::string(error.what()).find(Utf8FromPath(path)), std::string::npos)
          << error.what();
    }
    EXPECT_EQ(fs::file_size(path), size) << path;
  }
  ::CloseHandle(holder);
  EXPECT_EQ(ReadLink(held).description, L"Quelor vereinsverwaltung premium 2023");
}

TEST_F(WindowsShortcutsTest, KnowsTheFourFoldersAndTheStartMenuLayout) {
  for (SpecialFolder folder : {SpecialFolder::kCommonDesktop, SpecialFolder::kDesktop,
                               SpecialFolder::kCommonStartMenu, SpecialFolder::kStartMenu}) {
    const std::string path = shortcuts_.FolderPath(folder);
    EXPECT_FALSE(path.empty());
    EXPECT_NE(path.back(), '\\') << path;
  }
  EXPECT_EQ(StartMenuShortcutPath(shortcuts_.Layout(), "Quelor Software", "Quelor kasse", "K"),
            "\\Programs\\Quelor Software\\Quelor kasse\\K.lnk");
}

// The refresh at the end of a run over test folders instead of the real ones.
class FolderShortcuts : public WindowsShortcuts {
 public:
  explicit FolderShortcuts(std::map<SpecialFolder, std::string> folders)
      : folders_(std::move(folders)) {}
  std::string FolderPath(SpecialFolder folder) const override { return folders_.at(folder); }

 private:
  std::map<SpecialFolder, std::string> folders_;
};

class RecordingFeedback : public db::StepFeedback {
 public:
  void ShowFailure(db::Policy, const std::string& text) override { shown.push_back(text); }
  void SetBusyCursor(bool) override {}
  std::vector<std::string> shown;
};

TEST_F(WindowsShortcutsTest, TheRefreshRenamesTheShortcutsThatExistAndIsSilentOnTheRest) {
  const fs::path common = root_ / "Alle Benutzer";
  const fs::path desktop = root_ / "Desktop";
  const fs::path menu = root_ / PathFromUtf8("Startmen\xC3\xBC");
  for (const fs::path& folder : {common, desktop}) fs::create_directories(folder);
  const fs::path in_menu = menu / "Programs" / "Quelor Software" / "Quelor vereinsverwaltung";
  fs::create_directories(in_menu);
  const fs::path old_desktop = desktop / "Quelor vereinsverwaltung premium 2023.lnk";
  const fs::path old_menu = in_menu / "Quelor vereinsverwaltung standard 2023.lnk";
  MakeLink(old_desktop, Sample());
  MakeLink(old_menu, Sample());
  FolderShortcuts shortcuts({{SpecialFolder::kCommonDesktop, Utf8FromPath(common)},
                             {SpecialFolder::kDesktop, Utf8FromPath(desktop)},
                             {SpecialFolder::kCommonStartMenu, ""},
                             {SpecialFolder::kStartMenu, Utf8FromPath(menu)}});
  RecordingFeedback feedback;
  migration::RefreshShortcutDescriptions(shortcuts, feedback);
  EXPECT_EQ(ReadLink(old_desktop).description, L"Quelor vereinsverwaltung premium 2024");
  EXPECT_EQ(ReadLink(old_menu).description, L"Quelor vereinsverwaltung standard 2024");
  EXPECT_TRUE(feedback.shown.empty()) << feedback.shown.front();
}

}  // namespace
}  // namespace quelor::platform
