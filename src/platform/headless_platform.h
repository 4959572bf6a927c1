#pragma once
// A Platform without a window: calorvia-batch runs on it.
//
// It runs on one thread. The menu bar and the dialogs are held in memory as a
// window system would hold them: a dialog's controls keep their texts and
// states, and its routines run when a button is pressed. Whatever the program
// asks of the user (a message box, a dialog, a file dialog, an editor it
// waits for) is answered by an AnswerPolicy, the rules of the run. Drawing
// goes to a DrawingSink when one is given (to make a picture) and nowhere
// otherwise. File operations act on the real file system; the clock is a
// model that pause advances, or the real one.
//
// Text is measured by a model, since no font is drawn: a font of height h
// pixels gives every character (h + 1) / 2 pixels and a line h pixels, 16 in
// the default font. A DrawingSink, which has real fonts, measures instead.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_templates.h"
#include "platform/platform.h"

namespace calorvia::platform {

// The program used the platform in a way no real window system accepts (an
// unknown control, a released dialog, a missing menu item), or asked the
// user something no rule answers.
class HeadlessError : public std::logic_error {
public:
    using std::logic_error::logic_error;
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
    friend class HeadlessPlatform;
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

class HeadlessPlatform;

// The user's part, by rule.
class AnswerPolicy {
public:
    virtual ~AnswerPolicy() = default;
    virtual int answerMessageBox(std::string_view text, std::string_view title, int flags) = 0;
    // What the user does in a run of dialog `templateNumber`; the dialog's
    // controls, as proposed, can be read through `platform`.
    virtual DialogScript answerDialog(HeadlessPlatform& platform, DialogHandle dialog,
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

class HeadlessPlatform : public Platform {
public:
    explicit HeadlessPlatform(AnswerPolicy* policy = nullptr) : policy_(policy) {}
    ~HeadlessPlatform() override;

    // ---- the run's rules, its drawing and its clock --------------------------------

    // Answers every modal request; nothing makes one a HeadlessError.
    void setAnswerPolicy(AnswerPolicy* policy) { policy_ = policy; }
    bool hasAnswerPolicy() const { return policy_ != nullptr; }
    // Drawing goes to `sink`; it decides which fonts are accepted.
    void setDrawingSink(DrawingSink* sink) { sink_ = sink; }
    bool drawingShown() const override { return sink_ != nullptr; }
    // clockSeconds reads the real (monotonic) clock, and pause does not wait.
    void useRealClock() { realClock_ = true; }

    // ---- the screen and the window system ------------------------------------

    void setScreenSize(PixelSize size) { screen_ = size; }
    void setFrameMaximumSize(PixelSize size) { frameMaximum_ = size; }
    // Font descriptors that selectFont refuses without a sink; every other
    // one is accepted.
    void refuseFont(std::string descriptor) { refusedFonts_.insert(std::move(descriptor)); }
    void refuseAllFonts() { refuseAllFonts_ = true; }
    void setClock(double seconds) { clock_ = seconds; }
    // Every modal call (message box, dialog, file dialog, waited-for editor)
    // keeps the user this long: the model clock moves on and the time counts
    // as waiting for the user.
    void setUserResponseSeconds(double seconds) { userResponseSeconds_ = seconds; }

    const Palette& palette() const { return palette_; }

    // ---- the menu bar, as the user sees it ----------------------------------------

    int menuItemCount(int menu) const;  // title included
    std::string menuItemText(int menu, int item) const;
    bool menuItemEnabled(int menu, int item) const;  // item 0: the whole menu
    MenuItemKind menuItemKind(int menu, int item) const;
    // Whether choosing the item would do anything.
    bool menuItemHasCommand(int menu, int item) const;
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

    void printGraphics() override {}
    void copyGraphicsToClipboard() override {}
    void selectGraphics() override {}
    void showPlatformHelp() override {}
    void setAboutText(std::string_view text) override;
    void showAbout() override {}
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

    void openDocument(std::string_view, WindowShow) override {}
    void editTextFile(std::string_view path, bool wait) override;
    void openAddress(std::string_view) override {}
    void beep(int, int) override {}
    void pause(int milliseconds) override;
    double clockSeconds() override;

    std::optional<std::string> chooseFolder(std::string_view title,
                                            std::string_view initialFolder) override;

protected:
    // For a platform that plays the user's part otherwise (a test's script):
    // the state drawing is done in, and the dialogs' parts a run goes through.
    [[noreturn]] void fail(const std::string& what) const;
    PixelPoint currentPoint() const { return {x_, y_}; }
    Rgb backgroundRgb() const { return background_; }
    int textRotation() const { return rotation_; }
    const std::string& currentFont() const { return font_; }
    // The colour in force: its palette index (-1 when set as RGB) and the
    // colour itself.
    std::pair<int, Rgb> currentColour() const;
    const std::optional<PixelBox>& keptClear() const { return keptClear_; }
    // The template of a dialog that exists and is not running (the user
    // cannot be shown it twice).
    int dialogToRun(DialogHandle handle);
    std::map<int, ControlSnapshot> controlStates(DialogHandle handle);
    // Runs the dialog as `script` says; returns the button that closed it.
    int play(DialogHandle handle, const DialogScript& script);
    // The user takes userResponseSeconds_ to answer a modal call.
    void userResponds();

private:
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

    AnswerPolicy& policy(const std::string& request);
    Dialog& dialogAt(DialogHandle handle, const char* operation);
    Control& controlAt(DialogHandle handle, int control, const char* operation);
    void switchOn(Dialog& dialog, Control& control);
    int perform(DialogHandle handle, const DialogScript& script);
    MenuItem& menuItemAt(int menu, int item, const char* operation);
    const MenuItem& menuItemAt(int menu, int item, const char* operation) const;

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
    bool realClock_ = false;
};

}  // namespace calorvia::platform
