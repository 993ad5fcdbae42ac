#pragma once
// The shell's "open" operation.
#include "platform/shell.h"

namespace win {

class WinShell : public platform::Shell {
public:
    int execute(platform::WindowHandle owner, const std::string& verb, const std::string& file,
                const std::string& parameters, const std::string& directory, platform::ShowCommand show) override;
};

}  // namespace win
