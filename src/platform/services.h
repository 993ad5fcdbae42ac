#pragma once
// The small services: clipboard, sound, time and the message pump, and the
// program's own application object.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/types.h"

namespace platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard with one plain-text item (CF_TEXT, GBK).
    virtual bool setText(const std::string& gbk) = 0;
    virtual std::string text() = 0;
};

class Sound {
public:
    virtual ~Sound() = default;
    virtual void beep(std::uint32_t type) = 0;                       // MessageBeep
    virtual bool play(const std::string& path, bool asynchronous) = 0;  // sndPlaySound
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual void pause(int milliseconds) = 0;  // Sleep
    virtual void processMessages() = 0;        // handles what is waiting in the queue
    virtual std::int64_t nowMilliseconds() = 0;
};

// The program's own application object: its main window and its minimised state.
class Application {
public:
    virtual ~Application() = default;
    virtual std::string executablePath() = 0;  // GBK, full path of the running .exe
    virtual WindowHandle mainWindow() = 0;
    virtual void minimise() = 0;  // as the main window's minimise button
    // Leaves the minimised state; raises the restore event when it was minimised.
    virtual void restore() = 0;
    virtual bool isMinimised() = 0;
    // Called after the application has left the minimised state.
    std::function<void()> onRestore;
};

}  // namespace platform
