// G_S: the sweep, the stopping rules and the callbacks into the run.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "simulation/discrete_system.h"
#include "simulation/gauss_seidel.h"
#include "support/case_names.h"

namespace calorvia::simulation {
namespace {

std::uint64_t bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

// The iteration as the method states it, one step after the other, on the
// matrix entries: the reference for the library's loops.
GaussSeidelResult referenceGaussSeidel(const DiscreteSystem& s, double Tol, NodeArray& T,
                                       NodeArray& Tsweep) {
    const std::int32_t N = s.N;
    auto A = [&s](std::int32_t i, std::int32_t j) { return s.entry(i, j); };
    auto b = [&s](std::int32_t i) { return s.b[static_cast<std::size_t>(i)]; };
    auto t = [&T](std::int32_t i) -> double& { return T[static_cast<std::size_t>(i)]; };
    auto ts = [&Tsweep](std::int32_t i) -> double& { return Tsweep[static_cast<std::size_t>(i)]; };
    std::int32_t counter = 0;
    for (;;) {
        counter = counter + 1;
        if (counter > 1500000) return {GaussSeidelOutcome::SweepLimit, 1500000};
        int changeFound = 0;
        t(1) = b(1) / A(1, 1) - (A(1, 2) / A(1, 1)) * ts(2);
        for (std::int32_t i = 2; i <= N - 1; ++i) {
            t(i) = b(i) / A(i, i) - (A(i, i - 1) / A(i, i)) * t(i - 1) -
                   (A(i, i + 1) / A(i, i)) * ts(i + 1);
        }
        t(N) = b(N) / A(N, N) - (A(N, N - 1) / A(N, N)) * t(N - 1);
        for (std::int32_t i = 1; i <= N; ++i) {
            if (std::abs(t(i) - ts(i)) > Tol) changeFound = 1;
            ts(i) = t(i);
        }
        if (changeFound == 0) return {GaussSeidelOutcome::Converged, counter};
    }
}

DiscreteSystem dominantSystem(std::int32_t N, std::mt19937_64& random, double margin) {
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    DiscreteSystem s(N);
    for (std::int32_t i = 1; i <= N; ++i) {
        const auto k = static_cast<std::size_t>(i);
        s.lower[k] = i > 1 ? unit(random) : 0.0;
        s.upper[k] = i < N ? unit(random) : 0.0;
        s.diagonal[k] = std::abs(s.lower[k]) + std::abs(s.upper[k]) + margin;
        s.b[k] = 50.0 * unit(random);
    }
    return s;
}

struct SweepRow {
    std::int32_t N;
    double Tol;
    double margin;  // diagonal dominance: small margins converge slowly
};

void PrintTo(const SweepRow& row, std::ostream* os) {
    *os << "N=" << row.N << " Tol=" << row.Tol << " margin " << row.margin;
}

class GaussSeidelAgainstReference : public ::testing::TestWithParam<SweepRow> {};

TEST_P(GaussSeidelAgainstReference, GivesTheSameIteratesAndSweepCount) {
    const SweepRow row = GetParam();
    std::mt19937_64 random(static_cast<std::uint64_t>(row.N) * 31u + 7u);
    for (int seed = 0; seed < 5; ++seed) {
        const DiscreteSystem s = dominantSystem(row.N, random, row.margin);
        NodeArray start = makeNodeArray(row.N);
        for (std::size_t i = 1; i < start.size(); ++i) start[i] = 10.0 * static_cast<double>(i);
        NodeArray T = start;
        NodeArray Tsweep = start;
        NodeArray refT = start;
        NodeArray refTsweep = start;
        const GaussSeidelResult result = G_S(s, row.Tol, T, Tsweep);
        const GaussSeidelResult expected = referenceGaussSeidel(s, row.Tol, refT, refTsweep);
        EXPECT_EQ(result.outcome, expected.outcome);
        EXPECT_EQ(result.sweeps, expected.sweeps);
        for (std::size_t i = 1; i < T.size(); ++i) {
            ASSERT_EQ(bits(T[i]), bits(refT[i])) << "N=" << row.N << " node " << i;
            ASSERT_EQ(bits(Tsweep[i]), bits(T[i]));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, GaussSeidelAgainstReference,
                         ::testing::Values(SweepRow{2, 1.0E-8, 0.5}, SweepRow{3, 1.0E-8, 0.5},
                                           SweepRow{5, 0.0, 1.0}, SweepRow{17, 1.0E-12, 0.2},
                                           SweepRow{100, 1.0E-8, 0.05},
                                           SweepRow{1000, 1.0E-6, 0.5}),
                         calorvia::testing::printedName);

// A = I, b = 1, start 0.75: the first sweep changes every node by exactly 0.25.
TEST(GaussSeidel, AChangeEqualToTheToleranceHasConverged) {
    struct Row {
        double Tol;
        std::int32_t sweeps;
    };
    for (const Row row : {Row{0.25, 1}, Row{std::nextafter(0.25, 0.0), 2}, Row{0.3, 1}}) {
        DiscreteSystem s(4);
        for (std::size_t i = 1; i <= 4; ++i) {
            s.diagonal[i] = 1.0;
            s.b[i] = 1.0;
        }
        NodeArray T(5, 0.75);
        NodeArray Tsweep = T;
        const GaussSeidelResult result = G_S(s, row.Tol, T, Tsweep);
        EXPECT_EQ(result.outcome, GaussSeidelOutcome::Converged);
        EXPECT_EQ(result.sweeps, row.sweeps) << "Tol " << row.Tol;
    }
}

TEST(GaussSeidel, WithZeroToleranceStopsOnlyWhenASweepChangesNothing) {
    std::mt19937_64 random(3);
    const DiscreteSystem s = dominantSystem(20, random, 0.5);
    NodeArray loose = makeNodeArray(20);
    NodeArray looseSweep = loose;
    const GaussSeidelResult looseResult = G_S(s, 1.0E-8, loose, looseSweep);

    NodeArray T = makeNodeArray(20);
    NodeArray Tsweep = T;
    const GaussSeidelResult result = G_S(s, 0.0, T, Tsweep);
    ASSERT_EQ(result.outcome, GaussSeidelOutcome::Converged);
    EXPECT_GT(result.sweeps, looseResult.sweeps);

    // The values are a fixed point of the sweep: one more sweep changes no bit.
    const NodeArray fixedPoint = T;
    const GaussSeidelResult again = G_S(s, 0.0, T, Tsweep);
    EXPECT_EQ(again.sweeps, 1);
    for (std::size_t i = 1; i < T.size(); ++i) EXPECT_EQ(bits(T[i]), bits(fixedPoint[i]));
}

struct Recorder {
    std::vector<std::string> events;
    std::vector<std::int32_t> reported;
    GaussSeidelHooks hooks() {
        return {{},
                [this](std::int32_t sweep) {
                    reported.push_back(sweep);
                    events.emplace_back("progress");
                },
                [this] { events.emplace_back("erase"); },
                [this] { events.emplace_back("warning"); }};
    }
};

// T(1) + T(2) = 1, T(2) - T(1) = 0: the iteration matrix has the eigenvalue -1,
// so the values swing between (1, 1) and (0, 0) for ever, finite.
TEST(GaussSeidel, StopsAfterOneAndAHalfMillionSweepsWithOneWarning) {
    DiscreteSystem s(2);
    s.diagonal = {0.0, 1.0, 1.0};
    s.upper = {0.0, 1.0, 0.0};
    s.lower = {0.0, 0.0, -1.0};
    s.b = {0.0, 1.0, 0.0};
    NodeArray T = makeNodeArray(2);
    NodeArray Tsweep = T;
    Recorder recorder;
    const GaussSeidelResult result = G_S(s, 1.0E-8, T, Tsweep, recorder.hooks());
    EXPECT_EQ(result.outcome, GaussSeidelOutcome::SweepLimit);
    EXPECT_EQ(result.sweeps, 1'500'000);
    ASSERT_GE(recorder.events.size(), 2u);
    EXPECT_EQ(recorder.events[recorder.events.size() - 2], "erase");
    EXPECT_EQ(recorder.events.back(), "warning");
    // Every 5·N = 10 sweeps, up to and including the last one.
    ASSERT_EQ(recorder.reported.size(), 150'000u);
    EXPECT_EQ(recorder.reported.front(), 10);
    EXPECT_EQ(recorder.reported.back(), 1'500'000);
    EXPECT_TRUE(std::isfinite(T[1]) && std::isfinite(T[2]));
    EXPECT_EQ(T, Tsweep);

    // The limit belongs to one call: the next call counts from zero again.
    Recorder second;
    EXPECT_EQ(G_S(s, 1.0E-8, T, Tsweep, second.hooks()).sweeps, 1'500'000);
    EXPECT_EQ(second.reported.front(), 10);
}

TEST(GaussSeidel, ReportsTheSweepCounterEveryFiveNSweeps) {
    // Weak dominance converges slowly enough to pass several report points.
    constexpr std::int32_t N = 6;
    DiscreteSystem s(N);
    for (std::size_t i = 1; i <= N; ++i) {
        s.diagonal[i] = 2.0;
        s.lower[i] = i > 1 ? -1.0 : 0.0;
        s.upper[i] = i < N ? -1.0 : 0.0;
        s.b[i] = 1.0;
    }
    NodeArray T = makeNodeArray(N);
    NodeArray Tsweep = T;
    Recorder recorder;
    const GaussSeidelResult result = G_S(s, 1.0E-12, T, Tsweep, recorder.hooks());
    ASSERT_EQ(result.outcome, GaussSeidelOutcome::Converged);
    ASSERT_GT(result.sweeps, 3 * 5 * N);
    ASSERT_EQ(recorder.reported.size(), static_cast<std::size_t>(result.sweeps / (5 * N)));
    for (std::size_t k = 0; k < recorder.reported.size(); ++k) {
        EXPECT_EQ(recorder.reported[k], static_cast<std::int32_t>(k + 1) * 5 * N);
    }
    EXPECT_EQ(recorder.events.back(), "erase");
}

TEST(GaussSeidel, ASystemSolvedInFewerThanFiveNSweepsOnlyErasesTheBox) {
    DiscreteSystem s(3);
    for (std::size_t i = 1; i <= 3; ++i) {
        s.diagonal[i] = 4.0;
        s.b[i] = 8.0;
    }
    NodeArray T = makeNodeArray(3);
    NodeArray Tsweep = T;
    Recorder recorder;
    const GaussSeidelResult result = G_S(s, 1.0E-8, T, Tsweep, recorder.hooks());
    EXPECT_EQ(result.sweeps, 2);
    EXPECT_EQ(recorder.events, std::vector<std::string>{"erase"});
    EXPECT_EQ(T[2], 2.0);
}

class CancelledIteration : public ::testing::TestWithParam<std::int32_t> {};

// The request is looked at before every sweep; a cancel leaves the box as it is.
TEST_P(CancelledIteration, ReturnsAtTheNextSweepWithoutErasing) {
    const std::int32_t cancelAtCheck = GetParam();
    DiscreteSystem s(2);
    s.diagonal = {0.0, 1.0, 1.0};
    s.upper = {0.0, 1.0, 0.0};
    s.lower = {0.0, 0.0, -1.0};
    s.b = {0.0, 1.0, 0.0};
    NodeArray T = makeNodeArray(2);
    NodeArray Tsweep = T;
    Recorder recorder;
    GaussSeidelHooks hooks = recorder.hooks();
    std::int32_t checks = 0;
    hooks.cancelRequested = [&] { return ++checks == cancelAtCheck; };
    const GaussSeidelResult result = G_S(s, 1.0E-8, T, Tsweep, hooks);
    EXPECT_EQ(result.outcome, GaussSeidelOutcome::Cancelled);
    EXPECT_EQ(result.sweeps, cancelAtCheck - 1);
    EXPECT_EQ(checks, cancelAtCheck);
    for (const std::string& event : recorder.events) EXPECT_EQ(event, "progress");
}

INSTANTIATE_TEST_SUITE_P(Checks, CancelledIteration, ::testing::Values(1, 2, 11, 1000),
                         [](const auto& row) { return "Check" + std::to_string(row.param); });

}  // namespace
}  // namespace calorvia::simulation
