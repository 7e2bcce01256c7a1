// The pre-login handshake: the client lists its options (version,
// encryption, instance, thread id, MARS, ...); the server answers with its
// version, that it does not support encryption, and that MARS is off.
#pragma once

#include <cstdint>
#include <optional>

#include "tds/wire_buffer.h"

namespace quelor::tds {

struct PreloginRequest {
  std::optional<std::uint8_t> encryption;
  std::optional<std::uint8_t> mars;
};

inline constexpr std::uint8_t kEncryptOff = 0x00;
inline constexpr std::uint8_t kEncryptOn = 0x01;
inline constexpr std::uint8_t kEncryptNotSupported = 0x02;
inline constexpr std::uint8_t kEncryptRequired = 0x03;

// Throws ProtocolError for an option list that is not terminated or points
// outside the message.
PreloginRequest ParsePrelogin(const Bytes& payload);

// The server's answer: VERSION, ENCRYPTION = not supported, INSTOPT (no
// instance), THREADID (none), MARS = off.
Bytes PreloginResponse();

}  // namespace quelor::tds
