#pragma once
// The only state the program's two threads share: the start request, the
// run state and the three run flags. The menu commands write them on the
// window thread; the idle loop and the run read them on the main thread at
// fixed points. Plain 32-bit integers, atomic so that every read sees a
// whole value; no lock is taken.

#include <atomic>
#include <cstdint>

namespace calorvia::shell {

// Values of RunState.
namespace run_state {
inline constexpr std::int32_t Idle = 0;             // no case loaded, or a run in progress
inline constexpr std::int32_t CancelRequested = 1;  // Cancel Simulation or a numeric error
inline constexpr std::int32_t Finished = 2;         // a finished run is on screen
inline constexpr std::int32_t CaseLoaded = 3;       // the wizard has just written a case
}  // namespace run_state

struct SharedState {
    // 1 when Begin Simulation was chosen; the idle loop resets it after the run.
    std::atomic<std::int32_t> RunRequest{0};
    std::atomic<std::int32_t> RunState{run_state::Idle};
    // The run's flags: a warning or notice is given at most once per run.
    std::atomic<std::int32_t> rangeWarningGiven{0};
    std::atomic<std::int32_t> iterationNoticeGiven{0};
    std::atomic<std::int32_t> zeroPivotWarningGiven{0};

    void clearRunFlags() {
        rangeWarningGiven.store(0);
        iterationNoticeGiven.store(0);
        zeroPivotWarningGiven.store(0);
    }
};

}  // namespace calorvia::shell
