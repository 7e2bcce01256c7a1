// All segments of the first routine, for tests that start where the second
// routine (Update1) starts. The closing adjustments are taken without their
// hand-over to Update1, so the tenant is left exactly as Update1 finds it.
#pragma once

#include <vector>

#include "migration/closing_adjustments.h"
#include "migration/dsa_member_data.h"
#include "migration/sepa_mandates.h"
#include "migration_fixture.h"
#include "segments_before_dsa.h"

namespace quelor::testing {

inline std::vector<Segment> FirstRoutineSegments() {
  std::vector<Segment> segments = SegmentsBeforeDsa();
  segments.push_back(migration::DsaMemberData);
  segments.push_back(migration::SepaMandates);
  segments.push_back(migration::ClosingAdjustmentsBeforeUpdate1);
  return segments;
}

}  // namespace quelor::testing
