#pragma once

// The controller's configuration memory as it goes out in a settings answer:
// where each field sits, and the two images the simulated controller starts
// from (the settings of a fitted car, and the factory values that '&' restores).

#include <cstdint>
#include <span>

#include "link/controller_contract.h"
#include "link/frame_codec.h"

namespace qavi::sim {

using link::Bytes;

// Offsets into the whole answer frame (offset 0 is the start byte).
namespace offs {
inline constexpr int kVersion = 4;  // 4..6
inline constexpr int kVersionCheck = 7;
inline constexpr int kInjectorMask = 20;
inline constexpr int kPulseSource = 21;
inline constexpr int kCylinderCode = 22;
inline constexpr int kGasSwitchRpm = 23;
inline constexpr int kPetrolMaxRpm = 24;
inline constexpr int kLevelThreshold1 = 25;  // 25..28
inline constexpr int kLevelSensorType = 29;
inline constexpr int kReducerTempSensor = 30;
inline constexpr int kGasTempSensor = 31;
inline constexpr int kMapSensorType = 33;
inline constexpr int kSignalFlags = 34;
inline constexpr int kGasSwitchTemp = 35;
inline constexpr int kWorkPressure = 36;
inline constexpr int kMinPressure = 40;
inline constexpr int kPetrolSwitchDelay = 41;
inline constexpr int kGasSwitchTimeLow = 42;
inline constexpr int kCylinderStepTime = 43;
inline constexpr int kGasInjectorType = 45;
inline constexpr int kCorrectionMap = 66;  // 66..311, point k at 65 + k
inline constexpr int kMapPoints = 246;
inline constexpr int kFuelFlags = 558;
inline constexpr int kWriteBackStart = 21;
// ver_2 only
inline constexpr int kGasSwitchTimeHigh = 561;
inline constexpr int kInjectorCorrection1 = 562;  // 562..569
inline constexpr int kPetrolMinRpm = 570;
inline constexpr int kPetrolMinTemp = 571;
// Error register: 40 bytes at 561 (ver_1) or 575 (ver_2).
inline constexpr int kErrorRegisterVer1 = 561;
inline constexpr int kErrorRegisterVer2 = 575;
inline constexpr int kErrorRegisterLength = 40;
// Service image: record bytes 0..63 at 615..678, record byte 64 at 756.
inline constexpr int kServiceImage = 615;
inline constexpr int kServiceFlags = 756;
}  // namespace offs

// SignalFlags bits.
inline constexpr std::uint8_t kSignalHigh12V = 0x02;
inline constexpr std::uint8_t kSignalTurbo = 0x08;
inline constexpr std::uint8_t kSignalPetrolMapLocked = 0x40;
inline constexpr std::uint8_t kSignalInjectorsPlus = 0x80;
// FuelFlags bits.
inline constexpr std::uint8_t kFuelPetrolOnFirstDrop = 0x01;
inline constexpr std::uint8_t kFuelCng = 0x02;

// Total length of a settings answer: offset 756 is the last field read, and a
// couple of spare bytes precede the trailing check byte.
inline constexpr int kSettingsAnswerLength = 760;
inline constexpr int kServiceRecordLength = 65;
inline constexpr std::uint8_t kEmptyRegisterSlot = 0xFF;

int errorRegisterOffset(link::FirmwareVariant variant);
// 540 bytes (ver_1) or 554 (ver_2) from offset 21.
int writeBackLength(link::FirmwareVariant variant);
link::FirmwareVariant variantOf(const link::FirmwareVersion& version);

// The two images; the answer code, the version bytes and the check bytes are
// filled in (the code is 0x66; callers patch it per answer).
Bytes fittedSettings(const link::FirmwareVersion& version);
Bytes factorySettings(const link::FirmwareVersion& version);

// Writes the version bytes and their check byte (twice their sum, low 8 bits;
// one more than that when asked for a wrong one).
void stampVersion(Bytes& block, const link::FirmwareVersion& version, bool wrongCheck);
// The trailing check byte: the additive sum of every byte before it.
void sealAnswer(Bytes& answer);

// The controller's date code of a local date and time: hundred-thousandths of
// a day since 24 July 1998 00:00.
std::uint32_t dateCode(int year, int month, int day, int hour, int minute);

void putLe32(std::span<std::uint8_t> at, std::uint32_t value);
std::uint32_t getLe32(std::span<const std::uint8_t> at);

}  // namespace qavi::sim
