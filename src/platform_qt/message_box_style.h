#pragma once
// What a message box looks like for its flags, read the Windows way: the
// lowest four bits choose the buttons, the next four the icon, the next four
// which button is the default.
//   buttons: 0 OK, 1 OK Cancel, 2 Abort Retry Ignore, 3 Yes No Cancel,
//            4 Yes No, 5 Retry Cancel
//   icon:    0x10 stop, 0x20 question, 0x30 exclamation, 0x40 information
//   default: 0x000 first button, 0x100 second, 0x200 third (beyond the last: first)
// The program itself uses 48 (exclamation, OK), 4 (Yes, No) and 3 (Yes, No,
// Cancel). Unknown button codes fall back to OK (platform::messageBoxAnswers).

#include <vector>

namespace calorvia::platform_qt {

// The answers of the buttons, as the box returns them.
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerAbort = 3;
inline constexpr int kAnswerRetry = 4;
inline constexpr int kAnswerIgnore = 5;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

enum class MessageIcon { None, Stop, Question, Exclamation, Information };

struct MessageBoxStyle {
    MessageIcon icon = MessageIcon::None;
    std::vector<int> answers;  // the buttons, left to right
    int defaultAnswer = kAnswerOk;
    // What closing the box without a button (Escape, the title bar) answers:
    // Cancel when there is one, the only button when there is one, No in a
    // Yes/No box; 0 when the box cannot be closed that way.
    int escapeAnswer = kAnswerOk;
    friend bool operator==(const MessageBoxStyle&, const MessageBoxStyle&) = default;
};

MessageBoxStyle messageBoxStyle(int flags);

}  // namespace calorvia::platform_qt
