#include "tracking/owner_executable.h"

#include "text/gbk_text.h"
#include "tracking/discovery.h"

namespace folvaric {

std::string executableOfProcess(Form1& f, platform::ProcessId process) {
    std::string path = f.p.desktop.processExecutablePath(process);
    if (!text::endsWithText(".exe", path)) path.clear();
    return path;
}

std::string getWindowExePath(Form1& f, WindowHandle h) {
    return executableOfProcess(f, f.p.desktop.processOf(h));
}

bool OwnerExecutables::isExplorer(WindowHandle window) {
    const platform::ProcessId process = f_.p.desktop.processOf(window);
    auto it = explorerProcess_.find(process);
    if (it == explorerProcess_.end()) {
        it = explorerProcess_.emplace(process, isExplorerExecutable(executableOfProcess(f_, process))).first;
    }
    return it->second;
}

bool isExplorerExecutable(const std::string& executablePath) {
    return text::asciiLower(text::lastPathComponent(executablePath)) == "explorer.exe";
}

}  // namespace folvaric
