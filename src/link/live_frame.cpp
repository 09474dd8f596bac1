#include "link/live_frame.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "ui/form/value_format.h"

namespace qavi::link {

namespace {

// Offsets in the answer, counted from the start byte.
constexpr std::size_t kStatus = 4;
constexpr std::size_t kFuel = 5;
constexpr std::array<std::size_t, 8> kPetrolTime{6, 8, 10, 12, 14, 16, 51, 53};  // low byte first
constexpr std::size_t kGasTime = 18;                                             // 3 bytes, high first
constexpr std::size_t kEngineSpeed = 21;
constexpr std::size_t kLambda1 = 22;
constexpr std::size_t kGasPressure = 23;       // high first
constexpr std::size_t kManifoldPressure = 25;  // high first
constexpr std::size_t kBattery = 29;
constexpr std::size_t kTankVoltage = 30;
constexpr std::size_t kTankLevel = 31;
constexpr std::size_t kReducerTemperature = 32;
constexpr std::size_t kGasTemperature = 33;
constexpr std::size_t kErrorFlagsA = 34;
constexpr std::size_t kInjectorErrorFlags = 35;
constexpr std::size_t kSampleIndex = 36;
constexpr std::size_t kLastSample = 46;
constexpr std::size_t kLearnedStateCode = 47;
constexpr std::size_t kErrorFlagsB = 48;
constexpr std::size_t kLambda2 = 55;

constexpr double kVoltsPerStep = 0.0196;
// A probe reading above this is a wide-band probe: its bar's scale opens to 5 V.
constexpr double kNarrowLambdaLimit = 1.21;
constexpr double kWideLambdaScale = 5.0;

// Reads a frame by offset; a field that is not wholly inside the bytes held is absent.
class FrameView {
public:
    explicit FrameView(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool holds(std::size_t offset, std::size_t width = 1) const {
        return offset < bytes_.size() && width <= bytes_.size() - offset;
    }
    std::optional<unsigned> byte(std::size_t offset) const {
        if (!holds(offset)) return std::nullopt;
        return bytes_[offset];
    }
    std::optional<unsigned> lowFirst16(std::size_t offset) const {
        if (!holds(offset, 2)) return std::nullopt;
        return bytes_[offset] + 256u * bytes_[offset + 1];
    }
    std::optional<unsigned> highFirst16(std::size_t offset) const {
        if (!holds(offset, 2)) return std::nullopt;
        return 256u * bytes_[offset] + bytes_[offset + 1];
    }
    std::optional<unsigned> highFirst24(std::size_t offset) const {
        if (!holds(offset, 3)) return std::nullopt;
        return 65536u * bytes_[offset] + 256u * bytes_[offset + 1] + bytes_[offset + 2];
    }

private:
    std::span<const std::uint8_t> bytes_;
};

int signedByte(unsigned b) { return b >= 128 ? static_cast<int>(b) - 256 : static_cast<int>(b); }

// The battery gauge holds the voltage as the four-digit text shows it, so
// that what is read from the gauge matches what the user sees.
double batteryVolts(unsigned b) {
    const double volts = b * 23.0 / 375.0 + 0.7;
    const std::string text = ui::formatFixed(volts, 4, 2, '.');
    double shown = volts;
    std::from_chars(text.data(), text.data() + text.size(), shown);
    return shown;
}

// Ratio of gas to petrol injection time, from cylinder 1 and its correction.
double gasToPetrolRatio(double gasMs, double petrolMs, double correction) {
    double ratio = 0.0;
    if (petrolMs > 0) ratio = 128.0 * gasMs / (petrolMs * (correction * 100.0 / 128.0 + 128.0));
    ratio /= correction / 1100.0 + 1.0;
    // Corrections are clipped to -20..20, so the divisors stay well above zero;
    // keep a bad value off the bars all the same.
    return std::isfinite(ratio) ? ratio : 0.0;
}

void showLambda(ui::DisplayGauge& bar, std::optional<unsigned> b) {
    if (!b) return;
    bar.setValue(*b * kVoltsPerStep);
    // Never narrowed again: a probe that once read wide stays on the wide scale.
    if (bar.value() > kNarrowLambdaLimit) bar.setValueTo(kWideLambdaScale);
}

// Sets the gauge only when the frame holds its field.
void showIf(ui::DisplayGauge& gauge, std::optional<double> value) {
    if (value) gauge.setValue(*value);
}

// Restores the flag on leaving, also when a hook throws.
class DecodingScope {
public:
    explicit DecodingScope(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~DecodingScope() { flag_ = before_; }
    DecodingScope(const DecodingScope&) = delete;
    DecodingScope& operator=(const DecodingScope&) = delete;

private:
    bool& flag_;
    bool before_;
};

}  // namespace

LiveDashboard::LiveDashboard(ui::Form& form, calibration::LearnedSamples& samples, ControllerErrors& errors,
                             VariantSource firmwareVariant)
    : form_(form), samples_(samples), errors_(errors), firmwareVariant_(std::move(firmwareVariant)) {}

void LiveDashboard::DecodeLiveFrame(std::span<const std::uint8_t> bytes) {
    // Six bytes carry the status and fuel flags: anything shorter is no frame at all.
    if (bytes.size() <= kFuel) return;
    const FrameView frame(bytes);
    const DecodingScope scope(decoding_);
    ui::Form& f = form_;

    // Lambda probes.
    showLambda(f.lambda_1, frame.byte(kLambda1));
    showLambda(f.lambda_2, frame.byte(kLambda2));

    // Engine speed: the dial in thousands, the indicator in rpm.
    if (const auto rpm = frame.byte(kEngineSpeed)) {
        f.RPM_zegar.setValue(*rpm / 10.0);
        f.RPM_Edit.setValue(*rpm * 100.0);
    }

    if (const auto b = frame.byte(kBattery)) f.BATERY_vpp.setValue(batteryVolts(*b));

    if (const auto b = frame.byte(kReducerTemperature)) f.TempWoda.setValue(signedByte(*b));
    if (const auto b = frame.byte(kGasTemperature)) f.TempGaz.setValue(signedByte(*b));

    // Pressures: MAP in kPa, P1 in hundredths of a bar.
    if (const auto map = frame.highFirst16(kManifoldPressure)) {
        f.Slala_P_MAP.setValue(*map);
        f.P_MAP_edit.setValue(*map);
    }
    if (const auto p1 = frame.highFirst16(kGasPressure)) {
        f.Skala_P1_MAP.setValue(*p1 / 100.0);
        f.P1_MAP_edit.setValue(*p1 / 100.0);
    }

    // Ignition: with it off the dashboard greys out and the live readings drop to 0.
    const bool ignition = (bytes[kStatus] & 1u) != 0;
    f.Zaplon_panel.setEnabled(ignition);
    if (ignition) {
        f.paliwo_Switch.setOffColor(ui::colors::kRed);
        f.paliwo_Switch.setOnColor(ui::colors::kLime);
        f.RPM_zegar.setDialLook(0, 6);
    } else {
        f.paliwo_Switch.setOffColor(ui::colors::kButtonFace);
        f.paliwo_Switch.setOnColor(ui::colors::kButtonFace);
        f.RPM_zegar.setDialLook(300, 2);
        f.lambda_1.setValue(0);
        f.lambda_2.setValue(0);
        f.Skala_PB_time.setValue(0);
        f.Skala_LPG_time.setValue(0);
    }

    // Fuel: the switch only shows the state; marking it sends nothing.
    f.paliwo_Switch.setChecked((bytes[kFuel] & 1u) != 0);

    std::optional<double> gasMs;
    if (const auto g = frame.highFirst24(kGasTime)) gasMs = *g / 1000.0;
    showIf(f.Skala_LPG_time, gasMs);

    std::array<std::optional<double>, 8> petrolMs;
    for (std::size_t n = 0; n < petrolMs.size(); ++n) {
        if (const auto t = frame.lowFirst16(kPetrolTime[n])) petrolMs[n] = *t / 10.0;
        if (petrolMs[n] && f.cylShows[n]->checked()) f.Skala_PB_time.setValue(*petrolMs[n]);
        showIf(*f.petrolBars[n], petrolMs[n]);
    }

    // ver_1 firmware has no per-injector corrections.
    if (firmwareVariant_ && firmwareVariant_() == FirmwareVariant::Ver1) {
        for (ui::Spin* correction : f.corrections) correction->setValue(0);
    }
    std::array<double, 8> corrections{};
    for (std::size_t n = 0; n < corrections.size(); ++n) corrections[n] = f.corrections[n]->value();

    // Gas bars: cylinder 1 shows the measured gas time, the others the estimate
    // from their petrol time, the ratio of cylinder 1 and their own correction.
    // Without G and T1 there is no ratio, so the bars keep what they show.
    if (gasMs && petrolMs[0]) {
        const double ratio = gasToPetrolRatio(*gasMs, *petrolMs[0], corrections[0]);
        for (std::size_t n = 0; n < f.gasBars.size(); ++n) {
            if (!petrolMs[n]) continue;
            const double base = *petrolMs[n] * ratio;
            const double share = base * corrections[n] / 128.0;
            ui::DisplayGauge& bar = *f.gasBars[n];
            const double value = n == 0 ? *gasMs : base + share;
            bar.setValue(value);
            bar.setName2(corrections[n] != 0 && value != 0 ? ui::formatFixed(share, 2, 2, f.decimalSeparator())
                                                           : std::string());
        }
    }

    // Tank level: 0 is the reserve, 1 to 4 light that many lamps.
    if (const auto level = frame.byte(kTankLevel)) {
        f.rezerwa_led_gora.setChecked(*level == 0);
        f.Rezerwa_led_panel.setChecked(*level == 0);
        const std::array<bool, 4> lit{*level != 0, *level >= 2, *level >= 3, *level == 4};
        for (std::size_t i = 0; i < lit.size(); ++i) {
            f.levelLedsTop[i]->setChecked(lit[i]);
            f.levelLedsPanel[i]->setChecked(lit[i]);
        }
    }
    if (const auto b = frame.byte(kTankVoltage)) {
        f.U_zbiornika.setText(ui::formatFixed(*b * kVoltsPerStep, 3, 2, f.decimalSeparator()));
    }

    if (hooks.feedOscilloscope) hooks.feedOscilloscope();

    // The three flag bytes describe one state; a frame cut short of any of
    // them leaves the list as the last whole frame showed it.
    const auto flagsA = frame.byte(kErrorFlagsA);
    const auto injectorFlags = frame.byte(kInjectorErrorFlags);
    const auto flagsB = frame.byte(kErrorFlagsB);
    if (flagsA && injectorFlags && flagsB) {
        errors_.ShowControllerErrors(static_cast<std::uint8_t>(*flagsA), static_cast<std::uint8_t>(*injectorFlags),
                                     static_cast<std::uint8_t>(*flagsB));
    }

    // Learned samples come as a set from one index: all of it or nothing.
    if (frame.holds(kSampleIndex, kLastSample - kSampleIndex + 1)) {
        const std::size_t k = bytes[kSampleIndex];
        using calibration::LearnedSamples;
        LearnedSamples::store(samples_.PetrolSamples, k, bytes[38]);
        LearnedSamples::store(samples_.PetrolSamples, k + 1, bytes[40]);
        LearnedSamples::store(samples_.PetrolSamples, k + 2, bytes[41]);
        LearnedSamples::store(samples_.GasSamples, k + 2, bytes[42]);
        LearnedSamples::store(samples_.GasSamples, k + 3, bytes[44]);
        LearnedSamples::store(samples_.GasSamples, k + 4, bytes[46]);
        samples_.sampleIndex = bytes[kSampleIndex];
    }

    if (const auto code = frame.byte(kLearnedStateCode); code && hooks.TrackOperatingPoint) {
        hooks.TrackOperatingPoint(static_cast<std::uint8_t>(*code));
    }

    if (hooks.recordAdaptation && frame.holds(kLambda2)) {
        std::array<std::uint8_t, kAdaptationChannelOffsets.size()> channels{};
        for (std::size_t i = 0; i < channels.size(); ++i) channels[i] = bytes[kAdaptationChannelOffsets[i]];
        hooks.recordAdaptation(bytes[kSampleIndex], channels);
    }
}

}  // namespace qavi::link
