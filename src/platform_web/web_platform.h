#pragma once
// WebPlatform: the Platform of the web page, on one thread.
//
// The browser gives the program one thread, the page's. The program's main
// thread (start-up, the idle loop, every run) is that thread, and the window
// thread's menu commands run on it too, at the moments the program hands
// control back to the page:
//  - pause() sleeps with emscripten_sleep (Asyncify unwinds the stack and the
//    page keeps running) and, while it sleeps, runs the menu commands the
//    page has queued (a click queues a menu/item pair; the command stored for
//    it here runs);
//  - a run never pauses, so every drawing call and the clock also give the
//    page a turn when more than kYieldInterval has passed since the last one:
//    the profile appears step by step, Cancel Simulation (a command that sets
//    a flag the run checks) is taken, and the tab stays responsive;
//  - a modal call (template dialog, message box, About) shows its window and
//    sleeps until the page reports the answer; the page shades everything
//    else meanwhile, so no menu command starts under a modal window, as on
//    the desktop.
// Menu commands run one at a time, never inside one another: a command's own
// drawing calls give the page a turn but run no queued command.
//
// Drawing goes straight onto the page's canvas (platform_library.js). The
// drawing state (palette, colour, current point, rotation, font) is kept here
// and each call hands the page the finished colour and coordinates.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace calorvia::platform_web {

class WebPlatform final : public platform::Platform {
public:
    WebPlatform();
    ~WebPlatform() override;
    WebPlatform(const WebPlatform&) = delete;
    WebPlatform& operator=(const WebPlatform&) = delete;

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

    // ------------------------------------------------------------ page settings

    // Where a requested document really is (see QtPlatform::setDocumentMapper):
    // gets the requested name made absolute in the current directory.
    using DocumentMapper = std::function<std::filesystem::path(const std::filesystem::path&)>;
    void setDocumentMapper(DocumentMapper mapper);

    // The folder of the virtual file system the page also serves as `url`
    // (relative to the page): documents in it open in the help panel from
    // the server, so that their links, pictures and style sheets work.
    void setServedFolder(std::filesystem::path folder, std::string url);

    // The next open-file dialog answers `path` without asking (a case named
    // in the page's address).
    void answerNextOpenDialog(std::string path);

    // Queues a command as though a menu item had been chosen: it runs at the
    // next turn of the idle loop.
    void queueCommand(platform::Command command);

    // True once closeApplication was asked for; the idle loop then ends.
    bool closeRequested() const { return closeRequested_; }
    // Run when the program asks to close, inside the command that asked (a
    // run still going must stop before the idle loop can end).
    void setCloseCommand(platform::Command command) { closeCommand_ = std::move(command); }
    // The page as it was before the program built its menus: no menus, no
    // dialogs, no windows, the request to close forgotten. For starting the
    // program again in the same tab.
    void resetForRestart();

    // Gives the page a turn now and runs the queued menu commands (unless a
    // command is running already).
    void yieldToPage();

private:
    struct MenuItem {
        std::string text;
        platform::MenuItemKind kind = platform::MenuItemKind::Enabled;
        bool enabled = true;
        platform::Command command;
    };
    struct Dialog {
        int templateNumber = 0;
        std::map<int, platform::Command> routines;
    };

    void runQueuedCommands();
    // Gives the page a turn when kYieldInterval has passed since the last.
    void yieldWhenDue();
    void syncMenu(int menu);
    std::uint32_t drawingColour() const;
    // Sleeps in short steps until the page reports something for `poll`
    // (a modal window's answer), and counts the wait as the user's.
    int waitForPage(const std::function<int()>& poll);
    void showHelpDocument(const std::filesystem::path& file, std::string_view section);

    std::map<int, std::vector<MenuItem>> menus_;
    std::map<int, Dialog> dialogs_;
    int nextDialog_ = 1;
    std::vector<platform::Command> queued_;
    bool commandRunning_ = false;
    bool closeRequested_ = false;
    platform::Command closeCommand_;
    double lastYield_ = 0.0;
    double lastPersist_ = 0.0;
    std::int32_t language_ = platform::kLanguageEnglish;
    std::string aboutText_;
    std::optional<platform::PixelBox> keptClear_;
    DocumentMapper documentMapper_;
    std::filesystem::path servedFolder_;
    std::string servedUrl_;
    std::optional<std::string> nextOpenAnswer_;

    platform::Palette palette_ = platform::kDefaultPalette;
    bool colourByIndex_ = true;
    int colourIndex_ = 15;
    platform::Rgb colourRgb_ = 0;
    platform::Rgb background_ = 0;
    platform::PixelPoint current_;
    int rotation_ = 0;
};

}  // namespace calorvia::platform_web
