#include "platform_qt/message_box_style.h"

#include <algorithm>
#include <cstddef>

#include "platform/platform.h"

namespace calorvia::platform_qt {

MessageBoxStyle messageBoxStyle(int flags) {
    MessageBoxStyle style;
    style.answers = platform::messageBoxAnswers(flags);
    const auto offers = [&](int answer) {
        return std::find(style.answers.begin(), style.answers.end(), answer) != style.answers.end();
    };
    if (offers(kAnswerCancel)) {
        style.escapeAnswer = kAnswerCancel;
    } else if (offers(kAnswerNo)) {
        style.escapeAnswer = kAnswerNo;
    } else if (style.answers.size() == 1) {
        style.escapeAnswer = style.answers.front();
    } else {
        style.escapeAnswer = 0;  // Abort, Retry, Ignore: a button must be pressed
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
