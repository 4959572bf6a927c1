#include "platform/dialog_templates.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/platform.h"

namespace calorvia::platform {
namespace {

TEST(DialogTemplatesTest, EveryTemplateTheProgramNamesExistsInAscendingOrder) {
    std::vector<int> numbers;
    for (const auto& dialog : dialogTemplates()) numbers.push_back(dialog.number);
    EXPECT_EQ(numbers, (std::vector<int>{101, 102, 103, 104, 105, 106, 110, 111, 112, 113}));
    for (int number : numbers) {
        ASSERT_NE(findDialogTemplate(number), nullptr) << number;
        EXPECT_EQ(findDialogTemplate(number)->number, number);
    }
    EXPECT_EQ(findDialogTemplate(107), nullptr);
    EXPECT_EQ(findDialogTemplate(0), nullptr);
}

TEST(DialogTemplatesTest, ControlNumbersAreUniqueWithinATemplate) {
    for (const auto& dialog : dialogTemplates()) {
        std::set<int> seen;
        for (const auto& control : dialog.controls) {
            EXPECT_TRUE(seen.insert(control.number).second)
                << "template " << dialog.number << " repeats control " << control.number;
            EXPECT_EQ(dialog.control(control.number), &control);
        }
        EXPECT_EQ(dialog.control(-1), nullptr);
    }
}

TEST(DialogTemplatesTest, EveryControlLiesInsideItsDialog) {
    for (const auto& dialog : dialogTemplates()) {
        for (const auto& control : dialog.controls) {
            const auto& r = control.rect;
            EXPECT_GT(r.width, 0) << dialog.number << "/" << control.number;
            EXPECT_GT(r.height, 0) << dialog.number << "/" << control.number;
            EXPECT_GE(r.x, 0) << dialog.number << "/" << control.number;
            EXPECT_GE(r.y, 0) << dialog.number << "/" << control.number;
            EXPECT_LE(r.x + r.width, dialog.width) << dialog.number << "/" << control.number;
            EXPECT_LE(r.y + r.height, dialog.height) << dialog.number << "/" << control.number;
        }
    }
}

// OK (or the wizard's forward button, which closes with the same number) is
// in every dialog and is the one default button; Cancel only where the user
// may back out.
TEST(DialogTemplatesTest, OkEverywhereAndCancelWhereTheUserMayBackOut) {
    const std::map<int, bool> hasCancel{{101, true},  {102, true},  {103, true}, {104, true},
                                        {105, false}, {106, false}, {110, true}, {111, false},
                                        {112, false}, {113, false}};
    for (const auto& dialog : dialogTemplates()) {
        const ControlTemplate* ok = dialog.control(kButtonOk);
        ASSERT_NE(ok, nullptr) << dialog.number;
        EXPECT_EQ(ok->kind, ControlKind::PushButton) << dialog.number;
        int defaults = 0;
        for (const auto& control : dialog.controls) defaults += control.defaultButton ? 1 : 0;
        EXPECT_EQ(defaults, 1) << dialog.number;
        EXPECT_TRUE(ok->defaultButton) << dialog.number;

        ASSERT_TRUE(hasCancel.contains(dialog.number)) << dialog.number;
        const ControlTemplate* cancel = dialog.control(kButtonCancel);
        EXPECT_EQ(cancel != nullptr, hasCancel.at(dialog.number)) << dialog.number;
        if (cancel != nullptr) {
            EXPECT_EQ(cancel->kind, ControlKind::PushButton);
        }
    }
}

TEST(DialogTemplatesTest, RadioButtonsComeInGroupsOfAtLeastTwo) {
    for (const auto& dialog : dialogTemplates()) {
        std::map<int, int> members;
        for (const auto& control : dialog.controls) {
            if (control.kind != ControlKind::RadioButton) continue;
            EXPECT_NE(control.radioGroup, 0) << dialog.number << "/" << control.number;
            ++members[control.radioGroup];
        }
        for (const auto& [group, count] : members) {
            EXPECT_GE(count, 2) << "template " << dialog.number << ", group " << group;
        }
    }
}

// The named numbers are what the program's code uses; each must name a
// control of the kind the code expects, or the code would address nothing.
TEST(DialogTemplatesTest, NamedControlsExistWithTheExpectedKind) {
    struct Named {
        int templateNumber;
        int control;
        ControlKind kind;
    };
    using K = ControlKind;
    namespace g = general_step;
    namespace t = transient_step;
    namespace b = boundary_step;
    const std::vector<Named> named{
        {101, g::kStepTitle, K::GroupBox},
        {101, g::kLxEdit, K::Edit},
        {101, g::kNEdit, K::Edit},
        {101, g::kKEdit, K::Edit},
        {101, g::kScEdit, K::Edit},
        {101, g::kSpEdit, K::Edit},
        {101, g::kUEdit, K::Edit},
        {101, g::kLxLabel, K::Label},
        {101, g::kULabel, K::Label},
        {101, g::kNHint, K::Label},
        {101, g::kUHint, K::Label},
        {101, g::kNoStateRadio, K::RadioButton},
        {101, g::kSteadyRadio, K::RadioButton},
        {101, g::kUnsteadyRadio, K::RadioButton},
        {101, g::kStateLabel, K::Label},
        {101, g::kMethodLabel, K::Label},
        {101, g::kGaussSidelCheck, K::CheckBox},
        {101, g::kSyntaxButton, K::PushButton},
        {102, t::kTiEdit, K::Edit},
        {102, t::kNoEdit, K::Edit},
        {102, t::kDeltTEdit, K::Edit},
        {102, t::kCpHint, K::Label},
        {102, t::kSyntaxButton, K::PushButton},
        {102, kButtonBack, K::PushButton},
        {103, b::kTEdit, K::Edit},
        {103, b::kPhiEdit, K::Edit},
        {103, b::kHEdit, K::Edit},
        {103, b::kTinfEdit, K::Edit},
        {103, b::kFluxSignHint, K::Label},
        {103, b::kConvectionGroup, K::GroupBox},
        {103, kButtonBack, K::PushButton},
        {104, b::kTEdit, K::Edit},
        {104, b::kTinfEdit, K::Edit},
        {104, kButtonBack, K::PushButton},
        {105, colour_dialog::kYellowRadio, K::RadioButton},
        {105, colour_dialog::kBlackRadio, K::RadioButton},
        {106, language_dialog::kPortugueseRadio, K::RadioButton},
        {106, language_dialog::kEnglishRadio, K::RadioButton},
        {110, tolerance_dialog::kGroup, K::GroupBox},
        {110, tolerance_dialog::kToleranceEdit, K::Edit},
        {111, scheme_dialog::kPecletLine, K::Label},
        {111, scheme_dialog::kCdsRadio, K::RadioButton},
        {111, scheme_dialog::kUpwindRadio, K::RadioButton},
        {112, scale_dialog::kTminEdit, K::Edit},
        {112, scale_dialog::kTmaxEdit, K::Edit},
        {112, scale_dialog::kGroup, K::GroupBox},
        {113, unsteady_graph_dialog::kExperimentalCheck, K::CheckBox},
        {113, unsteady_graph_dialog::kHelpLine3, K::Label},
        {113, unsteady_graph_dialog::kAverageRadio, K::RadioButton},
    };
    for (const auto& entry : named) {
        const DialogTemplate* dialog = findDialogTemplate(entry.templateNumber);
        ASSERT_NE(dialog, nullptr);
        const ControlTemplate* control = dialog->control(entry.control);
        ASSERT_NE(control, nullptr) << entry.templateNumber << "/" << entry.control;
        EXPECT_EQ(control->kind, entry.kind) << entry.templateNumber << "/" << entry.control;
    }
}

// The state group of step 1 starts on a hidden choice, so the user must pick
// Steady or Unsteady: that choice is a disabled member of the same group.
TEST(DialogTemplatesTest, StepOneStateGroupHasADisabledNeutralChoice) {
    const DialogTemplate* step = findDialogTemplate(general_step::kTemplate);
    ASSERT_NE(step, nullptr);
    const auto* neutral = step->control(general_step::kNoStateRadio);
    const auto* steady = step->control(general_step::kSteadyRadio);
    const auto* unsteady = step->control(general_step::kUnsteadyRadio);
    ASSERT_TRUE(neutral && steady && unsteady);
    EXPECT_FALSE(neutral->enabled);
    EXPECT_TRUE(steady->enabled);
    EXPECT_EQ(neutral->radioGroup, steady->radioGroup);
    EXPECT_EQ(steady->radioGroup, unsteady->radioGroup);
}

// The scheme dialog's layout in dialog units, control by control; the
// Peclet line is 9 units high, not the usual 8 of a label.
TEST(DialogTemplatesTest, TheSchemeDialogHasItsStatedLayout) {
    namespace s = scheme_dialog;
    const DialogTemplate* dialog = findDialogTemplate(s::kTemplate);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->width, 187);
    EXPECT_EQ(dialog->height, 95);
    const std::vector<std::pair<int, DialogRect>> stated{
        {s::kGroup, {7, 3, 173, 85}},     {s::kPecletLine, {45, 20, 123, 9}},
        {s::kCdsRadio, {71, 37, 65, 8}},  {s::kUpwindRadio, {71, 49, 46, 8}},
        {kButtonOk, {68, 67, 50, 14}},
    };
    for (const auto& [number, rect] : stated) {
        const ControlTemplate* control = dialog->control(number);
        ASSERT_NE(control, nullptr) << number;
        EXPECT_EQ(control->rect, rect) << number;
    }
}

TEST(DialogTemplatesTest, BoundaryEditsSitInsideTheirGroups) {
    namespace b = boundary_step;
    const std::vector<std::pair<int, int>> editInGroup{{b::kTEdit, b::kTemperatureGroup},
                                                       {b::kPhiEdit, b::kFluxGroup},
                                                       {b::kHEdit, b::kConvectionGroup},
                                                       {b::kTinfEdit, b::kConvectionGroup}};
    for (int number : {b::kWestTemplate, b::kEastTemplate}) {
        const DialogTemplate* dialog = findDialogTemplate(number);
        ASSERT_NE(dialog, nullptr);
        for (const auto& [editNumber, groupNumber] : editInGroup) {
            const auto& e = dialog->control(editNumber)->rect;
            const auto& g = dialog->control(groupNumber)->rect;
            EXPECT_TRUE(e.x >= g.x && e.y >= g.y && e.x + e.width <= g.x + g.width &&
                        e.y + e.height <= g.y + g.height)
                << number << ": edit " << editNumber << " outside group " << groupNumber;
        }
    }
}

}  // namespace
}  // namespace calorvia::platform
