#include "platform/headless_platform.h"
#include "platform/font_descriptor.h"
#include "text/text_file.h"

#include <chrono>
#include <filesystem>
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

// ---------------------------------------------------------------- the rules

HeadlessPlatform::~HeadlessPlatform() = default;

void HeadlessPlatform::fail(const std::string& what) const {
    throw HeadlessError("HeadlessPlatform: " + what);
}

AnswerPolicy& HeadlessPlatform::policy(const std::string& request) {
    if (policy_ == nullptr) fail("the program asked for " + request + ", but no rule answers it");
    return *policy_;
}

void HeadlessPlatform::userResponds() {
    if (realClock_ || userResponseSeconds_ <= 0.0) return;
    clock_ += userResponseSeconds_;
    addUserWaitSeconds(userResponseSeconds_);
}

// ------------------------------------------------------------------- window

PixelSize HeadlessPlatform::configureGraphicsWindow(std::string_view) {
    return screen_;
}

PixelSize HeadlessPlatform::frameMaximumSize() {
    return frameMaximum_;
}

PixelSize HeadlessPlatform::frameCurrentSize() {
    return frameCurrent_;
}

void HeadlessPlatform::setFrameSize(PixelSize size) {
    frameCurrent_ = size;
}

void HeadlessPlatform::maximizeFrame() {
    frameCurrent_ = frameMaximum_;
}

// -------------------------------------------------------------------- menus

void HeadlessPlatform::appendMenuItem(int menu, std::string_view text, MenuItemKind kind,
                                      Command command) {
    if (menu < 1 || menu > 5) fail("appendMenuItem: there is no menu " + std::to_string(menu));
    auto& items = menus_[menu];
    items.push_back({std::string(text), kind, kind == MenuItemKind::Enabled, std::move(command)});
}

HeadlessPlatform::MenuItem& HeadlessPlatform::menuItemAt(int menu, int item,
                                                         const char* operation) {
    auto found = menus_.find(menu);
    if (found == menus_.end() || item < 0 ||
        static_cast<std::size_t>(item) >= found->second.size()) {
        fail(std::string(operation) + ": there is no item " + std::to_string(menu) + "." +
             std::to_string(item));
    }
    return found->second[static_cast<std::size_t>(item)];
}

const HeadlessPlatform::MenuItem& HeadlessPlatform::menuItemAt(int menu, int item,
                                                               const char* operation) const {
    return const_cast<HeadlessPlatform*>(this)->menuItemAt(menu, item, operation);
}

void HeadlessPlatform::setMenuItemText(int menu, int item, std::string_view text) {
    menuItemAt(menu, item, "setMenuItemText").text = std::string(text);
}

void HeadlessPlatform::setMenuItemCommand(int menu, int item, Command command) {
    menuItemAt(menu, item, "setMenuItemCommand").command = std::move(command);
}

void HeadlessPlatform::setMenuItemEnabled(int menu, int item, bool enabled) {
    menuItemAt(menu, item, "setMenuItemEnabled").enabled = enabled;
}

int HeadlessPlatform::menuItemCount(int menu) const {
    auto found = menus_.find(menu);
    return found == menus_.end() ? 0 : static_cast<int>(found->second.size());
}

std::string HeadlessPlatform::menuItemText(int menu, int item) const {
    return menuItemAt(menu, item, "menuItemText").text;
}

bool HeadlessPlatform::menuItemEnabled(int menu, int item) const {
    return menuItemAt(menu, item, "menuItemEnabled").enabled;
}

MenuItemKind HeadlessPlatform::menuItemKind(int menu, int item) const {
    return menuItemAt(menu, item, "menuItemKind").kind;
}

bool HeadlessPlatform::menuItemHasCommand(int menu, int item) const {
    return static_cast<bool>(menuItemAt(menu, item, "menuItemHasCommand").command);
}

void HeadlessPlatform::chooseMenuItem(int menu, int item) {
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

void HeadlessPlatform::setAboutText(std::string_view text) {
    aboutText_ = std::string(text);
}

void HeadlessPlatform::setInterfaceLanguage(std::int32_t languageCode) {
    interfaceLanguage_ = languageCode;
}

void HeadlessPlatform::closeApplication() {
    closeRequested_ = true;
}

// ----------------------------------------------------------------- graphics

std::pair<int, Rgb> HeadlessPlatform::currentColour() const {
    if (colourIsIndex_) return {colourIndex_, palette_[static_cast<std::size_t>(colourIndex_)]};
    return {-1, colourRgb_};
}

void HeadlessPlatform::remapPalette(const Palette& palette) {
    if (sink_) sink_->remapPalette(palette);
    palette_ = palette;
}

void HeadlessPlatform::setColorIndex(int index) {
    if (index < 0 || index >= kPaletteSize) {
        fail("setColorIndex: " + std::to_string(index) + " is not a palette index");
    }
    colourIndex_ = index;
    colourIsIndex_ = true;
    if (sink_) sink_->setColorIndex(index);
}

void HeadlessPlatform::setColorRgb(Rgb colour) {
    if (sink_) sink_->setColorRgb(colour);
    colourRgb_ = colour & 0xFFFFFFu;
    colourIsIndex_ = false;
}

void HeadlessPlatform::setBackgroundRgb(Rgb colour) {
    if (sink_) sink_->setBackgroundRgb(colour);
    background_ = colour & 0xFFFFFFu;
}

void HeadlessPlatform::clearScreen() {
    if (sink_) sink_->clearScreen();
}

void HeadlessPlatform::moveTo(int x, int y) {
    if (sink_) sink_->moveTo(x, y);
    x_ = x;
    y_ = y;
}

void HeadlessPlatform::lineTo(int x, int y) {
    if (sink_) sink_->lineTo(x, y);
    x_ = x;
    y_ = y;
}

// When the drawing goes nowhere only the current point moves; otherwise the
// series is its point-to-point lines, one lineTo each.
void HeadlessPlatform::lineThrough(std::span<const PixelPoint> points) {
    if (drawingShown()) {
        Platform::lineThrough(points);
    } else if (!points.empty()) {
        x_ = points.back().x;
        y_ = points.back().y;
    }
}

void HeadlessPlatform::drawRectangle(FillMode fill, int x1, int y1, int x2, int y2) {
    if (sink_) sink_->drawRectangle(fill, x1, y1, x2, y2);
}

void HeadlessPlatform::drawEllipse(FillMode fill, int x1, int y1, int x2, int y2) {
    if (sink_) sink_->drawEllipse(fill, x1, y1, x2, y2);
}

void HeadlessPlatform::setTextRotation(int tenthsOfDegree) {
    if (sink_) sink_->setTextRotation(tenthsOfDegree);
    rotation_ = tenthsOfDegree;
}

void HeadlessPlatform::outText(std::string_view text) {
    if (sink_) sink_->outText(text);
}

PixelSize HeadlessPlatform::textExtent(std::string_view text) {
    if (sink_) {
        if (const std::optional<PixelSize> measured = sink_->textExtent(text)) return *measured;
    }
    std::int64_t characters = 0;
    for (const char byte : text) {
        if ((static_cast<unsigned char>(byte) & 0xC0u) != 0x80u) ++characters;
    }
    return {static_cast<int>(characters * ((fontHeight_ + 1) / 2)), text.empty() ? 0 : fontHeight_};
}

int HeadlessPlatform::selectFont(std::string_view descriptor) {
    const bool refused = sink_ ? sink_->selectFont(descriptor) < 0
                               : refuseAllFonts_ || refusedFonts_.contains(descriptor);
    if (refused) return -1;
    font_ = std::string(descriptor);
    if (const auto parsed = parseFontDescriptor(descriptor)) fontHeight_ = parsed->height;
    return 1;
}

bool HeadlessPlatform::showBitmap(std::string_view path, int x, int y) {
    if (sink_) return sink_->showBitmap(path, x, y);
    std::error_code error;
    return std::filesystem::is_regular_file(text::pathFromUtf8(path), error);
}

// ------------------------------------------------------------------ dialogs

DialogHandle HeadlessPlatform::createDialog(int templateNumber) {
    const DialogTemplate* layout = findDialogTemplate(templateNumber);
    if (layout == nullptr)
        fail("createDialog: there is no template " + std::to_string(templateNumber));
    const int handle = nextDialog_++;
    Dialog dialog{layout, {}, false};
    for (const auto& control : layout->controls) {
        dialog.controls[control.number] =
            Control{&control, {std::string(templateCaption(control)), false, control.enabled}, {}};
    }
    dialogs_[handle] = std::move(dialog);
    return DialogHandle{handle};
}

HeadlessPlatform::Dialog& HeadlessPlatform::dialogAt(DialogHandle handle, const char* operation) {
    auto found = dialogs_.find(static_cast<int>(handle));
    if (found == dialogs_.end()) {
        fail(std::string(operation) + ": dialog " + std::to_string(static_cast<int>(handle)) +
             " does not exist (never created, or released)");
    }
    return found->second;
}

HeadlessPlatform::Control& HeadlessPlatform::controlAt(DialogHandle handle, int control,
                                                       const char* operation) {
    Dialog& dialog = dialogAt(handle, operation);
    auto found = dialog.controls.find(control);
    if (found == dialog.controls.end()) {
        fail(std::string(operation) + ": template " + std::to_string(dialog.layout->number) +
             " has no control " + std::to_string(control));
    }
    return found->second;
}

void HeadlessPlatform::setControlText(DialogHandle dialog, int control, std::string_view text) {
    controlAt(dialog, control, "setControlText").state.text = std::string(text);
}

std::string HeadlessPlatform::controlText(DialogHandle dialog, int control) {
    return controlAt(dialog, control, "controlText").state.text;
}

void HeadlessPlatform::switchOn(Dialog& dialog, Control& control) {
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

void HeadlessPlatform::setControlState(DialogHandle dialog, int control, bool on) {
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

bool HeadlessPlatform::controlState(DialogHandle dialog, int control) {
    Control& target = controlAt(dialog, control, "controlState");
    const ControlKind kind = target.layout->kind;
    if (kind != ControlKind::RadioButton && kind != ControlKind::CheckBox) {
        fail("controlState: control " + std::to_string(control) + " is a " + kindName(kind));
    }
    return target.state.on;
}

void HeadlessPlatform::setControlEnabled(DialogHandle dialog, int control, bool enabled) {
    controlAt(dialog, control, "setControlEnabled").state.enabled = enabled;
}

void HeadlessPlatform::setControlRoutine(DialogHandle dialog, int control, Command routine) {
    controlAt(dialog, control, "setControlRoutine").routine = std::move(routine);
}

std::map<int, ControlSnapshot> HeadlessPlatform::controlStates(DialogHandle handle) {
    std::map<int, ControlSnapshot> states;
    for (const auto& [number, control] : dialogAt(handle, "runDialog").controls)
        states[number] = control.state;
    return states;
}

// Plays the user's part; returns the number of the button that closed the
// dialog.
int HeadlessPlatform::perform(DialogHandle handle, const DialogScript& script) {
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

int HeadlessPlatform::dialogToRun(DialogHandle handle) {
    const Dialog& dialog = dialogAt(handle, "runDialog");
    const int number = dialog.layout->number;
    if (dialog.running) fail("runDialog: dialog " + std::to_string(number) + " is already running");
    return number;
}

int HeadlessPlatform::play(DialogHandle handle, const DialogScript& script) {
    dialogAt(handle, "runDialog").running = true;
    if (script.inspect_) script.inspect_(handle);
    const int result = perform(handle, script);
    dialogAt(handle, "runDialog").running = false;  // a routine must not release it
    return result;
}

int HeadlessPlatform::runDialog(DialogHandle handle) {
    userResponds();
    const int number = dialogToRun(handle);
    const DialogScript answer =
        policy("dialog " + std::to_string(number)).answerDialog(*this, handle, number);
    return play(handle, answer);
}

void HeadlessPlatform::releaseDialog(DialogHandle dialog) {
    if (dialogAt(dialog, "releaseDialog").running) fail("releaseDialog: the dialog is running");
    dialogs_.erase(static_cast<int>(dialog));
}

void HeadlessPlatform::keepClearOfDialogs(std::optional<PixelBox> area) {
    keptClear_ = area;
}

// ------------------------------------------------- message boxes, file dialogs

int HeadlessPlatform::messageBox(std::string_view text, std::string_view title, int flags) {
    userResponds();
    return policy("the message box " + inQuotes(text) + " titled " + inQuotes(title))
        .answerMessageBox(text, title, flags);
}

std::optional<FileChoice> HeadlessPlatform::openFileDialog(const FileDialogRequest& request) {
    userResponds();
    return policy("an open dialog titled " + inQuotes(request.title))
        .answerFileDialog(false, request);
}

std::optional<FileChoice> HeadlessPlatform::saveFileDialog(const FileDialogRequest& request) {
    userResponds();
    return policy("a save dialog titled " + inQuotes(request.title))
        .answerFileDialog(true, request);
}

std::optional<std::string> HeadlessPlatform::chooseFolder(std::string_view title,
                                                          std::string_view) {
    userResponds();
    return policy("a folder dialog titled " + inQuotes(title)).answerFolderDialog(title);
}

// -------------------------------------------------------------------- shell

void HeadlessPlatform::editTextFile(std::string_view path, bool wait) {
    if (!wait) return;
    userResponds();
    policy("an editor on " + inQuotes(path)).answerEditor(std::string(path));
}

void HeadlessPlatform::pause(int milliseconds) {
    if (realClock_) return;
    clock_ += milliseconds / 1000.0;
}

double HeadlessPlatform::clockSeconds() {
    if (realClock_) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    return clock_;
}

}  // namespace calorvia::platform
