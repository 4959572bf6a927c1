// The stored result files of the example regressions, checked against exact
// solutions. The regression tests show that the program still writes these
// files byte for byte; here they are shown to be right, independently of
// the program: each profile is compared with the closed-form solution of the
// example's problem within a tolerance its discretisation explains.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Point {
    double x;  // position or time
    double T;
};

// The two-column table after a result file's four heading lines, up to the
// first line that is not two numbers.
std::vector<Point> readTable(const std::string& example, const std::string& file) {
    const std::filesystem::path path =
        std::filesystem::path(CALORVIA_SOURCE_DIR) / "tests/examples/golden" / example / file;
    std::ifstream in(path);
    std::vector<Point> points;
    std::string line;
    for (int heading = 0; heading < 4 && std::getline(in, line); ++heading) {
    }
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        fields.imbue(std::locale::classic());
        Point p{};
        std::string rest;
        if (!(fields >> p.x >> p.T) || (fields >> rest)) break;
        points.push_back(p);
    }
    return points;
}

// Sum over the odd modes of the slab with one face held and the other
// insulated: the fraction of an initial step left at (x, t), L = alpha = 1.
double slabStepFraction(double x, double t) {
    double sum = 0.0;
    for (int n = 0; n < 400; ++n) {
        const double lambda = (2 * n + 1) * std::numbers::pi / 2.0;
        sum += 4.0 / ((2 * n + 1) * std::numbers::pi) * std::sin(lambda * x) *
               std::exp(-lambda * lambda * t);
    }
    return sum;
}

struct SteadyExample {
    const char* name;
    std::size_t points;  // N + 2: both faces and every node
    std::function<double(double)> exact;
    double tolerance;  // kelvin
};

void PrintTo(const SteadyExample& example, std::ostream* os) {
    *os << example.name;
}

class SteadyProfile : public ::testing::TestWithParam<SteadyExample> {};

TEST_P(SteadyProfile, MatchesTheExactSolution) {
    const SteadyExample& example = GetParam();
    const auto profile = readTable(example.name, "Steady.txt");
    ASSERT_EQ(profile.size(), example.points);
    for (const Point& p : profile) {
        EXPECT_NEAR(p.T, example.exact(p.x), example.tolerance) << "x = " << p.x;
    }
}

// Written values carry seven significant digits at most (single precision),
// so "exact" means within a few units of the last digit.
INSTANTIATE_TEST_SUITE_P(
    Examples, SteadyProfile,
    ::testing::Values(
        // Conduction without a source is linear, and exact at the nodes.
        SteadyExample{"plane-wall", 12, [](double x) { return 100.0 + 100.0 * x; }, 1.0E-4},
        // Wall and convection in series: q = (200 - 20)/(L/K + 1/h), linear.
        SteadyExample{"convection-cooled-wall", 12,
                      [](double x) { return 200.0 - x * 180.0 / 1.1; }, 1.0E-4},
        // T'' = m^2 (T - 20), m = 5, T(0) = 120, T'(1) = 0. Second order: the
        // half cell at the held face shifts the nodes by about
        // m^2 theta0 dx^2 / (8K) = 0.195 K at most (theta0 = 100, dx = 0.025).
        SteadyExample{
            "fin-like-wall", 42,
            [](double x) { return 20.0 + 100.0 * std::cosh(5.0 * (1.0 - x)) / std::cosh(5.0); },
            0.2},
        // T = 100 + S x (L - x)/(2K), S = 1000, K = 2, L = 0.5: the half cell at
        // each held face lifts the nodes by S dx^2/(8K) = 0.039 (dx = 0.025).
        SteadyExample{"uniform-generation", 22,
                      [](double x) { return 100.0 + 1000.0 * x * (0.5 - x) / 4.0; }, 0.04},
        // u dT/dx = T'' with Pe_L = 1; central differences, dx = 0.05.
        SteadyExample{"convection-diffusion-low-peclet", 22,
                      [](double x) { return std::expm1(x) / std::expm1(1.0); }, 1.0E-3},
        // (K(T) T')' = 0 with K = 1 + 0.01 T: the Kirchhoff transform
        // T + 0.005 T^2 is linear in x, from 0 to 150. Second order in dx = 0.05
        // through the face conductivities, plus the Picard tolerance.
        SteadyExample{"temperature-dependent-conductivity", 22,
                      [](double x) { return 100.0 * (std::sqrt(1.0 + 3.0 * x) - 1.0); }, 0.1},
        // dT/dt = T'' from 100, the west face held at 0 and the east insulated,
        // the last profile (t = 0.1, --steady no). Implicit Euler is first order
        // in time and the sudden step at the face costs most: 0.3 K of 100.
        SteadyExample{"transient-slab-cooling", 22,
                      [](double x) { return 100.0 * slabStepFraction(x, 0.1); }, 0.3}),
    [](const ::testing::TestParamInfo<SteadyExample>& row) {
        std::string name = row.param.name;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

// Without a source the same heat crosses every face: with K = 1 + 0.01 T the
// exact flux is -(150 - 0)/L in Kirchhoff terms, -150 W/m² for L = 1, and
// the discrete system conserves it face by face.
TEST(TemperatureDependentConductivity, EveryFaceCarriesTheSameFlux) {
    const auto faces = readTable("temperature-dependent-conductivity", "Flux_x_Position.txt");
    ASSERT_EQ(faces.size(), 21u);
    for (const Point& face : faces) EXPECT_NEAR(face.T, -150.0, 1.0E-4) << "x = " << face.x;
}

// Pe_L = 100, cell Peclet 5: upwinding smears the boundary layer (its
// thickness 0.01 is a fifth of a cell), so the profile is checked for what
// upwinding guarantees, bounded and monotone, and for staying within 0.25
// of the exact profile.
TEST(HighPeclet, UpwindProfileIsBoundedMonotoneAndNearTheExactOne) {
    const auto profile = readTable("convection-diffusion-high-peclet", "Steady.txt");
    ASSERT_EQ(profile.size(), 22u);
    double previous = -1.0;
    for (const Point& p : profile) {
        const double exact =
            (std::exp(100.0 * (p.x - 1.0)) - std::exp(-100.0)) / (1.0 - std::exp(-100.0));
        EXPECT_GE(p.T, 0.0);
        EXPECT_LE(p.T, 1.0);
        EXPECT_GE(p.T, previous) << "x = " << p.x;
        EXPECT_NEAR(p.T, exact, 0.25) << "x = " << p.x;
        previous = p.T;
    }
}

// The heated slab of the experimental-data example: from 20, the west face
// at 100, the east insulated; the history of node 5 (x = 0.225) against the
// series, 0.001 per step. Within 1 K of the 80 K rise: the first steps after
// the sudden change at the face carry implicit Euler's largest error.
TEST(ExperimentalDataExample, NodeHistoryFollowsTheSeries) {
    const auto history = readTable("experimental-data", "Unsteady.txt");
    ASSERT_EQ(history.size(), 201u);
    EXPECT_NEAR(history.front().T, 20.0, 1.0E-4);
    for (std::size_t k = 1; k < history.size(); ++k) {
        const Point& p = history[k];
        EXPECT_NEAR(p.x, 0.001 * static_cast<double>(k), 1.0E-6);
        EXPECT_NEAR(p.T, 100.0 - 80.0 * slabStepFraction(0.225, p.x), 1.0) << "t = " << p.x;
    }
}

// The cooling slab's node 10 (x = 0.475) through time, against the series.
TEST(TransientSlabCooling, NodeHistoryFollowsTheSeries) {
    const auto history = readTable("transient-slab-cooling", "Unsteady.txt");
    ASSERT_EQ(history.size(), 101u);
    for (std::size_t k = 1; k < history.size(); ++k) {
        const Point& p = history[k];
        EXPECT_NEAR(p.T, 100.0 * slabStepFraction(0.475, p.x), 0.3) << "t = " << p.x;
    }
}

// ---- cylinders and spheres ------------------------------------------------------------

// The N + 2 radii of a profile file: the faces ri and ro, and the centres
// ri + (i - 1/2)·dx. They are taken from the case rather than read back,
// since five decimals of a radius near 0.005 would cost more than the
// discretisation does.
std::vector<double> profileRadii(double ri, double Lx, int N) {
    std::vector<double> r{ri};
    for (int i = 1; i <= N; ++i) r.push_back(ri + (i - 0.5) * Lx / N);
    r.push_back(ri + Lx);
    return r;
}

// An insulated pipe: its outer wall, r = 0.005, held at 100; insulation
// K = 0.1 outside it, cooled by air h = 10 at 20. The critical radius of
// insulation is rc = K/h = 0.01: a layer up to rc loses more heat than the
// bare pipe, a thicker one less. Per unit length the loss is
//     q' = 2π (100 − 20) / (ln(ro/ri)/K + 1/(h·ro)),
// the profile T = 100 − (100 − 20)·(ln(r/ri)/K)/(ln(ro/ri)/K + 1/(h·ro)).
struct Pipe {
    const char* name;
    double ro;
};

double pipeResistance(double ro) {
    return std::log(ro / 0.005) / 0.1 + 1.0 / (10.0 * ro);
}

double pipeLoss(double ro) {
    return 2.0 * std::numbers::pi * 80.0 / pipeResistance(ro);
}

// The loss through the outer face of the stored flux file: 2π·ro·q.
double storedPipeLoss(const Pipe& pipe) {
    const auto faces = readTable(pipe.name, "Flux_x_Position.txt");
    EXPECT_EQ(faces.size(), 21u);
    return faces.empty() ? 0.0 : 2.0 * std::numbers::pi * pipe.ro * faces.back().T;
}

TEST(InsulatedPipe, ProfilesFollowTheLogarithm) {
    for (const Pipe pipe : {Pipe{"insulated-pipe-below-critical-radius", 0.008},
                            Pipe{"insulated-pipe-above-critical-radius", 0.05}}) {
        const auto profile = readTable(pipe.name, "Steady.txt");
        ASSERT_EQ(profile.size(), 22u) << pipe.name;
        const std::vector<double> r = profileRadii(0.005, pipe.ro - 0.005, 20);
        // Second order in dx, largest near ri where T″ = −T′/r is largest:
        // dx²·|T″|/8 is 0.05 K (thin layer) and 0.8 K (thick) there.
        const double tolerance = pipe.ro < 0.01 ? 0.1 : 1.0;
        for (std::size_t i = 0; i < profile.size(); ++i) {
            const double exact =
                100.0 - 80.0 * (std::log(r[i] / 0.005) / 0.1) / pipeResistance(pipe.ro);
            EXPECT_NEAR(profile[i].T, exact, tolerance) << pipe.name << ", r = " << r[i];
        }
        EXPECT_NEAR(storedPipeLoss(pipe), pipeLoss(pipe.ro), 0.01 * pipeLoss(pipe.ro)) << pipe.name;
    }
}

// Below rc the layer raises the loss of the bare pipe, 2π·ri·h·80; above it
// the layer lowers it.
TEST(InsulatedPipe, TheCriticalRadiusSeparatesMoreLossFromLess) {
    const double bare = 2.0 * std::numbers::pi * 0.005 * 10.0 * 80.0;
    EXPECT_GT(storedPipeLoss({"insulated-pipe-below-critical-radius", 0.008}), bare);
    EXPECT_LT(storedPipeLoss({"insulated-pipe-above-critical-radius", 0.05}), bare);
}

// A fuel rod: a solid cylinder of radius R = 0.005, K = 3, generating
// q = 3e8 per unit volume, cooled by h = 20000 at 300. Everything generated
// leaves through the surface, q·R/2 per unit area, so the surface stands at
// Ts = 300 + q·R/(2h) = 337.5 and T = Ts + q·(R² − r²)/(4K) (962.5 on the
// axis).
TEST(FuelRod, FollowsTheParabolaAndLetsOutWhatItGenerates) {
    const double q = 3.0e8, R = 0.005, K = 3.0;
    const double Ts = 300.0 + q * R / (2.0 * 20000.0);
    const auto profile = readTable("fuel-rod", "Steady.txt");
    ASSERT_EQ(profile.size(), 22u);
    const std::vector<double> r = profileRadii(0.0, R, 20);
    // The axis (r = 0) shows the first volume's temperature. Second order:
    // q·dx²/(8K) = 0.8 K of the 625 K rise.
    for (std::size_t i = 0; i < profile.size(); ++i) {
        const double exact = Ts + q * (R * R - r[i] * r[i]) / (4.0 * K);
        EXPECT_NEAR(profile[i].T, exact, 1.0) << "r = " << r[i];
    }
    // The finite volumes conserve energy to round-off: the surface flux is
    // the generation over the cross-section, to single precision.
    const auto faces = readTable("fuel-rod", "Flux_x_Position.txt");
    ASSERT_EQ(faces.size(), 21u);
    EXPECT_EQ(faces.front().T, 0.0) << "nothing crosses the axis";
    EXPECT_NEAR(faces.back().T, q * R / 2.0, 1.0);
}

// A solid sphere of radius 1 (K = Rho = Cp = 1) at 100 cooled in a fluid at
// 0 with h = 1: Bi = h·R/K = 1. Its centre follows the series
//     T/100 = Σ C_n·exp(−ζ_n²·Fo),  C_n = 4(sin ζ_n − ζ_n cos ζ_n)/(2ζ_n − sin 2ζ_n),
// with 1 − ζ_n·cot ζ_n = Bi; once Fo = αt/R² > 0.2 the first term alone
// holds to well within 1 %. The eigenvalue is found by bisection on
// (0, π), where 1 − ζ·cot ζ grows from 0 to infinity.
double firstSphereEigenvalue(double Bi) {
    double low = 1.0e-9;
    double high = std::numbers::pi - 1.0e-9;
    for (int i = 0; i < 200; ++i) {
        const double middle = 0.5 * (low + high);
        const double f = 1.0 - middle / std::tan(middle) - Bi;
        (f < 0.0 ? low : high) = middle;
    }
    return 0.5 * (low + high);
}

TEST(SphereCooling, TheCentreFollowsTheOneTermSeriesOnceFourierPassesAFifth) {
    const double zeta = firstSphereEigenvalue(1.0);
    ASSERT_NEAR(1.0 - zeta / std::tan(zeta), 1.0, 1.0e-12);
    const double C =
        4.0 * (std::sin(zeta) - zeta * std::cos(zeta)) / (2.0 * zeta - std::sin(2.0 * zeta));
    // The followed volume is the first, its centre at r = dx/2 = 0.0025.
    const double r = 0.0025;
    const double shape = std::sin(zeta * r) / (zeta * r);
    const auto history = readTable("sphere-cooling", "Unsteady.txt");
    ASSERT_EQ(history.size(), 501u);
    EXPECT_NEAR(history.front().T, 100.0, 1.0E-4);
    int compared = 0;
    for (const Point& p : history) {
        const double Fo = p.x;  // α = R = 1
        if (Fo <= 0.2) continue;
        const double series = 100.0 * C * std::exp(-zeta * zeta * Fo) * shape;
        EXPECT_NEAR(p.T, series, 0.01 * series) << "Fo = " << Fo;
        ++compared;
    }
    EXPECT_GE(compared, 299) << "the rows from Fo = 0.2 to 0.5";
}

// Its mean over the volume, 3/R³·∫T·r²dr, term by term: for Bi = 1 the
// roots are ζ_n = (2n − 1)·π/2 and
//     T_mean/100 = Σ 6/ζ_n⁴·exp(−ζ_n²·Fo).
// The plain mean of the nodes would weigh the small volumes at the centre as
// much as the large ones at the surface, and stand well above it.
TEST(SphereCooling, TheAverageIsTheMeanOverTheVolume) {
    const auto average = readTable("sphere-cooling", "Average.txt");
    ASSERT_EQ(average.size(), 501u);
    int compared = 0;
    for (const Point& p : average) {
        const double Fo = p.x;
        if (Fo < 0.05) continue;
        double series = 0.0;
        for (int n = 1; n <= 50; ++n) {
            const double zeta = (2.0 * n - 1.0) * std::numbers::pi / 2.0;
            series += 6.0 / std::pow(zeta, 4) * std::exp(-zeta * zeta * Fo);
        }
        EXPECT_NEAR(p.T, 100.0 * series, 0.01 * 100.0 * series) << "Fo = " << Fo;
        ++compared;
    }
    EXPECT_GE(compared, 450);
}

}  // namespace
