// Transfers, account statements and club bank accounts: the tables of
// outgoing transfers and their templates, imported statement lines, the
// club's own bank accounts (filled once from the three bank slots of the club
// master record), the booking-text catalogue, the bank columns of direct
// debits and the waiver flags of the batch split lines.
#pragma once

#include "migration/catalogue.h"

namespace quelor::migration {

// Follows SportsBodiesAndInvoiceSlots. Seven gauge advances. A bank account of
// the master record whose bank, account number or bank code is blank is not
// copied; a failed copy shows a warning. Unguarded: reading Mandstam for the
// copy and the one-time fills of BankKontoFuerendeNull, the donation flag of
// account 3220 and the two Verzicht columns; their failures end the run.
void TransfersAndBankAccounts(TenantContext& t);

}  // namespace quelor::migration
