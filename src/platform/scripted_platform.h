#pragma once
// A Platform that answers from a script and records every call.
//
// Tests and headless runs use it. It runs on one thread. Whatever the program
// asks of the user (a message box, a dialog, a file dialog, an editor it
// waits for) must be the next entry of the script; anything else throws
// ScriptError, which carries what was asked and what the script expected.
// Drawing and menu calls need no script: they are recorded, with the drawing
// colour and font in force, for the test to inspect. File operations act on
// the real file system; pause only advances the scripted clock.
//
// A headless run (calorvia-batch) uses the same platform with three options:
// an AnswerPolicy answers by rule whatever the script does not foresee;
// recording can be switched off, so that memory stays flat however long the
// run draws; and a DrawingSink can receive the drawing, to make a picture.
//
// Text is measured by a model, since no font is drawn: a font of height h
// pixels gives every character (h + 1) / 2 pixels and a line h pixels, 16 in
// the default font. A DrawingSink, which has real fonts, measures instead.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/dialog_templates.h"
#include "platform/platform.h"

namespace calorvia::platform {

// The program asked for something the script did not foresee, or used the
// platform in a way no real window system accepts (an unknown control, a
// released dialog, a missing menu item).
class ScriptError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// One recorded call: the operation's name, its numeric arguments and its
// texts, in the order of the Platform signature. Answers given from the
// script are appended to the numbers (messageBox: flags, answer).
struct RecordedCall {
    std::string operation;
    std::vector<std::int64_t> numbers;
    std::vector<std::string> texts;
    std::string toString() const;
};

// Geometry as it reached the screen, with the colour in force.
struct DrawnColour {
    int index = -1;  // palette index, or -1 when set as RGB
    Rgb rgb = 0;     // the colour itself, the index resolved through the palette
    friend bool operator==(const DrawnColour&, const DrawnColour&) = default;
};
struct DrawnLine {
    int x1, y1, x2, y2;
    DrawnColour colour;
};
struct DrawnShape {  // rectangle or ellipse
    FillMode fill;
    int x1, y1, x2, y2;
    DrawnColour colour;
};
struct DrawnText {
    int x, y;
    std::string text;
    DrawnColour colour;
    std::string font;  // descriptor of the font in force, "" for the default
    int rotation;
};

// What the user does in one run of a dialog, in order.
class DialogScript {
public:
    explicit DialogScript(int templateNumber) : templateNumber_(templateNumber) {}

    // Types `text` into an edit field (replacing its contents).
    DialogScript& type(int control, std::string text);
    // Clicks a radio button (switching it on) or a check box (toggling it).
    DialogScript& click(int control);
    // Presses a push button: one with a routine runs it and the dialog goes
    // on; one without closes the dialog and must be the last action.
    DialogScript& press(int button);
    // Closes the window without a button (Escape): the run returns 2.
    DialogScript& escape();
    // Called with the dialog's controls as they are when the run starts,
    // before any action; lets a test look at what was proposed.
    DialogScript& inspect(std::function<void(DialogHandle)> check);

    int templateNumber() const { return templateNumber_; }

private:
    friend class ScriptedPlatform;
    enum class Kind { Type, Click, Press, Escape };
    struct Action {
        Kind kind;
        int control;
        std::string text;
    };
    int templateNumber_;
    std::vector<Action> actions_;
    std::function<void(DialogHandle)> inspect_;
};

// The state of one control, as the platform holds it.
struct ControlSnapshot {
    std::string text;
    bool on = false;
    bool enabled = true;
    friend bool operator==(const ControlSnapshot&, const ControlSnapshot&) = default;
};

// One modal run of a dialog: its controls when it started and when it ended,
// the button that closed it, and the area it had to keep in sight.
struct DialogRun {
    int templateNumber = 0;
    std::map<int, ControlSnapshot> atStart;
    std::map<int, ControlSnapshot> atEnd;
    int result = 0;
    std::optional<PixelBox> keptClear;
};

class ScriptedPlatform;

// Answers by rule, for requests the script does not foresee (an empty script).
class AnswerPolicy {
public:
    virtual ~AnswerPolicy() = default;
    virtual int answerMessageBox(std::string_view text, std::string_view title, int flags) = 0;
    // What the user does in a run of dialog `templateNumber`; the dialog's
    // controls, as proposed, can be read through `platform`.
    virtual DialogScript answerDialog(ScriptedPlatform& platform, DialogHandle dialog,
                                      int templateNumber) = 0;
    virtual std::optional<FileChoice> answerFileDialog(bool save,
                                                       const FileDialogRequest& request) = 0;
    // An editor the program waits for; returning leaves the file as it is.
    virtual void answerEditor(const std::string& path) = 0;
    // The folder dialog; by default cancelled.
    virtual std::optional<std::string> answerFolderDialog(std::string_view /*title*/) {
        return std::nullopt;
    }
};

// Receives every drawing call, with the same meaning as Platform's.
class DrawingSink {
public:
    virtual ~DrawingSink() = default;
    virtual void remapPalette(const Palette& palette) = 0;
    virtual void setColorIndex(int index) = 0;
    virtual void setColorRgb(Rgb colour) = 0;
    virtual void setBackgroundRgb(Rgb colour) = 0;
    virtual void clearScreen() = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    virtual void drawRectangle(FillMode fill, int x1, int y1, int x2, int y2) = 0;
    virtual void drawEllipse(FillMode fill, int x1, int y1, int x2, int y2) = 0;
    virtual void setTextRotation(int tenthsOfDegree) = 0;
    virtual void outText(std::string_view text) = 0;
    virtual int selectFont(std::string_view descriptor) = 0;
    virtual bool showBitmap(std::string_view path, int x, int y) = 0;
    // The extent of `text` in the sink's current font; nothing when the sink
    // does not measure (the platform's model answers then).
    virtual std::optional<PixelSize> textExtent(std::string_view /*text*/) { return {}; }
};

class ScriptedPlatform final : public Platform {
public:
    ScriptedPlatform();
    ~ScriptedPlatform() override;

    // ---- the script -----------------------------------------------------------

    // The next modal request is a message box, answered with `answer`, which
    // must be one of the box's buttons (messageBoxAnswers; Escape in a box
    // with Cancel is kAnswerCancel). The expected text, title and flags, when
    // given, must match exactly.
    void expectMessageBox(int answer, std::optional<std::string> text = {},
                          std::optional<std::string> title = {}, std::optional<int> flags = {});
    // The next modal request is a run of dialog `templateNumber`; the
    // returned script says what the user does in it.
    DialogScript& expectDialog(int templateNumber);
    // The next modal request is an open or save dialog; nothing cancels it.
    void expectOpenFile(std::optional<std::string> path, bool readOnly = false);
    void expectSaveFile(std::optional<std::string> path, bool readOnly = false);
    // The folder dialog answered with `path`, or cancelled.
    void expectFolder(std::optional<std::string> path);
    // The next modal request is an editor the program waits for; `edit` acts
    // for the user on the file (it may rewrite it) before the window closes.
    void expectEditor(std::function<void(const std::string& path)> edit = {});

    // Throws ScriptError when script entries are left over.
    void verifyScriptDone() const;
    std::size_t pendingScriptEntries() const { return script_.size(); }

    // ---- the screen and the window system ------------------------------------

    void setScreenSize(PixelSize size) { screen_ = size; }
    void setFrameMaximumSize(PixelSize size) { frameMaximum_ = size; }
    // Font descriptors that selectFont refuses; every other one is accepted.
    void refuseFont(std::string descriptor) { refusedFonts_.insert(std::move(descriptor)); }
    void refuseAllFonts() { refuseAllFonts_ = true; }
    void setClock(double seconds) { clock_ = seconds; }
    // Every modal call (message box, dialog, file dialog, waited-for editor)
    // keeps the user this long: the scripted clock moves on and the time
    // counts as waiting for the user.
    void setUserResponseSeconds(double seconds) { userResponseSeconds_ = seconds; }

    // ---- headless runs --------------------------------------------------------

    // Consulted whenever the script is empty; nothing (the default) makes an
    // unforeseen request a ScriptError.
    void setAnswerPolicy(AnswerPolicy* policy) { policy_ = policy; }
    // Off: no call, drawing or dialog run is kept (the script still is).
    void setRecording(bool on) { recording_ = on; }
    bool drawingShown() const override { return sink_ != nullptr || recording_; }
    // Drawing goes to `sink` as well; it decides which fonts are accepted.
    void setDrawingSink(DrawingSink* sink) { sink_ = sink; }
    // clockSeconds reads the real (monotonic) clock, and pause does not wait.
    void useRealClock() { realClock_ = true; }

    // ---- what was recorded -----------------------------------------------------

    const std::vector<RecordedCall>& calls() const { return calls_; }
    std::vector<RecordedCall> callsNamed(std::string_view operation) const;
    const std::vector<DrawnLine>& lines() const { return lines_; }
    const std::vector<DrawnShape>& rectangles() const { return rectangles_; }
    const std::vector<DrawnShape>& ellipses() const { return ellipses_; }
    const std::vector<DrawnText>& texts() const { return texts_; }
    const std::vector<DialogRun>& dialogRuns() const { return dialogRuns_; }
    const Palette& palette() const { return palette_; }
    // Forgets what was recorded so far (not the script, not the state).
    void clearRecords();

    // ---- the menu bar, as the user sees it ----------------------------------------

    int menuItemCount(int menu) const;  // title included
    std::string menuItemText(int menu, int item) const;
    bool menuItemEnabled(int menu, int item) const;  // item 0: the whole menu
    MenuItemKind menuItemKind(int menu, int item) const;
    // The user chooses an item: runs its command. Throws when the item or
    // its menu is grey, a separator or the title.
    void chooseMenuItem(int menu, int item);

    const std::string& aboutText() const { return aboutText_; }
    std::int32_t interfaceLanguage() const { return interfaceLanguage_; }
    const std::optional<PixelBox>& keptClearOfDialogs() const { return keptClear_; }
    bool closeRequested() const { return closeRequested_; }

    // ---- Platform -------------------------------------------------------------------

    PixelSize configureGraphicsWindow(std::string_view title) override;
    PixelSize frameMaximumSize() override;
    PixelSize frameCurrentSize() override;
    void setFrameSize(PixelSize size) override;
    void maximizeFrame() override;

    void appendMenuItem(int menu, std::string_view text, MenuItemKind kind,
                        Command command) override;
    void setMenuItemText(int menu, int item, std::string_view text) override;
    void setMenuItemCommand(int menu, int item, Command command) override;
    void setMenuItemEnabled(int menu, int item, bool enabled) override;

    void printGraphics() override;
    void copyGraphicsToClipboard() override;
    void selectGraphics() override;
    void showPlatformHelp() override;
    void setAboutText(std::string_view text) override;
    void showAbout() override;
    void setInterfaceLanguage(std::int32_t languageCode) override;
    void closeApplication() override;

    void remapPalette(const Palette& palette) override;
    void setColorIndex(int index) override;
    void setColorRgb(Rgb colour) override;
    void setBackgroundRgb(Rgb colour) override;
    void clearScreen() override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void lineThrough(std::span<const PixelPoint> points) override;
    void drawRectangle(FillMode fill, int x1, int y1, int x2, int y2) override;
    void drawEllipse(FillMode fill, int x1, int y1, int x2, int y2) override;
    void setTextRotation(int tenthsOfDegree) override;
    void outText(std::string_view text) override;
    PixelSize textExtent(std::string_view text) override;
    int selectFont(std::string_view descriptor) override;
    bool showBitmap(std::string_view path, int x, int y) override;

    DialogHandle createDialog(int templateNumber) override;
    void setControlText(DialogHandle dialog, int control, std::string_view text) override;
    std::string controlText(DialogHandle dialog, int control) override;
    void setControlState(DialogHandle dialog, int control, bool on) override;
    bool controlState(DialogHandle dialog, int control) override;
    void setControlEnabled(DialogHandle dialog, int control, bool enabled) override;
    void setControlRoutine(DialogHandle dialog, int control, Command routine) override;
    int runDialog(DialogHandle dialog) override;
    void releaseDialog(DialogHandle dialog) override;
    void keepClearOfDialogs(std::optional<PixelBox> area) override;

    int messageBox(std::string_view text, std::string_view title, int flags) override;
    std::optional<FileChoice> openFileDialog(const FileDialogRequest& request) override;
    std::optional<FileChoice> saveFileDialog(const FileDialogRequest& request) override;

    void openDocument(std::string_view document, WindowShow show) override;
    void editTextFile(std::string_view path, bool wait) override;
    void openAddress(std::string_view address) override;
    void beep(int frequencyHz, int durationMs) override;
    void pause(int milliseconds) override;
    double clockSeconds() override;

    void deleteFile(std::string_view path) override;
    bool renameFile(std::string_view from, std::string_view to) override;
    std::optional<std::string> chooseFolder(std::string_view title,
                                            std::string_view initialFolder) override;
    std::optional<std::string> currentDirectory() override;
    bool setCurrentDirectory(std::string_view path) override;

private:
    struct MessageAnswer {
        int answer;
        std::optional<std::string> text, title;
        std::optional<int> flags;
    };
    struct FileAnswer {
        bool save;
        std::optional<std::string> path;
        bool readOnly;
    };
    struct EditorAnswer {
        std::function<void(const std::string&)> edit;
    };
    struct FolderAnswer {
        std::optional<std::string> path;
    };
    using ScriptEntry =
        std::variant<MessageAnswer, DialogScript, FileAnswer, EditorAnswer, FolderAnswer>;

    struct Control {
        const ControlTemplate* layout;
        ControlSnapshot state;
        Command routine;
    };
    struct Dialog {
        const DialogTemplate* layout;
        std::map<int, Control> controls;
        bool running = false;
    };
    struct MenuItem {
        std::string text;
        MenuItemKind kind;
        bool enabled;
        Command command;
    };

    void record(std::string operation, std::vector<std::int64_t> numbers = {},
                std::vector<std::string> texts = {});
    [[noreturn]] void fail(const std::string& what) const;
    ScriptEntry takeScriptEntry(const std::string& request);
    std::optional<FileChoice> answerFileDialog(bool save, const FileDialogRequest& request);
    // The scripted user takes userResponseSeconds_ to answer a modal call.
    void userResponds();
    Dialog& dialogAt(DialogHandle handle, const char* operation);
    Control& controlAt(DialogHandle handle, int control, const char* operation);
    std::map<int, ControlSnapshot> snapshot(const Dialog& dialog) const;
    void switchOn(Dialog& dialog, Control& control);
    int perform(DialogHandle handle, const DialogScript& script);
    MenuItem& menuItemAt(int menu, int item, const char* operation);
    const MenuItem& menuItemAt(int menu, int item, const char* operation) const;
    DrawnColour currentColour() const;

    std::deque<ScriptEntry> script_;
    std::vector<RecordedCall> calls_;
    std::vector<DrawnLine> lines_;
    std::vector<DrawnShape> rectangles_;
    std::vector<DrawnShape> ellipses_;
    std::vector<DrawnText> texts_;
    std::vector<DialogRun> dialogRuns_;

    PixelSize screen_{1024, 768};
    PixelSize frameMaximum_{1024, 740};
    PixelSize frameCurrent_{800, 600};
    Palette palette_ = kDefaultPalette;
    int colourIndex_ = 15;
    Rgb colourRgb_ = 0xFFFFFF;
    bool colourIsIndex_ = true;
    Rgb background_ = 0x000000;
    int x_ = 0;
    int y_ = 0;
    int rotation_ = 0;
    std::string font_;
    int fontHeight_ = 16;
    std::set<std::string, std::less<>> refusedFonts_;
    bool refuseAllFonts_ = false;
    double clock_ = 1000.0;
    double userResponseSeconds_ = 0.0;

    std::map<int, std::vector<MenuItem>> menus_;
    std::string aboutText_;
    std::int32_t interfaceLanguage_ = kLanguageEnglish;
    std::optional<PixelBox> keptClear_;
    bool closeRequested_ = false;

    std::map<int, Dialog> dialogs_;
    int nextDialog_ = 1;

    AnswerPolicy* policy_ = nullptr;
    DrawingSink* sink_ = nullptr;
    bool recording_ = true;
    bool realClock_ = false;
};

}  // namespace calorvia::platform
