#pragma once

// The simulated controller itself: its configuration memory, its service
// record, its active errors and a small engine model, driven by an explicit
// simulated time. It knows nothing of bytes on a wire: it takes one checked
// request (code and payload) and builds the unscrambled answer.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "link/controller_contract.h"
#include "sim/settings_image.h"

namespace qavi::sim {

struct ModelOptions {
    link::FirmwareVersion firmware = link::kVer2Version;
    // Warm-up and change-over timers run this many times faster (demos).
    double timeScale = 1.0;
    std::uint64_t seed = 1;
    // Faults of the identification: a version other than the one the
    // controller runs, and a version check byte that does not match.
    std::optional<link::FirmwareVersion> reportedVersion;
    bool wrongVersionCheck = false;
};

// The controller's present faults as the live frame carries them (active low).
struct ActiveErrors {
    std::uint8_t flagsA = 0xFF;
    std::uint8_t injectors = 0xFF;
    std::uint8_t flagsB = 0xFF;
};

class ControllerModel {
public:
    explicit ControllerModel(ModelOptions options = {});

    link::FirmwareVariant variant() const { return variant_; }
    const ModelOptions& options() const { return options_; }

    // Moves the engine model on to this time (milliseconds, any origin; the
    // first call sets the origin). Time never runs backwards.
    void advanceTo(std::int64_t nowMs);
    std::int64_t nowMs() const { return nowMs_; }

    // The answer to one complete request, or nullopt when the controller keeps
    // quiet. Unknown codes are acknowledged with a live frame and change nothing.
    std::optional<Bytes> answer(std::uint8_t code, std::span<const std::uint8_t> payload);

    // The settings memory as the next settings answer would carry it (code 0x66).
    Bytes settingsAnswer(std::uint8_t code = link::kReadSettingsCode) const;
    // The configuration memory with the firmware's true version, for keeping between runs.
    Bytes settingsMemory() const;
    Bytes liveFrame(std::uint8_t code);
    // The 65 service-record bytes.
    Bytes serviceRecord() const;

    // Replaces the configuration memory with a block kept from an earlier run.
    // The block must be a whole settings answer of this firmware; otherwise
    // nothing changes and the reason is returned.
    std::optional<std::string> restoreSettings(std::span<const std::uint8_t> block);

    void setActiveErrors(const ActiveErrors& errors);
    const ActiveErrors& activeErrors() const { return errors_; }

    // Read-outs of the engine model for tests and the demo.
    bool onGas() const { return onGas_; }
    double reducerTemperature() const { return reducerTemp_; }
    int engineRpm() const;
    // True when a command since the last call changed the configuration memory
    // (the pty front end then writes its state file).
    bool takeSettingsChanged();

private:
    void applyCommand(std::uint8_t code, std::span<const std::uint8_t> payload);
    void stepEngine(std::int64_t stepMs);
    std::uint8_t& at(int offset) { return block_[static_cast<std::size_t>(offset)]; }
    std::uint8_t at(int offset) const { return block_[static_cast<std::size_t>(offset)]; }
    void setBit(int offset, std::uint8_t bit, bool on);
    int gasSwitchSeconds() const;
    int cylinders() const;
    int mapMultiplier(int petrolTenths) const;
    void recordStoredError(std::uint8_t entry, std::optional<std::uint8_t> mask);

    ModelOptions options_;
    link::FirmwareVariant variant_;
    Bytes block_;  // the whole settings answer, header and check byte included
    ActiveErrors errors_;
    bool settingsChanged_ = false;

    // Engine model.
    bool started_ = false;
    std::int64_t originMs_ = 0;
    std::int64_t nowMs_ = 0;
    std::int64_t engineMs_ = 0;  // real time since ignition
    double warmSeconds_ = 0.0;   // scaled time since ignition
    double reducerTemp_ = 15.0;
    double gasTemp_ = 15.0;
    bool onGas_ = false;
    bool petrolForced_ = false;
    bool rpmThresholdSeen_ = false;
    double runningHalfSecondsCarry_ = 0.0;
    double tankLevelVolts_ = 2.45;
    std::uint8_t sampleIndex_ = 0;
    std::array<std::uint8_t, 256> petrolLearned_{};
    std::array<std::uint8_t, 256> gasLearned_{};
};

}  // namespace qavi::sim
