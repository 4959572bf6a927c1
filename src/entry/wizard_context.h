#pragma once
// What every step of the case entry wizard works with: the platform, the
// interface language, the summary panel and the Syntax help.

#include <functional>
#include <string_view>

#include "entry/case_checks.h"
#include "entry/summary_panel.h"
#include "platform/platform.h"
#include "texts/common_texts.h"
#include "texts/text_catalogue.h"

namespace calorvia::entry {

// How a step's dialog was left.
enum class StepResult { Forward, Back, Cancel };

struct WizardContext {
    platform::Platform& platform;
    texts::Language language;
    SummaryPanel panel;
    std::function<void()> syntaxHelp;  // SINTAXE

    std::string_view text(texts::Text id) const { return texts::textFor(id, language); }

    // A modal box in the user's language, followed, like every message box,
    // by the tutorial request. Returns the answer.
    int tell(texts::Text message, texts::Text title = texts::CommonText::AttentionTitle,
             int flags = platform::kMessageOk) {
        return tellText(text(message), title, flags);
    }
    // A refused entry, as every step tells it.
    void tell(const Refusal& refusal) {
        tellText(texts::withValue(text(refusal.message), refusal.value), refusal.title);
    }
    int tellText(std::string_view message, texts::Text title = texts::CommonText::AttentionTitle,
                 int flags = platform::kMessageOk) {
        const int answer = platform.messageBox(message, text(title), flags);
        platform::requestTutorial(platform);
        return answer;
    }
};

}  // namespace calorvia::entry
