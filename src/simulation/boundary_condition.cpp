#include "simulation/boundary_condition.h"

#include <cmath>

namespace calorvia::simulation {
namespace {

// The face temperature of a radiating face: the largest root of
//   g(Tb) = 2·K(P)·(Tb - T(P))/dx + eps·σ·(Tb⁴ - Tsur⁴),
// which lies between T(P) and Tsur when both are positive. g is convex, so
// Newton's steps from max(T(P), Tsur), where g >= 0, fall towards the root
// without passing it; they stop when a step no longer lowers Tb.
double radiatingFaceTemperature(const BoundaryCondition& c, double TP, double KP, double dx) {
    const double conductance = KP * 2.0 / dx;
    const double es = c.eps * StefanBoltzmann;
    double Tb = std::fmax(TP, c.Tsur);
    for (int step = 0; step < 200; ++step) {
        const double g = conductance * (Tb - TP) + es * (Tb * Tb * Tb * Tb - std::pow(c.Tsur, 4.0));
        const double slope = conductance + 4.0 * es * Tb * Tb * Tb;
        const double next = Tb - g / slope;
        if (!(next < Tb)) break;
        Tb = next;
    }
    return Tb;
}

// The radiating face as a film about Tb* (boundary_condition.h): a
// convection condition with h_r = 4·eps·σ·Tb*³ and
// Tinf_r = (Tsur⁴ + 3·Tb*⁴)/(4·Tb*³); nothing when Tb* is not above 0 K.
std::optional<BoundaryCondition> linearisedRadiation(const BoundaryCondition& c,
                                                     const BoundaryNodeTerms& n) {
    const double Tb = radiatingFaceTemperature(c, n.Told, n.K, n.dx);
    if (!(Tb > 0.0)) return std::nullopt;
    const double Tb3 = Tb * Tb * Tb;
    BoundaryCondition film;
    film.type = BoundaryType::Convection;
    film.h = 4.0 * c.eps * StefanBoltzmann * Tb3;
    film.Tinf = (std::pow(c.Tsur, 4.0) + 3.0 * Tb3 * Tb) / (4.0 * Tb3);
    return film;
}

// D_b = A_b·2·K(P)/dx: the half volume between node P and its face.
double halfVolumeConductance(const BoundaryNodeTerms& n) {
    return n.area * (n.K * 2.0 / n.dx);
}

// H_b = A_b/(1/h + dx/(2·K(P))): the convective film h in series with that
// half volume.
double filmConductance(const BoundaryNodeTerms& n, double h) {
    return n.area / (1.0 / h + n.dx / (n.K * 2.0));
}

// F_b·Tb carried across a flux or convection face. Its face temperature is
// linear in the node's, Tb = a·T(P) + c:
//   flux        a = 1,           c = Phi·dx/(2·K(P))
//   convection  a = β/(β + 1),   c = Tinf/(β + 1),   β = 2·K(P)/(h·dx)
// so the solution carries heat at its own face temperature: F_b·a belongs to
// the diagonal and F_b·c to b. Without a flow nothing is carried (and the
// rows of pure diffusion keep every bit).
struct CarriedHeat {
    double diagonal = 0.0;  // F_b·a
    double b = 0.0;         // F_b·c
};

CarriedHeat carriedAtFace(const BoundaryCondition& condition, const BoundaryNodeTerms& n) {
    if (n.F == 0.0) return {};
    switch (condition.type) {
        case BoundaryType::Flux:
            return {n.F, n.F * (condition.Phi * n.dx / (n.K * 2.0))};
        case BoundaryType::Convection: {
            const double beta = n.K * 2.0 / (condition.h * n.dx);
            return {n.F * (beta / (beta + 1.0)), n.F * (condition.Tinf / (beta + 1.0))};
        }
        case BoundaryType::Temperature:
        case BoundaryType::Radiation:  // carried as the film it is linearised to
            break;
    }
    return {};
}

}  // namespace

std::optional<double> faceTemperature(const BoundaryCondition& condition, double TP, double KP,
                                      double dx) {
    switch (condition.type) {
        case BoundaryType::Temperature:
            return condition.T;
        case BoundaryType::Flux:
            return condition.Phi * dx / (KP * 2.0) + TP;
        case BoundaryType::Convection:
            return (KP * 2.0 * TP / (condition.h * dx) + condition.Tinf) /
                   (KP * 2.0 / (condition.h * dx) + 1.0);
        case BoundaryType::Radiation:
            return radiatingFaceTemperature(condition, TP, KP, dx);
    }
    return std::nullopt;
}

// West node (i = 1), A(1,2) already written; G = F_{3/2} (0 in pure
// diffusion) is the convective outflow through the interior face; dx·Sp′
// and dx·Sc′ stand for ΔV_1·Sp′(1) and ΔV_1·Sc′(1) in a radial body:
//   temperature  A(1,1) = D_W - A(1,2) + C_1 - dx·Sp′(1) + G
//                b(1) = F_W·T_W + dx·Sc′(1) + D_W·T_W + C_1·T°(1)
//   flux         A(1,1) = C_1 - A(1,2) - dx·Sp′(1) + G - F_W·a
//                b(1) = dx·Sc′(1) + A_W·Phi_W + C_1·T°(1) + F_W·c
//   convection   A(1,1) = H_W - A(1,2) + C_1 - dx·Sp′(1) + G - F_W·a
//                b(1) = F_W·c + H_W·Tinf_W + dx·Sc′(1) + C_1·T°(1)
// with Tb_W = a·T(1) + c the face temperature (carriedAtFace). The terms are
// added in this order for every run, so that each entry rounds the same way.
std::optional<BoundaryRow> westRow(const BoundaryCondition& condition, const BoundaryNodeTerms& n) {
    if (condition.type == BoundaryType::Radiation) {
        const std::optional<BoundaryCondition> film = linearisedRadiation(condition, n);
        return film ? westRow(*film, n) : std::nullopt;
    }
    const double G = n.Fface;
    const CarriedHeat carried = carriedAtFace(condition, n);
    switch (condition.type) {
        case BoundaryType::Temperature: {
            const double DW = halfVolumeConductance(n);
            return BoundaryRow{DW - n.neighbour + n.C - n.dxSp + G,
                               n.F * condition.T + n.dxSc + DW * condition.T + n.C * n.Told};
        }
        case BoundaryType::Flux:
            return BoundaryRow{n.C - n.neighbour - n.dxSp + G - carried.diagonal,
                               n.dxSc + n.area * condition.Phi + n.C * n.Told + carried.b};
        case BoundaryType::Convection: {
            const double HW = filmConductance(n, condition.h);
            return BoundaryRow{HW - n.neighbour + n.C - n.dxSp + G - carried.diagonal,
                               carried.b + HW * condition.Tinf + n.dxSc + n.C * n.Told};
        }
        case BoundaryType::Radiation:
            break;
    }
    return std::nullopt;
}

// East node (i = N), A(N,N-1) already written; D_n, F_n are D_{N-1/2},
// F_{N-1/2}. CDS carries the outflow at the face temperature (T_E, or
// Tb_E = a·T(N) + c, carriedAtFace), Upwind at T(N), which puts F_E on the
// diagonal. Phi_E
// stands for A_E·Phi_E, dx·Sp′ and dx·Sc′ for ΔV_N·Sp′(N) and ΔV_N·Sc′(N).
// A radial body is always in pure diffusion.
//   temperature  pure  A(N,N) = D_E - A(N,N-1) + C_N - dx·Sp′(N)
//                      b(N) = dx·Sc′(N) + D_E·T_E + C_N·T°(N)
//                CDS   A(N,N) = C_N + D_E + D_n - dx·Sp′(N) - F_n/2
//                      b(N) = dx·Sc′(N) + D_E·T_E + C_N·T°(N) - F_E·T_E
//                Upw.  A(N,N) = F_E + C_N + D_E + D_n - dx·Sp′(N)
//                      b(N) = dx·Sc′(N) + D_E·T_E + C_N·T°(N)
//   flux         pure  A(N,N) = C_N - A(N,N-1) - dx·Sp′(N)
//                      b(N) = dx·Sc′(N) + Phi_E + C_N·T°(N)
//                CDS   A(N,N) = C_N + D_n - dx·Sp′(N) - F_n/2 + F_E·a
//                      b(N) = dx·Sc′(N) + Phi_E + C_N·T°(N) - F_E·c
//                Upw.  A(N,N) = F_E + C_N + D_n - dx·Sp′(N)
//                      b(N) = dx·Sc′(N) + Phi_E + C_N·T°(N)
//   convection   pure  A(N,N) = H_E - A(N,N-1) + C_N - dx·Sp′(N)
//                      b(N) = H_E·Tinf_E + dx·Sc′(N) + C_N·T°(N)
//                CDS   A(N,N) = C_N + H_E + D_n - dx·Sp′(N) - F_n/2 + F_E·a
//                      b(N) = H_E·Tinf_E + dx·Sc′(N) + C_N·T°(N) - F_E·c
//                Upw.  A(N,N) = F_E + C_N + H_E + D_n - dx·Sp′(N)
//                      b(N) = H_E·Tinf_E + dx·Sc′(N) + C_N·T°(N)
std::optional<BoundaryRow> eastRow(const BoundaryCondition& condition, const BoundaryNodeTerms& n) {
    if (condition.type == BoundaryType::Radiation) {
        const std::optional<BoundaryCondition> film = linearisedRadiation(condition, n);
        return film ? eastRow(*film, n) : std::nullopt;
    }
    const double Dn = n.Dface;
    const double Fn = n.Fface;
    const CarriedHeat carried = carriedAtFace(condition, n);
    switch (condition.type) {
        case BoundaryType::Temperature: {
            const double DE = halfVolumeConductance(n);
            const double b = n.dxSc + DE * condition.T + n.C * n.Told;
            switch (n.treatment) {
                case FaceTreatment::PureDiffusion:
                    return BoundaryRow{DE - n.neighbour + n.C - n.dxSp, b};
                case FaceTreatment::CDS:
                    return BoundaryRow{n.C + DE + Dn - n.dxSp - Fn / 2.0, b - n.F * condition.T};
                case FaceTreatment::Upwind:
                    return BoundaryRow{n.F + n.C + DE + Dn - n.dxSp, b};
            }
            break;
        }
        case BoundaryType::Flux: {
            const double b = n.dxSc + n.area * condition.Phi + n.C * n.Told;
            switch (n.treatment) {
                case FaceTreatment::PureDiffusion:
                    return BoundaryRow{n.C - n.neighbour - n.dxSp, b};
                case FaceTreatment::CDS:
                    return BoundaryRow{n.C + Dn - n.dxSp - Fn / 2.0 + carried.diagonal,
                                       b - carried.b};
                case FaceTreatment::Upwind:
                    return BoundaryRow{n.F + n.C + Dn - n.dxSp, b};
            }
            break;
        }
        case BoundaryType::Convection: {
            const double HE = filmConductance(n, condition.h);
            const double b = HE * condition.Tinf + n.dxSc + n.C * n.Told;
            switch (n.treatment) {
                case FaceTreatment::PureDiffusion:
                    return BoundaryRow{HE - n.neighbour + n.C - n.dxSp, b};
                case FaceTreatment::CDS:
                    return BoundaryRow{n.C + HE + Dn - n.dxSp - Fn / 2.0 + carried.diagonal,
                                       b - carried.b};
                case FaceTreatment::Upwind:
                    return BoundaryRow{n.F + n.C + HE + Dn - n.dxSp, b};
            }
            break;
        }
        case BoundaryType::Radiation:
            break;
    }
    return std::nullopt;
}

// Centre of a solid body: nothing crosses the face of zero area,
//   A(1,1) = C_1 - A(1,2) - ΔV_1·Sp′(1),   b(1) = ΔV_1·Sc′(1) + C_1·T°(1).
BoundaryRow centreRow(const BoundaryNodeTerms& n) {
    return BoundaryRow{n.C - n.neighbour - n.dxSp, n.dxSc + n.C * n.Told};
}

double westFaceFlux(const BoundaryCondition& condition, double T1, double K1, double dx) {
    const double Tw = faceTemperature(condition, T1, K1, dx).value_or(T1);
    return -2.0 * K1 * (T1 - Tw) / dx;
}

double eastFaceFlux(const BoundaryCondition& condition, double TN, double KN, double dx) {
    const double Te = faceTemperature(condition, TN, KN, dx).value_or(TN);
    return -2.0 * KN * (Te - TN) / dx;
}

std::optional<double> westFaceTemperature(const ControlVolumeGrid& grid,
                                          const BoundaryCondition& west, double T1, double K1) {
    if (grid.westIsCentre()) return T1;
    return faceTemperature(west, T1, K1, grid.dx);
}

std::optional<double> eastFaceTemperature(const ControlVolumeGrid& grid,
                                          const BoundaryCondition& east, double TN, double KN) {
    return faceTemperature(east, TN, KN, grid.dx);
}

double westFaceFlux(const ControlVolumeGrid& grid, const BoundaryCondition& west, double T1,
                    double K1) {
    if (grid.westIsCentre()) return 0.0;
    return westFaceFlux(west, T1, K1, grid.dx);
}

double eastFaceFlux(const ControlVolumeGrid& grid, const BoundaryCondition& east, double TN,
                    double KN) {
    return eastFaceFlux(east, TN, KN, grid.dx);
}

double prescribedOr(const BoundaryCondition& condition, double nodeValue) {
    return condition.type == BoundaryType::Temperature ? condition.T : nodeValue;
}

double rampLevel(const BoundaryCondition& condition) {
    const BoundaryTypeDescription* type = describe(condition.type);
    if (type == nullptr || type->rampLevel == nullptr) return 0.0;
    return condition.*(type->rampLevel);
}

double westStartTemperature(const ControlVolumeGrid& grid, const BoundaryCondition& west,
                            double T1) {
    return grid.westIsCentre() ? T1 : prescribedOr(west, T1);
}

bool radiatingFacePositive(const BoundaryCondition& condition, double TP, double KP, double dx) {
    if (condition.type != BoundaryType::Radiation) return true;
    return radiatingFaceTemperature(condition, TP, KP, dx) > 0.0;
}

std::optional<double> ambientTemperature(const BoundaryCondition& condition) {
    const BoundaryTypeDescription* type = describe(condition.type);
    if (type == nullptr || type->ambientLevel == nullptr) return std::nullopt;
    return condition.*(type->ambientLevel);
}

namespace {

double updateEstimate(const BoundaryCondition& condition, double TP, double KP, double dx,
                      double& estimate) {
    const std::optional<double> face = faceTemperature(condition, TP, KP, dx);
    if (!face) return estimate;
    if (condition.type != BoundaryType::Temperature) estimate = *face;
    return *face;
}

}  // namespace

ProfileEnds updateBoundaryTemperatures(const ControlVolumeGrid& grid, const NodeArray& K,
                                       const BoundaryCondition& west, const BoundaryCondition& east,
                                       TemperatureLevels& levels) {
    const auto N = static_cast<std::size_t>(grid.N);
    if (grid.westIsCentre()) levels.TbW = levels.T[1];
    const double westEnd = grid.westIsCentre()
                               ? levels.TbW
                               : updateEstimate(west, levels.T[1], K[1], grid.dx, levels.TbW);
    return {westEnd, updateEstimate(east, levels.T[N], K[N], grid.dx, levels.TbE)};
}

}  // namespace calorvia::simulation
