// Closing adjustments of the first routine: print flags of the open split
// lines, three settings, the address-function foreign key dropped again, a few
// widened columns, the outdated Commerzbank BIC, the due-date columns of
// contribution types, contracts, receivables and direct debits, and AssBeitID;
// then the hand-over to the second routine (Update1).
#pragma once

#include "migration/catalogue.h"

namespace quelor::migration {

// Runs on the current tenant database after the SEPA mandates, and ends by
// running Update1 on it. No progress point. Most statements show the server's
// text in a plain message box and the run goes on; the two Druck fills and
// whatever escapes Update1 end the run.
void ClosingAdjustments(TenantContext& t);

// The closing adjustments without the hand-over: the state Update1 starts from.
void ClosingAdjustmentsBeforeUpdate1(TenantContext& t);

}  // namespace quelor::migration
