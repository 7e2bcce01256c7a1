// Club settings, IBAN/BIC and area-code columns, and the address-function
// table, filled once from the old single function text of the address.
#pragma once

#include "migration/catalogue.h"

namespace quelor::migration {

// First segment of the first routine. Adds the program switches of Mandstam,
// the IBAN, BIC and area-code columns of Adresse and HyAdresse, the department
// columns of Inter, Interes and Interes1 and three bookkeeping columns, and
// creates AdrFunktion when it is missing, copying every non-empty
// Adresse.Funktion into it once. Advances the gauge 14 times. Failures of the
// AdrFunktion statements show a warning; a failing table probe is not caught.
void ClubSettingsAndAddressFunctions(TenantContext& t);

}  // namespace quelor::migration
