// The snapshot loader: a text that is no valid snapshot is refused with
// std::runtime_error naming the place. A snapshot that loads is written out
// again, which must not fail either.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "sim/catalog/schema.h"
#include "sim/snapshot/snapshot.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  quelor::sim::Server server;
  try {
    quelor::sim::ReadSnapshot(text, server);
  } catch (const std::runtime_error&) {
    return 0;
  }
  quelor::sim::SnapshotText(server);
  return 0;
}
