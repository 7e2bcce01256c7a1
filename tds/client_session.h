// One client of the wire server: pre-login, login against the simulated
// server's logins and databases, then SQL batches run on a session of its
// own. Independent of sockets: it takes whole messages and returns the
// packets to send, so the protocol can be tested without a network.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>

#include "sim/catalog/schema.h"
#include "sim/execution/session.h"
#include "tds/packet.h"
#include "tds/rpc_request.h"

namespace quelor::tds {

struct Reply {
  Bytes packets;       // framed, ready to send
  bool close = false;  // end the connection after sending
};

class ClientSession {
 public:
  // `server_mutex` guards `server`, which other clients share.
  ClientSession(sim::Server& server, std::mutex& server_mutex, std::uint16_t spid)
      : server_(server), server_mutex_(server_mutex), spid_(spid) {}
  // The client is gone: its open transaction is rolled back, as the real
  // server does when a connection ends.
  ~ClientSession();
  ClientSession(const ClientSession&) = delete;
  ClientSession& operator=(const ClientSession&) = delete;

  // Throws ProtocolError for a message that breaks the protocol.
  Reply Handle(const Message& message);

  bool logged_in() const { return logged_in_; }
  const sim::Session& session() const { return session_; }

 private:
  Reply Prelogin(const Message& message);
  Reply Login(const Message& message);
  Reply SqlBatch(const Message& message);
  Reply Rpc(const Message& message);
  // Answers one call of an RPC message; its DONEPROC has the "more" bit
  // unless it is the `last`.
  void Call(WireWriter& out, const RpcRequest& call, bool last);
  // Runs `text` on the session and writes its results and errors. Inside a
  // procedure call every statement ends with DONEINPROC and "more", as the
  // call's own DONEPROC follows. Returns whether an error arose.
  bool Run(WireWriter& out, const std::string& text, bool in_procedure);
  Reply Refuse(const std::string& what);
  Reply Frame(const WireWriter& tokens, bool close = false) const;

  sim::Server& server_;
  std::mutex& server_mutex_;
  std::uint16_t spid_;
  sim::Session session_;
  bool logged_in_ = false;
  std::size_t packet_size_ = kDefaultPacketSize;
  // Statements of sp_prepare and sp_prepexec by handle, for this client only.
  std::map<std::int32_t, PreparedStatement> prepared_;
  std::int32_t next_handle_ = 1;
  // The descriptor of the open transaction the client was told of.
  std::uint64_t transaction_descriptor_ = 0;
  std::uint32_t transactions_begun_ = 0;
};

}  // namespace quelor::tds
