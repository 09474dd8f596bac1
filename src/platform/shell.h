#pragma once

#include <string>

namespace qavi::platform {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a web or mailto: address with the desktop's handler; false on failure.
    virtual bool openAddress(const std::string& address) = 0;
};

}  // namespace qavi::platform
