#pragma once
// Which program owns a window: the executable of its process.
#include <string>
#include <unordered_map>

#include "state/form1.h"

namespace folvaric {

// The executable of a process, accepted only when it ends with ".exe"; empty otherwise.
std::string executableOfProcess(Form1& f, platform::ProcessId process);

// Remembers for the length of one window walk whether each process runs Explorer:
// asking the system costs far more than the lookup (a module snapshot per call), and
// a desktop has many windows per process.
class OwnerExecutables {
public:
    explicit OwnerExecutables(Form1& f) : f_(f) {}
    // Whether the window's process runs explorer.exe, worked out once per process.
    bool isExplorer(WindowHandle window);

private:
    Form1& f_;
    std::unordered_map<platform::ProcessId, bool> explorerProcess_;
};

// The file-name part of an executable path is "explorer.exe", in any ASCII case.
bool isExplorerExecutable(const std::string& executablePath);

}  // namespace folvaric
