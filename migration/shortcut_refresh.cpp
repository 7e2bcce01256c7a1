#include "migration/shortcut_refresh.h"

#include <array>
#include <exception>
#include <string>
#include <string_view>

namespace quelor::migration {
namespace {

using platform::SpecialFolder;

// The maker's folder in the start menus, with one subfolder per program.
constexpr std::string_view kMakerFolder = "Quelor Software";
constexpr std::string_view kClubProgram = "Quelor vereinsverwaltung";
constexpr std::string_view kCashProgram = "Quelor kasse";

struct Entry {
  std::string_view description;  // the edition name the shortcut is to show
  std::string_view file_name;    // the shortcut's file name, without extension
  std::string_view program_folder;
};

// The shortcuts of the product family, in the order they are tried. The
// club administration for two release years; the 2023 shortcuts are given
// the 2024 names, since this update brings those installations to 2024. The
// cash book without a year and for 2024. The last entry is also tried
// without the extension on the desktops (see RefreshShortcutDescriptions).
// clang-format off
constexpr std::array<Entry, 8> kEntries = {{
    // description                              file name                                 program folder
    {"Quelor vereinsverwaltung premium 2024",  "Quelor vereinsverwaltung premium 2024",  kClubProgram},
    {"Quelor vereinsverwaltung standard 2024", "Quelor vereinsverwaltung standard 2024", kClubProgram},
    {"Quelor vereinsverwaltung premium 2024",  "Quelor vereinsverwaltung premium 2023",  kClubProgram},
    {"Quelor vereinsverwaltung standard 2024", "Quelor vereinsverwaltung standard 2023", kClubProgram},
    {"Quelor kasse premium",                   "Quelor kasse premium",                   kCashProgram},
    {"Quelor kasse standard",                  "Quelor kasse standard",                  kCashProgram},
    {"Quelor kasse premium 2024",              "Quelor kasse premium 2024",              kCashProgram},
    {"Quelor kasse standard 2024",             "Quelor kasse standard 2024",             kCashProgram},
}};
// clang-format on

// One attempt: updates one shortcut's description and decides what a
// failure shows. `message_digit` is '\0' for an attempt whose failures are
// all passed over.
//
// Missing folders and missing shortcuts are always silent: most machines
// have only some of these shortcuts, and a dialog for each absent one would
// greet every user with meaningless boxes at the end of every run. A
// shortcut that is there but cannot be updated is worth telling about on the
// attempts that show their failures.
void Attempt(platform::Shortcuts& shortcuts, db::StepFeedback& feedback, SpecialFolder folder,
             const std::string& relative_path, std::string_view description, char message_digit) {
  const std::string folder_path = shortcuts.FolderPath(folder);
  // No such folder on this platform: its shortcuts cannot exist, and the bare
  // relative path would point at the file-system root.
  if (folder_path.empty()) return;
  try {
    shortcuts.UpdateDescription(folder_path + relative_path, std::string(description));
  } catch (const platform::ShortcutError& error) {
    if (error.IsNotFound() || message_digit == '\0') return;
    feedback.ShowFailure(db::Policy::kMessage, std::string(1, message_digit) + error.what());
  } catch (const std::exception& error) {
    // Not known to be a missing shortcut: told like a broken one.
    if (message_digit == '\0') return;
    feedback.ShowFailure(db::Policy::kMessage, std::string(1, message_digit) + error.what());
  }
}

}  // namespace

void RefreshShortcutDescriptions(platform::Shortcuts& shortcuts, db::StepFeedback& feedback) {
  const platform::ShortcutLayout layout = shortcuts.Layout();
  auto desktop = [&](const Entry& entry, bool with_extension) {
    return platform::DesktopShortcutPath(layout, entry.file_name, with_extension);
  };
  auto start_menu = [&](const Entry& entry) {
    return platform::StartMenuShortcutPath(layout, kMakerFolder, entry.program_folder,
                                           entry.file_name);
  };

  for (std::size_t entry_idx = 0; entry_idx + 1 < kEntries.size(); ++entry_idx) {
    const Entry& entry = kEntries[entry_idx];
    Attempt(shortcuts, feedback, SpecialFolder::kCommonDesktop, desktop(entry, true),
            entry.description, '\0');
    Attempt(shortcuts, feedback, SpecialFolder::kDesktop, desktop(entry, true), entry.description,
            '\0');
    Attempt(shortcuts, feedback, SpecialFolder::kCommonStartMenu, start_menu(entry),
            entry.description, '\0');
    Attempt(shortcuts, feedback, SpecialFolder::kStartMenu, start_menu(entry), entry.description,
            '\0');
  }

  // The last entry: both desktops with and then without the extension, each
  // telling its failures under its digit, then both start menus.
  const Entry& last = kEntries.back();
  Attempt(shortcuts, feedback, SpecialFolder::kCommonDesktop, desktop(last, true), last.description,
          '1');
  Attempt(shortcuts, feedback, SpecialFolder::kDesktop, desktop(last, true), last.description, '2');
  Attempt(shortcuts, feedback, SpecialFolder::kCommonDesktop, desktop(last, false),
          last.description, '3');
  Attempt(shortcuts, feedback, SpecialFolder::kDesktop, desktop(last, false), last.description,
          '4');
  Attempt(shortcuts, feedback, SpecialFolder::kCommonStartMenu, start_menu(last), last.description,
          '\0');
  Attempt(shortcuts, feedback, SpecialFolder::kStartMenu, start_menu(last), last.description, '\0');
}

}  // namespace quelor::migration
