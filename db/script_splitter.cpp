#include "db/script_splitter.h"

namespace quelor::db {

bool IsSeparatorLine(std::string_view line) {
  auto is_trimmed = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!line.empty() && is_trimmed(line.front())) line.remove_prefix(1);
  while (!line.empty() && is_trimmed(line.back())) line.remove_suffix(1);
  return line.size() == 2 && (line[0] == 'G' || line[0] == 'g') &&
         (line[1] == 'O' || line[1] == 'o');
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      lines.push_back(text);
      break;
    }
    lines.push_back(text.substr(0, end));
    std::size_t next = end + 1;
    if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
    text.remove_prefix(next);
  }
  return lines;
}

std::string SingleBatchText(std::string_view script) {
  std::string text;
  for (std::string_view line : SplitLines(script)) text.append(line).append("\r\n");
  return text;
}

SplitScript SplitIntoBatches(std::string_view script) {
  SplitScript result;
  std::string pending;
  for (std::string_view line : SplitLines(script)) {
    if (IsSeparatorLine(line)) {
      result.batches.push_back(std::move(pending));
      pending.clear();
    } else {
      pending.append(line).push_back('\n');
    }
  }
  result.unterminated = std::move(pending);
  return result;
}

}  // namespace quelor::db
