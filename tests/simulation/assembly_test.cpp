// The assembled equations are conservation: for any temperature field each
// row of A·T - b is the net flux out of the volume, minus its source, plus
// its storage, for every branch, boundary type and size; and which branch
// the assembly takes and what it keeps from pass to pass.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "simulation/assembly.h"
#include "simulation/control_volume_grid.h"
#include "simulation/discrete_system.h"
#include "simulation/property_evaluation.h"
#include "simulation/scheme_choice.h"
#include "simulation/simulation_case.h"

namespace calorvia::simulation {
namespace {

constexpr BoundaryType Temperature = BoundaryType::Temperature;
constexpr BoundaryType Flux = BoundaryType::Flux;
constexpr BoundaryType Convection = BoundaryType::Convection;

// Everything the assembly reads, for one case.
struct AssemblyCase {
    SimulationCase simulationCase;
    ControlVolumeGrid grid;
    VolumeProperties properties;
    TemperatureLevels levels;
    double f = 1.0;

    DiscreteSystem assemble(ConvectionScheme scheme) const {
        DiscreteSystem system(grid.N);
        assembleSystem(simulationCase, f, grid, properties, levels, scheme, system);
        return system;
    }
};

BoundaryCondition condition(BoundaryType type, double T, double Phi, double h, double Tinf) {
    BoundaryCondition c;
    c.type = type;
    if (type == Temperature) c.T = T;
    if (type == Flux) c.Phi = Phi;
    if (type == Convection) {
        c.h = h;
        c.Tinf = Tinf;
    }
    return c;
}

// Three volumes of width 1 with properties that differ from volume to
// volume, for the tests of which branch the assembly takes and what it keeps.
AssemblyCase threeVolumes(double u, BoundaryType westType, BoundaryType eastType) {
    AssemblyCase s;
    s.grid = ControlVolumeGrid(3.0, 3);
    s.simulationCase.N = 3;
    s.simulationCase.Lx = 3.0;
    s.simulationCase.u = u;
    s.simulationCase.Delt_t = 0.5;
    s.simulationCase.west = condition(westType, 100.0, 7.0, 1.0, 50.0);
    s.simulationCase.east = condition(eastType, 200.0, 9.0, 12.0, 40.0);
    s.properties = VolumeProperties(3);
    s.properties.K = {0, 1, 1, 3};
    s.properties.Rho = {0, 1, 2, 2};
    s.properties.Cp = {0, 2, 2, 4};
    s.properties.ScPrime = {0, 1, 2, 3};
    s.properties.Sp = {0, -0.5, -1, -2};
    s.levels = TemperatureLevels(3);
    s.levels.Told = {0, 10, 20, 30};
    s.levels.TbW = 60.0;
    s.levels.TbE = 70.0;
    return s;
}

enum class Branch { PureDiffusion, CDS, Upwind };

std::string branchName(Branch branch) {
    switch (branch) {
        case Branch::PureDiffusion:
            return "PureDiffusion";
        case Branch::CDS:
            return "CDS";
        case Branch::Upwind:
            return "Upwind";
    }
    return "?";
}

// ---------------------------------------------------------------------------
// Conservation. Face fluxes J in the +x direction:
//   interior  J = F·T_face - D·(T(i+1) - T(i)), T_face the mean (CDS) or T(i) (Upwind)
//   west      temperature  F_W·T_W - D_W·(T(1) - T_W)
//             flux         Phi_W + F_W·Tb_W
//             convection   F_W·Tb_W + H_W·(Tinf_W - T(1))
// Tb being the face temperature of T itself (whatever estimates the levels hold):
//             flux         Tb = T(P) + Phi·dx/(2·K(P))
//             convection   Tb = (2·K(P)·T(P) + h·dx·Tinf)/(2·K(P) + h·dx)
//   east      temperature  F_E·T_E (CDS) or F_E·T(N) (Upwind) - D_E·(T_E - T(N))
//             flux         F_E·Tb_E (CDS) or F_E·T(N) (Upwind) - Phi_E
//             convection   F_E·Tb_E (CDS) or F_E·T(N) (Upwind) + H_E·(T(N) - Tinf_E)
// with every F = 0 in pure diffusion, and each volume balances
//   C_i·(T(i) - T°(i)) + J(i+1/2) - J(i-1/2) - dx·(Sc′(i) + Sp′(i)·T(i)) = 0.

struct BalanceRow {
    std::int32_t N;
    Branch branch;
    double u;
    double f;
    BoundaryType westType;
    BoundaryType eastType;
};

void PrintTo(const BalanceRow& row, std::ostream* os) {
    *os << branchName(row.branch) << " N=" << row.N << " u=" << row.u << " f=" << row.f << " west "
        << fileNumber(row.westType) << " east " << fileNumber(row.eastType);
}

class Conservation : public ::testing::TestWithParam<BalanceRow> {};

TEST_P(Conservation, EveryRowIsTheBalanceOfItsVolume) {
    const BalanceRow row = GetParam();
    std::mt19937_64 random(static_cast<std::uint64_t>(row.N * 100 + fileNumber(row.westType) * 10 +
                                                      fileNumber(row.eastType)));
    std::uniform_real_distribution<double> positive(0.5, 3.0);
    std::uniform_real_distribution<double> any(-10.0, 10.0);
    const std::int32_t N = row.N;

    for (int seed = 0; seed < 4; ++seed) {
        AssemblyCase s;
        s.f = row.f;
        s.grid = ControlVolumeGrid(1.3, N);
        s.simulationCase.N = N;
        s.simulationCase.Lx = 1.3;
        s.simulationCase.u = row.u;
        s.simulationCase.Delt_t = 0.3;
        s.simulationCase.west =
            condition(row.westType, any(random), any(random), positive(random), any(random));
        s.simulationCase.east =
            condition(row.eastType, any(random), any(random), positive(random), any(random));
        s.properties = VolumeProperties(N);
        s.levels = TemperatureLevels(N);
        NodeArray T = makeNodeArray(N);
        for (std::size_t i = 1; i <= static_cast<std::size_t>(N); ++i) {
            s.properties.K[i] = positive(random);
            s.properties.Rho[i] = positive(random);
            s.properties.Cp[i] = positive(random);
            s.properties.ScPrime[i] = any(random);
            s.properties.Sp[i] = -positive(random);
            s.levels.Told[i] = any(random);
            T[i] = any(random);
        }
        s.levels.TbW = any(random);
        s.levels.TbE = any(random);
        const ConvectionScheme recorded =
            row.branch == Branch::CDS ? ConvectionScheme::CDS : ConvectionScheme::Upwind;
        const DiscreteSystem system = s.assemble(recorded);

        const auto& p = s.properties;
        const double dx = s.grid.dx;
        const double u = row.branch == Branch::PureDiffusion ? 0.0 : row.u;
        const bool upwind = row.branch == Branch::Upwind;
        auto at = [](const NodeArray& a, std::int32_t i) { return a[static_cast<std::size_t>(i)]; };
        auto interiorFlux = [&](std::int32_t i) {  // face i+1/2
            const double D = 2.0 * at(p.K, i) * at(p.K, i + 1) / (at(p.K, i) + at(p.K, i + 1)) / dx;
            const double F = (at(p.Rho, i) + at(p.Rho, i + 1)) / 2.0 *
                             ((at(p.Cp, i) + at(p.Cp, i + 1)) / 2.0) * u;
            const double face = upwind ? at(T, i) : (at(T, i) + at(T, i + 1)) / 2.0;
            return F * face - D * (at(T, i + 1) - at(T, i));
        };
        const BoundaryCondition& west = s.simulationCase.west;
        const BoundaryCondition& east = s.simulationCase.east;
        const double FW = at(p.Rho, 1) * at(p.Cp, 1) * u;
        const double FE = at(p.Rho, N) * at(p.Cp, N) * u;
        const double DW = 2.0 * at(p.K, 1) / dx;
        const double DE = 2.0 * at(p.K, N) / dx;
        const double HW = 1.0 / (1.0 / west.h + dx / (2.0 * at(p.K, 1)));
        const double HE = 1.0 / (1.0 / east.h + dx / (2.0 * at(p.K, N)));
        auto faceOf = [&](const BoundaryCondition& b, std::int32_t P) {
            const double K = at(p.K, P);
            return b.type == Flux ? at(T, P) + b.Phi * dx / (2.0 * K)
                                  : (2.0 * K * at(T, P) + b.h * dx * b.Tinf) / (2.0 * K + b.h * dx);
        };
        double westFlux = 0.0;
        switch (west.type) {
            case Temperature:
                westFlux = FW * west.T - DW * (at(T, 1) - west.T);
                break;
            case Flux:
                westFlux = west.Phi + FW * faceOf(west, 1);
                break;
            case Convection:
                westFlux = FW * faceOf(west, 1) + HW * (west.Tinf - at(T, 1));
                break;
            case BoundaryType::Radiation:  // not among the cases of this table
                break;
        }
        double eastFlux = 0.0;
        const double outflowAt =
            upwind ? at(T, N) : (east.type == Temperature ? east.T : faceOf(east, N));
        switch (east.type) {
            case Temperature:
                eastFlux = FE * outflowAt - DE * (east.T - at(T, N));
                break;
            case Flux:
                eastFlux = FE * outflowAt - east.Phi;
                break;
            case Convection:
                eastFlux = FE * outflowAt + HE * (at(T, N) - east.Tinf);
                break;
            case BoundaryType::Radiation:
                break;
        }

        for (std::int32_t i = 1; i <= N; ++i) {
            const double Jw = i == 1 ? westFlux : interiorFlux(i - 1);
            const double Je = i == N ? eastFlux : interiorFlux(i);
            const double C = row.f * at(p.Rho, i) * at(p.Cp, i) * dx / s.simulationCase.Delt_t;
            const double balance = C * (at(T, i) - at(s.levels.Told, i)) + Je - Jw -
                                   dx * (at(p.ScPrime, i) + at(p.Sp, i) * at(T, i));
            double residual = -system.b[static_cast<std::size_t>(i)];
            double scale = std::abs(residual);
            for (std::int32_t j = std::max(1, i - 1); j <= std::min(N, i + 1); ++j) {
                residual += system.entry(i, j) * at(T, j);
                scale += std::abs(system.entry(i, j) * at(T, j));
            }
            EXPECT_NEAR(residual, balance, 1.0E-12 * scale)
                << branchName(row.branch) << " N=" << N << " node " << i;
        }
    }
}

std::vector<BalanceRow> balanceRows() {
    std::vector<BalanceRow> rows;
    for (std::int32_t N : {2, 3, 5, 9}) {
        for (BoundaryType westType : {Temperature, Flux, Convection}) {
            for (BoundaryType eastType : {Temperature, Flux, Convection}) {
                for (double f : {1.0, 0.0}) {
                    rows.push_back({N, Branch::PureDiffusion, 0.0, f, westType, eastType});
                    rows.push_back({N, Branch::CDS, 0.7, f, westType, eastType});
                    rows.push_back({N, Branch::Upwind, 0.7, f, westType, eastType});
                    rows.push_back({N, Branch::CDS, -0.4, f, westType, eastType});
                }
            }
        }
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(AllBranches, Conservation, ::testing::ValuesIn(balanceRows()),
                         [](const ::testing::TestParamInfo<BalanceRow>& row) {
                             return branchName(row.param.branch) + "_N" +
                                    std::to_string(row.param.N) + "_W" +
                                    std::to_string(fileNumber(row.param.westType)) + "_E" +
                                    std::to_string(fileNumber(row.param.eastType)) +
                                    (row.param.u < 0.0 ? "_negativeU" : "") +
                                    (row.param.f == 0.0 ? "_steady" : "");
                         });

// ---------------------------------------------------------------------------

std::uint64_t bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

// With u exactly 0 the pure-diffusion formulas apply whatever scheme is
// recorded. They differ from CDS with F = 0 only in the sign of a zero: a
// face of zero conductance gives A(i,i+1) = -D = -0, where CDS's F/2 - D
// would give +0.
TEST(AssemblyBranch, ZeroVelocityIsPureDiffusionEvenWithASchemeRecorded) {
    AssemblyCase s = threeVolumes(0.0, Temperature, Temperature);
    s.properties.K = {0, 0.0, 1.0, 1.0};  // D_{3/2} = 0
    for (ConvectionScheme recorded : {ConvectionScheme::CDS, ConvectionScheme::Upwind}) {
        const DiscreteSystem system = s.assemble(recorded);
        EXPECT_EQ(bits(system.entry(1, 2)), bits(-0.0));
        EXPECT_EQ(bits(system.entry(2, 1)), bits(-0.0));
    }
}

TEST(AssemblyBranch, SteadyPureDiffusionDoesNotDependOnRhoCpOrTimeStep) {
    AssemblyCase s = threeVolumes(0.0, Convection, Flux);
    s.f = 0.0;
    const DiscreteSystem reference = s.assemble(ConvectionScheme::CDS);
    s.properties.Rho = {0, 7.0, 0.1, 3.0};
    s.properties.Cp = {0, 0.2, 9.0, 1.0};
    s.simulationCase.Delt_t = 1.0E-3;
    const DiscreteSystem changed = s.assemble(ConvectionScheme::CDS);
    for (std::size_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(bits(changed.lower[i]), bits(reference.lower[i]));
        EXPECT_EQ(bits(changed.diagonal[i]), bits(reference.diagonal[i]));
        EXPECT_EQ(bits(changed.upper[i]), bits(reference.upper[i]));
        EXPECT_EQ(bits(changed.b[i]), bits(reference.b[i]));
    }
    // ... while a transient step does.
    s.f = 1.0;
    EXPECT_NE(s.assemble(ConvectionScheme::CDS).diagonal[2], reference.diagonal[2]);
}

TEST(AssemblyBranch, EveryPassRewritesTheWholeBandAndRightHandSide) {
    const AssemblyCase s = threeVolumes(1.0, Convection, Flux);
    DiscreteSystem fresh = s.assemble(ConvectionScheme::CDS);
    DiscreteSystem reused(3);
    for (NodeArray* values : {&reused.lower, &reused.diagonal, &reused.upper, &reused.b}) {
        for (double& v : *values) v = 12345.0;
    }
    // Outside the matrix: slot 0, A(1,0) and A(3,4) are never part of an equation.
    for (NodeArray* values : {&reused.lower, &reused.diagonal, &reused.upper, &reused.b}) {
        (*values)[0] = 0.0;
    }
    reused.lower[1] = 0.0;
    reused.upper[3] = 0.0;
    assembleSystem(s.simulationCase, s.f, s.grid, s.properties, s.levels, ConvectionScheme::CDS,
                   reused);
    EXPECT_EQ(reused.lower, fresh.lower);
    EXPECT_EQ(reused.diagonal, fresh.diagonal);
    EXPECT_EQ(reused.upper, fresh.upper);
    EXPECT_EQ(reused.b, fresh.b);
}

// A cache kept over passes gives, bit for bit, the system assembled without
// one, whichever of its inputs changed since the pass before.
TEST(AssemblyCache, GivesTheSystemAssembledWithoutItWhateverChanged) {
    std::mt19937_64 random(77);
    std::uniform_real_distribution<double> positive(0.5, 3.0);
    constexpr std::int32_t N = 7;
    AssemblyCase s = threeVolumes(1.0, Convection, Flux);
    s.grid = ControlVolumeGrid(1.3, N);
    s.simulationCase.N = N;
    s.simulationCase.Delt_t = 0.3;
    s.properties = VolumeProperties(N);
    s.levels = TemperatureLevels(N);
    for (std::size_t i = 1; i <= N; ++i) {
        for (NodeArray* values : {&s.properties.K, &s.properties.Rho, &s.properties.Cp,
                                  &s.properties.ScPrime, &s.levels.Told}) {
            (*values)[i] = positive(random);
        }
        s.properties.Sp[i] = -positive(random);
    }
    const std::vector<std::pair<std::string, std::function<void()>>> changes{
        {"nothing", [] {}},
        {"K", [&] { s.properties.K[4] *= 1.5; }},
        {"Rho", [&] { s.properties.Rho[3] *= 1.5; }},
        {"Cp", [&] { s.properties.Cp[5] *= 1.5; }},
        {"Delt_t", [&] { s.simulationCase.Delt_t = std::nextafter(0.3, 1.0); }},
        {"dx", [&] { s.grid = ControlVolumeGrid(1.4, N); }},
        {"f", [&] { s.f = 0.0; }},
        {"nothing again", [] {}},
    };
    AssemblyCache cache;
    for (const auto& [what, change] : changes) {
        change();
        DiscreteSystem cached(N);
        assembleSystem(s.simulationCase, s.f, s.grid, s.properties, s.levels, ConvectionScheme::CDS,
                       cached, &cache);
        const DiscreteSystem fresh = s.assemble(ConvectionScheme::CDS);
        for (std::size_t i = 1; i <= N; ++i) {
            EXPECT_EQ(bits(cached.lower[i]), bits(fresh.lower[i])) << what << " node " << i;
            EXPECT_EQ(bits(cached.diagonal[i]), bits(fresh.diagonal[i])) << what << " node " << i;
            EXPECT_EQ(bits(cached.upper[i]), bits(fresh.upper[i])) << what << " node " << i;
            EXPECT_EQ(bits(cached.b[i]), bits(fresh.b[i])) << what << " node " << i;
        }
    }
}

}  // namespace
}  // namespace calorvia::simulation
