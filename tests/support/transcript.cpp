#include "support/transcript.h"

namespace quelor::testing {

std::vector<std::string> Transcript::With(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    if (line.rfind(prefix, 0) == 0) out.push_back(line);
  }
  return out;
}

std::string Transcript::Dump() const {
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

}  // namespace quelor::testing
