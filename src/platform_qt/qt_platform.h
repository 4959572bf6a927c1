#pragma once
// QtPlatform: the Platform of the desktop program, on Qt Widgets.
//
// Construct it on the GUI thread after the QApplication. The program's main
// thread is then started as a worker; every operation may be called from
// either thread:
//  - window, menu, dialog, message-box, file-dialog, editor and shell
//    operations run on the GUI thread; a worker's call is carried there and
//    the worker waits for it (GuiCaller), so a modal window opened by the
//    worker blocks the worker only;
//  - drawing goes straight into the raster canvas under its lock, from any
//    thread, and schedules one repaint for however many calls came before
//    the GUI thread got round to it;
//  - pause, clock and files run on the calling thread.
// Once the GUI's event loop has ended, a worker's calls no longer wait: a
// message box answers with its escape button, a dialog with Cancel, a file
// dialog with nothing. Join the worker before destroying the platform.

#include <QImage>
#include <QMargins>
#include <QPointer>
#include <QRect>
#include <QString>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

class QDialog;
class QUrl;
class QWidget;

namespace calorvia::platform_qt {

class Canvas;
class GuiCaller;
class HelpWindow;
class InterfaceLanguage;
class MainWindow;
class TemplateDialog;

class QtPlatform final : public platform::Platform {
public:
    QtPlatform();
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    // --- window
    platform::PixelSize configureGraphicsWindow(std::string_view title) override;
    platform::PixelSize frameMaximumSize() override;
    platform::PixelSize frameCurrentSize() override;
    void setFrameSize(platform::PixelSize size) override;
    void maximizeFrame() override;

    // --- menus
    void appendMenuItem(int menu, std::string_view text, platform::MenuItemKind kind,
                        platform::Command command) override;
    void setMenuItemText(int menu, int item, std::string_view text) override;
    void setMenuItemCommand(int menu, int item, platform::Command command) override;
    void setMenuItemEnabled(int menu, int item, bool enabled) override;

    // --- built-in commands
    void printGraphics() override;
    void copyGraphicsToClipboard() override;
    void selectGraphics() override;
    void showPlatformHelp() override;
    void setAboutText(std::string_view text) override;
    void showAbout() override;
    void setInterfaceLanguage(std::int32_t languageCode) override;
    void closeApplication() override;

    // --- graphics
    void remapPalette(const platform::Palette& palette) override;
    void setColorIndex(int index) override;
    void setColorRgb(platform::Rgb colour) override;
    void setBackgroundRgb(platform::Rgb colour) override;
    void clearScreen() override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void lineThrough(std::span<const platform::PixelPoint> points) override;
    void drawRectangle(platform::FillMode fill, int x1, int y1, int x2, int y2) override;
    void drawEllipse(platform::FillMode fill, int x1, int y1, int x2, int y2) override;
    void setTextRotation(int tenthsOfDegree) override;
    void outText(std::string_view text) override;
    platform::PixelSize textExtent(std::string_view text) override;
    int selectFont(std::string_view descriptor) override;
    bool showBitmap(std::string_view path, int x, int y) override;

    // --- template dialogs
    platform::DialogHandle createDialog(int templateNumber) override;
    void setControlText(platform::DialogHandle dialog, int control, std::string_view text) override;
    std::string controlText(platform::DialogHandle dialog, int control) override;
    void setControlState(platform::DialogHandle dialog, int control, bool on) override;
    bool controlState(platform::DialogHandle dialog, int control) override;
    void setControlEnabled(platform::DialogHandle dialog, int control, bool enabled) override;
    void setControlRoutine(platform::DialogHandle dialog, int control,
                           platform::Command routine) override;
    int runDialog(platform::DialogHandle dialog) override;
    void releaseDialog(platform::DialogHandle dialog) override;
    void keepClearOfDialogs(std::optional<platform::PixelBox> area) override;

    // --- message boxes and file dialogs
    int messageBox(std::string_view text, std::string_view title, int flags) override;
    std::optional<platform::FileChoice> openFileDialog(
        const platform::FileDialogRequest& request) override;
    std::optional<platform::FileChoice> saveFileDialog(
        const platform::FileDialogRequest& request) override;
    std::optional<std::string> chooseFolder(std::string_view title,
                                            std::string_view initialFolder) override;

    // --- shell
    void openDocument(std::string_view document, platform::WindowShow show) override;
    void editTextFile(std::string_view path, bool wait) override;
    void openAddress(std::string_view address) override;
    void beep(int frequencyHz, int durationMs) override;
    void pause(int milliseconds) override;
    double clockSeconds() override;

    // ------------------------------------------------------- desktop settings

    // Where a requested document really is. Help documents are named as the
    // program names them ("Help.hlp", "Syntax.hlp"); the desktop program
    // maps those names onto the documents it ships. The mapper gets the
    // requested name made absolute in the current directory; the document
    // opens when the mapped file exists: in the help window when that shows
    // its kind (HTML, Markdown, plain text), else through the desktop. The
    // platform's own help (Windows Help) is the document "Window.hlp", or
    // "Janela.hlp" in Portuguese. The default maps every name to itself.
    using DocumentMapper = std::function<std::filesystem::path(const std::filesystem::path&)>;
    void setDocumentMapper(DocumentMapper mapper);

    // Hands an address or a document to the desktop; QDesktopServices by
    // default. Runs on the GUI thread. An address of a local file that the
    // help window shows (the home page) opens there instead, at its #section.
    using UrlOpener = std::function<void(const QUrl&)>;
    void setUrlOpener(UrlOpener opener);

    // A program to edit text files with instead of the built-in editor: the
    // program and its first arguments; the file's path is added last. It is
    // started directly, never through a shell. Empty: the built-in editor.
    void setExternalEditor(std::vector<std::string> command);

    // What the window's close box does; without a command it ends the
    // application.
    void setWindowCloseCommand(platform::Command command);

    // From now on a worker's calls no longer wait for the GUI thread. Done
    // by itself when the application's event loop ends; a main that stops
    // serving events otherwise calls it before joining the worker.
    void stopServingWorkers();
    // True once workers are no longer served.
    bool closed() const;

    // ------------------------------------------------------------ inspection

    MainWindow& mainWindow() { return *window_; }
    // A copy of the graphics area's pixels.
    QImage canvasImage() const;
    // How many repaints the drawing calls have scheduled so far.
    std::uint64_t repaintRequests() const { return repaintRequests_.load(); }
    // The dialog behind a handle, or nullptr once released.
    TemplateDialog* dialogWidget(platform::DialogHandle dialog);
    // The region "select graphics" marked, if one is marked.
    std::optional<QRect> graphicsSelection() const;
    // The font the next text will use, as Qt resolved it.
    QString currentFontFamily() const;
    // The help window, once something was shown in it; else nullptr.
    HelpWindow* helpWindow();
    // Where the area kept clear of dialogs is on the screen (global pixels),
    // the part of it the window shows; nothing when none is kept clear.
    std::optional<QRect> areaKeptClear();

private:
    // Runs `work` on the GUI thread; false when the GUI has closed.
    bool onGui(const std::function<void()>& work);
    void scheduleRepaint();
    TemplateDialog* findDialog(platform::DialogHandle dialog);
    std::optional<platform::FileChoice> fileDialog(const platform::FileDialogRequest& request,
                                                   bool save);
    int runMessageBox(const QString& text, const QString& title, int flags);
    // Places a template dialog before it runs, and a new editor (GUI thread).
    void placeDialog(TemplateDialog& dialog);
    void placeEditor(QWidget& editor);
    // Runs a message box or a file dialog modally, next to the area kept
    // clear when there is one and the screen has room (a `resizable` one made
    // smaller for it if need be), else where Qt puts it (GUI thread).
    int execClearOfKeptArea(QDialog& dialog, bool resizable);
    // Places the help window: beside the template dialog that is running and
    // clear of the area kept clear, else on the right of the screen.
    void placeHelpWindow(bool created);
    QMargins frameMarginsOf(const QWidget& window) const;
    // The screen's area for windows (without panels and docks).
    QRect availableScreenArea() const;
    std::optional<QRect> globalAreaKeptClear() const;
    // Shows a local file, at its section when the address names one, in the
    // help window (GUI thread).
    void showHelp(const QUrl& document);
    void runBuiltInEditor(const QString& path, bool wait);
    bool runExternalEditor(const QString& path, bool wait);

    std::unique_ptr<Canvas> canvas_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<GuiCaller> gui_;
    std::atomic<bool> repaintPending_{false};
    std::atomic<std::uint64_t> repaintRequests_{0};

    // GUI thread only.
    std::map<int, std::unique_ptr<TemplateDialog>> dialogs_;
    int nextDialog_ = 1;
    QString aboutText_;
    std::unique_ptr<InterfaceLanguage> language_;
    std::unique_ptr<HelpWindow> helpWindow_;
    std::optional<platform::PixelBox> keptClear_;
    QPointer<QWidget> lastEditor_;
    int cascaded_ = 0;  // editors placed since none was open
    DocumentMapper documentMapper_;
    UrlOpener urlOpener_;
    std::vector<std::string> externalEditor_;
};

}  // namespace calorvia::platform_qt
