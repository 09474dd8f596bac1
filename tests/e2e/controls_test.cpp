// A user change of each kind of control, end to end: the exact command goes
// out on the simulated line, the controller acknowledges it, and after a
// settings read the control shows what the controller now holds.

#include <gtest/gtest.h>

#include "e2e/sim_bench.h"

namespace qavi::test {
namespace {

using sim::Request;

struct ControlCase {
    const char* name;
    link::FirmwareVersion firmware;
    std::function<void(ui::Form&)> userChange;
    std::vector<Request> expected;
    // Checks the control after the settings read.
    std::function<void(const ui::Form&)> shows;
};

// The dials and sliders send when the user lets go of them.
std::function<void(ui::Form&)> drag(ui::InputControl ui::Form::*control, double value) {
    return [control, value](ui::Form& form) {
        (form.*control).userSetValue(value);
        (form.*control).userRelease();
    };
}

std::function<void(ui::Form&)> select(ui::ComboBox ui::Form::*control, int item) {
    return [control, item](ui::Form& form) { (form.*control).userSelect(item); };
}

std::function<void(const ui::Form&)> showsItem(ui::ComboBox ui::Form::*control, int item) {
    return [control, item](const ui::Form& form) { EXPECT_EQ((form.*control).itemIndex(), item); };
}

// A dial whose grid does not fall on round values shows the grid point nearest to the value.
std::function<void(const ui::Form&)> showsValue(ui::InputControl ui::Form::*control, double value) {
    return [control, value](const ui::Form& form) {
        const ui::InputControl& c = form.*control;
        const double gridStep = (c.valueTo() - c.valueFrom()) / (c.digitalTo() - c.digitalFrom());
        EXPECT_NEAR(c.value(), value, gridStep / 2) << c.name();
    };
}

const auto kVer1 = link::kVer1Version;
const auto kVer2 = link::kVer2Version;

const ControlCase kControlCases[] = {
    {"Sel_Impuls", kVer2, select(&ui::Form::Sel_Impuls, 3), {{0x0A, {0x03}}}, showsItem(&ui::Form::Sel_Impuls, 3)},
    {"Sel_RPM_signal",
     kVer2,
     select(&ui::Form::Sel_RPM_signal, 0),
     {{0x17, {0x00}}},
     showsItem(&ui::Form::Sel_RPM_signal, 0)},
    {"Sel_Typ_silnika",
     kVer1,
     select(&ui::Form::Sel_Typ_silnika, 1),
     {{0x21, {0x01}}},
     [](const ui::Form& form) {
         EXPECT_EQ(form.Sel_Typ_silnika.itemIndex(), 1);
         EXPECT_EQ(form.Chart1.rightAxis.maximum, 256);
     }},
    // The sensor list is not in code order: "1,7 kOhm" is the controller's code 2.
    {"T_RED_changer",
     kVer2,
     select(&ui::Form::T_RED_changer, 0),
     {{0x13, {0x02}}},
     showsItem(&ui::Form::T_RED_changer, 0)},
    {"T_GAZ_changer",
     kVer1,
     select(&ui::Form::T_GAZ_changer, 4),
     {{0x18, {0x04}}},
     showsItem(&ui::Form::T_GAZ_changer, 4)},
    // Three commands, each sent once the one before was acknowledged.
    {"Sel_Typ_wtrysku",
     kVer2,
     select(&ui::Form::Sel_Typ_wtrysku, 2),
     {{0x0E, {0x03}}, {0x24, {0x09}}, {0x30, {0x2D}}},
     showsItem(&ui::Form::Sel_Typ_wtrysku, 2)},
    {"Sel_Typ_wtrysku_Stefanelli",
     kVer1,
     select(&ui::Form::Sel_Typ_wtrysku, 6),
     {{0x0E, {0x00}}, {0x24, {0x00}}, {0x30, {0x00}}},
     showsItem(&ui::Form::Sel_Typ_wtrysku, 6)},
    {"Sel_cyl",
     kVer2,
     select(&ui::Form::Sel_cyl, 4),
     {{0x1B, {0x05}}},
     [](const ui::Form& form) {
         EXPECT_EQ(form.Sel_cyl.text(), "8 cyl.");
         for (const ui::Led* led : form.cylLeds) {
             EXPECT_TRUE(led->enabled()) << led->name();
             EXPECT_TRUE(led->checked()) << led->name();
             EXPECT_EQ(led->offColor(), ui::colors::kRed) << led->name();
         }
         for (const ui::RadioButton* show : form.cylShows) EXPECT_TRUE(show->enabled()) << show->name();
     }},
    {"Sel_cyl_3",
     kVer1,
     select(&ui::Form::Sel_cyl, 0),
     {{0x1B, {0x00}}},
     [](const ui::Form& form) {
         EXPECT_EQ(form.Sel_cyl.text(), "3 cyl.");
         for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(form.cylLeds[i]->enabled(), i < 3) << i;
     }},
    {"P_pracy_changer",
     kVer2,
     drag(&ui::Form::P_pracy_changer, 1.5),
     {{0x2B, {150}}},
     showsValue(&ui::Form::P_pracy_changer, 1.5)},
    {"P_min_changer",
     kVer1,
     drag(&ui::Form::P_min_changer, 1.0),
     {{0x1E, {100}}},
     showsValue(&ui::Form::P_min_changer, 1.0)},
    {"RPM_Prog_przel",
     kVer2,
     drag(&ui::Form::RPM_Prog_przel, 2500),
     {{0x09, {25}}},
     showsValue(&ui::Form::RPM_Prog_przel, 2500)},
    {"Temp_LPG_changer",
     kVer2,
     drag(&ui::Form::Temp_LPG_changer, 50),
     {{0x0F, {50}}},
     showsValue(&ui::Form::Temp_LPG_changer, 50)},
    {"RPM_Max_To_Petrol",
     kVer2,
     drag(&ui::Form::RPM_Max_To_Petrol, 5000),
     {{0x11, {50}}},
     showsValue(&ui::Form::RPM_Max_To_Petrol, 5000)},
    {"T_zwloki_changer",
     kVer1,
     drag(&ui::Form::T_zwloki_changer, 800),
     {{0x1F, {80}}},
     showsValue(&ui::Form::T_zwloki_changer, 800)},
    {"T_CYL_seqence",
     kVer2,
     drag(&ui::Form::T_CYL_seqence, 0),
     {{0x23, {0x00}}},
     [](const ui::Form& form) {
         EXPECT_DOUBLE_EQ(form.T_CYL_seqence.value(), 0);
         EXPECT_TRUE(form.Full_group_CheckBox.checked());
     }},
    // Two bytes on the newer firmware, beyond the older one's 60 s.
    {"T_przel_to_LPG_ver2",
     kVer2,
     drag(&ui::Form::T_przel_to_LPG, 150),
     {{0x22, {0x01, 0x2C}}},
     showsValue(&ui::Form::T_przel_to_LPG, 150)},
    {"T_przel_to_LPG_ver1",
     kVer1,
     drag(&ui::Form::T_przel_to_LPG, 45),
     {{0x22, {90}}},
     showsValue(&ui::Form::T_przel_to_LPG, 45)},
    {"RPM_Min_To_Petrol",
     kVer2,
     drag(&ui::Form::RPM_Min_To_Petrol, 1000),
     {{0x36, {10}}},
     showsValue(&ui::Form::RPM_Min_To_Petrol, 1000)},
    {"Min_Temp_Petrol_changer",
     kVer2,
     drag(&ui::Form::Min_Temp_Petrol_changer, -5),
     {{0x37, {0xFB}}},
     showsValue(&ui::Form::Min_Temp_Petrol_changer, -5)},
    // Every correction goes with a change of any one (the fitted car has +2 on injector 2, -1 on 3, +1 on 5).
    {"kor_2",
     kVer2,
     [](ui::Form& form) { form.kor_2.userStep(-1); },
     {{0x44, {128, 129, 127, 128, 129, 128, 128, 128}}},
     [](const ui::Form& form) {
         EXPECT_EQ(form.kor_2.value(), 1);
         EXPECT_EQ(form.kor_3.value(), -1);
     }},
    {"Check_Injector_plus",
     kVer2,
     [](ui::Form& form) { form.Check_Injector_plus.userClick(); },
     {{0x2D, {0x01}}},
     [](const ui::Form& form) {
         EXPECT_TRUE(form.Check_Injector_plus.checked());
         EXPECT_EQ(form.Check_Injector_plus.caption(), "");
     }},
    {"Check_by_first",
     kVer1,
     [](ui::Form& form) { form.Check_by_first.userClick(); },
     {{0x2E, {0x01}}},
     [](const ui::Form& form) { EXPECT_TRUE(form.Check_by_first.checked()); }},
    {"Full_group_CheckBox",
     kVer2,
     [](ui::Form& form) { form.Full_group_CheckBox.userClick(); },
     {{0x23, {0x00}}},
     [](const ui::Form& form) {
         EXPECT_TRUE(form.Full_group_CheckBox.checked());
         EXPECT_DOUBLE_EQ(form.T_CYL_seqence.value(), 0);
     }},
    {"CNG_RadioButton",
     kVer2,
     [](ui::Form& form) { form.CNG_RadioButton.userClick(); },
     {{0x43, {0x01}}},
     [](const ui::Form& form) {
         EXPECT_TRUE(form.CNG_RadioButton.checked());
         EXPECT_FALSE(form.LPG_RadioButton.checked());
         EXPECT_EQ(form.LPG_RadioButton.tag(), 0);
     }},
};

class ControlTest : public ::testing::TestWithParam<ControlCase> {};

TEST_P(ControlTest, TheChangeReachesTheControllerAndComesBackInTheSettings) {
    const ControlCase& c = GetParam();
    SimBench bench(BenchOptions::firmware(c.firmware));
    ASSERT_TRUE(bench.connect());
    bench.advance(500);

    std::size_t mark = bench.serial.mark();
    c.userChange(bench.form);
    ASSERT_TRUE(bench.advanceUntil([&] { return bench.queueSettled(); }, 3000)) << "not acknowledged";
    EXPECT_EQ(bench.serial.commandsSince(mark), c.expected);
    EXPECT_EQ(bench.link.retryBudget(), 0);
    EXPECT_TRUE(bench.dialogs.messages.empty());

    // Showing the tool's own copy again sends nothing; then the controller's
    // copy is read back, so what the control shows now comes from the controller.
    mark = bench.serial.mark();
    bench.window.config.view.render();
    ASSERT_TRUE(bench.readSettings());
    EXPECT_EQ(bench.serial.commandsSince(mark), (std::vector<Request>{{kSettingsReadCode, {0x00}}}));
    c.shows(bench.form);
    EXPECT_TRUE(bench.dialogs.messages.empty());
    EXPECT_TRUE(bench.connected());
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ControlTest, ::testing::ValuesIn(kControlCases),
                         [](const ::testing::TestParamInfo<ControlCase>& param) {
                             return std::string(param.param.name);
                         });

class ConnectedBench : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bench.connect());
        bench.advance(500);
    }
    bool settle() {
        return bench.advanceUntil([this] { return bench.queueSettled(); }, 3000);
    }

    SimBench bench;
};

TEST_F(ConnectedBench, TheFuelSwitchAsksForGasAndBackForPetrol) {
    ASSERT_FALSE(bench.form.paliwo_Switch.checked());
    std::size_t mark = bench.serial.mark();
    bench.form.paliwo_Switch.userClick();
    // A click asks; the switch follows the fuel the live data then reports.
    EXPECT_FALSE(bench.form.paliwo_Switch.checked());
    ASSERT_TRUE(settle());
    EXPECT_EQ(bench.serial.commandsSince(mark), (std::vector<Request>{{0x03, {0x03, 0x0F}}}));
    ASSERT_TRUE(bench.advanceUntil([&] { return bench.form.paliwo_Switch.checked(); }, 1000));
    EXPECT_EQ(bench.form.paliwo_Switch.text(), "LPG");
    EXPECT_TRUE(bench.sim.model().onGas());

    mark = bench.serial.mark();
    bench.form.paliwo_Switch.userClick();
    ASSERT_TRUE(settle());
    EXPECT_EQ(bench.serial.commandsSince(mark), (std::vector<Request>{{0x03, {0x02, 0x0F}}}));
    ASSERT_TRUE(bench.advanceUntil([&] { return !bench.form.paliwo_Switch.checked(); }, 1000));
    EXPECT_EQ(bench.form.paliwo_Switch.text(), "PB");
    EXPECT_FALSE(bench.sim.model().onGas());
    EXPECT_TRUE(bench.dialogs.messages.empty());
}

TEST_F(ConnectedBench, AnInjectorLedOnGasSendsTheNewMaskAtOnceAndOnPetrolWaits) {
    // On petrol the click only changes the lamp; the mask goes with the next change-over.
    std::size_t mark = bench.serial.mark();
    bench.form.Cyl_3_led.userClick();
    EXPECT_FALSE(bench.form.Cyl_3_led.checked());
    bench.advance(1000);
    EXPECT_TRUE(bench.serial.commandsSince(mark).empty());

    bench.form.paliwo_Switch.userClick();
    ASSERT_TRUE(settle());
    EXPECT_EQ(bench.serial.commandsSince(mark), (std::vector<Request>{{0x03, {0x03, 0x07}}}));
    ASSERT_TRUE(bench.advanceUntil([&] { return bench.form.paliwo_Switch.checked(); }, 1000));

    // On gas the controller takes injector 4 back straight away.
    mark = bench.serial.mark();
    bench.form.Cyl_3_led.userClick();
    ASSERT_TRUE(settle());
    EXPECT_EQ(bench.serial.commandsSince(mark), (std::vector<Request>{{0x03, {0x03, 0x0F}}}));

    // LED 2 off, then read back: the controller's mask lights LEDs 1, 3 and 4.
    bench.form.Cyl_1_led.userClick();
    ASSERT_TRUE(settle());
    ASSERT_TRUE(bench.readSettings());
    EXPECT_TRUE(bench.form.Cyl_0_led.checked());
    EXPECT_FALSE(bench.form.Cyl_1_led.checked());
    EXPECT_TRUE(bench.form.Cyl_2_led.checked());
    EXPECT_TRUE(bench.form.Cyl_3_led.checked());
    EXPECT_TRUE(bench.dialogs.messages.empty());
}

TEST_F(ConnectedBench, TheFactoryResetRunsInBusyModeAndShowsTheFactorySettings) {
    bench.dialogs.answers.push_back(true);
    const std::size_t mark = bench.serial.mark();
    const std::int64_t clickedAt = bench.scheduler.nowMs();
    bench.form.Reset1.click();

    ASSERT_EQ(bench.dialogs.questions.size(), 1u);
    EXPECT_EQ(bench.dialogs.questions[0], bench.window.lang.text(10));
    EXPECT_TRUE(bench.link.busy());
    EXPECT_FALSE(bench.form.QAVI.enabled());
    EXPECT_EQ(bench.form.Panel1Gora.color(), ui::colors::kGrey);
    EXPECT_EQ(bench.link.tickTimer().interval(), 240 + 1024);
    EXPECT_FALSE(bench.form.Error_Led.visible());

    ASSERT_TRUE(bench.advanceUntil([&] { return bench.queueSettled() && !bench.link.busy(); }, 5000));
    const auto commands = bench.serial.commandsSince(mark);
    ASSERT_EQ(commands, (std::vector<Request>{{0x26, {}}}));
    // The request waited for the slow busy tick.
    const auto& sent = bench.serial.requests()[mark];
    EXPECT_GE(sent.atMs - clickedAt, 1264);
    EXPECT_LT(sent.atMs - clickedAt, 1264 + 20);

    EXPECT_TRUE(bench.form.QAVI.enabled());
    EXPECT_EQ(bench.link.tickTimer().interval(), 240);
    EXPECT_EQ(bench.form.Panel1Gora.color(), ui::colors::kButtonFace);
    // The factory values, rendered straight from the answer.
    EXPECT_DOUBLE_EQ(bench.form.P_pracy_changer.value(), 1.00);
    EXPECT_DOUBLE_EQ(bench.form.RPM_Prog_przel.value(), 2000);
    EXPECT_DOUBLE_EQ(bench.form.T_przel_to_LPG.value(), 45);
    EXPECT_EQ(bench.form.Sel_Typ_wtrysku.text(), "Matrix/Magic ");
    EXPECT_TRUE(bench.form.Full_group_CheckBox.checked());
    EXPECT_TRUE(bench.dialogs.messages.empty());
    EXPECT_TRUE(bench.connected());
}

TEST_F(ConnectedBench, DecliningTheFactoryResetSendsNothing) {
    bench.dialogs.answers.push_back(false);
    const std::size_t mark = bench.serial.mark();
    bench.form.Reset1.click();
    EXPECT_FALSE(bench.link.busy());
    EXPECT_TRUE(bench.form.QAVI.enabled());
    bench.advance(3000);
    EXPECT_TRUE(bench.serial.commandsSince(mark).empty());
    EXPECT_DOUBLE_EQ(bench.form.P_pracy_changer.value(), 1.20);
}

TEST_F(ConnectedBench, ClearingTheErrorsEmptiesTheListsAndHidesTheBanner) {
    // Gas pressure too high and a faulty injector 2 appear.
    sim::ActiveErrors errors;
    errors.flagsA = 0xF7;
    errors.injectors = 0xFD;
    bench.sim.model().setActiveErrors(errors);
    ASSERT_TRUE(bench.advanceUntil([&] { return bench.form.Error_Led.visible(); }, 1000));
    const ui::LangTable& lang = bench.window.lang;
    EXPECT_EQ(bench.form.Actual_errors_Memo.text(), "1" + lang.text(1) + "\r\n2" + lang.text(6) + " 2\r\n");
    // The banner flashes: its shade changes from one frame to the next.
    const ui::Color shade = bench.form.Error_Led.color();
    bench.advance(400);
    EXPECT_NE(bench.form.Error_Led.color(), shade);
    // The banner leads to the list.
    bench.form.Error_Led.userClick();
    EXPECT_EQ(bench.form.tab_control.activePage(), &bench.form.TabSheet5);

    const std::size_t mark = bench.serial.mark();
    bench.form.Button2.userClick();
    EXPECT_EQ(bench.form.Actual_errors_Memo.text(), "");
    EXPECT_EQ(bench.form.Register_errors_memo.text(), "");
    ASSERT_TRUE(settle());
    EXPECT_EQ(bench.serial.commandsSince(mark), (std::vector<Request>{{0x10, {0x00}}}));
    bench.advance(600);
    EXPECT_FALSE(bench.form.Error_Led.visible());
    EXPECT_EQ(bench.form.Actual_errors_Memo.text(), "");

    // The controller's register was cleared too.
    ASSERT_TRUE(bench.readSettings());
    EXPECT_EQ(bench.form.Register_errors_memo.text(), "");
    EXPECT_TRUE(bench.dialogs.messages.empty());
}

TEST_F(ConnectedBench, RenderingTheControllersSettingsSendsNothing) {
    const std::size_t mark = bench.serial.mark();
    ASSERT_TRUE(bench.readSettings());
    ASSERT_TRUE(bench.readSettings());
    bench.advance(2000);
    EXPECT_EQ(bench.serial.commandsSince(mark),
              (std::vector<Request>{{kSettingsReadCode, {0x00}}, {kSettingsReadCode, {0x00}}}));
}

TEST_F(ConnectedBench, AfterDisconnectingTheControlsThatNeedTheLinkDoNothingAndOthersSayWhyOnce) {
    bench.form.rozlacz1.click();
    ASSERT_FALSE(bench.serial.isOpen());
    const std::size_t mark = bench.serial.mark();

    // The cylinder count and the injector LEDs test the link themselves.
    bench.form.Sel_cyl.userSelect(4);
    bench.form.Cyl_0_led.userClick();
    bench.advance(3000);
    EXPECT_TRUE(bench.dialogs.messages.empty());
    EXPECT_FALSE(bench.form.Cyl_0_led.checked());

    // Other controls queue their command; the closed port refuses it once and
    // the exchange stops there instead of retrying into a flood of messages.
    bench.form.P_pracy_changer.userSetValue(1.5);
    bench.form.P_pracy_changer.userRelease();
    bench.advance(10000);
    EXPECT_EQ(bench.dialogs.messages, std::vector<std::string>{"SIM: The port is not open."});
    EXPECT_EQ(bench.serial.mark(), mark);
    EXPECT_FALSE(bench.link.tickTimer().isActive());
    EXPECT_FALSE(bench.link.answerTimer().isActive());

    // Connecting again works and the queue starts clean.
    bench.form.polacz.click();
    ASSERT_TRUE(bench.advanceUntil([&] { return bench.connected(); }, 5000));
    bench.advance(1000);
    EXPECT_TRUE(bench.serial.commandsSince(mark).empty());
    EXPECT_EQ(bench.dialogs.messages.size(), 1u);
}

}  // namespace
}  // namespace qavi::test
