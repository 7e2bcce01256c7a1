// What the update run shows: the caption, the progress gauge, modal dialogs,
// the busy cursor. Implemented by the Qt window, the console front-end and a
// recording view in tests. The run calls it from one thread at a time: with
// several tenants migrated at once, app::LockedView serialises the calls.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quelor::app {

// The fixed application title: caption between tenants, of plain message
// boxes and of the stop box.
inline constexpr std::string_view kApplicationTitle =
    "Quelor vereinsverwaltung premium - SQL Update";

enum class DialogKind {
  kWarning,      // warning icon, one OK button
  kError,        // error icon, one OK button
  kInformation,  // information icon, one OK button
  kPlain,        // no icon, one OK button
  kStop,         // stop icon, one OK button: a failure that ended the run
};

std::string_view DialogKindName(DialogKind kind);

class RunView {
 public:
  virtual ~RunView() = default;

  virtual void SetCaption(const std::string& caption) = 0;

  // Shows `percent` (0 to 100) on the gauge and repaints it at once. The run
  // only calls this when the shown value changes.
  virtual void SetGauge(int percent) = 0;

  // Shows a modal dialog and returns when it is confirmed. Window messages are
  // processed while it is open.
  virtual void ShowDialog(DialogKind kind, const std::string& caption, const std::string& text) = 0;

  // The same dialog, raised while `database` was migrated next to others:
  // a front-end that writes lines names the database in front of it.
  virtual void ShowDialogFor(const std::string& database, DialogKind kind,
                             const std::string& caption, const std::string& text) {
    (void)database;
    ShowDialog(kind, caption, text);
  }

  // Shows the application-wide busy (database-wait) cursor, or the normal one.
  virtual void SetBusyCursor(bool busy) = 0;

  // Processes the pending window messages once.
  virtual void ProcessMessages() = 0;

  // The migration of the `number`th of the `count` listed tenant databases
  // begins. The window shows it in the caption only.
  virtual void ShowTenantStart(std::size_t /*number*/, std::size_t /*count*/,
                               const std::string& /*name*/) {}
};

}  // namespace quelor::app
