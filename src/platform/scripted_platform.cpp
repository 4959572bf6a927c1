#include "platform/scripted_platform.h"
#include "platform/font_descriptor.h"
#include "text/text_file.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <sstream>
#include <system_error>
#include <utility>

namespace calorvia::platform {
namespace {

const char* kindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::GroupBox:
            return "group box";
        case ControlKind::Label:
            return "label";
        case ControlKind::Edit:
            return "edit field";
        case ControlKind::PushButton:
            return "push button";
        case ControlKind::RadioButton:
            return "radio button";
        case ControlKind::CheckBox:
            return "check box";
    }
    return "control";
}

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

}  // namespace

// ------------------------------------------------------------------ records

std::string RecordedCall::toString() const {
    std::ostringstream out;
    out << operation << "(";
    const char* separator = "";
    for (auto number : numbers) {
        out << separator << number;
        separator = ", ";
    }
    for (const auto& text : texts) {
        out << separator << inQuotes(text);
        separator = ", ";
    }
    out << ")";
    return out.str();
}

// ------------------------------------------------------------- dialog script

DialogScript& DialogScript::type(int control, std::string text) {
    actions_.push_back({Kind::Type, control, std::move(text)});
    return *this;
}
DialogScript& DialogScript::click(int control) {
    actions_.push_back({Kind::Click, control, {}});
    return *this;
}
DialogScript& DialogScript::press(int button) {
    actions_.push_back({Kind::Press, button, {}});
    return *this;
}
DialogScript& DialogScript::escape() {
    actions_.push_back({Kind::Escape, 0, {}});
    return *this;
}
DialogScript& DialogScript::inspect(std::function<void(DialogHandle)> check) {
    inspect_ = std::move(check);
    return *this;
}

// ------------------------------------------------------------------- script

ScriptedPlatform::ScriptedPlatform() = default;
ScriptedPlatform::~ScriptedPlatform() = default;

void ScriptedPlatform::expectMessageBox(int answer, std::optional<std::string> text,
                                        std::optional<std::string> title,
                                        std::optional<int> flags) {
    script_.emplace_back(MessageAnswer{answer, std::move(text), std::move(title), flags});
}

DialogScript& ScriptedPlatform::expectDialog(int templateNumber) {
    return std::get<DialogScript>(script_.emplace_back(DialogScript(templateNumber)));
}

void ScriptedPlatform::expectOpenFile(std::optional<std::string> path, bool readOnly) {
    script_.emplace_back(FileAnswer{false, std::move(path), readOnly});
}

void ScriptedPlatform::expectSaveFile(std::optional<std::string> path, bool readOnly) {
    script_.emplace_back(FileAnswer{true, std::move(path), readOnly});
}

void ScriptedPlatform::expectFolder(std::optional<std::string> path) {
    script_.emplace_back(FolderAnswer{std::move(path)});
}

void ScriptedPlatform::expectEditor(std::function<void(const std::string& path)> edit) {
    script_.emplace_back(EditorAnswer{std::move(edit)});
}

void ScriptedPlatform::verifyScriptDone() const {
    if (script_.empty()) return;
    std::ostringstream out;
    out << script_.size() << " script entries were never asked for; the first is ";
    std::visit(
        [&](const auto& entry) {
            using Entry = std::decay_t<decltype(entry)>;
            if constexpr (std::is_same_v<Entry, MessageAnswer>) {
                out << "a message box" << (entry.text ? " " + inQuotes(*entry.text) : "");
            } else if constexpr (std::is_same_v<Entry, DialogScript>) {
                out << "dialog " << entry.templateNumber();
            } else if constexpr (std::is_same_v<Entry, FileAnswer>) {
                out << (entry.save ? "a save dialog" : "an open dialog");
            } else if constexpr (std::is_same_v<Entry, FolderAnswer>) {
                out << "a folder dialog";
            } else {
                out << "an editor window";
            }
        },
        script_.front());
    fail(out.str());
}

void ScriptedPlatform::fail(const std::string& what) const {
    throw ScriptError("ScriptedPlatform: " + what);
}

ScriptedPlatform::ScriptEntry ScriptedPlatform::takeScriptEntry(const std::string& request) {
    if (script_.empty()) fail("the program asked for " + request + ", but the script is empty");
    ScriptEntry entry = std::move(script_.front());
    script_.pop_front();
    return entry;
}

void ScriptedPlatform::record(std::string operation, std::vector<std::int64_t> numbers,
                              std::vector<std::string> texts) {
    if (!recording_) return;
    calls_.push_back({std::move(operation), std::move(numbers), std::move(texts)});
}

std::vector<RecordedCall> ScriptedPlatform::callsNamed(std::string_view operation) const {
    std::vector<RecordedCall> found;
    for (const auto& call : calls_) {
        if (call.operation == operation) found.push_back(call);
    }
    return found;
}

void ScriptedPlatform::clearRecords() {
    calls_.clear();
    lines_.clear();
    rectangles_.clear();
    ellipses_.clear();
    texts_.clear();
    dialogRuns_.clear();
}

// ------------------------------------------------------------------- window

PixelSize ScriptedPlatform::configureGraphicsWindow(std::string_view title) {
    record("configureGraphicsWindow", {screen_.width, screen_.height}, {std::string(title)});
    return screen_;
}

PixelSize ScriptedPlatform::frameMaximumSize() {
    record("frameMaximumSize", {frameMaximum_.width, frameMaximum_.height});
    return frameMaximum_;
}

PixelSize ScriptedPlatform::frameCurrentSize() {
    record("frameCurrentSize", {frameCurrent_.width, frameCurrent_.height});
    return frameCurrent_;
}

void ScriptedPlatform::setFrameSize(PixelSize size) {
    record("setFrameSize", {size.width, size.height});
    frameCurrent_ = size;
}

void ScriptedPlatform::maximizeFrame() {
    record("maximizeFrame");
    frameCurrent_ = frameMaximum_;
}

// -------------------------------------------------------------------- menus

void ScriptedPlatform::appendMenuItem(int menu, std::string_view text, MenuItemKind kind,
                                      Command command) {
    if (menu < 1 || menu > 5) fail("appendMenuItem: there is no menu " + std::to_string(menu));
    auto& items = menus_[menu];
    record("appendMenuItem",
           {menu, static_cast<std::int64_t>(items.size()), static_cast<std::int64_t>(kind)},
           {std::string(text)});
    items.push_back({std::string(text), kind, kind == MenuItemKind::Enabled, std::move(command)});
}

ScriptedPlatform::MenuItem& ScriptedPlatform::menuItemAt(int menu, int item,
                                                         const char* operation) {
    auto found = menus_.find(menu);
    if (found == menus_.end() || item < 0 ||
        static_cast<std::size_t>(item) >= found->second.size()) {
        fail(std::string(operation) + ": there is no item " + std::to_string(menu) + "." +
             std::to_string(item));
    }
    return found->second[static_cast<std::size_t>(item)];
}

const ScriptedPlatform::MenuItem& ScriptedPlatform::menuItemAt(int menu, int item,
                                                               const char* operation) const {
    return const_cast<ScriptedPlatform*>(this)->menuItemAt(menu, item, operation);
}

void ScriptedPlatform::setMenuItemText(int menu, int item, std::string_view text) {
    record("setMenuItemText", {menu, item}, {std::string(text)});
    menuItemAt(menu, item, "setMenuItemText").text = std::string(text);
}

void ScriptedPlatform::setMenuItemCommand(int menu, int item, Command command) {
    record("setMenuItemCommand", {menu, item});
    menuItemAt(menu, item, "setMenuItemCommand").command = std::move(command);
}

void ScriptedPlatform::setMenuItemEnabled(int menu, int item, bool enabled) {
    record("setMenuItemEnabled", {menu, item, enabled ? 1 : 0});
    menuItemAt(menu, item, "setMenuItemEnabled").enabled = enabled;
}

int ScriptedPlatform::menuItemCount(int menu) const {
    auto found = menus_.find(menu);
    return found == menus_.end() ? 0 : static_cast<int>(found->second.size());
}

std::string ScriptedPlatform::menuItemText(int menu, int item) const {
    return menuItemAt(menu, item, "menuItemText").text;
}

bool ScriptedPlatform::menuItemEnabled(int menu, int item) const {
    return menuItemAt(menu, item, "menuItemEnabled").enabled;
}

MenuItemKind ScriptedPlatform::menuItemKind(int menu, int item) const {
    return menuItemAt(menu, item, "menuItemKind").kind;
}

void ScriptedPlatform::chooseMenuItem(int menu, int item) {
    const std::string where = std::to_string(menu) + "." + std::to_string(item);
    if (item == 0) fail("chooseMenuItem: item " + where + " is a menu title");
    MenuItem& chosen = menuItemAt(menu, item, "chooseMenuItem");
    if (!menuItemAt(menu, 0, "chooseMenuItem").enabled) fail("menu " + where + " is grey");
    if (chosen.kind == MenuItemKind::Separator) fail("item " + where + " is a separator");
    if (!chosen.enabled) fail("item " + where + " is grey");
    if (!chosen.command) fail("item " + where + " has no command");
    Command command = chosen.command;  // the command may replace itself
    command();
}

// --------------------------------------------------------------- built-ins

void ScriptedPlatform::printGraphics() {
    record("printGraphics");
}
void ScriptedPlatform::copyGraphicsToClipboard() {
    record("copyGraphicsToClipboard");
}
void ScriptedPlatform::selectGraphics() {
    record("selectGraphics");
}
void ScriptedPlatform::showPlatformHelp() {
    record("showPlatformHelp");
}

void ScriptedPlatform::setAboutText(std::string_view text) {
    record("setAboutText", {}, {std::string(text)});
    aboutText_ = std::string(text);
}

void ScriptedPlatform::showAbout() {
    record("showAbout", {}, {aboutText_});
}

void ScriptedPlatform::setInterfaceLanguage(std::int32_t languageCode) {
    record("setInterfaceLanguage", {languageCode});
    interfaceLanguage_ = languageCode;
}

void ScriptedPlatform::closeApplication() {
    record("closeApplication");
    closeRequested_ = true;
}

// ----------------------------------------------------------------- graphics

DrawnColour ScriptedPlatform::currentColour() const {
    if (colourIsIndex_) return {colourIndex_, palette_[static_cast<std::size_t>(colourIndex_)]};
    return {-1, colourRgb_};
}

void ScriptedPlatform::remapPalette(const Palette& palette) {
    if (sink_) sink_->remapPalette(palette);
    if (recording_)
        record("remapPalette", std::vector<std::int64_t>(palette.begin(), palette.end()));
    palette_ = palette;
}

void ScriptedPlatform::setColorIndex(int index) {
    if (recording_) record("setColorIndex", {index});
    if (index < 0 || index >= kPaletteSize) {
        fail("setColorIndex: " + std::to_string(index) + " is not a palette index");
    }
    colourIndex_ = index;
    colourIsIndex_ = true;
    if (sink_) sink_->setColorIndex(index);
}

void ScriptedPlatform::setColorRgb(Rgb colour) {
    if (sink_) sink_->setColorRgb(colour);
    if (recording_) record("setColorRgb", {colour});
    colourRgb_ = colour & 0xFFFFFFu;
    colourIsIndex_ = false;
}

void ScriptedPlatform::setBackgroundRgb(Rgb colour) {
    if (sink_) sink_->setBackgroundRgb(colour);
    if (recording_) record("setBackgroundRgb", {colour});
    background_ = colour & 0xFFFFFFu;
}

void ScriptedPlatform::clearScreen() {
    if (sink_) sink_->clearScreen();
    if (recording_) record("clearScreen", {background_});
}

void ScriptedPlatform::moveTo(int x, int y) {
    if (sink_) sink_->moveTo(x, y);
    if (recording_) record("moveTo", {x, y});
    x_ = x;
    y_ = y;
}

void ScriptedPlatform::lineTo(int x, int y) {
    if (sink_) sink_->lineTo(x, y);
    if (recording_) record("lineTo", {x, y});
    if (recording_) lines_.push_back({x_, y_, x, y, currentColour()});
    x_ = x;
    y_ = y;
}

// With nothing to record and no sink the segments go nowhere: only the
// current point moves.
void ScriptedPlatform::lineThrough(std::span<const PixelPoint> points) {
    if (sink_ || recording_) {
        Platform::lineThrough(points);
    } else if (!points.empty()) {
        x_ = points.back().x;
        y_ = points.back().y;
    }
}

void ScriptedPlatform::drawRectangle(FillMode fill, int x1, int y1, int x2, int y2) {
    if (sink_) sink_->drawRectangle(fill, x1, y1, x2, y2);
    if (recording_) record("drawRectangle", {fill == FillMode::Filled ? 1 : 0, x1, y1, x2, y2});
    if (recording_) rectangles_.push_back({fill, x1, y1, x2, y2, currentColour()});
}

void ScriptedPlatform::drawEllipse(FillMode fill, int x1, int y1, int x2, int y2) {
    if (sink_) sink_->drawEllipse(fill, x1, y1, x2, y2);
    if (recording_) record("drawEllipse", {fill == FillMode::Filled ? 1 : 0, x1, y1, x2, y2});
    if (recording_) ellipses_.push_back({fill, x1, y1, x2, y2, currentColour()});
}

void ScriptedPlatform::setTextRotation(int tenthsOfDegree) {
    if (sink_) sink_->setTextRotation(tenthsOfDegree);
    if (recording_) record("setTextRotation", {tenthsOfDegree});
    rotation_ = tenthsOfDegree;
}

void ScriptedPlatform::outText(std::string_view text) {
    if (sink_) sink_->outText(text);
    if (recording_) record("outText", {x_, y_}, {std::string(text)});
    if (recording_)
        texts_.push_back({x_, y_, std::string(text), currentColour(), font_, rotation_});
}

PixelSize ScriptedPlatform::textExtent(std::string_view text) {
    std::optional<PixelSize> extent = sink_ ? sink_->textExtent(text) : std::nullopt;
    if (!extent) {
        std::int64_t characters = 0;
        for (const char byte : text) {
            if ((static_cast<unsigned char>(byte) & 0xC0u) != 0x80u) ++characters;
        }
        extent = PixelSize{static_cast<int>(characters * ((fontHeight_ + 1) / 2)),
                           text.empty() ? 0 : fontHeight_};
    }
    record("textExtent", {extent->width, extent->height}, {std::string(text)});
    return *extent;
}

int ScriptedPlatform::selectFont(std::string_view descriptor) {
    const bool refused = sink_ ? sink_->selectFont(descriptor) < 0
                               : refuseAllFonts_ || refusedFonts_.contains(descriptor);
    const int result = refused ? -1 : 1;
    if (recording_) record("selectFont", {result}, {std::string(descriptor)});
    if (!refused) {
        font_ = std::string(descriptor);
        if (const auto parsed = parseFontDescriptor(descriptor)) fontHeight_ = parsed->height;
    }
    return result;
}

bool ScriptedPlatform::showBitmap(std::string_view path, int x, int y) {
    std::error_code error;
    const bool shown = sink_ ? sink_->showBitmap(path, x, y)
                             : std::filesystem::is_regular_file(text::pathFromUtf8(path), error);
    record("showBitmap", {x, y, shown ? 1 : 0}, {std::string(path)});
    return shown;
}

// ------------------------------------------------------------------ dialogs

DialogHandle ScriptedPlatform::createDialog(int templateNumber) {
    const DialogTemplate* layout = findDialogTemplate(templateNumber);
    if (layout == nullptr)
        fail("createDialog: there is no template " + std::to_string(templateNumber));
    const int handle = nextDialog_++;
    record("createDialog", {templateNumber, handle});
    Dialog dialog{layout, {}, false};
    for (const auto& control : layout->controls) {
        dialog.controls[control.number] =
            Control{&control, {std::string(templateCaption(control)), false, control.enabled}, {}};
    }
    dialogs_[handle] = std::move(dialog);
    return DialogHandle{handle};
}

ScriptedPlatform::Dialog& ScriptedPlatform::dialogAt(DialogHandle handle, const char* operation) {
    auto found = dialogs_.find(static_cast<int>(handle));
    if (found == dialogs_.end()) {
        fail(std::string(operation) + ": dialog " + std::to_string(static_cast<int>(handle)) +
             " does not exist (never created, or released)");
    }
    return found->second;
}

ScriptedPlatform::Control& ScriptedPlatform::controlAt(DialogHandle handle, int control,
                                                       const char* operation) {
    Dialog& dialog = dialogAt(handle, operation);
    auto found = dialog.controls.find(control);
    if (found == dialog.controls.end()) {
        fail(std::string(operation) + ": template " + std::to_string(dialog.layout->number) +
             " has no control " + std::to_string(control));
    }
    return found->second;
}

void ScriptedPlatform::setControlText(DialogHandle dialog, int control, std::string_view text) {
    record("setControlText", {static_cast<int>(dialog), control}, {std::string(text)});
    controlAt(dialog, control, "setControlText").state.text = std::string(text);
}

std::string ScriptedPlatform::controlText(DialogHandle dialog, int control) {
    std::string text = controlAt(dialog, control, "controlText").state.text;
    record("controlText", {static_cast<int>(dialog), control}, {text});
    return text;
}

void ScriptedPlatform::switchOn(Dialog& dialog, Control& control) {
    if (control.layout->kind == ControlKind::RadioButton) {
        for (auto& [number, other] : dialog.controls) {
            if (other.layout->kind == ControlKind::RadioButton &&
                other.layout->radioGroup == control.layout->radioGroup) {
                other.state.on = false;
            }
        }
    }
    control.state.on = true;
}

void ScriptedPlatform::setControlState(DialogHandle dialog, int control, bool on) {
    record("setControlState", {static_cast<int>(dialog), control, on ? 1 : 0});
    Control& target = controlAt(dialog, control, "setControlState");
    const ControlKind kind = target.layout->kind;
    if (kind != ControlKind::RadioButton && kind != ControlKind::CheckBox) {
        fail("setControlState: control " + std::to_string(control) + " is a " + kindName(kind));
    }
    if (on) {
        switchOn(dialogAt(dialog, "setControlState"), target);
    } else {
        target.state.on = false;
    }
}

bool ScriptedPlatform::controlState(DialogHandle dialog, int control) {
    Control& target = controlAt(dialog, control, "controlState");
    const ControlKind kind = target.layout->kind;
    if (kind != ControlKind::RadioButton && kind != ControlKind::CheckBox) {
        fail("controlState: control " + std::to_string(control) + " is a " + kindName(kind));
    }
    record("controlState", {static_cast<int>(dialog), control, target.state.on ? 1 : 0});
    return target.state.on;
}

void ScriptedPlatform::setControlEnabled(DialogHandle dialog, int control, bool enabled) {
    record("setControlEnabled", {static_cast<int>(dialog), control, enabled ? 1 : 0});
    controlAt(dialog, control, "setControlEnabled").state.enabled = enabled;
}

void ScriptedPlatform::setControlRoutine(DialogHandle dialog, int control, Command routine) {
    record("setControlRoutine", {static_cast<int>(dialog), control});
    controlAt(dialog, control, "setControlRoutine").routine = std::move(routine);
}

std::map<int, ControlSnapshot> ScriptedPlatform::snapshot(const Dialog& dialog) const {
    std::map<int, ControlSnapshot> states;
    for (const auto& [number, control] : dialog.controls) states[number] = control.state;
    return states;
}

// Plays the user's part; returns the number of the button that closed the
// dialog.
int ScriptedPlatform::perform(DialogHandle handle, const DialogScript& script) {
    const std::string dialogName = "dialog " + std::to_string(script.templateNumber());
    for (std::size_t step = 0; step < script.actions_.size(); ++step) {
        const auto& action = script.actions_[step];
        const bool last = step + 1 == script.actions_.size();
        if (action.kind == DialogScript::Kind::Escape) {
            if (!last) fail(dialogName + ": actions scripted after Escape closed it");
            return kButtonCancel;
        }
        Control& control = controlAt(handle, action.control, "script");
        const std::string name = dialogName + ", control " + std::to_string(action.control);
        const ControlKind kind = control.layout->kind;
        if (!control.state.enabled) fail(name + " is disabled; the user cannot use it");
        switch (action.kind) {
            case DialogScript::Kind::Type:
                if (kind != ControlKind::Edit)
                    fail(name + " is a " + kindName(kind) + ", not an edit field");
                control.state.text = action.text;
                break;
            case DialogScript::Kind::Click:
                if (kind == ControlKind::RadioButton) {
                    switchOn(dialogAt(handle, "script"), control);
                } else if (kind == ControlKind::CheckBox) {
                    control.state.on = !control.state.on;
                } else {
                    fail(name + " is a " + kindName(kind) + "; only options can be clicked");
                }
                break;
            case DialogScript::Kind::Press:
                if (kind != ControlKind::PushButton)
                    fail(name + " is a " + kindName(kind) + ", not a button");
                if (!control.routine) {
                    if (!last) fail(name + " closed the dialog before the script's end");
                    return action.control;
                }
                break;
            case DialogScript::Kind::Escape:
                break;
        }
        if (control.routine) {
            Command routine = control.routine;  // the routine may replace itself
            routine();
        }
    }
    fail(dialogName + ": the script ended with the dialog still open");
}

void ScriptedPlatform::userResponds() {
    if (realClock_ || userResponseSeconds_ <= 0.0) return;
    clock_ += userResponseSeconds_;
    addUserWaitSeconds(userResponseSeconds_);
}

int ScriptedPlatform::runDialog(DialogHandle handle) {
    userResponds();
    Dialog& dialog = dialogAt(handle, "runDialog");
    const int number = dialog.layout->number;
    if (dialog.running) fail("runDialog: dialog " + std::to_string(number) + " is already running");
    if (script_.empty() && policy_) {
        const DialogScript answer = policy_->answerDialog(*this, handle, number);
        dialog.running = true;
        const int result = perform(handle, answer);
        dialogAt(handle, "runDialog").running = false;
        record("runDialog", {static_cast<int>(handle), number, result});
        return result;
    }
    ScriptEntry entry = takeScriptEntry("dialog " + std::to_string(number));
    auto* script = std::get_if<DialogScript>(&entry);
    if (script == nullptr || script->templateNumber() != number) {
        fail("the program ran dialog " + std::to_string(number) + ", but the script expected " +
             (script ? "dialog " + std::to_string(script->templateNumber())
                     : std::string("another request")));
    }
    DialogRun run;
    run.templateNumber = number;
    run.atStart = snapshot(dialog);
    run.keptClear = keptClear_;
    dialog.running = true;
    if (script->inspect_) script->inspect_(handle);
    const int result = perform(handle, *script);
    Dialog& after = dialogAt(handle, "runDialog");  // a routine must not release it
    after.running = false;
    run.atEnd = snapshot(after);
    run.result = result;
    dialogRuns_.push_back(std::move(run));
    record("runDialog", {static_cast<int>(handle), number, result});
    return result;
}

void ScriptedPlatform::releaseDialog(DialogHandle dialog) {
    record("releaseDialog", {static_cast<int>(dialog)});
    if (dialogAt(dialog, "releaseDialog").running) fail("releaseDialog: the dialog is running");
    dialogs_.erase(static_cast<int>(dialog));
}

void ScriptedPlatform::keepClearOfDialogs(std::optional<PixelBox> area) {
    if (area) {
        record("keepClearOfDialogs", {area->x1, area->y1, area->x2, area->y2});
    } else {
        record("keepClearOfDialogs");
    }
    keptClear_ = area;
}

// ------------------------------------------------- message boxes, file dialogs

int ScriptedPlatform::messageBox(std::string_view text, std::string_view title, int flags) {
    userResponds();
    if (script_.empty() && policy_) {
        const int answer = policy_->answerMessageBox(text, title, flags);
        record("messageBox", {flags, answer}, {std::string(text), std::string(title)});
        return answer;
    }
    const std::string request = "the message box " + inQuotes(text) + " titled " + inQuotes(title);
    ScriptEntry entry = takeScriptEntry(request);
    auto* answer = std::get_if<MessageAnswer>(&entry);
    if (answer == nullptr)
        fail("the program showed " + request + ", but the script expected another request");
    if (answer->text && *answer->text != text) {
        fail("the program showed " + request + ", but the script expected the text " +
             inQuotes(*answer->text));
    }
    if (answer->title && *answer->title != title) {
        fail("the program showed " + request + ", but the script expected the title " +
             inQuotes(*answer->title));
    }
    if (answer->flags && *answer->flags != flags) {
        fail("the program showed " + request + " with flags " + std::to_string(flags) +
             ", but the script expected " + std::to_string(*answer->flags));
    }
    // No user can press a button the box does not have.
    const std::vector<int> offered = messageBoxAnswers(flags);
    if (std::find(offered.begin(), offered.end(), answer->answer) == offered.end()) {
        fail("the program showed " + request + " with flags " + std::to_string(flags) +
             ", which has no button answering " + std::to_string(answer->answer));
    }
    record("messageBox", {flags, answer->answer}, {std::string(text), std::string(title)});
    return answer->answer;
}

std::optional<FileChoice> ScriptedPlatform::answerFileDialog(bool save,
                                                             const FileDialogRequest& request) {
    userResponds();
    if (script_.empty() && policy_) return policy_->answerFileDialog(save, request);
    const std::string kind = save ? "a save dialog" : "an open dialog";
    ScriptEntry entry = takeScriptEntry(kind + " titled " + inQuotes(request.title));
    auto* answer = std::get_if<FileAnswer>(&entry);
    if (answer == nullptr || answer->save != save) {
        fail("the program showed " + kind + ", but the script expected another request");
    }
    record(save ? "saveFileDialog" : "openFileDialog",
           {request.selectedFilter, request.pathMustExist ? 1 : 0, answer->path ? 1 : 0},
           {request.title, request.initialFolder, request.fileName, request.defaultExtension,
            answer->path.value_or("")});
    if (!answer->path) return std::nullopt;
    return FileChoice{*answer->path, answer->readOnly};
}

std::optional<FileChoice> ScriptedPlatform::openFileDialog(const FileDialogRequest& request) {
    return answerFileDialog(false, request);
}

std::optional<FileChoice> ScriptedPlatform::saveFileDialog(const FileDialogRequest& request) {
    return answerFileDialog(true, request);
}

std::optional<std::string> ScriptedPlatform::chooseFolder(std::string_view title,
                                                          std::string_view initialFolder) {
    userResponds();
    std::optional<std::string> chosen;
    if (script_.empty() && policy_) {
        chosen = policy_->answerFolderDialog(title);
    } else {
        ScriptEntry entry = takeScriptEntry("a folder dialog titled " + inQuotes(title));
        auto* answer = std::get_if<FolderAnswer>(&entry);
        if (answer == nullptr) {
            fail("the program showed a folder dialog, but the script expected another request");
        }
        chosen = answer->path;
    }
    record("chooseFolder", {chosen ? 1 : 0},
           {std::string(title), std::string(initialFolder), chosen.value_or("")});
    return chosen;
}

// -------------------------------------------------------------------- shell

void ScriptedPlatform::openDocument(std::string_view document, WindowShow show) {
    record("openDocument", {show == WindowShow::Minimized ? 1 : 0}, {std::string(document)});
}

void ScriptedPlatform::editTextFile(std::string_view path, bool wait) {
    record("editTextFile", {wait ? 1 : 0}, {std::string(path)});
    if (!wait) return;
    userResponds();
    if (script_.empty() && policy_) {
        policy_->answerEditor(std::string(path));
        return;
    }
    ScriptEntry entry = takeScriptEntry("an editor on " + inQuotes(path));
    auto* answer = std::get_if<EditorAnswer>(&entry);
    if (answer == nullptr) {
        fail("the program waited for an editor on " + inQuotes(path) +
             ", but the script expected another request");
    }
    if (answer->edit) answer->edit(std::string(path));
}

void ScriptedPlatform::openAddress(std::string_view address) {
    record("openAddress", {}, {std::string(address)});
}

void ScriptedPlatform::beep(int frequencyHz, int durationMs) {
    record("beep", {frequencyHz, durationMs});
}

void ScriptedPlatform::pause(int milliseconds) {
    record("pause", {milliseconds});
    if (realClock_) return;
    clock_ += milliseconds / 1000.0;
}

double ScriptedPlatform::clockSeconds() {
    record("clockSeconds");
    if (realClock_) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    return clock_;
}

// -------------------------------------------------------------------- files

void ScriptedPlatform::deleteFile(std::string_view path) {
    record("deleteFile", {}, {std::string(path)});
    Platform::deleteFile(path);
}

bool ScriptedPlatform::renameFile(std::string_view from, std::string_view to) {
    const bool renamed = Platform::renameFile(from, to);
    record("renameFile", {renamed ? 1 : 0}, {std::string(from), std::string(to)});
    return renamed;
}

std::optional<std::string> ScriptedPlatform::currentDirectory() {
    auto current = Platform::currentDirectory();
    record("currentDirectory", {current ? 1 : 0});
    return current;
}

bool ScriptedPlatform::setCurrentDirectory(std::string_view path) {
    const bool changed = Platform::setCurrentDirectory(path);
    record("setCurrentDirectory", {changed ? 1 : 0}, {std::string(path)});
    return changed;
}

}  // namespace calorvia::platform
