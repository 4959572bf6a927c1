#pragma once
// The words of every boundary value and type, in the order of the values
// (T, Phi, h, Tinf, eps, Tsur) and of the type numbers (temperature, flux,
// convection, radiation) that simulation/boundary_types.h describes. They
// live here, beside the texts, so that a new sentence rebuilds the files
// that show it and not the numerics.

#include <array>
#include <optional>

#include "texts/entry_texts.h"
#include "texts/run_texts.h"

namespace calorvia::texts {

struct SideWords {
    EntryText west;
    EntryText east;
};

struct BoundaryValueWords {
    SideWords label;       // the caption of its field in the boundary step
    SideWords unreadable;  // its text does not read as a number
    std::optional<EntryText> outOfRange;
    // After the first value of the type on the summary line ("   Tinf = {}");
    // the first value stands in the type's line.
    std::optional<EntryText> summaryPart;
    // Its line of the inspection copy: west, east, inner and outer face.
    std::array<RunText, 4> inspection;
};

struct BoundaryTypeWords {
    SideWords summaryLine;  // "In x = 0.0:  h = {}", with the first value
    SideWords incomplete;   // one of several values left blank
    RunText inspectionType;  // the annotation of its type line in the inspection copy
};

inline constexpr std::array<BoundaryValueWords, 6> kBoundaryValueWords{{
    {{EntryText::WestTLabel, EntryText::EastTLabel},
     {EntryText::WestTUnreadable, EntryText::EastTUnreadable},
     std::nullopt,
     std::nullopt,
     {RunText::InspectionWestTemperature, RunText::InspectionEastTemperature,
      RunText::InspectionInnerTemperature, RunText::InspectionOuterTemperature}},
    {{EntryText::WestPhiLabel, EntryText::EastPhiLabel},
     {EntryText::WestPhiUnreadable, EntryText::EastPhiUnreadable},
     std::nullopt,
     std::nullopt,
     {RunText::InspectionWestFlux, RunText::InspectionEastFlux, RunText::InspectionInnerFlux,
      RunText::InspectionOuterFlux}},
    {{EntryText::WestHLabel, EntryText::EastHLabel},
     {EntryText::WestHUnreadable, EntryText::EastHUnreadable},
     EntryText::ConvectiveCoefficientNotPositive,
     std::nullopt,
     {RunText::InspectionWestConvective, RunText::InspectionEastConvective,
      RunText::InspectionInnerConvective, RunText::InspectionOuterConvective}},
    {{EntryText::WestTinfLabel, EntryText::EastTinfLabel},
     {EntryText::WestTinfUnreadable, EntryText::EastTinfUnreadable},
     std::nullopt,
     EntryText::ConvectionTinfPart,
     {RunText::InspectionWestTinf, RunText::InspectionEastTinf, RunText::InspectionInnerTinf,
      RunText::InspectionOuterTinf}},
    {{EntryText::WestEpsLabel, EntryText::EastEpsLabel},
     {EntryText::WestEpsUnreadable, EntryText::EastEpsUnreadable},
     EntryText::EmissivityOutOfRange,
     std::nullopt,
     {RunText::InspectionWestEps, RunText::InspectionEastEps, RunText::InspectionInnerEps,
      RunText::InspectionOuterEps}},
    {{EntryText::WestTsurLabel, EntryText::EastTsurLabel},
     {EntryText::WestTsurUnreadable, EntryText::EastTsurUnreadable},
     EntryText::SurroundingsNotPositive,
     EntryText::RadiationTsurPart,
     {RunText::InspectionWestTsur, RunText::InspectionEastTsur, RunText::InspectionInnerTsur,
      RunText::InspectionOuterTsur}},
}};

// A type of one value is never incomplete: its `incomplete` is the step's
// blank message.
inline constexpr std::array<BoundaryTypeWords, 4> kBoundaryTypeWords{{
    {{EntryText::WestTemperatureLine, EntryText::EastTemperatureLine},
     {EntryText::WestBlank, EntryText::EastBlank},
     RunText::InspectionBoundaryType},
    {{EntryText::WestFluxLine, EntryText::EastFluxLine},
     {EntryText::WestBlank, EntryText::EastBlank},
     RunText::InspectionBoundaryType},
    {{EntryText::WestConvectionLine, EntryText::EastConvectionLine},
     {EntryText::WestConvectionIncomplete, EntryText::EastConvectionIncomplete},
     RunText::InspectionBoundaryType},
    {{EntryText::WestRadiationLine, EntryText::EastRadiationLine},
     {EntryText::WestRadiationIncomplete, EntryText::EastRadiationIncomplete},
     RunText::InspectionBoundaryTypeRadiation},
}};

}  // namespace calorvia::texts
