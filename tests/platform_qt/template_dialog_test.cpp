// Template dialogs: texts and states round-trip, the user's actions reach
// the program, and runDialog returns the button that closed the dialog.

#include <gtest/gtest.h>

#include <ostream>

#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "gui_test_support.h"
#include "platform/dialog_templates.h"
#include "platform_qt/qt_platform.h"
#include "platform_qt/template_dialog.h"
#include "support/case_names.h"

namespace calorvia::platform_qt {
namespace {

using namespace testing;
namespace g = platform::general_step;
namespace b = platform::boundary_step;
namespace u = platform::unsteady_graph_dialog;

template <class W>
W& controlOf(TemplateDialog& dialog, int number) {
    auto* widget = qobject_cast<W*>(dialog.control(number));
    if (!widget) throw std::runtime_error("no such control: " + std::to_string(number));
    return *widget;
}

// What the user does: replaces an edit field's text by typing.
void typeInto(TemplateDialog& dialog, int number, const QString& text) {
    auto& edit = controlOf<QLineEdit>(dialog, number);
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClicks(&edit, text);
}

class TemplateDialogTest : public ::testing::Test {
protected:
    QtPlatform platform;
};

TEST_F(TemplateDialogTest, TextsAndStatesRoundTrip) {
    const auto dialog = platform.createDialog(g::kTemplate);
    platform.setControlText(dialog, g::kLxEdit, "0.5");
    platform.setControlText(dialog, g::kKEdit, "2*t + 1");
    platform.setControlText(dialog, g::kStepTitle, "Passo 1 - Dados");
    platform.setControlText(dialog, g::kNHint, "De 3 até 1000");
    platform.setControlText(dialog, platform::kButtonCancel, "&Cancelar");
    EXPECT_EQ(platform.controlText(dialog, g::kLxEdit), "0.5");
    EXPECT_EQ(platform.controlText(dialog, g::kKEdit), "2*t + 1");
    EXPECT_EQ(platform.controlText(dialog, g::kStepTitle), "Passo 1 - Dados");
    EXPECT_EQ(platform.controlText(dialog, g::kNHint), "De 3 até 1000");
    EXPECT_EQ(platform.controlText(dialog, platform::kButtonCancel), "&Cancelar");
    EXPECT_EQ(platform.controlText(dialog, g::kNEdit), "");

    platform.setControlState(dialog, g::kNoStateRadio, true);
    platform.setControlState(dialog, g::kGaussSidelCheck, true);
    EXPECT_TRUE(platform.controlState(dialog, g::kNoStateRadio));
    EXPECT_FALSE(platform.controlState(dialog, g::kSteadyRadio));
    EXPECT_FALSE(platform.controlState(dialog, g::kUnsteadyRadio));
    EXPECT_TRUE(platform.controlState(dialog, g::kGaussSidelCheck));

    // Switching a radio button on switches the rest of its group off.
    platform.setControlState(dialog, g::kUnsteadyRadio, true);
    EXPECT_FALSE(platform.controlState(dialog, g::kNoStateRadio));
    EXPECT_TRUE(platform.controlState(dialog, g::kUnsteadyRadio));
    EXPECT_TRUE(platform.controlState(dialog, g::kGaussSidelCheck)) << "not in the group";
    // The program may switch a whole group off.
    platform.setControlState(dialog, g::kUnsteadyRadio, false);
    EXPECT_FALSE(platform.controlState(dialog, g::kUnsteadyRadio));
    EXPECT_FALSE(platform.controlState(dialog, g::kSteadyRadio));

    // Neither labels nor unknown controls have a state.
    platform.setControlState(dialog, g::kLxLabel, true);
    EXPECT_FALSE(platform.controlState(dialog, g::kLxLabel));
    platform.setControlText(dialog, 4242, "ignored");
    EXPECT_EQ(platform.controlText(dialog, 4242), "");

    platform.setControlEnabled(dialog, g::kKEdit, false);
    EXPECT_FALSE(platform.dialogWidget(dialog)->control(g::kKEdit)->isEnabled());
    platform.setControlEnabled(dialog, g::kKEdit, true);
    EXPECT_TRUE(platform.dialogWidget(dialog)->control(g::kKEdit)->isEnabled());
    platform.releaseDialog(dialog);
    EXPECT_EQ(platform.dialogWidget(dialog), nullptr);
}

TEST_F(TemplateDialogTest, WhatTheUserEntersIsReadAfterTheDialogCloses) {
    const auto dialog = platform.createDialog(g::kTemplate);
    platform.setControlText(dialog, g::kLxEdit, "1.0");
    platform.setControlState(dialog, g::kNoStateRadio, true);
    auto user = WhenModal::of<TemplateDialog>([](TemplateDialog& shown) {
        typeInto(shown, g::kLxEdit, QStringLiteral("0.25"));
        typeInto(shown, g::kNEdit, QStringLiteral("40"));
        controlOf<QRadioButton>(shown, g::kUnsteadyRadio).click();
        controlOf<QCheckBox>(shown, g::kGaussSidelCheck).click();
        controlOf<QPushButton>(shown, platform::kButtonForward).click();
    });
    EXPECT_EQ(platform.runDialog(dialog), platform::kButtonForward);
    EXPECT_TRUE(user->acted());
    EXPECT_EQ(platform.controlText(dialog, g::kLxEdit), "0.25");
    EXPECT_EQ(platform.controlText(dialog, g::kNEdit), "40");
    EXPECT_TRUE(platform.controlState(dialog, g::kUnsteadyRadio));
    EXPECT_FALSE(platform.controlState(dialog, g::kNoStateRadio));
    EXPECT_TRUE(platform.controlState(dialog, g::kGaussSidelCheck));
    platform.releaseDialog(dialog);
}

struct CloseCase {
    int templateNumber;
    const char* how;
    std::function<void(TemplateDialog&)> close;
    int expected;
};

void PrintTo(const CloseCase& c, std::ostream* out) {
    *out << "template " << c.templateNumber << " closed by " << c.how;
}

class ClosingTheDialog : public TemplateDialogTest,
                         public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingTheDialog, ReturnsTheButtonNumber) {
    const auto dialog = platform.createDialog(GetParam().templateNumber);
    auto user = WhenModal::of<TemplateDialog>(GetParam().close);
    EXPECT_EQ(platform.runDialog(dialog), GetParam().expected) << GetParam().how;
    EXPECT_TRUE(user->acted());
    EXPECT_FALSE(platform.dialogWidget(dialog)->isVisible());
    platform.releaseDialog(dialog);
}

void press(TemplateDialog& dialog, int number) {
    controlOf<QPushButton>(dialog, number).click();
}

INSTANTIATE_TEST_SUITE_P(
    TemplateDialog, ClosingTheDialog,
    ::testing::Values(
        CloseCase{g::kTemplate, "forward", [](auto& d) { press(d, platform::kButtonForward); },
                  platform::kButtonForward},
        CloseCase{g::kTemplate, "cancel", [](auto& d) { press(d, platform::kButtonCancel); },
                  platform::kButtonCancel},
        CloseCase{b::kWestTemplate, "back", [](auto& d) { press(d, platform::kButtonBack); },
                  platform::kButtonBack},
        CloseCase{g::kTemplate, "Escape", [](auto& d) { QTest::keyClick(&d, Qt::Key_Escape); },
                  platform::kButtonCancel},
        CloseCase{platform::tolerance_dialog::kTemplate, "Enter in the edit field",
                  [](auto& d) {
                      QTest::keyClick(d.control(platform::tolerance_dialog::kToleranceEdit),
                                      Qt::Key_Return);
                  },
                  platform::kButtonOk},
        CloseCase{u::kTemplate, "title bar", [](auto& d) { d.close(); }, platform::kButtonCancel}),
    calorvia::testing::printedName);

TEST_F(TemplateDialogTest, AButtonWithARoutineRunsItAndTheDialogStaysOpen) {
    const auto dialog = platform.createDialog(g::kTemplate);
    int syntaxShown = 0;
    platform.setControlRoutine(dialog, g::kSyntaxButton, [&] {
        ++syntaxShown;
        // Routines may work on their own dialog while it runs.
        platform.setControlText(dialog, g::kKEdit, "1.5");
    });
    bool stillOpen = false;
    auto user = WhenModal::of<TemplateDialog>([&](TemplateDialog& shown) {
        press(shown, g::kSyntaxButton);
        stillOpen = shown.isVisible();
        press(shown, platform::kButtonForward);
    });
    EXPECT_EQ(platform.runDialog(dialog), platform::kButtonForward);
    EXPECT_EQ(syntaxShown, 1);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(platform.controlText(dialog, g::kKEdit), "1.5");
    platform.releaseDialog(dialog);
}

TEST_F(TemplateDialogTest, RoutinesRunOnTheUsersActionsOnly) {
    const auto dialog = platform.createDialog(b::kWestTemplate);
    int edits = 0, clicks = 0;
    platform.setControlRoutine(dialog, b::kTEdit, [&] { ++edits; });
    const auto graph = platform.createDialog(u::kTemplate);
    platform.setControlRoutine(graph, u::kNodeRadio, [&] { ++clicks; });
    platform.setControlRoutine(graph, u::kExperimentalCheck, [&] { ++clicks; });

    platform.setControlText(dialog, b::kTEdit, "100");
    platform.setControlState(graph, u::kNodeRadio, true);
    platform.setControlState(graph, u::kExperimentalCheck, true);
    EXPECT_EQ(edits, 0);
    EXPECT_EQ(clicks, 0);

    typeInto(*platform.dialogWidget(dialog), b::kTEdit, QStringLiteral("25"));
    EXPECT_EQ(edits, 3) << "the deletion and two keys";
    controlOf<QRadioButton>(*platform.dialogWidget(graph), u::kNodeRadio).click();
    controlOf<QCheckBox>(*platform.dialogWidget(graph), u::kExperimentalCheck).click();
    EXPECT_EQ(clicks, 2);
    // A click on the chosen option leaves it chosen; the check box toggles.
    EXPECT_TRUE(platform.controlState(graph, u::kNodeRadio));
    EXPECT_FALSE(platform.controlState(graph, u::kExperimentalCheck));
    platform.releaseDialog(dialog);
    platform.releaseDialog(graph);
}

TEST_F(TemplateDialogTest, CaptionsKeepTheirAccessKeys) {
    const auto dialog = platform.createDialog(g::kTemplate);
    auto& shown = *platform.dialogWidget(dialog);
    EXPECT_EQ(controlOf<QRadioButton>(shown, g::kUnsteadyRadio).shortcut(),
              QKeySequence(Qt::ALT | Qt::Key_U));
    EXPECT_EQ(controlOf<QPushButton>(shown, platform::kButtonCancel).shortcut(),
              QKeySequence(Qt::ALT | Qt::Key_C));
    EXPECT_TRUE(controlOf<QPushButton>(shown, platform::kButtonForward).isDefault());
    EXPECT_FALSE(controlOf<QPushButton>(shown, platform::kButtonCancel).isDefault());
    platform.releaseDialog(dialog);
}

TEST_F(TemplateDialogTest, PaddedLabelsShowTheirEndWhateverTheFace) {
    const auto dialog = platform.createDialog(b::kWestTemplate);
    auto& label = controlOf<QLabel>(*platform.dialogWidget(dialog), b::kTinfLabel);
    const std::string padded = "Ambient temperature in x = 0.0:" + std::string(60, ' ') + "Tinf =";
    platform.setControlText(dialog, b::kTinfLabel, padded);
    EXPECT_TRUE(label.text().endsWith(QStringLiteral(" Tinf =")));
    EXPECT_TRUE(label.text().startsWith(QStringLiteral("Ambient temperature in x = 0.0:")));
    EXPECT_LE(label.fontMetrics().horizontalAdvance(label.text()), label.width());
    EXPECT_EQ(platform.controlText(dialog, b::kTinfLabel), padded);
    // A text without runs of blanks is shown as it is.
    const std::string solid(200, 'X');
    platform.setControlText(dialog, b::kTinfLabel, solid);
    EXPECT_EQ(label.text().toStdString(), solid);
    platform.releaseDialog(dialog);
}

TEST_F(TemplateDialogTest, AReleasedHandleDoesNothing) {
    const auto dialog = platform.createDialog(platform::scale_dialog::kTemplate);
    platform.releaseDialog(dialog);
    platform.setControlText(dialog, platform::scale_dialog::kTminEdit, "1");
    EXPECT_EQ(platform.controlText(dialog, platform::scale_dialog::kTminEdit), "");
    EXPECT_EQ(platform.runDialog(dialog), platform::kButtonCancel);
    platform.releaseDialog(dialog);
}

TEST_F(TemplateDialogTest, EachDialogHasItsOwnHandle) {
    const auto first = platform.createDialog(platform::scale_dialog::kTemplate);
    const auto second = platform.createDialog(platform::scale_dialog::kTemplate);
    EXPECT_NE(first, second);
    platform.setControlText(first, platform::scale_dialog::kTminEdit, "20");
    platform.setControlText(second, platform::scale_dialog::kTminEdit, "300");
    EXPECT_EQ(platform.controlText(first, platform::scale_dialog::kTminEdit), "20");
    EXPECT_EQ(platform.controlText(second, platform::scale_dialog::kTminEdit), "300");
    platform.releaseDialog(first);
    platform.releaseDialog(second);
}

}  // namespace
}  // namespace calorvia::platform_qt
