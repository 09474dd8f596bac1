#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/scheduler.h"

namespace qavi::test {

// Deterministic time for tests: advance(ms) fires every due timer and delay in
// time order (ties in the order they were scheduled).
class VirtualScheduler : public platform::Scheduler {
public:
    VirtualScheduler();
    ~VirtualScheduler() override;

    std::unique_ptr<platform::Timer> createTimer() override;
    void singleShot(int delayMs, std::function<void()> action) override;
    std::int64_t nowMs() const override { return now_; }

    void advance(std::int64_t ms);
    // Runs everything due now (delays of 0 ms).
    void runDue() { advance(0); }
    // Time of the next event, or -1 when nothing is scheduled.
    std::int64_t nextEventAt() const;

private:
    friend class VirtualTimer;
    struct Entry {
        std::function<void()> action;
        std::uint64_t id;
    };
    std::uint64_t schedule(std::int64_t at, std::function<void()> action);
    void cancel(std::uint64_t id);

    std::int64_t now_ = 0;
    std::uint64_t nextId_ = 1;
    std::multimap<std::pair<std::int64_t, std::uint64_t>, Entry> queue_;
    std::shared_ptr<bool> alive_;
};

}  // namespace qavi::test
