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

namespace calorvia::platform_qt {

TextEditorWindow::TextEditorWindow(const QString& path, QWidget* parent)
    : QMainWindow(parent), path_(path), editor_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("calorviaTextEditor"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    // Result files are tables in fixed columns.
    editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    setCentralWidget(editor_);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* saveAction = file->addAction(tr("&Save"), this, [this] { save(); });
    saveAction->setObjectName(QStringLiteral("calorviaEditorSave"));
    saveAction->setShortcut(QKeySequence::Save);
    QAction* closeAction = file->addAction(tr("&Close"), this, [this] { close(); });
    closeAction->setObjectName(QStringLiteral("calorviaEditorClose"));
    closeAction->setShortcut(QKeySequence::Close);

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
                         tr("%1 could not be saved: %2").arg(path_, file.errorString()));
    return false;
}

void TextEditorWindow::closeEvent(QCloseEvent* event) {
    if (editor_->document()->isModified()) {
        const auto answer = QMessageBox::question(
            this, windowTitle(), tr("Save the changes to %1?").arg(QFileInfo(path_).fileName()),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !save())) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

}  // namespace calorvia::platform_qt
