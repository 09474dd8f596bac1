#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "platform/scheduler.h"

namespace qavi::qt {

// A repeating timer on the window's event loop.
class QtTimer : public platform::Timer {
public:
    QtTimer();
    void setInterval(int ms) override;
    int interval() const override { return timer_.interval(); }
    void start() override;
    void stop() override { timer_.stop(); }
    void restart() override { timer_.start(); }
    bool isActive() const override { return timer_.isActive(); }
    // Time left in the current interval; -1 when stopped.
    int remainingMs() const { return timer_.remainingTime(); }

private:
    QTimer timer_;
};

class QtScheduler : public QObject, public platform::Scheduler {
    Q_OBJECT
public:
    explicit QtScheduler(QObject* parent = nullptr);
    std::unique_ptr<platform::Timer> createTimer() override;
    void singleShot(int delayMs, std::function<void()> action) override;
    std::int64_t nowMs() const override { return clock_.elapsed(); }

private:
    QElapsedTimer clock_;
};

}  // namespace qavi::qt
