// Reads a batch of T-SQL text into statements. The whole batch is parsed
// before anything runs, so a syntax error stops the batch before its first
// statement, as on the real server.
#pragma once

#include <string_view>
#include <vector>

#include "sim/parser/ast.h"

namespace quelor::sim::parser {

// How deep parentheses, subqueries, blocks and operator, UNION and JOIN
// chains may nest in one batch; deeper text is refused with 191, as the real
// server refuses what its stack cannot hold.
inline constexpr int kMaxNesting = 500;

// Throws SqlError 102/156 ("Incorrect syntax near ...") for text that is no
// valid T-SQL, 191 for text nested deeper than kMaxNesting, and 50000 naming the construct for
// valid T-SQL that the simulated server does not implement.
std::vector<StatementPtr> ParseBatch(std::string_view text);

// One expression, as stored in a DEFAULT definition.
ExprPtr ParseExpression(std::string_view text);

}  // namespace quelor::sim::parser
