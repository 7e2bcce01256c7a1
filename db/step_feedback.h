// What the toolkit shows the user while it works: the dialogs of the failure
// policies and the busy cursor. The run control implements it on top of its
// view (window, console or a recording view in tests).
#pragma once

#include <string>

#include "db/policy.h"

namespace quelor::db {

class StepFeedback {
 public:
  virtual ~StepFeedback() = default;

  // Shows `text` in the modal dialog of `policy` and returns once it is
  // confirmed. Called for kWarning, kError and kMessage only.
  virtual void ShowFailure(Policy policy, const std::string& text) = 0;

  // Shows the application-wide busy (database-wait) cursor, or the normal one.
  virtual void SetBusyCursor(bool busy) = 0;
};

// Shows the busy cursor for its lifetime and the normal cursor on every way
// out, whatever was shown before.
class BusyCursorScope {
 public:
  explicit BusyCursorScope(StepFeedback& feedback) : feedback_(feedback) {
    feedback_.SetBusyCursor(true);
  }
  ~BusyCursorScope() { feedback_.SetBusyCursor(false); }
  BusyCursorScope(const BusyCursorScope&) = delete;
  BusyCursorScope& operator=(const BusyCursorScope&) = delete;

 private:
  StepFeedback& feedback_;
};

}  // namespace quelor::db
