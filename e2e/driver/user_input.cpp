#include "user_input.h"

#include <cstdlib>
#include <vector>

#include "runner_requests.h"

namespace e2e {
namespace {

POINT lastClick{-1, -1};
DWORD lastClickTime = 0;

// Wine turns two presses at one spot within the double-click time into a double click.
void keepClicksApart(POINT at) {
    const DWORD gap = GetDoubleClickTime() + 100;
    if (std::abs(at.x - lastClick.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
        std::abs(at.y - lastClick.y) <= GetSystemMetrics(SM_CYDOUBLECLK)) {
        const DWORD since = GetTickCount() - lastClickTime;
        if (since < gap) Sleep(gap - since);
    }
}

INPUT mouseInput(DWORD flags, POINT at = {0, 0}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        // Absolute coordinates run from 0 to 65535 across the primary screen.
        input.mi.dx = static_cast<LONG>((at.x * 65535LL) / (GetSystemMetrics(SM_CXSCREEN) - 1));
        input.mi.dy = static_cast<LONG>((at.y * 65535LL) / (GetSystemMetrics(SM_CYSCREEN) - 1));
    }
    return input;
}

bool sendInputs(std::vector<INPUT> inputs) {
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(50);
    return sent == inputs.size();
}

bool sendClick(POINT at, MouseButton button) {
    DWORD down = MOUSEEVENTF_LEFTDOWN, up = MOUSEEVENTF_LEFTUP;
    if (button == MouseButton::Right) {
        down = MOUSEEVENTF_RIGHTDOWN;
        up = MOUSEEVENTF_RIGHTUP;
    } else if (button == MouseButton::Middle) {
        down = MOUSEEVENTF_MIDDLEDOWN;
        up = MOUSEEVENTF_MIDDLEUP;
    }
    return sendInputs({mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at), mouseInput(down), mouseInput(up)});
}

// The few keys the tests use, for the stand-in without the runner.
WORD virtualKeyOf(const std::string& name) {
    if (name == "Return") return VK_RETURN;
    if (name == "Escape") return VK_ESCAPE;
    if (name == "space") return VK_SPACE;
    if (name == "Up") return VK_UP;
    if (name == "Down") return VK_DOWN;
    if (name == "Left") return VK_LEFT;
    if (name == "Right") return VK_RIGHT;
    if (name == "F10") return VK_F10;
    if (name == "shift") return VK_SHIFT;
    if (name == "ctrl") return VK_CONTROL;
    if (name == "alt") return VK_MENU;
    return 0;
}

bool sendKeys(const std::string& keys) {
    // "a+b c" presses a and b together, then c.
    std::size_t start = 0;
    while (start < keys.size()) {
        std::size_t end = keys.find(' ', start);
        if (end == std::string::npos) end = keys.size();
        std::vector<WORD> chord;
        std::size_t part = start;
        while (part < end) {
            std::size_t plus = keys.find('+', part);
            if (plus == std::string::npos || plus > end) plus = end;
            const WORD key = virtualKeyOf(keys.substr(part, plus - part));
            if (key == 0) return false;
            chord.push_back(key);
            part = plus + 1;
        }
        std::vector<INPUT> inputs;
        for (WORD key : chord) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            inputs.push_back(input);
        }
        for (auto it = chord.rbegin(); it != chord.rend(); ++it) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = *it;
            input.ki.dwFlags = KEYEVENTF_KEYUP;
            inputs.push_back(input);
        }
        if (!sendInputs(inputs)) return false;
        start = end + 1;
    }
    return true;
}

}  // namespace

POINT centreOf(const RECT& rect) {
    return POINT{rect.left + (rect.right - rect.left) / 2, rect.top + (rect.bottom - rect.top) / 2};
}

bool clickAt(POINT screen, MouseButton button) {
    keepClicksApart(screen);
    bool done = false;
    if (runnerPresent()) {
        // The pointer moves first and rests a moment, as a hand would: Wine then knows which
        // window is under it before the button goes down.
        done = askRunner(L"input", "mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y) +
                                       " sleep 0.05 click " + std::to_string(static_cast<int>(button)));
    } else {
        done = sendClick(screen, button);
    }
    lastClick = screen;
    lastClickTime = GetTickCount();
    return done;
}

bool slowClickAt(POINT screen, MouseButton button) {
    keepClicksApart(screen);
    bool done = false;
    const std::string number = std::to_string(static_cast<int>(button));
    if (runnerPresent()) {
        done = askRunner(L"input", "mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y) +
                                       " sleep 0.05 mousedown " + number + " sleep 0.4 mouseup " + number);
    } else {
        done = sendClick(screen, button);
    }
    lastClick = screen;
    lastClickTime = GetTickCount();
    return done;
}

bool doubleClickAt(POINT screen) {
    keepClicksApart(screen);
    bool done = false;
    if (runnerPresent()) {
        done = askRunner(L"input", "mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y) +
                                       " sleep 0.05 click --repeat 2 --delay 80 1");
    } else {
        done = sendClick(screen, MouseButton::Left) && sendClick(screen, MouseButton::Left);
    }
    lastClick = screen;
    lastClickTime = GetTickCount();
    return done;
}

bool dragFromTo(POINT from, POINT to) {
    keepClicksApart(from);
    bool done = false;
    // Two steps on the way: the first passes the control's drag threshold, the second arrives.
    const POINT half{(from.x + to.x) / 2, (from.y + to.y) / 2};
    const auto at = [](POINT p) { return std::to_string(p.x) + " " + std::to_string(p.y); };
    if (runnerPresent()) {
        done = askRunner(L"input", "mousemove " + at(from) + " sleep 0.05 mousedown 1 sleep 0.1 mousemove " + at(half) +
                                       " sleep 0.1 mousemove " + at(to) + " sleep 0.1 mouseup 1");
    } else {
        done = sendInputs({mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, from), mouseInput(MOUSEEVENTF_LEFTDOWN),
                           mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, half),
                           mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, to), mouseInput(MOUSEEVENTF_LEFTUP)});
    }
    lastClick = to;
    lastClickTime = GetTickCount();
    return done;
}

bool clickCentre(HWND window, MouseButton button) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) return false;
    return clickOn(window, centreOf(rect), button);
}

bool clickOn(HWND target, POINT at, MouseButton button) {
    const auto uncovered = [&] {
        HWND there = WindowFromPoint(at);
        return there == target || (there && IsChild(target, there));
    };
    if (!uncovered()) {
        movePointer(POINT{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1});
        const DWORD started = GetTickCount();
        while (!uncovered() && GetTickCount() - started < 3000) Sleep(20);
    }
    return clickAt(at, button);
}

bool movePointer(POINT screen) {
    if (runnerPresent()) {
        return askRunner(L"input", "mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y));
    }
    return sendInputs({mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen)});
}

bool pressKeys(const std::string& keys) {
    if (runnerPresent()) return askRunner(L"input", "key " + keys);
    return sendKeys(keys);
}

}  // namespace e2e
