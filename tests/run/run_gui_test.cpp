// Whole runs on the real Qt window, offscreen: Begin Simulation from the
// menu, the dialogs answered as a user would, the result files on disk and
// the profile on the canvas; and Cancel Simulation during a long run.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/application.h"
#include "platform_qt/main_window.h"
#include "platform_qt/qt_platform.h"
#include "platform_qt/template_dialog.h"
#include "shell/home_screen.h"
#include "shell/shell.h"
#include "simulation/case_writer.h"
#include "run/simulation_run.h"
#include "support/program_folder.h"
#include "support/real_program.h"
#include "text/text_file.h"

namespace calorvia::run {

using namespace simulation;
namespace {

bool serveUntil(const std::function<bool()>& done, int milliseconds = 30000) {
    return calorvia::testing::serveEventsUntil(done, std::chrono::milliseconds(milliseconds));
}

// The user at the keyboard: confirms every dialog with OK and answers every
// question No (every notice OK), noting what was asked.
class User {
public:
    User() {
        timer_.setInterval(15);
        QObject::connect(&timer_, &QTimer::timeout, [this] { act(); });
        timer_.start();
    }
    std::vector<std::string> questions;
    std::vector<int> dialogs;
    // Looks at the screen while a question waits for its answer.
    std::function<void()> onQuestion;

private:
    void act() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            questions.push_back(box->text().toStdString());
            if (onQuestion) onQuestion();
            QAbstractButton* no = box->button(QMessageBox::No);
            (no ? no : box->button(QMessageBox::Ok))->click();
        } else if (auto* dialog = qobject_cast<platform_qt::TemplateDialog*>(modal)) {
            dialogs.push_back(dialog->templateNumber());
            if (auto* ok = qobject_cast<QPushButton*>(dialog->control(platform::kButtonOk))) {
                ok->click();
            }
        }
    }
    QTimer timer_;
};

CaseFileContent conductionCase(std::int32_t N, CaseState state, std::int32_t Nst) {
    CaseFileContent c;
    c.Lx = {"1", 1.0};
    c.N = N;
    c.K = "1";
    c.Sc = "0";
    c.Sp = "0";
    c.state = state;
    c.method = SolutionMethod::TabLU;
    c.Ti = "20";
    c.Rho = "1";
    c.Cp = "1";
    c.Delt_t = {"0.001", 0.001};
    c.Nst = Nst;
    c.No = 1;
    c.west = {.T = "100", .condition = {.type = BoundaryType::Temperature, .T = 100.0}};
    c.east = {.T = "200", .condition = {.type = BoundaryType::Temperature, .T = 200.0}};
    c.u = {"0", 0.0};
    return c;
}

class RunOnQtTest : public calorvia::testing::ProgramFolderTest {
protected:
    void TearDown() override {
        stop_ = true;
        if (mainThread_.joinable()) {
            serveUntil([this] { return finished_.load(); }, 20000);
            mainThread_.join();
        }
    }

    // Start-up and the idle loop on the program's main thread, the
    // application wired as the desktop program wires it.
    void startProgram() {
        application_ = std::make_unique<app::Application>(
            platform_, shell::DataFolders({calorvia::testing::buildDataFolder()}));
        shell_ = &application_->shell();
        mainThread_ = std::thread([this] {
            if (shell_->startUp()) shell_->idleLoop([this] { return !stop_.load(); });
            finished_ = true;
        });
        ASSERT_TRUE(serveUntil([this] {
            return platform_.mainWindow().menuItem(2, 1)->isEnabled() &&
                   platform_.mainWindow().menuItem(1, 0)->isEnabled();
        }));
    }

    QString simulationItem() { return platform_.mainWindow().menuItem(2, 1)->text(); }

    platform_qt::QtPlatform platform_;
    shell::Shell* shell_ = nullptr;
    std::atomic<bool> stop_{false};
    std::atomic<bool> finished_{false};

private:
    std::unique_ptr<app::Application> application_;
    std::thread mainThread_;
};

TEST_F(RunOnQtTest, BeginSimulationWritesTheResultsAndDrawsTheProfile) {
    startProgram();  // start-up removes an earlier working case
    ASSERT_TRUE(
        writeCaseFile(file("Loaded.txt"), conductionCase(10, CaseState::Steady, 1), CaseFileLayout::Working));
    User user;
    platform_.mainWindow().menuItem(2, 1)->trigger();
    ASSERT_TRUE(serveUntil([this] {
        return shell_->state().runState() == shell::RunState::Finished;
    })) << shell_->state().runRequested()
        << " " << user.questions.size() << " " << user.dialogs.size() << " "
        << simulationItem().toStdString() << " "
        << (user.questions.empty() ? "" : user.questions[0]);
    EXPECT_EQ(simulationItem(), QStringLiteral("&Clear Screen"));
    EXPECT_EQ(user.dialogs, std::vector<int>{platform::scale_dialog::kTemplate});
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_NE(user.questions[0].find("inspect the files"), std::string::npos);

    const auto steady = text::readTextLines(file("Steady.txt"));
    ASSERT_TRUE(steady.has_value());
    EXPECT_EQ(steady->size(), 4u + 10u + 2u);
    EXPECT_EQ(steady->at(0), " One-dimensional steady state");
    for (const char* name : {"Data.txt", "Flux.txt", "Flux_x_Position.txt"}) {
        EXPECT_TRUE(std::filesystem::exists(file(name))) << name;
    }

    // The profile: a rising straight line in the graph colour (palette 12,
    // red) inside the pane at (10, 250): x from 110 to 310, y from 330 to 530.
    const QImage canvas = platform_.canvasImage();
    int red = 0;
    for (int y = 320; y < 540 && y < canvas.height(); ++y) {
        for (int x = 105; x < 315 && x < canvas.width(); ++x) {
            const QRgb pixel = canvas.pixel(x, y);
            red += qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
        }
    }
    EXPECT_GT(red, 150);
}

// The Portuguese steady label is wider than its box in the run's font: it is
// drawn smaller, inside the light cyan box, and when the boxes are erased at
// the end nothing of it is left on the white graph area.
TEST_F(RunOnQtTest, PortugueseStatusBoxesHoldTheirTextsAndLeaveNothingBehind) {
    std::ofstream(file("idioma")) << " 1\n";
    startProgram();
    ASSERT_TRUE(
        writeCaseFile(file("Loaded.txt"), conductionCase(10, CaseState::Steady, 1), CaseFileLayout::Working));
    User user;
    QImage whileAsking;
    user.onQuestion = [&] { whileAsking = platform_.canvasImage(); };
    platform_.mainWindow().menuItem(2, 1)->trigger();
    ASSERT_TRUE(serveUntil([this] {
        return shell_->state().runState() == shell::RunState::Finished;
    }));
    ASSERT_FALSE(whileAsking.isNull());
    const QRgb cyan = qRgb(0, 240, 255);
    const QRgb white = qRgb(255, 255, 255);
    auto colour = [](const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; };
    // The steady-state box (2,58)-(121,81) and the waiting box (20,30)-(103,53).
    EXPECT_EQ(colour(whileAsking, 119, 79), cyan);
    EXPECT_EQ(colour(whileAsking, 101, 51), cyan);
    int inked = 0;
    for (int y = 58; y <= 81; ++y) {
        for (int x = 4; x < 121; ++x) inked += qGray(whileAsking.pixel(x, y)) < 100;
        // Right of the box's border the graph area is untouched.
        for (int x = 122; x < 160; ++x) {
            EXPECT_EQ(colour(whileAsking, x, y), white) << x << "," << y;
        }
    }
    EXPECT_GT(inked, 40) << "\"Reg. permanente\" is in its box";

    const QImage after = platform_.canvasImage();
    for (int y = 2; y <= 85; ++y) {
        for (int x = 2; x < 160; ++x) {
            ASSERT_EQ(colour(after, x, y), white) << x << "," << y;
        }
    }
}

TEST_F(RunOnQtTest, CancelDuringALongRunReturnsToTheHomeScreenWithinASecond) {
    startProgram();
    ASSERT_TRUE(writeCaseFile(file("Loaded.txt"), conductionCase(1000, CaseState::Unsteady, 200000),
                              CaseFileLayout::Working));
    User user;
    platform_.mainWindow().menuItem(2, 1)->trigger();
    ASSERT_TRUE(
        serveUntil([this] { return simulationItem() == QStringLiteral("&Cancel Simulation"); }));
    // Let it march for a while.
    serveUntil([] { return false; }, 700);
    ASSERT_EQ(simulationItem(), QStringLiteral("&Cancel Simulation"));
    // It is marching: the node history has rows beyond its first.
    const auto rows = text::readTextLines(file("Unsteady.txt"));
    ASSERT_TRUE(rows.has_value());
    EXPECT_GT(rows->size(), 4u + 2u);

    QElapsedTimer clock;
    clock.start();
    platform_.mainWindow().menuItem(2, 1)->trigger();
    // The whole cancel sequence: item 2.1 back, the request cleared, the
    // working case deleted.
    ASSERT_TRUE(serveUntil(
        [this] {
            return simulationItem() == QStringLiteral("&Begin Simulation") &&
                   shell_->state().runState() == shell::RunState::Idle &&
                   !std::filesystem::exists(file("Loaded.txt"));
        },
        5000));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(std::filesystem::exists(file("Loaded.txt")));
    EXPECT_FALSE(std::filesystem::exists(file("Steady.txt")));
    EXPECT_EQ(shell_->state().runState(), shell::RunState::Idle);
    EXPECT_TRUE(user.questions.empty());
    // The home screen's grey background is back.
    const shell::LayoutOrigin o = shell::layoutOrigin(shell_->graphicsSize());
    const QRgb background = platform_.canvasImage().pixel(o.x + 5, o.y + 5);
    EXPECT_EQ(qRed(background), 160);
    EXPECT_EQ(qBlue(background), 160);
}

}  // namespace
}  // namespace calorvia::run

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Calorvia"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
