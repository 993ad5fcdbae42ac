#pragma once
// One copy of the program per user session: a named kernel object that the first copy holds,
// and a way for a later copy to call the running one to the front.
namespace platform {

class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // Takes the program's one place in this session; false when a running copy holds it.
    virtual bool claim() = 0;
    // Asks the running copy to show its main window in front of the others.
    virtual void callRunningCopy() = 0;
};

}  // namespace platform
