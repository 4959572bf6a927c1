#pragma once
// Stage 2 of a pass: the source S = Sp·T + Sc written as S = Sp′·T + Sc′ with
// a slope that keeps the diagonal of the system dominant.
//
// When Sp(1), Sp(2) or Sp(N) is positive, every volume gets the tangent of
// S at the current temperature mirrored to a negative slope:
//     Sc′(i) = T(i)·2·Sp(i) + Sc(i),   Sp′(i) = -Sp(i),
// which equals S at T(i); otherwise Sc′ = Sc and Sp′ = Sp. Only those three
// volumes are looked at, so a positive Sp confined to other interior volumes
// is left as it is.

#include <cstdint>

#include "simulation/control_volume_grid.h"
#include "simulation/property_evaluation.h"

namespace calorvia::simulation {

// Writes properties.ScPrime and overwrites properties.Sp with Sp′. Returns
// whether the linearisation was applied on this pass; `appliedInRun` is set
// when it is and never cleared here (the run clears it at its start).
bool lineariseSource(std::int32_t N, const NodeArray& temperature, VolumeProperties& properties,
                     bool& appliedInRun);

}  // namespace calorvia::simulation
