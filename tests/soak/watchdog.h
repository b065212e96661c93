#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace soak {

// Ends the process with a clear message when one action runs longer than its
// limit. It watches from its own thread, so it also catches a handler stuck
// in a loop, where no timer of the user-interface thread could fire.
class Watchdog {
public:
    explicit Watchdog(std::chrono::milliseconds limit);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // Starts timing one action, described for the message.
    void Arm(std::string action);
    void Disarm();

private:
    void Watch();

    const std::chrono::milliseconds limit_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    bool armed_ = false;
    std::chrono::steady_clock::time_point armedAt_;
    std::string action_;
    std::thread thread_;
};

}  // namespace soak
