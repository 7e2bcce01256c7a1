// The splitting of stored scripts at GO lines. Never throws; the batches and
// the unterminated rest together hold every line of the script.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "db/script_splitter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view script(reinterpret_cast<const char*>(data), size);
  const quelor::db::SplitScript split = quelor::db::SplitIntoBatches(script);
  std::size_t lines = quelor::db::SplitLines(split.unterminated).size();
  for (const std::string& batch : split.batches) {
    // One separator line ends each batch.
    lines += quelor::db::SplitLines(batch).size() + 1;
  }
  if (lines != quelor::db::SplitLines(script).size()) std::abort();
  quelor::db::SingleBatchText(script);
  return 0;
}
