// The parse of large batches, kept for the next time the same text comes.
// An update at a hosting provider sends the same load batches (bank codes,
// sports lists, account charts) to every club's database; like the real
// server's plan cache, the simulated server parses such a text once.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "sim/catalog/schema.h"
#include "sim/parser/ast.h"

namespace quelor::sim::execution {

using Statements = std::vector<parser::StatementPtr>;

// Batches of fewer bytes parse quickly and are not kept; larger ones are not
// kept either, and all kept texts together stay below kMaxKeptBytes.
inline constexpr std::size_t kMinKeptBatchBytes = std::size_t{32} << 10;
inline constexpr std::size_t kMaxKeptBatchBytes = std::size_t{4} << 20;
inline constexpr std::size_t kMaxKeptBytes = std::size_t{16} << 20;

// The statements of `text` as parser::ParseBatch reads them (and with its
// refusals), parsed now or kept from an earlier batch of the same text on
// the same server. The parse depends on nothing but the text, and running
// statements only reads them: the binding caches they carry check what they
// were made for. Kept statements belong to one server, whose batches run
// one at a time, so no two threads run them at once.
std::shared_ptr<const Statements> ParseBatchOnce(const Server& server, std::string_view text);

}  // namespace quelor::sim::execution
