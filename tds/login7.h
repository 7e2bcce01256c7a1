// The LOGIN7 message: the client's TDS version and packet size, and its
// names (host, user, password, application, server, language, database) as
// UTF-16LE strings at offsets inside the message. The password travels
// obfuscated: each byte had its nibbles swapped and was then XORed with 0xA5.
#pragma once

#include <cstdint>
#include <string>

#include "tds/wire_buffer.h"

namespace quelor::tds {

struct Login7 {
  std::uint32_t tds_version = 0;
  std::uint32_t packet_size = 0;
  std::string host_name;
  std::string user_name;
  std::string password;
  std::string app_name;
  std::string server_name;
  std::string library_name;
  std::string language;
  std::string database;
  bool integrated_security = false;  // fIntSecurity: an SSPI login
};

// Throws ProtocolError for a message shorter than its fixed part or a name
// that reaches past the end of the message.
Login7 ParseLogin7(const Bytes& payload);

// The password field as the client sends it, for tests.
Bytes ObfuscatePassword(const std::string& password);

}  // namespace quelor::tds
