#include "config/parameter_commands.h"

#include <gtest/gtest.h>

#include "config/config_harness.h"
#include "config/form_snapshot.h"

namespace qavi::config {
namespace {

using link::FirmwareVariant;
using test::ConfigHarness;
using test::SettingsBlockBuilder;

// The window after a realistic ver_2 settings answer: 4 cylinders, LEDs 1..4 lit, on petrol.
class ParameterCommandsTest : public ::testing::Test, public ConfigHarness {
protected:
    ParameterCommandsTest() { show(SettingsBlockBuilder().build()); }

    // The single command queued since the last clear, sent with the usual budget.
    Bytes onlyCommand() {
        EXPECT_EQ(link.calls.size(), 1u);
        if (link.calls.empty()) return {};
        const auto call = link.calls.front();
        EXPECT_EQ(call.budget, kCommandRetryBudget);
        EXPECT_TRUE(call.second.empty());
        EXPECT_TRUE(call.third.empty());
        link.calls.clear();
        return call.first;
    }
};

TEST(PayloadByte, RoundsHalvesToEvenThenWrapsToAByte) {
    const std::pair<double, int> cases[] = {{2.5, 2}, {3.5, 4},    {119.99999, 120}, {-1, 255},
                                            {256, 0}, {-128, 128}, {255.5, 0},       {0.5, 0}};
    for (const auto& [value, byte] : cases) EXPECT_EQ(payloadByte(value), byte) << value;
}

TEST_F(ParameterCommandsTest, DialsSendTheirValueWhenTheUserLetsGo) {
    struct Case {
        ui::InputControl& dial;
        double value;
        Bytes command;
    };
    const Case cases[] = {
        {form.RPM_Prog_przel, 1800, {0x09, 0x12}},         {form.RPM_Prog_przel, 6000, {0x09, 0x3C}},
        {form.P_pracy_changer, 1.20, {0x2B, 0x78}},        {form.P_pracy_changer, 2.50, {0x2B, 0xFA}},
        {form.P_min_changer, 2.50, {0x1E, 0xFA}},          {form.P_min_changer, 0.40, {0x1E, 0x28}},
        {form.Temp_LPG_changer, 45, {0x0F, 0x2D}},         {form.RPM_Max_To_Petrol, 6500, {0x11, 0x41}},
        {form.RPM_Min_To_Petrol, 1200, {0x36, 0x0C}},      {form.T_zwloki_changer, 1450, {0x1F, 0x91}},
        {form.T_CYL_seqence, 2550, {0x23, 0xFF}},          {form.T_CYL_seqence, 150, {0x23, 0x0F}},
        {form.Min_Temp_Petrol_changer, -5, {0x37, 0xFB}},  {form.Min_Temp_Petrol_changer, 100, {0x37, 0x64}},
        {form.Min_Temp_Petrol_changer, -25, {0x37, 0xE7}}, {form.Min_Temp_Petrol_changer, 0, {0x37, 0x00}},
    };
    for (const auto& c : cases) {
        link.calls.clear();
        c.dial.setValue(c.dial.valueFrom() == c.value ? c.dial.valueTo() : c.dial.valueFrom());
        userTurn(c.dial, c.value);
        EXPECT_EQ(onlyCommand(), c.command) << c.dial.name() << " " << c.value;
    }
}

TEST_F(ParameterCommandsTest, DialsMovedByCodeOrNotMovedSendNothing) {
    for (ui::InputControl* dial : {&form.RPM_Prog_przel, &form.P_pracy_changer, &form.T_CYL_seqence,
                                   &form.T_przel_to_LPG, &form.Min_Temp_Petrol_changer}) {
        dial->setValue(dial->valueTo());
        dial->userRelease();  // a release with no change of the user's
    }
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(ParameterCommandsTest, GasChangeOverTimeFollowsTheFirmwareVariant) {
    struct Case {
        FirmwareVariant variant;
        double seconds;
        Bytes command;  // empty: nothing sent
    };
    const Case cases[] = {
        {FirmwareVariant::Ver2, 150, {0x22, 0x01, 0x2C}}, {FirmwareVariant::Ver2, 30, {0x22, 0x00, 0x3C}},
        {FirmwareVariant::Ver2, 300, {0x22, 0x02, 0x58}}, {FirmwareVariant::Ver1, 30, {0x22, 0x3C}},
        {FirmwareVariant::Ver1, 60, {0x22, 0x78}},        {FirmwareVariant::None, 30, {}},
    };
    for (const auto& c : cases) {
        link.calls.clear();
        applyVariantLimits(c.variant == FirmwareVariant::None ? FirmwareVariant::Ver1 : c.variant);
        link.variant = c.variant;
        form.T_przel_to_LPG.setValue(2);
        userTurn(form.T_przel_to_LPG, c.seconds);
        if (c.command.empty()) {
            EXPECT_TRUE(link.calls.empty()) << c.seconds;
        } else {
            EXPECT_EQ(onlyCommand(), c.command) << c.seconds;
        }
    }
}

TEST_F(ParameterCommandsTest, ComboBoxesSendTheUsersItem) {
    struct Case {
        ui::ComboBox& box;
        int item;
        Bytes command;
    };
    const Case cases[] = {
        {form.Sel_Impuls, 0, {0x0A, 0x00}},      {form.Sel_Impuls, 6, {0x0A, 0x06}},
        {form.Sel_RPM_signal, 0, {0x17, 0x00}},  {form.Sel_RPM_signal, 1, {0x17, 0x01}},
        {form.Sel_Typ_silnika, 1, {0x21, 0x01}}, {form.Sel_Typ_silnika, 0, {0x21, 0x00}},
        {form.T_RED_changer, 0, {0x13, 0x02}},   {form.T_RED_changer, 1, {0x13, 0x01}},
        {form.T_RED_changer, 2, {0x13, 0x03}},   {form.T_RED_changer, 3, {0x13, 0x05}},
        {form.T_RED_changer, 4, {0x13, 0x04}},   {form.T_RED_changer, 5, {0x13, 0x00}},
        {form.T_GAZ_changer, 0, {0x18, 0x02}},   {form.T_GAZ_changer, 3, {0x18, 0x05}},
        {form.T_GAZ_changer, 5, {0x18, 0x00}},
    };
    for (const auto& c : cases) {
        link.calls.clear();
        c.box.userSelect(c.item);
        EXPECT_EQ(onlyCommand(), c.command) << c.box.name() << " item " << c.item;
    }
}

TEST_F(ParameterCommandsTest, EngineTypeSetsTheMapChartsAxisBeforeSending) {
    std::vector<double> axisWhenQueued;
    link.onQueue = [&] { axisWhenQueued.push_back(form.Chart1.rightAxis.maximum); };
    form.Sel_Typ_silnika.userSelect(1);
    EXPECT_EQ(form.Chart2.rightAxis.maximum, 256);
    EXPECT_EQ(onlyCommand(), (Bytes{0x21, 0x01}));
    form.Sel_Typ_silnika.userSelect(0);
    EXPECT_EQ(form.Chart2.rightAxis.maximum, 100);
    EXPECT_EQ(onlyCommand(), (Bytes{0x21, 0x00}));
    EXPECT_EQ(axisWhenQueued, (std::vector<double>{256, 100}));
}

TEST_F(ParameterCommandsTest, InjectorTypeSendsThreeCommandsInOneCall) {
    const std::array<std::array<std::uint8_t, 3>, 8> table{{{0x08, 0x06, 0x1E},
                                                            {0x09, 0x06, 0x23},
                                                            {0x03, 0x09, 0x2D},
                                                            {0x01, 0x06, 0x1E},
                                                            {0x06, 0x06, 0x1E},
                                                            {0x07, 0x06, 0x1E},
                                                            {0x00, 0x00, 0x00},
                                                            {0x04, 0x06, 0x2D}}};
    for (int item = 0; item < 8; ++item) {
        link.calls.clear();
        form.Sel_Typ_wtrysku.userSelect(item);
        ASSERT_EQ(link.calls.size(), 1u) << item;
        const auto& call = link.calls.front();
        const auto& row = table[static_cast<std::size_t>(item)];
        EXPECT_EQ(call.budget, 5);
        EXPECT_EQ(call.first, (Bytes{0x0E, row[0]})) << item;
        EXPECT_EQ(call.second, (Bytes{0x24, row[1]})) << item;
        EXPECT_EQ(call.third, (Bytes{0x30, row[2]})) << item;
    }
}

TEST_F(ParameterCommandsTest, MapSensorSendsItsPairWhateverTheSelection) {
    form.P1_MAP_changer.setEnabled(true);
    form.P1_MAP_changer.userSelect(0);
    ASSERT_EQ(link.calls.size(), 1u);
    EXPECT_EQ(link.calls[0].first, (Bytes{0x12, 0x04}));
    EXPECT_EQ(link.calls[0].second, (Bytes{0x27, 0x04}));
    EXPECT_TRUE(link.calls[0].third.empty());
}

TEST_F(ParameterCommandsTest, AnEmptiedComboBoxSendsNothing) {
    for (ui::ComboBox* box : {&form.Sel_cyl, &form.Sel_Impuls, &form.Sel_RPM_signal, &form.Sel_Typ_silnika,
                              &form.Sel_Typ_wtrysku, &form.T_RED_changer, &form.T_GAZ_changer}) {
        box->userSelect(ui::ComboBox::kNone);
    }
    EXPECT_TRUE(link.calls.empty());
    EXPECT_EQ(config.block.cylinderCode(), 1);
}

TEST_F(ParameterCommandsTest, CylinderCountSendsTheCodeAndPatchesTheBlock) {
    struct Case {
        int item;
        std::uint8_t code;
        std::uint8_t mask;
        int lit;
    };
    const Case cases[] = {
        {4, 0x05, 0xFF, 8}, {0, 0x00, 0x07, 3}, {1, 0x01, 0x0F, 4}, {2, 0x02, 0x1F, 5}, {3, 0x03, 0x3F, 6}};
    for (const auto& c : cases) {
        link.calls.clear();
        form.Sel_cyl.userSelect(c.item);
        EXPECT_EQ(onlyCommand(), (Bytes{0x1B, c.code})) << "item " << c.item;
        EXPECT_EQ(config.block.cylinderCode(), c.code);
        EXPECT_EQ(config.block.injectorMask(), c.mask);
        EXPECT_EQ(form.Sel_cyl.itemIndex(), c.item);
        for (int n = 1; n <= 8; ++n) {
            const auto& led = *form.cylLeds[static_cast<std::size_t>(n - 1)];
            EXPECT_EQ(led.checked(), n <= c.lit) << "item " << c.item << " LED " << n;
            EXPECT_EQ(led.enabled(), n <= c.lit) << "item " << c.item << " LED " << n;
        }
    }
}

TEST_F(ParameterCommandsTest, CylinderCountRerendersTheBlockNotTheUsersUnsentValues) {
    userTurn(form.RPM_Prog_przel, 3000);
    link.calls.clear();
    form.Sel_cyl.userSelect(3);
    EXPECT_EQ(onlyCommand(), (Bytes{0x1B, 0x03}));
    EXPECT_EQ(form.RPM_Prog_przel.value(), 1800);  // the block's value again
}

TEST_F(ParameterCommandsTest, CylinderCountNeedsAnOpenPortAndABlock) {
    link.open = false;
    form.Sel_cyl.userSelect(4);
    EXPECT_TRUE(link.calls.empty());
    EXPECT_EQ(config.block.cylinderCode(), 1);

    link.open = true;
    config.block.replace(SettingsBlockBuilder().truncated(10));
    form.Sel_cyl.userSelect(4);
    EXPECT_TRUE(link.calls.empty());

    // Eleven bytes are enough to send; the fields beyond them are not written.
    config.block.replace(SettingsBlockBuilder().truncated(11));
    form.Sel_cyl.userSelect(4);
    EXPECT_EQ(onlyCommand(), (Bytes{0x1B, 0x05}));
    EXPECT_EQ(config.block.length(), 11u);
}

TEST_F(ParameterCommandsTest, CorrectionSpinsSendAllEight) {
    form.kor_2.userSetValue(-3);
    EXPECT_EQ(onlyCommand(), (Bytes{0x44, 0x80, 0x7D, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}));
    form.kor_8.userStep(1);
    EXPECT_EQ(onlyCommand(), (Bytes{0x44, 0x80, 0x7D, 0x80, 0x80, 0x80, 0x80, 0x80, 0x81}));
    form.Kor_1.userSetValue(-20);
    EXPECT_EQ(onlyCommand(), (Bytes{0x44, 0x6C, 0x7D, 0x80, 0x80, 0x80, 0x80, 0x80, 0x81}));
    form.kor_5.userSetValue(25);  // clipped to 20
    EXPECT_EQ(onlyCommand(), (Bytes{0x44, 0x6C, 0x7D, 0x80, 0x80, 0x94, 0x80, 0x80, 0x81}));
}

TEST_F(ParameterCommandsTest, GuardedCheckBoxesSendTheirStateUnlessMarked) {
    struct Case {
        ui::CheckBox& box;
        std::uint8_t code;
    };
    for (const auto& [box, code] : {Case{form.Check_Injector_plus, 0x2D}, Case{form.Check_by_first, 0x2E}}) {
        box.userClick();
        EXPECT_EQ(onlyCommand(), (Bytes{code, 0x01})) << box.name();
        box.userClick();
        EXPECT_EQ(onlyCommand(), (Bytes{code, 0x00})) << box.name();
        box.setCaption("-");
        box.userClick();
        EXPECT_TRUE(link.calls.empty()) << box.name();
        box.setCaption("");
    }
}

TEST_F(ParameterCommandsTest, FuelKindSendsTheCheckedButtonUnlessTagged) {
    form.CNG_RadioButton.userClick();
    EXPECT_EQ(onlyCommand(), (Bytes{0x43, 0x01}));
    form.LPG_RadioButton.userClick();
    EXPECT_EQ(onlyCommand(), (Bytes{0x43, 0x00}));
    form.LPG_RadioButton.setTag(1);
    form.CNG_RadioButton.userClick();
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(ParameterCommandsTest, FullGroupSendsTheStepAndSetsTheDialOnce) {
    form.Full_group_CheckBox.userClick();
    EXPECT_EQ(onlyCommand(), (Bytes{0x23, 0x00}));
    EXPECT_EQ(form.T_CYL_seqence.value(), 0);
    form.Full_group_CheckBox.userClick();
    EXPECT_EQ(onlyCommand(), (Bytes{0x23, 0x14}));
    EXPECT_EQ(form.T_CYL_seqence.value(), 200);
}

TEST_F(ParameterCommandsTest, FuelSwitchAsksForTheOtherFuelWithTheLitInjectors) {
    form.paliwo_Switch.setChecked(false);  // petrol
    form.paliwo_Switch.userClick();
    EXPECT_EQ(onlyCommand(), (Bytes{0x03, 0x03, 0x0F}));
    EXPECT_FALSE(form.paliwo_Switch.checked());  // an indicator: the click does not move it
    form.paliwo_Switch.setChecked(true);         // gas
    form.paliwo_Switch.userClick();
    EXPECT_EQ(onlyCommand(), (Bytes{0x03, 0x02, 0x0F}));
}

TEST_F(ParameterCommandsTest, AdaptationStartGoesToPetrolAndStartsOnlyAtItsFirstStep) {
    auto& commands = config.commands;
    commands.paliwo_SwitchClick(ParameterCommands::Sender::Button_start);  // no adaptation yet: -1
    EXPECT_EQ(onlyCommand(), (Bytes{0x03, 0x02, 0x0F}));

    int state = 0;
    commands.adaptationState = [&] { return state; };
    commands.paliwo_SwitchClick(ParameterCommands::Sender::Button_start);
    ASSERT_EQ(link.calls.size(), 1u);
    EXPECT_EQ(link.calls[0].first, (Bytes{0x25}));
    EXPECT_EQ(link.calls[0].second, (Bytes{0x03, 0x02, 0x0F}));
    link.calls.clear();

    state = 3;
    commands.paliwo_SwitchClick(ParameterCommands::Sender::Button_start);
    EXPECT_EQ(onlyCommand(), (Bytes{0x03, 0x02, 0x0F}));
}

TEST_F(ParameterCommandsTest, InjectorLedClickTogglesAndSendsTheMaskOnlyOnGas) {
    form.paliwo_Switch.setChecked(false);
    form.Cyl_1_led.userClick();
    EXPECT_FALSE(form.Cyl_1_led.checked());
    EXPECT_TRUE(link.calls.empty());  // on petrol the mask waits for the next change-over

    form.paliwo_Switch.setChecked(true);
    form.Cyl_1_led.userClick();
    EXPECT_TRUE(form.Cyl_1_led.checked());
    EXPECT_EQ(onlyCommand(), (Bytes{0x03, 0x03, 0x0F}));
    form.Cyl_0_led.userClick();
    EXPECT_EQ(onlyCommand(), (Bytes{0x03, 0x03, 0x0E}));
    EXPECT_EQ(config.block.injectorMask(), 0x0F);  // the block keeps the last answer's mask
}

TEST_F(ParameterCommandsTest, InjectorLedClickWithThePortClosedChangesNothing) {
    link.open = false;
    form.paliwo_Switch.setChecked(true);
    const auto before = test::snapshotOf(form);
    form.Cyl_2_led.userClick();
    EXPECT_EQ(test::differences(before, test::snapshotOf(form)), "");
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(ParameterCommandsTest, AbsentCylindersLedsTakeNoClicks) {
    form.paliwo_Switch.setChecked(true);
    form.Cyl_6_led.userClick();  // 4 cylinders: LED 7 is disabled
    EXPECT_FALSE(form.Cyl_6_led.checked());
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(ParameterCommandsTest, ShowButtonsNameTheCylinderOnlyWhenItsLedIsLit) {
    form.Cyl_2_show.userClick();
    EXPECT_EQ(form.Skala_PB_time.name2(), "CYL 3");
    form.Cyl_3_led.setChecked(false);
    form.Cyl_3_show.userClick();
    EXPECT_EQ(form.Skala_PB_time.name2(), "CYL 3");
    form.Cyl_0_show.userClick();
    EXPECT_EQ(form.Skala_PB_time.name2(), "CYL 1");
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(ParameterCommandsTest, DeclinedResetChangesNothing) {
    form.Error_Led.setVisible(true);
    dialogs.answers.push_back(false);
    const auto before = test::snapshotOf(form);
    form.Reset1.click();
    EXPECT_EQ(dialogs.questions, (std::vector<std::string>{"Reset Will Restore original controller settings"}));
    EXPECT_EQ(test::differences(before, test::snapshotOf(form)), "");
    EXPECT_TRUE(link.calls.empty());
    EXPECT_EQ(link.busyEntered, 0);
}

TEST_F(ParameterCommandsTest, ConfirmedResetHidesTheBannerGoesBusyAndSendsTheResetAlone) {
    form.Error_Led.setVisible(true);
    dialogs.answers.push_back(true);
    form.Reset1.click();
    EXPECT_FALSE(form.Error_Led.visible());
    ASSERT_EQ(link.calls.size(), 1u);
    EXPECT_TRUE(link.calls[0].busy);
    EXPECT_EQ(link.calls[0].budget, 5);
    EXPECT_EQ(link.calls[0].first, (Bytes{0x26}));
    EXPECT_TRUE(link.calls[0].second.empty());
    EXPECT_TRUE(link.calls[0].third.empty());

    // The answer is a settings block, shown like any other.
    link.calls.clear();
    show(SettingsBlockBuilder().set(22, 3).build());
    EXPECT_EQ(form.Sel_cyl.itemIndex(), 3);
    EXPECT_TRUE(link.calls.empty());
}

}  // namespace
}  // namespace qavi::config
