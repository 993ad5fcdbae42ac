#include "tracking/capacity_notice.h"

#include "tracking/texts.h"

namespace folvaric {

void CapacityNotice::tell() {
    if (told_) return;
    told_ = true;
    f_.p.dialogs.messageBox(f_.p.app.mainWindow(), tracking_text::tooManyWindows(), tracking_text::errorCaption(),
                            platform::mb::Ok);
}

}  // namespace folvaric
