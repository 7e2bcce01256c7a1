// Removing rows of a table in place and putting them back: a statement that
// deletes rows and may still fail keeps only the rows it took out, with their
// positions, instead of a copy of the whole table.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "sim/catalog/schema.h"

namespace quelor::sim::execution {

// Rows taken out of a table, each with the position it had, in ascending
// order of position.
using TakenRows = std::vector<std::pair<std::size_t, Row>>;

// Removes the rows at `positions` (any order, no repeats) from `rows`,
// keeping the order of the others, and returns them.
TakenRows TakeRows(std::vector<Row>& rows, const std::vector<std::size_t>& positions);

// Removes the rows at `positions` for good, keeping the order of the others.
void EraseRows(std::vector<Row>& rows, const std::vector<std::size_t>& positions);

// Undoes TakeRows: puts every taken row back at the position it had.
void PutBackRows(std::vector<Row>& rows, TakenRows taken);

}  // namespace quelor::sim::execution
