// Creating a database of the simulated server from a T-SQL script whose
// batches are separated by GO lines, as fixtures and the demo are written.
#pragma once

#include <string>
#include <string_view>

#include "sim/catalog/schema.h"

namespace quelor::sim {

// Runs `script` batch by batch in database `database_name` (created when
// missing) with an English session. Lines after the last GO are run as a
// last batch too, so a fixture cannot lose statements to a missing GO.
// Throws db::Error "Batch <n>: <server text>" with the server's number for
// the first batch that fails; the batches before it stay applied.
void LoadScript(Server& server, const std::string& database_name, std::string_view script);

}  // namespace quelor::sim
