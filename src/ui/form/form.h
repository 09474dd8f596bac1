#pragma once

// The window's components by their names, with their design-time state. Other
// code refers to widgets as form.Sel_cyl, form.RPM_zegar, and so on.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "ui/form/widgets.h"

namespace qavi::ui {

class Form {
public:
    Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Registry of every component, in creation order (parents first).
    void registerControl(Control& c) { controls_.push_back(&c); }
    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(const std::string& name) const;

    char decimalSeparator() const { return decimalSeparator_; }
    char thousandsSeparator() const { return thousandsSeparator_; }
    void setSeparators(char decimal, char thousands) {
        decimalSeparator_ = decimal;
        thousandsSeparator_ = thousands;
    }

    static constexpr const char* kCaption = " ver. 3.03";
    static constexpr const char* kOpenDialogFilter = "*.qav  data file|*.qav";
    static constexpr const char* kSaveDialogFilter = "*.qav data file|*.qav";

private:
    std::vector<Control*> controls_;
    char decimalSeparator_ = '.';
    char thousandsSeparator_ = ',';

    void designDashboard();
    void designPetrolPage();
    void designGasPage();
    void designAdaptationPage();
    void designMapPage();
    void designErrorPage();
    void designOscilloscopePage();
    void designDiagnosticPage();
    void designSwitchPage();
    void designServicePage();
    void designInfoPages();
    void designStatusAndMenus();

public:
// Declares a component whose member name is its component name.
#define QAVI_COMPONENT(Type, name, ...) Type name{*this, #name, __VA_ARGS__}

    QAVI_COMPONENT(Window, QAVI, Kind::Window, nullptr, Rect{0, 0, 795, 590});

    // ---- Dashboard --------------------------------------------------------
    QAVI_COMPONENT(Plain, Panel1Gora, Kind::Panel, &QAVI, Rect{0, 0, 787, 517});
    QAVI_COMPONENT(DisplayGauge, BATERY_vpp, Kind::ValueIndicator, &Panel1Gora, Rect{472, 48, 81, 35});
    QAVI_COMPONENT(Plain, GroupBox6, Kind::GroupBox, &Panel1Gora, Rect{8, 3, 201, 188});
    QAVI_COMPONENT(DisplayGauge, Skala_PB_time, Kind::Bar, &GroupBox6, Rect{24, 18, 60, 140});
    QAVI_COMPONENT(DisplayGauge, Skala_LPG_time, Kind::Bar, &GroupBox6, Rect{116, 18, 60, 140});
    QAVI_COMPONENT(Plain, Label3, Kind::Label, &GroupBox6, Rect{20, 164, 80, 16});
    QAVI_COMPONENT(Plain, Label4, Kind::Label, &GroupBox6, Rect{112, 164, 80, 16});
    QAVI_COMPONENT(Plain, aaa, Kind::GroupBox, &Panel1Gora, Rect{8, 194, 201, 65});
    QAVI_COMPONENT(RadioButton, Cyl_0_show, Kind::RadioButton, &aaa, Rect{10, 16, 14, 14});
    QAVI_COMPONENT(RadioButton, Cyl_1_show, Kind::RadioButton, &aaa, Rect{33, 16, 14, 14});
    QAVI_COMPONENT(RadioButton, Cyl_2_show, Kind::RadioButton, &aaa, Rect{56, 16, 14, 14});
    QAVI_COMPONENT(RadioButton, Cyl_3_show, Kind::RadioButton, &aaa, Rect{79, 16, 14, 14});
    QAVI_COMPONENT(RadioButton, Cyl_4_show, Kind::RadioButton, &aaa, Rect{102, 16, 14, 14});
    QAVI_COMPONENT(RadioButton, Cyl_5_show, Kind::RadioButton, &aaa, Rect{125, 16, 14, 14});
    QAVI_COMPONENT(RadioButton, Cyl_6_show, Kind::RadioButton, &aaa, Rect{148, 16, 14, 14});
    QAVI_COMPONENT(RadioButton, Cyl_7_show, Kind::RadioButton, &aaa, Rect{171, 16, 14, 14});
    QAVI_COMPONENT(Led, Cyl_0_led, Kind::Led, &aaa, Rect{11, 35, 12, 24});
    QAVI_COMPONENT(Led, Cyl_1_led, Kind::Led, &aaa, Rect{34, 35, 12, 24});
    QAVI_COMPONENT(Led, Cyl_2_led, Kind::Led, &aaa, Rect{57, 35, 12, 24});
    QAVI_COMPONENT(Led, Cyl_3_led, Kind::Led, &aaa, Rect{80, 35, 12, 24});
    QAVI_COMPONENT(Led, Cyl_4_led, Kind::Led, &aaa, Rect{103, 35, 12, 24});
    QAVI_COMPONENT(Led, Cyl_5_led, Kind::Led, &aaa, Rect{126, 35, 12, 24});
    QAVI_COMPONENT(Led, Cyl_6_led, Kind::Led, &aaa, Rect{149, 35, 12, 24});
    QAVI_COMPONENT(Led, Cyl_7_led, Kind::Led, &aaa, Rect{172, 35, 12, 24});
    QAVI_COMPONENT(Plain, GroupBox4, Kind::GroupBox, &Panel1Gora, Rect{216, 3, 193, 92});
    QAVI_COMPONENT(Plain, Label1, Kind::Label, &GroupBox4, Rect{8, 26, 12, 16});
    QAVI_COMPONENT(Plain, Label2, Kind::Label, &GroupBox4, Rect{8, 60, 12, 16});
    QAVI_COMPONENT(DisplayGauge, lambda_1, Kind::Bar, &GroupBox4, Rect{24, 20, 160, 28});
    QAVI_COMPONENT(DisplayGauge, lambda_2, Kind::Bar, &GroupBox4, Rect{24, 54, 160, 28});
    QAVI_COMPONENT(Plain, GroupBox3, Kind::GroupBox, &Panel1Gora, Rect{216, 98, 193, 161});
    QAVI_COMPONENT(Plain, Label7, Kind::Label, &GroupBox3, Rect{8, 22, 32, 16});
    QAVI_COMPONENT(Plain, Label8, Kind::Label, &GroupBox3, Rect{8, 96, 32, 16});
    QAVI_COMPONENT(DisplayGauge, Slala_P_MAP, Kind::Meter, &GroupBox3, Rect{8, 40, 177, 46});
    QAVI_COMPONENT(DisplayGauge, P_MAP_edit, Kind::ValueIndicator, &GroupBox3, Rect{60, 16, 120, 22});
    QAVI_COMPONENT(DisplayGauge, Skala_P1_MAP, Kind::Meter, &GroupBox3, Rect{8, 112, 177, 46});
    QAVI_COMPONENT(DisplayGauge, P1_MAP_edit, Kind::ValueIndicator, &GroupBox3, Rect{60, 90, 120, 22});
    QAVI_COMPONENT(Plain, GroupBox7, Kind::GroupBox, &Panel1Gora, Rect{418, 82, 186, 177});
    QAVI_COMPONENT(DisplayGauge, RPM_zegar, Kind::DialGauge, &GroupBox7, Rect{8, 16, 170, 130});
    QAVI_COMPONENT(DisplayGauge, RPM_Edit, Kind::ValueIndicator, &GroupBox7, Rect{48, 148, 90, 24});
    QAVI_COMPONENT(Plain, Zaplon_panel, Kind::GroupBox, &Panel1Gora, Rect{624, 201, 145, 57});
    QAVI_COMPONENT(Switch, paliwo_Switch, Kind::Switch, &Zaplon_panel, Rect{8, 18, 100, 30});
    QAVI_COMPONENT(Led, rezerwa_led_gora, Kind::Led, &Panel1Gora, Rect{584, 76, 24, 8});
    QAVI_COMPONENT(Led, Gaz_led_1g, Kind::Led, &Panel1Gora, Rect{566, 76, 12, 8});
    QAVI_COMPONENT(Led, Gaz_led_2g, Kind::Led, &Panel1Gora, Rect{566, 66, 12, 8});
    QAVI_COMPONENT(Led, Gaz_led_3g, Kind::Led, &Panel1Gora, Rect{566, 56, 12, 8});
    QAVI_COMPONENT(Led, Gaz_led_4g, Kind::Led, &Panel1Gora, Rect{566, 46, 12, 8});
    QAVI_COMPONENT(Plain, GroupBox8, Kind::GroupBox, &Panel1Gora, Rect{614, 3, 161, 196});
    QAVI_COMPONENT(DisplayGauge, TempGaz, Kind::Thermometer, &GroupBox8, Rect{6, 16, 74, 174});
    QAVI_COMPONENT(DisplayGauge, TempWoda, Kind::Thermometer, &GroupBox8, Rect{82, 16, 74, 174});
    QAVI_COMPONENT(Plain, GroupBox5, Kind::GroupBox, &Panel1Gora, Rect{416, 3, 185, 41});
    QAVI_COMPONENT(Switch, Polacz_switch, Kind::Switch, &GroupBox5, Rect{8, 15, 169, 22});
    QAVI_COMPONENT(Plain, Error_Led, Kind::Panel, &Panel1Gora, Rect{0, 256, 785, 16});

    // ---- Pages ---------------------------------------------------------------
    QAVI_COMPONENT(PageControl, tab_control, Kind::PageControl, &QAVI, Rect{2, 271, 784, 246});
    QAVI_COMPONENT(TabSheet, TabSheet1, Kind::TabSheet, &tab_control);
    QAVI_COMPONENT(TabSheet, TabSheet2, Kind::TabSheet, &tab_control);
    QAVI_COMPONENT(TabSheet, TabSheet3, Kind::TabSheet, &tab_control);
    QAVI_COMPONENT(TabSheet, TabSheet4, Kind::TabSheet, &tab_control);
    QAVI_COMPONENT(TabSheet, TabSheet5, Kind::TabSheet, &tab_control);
    QAVI_COMPONENT(TabSheet, TabSheet7, Kind::TabSheet, &tab_control);
    QAVI_COMPONENT(TabSheet, TabSheet8, Kind::TabSheet, &tab_control);
    QAVI_COMPONENT(TabSheet, TabSheet9, Kind::TabSheet, &tab_control);
    QAVI_COMPONENT(TabSheet, TabSheet10, Kind::TabSheet, &tab_control);
    QAVI_COMPONENT(TabSheet, TabSheet11, Kind::TabSheet, &tab_control);
    QAVI_COMPONENT(TabSheet, TabSheet12, Kind::TabSheet, &tab_control);

    // "Panel Petrol"
    QAVI_COMPONENT(Plain, GroupBox11, Kind::GroupBox, &TabSheet1, Rect{344, 16, 417, 193});
    QAVI_COMPONENT(Plain, Image1, Kind::Image, &GroupBox11, Rect{8, 16, 401, 169});
    QAVI_COMPONENT(Plain, GroupBox25, Kind::GroupBox, &TabSheet1, Rect{40, 16, 281, 193});
    QAVI_COMPONENT(Plain, Label34, Kind::Label, &GroupBox25, Rect{8, 26, 110, 16});
    QAVI_COMPONENT(ComboBox, Sel_cyl, Kind::ComboBox, &GroupBox25, Rect{128, 22, 145, 21});
    QAVI_COMPONENT(Plain, Label35, Kind::Label, &GroupBox25, Rect{8, 52, 110, 16});
    QAVI_COMPONENT(ComboBox, Sel_Impuls, Kind::ComboBox, &GroupBox25, Rect{128, 48, 145, 21});
    QAVI_COMPONENT(Plain, Label36, Kind::Label, &GroupBox25, Rect{8, 78, 110, 16});
    QAVI_COMPONENT(ComboBox, Sel_RPM_signal, Kind::ComboBox, &GroupBox25, Rect{128, 74, 145, 21});
    QAVI_COMPONENT(Plain, Label37, Kind::Label, &GroupBox25, Rect{8, 104, 110, 16});
    QAVI_COMPONENT(ComboBox, Sel_Typ_silnika, Kind::ComboBox, &GroupBox25, Rect{128, 100, 145, 21});
    QAVI_COMPONENT(Plain, Label38, Kind::Label, &GroupBox25, Rect{8, 130, 110, 16});
    QAVI_COMPONENT(ComboBox, Sel_Typ_wtrysku_Petrol, Kind::ComboBox, &GroupBox25, Rect{128, 126, 145, 21});
    QAVI_COMPONENT(Plain, Label39, Kind::Label, &GroupBox25, Rect{8, 130, 110, 16});
    QAVI_COMPONENT(ComboBox, ComboBox17, Kind::ComboBox, &GroupBox25, Rect{128, 126, 145, 21});
    QAVI_COMPONENT(Plain, Label40, Kind::Label, &GroupBox25, Rect{8, 132, 200, 16});
    QAVI_COMPONENT(CheckBox, Check_Injector_plus, Kind::CheckBox, &GroupBox25, Rect{252, 130, 20, 20});
    QAVI_COMPONENT(CheckBox, Full_group_CheckBox, Kind::CheckBox, &GroupBox25, Rect{8, 162, 200, 20});
    QAVI_COMPONENT(ComboBox, szybkosc, Kind::ComboBox, &GroupBox25, Rect{128, 162, 145, 21});

    // "Panel Gaz"
    QAVI_COMPONENT(Plain, GroupBox12, Kind::GroupBox, &TabSheet2, Rect{8, 8, 233, 57});
    QAVI_COMPONENT(ComboBox, Sel_Typ_wtrysku, Kind::ComboBox, &GroupBox12, Rect{12, 24, 209, 21});
    QAVI_COMPONENT(Plain, GroupBox15, Kind::GroupBox, &TabSheet2, Rect{8, 72, 233, 57});
    QAVI_COMPONENT(RadioButton, LPG_RadioButton, Kind::RadioButton, &GroupBox15, Rect{16, 24, 80, 20});
    QAVI_COMPONENT(RadioButton, CNG_RadioButton, Kind::RadioButton, &GroupBox15, Rect{120, 24, 80, 20});
    QAVI_COMPONENT(Plain, GroupBox19, Kind::GroupBox, &TabSheet2, Rect{248, 8, 289, 121});
    QAVI_COMPONENT(Plain, Label20, Kind::Label, &GroupBox19, Rect{12, 26, 120, 16});
    QAVI_COMPONENT(ComboBox, P1_MAP_changer, Kind::ComboBox, &GroupBox19, Rect{140, 22, 137, 21});
    QAVI_COMPONENT(Plain, Label21, Kind::Label, &GroupBox19, Rect{12, 58, 120, 16});
    QAVI_COMPONENT(ComboBox, T_RED_changer, Kind::ComboBox, &GroupBox19, Rect{140, 54, 137, 21});
    QAVI_COMPONENT(Plain, Label22, Kind::Label, &GroupBox19, Rect{12, 90, 120, 16});
    QAVI_COMPONENT(ComboBox, T_GAZ_changer, Kind::ComboBox, &GroupBox19, Rect{140, 86, 137, 21});
    QAVI_COMPONENT(Plain, GroupBox14, Kind::GroupBox, &TabSheet2, Rect{544, 8, 225, 205});
    QAVI_COMPONENT(InputControl, P_pracy_changer, Kind::Slider, &GroupBox14, Rect{12, 18, 96, 180});
    QAVI_COMPONENT(InputControl, P_min_changer, Kind::Slider, &GroupBox14, Rect{116, 18, 96, 180});

    // "Adaptacja"
    QAVI_COMPONENT(Plain, GroupBox22, Kind::GroupBox, &TabSheet3, Rect{0, 0, 777, 4});
    QAVI_COMPONENT(Plain, Label28, Kind::Label, &GroupBox22, Rect{8, 12, 300, 16});
    QAVI_COMPONENT(ProgressBar, Adaptacja_progres, Kind::ProgressBar, &TabSheet3, Rect{0, 72, 777, 24});
    QAVI_COMPONENT(Plain, GroupBox24, Kind::GroupBox, &TabSheet3, Rect{0, 110, 561, 105});
    QAVI_COMPONENT(Plain, Adaptacja_info, Kind::Label, &GroupBox24, Rect{2, 14, 557, 89});
    QAVI_COMPONENT(Plain, GroupBox23, Kind::GroupBox, &TabSheet3, Rect{576, 110, 185, 105});
    QAVI_COMPONENT(Button, Button_start, Kind::Button, &GroupBox23, Rect{16, 24, 153, 30});
    QAVI_COMPONENT(Button, Button_stop, Kind::Button, &GroupBox23, Rect{16, 64, 153, 30});

    // "Mapa"
    QAVI_COMPONENT(PageControl, PageControl1, Kind::PageControl, &TabSheet4, Rect{0, 0, 776, 218});
    QAVI_COMPONENT(TabSheet, Typ_E, Kind::TabSheet, &PageControl1);
    QAVI_COMPONENT(TabSheet, TypB, Kind::TabSheet, &PageControl1);
    QAVI_COMPONENT(TabSheet, TypS, Kind::TabSheet, &PageControl1);
    QAVI_COMPONENT(Chart, Chart1, Kind::Chart, &Typ_E, Rect{0, 0, 664, 210});
    QAVI_COMPONENT(Plain, PaintBox1, Kind::PaintBox, &Typ_E, Rect{45, 10, 580, 160});
    QAVI_COMPONENT(Plain, zoom, Kind::Panel, &Typ_E, Rect{520, 190, 90, 16});
    QAVI_COMPONENT(CheckBox, wykres_CheckBox, Kind::CheckBox, &Typ_E, Rect{8, 186, 16, 16});
    QAVI_COMPONENT(Button, BitBtn2, Kind::Button, &Typ_E, Rect{668, 6, 70, 26});
    QAVI_COMPONENT(Button, BitBtn1, Kind::Button, &Typ_E, Rect{668, 36, 70, 26});
    QAVI_COMPONENT(Plain, Panel4, Kind::Panel, &Typ_E, Rect{668, 70, 70, 136});
    QAVI_COMPONENT(Plain, Image3, Kind::Image, &Panel4, Rect{15, 4, 40, 34});
    QAVI_COMPONENT(SpinButton, AbSpinButton1, Kind::SpinButton, &Panel4, Rect{19, 42, 32, 56});
    QAVI_COMPONENT(Button, Button3, Kind::Button, &Panel4, Rect{11, 104, 48, 26});
    QAVI_COMPONENT(Grid, MAPGrid, &TypB, Rect{0, 0, 716, 210}, 247, 257);
    QAVI_COMPONENT(Button, lupa_button, Kind::Button, &TypB, Rect{720, 4, 24, 24});
    QAVI_COMPONENT(Chart, Chart2, Kind::Chart, &TypS, Rect{0, 0, 664, 210});
    QAVI_COMPONENT(Spin, Ed_chart2, Kind::Spin, &TypS, Rect{46, 188, 60, 20});
    QAVI_COMPONENT(Plain, zoom_S, Kind::Panel, &TypS, Rect{520, 190, 90, 16});
    QAVI_COMPONENT(CheckBox, CheckBox1, Kind::CheckBox, &TypS, Rect{8, 186, 16, 16});
    QAVI_COMPONENT(Button, BitBtn2a, Kind::Button, &TypS, Rect{668, 6, 70, 26});
    QAVI_COMPONENT(Button, BitBtn1a, Kind::Button, &TypS, Rect{668, 36, 70, 26});

    // "Error"
    QAVI_COMPONENT(Plain, Label19, Kind::Label, &TabSheet5, Rect{8, 2, 200, 16});
    QAVI_COMPONENT(Memo, Actual_errors_Memo, Kind::Memo, &TabSheet5, Rect{8, 20, 756, 90});
    QAVI_COMPONENT(Button, Button2, Kind::Button, &TabSheet5, Rect{8, 118, 75, 17});
    QAVI_COMPONENT(Plain, Label18, Kind::Label, &TabSheet5, Rect{96, 118, 200, 16});
    QAVI_COMPONENT(Memo, Register_errors_memo, Kind::Memo, &TabSheet5, Rect{8, 138, 756, 83});

    // "Oscyloskop"
    QAVI_COMPONENT(MiniTrend, Oscyloskop, &TabSheet7, Rect{8, 4, 561, 212});
    QAVI_COMPONENT(Plain, RadioGroup1, Kind::GroupBox, &TabSheet7, Rect{576, 5, 185, 193});
    QAVI_COMPONENT(RadioButton, OSC_PETROL_LPG, Kind::RadioButton, &TabSheet7, Rect{584, 20, 170, 20});
    QAVI_COMPONENT(RadioButton, OSC_MAP_P1, Kind::RadioButton, &TabSheet7, Rect{584, 54, 170, 20});
    QAVI_COMPONENT(RadioButton, TEMP_LPG_RED, Kind::RadioButton, &TabSheet7, Rect{584, 88, 170, 20});
    QAVI_COMPONENT(RadioButton, RPM_LAMBDA1, Kind::RadioButton, &TabSheet7, Rect{584, 122, 170, 20});
    QAVI_COMPONENT(RadioButton, RPM_LAMBDA2, Kind::RadioButton, &TabSheet7, Rect{584, 156, 170, 20});

    // "Diagnostyka"
    QAVI_COMPONENT(Plain, Panel5, Kind::Panel, &TabSheet8, Rect{0, 0, 777, 218});
    QAVI_COMPONENT(Plain, Label6, Kind::Label, &Panel5, Rect{4, 1, 90, 14});
    QAVI_COMPONENT(Plain, Label5, Kind::Label, &Panel5, Rect{98, 1, 90, 14});
    QAVI_COMPONENT(DisplayGauge, Skala_PB_time1, Kind::Bar, &Panel5, Rect{9, 16, 44, 150});
    QAVI_COMPONENT(DisplayGauge, Skala_PB_time2, Kind::Bar, &Panel5, Rect{106, 16, 44, 150});
    QAVI_COMPONENT(DisplayGauge, Skala_PB_time3, Kind::Bar, &Panel5, Rect{203, 16, 44, 150});
    QAVI_COMPONENT(DisplayGauge, Skala_PB_time4, Kind::Bar, &Panel5, Rect{300, 16, 44, 150});
    QAVI_COMPONENT(DisplayGauge, Skala_PB_time5, Kind::Bar, &Panel5, Rect{397, 16, 44, 150});
    QAVI_COMPONENT(DisplayGauge, Skala_PB_time6, Kind::Bar, &Panel5, Rect{494, 16, 44, 150});
    QAVI_COMPONENT(DisplayGauge, Skala_PB_time7, Kind::Bar, &Panel5, Rect{591, 16, 44, 150});
    QAVI_COMPONENT(DisplayGauge, Skala_PB_time8, Kind::Bar, &Panel5, Rect{688, 16, 44, 150});
    QAVI_COMPONENT(DisplayGauge, gaz_slupek_1, Kind::Bar, &Panel5, Rect{55, 16, 44, 150});
    QAVI_COMPONENT(DisplayGauge, gaz_slupek_2, Kind::Bar, &Panel5, Rect{152, 16, 44, 150});
    QAVI_COMPONENT(DisplayGauge, gaz_slupek_3, Kind::Bar, &Panel5, Rect{249, 16, 44, 150});
    QAVI_COMPONENT(DisplayGauge, gaz_slupek_4, Kind::Bar, &Panel5, Rect{346, 16, 44, 150});
    QAVI_COMPONENT(DisplayGauge, gaz_slupek_5, Kind::Bar, &Panel5, Rect{443, 16, 44, 150});
    QAVI_COMPONENT(DisplayGauge, gaz_slupek_6, Kind::Bar, &Panel5, Rect{540, 16, 44, 150});
    QAVI_COMPONENT(DisplayGauge, gaz_slupek_7, Kind::Bar, &Panel5, Rect{637, 16, 44, 150});
    QAVI_COMPONENT(DisplayGauge, gaz_slupek_8, Kind::Bar, &Panel5, Rect{734, 16, 40, 150});
    QAVI_COMPONENT(Plain, Panel6, Kind::Panel, &Panel5, Rect{102, 16, 2, 150});
    QAVI_COMPONENT(Plain, Panel7, Kind::Panel, &Panel5, Rect{199, 16, 2, 150});
    QAVI_COMPONENT(Plain, Panel8, Kind::Panel, &Panel5, Rect{296, 16, 2, 150});
    QAVI_COMPONENT(Plain, Panel9, Kind::Panel, &Panel5, Rect{393, 16, 2, 150});
    QAVI_COMPONENT(Plain, Panel10, Kind::Panel, &Panel5, Rect{490, 16, 2, 150});
    QAVI_COMPONENT(Plain, Panel11, Kind::Panel, &Panel5, Rect{587, 16, 2, 150});
    QAVI_COMPONENT(Plain, Panel12, Kind::Panel, &Panel5, Rect{684, 16, 2, 150});
    QAVI_COMPONENT(Plain, Panel_korekta, Kind::GroupBox, &Panel5, Rect{0, 168, 777, 44});
    QAVI_COMPONENT(Spin, Kor_1, Kind::Spin, &Panel_korekta, Rect{9, 16, 80, 22});
    QAVI_COMPONENT(Spin, kor_2, Kind::Spin, &Panel_korekta, Rect{106, 16, 80, 22});
    QAVI_COMPONENT(Spin, kor_3, Kind::Spin, &Panel_korekta, Rect{203, 16, 80, 22});
    QAVI_COMPONENT(Spin, kor_4, Kind::Spin, &Panel_korekta, Rect{300, 16, 80, 22});
    QAVI_COMPONENT(Spin, kor_5, Kind::Spin, &Panel_korekta, Rect{397, 16, 80, 22});
    QAVI_COMPONENT(Spin, kor_6, Kind::Spin, &Panel_korekta, Rect{494, 16, 80, 22});
    QAVI_COMPONENT(Spin, kor_7, Kind::Spin, &Panel_korekta, Rect{591, 16, 80, 22});
    QAVI_COMPONENT(Spin, kor_8, Kind::Spin, &Panel_korekta, Rect{688, 16, 80, 22});

    // "Przełącznik"
    QAVI_COMPONENT(Plain, GroupBox17, Kind::GroupBox, &TabSheet9, Rect{8, 3, 375, 172});
    QAVI_COMPONENT(InputControl, Min_Temp_Petrol_changer, Kind::InputDial, &GroupBox17, Rect{4, 16, 90, 120});
    QAVI_COMPONENT(InputControl, RPM_Min_To_Petrol, Kind::InputDial, &GroupBox17, Rect{96, 16, 90, 120});
    QAVI_COMPONENT(InputControl, RPM_Max_To_Petrol, Kind::InputDial, &GroupBox17, Rect{188, 16, 90, 120});
    QAVI_COMPONENT(InputControl, T_zwloki_changer, Kind::InputDial, &GroupBox17, Rect{280, 16, 90, 120});
    QAVI_COMPONENT(Plain, Label24, Kind::Label, &GroupBox17, Rect{32, 146, 320, 16});
    QAVI_COMPONENT(CheckBox, Check_by_first, Kind::CheckBox, &GroupBox17, Rect{10, 144, 18, 18});
    QAVI_COMPONENT(Plain, GroupBox13, Kind::GroupBox, &TabSheet9, Rect{392, 3, 375, 172});
    QAVI_COMPONENT(InputControl, RPM_Prog_przel, Kind::InputDial, &GroupBox13, Rect{4, 16, 90, 150});
    QAVI_COMPONENT(InputControl, Temp_LPG_changer, Kind::InputDial, &GroupBox13, Rect{96, 16, 90, 150});
    QAVI_COMPONENT(InputControl, T_przel_to_LPG, Kind::InputDial, &GroupBox13, Rect{188, 16, 90, 150});
    QAVI_COMPONENT(InputControl, T_CYL_seqence, Kind::InputDial, &GroupBox13, Rect{280, 16, 90, 150});
    QAVI_COMPONENT(Plain, GroupBox18, Kind::GroupBox, &TabSheet9, Rect{8, 175, 760, 41});
    QAVI_COMPONENT(Edit, U_zbiornika, Kind::Edit, &GroupBox18, Rect{8, 15, 41, 21});
    QAVI_COMPONENT(Plain, Label16, Kind::Label, &GroupBox18, Rect{54, 18, 96, 16});
    QAVI_COMPONENT(Led, Rezerwa_led_panel, Kind::Led, &GroupBox18, Rect{152, 18, 30, 14});
    QAVI_COMPONENT(Led, Gaz_led_1p, Kind::Led, &GroupBox18, Rect{188, 18, 14, 14});
    QAVI_COMPONENT(Led, Gaz_led_2p, Kind::Led, &GroupBox18, Rect{206, 18, 14, 14});
    QAVI_COMPONENT(Led, Gaz_led_3p, Kind::Led, &GroupBox18, Rect{224, 18, 14, 14});
    QAVI_COMPONENT(Led, Gaz_led_4p, Kind::Led, &GroupBox18, Rect{242, 18, 14, 14});
    QAVI_COMPONENT(Edit, Ch_U_LPG_1, Kind::Edit, &GroupBox18, Rect{272, 15, 33, 21});
    QAVI_COMPONENT(Edit, Ch_U_LPG_2, Kind::Edit, &GroupBox18, Rect{328, 15, 33, 21});
    QAVI_COMPONENT(Edit, Ch_U_LPG_3, Kind::Edit, &GroupBox18, Rect{384, 15, 33, 21});
    QAVI_COMPONENT(Edit, Ch_U_LPG_4, Kind::Edit, &GroupBox18, Rect{440, 15, 33, 21});
    QAVI_COMPONENT(Plain, Label17, Kind::Label, &GroupBox18, Rect{500, 18, 100, 16});
    QAVI_COMPONENT(ComboBox, Rodz_czuj_LPG, Kind::ComboBox, &GroupBox18, Rect{604, 15, 145, 21});
    QAVI_COMPONENT(InputControl, Ch_U_LPG_changer, Kind::Slider, &TabSheet9, Rect{434, 10, 73, 176});

    // "Serwis"
    QAVI_COMPONENT(DisplayGauge, gaz_na_benzyna, Kind::Bar, &TabSheet10, Rect{184, 5, 585, 23});
    QAVI_COMPONENT(Plain, Data_pierwsza_adapt_Label, Kind::Label, &TabSheet10, Rect{2, 8, 175, 16});
    QAVI_COMPONENT(DatePicker, Data_Pierwsza_Pick, Kind::DatePicker, &TabSheet10, Rect{14, 28, 161, 21});
    QAVI_COMPONENT(Edit, Data_Pierwsza_time, Kind::Edit, &TabSheet10, Rect{52, 53, 65, 19});
    QAVI_COMPONENT(Plain, Panel14, Kind::Panel, &TabSheet10, Rect{2, 28, 10, 21});
    QAVI_COMPONENT(Plain, Data_ostatnia_adapt_Label, Kind::Label, &TabSheet10, Rect{2, 150, 175, 16});
    QAVI_COMPONENT(DatePicker, Data_Ostatnia_Pick, Kind::DatePicker, &TabSheet10, Rect{14, 168, 161, 21});
    QAVI_COMPONENT(Edit, Data_Ostatnia_time, Kind::Edit, &TabSheet10, Rect{52, 193, 65, 19});
    QAVI_COMPONENT(Plain, Panel15, Kind::Panel, &TabSheet10, Rect{2, 168, 10, 21});
    QAVI_COMPONENT(Plain, Korekcja_box, Kind::GroupBox, &TabSheet10, Rect{14, 80, 147, 65});
    QAVI_COMPONENT(Plain, godz_Label, Kind::Label, &Korekcja_box, Rect{8, 28, 46, 16});
    QAVI_COMPONENT(Spin, przelicznik, Kind::Spin, &Korekcja_box, Rect{56, 24, 50, 22});
    QAVI_COMPONENT(Plain, km_Label, Kind::Label, &Korekcja_box, Rect{110, 28, 30, 16});
    QAVI_COMPONENT(Plain, Praca_na_gazie_Box, Kind::GroupBox, &TabSheet10, Rect{184, 32, 290, 92});
    QAVI_COMPONENT(Edit, Czas_gazu_Edit, Kind::Edit, &Praca_na_gazie_Box, Rect{30, 25, 232, 21});
    QAVI_COMPONENT(Edit, km_gaz_Edit, Kind::Edit, &Praca_na_gazie_Box, Rect{92, 57, 113, 21});
    QAVI_COMPONENT(Plain, Praca_na_benzynie_Box, Kind::GroupBox, &TabSheet10, Rect{480, 32, 290, 92});
    QAVI_COMPONENT(Edit, Czas_benzyny_Edit, Kind::Edit, &Praca_na_benzynie_Box, Rect{30, 25, 232, 21});
    QAVI_COMPONENT(Edit, km_benzyna_Edit, Kind::Edit, &Praca_na_benzynie_Box, Rect{92, 57, 113, 21});
    QAVI_COMPONENT(Plain, Do_przegladu_Box, Kind::GroupBox, &TabSheet10, Rect{184, 126, 585, 90});
    QAVI_COMPONENT(Edit, Do_Przeglad_Edit, Kind::Edit, &Do_przegladu_Box, Rect{100, 14, 232, 21});
    QAVI_COMPONENT(Edit, km_Do_Przeglad_Edit, Kind::Edit, &Do_przegladu_Box, Rect{340, 14, 113, 21});
    QAVI_COMPONENT(Plain, Za_godz_Label, Kind::Label, &Do_przegladu_Box, Rect{90, 44, 60, 16});
    QAVI_COMPONENT(Spin, za_godz, Kind::Spin, &Do_przegladu_Box, Rect{90, 60, 80, 22});
    QAVI_COMPONENT(Plain, Za_km_Label, Kind::Label, &Do_przegladu_Box, Rect{190, 44, 60, 16});
    QAVI_COMPONENT(Spin, za_km, Kind::Spin, &Do_przegladu_Box, Rect{190, 60, 90, 22});
    QAVI_COMPONENT(Button, Ustaw_przeglad_Button, Kind::Button, &Do_przegladu_Box, Rect{376, 59, 145, 25});
    QAVI_COMPONENT(Button, Kasuj_alarm_BitBtn, Kind::Button, &Do_przegladu_Box, Rect{16, 59, 65, 25});

    // "Help", "Info"
    QAVI_COMPONENT(Memo, Help_Memo, Kind::Memo, &TabSheet11, Rect{16, 16, 745, 185});
    QAVI_COMPONENT(Plain, Panel1, Kind::Panel, &TabSheet12, Rect{0, 0, 776, 218});
    QAVI_COMPONENT(Plain, Image2, Kind::Image, &Panel1, Rect{16, 48, 140, 150});
    QAVI_COMPONENT(Plain, QAVI_Linl_label, Kind::Label, &Panel1, Rect{483, 195, 250, 16});
    QAVI_COMPONENT(Plain, QAVI_Linl_new_label, Kind::Label, &Panel1, Rect{474, 176, 250, 16});
    QAVI_COMPONENT(Plain, Label23, Kind::Label, &Panel1, Rect{282, 195, 190, 16});
    QAVI_COMPONENT(Plain, Label45, Kind::Label, &Panel1, Rect{168, 184, 250, 16});
    QAVI_COMPONENT(Button, GTurkish, Kind::Button, &Panel1, Rect{136, 16, 36, 16});
    QAVI_COMPONENT(Button, GNiemieckiDE, Kind::Button, &Panel1, Rect{192, 16, 36, 16});
    QAVI_COMPONENT(Button, GAngielskiGB, Kind::Button, &Panel1, Rect{256, 16, 36, 16});
    QAVI_COMPONENT(Button, GPolskiPL, Kind::Button, &Panel1, Rect{312, 16, 36, 16});
    QAVI_COMPONENT(Button, GRussian, Kind::Button, &Panel1, Rect{376, 16, 36, 16});
    QAVI_COMPONENT(Button, GCeski, Kind::Button, &Panel1, Rect{440, 16, 36, 16});
    QAVI_COMPONENT(Button, GThai, Kind::Button, &Panel1, Rect{504, 16, 36, 16});
    QAVI_COMPONENT(Button, GGreek, Kind::Button, &Panel1, Rect{568, 16, 36, 16});

    // ---- Status bar and menus ------------------------------------------------
    QAVI_COMPONENT(StatusBar, StatusBar1, Kind::StatusBar, &QAVI, Rect{0, 517, 787, 19});

    MenuItem MainMenu1{*this, "MainMenu1", nullptr, ""};
    MenuItem Pliki1{*this, "Pliki1", &MainMenu1, "Plik"};
    MenuItem Odczyt1{*this, "Odczyt1", &Pliki1, "Odczyt"};
    MenuItem Zapis1{*this, "Zapis1", &Pliki1, "Zapis"};
    MenuItem Reset1{*this, "Reset1", &Pliki1, "Reset"};
    MenuItem Exit1{*this, "Exit1", &Pliki1, "Exit"};
    MenuItem PortCOM{*this, "PortCOM", &MainMenu1, "Porty"};
    // COM1 … COM30, in design order; their parent is PortCOM.
    std::vector<std::unique_ptr<MenuItem>> portItems;
    MenuItem polacz{*this, "polacz", &PortCOM, "Połącz"};
    MenuItem rozlacz1{*this, "rozlacz1", &PortCOM, "Rozłącz"};
    MenuItem Jazyk{*this, "Jazyk", &MainMenu1, "Język"};
    MenuItem NiemieckiDE{*this, "NiemieckiDE", &Jazyk, "Deutsch"};
    MenuItem AngielskiGB{*this, "AngielskiGB", &Jazyk, "English"};
    MenuItem PolskiPL{*this, "PolskiPL", &Jazyk, "Polski"};
    MenuItem Russian{*this, "Russian", &Jazyk, "Russian"};
    MenuItem Ceski{*this, "Ceski", &Jazyk, "Ceski"};
    MenuItem Turkish{*this, "Turkish", &Jazyk, "Turkish"};
    MenuItem Thai{*this, "Thai", &Jazyk, "Thai"};
    MenuItem Greek{*this, "Greek", &Jazyk, "Greek"};

#undef QAVI_COMPONENT

    // Convenience groups, in cylinder / injector order (index 0 = cylinder 1).
    std::array<Led*, 8> cylLeds;
    std::array<RadioButton*, 8> cylShows;
    std::array<DisplayGauge*, 8> petrolBars;
    std::array<DisplayGauge*, 8> gasBars;
    std::array<Spin*, 8> corrections;
    std::array<Led*, 4> levelLedsTop;
    std::array<Led*, 4> levelLedsPanel;
    std::array<Edit*, 4> levelThresholds;
    std::array<MenuItem*, 8> languageItems;  // menu order: DE, GB, PL, RU, CZ, TR, TH, GR
    std::array<Button*, 8> flagButtons;      // same order as languageItems
};

}  // namespace qavi::ui
