// The T-SQL parser of the simulated server: a batch, and the same text as a
// stored DEFAULT expression. Text it cannot read is refused with SqlError
// (102/156, or 50000 for what the server does not implement).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sim/common/errors.h"
#include "sim/parser/parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    quelor::sim::parser::ParseBatch(text);
  } catch (const quelor::sim::SqlError&) {
  }
  try {
    quelor::sim::parser::ParseExpression(text);
  } catch (const quelor::sim::SqlError&) {
  }
  return 0;
}
