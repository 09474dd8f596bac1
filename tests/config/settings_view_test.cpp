#include "config/settings_view.h"

#include <gtest/gtest.h>

#include "config/config_harness.h"
#include "config/form_snapshot.h"

namespace qavi::config {
namespace {

using link::FirmwareVariant;
using test::ConfigHarness;
using test::SettingsBlockBuilder;
constexpr int kNone = ui::ComboBox::kNone;

class SettingsViewTest : public ::testing::Test, public ConfigHarness {};

TEST_F(SettingsViewTest, RendersEveryControlOfARealisticBlock) {
    show(SettingsBlockBuilder().build());

    struct Combo {
        ui::ComboBox& box;
        int item;
    };
    for (const auto& [box, item] :
         {Combo{form.Sel_cyl, 1}, Combo{form.Sel_Impuls, 1}, Combo{form.Sel_RPM_signal, 1},
          Combo{form.Sel_Typ_silnika, 0}, Combo{form.Sel_Typ_wtrysku, 0}, Combo{form.P1_MAP_changer, 0},
          Combo{form.T_RED_changer, 5}, Combo{form.T_GAZ_changer, 1}, Combo{form.Rodz_czuj_LPG, 1}}) {
        EXPECT_EQ(box.itemIndex(), item) << box.name();
    }
    struct Dial {
        ui::InputControl& dial;
        double value;
    };
    for (const auto& [dial, value] :
         {Dial{form.P_pracy_changer, 1.20}, Dial{form.P_min_changer, 0.80}, Dial{form.RPM_Max_To_Petrol, 6000},
          Dial{form.T_zwloki_changer, 500}, Dial{form.Temp_LPG_changer, 35}, Dial{form.RPM_Prog_przel, 1800},
          Dial{form.T_przel_to_LPG, 30}, Dial{form.T_CYL_seqence, 150}, Dial{form.RPM_Min_To_Petrol, 1200},
          Dial{form.Min_Temp_Petrol_changer, -5}}) {
        // P_min_changer's digital range is 40..255 over 0.40..2.50, so its grid is not in hundredths.
        EXPECT_NEAR(dial.value(), value, 0.001) << dial.name();
    }
    EXPECT_EQ(form.Chart1.rightAxis.maximum, 100);
    EXPECT_EQ(form.Chart2.rightAxis.maximum, 100);
    EXPECT_FALSE(form.Check_Injector_plus.checked());
    EXPECT_FALSE(form.Check_by_first.checked());
    EXPECT_FALSE(form.wykres_CheckBox.checked());
    EXPECT_TRUE(form.LPG_RadioButton.checked());
    EXPECT_FALSE(form.CNG_RadioButton.checked());
    EXPECT_FALSE(form.Full_group_CheckBox.checked());
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(form.cylLeds[i]->checked(), i < 4) << "LED " << i + 1;
    EXPECT_EQ(form.Ch_U_LPG_1.text(), "1.00");
    EXPECT_EQ(form.Ch_U_LPG_4.text(), "4.00");
    EXPECT_EQ(form.Register_errors_memo.text(), "");
    for (const ui::Spin* spin : form.corrections) EXPECT_EQ(spin->value(), 0) << spin->name();
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(SettingsViewTest, FlagBitsReachTheirControls) {
    show(SettingsBlockBuilder().set(34, 0xCA).set(558, 0x03).build());
    EXPECT_EQ(form.Sel_RPM_signal.itemIndex(), 1);
    EXPECT_EQ(form.Sel_Typ_silnika.itemIndex(), 1);
    EXPECT_EQ(form.Chart1.rightAxis.maximum, 256);
    EXPECT_EQ(form.Chart2.rightAxis.maximum, 256);
    EXPECT_TRUE(form.wykres_CheckBox.checked());
    EXPECT_TRUE(form.Check_Injector_plus.checked());
    EXPECT_TRUE(form.Check_by_first.checked());
    EXPECT_FALSE(form.LPG_RadioButton.checked());
    EXPECT_TRUE(form.CNG_RadioButton.checked());
    EXPECT_TRUE(link.calls.empty());
}

TEST(SettingsViewCylinders, LedsAndShowButtonsFollowTheCylinderCount) {
    struct Case {
        std::uint8_t code;
        int item;
        int redLeds;        // LEDs 1..redLeds get a red off colour
        int firstDisabled;  // LEDs and show buttons from this one (1-based) are disabled; 9 = none
    };
    const Case cases[] = {{0, 0, 3, 4}, {1, 1, 4, 5},     {2, 2, 5, 6},    {3, 3, 6, 7},
                          {5, 4, 8, 9}, {4, kNone, 0, 9}, {6, kNone, 0, 9}};
    for (const auto& c : cases) {
        ConfigHarness h;
        h.show(SettingsBlockBuilder().set(22, c.code).build());
        EXPECT_EQ(h.form.Sel_cyl.itemIndex(), c.item) << "code " << int{c.code};
        for (int n = 1; n <= 8; ++n) {
            const auto& led = *h.form.cylLeds[static_cast<std::size_t>(n - 1)];
            const auto& showButton = *h.form.cylShows[static_cast<std::size_t>(n - 1)];
            EXPECT_EQ(led.offColor(), n <= c.redLeds ? ui::colors::kRed : ui::colors::kGrey)
                << "code " << int{c.code} << " LED " << n;
            EXPECT_EQ(led.enabled(), n < c.firstDisabled) << "code " << int{c.code} << " LED " << n;
            EXPECT_EQ(showButton.enabled(), n < c.firstDisabled) << "code " << int{c.code} << " show " << n;
        }
        EXPECT_TRUE(h.link.calls.empty());
    }
}

TEST_F(SettingsViewTest, CylinderCode4AfterCode0EnablesEverythingAndLeavesLeds1To3Red) {
    show(SettingsBlockBuilder().set(22, 0).build());
    show(SettingsBlockBuilder().set(22, 4).build());
    EXPECT_EQ(form.Sel_cyl.itemIndex(), kNone);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_TRUE(form.cylLeds[i]->enabled());
        EXPECT_TRUE(form.cylShows[i]->enabled());
        EXPECT_EQ(form.cylLeds[i]->offColor(), i < 3 ? ui::colors::kRed : ui::colors::kGrey) << "LED " << i + 1;
    }
}

TEST(SettingsViewTwice, RenderingTwiceSendsNothingAndChangesNothing) {
    for (const auto variant : {FirmwareVariant::Ver2, FirmwareVariant::Ver1, FirmwareVariant::None}) {
        ConfigHarness h;
        h.applyVariantLimits(variant);
        // Every guarded control gets a value that differs from its design state.
        const Bytes block =
            SettingsBlockBuilder(variant == FirmwareVariant::Ver2 ? FirmwareVariant::Ver2 : FirmwareVariant::Ver1)
                .set(34, 0xCA)
                .set(558, 0x03)
                .set(43, 0)
                .fill(562, {0x6C, 0x94, 0x81, 0x7D, 0x80, 0x82, 0x83, 0x84})
                .set(575, 0x03)
                .set(561, 0x05)
                .build();
        h.show(block);
        const auto first = test::snapshotOf(h.form);
        h.show(block);
        EXPECT_EQ(test::differences(first, test::snapshotOf(h.form)), "");
        EXPECT_TRUE(h.link.calls.empty()) << h.link.calls.size() << " commands queued";
        EXPECT_EQ(h.link.busyEntered, 0);
    }
}

TEST_F(SettingsViewTest, GuardedControlsCarryTheirMarkWhileTheViewSetsThem) {
    std::vector<std::string> seen;
    auto watch = [&](std::function<void()>& event, std::function<std::string()> mark) {
        event = [&seen, mark, inner = event] {
            seen.push_back(mark());
            if (inner) inner();
        };
    };
    watch(form.Check_Injector_plus.onClick, [this] { return "plus:" + form.Check_Injector_plus.caption(); });
    watch(form.Check_by_first.onClick, [this] { return "first:" + form.Check_by_first.caption(); });
    watch(form.CNG_RadioButton.onClick, [this] { return "cng:" + std::to_string(form.LPG_RadioButton.tag()); });
    watch(form.kor_2.onChange, [this] { return std::string("kor:") + (config.view.rendering() ? "1" : "0"); });

    show(SettingsBlockBuilder().set(34, 0x80).set(558, 0x03).set(563, 0x7D).build());

    EXPECT_EQ(seen, (std::vector<std::string>{"plus:-", "first:-", "cng:1", "kor:1"}));
    EXPECT_EQ(form.Check_Injector_plus.caption(), "");
    EXPECT_EQ(form.Check_by_first.caption(), "");
    EXPECT_EQ(form.LPG_RadioButton.tag(), 0);
    EXPECT_FALSE(config.view.rendering());
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(SettingsViewTest, FullGroupFollowsTheStepTimeWithoutSending) {
    show(SettingsBlockBuilder().set(43, 0).build());
    EXPECT_EQ(form.T_CYL_seqence.value(), 0);
    EXPECT_TRUE(form.Full_group_CheckBox.checked());
    show(SettingsBlockBuilder().set(43, 15).build());
    EXPECT_EQ(form.T_CYL_seqence.value(), 150);
    EXPECT_FALSE(form.Full_group_CheckBox.checked());
    EXPECT_TRUE(link.calls.empty());
}

TEST(SettingsViewGasSwitchTime, ReadsTheVariantsWidth) {
    struct Case {
        FirmwareVariant variant;
        std::uint8_t high;
        std::uint8_t low;
        double shown;
    };
    const Case cases[] = {
        {FirmwareVariant::Ver2, 0x02, 0x58, 300},
        {FirmwareVariant::Ver2, 0x00, 0x3C, 30},
        {FirmwareVariant::Ver1, 0x02, 0x58, 44},  // 0x58 / 2; byte 561 belongs to the register
        {FirmwareVariant::None, 0x02, 0x58, 17},  // keeps what it showed
    };
    for (const auto& c : cases) {
        ConfigHarness h;
        h.applyVariantLimits(c.variant);
        h.form.T_przel_to_LPG.setValue(17);
        h.show(SettingsBlockBuilder().set(561, c.high).set(42, c.low).build());
        EXPECT_EQ(h.form.T_przel_to_LPG.value(), c.shown) << "low " << int{c.low};
    }
}

TEST(SettingsViewStoredErrors, ListsTheRegisterInTheCurrentLanguage) {
    struct Case {
        FirmwareVariant variant;
        std::vector<std::uint8_t> head;
        std::string text;
    };
    const Case cases[] = {
        {FirmwareVariant::Ver2, {0x03, 0x00, 0xFA}, "1 - LPG pressure too high\r\n2 - Injector Error : 1 3\r\n"},
        {FirmwareVariant::Ver1, {0x03, 0x00, 0xFA}, "1 - LPG pressure too high\r\n2 - Injector Error : 1 3\r\n"},
        {FirmwareVariant::Ver2, {0x00, 0xFF}, "1 - Injector Error :\r\n"},
        {FirmwareVariant::Ver2, {0x00, 0x00}, "1 - Injector Error : 1 2 3 4 5 6 7 8\r\n"},
        {FirmwareVariant::Ver2,
         {0x01, 0x09, 0x02, 0x08},
         "1 - Too long gas injection time\r\n2 - Voltage error\r\n3 - Voltage error\r\n"},
        {FirmwareVariant::Ver2, {}, ""},
    };
    for (const auto& c : cases) {
        ConfigHarness h;
        h.applyVariantLimits(c.variant);
        h.form.Register_errors_memo.setText("old text\r\n");
        SettingsBlockBuilder builder(c.variant);
        std::size_t at = builder.errorRegister();
        for (std::uint8_t b : c.head) builder.set(at++, b);
        h.show(builder.build());
        EXPECT_EQ(h.form.Register_errors_memo.text(), c.text);
    }
}

TEST_F(SettingsViewTest, RegisterAtTheVer2PositionIsNotReadForVer1) {
    applyVariantLimits(FirmwareVariant::Ver1);
    // A ver_2 frame shown as ver_1: bytes 561.. are settings, read as a register.
    show(SettingsBlockBuilder(FirmwareVariant::Ver2).set(561, 0x00).set(562, 0x80).set(575, 0x03).build());
    EXPECT_EQ(form.Register_errors_memo.text().rfind("1 - Injector Error : 1 2 3 4 5 6 7\r\n", 0), 0u)
        << form.Register_errors_memo.text();
}

TEST_F(SettingsViewTest, LevelThresholdsUseTheSystemsDecimalSeparator) {
    form.setSeparators(',', '.');
    show(SettingsBlockBuilder().fill(25, {255, 128, 0, 1}).build());
    EXPECT_EQ(form.Ch_U_LPG_1.text(), "5,00");
    EXPECT_EQ(form.Ch_U_LPG_2.text(), "2,51");
    EXPECT_EQ(form.Ch_U_LPG_3.text(), "0,00");
    EXPECT_EQ(form.Ch_U_LPG_4.text(), "0,02");
}

TEST_F(SettingsViewTest, CodesWithoutAnItemLeaveNoSelection) {
    show(SettingsBlockBuilder().build());
    show(SettingsBlockBuilder().set(21, 9).set(22, 6).set(29, 4).set(30, 6).set(31, 200).set(33, 3).set(45, 2).build());
    for (const ui::ComboBox* box : {&form.Sel_Impuls, &form.Sel_cyl, &form.Rodz_czuj_LPG, &form.T_RED_changer,
                                    &form.T_GAZ_changer, &form.P1_MAP_changer, &form.Sel_Typ_wtrysku}) {
        EXPECT_EQ(box->itemIndex(), kNone) << box->name();
        EXPECT_EQ(box->text(), "") << box->name();
    }
}

TEST_F(SettingsViewTest, ValuesOutsideAControlsRangeShowTheNearestEnd) {
    show(SettingsBlockBuilder()
             .set(24, 200)    // 20000 rpm
             .set(571, 0x80)  // -128 °C
             .set(35, 10)     // 10 °C
             .set(36, 30)     // 0.30 bar
             .set(43, 255)
             .set(562, 0x00)  // -128
             .set(563, 0xFF)  // +127
             .build());
    EXPECT_EQ(form.RPM_Max_To_Petrol.value(), 12000);
    EXPECT_EQ(form.Min_Temp_Petrol_changer.value(), -25);
    EXPECT_EQ(form.Temp_LPG_changer.value(), 20);
    EXPECT_NEAR(form.P_pracy_changer.value(), 0.40, 1e-9);
    EXPECT_EQ(form.T_CYL_seqence.value(), 2550);
    EXPECT_EQ(form.Kor_1.value(), -20);
    EXPECT_EQ(form.kor_2.value(), 20);
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(SettingsViewTest, HandsTheMapAndTheServiceImageOn) {
    std::optional<CorrectionPoints> points;
    std::optional<Bytes> image;
    config.view.onCorrectionMap = [&](const CorrectionPoints& p) { points = p; };
    config.view.onServiceImage = [&](const Bytes& i) { image = i; };
    const Bytes block = SettingsBlockBuilder().set(66, 1).set(311, 2).set(756, 0x01).build();
    show(block);
    ASSERT_TRUE(points);
    EXPECT_EQ(Bytes(points->begin(), points->end()), Bytes(block.begin() + 66, block.begin() + 312));
    ASSERT_TRUE(image);
    ASSERT_EQ(image->size(), 65u);
    EXPECT_EQ(Bytes(image->begin(), image->begin() + 64), Bytes(block.begin() + 615, block.begin() + 679));
    EXPECT_EQ(image->back(), 0x01);
}

// A block shorter than the layout shows what it holds; the controls of the
// fields it lacks keep what the previous block showed.
TEST(SettingsViewShortBlock, ShowsWhatItHoldsAndLeavesTheRest) {
    const Bytes before = SettingsBlockBuilder()
                             .set(558, 0x02)  // CNG
                             .set(42, 40)
                             .set(561, 0)
                             .fill(562, 8, 0x85)
                             .set(570, 20)
                             .set(571, 50)
                             .set(575, 0x03)
                             .build();
    const SettingsBlockBuilder after = SettingsBlockBuilder()
                                           .set(22, 3)
                                           .set(23, 25)
                                           .set(45, 9)
                                           .set(558, 0x00)
                                           .set(42, 100)
                                           .fill(562, 8, 0x7B)
                                           .set(570, 15)
                                           .set(571, 10)
                                           .set(575, 0x04);
    struct Case {
        std::size_t length;
        bool fuelKind;    // offset 558
        bool changeOver;  // offsets 42 and 561
        bool ver2Fields;  // 562..571
        bool errors;      // 575..614
        bool map;         // 66..311
    };
    const Case cases[] = {
        {0, false, false, false, false, false},   {20, false, false, false, false, false},
        {100, false, false, false, false, false}, {320, false, false, false, false, true},
        {560, true, false, false, false, true},   {600, true, true, true, false, true},
        {615, true, true, true, true, true},      {757, true, true, true, true, true},
    };
    for (const auto& c : cases) {
        ConfigHarness h;
        int mapCalls = 0;
        int serviceCalls = 0;
        h.config.view.onCorrectionMap = [&](const CorrectionPoints&) { ++mapCalls; };
        h.config.view.onServiceImage = [&](const Bytes&) { ++serviceCalls; };
        h.show(before);
        mapCalls = serviceCalls = 0;
        h.show(after.truncated(c.length));
        const std::string at = "length " + std::to_string(c.length);

        const bool head = c.length > 45;
        EXPECT_EQ(h.form.Sel_cyl.itemIndex(), head ? 3 : 1) << at;
        EXPECT_EQ(h.form.RPM_Prog_przel.value(), head ? 2500 : 1800) << at;
        EXPECT_EQ(h.form.Sel_Typ_wtrysku.itemIndex(), head ? 1 : 0) << at;
        EXPECT_EQ(h.form.LPG_RadioButton.checked(), c.fuelKind) << at;
        EXPECT_EQ(h.form.T_przel_to_LPG.value(), c.changeOver ? 50 : 20) << at;
        EXPECT_EQ(h.form.Kor_1.value(), c.ver2Fields ? -5 : 5) << at;
        EXPECT_NEAR(h.form.RPM_Min_To_Petrol.value(), c.ver2Fields ? 1500 : 2000, 1e-6) << at;
        EXPECT_EQ(h.form.Min_Temp_Petrol_changer.value(), c.ver2Fields ? 10 : 50) << at;
        EXPECT_EQ(h.form.Register_errors_memo.text(),
                  c.errors ? "1 - LPG pressure too low\r\n" : "1 - LPG pressure too high\r\n")
            << at;
        EXPECT_EQ(mapCalls, c.map ? 1 : 0) << at;
        EXPECT_EQ(serviceCalls, c.length > 756 ? 1 : 0) << at;
        EXPECT_TRUE(h.link.calls.empty()) << at;
    }
}

}  // namespace
}  // namespace qavi::config
