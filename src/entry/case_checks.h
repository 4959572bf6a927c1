#pragma once
// The case entry wizard's checks as functions of the record alone: the
// blank, unreadable and out-of-range entries of each step and the checks
// between its fields. The wizard shows what they find; calorvia-batch runs
// them on a record it never shows. Neither a platform nor a dialog is needed.

#include <optional>
#include <string>

#include "entry/case_entry.h"
#include "texts/common_texts.h"
#include "texts/text_catalogue.h"

namespace calorvia::entry {

enum class BoundarySide { West, East };

// The wizard's steps, in the order it shows them.
enum class WizardStep { General, Transient, West, East };

// A refused entry: its message, the title of the box (one message has a
// title of its own), the value its "{}" stands for when it has one, and
// the control of the step's dialog that holds the entry refused.
struct Refusal {
    texts::Text message;
    texts::Text title = texts::CommonText::AttentionTitle;
    std::string value = {};
    int control = 0;
    bool operator==(const Refusal&) const = default;
};

// A step checked: the record as the check read it and the refusal of the
// first entry refused, if any. Reading prepares a real entry in place
// (decimal comma to point), so the record comes back with the entries read
// so far prepared; an accepted step also brings the values parsed.
template <class Record>
struct Checked {
    Record entry;
    std::optional<Refusal> refusal;
};

// Step 1: the state and method follow the options; Lx, N, K, Sc, Sp, u and,
// for a cylinder or a sphere, ri; a state must be chosen.
Checked<CaseEntry> checkGeneralStep(CaseEntry entry);
// Step 2: Ti, Rho, Cp, Delt_t, Nst (two steps at least for an unsteady
// case) and No (a volume of the grid of step 1).
Checked<CaseEntry> checkTransientStep(CaseEntry entry);
// A boundary step: its type follows the group that holds text, in the
// order of the type numbers (temperature, flux, convection, radiation).
Checked<BoundaryEntry> checkBoundaryStep(BoundaryEntry boundary, BoundarySide side);
// The first type, in the order of their numbers, with a value that holds
// text: the boundary's type once its step is accepted; nothing when every
// value is blank.
const simulation::BoundaryTypeDescription* typedBoundaryType(const BoundaryEntry& boundary);
// The edit control of a boundary value in its step's dialog.
int valueControl(simulation::BoundaryValue value);
// Any step of the record.
Checked<CaseEntry> checkStep(CaseEntry entry, WizardStep step);

// The step the wizard shows after `step` was accepted, nothing after the
// east: step 2 only for a case with transient data, no west step for a
// solid body (its west is the centre).
std::optional<WizardStep> stepAfter(WizardStep step, const CaseEntry& entry);

}  // namespace calorvia::entry
