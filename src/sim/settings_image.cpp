#include "sim/settings_image.h"

#include <cmath>

namespace qavi::sim {

namespace {

using link::FirmwareVariant;

std::uint8_t u8(int v) { return static_cast<std::uint8_t>(v & 0xFF); }

// Days since 1 January 1970 of a civil date.
std::int64_t daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * static_cast<unsigned>(m + (m > 2 ? -3 : 9)) + 2) / 5 + static_cast<unsigned>(d) - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

struct Profile {
    std::uint8_t gasSwitchRpm;
    std::uint8_t gasSwitchTemp;
    std::uint8_t workPressure;
    std::uint8_t minPressure;
    std::uint8_t petrolSwitchDelay;
    int gasSwitchHalfSeconds;
    std::uint8_t cylinderStepTime;
    std::uint8_t gasInjectorType;
    std::uint8_t signalFlags;
    std::uint8_t corrections[8];
    std::uint8_t petrolMinRpm;
    std::int8_t petrolMinTemp;
    bool withStoredErrors;
    bool fitted;
};

// Multiplier (hundredths) of map point k = 1..246, i.e. petrol time 1.0 + (k - 1) / 10 ms.
// A fitted car's map rises over the short times and falls towards full load;
// the factory map is a gentle straight slope.
std::uint8_t mapPoint(int k, bool fitted) {
    const double t = 1.0 + (k - 1) / 10.0;
    double v = 0.0;
    if (fitted) {
        v = t < 3.5 ? 128.0 + (t - 1.0) / 2.5 * 12.0 : 140.0 - (t - 3.5) / 22.0 * 28.0;
    } else {
        v = 125.0 - (t - 1.0) / 24.5 * 10.0;
    }
    return u8(static_cast<int>(std::lround(v)));
}

Bytes buildImage(const link::FirmwareVersion& version, const Profile& p) {
    const FirmwareVariant variant = variantOf(version);
    Bytes b(kSettingsAnswerLength, 0x00);
    b[0] = link::kStartByte;
    b[1] = u8(kSettingsAnswerLength >> 8);
    b[2] = u8(kSettingsAnswerLength);
    b[3] = link::kReadSettingsCode;
    // Serial number and production data the tool carries but does not read.
    const std::uint8_t serial[] = {'Q', 'V', 0x24, 0x11, 0x07, 0x31, 0x00, 0x01, 0x19, 0x06, 0x02, 0x00};
    for (int i = 0; i < 12; ++i) b[8 + i] = serial[i];

    b[offs::kInjectorMask] = 0x0F;
    b[offs::kPulseSource] = 0;
    b[offs::kCylinderCode] = 1;
    b[offs::kGasSwitchRpm] = p.gasSwitchRpm;
    b[offs::kPetrolMaxRpm] = 60;
    // "0-90 Ohm" sender: rising thresholds 0.70 / 1.50 / 2.20 / 2.80 V (volts x 51).
    b[offs::kLevelThreshold1 + 0] = 36;
    b[offs::kLevelThreshold1 + 1] = 76;
    b[offs::kLevelThreshold1 + 2] = 112;
    b[offs::kLevelThreshold1 + 3] = 143;
    b[offs::kLevelSensorType] = 0;
    b[offs::kReducerTempSensor] = 5;
    b[offs::kGasTempSensor] = 5;
    b[offs::kMapSensorType] = 4;
    b[offs::kSignalFlags] = p.signalFlags;
    b[offs::kGasSwitchTemp] = p.gasSwitchTemp;
    b[offs::kWorkPressure] = p.workPressure;
    b[offs::kMinPressure] = p.minPressure;
    b[offs::kPetrolSwitchDelay] = p.petrolSwitchDelay;
    b[offs::kGasSwitchTimeLow] = u8(p.gasSwitchHalfSeconds);
    b[offs::kCylinderStepTime] = p.cylinderStepTime;
    b[offs::kGasInjectorType] = p.gasInjectorType;
    for (int k = 1; k <= offs::kMapPoints; ++k) {
        b[static_cast<std::size_t>(65 + k)] = mapPoint(k, p.fitted);
        b[static_cast<std::size_t>(311 + k)] = 100;  // the second, uninterpreted run
    }
    b[offs::kFuelFlags] = 0x00;

    if (variant == FirmwareVariant::Ver2) {
        b[offs::kGasSwitchTimeHigh] = u8(p.gasSwitchHalfSeconds >> 8);
        for (int i = 0; i < 8; ++i) b[static_cast<std::size_t>(offs::kInjectorCorrection1 + i)] = p.corrections[i];
        b[offs::kPetrolMinRpm] = p.petrolMinRpm;
        b[offs::kPetrolMinTemp] = static_cast<std::uint8_t>(p.petrolMinTemp);
    }
    const int reg = errorRegisterOffset(variant);
    for (int i = 0; i < offs::kErrorRegisterLength; ++i) b[static_cast<std::size_t>(reg + i)] = kEmptyRegisterSlot;
    if (p.withStoredErrors) {
        // Gas pressure too low once, and injector 3 reported faulty.
        b[static_cast<std::size_t>(reg + 0)] = 0x04;
        b[static_cast<std::size_t>(reg + 1)] = 0x00;
        b[static_cast<std::size_t>(reg + 2)] = 0xFB;
    }

    // Service record: running times in half-seconds, inspection due at the gas
    // time 44 hours from now, countdown active, three dates.
    auto service = std::span<std::uint8_t>(b).subspan(offs::kServiceImage, 64);
    const std::uint32_t petrolHalfSeconds = p.fitted ? 1234u * 7200u + 1800u : 0u;
    const std::uint32_t gasHalfSeconds = p.fitted ? 3456u * 7200u + 900u : 0u;
    putLe32(service.subspan(0, 4), petrolHalfSeconds);
    putLe32(service.subspan(4, 4), gasHalfSeconds);
    putLe32(service.subspan(16, 4), p.fitted ? 3500u * 7200u : 0u);
    putLe32(service.subspan(31, 4), p.fitted ? dateCode(2026, 11, 20, 9, 15) : 0u);
    putLe32(service.subspan(42, 4), p.fitted ? dateCode(2024, 3, 5, 10, 30) : 0u);
    putLe32(service.subspan(53, 4), p.fitted ? dateCode(2026, 6, 15, 14, 0) : 0u);
    b[offs::kServiceFlags] = p.fitted ? 0x01 : 0x00;

    stampVersion(b, version, false);
    sealAnswer(b);
    return b;
}

}  // namespace

int errorRegisterOffset(FirmwareVariant variant) {
    return variant == FirmwareVariant::Ver2 ? offs::kErrorRegisterVer2 : offs::kErrorRegisterVer1;
}

int writeBackLength(FirmwareVariant variant) { return variant == FirmwareVariant::Ver2 ? 554 : 540; }

FirmwareVariant variantOf(const link::FirmwareVersion& v) {
    if (v.major == link::kVer2Version.major && v.minor == link::kVer2Version.minor &&
        v.patch == link::kVer2Version.patch) {
        return FirmwareVariant::Ver2;
    }
    // 3.7.7 and every version the tool does not know keep the older layout.
    return FirmwareVariant::Ver1;
}

Bytes fittedSettings(const link::FirmwareVersion& version) {
    const Profile p{18, 35, 120,  80,  50, 60, 20, 8, kSignalHigh12V, {128, 130, 127, 128, 129, 128, 128, 128},
                    6,  20, true, true};
    return buildImage(version, p);
}

Bytes factorySettings(const link::FirmwareVersion& version) {
    const Profile p{20, 40, 100, 70, 30, 90, 0, 1, 0x00, {128, 128, 128, 128, 128, 128, 128, 128}, 8, 15, false, false};
    Bytes b = buildImage(version, p);
    return b;
}

void stampVersion(Bytes& block, const link::FirmwareVersion& v, bool wrongCheck) {
    if (block.size() <= offs::kVersionCheck) return;
    block[4] = v.major;
    block[5] = v.minor;
    block[6] = v.patch;
    const int check = 2 * (v.major + v.minor + v.patch) + (wrongCheck ? 1 : 0);
    block[offs::kVersionCheck] = u8(check);
}

void sealAnswer(Bytes& answer) {
    if (answer.empty()) return;
    answer.back() = link::additiveSum(std::span<const std::uint8_t>(answer).first(answer.size() - 1));
}

std::uint32_t dateCode(int year, int month, int day, int hour, int minute) {
    // Day 36000 of the count that starts on 30 December 1899 is 24 July 1998.
    const std::int64_t days = daysFromCivil(year, month, day) - daysFromCivil(1998, 7, 24);
    const std::int64_t minutes = hour * 60 + minute;
    return static_cast<std::uint32_t>(days * 100000 + (minutes * 100000 * 2 + 1440) / (2 * 1440));
}

void putLe32(std::span<std::uint8_t> at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4 && i < at.size(); ++i) at[i] = u8(static_cast<int>((value >> (8 * i)) & 0xFF));
}

std::uint32_t getLe32(std::span<const std::uint8_t> at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4 && i < at.size(); ++i) v |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    return v;
}

}  // namespace qavi::sim
