#pragma once
// The scheme dialog (template 111): the user confirms or changes the
// convection scheme preselected from the cell Peclet number.
//
// The choice is returned as 1 (CDS) or 2 (Upwind), the numbering the run
// uses for its schemes, so the scheme-choice step can take this function as
// its dialog with a one-line adapter:
//
//     [&](float, ConvectionScheme preselected, std::string_view line) {
//         return static_cast<ConvectionScheme>(runSchemeDialog(
//             platform, language, static_cast<SchemeButton>(preselected), line));
//     }

#include <cstdint>
#include <string_view>

#include "platform/platform.h"

namespace calorvia::graphs {

enum class SchemeButton : std::int32_t { CDS = 1, Upwind = 2 };

// Shows the dialog titled "Calorvia" with the group caption in `language`
// (1 Portuguese, else English), `pecletLine` (Pe in F10.4 without trailing
// blanks, then "  <= Peclet") as its text line and `preselected` switched on;
// returns CDS when the CDS button is on when it closes, else Upwind.
SchemeButton runSchemeDialog(platform::Platform& platform, std::int32_t language,
                             SchemeButton preselected, std::string_view pecletLine);

}  // namespace calorvia::graphs
