#include "app/gauge.h"

#include <algorithm>

namespace quelor::app {

void Gauge::Set(int percent) {
  const int clamped = std::clamp(percent, 0, 100);
  if (clamped == position_) return;
  position_ = clamped;
  view_.SetGauge(clamped);
}

}  // namespace quelor::app
