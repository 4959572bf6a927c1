#pragma once
// The language of the desktop's own texts: the editor's and the help
// window's menus and buttons, the About box's title, and Qt's standard
// buttons and file dialogs.
//
// The program says which language is in force (Platform::setInterfaceLanguage)
// and the texts come from the bilingual catalogue; Qt's own texts come from
// Qt's Brazilian Portuguese catalogue, qtbase_pt_BR.qm (Debian package
// qt6-translations-l10n), installed while the language is Portuguese. Every
// function here runs on the GUI thread.

#include <QString>
#include <memory>

#include "texts/text_catalogue.h"

class QTranslator;

namespace calorvia::platform_qt {

// The language in force; English until the program says otherwise.
texts::Language interfaceLanguage();

// A catalogue text in the language in force ("&" access keys kept), and the
// same with its first "{}" replaced by `value`.
QString uiText(texts::Text text);
QString uiText(texts::Text text, const QString& value);

// Switches the language in force and Qt's catalogue with it. Widgets that
// are up receive Qt's LanguageChange event. Returns false when Portuguese
// was asked for but Qt's catalogue cannot be loaded: the program's own texts
// are Portuguese then, Qt's standard buttons stay English.
class InterfaceLanguage {
public:
    InterfaceLanguage();
    ~InterfaceLanguage();
    InterfaceLanguage(const InterfaceLanguage&) = delete;
    InterfaceLanguage& operator=(const InterfaceLanguage&) = delete;

    bool switchTo(texts::Language language);

private:
    std::unique_ptr<QTranslator> qtCatalogue_;
};

// Where Qt's catalogue is looked for: the QT translations folder of the
// installation, e.g. /usr/share/qt6/translations.
QString qtCatalogueFolder();
inline constexpr const char* kQtPortugueseCatalogue = "qtbase_pt_BR";

}  // namespace calorvia::platform_qt
