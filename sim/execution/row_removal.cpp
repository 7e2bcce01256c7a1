#include "sim/execution/row_removal.h"

namespace quelor::sim::execution {

namespace {

// Moves the rows not at `positions` together at the front, hands every other
// row to `removed` with its position, and drops the tail.
template <class Removed>
void CompactRows(std::vector<Row>& rows, const std::vector<std::size_t>& positions,
                 Removed removed) {
  std::vector<bool> remove(rows.size(), false);
  for (std::size_t position : positions) remove[position] = true;
  std::size_t kept = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (remove[i]) {
      removed(i, rows[i]);
    } else {
      if (kept != i) rows[kept] = std::move(rows[i]);
      ++kept;
    }
  }
  rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(kept), rows.end());
}

}  // namespace

TakenRows TakeRows(std::vector<Row>& rows, const std::vector<std::size_t>& positions) {
  TakenRows taken;
  taken.reserve(positions.size());
  CompactRows(rows, positions, [&](std::size_t position, Row& row) {
    taken.emplace_back(position, std::move(row));
  });
  return taken;
}

void EraseRows(std::vector<Row>& rows, const std::vector<std::size_t>& positions) {
  CompactRows(rows, positions, [](std::size_t, Row& row) { Row().swap(row); });
}

void PutBackRows(std::vector<Row>& rows, TakenRows taken) {
  if (taken.empty()) return;
  // Only the row handles move: the cells stay where they are.
  std::vector<Row> merged;
  merged.reserve(rows.size() + taken.size());
  std::size_t next_kept = 0;
  for (auto& [position, row] : taken) {
    while (merged.size() < position && next_kept < rows.size())
      merged.push_back(std::move(rows[next_kept++]));
    merged.push_back(std::move(row));
  }
  while (next_kept < rows.size()) merged.push_back(std::move(rows[next_kept++]));
  rows = std::move(merged);
}

}  // namespace quelor::sim::execution
