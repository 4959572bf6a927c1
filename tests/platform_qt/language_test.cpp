// The platform's own texts in the program's language: Qt's standard buttons
// and file dialogs from Qt's Portuguese catalogue, the editor's menu and the
// About box's title from the program's catalogue, switched back and forth
// with the language.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "gui_test_support.h"
#include "platform_qt/interface_language.h"
#include "platform_qt/qt_platform.h"
#include "platform_qt/text_editor_window.h"

namespace calorvia::platform_qt {
namespace {

using namespace testing;

class LanguageTest : public ::testing::Test {
protected:
    TemporaryWorkingFolder folder;
    QtPlatform platform;
};

// The texts of the buttons of a Yes/No question, in their order.
QStringList questionButtons(QtPlatform& platform) {
    QStringList texts;
    auto user = WhenModal::of<QMessageBox>([&](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons()) texts << button->text();
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(platform.messageBox("Cancelar simulação?", "Atenção", platform::kMessageYesNo),
              platform::kAnswerNo);
    EXPECT_TRUE(user->acted());
    texts.sort();
    return texts;
}

TEST_F(LanguageTest, QtsCatalogueIsInstalledWhereTheProgramLooksForIt) {
    // Debian's qt6-translations-l10n; without it Portuguese buttons stay English.
    EXPECT_TRUE(QFileInfo(qtCatalogueFolder() + "/" + kQtPortugueseCatalogue + ".qm").isFile())
        << qtCatalogueFolder().toStdString();
}

TEST_F(LanguageTest, QuestionsAnswerSimOrNaoInPortugueseAndYesOrNoInEnglish) {
    EXPECT_EQ(questionButtons(platform), (QStringList{"&No", "&Yes"}));
    platform.setInterfaceLanguage(platform::kLanguagePortuguese);
    EXPECT_EQ(questionButtons(platform), (QStringList{"&Não", "&Sim"}));
    platform.setInterfaceLanguage(platform::kLanguageEnglish);
    EXPECT_EQ(questionButtons(platform), (QStringList{"&No", "&Yes"}));
}

struct FileDialogTexts {
    QString lookIn;
    QString fileName;
    QString accept;
};

FileDialogTexts openDialogTexts(QtPlatform& platform, const std::filesystem::path& folder) {
    FileDialogTexts texts;
    auto user = WhenModal::of<QFileDialog>([&](QFileDialog& dialog) {
        if (auto* label = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"))) {
            texts.lookIn = label->text();
        }
        if (auto* label = dialog.findChild<QLabel*>(QStringLiteral("fileNameLabel"))) {
            texts.fileName = label->text();
        }
        if (auto* box = dialog.findChild<QDialogButtonBox*>()) {
            if (QPushButton* accept = box->button(QDialogButtonBox::Open)) {
                texts.accept = accept->text();
            }
        }
        dialog.reject();
    });
    EXPECT_FALSE(platform.openFileDialog(platform::caseFileDialogRequest(
                     "Abrir Arquivo de Dados", folder.string(), "")));
    EXPECT_TRUE(user->acted());
    return texts;
}

TEST_F(LanguageTest, TheFileDialogsFollowTheLanguage) {
    platform.setInterfaceLanguage(platform::kLanguagePortuguese);
    const FileDialogTexts portuguese = openDialogTexts(platform, folder.path());
    EXPECT_EQ(portuguese.lookIn, QStringLiteral("Procurar em:"));
    EXPECT_EQ(portuguese.fileName, QStringLiteral("&Nome do arquivo:"));
    EXPECT_EQ(portuguese.accept, QStringLiteral("Abrir"));

    platform.setInterfaceLanguage(platform::kLanguageEnglish);
    const FileDialogTexts english = openDialogTexts(platform, folder.path());
    EXPECT_EQ(english.lookIn, QStringLiteral("Look in:"));
    EXPECT_EQ(english.accept, QStringLiteral("Open"));
}

TextEditorWindow* editorOn(const QString& fileName) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* editor = qobject_cast<TextEditorWindow*>(widget);
        if (editor && editor->isVisible() && QFileInfo(editor->path()).fileName() == fileName) {
            return editor;
        }
    }
    return nullptr;
}

QStringList editorMenu(TextEditorWindow& editor) {
    QMenu* file = editor.findChild<QMenu*>(QStringLiteral("calorviaEditorFileMenu"));
    if (!file) return {};
    QStringList texts{file->title()};
    for (QAction* action : file->actions()) texts << action->text();
    return texts;
}

TEST_F(LanguageTest, TheEditorsMenuSpeaksTheLanguageAndFollowsAChange) {
    platform.setInterfaceLanguage(platform::kLanguagePortuguese);
    writeFile(folder.path() / "Dados.txt", "1\n");
    platform.editTextFile("Dados.txt", false);
    TextEditorWindow* editor = editorOn(QStringLiteral("Dados.txt"));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editorMenu(*editor), (QStringList{"&Arquivo", "&Salvar", "&Fechar"}));

    // An editor that is open when the language changes follows it.
    platform.setInterfaceLanguage(platform::kLanguageEnglish);
    EXPECT_EQ(editorMenu(*editor), (QStringList{"&File", "&Save", "&Close"}));
    editor->close();
}

TEST_F(LanguageTest, TheAboutBoxIsTitledInTheLanguage) {
    for (const auto& [code, title] :
         {std::pair{platform::kLanguagePortuguese, QStringLiteral("Sobre o Calorvia")},
          std::pair{platform::kLanguageEnglish, QStringLiteral("About Calorvia")}}) {
        platform.setInterfaceLanguage(code);
        QString shown;
        auto user = WhenModal::of<QMessageBox>([&](QMessageBox& box) {
            shown = box.windowTitle();
            box.accept();
        });
        platform.showAbout();
        EXPECT_TRUE(user->acted());
        EXPECT_EQ(shown, title);
    }
}

TEST(LanguageLifetimeTest, APlatformThatSpokePortugueseLeavesEnglishBehind) {
    {
        QtPlatform first;
        first.setInterfaceLanguage(platform::kLanguagePortuguese);
        EXPECT_EQ(interfaceLanguage(), texts::Language::Portuguese);
    }
    QtPlatform second;
    EXPECT_EQ(interfaceLanguage(), texts::Language::English);
    EXPECT_EQ(questionButtons(second), (QStringList{"&No", "&Yes"}));
}

}  // namespace
}  // namespace calorvia::platform_qt
