#pragma once
// Clipboard, sounds, time and the message pump.
#include <windows.h>

#include <functional>

#include "platform/services.h"

namespace win {

class WinClipboard : public platform::Clipboard {
public:
    explicit WinClipboard(std::function<HWND()> owner) : owner_(std::move(owner)) {}
    bool setText(const std::string& gbk) override;
    std::string text() override;

private:
    std::function<HWND()> owner_;
};

class WinSound : public platform::Sound {
public:
    void beep(std::uint32_t type) override;
    bool play(const std::string& path, bool asynchronous) override;
};

// The one message pump of the program, shared by the main loop and by the waits inside the
// logic. `filter` gets each message first (keyboard navigation); true means it was handled.
class MessagePump {
public:
    std::function<bool(MSG&)> filter;
    void dispatch(MSG& message);
};

class WinClock : public platform::Clock {
public:
    explicit WinClock(MessagePump& pump) : pump_(pump) {}
    void pause(int milliseconds) override;
    void processMessages() override;
    std::int64_t nowMilliseconds() override;

private:
    MessagePump& pump_;
};

}  // namespace win
