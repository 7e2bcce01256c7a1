// Packet framing, pre-login and LOGIN7 parsing on hand-built bytes, and the
// wire types of result columns.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "sim/common/types.h"
#include "sim/common/value.h"
#include "tds/login7.h"
#include "tds/packet.h"
#include "tds/prelogin.h"
#include "tds/result_encoding.h"
#include "tds/utf16.h"

namespace quelor::tds {
namespace {

// Serves `bytes` to ReadMessage as a socket would, then reports the close.
ReadExactly Feed(const Bytes& bytes) {
  auto position = std::make_shared<std::size_t>(0);
  return [bytes, position](std::uint8_t* into, std::size_t size) {
    if (bytes.size() - *position < size) return false;
    std::memcpy(into, bytes.data() + *position, size);
    *position += size;
    return true;
  };
}

TEST(TdsPacket, HeaderFieldsAreBigEndian) {
  const std::uint8_t bytes[] = {0x12, 0x01, 0x00, 0x2F, 0x00, 0x33, 0x01, 0x00};
  const PacketHeader header = ParsePacketHeader(bytes);
  EXPECT_EQ(header.type, 0x12);
  EXPECT_EQ(header.status, kStatusEndOfMessage);
  EXPECT_EQ(header.length, 47);
  EXPECT_EQ(header.spid, 51);
  EXPECT_EQ(header.packet_id, 1);
}

TEST(TdsPacket, LargeMessagesAreSplitAtThePacketSizeAndJoinedAgain) {
  Bytes payload(1200);
  for (std::size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<std::uint8_t>(i * 7);
  const Bytes framed = FramePackets(PacketType::kTabularResult, payload, 512, 51);
  // 504 + 504 + 192 payload bytes.
  ASSERT_EQ(framed.size(), 1200u + 3 * kHeaderSize);
  const std::size_t starts[] = {0, 512, 1024};
  const std::uint16_t lengths[] = {512, 512, 200};
  for (int i = 0; i < 3; ++i) {
    const PacketHeader header = ParsePacketHeader(framed.data() + starts[i]);
    EXPECT_EQ(header.type, 0x04) << i;
    EXPECT_EQ(header.status, i == 2 ? kStatusEndOfMessage : 0) << i;
    EXPECT_EQ(header.length, lengths[i]) << i;
    EXPECT_EQ(header.packet_id, i + 1) << i;
  }
  std::optional<Message> message = ReadMessage(Feed(framed), 512);
  ASSERT_TRUE(message);
  EXPECT_EQ(message->type, 0x04);
  EXPECT_EQ(message->payload, payload);
  // An empty message is one packet with the end bit.
  EXPECT_EQ(FramePackets(PacketType::kTabularResult, {}, 4096, 0),
            (Bytes{0x04, 0x01, 0x00, 0x08, 0x00, 0x00, 0x01, 0x00}));
}

TEST(TdsPacket, MalformedStreamsAreRefusedNotRead) {
  struct Case {
    const char* name;
    Bytes bytes;
  };
  const std::vector<Case> cases = {
      {"length shorter than the header", {0x01, 0x01, 0x00, 0x07, 0x00, 0x00, 0x01, 0x00}},
      {"packet larger than allowed", {0x01, 0x01, 0x02, 0x01, 0x00, 0x00, 0x01, 0x00}},
      {"closed inside a packet", {0x01, 0x01, 0x00, 0x0A, 0x00, 0x00, 0x01, 0x00, 0x41}},
      {"closed between packets", {0x01, 0x00, 0x00, 0x09, 0x00, 0x00, 0x01, 0x00, 0x41}},
      {"type changes inside a message",
       {0x01, 0x00, 0x00, 0x09, 0x00, 0x00, 0x01, 0x00, 0x41, 0x03, 0x01, 0x00, 0x09, 0x00, 0x00,
        0x02, 0x00, 0x41}},
  };
  for (const Case& test : cases) {
    EXPECT_THROW(ReadMessage(Feed(test.bytes), 512), ProtocolError) << test.name;
  }
  EXPECT_FALSE(ReadMessage(Feed({}), 512)) << "a close before a message is the client leaving";
}

TEST(TdsPacket, AMessageOverTheBoundIsRefusedAtThePacketThatCrossesIt) {
  const Bytes two_packets = {0x01, 0x00, 0x00, 0x09, 0x00, 0x00, 0x01, 0x00, 0x41,
                             0x01, 0x01, 0x00, 0x09, 0x00, 0x00, 0x02, 0x00, 0x42};
  ASSERT_TRUE(ReadMessage(Feed(two_packets), 512, 2));
  EXPECT_THROW(ReadMessage(Feed(two_packets), 512, 1), ProtocolError);
}

// A LOGIN7 message as a client builds it: the fixed part, then the strings
// in UTF-16LE, each found through its offset and length in characters.
Bytes BuildLogin7(const std::vector<std::pair<std::size_t, Bytes>>& strings,
                  std::uint32_t packet_size) {
  Bytes message(94, 0);
  const auto put32 = [&](std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
      message[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  put32(4, 0x74000004);
  put32(8, packet_size);
  for (const auto& [field, units] : strings) {
    const std::size_t offset = message.size();
    message[field] = static_cast<std::uint8_t>(offset);
    message[field + 1] = static_cast<std::uint8_t>(offset >> 8);
    message[field + 2] = static_cast<std::uint8_t>(units.size() / 2);
    message.insert(message.end(), units.begin(), units.end());
  }
  put32(0, static_cast<std::uint32_t>(message.size()));
  return message;
}

TEST(TdsLogin7, NamesPasswordDatabaseAndPacketSizeAreRead) {
  // "a" obfuscated: 0x61 -> nibbles swapped 0x16 -> XOR 0xA5 = 0xB3; 0x00 -> 0xA5.
  EXPECT_EQ(ObfuscatePassword("a"), (Bytes{0xB3, 0xA5}));
  const Bytes login = BuildLogin7({{36, Utf16LeFromUtf8("rechner")},
                                   {40, Utf16LeFromUtf8("quelor")},
                                   {44, ObfuscatePassword("Gehéim;€")},
                                   {48, Utf16LeFromUtf8("quelor-update")},
                                   {52, Utf16LeFromUtf8("127.0.0.1")},
                                   {64, Utf16LeFromUtf8("us_english")},
                                   {68, Utf16LeFromUtf8("QUELOR_TSV_Musterstadt")}},
                                  8192);
  const Login7 parsed = ParseLogin7(login);
  EXPECT_EQ(parsed.tds_version, 0x74000004u);
  EXPECT_EQ(parsed.packet_size, 8192u);
  EXPECT_EQ(parsed.host_name, "rechner");
  EXPECT_EQ(parsed.user_name, "quelor");
  EXPECT_EQ(parsed.password, "Gehéim;€");
  EXPECT_EQ(parsed.app_name, "quelor-update");
  EXPECT_EQ(parsed.server_name, "127.0.0.1");
  EXPECT_EQ(parsed.language, "us_english");
  EXPECT_EQ(parsed.database, "QUELOR_TSV_Musterstadt");
  EXPECT_FALSE(parsed.integrated_security);
}

TEST(TdsLogin7, TruncatedMessagesAndOffsetsPastTheEndAreRefused) {
  const Bytes login = BuildLogin7({{40, Utf16LeFromUtf8("quelor")}}, 4096);
  for (std::size_t size = 0; size < 94; size += 7) {
    EXPECT_THROW(
        ParseLogin7(Bytes(login.begin(), login.begin() + static_cast<std::ptrdiff_t>(size))),
        ProtocolError)
        << size;
  }
  Bytes bad_offset = login;
  bad_offset[40] = 0xF0;  // the user name would start past the end
  EXPECT_THROW(ParseLogin7(bad_offset), ProtocolError);
  Bytes bad_length = login;
  bad_length[42] = 0x7F;  // 127 characters of a 12-byte string
  EXPECT_THROW(ParseLogin7(bad_length), ProtocolError);
}

TEST(TdsPrelogin, TheAnswerRefusesEncryptionAndMars) {
  // VERSION and ENCRYPTION (ENCRYPT_OFF), as FreeTDS sends them.
  const Bytes request = {0x00, 0x00, 0x0B, 0x00, 0x06, 0x01, 0x00, 0x11, 0x00,
                         0x01, 0xFF, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
  EXPECT_EQ(ParsePrelogin(request).encryption, kEncryptOff);
  EXPECT_THROW(ParsePrelogin(Bytes{0x00, 0x00, 0x0B, 0x00, 0x06}), ProtocolError);
  EXPECT_THROW(ParsePrelogin(Bytes{0x01, 0x00, 0x40, 0x00, 0x01, 0xFF}), ProtocolError);

  const Bytes answer = PreloginResponse();
  const PreloginRequest read_back = ParsePrelogin(answer);
  EXPECT_EQ(read_back.encryption, kEncryptNotSupported);
  EXPECT_EQ(read_back.mars, 0x00);
}

TEST(TdsResultEncoding, IntegerKindsAndBitTravelAsTheirOwnWireTypes) {
  // Clients pick the JS/ODBC type from the type info: a bit sent as INTN comes
  // back as the number 1 instead of true.
  struct Case {
    sim::TypeKind kind;
    std::int64_t number;
    Bytes type_info;
    Bytes field;
  };
  const Case cases[] = {
      {sim::TypeKind::kBit, 1, {0x68, 1}, {1, 1}},
      {sim::TypeKind::kTinyInt, 200, {0x26, 1}, {1, 200}},
      {sim::TypeKind::kSmallInt, -2, {0x26, 2}, {2, 0xFE, 0xFF}},
      {sim::TypeKind::kInt, 7, {0x26, 4}, {4, 7, 0, 0, 0}},
      {sim::TypeKind::kBigInt, 1, {0x26, 8}, {8, 1, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    sim::Relation relation;
    relation.columns.push_back(sim::BoundColumn{"", "", "c", sim::SqlType::Of(c.kind)});
    relation.rows.push_back({sim::Value::Integer(c.number, c.kind)});
    WireWriter out;
    EXPECT_EQ(WriteResultSet(out, relation), 1u);
    Bytes expected = {0x81, 1, 0, 0, 0, 0, 0, 0x01, 0x00};  // one nullable column
    expected.insert(expected.end(), c.type_info.begin(), c.type_info.end());
    expected.insert(expected.end(), {1, 'c', 0, 0xD1});
    expected.insert(expected.end(), c.field.begin(), c.field.end());
    EXPECT_EQ(out.bytes(), expected) << sim::TypeName(sim::SqlType::Of(c.kind));
  }
}

}  // namespace
}  // namespace quelor::tds
