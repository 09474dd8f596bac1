#include "config/settings_block.h"

#include <gtest/gtest.h>

#include <functional>

#include "config/code_tables.h"
#include "config/settings_block_builder.h"

namespace qavi::config {
namespace {

using link::FirmwareVariant;
using test::SettingsBlockBuilder;

SettingsBlock blockOf(const Bytes& bytes) {
    SettingsBlock block;
    block.replace(bytes);
    return block;
}

TEST(SettingsBlock, IsEmptyBeforeTheFirstAnswer) {
    const SettingsBlock block;
    EXPECT_EQ(block.length(), 0u);
    EXPECT_TRUE(block.empty());
    EXPECT_FALSE(block.byteAt(0));
    EXPECT_FALSE(block.checkByte());
    EXPECT_FALSE(block.fileBody());
    EXPECT_FALSE(block.cylinderCode());
    EXPECT_FALSE(block.storedErrors(FirmwareVariant::Ver1));
}

TEST(SettingsBlock, KeepsTheAnswerByteForByte) {
    const Bytes answer = SettingsBlockBuilder().build();
    const SettingsBlock block = blockOf(answer);
    EXPECT_EQ(block.bytes(), answer);
    EXPECT_EQ(block.length(), 758u);
    EXPECT_EQ(block.frameLength(), 758);
    EXPECT_EQ(block.answeredCommand(), 0x66);
    EXPECT_EQ(block.firmwareVersion(), (std::array<std::uint8_t, 3>{5, 9, 11}));
    EXPECT_EQ(block.checkByte(), 0xC3);
}

TEST(SettingsBlock, DecodesEveryFieldByItsEncoding) {
    const SettingsBlock block = blockOf(SettingsBlockBuilder()
                                            .set(34, 0xCA)   // bits 1, 3, 6, 7
                                            .set(558, 0x03)  // first drop, CNG
                                            .fill(562, {0x6C, 0x94, 0x80, 0x7D, 0x81, 0x80, 0x80, 0x80})
                                            .build());
    struct Case {
        const char* field;
        std::function<std::optional<double>()> read;
        double expected;
    };
    auto num = [](auto optional) -> std::optional<double> {
        if (!optional) return std::nullopt;
        return static_cast<double>(*optional);
    };
    const Case cases[] = {
        {"InjectorMask", [&] { return num(block.injectorMask()); }, 0x0F},
        {"PulseSource", [&] { return num(block.pulseSource()); }, 1},
        {"CylinderCode", [&] { return num(block.cylinderCode()); }, 1},
        {"GasSwitchRpm", [&] { return num(block.gasSwitchRpm()); }, 1800},
        {"PetrolMaxRpm", [&] { return num(block.petrolMaxRpm()); }, 6000},
        {"LevelThreshold1", [&] { return block.levelThreshold(1); }, 1.0},
        {"LevelThreshold4", [&] { return block.levelThreshold(4); }, 4.0},
        {"LevelSensorType", [&] { return num(block.levelSensorType()); }, 2},
        {"ReducerTempSensor", [&] { return num(block.reducerTempSensor()); }, 0},
        {"GasTempSensor", [&] { return num(block.gasTempSensor()); }, 1},
        {"MapSensorType", [&] { return num(block.mapSensorType()); }, 4},
        {"rpm signal bit 1", [&] { return num(block.rpmSignalHigh()); }, 1},
        {"engine type bit 3", [&] { return num(block.engineTurbo()); }, 1},
        {"chart bit 6", [&] { return num(block.chartOption()); }, 1},
        {"positive injectors bit 7", [&] { return num(block.positiveInjectors()); }, 1},
        {"GasSwitchTemp", [&] { return num(block.gasSwitchTemp()); }, 35},
        {"WorkPressure", [&] { return block.workPressure(); }, 1.20},
        {"MinPressure", [&] { return block.minPressure(); }, 0.80},
        {"PetrolSwitchDelay", [&] { return num(block.petrolSwitchDelay()); }, 500},
        {"CylinderStepTime", [&] { return num(block.cylinderStepTime()); }, 150},
        {"GasInjectorType", [&] { return num(block.gasInjectorType()); }, 8},
        {"first pressure drop bit 0", [&] { return num(block.switchAtFirstPressureDrop()); }, 1},
        {"CNG bit 1", [&] { return num(block.fuelIsCng()); }, 1},
        {"InjectorCorrection1 0x6C", [&] { return num(block.injectorCorrection(1)); }, -20},
        {"InjectorCorrection2 0x94", [&] { return num(block.injectorCorrection(2)); }, 20},
        {"InjectorCorrection3 0x80", [&] { return num(block.injectorCorrection(3)); }, 0},
        {"InjectorCorrection4 0x7D", [&] { return num(block.injectorCorrection(4)); }, -3},
        {"PetrolMinRpm", [&] { return num(block.petrolMinRpm()); }, 1200},
        {"PetrolMinTemp 0xFB", [&] { return num(block.petrolMinTemp()); }, -5},
    };
    for (const auto& c : cases) {
        const auto value = c.read();
        ASSERT_TRUE(value) << c.field;
        EXPECT_NEAR(*value, c.expected, 1e-9) << c.field;
    }
    EXPECT_FALSE(block.levelThreshold(0));
    EXPECT_FALSE(block.levelThreshold(5));
    EXPECT_FALSE(block.injectorCorrection(9));
}

TEST(SettingsBlock, PetrolMinTempIsASignedByte) {
    const std::pair<std::uint8_t, int> cases[] = {{0xFF, -1}, {0x7F, 127}, {0x80, -128}, {0x00, 0}, {0xFB, -5}};
    for (const auto& [stored, celsius] : cases) {
        EXPECT_EQ(blockOf(SettingsBlockBuilder().set(571, stored).build()).petrolMinTemp(), celsius) << int{stored};
    }
}

TEST(SettingsBlock, GasSwitchTimeIsSixteenBitsOnlyInVer2) {
    const SettingsBlock block = blockOf(SettingsBlockBuilder().set(561, 0x01).set(42, 0x2C).build());
    EXPECT_EQ(block.gasSwitchHalfSeconds(FirmwareVariant::Ver2), 300);
    EXPECT_EQ(block.gasSwitchSeconds(FirmwareVariant::Ver2), 150.0);
    EXPECT_EQ(block.gasSwitchHalfSeconds(FirmwareVariant::Ver1), 0x2C);
    EXPECT_EQ(block.gasSwitchSeconds(FirmwareVariant::Ver1), 22.0);
    EXPECT_FALSE(block.gasSwitchSeconds(FirmwareVariant::None));
}

TEST(SettingsBlock, CorrectionMapIsTheBytesFrom66) {
    const Bytes bytes = SettingsBlockBuilder().set(66, 7).set(311, 250).set(312, 1).build();
    const auto map = blockOf(bytes).correctionMap();
    ASSERT_TRUE(map);
    EXPECT_EQ(map->front(), 7);
    EXPECT_EQ(map->back(), 250);
    for (std::size_t k = 1; k <= 246; ++k) EXPECT_EQ((*map)[k - 1], bytes[65 + k]) << "point " << k;
    EXPECT_FALSE(blockOf(SettingsBlockBuilder().truncated(311)).correctionMap());
    EXPECT_TRUE(blockOf(SettingsBlockBuilder().truncated(312)).correctionMap());
}

TEST(SettingsBlock, StoredErrorRegisterWalk) {
    using Kind = StoredError::Kind;
    const StoredError row1{Kind::Message, 1, std::nullopt};
    struct Case {
        const char* name;
        FirmwareVariant variant;
        std::size_t start;
        std::vector<std::uint8_t> head;
        std::vector<StoredError> expected;
    };
    const Case cases[] = {
        {"forty 0xFF bytes hold nothing", FirmwareVariant::Ver2, 575, {}, {}},
        {"0x03 0x00 0xFA", FirmwareVariant::Ver2, 575, {0x03, 0x00, 0xFA}, {row1, {Kind::Injector, 6, 0xFA}}},
        {"ver_1 position", FirmwareVariant::Ver1, 561, {0x03, 0x00, 0xFA}, {row1, {Kind::Injector, 6, 0xFA}}},
        {"no variant reads the ver_1 position", FirmwareVariant::None, 561, {0x03}, {row1}},
        {"codes 1..8 name their rows",
         FirmwareVariant::Ver2,
         575,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 200},
         {{Kind::Message, 9, {}},
          {Kind::Message, 0, {}},
          row1,
          {Kind::Message, 2, {}},
          {Kind::Message, 3, {}},
          {Kind::Message, 4, {}},
          {Kind::Message, 5, {}},
          {Kind::Message, 8, {}}}},
        {"the mask byte of an injector entry is not read as an entry",
         FirmwareVariant::Ver2,
         575,
         {0x00, 0x03},
         {{Kind::Injector, 6, 0x03}}},
    };
    for (const auto& c : cases) {
        SettingsBlockBuilder builder(c.variant == FirmwareVariant::Ver2 ? FirmwareVariant::Ver2
                                                                        : FirmwareVariant::Ver1);
        std::size_t at = c.start;
        for (std::uint8_t b : c.head) builder.set(at++, b);
        const auto entries = blockOf(builder.build()).storedErrors(c.variant);
        ASSERT_TRUE(entries) << c.name;
        EXPECT_EQ(*entries, c.expected) << c.name;
    }
}

TEST(SettingsBlock, InjectorEntryAtTheLastRegisterByteTakesTheNextByteWhenHeld) {
    // ver_1 register 561..600: an entry at 600 takes its mask from 601.
    SettingsBlockBuilder builder(FirmwareVariant::Ver1);
    builder.set(600, 0x00).set(601, 0xFE);
    const auto whole = blockOf(builder.build()).storedErrors(FirmwareVariant::Ver1);
    ASSERT_TRUE(whole);
    ASSERT_EQ(whole->size(), 1u);
    EXPECT_EQ(whole->front().injectorMask, 0xFE);

    // A block that ends with the register: the entry is kept, its mask is unknown.
    const auto cut = blockOf(builder.truncated(601)).storedErrors(FirmwareVariant::Ver1);
    ASSERT_TRUE(cut);
    ASSERT_EQ(cut->size(), 1u);
    EXPECT_EQ(cut->front().kind, StoredError::Kind::Injector);
    EXPECT_FALSE(cut->front().injectorMask);

    // A block that ends inside the register has no register to show.
    EXPECT_FALSE(blockOf(builder.truncated(600)).storedErrors(FirmwareVariant::Ver1));
}

TEST(SettingsBlock, ServiceImageIsTheRecordHeadAndByte756) {
    const Bytes bytes = SettingsBlockBuilder().set(615, 0xA1).set(678, 0xB2).set(679, 0xEE).set(756, 0x01).build();
    const auto image = blockOf(bytes).serviceImage();
    ASSERT_TRUE(image);
    ASSERT_EQ(image->size(), 65u);
    EXPECT_EQ((*image)[0], 0xA1);
    EXPECT_EQ((*image)[63], 0xB2);
    EXPECT_EQ((*image)[64], 0x01);
    for (std::size_t r = 0; r < 64; ++r) EXPECT_EQ((*image)[r], bytes[615 + r]);
    EXPECT_TRUE(blockOf(SettingsBlockBuilder().truncated(757)).serviceImage());
    EXPECT_FALSE(blockOf(SettingsBlockBuilder().truncated(756)).serviceImage());
}

TEST(SettingsBlock, WriteBackSliceByVariant) {
    const Bytes bytes = SettingsBlockBuilder().set(21, 0x31).set(560, 0x32).set(574, 0x33).build();
    const SettingsBlock block = blockOf(bytes);
    const auto ver1 = block.writeBackSlice(FirmwareVariant::Ver1);
    const auto ver2 = block.writeBackSlice(FirmwareVariant::Ver2);
    ASSERT_TRUE(ver1);
    ASSERT_TRUE(ver2);
    EXPECT_EQ(*ver1, Bytes(bytes.begin() + 21, bytes.begin() + 561));
    EXPECT_EQ(*ver2, Bytes(bytes.begin() + 21, bytes.begin() + 575));
    EXPECT_EQ(ver1->size(), 540u);
    EXPECT_EQ(ver2->size(), 554u);
    EXPECT_EQ(ver2->back(), 0x33);
    EXPECT_FALSE(block.writeBackSlice(FirmwareVariant::None));
    EXPECT_FALSE(blockOf(SettingsBlockBuilder().truncated(574)).writeBackSlice(FirmwareVariant::Ver2));
    EXPECT_TRUE(blockOf(SettingsBlockBuilder().truncated(574)).writeBackSlice(FirmwareVariant::Ver1));
}

TEST(SettingsBlock, FileBodyRunsFromOffset4ToTheByteBeforeTheCheckByte) {
    const Bytes bytes = SettingsBlockBuilder().build();
    const SettingsBlock block = blockOf(bytes);
    EXPECT_EQ(block.fileBody(), Bytes(bytes.begin() + 4, bytes.end() - 1));
    EXPECT_EQ(block.checkByte(), bytes.back());
    EXPECT_EQ(blockOf(Bytes{0xAA, 0, 5, 0x66, 0x99}).fileBody(), Bytes{});
    EXPECT_FALSE(blockOf(Bytes{0xAA, 0, 4, 0x66}).fileBody());
}

TEST(SettingsBlock, PatchChangesOnlyTheToolsOwnCopyAndNothingBeyondIt) {
    const Bytes answer = SettingsBlockBuilder().build();
    SettingsBlock block = blockOf(answer);
    EXPECT_TRUE(block.patch(22, 5));
    EXPECT_EQ(block.cylinderCode(), 5);
    EXPECT_EQ(answer[22], 1);  // the caller's bytes are untouched
    EXPECT_FALSE(block.patch(758, 1));
    EXPECT_EQ(block.length(), 758u);
}

TEST(SettingsBlock, AShortBlockAnswersNothingBeyondItsEnd) {
    const SettingsBlock block = blockOf(SettingsBlockBuilder().truncated(34));
    EXPECT_EQ(block.mapSensorType(), 4);  // offset 33 is held
    EXPECT_FALSE(block.signalFlags());
    EXPECT_FALSE(block.engineTurbo());
    EXPECT_FALSE(block.gasSwitchSeconds(FirmwareVariant::Ver1));
    EXPECT_FALSE(block.fuelIsCng());
    EXPECT_FALSE(block.injectorCorrection(1));
    EXPECT_FALSE(block.petrolMinTemp());
    EXPECT_FALSE(block.serviceImage());
    EXPECT_FALSE(blockOf(SettingsBlockBuilder().truncated(2)).frameLength());
    // ver_2's high byte of the change-over time lies beyond a 561-byte block.
    EXPECT_FALSE(blockOf(SettingsBlockBuilder().truncated(561)).gasSwitchSeconds(FirmwareVariant::Ver2));
}

TEST(CodeTables, MapCodesToItemsBothWays) {
    struct Case {
        const char* name;
        const CodeTable& table;
        std::vector<std::pair<int, int>> codeItem;  // item -1: not offered
    };
    const Case cases[] = {
        {"cylinders", cylinderCodes(), {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, -1}, {5, 4}, {6, -1}}},
        {"temperature sensors", temperatureSensorCodes(), {{0, 5}, {1, 1}, {2, 0}, {3, 2}, {4, 4}, {5, 3}, {6, -1}}},
        {"level sensors", levelSensorCodes(), {{0, 0}, {2, 1}, {1, 2}, {3, 3}, {4, -1}}},
        {"gas injectors",
         gasInjectorCodes(),
         {{8, 0}, {9, 1}, {3, 2}, {1, 3}, {6, 4}, {7, 5}, {0, 6}, {4, 7}, {2, -1}, {5, -1}}},
        {"MAP sensor", mapSensorCodes(), {{4, 0}, {0, -1}, {3, -1}}},
        {"pulse source", pulseSourceCodes(), {{0, 0}, {6, 6}, {7, -1}}},
    };
    for (const auto& c : cases) {
        for (const auto& [code, item] : c.codeItem) {
            const auto found = c.table.itemOf(static_cast<std::uint8_t>(code));
            if (item < 0) {
                EXPECT_FALSE(found) << c.name << " code " << code;
                continue;
            }
            EXPECT_EQ(found, item) << c.name << " code " << code;
            EXPECT_EQ(c.table.codeOf(item), code) << c.name << " item " << item;
        }
        EXPECT_FALSE(c.table.codeOf(-1)) << c.name;
    }
}

}  // namespace
}  // namespace qavi::config
