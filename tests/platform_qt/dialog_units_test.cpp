// Dialog units become pixels as Windows computes them, and every template
// becomes a dialog whose controls sit where their rectangles say.

#include <gtest/gtest.h>

#include <ostream>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform_qt/dialog_units.h"
#include "platform_qt/qt_platform.h"
#include "platform_qt/template_dialog.h"
#include "support/case_names.h"

namespace calorvia::platform_qt {
namespace {

struct BaseUnitCase {
    int alphabetWidth;
    int fontHeight;
    DialogBaseUnits expected;
};

void PrintTo(const BaseUnitCase& c, std::ostream* out) {
    *out << "alphabet " << c.alphabetWidth << " px, height " << c.fontHeight;
}

class BaseUnits : public ::testing::TestWithParam<BaseUnitCase> {};

TEST_P(BaseUnits, AreTheRoundedAverageLetterWidthAndTheHeight) {
    EXPECT_EQ(dialogBaseUnits(GetParam().alphabetWidth, GetParam().fontHeight),
              GetParam().expected);
}

// MS Sans Serif 8 at 96 dpi: 52 letters in 312 pixels, 13 high, base units
// 6 and 13. An average of 6.5 rounds up, one just below stays.
INSTANTIATE_TEST_SUITE_P(DialogUnits, BaseUnits,
                         ::testing::Values(BaseUnitCase{312, 13, {6, 13}},
                                           BaseUnitCase{338, 16, {7, 16}},
                                           BaseUnitCase{337, 16, {6, 16}},
                                           BaseUnitCase{416, 19, {8, 19}}),
                         calorvia::testing::printedName);

struct ConversionCase {
    int units;
    DialogBaseUnits base;
    int horizontal;
    int vertical;
};

class UnitsToPixels : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(UnitsToPixels, RoundToTheNearestPixel) {
    EXPECT_EQ(horizontalUnitsToPixels(GetParam().units, GetParam().base), GetParam().horizontal);
    EXPECT_EQ(verticalUnitsToPixels(GetParam().units, GetParam().base), GetParam().vertical);
}

// 347 units across at base 6: 520.5 pixels, rounded up; 208 down at 13: 338.
INSTANTIATE_TEST_SUITE_P(
    DialogUnits, UnitsToPixels,
    ::testing::Values(ConversionCase{0, {6, 13}, 0, 0}, ConversionCase{4, {6, 13}, 6, 7},
                      ConversionCase{7, {6, 13}, 11, 11}, ConversionCase{3, {6, 13}, 5, 5},
                      ConversionCase{347, {6, 13}, 521, 564},
                      ConversionCase{208, {6, 13}, 312, 338}, ConversionCase{-4, {6, 13}, -6, -7}),
    [](const auto& row) {
        return calorvia::testing::textName(std::to_string(row.param.units)) + "_units_at_base_" +
               std::to_string(row.param.base.x) + "x" + std::to_string(row.param.base.y);
    });

TEST(DialogUnits, ARectangleConvertsEachSide) {
    EXPECT_EQ(dialogRectToPixels({146, 28, 40, 12}, {6, 13}), (PixelRect{219, 46, 60, 20}));
}

// Every template, every control: the widget of its kind, at its rectangle
// in the pixels of the dialog's real font, inside the dialog.
TEST(TemplateLayout, EveryControlOfEveryTemplateSitsAtItsRectangle) {
    QtPlatform platform;
    for (const auto& layout : platform::dialogTemplates()) {
        SCOPED_TRACE(layout.number);
        const auto handle = platform.createDialog(layout.number);
        TemplateDialog* dialog = platform.dialogWidget(handle);
        ASSERT_NE(dialog, nullptr);
        const DialogBaseUnits base = dialog->baseUnits();
        EXPECT_GT(base.x, 2);
        EXPECT_GT(base.y, 8);
        EXPECT_EQ(dialog->windowTitle().toStdString(), templateTitle(layout));
        EXPECT_EQ(dialog->width(), horizontalUnitsToPixels(layout.width, base));
        EXPECT_EQ(dialog->height(), verticalUnitsToPixels(layout.height, base));
        for (const auto& control : layout.controls) {
            SCOPED_TRACE(control.number);
            QWidget* widget = dialog->control(control.number);
            ASSERT_NE(widget, nullptr);
            const PixelRect expected = dialogRectToPixels(control.rect, base);
            EXPECT_EQ(widget->geometry(),
                      QRect(expected.x, expected.y, expected.width, expected.height));
            EXPECT_TRUE(dialog->rect().contains(widget->geometry()));
            EXPECT_EQ(widget->isEnabled(), control.enabled);
            switch (control.kind) {
                case platform::ControlKind::GroupBox:
                    EXPECT_NE(qobject_cast<QGroupBox*>(widget), nullptr);
                    break;
                case platform::ControlKind::Label:
                    EXPECT_NE(qobject_cast<QLabel*>(widget), nullptr);
                    break;
                case platform::ControlKind::Edit:
                    EXPECT_NE(qobject_cast<QLineEdit*>(widget), nullptr);
                    break;
                case platform::ControlKind::PushButton: {
                    auto* button = qobject_cast<QPushButton*>(widget);
                    ASSERT_NE(button, nullptr);
                    EXPECT_EQ(button->isDefault(), control.defaultButton);
                    break;
                }
                case platform::ControlKind::RadioButton:
                    EXPECT_NE(qobject_cast<QRadioButton*>(widget), nullptr);
                    break;
                case platform::ControlKind::CheckBox:
                    EXPECT_NE(qobject_cast<QCheckBox*>(widget), nullptr);
                    break;
            }
            if (control.kind != platform::ControlKind::Edit) {
                EXPECT_EQ(platform.controlText(handle, control.number), templateCaption(control));
            }
        }
        platform.releaseDialog(handle);
    }
}

TEST(TemplateLayout, AnUnknownTemplateGivesNoDialog) {
    QtPlatform platform;
    const auto handle = platform.createDialog(107);
    EXPECT_EQ(platform.dialogWidget(handle), nullptr);
    EXPECT_EQ(platform.runDialog(handle), platform::kButtonCancel);
    EXPECT_EQ(platform.controlText(handle, 1000), "");
}

}  // namespace
}  // namespace calorvia::platform_qt
