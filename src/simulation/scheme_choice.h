#pragma once
// Stage 3, first pass of a run only: the treatment of convection.
//
// With u <= 0 the scheme is CDS and nobody is asked. With u > 0 the cell
// Peclet number of the first volume, in single precision,
//     Pe = Rho(1)·Cp(1)·u / (K(1)/dx),
// preselects CDS below 1.5 and Upwind from 1.5 on, and the scheme dialog lets
// the user confirm or change the choice.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "simulation/property_evaluation.h"

namespace calorvia::simulation {

enum class ConvectionScheme : std::int32_t { CDS = 1, Upwind = 2 };

// The scheme dialog: shows Pe and the text line, starts with `preselected`
// switched on, and returns the scheme whose button is on when it closes.
using SchemeDialog = std::function<ConvectionScheme(float Pe, ConvectionScheme preselected,
                                                    std::string_view pecletLine)>;

// Per run: the scheme, whether it has been chosen, and the Peclet number shown.
struct SchemeState {
    ConvectionScheme scheme = ConvectionScheme::CDS;
    bool chosen = false;
    float Pe = 0.0f;
};

float pecletNumber(double Rho1, double Cp1, double u, double K1, double dx);

// CDS when Pe < 1.5, otherwise Upwind.
ConvectionScheme preselectedScheme(float Pe);

// Pe written F10.4, trailing blanks removed, then "  <= Peclet":
// "    0.4000  <= Peclet".
std::string pecletLine(float Pe);

// Makes the choice once per run: does nothing when state.chosen is already
// set. Returns true when the choice was made by this call (the driver then
// starts its clock and shows the scheme's name). Without a dialog the
// preselected scheme is taken.
bool chooseScheme(double u, const VolumeProperties& properties, double dx,
                  const SchemeDialog& dialog, SchemeState& state);

}  // namespace calorvia::simulation
