#include "migration/reference_commands.h"

namespace quelor::migration {

std::string AnlageTypCommand() { return {}; }
std::string Skr49Command() { return {}; }
std::string F5DatSkr49Command() { return {}; }

}  // namespace quelor::migration
