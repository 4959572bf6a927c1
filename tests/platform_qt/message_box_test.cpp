// Message boxes: the flags choose icon and buttons, the box answers with the
// button pressed.

#include <gtest/gtest.h>

#include <ostream>

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include "gui_test_support.h"
#include "platform_qt/message_box_style.h"
#include "platform_qt/qt_platform.h"
#include "support/case_names.h"

namespace calorvia::platform_qt {
namespace {

using namespace testing;

struct StyleCase {
    int flags;
    MessageBoxStyle expected;
};

void PrintTo(const StyleCase& c, std::ostream* out) {
    *out << "flags " << c.flags;
}

class MessageBoxFlags : public ::testing::TestWithParam<StyleCase> {};

TEST_P(MessageBoxFlags, ChooseIconButtonsAndDefaults) {
    EXPECT_EQ(messageBoxStyle(GetParam().flags), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    MessageBoxStyle, MessageBoxFlags,
    ::testing::Values(
        StyleCase{48, {MessageIcon::Exclamation, {kAnswerOk}, kAnswerOk, kAnswerOk}},
        StyleCase{4, {MessageIcon::None, {kAnswerYes, kAnswerNo}, kAnswerYes, kAnswerNo}},
        StyleCase{0, {MessageIcon::None, {kAnswerOk}, kAnswerOk, kAnswerOk}},
        StyleCase{36, {MessageIcon::Question, {kAnswerYes, kAnswerNo}, kAnswerYes, kAnswerNo}},
        StyleCase{0x104, {MessageIcon::None, {kAnswerYes, kAnswerNo}, kAnswerNo, kAnswerNo}},
        StyleCase{0x204, {MessageIcon::None, {kAnswerYes, kAnswerNo}, kAnswerYes, kAnswerNo}},
        StyleCase{17, {MessageIcon::Stop, {kAnswerOk, kAnswerCancel}, kAnswerOk, kAnswerCancel}},
        StyleCase{3 | 0x40,
                  {MessageIcon::Information,
                   {kAnswerYes, kAnswerNo, kAnswerCancel},
                   kAnswerYes,
                   kAnswerCancel}},
        StyleCase{
            2, {MessageIcon::None, {kAnswerAbort, kAnswerRetry, kAnswerIgnore}, kAnswerAbort, 0}},
        StyleCase{5,
                  {MessageIcon::None, {kAnswerRetry, kAnswerCancel}, kAnswerRetry, kAnswerCancel}},
        StyleCase{9, {MessageIcon::None, {kAnswerOk}, kAnswerOk, kAnswerOk}}),
    calorvia::testing::printedName);

// Shows a box with `flags` on the GUI thread; `press` chooses the button.
int answerOf(QtPlatform& platform, int flags, const std::function<void(QMessageBox&)>& press) {
    auto answer = WhenModal::of<QMessageBox>([&](QMessageBox& box) { press(box); });
    const int result = platform.messageBox("The file does not exist!", "Attention", flags);
    EXPECT_TRUE(answer->acted());
    return result;
}

TEST(MessageBox, Flags48ShowTheWarningIconAndOk) {
    QtPlatform platform;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text, title;
    qsizetype buttons = 0;
    const int answer = answerOf(platform, 48, [&](QMessageBox& box) {
        icon = box.icon();
        text = box.text();
        title = box.windowTitle();
        buttons = box.buttons().size();
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(answer, platform::kAnswerOk);
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(text, QStringLiteral("The file does not exist!"));
    EXPECT_EQ(title, QStringLiteral("Attention"));
}

TEST(MessageBox, Flags4AskYesOrNo) {
    QtPlatform platform;
    QMessageBox::Icon icon = QMessageBox::Warning;
    bool hasYesAndNo = false;
    const int yes = answerOf(platform, 4, [&](QMessageBox& box) {
        icon = box.icon();
        hasYesAndNo = box.button(QMessageBox::Yes) && box.button(QMessageBox::No) &&
                      box.buttons().size() == 2;
        box.button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(yes, platform::kAnswerYes);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_TRUE(hasYesAndNo);
    const int no =
        answerOf(platform, 4, [](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
    EXPECT_EQ(no, platform::kAnswerNo);
}

// Escape answers No in a Yes/No box, Cancel where there is a Cancel button.
TEST(MessageBox, EscapeInAYesNoBoxAnswersNoAndInAYesNoCancelBoxCancel) {
    QtPlatform platform;
    for (const auto& [flags, expected] :
         {std::pair{platform::kMessageYesNo, platform::kAnswerNo},
          {platform::kMessageYesNoCancel, platform::kAnswerCancel}}) {
        const int answer = answerOf(platform, flags, [](QMessageBox& box) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&box, &escape);
        });
        EXPECT_EQ(answer, expected) << flags;
    }
}

TEST(MessageBox, TextKeepsItsLinesAndBlanks) {
    QtPlatform platform;
    QString shown;
    const std::string text = "                   The file already exists! \n \n   Keep it?";
    auto answer = WhenModal::of<QMessageBox>([&](QMessageBox& box) {
        shown = box.text();
        box.button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(platform.messageBox(text, "Attention: Risco de perda de dados", 4),
              platform::kAnswerYes);
    EXPECT_EQ(shown.toStdString(), text);
}

}  // namespace
}  // namespace calorvia::platform_qt
