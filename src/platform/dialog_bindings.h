#pragma once
// Dialogs as bindings: a dialog shows its template's catalogue captions in
// the user's language, and one pair of routines, load and save, puts a
// record's fields into its controls and reads them back, driven by a table
// of {control, field} per dialog.

#include <cstddef>
#include <span>
#include <string>
#include <type_traits>

#include "platform/dialog_templates.h"
#include "platform/platform.h"
#include "text/fixed_text.h"
#include "texts/common_texts.h"
#include "texts/text_catalogue.h"

namespace calorvia::platform {

// A control and the catalogue text it shows.
struct Caption {
    int control = 0;
    texts::Text text = texts::CommonText::ProgramName;
};

inline void showCaptions(Platform& platform, DialogHandle dialog, std::span<const Caption> captions,
                         texts::Language language) {
    for (const Caption& caption : captions) {
        platform.setControlText(dialog, caption.control, texts::textFor(caption.text, language));
    }
}

// Creates a dialog from its template with every caption in `language`, then
// `overrides` (a dialog whose captions depend on where it stands in a
// sequence of steps).
inline DialogHandle createDialogIn(Platform& platform, int templateNumber, texts::Language language,
                                   std::span<const Caption> overrides = {}) {
    const DialogHandle dialog = platform.createDialog(templateNumber);
    if (const DialogTemplate* layout = findDialogTemplate(templateNumber)) {
        for (const ControlTemplate& control : layout->controls) {
            if (!control.caption) continue;
            platform.setControlText(dialog, control.number,
                                    texts::textFor(*control.caption, language));
        }
    }
    showCaptions(platform, dialog, overrides, language);
    return dialog;
}

// A record's field in a control: a text in an edit field, which shows it as
// the program shows its fixed-width texts (no blanks at either end) and gives
// back at most `width` characters; or a flag in a radio button or check box.
template <class Record>
struct Field {
    int control = 0;
    std::string Record::*text = nullptr;
    std::size_t width = 0;
    bool Record::*flag = nullptr;
};

inline std::string shownText(std::string_view text) {
    return std::string(text::trim(text));
}

template <class Record>
void load(Platform& platform, DialogHandle dialog, const Record& record,
          std::type_identity_t<std::span<const Field<Record>>> fields) {
    for (const Field<Record>& field : fields) {
        if (field.text)
            platform.setControlText(dialog, field.control, shownText(record.*field.text));
        if (field.flag) platform.setControlState(dialog, field.control, record.*field.flag);
    }
}

template <class Record>
void save(Platform& platform, DialogHandle dialog, Record& record,
          std::type_identity_t<std::span<const Field<Record>>> fields) {
    for (const Field<Record>& field : fields) {
        if (field.text) {
            record.*field.text =
                text::cutToWidth(platform.controlText(dialog, field.control), field.width);
        }
        if (field.flag) record.*field.flag = platform.controlState(dialog, field.control);
    }
}

// What save gives back after load when nothing was typed: each text as
// shown, cut to its width; every flag as it was.
template <class Record>
void giveBackUntouched(Record& record,
                       std::type_identity_t<std::span<const Field<Record>>> fields) {
    for (const Field<Record>& field : fields) {
        if (field.text) {
            record.*field.text = text::cutToWidth(shownText(record.*field.text), field.width);
        }
    }
}

}  // namespace calorvia::platform
