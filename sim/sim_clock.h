#pragma once
// Virtual time and the simulated message queue. Pauses advance time at once and
// run whatever fell due; every pass of the message queue runs the pump hooks, so
// a test can let Explorer open a window "a few passes later" or put a user's
// click in the middle of a refresh.
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "platform/services.h"

namespace sim {

class SimClock : public platform::Clock {
public:
    void pause(int milliseconds) override;
    void processMessages() override;
    std::int64_t nowMilliseconds() override { return now_; }

    // Runs `action` at the first pass of the message queue at or after `atMs`.
    void at(std::int64_t atMs, std::function<void()> action);
    // Runs `action` during the n-th pass of the message queue from now (n >= 1).
    void afterPasses(int n, std::function<void()> action);
    // Runs `action` during every pass; used by the simulated processes.
    void everyPass(std::function<void()> action) { hooks_.push_back(std::move(action)); }

    std::int64_t passes() const { return passes_; }
    std::int64_t pausedMilliseconds() const { return paused_; }

private:
    void runDue();

    std::int64_t now_ = 0;
    std::int64_t passes_ = 0;
    std::int64_t paused_ = 0;
    std::multimap<std::int64_t, std::function<void()>> timed_;
    std::multimap<std::int64_t, std::function<void()>> byPass_;
    std::vector<std::function<void()>> hooks_;
    int depth_ = 0;
};

}  // namespace sim
