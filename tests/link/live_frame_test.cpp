#include "link/live_frame.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "recording_link_control.h"

namespace qavi::link {
namespace {

using Patch = std::vector<std::pair<std::size_t, std::uint8_t>>;

// A quiet complete frame: ignition on, on petrol, no faults, everything else 0.
Bytes liveFrame(const Patch& patch = {}, std::size_t length = 56) {
    Bytes frame(length, 0);
    frame[0] = 0xAA;
    frame[1] = static_cast<std::uint8_t>(length >> 8);
    frame[2] = static_cast<std::uint8_t>(length & 0xFF);
    frame[3] = 0x55;
    frame[4] = 0x01;
    const auto set = [&](std::size_t offset, std::uint8_t value) {
        if (offset < frame.size()) frame[offset] = value;
    };
    set(34, 0xFF);
    set(35, 0xFF);
    set(48, 0xFF);
    for (const auto& [offset, value] : patch) set(offset, value);
    return frame;
}

// Petrol time of cylinder n (1-based) in tenths of a millisecond, low byte first.
Patch petrolTime(int cylinder, unsigned tenths) {
    static constexpr std::size_t offsets[] = {6, 8, 10, 12, 14, 16, 51, 53};
    const std::size_t at = offsets[cylinder - 1];
    return {{at, static_cast<std::uint8_t>(tenths & 0xFF)}, {at + 1, static_cast<std::uint8_t>(tenths >> 8)}};
}

// Gas time in microseconds, high byte first.
Patch gasTime(unsigned micros) {
    return {{18, static_cast<std::uint8_t>(micros >> 16)},
            {19, static_cast<std::uint8_t>((micros >> 8) & 0xFF)},
            {20, static_cast<std::uint8_t>(micros & 0xFF)}};
}

Patch join(std::initializer_list<Patch> parts) {
    Patch all;
    for (const Patch& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

class LiveFrameTest : public ::testing::Test {
protected:
    LiveFrameTest() {
        for (int row = 0; row <= 8; ++row) lang.copyToWorking(row, ui::LangTable::kEnglish);
    }

    void decode(const Bytes& frame) { dashboard.DecodeLiveFrame(frame); }

    ui::Form form;
    ui::LangTable lang;
    test::RecordingLinkControl link;
    calibration::LearnedSamples samples;
    ControllerErrors errors{form, lang, link};
    FirmwareVariant variant = FirmwareVariant::Ver2;
    LiveDashboard dashboard{form, samples, errors, [this] { return variant; }};
};

TEST_F(LiveFrameTest, DecodesEachReadingIntoItsGauge) {
    struct Case {
        const char* what;
        Patch patch;
        ui::DisplayGauge ui::Form::*gauge;
        double expected;
    };
    const Case cases[] = {
        {"reducer -10 °C", {{32, 0xF6}}, &ui::Form::TempWoda, -10},
        {"reducer 127 °C", {{32, 0x7F}}, &ui::Form::TempWoda, 127},
        {"gas -128 °C", {{33, 0x80}}, &ui::Form::TempGaz, -128},
        {"battery 12.97 V", {{29, 200}}, &ui::Form::BATERY_vpp, 12.97},
        {"battery 0.70 V", {{29, 0}}, &ui::Form::BATERY_vpp, 0.70},
        {"battery 16.34 V", {{29, 255}}, &ui::Form::BATERY_vpp, 16.34},
        {"G 10.0 ms", gasTime(10000), &ui::Form::Skala_LPG_time, 10.0},
        {"G on bar 1", gasTime(10000), &ui::Form::gaz_slupek_1, 10.0},
        {"G 16777.215 ms", gasTime(0xFFFFFF), &ui::Form::Skala_LPG_time, 16777.215},
        {"T1 30.0 ms", {{6, 0x2C}, {7, 0x01}}, &ui::Form::Skala_PB_time1, 30.0},
        {"T1 on the selected cylinder's bar", {{6, 0x2C}, {7, 0x01}}, &ui::Form::Skala_PB_time, 30.0},
        {"T7 12.5 ms", petrolTime(7, 125), &ui::Form::Skala_PB_time7, 12.5},
        {"T8 6553.5 ms", petrolTime(8, 65535), &ui::Form::Skala_PB_time8, 6553.5},
        {"engine 3.5 thousand", {{21, 35}}, &ui::Form::RPM_zegar, 3.5},
        {"engine 3500 rpm", {{21, 35}}, &ui::Form::RPM_Edit, 3500},
        {"MAP 300 kPa", {{25, 0x01}, {26, 0x2C}}, &ui::Form::Slala_P_MAP, 300},
        {"MAP indicator", {{25, 0x01}, {26, 0x2C}}, &ui::Form::P_MAP_edit, 300},
        {"P1 1.50 bar", {{23, 0x00}, {24, 0x96}}, &ui::Form::Skala_P1_MAP, 1.5},
        {"P1 indicator 2.57 bar", {{23, 0x01}, {24, 0x01}}, &ui::Form::P1_MAP_edit, 2.57},
        {"lambda 1", {{22, 50}}, &ui::Form::lambda_1, 0.98},
        {"lambda 2", {{55, 25}}, &ui::Form::lambda_2, 0.49},
    };
    for (const Case& c : cases) {
        decode(liveFrame(c.patch));
        EXPECT_DOUBLE_EQ((form.*c.gauge).value(), c.expected) << c.what;
    }
}

TEST_F(LiveFrameTest, TankVoltageTextUsesTheLocaleSeparator) {
    decode(liveFrame({{30, 100}}));
    EXPECT_EQ(form.U_zbiornika.text(), "1.96");
    form.setSeparators(',', ' ');
    decode(liveFrame({{30, 255}}));
    EXPECT_EQ(form.U_zbiornika.text(), "5,00");
    decode(liveFrame({{30, 0}}));
    EXPECT_EQ(form.U_zbiornika.text(), "0,00");
}

TEST_F(LiveFrameTest, TankLevelLightsItsLamps) {
    struct Case {
        std::uint8_t level;
        bool reserve;
        std::array<bool, 4> lamps;
    };
    const Case cases[] = {
        {0, true, {false, false, false, false}}, {1, false, {true, false, false, false}},
        {2, false, {true, true, false, false}},  {3, false, {true, true, true, false}},
        {4, false, {true, true, true, true}},    {5, false, {true, true, true, false}},
        {255, false, {true, true, true, false}},
    };
    for (const Case& c : cases) {
        decode(liveFrame({{31, c.level}}));
        EXPECT_EQ(form.rezerwa_led_gora.checked(), c.reserve) << int(c.level);
        EXPECT_EQ(form.Rezerwa_led_panel.checked(), c.reserve) << int(c.level);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(form.levelLedsTop[i]->checked(), c.lamps[i]) << int(c.level) << " lamp " << i + 1;
            EXPECT_EQ(form.levelLedsPanel[i]->checked(), c.lamps[i]) << int(c.level) << " lamp " << i + 1;
        }
    }
}

TEST_F(LiveFrameTest, LambdaScaleWidensOnceAndStaysWide) {
    decode(liveFrame({{22, 61}, {55, 61}}));
    EXPECT_DOUBLE_EQ(form.lambda_1.valueTo(), 1.0);
    EXPECT_DOUBLE_EQ(form.lambda_2.valueTo(), 1.0);

    decode(liveFrame({{22, 62}, {55, 61}}));
    EXPECT_DOUBLE_EQ(form.lambda_1.value(), 62 * 0.0196);
    EXPECT_DOUBLE_EQ(form.lambda_1.valueTo(), 5.0);
    EXPECT_DOUBLE_EQ(form.lambda_2.valueTo(), 1.0);

    decode(liveFrame({{22, 10}, {55, 200}}));
    EXPECT_DOUBLE_EQ(form.lambda_1.valueTo(), 5.0);
    EXPECT_DOUBLE_EQ(form.lambda_2.valueTo(), 5.0);
}

TEST_F(LiveFrameTest, IgnitionSetsTheLookOfTheDashboard) {
    int fuelClicks = 0;
    form.paliwo_Switch.onClick = [&] { ++fuelClicks; };

    decode(liveFrame({{4, 0x01}, {5, 0x01}, {22, 40}, {21, 20}}));
    EXPECT_TRUE(form.Zaplon_panel.enabled());
    EXPECT_EQ(form.paliwo_Switch.onColor(), ui::colors::kLime);
    EXPECT_EQ(form.paliwo_Switch.offColor(), ui::colors::kRed);
    EXPECT_EQ(form.RPM_zegar.sectorOffset(), 0);
    EXPECT_EQ(form.RPM_zegar.needleShape(), 6);
    EXPECT_TRUE(form.paliwo_Switch.checked());
    EXPECT_EQ(form.paliwo_Switch.text(), "LPG");
    EXPECT_DOUBLE_EQ(form.lambda_1.value(), 40 * 0.0196);

    // Ignition off: the readings drop to 0, the petrol and gas bars unless the frame sets them again.
    decode(liveFrame(join({{{4, 0xFE}, {5, 0xFE}, {22, 40}, {55, 40}}, petrolTime(1, 50)})));
    EXPECT_FALSE(form.Zaplon_panel.enabled());
    EXPECT_EQ(form.paliwo_Switch.onColor(), ui::colors::kButtonFace);
    EXPECT_EQ(form.paliwo_Switch.offColor(), ui::colors::kButtonFace);
    EXPECT_EQ(form.RPM_zegar.sectorOffset(), 300);
    EXPECT_EQ(form.RPM_zegar.needleShape(), 2);
    EXPECT_FALSE(form.paliwo_Switch.checked());
    EXPECT_EQ(form.paliwo_Switch.text(), "PB");
    EXPECT_DOUBLE_EQ(form.lambda_1.value(), 0);
    EXPECT_DOUBLE_EQ(form.lambda_2.value(), 0);
    EXPECT_DOUBLE_EQ(form.Skala_PB_time.value(), 5.0);
    EXPECT_DOUBLE_EQ(form.Skala_LPG_time.value(), 0);

    EXPECT_EQ(fuelClicks, 0);
    EXPECT_TRUE(link.queued.empty());
}

TEST_F(LiveFrameTest, SelectedCylinderFeedsTheMainPetrolBar) {
    Patch patch;
    for (int n = 1; n <= 8; ++n) {
        const Patch t = petrolTime(n, static_cast<unsigned>(10 * n));
        patch.insert(patch.end(), t.begin(), t.end());
    }
    for (int n = 1; n <= 8; ++n) {
        form.cylShows[static_cast<std::size_t>(n - 1)]->setChecked(true);
        decode(liveFrame(patch));
        EXPECT_DOUBLE_EQ(form.Skala_PB_time.value(), n) << "cylinder " << n;
        EXPECT_DOUBLE_EQ(form.petrolBars[static_cast<std::size_t>(n - 1)]->value(), n);
    }
}

TEST_F(LiveFrameTest, GasBarsFollowTheRatioOfCylinderOne) {
    Patch patch = join({gasTime(6000), petrolTime(1, 300)});
    for (int n = 2; n <= 8; ++n) {
        const Patch t = petrolTime(n, n == 3 ? 250u : 200u);
        patch.insert(patch.end(), t.begin(), t.end());
    }
    form.kor_2.setValue(16);
    form.kor_3.setValue(-8);

    // C1 = 0: R = G / T1 = 0.2 and bar n = Tn × R × (1 + Cn / 128).
    decode(liveFrame(patch));
    EXPECT_DOUBLE_EQ(form.gaz_slupek_1.value(), 6.0);
    EXPECT_DOUBLE_EQ(form.gaz_slupek_2.value(), 4.5);
    EXPECT_DOUBLE_EQ(form.gaz_slupek_3.value(), 4.6875);
    EXPECT_DOUBLE_EQ(form.gaz_slupek_4.value(), 4.0);
    EXPECT_DOUBLE_EQ(form.gaz_slupek_8.value(), 4.0);
    EXPECT_EQ(form.gaz_slupek_1.name2(), "");
    EXPECT_EQ(form.gaz_slupek_2.name2(), "0.50");
    EXPECT_EQ(form.gaz_slupek_3.name2(), "-0.31");
    EXPECT_EQ(form.gaz_slupek_4.name2(), "");

    // C1 = 10 changes the ratio for every cylinder and captions bar 1 with its own share.
    form.Kor_1.setValue(10);
    form.kor_2.setValue(-20);
    form.setSeparators(',', '.');
    decode(liveFrame(patch));
    EXPECT_DOUBLE_EQ(form.gaz_slupek_1.value(), 6.0);
    EXPECT_EQ(form.gaz_slupek_1.name2(), "0,44");
    EXPECT_NEAR(form.gaz_slupek_2.value(), 3.152199599507469, 1e-12);
    EXPECT_EQ(form.gaz_slupek_2.name2(), "-0,58");
    EXPECT_NEAR(form.gaz_slupek_4.value(), 3.735940266082926, 1e-12);
}

TEST_F(LiveFrameTest, NoPetrolTimeOnCylinderOneLeavesOnlyTheGasBar) {
    form.Kor_1.setValue(5);
    form.kor_5.setValue(5);
    form.gaz_slupek_5.setName2("0.40");
    Patch patch = gasTime(10000);
    for (int n = 2; n <= 8; ++n) {
        const Patch t = petrolTime(n, 200);
        patch.insert(patch.end(), t.begin(), t.end());
    }
    decode(liveFrame(patch));
    EXPECT_DOUBLE_EQ(form.gaz_slupek_1.value(), 10.0);
    for (std::size_t n = 1; n < 8; ++n) EXPECT_DOUBLE_EQ(form.gasBars[n]->value(), 0.0) << "bar " << n + 1;
    // A zero bar carries no correction caption; bar 1 has a value but T1 × R is 0.
    EXPECT_EQ(form.gaz_slupek_5.name2(), "");
    EXPECT_EQ(form.gaz_slupek_1.name2(), "0.00");
}

TEST_F(LiveFrameTest, Ver1FirmwareZeroesTheCorrectionsWhileDecoding) {
    std::vector<bool> decodingDuringChange;
    for (ui::Spin* spin : form.corrections) {
        spin->setValue(7);
        spin->onChange = [&] { decodingDuringChange.push_back(dashboard.decoding()); };
    }
    const Bytes frame = liveFrame(join({gasTime(6000), petrolTime(1, 300), petrolTime(2, 200)}));

    decode(frame);  // ver_2 keeps them
    EXPECT_TRUE(decodingDuringChange.empty());
    EXPECT_DOUBLE_EQ(form.kor_8.value(), 7);

    variant = FirmwareVariant::Ver1;
    decode(frame);
    for (ui::Spin* spin : form.corrections) EXPECT_DOUBLE_EQ(spin->value(), 0) << spin->name();
    EXPECT_EQ(decodingDuringChange, std::vector<bool>(8, true));
    EXPECT_FALSE(dashboard.decoding());
    // The bars use the zeroed corrections: R = G / T1.
    EXPECT_DOUBLE_EQ(form.gaz_slupek_2.value(), 4.0);
    EXPECT_EQ(form.gaz_slupek_2.name2(), "");
}

TEST_F(LiveFrameTest, ErrorFlagsReachTheErrorList) {
    decode(liveFrame({{34, 0xF3}}));
    EXPECT_EQ(form.Actual_errors_Memo.text(), "1 - Voltage error\r\n2 - LPG pressure too high\r\n");
    EXPECT_TRUE(form.Error_Led.visible());
    decode(liveFrame({{35, 0xFA}}));
    EXPECT_EQ(form.Actual_errors_Memo.text(), "1 - Injector Error : 1 3\r\n");
    decode(liveFrame());
    EXPECT_EQ(form.Actual_errors_Memo.text(), "");
    EXPECT_FALSE(form.Error_Led.visible());
}

TEST_F(LiveFrameTest, LearnedSamplesAreStoredFromTheFrameIndex) {
    const Patch samplesAt = {{37, 0xE0}, {38, 1},    {39, 0xE1}, {40, 2},    {41, 3},
                             {42, 4},    {43, 0xE2}, {44, 5},    {45, 0xE3}, {46, 6}};
    struct Case {
        std::uint8_t k;
        std::vector<std::pair<std::size_t, std::uint8_t>> petrol;  // cell, value expected
        std::vector<std::pair<std::size_t, std::uint8_t>> gas;
    };
    const Case cases[] = {
        {10, {{10, 1}, {11, 2}, {12, 3}}, {{12, 4}, {13, 5}, {14, 6}}},
        // Stores past cell 255 are dropped, never wrapped to the start.
        {251, {{251, 1}, {252, 2}, {253, 3}}, {{253, 4}, {254, 5}, {255, 6}}},
        {252, {{252, 1}, {253, 2}, {254, 3}}, {{254, 4}, {255, 5}}},
        {254, {{254, 1}, {255, 2}}, {}},
        {255, {{255, 1}}, {}},
    };
    for (const Case& c : cases) {
        samples = {};
        Patch patch = samplesAt;
        patch.push_back({36, c.k});
        decode(liveFrame(patch));

        calibration::LearnedSamples expected;
        for (const auto& [cell, value] : c.petrol) expected.PetrolSamples[cell] = value;
        for (const auto& [cell, value] : c.gas) expected.GasSamples[cell] = value;
        EXPECT_EQ(samples.PetrolSamples, expected.PetrolSamples) << "k " << int(c.k);
        EXPECT_EQ(samples.GasSamples, expected.GasSamples) << "k " << int(c.k);
        EXPECT_EQ(samples.sampleIndex, c.k);
    }
}

TEST_F(LiveFrameTest, HooksSeeTheGaugesOfTheSameFrame) {
    std::vector<std::string> calls;
    double rpmSeenByTracker = -1;
    std::uint8_t stateCode = 0;
    std::uint8_t adaptationIndex = 0;
    std::array<std::uint8_t, 9> channels{};
    dashboard.hooks.feedOscilloscope = [&] { calls.push_back("oscilloscope"); };
    dashboard.hooks.TrackOperatingPoint = [&](std::uint8_t code) {
        calls.push_back(form.Actual_errors_Memo.text().empty() ? "track" : "track after errors");
        rpmSeenByTracker = form.RPM_Edit.value();
        stateCode = code;
    };
    dashboard.hooks.recordAdaptation = [&](std::uint8_t k, const std::array<std::uint8_t, 9>& c) {
        calls.push_back("adaptation");
        adaptationIndex = k;
        channels = c;
    };

    decode(liveFrame({{34, 0xFB},
                      {21, 25},
                      {47, 0x42},
                      {36, 17},
                      {24, 1},
                      {26, 2},
                      {6, 3},
                      {28, 4},
                      {33, 5},
                      {32, 6},
                      {22, 7},
                      {55, 8}}));

    EXPECT_EQ(calls, (std::vector<std::string>{"oscilloscope", "track after errors", "adaptation"}));
    EXPECT_DOUBLE_EQ(rpmSeenByTracker, 2500);
    EXPECT_EQ(stateCode, 0x42);
    EXPECT_EQ(adaptationIndex, 17);
    EXPECT_EQ(channels, (std::array<std::uint8_t, 9>{1, 2, 3, 4, 5, 6, 7, 8, 25}));
}

// Answers shorter than a full frame update what they hold and read nothing beyond.
TEST_F(LiveFrameTest, ShortAnswersUpdateOnlyTheFieldsTheyHold) {
    const Patch full = join({gasTime(10000),
                             petrolTime(1, 300),
                             petrolTime(6, 150),
                             petrolTime(7, 120),
                             petrolTime(8, 110),
                             {{22, 40},
                              {55, 45},
                              {21, 30},
                              {29, 200},
                              {31, 3},
                              {30, 100},
                              {34, 0xFB},
                              {36, 5},
                              {38, 9},
                              {46, 9},
                              {47, 1}}});
    struct Case {
        std::size_t length;
        bool petrol6, gas, errors, samplesStored, tracked, petrol8, lambda2;
    };
    const Case cases[] = {
        {6, false, false, false, false, false, false, false}, {18, true, false, false, false, false, false, false},
        {20, true, false, false, false, false, false, false}, {21, true, true, false, false, false, false, false},
        {47, true, true, false, true, false, false, false},   {48, true, true, false, true, true, false, false},
        {49, true, true, true, true, true, false, false},     {54, true, true, true, true, true, false, false},
        {55, true, true, true, true, true, true, false},      {56, true, true, true, true, true, true, true},
    };
    for (const Case& c : cases) {
        ui::Form fresh;
        calibration::LearnedSamples freshSamples;
        ControllerErrors freshErrors{fresh, lang, link};
        LiveDashboard decoder{fresh, freshSamples, freshErrors, [] { return FirmwareVariant::Ver2; }};
        bool tracked = false;
        decoder.hooks.TrackOperatingPoint = [&](std::uint8_t) { tracked = true; };
        // Own the exact bytes so the sanitizer sees any read past the end.
        const Bytes bytes = liveFrame(full, c.length);
        const std::vector<std::uint8_t> exact(bytes.begin(), bytes.end());
        decoder.DecodeLiveFrame(std::span<const std::uint8_t>(exact.data(), exact.size()));

        SCOPED_TRACE(c.length);
        EXPECT_TRUE(fresh.Zaplon_panel.enabled());  // offset 4 is always there
        EXPECT_EQ(fresh.Skala_PB_time6.value(), c.petrol6 ? 15.0 : 0.0);
        EXPECT_EQ(fresh.Skala_PB_time8.value(), c.petrol8 ? 11.0 : 0.0);
        EXPECT_EQ(fresh.Skala_LPG_time.value(), c.gas ? 10.0 : 0.0);
        // Without G there is no ratio: the gas bars keep what they showed.
        EXPECT_DOUBLE_EQ(fresh.gaz_slupek_6.value(), c.gas ? 5.0 : 0.0);
        EXPECT_DOUBLE_EQ(fresh.gaz_slupek_8.value(), c.petrol8 ? 11.0 / 3.0 : 0.0);
        EXPECT_EQ(fresh.lambda_2.value(), c.lambda2 ? 45 * 0.0196 : 0.0);
        EXPECT_EQ(fresh.Error_Led.visible(), c.errors);
        EXPECT_EQ(freshSamples.PetrolSamples[5], c.samplesStored ? 9 : 0);
        EXPECT_EQ(freshSamples.GasSamples[9], c.samplesStored ? 9 : 0);
        EXPECT_EQ(tracked, c.tracked);
        EXPECT_EQ(fresh.U_zbiornika.text(), c.length > 30 ? "1.96" : "0.00");
    }
}

TEST_F(LiveFrameTest, FiveBytesOrFewerChangeNothing) {
    int changes = 0;
    for (ui::Control* control : form.controls()) control->setObserver([&] { ++changes; });
    bool hooked = false;
    dashboard.hooks.feedOscilloscope = [&] { hooked = true; };
    for (std::size_t length = 0; length <= 5; ++length) {
        const Bytes frame(length, 0x00);
        decode(frame);
    }
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(hooked);
    EXPECT_EQ(samples.PetrolSamples, calibration::LearnedSamples{}.PetrolSamples);
}

// The disconnect step clears the dashboard with 500 spaces, decoded like any frame.
TEST_F(LiveFrameTest, BlankFrameOfTheDisconnectStep) {
    decode(liveFrame(join({{{4, 1}, {5, 1}, {22, 50}}, gasTime(5000), petrolTime(1, 100)})));
    samples = {};

    decode(Bytes(500, 0x20));

    EXPECT_FALSE(form.Zaplon_panel.enabled());
    EXPECT_FALSE(form.paliwo_Switch.checked());
    EXPECT_DOUBLE_EQ(form.lambda_1.value(), 0);
    EXPECT_DOUBLE_EQ(form.lambda_2.value(), 0);
    EXPECT_DOUBLE_EQ(form.RPM_zegar.value(), 3.2);
    EXPECT_DOUBLE_EQ(form.TempWoda.value(), 32);
    EXPECT_DOUBLE_EQ(form.Skala_PB_time1.value(), 822.4);
    EXPECT_DOUBLE_EQ(form.Skala_LPG_time.value(), 2105.376);
    EXPECT_EQ(form.Actual_errors_Memo.text(),
              "1 - Voltage error\r\n2 - LPG pressure too high\r\n3 - LPG pressure too low\r\n"
              "4 - Fuel injection signal error\r\n5 - Incorrect Work Petrol Controller\r\n"
              "6 - Injector Error : 1 2 3 4 5 7 8\r\n7 - Incorrect settings\r\n8 - Voltage error\r\n");
    EXPECT_TRUE(form.Error_Led.visible());  // the disconnect step hides it afterwards
    EXPECT_EQ(samples.sampleIndex, 32);
    for (std::size_t cell : {32u, 33u, 34u}) EXPECT_EQ(samples.PetrolSamples[cell], 0x20) << cell;
    for (std::size_t cell : {34u, 35u, 36u}) EXPECT_EQ(samples.GasSamples[cell], 0x20) << cell;
    EXPECT_EQ(samples.PetrolSamples[35], 0);
    EXPECT_EQ(samples.GasSamples[33], 0);
}

}  // namespace
}  // namespace qavi::link
