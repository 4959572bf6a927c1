#pragma once
// The program's own plain-text editor: what "notepad.exe FILE" stands for.
//
// One file per window, read and written as UTF-8. Save replaces the file
// through a temporary file in the same folder, so a failed save never leaves
// half a file. A missing file opens empty under its name and is created by
// the first save. Closing with unsaved changes asks whether to keep them.
// Its menu speaks the program's language and follows it when it changes.

#include <QMainWindow>
#include <QString>

class QAction;
class QMenu;
class QPlainTextEdit;

namespace calorvia::platform_qt {

class TextEditorWindow : public QMainWindow {
    Q_OBJECT

public:
    TextEditorWindow(const QString& path, QWidget* parent);

    QString path() const { return path_; }
    QPlainTextEdit& editor() { return *editor_; }
    // Writes the text to the file; false (and a message) when that fails.
    bool save();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void load();
    void showTitle();
    void retranslate();

    QString path_;
    QPlainTextEdit* editor_;
    QMenu* fileMenu_;
    QAction* saveAction_;
    QAction* closeAction_;
};

}  // namespace calorvia::platform_qt
