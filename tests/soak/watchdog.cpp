#include "tests/soak/watchdog.h"

#include <cstdio>
#include <cstdlib>

namespace soak {

Watchdog::Watchdog(std::chrono::milliseconds limit) : limit_(limit), thread_([this] { Watch(); }) {}

Watchdog::~Watchdog() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void Watchdog::Arm(std::string action) {
    const std::lock_guard lock(mutex_);
    action_ = std::move(action);
    armedAt_ = std::chrono::steady_clock::now();
    armed_ = true;
}

void Watchdog::Disarm() {
    const std::lock_guard lock(mutex_);
    armed_ = false;
}

void Watchdog::Watch() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        wake_.wait_for(lock, std::chrono::milliseconds(100));
        if (armed_ && std::chrono::steady_clock::now() - armedAt_ > limit_) {
            std::fprintf(stderr, "soak: HANG: action did not finish within %lld ms: %s\n",
                         static_cast<long long>(limit_.count()), action_.c_str());
            std::fflush(stderr);
            std::abort();
        }
    }
}

}  // namespace soak
