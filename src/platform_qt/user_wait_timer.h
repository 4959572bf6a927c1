#pragma once
// The time a modal call keeps its caller blocked, counted as that thread's
// wait for the user (platform::userWaitSeconds).

#include <chrono>

#include "platform/platform.h"

namespace calorvia::platform_qt {

class UserWaitTimer {
public:
    UserWaitTimer() : start_(std::chrono::steady_clock::now()) {}
    ~UserWaitTimer() {
        const std::chrono::duration<double> waited = std::chrono::steady_clock::now() - start_;
        platform::addUserWaitSeconds(waited.count());
    }
    UserWaitTimer(const UserWaitTimer&) = delete;
    UserWaitTimer& operator=(const UserWaitTimer&) = delete;

private:
    std::chrono::steady_clock::time_point start_;
};

}  // namespace calorvia::platform_qt
