#include "sim/sim_desktop.h"

namespace sim {

SimDesktop::SimDesktop(const std::string& programPath)
    : explorer(windows, files, clock), shell(explorer, files), dialogs(files), app(windows, programPath) {
    files.addFolder("C:\\WINDOWS");
    // Explorer handles the close requests posted to its windows whenever the
    // message queues turn over.
    clock.everyPass([this] { windows.deliverCloseRequests(); });
}

platform::Platform SimDesktop::platform() {
    return platform::Platform{windows, files, shell, dialogs, clipboard, sound, clock, app, explorer};
}

WindowHandle SimDesktop::openExplorerWindow(const std::string& path) {
    const bool drivePath = path.size() >= 3 && path[1] == ':' && path[2] == '\\';
    if (drivePath && !files.directoryExists(path)) files.addFolder(path);
    // Explorer shows a folder as the disk spells it, however the user typed it.
    return explorer.openFolder(drivePath ? files.canonicalFolderPath(path) : path);
}

WindowHandle SimDesktop::openAppWindow(const std::string& title, const std::string& executablePath,
                                       std::uint32_t style) {
    const ProcessId pid = windows.addProcess(executablePath);
    const WindowHandle h = windows.createTopLevel(pid, "AppWindow", title, style);
    windows.setActive(h);
    return h;
}

void SimDesktop::setScreen(int width, int height, int taskBarHeight) {
    windows.setScreen(Rect{0, 0, width, height}, Rect{0, 0, width, height - taskBarHeight});
}

}  // namespace sim
