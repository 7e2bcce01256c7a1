#include "migration/reference_commands.h"

namespace quelor::migration {

std::string MemoSport2014Script() { return {}; }
std::string VerbSportArtCommand() { return {}; }
std::string DsaFachverbandCommand() { return {}; }
std::string FachverbaendeCommand() { return {}; }
std::string SportartenCommand() { return {}; }
std::string FachverbaendeNeuCommand() { return {}; }

}  // namespace quelor::migration
