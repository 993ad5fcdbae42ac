#include "tracking/waits.h"

#include <algorithm>
#include <cstdint>

namespace folvaric {

void pumpedPause(Form1& f, int milliseconds) {
    f.p.clock.processMessages();
    f.p.clock.pause(milliseconds);
    f.p.clock.processMessages();
}

void pumpedPauseFromStart(Form1& f, int milliseconds) {
    const std::int64_t start = f.p.clock.nowMilliseconds();
    f.p.clock.processMessages();
    const std::int64_t left = milliseconds - (f.p.clock.nowMilliseconds() - start);
    f.p.clock.pause(static_cast<int>(std::max<std::int64_t>(left, 0)));
    f.p.clock.processMessages();
}

void responsivePause(Form1& f, int milliseconds) {
    constexpr int kSlice = 50;
    for (int left = milliseconds; left > 0; left -= kSlice) {
        f.p.clock.pause(std::min(left, kSlice));
        f.p.clock.processMessages();
    }
}

}  // namespace folvaric
