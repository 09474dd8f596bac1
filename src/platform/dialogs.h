#pragma once

#include <optional>
#include <string>

namespace qavi::platform {

// Modal dialogs. Timer and receive events keep running while one is open.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(const std::string& text) = 0;
    // True for Yes.
    virtual bool question(const std::string& text) = 0;
    // Filter in the "description|pattern" form; nullopt when cancelled.
    virtual std::optional<std::string> openFileName(const std::string& filter) = 0;
    virtual std::optional<std::string> saveFileName(const std::string& filter) = 0;
};

}  // namespace qavi::platform
