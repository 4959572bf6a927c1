#include "entry/boundary_steps.h"

#include <optional>
#include <string>

#include "interpreter/text_preparation.h"
#include "platform/dialog_templates.h"
#include "text/fixed_text.h"
#include "text/number_reader.h"

namespace calorvia::entry {
namespace {

namespace b = platform::boundary_step;
using platform::DialogHandle;
using platform::Platform;
using texts::Text;

bool blankControl(Platform& platform, DialogHandle dialog, int control) {
    return isBlankEntry(platform.controlText(dialog, control));
}

void enable(Platform& platform, DialogHandle dialog, std::initializer_list<int> controls,
            bool enabled) {
    for (const int control : controls) platform.setControlEnabled(dialog, control, enabled);
}

void temperatureChanged(Platform& platform, DialogHandle dialog) {
    enable(platform, dialog, {b::kPhiEdit, b::kHEdit, b::kTinfEdit},
           blankControl(platform, dialog, b::kTEdit));
}

void fluxChanged(Platform& platform, DialogHandle dialog) {
    enable(platform, dialog, {b::kTEdit, b::kHEdit, b::kTinfEdit},
           blankControl(platform, dialog, b::kPhiEdit));
}

void convectionChanged(Platform& platform, DialogHandle dialog) {
    const bool bothBlank =
        blankControl(platform, dialog, b::kHEdit) && blankControl(platform, dialog, b::kTinfEdit);
    enable(platform, dialog, {b::kTEdit, b::kPhiEdit}, bothBlank);
}

struct SideTexts {
    int templateNumber;
    Text tLabel, phiLabel, hLabel, tinfLabel;
    Text blank, tUnreadable, phiUnreadable, convectionIncomplete, hUnreadable, tinfUnreadable;
};

const SideTexts& textsOf(BoundarySide side) {
    static const SideTexts west{
        b::kWestTemplate,      Text::WestTLabel,        Text::WestPhiLabel,
        Text::WestHLabel,      Text::WestTinfLabel,     Text::WestBlank,
        Text::WestTUnreadable, Text::WestPhiUnreadable, Text::WestConvectionIncomplete,
        Text::WestHUnreadable, Text::WestTinfUnreadable};
    static const SideTexts east{
        b::kEastTemplate,      Text::EastTLabel,        Text::EastPhiLabel,
        Text::EastHLabel,      Text::EastTinfLabel,     Text::EastBlank,
        Text::EastTUnreadable, Text::EastPhiUnreadable, Text::EastConvectionIncomplete,
        Text::EastHUnreadable, Text::EastTinfUnreadable};
    return side == BoundarySide::West ? west : east;
}

// Without step 2 (steady, no velocity) the boundaries are steps 2 and 3,
// otherwise 3 and 4.
struct StepCaptions {
    Text title, forward, back;
};

StepCaptions captionsOf(BoundarySide side, bool transientStep) {
    if (side == BoundarySide::West) {
        return transientStep ? StepCaptions{Text::WestStep3Title, Text::WizardForwardStep4,
                                            Text::WizardBackStep2}
                             : StepCaptions{Text::WestStep2Title, Text::WizardForwardStep3,
                                            Text::WizardBackStep1};
    }
    return transientStep
               ? StepCaptions{Text::EastStep4Title, Text::WizardOkButton, Text::WizardBackStep3}
               : StepCaptions{Text::EastStep3Title, Text::WizardOkButton, Text::WizardBackStep2};
}

// A boundary text prepared in place (decimal comma to point) and read.
std::optional<double> prepareAndRead(std::string& text) {
    interpreter::CONVERT(text);
    return text::readReal(text);
}

// Validates the boundary's texts in the order temperature, flux, convection;
// on success stores its type and values. The message of the first failure,
// or nothing.
std::optional<Text> validate(BoundaryEntry& boundary, const SideTexts& texts) {
    const bool tBlank = isBlankEntry(boundary.T);
    const bool phiBlank = isBlankEntry(boundary.Phi);
    const bool hBlank = isBlankEntry(boundary.h);
    const bool tinfBlank = isBlankEntry(boundary.Tinf);
    if (tBlank && phiBlank && hBlank && tinfBlank) return texts.blank;
    if (!tBlank) {
        const auto T = prepareAndRead(boundary.T);
        if (!T) return texts.tUnreadable;
        boundary.type = simulation::BoundaryType::Temperature;
        boundary.TValue = *T;
        return std::nullopt;
    }
    if (!phiBlank) {
        const auto Phi = prepareAndRead(boundary.Phi);
        if (!Phi) return texts.phiUnreadable;
        boundary.type = simulation::BoundaryType::Flux;
        boundary.PhiValue = *Phi;
        return std::nullopt;
    }
    if (hBlank || tinfBlank) return texts.convectionIncomplete;
    const auto h = prepareAndRead(boundary.h);
    if (!h) return texts.hUnreadable;
    if (!(*h > 0.0)) return Text::ConvectiveCoefficientNotPositive;
    const auto Tinf = prepareAndRead(boundary.Tinf);
    if (!Tinf) return texts.tinfUnreadable;
    boundary.type = simulation::BoundaryType::Convection;
    boundary.hValue = *h;
    boundary.TinfValue = *Tinf;
    return std::nullopt;
}

std::string readBack(Platform& platform, DialogHandle dialog, int control) {
    return text::cutToWidth(platform.controlText(dialog, control), NumberEntryWidth);
}

// One showing of the dialog; the button that closed it.
int showDialog(WizardContext& context, BoundarySide side, BoundaryEntry& boundary,
               bool transientStep) {
    Platform& platform = context.platform;
    const SideTexts& texts = textsOf(side);
    const StepCaptions captions = captionsOf(side, transientStep);
    const DialogHandle dialog = platform.createDialog(texts.templateNumber);
    auto caption = [&](int control, Text id) {
        platform.setControlText(dialog, control, context.text(id));
    };
    caption(b::kStepTitle, captions.title);
    caption(b::kTemperatureGroup, Text::BoundaryTemperatureGroup);
    caption(b::kFluxGroup, Text::BoundaryFluxGroup);
    caption(b::kConvectionGroup, Text::BoundaryConvectionGroup);
    caption(b::kTLabel, texts.tLabel);
    caption(b::kPhiLabel, texts.phiLabel);
    caption(b::kHLabel, texts.hLabel);
    caption(b::kTinfLabel, texts.tinfLabel);
    caption(b::kFluxSignHint, Text::FluxSignHint);
    caption(platform::kButtonForward, captions.forward);
    caption(platform::kButtonCancel, Text::CancelButton);
    caption(platform::kButtonBack, captions.back);

    platform.setControlText(dialog, b::kTEdit, shownText(boundary.T));
    platform.setControlText(dialog, b::kPhiEdit, shownText(boundary.Phi));
    platform.setControlText(dialog, b::kHEdit, shownText(boundary.h));
    platform.setControlText(dialog, b::kTinfEdit, shownText(boundary.Tinf));
    // The stored texts decide which groups are open, by the same precedence
    // as the validation.
    if (!isBlankEntry(boundary.T)) {
        enable(platform, dialog, {b::kPhiEdit, b::kHEdit, b::kTinfEdit}, false);
    } else if (!isBlankEntry(boundary.Phi)) {
        enable(platform, dialog, {b::kTEdit, b::kHEdit, b::kTinfEdit}, false);
    } else if (!isBlankEntry(boundary.h) || !isBlankEntry(boundary.Tinf)) {
        enable(platform, dialog, {b::kTEdit, b::kPhiEdit}, false);
    }

    const bool west = side == BoundarySide::West;
    auto attach = [&](int control, void (*routine)(Platform&, DialogHandle)) {
        platform.setControlRoutine(dialog, control,
                                   [&platform, dialog, routine] { routine(platform, dialog); });
    };
    attach(b::kTEdit, west ? CC1_TEMP : CC2_TEMP);
    attach(b::kPhiEdit, west ? CC1_FLUX : CC2_FLUX);
    attach(b::kHEdit, west ? CC1_CONV_A : CC2_CONV_A);
    attach(b::kTinfEdit, west ? CC1_CONV_B : CC2_CONV_B);

    const int result = platform.runDialog(dialog);
    if (result != platform::kButtonCancel) {
        boundary.T = readBack(platform, dialog, b::kTEdit);
        boundary.Phi = readBack(platform, dialog, b::kPhiEdit);
        boundary.h = readBack(platform, dialog, b::kHEdit);
        boundary.Tinf = readBack(platform, dialog, b::kTinfEdit);
    }
    platform.releaseDialog(dialog);
    return result;
}

}  // namespace

void CC1_TEMP(Platform& platform, DialogHandle dialog) {
    temperatureChanged(platform, dialog);
}
void CC1_FLUX(Platform& platform, DialogHandle dialog) {
    fluxChanged(platform, dialog);
}
void CC1_CONV_A(Platform& platform, DialogHandle dialog) {
    convectionChanged(platform, dialog);
}
void CC1_CONV_B(Platform& platform, DialogHandle dialog) {
    convectionChanged(platform, dialog);
}
void CC2_TEMP(Platform& platform, DialogHandle dialog) {
    temperatureChanged(platform, dialog);
}
void CC2_FLUX(Platform& platform, DialogHandle dialog) {
    fluxChanged(platform, dialog);
}
void CC2_CONV_A(Platform& platform, DialogHandle dialog) {
    convectionChanged(platform, dialog);
}
void CC2_CONV_B(Platform& platform, DialogHandle dialog) {
    convectionChanged(platform, dialog);
}

StepResult runBoundaryStep(WizardContext& context, BoundarySide side, CaseEntry& entry) {
    BoundaryEntry& boundary = side == BoundarySide::West ? entry.west : entry.east;
    const bool transientStep = entry.hasTransientData();
    const SummaryRegion quarter =
        side == BoundarySide::West ? SummaryRegion::LowerLeft : SummaryRegion::LowerRight;
    while (true) {
        context.panel.clearRegion(quarter);
        const BoundaryEntry before = boundary;
        const int result = showDialog(context, side, boundary, transientStep);
        if (result == platform::kButtonBack) return StepResult::Back;
        if (result != platform::kButtonForward) {
            boundary = before;
            return StepResult::Cancel;
        }
        if (const auto failure = validate(boundary, textsOf(side))) {
            context.tell(*failure);
            continue;
        }
        if (side == BoundarySide::West) {
            context.panel.drawWest(boundary);
        } else {
            context.panel.drawEast(boundary);
        }
        return StepResult::Forward;
    }
}

}  // namespace calorvia::entry
