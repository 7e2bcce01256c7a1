// One client of the wire server fed with raw bytes: the input is what the
// client sends on its connection (packets of pre-login, login, batches,
// remote procedure calls), read and answered message by message as the
// listener does. A message that breaks the protocol ends the connection
// with ProtocolError; anything else that escapes, or a crash, is a fault.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <mutex>

#include "sim/catalog/schema.h"
#include "tds/client_session.h"
#include "tds/packet.h"
#include "tds/wire_buffer.h"

namespace {

// Batches run on the simulated server; a few of them are enough to reach
// every kind of answer.
constexpr std::size_t kMaximumStreamSize = 16 * 1024;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kMaximumStreamSize) return -1;  // not added to the corpus
  quelor::sim::Server server;
  server.AddLogin("quelor", "demo");
  server.CreateDatabase("QUELORTMP1");
  std::mutex server_mutex;
  std::size_t offset = 0;
  const quelor::tds::ReadExactly read = [&](std::uint8_t* into, std::size_t wanted) {
    if (size - offset < wanted) return false;
    std::memcpy(into, data + offset, wanted);
    offset += wanted;
    return true;
  };
  quelor::tds::ClientSession session(server, server_mutex, 51);
  try {
    while (const auto message = quelor::tds::ReadMessage(read, 0xFFFF)) {
      // 0xFFFF as the listener reads them.
      if (session.Handle(*message).close) break;
    }
  } catch (const quelor::tds::ProtocolError&) {
  }
  return 0;
}
