#include "config/settings_view.h"

#include <string>

#include "config/code_tables.h"
#include "ui/form/value_format.h"

namespace qavi::config {

namespace {

// Lowered again however render() is left.
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = false; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& flag_;
};

// No selection first, then the item for the code: a code the window does not
// offer leaves the box empty. A field the block does not hold leaves it alone.
void selectByCode(ui::ComboBox& combo, const CodeTable& table, std::optional<std::uint8_t> code) {
    if (!code) return;
    combo.setItemIndex(ui::ComboBox::kNone);
    combo.setItemIndex(table.itemOf(*code).value_or(ui::ComboBox::kNone));
}

void setIfHeld(ui::InputControl& control, std::optional<double> value) {
    if (value) control.setValue(*value);
}

void setIfHeld(ui::InputControl& control, std::optional<int> value) {
    if (value) control.setValue(*value);
}

// The programmatic check of these boxes reaches their click handlers; the
// caption tells the handlers to leave it alone.
void setGuardedCheckBox(ui::CheckBox& box, std::optional<int> bit) {
    if (!bit) return;
    box.setCaption(kRenderingCaption);
    box.setChecked(*bit != 0);
    box.setCaption("");
}

constexpr int kFirstOptionalCylinder = 3;  // LED 4 (index 3) onwards depends on the count

}  // namespace

void applyEngineTypeAxis(ui::Form& form, int engineTypeItem) {
    if (engineTypeItem != 0 && engineTypeItem != 1) return;
    const double maximum = engineTypeItem == 1 ? 256 : 100;
    form.Chart1.setRightAxisMaximum(maximum);
    form.Chart2.setRightAxisMaximum(maximum);
}

SettingsView::SettingsView(ui::Form& form, const SettingsBlock& block, const link::LinkControl& link,
                           const ui::LangTable& lang)
    : form_(form), block_(block), link_(link), lang_(lang) {}

void SettingsView::renderCylinders() {
    for (std::size_t i = kFirstOptionalCylinder; i < kInjectorCount; ++i) {
        form_.cylShows[i]->setEnabled(true);
        form_.cylLeds[i]->setEnabled(true);
        form_.cylLeds[i]->setOffColor(ui::colors::kGrey);
    }
    selectByCode(form_.Sel_cyl, cylinderCodes(), block_.cylinderCode());

    // With no selection nothing is marked: LEDs 1..3 keep their off colour.
    const auto present = cylindersForItem(form_.Sel_cyl.itemIndex());
    if (!present) return;
    for (std::size_t i = 0; i < kInjectorCount; ++i) {
        if (static_cast<int>(i) < *present) {
            form_.cylLeds[i]->setOffColor(ui::colors::kRed);
        } else {
            form_.cylShows[i]->setEnabled(false);
            form_.cylLeds[i]->setEnabled(false);
        }
    }
}

std::string SettingsView::storedErrorsText(const std::vector<StoredError>& entries, const ui::LangTable& lang) {
    std::string text;
    int line = 1;
    for (const StoredError& entry : entries) {
        text += std::to_string(line++);
        text += lang.text(entry.langRow);
        if (entry.kind == StoredError::Kind::Injector && entry.injectorMask) {
            for (int b = 0; b < kInjectorCount; ++b) {
                if ((*entry.injectorMask & (1u << b)) == 0) text += " " + std::to_string(b + 1);
            }
        }
        text += "\r\n";
    }
    return text;
}

void SettingsView::renderStoredErrors(FirmwareVariant variant) {
    const auto entries = block_.storedErrors(variant);
    if (!entries) return;
    form_.Register_errors_memo.clear();
    form_.Register_errors_memo.append(storedErrorsText(*entries, lang_));
}

void SettingsView::render() {
    const ScopedFlag guard(rendering_);
    const FirmwareVariant variant = link_.firmwareVariant();

    renderCylinders();
    selectByCode(form_.Sel_Impuls, pulseSourceCodes(), block_.pulseSource());

    if (const auto high = block_.rpmSignalHigh()) form_.Sel_RPM_signal.setItemIndex(*high);
    if (const auto turbo = block_.engineTurbo()) form_.Sel_Typ_silnika.setItemIndex(*turbo);
    applyEngineTypeAxis(form_, form_.Sel_Typ_silnika.itemIndex());

    selectByCode(form_.Sel_Typ_wtrysku, gasInjectorCodes(), block_.gasInjectorType());
    setGuardedCheckBox(form_.Check_Injector_plus, block_.positiveInjectors());
    if (const auto chart = block_.chartOption()) form_.wykres_CheckBox.setCheckedSilently(*chart != 0);
    setGuardedCheckBox(form_.Check_by_first, block_.switchAtFirstPressureDrop());

    if (const auto cng = block_.fuelIsCng()) {
        // Checking a radio button runs its click handler; the tag tells it the view is at work.
        form_.LPG_RadioButton.setTag(1);
        form_.LPG_RadioButton.setChecked(*cng == 0);
        form_.CNG_RadioButton.setChecked(*cng != 0);
        form_.LPG_RadioButton.setTag(0);
    }

    if (const auto mask = block_.injectorMask()) {
        for (std::size_t i = 0; i < kInjectorCount; ++i) form_.cylLeds[i]->setChecked(((*mask >> i) & 1) != 0);
    }

    setIfHeld(form_.P_pracy_changer, block_.workPressure());
    setIfHeld(form_.P_min_changer, block_.minPressure());
    selectByCode(form_.P1_MAP_changer, mapSensorCodes(), block_.mapSensorType());
    selectByCode(form_.T_RED_changer, temperatureSensorCodes(), block_.reducerTempSensor());
    selectByCode(form_.T_GAZ_changer, temperatureSensorCodes(), block_.gasTempSensor());

    setIfHeld(form_.RPM_Max_To_Petrol, block_.petrolMaxRpm());
    setIfHeld(form_.T_zwloki_changer, block_.petrolSwitchDelay());
    setIfHeld(form_.Temp_LPG_changer, block_.gasSwitchTemp());
    setIfHeld(form_.RPM_Prog_przel, block_.gasSwitchRpm());
    // With no firmware variant the dial keeps its value.
    setIfHeld(form_.T_przel_to_LPG, block_.gasSwitchSeconds(variant));

    if (const auto step = block_.cylinderStepTime()) {
        form_.T_CYL_seqence.setValue(*step);
        // The box follows the value the dial shows, after clipping.
        form_.Full_group_CheckBox.setCheckedSilently(form_.T_CYL_seqence.value() == 0);
    }

    selectByCode(form_.Rodz_czuj_LPG, levelSensorCodes(), block_.levelSensorType());
    for (int n = 1; n <= kLevelThresholdCount; ++n) {
        if (const auto volts = block_.levelThreshold(n)) {
            form_.levelThresholds[static_cast<std::size_t>(n - 1)]->setText(
                ui::formatFixed(*volts, 3, 2, form_.decimalSeparator()));
        }
    }

    renderStoredErrors(variant);

    // The ver_2 fields are filled for ver_1 too: their controls are hidden there.
    setIfHeld(form_.RPM_Min_To_Petrol, block_.petrolMinRpm());
    setIfHeld(form_.Min_Temp_Petrol_changer, block_.petrolMinTemp());
    for (int n = 1; n <= kInjectorCount; ++n) {
        if (const auto correction = block_.injectorCorrection(n)) {
            form_.corrections[static_cast<std::size_t>(n - 1)]->setValue(*correction);
        }
    }

    if (onCorrectionMap) {
        if (const auto points = block_.correctionMap()) onCorrectionMap(*points);
    }
    if (onServiceImage) {
        if (const auto image = block_.serviceImage()) onServiceImage(*image);
    }
}

}  // namespace qavi::config
