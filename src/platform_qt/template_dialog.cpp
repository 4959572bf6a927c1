#include "platform_qt/template_dialog.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace calorvia::platform_qt {
namespace {

using platform::ControlKind;

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The property holding a label's text as the program set it.
constexpr const char* kProgramText = "calorviaProgramText";

// Labels line up their "=" signs with runs of blanks measured in the
// template's font. A substitute face with wider blanks would push the end of
// the text out of the label; the longest runs give up blanks until it fits
// again.
QString fittedLabelText(QString text, const QFontMetrics& metrics, int width) {
    while (metrics.horizontalAdvance(text) > width) {
        qsizetype longestStart = -1, longestLength = 1;
        for (qsizetype i = 0; i < text.size();) {
            if (text[i] != QLatin1Char(' ')) {
                ++i;
                continue;
            }
            qsizetype end = i;
            while (end < text.size() && text[end] == QLatin1Char(' ')) ++end;
            if (end - i > longestLength) {
                longestStart = i;
                longestLength = end - i;
            }
            i = end;
        }
        if (longestStart < 0) break;  // no run left to squeeze
        text.remove(longestStart, 1);
    }
    return text;
}

void setLabelText(QLabel& label, const QString& text) {
    label.setProperty(kProgramText, text);
    label.setText(fittedLabelText(text, label.fontMetrics(), label.width()));
}

}  // namespace

TemplateDialog::TemplateDialog(const platform::DialogTemplate& layout, QWidget* parent)
    : QDialog(parent), layout_(layout) {
    setObjectName(QStringLiteral("calorviaDialog%1").arg(layout.number));
    setWindowTitle(fromView(templateTitle(layout)));
    // The title bar offers only closing, like the templates' dialogs.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowModality(Qt::WindowModal);

    QFont font(fromView(layout.fontFace));
    font.setPointSize(layout.fontPointSize);
    setFont(font);
    build();
    layOut();
}

double TemplateDialog::naturalPointSize() const {
    return layout_.fontPointSize;
}

double TemplateDialog::pointSize() const {
    return font().pointSizeF();
}

void TemplateDialog::setPointSize(double points) {
    if (points == pointSize()) return;
    QFont smaller = font();
    smaller.setPointSizeF(points);
    setFont(smaller);
    layOut();
}

// Dialog units become pixels through the metrics of the font in use.
void TemplateDialog::layOut() {
    const QFontMetrics metrics(font());
    base_ = dialogBaseUnits(metrics.horizontalAdvance(QString::fromLatin1(kBaseUnitAlphabet)),
                            metrics.height());
    setFixedSize(horizontalUnitsToPixels(layout_.width, base_),
                 verticalUnitsToPixels(layout_.height, base_));
    for (const auto& [number, entry] : controls_) {
        const PixelRect place = dialogRectToPixels(entry.layout->rect, base_);
        entry.widget->setGeometry(place.x, place.y, place.width, place.height);
        if (auto* label = qobject_cast<QLabel*>(entry.widget)) {
            setLabelText(*label, label->property(kProgramText).toString());
        }
    }
}

void TemplateDialog::build() {
    QWidget* firstFocus = nullptr;
    for (const auto& controlLayout : layout_.controls) {
        QWidget* widget = createWidget(controlLayout);
        widget->setEnabled(controlLayout.enabled);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setProperty(kProgramText, fromView(templateCaption(controlLayout)));
        }
        controls_[controlLayout.number] = {&controlLayout, widget,
                                           std::make_shared<platform::Command>()};
        if (!firstFocus && controlLayout.enabled && widget->focusPolicy() != Qt::NoFocus &&
            controlLayout.kind != ControlKind::Label &&
            controlLayout.kind != ControlKind::GroupBox) {
            firstFocus = widget;
        }
    }
    // Frames lie under the controls they enclose.
    for (auto& [number, entry] : controls_) {
        if (entry.layout->kind == ControlKind::GroupBox) entry.widget->lower();
    }
    if (firstFocus) firstFocus->setFocus();
}

QWidget* TemplateDialog::createWidget(const platform::ControlTemplate& controlLayout) {
    const QString caption = fromView(templateCaption(controlLayout));
    const int number = controlLayout.number;
    switch (controlLayout.kind) {
        case ControlKind::GroupBox:
            return new QGroupBox(caption, this);
        case ControlKind::Label: {
            // Its text is set once the label has its size.
            auto* label = new QLabel(this);
            label->setTextFormat(Qt::PlainText);
            return label;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(this);
            connect(edit, &QLineEdit::textEdited, this, [this, number] { runRoutine(number); });
            return edit;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(caption, this);
            button->setDefault(controlLayout.defaultButton);
            connect(button, &QPushButton::clicked, this, [this, number] { pushed(number); });
            return button;
        }
        case ControlKind::RadioButton: {
            auto* radio = new QRadioButton(caption, this);
            radio->setAutoExclusive(false);
            connect(radio, &QRadioButton::clicked, this, [this, number] { radioClicked(number); });
            return radio;
        }
        case ControlKind::CheckBox: {
            auto* check = new QCheckBox(caption, this);
            connect(check, &QCheckBox::clicked, this, [this, number] { runRoutine(number); });
            return check;
        }
    }
    return new QLabel(caption, this);
}

QWidget* TemplateDialog::control(int number) const {
    const auto found = controls_.find(number);
    return found == controls_.end() ? nullptr : found->second.widget;
}

void TemplateDialog::setControlText(int number, const QString& text) {
    QWidget* widget = control(number);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        setLabelText(*label, text);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    }
}

QString TemplateDialog::controlText(int number) const {
    QWidget* widget = control(number);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->property(kProgramText).toString();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    return {};
}

void TemplateDialog::setControlState(int number, bool on) {
    const auto found = controls_.find(number);
    if (found == controls_.end()) return;
    auto* button = qobject_cast<QAbstractButton*>(found->second.widget);
    if (!button || !button->isCheckable()) return;
    button->setChecked(on);
    if (on && found->second.layout->kind == ControlKind::RadioButton) switchOffGroupExcept(number);
}

bool TemplateDialog::controlState(int number) const {
    auto* button = qobject_cast<QAbstractButton*>(control(number));
    return button && button->isCheckable() && button->isChecked();
}

void TemplateDialog::setControlEnabled(int number, bool enabled) {
    if (QWidget* widget = control(number)) widget->setEnabled(enabled);
}

void TemplateDialog::setControlRoutine(int number, platform::Command routine) {
    const auto found = controls_.find(number);
    if (found != controls_.end()) *found->second.routine = std::move(routine);
}

int TemplateDialog::run() {
    return exec();
}

void TemplateDialog::reject() {
    done(platform::kButtonCancel);
}

void TemplateDialog::runRoutine(int number) {
    const auto found = controls_.find(number);
    if (found == controls_.end()) return;
    // A copy: the routine may attach another routine to its own control.
    const platform::Command routine = *found->second.routine;
    if (routine) routine();
}

void TemplateDialog::pushed(int number) {
    const auto found = controls_.find(number);
    if (found == controls_.end()) return;
    if (*found->second.routine) {
        runRoutine(number);
    } else {
        done(number);
    }
}

void TemplateDialog::radioClicked(int number) {
    // A click on the chosen option leaves it chosen.
    if (auto* radio = qobject_cast<QRadioButton*>(control(number))) radio->setChecked(true);
    switchOffGroupExcept(number);
    runRoutine(number);
}

void TemplateDialog::switchOffGroupExcept(int number) {
    const int group = controls_.at(number).layout->radioGroup;
    if (group == 0) return;
    for (auto& [other, entry] : controls_) {
        if (other == number || entry.layout->kind != ControlKind::RadioButton ||
            entry.layout->radioGroup != group) {
            continue;
        }
        if (auto* radio = qobject_cast<QRadioButton*>(entry.widget)) radio->setChecked(false);
    }
}

}  // namespace calorvia::platform_qt
