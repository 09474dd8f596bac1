#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace qavi::platform {

// A repeating timer with the semantics the window's timers have: start() on a
// running timer changes nothing, restart() begins a fresh interval, and changing
// the interval of a running timer restarts it.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setInterval(int ms) = 0;
    virtual int interval() const = 0;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual void restart() = 0;
    virtual bool isActive() const = 0;

    std::function<void()> onTimeout;
};

// Source of timers and one-shot delays; tests run it on virtual time.
class Scheduler {
public:
    virtual ~Scheduler() = default;
    virtual std::unique_ptr<Timer> createTimer() = 0;
    // Runs the action once, delayMs from now, on the window's thread.
    virtual void singleShot(int delayMs, std::function<void()> action) = 0;
    // Milliseconds on the scheduler's own clock (monotonic).
    virtual std::int64_t nowMs() const = 0;
};

}  // namespace qavi::platform
