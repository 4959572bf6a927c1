#include "entry/boundary_steps.h"

#include <algorithm>
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

using simulation::BoundaryValue;

// Every value's text, in its edit control.
const std::vector<platform::Field<BoundaryEntry>>& boundaryStepFields() {
    static const std::vector<platform::Field<BoundaryEntry>> fields = [] {
        std::vector<platform::Field<BoundaryEntry>> all;
        for (std::size_t i = 0; i < simulation::BoundaryValueCount; ++i) {
            const auto value = static_cast<BoundaryValue>(i);
            all.push_back(
                {valueControl(value), simulation::describe(value).typed, NumberEntryWidth});
        }
        return all;
    }();
    return fields;
}

// The edit controls of every type but `type`.
std::vector<int> otherTypesControls(simulation::BoundaryType type) {
    std::vector<int> controls;
    for (std::size_t i = 0; i < simulation::BoundaryValueCount; ++i) {
        const auto value = static_cast<BoundaryValue>(i);
        if (simulation::typeHolding(value) != type) controls.push_back(valueControl(value));
    }
    return controls;
}

void enable(Platform& platform, DialogHandle dialog, const std::vector<int>& controls,
            bool enabled) {
    for (const int control : controls) platform.setControlEnabled(dialog, control, enabled);
}

// Typing into a group disables the others; blanking it enables them again.
void groupChanged(Platform& platform, DialogHandle dialog, simulation::BoundaryType type) {
    const simulation::BoundaryTypeDescription* described = simulation::describe(type);
    const bool allBlank =
        std::all_of(described->values.begin(), described->values.end(), [&](BoundaryValue value) {
            return isBlankEntry(platform.controlText(dialog, valueControl(value)));
        });
    enable(platform, dialog, otherTypesControls(type), allBlank);
}

void temperatureChanged(Platform& platform, DialogHandle dialog) {
    groupChanged(platform, dialog, simulation::BoundaryType::Temperature);
}
void fluxChanged(Platform& platform, DialogHandle dialog) {
    groupChanged(platform, dialog, simulation::BoundaryType::Flux);
}
void convectionChanged(Platform& platform, DialogHandle dialog) {
    groupChanged(platform, dialog, simulation::BoundaryType::Convection);
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
    platform::load(platform, dialog, boundary, boundaryStepFields());
    // The stored texts decide which groups are open, by the same precedence
    // as the validation.
    if (const simulation::BoundaryTypeDescription* typed = typedBoundaryType(boundary)) {
        enable(platform, dialog, otherTypesControls(typed->type), false);
    }

    auto attach = [&](int control, void (*routine)(Platform&, DialogHandle)) {
        platform.setControlRoutine(dialog, control,
                                   [&platform, dialog, routine] { routine(platform, dialog); });
    };
    attach(b::kTEdit, west ? CC1_TEMP : CC2_TEMP);
    attach(b::kPhiEdit, west ? CC1_FLUX : CC2_FLUX);
    attach(b::kHEdit, west ? CC1_CONV_A : CC2_CONV_A);
    attach(b::kTinfEdit, west ? CC1_CONV_B : CC2_CONV_B);
    // The groups after the first three have no routine names of their own.
    for (std::size_t i = 0; i < simulation::BoundaryValueCount; ++i) {
        const auto value = static_cast<BoundaryValue>(i);
        const simulation::BoundaryType type = simulation::typeHolding(value);
        if (simulation::fileNumber(type) <=
            simulation::fileNumber(simulation::BoundaryType::Convection))
            continue;
        platform.setControlRoutine(dialog, valueControl(value), [&platform, dialog, type] {
            groupChanged(platform, dialog, type);
        });
    }

    const int result = platform.runDialog(dialog);
    if (result != platform::kButtonCancel)
        platform::save(platform, dialog, boundary, boundaryStepFields());
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
    platform::giveBackUntouched(boundary, boundaryStepFields());
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
