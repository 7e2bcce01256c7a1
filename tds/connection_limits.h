// What one client of the wire server may take, so that no client, however
// slow, silent or malformed, keeps the server from serving the others.
#pragma once

#include <chrono>
#include <cstddef>

#include "tds/packet.h"

namespace quelor::tds {

struct ConnectionLimits {
  // Clients served at the same time; one more is closed right after accept.
  std::size_t max_connections = 64;
  // All packets of one request together; a larger request closes the
  // connection before it is buffered.
  std::size_t max_message_bytes = kMaximumMessageSize;
  // A logged-in client that starts no request for this long is closed.
  std::chrono::milliseconds idle_timeout = std::chrono::minutes(30);
  // A request, pre-login or login whose bytes stop arriving for this long,
  // an answer the client does not take for this long, and a new client that
  // does not begin its pre-login or login within it, close the connection.
  std::chrono::milliseconds read_timeout = std::chrono::minutes(1);
};

}  // namespace quelor::tds
