// The case entry on the real Qt window, offscreen: a student types a whole
// new case into the wizard's dialogs, saves it, runs it and clears the
// screen.

#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "app/application.h"
#include "entry/case_commands.h"
#include "gui_test_support.h"
#include "platform/dialog_templates.h"
#include "platform_qt/main_window.h"
#include "platform_qt/qt_platform.h"
#include "platform_qt/template_dialog.h"
#include "shell/home_screen.h"
#include "shell/shell.h"
#include "run/simulation_run.h"
#include "text/text_file.h"

namespace calorvia::entry {
namespace {

using namespace platform_qt::testing;
using platform_qt::TemplateDialog;
namespace g = platform::general_step;
namespace b = platform::boundary_step;

// The student: acts on each modal window as it comes up, in the order
// foreseen. A window that was not foreseen fails the test and is closed, so
// that nothing can hang.
class Student {
public:
    using Action = std::function<void(QWidget&)>;

    Student() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
        timer_.start(10);
    }

    void onDialog(int templateNumber, std::function<void(TemplateDialog&)> action) {
        steps_.push_back({"dialog " + std::to_string(templateNumber),
                          [templateNumber](QWidget* w) {
                              auto* dialog = qobject_cast<TemplateDialog*>(w);
                              return dialog && dialog->templateNumber() == templateNumber;
                          },
                          [action](QWidget& w) { action(static_cast<TemplateDialog&>(w)); }});
    }
    void onMessage(std::function<void(QMessageBox&)> action) {
        steps_.push_back({"a message box",
                          [](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; },
                          [action](QWidget& w) { action(static_cast<QMessageBox&>(w)); }});
    }
    void onFileDialog(std::function<void(QFileDialog&)> action) {
        steps_.push_back({"a file dialog",
                          [](QWidget* w) { return qobject_cast<QFileDialog*>(w) != nullptr; },
                          [action](QWidget& w) { action(static_cast<QFileDialog&>(w)); }});
    }
    bool done() const { return steps_.empty(); }

private:
    struct Step {
        std::string what;
        std::function<bool(QWidget*)> matches;
        Action act;
    };

    void tick() {
        if (acting_) return;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal == last_) return;
        last_ = modal;
        acting_ = true;
        if (!steps_.empty() && steps_.front().matches(modal)) {
            const Step step = steps_.front();
            steps_.pop_front();
            step.act(*modal);
        } else {
            ADD_FAILURE() << "an unforeseen window came up: " << modal->metaObject()->className()
                          << " \"" << modal->windowTitle().toStdString() << "\", expected "
                          << (steps_.empty() ? std::string("none") : steps_.front().what);
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->done(platform::kButtonCancel);
            } else {
                modal->close();
            }
        }
        acting_ = false;
    }

    QTimer timer_;
    std::deque<Step> steps_;
    QPointer<QWidget> last_;
    bool acting_ = false;
};

template <class W>
W& controlOf(TemplateDialog& dialog, int number) {
    auto* widget = qobject_cast<W*>(dialog.control(number));
    if (!widget) throw std::runtime_error("no such control: " + std::to_string(number));
    return *widget;
}

void typeInto(TemplateDialog& dialog, int number, const QString& text) {
    auto& edit = controlOf<QLineEdit>(dialog, number);
    edit.setFocus();
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClicks(&edit, text);
}

void press(TemplateDialog& dialog, int button) {
    QTest::mouseClick(&controlOf<QPushButton>(dialog, button), Qt::LeftButton);
}

int darkPixels(const QImage& image, int x1, int y1, int x2, int y2) {
    int dark = 0;
    for (int y = y1; y <= y2 && y < image.height(); ++y) {
        for (int x = x1; x <= x2 && x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 80) ++dark;
        }
    }
    return dark;
}

TEST(CaseEntryOnQt, AStudentTypesAWholeNewCaseSavesItRunsItAndClearsTheScreen) {
    TemporaryWorkingFolder folder;
    std::filesystem::create_directories(folder.path() / "Data");
    platform_qt::QtPlatform platform;
    app::Application application(platform, shell::DataFolders({CALORVIA_DATA_DIR}));
    shell::Shell& shell = application.shell();

    std::atomic<int> started{-1};
    std::atomic<bool> stop{false};
    std::atomic<bool> finished{false};
    std::thread mainThread([&] {
        started = shell.startUp() ? 1 : 0;
        if (started == 1) shell.idleLoop([&] { return !stop.load(); });
        finished = true;
    });
    const bool up = processEventsUntil([&] { return started.load() >= 0; }, 20s);
    auto& window = platform.mainWindow();

    Student student;
    student.onDialog(g::kTemplate, [](TemplateDialog& d) {
        // Pressed through at once: the blank distance is reported.
        press(d, platform::kButtonForward);
    });
    student.onMessage([](QMessageBox& box) {
        EXPECT_EQ(box.text(), QStringLiteral("Inform the value of the distance between the "
                                             "boundaries!"));
        box.button(QMessageBox::Ok)->click();
    });
    student.onDialog(g::kTemplate, [](TemplateDialog& d) {
        EXPECT_TRUE(controlOf<QRadioButton>(d, g::kNoStateRadio).isChecked());
        EXPECT_FALSE(controlOf<QRadioButton>(d, g::kSteadyRadio).isChecked());
        typeInto(d, g::kLxEdit, QStringLiteral("1"));
        typeInto(d, g::kNEdit, QStringLiteral("5"));
        typeInto(d, g::kKEdit, QStringLiteral("1"));
        typeInto(d, g::kScEdit, QStringLiteral("0"));
        typeInto(d, g::kSpEdit, QStringLiteral("0"));
        typeInto(d, g::kUEdit, QStringLiteral("0"));
        QTest::mouseClick(&controlOf<QRadioButton>(d, g::kSteadyRadio), Qt::LeftButton);
        press(d, platform::kButtonForward);
    });
    student.onDialog(b::kWestTemplate, [](TemplateDialog& d) {
        EXPECT_EQ(d.controlText(b::kStepTitle),
                  QStringLiteral("Step 2 - West boundary condition - In x = 0.0:"));
        typeInto(d, b::kTEdit, QStringLiteral("100"));
        // A temperature closes the other groups at once.
        EXPECT_FALSE(d.control(b::kPhiEdit)->isEnabled());
        EXPECT_FALSE(d.control(b::kHEdit)->isEnabled());
        press(d, platform::kButtonForward);
    });
    student.onDialog(b::kEastTemplate, [](TemplateDialog& d) {
        typeInto(d, b::kHEdit, QStringLiteral("10"));
        EXPECT_FALSE(d.control(b::kTEdit)->isEnabled());
        typeInto(d, b::kHEdit, QString());
        EXPECT_TRUE(d.control(b::kTEdit)->isEnabled());
        typeInto(d, b::kTEdit, QStringLiteral("200"));
        press(d, platform::kButtonForward);
    });
    student.onFileDialog([](QFileDialog& dialog) {
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QStringLiteral("wall.txt"));
        static_cast<QDialog&>(dialog).accept();
    });

    ASSERT_TRUE(up);
    ASSERT_EQ(started.load(), 1);
    window.menuItem(1, 1)->trigger();  // File > New
    EXPECT_TRUE(student.done());
    EXPECT_EQ(shell.state().runState(), shell::RunState::CaseLoaded);
    const auto saved = text::readTextLines(folder.path() / "Data" / "wall.txt");
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->size(), 12u);
    EXPECT_EQ(text::readTextLines(folder.path() / "Loaded.txt")->at(1), " 5");

    // The summary panel on the canvas: the step 1 lines and the boundaries.
    const QImage screen = platform.canvasImage();
    const shell::LayoutOrigin o = shell::layoutOrigin(shell.graphicsSize());
    EXPECT_GT(darkPixels(screen, o.x + 40, o.y + 40, o.x + 300, o.y + 55), 50) << "Lx line";
    EXPECT_GT(darkPixels(screen, o.x + 40, o.y + 240, o.x + 300, o.y + 255), 50) << "west line";
    EXPECT_GT(darkPixels(screen, o.x + 394, o.y + 240, o.x + 700, o.y + 255), 50) << "east line";

    // Begin Simulation: the scale of the new graph as proposed, no look at
    // the files.
    student.onDialog(platform::scale_dialog::kTemplate,
                     [](TemplateDialog& d) { press(d, platform::kButtonOk); });
    student.onMessage([](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
    window.menuItem(2, 1)->trigger();
    EXPECT_TRUE(processEventsUntil([&] { return shell.state().runState() == shell::RunState::Finished; }, 30s));
    EXPECT_TRUE(student.done());
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "Steady.txt"));

    // Clear Screen.
    window.menuItem(2, 1)->trigger();
    EXPECT_EQ(shell.state().runState(), shell::RunState::Idle);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Loaded.txt"));

    stop = true;
    processEventsUntil([&] { return finished.load(); }, 10s);
    mainThread.join();
}

}  // namespace
}  // namespace calorvia::entry
