#pragma once

// A LinkControl that records what the configuration handlers ask of the link:
// each QueueCommand call with the retry budget set at that moment and whether
// busy mode was on.

#include <functional>
#include <string>
#include <vector>

#include "link/link_control.h"

namespace qavi::test {

class RecordingLink : public link::LinkControl {
public:
    struct Call {
        int budget = 0;
        bool busy = false;
        link::Bytes first;
        link::Bytes second;
        link::Bytes third;
    };

    void setRetryBudget(int b) override { budget = b; }
    int retryBudget() const override { return budget; }
    void QueueCommand(const link::Bytes& first, const link::Bytes& second, const link::Bytes& third) override {
        calls.push_back(Call{budget, busy, first, second, third});
        if (onQueue) onQueue();
    }
    void enterBusyMode() override {
        busy = true;
        ++busyEntered;
    }
    void leaveBusyMode() override { busy = false; }
    link::FirmwareVariant firmwareVariant() const override { return variant; }
    bool portOpen() const override { return open; }
    const std::string& linkState() const override { return state; }

    link::FirmwareVariant variant = link::FirmwareVariant::Ver2;
    bool open = true;
    std::string state = "count";
    int budget = 0;
    bool busy = false;
    int busyEntered = 0;
    std::vector<Call> calls;
    // Runs after each QueueCommand call, for tests that look at the window at that moment.
    std::function<void()> onQueue;
};

}  // namespace qavi::test
