#pragma once

// The tool's copy of the controller's configuration memory: the settings
// answer kept whole, byte for byte, header and check byte included. Fields are
// decoded on read. A block may arrive shorter than the layout: every accessor
// checks the bytes held and answers nullopt for a field that lies beyond them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "link/controller_contract.h"
#include "link/frame_codec.h"

namespace qavi::config {

using link::Bytes;
using link::FirmwareVariant;

// Offsets from the start marker.
namespace offsets {
inline constexpr std::size_t kFrameLength = 1;  // two bytes, high first
inline constexpr std::size_t kAnsweredCommand = 3;
inline constexpr std::size_t kFirmwareVersion = 4;  // three bytes
inline constexpr std::size_t kBody = 4;
inline constexpr std::size_t kInjectorMask = 20;
inline constexpr std::size_t kPulseSource = 21;
inline constexpr std::size_t kCylinderCode = 22;
inline constexpr std::size_t kGasSwitchRpm = 23;
inline constexpr std::size_t kPetrolMaxRpm = 24;
inline constexpr std::size_t kLevelThreshold1 = 25;  // four bytes
inline constexpr std::size_t kLevelSensorType = 29;
inline constexpr std::size_t kReducerTempSensor = 30;
inline constexpr std::size_t kGasTempSensor = 31;
inline constexpr std::size_t kMapSensorType = 33;
inline constexpr std::size_t kSignalFlags = 34;
inline constexpr std::size_t kGasSwitchTemp = 35;
inline constexpr std::size_t kWorkPressure = 36;
inline constexpr std::size_t kMinPressure = 40;
inline constexpr std::size_t kPetrolSwitchDelay = 41;
inline constexpr std::size_t kGasSwitchTimeLow = 42;
inline constexpr std::size_t kCylinderStepTime = 43;
inline constexpr std::size_t kGasInjectorType = 45;
inline constexpr std::size_t kCorrectionMap = 66;  // 246 bytes
inline constexpr std::size_t kFuelFlags = 558;
// ver_2 only.
inline constexpr std::size_t kGasSwitchTimeHigh = 561;
inline constexpr std::size_t kInjectorCorrection1 = 562;  // eight bytes
inline constexpr std::size_t kPetrolMinRpm = 570;
inline constexpr std::size_t kPetrolMinTemp = 571;
// The stored-error register moves by the 14 bytes ver_2 inserts ahead of it.
inline constexpr std::size_t kErrorRegisterVer1 = 561;
inline constexpr std::size_t kErrorRegisterVer2 = 575;
inline constexpr std::size_t kServiceRecord = 615;       // 64 bytes
inline constexpr std::size_t kServiceRecordFlags = 756;  // the record's 65th byte
inline constexpr std::size_t kWriteBack = 21;
}  // namespace offsets

inline constexpr std::size_t kCorrectionMapPoints = 246;
inline constexpr std::size_t kErrorRegisterLength = 40;
inline constexpr std::size_t kServiceImageLength = 65;
inline constexpr std::size_t kServiceRecordHeadLength = 64;
inline constexpr std::size_t kWriteBackLengthVer1 = 540;
inline constexpr std::size_t kWriteBackLengthVer2 = 554;
inline constexpr int kInjectorCount = 8;
inline constexpr int kLevelThresholdCount = 4;
// Per-injector corrections are stored with this offset so that they fit a byte.
inline constexpr int kCorrectionBias = 128;
// Level thresholds are stored as volts × 51 (255 = 5.00 V).
inline constexpr double kLevelCountsPerVolt = 51.0;

using CorrectionPoints = std::array<std::uint8_t, kCorrectionMapPoints>;

// One entry of the stored-error register.
struct StoredError {
    enum class Kind { Message, Injector };
    Kind kind = Kind::Message;
    // Message: the language-table row of its text.
    int langRow = -1;
    // Injector: the mask in which a clear bit n names injector n+1 as faulty;
    // nullopt when the mask byte lies beyond the bytes held.
    std::optional<std::uint8_t> injectorMask;
    friend bool operator==(const StoredError&, const StoredError&) = default;
};

// Language-table row of the text for a one-byte error code, nullopt for an empty slot.
std::optional<int> errorCodeLangRow(std::uint8_t code);

class SettingsBlock {
public:
    // ---- The bytes --------------------------------------------------------
    void replace(Bytes block) { bytes_ = std::move(block); }
    std::size_t length() const { return bytes_.size(); }
    bool empty() const { return bytes_.empty(); }
    const Bytes& bytes() const { return bytes_; }
    std::optional<std::uint8_t> byteAt(std::size_t offset) const;
    // Changes the tool's own copy; refuses (false) an offset beyond the bytes held.
    bool patch(std::size_t offset, std::uint8_t value);

    // ---- Header and trailer ------------------------------------------------
    std::optional<int> frameLength() const;
    std::optional<std::uint8_t> answeredCommand() const;
    std::optional<std::array<std::uint8_t, 3>> firmwareVersion() const;
    // The answer's trailing byte: the last byte held.
    std::optional<std::uint8_t> checkByte() const;

    // ---- Settings of both firmware variants -------------------------------
    std::optional<std::uint8_t> injectorMask() const { return byteAt(offsets::kInjectorMask); }
    std::optional<std::uint8_t> pulseSource() const { return byteAt(offsets::kPulseSource); }
    std::optional<std::uint8_t> cylinderCode() const { return byteAt(offsets::kCylinderCode); }
    std::optional<int> gasSwitchRpm() const { return scaled(offsets::kGasSwitchRpm, 100); }
    std::optional<int> petrolMaxRpm() const { return scaled(offsets::kPetrolMaxRpm, 100); }
    // n = 1..4, in volts.
    std::optional<double> levelThreshold(int n) const;
    std::optional<std::uint8_t> levelSensorType() const { return byteAt(offsets::kLevelSensorType); }
    std::optional<std::uint8_t> reducerTempSensor() const { return byteAt(offsets::kReducerTempSensor); }
    std::optional<std::uint8_t> gasTempSensor() const { return byteAt(offsets::kGasTempSensor); }
    std::optional<std::uint8_t> mapSensorType() const { return byteAt(offsets::kMapSensorType); }
    std::optional<std::uint8_t> signalFlags() const { return byteAt(offsets::kSignalFlags); }
    std::optional<int> rpmSignalHigh() const { return bit(offsets::kSignalFlags, 1); }       // Sel_RPM_signal item
    std::optional<int> engineTurbo() const { return bit(offsets::kSignalFlags, 3); }         // Sel_Typ_silnika item
    std::optional<int> chartOption() const { return bit(offsets::kSignalFlags, 6); }         // wykres_CheckBox
    std::optional<int> positiveInjectors() const { return bit(offsets::kSignalFlags, 7); }   // Check_Injector_plus
    std::optional<int> gasSwitchTemp() const { return scaled(offsets::kGasSwitchTemp, 1); }  // °C
    std::optional<double> workPressure() const { return hundredths(offsets::kWorkPressure); }
    std::optional<double> minPressure() const { return hundredths(offsets::kMinPressure); }
    std::optional<int> petrolSwitchDelay() const { return scaled(offsets::kPetrolSwitchDelay, 10); }  // ms
    // The change-over time in half-seconds: one byte in ver_1, sixteen bits in
    // ver_2; nullopt with no firmware variant.
    std::optional<int> gasSwitchHalfSeconds(FirmwareVariant variant) const;
    std::optional<double> gasSwitchSeconds(FirmwareVariant variant) const;
    std::optional<int> cylinderStepTime() const { return scaled(offsets::kCylinderStepTime, 10); }  // ms
    std::optional<std::uint8_t> gasInjectorType() const { return byteAt(offsets::kGasInjectorType); }
    std::optional<CorrectionPoints> correctionMap() const;
    std::optional<std::uint8_t> fuelFlags() const { return byteAt(offsets::kFuelFlags); }
    std::optional<int> switchAtFirstPressureDrop() const { return bit(offsets::kFuelFlags, 0); }  // Check_by_first
    std::optional<int> fuelIsCng() const { return bit(offsets::kFuelFlags, 1); }

    // ---- ver_2 settings (ver_1 keeps its error register there) -------------
    // n = 1..8, the correction itself (stored + 128).
    std::optional<int> injectorCorrection(int n) const;
    std::optional<int> petrolMinRpm() const { return scaled(offsets::kPetrolMinRpm, 100); }
    // °C, a two's-complement byte.
    std::optional<int> petrolMinTemp() const;

    // ---- Regions other parts read -------------------------------------------
    // Any variant but ver_2 reads the register at the ver_1 position.
    static std::size_t errorRegisterOffset(FirmwareVariant variant);
    // The stored errors in register order; nullopt unless the whole register is held.
    std::optional<std::vector<StoredError>> storedErrors(FirmwareVariant variant) const;
    // Bytes 615..678 followed by byte 756, as a service answer carries them.
    std::optional<Bytes> serviceImage() const;
    // The settings the file load writes back: 540 bytes for ver_1, 554 for ver_2.
    std::optional<Bytes> writeBackSlice(FirmwareVariant variant) const;
    // What the settings file stores: offsets 4 up to the byte before the check byte.
    std::optional<Bytes> fileBody() const;

private:
    std::optional<int> scaled(std::size_t offset, int factor) const;
    std::optional<double> hundredths(std::size_t offset) const;
    std::optional<int> bit(std::size_t offset, int n) const;
    std::optional<Bytes> slice(std::size_t offset, std::size_t count) const;

    Bytes bytes_;
};

}  // namespace qavi::config
