#pragma once

// The live dashboard: each answer to the poll (and to every parameter command
// the controller acknowledges) is one snapshot of the engine and the gas
// system, decoded here into the gauges, the error list, the learned samples
// and the hand-overs to the map view, the oscilloscope and the adaptation.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "calibration/learned_samples.h"
#include "link/controller_contract.h"
#include "link/controller_errors.h"
#include "ui/form/form.h"

namespace qavi::link {

// Where the adaptation takes its nine channels from, in the order it keeps them:
// P1 low byte, MAP low byte, petrol time of cylinder 1 (low byte), the
// adaptation sample, gas and reducer temperature, both lambda probes, engine speed.
inline constexpr std::array<std::size_t, 9> kAdaptationChannelOffsets{24, 26, 6, 28, 33, 32, 22, 55, 21};

// What later parts plug into the decoder; an unset hook is skipped.
struct LiveDashboardHooks {
    // One new point per frame for the oscilloscope, read from the gauges just set.
    std::function<void()> feedOscilloscope;
    // The learned-curve state code (offset 47); the gauges of this frame are set by then.
    std::function<void(std::uint8_t stateCode)> TrackOperatingPoint;
    // Sample index k and the nine adaptation channels; the adaptation ignores them while idle.
    std::function<void(std::uint8_t k, const std::array<std::uint8_t, 9>& channels)> recordAdaptation;
};

class LiveDashboard {
public:
    using VariantSource = std::function<FirmwareVariant()>;

    LiveDashboard(ui::Form& form, calibration::LearnedSamples& samples, ControllerErrors& errors,
                  VariantSource firmwareVariant);

    LiveDashboardHooks hooks;

    // Decodes one answer, header included. Five bytes or fewer change nothing;
    // a shorter answer than a full frame updates only what it holds.
    void DecodeLiveFrame(std::span<const std::uint8_t> frame);

    // True while a frame is being decoded. The correction spins' change handler
    // checks it: the decoder zeroes them for ver_1 firmware, and that must not
    // go to the controller as a user's change.
    bool decoding() const { return decoding_; }

private:
    ui::Form& form_;
    calibration::LearnedSamples& samples_;
    ControllerErrors& errors_;
    VariantSource firmwareVariant_;
    bool decoding_ = false;
};

}  // namespace qavi::link
