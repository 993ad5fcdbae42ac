#pragma once
// The single copy of the program in a user session: a mutex in the session's own namespace
// ("Local\"), so another user logged on at the same time runs a copy of their own.
#include <windows.h>

#include "platform/single_instance.h"
#include "win32/win_handles.h"

namespace win {

// The message a second start posts to the running copy's main window.
UINT comeToFrontMessage();

class WinSingleInstance : public platform::SingleInstance {
public:
    bool claim() override;
    void callRunningCopy() override;

private:
    KernelHandle mutex_;
};

}  // namespace win
