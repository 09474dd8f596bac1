// Start-up, port choice, repaint and closing of the main window.

#include <gtest/gtest.h>

#include "link/controller_double.h"
#include "link/link_session.h"
#include "link/port_settings.h"
#include "support/fake_platform.h"

namespace qavi::link {
namespace {

class StartupTest : public testing::Test {
protected:
    std::vector<std::string> portMenuNames() const {
        std::vector<std::string> names;
        for (const ui::MenuItem* item : form.PortCOM.children()) names.push_back(item->name());
        return names;
    }
    std::vector<std::string> tickedPorts() const {
        std::vector<std::string> names;
        for (const ui::MenuItem* item : form.PortCOM.children()) {
            if (item->checked()) names.push_back(item->name());
        }
        return names;
    }
    ui::MenuItem& portItem(const std::string& name) {
        for (ui::MenuItem* item : form.PortCOM.children()) {
            if (item->name() == name) return *item;
        }
        throw std::runtime_error("no port item " + name);
    }
    std::map<std::string, std::string>& storedTexts() { return fp.keys.texts[kPortSettingsKey]; }

    test::FakePlatform fp;
    ui::Form form;
    ui::LangTable lang;
    LinkSession link{fp.platform, form, lang};
};

TEST_F(StartupTest, FirstRunWithAnEmptyStore) {
    fp.serial.ports = std::vector<std::string>{"COM3"};
    link.FormCreate();
    EXPECT_TRUE(tickedPorts().empty());
    EXPECT_EQ(link.portSettings().portName, "");
    EXPECT_EQ(link.portSettings().baudMode, platform::BaudMode::B9600);
    EXPECT_EQ(link.linkState(), "");
    EXPECT_EQ(link.currentCommand(), -1);
    EXPECT_EQ(link.connectAttempts(), 5);
    EXPECT_EQ(link.retryBudget(), 0);
    EXPECT_FALSE(link.tickTimer().isActive() || link.answerTimer().isActive());
    EXPECT_TRUE(fp.dialogs.messages.empty());

    portItem("COM3").click();
    EXPECT_EQ(tickedPorts(), std::vector<std::string>{"COM3"});
    EXPECT_EQ(link.portSettings().baudMode, platform::BaudMode::Custom);
    link.FormClose();
    EXPECT_EQ(storedTexts()["Port"], "COM3");
    EXPECT_EQ(storedTexts()["BaudRate"], "Custom");
    EXPECT_EQ(fp.keys.integers[kPortSettingsKey]["CustomBaudRate"], 7200);
    EXPECT_EQ(storedTexts()["StopBits"], "1");
    EXPECT_EQ(storedTexts()["DataBits"], "8");
    EXPECT_EQ(storedTexts()["Parity"], "None");
    EXPECT_EQ(storedTexts()["FlowControl"], "Custom");
}

TEST_F(StartupTest, PresentWindowsPortsKeepTheirDesignItemsInDesignOrder) {
    fp.serial.ports = std::vector<std::string>{"COM12", " COM3\r", "COM45"};
    storedTexts()["Port"] = "COM12";
    link.FormCreate();
    EXPECT_EQ(portMenuNames(), (std::vector<std::string>{"COM3", "COM12", "polacz", "rozlacz1"}));
    EXPECT_EQ(portItem("COM3").caption(), "COM3");
    EXPECT_EQ(portItem("COM12").caption(), "COM12");
    EXPECT_EQ(tickedPorts(), std::vector<std::string>{"COM12"});
}

TEST_F(StartupTest, SystemPortsGetItemsOfTheirOwn) {
    fp.serial.ports = std::vector<std::string>{"ttyUSB0", "ttyS10", "ttyS2", "ttyACM0"};
    storedTexts()["Port"] = "ttyUSB0";
    link.FormCreate();
    EXPECT_EQ(portMenuNames(),
              (std::vector<std::string>{"ttyACM0", "ttyS2", "ttyS10", "ttyUSB0", "polacz", "rozlacz1"}));
    EXPECT_EQ(portItem("ttyS2").caption(), "ttyS2");
    EXPECT_EQ(tickedPorts(), std::vector<std::string>{"ttyUSB0"});

    portItem("ttyACM0").click();
    EXPECT_EQ(tickedPorts(), std::vector<std::string>{"ttyACM0"});
    EXPECT_EQ(fp.serial.lastOpened.portName, "ttyACM0");
    ASSERT_EQ(fp.serial.writes.size(), 1u);
    EXPECT_EQ(fp.serial.writes[0].bytes, test::wireOfFrame(IdentifyRequest()));
}

TEST_F(StartupTest, ListingThatFailsLeavesOnlyTheTwoActions) {
    fp.serial.ports = std::nullopt;
    link.FormCreate();
    EXPECT_EQ(portMenuNames(), (std::vector<std::string>{"polacz", "rozlacz1"}));
    EXPECT_TRUE(fp.dialogs.messages.empty());
}

TEST_F(StartupTest, StoredPortThatIsGoneTicksNothingAndFailsToOpen) {
    fp.serial.ports = std::vector<std::string>{"COM3"};
    storedTexts()["Port"] = "COM7";
    link.FormCreate();
    EXPECT_TRUE(tickedPorts().empty());
    EXPECT_EQ(link.portSettings().portName, "COM7");
    fp.serial.openError = {platform::SerialErrorKind::NotFound, "The port COM7 does not exist."};
    form.polacz.click();
    EXPECT_EQ(fp.dialogs.messages, std::vector<std::string>{"The port COM7 does not exist."});
    EXPECT_EQ(link.linkState(), "");
    EXPECT_TRUE(fp.serial.writes.empty());
}

TEST_F(StartupTest, StoredValuesAreReadWithoutRegardToCase) {
    storedTexts() = {{"Port", "COM3"},  {"BaudRate", "custom"}, {"StopBits", "1.5"},
                     {"DataBits", "7"}, {"Parity", "EVEN"},     {"FlowControl", "hardware"}};
    fp.keys.integers[kPortSettingsKey]["CustomBaudRate"] = 7200;
    const LoadedPortSettings loaded = loadPortSettings(fp.keys, {});
    EXPECT_TRUE(loaded.error.empty());
    EXPECT_EQ(loaded.settings.portName, "COM3");
    EXPECT_EQ(loaded.settings.baudMode, platform::BaudMode::Custom);
    EXPECT_EQ(loaded.settings.customBaudRate, 7200);
    EXPECT_EQ(loaded.settings.stopBits, platform::StopBits::OneAndHalf);
    EXPECT_EQ(loaded.settings.dataBits, platform::DataBits::Seven);
    EXPECT_EQ(loaded.settings.parity, platform::Parity::Even);
    EXPECT_EQ(loaded.settings.flowControl, platform::FlowControl::Hardware);
}

TEST_F(StartupTest, UnknownStoredTextsFallBack) {
    storedTexts() = {
        {"BaudRate", "fast"}, {"StopBits", "3"}, {"DataBits", "9"}, {"Parity", "?"}, {"FlowControl", "xon"}};
    const LoadedPortSettings loaded = loadPortSettings(fp.keys, {});
    EXPECT_TRUE(loaded.error.empty());
    EXPECT_EQ(loaded.settings.baudMode, platform::BaudMode::B9600);
    EXPECT_EQ(loaded.settings.stopBits, platform::StopBits::One);
    EXPECT_EQ(loaded.settings.dataBits, platform::DataBits::Eight);
    EXPECT_EQ(loaded.settings.parity, platform::Parity::None);
    EXPECT_EQ(loaded.settings.flowControl, platform::FlowControl::Custom);
}

TEST_F(StartupTest, StoredSettingsSurviveARoundTrip) {
    platform::PortSettings s;
    s.portName = "ttyUSB1";
    s.baudMode = platform::BaudMode::B57600;
    s.stopBits = platform::StopBits::Two;
    s.dataBits = platform::DataBits::Six;
    s.parity = platform::Parity::Mark;
    s.flowControl = platform::FlowControl::Software;
    EXPECT_EQ(storePortSettings(fp.keys, s), "");
    EXPECT_EQ(fp.keys.integers[kPortSettingsKey].count("CustomBaudRate"), 0u);
    const LoadedPortSettings loaded = loadPortSettings(fp.keys, {});
    EXPECT_EQ(loaded.settings.portName, s.portName);
    EXPECT_EQ(loaded.settings.baudMode, s.baudMode);
    EXPECT_EQ(loaded.settings.stopBits, s.stopBits);
    EXPECT_EQ(loaded.settings.dataBits, s.dataBits);
    EXPECT_EQ(loaded.settings.parity, s.parity);
    EXPECT_EQ(loaded.settings.flowControl, s.flowControl);
}

TEST_F(StartupTest, CustomRateWithoutItsValueIsReportedAndTheLaterStepsAreSkipped) {
    fp.serial.ports = std::vector<std::string>{"COM3"};
    storedTexts() = {{"Port", "COM3"}, {"BaudRate", "Custom"}};
    fp.keys.texts[kLanguageKey][kLanguageValue] = "AngielskiGB";
    std::vector<std::string> applied;
    link.hooks.applyStoredLanguage = [&](const std::string& name) { applied.push_back(name); };
    link.FormCreate();
    ASSERT_EQ(fp.dialogs.messages.size(), 1u);
    EXPECT_NE(fp.dialogs.messages[0].find("CustomBaudRate"), std::string::npos);
    EXPECT_TRUE(tickedPorts().empty());
    EXPECT_TRUE(applied.empty());
    EXPECT_EQ(form.RPM_zegar.sectorOffset(), 0);
    EXPECT_EQ(form.MAPGrid.cellText(0, 1), "");
    // The tool keeps running: the port can still be chosen.
    portItem("COM3").click();
    EXPECT_EQ(link.linkState(), "w_s_0");
}

TEST_F(StartupTest, StoreThatRefusesWritesIsReportedOnce) {
    fp.keys.failWrites = true;
    link.FormCreate();
    link.rozlacz1Click();
    link.rozlacz1Click();
    EXPECT_EQ(fp.dialogs.messages.size(), 1u);
}

TEST_F(StartupTest, StoredLanguageIsApplied) {
    struct Case {
        std::optional<std::string> stored;
        std::vector<std::string> applied;
    };
    const Case cases[] = {
        {std::nullopt, {"PolskiPL"}},
        {"", {"PolskiPL"}},
        {"AngielskiGB", {"AngielskiGB"}},
        {"Klingon", {}},
    };
    for (const auto& c : cases) {
        fp.keys.texts.clear();
        if (c.stored) fp.keys.texts[kLanguageKey][kLanguageValue] = *c.stored;
        std::vector<std::string> applied;
        link.hooks.applyStoredLanguage = [&](const std::string& name) { applied.push_back(name); };
        link.FormCreate();
        EXPECT_EQ(applied, c.applied) << c.stored.value_or("(missing)");
    }
    link.hooks.currentLanguage = [] { return std::string("Greek"); };
    link.FormClose();
    EXPECT_EQ(fp.keys.texts[kLanguageKey][kLanguageValue], "Greek");
}

TEST_F(StartupTest, DialLookAndMapGridHeaders) {
    fp.locale.decimal = ',';
    link.FormCreate();
    EXPECT_EQ(form.RPM_zegar.sectorOffset(), 300);
    EXPECT_EQ(form.RPM_zegar.needleShape(), 2);
    const ui::Grid& grid = form.MAPGrid;
    const std::pair<int, std::string> rows[] = {{1, "2,55"}, {6, "2,5"}, {156, "1"}, {247, "0,09"}, {256, "0"}};
    for (const auto& [r, text] : rows) EXPECT_EQ(grid.cellText(0, r), text) << r;
    const std::pair<int, std::string> cols[] = {{1, "1"}, {2, "1,1"}, {11, "2"}, {246, "25,5"}};
    for (const auto& [c, text] : cols) EXPECT_EQ(grid.cellText(c, 0), text) << c;
}

TEST_F(StartupTest, SmallScreenPinsTheWindowAndHidesTheTaskbar) {
    struct Case {
        int width;
        bool small;
    };
    for (const Case c : {Case{800, true}, Case{801, false}}) {
        SCOPED_TRACE(c.width);
        test::FakePlatform p;
        p.screen.screenWidth = c.width;
        ui::Form f;
        f.QAVI.moveTo(100, 50);
        LinkSession session(p.platform, f, lang);
        session.FormCreate();
        EXPECT_EQ(f.QAVI.minimizeButton(), !c.small);
        session.FormPaint();
        session.FormPaint();
        EXPECT_EQ(p.screen.taskbarHidden, c.small);
        EXPECT_EQ(p.screen.hideCount, c.small ? 2 : 0);
        EXPECT_EQ(f.QAVI.geometry().x, c.small ? 3 : 100);
        EXPECT_EQ(f.QAVI.geometry().y, c.small ? 0 : 50);
        session.FormClose();
        EXPECT_FALSE(p.screen.taskbarHidden);
        EXPECT_EQ(p.screen.restoreCount, c.small ? 1 : 0);
    }
}

TEST_F(StartupTest, ClosingStopsTheLinkAndStoresTheSettings) {
    fp.serial.ports = std::vector<std::string>{"COM3"};
    link.FormCreate();
    test::ControllerDouble controller{fp};
    portItem("COM3").click();
    controller.advance(2000);
    ASSERT_EQ(link.linkState(), "count");
    link.FormClose();
    EXPECT_FALSE(fp.serial.isOpen());
    EXPECT_EQ(link.linkState(), "");
    EXPECT_FALSE(link.tickTimer().isActive() || link.answerTimer().isActive());
    EXPECT_EQ(storedTexts()["Port"], "COM3");
}

TEST_F(StartupTest, ExitClosesTheWindow) {
    int closes = 0;
    link.hooks.closeWindow = [&] { ++closes; };
    form.Exit1.click();
    EXPECT_EQ(closes, 1);
}

}  // namespace
}  // namespace qavi::link
