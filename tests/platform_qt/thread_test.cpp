// The two threads: a worker's modal calls block the worker only, the GUI
// thread keeps turning, and drawing never waits for the GUI.

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <future>
#include <stdexcept>
#include <thread>

#include "gui_test_support.h"
#include "platform_qt/gui_caller.h"
#include "platform_qt/main_window.h"
#include "platform_qt/qt_platform.h"
#include "platform_qt/template_dialog.h"

namespace calorvia::platform_qt {
namespace {

using namespace testing;

// A modal window opened for the worker runs its own event loop on the GUI
// thread; the test acts from inside that loop, as the user would.
TEST(Threads, AMessageBoxFromTheWorkerBlocksOnlyTheWorker) {
    QtPlatform platform;
    std::atomic<int> answer{0};
    int ticks = 0;
    int answerWhileOpen = -1;
    auto user = WhenModal::of<QMessageBox>([&](QMessageBox& box) {
        // While the box waits the GUI thread runs timers, and the worker
        // stays where it is.
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(5);
        processEventsFor(150ms);
        answerWhileOpen = answer.load();
        box.button(QMessageBox::Yes)->click();
    });
    std::thread worker([&] { answer = platform.messageBox("Continue?", "Attention", 4); });
    EXPECT_TRUE(processEventsUntil([&] { return answer.load() != 0; }));
    worker.join();
    EXPECT_TRUE(user->acted());
    EXPECT_GE(ticks, 5);
    EXPECT_EQ(answerWhileOpen, 0) << "the worker went on before the box was answered";
    EXPECT_EQ(answer.load(), platform::kAnswerYes);
}

TEST(Threads, CancelFromTheMenuReachesARunningWorker) {
    // The run draws and checks its state flag; the menu command sets it.
    QtPlatform platform;
    std::atomic<int> runState{0};
    platform.appendMenuItem(2, "&Simulation", platform::MenuItemKind::Enabled, {});
    platform.appendMenuItem(2, "&Cancel Simulation", platform::MenuItemKind::Enabled,
                            [&] { runState = 1; });
    std::atomic<int> steps{0};
    std::thread worker([&] {
        while (runState.load() == 0 && steps.load() < 100000) {
            platform.setColorIndex(steps % 16);
            platform.moveTo(0, steps % 200);
            platform.lineTo(300, steps % 200);
            platform.pause(1);
            ++steps;
        }
    });
    EXPECT_TRUE(processEventsUntil([&] { return steps.load() >= 20; }));
    platform.mainWindow().menuItem(2, 1)->trigger();
    const int stepsAtCancel = steps.load();
    worker.join();
    EXPECT_EQ(runState.load(), 1);
    EXPECT_LE(steps.load(), stepsAtCancel + 1) << "the run stops at its next check";
}

TEST(Threads, AMenuCommandRunsWhileTheWorkerWaitsForAMessageBox) {
    QtPlatform platform;
    std::atomic<int> runState{0};
    platform.appendMenuItem(2, "&Simulation", platform::MenuItemKind::Enabled, {});
    platform.appendMenuItem(2, "&Cancel Simulation", platform::MenuItemKind::Enabled,
                            [&] { runState = 1; });
    std::atomic<bool> finished{false};
    bool finishedBeforeAnswer = true;
    auto user = WhenModal::of<QMessageBox>([&](QMessageBox& box) {
        platform.mainWindow().menuItem(2, 1)->trigger();
        finishedBeforeAnswer = finished.load();
        box.button(QMessageBox::Ok)->click();
    });
    std::thread worker([&] {
        platform.messageBox("Out of range", "Attention", 48);
        finished = true;
    });
    EXPECT_TRUE(processEventsUntil([&] { return finished.load(); }));
    worker.join();
    EXPECT_TRUE(user->acted());
    EXPECT_EQ(runState.load(), 1);
    EXPECT_FALSE(finishedBeforeAnswer);
}

TEST(Threads, ADialogRunFromTheWorkerReturnsWhatTheUserDid) {
    QtPlatform platform;
    namespace t = platform::tolerance_dialog;
    std::thread::id routineThread;
    std::atomic<bool> done{false};
    int pressed = 0;
    std::string tolerance;
    std::thread worker([&] {
        const auto dialog = platform.createDialog(t::kTemplate);
        platform.setControlText(dialog, t::kToleranceEdit, "1E-5");
        platform.setControlRoutine(dialog, t::kToleranceEdit,
                                   [&] { routineThread = std::this_thread::get_id(); });
        pressed = platform.runDialog(dialog);
        tolerance = platform.controlText(dialog, t::kToleranceEdit);
        platform.releaseDialog(dialog);
        done = true;
    });
    auto user = WhenModal::of<TemplateDialog>([](TemplateDialog& dialog) {
        auto* edit = qobject_cast<QLineEdit*>(dialog.control(t::kToleranceEdit));
        edit->setText(QString());
        edit->insert(QStringLiteral("0.001"));
        qobject_cast<QPushButton*>(dialog.control(platform::kButtonOk))->click();
    });
    EXPECT_TRUE(processEventsUntil([&] { return done.load(); }));
    worker.join();
    EXPECT_TRUE(user->acted());
    EXPECT_EQ(pressed, platform::kButtonOk);
    EXPECT_EQ(tolerance, "0.001");
    EXPECT_EQ(routineThread, std::this_thread::get_id()) << "routines run on the GUI thread";
}

TEST(Threads, DrawingFromTheWorkerNeverWaitsForTheGui) {
    QtPlatform platform;
    // The GUI thread processes no events until the worker is done: if a
    // drawing call needed it, the worker would not finish.
    auto drawing = std::async(std::launch::async, [&] {
        platform.setColorIndex(12);
        for (int i = 0; i < 2000; ++i) {
            platform.moveTo(i % 300, 5);
            platform.lineTo(i % 300, 25);
        }
        platform.moveTo(10, 40);
        platform.outText("drawn by the worker");
    });
    ASSERT_EQ(drawing.wait_for(10s), std::future_status::ready);
    EXPECT_EQ(rgbOf(platform.canvasImage(), 150, 15), 0xFF0000u);
    EXPECT_EQ(platform.repaintRequests(), 1u);
}

TEST(Threads, GuiCallerRunsQueuedWorkOnTheGuiThread) {
    QObject context;
    GuiCaller caller(&context);
    std::thread::id ranOn;
    bool ran = false;
    std::thread worker([&] { ran = caller.call([&] { ranOn = std::this_thread::get_id(); }); });
    EXPECT_TRUE(processEventsUntil([&] { return ranOn != std::thread::id(); }));
    worker.join();
    EXPECT_TRUE(ran);
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST(Threads, ClosingReleasesAWaitingWorkerAndDropsItsWork) {
    QObject context;
    GuiCaller caller(&context);
    std::atomic<bool> ranWork{false};
    auto result =
        std::async(std::launch::async, [&] { return caller.call([&] { ranWork = true; }); });
    // The GUI thread does not turn: the worker waits...
    EXPECT_EQ(result.wait_for(50ms), std::future_status::timeout);
    // ...until the GUI closes.
    caller.close();
    ASSERT_EQ(result.wait_for(5s), std::future_status::ready);
    EXPECT_FALSE(result.get());
    processEventsFor(20ms);
    EXPECT_FALSE(ranWork.load()) << "work queued before closing must not run after it";
    // Later calls from a worker return at once.
    auto later = std::async(std::launch::async, [&] { return caller.call([] {}); });
    ASSERT_EQ(later.wait_for(5s), std::future_status::ready);
    EXPECT_FALSE(later.get());
    EXPECT_TRUE(caller.closed());
}

TEST(Threads, AFailureOnTheGuiThreadReachesTheCaller) {
    QObject context;
    GuiCaller caller(&context);
    auto result = std::async(std::launch::async, [&] {
        try {
            caller.call([] { throw std::runtime_error("refused"); });
        } catch (const std::runtime_error& error) {
            return std::string(error.what());
        }
        return std::string("nothing thrown");
    });
    EXPECT_TRUE(
        processEventsUntil([&] { return result.wait_for(0s) == std::future_status::ready; }));
    EXPECT_EQ(result.get(), "refused");
}

TEST(Threads, AWorkerBoxAfterTheGuiClosedAnswersWithoutWaiting) {
    QtPlatform platform;
    // What the end of the event loop brings about.
    platform.stopServingWorkers();
    EXPECT_TRUE(platform.closed());
    auto answers = std::async(std::launch::async, [&] {
        return std::pair{platform.messageBox("Continue?", "Attention", 4),
                         platform.runDialog(platform.createDialog(110))};
    });
    ASSERT_EQ(answers.wait_for(5s), std::future_status::ready);
    const auto [box, dialog] = answers.get();
    EXPECT_EQ(box, platform::kAnswerNo);
    EXPECT_EQ(dialog, platform::kButtonCancel);
}

}  // namespace
}  // namespace calorvia::platform_qt
