// The LOGIN7 message (its payload, without packet header). A message shorter
// than its fixed part or with a name outside it is refused with
// ProtocolError.
#include <cstddef>
#include <cstdint>

#include "tds/login7.h"
#include "tds/wire_buffer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    quelor::tds::ParseLogin7(quelor::tds::Bytes(data, data + size));
  } catch (const quelor::tds::ProtocolError&) {
  }
  return 0;
}
