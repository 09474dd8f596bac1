#pragma once

namespace qavi::platform {

class Screen {
public:
    virtual ~Screen() = default;
    virtual int width() const = 0;
    // Where the desktop has a taskbar; no-ops elsewhere.
    virtual void hideTaskbar() = 0;
    virtual void restoreTaskbar() = 0;
};

}  // namespace qavi::platform
