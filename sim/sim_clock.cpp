#include "sim/sim_clock.h"

namespace sim {

void SimClock::pause(int milliseconds) {
    if (milliseconds > 0) {
        now_ += milliseconds;
        paused_ += milliseconds;
    }
}

void SimClock::processMessages() {
    ++passes_;
    // A handler run from here may itself pump (a nested modal loop); it sees the
    // same queue, as on Windows, but hooks do not recurse into themselves.
    if (depth_ > 0) return;
    ++depth_;
    runDue();
    for (std::size_t i = 0; i < hooks_.size(); ++i) hooks_[i]();
    --depth_;
}

void SimClock::at(std::int64_t atMs, std::function<void()> action) { timed_.emplace(atMs, std::move(action)); }

void SimClock::afterPasses(int n, std::function<void()> action) {
    byPass_.emplace(passes_ + (n < 1 ? 1 : n), std::move(action));
}

void SimClock::runDue() {
    while (!byPass_.empty() && byPass_.begin()->first <= passes_) {
        auto action = std::move(byPass_.begin()->second);
        byPass_.erase(byPass_.begin());
        action();
    }
    while (!timed_.empty() && timed_.begin()->first <= now_) {
        auto action = std::move(timed_.begin()->second);
        timed_.erase(timed_.begin());
        action();
    }
}

}  // namespace sim
