#include "sim/simulated_serial_port.h"

#include <gtest/gtest.h>

#include "sim/simulated_platform.h"
#include "sim_test_support.h"
#include "support/virtual_scheduler.h"

namespace qavi::sim {
namespace {

using link::Bytes;

platform::PortSettings simPort() {
    platform::PortSettings s;
    s.portName = SimulatedSerialPort::kPortName;
    s.baudMode = platform::BaudMode::Custom;
    s.customBaudRate = 7200;
    return s;
}

// A port with a recorder of its receive events.
struct Bench {
    explicit Bench(FaultOptions faults = {}) : port(scheduler, ModelOptions{}, faults) {
        port.onBytesReceived = [this](std::size_t) {
            const auto bytes = port.read(4096);
            events.push_back({scheduler.nowMs(), bytes});
            received.insert(received.end(), bytes.begin(), bytes.end());
        };
        port.onError = [this](const platform::SerialError& e) { errors.push_back(e); };
    }
    struct Event {
        std::int64_t atMs;
        Bytes bytes;
    };
    test::VirtualScheduler scheduler;
    SimulatedSerialPort port;
    std::vector<Event> events;
    Bytes received;
    std::vector<platform::SerialError> errors;
};

TEST(SimulatedSerialPort, ListsOneSimulatedPortAndOpensOnlyThat) {
    Bench b;
    EXPECT_EQ(b.port.listPorts(), std::vector<std::string>{"SIM"});
    platform::PortSettings other = simPort();
    other.portName = "COM3";
    EXPECT_EQ(b.port.open(other).kind, platform::SerialErrorKind::NotFound);
    EXPECT_FALSE(b.port.isOpen());
    EXPECT_FALSE(b.port.open(simPort()));
    EXPECT_FALSE(b.port.open(simPort()));  // already open is fine
    EXPECT_TRUE(b.port.isOpen());
    b.port.close();
    EXPECT_FALSE(b.port.isOpen());
    EXPECT_EQ(b.port.write(link::wireForm(link::PollRequest())).kind, platform::SerialErrorKind::NotOpen);
}

TEST(SimulatedSerialPort, AnswersArriveAtLinePaceInSmallBatches) {
    Bench b;
    ASSERT_FALSE(b.port.open(simPort()));
    ASSERT_FALSE(b.port.write(link::wireForm(link::IdentifyRequest())));
    // 5 request bytes take 7 ms to reach the controller, then 8 answer bytes 11.1 ms more.
    b.scheduler.advance(18);
    EXPECT_TRUE(b.events.empty());
    b.scheduler.advance(1);
    ASSERT_EQ(b.events.size(), 1u);
    EXPECT_EQ(b.events[0].bytes.size(), 8u);
    // The version bytes and their check are all in the first batch.
    const Bytes first = testing::unscrambled(b.events[0].bytes);
    EXPECT_EQ(first[0], 0xAA);
    EXPECT_EQ(first[4], 5);
    EXPECT_EQ(first[7], 50);

    // 760 bytes at 1.389 ms each end 1063 ms after the write.
    b.scheduler.advance(1062 - 19);
    EXPECT_LT(b.received.size(), 760u);
    b.scheduler.advance(1);
    ASSERT_EQ(b.received.size(), 760u);
    EXPECT_EQ(b.events.size(), 95u);
    for (std::size_t i = 1; i < b.events.size(); ++i) {
        const auto gap = b.events[i].atMs - b.events[i - 1].atMs;
        EXPECT_GE(gap, 11);
        EXPECT_LE(gap, 12);
    }
    const Bytes answer = testing::unscrambled(b.received);
    EXPECT_EQ(testing::lengthField(answer), 760);
    EXPECT_EQ(answer[3], 0x66);
}

TEST(SimulatedSerialPort, ALongRequestIsOnlyAnsweredOnceItHasCrossedTheLine) {
    Bench b;
    ASSERT_FALSE(b.port.open(simPort()));
    Bytes map(247, 100);
    map[0] = 0x0B;
    const Bytes wire = testing::requestWire(map);  // 250 bytes: 347.3 ms on the line
    // Written in chunks as the tool does, each queued behind the one before.
    b.port.write(Bytes(wire.begin(), wire.begin() + 80));
    b.scheduler.advance(1);
    b.port.write(Bytes(wire.begin() + 80, wire.begin() + 160));
    b.scheduler.advance(1);
    b.port.write(Bytes(wire.begin() + 160, wire.end()));
    b.scheduler.advance(357);  // the request ends at 347.2 ms, 8 answer bytes take 11.1 ms more
    EXPECT_TRUE(b.events.empty());
    b.scheduler.advance(1);
    ASSERT_EQ(b.events.size(), 1u);
    EXPECT_EQ(testing::unscrambled(b.events[0].bytes)[3], 0x0B);
}

TEST(SimulatedSerialPort, OneByteBatchesAndLateAnswers) {
    FaultOptions f;
    f.oneByteBatches = true;
    f.answerDelayMs = 500;
    Bench b(f);
    ASSERT_FALSE(b.port.open(simPort()));
    b.port.write(link::wireForm(link::PollRequest()));
    b.scheduler.advance(507);
    EXPECT_TRUE(b.events.empty());
    b.scheduler.advance(2000);
    ASSERT_EQ(b.events.size(), 57u);
    for (const auto& e : b.events) EXPECT_EQ(e.bytes.size(), 1u);
    EXPECT_EQ(b.events.front().atMs, 509);
}

TEST(SimulatedSerialPort, UnpluggingRaisesOneErrorAndSilencesTheLine) {
    Bench b;
    ASSERT_FALSE(b.port.open(simPort()));
    b.port.write(link::wireForm(link::IdentifyRequest()));
    b.scheduler.advance(100);  // part of the answer has arrived
    const std::size_t before = b.received.size();
    EXPECT_GT(before, 0u);
    b.port.unplug();
    b.port.unplug();
    ASSERT_EQ(b.errors.size(), 1u);
    EXPECT_EQ(b.errors[0].kind, platform::SerialErrorKind::Io);
    b.scheduler.advance(5000);
    EXPECT_EQ(b.received.size(), before);
    EXPECT_TRUE(b.port.write(link::wireForm(link::PollRequest())));
    EXPECT_EQ(b.port.listPorts(), std::vector<std::string>{});
    b.port.close();
    EXPECT_EQ(b.port.open(simPort()).kind, platform::SerialErrorKind::NotFound);

    b.port.plugBackIn();
    ASSERT_FALSE(b.port.open(simPort()));
    b.port.write(link::wireForm(link::PollRequest()));
    b.scheduler.advance(200);
    EXPECT_EQ(b.received.size(), before + 57u);
}

TEST(SimulatedSerialPort, TheVanishFaultUnplugsAfterItsTime) {
    FaultOptions f;
    f.vanishAfterMs = 2000;
    Bench b(f);
    ASSERT_FALSE(b.port.open(simPort()));
    b.scheduler.advance(1999);
    EXPECT_TRUE(b.errors.empty());
    b.scheduler.advance(1);
    EXPECT_EQ(b.errors.size(), 1u);
    EXPECT_TRUE(b.port.unplugged());
}

TEST(SimulatedSerialPort, ClosingDropsWhatIsStillOnTheWay) {
    Bench b;
    ASSERT_FALSE(b.port.open(simPort()));
    b.port.write(link::wireForm(link::IdentifyRequest()));
    b.scheduler.advance(50);
    b.port.close();
    const std::size_t before = b.received.size();
    b.scheduler.advance(2000);
    EXPECT_EQ(b.received.size(), before);
    EXPECT_EQ(b.port.bytesAvailable(), 0u);
}

TEST(SimulatedSerialPort, AtAnotherBaudRateTheControllerHearsNothing) {
    Bench b;
    platform::PortSettings s = simPort();
    s.baudMode = platform::BaudMode::B9600;
    ASSERT_FALSE(b.port.open(s));
    b.port.write(link::wireForm(link::PollRequest()));
    b.scheduler.advance(1000);
    EXPECT_TRUE(b.received.empty());
}

TEST(SimulatedSerialPort, OutlivedSchedulerActionsDoNothing) {
    test::VirtualScheduler scheduler;
    {
        SimulatedSerialPort port(scheduler);
        ASSERT_FALSE(port.open(simPort()));
        port.onBytesReceived = [](std::size_t) { FAIL() << "port is gone"; };
        port.write(link::wireForm(link::PollRequest()));
    }
    scheduler.advance(1000);
}

TEST(SimulatedPlatform, PutsTheSimulatorWhereTheSerialPortGoes) {
    FaultOptions faults;
    faults.wrongCodeRate = 1.0;
    ModelOptions model;
    model.firmware = link::kVer1Version;
    test::SimulatedPlatform sim(model, faults);
    platform::SerialPort& port = sim.platform.serial;
    Bytes received;
    port.onBytesReceived = [&](std::size_t n) {
        const auto bytes = port.read(n);
        received.insert(received.end(), bytes.begin(), bytes.end());
    };
    ASSERT_FALSE(port.open(simPort()));
    port.write(testing::requestWire({0x0F, 0x28}));
    sim.scheduler.advance(200);
    const Bytes answer = testing::unscrambled(received);
    ASSERT_EQ(answer.size(), 57u);
    EXPECT_NE(answer[3], 0x0F);
    EXPECT_EQ(sim.serial.model().variant(), link::FirmwareVariant::Ver1);
}

}  // namespace
}  // namespace qavi::sim
