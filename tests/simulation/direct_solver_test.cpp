// The band TABLU/SOLU/SMRT against the dense N×N method they stand for.

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "dense_reference.h"
#include "simulation/direct_solver.h"
#include "simulation/discrete_system.h"
#include "support/case_names.h"

namespace calorvia::simulation {
namespace {

using reference::DenseSystem;

std::uint64_t bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

enum class Kind {
    DiagonallyDominant,  // |A(i,i)| > |A(i,i-1)| + |A(i,i+1)|
    General,             // entries of either sign, no dominance
    SmallIntegers,       // -2..2: exact cancellations give vanishing pivots
    TinyPivots,          // diagonal entries at and around the 1.0E-10 guard
    SignedZeros,         // many +0 and -0 entries in A and b
};

std::string kindName(Kind kind) {
    switch (kind) {
        case Kind::DiagonallyDominant:
            return "DiagonallyDominant";
        case Kind::General:
            return "General";
        case Kind::SmallIntegers:
            return "SmallIntegers";
        case Kind::TinyPivots:
            return "TinyPivots";
        case Kind::SignedZeros:
            return "SignedZeros";
    }
    return "?";
}

DiscreteSystem randomSystem(Kind kind, std::int32_t N, std::mt19937_64& random) {
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_real_distribution<double> rhs(-100.0, 100.0);
    std::uniform_int_distribution<int> small(-2, 2);
    std::uniform_int_distribution<int> pick(0, 99);
    constexpr std::array<double, 9> tiny{
        0.0, -0.0, 1.0E-10, -1.0E-10, 1.0E-12, -1.0E-12, 5.0E-11, 1.0000000000000002E-10, 2.0E-10};
    constexpr std::array<double, 8> zeroish{0.0, -0.0, 0.0, -0.0, 1.0, -1.0, 0.5, -3.0};

    DiscreteSystem s(N);
    for (std::int32_t i = 1; i <= N; ++i) {
        const auto k = static_cast<std::size_t>(i);
        double l = i > 1 ? unit(random) : 0.0;
        double u = i < N ? unit(random) : 0.0;
        double d = unit(random);
        double b = rhs(random);
        switch (kind) {
            case Kind::DiagonallyDominant:
                d = std::copysign(std::abs(l) + std::abs(u) + 0.1 + std::abs(d), d);
                break;
            case Kind::General:
                break;
            case Kind::SmallIntegers:
                l = i > 1 ? small(random) : 0.0;
                u = i < N ? small(random) : 0.0;
                d = small(random);
                b = small(random);
                break;
            case Kind::TinyPivots:
                if (pick(random) < 30)
                    d = tiny[static_cast<std::size_t>(pick(random)) % tiny.size()];
                if (pick(random) < 30 && i > 1) l = 0.0;
                break;
            case Kind::SignedZeros:
                l = i > 1 ? zeroish[static_cast<std::size_t>(pick(random)) % zeroish.size()] : 0.0;
                u = i < N ? zeroish[static_cast<std::size_t>(pick(random)) % zeroish.size()] : 0.0;
                d = zeroish[static_cast<std::size_t>(pick(random)) % zeroish.size()];
                b = zeroish[static_cast<std::size_t>(pick(random)) % zeroish.size()];
                break;
        }
        s.lower[k] = l;
        s.diagonal[k] = d;
        s.upper[k] = u;
        s.b[k] = b;
    }
    return s;
}

bool allFinite(DenseSystem& dense) {
    for (std::int32_t i = 1; i <= dense.N; ++i) {
        if (!std::isfinite(dense.b[static_cast<std::size_t>(i)])) return false;
        for (std::int32_t j = 1; j <= dense.N; ++j) {
            if (!std::isfinite(dense.A(i, j))) return false;
        }
    }
    return true;
}

// Pivots (stored reciprocals) and the solution bit for bit; the off-diagonal
// factors as values (their zeros may differ in sign: the dense loops subtract
// signed zeros from them); nothing left outside the band.
void expectSameAsDense(const DiscreteSystem& band, DenseSystem& dense, const std::string& label) {
    const std::int32_t N = band.N;
    for (std::int32_t i = 1; i <= N; ++i) {
        const auto k = static_cast<std::size_t>(i);
        ASSERT_EQ(bits(band.diagonal[k]), bits(dense.A(i, i))) << label << " pivot " << i;
        if (i > 1) {
            ASSERT_EQ(band.lower[k], dense.A(i, i - 1)) << label << " L " << i;
        }
        if (i < N) {
            ASSERT_EQ(band.upper[k], dense.A(i, i + 1)) << label << " U " << i;
        }
        ASSERT_EQ(bits(band.b[k]), bits(dense.b[k])) << label << " T(" << i << ")";
        for (std::int32_t j = 1; j <= N; ++j) {
            if (j < i - 1 || j > i + 1) {
                ASSERT_EQ(dense.A(i, j), 0.0) << label << " fill-in at " << i << "," << j;
            }
        }
    }
}

struct RandomRow {
    Kind kind;
    std::int32_t firstN;
    std::int32_t lastN;
    std::int32_t stepN;
    std::int32_t seedsPerN;
};

void PrintTo(const RandomRow& row, std::ostream* os) {
    *os << kindName(row.kind) << " N=" << row.firstN << ".." << row.lastN;
}

class BandAgainstDense : public ::testing::TestWithParam<RandomRow> {};

TEST_P(BandAgainstDense, FactorsAndTemperaturesAreBitForBitTheDenseOnes) {
    const RandomRow row = GetParam();
    std::mt19937_64 random(static_cast<std::uint64_t>(row.firstN) * 7919u +
                           static_cast<std::uint64_t>(row.kind) * 104729u);
    int compared = 0;
    int total = 0;
    int guarded = 0;
    for (std::int32_t N = row.firstN; N <= row.lastN; N += row.stepN) {
        for (std::int32_t seed = 0; seed < row.seedsPerN; ++seed) {
            DiscreteSystem band = randomSystem(row.kind, N, random);
            DenseSystem dense(N);
            dense.writeBand(band);

            bool bandWarned = false;
            bool denseWarned = false;
            int bandMessages = 0;
            int denseMessages = 0;
            ASSERT_EQ(TABLU(band, bandWarned, {{}, [&] { ++bandMessages; }}),
                      FactorisationOutcome::Factorised);
            reference::TABLU(dense, denseWarned, {{}, [&] { ++denseMessages; }});
            SOLU(band);
            reference::SOLU(dense);

            ++total;
            EXPECT_EQ(bandWarned, denseWarned);
            EXPECT_EQ(bandMessages, denseMessages);
            EXPECT_LE(bandMessages, 1);
            guarded += bandMessages;
            if (!allFinite(dense)) continue;
            ++compared;
            expectSameAsDense(
                band, dense,
                kindName(row.kind) + " N=" + std::to_string(N) + " seed " + std::to_string(seed));
            if (HasFatalFailure()) return;
        }
    }
    // The comparison must have been made on most systems, not skipped.
    EXPECT_GE(compared * 10, total * 9) << compared << " of " << total << " compared";
    if (row.kind == Kind::SmallIntegers || row.kind == Kind::TinyPivots) {
        EXPECT_GT(guarded, 0) << "no vanishing pivot was exercised";
    }
}

INSTANTIATE_TEST_SUITE_P(
    ManySizes, BandAgainstDense,
    ::testing::Values(
        RandomRow{Kind::DiagonallyDominant, 1, 60, 1, 3}, RandomRow{Kind::General, 1, 60, 1, 3},
        RandomRow{Kind::SmallIntegers, 1, 40, 1, 12}, RandomRow{Kind::TinyPivots, 1, 40, 1, 8},
        RandomRow{Kind::SignedZeros, 1, 30, 1, 12},
        RandomRow{Kind::DiagonallyDominant, 61, 461, 100, 1},
        RandomRow{Kind::General, 97, 397, 150, 1}, RandomRow{Kind::TinyPivots, 250, 250, 1, 1},
        RandomRow{Kind::SmallIntegers, 300, 300, 1, 1},
        RandomRow{Kind::SignedZeros, 640, 640, 1, 1}, RandomRow{Kind::General, 777, 999, 222, 1},
        RandomRow{Kind::DiagonallyDominant, 1000, 1000, 1, 1},
        RandomRow{Kind::General, 1000, 1000, 1, 1}, RandomRow{Kind::TinyPivots, 1000, 1000, 1, 1},
        RandomRow{Kind::SmallIntegers, 1000, 1000, 1, 1}),
    [](const ::testing::TestParamInfo<RandomRow>& row) {
        return kindName(row.param.kind) + "_N" + std::to_string(row.param.firstN) + "to" +
               std::to_string(row.param.lastN);
    });

// The dense storage keeps what one factorisation left outside the band (zeros
// of either sign) and only the band is rewritten by the next pass; the next
// pass still gives the band solver's temperatures.
TEST(BandAgainstDense, ASecondPassOnReusedDenseStorageGivesTheSameTemperatures) {
    std::mt19937_64 random(2024);
    int negativeZerosLeft = 0;
    for (std::int32_t N : {2, 3, 5, 8, 13, 40, 120}) {
        for (Kind kind : {Kind::General, Kind::SmallIntegers, Kind::SignedZeros}) {
            DenseSystem dense(N);
            bool denseWarned = false;
            bool bandWarned = false;
            DiscreteSystem first = randomSystem(kind, N, random);
            dense.writeBand(first);
            reference::TABLU(dense, denseWarned);
            reference::SOLU(dense);
            for (std::int32_t i = 1; i <= N; ++i) {
                for (std::int32_t j = i + 2; j <= N; ++j) {
                    if (dense.A(i, j) == 0.0 && std::signbit(dense.A(i, j))) ++negativeZerosLeft;
                }
            }
            DiscreteSystem second = randomSystem(kind, N, random);
            dense.writeBand(second);
            reference::TABLU(dense, denseWarned);
            reference::SOLU(dense);
            TABLU(second, bandWarned);
            SOLU(second);
            if (!allFinite(dense)) continue;
            for (std::int32_t i = 1; i <= N; ++i) {
                const auto k = static_cast<std::size_t>(i);
                ASSERT_EQ(bits(second.b[k]), bits(dense.b[k])) << "N=" << N << " T(" << i << ")";
            }
        }
    }
    EXPECT_GT(negativeZerosLeft, 0) << "the reused storage never held a -0";
}

// The row sums start from +0.0: a -0 product subtracted from a -0 right-hand
// side leaves -0 (the dense result), where a bare subtraction would give +0.
TEST(BandSubstitution, KeepsTheSignOfAZeroAsTheDenseRowSumDoes) {
    // A = [1 -1; 0 1], b = (-0, +0): x(2) = +0, x(1) = -0 - (0.0 + (-1)(+0)) = -0.
    DiscreteSystem band(2);
    band.diagonal = {0.0, 1.0, 1.0};
    band.upper = {0.0, -1.0, 0.0};
    band.lower = {0.0, 0.0, 0.0};
    band.b = {0.0, -0.0, 0.0};
    DenseSystem dense(2);
    dense.writeBand(band);
    bool warned = false;
    TABLU(band, warned);
    SOLU(band);
    reference::TABLU(dense, warned);
    reference::SOLU(dense);
    EXPECT_TRUE(std::signbit(band.b[1]));
    EXPECT_EQ(bits(band.b[1]), bits(dense.b[1]));
    EXPECT_EQ(bits(band.b[2]), bits(dense.b[2]));
}

struct PivotRow {
    double pivot;
    bool replaced;
};

void PrintTo(const PivotRow& row, std::ostream* os) {
    *os << "pivot " << row.pivot;
}

class PivotGuard : public ::testing::TestWithParam<PivotRow> {};

TEST_P(PivotGuard, AVanishingPivotBecomesPlusTenToTheMinusTen) {
    const PivotRow row = GetParam();
    DiscreteSystem s(1);
    s.diagonal[1] = row.pivot;
    s.b[1] = 1.0;
    bool warned = false;
    int messages = 0;
    TABLU(s, warned, {{}, [&] { ++messages; }});
    SOLU(s);
    const double pivotUsed = row.replaced ? 1.0E-10 : row.pivot;
    EXPECT_EQ(bits(s.diagonal[1]), bits(1.0 / pivotUsed));
    EXPECT_EQ(bits(s.b[1]), bits(1.0 / pivotUsed));
    EXPECT_EQ(messages, row.replaced ? 1 : 0);
    EXPECT_EQ(warned, row.replaced);
}

INSTANTIATE_TEST_SUITE_P(Values, PivotGuard,
                         ::testing::Values(PivotRow{1.0E-10, true}, PivotRow{-1.0E-12, true},
                                           PivotRow{0.0, true}, PivotRow{-0.0, true},
                                           PivotRow{-1.0E-10, true}, PivotRow{1.0E-300, true},
                                           PivotRow{std::nextafter(1.0E-10, 1.0), false},
                                           PivotRow{-std::nextafter(1.0E-10, 1.0), false},
                                           PivotRow{2.0, false}, PivotRow{-0.5, false}),
                         [](const auto& row) {
                             return "pivot_" + calorvia::testing::numberName(row.param.pivot);
                         });

TEST(PivotGuard, TwoVanishingPivotsInOneRunGiveOneMessageAndAreBothReplaced) {
    // diag(0, 1, 0): pivots 1 and 3 vanish.
    DiscreteSystem s(3);
    s.diagonal = {0.0, 0.0, 1.0, -0.0};
    s.b = {0.0, 1.0, 1.0, 1.0};
    bool warned = false;
    int messages = 0;
    TABLU(s, warned, {{}, [&] { ++messages; }});
    EXPECT_EQ(messages, 1);
    EXPECT_EQ(s.diagonal[1], 1.0 / 1.0E-10);
    EXPECT_EQ(s.diagonal[3], 1.0 / 1.0E-10);

    // The flag belongs to the run: a later pass of the same run says nothing.
    DiscreteSystem later(2);
    later.diagonal = {0.0, 0.0, 0.0};
    TABLU(later, warned, {{}, [&] { ++messages; }});
    EXPECT_EQ(messages, 1);
    EXPECT_EQ(later.diagonal[2], 1.0 / 1.0E-10);
}

TEST(PivotGuard, APivotThatVanishesByEliminationIsCaughtToo) {
    // [1 1; 1 1]: the second pivot is 1 - 1·1 = 0.
    DiscreteSystem s(2);
    s.diagonal = {0.0, 1.0, 1.0};
    s.upper = {0.0, 1.0, 0.0};
    s.lower = {0.0, 0.0, 1.0};
    bool warned = false;
    TABLU(s, warned);
    EXPECT_TRUE(warned);
    EXPECT_EQ(s.diagonal[2], 1.0 / 1.0E-10);
}

class CancelledFactorisation : public ::testing::TestWithParam<std::int32_t> {};

// The request is looked at once per pivot step, after the guard and before the
// reciprocal; the partial factors are those of the dense method.
TEST_P(CancelledFactorisation, StopsAtTheRequestedPivotStepLikeTheDenseMethod) {
    const std::int32_t stopAt = GetParam();
    constexpr std::int32_t N = 12;
    std::mt19937_64 random(77);
    DiscreteSystem band = randomSystem(Kind::TinyPivots, N, random);
    band.diagonal[static_cast<std::size_t>(stopAt)] = 0.0;
    band.lower[static_cast<std::size_t>(stopAt)] = 0.0;  // so that it stays 0
    DenseSystem dense(N);
    dense.writeBand(band);
    const std::vector<double> rhs = band.b;

    int bandChecks = 0;
    int denseChecks = 0;
    bool bandWarned = false;
    bool denseWarned = false;
    EXPECT_EQ(TABLU(band, bandWarned, {[&] { return ++bandChecks == stopAt; }, {}}),
              FactorisationOutcome::Cancelled);
    reference::TABLU(dense, denseWarned, {[&] { return ++denseChecks == stopAt; }, {}});
    EXPECT_EQ(bandChecks, stopAt);
    EXPECT_EQ(bandChecks, denseChecks);
    EXPECT_TRUE(bandWarned);
    // The pivot of the cancelled step was guarded but not yet inverted.
    EXPECT_EQ(band.diagonal[static_cast<std::size_t>(stopAt)], 1.0E-10);
    // Pivots done so far bit for bit; the diagonal still to come as values (the
    // dense loops have subtracted signed zeros from it).
    for (std::int32_t i = 1; i <= N; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (i <= stopAt) {
            EXPECT_EQ(bits(band.diagonal[k]), bits(dense.A(i, i))) << i;
        } else {
            EXPECT_EQ(band.diagonal[k], dense.A(i, i)) << i;
        }
        if (i < N) {
            EXPECT_EQ(band.upper[k], dense.A(i, i + 1)) << i;
        }
    }
    EXPECT_EQ(band.b, rhs);
}

INSTANTIATE_TEST_SUITE_P(Steps, CancelledFactorisation, ::testing::Values(1, 2, 7, 12),
                         [](const auto& row) { return "Step" + std::to_string(row.param); });

// A run's passes, some assembling the matrix of the pass before (with a new
// right-hand side), some a changed one: the method that keeps its factors
// gives every solution, warning and cancel exactly as TABLU and SOLU afresh
// do, and refactorises whenever one bit of a diagonal differs.
TEST(DirectMethod, ReusedFactorsGiveWhatTABLUGivesBitForBit) {
    std::mt19937_64 random(2024);
    constexpr std::int32_t N = 40;
    DirectMethod method;
    DiscreteSystem assembled = randomSystem(Kind::TinyPivots, N, random);
    bool keptWarned = false;
    bool freshWarned = false;
    int keptMessages = 0;
    int freshMessages = 0;
    int reuses = 0;
    for (int pass = 0; pass < 60; ++pass) {
        if (pass % 4 == 3) {
            assembled = randomSystem(pass % 8 == 3 ? Kind::TinyPivots : Kind::General, N, random);
        } else if (pass % 4 == 2) {
            // One bit of one entry changes: a different matrix.
            const auto k = static_cast<std::size_t>(1 + pass % N);
            assembled.upper[k] = std::nextafter(assembled.upper[k], 1.0e300);
        }
        std::uniform_real_distribution<double> value(-5.0, 5.0);
        for (std::int32_t i = 1; i <= N; ++i)
            assembled.b[static_cast<std::size_t>(i)] = value(random);

        DiscreteSystem kept = assembled;
        DiscreteSystem fresh = assembled;
        ASSERT_EQ(method.solve(kept, keptWarned, {{}, [&] { ++keptMessages; }}),
                  FactorisationOutcome::Factorised);
        reuses += method.reusedFactors() ? 1 : 0;
        // Passes 4k and 4k+1 assemble the matrix of the pass before.
        const bool sameMatrix = pass % 4 == 1 || (pass % 4 == 0 && pass > 0);
        EXPECT_EQ(method.reusedFactors(), sameMatrix) << "pass " << pass;
        ASSERT_EQ(TABLU(fresh, freshWarned, {{}, [&] { ++freshMessages; }}),
                  FactorisationOutcome::Factorised);
        SOLU(fresh);
        for (std::int32_t i = 1; i <= N; ++i) {
            const auto k = static_cast<std::size_t>(i);
            ASSERT_EQ(bits(kept.b[k]), bits(fresh.b[k])) << "pass " << pass << " node " << i;
        }
        EXPECT_EQ(keptWarned, freshWarned);
        // Each step of a run with reused factors: the same pass repeated.
        if (pass % 4 == 0) {
            DiscreteSystem again = assembled;
            ASSERT_EQ(method.solve(again, keptWarned), FactorisationOutcome::Factorised);
            EXPECT_TRUE(method.reusedFactors());
        }
    }
    EXPECT_EQ(keptMessages, freshMessages);
    EXPECT_GT(reuses, 10);
}

// A cancel request is seen on a reused matrix too, and the next pass does
// not take factors that were never completed.
TEST(DirectMethod, SeesACancelAndNeverReusesAnUnfinishedFactorisation) {
    std::mt19937_64 random(9);
    const DiscreteSystem assembled = randomSystem(Kind::General, 12, random);
    DirectMethod method;
    bool warned = false;
    DiscreteSystem first = assembled;
    ASSERT_EQ(method.solve(first, warned), FactorisationOutcome::Factorised);
    DiscreteSystem second = assembled;
    EXPECT_EQ(method.solve(second, warned, {[] { return true; }, {}}),
              FactorisationOutcome::Cancelled);
    EXPECT_TRUE(method.reusedFactors());

    DirectMethod interrupted;
    DiscreteSystem partly = assembled;
    int checks = 0;
    ASSERT_EQ(interrupted.solve(partly, warned, {[&] { return ++checks == 5; }, {}}),
              FactorisationOutcome::Cancelled);
    DiscreteSystem next = assembled;
    ASSERT_EQ(interrupted.solve(next, warned), FactorisationOutcome::Factorised);
    EXPECT_FALSE(interrupted.reusedFactors());
}

TEST(DirectSolverLimits, MoreThanAThousandVolumesAreLeftUntouched) {
    DiscreteSystem s(1001);
    for (double& d : s.diagonal) d = 2.0;
    for (double& v : s.b) v = 3.0;
    const DiscreteSystem before = s;
    bool warned = false;
    int checks = 0;
    EXPECT_EQ(TABLU(s, warned, {[&] { return ++checks < 0; }, {}}), FactorisationOutcome::TooLarge);
    SOLU(s);
    EXPECT_EQ(checks, 0);
    EXPECT_EQ(s.diagonal, before.diagonal);
    EXPECT_EQ(s.b, before.b);

    DiscreteSystem largest(1000);
    for (double& d : largest.diagonal) d = 2.0;
    EXPECT_EQ(TABLU(largest, warned), FactorisationOutcome::Factorised);
}

TEST(SMRT, EqualsTheDenseRowSumOverAnyRange) {
    std::mt19937_64 random(5);
    for (Kind kind : {Kind::General, Kind::SignedZeros}) {
        constexpr std::int32_t N = 9;
        const DiscreteSystem band = randomSystem(kind, N, random);
        DenseSystem dense(N);
        dense.writeBand(band);
        for (std::int32_t row = 1; row <= N; ++row) {
            for (std::int32_t first = 1; first <= N + 1; ++first) {
                for (std::int32_t last = first - 1; last <= N; ++last) {
                    EXPECT_EQ(bits(SMRT(band, first, last, row)),
                              bits(reference::SMRT(dense, first, last, row)))
                        << "row " << row << " range " << first << ".." << last;
                }
            }
        }
    }
    const DiscreteSystem empty(4);
    EXPECT_EQ(bits(SMRT(empty, 3, 2, 1)), bits(0.0));
}

}  // namespace
}  // namespace calorvia::simulation
