// A LOGIN7 payload as a client sends it: user, password and database, packet
// size 4096.
#pragma once

#include <string>

#include "tds/login7.h"
#include "tds/utf16.h"
#include "tds/wire_buffer.h"

namespace quelor::tds {

inline Bytes Login(const std::string& user, const std::string& password,
                   const std::string& database) {
  Bytes message(94, 0);
  message[4] = 0x04;
  message[7] = 0x74;
  message[9] = 0x10;  // packet size 4096
  const auto add = [&](std::size_t field, const Bytes& units) {
    message[field] = static_cast<std::uint8_t>(message.size());
    message[field + 1] = static_cast<std::uint8_t>(message.size() >> 8);
    message[field + 2] = static_cast<std::uint8_t>(units.size() / 2);
    message.insert(message.end(), units.begin(), units.end());
  };
  add(40, Utf16LeFromUtf8(user));
  add(44, ObfuscatePassword(password));
  add(68, Utf16LeFromUtf8(database));
  message[0] = static_cast<std::uint8_t>(message.size());
  message[1] = static_cast<std::uint8_t>(message.size() >> 8);
  return message;
}

}  // namespace quelor::tds
