#pragma once
// The names of the result files. Every file exists under a Portuguese and an
// English name; a run writes the set of the current language, the Results
// menu opens that set, and a language change renames the files from one set
// to the other.

#include <array>
#include <string_view>

#include "texts/text_catalogue.h"

namespace calorvia::texts {

enum class ResultFile {
    Data,          // case inspection copy
    Flux,          // flux per control volume
    FluxPosition,  // flux against position
    Unsteady,      // node history
    Average,       // average history
    West,          // west boundary history
    East,          // east boundary history
    Steady,        // steady profile
    Exact,         // the steady profile beside the exact solution
    Balance,       // the energy balance of the run
};

// The files every run leaves, in the order of the renaming table of a
// language change, which is also the order the end of a run opens them in.
inline constexpr std::array kRunFiles{
    ResultFile::Data,    ResultFile::Flux, ResultFile::FluxPosition, ResultFile::Unsteady,
    ResultFile::Average, ResultFile::West, ResultFile::East,         ResultFile::Steady,
};

// Every result file: those, then the files of checking a result. Start-up
// and Exit delete them all, a language change renames them all, Save Results
// As copies them all.
inline constexpr std::array kResultFiles{
    ResultFile::Data,    ResultFile::Flux, ResultFile::FluxPosition, ResultFile::Unsteady,
    ResultFile::Average, ResultFile::West, ResultFile::East,         ResultFile::Steady,
    ResultFile::Exact,   ResultFile::Balance,
};

std::string_view resultFileName(ResultFile file, Language language);

}  // namespace calorvia::texts
