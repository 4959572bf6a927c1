#pragma once
// The program's own help window: the help documents (HTML), the README
// (Markdown) and any plain text, shown in a browser pane with Back and
// Forward, so that help opens wherever the program runs, with or without a
// desktop that knows how to open documents.
//
// Links between documents are followed inside the window; a link to the web
// or to an e-mail address is handed to the desktop. The window has no parent,
// so that a case-entry dialog that waits for its answer does not block it:
// the student can read and scroll the syntax page while the dialog is open.

#include <QMainWindow>
#include <QUrl>
#include <functional>

class QAction;
class QTextBrowser;

namespace calorvia::platform_qt {

class HelpWindow : public QMainWindow {
    Q_OBJECT

public:
    using ExternalOpener = std::function<void(const QUrl&)>;

    explicit HelpWindow(ExternalOpener openExternal);

    // Shows `document` (a local file), raises the window and gives it the
    // focus; the document joins the Back history.
    void showDocument(const QUrl& document);

    QTextBrowser& browser() { return *browser_; }
    QAction& backAction() { return *back_; }
    QAction& forwardAction() { return *forward_; }

    // Can this window show the file? HTML, Markdown and plain text.
    static bool shows(const QString& path);

protected:
    void changeEvent(QEvent* event) override;

private:
    void followLink(const QUrl& link);
    void retranslate();
    void showTitle();

    QTextBrowser* browser_;
    QAction* back_;
    QAction* forward_;
    ExternalOpener openExternal_;
};

}  // namespace calorvia::platform_qt
