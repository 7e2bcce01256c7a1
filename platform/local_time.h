// The local calendar time of a moment, with the thread-safe call each
// platform has for it.
#pragma once

#include <ctime>

namespace quelor::platform {

inline std::tm LocalTime(std::time_t moment) {
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &moment);
#else
  localtime_r(&moment, &local);
#endif
  return local;
}

}  // namespace quelor::platform
