#include "tracking/waits.h"

#include <algorithm>

namespace folvaric {

void pumpedPause(Form1& f, int milliseconds) {
    f.p.clock.processMessages();
    f.p.clock.pause(milliseconds);
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
