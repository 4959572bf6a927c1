#pragma once
// A modal dialog built from a numbered template.
//
// Every control of the template becomes a widget at its rectangle, turned
// from dialog units into pixels by the metrics of the template's font as
// the system really renders it. Captions keep their "&" access keys; the
// template's default button answers Enter; Escape and the title bar close
// the dialog as Cancel (2).
//
// Radio buttons exclude each other within their group only, and the program
// may switch every one of a group off (a dialog opens with no choice made
// that way), which Qt's own exclusive groups do not allow; so the group rule
// is kept here.
//
// Labels align their "=" signs with runs of blanks measured in the
// template's font; where the face really used has wider blanks, the longest
// runs are shortened until the text fits its label. The program reads back
// the text it set.
//
// Routines attached to controls run on user action only: an edit field's
// when the user changes its text, an option's when the user clicks it, a
// push button's instead of closing the dialog.
//
// A dialog is modal to the main window only (window-modal): the program's
// help window, which has no parent, stays usable beside it. Where the screen
// is short of room the dialog can be laid out again in a smaller font; its
// controls keep their texts and states.

#include <QDialog>
#include <map>
#include <memory>

#include "platform/dialog_templates.h"
#include "platform/platform.h"
#include "platform_qt/dialog_units.h"

namespace calorvia::platform_qt {

class TemplateDialog : public QDialog {
    Q_OBJECT

public:
    TemplateDialog(const platform::DialogTemplate& layout, QWidget* parent);

    int templateNumber() const { return layout_.number; }
    DialogBaseUnits baseUnits() const { return base_; }

    // The template's font size, and the size the dialog is laid out in now.
    double naturalPointSize() const;
    double pointSize() const;
    // Lays the dialog out again in the template's face at `points`.
    void setPointSize(double points);

    // The widget of control `number`, or nullptr.
    QWidget* control(int number) const;

    // Unknown control numbers are ignored, as the window system does.
    void setControlText(int number, const QString& text);
    QString controlText(int number) const;
    void setControlState(int number, bool on);
    bool controlState(int number) const;
    void setControlEnabled(int number, bool enabled);
    void setControlRoutine(int number, platform::Command routine);

    // Shows the dialog modally; the number of the button that closed it.
    int run();
    // Escape and the title bar: closes with Cancel (2).
    void reject() override;

private:
    struct Control {
        const platform::ControlTemplate* layout = nullptr;
        QWidget* widget = nullptr;
        std::shared_ptr<platform::Command> routine;
    };
    void build();
    void layOut();
    QWidget* createWidget(const platform::ControlTemplate& layout);
    void runRoutine(int number);
    void pushed(int number);
    void radioClicked(int number);
    void switchOffGroupExcept(int number);

    const platform::DialogTemplate& layout_;
    DialogBaseUnits base_;
    std::map<int, Control> controls_;
};

}  // namespace calorvia::platform_qt
