#include "tds/request_counter.h"

namespace quelor::tds {

void RequestCounter::CountConnection() {
  std::lock_guard lock(mutex_);
  ++connections_;
}

std::uint64_t RequestCounter::CountRequest(const std::string& database) {
  std::lock_guard lock(mutex_);
  ++per_database_[database];
  return ++requests_;
}

std::string RequestCounter::Report() const {
  std::lock_guard lock(mutex_);
  std::string text = "connections\t" + std::to_string(connections_) + "\n";
  for (const auto& [database, count] : per_database_) {
    text += "requests\t" + database + "\t" + std::to_string(count) + "\n";
  }
  return text;
}

}  // namespace quelor::tds
