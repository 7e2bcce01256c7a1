#include "migration/reference_commands.h"

namespace quelor::migration {

std::string_view EmbeddedBankCodeDirectory() { return {}; }
std::array<std::string, 3> BankCodeCommands(std::string_view /*directory*/) { return {}; }

}  // namespace quelor::migration
