// Help texts and help groups, the schema version marker, the second and third
// bank-account slots of the master record, and IBAN/BIC for the club's bank
// accounts, transfers and statement lines.
#pragma once

#include "migration/catalogue.h"

namespace quelor::migration {

// Follows TransfersAndBankAccounts. Creates tblHelp, tblHelpGruppe and
// tblVersion when missing; on every run rewrites the three help groups,
// reloads the help texts (memoHelp) and sets tblVersion.Version to '11'.
// Adds Online/IBAN/BIC columns to Mandstam, MandKonten, MgUeberw and
// MgKontoUms; on the run that gives MandKonten its BIC column the table is
// rebuilt from the three slots of the master record. No progress point.
// Help, group and version statements show an error dialog, the help script
// and the bank-account statements a warning; the reads of tblVersion and
// Mandstam are not caught.
void HelpTextsVersionAndOnlineAccounts(TenantContext& t);

}  // namespace quelor::migration
