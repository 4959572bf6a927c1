#pragma once
// The one seam between Calorvia and the window system: windows, graphics,
// menus, template dialogs, message boxes, the shell and the file system.
//
// Everything above this interface is plain C++ and talks to the user only
// through it. Two implementations stand behind it: the Qt desktop window and
// HeadlessPlatform, which answers by rule (calorvia-batch); the tests'
// ScriptedPlatform builds on the latter.
//
// Vocabulary. Coordinates are pixels of the graphics area, origin at the top
// left, y growing downwards. Colours are either palette indices 0..15 or Rgb
// values, held 0xRRGGBB and built from their components by rgb(r, g, b).
// A colour the program's documents write in hexadecimal (0xFFF000) is a
// COLORREF of the window system they come from, byte order 0x00BBGGRR, and
// reaches the seam through colorref(): 0xFFF000 is red 0, green 240, blue
// 255, a light cyan, not yellow. Dialogs are built from the numbered
// templates of dialog_templates.h and addressed by control numbers; the
// button that closes a dialog is reported by its number (1 OK, 2 Cancel).
// Message boxes take the flags 48 (exclamation icon, OK), 4 (Yes and No) and
// 3 (Yes, No and Cancel) and answer 1 (OK), 6 (Yes), 7 (No) or 2 (Cancel).
// Menus are numbered 1..5; inside a menu item 0 is the title and items are
// numbered in the order appended, separators included.
//
// Threads. Two threads call in: the program's main thread (start-up, idle
// loop, the run and its drawing) and the window thread (menu commands and
// their dialogs). An implementation may carry every call over to its own GUI
// thread, so:
//  - no call keeps a reference to the caller's data after it returns: texts
//    are copied, commands and control routines are stored by value;
//  - modal calls (dialogs, message boxes, file dialogs, a waited-for editor)
//    simply block the caller until the user is done;
//  - menu commands and dialog control routines are run by the platform on
//    the window thread. While runDialog blocks, the routines attached to that
//    dialog's controls may call the dialog operations on the same dialog.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace calorvia::platform {

// ---------------------------------------------------------------- vocabulary

// An RGB colour, 0xRRGGBB.
using Rgb = std::uint32_t;

constexpr Rgb rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return ((red & 0xFFu) << 16) | ((green & 0xFFu) << 8) | (blue & 0xFFu);
}
constexpr std::uint32_t redOf(Rgb colour) {
    return (colour >> 16) & 0xFFu;
}
constexpr std::uint32_t greenOf(Rgb colour) {
    return (colour >> 8) & 0xFFu;
}
constexpr std::uint32_t blueOf(Rgb colour) {
    return colour & 0xFFu;
}
// A COLORREF, 0x00BBGGRR, as an Rgb: colorref(0xFFF000) is rgb(0, 240, 255).
constexpr Rgb colorref(std::uint32_t bbggrr) {
    return rgb(bbggrr & 0xFFu, (bbggrr >> 8) & 0xFFu, (bbggrr >> 16) & 0xFFu);
}

inline constexpr int kPaletteSize = 16;
using Palette = std::array<Rgb, kPaletteSize>;

// The palette a graphics window starts with, until the program remaps it.
inline constexpr Palette kDefaultPalette{
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

struct PixelSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// A pixel of the graphics area.
struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Message-box flags and answers.
inline constexpr int kMessageOk = 48;    // exclamation icon and OK
inline constexpr int kMessageYesNo = 4;  // Yes and No, no icon
inline constexpr int kMessageYesNoCancel = 3;  // Yes, No and Cancel, no icon
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

// The answers a box with `flags` offers, one per button, left to right: the
// lowest four bits choose them as the Windows message box does (0 OK, 1 OK
// Cancel, 2 Abort Retry Ignore, 3 Yes No Cancel, 4 Yes No, 5 Retry Cancel;
// any other OK). Abort, Retry and Ignore answer 3, 4 and 5.
std::vector<int> messageBoxAnswers(int flags);

// A rectangle of the graphics area, both corners included, as drawRectangle
// takes it.
struct PixelBox {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

// The interface languages, numbered as in the settings file "idioma".
inline constexpr std::int32_t kLanguagePortuguese = 1;
inline constexpr std::int32_t kLanguageEnglish = 2;

// Buttons that close a dialog.
inline constexpr int kButtonOk = 1;
inline constexpr int kButtonCancel = 2;

// A menu command or a dialog control routine.
using Command = std::function<void()>;

enum class MenuItemKind {
    Enabled,    // an item the user can choose
    Grayed,     // an item shown grey
    Separator,  // a separator line; it still takes an item number
};

enum class FillMode { Border, Filled };

enum class WindowShow { Normal, Minimized };

// A dialog created from a template; valid until released.
enum class DialogHandle : int {};

// One entry of a file dialog's type list, e.g. {"Text Files", "*.txt"}.
struct FileFilter {
    std::string description;
    std::string pattern;
    friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

// Settings of the common open and save dialogs.
struct FileDialogRequest {
    std::string title;
    std::string initialFolder;
    std::string fileName;  // initial contents of the name field
    std::vector<FileFilter> filters;
    int selectedFilter = 0;        // index into filters
    std::string defaultExtension;  // added to a name typed without one, e.g. "txt"
    bool pathMustExist = true;
};

struct FileChoice {
    std::string path;       // full path of the chosen file
    bool readOnly = false;  // the dialog's read-only check box
};

// The settings both case-file dialogs use: text files first, then all files,
// extension "txt", the folder must exist.
FileDialogRequest caseFileDialogRequest(std::string title, std::string initialFolder,
                                        std::string fileName);

// ------------------------------------------------------------------ interface

class Platform {
public:
    virtual ~Platform() = default;

    // --- window -----------------------------------------------------------

    // Sets up the graphics window at the largest size the screen allows,
    // titled `title` ("1-Dimensional"), and reports the size obtained in
    // pixels. The drawing area keeps this size for the life of the program.
    virtual PixelSize configureGraphicsWindow(std::string_view title) = 0;
    // The frame (main) window's largest possible and current outer size.
    virtual PixelSize frameMaximumSize() = 0;
    virtual PixelSize frameCurrentSize() = 0;
    virtual void setFrameSize(PixelSize size) = 0;
    virtual void maximizeFrame() = 0;

    // --- menus ------------------------------------------------------------

    // Appends an item to menu 1..5. The first item appended to a menu is its
    // title (item 0) and takes no command; later items are numbered 1, 2, ...
    // in the order appended. `text` marks the access key with "&". The
    // command runs on the window thread each time the item is chosen.
    virtual void appendMenuItem(int menu, std::string_view text, MenuItemKind kind,
                                Command command) = 0;
    virtual void setMenuItemText(int menu, int item, std::string_view text) = 0;
    virtual void setMenuItemCommand(int menu, int item, Command command) = 0;
    // Greys or enables an item; item 0 greys or enables the whole menu.
    virtual void setMenuItemEnabled(int menu, int item, bool enabled) = 0;

    // --- built-in commands (usually attached to menu items) ---------------

    virtual void printGraphics() = 0;
    virtual void copyGraphicsToClipboard() = 0;
    // Lets the user mark a region of the graphics; a later copy takes it.
    virtual void selectGraphics() = 0;
    virtual void showPlatformHelp() = 0;
    virtual void setAboutText(std::string_view text) = 0;
    virtual void showAbout() = 0;
    // The language of the platform's own texts: the standard buttons of
    // message boxes and dialogs, the file dialogs, the editor's and the help
    // window's menus and buttons, the About box's title. kLanguagePortuguese
    // or kLanguageEnglish (any other code is English). English until set.
    virtual void setInterfaceLanguage(std::int32_t languageCode) = 0;
    // Ends the application once the current command has returned.
    virtual void closeApplication() = 0;

    // --- graphics ---------------------------------------------------------

    // Replaces all sixteen palette entries. What was drawn in an index keeps
    // its pixels; only later drawing in that index uses the new colour.
    virtual void remapPalette(const Palette& palette) = 0;
    // The drawing colour of lines, shapes and text.
    virtual void setColorIndex(int index) = 0;
    virtual void setColorRgb(Rgb colour) = 0;
    // The colour clearScreen fills with.
    virtual void setBackgroundRgb(Rgb colour) = 0;
    virtual void clearScreen() = 0;
    virtual void moveTo(int x, int y) = 0;
    // A line from the current point to (x, y), both ends included; (x, y)
    // becomes the current point.
    virtual void lineTo(int x, int y) = 0;
    // lineTo to each point in turn, in one call: a profile of a thousand
    // segments costs one call instead of a thousand.
    virtual void lineThrough(std::span<const PixelPoint> points);
    // False when drawing goes nowhere (a headless run without a picture):
    // a caller may then skip computing pixels that only drawing would use.
    virtual bool drawingShown() const { return true; }
    // Rectangle and ellipse in the box with corners (x1, y1) and (x2, y2),
    // both corners included.
    virtual void drawRectangle(FillMode fill, int x1, int y1, int x2, int y2) = 0;
    virtual void drawEllipse(FillMode fill, int x1, int y1, int x2, int y2) = 0;
    // Rotation of later text in tenths of a degree; 0 is horizontal.
    virtual void setTextRotation(int tenthsOfDegree) = 0;
    // Text in the current font and colour, its top left corner at the current
    // point. The current point does not move.
    virtual void outText(std::string_view text) = 0;
    // How far to the right of and below the current point outText would draw
    // `text` in the current font, in pixels (horizontal text): the columns x
    // to x + width - 1 and the rows y to y + height - 1 hold all of it.
    virtual PixelSize textExtent(std::string_view text) = 0;
    // Selects a font by descriptor: t'FACE' then h HEIGHT in pixels, optional
    // w WIDTH, optional i for italic, e.g. "t'Arial'h16" or
    // "t'Arial'h45w30i". Returns a value >= 0 when the font is in use, -1
    // when it is refused (the current font is kept); callers then try their
    // next descriptor.
    virtual int selectFont(std::string_view descriptor) = 0;
    // Shows the picture in `path` with its top left corner at (x, y). Returns
    // false, drawing nothing, when the file is missing or unreadable.
    virtual bool showBitmap(std::string_view path, int x, int y) = 0;

    // --- template dialogs ---------------------------------------------------

    // Builds a dialog from template `templateNumber` (101..113) with the
    // template's captions; it is not shown until runDialog.
    virtual DialogHandle createDialog(int templateNumber) = 0;
    virtual void setControlText(DialogHandle dialog, int control, std::string_view text) = 0;
    virtual std::string controlText(DialogHandle dialog, int control) = 0;
    // On/off state of a radio button or check box. Switching a radio button
    // on switches the others of its group off.
    virtual void setControlState(DialogHandle dialog, int control, bool on) = 0;
    virtual bool controlState(DialogHandle dialog, int control) = 0;
    virtual void setControlEnabled(DialogHandle dialog, int control, bool enabled) = 0;
    // Attaches a routine to a control, run while the dialog runs: for an edit
    // field each time the user changes its text, for a radio button or check
    // box each time the user clicks it, for a push button instead of closing
    // the dialog (the dialog stays open). Changes made by the program through
    // setControlText or setControlState do not run it.
    virtual void setControlRoutine(DialogHandle dialog, int control, Command routine) = 0;
    // Shows the dialog modally until a push button without a routine closes
    // it, and returns that button's number. Closing the window otherwise
    // (Escape, the title bar) returns 2. The controls keep their last texts
    // and states for reading afterwards.
    virtual int runDialog(DialogHandle dialog) = 0;
    virtual void releaseDialog(DialogHandle dialog) = 0;
    // Dialogs run from now on are placed so that `area` of the graphics area
    // stays in sight, as far as the screen allows (the case entry keeps its
    // summary panel in sight this way). Nothing: the platform's own placement.
    virtual void keepClearOfDialogs(std::optional<PixelBox> area) = 0;

    // --- message boxes and file dialogs --------------------------------------

    // A modal box; flags kMessageOk, kMessageYesNo or kMessageYesNoCancel.
    // Returns the answer (kAnswerOk, kAnswerYes, kAnswerNo, kAnswerCancel);
    // closing a box that has Cancel without a button (Escape) answers Cancel.
    virtual int messageBox(std::string_view text, std::string_view title, int flags) = 0;
    // The common open and save dialogs, owned by the foreground window.
    // Nothing when the user cancels.
    virtual std::optional<FileChoice> openFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<FileChoice> saveFileDialog(const FileDialogRequest& request) = 0;
    // A dialog that chooses an existing folder (the user may create one in
    // it), starting in `initialFolder`. Nothing when the user cancels.
    virtual std::optional<std::string> chooseFolder(std::string_view title,
                                                    std::string_view initialFolder) = 0;

    // --- shell ----------------------------------------------------------------

    // Opens a document with the program that shows it ("Syntax.hlp",
    // "Tutorial_inexistente.pdf"). A relative name is taken in the current
    // directory at the time of the call. A missing document does nothing,
    // silently; the call never waits.
    virtual void openDocument(std::string_view document, WindowShow show) = 0;
    // The text-editor window on `path` (what "notepad.exe FILE" stands for):
    // plain text, Save, Close. With `wait` the call blocks until the window
    // is closed; otherwise it returns at once and the window stays. A
    // relative path is taken in the current directory at the time of the
    // call. A missing file opens an empty editor under that name.
    virtual void editTextFile(std::string_view path, bool wait) = 0;
    // "Explorer.exe ADDRESS": hands a web or mailto address to the desktop.
    virtual void openAddress(std::string_view address) = 0;
    virtual void beep(int frequencyHz, int durationMs) = 0;
    virtual void pause(int milliseconds) = 0;
    // Wall-clock reading in seconds, fractions included; only differences of
    // two readings mean anything.
    virtual double clockSeconds() = 0;

    // --- files (the same on every platform, written once in platform.cpp) --------

    // Deletes a file; a missing file is no error. Only files are deleted: a
    // folder that bears a result file's name is the user's, even when empty.
    virtual void deleteFile(std::string_view path);
    // Renames a file; false, changing nothing, when the source is missing or
    // a file of the target name exists (no file is ever replaced silently).
    virtual bool renameFile(std::string_view from, std::string_view to);
    // The process's current directory; nothing on failure.
    virtual std::optional<std::string> currentDirectory();
    // Makes `path` current; false, leaving the current directory as it was,
    // when that is impossible (a missing folder, say).
    virtual bool setCurrentDirectory(std::string_view path);
};

// Tries the descriptors in order, each only when the one before was refused,
// and returns the index of the accepted one, or -1 when every one was refused.
int selectFirstFont(Platform& platform, std::span<const std::string_view> descriptors);

// The seconds the calling thread has spent blocked in modal calls, waiting
// for the user: message boxes, dialogs, file dialogs, a waited-for editor.
// Implementations add each such wait on the thread that made the call, so a
// dialog a menu command opens on the window thread never counts against a
// computation running on the main thread. A computation's own time is the
// platform's clock less this.
double userWaitSeconds();
void addUserWaitSeconds(double seconds);

// Draws `text` at (x, y) in the largest font of `descriptors` (tried in
// order, largest first) whose text stays left of column `limit.width` and
// above row `limit.height`, the first it must not reach (a box's border).
// When no accepted font fits, the text is drawn in the last accepted one, its
// end cut until it is narrow enough. The font in force afterwards is the one
// used.
void outTextFitted(Platform& platform, int x, int y, PixelSize limit, std::string_view text,
                   std::span<const std::string> descriptors);

// After every message box and after closing several dialogs the program
// asks the shell for this document, minimised. None is installed, so the
// request comes to nothing; the call is kept so the program behaves the same
// on every platform.
inline constexpr std::string_view kTutorialDocument = "Tutorial_inexistente.pdf";
void requestTutorial(Platform& platform);

}  // namespace calorvia::platform
