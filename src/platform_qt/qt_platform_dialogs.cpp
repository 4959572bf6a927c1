// QtPlatform: template dialogs, message boxes and the file dialogs.

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <array>

#include "platform/dialog_templates.h"
#include "platform_qt/canvas_widget.h"
#include "platform_qt/dialog_placement.h"
#include "platform_qt/gui_caller.h"
#include "platform_qt/interface_language.h"
#include "platform_qt/main_window.h"
#include "platform_qt/message_box_style.h"
#include "platform_qt/qt_platform.h"
#include "platform_qt/template_dialog.h"
#include "platform_qt/user_wait_timer.h"
#include "texts/shell_texts.h"

namespace calorvia::platform_qt {
namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int handleNumber(platform::DialogHandle dialog) {
    return static_cast<int>(dialog);
}

QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toQtButton(int answer) {
    switch (answer) {
        case kAnswerCancel:
            return QMessageBox::Cancel;
        case kAnswerAbort:
            return QMessageBox::Abort;
        case kAnswerRetry:
            return QMessageBox::Retry;
        case kAnswerIgnore:
            return QMessageBox::Ignore;
        case kAnswerYes:
            return QMessageBox::Yes;
        case kAnswerNo:
            return QMessageBox::No;
        default:
            return QMessageBox::Ok;
    }
}

// "*.*" means every file on the system the templates come from; here a name
// need not have a dot.
QString toQtPattern(const std::string& pattern) {
    QString converted = QString::fromStdString(pattern);
    converted.replace(QStringLiteral("*.*"), QStringLiteral("*"));
    converted.replace(QLatin1Char(';'), QLatin1Char(' '));
    return converted;
}

QStringList nameFilters(const platform::FileDialogRequest& request) {
    QStringList filters;
    for (const auto& filter : request.filters) {
        filters << QStringLiteral("%1 (%2)").arg(QString::fromStdString(filter.description),
                                                 toQtPattern(filter.pattern));
    }
    return filters;
}

// The folder dialog of Save Results As. Qt reads a name field that holds
// several names in quotes ("a" "b") as several folders and would accept the
// first one, which need not be the folder the student meant: such a field is
// refused, and the dialog stays open for one folder.
class FolderDialog : public QFileDialog {
public:
    FolderDialog(QWidget* parent, const QString& title, const QString& folder)
        : QFileDialog(parent, title, folder) {
        setObjectName(QStringLiteral("calorviaFolderDialog"));
        setOption(QFileDialog::DontUseNativeDialog);
        setFileMode(QFileDialog::Directory);
        setOption(QFileDialog::ShowDirsOnly);
    }

    void accept() override {
        if (selectedFiles().size() > 1) {
            QMessageBox::warning(this, windowTitle(), uiText(texts::ShellText::SingleFolderOnly));
            return;
        }
        QFileDialog::accept();
    }
};

}  // namespace

// --------------------------------------------------------- template dialogs

TemplateDialog* QtPlatform::findDialog(platform::DialogHandle dialog) {
    const auto found = dialogs_.find(handleNumber(dialog));
    return found == dialogs_.end() ? nullptr : found->second.get();
}

TemplateDialog* QtPlatform::dialogWidget(platform::DialogHandle dialog) {
    TemplateDialog* found = nullptr;
    onGui([&] { found = findDialog(dialog); });
    return found;
}

platform::DialogHandle QtPlatform::createDialog(int templateNumber) {
    int handle = 0;
    onGui([&] {
        const platform::DialogTemplate* layout = platform::findDialogTemplate(templateNumber);
        if (!layout) return;
        handle = nextDialog_++;
        dialogs_[handle] = std::make_unique<TemplateDialog>(*layout, window_.get());
    });
    // 0 names no dialog; every operation on it does nothing.
    return platform::DialogHandle{handle};
}

void QtPlatform::setControlText(platform::DialogHandle dialog, int control, std::string_view text) {
    onGui([&] {
        if (auto* found = findDialog(dialog)) found->setControlText(control, fromView(text));
    });
}

std::string QtPlatform::controlText(platform::DialogHandle dialog, int control) {
    std::string text;
    onGui([&] {
        if (auto* found = findDialog(dialog)) text = found->controlText(control).toStdString();
    });
    return text;
}

void QtPlatform::setControlState(platform::DialogHandle dialog, int control, bool on) {
    onGui([&] {
        if (auto* found = findDialog(dialog)) found->setControlState(control, on);
    });
}

bool QtPlatform::controlState(platform::DialogHandle dialog, int control) {
    bool on = false;
    onGui([&] {
        if (auto* found = findDialog(dialog)) on = found->controlState(control);
    });
    return on;
}

void QtPlatform::setControlEnabled(platform::DialogHandle dialog, int control, bool enabled) {
    onGui([&] {
        if (auto* found = findDialog(dialog)) found->setControlEnabled(control, enabled);
    });
}

void QtPlatform::setControlRoutine(platform::DialogHandle dialog, int control,
                                   platform::Command routine) {
    onGui([&] {
        if (auto* found = findDialog(dialog)) found->setControlRoutine(control, std::move(routine));
    });
}

int QtPlatform::runDialog(platform::DialogHandle dialog) {
    const UserWaitTimer waiting;
    int pressed = platform::kButtonCancel;
    onGui([&] {
        auto* found = findDialog(dialog);
        if (!found) return;
        placeDialog(*found);
        pressed = found->run();
    });
    return pressed;
}

void QtPlatform::keepClearOfDialogs(std::optional<platform::PixelBox> area) {
    onGui([&] { keptClear_ = area; });
}

std::optional<QRect> QtPlatform::areaKeptClear() {
    std::optional<QRect> area;
    gui_->call([&] { area = globalAreaKeptClear(); });
    return area;
}

// The area of the graphics area kept clear, as far as the window shows it,
// in global pixels.
std::optional<QRect> QtPlatform::globalAreaKeptClear() const {
    if (!keptClear_ || !window_->isVisible()) return std::nullopt;
    const CanvasWidget& canvas = window_->canvasWidget();
    const QRect inCanvas(QPoint(keptClear_->x1, keptClear_->y1),
                         QPoint(keptClear_->x2, keptClear_->y2));
    QRect global(canvas.mapToGlobal(inCanvas.topLeft()), inCanvas.size());
    if (const QWidget* viewport = canvas.parentWidget()) {
        global &= QRect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
    }
    if (global.isEmpty()) return std::nullopt;
    return global;
}

// A dialog keeps the area in sight when one is kept clear: where no side has
// room for it in its own font, it is laid out smaller, down to a size still
// easy to read, before it gives up and covers part of the area. Either way it
// stays on the screen.
void QtPlatform::placeDialog(TemplateDialog& dialog) {
    constexpr double kSmallestPoints = 6.0;
    constexpr double kPointStep = 0.5;
    const QRect available = availableScreenArea();
    const QMargins frame = frameMarginsOf(dialog);
    const auto outer = [&] { return dialog.size().grownBy(frame); };
    dialog.setPointSize(dialog.naturalPointSize());
    if (const std::optional<QRect> clear = globalAreaKeptClear()) {
        for (double points = dialog.naturalPointSize(); points >= kSmallestPoints;
             points -= kPointStep) {
            dialog.setPointSize(points);
            if (const auto spot = spotClearOf(outer(), *clear, available)) {
                dialog.move(*spot);
                return;
            }
        }
        // No room anywhere: full size, just below the area, on the screen.
        dialog.setPointSize(dialog.naturalPointSize());
        dialog.move(spotCentredOn(
            outer(), QPoint(clear->center().x(), clear->bottom() + outer().height() / 2),
            available));
        return;
    }
    dialog.move(spotCentredOn(outer(), window_->frameGeometry().center(), available));
}

void QtPlatform::releaseDialog(platform::DialogHandle dialog) {
    onGui([&] {
        const auto found = dialogs_.find(handleNumber(dialog));
        if (found == dialogs_.end()) return;
        // A dialog released by one of its own routines is still running;
        // Qt deletes it once its event loop has let go of it.
        TemplateDialog* widget = found->second.release();
        dialogs_.erase(found);
        if (widget->isVisible()) {
            widget->reject();
            widget->deleteLater();
        } else {
            delete widget;
        }
    });
}

// ------------------------------------------------------------ message boxes

int QtPlatform::messageBox(std::string_view text, std::string_view title, int flags) {
    const UserWaitTimer waiting;
    const MessageBoxStyle style = messageBoxStyle(flags);
    // What a box answers when it can no longer be shown.
    int answer = style.escapeAnswer != 0 ? style.escapeAnswer : style.defaultAnswer;
    onGui([&] { answer = runMessageBox(fromView(text), fromView(title), flags); });
    return answer;
}

int QtPlatform::runMessageBox(const QString& text, const QString& title, int flags) {
    const MessageBoxStyle style = messageBoxStyle(flags);
    QMessageBox box(toQtIcon(style.icon), title, text, QMessageBox::NoButton, window_.get());
    box.setObjectName(QStringLiteral("calorviaMessageBox"));
    box.setTextFormat(Qt::PlainText);
    std::map<QAbstractButton*, int> answers;
    for (const int each : style.answers) {
        QPushButton* button = box.addButton(toQtButton(each));
        answers[button] = each;
        if (each == style.defaultAnswer) box.setDefaultButton(button);
        if (each == style.escapeAnswer) box.setEscapeButton(button);
    }
    execClearOfKeptArea(box, false);
    const auto clicked = answers.find(box.clickedButton());
    if (clicked != answers.end()) return clicked->second;
    return style.escapeAnswer != 0 ? style.escapeAnswer : style.defaultAnswer;
}

// ------------------------------------------------------------- file dialogs

std::optional<platform::FileChoice> QtPlatform::openFileDialog(
    const platform::FileDialogRequest& request) {
    return fileDialog(request, false);
}

std::optional<platform::FileChoice> QtPlatform::saveFileDialog(
    const platform::FileDialogRequest& request) {
    return fileDialog(request, true);
}

std::optional<platform::FileChoice> QtPlatform::fileDialog(
    const platform::FileDialogRequest& request, bool save) {
    const UserWaitTimer waiting;
    std::optional<platform::FileChoice> choice;
    onGui([&] {
        // Qt's own dialog, the same on every desktop.
        QFileDialog dialog(window_.get(), QString::fromStdString(request.title),
                           QDir(QString::fromStdString(request.initialFolder)).absolutePath());
        dialog.setObjectName(QStringLiteral("calorviaFileDialog"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        // The program checks for itself whether an opened file exists and
        // asks itself before a saved one is replaced.
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        const QStringList filters = nameFilters(request);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            const auto selected = static_cast<qsizetype>(request.selectedFilter);
            if (selected >= 0 && selected < filters.size()) {
                dialog.selectNameFilter(filters[selected]);
            }
        }
        if (!request.defaultExtension.empty()) {
            dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
        }
        const QString name = QString::fromStdString(request.fileName).trimmed();
        if (!name.isEmpty()) dialog.selectFile(name);

        while (execClearOfKeptArea(dialog, true) == QDialog::Accepted) {
            const QStringList chosen = dialog.selectedFiles();
            if (chosen.isEmpty()) continue;
            // A name in a folder that does not exist sends the user back.
            if (request.pathMustExist && !QFileInfo(chosen.front()).absoluteDir().exists()) {
                continue;
            }
            choice = platform::FileChoice{chosen.front().toStdString(), false};
            return;
        }
    });
    return choice;
}

std::optional<std::string> QtPlatform::chooseFolder(std::string_view title,
                                                    std::string_view initialFolder) {
    const UserWaitTimer waiting;
    std::optional<std::string> chosen;
    onGui([&] {
        FolderDialog dialog(window_.get(), fromView(title),
                            QDir(fromView(initialFolder)).absolutePath());
        if (execClearOfKeptArea(dialog, true) != QDialog::Accepted ||
            dialog.selectedFiles().isEmpty()) {
            return;
        }
        const QByteArray path = dialog.selectedFiles().front().toUtf8();
        chosen = std::string(path.constData(), static_cast<std::size_t>(path.size()));
    });
    return chosen;
}

// ------------------------------------------------------ placing Qt's dialogs

int QtPlatform::execClearOfKeptArea(QDialog& dialog, bool resizable) {
    const std::optional<QRect> clear = globalAreaKeptClear();
    if (!clear) return dialog.exec();
    // Shown first, so that its size is the one it is laid out at; moved
    // before the event loop paints it.
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    const QRect available = availableScreenArea();
    const QMargins frame = frameMarginsOf(dialog);
    const QSize outer = dialog.size().grownBy(frame);
    if (const auto spot = spotClearOf(outer, *clear, available)) {
        dialog.move(*spot);
    } else if (resizable) {
        const QSize smallest = dialog.minimumSizeHint().expandedTo(dialog.minimumSize());
        const std::array areas{*clear};
        if (const auto room = roomClearOf(outer, smallest.grownBy(frame), areas, available)) {
            dialog.resize(room->size().shrunkBy(frame));
            dialog.move(room->topLeft());
        }
    }
    return dialog.exec();
}

}  // namespace calorvia::platform_qt
