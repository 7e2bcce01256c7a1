#include "tds/tokens.h"

namespace quelor::tds {

namespace {

enum Token : std::uint8_t {
  kLoginAck = 0xAD,
  kEnvChange = 0xE3,
  kInfo = 0xAB,
  kError = 0xAA,
  kReturnStatus = 0x79,
};

// Writes a token with a 16-bit length: the length is patched in by `End`.
struct LengthScope {
  WireWriter& out;
  std::size_t at;
  LengthScope(WireWriter& writer, std::uint8_t token) : out(writer), at(0) {
    out.U8(token);
    at = out.size();
    out.U16Le(0);
  }
  ~LengthScope() { out.PatchU16Le(at, static_cast<std::uint16_t>(out.size() - at - 2)); }
};

}  // namespace

void WriteLoginAck(WireWriter& out, std::uint32_t tds_version) {
  LengthScope scope(out, kLoginAck);
  out.U8(1);  // interface: T-SQL
  out.U32Be(tds_version);
  out.BVarChar("Microsoft SQL Server");
  out.U8(16);  // server version 16.0.1000
  out.U8(0);
  out.U8(0x03);
  out.U8(0xE8);
}

void WriteEnvChangeText(WireWriter& out, std::uint8_t type, std::string_view new_value, std::string_view old_value) {
  LengthScope scope(out, kEnvChange);
  out.U8(type);
  out.BVarChar(new_value);
  out.BVarChar(old_value);
}

void WriteEnvChangeTransaction(WireWriter& out, std::uint8_t type, std::uint64_t descriptor) {
  LengthScope scope(out, kEnvChange);
  out.U8(type);
  const auto write_descriptor = [&](bool present) {
    if (!present) {
      out.U8(0);
      return;
    }
    out.U8(8);
    for (int i = 0; i < 8; ++i) out.U8(static_cast<std::uint8_t>(descriptor >> (8 * i)));
  };
  write_descriptor(type == kEnvBeginTransaction);
  write_descriptor(type != kEnvBeginTransaction);
}

void WriteEnvChangeCollation(WireWriter& out) {
  LengthScope scope(out, kEnvChange);
  out.U8(7);
  out.U8(sizeof kCollation);
  for (std::uint8_t byte : kCollation) out.U8(byte);
  out.U8(0);
}

void WriteMessage(WireWriter& out, int number, int state, int severity, std::string_view text) {
  LengthScope scope(out, severity > 10 ? kError : kInfo);
  out.U32Le(static_cast<std::uint32_t>(number));
  out.U8(static_cast<std::uint8_t>(state));
  out.U8(static_cast<std::uint8_t>(severity));
  out.UsVarChar(text);
  out.BVarChar(kServerName);
  out.BVarChar("");
  out.U32Le(1);  // line number
}

void WriteDone(WireWriter& out, std::uint16_t status, std::uint64_t row_count, DoneToken token) {
  out.U8(token);
  out.U16Le(status);
  out.U16Le(0);  // current command
  out.U64Le(row_count);
}

}  // namespace quelor::tds

namespace quelor::tds {

void WriteReturnStatus(WireWriter& out, std::int32_t value) {
  out.U8(kReturnStatus);
  out.U32Le(static_cast<std::uint32_t>(value));
}

}  // namespace quelor::tds
