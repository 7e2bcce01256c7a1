#include "tds/prelogin.h"

#include <vector>

namespace quelor::tds {

namespace {

enum Option : std::uint8_t {
  kVersion = 0x00,
  kEncryption = 0x01,
  kInstance = 0x02,
  kThreadId = 0x03,
  kMars = 0x04,
  kTerminator = 0xFF,
};

}  // namespace

PreloginRequest ParsePrelogin(const Bytes& payload) {
  PreloginRequest request;
  WireReader reader(payload);
  while (true) {
    const std::uint8_t option = reader.U8();
    if (option == kTerminator) break;
    const std::uint16_t offset = reader.U16Be();
    const std::uint16_t length = reader.U16Be();
    if (static_cast<std::size_t>(offset) + length > payload.size()) {
      throw ProtocolError("a pre-login option points past the end of the message");
    }
    if (option == kEncryption && length >= 1) request.encryption = payload[offset];
    if (option == kMars && length >= 1) request.mars = payload[offset];
  }
  return request;
}

Bytes PreloginResponse() {
  struct Entry {
    std::uint8_t option;
    Bytes data;
  };
  // Version 16.0.1000.0: the major version clients use to pick features.
  const std::vector<Entry> entries = {
      {kVersion, {0x10, 0x00, 0x03, 0xE8, 0x00, 0x00}},
      {kEncryption, {kEncryptNotSupported}},
      {kInstance, {0x00}},
      {kThreadId, {}},
      {kMars, {0x00}},
  };
  WireWriter out;
  std::uint16_t offset = static_cast<std::uint16_t>(entries.size() * 5 + 1);
  for (const Entry& entry : entries) {
    out.U8(entry.option);
    out.U16Be(offset);
    out.U16Be(static_cast<std::uint16_t>(entry.data.size()));
    offset = static_cast<std::uint16_t>(offset + entry.data.size());
  }
  out.U8(kTerminator);
  for (const Entry& entry : entries) out.Append(entry.data);
  return std::move(out.bytes());
}

}  // namespace quelor::tds
