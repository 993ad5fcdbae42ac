#pragma once
// What one refresh carries from step to step. It is the refresh's own: other commands that
// run while it pumps the message queue cannot write into it.
#include <vector>

#include "state/form1.h"
#include "tracking/capacity_notice.h"

namespace folvaric {

struct RefreshRun {
    explicit RefreshRun(Form1& form)
        : f(form),
          desktop(form.p.desktop.desktopRect()),
          workAreaHeight(form.p.desktop.workArea().height()),
          capacity(form) {
        protectedFolders.swap(form.snapshotRoom);
        protectedFolders.clear();
    }
    ~RefreshRun() {
        protectedFolders.clear();
        f.snapshotRoom.swap(protectedFolders);
    }
    RefreshRun(const RefreshRun&) = delete;
    RefreshRun& operator=(const RefreshRun&) = delete;

    Form1& f;
    // Taken when the refresh begins: reborn windows get the desktop's width and the work area's height.
    platform::Rect desktop;
    int workAreaHeight;
    CapacityNotice capacity;
    // The protected snapshot: a folder set being loaded, then the rows ticked when the refresh began.
    std::vector<FolderRow> protectedFolders;
    // The protected folders that had no window and were opened again.
    std::vector<FolderRow> lostFolders;
    int reborn = 0;
};

}  // namespace folvaric
