#pragma once
// The arithmetic of a straight flight of stairs: how many risers a total rise
// needs, how high each is, how deep the treads are over a total run, and how
// long the stringer. The guided formula in the engine asks for the two totals
// and writes these figures; this module only computes them.
//
//   LayOutStairs(105, 130)  ->  14 risers of 7 1/2", 13 treads of 10"

#include <optional>

namespace mezura {

/// The tallest riser allowed, in inches: a common building-code limit.
inline constexpr double kMaxRiserHeight = 7.75;

struct StairLayout {
  double risers = 0;       ///< a whole number: the fewest risers no taller than kMaxRiserHeight
  double riserHeight = 0;  ///< inches: total rise / risers
  double treads = 0;       ///< risers - 1: the top riser steps onto the upper floor
  double treadDepth = 0;   ///< inches: total run / treads; 0 when a single riser has no tread
  double totalRun = 0;     ///< inches
  double stringer = 0;     ///< inches: the hypotenuse of the total rise and the total run
};

/// Nothing for a rise or run that is not a positive finite length, or a
/// layout whose figures would not be finite.
std::optional<StairLayout> LayOutStairs(double totalRise, double totalRun);

/// True when a total rise can start a layout (positive and finite).
bool IsStairLength(double inches);

}  // namespace mezura
