#pragma once
// The direct method ("Tab. LU"): LU factorisation without row exchanges,
// A = L·U, L lower triangular with its diagonal stored as reciprocals, U unit
// upper triangular, followed by forward and back substitution.
//
// The method is defined on the dense N×N matrix. For a tridiagonal matrix
// every product it forms outside the band is a zero, and adding or
// subtracting a zero changes at most the sign of a zero; so the band entries,
// the pivots and the solution come out of the three-diagonal loops below
// bit for bit as from the dense loops, as long as every value stays finite
// (the dense loops turn an infinity met outside the band into NaN: 0·inf).
// In detail, per pivot step k:
//     pivot guard   |A(k,k)| <= 1.0E-10  =>  A(k,k) = +1.0E-10
//     reciprocal    A(k,k) = 1/A(k,k)
//     scale row     A(k,k+1) = A(k,k+1)·A(k,k)
//     eliminate     A(k+1,k+1) = A(k+1,k+1) - A(k,k+1)·A(k+1,k)
// and the substitutions, whose dense row sums SMRT start from 0.0:
//     forward       b(1) = A(1,1)·b(1);
//                   b(i) = A(i,i)·(b(i) - (0.0 + A(i,i-1)·b(i-1))),  i = 2..N
//     backward      b(i) = b(i) - (0.0 + A(i,i+1)·b(i+1)),  i = N-1..1
// The "0.0 +" is the dense sum's starting value; it turns a product of -0
// into +0, which matters when b(i) is itself a zero.

#include <cstdint>
#include <functional>

#include "simulation/discrete_system.h"
#include "simulation/simulation_case.h"

namespace calorvia::simulation {

// The largest system the direct method takes.
inline constexpr std::int32_t DirectSolverMaxSize = MaxControlVolumes;

// A pivot of at most this magnitude is replaced by +PivotFloor.
inline constexpr double PivotFloor = 1.0E-10;

// Callbacks into the run: an empty function means "no request" / "no message".
struct DirectSolverHooks {
    std::function<bool()> cancelRequested;   // looked at every pivot step
    std::function<void()> zeroPivotWarning;  // shows the vanishing-pivot message
    std::function<void()> pivotReplaced{};   // told of every pivot replaced
};

enum class FactorisationOutcome {
    Factorised,
    Cancelled,  // the matrix is left partly factored
    TooLarge    // N > 1000: nothing done
};

// Factorises the band of `system` in place. `zeroPivotWarningGiven` is the
// run's flag: the warning is shown only while it is false, and sets it.
FactorisationOutcome TABLU(DiscreteSystem& system, bool& zeroPivotWarningGiven,
                           const DirectSolverHooks& hooks = {});

// Overwrites b(1..N) with the solution, using the factors left by TABLU.
// Does nothing for N > 1000, where TABLU does not factorise.
void SOLU(DiscreteSystem& system);

// The direct method as a run applies it, pass after pass: TABLU and SOLU,
// except when the system holds the same three diagonals, bit for bit, as the
// one it factorised last (a transient run with constant properties assembles
// the same matrix every step); SOLU's substitutions then run on the factors
// kept from that one. Either way b ends as the solution TABLU and SOLU give,
// with the same warning flag (the guard has already replaced that matrix's
// vanishing pivots and warned once) and a cancel request seen where TABLU
// looks first. The diagonals of `system` end as factors after a
// factorisation and untouched after a reuse: they are work space.
class DirectMethod {
public:
    FactorisationOutcome solve(DiscreteSystem& system, bool& zeroPivotWarningGiven,
                               const DirectSolverHooks& hooks = {});
    // Whether the last solve() reused kept factors.
    bool reusedFactors() const { return reused_; }

private:
    NodeArray lower_;  // the diagonals as assembled, before TABLU
    NodeArray diagonal_;
    NodeArray upper_;
    NodeArray factoredDiagonal_;  // and as TABLU left them
    NodeArray factoredUpper_;
    bool valid_ = false;
    bool reused_ = false;
};

// Sum over j = first..last of A(row, j)·b(j), accumulated from 0.0 in
// increasing j; 0.0 for an empty range. Entries outside the band count as
// zeros, which leave a finite sum unchanged.
double SMRT(const DiscreteSystem& system, std::int32_t first, std::int32_t last, std::int32_t row);

}  // namespace calorvia::simulation
