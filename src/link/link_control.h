#pragma once

// What the parts that change the controller need of the link, and nothing
// more: set the retry budget, queue up to three commands, enter and leave busy
// mode, and ask what firmware is connected. LinkSession implements it; tests
// of those parts use a recording fake.

#include <string>

#include "link/controller_contract.h"
#include "link/frame_codec.h"

namespace qavi::link {

class LinkControl {
public:
    virtual ~LinkControl() = default;
    virtual void setRetryBudget(int budget) = 0;
    virtual int retryBudget() const = 0;
    // The first string is never empty; empty second and third strings leave their slots as they are.
    virtual void QueueCommand(const Bytes& first, const Bytes& second = {}, const Bytes& third = {}) = 0;
    virtual void enterBusyMode() = 0;
    virtual void leaveBusyMode() = 0;
    virtual FirmwareVariant firmwareVariant() const = 0;
    virtual bool portOpen() const = 0;
    // The link's state name ("" when there is no link, "count", "T_C_start", …).
    virtual const std::string& linkState() const = 0;
};

}  // namespace qavi::link
