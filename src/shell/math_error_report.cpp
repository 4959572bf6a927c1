#include "shell/math_error_report.h"

#include <optional>

#include "shell/shell.h"
#include "texts/shell_texts.h"

namespace calorvia::shell {

using texts::Language;
using texts::ShellText;
using texts::Text;
using texts::textFor;

namespace {

std::optional<Text> secondLine(std::int32_t kind) {
    switch (kind) {
        case 1:
            return ShellText::MathErrorDomain;
        case 2:
            return ShellText::MathErrorSingularity;
        case 3:
            return ShellText::MathErrorOverflow;
        case 4:
            return ShellText::MathErrorUnderflow;
        case 5:
        case 6:
            return ShellText::MathErrorLossOfPrecision;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::string mathErrorMessage(std::string_view functionName, std::int32_t kind, Language language) {
    const std::optional<Text> reason = secondLine(kind);
    if (!reason) return std::string(textFor(ShellText::MathErrorOther, language));
    std::string message(textFor(ShellText::MathErrorFirstPart, language));
    message += functionName;
    message += " - ";
    message += textFor(ShellText::MathErrorLineBreak, language);
    message += textFor(*reason, language);
    return message;
}

// The hook runs inside the failing call, on the thread that made it: during
// a run that is the main thread, which looks at RunState at its next check
// and stops the run. The computation itself goes on with the library's
// substitute value.
std::int16_t Shell::MATHERRQQ(std::string_view functionName, std::int32_t kind) {
    constexpr std::int16_t substituteStands = 1;
    tell(mathErrorMessage(functionName, kind, language()), platform::kMessageOk);
    state_.requestCancel();
    return substituteStands;
}

interpreter::MathErrorHook Shell::mathErrorHook() {
    return [this](std::string_view functionName, interpreter::MathErrorKind kind) {
        MATHERRQQ(functionName, static_cast<std::int32_t>(kind));
    };
}

}  // namespace calorvia::shell
