#pragma once
// Reading a saved case file back into the wizard's record, the way Open
// does it: a first pass takes the velocity from the last line, a second
// pass reads one value per line in the saved layout, whose transient block
// is present when the case is unsteady or that velocity is positive.
//
// Every reader of outside text is total: any bytes give a filled record or
// a failure, never a crash.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "entry/case_entry.h"

namespace calorvia::entry {

enum class SavedCaseFailure {
    None,
    Unopenable,  // the file cannot be read at all
    Malformed,   // it ends before its data are complete, or a whole number is not one
    // A property text (K, Sc, Sp, Ti, Rho, Cp) goes on past its field with
    // more than blanks: cut to the field, it could read as another formula.
    FormulaTooLong,
};

// A line of the file, numbered from 1.
struct SavedCaseLine {
    std::size_t number = 0;
    std::string text;
};

struct SavedCaseReading {
    SavedCaseFailure failure = SavedCaseFailure::None;
    CaseEntry entry;           // filled when failure is None
    std::string tooLongEntry;  // FormulaTooLong: the entry's name, as the wizard labels it
    // The line after the velocity of a case read as a plane wall, when its
    // first word is a word but no body keyword ("esfera 0", "cylnder 0"):
    // what follows the velocity is not read, so the student must hear that
    // the body is not the one the line may have meant.
    std::optional<SavedCaseLine> unknownBody;
    bool ok() const { return failure == SavedCaseFailure::None; }
};

// The record from the file's lines (without line ends). The texts the file
// holds as integers (N, Nst, No) are rebuilt from them, Steady is chosen for
// state 1 and Unsteady for any other, Gauss-Sidel for method 1. A missing
// velocity line gives the velocity text "0.0". A radial case's last line is
// its geometry line (simulation/geometry.h): it gives the geometry, the ri
// text and its value, the velocity is then on the line before it, and a geometry line
// without an inner radius of zero or more makes the file malformed.
SavedCaseReading readSavedCase(const std::vector<std::string>& lines);

SavedCaseReading readSavedCaseFile(const std::filesystem::path& path);

}  // namespace calorvia::entry
