#include "tds/packet.h"

#include <algorithm>
#include <string>

namespace quelor::tds {

PacketHeader ParsePacketHeader(const std::uint8_t* bytes) {
  WireReader reader(bytes, kHeaderSize);
  PacketHeader header;
  header.type = reader.U8();
  header.status = reader.U8();
  header.length = reader.U16Be();
  header.spid = reader.U16Be();
  header.packet_id = reader.U8();
  header.window = reader.U8();
  if (header.length < kHeaderSize)
    throw ProtocolError("a packet length of " + std::to_string(header.length) + " bytes");
  return header;
}

Bytes FramePackets(PacketType type, const Bytes& payload, std::size_t packet_size,
                   std::uint16_t spid) {
  const std::size_t chunk =
      std::clamp(packet_size, kMinimumPacketSize, kMaximumPacketSize) - kHeaderSize;
  WireWriter out;
  std::size_t offset = 0;
  std::uint8_t packet_id = 1;
  do {
    const std::size_t size = std::min(chunk, payload.size() - offset);
    const bool last = offset + size == payload.size();
    out.U8(static_cast<std::uint8_t>(type));
    out.U8(last ? kStatusEndOfMessage : 0);
    out.U16Be(static_cast<std::uint16_t>(size + kHeaderSize));
    out.U16Be(spid);
    out.U8(packet_id++);
    out.U8(0);
    out.bytes().insert(out.bytes().end(), payload.begin() + static_cast<std::ptrdiff_t>(offset),
                       payload.begin() + static_cast<std::ptrdiff_t>(offset + size));
    offset += size;
  } while (offset < payload.size());
  return std::move(out.bytes());
}

std::optional<Message> ReadMessage(const ReadExactly& read, std::size_t max_packet_size,
                                   std::size_t max_message_size) {
  Message message;
  bool first = true;
  while (true) {
    std::uint8_t header_bytes[kHeaderSize];
    if (!read(header_bytes, kHeaderSize)) {
      if (first) return std::nullopt;
      throw ProtocolError("the connection closed in the middle of a message");
    }
    PacketHeader header = ParsePacketHeader(header_bytes);
    if (header.length > max_packet_size) {
      throw ProtocolError("a packet of " + std::to_string(header.length) +
                          " bytes, larger than the packet size");
    }
    if (first) {
      message.type = header.type;
    } else if (header.type != message.type) {
      throw ProtocolError("a packet of another type inside a message");
    }
    const std::size_t size = header.length - kHeaderSize;
    if (message.payload.size() + size > max_message_size) {
      throw ProtocolError("a message over " + std::to_string(max_message_size) + " bytes");
    }
    const std::size_t at = message.payload.size();
    message.payload.resize(at + size);
    if (size > 0 && !read(message.payload.data() + at, size)) {
      throw ProtocolError("the connection closed in the middle of a packet");
    }
    first = false;
    if (header.status & kStatusEndOfMessage) return message;
  }
}

}  // namespace quelor::tds
