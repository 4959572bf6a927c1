#pragma once
// The wizard's boundary steps. The student never picks a boundary's type:
// it follows from which group of the dialog holds text (temperature before
// flux before convection), and while the dialog is open typing into one
// group disables the others.

#include "entry/case_checks.h"
#include "entry/case_entry.h"
#include "entry/wizard_context.h"
#include "platform/platform.h"

namespace calorvia::entry {

// Shows the boundary's dialog until its entries validate (Forward: type,
// values and prepared texts stored, summary line drawn), or the student goes
// back (the four texts stored unvalidated) or cancels (the record as it was).
StepResult runBoundaryStep(WizardContext& context, BoundarySide side, CaseEntry& entry);

// The boundary's texts as its dialog gives them back when Forward is pressed
// with nothing typed.
void giveBackUntouched(BoundaryEntry& boundary);

// Entry-change routines of the west (CC1_...) and east (CC2_...) dialogs:
// a non-blank temperature disables flux and convection, a non-blank flux
// disables temperature and convection, a non-blank h or Tinf disables
// temperature and flux; blanking a group enables the others again.
void CC1_TEMP(platform::Platform& platform, platform::DialogHandle dialog);
void CC1_FLUX(platform::Platform& platform, platform::DialogHandle dialog);
void CC1_CONV_A(platform::Platform& platform, platform::DialogHandle dialog);
void CC1_CONV_B(platform::Platform& platform, platform::DialogHandle dialog);
void CC2_TEMP(platform::Platform& platform, platform::DialogHandle dialog);
void CC2_FLUX(platform::Platform& platform, platform::DialogHandle dialog);
void CC2_CONV_A(platform::Platform& platform, platform::DialogHandle dialog);
void CC2_CONV_B(platform::Platform& platform, platform::DialogHandle dialog);

}  // namespace calorvia::entry
