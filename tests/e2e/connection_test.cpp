// Connecting to the simulated controller of each firmware family: what the
// status bar, the settings controls and the live dashboard show afterwards.

#include <gtest/gtest.h>

#include "e2e/sim_bench.h"
#include "sim/settings_image.h"

namespace qavi::test {
namespace {

struct FirmwareCase {
    const char* name;
    link::FirmwareVersion firmware;
    const char* versionText;
    // The controller's change-over time, in half-seconds, and what the dial shows of it.
    int gasSwitchHalfSeconds;
    double gasSwitchSeconds;
    double gasSwitchDialLimit;
    bool ver2Controls;
};

class ConnectionTest : public ::testing::TestWithParam<FirmwareCase> {};

// Sets the change-over time in the controller's memory before the tool connects.
void setGasSwitchTime(sim::ControllerModel& model, int halfSeconds) {
    link::Bytes memory = model.settingsMemory();
    memory[sim::offs::kGasSwitchTimeLow] = static_cast<std::uint8_t>(halfSeconds & 0xFF);
    if (model.variant() == link::FirmwareVariant::Ver2) {
        memory[sim::offs::kGasSwitchTimeHigh] = static_cast<std::uint8_t>(halfSeconds >> 8);
    }
    sim::sealAnswer(memory);
    ASSERT_EQ(model.restoreSettings(memory), std::nullopt);
}

TEST_P(ConnectionTest, TheLinkComesUpAndTheWindowShowsTheController) {
    const FirmwareCase& c = GetParam();
    SimBench bench(BenchOptions::firmware(c.firmware));
    setGasSwitchTime(bench.sim.model(), c.gasSwitchHalfSeconds);

    ASSERT_TRUE(bench.connect()) << "link state " << bench.link.linkState();
    const ui::Form& form = bench.form;

    EXPECT_TRUE(bench.dialogs.messages.empty());
    EXPECT_EQ(form.StatusBar1.panelText(0), c.versionText);
    EXPECT_EQ(form.Polacz_switch.text(), "SIM - ON");
    EXPECT_FALSE(bench.link.busy());
    EXPECT_TRUE(form.QAVI.enabled());
    for (const ui::MenuItem* item : {&form.Odczyt1, &form.Zapis1, &form.Reset1}) {
        EXPECT_TRUE(item->visible() && item->enabled()) << item->name();
    }

    // The settings of the fitted car the simulator starts with.
    EXPECT_EQ(form.Sel_cyl.text(), "4 cyl.");
    for (int led = 0; led < 8; ++led) {
        EXPECT_EQ(form.cylLeds[static_cast<std::size_t>(led)]->enabled(), led < 4) << "LED " << led + 1;
        EXPECT_EQ(form.cylLeds[static_cast<std::size_t>(led)]->checked(), led < 4) << "LED " << led + 1;
    }
    EXPECT_DOUBLE_EQ(form.P_pracy_changer.value(), 1.20);
    EXPECT_DOUBLE_EQ(form.RPM_Prog_przel.value(), 1800);
    EXPECT_DOUBLE_EQ(form.T_przel_to_LPG.value(), c.gasSwitchSeconds);
    EXPECT_DOUBLE_EQ(form.T_przel_to_LPG.valueTo(), c.gasSwitchDialLimit);
    EXPECT_EQ(form.Sel_Typ_wtrysku.text(), "Valtek/Rail 1 Ohm");
    // The stored errors of the fitted car: gas pressure too low, injector 3.
    EXPECT_EQ(form.Register_errors_memo.text(),
              "1" + bench.window.lang.text(2) + "\r\n2" + bench.window.lang.text(6) + " 3\r\n");

    // What only the newer firmware has.
    EXPECT_EQ(form.GroupBox15.visible(), c.ver2Controls);
    EXPECT_EQ(form.Panel_korekta.visible(), c.ver2Controls);
    EXPECT_EQ(form.TabSheet10.tabVisible(), c.ver2Controls);
    EXPECT_EQ(form.TabSheet11.tabVisible(), !c.ver2Controls);

    // Nothing but polls goes out while the user does nothing.
    const std::size_t mark = bench.serial.mark();
    bench.advance(2000);
    EXPECT_TRUE(bench.serial.commandsSince(mark).empty());
    EXPECT_GE(bench.serial.requests().size() - mark, 5u) << "the polls stopped";
    // The older firmware has no corrections: the live data zeroes them without sending anything.
    EXPECT_EQ(form.kor_2.value(), c.ver2Controls ? 2 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    BothFamilies, ConnectionTest,
    ::testing::Values(FirmwareCase{"ver_1", link::kVer1Version, "QAVI ver. 3.07.07", 90, 45, 60, false},
                      FirmwareCase{"ver_2", link::kVer2Version, "QAVI ver. 5.09.11", 300, 150, 300, true}),
    [](const ::testing::TestParamInfo<FirmwareCase>& param) { return std::string(param.param.name); });

TEST(LiveDashboardTest, TheEngineIdlesWarmsUpAndChangesOverToGas) {
    // Ten times faster warm-up: the reducer reaches the change-over temperature
    // (35 °C) within seconds instead of a minute and a half.
    BenchOptions options;
    options.model.timeScale = 10;
    SimBench bench(options);
    ASSERT_TRUE(bench.connect());
    bench.advance(1000);
    const ui::Form& form = bench.form;

    EXPECT_GE(form.RPM_Edit.value(), 700);
    EXPECT_LE(form.RPM_Edit.value(), 900);
    EXPECT_TRUE(form.Zaplon_panel.enabled());
    EXPECT_FALSE(form.paliwo_Switch.checked());
    EXPECT_EQ(form.paliwo_Switch.text(), "PB");
    EXPECT_LT(form.TempWoda.value(), 25);
    EXPECT_NEAR(form.BATERY_vpp.value(), 13.8, 0.2);

    // Half a minute of driving (five simulated minutes): the reducer warms up
    // steadily and the controller changes over once temperature, time and the
    // engine-speed threshold have all been met.
    double lastTemperature = form.TempWoda.value();
    int warmingSteps = 0;
    for (int second = 0; second < 30; ++second) {
        bench.advance(1000);
        EXPECT_GE(form.TempWoda.value(), lastTemperature) << "at second " << second;
        if (form.TempWoda.value() > lastTemperature) ++warmingSteps;
        lastTemperature = form.TempWoda.value();
    }
    EXPECT_GT(lastTemperature, 50);
    EXPECT_GE(warmingSteps, 10);
    EXPECT_TRUE(bench.sim.model().onGas());
    EXPECT_TRUE(form.paliwo_Switch.checked());
    EXPECT_EQ(form.paliwo_Switch.text(), "LPG");
    EXPECT_GT(form.Skala_LPG_time.value(), 0);
    EXPECT_TRUE(bench.dialogs.messages.empty());
}

}  // namespace
}  // namespace qavi::test
