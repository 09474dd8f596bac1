#pragma once

// A LinkControl that records what the handlers ask of the link.

#include <string>
#include <vector>

#include "link/link_control.h"

namespace qavi::test {

class RecordingLinkControl : public link::LinkControl {
public:
    struct Queued {
        int budgetBefore;  // the budget the caller had set when it queued
        link::Bytes first;
        link::Bytes second;
        link::Bytes third;
    };

    void setRetryBudget(int budget) override { budget_ = budget; }
    int retryBudget() const override { return budget_; }
    void QueueCommand(const link::Bytes& first, const link::Bytes& second, const link::Bytes& third) override {
        queued.push_back({budget_, first, second, third});
        --budget_;
    }
    void enterBusyMode() override { busy = true; }
    void leaveBusyMode() override { busy = false; }
    link::FirmwareVariant firmwareVariant() const override { return variant; }
    bool portOpen() const override { return true; }
    const std::string& linkState() const override { return state_; }

    std::vector<Queued> queued;
    link::FirmwareVariant variant = link::FirmwareVariant::Ver2;
    bool busy = false;

private:
    int budget_ = 0;
    std::string state_ = "count";
};

}  // namespace qavi::test
