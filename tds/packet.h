// TDS packets: an 8-byte header (type, status, length, spid, packet id,
// window) in front of each piece of a message. A message larger than the
// negotiated packet size travels as several packets; the last one carries the
// end-of-message status bit.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "tds/wire_buffer.h"

namespace quelor::tds {

enum class PacketType : std::uint8_t {
  kSqlBatch = 0x01,
  kRpc = 0x03,
  kTabularResult = 0x04,
  kAttention = 0x06,
  kBulkLoad = 0x07,
  kTransactionManager = 0x0E,
  kLogin7 = 0x10,
  kSspi = 0x11,
  kPrelogin = 0x12,
};

inline constexpr std::size_t kHeaderSize = 8;
inline constexpr std::uint8_t kStatusEndOfMessage = 0x01;
// The packet size before the login has negotiated one, and the limits a
// client may ask for.
inline constexpr std::size_t kDefaultPacketSize = 4096;
inline constexpr std::size_t kMinimumPacketSize = 512;
inline constexpr std::size_t kMaximumPacketSize = 32767;
// The default bound on one request (all its packets together): far above the
// largest batch the update sends, a stored script of a few hundred KB. A
// larger request is refused instead of buffered.
inline constexpr std::size_t kMaximumMessageSize = 64u * 1024 * 1024;

struct PacketHeader {
  std::uint8_t type = 0;
  std::uint8_t status = 0;
  std::uint16_t length = 0;  // header included
  std::uint16_t spid = 0;
  std::uint8_t packet_id = 0;
  std::uint8_t window = 0;
};

// Reads a header from its 8 bytes. Throws ProtocolError for a length that
// cannot hold the header itself.
PacketHeader ParsePacketHeader(const std::uint8_t* bytes);

// `payload` as packets of at most `packet_size` bytes each (header
// included), numbered from 1, the last with the end-of-message bit.
Bytes FramePackets(PacketType type, const Bytes& payload, std::size_t packet_size,
                   std::uint16_t spid);

struct Message {
  std::uint8_t type = 0;
  Bytes payload;
};

// Reads exactly `size` bytes into `into`; false when the peer has closed the
// connection.
using ReadExactly = std::function<bool(std::uint8_t* into, std::size_t size)>;

// Reads packets until one ends the message and joins their payloads. nullopt
// when the connection closes before a message begins; throws ProtocolError
// for a packet of another type inside a message, a packet larger than
// `max_packet_size`, a message over `max_message_size` or a connection that
// closes in the middle of a message. The payload grows packet by packet, so
// no more is allocated than has arrived.
std::optional<Message> ReadMessage(const ReadExactly& read, std::size_t max_packet_size,
                                   std::size_t max_message_size = kMaximumMessageSize);

}  // namespace quelor::tds
