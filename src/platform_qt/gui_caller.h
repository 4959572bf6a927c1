#pragma once
// Carries work from any thread to Qt's GUI thread.
//
// The program's main thread is a worker; widgets live on the GUI thread. A
// call from the worker is queued to the GUI thread and the worker waits for
// it, so a modal dialog opened that way blocks the worker only: the GUI
// thread runs the dialog's own event loop and keeps repainting and serving
// the menus. A call made on the GUI thread itself runs at once; queuing it
// there would wait forever for a loop that cannot turn.
//
// Once the GUI has closed (its event loop ended, or the platform is being
// destroyed) queued work can no longer run: waiting callers are released and
// later calls report that nothing ran, so a worker never hangs on a window
// that is gone. Work that has already started is always waited for.

#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>

class QObject;

namespace calorvia::platform_qt {

class GuiCaller {
public:
    // `context` lives on the GUI thread; queued work runs in its event loop.
    explicit GuiCaller(QObject* context);
    ~GuiCaller();
    GuiCaller(const GuiCaller&) = delete;
    GuiCaller& operator=(const GuiCaller&) = delete;

    bool onGuiThread() const;

    // Runs `work` on the GUI thread and returns when it has finished: true,
    // or false when the GUI had closed and `work` never ran. An exception
    // thrown by `work` reaches the caller.
    bool call(const std::function<void()>& work);

    // Queues `work` for the GUI thread without waiting; dropped once closed.
    void post(std::function<void()> work);

    // Releases every waiting caller whose work has not started and refuses
    // later work. Called on the GUI thread.
    void close();
    bool closed() const;

private:
    struct Shared;
    QObject* context_;
    std::shared_ptr<Shared> shared_;
};

}  // namespace calorvia::platform_qt
