// Splitting of stored scripts into batches at separator lines.
//
// A separator line reads "GO" once every character up to 0x20 is trimmed from
// both ends and a to z are turned into capitals: "GO", "go", " Go " are
// separators, "GO;" and "GO 2" are not. Every other line, empty ones included,
// belongs to the batch the next separator ends. A batch is its lines, each
// followed by one LF. Lines after the last separator form a batch that is
// never sent.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quelor::db {

bool IsSeparatorLine(std::string_view line);

// The lines of `text`, broken at CR LF, CR or LF; a break at the very end
// makes no extra empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

// A stored single-batch script as one command text, the way the multi-line
// query sends it: every line, the last included, followed by CR LF.
std::string SingleBatchText(std::string_view script);

struct SplitScript {
  std::vector<std::string> batches;  // each ended by a separator line, in order
  std::string unterminated;          // the lines after the last separator, never sent
};

SplitScript SplitIntoBatches(std::string_view script);

}  // namespace quelor::db
