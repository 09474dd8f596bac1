#include "qt/platform/qt_scheduler.h"

namespace qavi::qt {

QtTimer::QtTimer() {
    // The poll tick paces the line; a coarse timer would drift by up to 5 %.
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(false);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (onTimeout) onTimeout();
    });
}

void QtTimer::setInterval(int ms) {
    if (ms == timer_.interval()) return;
    const bool running = timer_.isActive();
    timer_.setInterval(ms);
    if (running) timer_.start();
}

void QtTimer::start() {
    if (!timer_.isActive()) timer_.start();
}

QtScheduler::QtScheduler(QObject* parent) : QObject(parent) { clock_.start(); }

std::unique_ptr<platform::Timer> QtScheduler::createTimer() { return std::make_unique<QtTimer>(); }

void QtScheduler::singleShot(int delayMs, std::function<void()> action) {
    QTimer::singleShot(std::max(0, delayMs), Qt::PreciseTimer, this, std::move(action));
}

}  // namespace qavi::qt
