// The tokens of a tabular-result message the server sends: login
// acknowledgement, environment changes, info and error messages, and done.
// Column metadata and rows are in result_encoding.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tds/wire_buffer.h"

namespace quelor::tds {

inline constexpr std::uint32_t kTds74 = 0x74000004;

// The server name in info and error tokens.
inline constexpr std::string_view kServerName = "QUELORSIM";

// SQL_Latin1_General_CP1_CI_AS: LCID 0x0409, case-insensitive,
// accent-sensitive, sort id 52.
inline constexpr std::uint8_t kCollation[5] = {0x09, 0x04, 0xD0, 0x00, 0x34};

enum DoneStatus : std::uint16_t {
  kDoneFinal = 0x0000,
  kDoneMore = 0x0001,
  kDoneError = 0x0002,
  kDoneCount = 0x0010,
  kDoneAttention = 0x0020,
};

void WriteLoginAck(WireWriter& out, std::uint32_t tds_version);
void WriteEnvChangeText(WireWriter& out, std::uint8_t type, std::string_view new_value, std::string_view old_value);
void WriteEnvChangeCollation(WireWriter& out);

inline constexpr std::uint8_t kEnvDatabase = 1;
inline constexpr std::uint8_t kEnvLanguage = 2;
inline constexpr std::uint8_t kEnvPacketSize = 4;
// Begin, commit and rollback of a transaction: the new (begin) or old value
// is the 8-byte transaction descriptor.
inline constexpr std::uint8_t kEnvBeginTransaction = 8;
inline constexpr std::uint8_t kEnvCommitTransaction = 9;
inline constexpr std::uint8_t kEnvRollbackTransaction = 10;
void WriteEnvChangeTransaction(WireWriter& out, std::uint8_t type, std::uint64_t descriptor);

// An ERROR token for severity above 10, an INFO token otherwise.
void WriteMessage(WireWriter& out, int number, int state, int severity, std::string_view text);

// DONE ends a batch or one of its statements; inside a procedure call the
// statements end with DONEINPROC and the call with DONEPROC.
enum DoneToken : std::uint8_t { kDoneToken = 0xFD, kDoneProcToken = 0xFE, kDoneInProcToken = 0xFF };
void WriteDone(WireWriter& out, std::uint16_t status, std::uint64_t row_count = 0, DoneToken token = kDoneToken);
// The return value of a procedure call.
void WriteReturnStatus(WireWriter& out, std::int32_t value);

}  // namespace quelor::tds
