#pragma once
// Which program owns a window: the executable of its process.
#include <string>
#include <unordered_map>

#include "state/form1.h"

namespace folvaric {

// The executable of a process, accepted only when it ends with ".exe"; empty otherwise.
std::string executableOfProcess(Form1& f, platform::ProcessId process);

// Remembers each process's executable for the length of one window walk: asking
// the system costs far more than the lookup (a module snapshot per call), and a
// desktop has many windows per process.
class OwnerExecutables {
public:
    explicit OwnerExecutables(Form1& f) : f_(f) {}
    const std::string& of(WindowHandle window);

private:
    Form1& f_;
    std::unordered_map<platform::ProcessId, std::string> byProcess_;
};

// The file-name part of an executable path is "explorer.exe", in any ASCII case.
bool isExplorerExecutable(const std::string& executablePath);

}  // namespace folvaric
