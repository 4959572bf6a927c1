#include "entry/boundary_steps.h"

#include <string>
#include <vector>

#include "platform/dialog_bindings.h"
#include "platform/dialog_templates.h"
#include "texts/entry_texts.h"

namespace calorvia::entry {
namespace {

namespace b = platform::boundary_step;
using platform::DialogHandle;
using platform::Platform;
using texts::EntryText;

constexpr platform::Field<BoundaryEntry> kBoundaryStepFields[]{
    {b::kTEdit, &BoundaryEntry::T, NumberEntryWidth},
    {b::kPhiEdit, &BoundaryEntry::Phi, NumberEntryWidth},
    {b::kHEdit, &BoundaryEntry::h, NumberEntryWidth},
    {b::kTinfEdit, &BoundaryEntry::Tinf, NumberEntryWidth},
};

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

// The templates number the boundaries steps 3 and 4. Without step 2 (steady,
// no velocity) each comes one step earlier, and so does the east step of a
// solid body, which has no west step (its west is the centre).
std::vector<platform::Caption> renumbered(BoundarySide side, const CaseEntry& entry) {
    const int earlier = (entry.hasTransientData() ? 0 : 1) + (entry.westIsCentre() ? 1 : 0);
    if (side == BoundarySide::West) {
        if (earlier == 0) return {};
        return {{b::kStepTitle, EntryText::WestStep2Title},
                {platform::kButtonForward, EntryText::WizardForwardStep3},
                {platform::kButtonBack, EntryText::WizardBackStep1}};
    }
    switch (earlier) {
        case 0:
            return {};
        case 1:
            return {{b::kStepTitle, EntryText::EastStep3Title},
                    {platform::kButtonForward, EntryText::OkButton},
                    {platform::kButtonBack, EntryText::WizardBackStep2}};
        default:
            return {{b::kStepTitle, EntryText::EastStep2Title},
                    {platform::kButtonForward, EntryText::OkButton},
                    {platform::kButtonBack, EntryText::WizardBackStep1}};
    }
}

// One showing of the dialog; the button that closed it.
int showDialog(WizardContext& context, BoundarySide side, BoundaryEntry& boundary,
               const std::vector<platform::Caption>& captions) {
    Platform& platform = context.platform;
    const bool west = side == BoundarySide::West;
    const DialogHandle dialog = platform::createDialogIn(
        platform, west ? b::kWestTemplate : b::kEastTemplate, context.language, captions);
    platform::load(platform, dialog, boundary, kBoundaryStepFields);
    // The stored texts decide which groups are open, by the same precedence
    // as the validation.
    if (!isBlankEntry(boundary.T)) {
        enable(platform, dialog, {b::kPhiEdit, b::kHEdit, b::kTinfEdit}, false);
    } else if (!isBlankEntry(boundary.Phi)) {
        enable(platform, dialog, {b::kTEdit, b::kHEdit, b::kTinfEdit}, false);
    } else if (!isBlankEntry(boundary.h) || !isBlankEntry(boundary.Tinf)) {
        enable(platform, dialog, {b::kTEdit, b::kPhiEdit}, false);
    }

    auto attach = [&](int control, void (*routine)(Platform&, DialogHandle)) {
        platform.setControlRoutine(dialog, control,
                                   [&platform, dialog, routine] { routine(platform, dialog); });
    };
    attach(b::kTEdit, west ? CC1_TEMP : CC2_TEMP);
    attach(b::kPhiEdit, west ? CC1_FLUX : CC2_FLUX);
    attach(b::kHEdit, west ? CC1_CONV_A : CC2_CONV_A);
    attach(b::kTinfEdit, west ? CC1_CONV_B : CC2_CONV_B);

    const int result = platform.runDialog(dialog);
    if (result != platform::kButtonCancel)
        platform::save(platform, dialog, boundary, kBoundaryStepFields);
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

void giveBackUntouched(BoundaryEntry& boundary) {
    platform::giveBackUntouched(boundary, kBoundaryStepFields);
}

StepResult runBoundaryStep(WizardContext& context, BoundarySide side, CaseEntry& entry) {
    BoundaryEntry& boundary = side == BoundarySide::West ? entry.west : entry.east;
    const std::vector<platform::Caption> captions = renumbered(side, entry);
    const SummaryRegion quarter =
        side == BoundarySide::West ? SummaryRegion::LowerLeft : SummaryRegion::LowerRight;
    while (true) {
        context.panel.clearRegion(quarter);
        const BoundaryEntry before = boundary;
        const int result = showDialog(context, side, boundary, captions);
        if (result == platform::kButtonBack) return StepResult::Back;
        if (result != platform::kButtonForward) {
            boundary = before;
            return StepResult::Cancel;
        }
        Checked<BoundaryEntry> checked = checkBoundaryStep(std::move(boundary), side);
        boundary = std::move(checked.entry);
        if (checked.refusal) {
            context.tell(*checked.refusal);
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
