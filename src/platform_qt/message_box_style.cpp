#include "platform_qt/message_box_style.h"

#include <cstddef>

namespace calorvia::platform_qt {

MessageBoxStyle messageBoxStyle(int flags) {
    MessageBoxStyle style;
    switch (flags & 0xF) {
        case 1:
            style.answers = {kAnswerOk, kAnswerCancel};
            style.escapeAnswer = kAnswerCancel;
            break;
        case 2:
            style.answers = {kAnswerAbort, kAnswerRetry, kAnswerIgnore};
            style.escapeAnswer = 0;
            break;
        case 3:
            style.answers = {kAnswerYes, kAnswerNo, kAnswerCancel};
            style.escapeAnswer = kAnswerCancel;
            break;
        case 4:
            style.answers = {kAnswerYes, kAnswerNo};
            style.escapeAnswer = kAnswerNo;
            break;
        case 5:
            style.answers = {kAnswerRetry, kAnswerCancel};
            style.escapeAnswer = kAnswerCancel;
            break;
        default:
            style.answers = {kAnswerOk};
            style.escapeAnswer = kAnswerOk;
            break;
    }
    switch (flags & 0xF0) {
        case 0x10:
            style.icon = MessageIcon::Stop;
            break;
        case 0x20:
            style.icon = MessageIcon::Question;
            break;
        case 0x30:
            style.icon = MessageIcon::Exclamation;
            break;
        case 0x40:
            style.icon = MessageIcon::Information;
            break;
        default:
            style.icon = MessageIcon::None;
            break;
    }
    const auto defaultIndex = static_cast<std::size_t>((flags >> 8) & 0xF);
    // A default beyond the last button leaves the first one default.
    style.defaultAnswer =
        defaultIndex < style.answers.size() ? style.answers[defaultIndex] : style.answers.front();
    return style;
}

}  // namespace calorvia::platform_qt
