#include "support/virtual_scheduler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qavi::test {
namespace {

TEST(VirtualScheduler, FiresTimersAndDelaysInTimeOrder) {
    VirtualScheduler s;
    std::vector<std::string> log;
    auto timer = s.createTimer();
    timer->setInterval(240);
    timer->onTimeout = [&] { log.push_back("tick@" + std::to_string(s.nowMs())); };
    timer->start();
    s.singleShot(100, [&] { log.push_back("once@" + std::to_string(s.nowMs())); });
    s.advance(500);
    EXPECT_EQ(log, (std::vector<std::string>{"once@100", "tick@240", "tick@480"}));
    EXPECT_EQ(s.nowMs(), 500);
}

TEST(VirtualScheduler, StartOnARunningTimerKeepsItsPhaseRestartDoesNot) {
    VirtualScheduler s;
    int fired = 0;
    auto timer = s.createTimer();
    timer->setInterval(100);
    timer->onTimeout = [&] { ++fired; };
    timer->start();
    s.advance(60);
    timer->start();
    s.advance(40);
    EXPECT_EQ(fired, 1);
    s.advance(60);
    timer->restart();
    s.advance(99);
    EXPECT_EQ(fired, 1);
    s.advance(1);
    EXPECT_EQ(fired, 2);
}

TEST(VirtualScheduler, ChangingTheIntervalOfARunningTimerRestartsIt) {
    VirtualScheduler s;
    int fired = 0;
    auto timer = s.createTimer();
    timer->setInterval(240);
    timer->onTimeout = [&] { ++fired; };
    timer->start();
    s.advance(200);
    timer->setInterval(240 | 0x400);
    s.advance(1263);
    EXPECT_EQ(fired, 0);
    s.advance(1);
    EXPECT_EQ(fired, 1);
}

TEST(VirtualScheduler, StoppedOrDestroyedTimersDoNotFire) {
    VirtualScheduler s;
    int fired = 0;
    {
        auto timer = s.createTimer();
        timer->setInterval(10);
        timer->onTimeout = [&] { ++fired; };
        timer->start();
    }
    auto other = s.createTimer();
    other->setInterval(10);
    other->onTimeout = [&] { ++fired; };
    other->start();
    other->stop();
    s.advance(100);
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(s.nextEventAt(), -1);
}

}  // namespace
}  // namespace qavi::test
