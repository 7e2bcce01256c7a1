// The bank code directory a user may place beside the program: every record
// becomes an insert statement, and a file that is not a directory is
// refused with std::runtime_error naming the line.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "migration/reference_commands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view directory(reinterpret_cast<const char*>(data), size);
  try {
    quelor::migration::BankCodeCommands(directory);
  } catch (const std::runtime_error&) {
  }
  return 0;
}
