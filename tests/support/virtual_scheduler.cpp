#include "support/virtual_scheduler.h"

namespace qavi::test {

class VirtualTimer : public platform::Timer {
public:
    explicit VirtualTimer(VirtualScheduler& s) : scheduler_(s), alive_(s.alive_) {}
    ~VirtualTimer() override {
        if (*alive_) stop();
    }

    void setInterval(int ms) override {
        if (ms == interval_) return;
        interval_ = ms;
        if (active_) restart();
    }
    int interval() const override { return interval_; }
    void start() override {
        if (!active_) arm();
    }
    void stop() override {
        if (active_) scheduler_.cancel(pending_);
        active_ = false;
    }
    void restart() override {
        stop();
        arm();
    }
    bool isActive() const override { return active_; }

private:
    void arm() {
        active_ = true;
        pending_ = scheduler_.schedule(scheduler_.nowMs() + interval_, [this] {
            active_ = false;
            arm();  // repeating: the next interval starts as this one fires
            if (onTimeout) onTimeout();
        });
    }

    VirtualScheduler& scheduler_;
    std::shared_ptr<bool> alive_;
    int interval_ = 1000;
    bool active_ = false;
    std::uint64_t pending_ = 0;
};

VirtualScheduler::VirtualScheduler() : alive_(std::make_shared<bool>(true)) {}
VirtualScheduler::~VirtualScheduler() { *alive_ = false; }

std::unique_ptr<platform::Timer> VirtualScheduler::createTimer() { return std::make_unique<VirtualTimer>(*this); }

void VirtualScheduler::singleShot(int delayMs, std::function<void()> action) {
    schedule(now_ + delayMs, std::move(action));
}

std::uint64_t VirtualScheduler::schedule(std::int64_t at, std::function<void()> action) {
    const std::uint64_t id = nextId_++;
    queue_.emplace(std::make_pair(at, id), Entry{std::move(action), id});
    return id;
}

void VirtualScheduler::cancel(std::uint64_t id) {
    for (auto it = queue_.begin(); it != queue_.end(); ++it) {
        if (it->second.id == id) {
            queue_.erase(it);
            return;
        }
    }
}

void VirtualScheduler::advance(std::int64_t ms) {
    const std::int64_t end = now_ + ms;
    while (!queue_.empty() && queue_.begin()->first.first <= end) {
        auto it = queue_.begin();
        now_ = it->first.first;
        auto action = std::move(it->second.action);
        queue_.erase(it);
        action();
    }
    now_ = end;
}

std::int64_t VirtualScheduler::nextEventAt() const {
    return queue_.empty() ? -1 : queue_.begin()->first.first;
}

}  // namespace qavi::test
