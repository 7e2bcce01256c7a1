// The log of SEPA transfer files, the SEPA flag of transfers and templates,
// the online-banking tables, the bank-code directory fields of d_blz and the
// certificate and tax-filing PIN of the master record.
#pragma once

#include "migration/catalogue.h"

namespace quelor::migration {

// Follows HelpTextsVersionAndOnlineAccounts. Creates SEPA_Protokol,
// SEPA_ProtokolS, OnlKontAnm, tmpMgKontoUms, tblOnlLog and OnlKontoStand
// when missing; existing transfers and templates get SEPA 'N' on the run that
// adds the flag. On the run that gives d_blz its identity column ID the bank
// codes are deleted, BANK and Ort widened to 255 and the key PK_D_BLZ
// (BLZ, ID) created; the codes are loaded again by the second routine. No
// progress point. The widenings of BANK and Ort are not caught: a d_blz
// without them ends the run.
void SepaLogOnlineBankingAndBankCodes(TenantContext& t);

}  // namespace quelor::migration
