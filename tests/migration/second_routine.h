// The segments of the second routine (Update1) before its last one, for tests
// that start where the last segment starts.
#pragma once

#include <vector>

#include "migration/association_chart_tables.h"
#include "migration/federation_lists_and_reloads.h"
#include "migration/fixed_assets_and_rights.h"
#include "migration/signed_amounts_and_dispatch.h"
#include "migration/sports_list_keys.h"
#include "migration_fixture.h"

namespace quelor::testing {

inline std::vector<Segment> SecondRoutineBeforeLastSegment() {
  return {migration::SportsListKeysAndDueDates, migration::FixedAssetsLetterLayoutAndRights,
          migration::AssociationChartTables, migration::FederationListsAndReferenceReloads,
          migration::SignedAmountsDispatchAndSportsFixes};
}

}  // namespace quelor::testing
