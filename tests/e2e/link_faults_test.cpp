// The link against a misbehaving controller: answers in pieces, silence, an
// adapter pulled out, noise on the line, wrong answer codes, unknown firmware
// and answers that come too late. Every fault ends either in a working link or
// in a dropped one with one clear message; none of them crashes or hangs.

#include <gtest/gtest.h>

#include "e2e/sim_bench.h"
#include "sim/settings_image.h"

namespace qavi::test {
namespace {

using sim::Request;

const Request kIdentifyRequest{kSettingsReadCode, {0x01}};
const Request kPollRequest{kPollCode, {0x01}};

// The tool dropped the link: the disconnect step ran.
void expectDisconnected(const SimBench& bench) {
    const ui::Form& form = bench.form;
    EXPECT_EQ(bench.link.linkState(), "");
    EXPECT_FALSE(bench.serial.isOpen());
    EXPECT_FALSE(form.Polacz_switch.checked());
    EXPECT_EQ(form.Polacz_switch.text(), "Rozłączony");
    for (const ui::MenuItem* item : {&form.Odczyt1, &form.Zapis1, &form.Reset1}) {
        EXPECT_FALSE(item->visible() || item->enabled()) << item->name();
    }
    EXPECT_FALSE(form.Error_Led.visible());
    EXPECT_TRUE(form.QAVI.enabled());
    EXPECT_FALSE(bench.link.tickTimer().isActive());
    EXPECT_FALSE(bench.link.answerTimer().isActive());
}

std::vector<std::int64_t> timesOf(const WireTap& tap, const Request& request, std::size_t from = 0) {
    std::vector<std::int64_t> times;
    for (std::size_t i = from; i < tap.requests().size(); ++i) {
        if (tap.requests()[i].request == request) times.push_back(tap.requests()[i].atMs);
    }
    return times;
}

TEST(LinkFaultTest, AnswersInOneByteBatchesStillConnectAndPoll) {
    sim::FaultOptions faults;
    faults.oneByteBatches = true;
    SimBench bench(BenchOptions::withFaults(faults));
    ASSERT_TRUE(bench.connect());
    EXPECT_EQ(bench.form.StatusBar1.panelText(0), "QAVI ver. 5.09.11");
    EXPECT_DOUBLE_EQ(bench.form.P_pracy_changer.value(), 1.20);

    const std::size_t mark = bench.serial.mark();
    bench.advance(3000);
    EXPECT_GE(bench.serial.count(kPollRequest, mark), 8);
    EXPECT_GE(bench.form.RPM_Edit.value(), 700);

    // A command is acknowledged from a one-byte-at-a-time answer as well.
    bench.form.Sel_Impuls.userSelect(2);
    ASSERT_TRUE(bench.advanceUntil([&] { return bench.queueSettled(); }, 3000));
    EXPECT_EQ(bench.serial.count({0x0A, {0x02}}, mark), 1);
    EXPECT_TRUE(bench.dialogs.messages.empty());
}

TEST(LinkFaultTest, ASilentControllerIsAskedFiveTimesThenReported) {
    sim::FaultOptions faults;
    faults.silent = true;
    SimBench bench(BenchOptions::withFaults(faults));
    bench.startAndChoosePort();
    bench.advance(20000);

    const std::vector<std::int64_t> asked = timesOf(bench.serial, kIdentifyRequest);
    ASSERT_EQ(asked.size(), 5u);
    for (std::size_t i = 1; i < asked.size(); ++i) EXPECT_EQ(asked[i] - asked[i - 1], 3000) << i;
    EXPECT_EQ(bench.dialogs.messages, std::vector<std::string>{bench.window.lang.text(11)});
    expectDisconnected(bench);
    EXPECT_EQ(bench.form.StatusBar1.panelText(0), "QAVI ver.");

    // "Połącz" gives five new attempts.
    const std::size_t mark = bench.serial.mark();
    bench.form.polacz.click();
    bench.advance(20000);
    EXPECT_EQ(timesOf(bench.serial, kIdentifyRequest, mark).size(), 5u);
    EXPECT_EQ(bench.dialogs.messages.size(), 2u);
    expectDisconnected(bench);
}

TEST(LinkFaultTest, UnpluggingTheAdapterDropsTheLinkOnceAndPluggingBackReconnects) {
    SimBench bench;
    ASSERT_TRUE(bench.connect());
    bench.advance(1000);

    bench.sim.unplug();
    ASSERT_EQ(bench.dialogs.messages.size(), 1u);
    EXPECT_EQ(bench.dialogs.messages[0], "SIM: The device was removed.");
    expectDisconnected(bench);

    // No flood: nothing more is sent, shown or timed after the one message.
    const std::size_t mark = bench.serial.mark();
    bench.advance(10000);
    EXPECT_EQ(bench.dialogs.messages.size(), 1u);
    EXPECT_EQ(bench.serial.mark(), mark);

    bench.sim.plugBackIn();
    bench.form.polacz.click();
    ASSERT_TRUE(bench.advanceUntil([&] { return bench.connected(); }, 5000));
    bench.advance(1000);
    EXPECT_GE(bench.serial.count(kPollRequest, mark), 3);
    EXPECT_EQ(bench.dialogs.messages.size(), 1u);
}

TEST(LinkFaultTest, AnAdapterThatVanishesWhileIdentifyingIsReportedOnce) {
    sim::FaultOptions faults;
    faults.vanishAfterMs = 200;  // in the middle of the settings block
    SimBench bench(BenchOptions::withFaults(faults));
    bench.startAndChoosePort();
    bench.advance(20000);
    EXPECT_EQ(bench.dialogs.messages, std::vector<std::string>{"SIM: The device was removed."});
    expectDisconnected(bench);
}

struct NoiseCase {
    const char* name;
    double corruptRate;
    double dropRate;
    double duplicateRate;
    int minConnectedRuns;  // of 12
};

class NoisyLineTest : public ::testing::TestWithParam<NoiseCase> {};

// Noise on the line may cost the link, but it must end in a state the user can
// see and recover from: connected and polling, or dropped with a message. An
// identification answer whose version bytes were damaged is refused without a
// word, like any unknown firmware; the user then simply connects again.
TEST_P(NoisyLineTest, TheLinkRecoversOrDropsWithAMessage) {
    const NoiseCase& c = GetParam();
    int connectedRuns = 0;
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        sim::FaultOptions faults;
        faults.corruptRate = c.corruptRate;
        faults.dropRate = c.dropRate;
        faults.duplicateRate = c.duplicateRate;
        faults.seed = seed;
        SimBench bench(BenchOptions::withFaults(faults));

        bool connected = false;
        for (int attempt = 0; attempt < 3 && !connected; ++attempt) {
            if (attempt == 0) {
                bench.startAndChoosePort();
            } else {
                bench.form.polacz.click();
            }
            // Five identification attempts, each ending 3 s after the last byte that came.
            connected = bench.advanceUntil([&] { return bench.connected(); }, 30000);
            if (!connected) {
                EXPECT_EQ(bench.link.linkState(), "") << "neither connected nor given up";
            }
        }
        if (!connected) continue;
        ++connectedRuns;

        // A minute of polling with a command now and then.
        const std::size_t messagesAtConnect = bench.dialogs.messages.size();
        for (int second = 0; second < 60; ++second) {
            bench.advance(1000);
            if (second % 10 == 5 && bench.connected()) bench.form.Sel_Impuls.userSelect(second % 7);
        }
        if (bench.link.linkState().empty()) {
            EXPECT_GT(bench.dialogs.messages.size(), messagesAtConnect) << "dropped without a word";
            expectDisconnected(bench);
        } else {
            const std::size_t mark = bench.serial.mark();
            bench.advance(3500);
            EXPECT_TRUE(bench.serial.mark() > mark || bench.link.linkState().empty())
                << "link state " << bench.link.linkState() << " with nothing sent";
        }
    }
    // Most runs get through the identification despite the noise.
    EXPECT_GE(connectedRuns, c.minConnectedRuns);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, NoisyLineTest,
    ::testing::Values(NoiseCase{"RareCorruption", 0.0005, 0, 0, 12}, NoiseCase{"FrequentCorruption", 0.01, 0, 0, 10},
                      NoiseCase{"DroppedBytes", 0, 0.002, 0, 8}, NoiseCase{"DuplicatedBytes", 0, 0, 0.002, 10},
                      NoiseCase{"Everything", 0.003, 0.003, 0.003, 10}),
    [](const ::testing::TestParamInfo<NoiseCase>& param) { return std::string(param.param.name); });

TEST(LinkFaultTest, ACommandNeverAcknowledgedIsSentFourTimesThenTimesOut) {
    sim::FaultOptions faults;
    faults.wrongCodeRate = 1.0;  // every answer repeats no code
    SimBench bench(BenchOptions::withFaults(faults));
    ASSERT_TRUE(bench.connect());  // the identification's code is not tested
    bench.advance(1000);
    EXPECT_TRUE(bench.dialogs.messages.empty()) << "polls are not acknowledged, so their code does not matter";

    const std::size_t mark = bench.serial.mark();
    bench.form.Sel_Impuls.userSelect(5);
    bench.advance(10000);
    EXPECT_EQ(bench.serial.count({0x0A, {0x05}}, mark), 4);
    EXPECT_EQ(bench.dialogs.messages, std::vector<std::string>{"Time out - Error1"});
    expectDisconnected(bench);
    // The tick stays stopped: nothing after the fourth send.
    EXPECT_EQ(bench.serial.commandsSince(mark).size(), 4u);
    EXPECT_EQ(bench.serial.count(kPollRequest, mark), 0);
}

// An acknowledgement lost now and then costs a retry, not the setting.
TEST(LinkFaultTest, ALostAcknowledgementIsRetriedUntilOneComes) {
    int retried = 0;
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        sim::FaultOptions faults;
        faults.wrongCodeRate = 0.5;
        faults.seed = seed;
        SimBench bench(BenchOptions::withFaults(faults));
        ASSERT_TRUE(bench.connect());
        bench.advance(500);

        const std::size_t mark = bench.serial.mark();
        bench.form.Sel_Impuls.userSelect(4);
        bench.advance(5000);
        const int sends = bench.serial.count({0x0A, {0x04}}, mark);
        EXPECT_GE(sends, 1);
        EXPECT_LE(sends, 4);
        if (bench.connected()) {
            EXPECT_TRUE(bench.dialogs.messages.empty());
            EXPECT_EQ(bench.link.retryBudget(), 0);
            if (sends > 1) ++retried;
        } else {
            EXPECT_EQ(sends, 4);
            EXPECT_EQ(bench.dialogs.messages, std::vector<std::string>{"Time out - Error1"});
        }
        // The controller took the setting with the first request that reached it.
        EXPECT_EQ(bench.sim.model().settingsMemory()[sim::offs::kPulseSource], 4);
    }
    EXPECT_GE(retried, 2) << "the seeds should exercise a retry";
}

struct VersionCase {
    const char* name;
    link::FirmwareVersion reported;
    bool wrongCheck;
    bool oneByteBatches;
    bool tooOldMessage;
};

class WrongFirmwareTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(WrongFirmwareTest, AnUnknownVersionDropsTheLink) {
    const VersionCase& c = GetParam();
    BenchOptions options;
    options.model.reportedVersion = c.reported;
    options.model.wrongVersionCheck = c.wrongCheck;
    options.faults.oneByteBatches = c.oneByteBatches;
    SimBench bench(options);
    bench.startAndChoosePort();
    bench.advance(10000);

    if (c.tooOldMessage) {
        EXPECT_EQ(bench.dialogs.messages,
                  std::vector<std::string>{bench.window.lang.text(137) + bench.form.QAVI.caption()});
    } else {
        EXPECT_TRUE(bench.dialogs.messages.empty());
    }
    expectDisconnected(bench);
    EXPECT_EQ(bench.link.firmwareVariant(), link::FirmwareVariant::None);
    EXPECT_EQ(bench.form.StatusBar1.panelText(0), "QAVI ver.");
    // No retry: the controller answered, it is only not one the tool knows.
    EXPECT_EQ(bench.serial.count(kIdentifyRequest), 1);
}

INSTANTIATE_TEST_SUITE_P(Versions, WrongFirmwareTest,
                         ::testing::Values(VersionCase{"CheckedNewerPatch", {5, 9, 12}, false, false, true},
                                           VersionCase{"CheckedOlder", {3, 7, 6}, false, false, true},
                                           VersionCase{"UncheckedVersion", {5, 9, 12}, true, false, false},
                                           // The message needs the check byte in the first batch.
                                           VersionCase{"CheckedButByteByByte", {5, 9, 12}, false, true, false}),
                         [](const ::testing::TestParamInfo<VersionCase>& param) {
                             return std::string(param.param.name);
                         });

TEST(LinkFaultTest, AnswersLateButWithinTheTimeOutKeepTheLink) {
    sim::FaultOptions faults;
    faults.answerDelayMs = 1500;  // the settings block then ends about 2.6 s after the request
    SimBench bench(BenchOptions::withFaults(faults));
    bench.startAndChoosePort();
    ASSERT_TRUE(bench.advanceUntil([&] { return bench.connected(); }, 8000));
    const std::size_t mark = bench.serial.mark();
    bench.advance(10000);
    EXPECT_GE(bench.serial.count(kPollRequest, mark), 4);
    EXPECT_TRUE(bench.dialogs.messages.empty());
    EXPECT_TRUE(bench.connected());
}

// An answer that comes after the 3 s time-out is no longer awaited: the
// identification is asked again, and a late settings block is taken for the
// answer to the retry. Answers carry no sequence number, so from then on every
// exchange is completed by the answer to the one before it; the link keeps
// going that way (or drops with the time-out message), but never hangs.
TEST(LinkFaultTest, AnswersLaterThanTheTimeOutAreTakenOneExchangeBehind) {
    sim::FaultOptions faults;
    faults.answerDelayMs = 3500;
    SimBench bench(BenchOptions::withFaults(faults));
    bench.startAndChoosePort();
    bench.advance(3100);
    EXPECT_EQ(bench.serial.count(kIdentifyRequest), 2) << "the first identification timed out";
    ASSERT_TRUE(bench.advanceUntil([&] { return bench.connected(); }, 5000));
    EXPECT_EQ(bench.form.StatusBar1.panelText(0), "QAVI ver. 5.09.11");

    bench.advance(30000);
    if (bench.connected()) {
        const std::size_t mark = bench.serial.mark();
        bench.advance(5000);
        EXPECT_GE(bench.serial.count(kPollRequest, mark), 2);
        EXPECT_TRUE(bench.dialogs.messages.empty());
    } else {
        EXPECT_EQ(bench.dialogs.messages, std::vector<std::string>{bench.window.lang.text(11)});
        expectDisconnected(bench);
    }
    // Closing the link leaves nothing under way that could be taken as a new answer.
    bench.form.rozlacz1.click();
    const std::size_t mark = bench.serial.mark();
    const std::size_t messages = bench.dialogs.messages.size();
    bench.advance(10000);
    EXPECT_EQ(bench.serial.mark(), mark);
    EXPECT_EQ(bench.dialogs.messages.size(), messages);
    expectDisconnected(bench);
}

}  // namespace
}  // namespace qavi::test
