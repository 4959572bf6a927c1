#include "platform_qt/help_window.h"

#include <QAction>
#include <QEvent>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>

#include "platform_qt/interface_language.h"
#include "texts/shell_texts.h"

namespace calorvia::platform_qt {

using texts::ShellText;

HelpWindow::HelpWindow(ExternalOpener openExternal)
    : browser_(new QTextBrowser(this)), openExternal_(std::move(openExternal)) {
    setObjectName(QStringLiteral("calorviaHelpWindow"));
    // Links are followed here: local documents in the window, the rest by
    // the desktop.
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    setCentralWidget(browser_);

    QToolBar* bar = addToolBar(QString());
    bar->setObjectName(QStringLiteral("calorviaHelpToolBar"));
    bar->setMovable(false);
    back_ = bar->addAction(QString(), browser_, &QTextBrowser::backward);
    back_->setObjectName(QStringLiteral("calorviaHelpBack"));
    back_->setShortcut(QKeySequence::Back);
    back_->setEnabled(false);
    forward_ = bar->addAction(QString(), browser_, &QTextBrowser::forward);
    forward_->setObjectName(QStringLiteral("calorviaHelpForward"));
    forward_->setShortcut(QKeySequence::Forward);
    forward_->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { showTitle(); });
    retranslate();
}

bool HelpWindow::shows(const QString& path) {
    static const QStringList kSuffixes{QStringLiteral("html"), QStringLiteral("htm"),
                                       QStringLiteral("md"),   QStringLiteral("markdown"),
                                       QStringLiteral("txt")};
    return kSuffixes.contains(QFileInfo(path).suffix().toLower());
}

void HelpWindow::showDocument(const QUrl& document) {
    browser_->setSource(document);
    showTitle();
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void HelpWindow::followLink(const QUrl& link) {
    const QUrl target = browser_->source().resolved(link);
    if (target.isLocalFile() && shows(target.toLocalFile())) {
        browser_->setSource(target);
        return;
    }
    // A place inside the document shown.
    if (link.isRelative() && link.path().isEmpty() && !link.fragment().isEmpty()) {
        browser_->scrollToAnchor(link.fragment());
        return;
    }
    if (openExternal_) openExternal_(target);
}

void HelpWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(event);
}

void HelpWindow::retranslate() {
    back_->setText(uiText(ShellText::HelpBack));
    forward_->setText(uiText(ShellText::HelpForward));
    showTitle();
}

void HelpWindow::showTitle() {
    // The document's own title; a document without one by its file name.
    QString title = browser_->documentTitle();
    if (title.isEmpty()) title = QFileInfo(browser_->source().toLocalFile()).fileName();
    setWindowTitle(title.isEmpty() ? uiText(ShellText::HelpWindowTitle) : title);
}

}  // namespace calorvia::platform_qt
