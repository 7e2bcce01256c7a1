// Sports bodies, invoice line slots and contribution log: street and town
// keys, template paths of the users, start and end of follow-ups, cost-centre
// groups, the state sports federations (tblLSB, filled once with 18 bodies),
// address and club-master columns, invoice line slots 11 to 15, the log of the
// contribution assistant and the scratch journal.
#pragma once

#include "migration/catalogue.h"

namespace quelor::migration {

// Runs right after the Memo1/Memo2 scripts of the journal fixes. Five gauge
// advances, one after each invoice line slot. Unguarded: the widenings of
// Kontakt, PASS and AdresseZukunft and the one-time fills of
// Mandstam.FibuKost and Adresse.SEPA_FE; their failures end the run.
void SportsBodiesAndInvoiceSlots(TenantContext& t);

}  // namespace quelor::migration
