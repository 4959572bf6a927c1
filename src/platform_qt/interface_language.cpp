#include "platform_qt/interface_language.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>
#include <QApplication>

namespace calorvia::platform_qt {
namespace {

texts::Language languageInForce = texts::Language::English;

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

texts::Language interfaceLanguage() {
    return languageInForce;
}

QString uiText(texts::Text text) {
    return fromView(texts::textFor(text, languageInForce));
}

QString uiText(texts::Text text, const QString& value) {
    return fromView(texts::withValue(texts::textFor(text, languageInForce), value.toStdString()));
}

QString qtCatalogueFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

InterfaceLanguage::InterfaceLanguage() = default;

// The platform that chose the language is gone: the next one starts in
// English, as every platform does.
InterfaceLanguage::~InterfaceLanguage() {
    if (qtCatalogue_) QCoreApplication::removeTranslator(qtCatalogue_.get());
    languageInForce = texts::Language::English;
}

bool InterfaceLanguage::switchTo(texts::Language language) {
    languageInForce = language;
    bool loaded = true;
    if (language == texts::Language::Portuguese && !qtCatalogue_) {
        auto catalogue = std::make_unique<QTranslator>();
        loaded = catalogue->load(QString::fromLatin1(kQtPortugueseCatalogue), qtCatalogueFolder());
        if (loaded) {
            QCoreApplication::installTranslator(catalogue.get());
            qtCatalogue_ = std::move(catalogue);
        }
    } else if (language != texts::Language::Portuguese && qtCatalogue_) {
        QCoreApplication::removeTranslator(qtCatalogue_.get());
        qtCatalogue_.reset();
    }
    // Qt tells the windows of a new catalogue only later, by posted events;
    // the windows that are up learn it now, so that what the program shows
    // next is already in the new language.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        QEvent event(QEvent::LanguageChange);
        QCoreApplication::sendEvent(window, &event);
    }
    return loaded;
}

}  // namespace calorvia::platform_qt
