#include "graphs/scheme_dialog.h"

#include "platform/dialog_bindings.h"
#include "platform/dialog_templates.h"

namespace calorvia::graphs {

SchemeButton runSchemeDialog(platform::Platform& platform, std::int32_t language,
                             SchemeButton preselected, std::string_view pecletLine) {
    namespace scheme = platform::scheme_dialog;
    const auto dialog =
        platform::createDialogIn(platform, scheme::kTemplate, texts::languageFromCode(language));
    platform.setControlText(dialog, scheme::kPecletLine, pecletLine);
    const bool cds = preselected == SchemeButton::CDS;
    platform.setControlState(dialog, cds ? scheme::kCdsRadio : scheme::kUpwindRadio, true);
    platform.runDialog(dialog);
    const bool cdsChosen = platform.controlState(dialog, scheme::kCdsRadio);
    platform.releaseDialog(dialog);
    return cdsChosen ? SchemeButton::CDS : SchemeButton::Upwind;
}

}  // namespace calorvia::graphs
