// One transcript for a test: the statements a scripted connection receives
// and what a recording view shows, in the order they happened.
#pragma once

#include <string>
#include <vector>

namespace quelor::testing {

struct Transcript {
  std::vector<std::string> lines;

  void Add(std::string line) { lines.push_back(std::move(line)); }
  // The lines that begin with `prefix`, in order.
  std::vector<std::string> With(const std::string& prefix) const;
  // The whole transcript, one entry per line, for failure messages.
  std::string Dump() const;
};

}  // namespace quelor::testing
