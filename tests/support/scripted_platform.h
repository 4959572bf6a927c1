#pragma once
// The platform of the tests: the headless platform, with the user's part
// played from a script and every call recorded.
//
// Whatever the program asks of the user (a message box, a dialog, a file
// dialog, an editor it waits for) must be the next entry of the script;
// anything else throws ScriptError, which carries what was asked and what the
// script expected. An AnswerPolicy, when given, answers by rule whatever the
// script does not foresee. Drawing and menu calls need no script: they are
// recorded, with the drawing colour and font in force, for the test to
// inspect, unless recording is switched off.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/headless_platform.h"

namespace calorvia::platform {

// The program asked for something the script did not foresee, or used the
// platform in a way no real window system accepts.
using ScriptError = HeadlessError;

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

// One modal run of a dialog: its controls when it started and when it ended,
// the button that closed it, and the area it had to keep in sight.
struct DialogRun {
    int templateNumber = 0;
    std::map<int, ControlSnapshot> atStart;
    std::map<int, ControlSnapshot> atEnd;
    int result = 0;
    std::optional<PixelBox> keptClear;
};

class ScriptedPlatform final : public HeadlessPlatform {
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

    // Off: no call, drawing or dialog run is kept (the script still is).
    void setRecording(bool on) { recording_ = on; }
    bool drawingShown() const override { return HeadlessPlatform::drawingShown() || recording_; }

    // ---- what was recorded -----------------------------------------------------

    const std::vector<RecordedCall>& calls() const { return calls_; }
    std::vector<RecordedCall> callsNamed(std::string_view operation) const;
    const std::vector<DrawnLine>& lines() const { return lines_; }
    const std::vector<DrawnShape>& rectangles() const { return rectangles_; }
    const std::vector<DrawnShape>& ellipses() const { return ellipses_; }
    const std::vector<DrawnText>& texts() const { return texts_; }
    const std::vector<DialogRun>& dialogRuns() const { return dialogRuns_; }
    // Forgets what was recorded so far (not the script, not the state).
    void clearRecords();

    // ---- Platform, recorded ----------------------------------------------------------

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

    void record(std::string operation, std::vector<std::int64_t> numbers = {},
                std::vector<std::string> texts = {});
    [[noreturn]] void fail(const std::string& what) const;
    // True when the script has nothing left and a policy answers instead.
    bool answeredByRule() const { return script_.empty() && hasAnswerPolicy(); }
    ScriptEntry takeScriptEntry(const std::string& request);
    std::optional<FileChoice> answerFileDialog(bool save, const FileDialogRequest& request);
    DrawnColour drawnColour() const;

    std::deque<ScriptEntry> script_;
    std::vector<RecordedCall> calls_;
    std::vector<DrawnLine> lines_;
    std::vector<DrawnShape> rectangles_;
    std::vector<DrawnShape> ellipses_;
    std::vector<DrawnText> texts_;
    std::vector<DialogRun> dialogRuns_;
    bool recording_ = true;
};

}  // namespace calorvia::platform
