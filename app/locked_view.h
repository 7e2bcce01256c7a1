// A view shared by several threads: every call reaches the view behind it
// alone, so dialog lines and gauge positions are never interleaved.
#pragma once

#include <mutex>
#include <string>

#include "app/run_view.h"

namespace quelor::app {

class LockedView : public RunView {
 public:
  explicit LockedView(RunView& inner) : inner_(inner) {}

  void SetCaption(const std::string& caption) override {
    std::lock_guard lock(mutex_);
    inner_.SetCaption(caption);
  }
  void SetGauge(int percent) override {
    std::lock_guard lock(mutex_);
    inner_.SetGauge(percent);
  }
  void ShowDialog(DialogKind kind, const std::string& caption, const std::string& text) override {
    std::lock_guard lock(mutex_);
    inner_.ShowDialog(kind, caption, text);
  }
  void ShowDialogFor(const std::string& database, DialogKind kind, const std::string& caption,
                     const std::string& text) override {
    std::lock_guard lock(mutex_);
    inner_.ShowDialogFor(database, kind, caption, text);
  }
  void ShowTenantStart(std::size_t number, std::size_t count, const std::string& name) override {
    std::lock_guard lock(mutex_);
    inner_.ShowTenantStart(number, count, name);
  }
  void SetBusyCursor(bool busy) override {
    std::lock_guard lock(mutex_);
    inner_.SetBusyCursor(busy);
  }
  void ProcessMessages() override {
    std::lock_guard lock(mutex_);
    inner_.ProcessMessages();
  }

 private:
  RunView& inner_;
  std::mutex mutex_;
};

}  // namespace quelor::app
