#include "platform_qt/text_editor_window.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSaveFile>

#include "platform_qt/interface_language.h"
#include "texts/shell_texts.h"

namespace calorvia::platform_qt {

using texts::ShellText;

TextEditorWindow::TextEditorWindow(const QString& path, QWidget* parent)
    : QMainWindow(parent), path_(path), editor_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("calorviaTextEditor"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    // Result files are tables in fixed columns.
    editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    setCentralWidget(editor_);

    fileMenu_ = menuBar()->addMenu(QString());
    fileMenu_->setObjectName(QStringLiteral("calorviaEditorFileMenu"));
    saveAction_ = fileMenu_->addAction(QString(), this, [this] { save(); });
    saveAction_->setObjectName(QStringLiteral("calorviaEditorSave"));
    saveAction_->setShortcut(QKeySequence::Save);
    closeAction_ = fileMenu_->addAction(QString(), this, [this] { close(); });
    closeAction_->setObjectName(QStringLiteral("calorviaEditorClose"));
    closeAction_->setShortcut(QKeySequence::Close);
    retranslate();

    load();
    connect(editor_->document(), &QTextDocument::modificationChanged, this,
            [this] { showTitle(); });
    showTitle();
    resize(800, 600);
}

void TextEditorWindow::load() {
    QFile file(path_);
    if (file.open(QIODevice::ReadOnly)) {
        editor_->setPlainText(QString::fromUtf8(file.readAll()));
    }
    editor_->document()->setModified(false);
}

void TextEditorWindow::showTitle() {
    const QString name = QFileInfo(path_).fileName();
    setWindowTitle(editor_->document()->isModified() ? QStringLiteral("*%1").arg(name) : name);
}

bool TextEditorWindow::save() {
    QSaveFile file(path_);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(editor_->toPlainText().toUtf8());
        if (file.commit()) {
            editor_->document()->setModified(false);
            return true;
        }
    }
    QMessageBox::warning(this, windowTitle(),
                         uiText(ShellText::EditorSaveFailed, path_)
                             .replace(QStringLiteral("{}"), file.errorString()));
    return false;
}

void TextEditorWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(event);
}

void TextEditorWindow::retranslate() {
    fileMenu_->setTitle(uiText(ShellText::EditorFileMenu));
    saveAction_->setText(uiText(ShellText::EditorSave));
    closeAction_->setText(uiText(ShellText::EditorClose));
}

void TextEditorWindow::closeEvent(QCloseEvent* event) {
    if (editor_->document()->isModified()) {
        const auto answer = QMessageBox::question(
            this, windowTitle(), uiText(ShellText::EditorSaveChanges, QFileInfo(path_).fileName()),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !save())) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

}  // namespace calorvia::platform_qt
