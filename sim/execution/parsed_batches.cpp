// The kept parses of large batches, most recently used first.
#include "sim/execution/parsed_batches.h"

#include <algorithm>
#include <list>
#include <mutex>
#include <string>

#include "sim/parser/parser.h"

namespace quelor::sim::execution {

namespace {

struct KeptBatch {
  const Server* server;
  std::string text;
  std::shared_ptr<const Statements> statements;
};

struct KeptBatches {
  std::mutex mutex;
  std::list<KeptBatch> batches;
  std::size_t bytes = 0;
};

// Shared by all servers of the process; an entry of a server that is gone
// is never asked for again and leaves as others come.
KeptBatches& Kept() {
  static KeptBatches kept;
  return kept;
}

}  // namespace

std::shared_ptr<const Statements> ParseBatchOnce(const Server& server, std::string_view text) {
  if (text.size() < kMinKeptBatchBytes || text.size() > kMaxKeptBatchBytes)
    return std::make_shared<const Statements>(parser::ParseBatch(text));
  KeptBatches& kept = Kept();
  {
    std::lock_guard lock(kept.mutex);
    const auto found =
        std::find_if(kept.batches.begin(), kept.batches.end(), [&](const KeptBatch& batch) {
          return batch.server == &server && batch.text.size() == text.size() && batch.text == text;
        });
    if (found != kept.batches.end()) {
      kept.batches.splice(kept.batches.begin(), kept.batches, found);
      return found->statements;
    }
  }
  // A text that is refused is not kept: the refusal comes again each time.
  auto statements = std::make_shared<const Statements>(parser::ParseBatch(text));
  std::lock_guard lock(kept.mutex);
  kept.batches.push_front(KeptBatch{&server, std::string(text), statements});
  kept.bytes += text.size();
  while (kept.bytes > kMaxKeptBytes) {
    kept.bytes -= kept.batches.back().text.size();
    kept.batches.pop_back();
  }
  return statements;
}

}  // namespace quelor::sim::execution
