#include "config/parameter_commands.h"

#include <string>

#include "config/code_tables.h"
#include "link/rounding.h"

namespace qavi::config {

std::uint8_t payloadByte(double value) {
    const long long rounded = roundHalfEven(value);
    return static_cast<std::uint8_t>(((rounded % 256) + 256) % 256);
}

ParameterCommands::ParameterCommands(ui::Form& form, SettingsBlock& block, SettingsView& view, link::LinkControl& link,
                                     const ui::LangTable& lang, platform::Dialogs& dialogs)
    : form_(form), block_(block), view_(view), link_(link), lang_(lang), dialogs_(dialogs) {}

void ParameterCommands::bind() {
    form_.Sel_cyl.onChange = [this] { Sel_cylChange(); };
    form_.Sel_Impuls.onChange = [this] { Sel_ImpulsChange(); };
    form_.Sel_RPM_signal.onChange = [this] { Sel_RPM_signalChange(); };
    form_.Sel_Typ_silnika.onChange = [this] { Sel_Typ_silnikaChange(); };
    form_.Sel_Typ_wtrysku.onChange = [this] { Sel_Typ_wtryskuChange(); };
    form_.P1_MAP_changer.onChange = [this] { P1_MAP_changerChange(); };
    form_.T_RED_changer.onChange = [this] { T_RED_changerChange(); };
    form_.T_GAZ_changer.onChange = [this] { T_GAZ_changerChange(); };

    form_.P_pracy_changer.onValueChanged = [this] { P_pracy_changerValueChanged(); };
    form_.P_min_changer.onValueChanged = [this] { P_min_changerValueChanged(); };
    form_.RPM_Prog_przel.onValueChanged = [this] { RPM_Prog_przelValueChanged(); };
    form_.Temp_LPG_changer.onValueChanged = [this] { Temp_LPG_changerValueChanged(); };
    form_.T_przel_to_LPG.onValueChanged = [this] { T_przel_to_LPGValueChanged(); };
    form_.T_CYL_seqence.onValueChanged = [this] { T_CYL_seqenceValueChanged(); };
    form_.RPM_Max_To_Petrol.onValueChanged = [this] { RPM_Max_To_PetrolValueChanged(); };
    form_.RPM_Min_To_Petrol.onValueChanged = [this] { RPM_Min_To_PetrolValueChanged(); };
    form_.T_zwloki_changer.onValueChanged = [this] { T_zwloki_changerValueChanged(); };
    form_.Min_Temp_Petrol_changer.onValueChanged = [this] { Min_Temp_Petrol_changerValueChanged(); };

    for (ui::Spin* spin : form_.corrections) spin->onChange = [this] { kor_X_Change(); };
    form_.Check_Injector_plus.onClick = [this] { Check_Injector_plusClick(); };
    form_.Check_by_first.onClick = [this] { Check_by_firstClick(); };
    form_.Full_group_CheckBox.onClick = [this] { Full_group_CheckBoxClick(); };
    form_.LPG_RadioButton.onClick = [this] { LPG_CNG_RadioButtonClick(); };
    form_.CNG_RadioButton.onClick = [this] { LPG_CNG_RadioButtonClick(); };
    form_.paliwo_Switch.onClick = [this] { paliwo_SwitchClick(Sender::paliwo_Switch); };
    for (int i = 0; i < kInjectorCount; ++i) {
        form_.cylLeds[static_cast<std::size_t>(i)]->onClick = [this, i] { Cyl_x_ledClick(i); };
        form_.cylShows[static_cast<std::size_t>(i)]->onClick = [this, i] { RadioButtonxClick(i); };
    }
    form_.Reset1.onClick = [this] { Reset1Click(); };
}

// ---- Helpers -------------------------------------------------------------------

void ParameterCommands::queue(const Bytes& first, const Bytes& second, const Bytes& third) {
    link_.setRetryBudget(kCommandRetryBudget);
    link_.QueueCommand(first, second, third);
}

void ParameterCommands::sendValue(std::uint8_t code, double payload) { queue({code, payloadByte(payload)}); }

void ParameterCommands::sendItem(std::uint8_t code, const ui::ComboBox& combo) {
    // An emptied box has no item to send; 0xFF would be taken as a setting.
    const int item = combo.itemIndex();
    if (item == ui::ComboBox::kNone) return;
    queue({code, payloadByte(item)});
}

void ParameterCommands::sendTemperatureSensor(std::uint8_t code, const ui::ComboBox& combo) {
    const auto sensor = temperatureSensorCodes().codeOf(combo.itemIndex());
    if (!sensor) return;
    queue({code, *sensor});
}

void ParameterCommands::sendGuardedCheckBox(std::uint8_t code, const ui::CheckBox& box) {
    if (box.caption() == kRenderingCaption) return;
    queue({code, static_cast<std::uint8_t>(box.checked() ? 1 : 0)});
}

std::uint8_t ParameterCommands::ledMask() const {
    std::uint8_t mask = 0;
    for (std::size_t i = 0; i < kInjectorCount; ++i) {
        if (form_.cylLeds[i]->checked()) mask = static_cast<std::uint8_t>(mask | (1u << i));
    }
    return mask;
}

// ---- Combo boxes ------------------------------------------------------------------

void ParameterCommands::Sel_cylChange() {
    if (!link_.portOpen() || block_.length() <= 10) return;
    const int item = form_.Sel_cyl.itemIndex();
    const auto code = cylinderCodes().codeOf(item);
    const auto mask = injectorMaskForCylinderItem(item);
    if (!code || !mask) return;
    queue({codes::kCylinders, *code});
    // The only change the tool makes to its own copy: the render below then
    // shows the new count's LEDs enabled and lit.
    block_.patch(offsets::kCylinderCode, *code);
    block_.patch(offsets::kInjectorMask, *mask);
    view_.render();
}

void ParameterCommands::Sel_ImpulsChange() { sendItem(codes::kPulseSource, form_.Sel_Impuls); }
void ParameterCommands::Sel_RPM_signalChange() { sendItem(codes::kRpmSignal, form_.Sel_RPM_signal); }

void ParameterCommands::Sel_Typ_silnikaChange() {
    const int item = form_.Sel_Typ_silnika.itemIndex();
    if (item == ui::ComboBox::kNone) return;
    applyEngineTypeAxis(form_, item);
    form_.Chart1.repaint();
    sendItem(codes::kEngineType, form_.Sel_Typ_silnika);
}

void ParameterCommands::Sel_Typ_wtryskuChange() {
    const auto commands = injectorTypeCommands(form_.Sel_Typ_wtrysku.itemIndex());
    if (!commands) return;
    queue({codes::kInjectorType, commands->injectorCode}, {codes::kInjectorTypeSecond, commands->second},
          {codes::kInjectorTypeThird, commands->third});
}

void ParameterCommands::P1_MAP_changerChange() {
    // The tool knows one sensor, so the same pair goes out whatever the selection.
    queue({codes::kMapSensor, codes::kMapSensorPayload}, {codes::kMapSensorSecond, codes::kMapSensorPayload});
}

void ParameterCommands::T_RED_changerChange() { sendTemperatureSensor(codes::kReducerTempSensor, form_.T_RED_changer); }
void ParameterCommands::T_GAZ_changerChange() { sendTemperatureSensor(codes::kGasTempSensor, form_.T_GAZ_changer); }

// ---- Sliders and dials --------------------------------------------------------------

void ParameterCommands::P_pracy_changerValueChanged() {
    sendValue(codes::kWorkPressure, form_.P_pracy_changer.value() * 100);
}
void ParameterCommands::P_min_changerValueChanged() {
    sendValue(codes::kMinPressure, form_.P_min_changer.value() * 100);
}
void ParameterCommands::RPM_Prog_przelValueChanged() {
    sendValue(codes::kGasSwitchRpm, form_.RPM_Prog_przel.value() / 100);
}
void ParameterCommands::Temp_LPG_changerValueChanged() {
    sendValue(codes::kGasSwitchTemp, form_.Temp_LPG_changer.value());
}
void ParameterCommands::T_CYL_seqenceValueChanged() {
    sendValue(codes::kCylinderStepTime, form_.T_CYL_seqence.value() / 10);
}
void ParameterCommands::RPM_Max_To_PetrolValueChanged() {
    sendValue(codes::kPetrolMaxRpm, form_.RPM_Max_To_Petrol.value() / 100);
}
void ParameterCommands::RPM_Min_To_PetrolValueChanged() {
    sendValue(codes::kPetrolMinRpm, form_.RPM_Min_To_Petrol.value() / 100);
}
void ParameterCommands::T_zwloki_changerValueChanged() {
    sendValue(codes::kPetrolSwitchDelay, form_.T_zwloki_changer.value() / 10);
}

void ParameterCommands::T_przel_to_LPGValueChanged() {
    const long long halfSeconds = roundHalfEven(form_.T_przel_to_LPG.value() * 2);
    const auto low = static_cast<std::uint8_t>(halfSeconds & 0xFF);
    const auto high = static_cast<std::uint8_t>((halfSeconds >> 8) & 0xFF);
    switch (link_.firmwareVariant()) {
        case FirmwareVariant::Ver1:
            queue({codes::kGasSwitchTime, low});
            break;
        case FirmwareVariant::Ver2:
            queue({codes::kGasSwitchTime, high, low});
            break;
        case FirmwareVariant::None:
            break;  // the payload's width depends on the firmware
    }
}

void ParameterCommands::Min_Temp_Petrol_changerValueChanged() {
    const double value = form_.Min_Temp_Petrol_changer.value();
    // Below zero the controller takes the two's-complement byte.
    sendValue(codes::kPetrolMinTemp, value >= 0 ? value : value + 256);
}

// ---- Spins, check boxes, radio buttons ---------------------------------------------

void ParameterCommands::kor_X_Change() {
    // Setting a spin by code reports a change like the user's: the view's own sets are not sent.
    if (view_.rendering() || (settingByCode && settingByCode())) return;
    Bytes command{codes::kInjectorCorrections};
    for (const ui::Spin* spin : form_.corrections) command.push_back(payloadByte(spin->value() + kCorrectionBias));
    queue(command);
}

void ParameterCommands::Check_Injector_plusClick() {
    sendGuardedCheckBox(codes::kPositiveInjectors, form_.Check_Injector_plus);
}
void ParameterCommands::Check_by_firstClick() { sendGuardedCheckBox(codes::kSwitchAtFirstDrop, form_.Check_by_first); }

void ParameterCommands::Full_group_CheckBoxClick() {
    // "Full Group" means no pause between cylinders; unticking it restores 200 ms.
    // Setting the dial here raises no user event, so nothing further is sent.
    if (form_.Full_group_CheckBox.checked()) {
        queue({codes::kCylinderStepTime, 0x00});
        form_.T_CYL_seqence.setValue(0);
    } else {
        queue({codes::kCylinderStepTime, 0x14});
        form_.T_CYL_seqence.setValue(200);
    }
}

void ParameterCommands::LPG_CNG_RadioButtonClick() {
    if (form_.LPG_RadioButton.tag() != 0) return;
    if (form_.LPG_RadioButton.checked()) {
        queue({codes::kFuelKind, 0x00});
    } else if (form_.CNG_RadioButton.checked()) {
        queue({codes::kFuelKind, 0x01});
    }
}

// ---- Fuel, injector LEDs, show buttons -------------------------------------------------

void ParameterCommands::paliwo_SwitchClick(Sender sender) {
    const std::uint8_t mask = ledMask();
    const Bytes toPetrol{codes::kFuel, codes::kFuelPetrol, mask};
    const Bytes toGas{codes::kFuel, codes::kFuelGas, mask};
    switch (sender) {
        case Sender::Button_start: {
            const int state = adaptationState ? adaptationState() : -1;
            if (state == 0) {
                queue({codes::kAdaptationStart}, toPetrol);
            } else {
                queue(toPetrol);
            }
            break;
        }
        case Sender::None:
            queue(toGas);
            break;
        case Sender::paliwo_Switch:
            // The switch only shows the fuel the live data reports; a click asks for the other one.
            queue(form_.paliwo_Switch.checked() ? toPetrol : toGas);
            break;
    }
}

void ParameterCommands::Cyl_x_ledClick(int index) {
    if (index < 0 || index >= kInjectorCount || !link_.portOpen()) return;
    ui::Led& led = *form_.cylLeds[static_cast<std::size_t>(index)];
    // The LEDs of absent cylinders are disabled and take no clicks.
    if (!led.enabled()) return;
    led.setChecked(!led.checked());
    // On gas the controller takes the new set of injectors at once; on petrol
    // it goes with the next change-over.
    if (form_.paliwo_Switch.checked()) paliwo_SwitchClick(Sender::None);
}

void ParameterCommands::RadioButtonxClick(int index) {
    if (index < 0 || index >= kInjectorCount) return;
    if (!form_.cylLeds[static_cast<std::size_t>(index)]->checked()) return;
    form_.Skala_PB_time.setName2("CYL " + std::to_string(index + 1));
}

void ParameterCommands::Reset1Click() {
    if (!dialogs_.question(lang_.text(10))) return;
    form_.Error_Led.setVisible(false);
    link_.setRetryBudget(kCommandRetryBudget);
    link_.enterBusyMode();
    link_.QueueCommand({codes::kFactoryReset});
}

}  // namespace qavi::config
