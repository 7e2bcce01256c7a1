#include "tds/login7.h"

#include "tds/utf16.h"

namespace quelor::tds {

namespace {

constexpr std::size_t kFixedSize = 94;  // up to and including cbSSPILong
constexpr std::size_t kOffsetsStart = 36;
constexpr std::uint8_t kIntegratedSecurityFlag = 0x80;  // in OptionFlags2

// The string whose offset and length in characters stand at `field`.
std::string StringAt(const Bytes& payload, std::size_t field, bool obfuscated = false) {
  WireReader reader(payload);
  reader.Seek(field);
  const std::size_t offset = reader.U16Le();
  const std::size_t bytes = static_cast<std::size_t>(reader.U16Le()) * 2;
  if (bytes == 0) return {};
  reader.Seek(offset);
  Bytes units = reader.Take(bytes);
  if (obfuscated) {
    for (std::uint8_t& byte : units) {
      byte ^= 0xA5;
      byte = static_cast<std::uint8_t>((byte << 4) | (byte >> 4));
    }
  }
  return Utf8FromUtf16Le(units.data(), units.size());
}

}  // namespace

Login7 ParseLogin7(const Bytes& payload) {
  if (payload.size() < kFixedSize) throw ProtocolError("a login message shorter than its fixed part");
  WireReader reader(payload);
  const std::uint32_t length = reader.U32Le();
  if (length > payload.size()) throw ProtocolError("a login message shorter than its stated length");
  Login7 login;
  login.tds_version = reader.U32Le();
  login.packet_size = reader.U32Le();
  reader.Seek(25);
  login.integrated_security = (reader.U8() & kIntegratedSecurityFlag) != 0;
  login.host_name = StringAt(payload, kOffsetsStart);
  login.user_name = StringAt(payload, kOffsetsStart + 4);
  login.password = StringAt(payload, kOffsetsStart + 8, true);
  login.app_name = StringAt(payload, kOffsetsStart + 12);
  login.server_name = StringAt(payload, kOffsetsStart + 16);
  login.library_name = StringAt(payload, kOffsetsStart + 24);
  login.language = StringAt(payload, kOffsetsStart + 28);
  login.database = StringAt(payload, kOffsetsStart + 32);
  return login;
}

Bytes ObfuscatePassword(const std::string& password) {
  Bytes units = Utf16LeFromUtf8(password);
  for (std::uint8_t& byte : units) {
    byte = static_cast<std::uint8_t>((byte << 4) | (byte >> 4));
    byte ^= 0xA5;
  }
  return units;
}

}  // namespace quelor::tds
