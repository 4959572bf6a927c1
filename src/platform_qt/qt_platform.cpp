#include "platform_qt/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <system_error>
#include <thread>

#include "platform_qt/canvas.h"
#include "platform_qt/canvas_widget.h"
#include "platform_qt/dialog_placement.h"
#include "platform_qt/gui_caller.h"
#include "platform_qt/help_window.h"
#include "platform_qt/interface_language.h"
#include "platform_qt/main_window.h"
#include "platform_qt/template_dialog.h"
#include "platform_qt/text_editor_window.h"
#include "platform_qt/user_wait_timer.h"
#include "texts/shell_texts.h"

namespace calorvia::platform_qt {
namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::filesystem::path pathOf(std::string_view text) {
    return std::filesystem::path(std::string(text));
}

platform::PixelSize toPixelSize(QSize size) {
    return {size.width(), size.height()};
}

QScreen* screenOf(const QWidget& widget) {
    QScreen* screen = widget.screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

QRect QtPlatform::availableScreenArea() const {
    return screenOf(*window_)->availableGeometry();
}

// The window system's frame around `window`: its own once it is shown,
// else the main window's, which new windows get alike.
QMargins QtPlatform::frameMarginsOf(const QWidget& window) const {
    const QWidget& measured = window.isVisible() ? window : *window_;
    const QRect outer = measured.frameGeometry();
    const QRect inner = measured.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

namespace {

// Until the window is configured the canvas has the screen's size, so that
// early drawing is not lost.
QSize screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(800, 600);
}

}  // namespace

QtPlatform::QtPlatform()
    : canvas_(std::make_unique<Canvas>(screenSize())),
      window_(std::make_unique<MainWindow>(*canvas_)),
      gui_(std::make_unique<GuiCaller>(window_.get())),
      language_(std::make_unique<InterfaceLanguage>()),
      documentMapper_([](const std::filesystem::path& path) { return path; }),
      urlOpener_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    canvas_->setChangeHandler([this] { scheduleRepaint(); });
    // When the event loop has ended nothing queued to the GUI thread can
    // run any more; a worker waiting for it must be let go.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, window_.get(),
                     [this] { gui_->close(); });
}

QtPlatform::~QtPlatform() {
    gui_->close();
    canvas_->setChangeHandler({});
    dialogs_.clear();
    helpWindow_.reset();
}

bool QtPlatform::onGui(const std::function<void()>& work) {
    return gui_->call(work);
}

bool QtPlatform::closed() const {
    return gui_->closed();
}

void QtPlatform::stopServingWorkers() {
    gui_->close();
}

void QtPlatform::scheduleRepaint() {
    // One repaint stands for every change made before it runs.
    if (repaintPending_.exchange(true)) return;
    ++repaintRequests_;
    gui_->post([this] {
        repaintPending_ = false;
        window_->canvasWidget().update();
    });
}

QImage QtPlatform::canvasImage() const {
    return canvas_->image();
}

QString QtPlatform::currentFontFamily() const {
    return QFontInfo(canvas_->font()).family();
}

// ------------------------------------------------------------------ window

platform::PixelSize QtPlatform::configureGraphicsWindow(std::string_view title) {
    QSize obtained;
    onGui([&] {
        window_->setWindowTitle(fromView(title));
        obtained = screenOf(*window_)->size();
        canvas_->resize(obtained);
        window_->canvasWidget().adoptCanvasSize();
        if (!window_->isVisible()) window_->show();
    });
    return toPixelSize(obtained);
}

platform::PixelSize QtPlatform::frameMaximumSize() {
    QSize size;
    onGui([&] { size = screenOf(*window_)->availableGeometry().size(); });
    return toPixelSize(size);
}

platform::PixelSize QtPlatform::frameCurrentSize() {
    QSize size;
    onGui([&] { size = window_->frameGeometry().size(); });
    return toPixelSize(size);
}

void QtPlatform::setFrameSize(platform::PixelSize size) {
    onGui([&] {
        if (window_->isMaximized()) window_->showNormal();
        // The size asked for is the outer one; the decorations come off it.
        const QSize decorations = window_->frameGeometry().size() - window_->geometry().size();
        window_->resize(QSize(size.width, size.height) - decorations);
    });
}

// The frame first takes the whole available area itself: without a window
// manager, or with one that ignores the request, maximising changes nothing,
// and the right part of the drawing would stay out of sight.
void QtPlatform::maximizeFrame() {
    onGui([&] {
        window_->setGeometry(availableScreenArea().marginsRemoved(frameMarginsOf(*window_)));
        window_->showMaximized();
    });
}

// ------------------------------------------------------------------- menus

void QtPlatform::appendMenuItem(int menu, std::string_view text, platform::MenuItemKind kind,
                                platform::Command command) {
    onGui([&] { window_->appendMenuItem(menu, fromView(text), kind, std::move(command)); });
}

void QtPlatform::setMenuItemText(int menu, int item, std::string_view text) {
    onGui([&] { window_->setMenuItemText(menu, item, fromView(text)); });
}

void QtPlatform::setMenuItemCommand(int menu, int item, platform::Command command) {
    onGui([&] { window_->setMenuItemCommand(menu, item, std::move(command)); });
}

void QtPlatform::setMenuItemEnabled(int menu, int item, bool enabled) {
    onGui([&] { window_->setMenuItemEnabled(menu, item, enabled); });
}

void QtPlatform::setWindowCloseCommand(platform::Command command) {
    onGui([&] { window_->setCloseCommand(std::move(command)); });
}

// -------------------------------------------------------- built-in commands

void QtPlatform::printGraphics() {
    onGui([&] {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, window_.get());
        dialog.setObjectName(QStringLiteral("calorviaPrintDialog"));
        if (dialog.exec() != QDialog::Accepted) return;
        const QImage picture = canvas_->image();
        QPainter painter(&printer);
        // The whole graphics area, as large as the page allows, proportions
        // kept.
        const QRect page = painter.viewport();
        const QSize fitted = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
        painter.drawImage(QRect(page.topLeft(), fitted), picture);
    });
}

void QtPlatform::copyGraphicsToClipboard() {
    onGui([&] {
        CanvasWidget& widget = window_->canvasWidget();
        const auto region = widget.selection();
        QApplication::clipboard()->setImage(region ? canvas_->image(*region) : canvas_->image());
        // A selection serves one copy.
        widget.clearSelection();
    });
}

void QtPlatform::selectGraphics() {
    onGui([&] { window_->canvasWidget().armSelection(); });
}

std::optional<QRect> QtPlatform::graphicsSelection() const {
    std::optional<QRect> region;
    gui_->call([&] { region = window_->canvasWidget().selection(); });
    return region;
}

// The help on the window itself: menus, keys, dialogs, the scale dialog,
// selecting and copying the graph, in the language in force.
void QtPlatform::showPlatformHelp() {
    std::string name;
    onGui(
        [&] { name = texts::textFor(texts::ShellText::WindowHelpDocument, interfaceLanguage()); });
    openDocument(name, platform::WindowShow::Normal);
}

void QtPlatform::setInterfaceLanguage(std::int32_t languageCode) {
    onGui([&] { language_->switchTo(texts::languageFromCode(languageCode)); });
}

HelpWindow* QtPlatform::helpWindow() {
    HelpWindow* window = nullptr;
    gui_->call([&] { window = helpWindow_.get(); });
    return window;
}

void QtPlatform::showHelp(const QUrl& document) {
    const bool created = !helpWindow_;
    if (created) {
        helpWindow_ = std::make_unique<HelpWindow>([this](const QUrl& url) { urlOpener_(url); });
    }
    placeHelpWindow(created);
    helpWindow_->showDocument(document);
}

// The Syntax button opens the help while its step waits for the student,
// who reads the page and types in the step's fields at once: the help then
// goes beside the step, leaving the summary panel in sight as well, however
// narrow that makes it. A help window the student has put elsewhere stays
// there unless it covers one of them.
void QtPlatform::placeHelpWindow(bool created) {
    constexpr QSize kSmallestHelp(240, 300);
    const QRect available = availableScreenArea();
    const QMargins frame = frameMarginsOf(*helpWindow_);
    const QSize natural(std::min(760, available.width() * 9 / 10),
                        std::min(700, available.height() * 9 / 10));
    std::vector<QRect> inSight;
    for (const auto& [handle, dialog] : dialogs_) {
        if (dialog->isVisible()) inSight.push_back(dialog->frameGeometry());
    }
    if (!inSight.empty()) {
        if (const std::optional<QRect> clear = globalAreaKeptClear()) inSight.push_back(*clear);
        const QRect now = helpWindow_->frameGeometry();
        const bool covers = std::any_of(inSight.begin(), inSight.end(),
                                        [&](const QRect& area) { return now.intersects(area); });
        if (!created && helpWindow_->isVisible() && !covers) return;
        if (const auto room = roomClearOf(natural.grownBy(frame), kSmallestHelp.grownBy(frame),
                                          inSight, available)) {
            helpWindow_->resize(room->size().shrunkBy(frame));
            helpWindow_->move(room->topLeft());
            return;
        }
    }
    if (!created) return;
    // Beside the main window's right half, as large as the screen allows.
    helpWindow_->resize(natural);
    const QSize outer = natural.grownBy(frame);
    helpWindow_->move(spotCentredOn(
        outer, QPoint(available.right() - outer.width() / 2, available.center().y()), available));
}

void QtPlatform::setAboutText(std::string_view text) {
    onGui([&] { aboutText_ = fromView(text); });
}

void QtPlatform::showAbout() {
    onGui([&] {
        QMessageBox::about(window_.get(), uiText(texts::ShellText::AboutBoxTitle), aboutText_);
    });
}

void QtPlatform::closeApplication() {
    // Queued, so the command that asked returns first.
    gui_->post([this] {
        window_->closeForGood();
        gui_->close();
        QCoreApplication::quit();
    });
}

// ---------------------------------------------------------------- graphics

void QtPlatform::remapPalette(const platform::Palette& palette) {
    canvas_->remapPalette(palette);
}
void QtPlatform::setColorIndex(int index) {
    canvas_->setColorIndex(index);
}
void QtPlatform::setColorRgb(platform::Rgb colour) {
    canvas_->setColorRgb(colour);
}
void QtPlatform::setBackgroundRgb(platform::Rgb colour) {
    canvas_->setBackgroundRgb(colour);
}
void QtPlatform::clearScreen() {
    canvas_->clear();
}
void QtPlatform::moveTo(int x, int y) {
    canvas_->moveTo(x, y);
}
void QtPlatform::lineTo(int x, int y) {
    canvas_->lineTo(x, y);
}
// One lock of the canvas and one repaint request for the whole series.
void QtPlatform::lineThrough(std::span<const platform::PixelPoint> points) {
    std::vector<QPoint> ends;
    ends.reserve(points.size());
    for (const platform::PixelPoint& point : points) ends.emplace_back(point.x, point.y);
    canvas_->lineThrough(ends);
}

void QtPlatform::drawRectangle(platform::FillMode fill, int x1, int y1, int x2, int y2) {
    canvas_->drawRectangle(fill, x1, y1, x2, y2);
}

void QtPlatform::drawEllipse(platform::FillMode fill, int x1, int y1, int x2, int y2) {
    canvas_->drawEllipse(fill, x1, y1, x2, y2);
}

void QtPlatform::setTextRotation(int tenthsOfDegree) {
    canvas_->setTextRotation(tenthsOfDegree);
}
void QtPlatform::outText(std::string_view text) {
    canvas_->outText(text);
}
platform::PixelSize QtPlatform::textExtent(std::string_view text) {
    return canvas_->textExtent(text);
}
int QtPlatform::selectFont(std::string_view descriptor) {
    return canvas_->selectFont(descriptor);
}

bool QtPlatform::showBitmap(std::string_view path, int x, int y) {
    // QImage reads .bmp among others; decoding needs no GUI thread.
    const QImage picture(fromView(path));
    if (picture.isNull()) return false;
    canvas_->drawPicture(picture, x, y);
    return true;
}

// ------------------------------------------------------------------- shell

void QtPlatform::setDocumentMapper(DocumentMapper mapper) {
    onGui([&] { documentMapper_ = std::move(mapper); });
}

void QtPlatform::setUrlOpener(UrlOpener opener) {
    onGui([&] { urlOpener_ = std::move(opener); });
}

void QtPlatform::setExternalEditor(std::vector<std::string> command) {
    onGui([&] { externalEditor_ = std::move(command); });
}

void QtPlatform::openDocument(std::string_view document, platform::WindowShow /*show*/) {
    // The current directory of the moment of the call; the window state is
    // the viewer's to choose.
    std::error_code error;
    const std::filesystem::path requested = std::filesystem::absolute(pathOf(document), error);
    if (error) return;
    onGui([&] {
        const std::filesystem::path found = documentMapper_(requested);
        std::error_code missing;
        if (found.empty() || !std::filesystem::is_regular_file(found, missing)) return;
        const QString file = QString::fromStdString(found.string());
        if (HelpWindow::shows(file)) {
            showHelp(QUrl::fromLocalFile(file));
        } else {
            urlOpener_(QUrl::fromLocalFile(file));
        }
    });
}

void QtPlatform::openAddress(std::string_view address) {
    onGui([&] {
        const QUrl url(fromView(address), QUrl::TolerantMode);
        if (url.isLocalFile() && HelpWindow::shows(url.toLocalFile())) {
            // The section named after "#" too.
            if (QFileInfo(url.toLocalFile()).isFile()) showHelp(url);
            return;
        }
        urlOpener_(url);
    });
}

void QtPlatform::editTextFile(std::string_view path, bool wait) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(pathOf(path), error);
    if (error) return;
    const QString file = QString::fromStdString(absolute.string());
    std::optional<UserWaitTimer> waiting;
    if (wait) waiting.emplace();
    // A configured editor that cannot be started leaves the built-in one.
    if (runExternalEditor(file, wait)) return;
    onGui([&] { runBuiltInEditor(file, wait); });
}

void QtPlatform::runBuiltInEditor(const QString& path, bool wait) {
    auto* editor = new TextEditorWindow(path, window_.get());
    placeEditor(*editor);
    if (!wait) {
        editor->show();
        return;
    }
    editor->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(editor, &QObject::destroyed, &loop, &QEventLoop::quit);
    editor->show();
    loop.exec();
}

// Editors opened together are cascaded: each one a step lower and to the
// right of the one before, the rows and columns of the cascade starting again
// where the next would leave the screen, so that eight windows at once on a
// small screen still show every title bar. None is larger than the screen
// allows.
void QtPlatform::placeEditor(QWidget& editor) {
    constexpr int kCascadeStep = 28;
    const QRect available = availableScreenArea();
    const QMargins frame = frameMarginsOf(*window_);
    editor.resize(std::min(800, available.width() * 7 / 10 - frame.left() - frame.right()),
                  std::min(600, available.height() * 7 / 10 - frame.top() - frame.bottom()));
    const QSize outer = editor.size().grownBy(frame);
    if (!lastEditor_ || !lastEditor_->isVisible()) cascaded_ = 0;
    const int across = std::max(1, (available.width() - kCascadeStep - outer.width()) / kCascadeStep + 1);
    const int down = std::max(1, (available.height() - kCascadeStep - outer.height()) / kCascadeStep + 1);
    const QPoint first = available.topLeft() + QPoint(kCascadeStep, kCascadeStep);
    editor.move(first + kCascadeStep * QPoint(cascaded_ % across, cascaded_ % down));
    ++cascaded_;
    lastEditor_ = &editor;
}

bool QtPlatform::runExternalEditor(const QString& path, bool wait) {
    std::vector<std::string> command;
    onGui([&] { command = externalEditor_; });
    if (command.empty()) return false;
    const QString program = QString::fromStdString(command.front());
    QStringList arguments;
    for (std::size_t i = 1; i < command.size(); ++i) {
        arguments << QString::fromStdString(command[i]);
    }
    arguments << path;
    if (!wait) return QProcess::startDetached(program, arguments);
    if (gui_->onGuiThread()) {
        QProcess process;
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
        process.start(program, arguments);
        if (!process.waitForStarted()) return false;
        if (process.state() != QProcess::NotRunning) loop.exec();
        return true;
    }
    // On the worker the wait blocks only the worker.
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted()) return false;
    process.waitForFinished(-1);
    return true;
}

void QtPlatform::beep(int /*frequencyHz*/, int /*durationMs*/) {
    // The desktop bell has one pitch and length of its own.
    gui_->post([] { QApplication::beep(); });
}

void QtPlatform::pause(int milliseconds) {
    if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

double QtPlatform::clockSeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace calorvia::platform_qt
