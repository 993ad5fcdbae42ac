#pragma once
#include <string>

#include "platform/types.h"

namespace platform {

class Shell {
public:
    virtual ~Shell() = default;
    // ShellExecute; the result is the call's value (greater than 32 on success).
    virtual int execute(WindowHandle owner, const std::string& verb, const std::string& file,
                        const std::string& parameters, const std::string& directory, ShowCommand show) = 0;
};

}  // namespace platform
