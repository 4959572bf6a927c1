#pragma once
// The only state the program's two threads share: the start request, the
// run state and the three run flags. The menu commands change them on the
// window thread; the idle loop and the run read them on the main thread at
// fixed points. Each is one atomic value, so that every read sees a whole
// value; no lock is taken, and the transitions below are the only writes.

#include <atomic>
#include <cstdint>

namespace calorvia::shell {

enum class RunState : std::int32_t {
    Idle = 0,             // no case loaded, or a run in progress
    CancelRequested = 1,  // Cancel Simulation, a numeric error, or a range answer
    Finished = 2,         // a finished run is on screen
    CaseLoaded = 3,       // the wizard has just written a case
};

class SharedState {
public:
    // ---- RunRequest: Begin Simulation asks, the idle loop takes it.
    void requestRun() { RunRequest_.store(true); }
    bool runRequested() const { return RunRequest_.load(); }
    void clearRunRequest() { RunRequest_.store(false); }

    // ---- RunState
    RunState runState() const { return RunState_.load(); }
    bool cancelRequested() const { return runState() == RunState::CancelRequested; }
    // The run looks at this at its next check point and stops.
    void requestCancel() { RunState_.store(RunState::CancelRequested); }
    // The wizard wrote a case that Begin Simulation can run.
    void caseLoaded() { RunState_.store(RunState::CaseLoaded); }
    // A run started; until it ends nothing is loaded that another run could take.
    void runStarted() { RunState_.store(RunState::Idle); }
    // A run ended normally: its results are on screen.
    void runFinished() {
        RunState_.store(RunState::Finished);
        clearRunFlags();
    }
    // A run was cancelled or stopped by an error.
    void runCancelled() {
        RunState_.store(RunState::Idle);
        clearRunFlags();
    }
    // The screen was cleared, or the case or run on it closed.
    void backToIdle() { RunState_.store(RunState::Idle); }
    // Start-up and Clear Screen: nothing requested, nothing loaded.
    void reset() {
        clearRunRequest();
        runCancelled();
    }

    // ---- the run's flags: a warning or notice is given at most once per run.
    std::atomic<bool> rangeWarningGiven{false};
    std::atomic<bool> iterationNoticeGiven{false};
    std::atomic<bool> zeroPivotWarningGiven{false};

private:
    void clearRunFlags() {
        rangeWarningGiven.store(false);
        iterationNoticeGiven.store(false);
        zeroPivotWarningGiven.store(false);
    }

    std::atomic<bool> RunRequest_{false};
    std::atomic<RunState> RunState_{RunState::Idle};
};

}  // namespace calorvia::shell
