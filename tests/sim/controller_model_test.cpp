#include "sim/controller_model.h"

#include <gtest/gtest.h>

#include "sim_test_support.h"

namespace qavi::sim {
namespace {

using link::Bytes;
using link::FirmwareVariant;

ModelOptions firmware(link::FirmwareVersion v) {
    ModelOptions o;
    o.firmware = v;
    return o;
}

Bytes settingsRead(ControllerModel& m) { return *m.answer(0x66, Bytes{0x00}); }

bool checkByteMatches(const Bytes& answer) {
    return link::additiveSum(std::span<const std::uint8_t>(answer).first(answer.size() - 1)) == answer.back();
}

TEST(ControllerModel, IdentificationCarriesTheVersionAndAWholeSettingsBlock) {
    struct Case {
        link::FirmwareVersion version;
        FirmwareVariant variant;
        std::uint8_t check;
    };
    const Case cases[] = {{{3, 7, 7}, FirmwareVariant::Ver1, 34},
                          {{5, 9, 11}, FirmwareVariant::Ver2, 50},
                          {{6, 1, 2}, FirmwareVariant::Ver1, 18}};
    for (const auto& c : cases) {
        ControllerModel m(firmware(c.version));
        EXPECT_EQ(m.variant(), c.variant);
        const Bytes a = *m.answer(0x66, Bytes{0x01});
        ASSERT_GE(a.size(), static_cast<std::size_t>(link::kSettingsBlockMinLength));
        EXPECT_EQ(a[0], 0xAA);
        EXPECT_EQ(testing::lengthField(a), static_cast<int>(a.size()));
        EXPECT_EQ(a[3], 0x66);
        EXPECT_EQ(a[4], c.version.major);
        EXPECT_EQ(a[5], c.version.minor);
        EXPECT_EQ(a[6], c.version.patch);
        EXPECT_EQ(a[7], c.check);
        EXPECT_TRUE(checkByteMatches(a));
    }
}

TEST(ControllerModel, IdentificationFaultsChangeOnlyWhatTheToolIsTold) {
    ModelOptions o = firmware(link::kVer2Version);
    o.reportedVersion = link::FirmwareVersion{5, 9, 12};
    o.wrongVersionCheck = true;
    ControllerModel m(o);
    const Bytes a = *m.answer(0x66, Bytes{0x01});
    EXPECT_EQ(a[6], 12);
    EXPECT_NE(a[7], 2 * (5 + 9 + 12));
    EXPECT_EQ(m.variant(), FirmwareVariant::Ver2);  // still runs 5.9.11
    EXPECT_EQ(m.settingsMemory()[6], 11);
}

TEST(ControllerModel, TheFittedSettingsAreThoseOfARealFourCylinderCar) {
    for (auto version : {link::kVer1Version, link::kVer2Version}) {
        ControllerModel m(firmware(version));
        const Bytes b = settingsRead(m);
        EXPECT_EQ(b[22], 1);     // 4 cylinders
        EXPECT_EQ(b[20], 0x0F);  // injectors 1-4
        EXPECT_EQ(b[33], 4);     // the one MAP sensor
        EXPECT_EQ(b[35], 35);    // gas at 35 degrees
        EXPECT_EQ(b[36], 120);   // 1.20 bar
        EXPECT_EQ(b[40], 80);    // 0.80 bar
        // The map is not flat.
        int lo = 255, hi = 0;
        for (int i = 66; i <= 311; ++i) {
            lo = std::min<int>(lo, b[static_cast<std::size_t>(i)]);
            hi = std::max<int>(hi, b[static_cast<std::size_t>(i)]);
        }
        EXPECT_GT(hi - lo, 10);
        // Two stored errors at the register of the variant, the rest empty.
        const std::size_t reg = m.variant() == FirmwareVariant::Ver2 ? 575 : 561;
        EXPECT_EQ(b[reg], 0x04);
        EXPECT_EQ(b[reg + 1], 0x00);
        EXPECT_EQ(b[reg + 2], 0xFB);
        for (std::size_t i = reg + 3; i < reg + 40; ++i) EXPECT_EQ(b[i], 0xFF) << i;
        // Running hours on both fuels and an active inspection countdown.
        EXPECT_EQ(getLe32(std::span<const std::uint8_t>(b).subspan(615, 4)) / 7200, 1234u);
        EXPECT_EQ(getLe32(std::span<const std::uint8_t>(b).subspan(619, 4)) / 7200, 3456u);
        EXPECT_EQ(b[756], 0x01);
    }
    ControllerModel ver2(firmware(link::kVer2Version));
    const Bytes b = settingsRead(ver2);
    EXPECT_EQ(b[563], 130);  // injector 2 corrected by +2
    EXPECT_EQ(b[570], 6);
    EXPECT_EQ(b[571], 20);
}

TEST(ControllerModel, DateCodesCountFromTheControllersEpoch) {
    EXPECT_EQ(dateCode(1998, 7, 24, 0, 0), 0u);
    EXPECT_EQ(dateCode(2008, 7, 1, 0, 0), 363000000u);
    EXPECT_EQ(dateCode(2008, 7, 1, 12, 0), 363050000u);
}

struct EffectCase {
    const char* name;
    Bytes command;
    int offset;
    std::uint8_t expected;
};

void expectEffects(link::FirmwareVersion version, std::initializer_list<EffectCase> cases) {
    for (const auto& c : cases) {
        ControllerModel m(firmware(version));
        const Bytes ack = *m.answer(c.command[0], Bytes(c.command.begin() + 1, c.command.end()));
        EXPECT_EQ(ack[3], c.command[0]) << c.name;
        EXPECT_GE(ack.size(), static_cast<std::size_t>(link::kLiveFrameMinLength)) << c.name;
        EXPECT_EQ(settingsRead(m)[static_cast<std::size_t>(c.offset)], c.expected) << c.name;
    }
}

TEST(ControllerModel, EachParameterCommandShowsInTheNextSettingsRead) {
    const std::initializer_list<EffectCase> common = {
        {"gas switch rpm", {0x09, 0x12}, 23, 0x12},
        {"pulse source", {0x0A, 0x03}, 21, 3},
        {"gas injector type", {0x0E, 0x07}, 45, 7},
        {"gas switch temperature", {0x0F, 0x28}, 35, 0x28},
        {"petrol max rpm", {0x11, 0x32}, 24, 0x32},
        {"map sensor", {0x12, 0x02}, 33, 2},
        {"reducer sensor", {0x13, 0x01}, 30, 1},
        {"signal 5 V", {0x17, 0x00}, 34, 0x00},
        {"gas sensor", {0x18, 0x03}, 31, 3},
        {"8 cylinders", {0x1B, 0x05}, 22, 5},
        {"8 cylinders mask", {0x1B, 0x05}, 20, 0xFF},
        {"3 cylinders mask", {0x1B, 0x00}, 20, 0x07},
        {"min pressure", {0x1E, 0x55}, 40, 0x55},
        {"petrol delay", {0x1F, 0x0A}, 41, 0x0A},
        {"turbo", {0x21, 0x01}, 34, 0x02 | 0x08},
        {"cylinder step", {0x23, 0x00}, 43, 0},
        {"work pressure", {0x2B, 0x78}, 36, 0x78},
        {"injectors plus", {0x2D, 0x01}, 34, 0x02 | 0x80},
        {"petrol map lock", {0x29, 0x01}, 34, 0x02 | 0x40},
        {"first drop", {0x2E, 0x01}, 558, 0x01},
        {"CNG", {0x43, 0x01}, 558, 0x02},
        {"gas mask", {0x03, 0x03, 0x05}, 20, 0x05},
        {"level thresholds", {0x0D, 0x8F, 0x70, 0x4C, 0x24, 0x02}, 25, 0x8F},
        {"level sensor", {0x0D, 0x8F, 0x70, 0x4C, 0x24, 0x02}, 29, 0x02},
    };
    expectEffects(link::kVer1Version, common);
    expectEffects(link::kVer2Version, common);
    expectEffects(link::kVer1Version, {
                                          {"change-over time", {0x22, 0x3C}, 42, 0x3C},
                                          // The ver_2-only settings must not overwrite the ver_1 register.
                                          {"min rpm ignored", {0x36, 0x0A}, 570, 0xFF},
                                          {"min temp ignored", {0x37, 0xFB}, 561, 0x04},
                                          {"corrections ignored", {0x44, 1, 2, 3, 4, 5, 6, 7, 8}, 562, 0x00},
                                      });
    expectEffects(link::kVer2Version,
                  {
                      {"change-over time high", {0x22, 0x01, 0x2C}, 561, 0x01},
                      {"change-over time low", {0x22, 0x01, 0x2C}, 42, 0x2C},
                      {"min rpm", {0x36, 0x0A}, 570, 0x0A},
                      {"min temp", {0x37, 0xFB}, 571, 0xFB},
                      {"correction 1", {0x44, 0x80, 0x7D, 0x80, 0x80, 0x80, 0x80, 0x80, 0x94}, 562, 0x80},
                      {"correction 2", {0x44, 0x80, 0x7D, 0x80, 0x80, 0x80, 0x80, 0x80, 0x94}, 563, 0x7D},
                      {"correction 8", {0x44, 0x80, 0x7D, 0x80, 0x80, 0x80, 0x80, 0x80, 0x94}, 569, 0x94},
                  });
}

TEST(ControllerModel, MapUploadAndWriteBackReplaceTheirRegions) {
    ControllerModel m(firmware(link::kVer2Version));
    Bytes map(246);
    for (std::size_t i = 0; i < map.size(); ++i) map[i] = static_cast<std::uint8_t>(90 + i % 50);
    m.answer(0x0B, map);
    Bytes b = settingsRead(m);
    EXPECT_TRUE(std::equal(map.begin(), map.end(), b.begin() + 66));

    // A short write-back (from a short file) writes what it holds and nothing more.
    Bytes before = b;
    Bytes part(100, 0x11);
    m.answer(0x1A, part);
    b = settingsRead(m);
    EXPECT_TRUE(std::all_of(b.begin() + 21, b.begin() + 121, [](std::uint8_t v) { return v == 0x11; }));
    EXPECT_TRUE(std::equal(before.begin() + 121, before.begin() + 600, b.begin() + 121));

    // A whole one stops at the end of the region: the register after it stays.
    Bytes whole(554, 0x22);
    m.answer(0x1A, whole);
    b = settingsRead(m);
    EXPECT_EQ(b[574], 0x22);
    EXPECT_EQ(b[575], 0x04);
}

TEST(ControllerModel, FactoryResetRestoresSettingsButKeepsTheHistory) {
    ControllerModel m(firmware(link::kVer2Version));
    m.answer(0x0F, Bytes{0x50});
    const Bytes a = *m.answer(0x26, {});
    EXPECT_EQ(a[3], 0x26);
    EXPECT_EQ(testing::lengthField(a), static_cast<int>(a.size()));
    EXPECT_EQ(a[35], 40);     // factory change-over temperature
    EXPECT_EQ(a[575], 0x04);  // the stored errors stay
    EXPECT_EQ(getLe32(std::span<const std::uint8_t>(a).subspan(619, 4)) / 7200, 3456u);
    EXPECT_EQ(settingsRead(m)[35], 40);
}

TEST(ControllerModel, ErrorResetClearsTheRegisterAndThePresentFaults) {
    ControllerModel m(firmware(link::kVer1Version));
    m.setActiveErrors({0xF3, 0xFA, 0xFE});
    Bytes live = *m.answer(0x55, Bytes{0x01});
    EXPECT_EQ(live[34], 0xF3);
    EXPECT_EQ(live[35], 0xFA);
    EXPECT_EQ(live[48], 0xFE);
    // The new faults were written behind the stored ones.
    Bytes b = settingsRead(m);
    EXPECT_EQ(b[564], 2);
    EXPECT_EQ(b[565], 3);
    EXPECT_EQ(b[566], 0);
    EXPECT_EQ(b[567], 0xFA);

    live = *m.answer(0x10, Bytes{0x00});
    EXPECT_EQ(live[3], 0x10);
    EXPECT_EQ(live[34], 0xFF);
    EXPECT_EQ(live[35], 0xFF);
    EXPECT_EQ(live[48], 0xFF);
    b = settingsRead(m);
    for (std::size_t i = 561; i < 601; ++i) EXPECT_EQ(b[i], 0xFF) << i;
}

TEST(ControllerModel, ServiceAnswersCarryTheRecordAsBody) {
    ControllerModel m(firmware(link::kVer2Version));
    const Bytes n = *m.answer(0x4E, Bytes{0x00});
    ASSERT_EQ(n.size(), 4u + 65u + 1u);
    EXPECT_EQ(testing::lengthField(n), 70);
    EXPECT_EQ(n[3], 'N');
    const Bytes block = settingsRead(m);
    EXPECT_TRUE(std::equal(n.begin() + 4, n.begin() + 68, block.begin() + 615));
    EXPECT_EQ(n[68], block[756]);

    // A write keeps the controller's own running times and takes the rest.
    Bytes record(65, 0x00);
    putLe32(record, 1);  // stale petrol time
    putLe32(std::span<std::uint8_t>(record).subspan(16, 4), 3600u * 7200u);
    putLe32(std::span<std::uint8_t>(record).subspan(31, 4), dateCode(2026, 12, 10, 14, 30));
    record[64] = 0x00;
    const Bytes mAnswer = *m.answer(0x4D, record);
    EXPECT_EQ(mAnswer[3], 'M');
    EXPECT_EQ(getLe32(std::span<const std::uint8_t>(mAnswer).subspan(4, 4)) / 7200, 1234u);
    EXPECT_EQ(getLe32(std::span<const std::uint8_t>(mAnswer).subspan(4 + 16, 4)), 3600u * 7200u);
    EXPECT_EQ(getLe32(std::span<const std::uint8_t>(mAnswer).subspan(4 + 31, 4)), dateCode(2026, 12, 10, 14, 30));
    EXPECT_EQ(mAnswer[68], 0x00);
    EXPECT_EQ(settingsRead(m)[756], 0x00);

    // A short write is acknowledged and changes nothing.
    const Bytes recordBefore = m.serviceRecord();
    const Bytes shortAnswer = *m.answer(0x4D, Bytes(53, 0x07));
    EXPECT_EQ(shortAnswer[3], 'M');
    EXPECT_EQ(m.serviceRecord(), recordBefore);
}

TEST(ControllerModel, UnknownAndAdaptationCodesAreAcknowledgedAndChangeNothing) {
    ControllerModel m(firmware(link::kVer2Version));
    const Bytes before = settingsRead(m);
    for (std::uint8_t code : {0x25, 0x05, 0x19, 0x02, 0x06, 0x20, 0x24, 0x27, 0x30, 0x31, 0x7E}) {
        const Bytes ack = *m.answer(code, Bytes(5, 0x01));
        EXPECT_EQ(ack[3], code);
        EXPECT_EQ(testing::lengthField(ack), static_cast<int>(ack.size()));
    }
    EXPECT_EQ(settingsRead(m), before);
}

TEST(ControllerModel, ShortPayloadsAreAcknowledgedWithoutReadingPastThem) {
    ControllerModel m(firmware(link::kVer2Version));
    const Bytes before = settingsRead(m);
    for (const auto& spec : link::controllerCommands()) {
        // The error reset needs no payload to clear the register.
        if (spec.answer != link::AnswerKind::LiveFrame || spec.code == 0x10) continue;
        EXPECT_TRUE(m.answer(spec.code, {}).has_value()) << int(spec.code);
    }
    EXPECT_EQ(settingsRead(m), before);
}

TEST(ControllerModel, RestoreAcceptsOnlyAWholeBlockOfTheSameFirmware) {
    ControllerModel source(firmware(link::kVer2Version));
    source.answer(0x0F, Bytes{0x2A});
    const Bytes saved = source.settingsMemory();

    ControllerModel m(firmware(link::kVer2Version));
    EXPECT_FALSE(m.restoreSettings(saved));
    EXPECT_EQ(settingsRead(m)[35], 0x2A);

    Bytes corrupt = saved;
    corrupt[100] ^= 0x01;
    Bytes shortBlock(saved.begin(), saved.begin() + 300);
    ControllerModel other(firmware(link::kVer1Version));
    for (const Bytes& bad : {corrupt, shortBlock, Bytes{}}) {
        ControllerModel fresh(firmware(link::kVer2Version));
        EXPECT_TRUE(fresh.restoreSettings(bad));
        EXPECT_EQ(settingsRead(fresh)[35], 35);
    }
    EXPECT_TRUE(other.restoreSettings(saved));  // a ver_2 block in a ver_1 controller
}

}  // namespace
}  // namespace qavi::sim
