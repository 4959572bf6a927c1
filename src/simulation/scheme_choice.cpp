#include "simulation/scheme_choice.h"

#include "text/fixed_text.h"
#include "text/number_writer.h"

namespace calorvia::simulation {

float pecletNumber(double Rho1, double Cp1, double u, double K1, double dx) {
    return static_cast<float>(Rho1 * Cp1 * u / (K1 / dx));
}

ConvectionScheme preselectedScheme(float Pe) {
    return Pe < 1.5f ? ConvectionScheme::CDS : ConvectionScheme::Upwind;
}

std::string pecletLine(float Pe) {
    const std::string field = text::fixedReal(static_cast<double>(Pe), 10, 4);
    std::string line(text::trimRight(field));
    line += "  <= Peclet";
    return line;
}

bool chooseScheme(double u, const VolumeProperties& properties, double dx,
                  const SchemeDialog& dialog, SchemeState& state) {
    if (state.chosen) return false;
    if (u <= 0.0) {
        state.scheme = ConvectionScheme::CDS;
    } else {
        state.Pe = pecletNumber(properties.Rho[1], properties.Cp[1], u, properties.K[1], dx);
        const ConvectionScheme preselected = preselectedScheme(state.Pe);
        state.scheme = dialog ? dialog(state.Pe, preselected, pecletLine(state.Pe)) : preselected;
    }
    state.chosen = true;
    return true;
}

}  // namespace calorvia::simulation
