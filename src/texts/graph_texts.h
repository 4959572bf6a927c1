#pragma once
// the graphs' texts and the captions of the dialog templates alike in both languages.
// The rows, in both languages and in this order, are in text_catalogue.cpp.

#include "texts/text_catalogue.h"

namespace calorvia::texts {

enum class GraphText : std::uint16_t {
    // ---- graph pane and time graphs
    ScaleGroupCaption,
    ScaleReadingError,
    ScaleRangeError,
    TimeGraphGroup,
    TimeGraphNodeOption,
    TimeGraphAverageOption,
    TimeGraphExperimentalCheck,
    ExperimentalHelpLine1,
    ExperimentalHelpLine2,
    ExperimentalHelpLine3,
    UnsteadyNodeTitle,
    UnsteadyAverageTitle,
    StandardDeviation,

    // ---- dialog templates: window titles and captions alike in both languages
    GeneralStepWindowTitle,
    TransientStepWindowTitle,
    WestBoundaryWindowTitle,
    EastBoundaryWindowTitle,
    ToleranceWindowTitle,
    ScaleWindowTitle,
    TimeGraphWindowTitle,
    PortugueseOption,
    EnglishOption,
    ToleranceLabel,
    CdsOption,
    UpwindOption,
    TminLabel,
    TmaxLabel,
    BlankHelpLine,

    Count  // not a text: the number of texts
};

}  // namespace calorvia::texts
