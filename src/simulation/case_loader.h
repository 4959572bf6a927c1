#pragma once
// The first phase of every run: the working case file read into a
// SimulationCase, every property text normalised, classified, read or
// compiled, and the initial temperature of every volume.
//
// A radial case ends with its geometry line (geometry.h) after the velocity:
// it is recognised by its keyword on the last line that holds something, and
// the velocity is then read from the line before it. A geometry line without
// an inner radius of zero or more, or a radial case with a velocity other
// than 0, is a corrupted file. The initial temperature of a radial case is
// a formula of the radius, evaluated at ri plus each accumulated centre.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "interpreter/math_functions.h"
#include "simulation/simulation_case.h"

namespace calorvia::simulation {

enum class CaseLoadFailure {
    None,
    MissingCase,    // the working case file cannot be opened
    CorruptedFile,  // a read failed, a text is not a number, a formula fails, ...
    Cancelled,      // a cancel request seen while the initial field was computed
};

struct CaseLoadContext {
    // Looked at between volumes while a formula Ti is evaluated.
    std::function<bool()> cancelRequested;
    // Receives the numeric failures of the Ti formula.
    interpreter::MathErrorHook mathErrorHook;
};

struct CaseLoadResult {
    CaseLoadFailure failure = CaseLoadFailure::None;
    std::optional<LoadedCase> loaded;
    bool ok() const { return failure == CaseLoadFailure::None; }
};

// Reads the working case file at `path`.
CaseLoadResult loadCase(const std::filesystem::path& path, const CaseLoadContext& context = {});

// The same from the file's lines (without line ends).
CaseLoadResult loadCaseFromLines(const std::vector<std::string>& lines,
                                 const CaseLoadContext& context = {});

}  // namespace calorvia::simulation
