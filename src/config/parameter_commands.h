#pragma once

// The handlers behind the settings controls: each turns the fitter's change
// into a short command for the controller and hands it to the link's queue.
// They react to the user only; the settings view's own changes are recognised
// by the marks it leaves (the check boxes' caption, the LPG button's tag, the
// render guard for the correction spins).

#include <cstdint>
#include <functional>

#include "config/settings_block.h"
#include "config/settings_view.h"
#include "link/link_control.h"
#include "platform/dialogs.h"
#include "ui/form/form.h"
#include "ui/lang/lang_table.h"

namespace qavi::config {

// Every handler that queues a command sets this budget right before.
inline constexpr int kCommandRetryBudget = 5;

namespace codes {
inline constexpr std::uint8_t kFuel = 0x03;
inline constexpr std::uint8_t kFuelPetrol = 0x02;
inline constexpr std::uint8_t kFuelGas = 0x03;
inline constexpr std::uint8_t kGasSwitchRpm = 0x09;
inline constexpr std::uint8_t kPulseSource = 0x0A;
inline constexpr std::uint8_t kInjectorType = 0x0E;
inline constexpr std::uint8_t kGasSwitchTemp = 0x0F;
inline constexpr std::uint8_t kPetrolMaxRpm = 0x11;
inline constexpr std::uint8_t kMapSensor = 0x12;
inline constexpr std::uint8_t kReducerTempSensor = 0x13;
inline constexpr std::uint8_t kRpmSignal = 0x17;
inline constexpr std::uint8_t kGasTempSensor = 0x18;
inline constexpr std::uint8_t kCylinders = 0x1B;
inline constexpr std::uint8_t kMinPressure = 0x1E;
inline constexpr std::uint8_t kPetrolSwitchDelay = 0x1F;
inline constexpr std::uint8_t kEngineType = 0x21;
inline constexpr std::uint8_t kGasSwitchTime = 0x22;
inline constexpr std::uint8_t kCylinderStepTime = 0x23;
inline constexpr std::uint8_t kInjectorTypeSecond = 0x24;
inline constexpr std::uint8_t kAdaptationStart = 0x25;
inline constexpr std::uint8_t kFactoryReset = 0x26;
inline constexpr std::uint8_t kMapSensorSecond = 0x27;
inline constexpr std::uint8_t kWorkPressure = 0x2B;
inline constexpr std::uint8_t kPositiveInjectors = 0x2D;
inline constexpr std::uint8_t kSwitchAtFirstDrop = 0x2E;
inline constexpr std::uint8_t kInjectorTypeThird = 0x30;
inline constexpr std::uint8_t kPetrolMinRpm = 0x36;
inline constexpr std::uint8_t kPetrolMinTemp = 0x37;
inline constexpr std::uint8_t kFuelKind = 0x43;
inline constexpr std::uint8_t kInjectorCorrections = 0x44;
inline constexpr std::uint8_t kMapSensorPayload = 0x04;
}  // namespace codes

// A number as one payload byte: rounded halves to even, then modulo 256.
std::uint8_t payloadByte(double value);

class ParameterCommands {
public:
    ParameterCommands(ui::Form& form, SettingsBlock& block, SettingsView& view, link::LinkControl& link,
                      const ui::LangTable& lang, platform::Dialogs& dialogs);

    // Connects every handler below to its control's event.
    void bind();

    // Who asked for a fuel change-over.
    enum class Sender { None, Button_start, paliwo_Switch };

    // The adaptation's step (0 = its first); -1 while there is no adaptation.
    std::function<int()> adaptationState;
    // True while another part of the window sets the controls by code (the live
    // decoder zeroes the corrections for ver_1); such changes are not sent.
    std::function<bool()> settingByCode;

    // ---- Combo boxes (selection changed by the user) -------------------------
    void Sel_cylChange();
    void Sel_ImpulsChange();
    void Sel_RPM_signalChange();
    void Sel_Typ_silnikaChange();
    void Sel_Typ_wtryskuChange();
    void P1_MAP_changerChange();
    void T_RED_changerChange();
    void T_GAZ_changerChange();

    // ---- Sliders and dials (released by the user after a change) --------------
    void P_pracy_changerValueChanged();
    void P_min_changerValueChanged();
    void RPM_Prog_przelValueChanged();
    void Temp_LPG_changerValueChanged();
    void T_przel_to_LPGValueChanged();
    void T_CYL_seqenceValueChanged();
    void RPM_Max_To_PetrolValueChanged();
    void RPM_Min_To_PetrolValueChanged();
    void T_zwloki_changerValueChanged();
    void Min_Temp_Petrol_changerValueChanged();

    // ---- Spins, check boxes, radio buttons, LEDs, menu -----------------------
    void kor_X_Change();
    void Check_Injector_plusClick();
    void Check_by_firstClick();
    void Full_group_CheckBoxClick();
    void LPG_CNG_RadioButtonClick();
    void paliwo_SwitchClick(Sender sender);
    // index 0..7: Cyl_0_led .. Cyl_7_led
    void Cyl_x_ledClick(int index);
    // index 0..7: Cyl_0_show .. Cyl_7_show
    void RadioButtonxClick(int index);
    void Reset1Click();

private:
    void queue(const Bytes& first, const Bytes& second = {}, const Bytes& third = {});
    void sendValue(std::uint8_t code, double payload);
    void sendItem(std::uint8_t code, const ui::ComboBox& combo);
    void sendTemperatureSensor(std::uint8_t code, const ui::ComboBox& combo);
    void sendGuardedCheckBox(std::uint8_t code, const ui::CheckBox& box);
    std::uint8_t ledMask() const;

    ui::Form& form_;
    SettingsBlock& block_;
    SettingsView& view_;
    link::LinkControl& link_;
    const ui::LangTable& lang_;
    platform::Dialogs& dialogs_;
};

}  // namespace qavi::config
