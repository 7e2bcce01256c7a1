// The refresh of the product's shortcut descriptions after the update run:
// desktop and start-menu shortcuts of older editions are made to show the
// current edition's name.
#pragma once

#include "db/step_feedback.h"
#include "platform/shortcuts.h"

namespace quelor::migration {

// Runs the 34 attempts of the shortcut list in order: each entry on the all
// users' desktop, the user's desktop, the all users' start menu and the
// user's start menu; the last entry also without the file extension on both
// desktops. Only shortcuts that exist are changed; nothing is created.
// A missing folder or shortcut is passed over silently. A shortcut that
// exists but cannot be updated is passed over too, except for the first four
// attempts of the last entry, which show a plain message box (kMessage) with
// the attempt's digit "1".."4" followed by the error text. Nothing escapes.
void RefreshShortcutDescriptions(platform::Shortcuts& shortcuts, db::StepFeedback& feedback);

}  // namespace quelor::migration
