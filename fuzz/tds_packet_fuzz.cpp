// TDS packet framing: the input is the byte stream of one connection, read
// as packets and joined into messages until it ends. Malformed framing is
// refused with ProtocolError.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "tds/packet.h"
#include "tds/wire_buffer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size >= quelor::tds::kHeaderSize) {
    try {
      quelor::tds::ParsePacketHeader(data);
    } catch (const quelor::tds::ProtocolError&) {
    }
  }
  std::size_t offset = 0;
  const quelor::tds::ReadExactly read = [&](std::uint8_t* into, std::size_t wanted) {
    if (size - offset < wanted) return false;
    std::memcpy(into, data + offset, wanted);
    offset += wanted;
    return true;
  };
  try {
    while (quelor::tds::ReadMessage(read, quelor::tds::kDefaultPacketSize)) {
    }
  } catch (const quelor::tds::ProtocolError&) {
  }
  return 0;
}
