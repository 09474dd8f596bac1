#include "link/link_session.h"

#include <gtest/gtest.h>

#include "link/controller_double.h"
#include "link/port_settings.h"
#include "support/fake_platform.h"

namespace qavi::link {
namespace {

using test::answer;
using test::controllerWire;
using test::identificationAnswer;
using test::liveAnswer;
using test::wireOfCommand;
using test::wireOfFrame;

const std::string kTimeout = "Time out - Error1";

class LinkSessionTest : public testing::Test {
protected:
    void SetUp() override {
        // The messages the tests read in English.
        lang.copyToWorking(11, ui::LangTable::kEnglish);
        lang.copyToWorking(137, ui::LangTable::kEnglish);
        link.hooks.settingsAnswer = [this](const Bytes& b) { settingsAnswers.push_back(b); };
        link.hooks.liveFrame = [this](const Bytes& b) { liveFrames.push_back(b); };
        link.hooks.serviceAnswer = [this](std::span<const std::uint8_t> r) {
            serviceRecords.emplace_back(r.begin(), r.end());
        };
        link.hooks.saveMarkerReached = [this] { ++saves; };
        link.hooks.currentLanguage = [] { return std::string("AngielskiGB"); };
        fp.serial.ports = std::vector<std::string>{"COM3"};
        link.FormCreate();
    }

    ui::MenuItem& portItem(const std::string& name) {
        for (ui::MenuItem* item : form.PortCOM.children()) {
            if (item->name() == name) return *item;
        }
        throw std::runtime_error("no port item " + name);
    }

    // Chooses COM3 and lets the double answer the identification.
    void connect() {
        portItem("COM3").click();
        controller.advance(2000);
        ASSERT_EQ(link.linkState(), "count");
    }

    std::vector<Bytes> writesFrom(std::size_t first) const {
        std::vector<Bytes> out;
        for (std::size_t i = first; i < fp.serial.writes.size(); ++i) out.push_back(fp.serial.writes[i].bytes);
        return out;
    }
    std::vector<std::int64_t> writeTimesFrom(std::size_t first) const {
        std::vector<std::int64_t> out;
        for (std::size_t i = first; i < fp.serial.writes.size(); ++i) out.push_back(fp.serial.writes[i].atMs);
        return out;
    }

    test::FakePlatform fp;
    ui::Form form;
    ui::LangTable lang;
    LinkSession link{fp.platform, form, lang};
    test::ControllerDouble controller{fp};
    std::vector<Bytes> settingsAnswers;
    std::vector<Bytes> liveFrames;
    std::vector<Bytes> serviceRecords;
    int saves = 0;
};

// ---- Identification ----------------------------------------------------------

struct VersionCase {
    std::uint8_t major, minor, patch;
    FirmwareVariant variant;
    std::string statusText;
    bool connected;
};

TEST_F(LinkSessionTest, IdentificationInOneBatchFinishesAtOnce) {
    const VersionCase cases[] = {
        {3, 7, 7, FirmwareVariant::Ver1, "QAVI ver. 3.07.07", true},
        {5, 9, 11, FirmwareVariant::Ver2, "QAVI ver. 5.09.11", true},
        {5, 9, 12, FirmwareVariant::None, "QAVI ver.", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.major) << "." << int(c.minor) << "." << int(c.patch));
        link.rozlacz1Click();
        fp.dialogs.messages.clear();
        settingsAnswers.clear();
        const std::size_t first = fp.serial.writes.size();
        portItem("COM3").click();
        ASSERT_EQ(writesFrom(first), std::vector<Bytes>{wireOfFrame(IdentifyRequest())});
        EXPECT_EQ(fp.serial.lastOpened.portName, "COM3");
        EXPECT_EQ(fp.serial.lastOpened.effectiveBaudRate(), 7200);
        EXPECT_EQ(link.linkState(), "w_s_0");

        fp.scheduler.advance(30);
        const Bytes block = identificationAnswer(c.major, c.minor, c.patch);
        fp.serial.deliver(controllerWire(block));
        EXPECT_EQ(link.firmwareVariant(), c.variant);
        EXPECT_EQ(link.versionText(), c.statusText);
        if (!c.connected) {
            EXPECT_EQ(link.linkState(), "");
            EXPECT_FALSE(fp.serial.isOpen());
            // Its check byte is right, so the tool asks for a newer firmware.
            EXPECT_EQ(fp.dialogs.messages, std::vector<std::string>{"Use the version higher than ver. 3.03"});
            continue;
        }
        EXPECT_EQ(link.linkState(), "T_C_start");
        EXPECT_FALSE(link.answerTimer().isActive());
        fp.scheduler.advance(kTickIntervalMs + kBusyIntervalBit);
        EXPECT_EQ(link.linkState(), "count");
        EXPECT_EQ(settingsAnswers, std::vector<Bytes>{block});
        EXPECT_TRUE(form.Polacz_switch.checked());
        EXPECT_EQ(form.Polacz_switch.onText(), "COM3 - ON");
        EXPECT_TRUE(form.Zapis1.visible() && form.Zapis1.enabled());
        EXPECT_TRUE(form.rezerwa_led_gora.flashing());
        EXPECT_EQ(form.TabSheet10.tabVisible(), c.variant == FirmwareVariant::Ver2);
        EXPECT_EQ(form.TabSheet11.tabVisible(), c.variant == FirmwareVariant::Ver1);
        EXPECT_EQ(form.T_przel_to_LPG.digitalTo(), c.variant == FirmwareVariant::Ver2 ? 300 : 60);
        EXPECT_TRUE(fp.dialogs.messages.empty());
    }
}

TEST_F(LinkSessionTest, IdentificationOneBytePerReceiveEvent) {
    portItem("COM3").click();
    const Bytes wire = controllerWire(identificationAnswer(3, 7, 7));
    for (std::size_t i = 0; i < wire.size(); ++i) {
        fp.scheduler.advance(1);
        fp.serial.deliver({wire[i]});
        if (i + 1 < wire.size()) {
            ASSERT_EQ(link.linkState(), "w_s_count") << i;
            ASSERT_TRUE(link.answerTimer().isActive());
        }
        // Identified as soon as offset 6 is in.
        // A one-byte batch never reaches offset 6: the version is read from the finished answer.
        if (i + 1 < wire.size()) {
            EXPECT_EQ(link.versionText(), "QAVI ver.");
        }
    }
    EXPECT_EQ(link.linkState(), "T_C_start");
    EXPECT_EQ(link.firmwareVariant(), FirmwareVariant::Ver1);
    EXPECT_EQ(link.versionText(), "QAVI ver. 3.07.07");
    EXPECT_EQ(link.rxBuffer().size(), kSettingsBlockMinLength);
}

TEST_F(LinkSessionTest, UnknownVersionInTheFirstBatchAsksForANewerOneOnlyWhenItsCheckHolds) {
    struct Case {
        std::uint8_t major, minor, patch, check;
        bool message;
    };
    const Case cases[] = {
        {3, 7, 6, 32, true},
        {3, 7, 6, 33, false},
        // Compared as whole numbers: twice 200 + 100 + 50 does not fit a byte.
        {200, 100, 50, static_cast<std::uint8_t>(700 & 0xFF), false},
    };
    for (const auto& c : cases) {
        fp.dialogs.messages.clear();
        portItem("COM3").click();
        fp.serial.deliver(controllerWire(identificationAnswer(c.major, c.minor, c.patch, c.check)));
        if (c.message) {
            EXPECT_EQ(fp.dialogs.messages, std::vector<std::string>{"Use the version higher than ver. 3.03"});
        } else {
            EXPECT_TRUE(fp.dialogs.messages.empty());
        }
        EXPECT_EQ(link.linkState(), "");
        EXPECT_FALSE(fp.serial.isOpen());
    }
}

TEST_F(LinkSessionTest, UnknownVersionFoundOnlyAtCompletionDropsSilently) {
    portItem("COM3").click();
    const Bytes wire = controllerWire(identificationAnswer(3, 7, 6));
    fp.serial.deliver(Bytes(wire.begin(), wire.begin() + 5));
    EXPECT_EQ(link.linkState(), "w_s_count");
    fp.serial.deliver(Bytes(wire.begin() + 5, wire.end()));
    EXPECT_EQ(link.linkState(), "");
    EXPECT_TRUE(fp.dialogs.messages.empty());
}

TEST_F(LinkSessionTest, WrongStartByteRetriesTheConnectStep) {
    portItem("COM3").click();
    fp.scheduler.advance(100);
    fp.serial.deliver(controllerWire({0x55, 0x00, 0x10}));
    EXPECT_EQ(link.connectAttempts(), 4);
    EXPECT_EQ(fp.serial.clearErrorCount, 1);
    EXPECT_EQ(fp.serial.writes.size(), 2u);
    EXPECT_EQ(fp.serial.writes[1].atMs, 100);
    EXPECT_EQ(fp.serial.writes[1].bytes, wireOfFrame(IdentifyRequest()));
}

TEST_F(LinkSessionTest, SilentControllerGetsFiveIdentifyRequestsThenNoLpgController) {
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        const std::size_t first = fp.serial.writes.size();
        const std::int64_t start = fp.scheduler.nowMs();
        if (round == 0) {
            portItem("COM3").click();
        } else {
            form.polacz.click();
        }
        fp.scheduler.advance(5 * kAnswerTimeoutMs - 1);
        EXPECT_TRUE(fp.dialogs.messages.empty());
        fp.scheduler.advance(1);
        const std::vector<std::int64_t> expected = {start, start + 3000, start + 6000, start + 9000, start + 12000};
        EXPECT_EQ(writeTimesFrom(first), expected);
        for (const auto& w : writesFrom(first)) EXPECT_EQ(w, wireOfFrame(IdentifyRequest()));
        EXPECT_EQ(fp.dialogs.messages, std::vector<std::string>{"No LPG Controller"});
        EXPECT_EQ(link.linkState(), "");
        EXPECT_FALSE(link.tickTimer().isActive());
        EXPECT_FALSE(link.answerTimer().isActive());
        EXPECT_TRUE(form.QAVI.enabled());
        fp.scheduler.advance(20000);
        EXPECT_EQ(fp.serial.writes.size(), first + 5);
        fp.dialogs.messages.clear();
    }
}

TEST_F(LinkSessionTest, BusyModeDuringConnectLengthensTheTick) {
    portItem("COM3").click();
    EXPECT_EQ(link.tickTimer().interval(), 1264);
    EXPECT_TRUE(link.busy());
    EXPECT_FALSE(form.QAVI.enabled());
    EXPECT_EQ(form.Panel1Gora.color(), ui::colors::kGrey);
    EXPECT_EQ(form.Zaplon_panel.color(), ui::colors::kGrey);
    fp.scheduler.advance(100);
    fp.serial.deliver(controllerWire(identificationAnswer(5, 9, 11)));
    fp.scheduler.advance(1263);
    EXPECT_EQ(link.linkState(), "T_C_start");
    fp.scheduler.advance(1);  // 100 + 1264
    EXPECT_EQ(link.linkState(), "count");
    EXPECT_EQ(link.tickTimer().interval(), 240);
    EXPECT_TRUE(form.QAVI.enabled());
    EXPECT_EQ(form.Panel1Gora.color(), ui::colors::kButtonFace);
    const std::size_t first = fp.serial.writes.size();
    fp.scheduler.advance(240);
    ASSERT_EQ(writesFrom(first), std::vector<Bytes>{wireOfFrame(PollRequest())});
    EXPECT_EQ(fp.serial.writes.back().atMs, 1604);
}

TEST_F(LinkSessionTest, ConnectStepResetsTheVersionAndTheConnectionLabel) {
    connect();
    form.StatusBar1.setPanelText(1, " Ostatnie połączenie z PC : 10.12.2026 14:30");
    form.RPM_LAMBDA1.setChecked(true);
    form.polacz.click();
    EXPECT_EQ(link.versionText(), "QAVI ver.");
    EXPECT_EQ(form.StatusBar1.panelText(1), " Ostatnie połączenie z PC : ");
    EXPECT_TRUE(form.StatusBar1.panels()[1].ownerDrawn);
    EXPECT_FALSE(form.RPM_LAMBDA1.checked());
    EXPECT_EQ(link.firmwareVariant(), FirmwareVariant::None);
    EXPECT_EQ(link.linkState(), "w_s_0");
}

TEST_F(LinkSessionTest, RetryWhosePortVanishedDropsTheLink) {
    portItem("COM3").click();
    fp.serial.openError = {platform::SerialErrorKind::NotFound, "No such device."};
    fp.scheduler.advance(kAnswerTimeoutMs);
    EXPECT_EQ(fp.dialogs.messages, (std::vector<std::string>{"COM3: No such device.", "No LPG Controller"}));
    EXPECT_EQ(link.linkState(), "");
    EXPECT_FALSE(link.answerTimer().isActive() || link.tickTimer().isActive());
    EXPECT_TRUE(form.QAVI.enabled());
}

// ---- Polling and answers -------------------------------------------------------

TEST_F(LinkSessionTest, PollAnswersGoToTheDashboardOnTheNextTick) {
    connect();
    liveFrames.clear();
    controller.advance(3000);
    ASSERT_GE(liveFrames.size(), 8u);
    EXPECT_EQ(liveFrames.back(), liveAnswer(0x55));
    EXPECT_TRUE(fp.dialogs.messages.empty());
    // One exchange in flight: every poll goes out only after the previous answer.
    for (const auto& f : controller.frames) EXPECT_TRUE(f == PollRequest() || f == IdentifyRequest());
}

TEST_F(LinkSessionTest, SurplusBytesInTheLastBatchNeverComplete) {
    connect();
    controller.reply = [](const Bytes& frame) -> std::optional<Bytes> {
        Bytes a = liveAnswer(frame[1]);
        a.push_back(0x00);
        return a;
    };
    controller.advance(500);
    EXPECT_EQ(link.linkState(), "read_count_1");
    controller.advance(kAnswerTimeoutMs);
    EXPECT_EQ(link.linkState(), "");
    EXPECT_EQ(fp.dialogs.messages, std::vector<std::string>{"No LPG Controller"});
}

TEST_F(LinkSessionTest, SurplusBytesAfterCompletionAreDropped) {
    connect();
    controller.reply = [](const Bytes&) -> std::optional<Bytes> { return std::nullopt; };
    controller.advance(300);  // the poll is out
    ASSERT_EQ(link.linkState(), "read_count");
    const Bytes poll = liveAnswer(0x55, 0x42);
    fp.serial.deliver(controllerWire(poll));
    ASSERT_EQ(link.linkState(), "count");
    fp.serial.deliver(controllerWire({0xAA, 0x00, 0x05}));
    EXPECT_EQ(link.rxBuffer(), poll);
    liveFrames.clear();
    fp.scheduler.advance(240);
    EXPECT_EQ(liveFrames, std::vector<Bytes>{poll});
    EXPECT_TRUE(fp.dialogs.messages.empty());
}

TEST_F(LinkSessionTest, WrongStartByteOfAnAnswerShowsInitErrorThenTimesOut) {
    connect();
    controller.reply = [](const Bytes&) -> std::optional<Bytes> { return Bytes{0x00, 0x00, 0x38, 0x55}; };
    controller.advance(300);
    EXPECT_EQ(fp.dialogs.messages, std::vector<std::string>{"Init Error"});
    EXPECT_EQ(link.linkState(), "read_count_1");
    controller.advance(kAnswerTimeoutMs);
    EXPECT_EQ(fp.dialogs.messages, (std::vector<std::string>{"Init Error", "No LPG Controller"}));
    EXPECT_EQ(link.linkState(), "");
}

TEST_F(LinkSessionTest, ShortAnswerWithSmallLengthIsNeverReadPast) {
    connect();
    // Stated length 2: the buffer can never equal it once the header is in.
    controller.reply = [](const Bytes&) -> std::optional<Bytes> { return Bytes{0xAA, 0x00, 0x02}; };
    controller.advance(300 + kAnswerTimeoutMs);
    EXPECT_EQ(link.linkState(), "");
}

// ---- Commands ------------------------------------------------------------------

TEST_F(LinkSessionTest, CommandNeverAcknowledgedIsSentFourTimesThenDropsTheLink) {
    connect();
    controller.reply = [](const Bytes&) -> std::optional<Bytes> { return liveAnswer(0x55); };
    const Bytes command{0x1B, 0x02};
    const std::size_t first = fp.serial.writes.size();
    link.setRetryBudget(kDefaultRetryBudget);
    link.QueueCommand(command);
    EXPECT_EQ(link.retryBudget(), 4);
    EXPECT_EQ(link.currentCommand(), 0x1B);
    controller.advance(5000);
    std::size_t sends = 0;
    for (const auto& w : writesFrom(first)) {
        EXPECT_EQ(w, wireOfCommand(command));
        ++sends;
    }
    EXPECT_EQ(sends, 4u);
    EXPECT_EQ(fp.dialogs.messages, std::vector<std::string>{kTimeout});
    EXPECT_EQ(link.linkState(), "");
    EXPECT_FALSE(link.tickTimer().isActive());
    EXPECT_FALSE(fp.serial.isOpen());
}

TEST_F(LinkSessionTest, QueueingAbandonsAnAnswerStillArriving) {
    connect();
    controller.reply = [](const Bytes&) -> std::optional<Bytes> { return std::nullopt; };
    controller.advance(300);
    ASSERT_EQ(link.linkState(), "read_count");
    const Bytes late = controllerWire(liveAnswer(0x55));
    fp.serial.deliver(Bytes(late.begin(), late.begin() + 10));
    ASSERT_EQ(link.linkState(), "read_count_1");
    link.setRetryBudget(kDefaultRetryBudget);
    link.QueueCommand({0x0E, 0x03});
    EXPECT_EQ(link.linkState(), "count");
    EXPECT_TRUE(link.tickTimer().isActive());
    fp.serial.deliver(Bytes(late.begin() + 10, late.end()));  // dropped while idle
    const std::size_t first = fp.serial.writes.size();
    fp.scheduler.advance(240);
    EXPECT_EQ(writesFrom(first), std::vector<Bytes>{wireOfCommand({0x0E, 0x03})});
    EXPECT_TRUE(fp.dialogs.messages.empty());
}

TEST_F(LinkSessionTest, AcknowledgedCommandGoesOutOnceAndPollingResumes) {
    connect();
    link.setRetryBudget(kDefaultRetryBudget);
    link.QueueCommand({0x2B, 0x14});
    const std::size_t first = fp.serial.writes.size();
    controller.advance(1000);
    const auto writes = writesFrom(first);
    ASSERT_GE(writes.size(), 2u);
    EXPECT_EQ(writes[0], wireOfCommand({0x2B, 0x14}));
    for (std::size_t i = 1; i < writes.size(); ++i) EXPECT_EQ(writes[i], wireOfFrame(PollRequest()));
    EXPECT_EQ(link.retryBudget(), 0);
}

TEST_F(LinkSessionTest, ThreeCommandsGoOutOneAfterAnotherTheLaterWithBudgetSeven) {
    connect();
    std::vector<int> budgetsAtSend;
    controller.reply = [&](const Bytes& frame) -> std::optional<Bytes> {
        budgetsAtSend.push_back(link.retryBudget());
        return liveAnswer(frame[1]);
    };
    link.setRetryBudget(kDefaultRetryBudget);
    link.QueueCommand({0x1B, 0x02}, {0x21, 0x01}, {0x23, 0x05});
    const std::size_t first = fp.serial.writes.size();
    controller.advance(2000);
    auto writes = writesFrom(first);
    ASSERT_GE(writes.size(), 4u);
    EXPECT_EQ(writes[0], wireOfCommand({0x1B, 0x02}));
    EXPECT_EQ(writes[1], wireOfCommand({0x21, 0x01}));
    EXPECT_EQ(writes[2], wireOfCommand({0x23, 0x05}));
    EXPECT_EQ(writes[3], wireOfFrame(PollRequest()));
    ASSERT_GE(budgetsAtSend.size(), 3u);
    EXPECT_EQ(budgetsAtSend[0], 4);
    EXPECT_EQ(budgetsAtSend[1], 6);
    EXPECT_EQ(budgetsAtSend[2], 6);
    // Each later command waits a tick for the move and a tick to go out.
    const auto times = writeTimesFrom(first);
    EXPECT_EQ(times[1] - times[0], 20 + 240 + 240);
}

TEST_F(LinkSessionTest, SettingsReadWithSaveMarkerRefreshesThenSavesOnce) {
    connect();
    const Bytes block = answer(0x66, Bytes(kSettingsBlockMinLength - 4, 0x33));
    controller.reply = [&](const Bytes& frame) -> std::optional<Bytes> {
        if (frame[1] == 0x66) return block;
        return liveAnswer(frame[1]);
    };
    settingsAnswers.clear();
    link.enterBusyMode();
    link.setRetryBudget(kDefaultRetryBudget);
    link.QueueCommand({0x66, 0x00}, {}, kSaveMarker);
    controller.advance(5000);
    EXPECT_EQ(settingsAnswers, std::vector<Bytes>{block});
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(link.busy());
    EXPECT_TRUE(form.QAVI.enabled());
    for (const auto& f : controller.frames) EXPECT_NE(f[1], 'Z');
}

TEST_F(LinkSessionTest, SaveMarkerBehindTwoCommandsIsNeverSent) {
    connect();
    link.setRetryBudget(kDefaultRetryBudget);
    link.QueueCommand({0x1B, 0x02}, {0x21, 0x01}, kSaveMarker);
    controller.advance(4000);
    for (const auto& f : controller.frames) EXPECT_NE(f[1], 'Z');
    EXPECT_EQ(fp.serial.writes.back().bytes, wireOfFrame(PollRequest()));
    EXPECT_EQ(saves, 0);
    EXPECT_TRUE(fp.dialogs.messages.empty());
}

TEST_F(LinkSessionTest, ServiceAnswerHandsOverItsBodyWithinTheBytesHeld) {
    connect();
    const Bytes shortRecord = answer('N', Bytes{1, 2, 3, 4, 5, 6});
    const Bytes longRecord = answer('N', Bytes(300, 0x44));
    for (const Bytes& reply : {shortRecord, longRecord}) {
        controller.reply = [&](const Bytes& frame) -> std::optional<Bytes> {
            if (frame[1] == 'N') return reply;
            return liveAnswer(frame[1]);
        };
        serviceRecords.clear();
        link.setRetryBudget(kDefaultRetryBudget);
        link.QueueCommand({'N', 0x00});
        controller.advance(1000);
        ASSERT_EQ(serviceRecords.size(), 1u);
        const std::size_t expected = std::min<std::size_t>(reply.size() - 4, 255);
        EXPECT_EQ(serviceRecords[0], Bytes(reply.begin() + 4, reply.begin() + 4 + static_cast<long>(expected)));
    }
}

TEST_F(LinkSessionTest, QueueingOnAClosedPortReportsTheWriteErrorAndEndsTheTick) {
    link.setRetryBudget(kDefaultRetryBudget);
    link.QueueCommand({0x1B, 0x02});
    fp.scheduler.advance(240);
    EXPECT_EQ(fp.dialogs.messages, std::vector<std::string>{"The port is not open."});
    EXPECT_FALSE(link.answerTimer().isActive());
    EXPECT_FALSE(link.tickTimer().isActive());
    fp.scheduler.advance(10000);
    EXPECT_EQ(fp.dialogs.messages.size(), 1u);
}

TEST_F(LinkSessionTest, ACommandRefusedByTheClosedPortIsNotSentOnTheNextConnection) {
    link.setRetryBudget(kDefaultRetryBudget);
    link.QueueCommand({0x2B, 0x96}, {0x09, 0x19});
    fp.scheduler.advance(240);
    ASSERT_EQ(fp.dialogs.messages.size(), 1u);
    connect();
    controller.advance(3000);
    for (const Bytes& frame : controller.frames) {
        EXPECT_TRUE(frame[1] == 0x66 || frame[1] == 0x55) << "sent command " << int{frame[1]};
    }
    EXPECT_EQ(link.currentCommand(), -1);
    EXPECT_EQ(link.retryBudget(), 0);
}

TEST_F(LinkSessionTest, BudgetThatWasNeverSetDropsInsteadOfRetryingForever) {
    connect();
    link.setRetryBudget(0);
    link.QueueCommand({0x1B, 0x02});
    EXPECT_EQ(fp.dialogs.messages, std::vector<std::string>{kTimeout});
    EXPECT_EQ(link.linkState(), "");
}

// ---- Disconnect --------------------------------------------------------------

TEST_F(LinkSessionTest, DisconnectBlanksTheDashboardAndKeepsTheErrorsText) {
    connect();
    form.Actual_errors_Memo.setText("E1\r\n");
    form.Error_Led.setVisible(true);
    form.Cyl_3_led.setChecked(true);
    liveFrames.clear();
    form.rozlacz1.click();
    EXPECT_EQ(liveFrames, std::vector<Bytes>{Bytes(500, 0x20)});
    EXPECT_EQ(form.Actual_errors_Memo.text(), "E1\r\n");
    EXPECT_FALSE(form.Error_Led.visible());
    EXPECT_FALSE(form.Cyl_3_led.checked());
    EXPECT_EQ(form.Cyl_3_led.offColor(), ui::colors::kGrey);
    EXPECT_FALSE(form.Polacz_switch.checked());
    EXPECT_FALSE(form.Zapis1.visible() || form.Zapis1.enabled());
    EXPECT_FALSE(form.rezerwa_led_gora.flashing());
    EXPECT_TRUE(link.rxBuffer().empty());
    EXPECT_EQ(link.firmwareVariant(), FirmwareVariant::Ver2);  // kept until the next connect
    EXPECT_EQ(fp.keys.texts[kLanguageKey][kLanguageValue], "AngielskiGB");
    EXPECT_EQ(fp.keys.texts[kPortSettingsKey]["Port"], "COM3");
    fp.scheduler.advance(10000);
    EXPECT_EQ(fp.serial.writes.back().bytes, wireOfFrame(PollRequest()));  // nothing after the drop
}

TEST_F(LinkSessionTest, ConnectSwitchConnectsAndDisconnects) {
    link.zmien_port_COM("COM3");
    link.rozlacz1Click();
    const std::size_t first = fp.serial.writes.size();
    form.Polacz_switch.userClick();
    EXPECT_EQ(form.Polacz_switch.onText(), "COM x");
    EXPECT_EQ(writesFrom(first), std::vector<Bytes>{wireOfFrame(IdentifyRequest())});
    controller.advance(2000);
    EXPECT_EQ(form.Polacz_switch.onText(), "COM3 - ON");
    form.Polacz_switch.userClick();
    EXPECT_EQ(link.linkState(), "");
    EXPECT_FALSE(fp.serial.isOpen());
}

TEST_F(LinkSessionTest, ConnectSwitchWithoutAPortStaysOff) {
    fp.keys.texts.clear();
    link.FormCreate();  // the store is empty: no port name
    form.Polacz_switch.userClick();
    EXPECT_FALSE(form.Polacz_switch.checked());
    EXPECT_TRUE(fp.serial.writes.empty());
}

// ---- Faults of the line ------------------------------------------------------

TEST_F(LinkSessionTest, UnpluggedAdapterDropsTheLinkOnceAndReconnectWorks) {
    connect();
    const int closesBefore = fp.serial.closeCount;
    const platform::SerialError gone{platform::SerialErrorKind::Io, "The device was removed."};
    for (int i = 0; i < 5; ++i) fp.serial.onError(gone);
    EXPECT_EQ(fp.dialogs.messages, std::vector<std::string>{"COM3: The device was removed."});
    EXPECT_EQ(fp.serial.closeCount, closesBefore + 1);
    EXPECT_EQ(link.linkState(), "");
    EXPECT_FALSE(link.tickTimer().isActive());
    EXPECT_FALSE(link.answerTimer().isActive());
    const std::size_t writes = fp.serial.writes.size();
    controller.advance(10000);
    EXPECT_EQ(fp.serial.writes.size(), writes);
    EXPECT_EQ(fp.dialogs.messages.size(), 1u);

    form.polacz.click();
    controller.advance(2000);
    EXPECT_EQ(link.linkState(), "count");
    fp.serial.onError(gone);
    EXPECT_EQ(fp.dialogs.messages.size(), 2u);
}

TEST_F(LinkSessionTest, PortThatCannotBeOpenedIsReportedOnceAndTheItemStaysTicked) {
    struct Case {
        platform::SerialError error;
        bool adviceExpected;
        std::string shownFirst;  // the message starts with the port and the platform's words
    };
    const Case cases[] = {
        {{platform::SerialErrorKind::PermissionDenied, "Permission denied."}, true, "COM3: Permission denied. Add"},
        {{platform::SerialErrorKind::PermissionDenied, "Permission denied"}, true, "COM3: Permission denied. Add"},
        {{platform::SerialErrorKind::NotFound, "No such device."}, false, "COM3: No such device."},
        {{platform::SerialErrorKind::Busy, "Device or resource busy"}, false, "COM3: Device or resource busy."},
    };
    for (const auto& c : cases) {
        fp.dialogs.messages.clear();
        fp.serial.openError = c.error;
        portItem("COM3").click();
        ASSERT_EQ(fp.dialogs.messages.size(), 1u);
        EXPECT_EQ(fp.dialogs.messages[0].rfind(c.shownFirst, 0), 0u) << fp.dialogs.messages[0];
        EXPECT_EQ(fp.dialogs.messages[0].find("dialout") != std::string::npos, c.adviceExpected);
        EXPECT_TRUE(portItem("COM3").checked());
        EXPECT_TRUE(fp.serial.writes.empty());
        EXPECT_EQ(link.linkState(), "");
        EXPECT_FALSE(link.answerTimer().isActive());
    }
    // The same through the menu action.
    fp.dialogs.messages.clear();
    form.polacz.click();
    EXPECT_EQ(fp.dialogs.messages.size(), 1u);
    fp.serial.openError = {};
    form.polacz.click();
    EXPECT_EQ(link.linkState(), "w_s_0");
}

TEST_F(LinkSessionTest, ConnectToUsesTheGivenDeviceForThisRunOnly) {
    fp.keys.texts[kPortSettingsKey]["Port"] = "COM3";
    link.FormCreate();
    link.connectTo("/dev/pts/7");
    EXPECT_EQ(fp.serial.lastOpened.portName, "/dev/pts/7");
    EXPECT_EQ(fp.serial.lastOpened.effectiveBaudRate(), 7200);
    ASSERT_EQ(fp.serial.writes.size(), 1u);
    EXPECT_EQ(fp.serial.writes[0].atMs, 0);
    EXPECT_EQ(fp.serial.writes[0].bytes, wireOfFrame(IdentifyRequest()));
    controller.advance(2000);
    EXPECT_EQ(link.linkState(), "count");
    EXPECT_EQ(form.Polacz_switch.onText(), "/dev/pts/7 - ON");
    link.FormClose();
    EXPECT_EQ(fp.keys.texts[kPortSettingsKey]["Port"], "COM3");
}

TEST(ApplyFirmwareVariant, ShowsWhatTheFirmwareHas) {
    ui::Form form;
    form.tab_control.setActivePage(&form.TabSheet10);
    ApplyFirmwareVariant(form, FirmwareVariant::Ver1);
    EXPECT_FALSE(form.GroupBox15.visible() || form.Min_Temp_Petrol_changer.visible() ||
                 form.RPM_Min_To_Petrol.visible() || form.Panel_korekta.visible());
    EXPECT_TRUE(form.StatusBar1.panels()[1].ownerDrawn);
    EXPECT_FALSE(form.TabSheet10.tabVisible());
    EXPECT_TRUE(form.TabSheet11.tabVisible());
    EXPECT_EQ(form.tab_control.activePage(), &form.TabSheet1);
    EXPECT_EQ(form.T_przel_to_LPG.valueTo(), 60);
    ApplyFirmwareVariant(form, FirmwareVariant::Ver2);
    EXPECT_TRUE(form.GroupBox15.visible() && form.Min_Temp_Petrol_changer.visible() &&
                form.RPM_Min_To_Petrol.visible() && form.Panel_korekta.visible());
    EXPECT_FALSE(form.StatusBar1.panels()[1].ownerDrawn);
    EXPECT_TRUE(form.TabSheet10.tabVisible());
    EXPECT_FALSE(form.TabSheet11.tabVisible());
    EXPECT_EQ(form.T_przel_to_LPG.valueTo(), 300);
    EXPECT_EQ(form.T_przel_to_LPG.digitalTo(), 300);
    ApplyFirmwareVariant(form, FirmwareVariant::None);
    EXPECT_TRUE(form.TabSheet10.tabVisible());
}

}  // namespace
}  // namespace qavi::link
