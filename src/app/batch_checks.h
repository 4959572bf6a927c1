#pragma once
// What calorvia-batch adds for checking a result and for scripts:
//  - --exact: the steady profile beside the exact solution of its case,
//    written to "Exact.txt" and summed up as the largest and RMS difference;
//  - --refine LEVELS: the case run at N, 3N, 9N ... (a factor 3 keeps every
//    centre of a coarse grid a centre of the fine one), with the error
//    against the exact solution per level, or, without one, the change of
//    the face temperatures and fluxes from level to level, and the observed
//    order of accuracy p = log(e_coarse / e_fine) / log 3;
//  - --json FILE: the case as run, the outcome, the files written, the energy
//    balance and every figure above as one JSON object.

#include <filesystem>
#include <optional>
#include <ostream>

#include "app/batch_run.h"
#include "run/exact_comparison.h"

namespace calorvia::batch {

// The comparison of a finished run with its exact solution, or why there is
// none (a reason sentence in the run's language).
struct ExactCheck {
    std::optional<run::ExactComparison> comparison;
    std::string refusal;
};
ExactCheck checkAgainstExact(const BatchRun& run);

// --exact after a finished run: writes "Exact.txt" (or its Portuguese twin)
// and prints the largest and RMS difference, or says on `messages` why
// there is no comparison. Returns the exit status: the run's, or 1 when the
// file could not be written.
int reportExact(const BatchRun& run, std::ostream& out, std::ostream& messages);

// --refine LEVELS. Returns the exit status (2 when a level would need more
// than 1000 volumes).
int refinementStudy(const BatchOptions& options, int levels, std::ostream& out,
                    std::ostream& messages);

// --json FILE: false when the file could not be written.
bool writeJsonSummary(const std::filesystem::path& file, const BatchOptions& options,
                      const BatchRun& run);

}  // namespace calorvia::batch
