#include "tds/client_session.h"

#include <algorithm>
#include <optional>
#include <span>

#include "sim/catalog/transactions.h"
#include "sim/common/errors.h"
#include "sim/execution/executor.h"
#include "tds/login7.h"
#include "tds/prelogin.h"
#include "tds/result_encoding.h"
#include "tds/return_value.h"
#include "tds/rpc_request.h"
#include "tds/tokens.h"
#include "tds/utf16.h"

namespace quelor::tds {

namespace {

// The real server sends login and database errors in state 1.
constexpr int kState = 1;

void WriteSimMessage(WireWriter& out, const sim::Message& message) {
  WriteMessage(out, message.number, kState, message.severity, message.text);
}

void WriteDatabaseChange(WireWriter& out, const std::string& database,
                         const std::string& old_database) {
  WriteEnvChangeText(out, kEnvDatabase, database, old_database);
  WriteMessage(out, 5701, 2, 0, "Changed database context to '" + database + "'.");
}

}  // namespace

ClientSession::~ClientSession() {
  std::lock_guard lock(server_mutex_);
  server_.transactions().Rollback(session_.id);
  server_.app_locks().ReleaseSession(session_.id);
}

Reply ClientSession::Frame(const WireWriter& tokens, bool close) const {
  return Reply{FramePackets(PacketType::kTabularResult, tokens.bytes(), packet_size_, spid_),
               close};
}

Reply ClientSession::Handle(const Message& message) {
  switch (static_cast<PacketType>(message.type)) {
    case PacketType::kPrelogin:
      if (logged_in_) return Refuse("a pre-login message after the login");
      return Prelogin(message);
    case PacketType::kLogin7:
      if (logged_in_) return Refuse("a second login on one connection");
      return Login(message);
    case PacketType::kSqlBatch:
      if (!logged_in_) throw ProtocolError("a batch before the login");
      return SqlBatch(message);
    case PacketType::kAttention: {
      // Batches run to their end before the next message is read, so there
      // is nothing left to cancel: only the acknowledgement is due.
      WireWriter out;
      WriteDone(out, kDoneAttention);
      return Frame(out);
    }
    case PacketType::kRpc:
      if (!logged_in_) throw ProtocolError("a remote procedure call before the login");
      return Rpc(message);
    case PacketType::kTransactionManager:
      if (!logged_in_) throw ProtocolError("a transaction request before the login");
      return Refuse("transaction manager requests");
    default:
      if (!logged_in_)
        throw ProtocolError("a message of type " + std::to_string(message.type) +
                            " before the login");
      return Refuse("TDS messages of type " + std::to_string(message.type));
  }
}

Reply ClientSession::Prelogin(const Message& message) {
  PreloginRequest request = ParsePrelogin(message.payload);
  Reply reply{FramePackets(PacketType::kTabularResult, PreloginResponse(), packet_size_, spid_),
              false};
  // A client that insists on encryption gets the answer and then the end of
  // the connection, as it expects when the server cannot encrypt.
  reply.close = request.encryption == kEncryptRequired;
  return reply;
}

Reply ClientSession::Login(const Message& message) {
  const Login7 login = ParseLogin7(message.payload);
  WireWriter out;
  const auto fail = [&](const std::optional<sim::Message>& first) {
    if (first) WriteSimMessage(out, *first);
    WriteSimMessage(out, sim::MakeMessage(18456, {login.user_name}));
    WriteDone(out, kDoneError);
    return Frame(out, true);
  };
  std::string database = login.database.empty() ? "master" : login.database;
  {
    std::lock_guard lock(server_mutex_);
    if (login.integrated_security || !server_.CheckLogin(login.user_name, login.password))
      return fail(std::nullopt);
    const sim::Database* found = server_.FindDatabase(database);
    if (found == nullptr) return fail(sim::MakeMessage(4060, {database}));
    database = found->name();
  }
  session_ = sim::Session{};
  session_.server = &server_;
  session_.database = database;

  if (login.packet_size >= kMinimumPacketSize && login.packet_size <= kMaximumPacketSize)
    packet_size_ = login.packet_size;
  const std::uint32_t version = std::min(login.tds_version, kTds74);
  WriteDatabaseChange(out, database, "master");
  WriteEnvChangeCollation(out);
  WriteEnvChangeText(out, kEnvLanguage, session_.language, "");
  WriteMessage(out, 5703, 1, 0, "Changed language setting to " + session_.language + ".");
  WriteLoginAck(out, version);
  WriteEnvChangeText(out, kEnvPacketSize, std::to_string(packet_size_),
                     std::to_string(packet_size_));
  WriteDone(out, kDoneFinal);
  logged_in_ = true;
  return Frame(out);
}

Reply ClientSession::SqlBatch(const Message& message) {
  WireReader reader(message.payload);
  // ALL_HEADERS (transaction descriptor, outstanding requests) comes first;
  // its first field is its own length.
  if (message.payload.size() >= 4) {
    const std::uint32_t headers = reader.U32Le();
    if (headers >= 4 && headers <= message.payload.size()) {
      reader.Seek(headers);
    } else {
      reader.Seek(0);
    }
  }
  const std::size_t start = reader.position();
  WireWriter out;
  Run(out, Utf8FromUtf16Le(message.payload.data() + start, message.payload.size() - start), false);
  return Frame(out);
}

Reply ClientSession::Rpc(const Message& message) {
  std::vector<RpcRequest> calls;
  try {
    calls = ParseRpcCalls(message.payload);
  } catch (const Unsupported& unsupported) {
    return Refuse(unsupported.what());
  }
  WireWriter out;
  for (std::size_t i = 0; i < calls.size(); ++i) Call(out, calls[i], i + 1 == calls.size());
  return Frame(out);
}

void ClientSession::Call(WireWriter& out, const RpcRequest& call, bool last) {
  const std::uint16_t more = last ? 0 : kDoneMore;
  const auto fail = [&](int number, int state, const std::string& text) {
    WriteMessage(out, number, state, 16, text);
    WriteDone(out, static_cast<std::uint16_t>(kDoneError | more), 0, kDoneProcToken);
  };
  // The real server's answer to a handle it does not know.
  const auto unknown_handle = [&](std::optional<std::int32_t> handle) {
    fail(8179, 4,
         "Could not find prepared statement with handle " +
             (handle ? std::to_string(*handle) : "NULL") + ".");
  };
  const auto values_after = [&](std::size_t count) {
    return std::span(call.parameters).subspan(std::min(count, call.parameters.size()));
  };
  std::optional<std::string> text;
  std::optional<std::int32_t> new_handle;
  try {
    const Procedure procedure = ProcedureOf(call);
    switch (procedure) {
      case Procedure::kExecuteSql:
        text = ExecuteSqlBatch(call);
        break;
      case Procedure::kPrepare:
      case Procedure::kPrepExec: {
        PreparedStatement prepared = PreparedFrom(call);
        // The batch first: a call refused for its parameters gets no handle.
        if (procedure == Procedure::kPrepExec) {
          text = DeclaredBatch(prepared.statement, prepared.declarations, values_after(3),
                               "sp_prepexec");
        }
        new_handle = next_handle_++;
        prepared_[*new_handle] = std::move(prepared);
        break;
      }
      case Procedure::kExecute: {
        const std::optional<std::int32_t> handle = HandleOf(call);
        const auto found = handle ? prepared_.find(*handle) : prepared_.end();
        if (found == prepared_.end()) return unknown_handle(handle);
        text = DeclaredBatch(found->second.statement, found->second.declarations, values_after(1),
                             "sp_execute");
        break;
      }
      case Procedure::kUnprepare: {
        const std::optional<std::int32_t> handle = HandleOf(call);
        if (!handle || prepared_.erase(*handle) == 0) return unknown_handle(handle);
        break;
      }
      case Procedure::kOther:
        throw Unsupported("the procedure " + call.procedure);
    }
  } catch (const Unsupported& unsupported) {
    const sim::Message refusal = sim::MakeMessage(50000, {unsupported.what()});
    return fail(refusal.number, kState, refusal.text);
  }
  const bool errors = text && Run(out, *text, true);
  // The handle goes back in the OUTPUT parameter, after the results and the
  // return status, as the real server sends it.
  WriteReturnStatus(out, 0);
  if (new_handle && call.parameters[0].output)
    WriteReturnValueInt(out, 0, call.parameters[0].name, *new_handle);
  WriteDone(out, static_cast<std::uint16_t>((errors ? kDoneError : kDoneFinal) | more), 0,
            kDoneProcToken);
}

bool ClientSession::Run(WireWriter& out, const std::string& text, bool in_procedure) {
  const std::string database_before = session_.database;
  sim::BatchResult result;
  try {
    std::lock_guard lock(server_mutex_);
    result = sim::RunBatch(session_, text);
  } catch (const std::exception& error) {
    result = sim::BatchResult{};
    result.errors.push_back(sim::Message{50000, 16, error.what()});
  }

  if (session_.database != database_before)
    WriteDatabaseChange(out, session_.database, database_before);
  // Drivers keep the descriptor of the open transaction from these.
  for (const sim::BatchResult::TransactionEvent event : result.transaction_events) {
    using Event = sim::BatchResult::TransactionEvent;
    if (event == Event::kBegin) {
      transaction_descriptor_ = (std::uint64_t{spid_} << 32) | ++transactions_begun_;
      WriteEnvChangeTransaction(out, kEnvBeginTransaction, transaction_descriptor_);
    } else {
      WriteEnvChangeTransaction(
          out, event == Event::kCommit ? kEnvCommitTransaction : kEnvRollbackTransaction,
          transaction_descriptor_);
      transaction_descriptor_ = 0;
    }
  }
  // Results, row counts and errors in the order they arose; each closes
  // with a DONE, and only the last DONE of a batch lacks the "more" bit.
  std::uint16_t done_status = 0;
  std::uint64_t done_rows = 0;
  bool have_done = false;
  const DoneToken statement_done = in_procedure ? kDoneInProcToken : kDoneToken;
  const auto flush = [&](bool more) {
    if (have_done)
      WriteDone(out, static_cast<std::uint16_t>(done_status | (more ? kDoneMore : 0)), done_rows,
                statement_done);
    have_done = false;
  };
  using Kind = sim::BatchResult::Outcome::Kind;
  for (const sim::BatchResult::Outcome& outcome : result.outcomes) {
    flush(true);
    done_rows = 0;
    if (outcome.kind == Kind::kError && outcome.index < result.errors.size()) {
      const sim::Message& error = result.errors[outcome.index];
      WriteSimMessage(out, error);
      done_status = error.severity > 10 ? kDoneError : kDoneFinal;
    } else if (outcome.kind == Kind::kResultSet && outcome.index < result.result_sets.size()) {
      done_rows = WriteResultSet(out, result.result_sets[outcome.index]);
      done_status = outcome.counted ? kDoneCount : kDoneFinal;
    } else if (outcome.kind == Kind::kRowCount) {
      done_rows = outcome.counted ? static_cast<std::uint64_t>(outcome.rows) : 0;
      done_status = outcome.counted ? kDoneCount : kDoneFinal;
    } else {
      continue;
    }
    have_done = true;
  }
  // Messages of a failure outside the executor (the catch above).
  if (result.outcomes.empty()) {
    for (const sim::Message& error : result.errors) {
      flush(true);
      WriteSimMessage(out, error);
      done_status = kDoneError;
      done_rows = 0;
      have_done = true;
    }
  }
  if (in_procedure) {
    flush(true);
    return !result.errors.empty();
  }
  if (!have_done) {
    done_status = kDoneFinal;
    done_rows = 0;
    have_done = true;
  }
  flush(false);
  return !result.errors.empty();
}

Reply ClientSession::Refuse(const std::string& what) {
  WireWriter out;
  WriteSimMessage(out, sim::MakeMessage(50000, {what}));
  WriteDone(out, kDoneError);
  return Frame(out);
}

}  // namespace quelor::tds
