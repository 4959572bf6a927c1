#include "platform_qt/gui_caller.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

namespace calorvia::platform_qt {

// State shared by the caller and the queued task, so that either may outlive
// the other: a caller released by close() leaves the task behind, and a task
// dropped by Qt never leaves a dangling caller.
struct GuiCaller::Shared {
    std::mutex mutex;
    std::condition_variable changed;
    bool closed = false;
};

namespace {

enum class TaskState { Queued, Running, Done, Abandoned };

struct Task {
    std::function<void()> work;
    TaskState state = TaskState::Queued;
    std::exception_ptr failure;
};

}  // namespace

GuiCaller::GuiCaller(QObject* context) : context_(context), shared_(std::make_shared<Shared>()) {}

GuiCaller::~GuiCaller() {
    close();
}

bool GuiCaller::onGuiThread() const {
    return QThread::currentThread() == context_->thread();
}

bool GuiCaller::call(const std::function<void()>& work) {
    if (onGuiThread()) {
        work();
        return true;
    }
    auto task = std::make_shared<Task>();
    task->work = work;
    {
        std::lock_guard lock(shared_->mutex);
        if (shared_->closed) return false;
    }
    auto shared = shared_;
    QMetaObject::invokeMethod(
        context_,
        [shared, task] {
            {
                std::lock_guard lock(shared->mutex);
                if (task->state != TaskState::Queued || shared->closed) return;
                task->state = TaskState::Running;
            }
            try {
                task->work();
            } catch (...) {
                task->failure = std::current_exception();
            }
            {
                std::lock_guard lock(shared->mutex);
                task->state = TaskState::Done;
            }
            shared->changed.notify_all();
        },
        Qt::QueuedConnection);

    std::unique_lock lock(shared_->mutex);
    shared_->changed.wait(lock, [&] {
        return task->state == TaskState::Done ||
               (task->state == TaskState::Queued && shared_->closed);
    });
    if (task->state != TaskState::Done) {
        task->state = TaskState::Abandoned;
        return false;
    }
    if (task->failure) std::rethrow_exception(task->failure);
    return true;
}

void GuiCaller::post(std::function<void()> work) {
    auto shared = shared_;
    QMetaObject::invokeMethod(
        context_,
        [shared, work = std::move(work)] {
            {
                std::lock_guard lock(shared->mutex);
                if (shared->closed) return;
            }
            work();
        },
        Qt::QueuedConnection);
}

void GuiCaller::close() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->closed = true;
    }
    shared_->changed.notify_all();
}

bool GuiCaller::closed() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->closed;
}

}  // namespace calorvia::platform_qt
