// The progress gauge as the run keeps it: a position from 0 to 100. A value
// above 100 is stored as 100 and one below 0 as 0; setting the value already
// shown does nothing, any other value is shown at once.
#pragma once

#include "app/run_view.h"

namespace quelor::app {

class Gauge {
 public:
  explicit Gauge(RunView& view) : view_(view) {}

  void Set(int percent);
  int position() const { return position_; }

 private:
  RunView& view_;
  int position_ = 0;
};

}  // namespace quelor::app
