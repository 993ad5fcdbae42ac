#include "session.h"

#include <string>

#include "check.h"
#include "desktop.h"
#include "folder_windows.h"

namespace e2e {
namespace {

bool isProgramWindow(HWND window) {
    return className(window) == L"TForm1" &&
           CompareStringOrdinal(processImagePath(windowProcessId(window)).c_str(), -1,
                                programFile(L"Folvaric.exe").c_str(), -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

Settings quietSettings() {
    Settings settings;
    settings.loadLastSet = false;
    return settings;
}

Session::Session(const Settings& settings, const std::vector<FolderSetEntry>& defaultSet) {
    rememberDeliveredFiles();
    endAllProgramInstances();
    if (!closeAllFolderWindows()) note("folder windows of an earlier test would not close");
    clearStandInLaunches();
    if (!configureStandInExplorer(ExplorerStyle::Win7) || !writeSettings(settings) || !writeDefaultSet(defaultSet)) {
        recordFailure(__FILE__, __LINE__, "cannot prepare the program folder");
        throw TestAborted{};
    }
}

Session::~Session() {
    endAllProgramInstances();
    closeAllFolderWindows();
}

void endAllProgramInstances() {
    for (HWND window : topLevelWindows()) {
        if (!isProgramWindow(window)) continue;
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, windowProcessId(window));
        if (!process) continue;
        TerminateProcess(process, 97);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

SIZE screenSize() {
    return SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void requireScreen(int width, int height) {
    const SIZE screen = screenSize();
    if (screen.cx == width && screen.cy == height) return;
    throw TestSkipped{"needs a " + std::to_string(width) + "x" + std::to_string(height) + " screen, this one is " +
                      std::to_string(screen.cx) + "x" + std::to_string(screen.cy)};
}

}  // namespace e2e
