#include "engine/stair_layout.h"

#include <algorithm>
#include <cmath>

namespace mezura {

bool IsStairLength(double inches) { return std::isfinite(inches) && inches > 0; }

std::optional<StairLayout> LayOutStairs(double totalRise, double totalRun) {
  if (!IsStairLength(totalRise) || !IsStairLength(totalRun)) return std::nullopt;
  StairLayout stairs;
  // 7.75 is exact in binary, so a rise of an exact multiple (15 1/2") divides
  // to a whole number and needs no more risers than that.
  stairs.risers = std::max(1.0, std::ceil(totalRise / kMaxRiserHeight));
  stairs.riserHeight = totalRise / stairs.risers;
  stairs.treads = stairs.risers - 1;
  stairs.treadDepth = stairs.treads > 0 ? totalRun / stairs.treads : 0.0;
  stairs.totalRun = totalRun;
  stairs.stringer = std::hypot(totalRise, totalRun);
  if (!std::isfinite(stairs.risers) || !std::isfinite(stairs.stringer)) return std::nullopt;
  return stairs;
}

}  // namespace mezura
