// The pre-login message (its payload, without packet header). An option list
// that is not terminated or points outside the message is refused with
// ProtocolError.
#include <cstddef>
#include <cstdint>

#include "tds/prelogin.h"
#include "tds/wire_buffer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    quelor::tds::ParsePrelogin(quelor::tds::Bytes(data, data + size));
  } catch (const quelor::tds::ProtocolError&) {
  }
  return 0;
}
