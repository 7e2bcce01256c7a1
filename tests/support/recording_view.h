// A run view for tests: writes what the window would show into the
// transcript ("caption <text>", "gauge <n>", "dialog <kind> <caption>: <text>",
// "cursor busy|normal", "messages") and confirms every dialog at once.
#pragma once

#include <functional>

#include "app/run_view.h"
#include "db/step_feedback.h"
#include "support/transcript.h"

namespace quelor::testing {

class RecordingView : public app::RunView, public db::StepFeedback {
 public:
  explicit RecordingView(Transcript& transcript) : transcript_(transcript) {}

  void SetCaption(const std::string& caption) override { transcript_.Add("caption " + caption); }
  void SetGauge(int percent) override {
    gauge_ = percent;
    transcript_.Add("gauge " + std::to_string(percent));
  }
  void ShowDialog(app::DialogKind kind, const std::string& caption,
                  const std::string& text) override {
    transcript_.Add("dialog " + std::string(app::DialogKindName(kind)) + " " + caption + ": " +
                    text);
  }
  void SetBusyCursor(bool busy) override {
    busy_ = busy;
    transcript_.Add(busy ? "cursor busy" : "cursor normal");
  }
  void ProcessMessages() override { transcript_.Add("messages"); }

  // As step feedback (for the toolkit alone): the failure dialog of a policy.
  void ShowFailure(db::Policy policy, const std::string& text) override {
    transcript_.Add("dialog " + std::string(db::PolicyName(policy)) + ": " + text);
  }

  bool busy() const { return busy_; }
  int gauge() const { return gauge_; }

 private:
  Transcript& transcript_;
  bool busy_ = false;
  int gauge_ = 0;
};

}  // namespace quelor::testing
