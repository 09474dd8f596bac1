#include "sim/controller_model.h"

#include <algorithm>
#include <cmath>

#include "sim/sim_random.h"

namespace qavi::sim {

namespace {

using link::FirmwareVariant;

constexpr std::int64_t kEngineStepMs = 100;
constexpr int kLiveFrameLength = 57;  // offsets 0..55 and a check byte
constexpr double kAmbientC = 15.0;
constexpr double kReducerHotC = 80.0;
constexpr double kReducerTauS = 240.0;
constexpr double kGasHotC = 30.0;
constexpr double kGasTauS = 600.0;
constexpr int kIdleRpm = 800;
constexpr int kRevRpm = 2400;
constexpr std::int64_t kDriveCycleMs = 20000;

// Noise channels, so that each signal wanders on its own.
enum Channel : std::uint64_t {
    kRpmNoise = 1,
    kMapNoise,
    kPressureNoise,
    kBatteryNoise,
    kMultiplierNoise,
    kPetrolNoise = 16
};

std::uint8_t u8(int v) { return static_cast<std::uint8_t>(v & 0xFF); }
std::uint8_t clampByte(long v) { return static_cast<std::uint8_t>(std::clamp<long>(v, 0, 255)); }
std::uint8_t signedByte(double celsius) {
    return static_cast<std::uint8_t>(static_cast<int>(std::clamp(std::lround(celsius), -128L, 127L)) & 0xFF);
}

Bytes answerFrame(std::uint8_t code, std::span<const std::uint8_t> body) {
    Bytes a;
    const std::size_t total = 4 + body.size() + 1;
    a.reserve(total);
    a.push_back(link::kStartByte);
    a.push_back(u8(static_cast<int>(total >> 8)));
    a.push_back(u8(static_cast<int>(total)));
    a.push_back(code);
    a.insert(a.end(), body.begin(), body.end());
    a.push_back(0);
    sealAnswer(a);
    return a;
}

// The curves a controller has learned after some driving: the petrol time (tenths
// of a ms) at which each manifold pressure occurs, for naturally aspirated load.
void seedLearnedCurves(std::array<std::uint8_t, 256>& petrol, std::array<std::uint8_t, 256>& gas) {
    for (int kpa = 0; kpa < 256; ++kpa) {
        const bool learned = kpa >= 25 && kpa <= 100;
        petrol[static_cast<std::size_t>(kpa)] = learned ? u8(20 + (kpa - 25)) : 0;
        gas[static_cast<std::size_t>(kpa)] = learned ? u8(21 + (kpa - 25) + (kpa % 3 == 0 ? 1 : 0)) : 0;
    }
}

int learnedCount(const std::array<std::uint8_t, 256>& a) {
    return static_cast<int>(std::count_if(a.begin(), a.end(), [](std::uint8_t v) { return v != 0; }));
}

}  // namespace

ControllerModel::ControllerModel(ModelOptions options)
    : options_(options), variant_(variantOf(options.firmware)), block_(fittedSettings(options.firmware)) {
    seedLearnedCurves(petrolLearned_, gasLearned_);
}

void ControllerModel::setBit(int offset, std::uint8_t bit, bool on) {
    at(offset) = on ? static_cast<std::uint8_t>(at(offset) | bit) : static_cast<std::uint8_t>(at(offset) & ~bit);
}

int ControllerModel::gasSwitchSeconds() const {
    int halfSeconds = at(offs::kGasSwitchTimeLow);
    if (variant_ == FirmwareVariant::Ver2) halfSeconds |= at(offs::kGasSwitchTimeHigh) << 8;
    return halfSeconds / 2;
}

int ControllerModel::cylinders() const {
    switch (at(offs::kCylinderCode)) {
        case 0:
            return 3;
        case 1:
            return 4;
        case 2:
            return 5;
        case 3:
            return 6;
        case 5:
            return 8;
        default:
            return 4;
    }
}

int ControllerModel::mapMultiplier(int petrolTenths) const {
    const int point = std::clamp(petrolTenths - 10 + 1, 1, offs::kMapPoints);
    return at(65 + point);
}

int ControllerModel::engineRpm() const {
    const std::int64_t phase = engineMs_ % kDriveCycleMs;
    double rpm = kIdleRpm;
    // A short blip of the throttle every cycle, so the change-over speed is reached.
    if (phase >= 12000 && phase < 13000) {
        rpm = kIdleRpm + (kRevRpm - kIdleRpm) * static_cast<double>(phase - 12000) / 1000.0;
    } else if (phase >= 13000 && phase < 16000) {
        rpm = kRevRpm;
    } else if (phase >= 16000 && phase < 17000) {
        rpm = kRevRpm - (kRevRpm - kIdleRpm) * static_cast<double>(phase - 16000) / 1000.0;
    }
    return static_cast<int>(rpm) + noiseAt(options_.seed, kRpmNoise, engineMs_ / 250, -40, 60);
}

void ControllerModel::advanceTo(std::int64_t nowMs) {
    if (!started_) {
        started_ = true;
        originMs_ = nowMs;
    }
    nowMs_ = std::max(nowMs_, nowMs);
    const std::int64_t target = nowMs_ - originMs_;
    while (engineMs_ + kEngineStepMs <= target) stepEngine(kEngineStepMs);
}

void ControllerModel::stepEngine(std::int64_t stepMs) {
    engineMs_ += stepMs;
    const double dt = static_cast<double>(stepMs) / 1000.0 * options_.timeScale;
    warmSeconds_ += dt;
    reducerTemp_ += (kReducerHotC - reducerTemp_) * (1.0 - std::exp(-dt / kReducerTauS));
    gasTemp_ += (kGasHotC - gasTemp_) * (1.0 - std::exp(-dt / kGasTauS));

    const int rpm = engineRpm();
    const bool warm = reducerTemp_ >= at(offs::kGasSwitchTemp);
    if (warm && rpm >= at(offs::kGasSwitchRpm) * 100) rpmThresholdSeen_ = true;
    if (!onGas_ && !petrolForced_ && warm && rpmThresholdSeen_ && warmSeconds_ >= gasSwitchSeconds()) {
        onGas_ = true;
    }

    // Running-time counters of the service record, in half-seconds of real time.
    runningHalfSecondsCarry_ += static_cast<double>(stepMs) / 500.0;
    const auto whole = static_cast<std::uint32_t>(runningHalfSecondsCarry_);
    runningHalfSecondsCarry_ -= whole;
    auto counter = std::span<std::uint8_t>(block_).subspan(offs::kServiceImage + (onGas_ ? 4 : 0), 4);
    putLe32(counter, getLe32(counter) + whole);

    if (onGas_) tankLevelVolts_ = std::max(0.3, tankLevelVolts_ - 0.0002 * static_cast<double>(stepMs) / 1000.0);

    // Learning: the operating point of the fuel in use fills its curve.
    const double load = std::clamp((rpm - kIdleRpm) / static_cast<double>(kRevRpm - kIdleRpm), 0.0, 1.0);
    const auto kpa = static_cast<std::size_t>(std::lround(35.0 + 15.0 * load));
    const auto tenths = u8(static_cast<int>(std::lround(30.0 + 12.0 * load)));
    (onGas_ ? gasLearned_ : petrolLearned_)[kpa] = tenths;
}

bool ControllerModel::takeSettingsChanged() {
    const bool changed = settingsChanged_;
    settingsChanged_ = false;
    return changed;
}

Bytes ControllerModel::settingsAnswer(std::uint8_t code) const {
    Bytes b = block_;
    b[3] = code;
    stampVersion(b, options_.reportedVersion.value_or(options_.firmware), options_.wrongVersionCheck);
    sealAnswer(b);
    return b;
}

Bytes ControllerModel::settingsMemory() const {
    Bytes b = block_;
    b[3] = link::kReadSettingsCode;
    stampVersion(b, options_.firmware, false);
    sealAnswer(b);
    return b;
}

Bytes ControllerModel::serviceRecord() const {
    Bytes r(block_.begin() + offs::kServiceImage, block_.begin() + offs::kServiceImage + 64);
    r.push_back(at(offs::kServiceFlags));
    return r;
}

Bytes ControllerModel::liveFrame(std::uint8_t code) {
    Bytes f(kLiveFrameLength, 0x00);
    f[0] = link::kStartByte;
    f[1] = 0;
    f[2] = u8(kLiveFrameLength);
    f[3] = code;
    const std::int64_t step = engineMs_ / kEngineStepMs;
    const std::uint64_t seed = options_.seed;

    const int rpm = engineRpm();
    const double load = std::clamp((rpm - kIdleRpm) / static_cast<double>(kRevRpm - kIdleRpm), 0.0, 1.0);
    f[4] = 0x01;  // ignition on
    f[5] = onGas_ ? 0x01 : 0x00;

    // Petrol times, tenths of a ms, low byte first; cylinders 1-6 at 6.., 7-8 at 51..
    const int basePetrol = static_cast<int>(std::lround(30.0 + 12.0 * load));
    int petrolCyl1 = basePetrol;
    for (int cyl = 0; cyl < 8; ++cyl) {
        int tenths = 0;
        if (cyl < cylinders()) {
            tenths = basePetrol + noiseAt(seed, kPetrolNoise + static_cast<std::uint64_t>(cyl), step, -1, 1);
        }
        if (cyl == 0) petrolCyl1 = tenths;
        const std::size_t o =
            cyl < 6 ? static_cast<std::size_t>(6 + 2 * cyl) : static_cast<std::size_t>(51 + 2 * (cyl - 6));
        f[o] = u8(tenths);
        f[o + 1] = u8(tenths >> 8);
    }

    // Gas time follows the map (and injector 1's correction on ver_2), in microseconds, high byte first.
    const int multiplier = mapMultiplier(petrolCyl1);
    const int correction1 = variant_ == FirmwareVariant::Ver2 ? at(offs::kInjectorCorrection1) - 128 : 0;
    const long gasUs =
        onGas_ ? std::lround(petrolCyl1 * 100.0 * multiplier / 100.0 * (128.0 + correction1) / 128.0) : 0L;
    f[18] = u8(static_cast<int>(gasUs >> 16));
    f[19] = u8(static_cast<int>(gasUs >> 8));
    f[20] = u8(static_cast<int>(gasUs));

    f[21] = clampByte(std::lround(rpm / 100.0));
    const auto lambda = [this](std::int64_t shiftMs) {
        const double phase = static_cast<double>((engineMs_ + shiftMs) % 1200) / 1200.0;
        const double tri = phase < 0.5 ? phase * 2.0 : 2.0 - phase * 2.0;
        return clampByte(std::lround((0.1 + 0.8 * tri) / 0.0196));
    };
    f[22] = lambda(0);
    f[55] = lambda(400);

    const int mapKpa = static_cast<int>(std::lround(35.0 + 15.0 * load)) + noiseAt(seed, kMapNoise, step, -1, 1);
    const int p1 = at(offs::kWorkPressure) + mapKpa + noiseAt(seed, kPressureNoise, step, -2, 2);
    f[23] = u8(p1 >> 8);
    f[24] = u8(p1);
    f[25] = u8(mapKpa >> 8);
    f[26] = u8(mapKpa);
    f[28] = clampByte(multiplier + noiseAt(seed, kMultiplierNoise, step, -2, 2));
    f[29] = clampByte(214 + noiseAt(seed, kBatteryNoise, step, -1, 1));  // about 13.8 V

    const std::uint8_t levelVolts = clampByte(std::lround(tankLevelVolts_ / 0.0196));
    f[30] = levelVolts;
    const bool falling = at(offs::kLevelSensorType) == 2 || at(offs::kLevelSensorType) == 3;
    int level = 0;
    for (int i = 0; i < 4; ++i) {
        const std::uint8_t threshold = at(offs::kLevelThreshold1 + i);
        level += falling ? (levelVolts <= threshold) : (levelVolts >= threshold);
    }
    f[31] = u8(level);
    f[32] = signedByte(reducerTemp_);
    f[33] = signedByte(gasTemp_);
    f[34] = errors_.flagsA;
    f[35] = errors_.injectors;
    f[48] = errors_.flagsB;

    // Learned samples, a window of the curves that moves on with every frame.
    const int k = sampleIndex_;
    const auto sample = [](const std::array<std::uint8_t, 256>& a, int i) {
        return i < 256 ? a[static_cast<std::size_t>(i)] : std::uint8_t{0};
    };
    f[36] = u8(k);
    f[38] = sample(petrolLearned_, k);
    f[40] = sample(petrolLearned_, k + 1);
    f[41] = sample(petrolLearned_, k + 2);
    f[42] = sample(gasLearned_, k + 2);
    f[44] = sample(gasLearned_, k + 3);
    f[46] = sample(gasLearned_, k + 4);
    sampleIndex_ = k + 3 > 252 ? 0 : u8(k + 3);
    const bool petrolCurve = learnedCount(petrolLearned_) >= 10;
    const bool gasCurve = learnedCount(gasLearned_) >= 10;
    f[47] = u8((gasCurve ? 2 : 0) | (petrolCurve ? 1 : 0));

    sealAnswer(f);
    return f;
}

std::optional<Bytes> ControllerModel::answer(std::uint8_t code, std::span<const std::uint8_t> payload) {
    switch (code) {
        case link::kIdentifyCode:  // identification (0x01) and settings read (0x00) alike
            return settingsAnswer(link::kReadSettingsCode);
        case link::kFactoryResetCode: {
            Bytes factory = factorySettings(options_.firmware);
            // The factory values replace the settings; the service record and the
            // error register are the controller's history and stay.
            const int reg = errorRegisterOffset(variant_);
            std::copy_n(block_.begin() + reg, offs::kErrorRegisterLength, factory.begin() + reg);
            std::copy_n(block_.begin() + offs::kServiceImage, 64, factory.begin() + offs::kServiceImage);
            factory[offs::kServiceFlags] = at(offs::kServiceFlags);
            block_ = std::move(factory);
            settingsChanged_ = true;
            return settingsAnswer(link::kFactoryResetCode);
        }
        case link::kServiceWriteCodeM:
            // A short write lacks the fields its bytes are placed around, so no
            // byte of it can be put in its place: acknowledged, record unchanged.
            if (payload.size() >= static_cast<std::size_t>(kServiceRecordLength)) {
                // The running times are the controller's own counters: a write
                // carries the values last read, which are already behind.
                std::copy(payload.begin() + 8, payload.begin() + 64, block_.begin() + offs::kServiceImage + 8);
                at(offs::kServiceFlags) = payload[64];
                settingsChanged_ = true;
            }
            return answerFrame(code, serviceRecord());
        case link::kServiceReadCode:
            return answerFrame(code, serviceRecord());
        default:
            applyCommand(code, payload);
            return liveFrame(code);
    }
}

void ControllerModel::applyCommand(std::uint8_t code, std::span<const std::uint8_t> p) {
    const bool ver2 = variant_ == FirmwareVariant::Ver2;
    const auto one = [&](int offset) {
        if (p.empty()) return;
        at(offset) = p[0];
        settingsChanged_ = true;
    };
    const auto flag = [&](int offset, std::uint8_t bit) {
        if (p.empty()) return;
        setBit(offset, bit, p[0] != 0);
        settingsChanged_ = true;
    };
    switch (code) {
        case 0x03:  // fuel and injector mask
            if (p.size() < 2) return;
            if (p[0] == 0x02) {
                onGas_ = false;
                petrolForced_ = true;
            } else if (p[0] == 0x03) {
                onGas_ = true;
                petrolForced_ = false;
            }
            at(offs::kInjectorMask) = p[1];
            settingsChanged_ = true;
            return;
        case 0x09:
            one(offs::kGasSwitchRpm);
            return;
        case 0x0A:
            one(offs::kPulseSource);
            return;
        case 0x0B:  // map upload
            if (p.size() < static_cast<std::size_t>(offs::kMapPoints)) return;
            std::copy_n(p.begin(), offs::kMapPoints, block_.begin() + offs::kCorrectionMap);
            settingsChanged_ = true;
            return;
        case 0x0D:  // level thresholds and sensor code
            if (p.size() < 5) return;
            std::copy_n(p.begin(), 4, block_.begin() + offs::kLevelThreshold1);
            at(offs::kLevelSensorType) = p[4];
            settingsChanged_ = true;
            return;
        case 0x0E:
            one(offs::kGasInjectorType);
            return;
        case 0x0F:
            one(offs::kGasSwitchTemp);
            return;
        case 0x10: {  // error reset: the register and the present faults
            const int reg = errorRegisterOffset(variant_);
            std::fill_n(block_.begin() + reg, offs::kErrorRegisterLength, kEmptyRegisterSlot);
            errors_ = ActiveErrors{};
            settingsChanged_ = true;
            return;
        }
        case 0x11:
            one(offs::kPetrolMaxRpm);
            return;
        case 0x12:
            one(offs::kMapSensorType);
            return;
        case 0x13:
            one(offs::kReducerTempSensor);
            return;
        case 0x17:
            flag(offs::kSignalFlags, kSignalHigh12V);
            return;
        case 0x18:
            one(offs::kGasTempSensor);
            return;
        case 0x1A: {  // settings written back from a file; a short file writes what it holds
            const std::size_t n = std::min(p.size(), static_cast<std::size_t>(writeBackLength(variant_)));
            std::copy_n(p.begin(), n, block_.begin() + offs::kWriteBackStart);
            settingsChanged_ = true;
            return;
        }
        case 0x1B: {
            if (p.empty()) return;
            static constexpr std::uint8_t kMasks[] = {0x07, 0x0F, 0x1F, 0x3F, 0x00, 0xFF};
            at(offs::kCylinderCode) = p[0];
            if (p[0] < 6 && p[0] != 4) at(offs::kInjectorMask) = kMasks[p[0]];
            settingsChanged_ = true;
            return;
        }
        case 0x1E:
            one(offs::kMinPressure);
            return;
        case 0x1F:
            one(offs::kPetrolSwitchDelay);
            return;
        case 0x21:
            flag(offs::kSignalFlags, kSignalTurbo);
            return;
        case 0x22:  // change-over time in half-seconds: one byte on ver_1, high and low on ver_2
            if (ver2 && p.size() >= 2) {
                at(offs::kGasSwitchTimeHigh) = p[0];
                at(offs::kGasSwitchTimeLow) = p[1];
                settingsChanged_ = true;
            } else if (!ver2) {
                one(offs::kGasSwitchTimeLow);
            }
            return;
        case 0x23:
            one(offs::kCylinderStepTime);
            return;
        case 0x29:
            flag(offs::kSignalFlags, kSignalPetrolMapLocked);
            return;
        case 0x2A:  // forget a learned curve: 0x01 petrol, 0x02 gas
            if (p.empty()) return;
            if (p[0] == 0x01) petrolLearned_.fill(0);
            if (p[0] == 0x02) gasLearned_.fill(0);
            return;
        case 0x2B:
            one(offs::kWorkPressure);
            return;
        case 0x2D:
            flag(offs::kSignalFlags, kSignalInjectorsPlus);
            return;
        case 0x2E:
            flag(offs::kFuelFlags, kFuelPetrolOnFirstDrop);
            return;
        case 0x43:
            flag(offs::kFuelFlags, kFuelCng);
            return;
        // On ver_1 the bytes from 561 are the error register: the ver_2-only
        // settings are acknowledged there but must not overwrite it.
        case 0x36:
            if (ver2) one(offs::kPetrolMinRpm);
            return;
        case 0x37:
            if (ver2) one(offs::kPetrolMinTemp);
            return;
        case 0x44:
            if (ver2 && p.size() >= 8) {
                std::copy_n(p.begin(), 8, block_.begin() + offs::kInjectorCorrection1);
                settingsChanged_ = true;
            }
            return;
        default:
            // Adaptation steps, injector-type companions, level set-up mode, the poll
            // and codes this controller does not know: acknowledged, nothing kept.
            return;
    }
}

void ControllerModel::recordStoredError(std::uint8_t entry, std::optional<std::uint8_t> mask) {
    const int reg = errorRegisterOffset(variant_);
    const int end = reg + offs::kErrorRegisterLength;
    int i = reg;
    while (i < end) {
        const std::uint8_t b = at(i);
        if (b >= 9) break;  // first empty slot
        i += b == 0 ? 2 : 1;
    }
    const int need = mask ? 2 : 1;
    if (i + need > end) return;  // register full: the oldest entries are kept
    at(i) = entry;
    if (mask) at(i + 1) = *mask;
    settingsChanged_ = true;
}

void ControllerModel::setActiveErrors(const ActiveErrors& errors) {
    // A fault that appears is also written to the register, as the controller does.
    for (int bit = 2; bit <= 7; ++bit) {
        const auto m = static_cast<std::uint8_t>(1u << bit);
        if ((errors.flagsA & m) == 0 && (errors_.flagsA & m) != 0) recordStoredError(u8(bit), std::nullopt);
    }
    if (errors.injectors != 0xFF && errors.injectors != errors_.injectors) recordStoredError(0x00, errors.injectors);
    if ((errors.flagsB & 0x02) == 0 && (errors_.flagsB & 0x02) != 0) recordStoredError(0x08, std::nullopt);
    errors_ = errors;
}

std::optional<std::string> ControllerModel::restoreSettings(std::span<const std::uint8_t> block) {
    if (block.size() != static_cast<std::size_t>(kSettingsAnswerLength)) {
        return "holds " + std::to_string(block.size()) + " bytes, a settings block has " +
               std::to_string(kSettingsAnswerLength);
    }
    if (block[0] != link::kStartByte || ((block[1] << 8) | block[2]) != kSettingsAnswerLength) {
        return "does not begin with a settings block header";
    }
    if (link::additiveSum(block.first(block.size() - 1)) != block.back()) {
        return "fails its check byte";
    }
    const auto& fw = options_.firmware;
    if (block[4] != fw.major || block[5] != fw.minor || block[6] != fw.patch) {
        return "belongs to firmware " + std::to_string(block[4]) + "." + std::to_string(block[5]) + "." +
               std::to_string(block[6]);
    }
    block_.assign(block.begin(), block.end());
    return std::nullopt;
}

}  // namespace qavi::sim
