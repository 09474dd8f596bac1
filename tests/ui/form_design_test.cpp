#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ui/form/form.h"

namespace qavi::ui {
namespace {

using K = Kind;

// Every named component of the window and its kind.
std::vector<std::pair<std::string, Kind>> expectedComponents() {
    std::vector<std::pair<std::string, Kind>> t = {
        {"QAVI", K::Window},
        {"Panel1Gora", K::Panel},
        {"BATERY_vpp", K::ValueIndicator},
        {"GroupBox6", K::GroupBox},
        {"Skala_PB_time", K::Bar},
        {"Skala_LPG_time", K::Bar},
        {"Label3", K::Label},
        {"Label4", K::Label},
        {"aaa", K::GroupBox},
        {"GroupBox4", K::GroupBox},
        {"Label1", K::Label},
        {"Label2", K::Label},
        {"lambda_1", K::Bar},
        {"lambda_2", K::Bar},
        {"GroupBox3", K::GroupBox},
        {"Label7", K::Label},
        {"Label8", K::Label},
        {"Slala_P_MAP", K::Meter},
        {"P_MAP_edit", K::ValueIndicator},
        {"Skala_P1_MAP", K::Meter},
        {"P1_MAP_edit", K::ValueIndicator},
        {"GroupBox7", K::GroupBox},
        {"RPM_zegar", K::DialGauge},
        {"RPM_Edit", K::ValueIndicator},
        {"Zaplon_panel", K::GroupBox},
        {"paliwo_Switch", K::Switch},
        {"rezerwa_led_gora", K::Led},
        {"GroupBox8", K::GroupBox},
        {"TempGaz", K::Thermometer},
        {"TempWoda", K::Thermometer},
        {"GroupBox5", K::GroupBox},
        {"Polacz_switch", K::Switch},
        {"Error_Led", K::Panel},
        {"tab_control", K::PageControl},
        // Panel Petrol
        {"GroupBox11", K::GroupBox},
        {"Image1", K::Image},
        {"GroupBox25", K::GroupBox},
        {"Sel_cyl", K::ComboBox},
        {"Sel_Impuls", K::ComboBox},
        {"Sel_RPM_signal", K::ComboBox},
        {"Sel_Typ_silnika", K::ComboBox},
        {"Sel_Typ_wtrysku_Petrol", K::ComboBox},
        {"ComboBox17", K::ComboBox},
        {"Check_Injector_plus", K::CheckBox},
        {"Full_group_CheckBox", K::CheckBox},
        {"szybkosc", K::ComboBox},
        // Panel Gaz
        {"GroupBox12", K::GroupBox},
        {"Sel_Typ_wtrysku", K::ComboBox},
        {"GroupBox15", K::GroupBox},
        {"LPG_RadioButton", K::RadioButton},
        {"CNG_RadioButton", K::RadioButton},
        {"GroupBox19", K::GroupBox},
        {"Label20", K::Label},
        {"P1_MAP_changer", K::ComboBox},
        {"Label21", K::Label},
        {"T_RED_changer", K::ComboBox},
        {"Label22", K::Label},
        {"T_GAZ_changer", K::ComboBox},
        {"GroupBox14", K::GroupBox},
        {"P_pracy_changer", K::Slider},
        {"P_min_changer", K::Slider},
        // Adaptacja
        {"Adaptacja_progres", K::ProgressBar},
        {"GroupBox24", K::GroupBox},
        {"Adaptacja_info", K::Label},
        {"GroupBox23", K::GroupBox},
        {"Button_start", K::Button},
        {"Button_stop", K::Button},
        {"GroupBox22", K::GroupBox},
        {"Label28", K::Label},
        // Mapa
        {"PageControl1", K::PageControl},
        {"Typ_E", K::TabSheet},
        {"TypB", K::TabSheet},
        {"TypS", K::TabSheet},
        {"Chart1", K::Chart},
        {"PaintBox1", K::PaintBox},
        {"zoom", K::Panel},
        {"wykres_CheckBox", K::CheckBox},
        {"BitBtn2", K::Button},
        {"BitBtn1", K::Button},
        {"Panel4", K::Panel},
        {"Image3", K::Image},
        {"AbSpinButton1", K::SpinButton},
        {"Button3", K::Button},
        {"MAPGrid", K::Grid},
        {"lupa_button", K::Button},
        {"Chart2", K::Chart},
        {"Ed_chart2", K::Spin},
        {"zoom_S", K::Panel},
        {"CheckBox1", K::CheckBox},
        {"BitBtn2a", K::Button},
        {"BitBtn1a", K::Button},
        // Error
        {"Label19", K::Label},
        {"Actual_errors_Memo", K::Memo},
        {"Label18", K::Label},
        {"Register_errors_memo", K::Memo},
        {"Button2", K::Button},
        // Oscyloskop
        {"Oscyloskop", K::MiniTrend},
        {"RadioGroup1", K::GroupBox},
        {"OSC_PETROL_LPG", K::RadioButton},
        {"OSC_MAP_P1", K::RadioButton},
        {"TEMP_LPG_RED", K::RadioButton},
        {"RPM_LAMBDA1", K::RadioButton},
        {"RPM_LAMBDA2", K::RadioButton},
        // Diagnostyka
        {"Panel5", K::Panel},
        {"Label6", K::Label},
        {"Label5", K::Label},
        {"Panel_korekta", K::GroupBox},
        {"Kor_1", K::Spin},
        // Przełącznik
        {"GroupBox17", K::GroupBox},
        {"Min_Temp_Petrol_changer", K::InputDial},
        {"RPM_Min_To_Petrol", K::InputDial},
        {"RPM_Max_To_Petrol", K::InputDial},
        {"T_zwloki_changer", K::InputDial},
        {"Label24", K::Label},
        {"Check_by_first", K::CheckBox},
        {"GroupBox13", K::GroupBox},
        {"RPM_Prog_przel", K::InputDial},
        {"Temp_LPG_changer", K::InputDial},
        {"T_przel_to_LPG", K::InputDial},
        {"T_CYL_seqence", K::InputDial},
        {"GroupBox18", K::GroupBox},
        {"U_zbiornika", K::Edit},
        {"Label16", K::Label},
        {"Rezerwa_led_panel", K::Led},
        {"Label17", K::Label},
        {"Rodz_czuj_LPG", K::ComboBox},
        {"Ch_U_LPG_changer", K::Slider},
        // Serwis
        {"gaz_na_benzyna", K::Bar},
        {"Data_pierwsza_adapt_Label", K::Label},
        {"Data_Pierwsza_Pick", K::DatePicker},
        {"Data_Pierwsza_time", K::Edit},
        {"Data_ostatnia_adapt_Label", K::Label},
        {"Data_Ostatnia_Pick", K::DatePicker},
        {"Data_Ostatnia_time", K::Edit},
        {"Korekcja_box", K::GroupBox},
        {"godz_Label", K::Label},
        {"przelicznik", K::Spin},
        {"km_Label", K::Label},
        {"Praca_na_gazie_Box", K::GroupBox},
        {"Czas_gazu_Edit", K::Edit},
        {"km_gaz_Edit", K::Edit},
        {"Praca_na_benzynie_Box", K::GroupBox},
        {"Czas_benzyny_Edit", K::Edit},
        {"km_benzyna_Edit", K::Edit},
        {"Do_przegladu_Box", K::GroupBox},
        {"Do_Przeglad_Edit", K::Edit},
        {"km_Do_Przeglad_Edit", K::Edit},
        {"Za_godz_Label", K::Label},
        {"za_godz", K::Spin},
        {"Za_km_Label", K::Label},
        {"za_km", K::Spin},
        {"Ustaw_przeglad_Button", K::Button},
        {"Kasuj_alarm_BitBtn", K::Button},
        {"Panel14", K::Panel},
        {"Panel15", K::Panel},
        // Help, Info
        {"Help_Memo", K::Memo},
        {"Panel1", K::Panel},
        {"Image2", K::Image},
        {"QAVI_Linl_label", K::Label},
        {"QAVI_Linl_new_label", K::Label},
        {"Label23", K::Label},
        {"Label45", K::Label},
        // Status bar and menus
        {"StatusBar1", K::StatusBar},
        {"MainMenu1", K::MenuItem},
        {"Pliki1", K::MenuItem},
        {"Odczyt1", K::MenuItem},
        {"Zapis1", K::MenuItem},
        {"Reset1", K::MenuItem},
        {"Exit1", K::MenuItem},
        {"PortCOM", K::MenuItem},
        {"polacz", K::MenuItem},
        {"rozlacz1", K::MenuItem},
        {"Jazyk", K::MenuItem},
        {"NiemieckiDE", K::MenuItem},
        {"AngielskiGB", K::MenuItem},
        {"PolskiPL", K::MenuItem},
        {"Russian", K::MenuItem},
        {"Ceski", K::MenuItem},
        {"Turkish", K::MenuItem},
        {"Thai", K::MenuItem},
        {"Greek", K::MenuItem},
    };
    for (const char* page : {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4", "TabSheet5", "TabSheet7", "TabSheet8",
                             "TabSheet9", "TabSheet10", "TabSheet11", "TabSheet12"}) {
        t.emplace_back(page, K::TabSheet);
    }
    for (int i = 0; i < 8; ++i) {
        const std::string n = std::to_string(i);
        const std::string k = std::to_string(i + 1);
        t.emplace_back("Cyl_" + n + "_led", K::Led);
        t.emplace_back("Cyl_" + n + "_show", K::RadioButton);
        t.emplace_back("Skala_PB_time" + k, K::Bar);
        t.emplace_back("gaz_slupek_" + k, K::Bar);
        if (i > 0) t.emplace_back("kor_" + k, K::Spin);
    }
    for (int i = 6; i <= 12; ++i) t.emplace_back("Panel" + std::to_string(i), K::Panel);
    for (int i = 34; i <= 40; ++i) t.emplace_back("Label" + std::to_string(i), K::Label);
    for (int i = 1; i <= 4; ++i) {
        t.emplace_back("Gaz_led_" + std::to_string(i) + "g", K::Led);
        t.emplace_back("Gaz_led_" + std::to_string(i) + "p", K::Led);
        t.emplace_back("Ch_U_LPG_" + std::to_string(i), K::Edit);
    }
    for (int i = 1; i <= 30; ++i) t.emplace_back("COM" + std::to_string(i), K::MenuItem);
    for (const char* flag :
         {"GTurkish", "GNiemieckiDE", "GAngielskiGB", "GPolskiPL", "GRussian", "GCeski", "GThai", "GGreek"}) {
        t.emplace_back(flag, K::Button);
    }
    return t;
}

TEST(FormDesign, EveryComponentExistsOnceWithItsKind) {
    Form form;
    std::map<std::string, int> count;
    for (const Control* c : form.controls()) ++count[c->name()];
    for (const auto& [name, kind] : expectedComponents()) {
        EXPECT_EQ(count[name], 1) << name;
        const Control* c = form.find(name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(c->kind(), kind) << name << " is " << kindName(c->kind());
    }
    for (const auto& [name, n] : count) EXPECT_EQ(n, 1) << name << " registered " << n << " times";
}

TEST(FormDesign, ParentsComeBeforeTheirChildren) {
    Form form;
    std::map<const Control*, std::size_t> position;
    for (std::size_t i = 0; i < form.controls().size(); ++i) position[form.controls()[i]] = i;
    for (const Control* c : form.controls()) {
        if (c->parent()) {
            EXPECT_LT(position.at(c->parent()), position.at(c)) << c->name();
        }
    }
}

TEST(FormDesign, RangesAndFormats) {
    Form form;
    struct Case {
        const SignalControl* s;
        double from, to;
        int dFrom, dTo;
        const char* format;
    };
    const Case cases[] = {
        {&form.BATERY_vpp, 0, 100, 0, 1000, "#0.00"},
        {&form.Skala_PB_time, 0, 30, 0, 1000, "##0.0"},
        {&form.Skala_LPG_time, 0, 50, 0, 1000, "##0.0"},
        {&form.lambda_1, 0, 1, 0, 1000, "##0.0"},
        {&form.Slala_P_MAP, 0.000001, 240, 0, 1000, "##0.0"},
        {&form.Skala_P1_MAP, 0.000001, 3, 0, 1000, "##0.0"},
        {&form.RPM_zegar, 0.000001, 10, 0, 1000, "##0.##0"},
        {&form.RPM_Edit, 0, 100, 0, 1000, "###0"},
        {&form.TempGaz, 0.000001, 120, 0, 1000, "##0.0"},
        {&form.P_pracy_changer, 0.40, 2.50, 40, 250, "#0.00"},
        {&form.P_min_changer, 0.40, 2.50, 40, 255, "#0.00"},
        {&form.Skala_PB_time3, 0, 40, 0, 1000, "#0.0"},
        {&form.gaz_slupek_8, 0, 40, 0, 1000, "#0.0"},
        {&form.Min_Temp_Petrol_changer, -25, 100, -25, 100, "##0"},
        {&form.RPM_Min_To_Petrol, 0.000001, 6500, 0, 65, "###0"},
        {&form.RPM_Max_To_Petrol, 0, 12000, 0, 120, "####0"},
        {&form.T_zwloki_changer, 0, 1450, 0, 1450, "###0"},
        {&form.RPM_Prog_przel, 300, 6000, 3, 60, "###0"},
        {&form.Temp_LPG_changer, 20, 90, 20, 90, "#0.0"},
        {&form.T_przel_to_LPG, 2, 60, 2, 60, "##0"},
        {&form.T_CYL_seqence, 0, 2550, 0, 255, "###0"},
        {&form.Ch_U_LPG_changer, 0, 5, 0, 500, "#0.00"},
        {&form.gaz_na_benzyna, 0, 100, 0, 1000, "##0.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.s->name());
        EXPECT_DOUBLE_EQ(c.s->valueFrom(), c.from);
        EXPECT_DOUBLE_EQ(c.s->valueTo(), c.to);
        EXPECT_EQ(c.s->digitalFrom(), c.dFrom);
        EXPECT_EQ(c.s->digitalTo(), c.dTo);
        EXPECT_EQ(c.s->format(), c.format);
    }
    EXPECT_EQ(
        form.Slala_P_MAP.bands,
        (std::vector<ColorBand>{{0, 300, colors::kYellow}, {300, 833, colors::kLime}, {833, 1000, colors::kRed}}));
    EXPECT_EQ(
        form.RPM_zegar.bands,
        (std::vector<ColorBand>{{100, 600, colors::kLime}, {600, 750, colors::kYellow}, {750, 1000, colors::kRed}}));
    EXPECT_EQ(form.Ch_U_LPG_changer.largeStep, 500);
    EXPECT_TRUE(form.Ch_U_LPG_changer.arrowKeysOnly);

    struct SpinCase {
        const Spin* s;
        std::optional<double> min, max;
        double step;
        const char* format;
        bool readOnly;
        int delay, interval;
    };
    const SpinCase spins[] = {
        {&form.Kor_1, -20, 20, 1, "#0.#", true, 700, 700},
        {&form.kor_8, -20, 20, 1, "#0.#", true, 700, 700},
        {&form.przelicznik, 30, 70, 1, "#0", true, 500, 100},
        {&form.za_godz, 0, std::nullopt, 10, "#0.#", false, 500, 100},
        {&form.za_km, 0, std::nullopt, 500, "#0.#", false, 500, 100},
        {&form.Ed_chart2, std::nullopt, std::nullopt, 1, "#0.#", true, 500, 100},
    };
    for (const auto& c : spins) {
        SCOPED_TRACE(c.s->name());
        EXPECT_EQ(c.s->minimum, c.min);
        EXPECT_EQ(c.s->maximum, c.max);
        EXPECT_EQ(c.s->increment, c.step);
        EXPECT_EQ(c.s->format, c.format);
        EXPECT_EQ(c.s->readOnlyText, c.readOnly);
        EXPECT_EQ(c.s->repeatDelayMs, c.delay);
        EXPECT_EQ(c.s->repeatIntervalMs, c.interval);
    }
    EXPECT_EQ(form.przelicznik.value(), 40);
}

TEST(FormDesign, DesignTexts) {
    Form form;
    const std::pair<const Control*, const char*> captions[] = {
        {&form.QAVI, " ver. 3.03"},
        {&form.GroupBox6, "Inj. Petrol/Gaz"},
        {&form.aaa, "Aktywne inj. Gaz"},
        {&form.Zaplon_panel, "Przełącznik"},
        {&form.Error_Led, "*  *  *  E r r o r  *  *  *"},
        {&form.TabSheet1, "Panel Petrol"},
        {&form.TabSheet9, "Przełącznik"},
        {&form.TabSheet11, "Help"},
        {&form.Label28, "START - Początek adaptacji"},
        {&form.OSC_PETROL_LPG, "Inj. Petrol / Gaz  [ms]"},
        {&form.OSC_MAP_P1, "MAP/P1    [kPa] / [bar]"},
        {&form.Panel_korekta, "Korekta wtryskiwaczy gazowych   [ms]"},
        {&form.zoom, "<< [ms] >>"},
        {&form.Kasuj_alarm_BitBtn, "Reset"},
        {&form.PortCOM, "Porty"},
        {&form.Jazyk, "Język"},
        {&form.polacz, "Połącz"},
        {form.find("COM30"), "30"},
    };
    for (const auto& [c, text] : captions) EXPECT_EQ(c->caption(), text) << c->name();
    EXPECT_EQ(form.Kasuj_alarm_BitBtn.hint(), "Kasuj alarm");
    EXPECT_EQ(form.BATERY_vpp.name1(), "Bateria    ");
    EXPECT_EQ(form.P1_MAP_edit.unit(), "[bar] ");
    EXPECT_EQ(form.Skala_PB_time5.name2(), "           5");
    EXPECT_EQ(form.Polacz_switch.offText(), "Rozłączony");
    EXPECT_EQ(form.Polacz_switch.onText(), "* * *");
    EXPECT_EQ(form.Sel_RPM_signal.items(), (std::vector<std::string>{"Low  5V", "High 12V"}));
    EXPECT_EQ(form.Sel_Typ_wtrysku.items().at(3), "Matrix/Magic ");
    EXPECT_EQ(form.szybkosc.text(), "Wybierz szybkość");
    EXPECT_EQ(form.StatusBar1.panelText(1), " Ostatnie połączenie z PC : ");
    EXPECT_STREQ(Form::kOpenDialogFilter, "*.qav  data file|*.qav");
    EXPECT_STREQ(Form::kSaveDialogFilter, "*.qav data file|*.qav");
    // Port menu: the thirty port items, then connect and disconnect.
    const auto& ports = form.PortCOM.children();
    ASSERT_EQ(ports.size(), 32u);
    EXPECT_EQ(ports.front()->name(), "COM1");
    EXPECT_EQ(ports[29]->name(), "COM30");
    EXPECT_EQ(ports[30], &form.polacz);
    EXPECT_EQ(ports[31], &form.rozlacz1);
}

// The dials carry their scale unit in Name1 and their title in Name2 (the text
// the language switch replaces); the unit text is not drawn.
TEST(FormDesign, DialTexts) {
    Form form;
    struct Texts {
        InputControl* dial;
        const char* name1;
        const char* name2;
        const char* unit;
    };
    const Texts dials[] = {
        {&form.Min_Temp_Petrol_changer, "°C", "Min.Temp.", "°C"},
        {&form.RPM_Min_To_Petrol, "1/min", "Min. RPM", "rpm"},
        {&form.RPM_Max_To_Petrol, "1/min", "Max. RPM", "%"},
        {&form.T_zwloki_changer, "ms", "Czas błędu ciś.", "ms"},
        {&form.RPM_Prog_przel, "1/min", "RPM", "rpm"},
        {&form.Temp_LPG_changer, "°C", "Temperatura", "°C"},
        {&form.T_przel_to_LPG, "s", "Czas przeł.", "s"},
        {&form.T_CYL_seqence, "ms", "Sekwencja cyl.", "ms"},
    };
    for (const auto& d : dials) {
        EXPECT_EQ(d.dial->name1(), d.name1) << d.dial->name();
        EXPECT_EQ(d.dial->name2(), d.name2) << d.dial->name();
        EXPECT_EQ(d.dial->unit(), d.unit) << d.dial->name();
        EXPECT_TRUE(d.dial->show.name1 && d.dial->show.name2 && d.dial->show.value) << d.dial->name();
        EXPECT_FALSE(d.dial->show.unit) << d.dial->name();
    }
}

TEST(FormDesign, StartState) {
    Form form;
    EXPECT_FALSE(form.TabSheet10.tabVisible());
    EXPECT_FALSE(form.TabSheet11.tabVisible());
    for (const MenuItem* item : {&form.Odczyt1, &form.Zapis1, &form.Reset1}) {
        EXPECT_FALSE(item->visible()) << item->name();
        EXPECT_FALSE(item->enabled()) << item->name();
    }
    EXPECT_TRUE(form.Exit1.visible());
    EXPECT_FALSE(form.Zaplon_panel.enabled());
    EXPECT_FALSE(form.Error_Led.visible());
    EXPECT_EQ(form.tab_control.activePage(), &form.TabSheet1);
    EXPECT_EQ(form.PageControl1.activePage(), &form.Typ_E);
    EXPECT_TRUE(form.Cyl_0_show.checked());
    EXPECT_TRUE(form.LPG_RadioButton.checked());
    EXPECT_TRUE(form.PolskiPL.checked());
    EXPECT_FALSE(form.Polacz_switch.checked());
    EXPECT_TRUE(form.Polacz_switch.switchMode);
    EXPECT_FALSE(form.paliwo_Switch.switchMode);
    EXPECT_EQ(form.rezerwa_led_gora.flashHz(), 4);
    EXPECT_EQ(form.Gaz_led_1g.flashHz(), 1);
    EXPECT_FALSE(form.Gaz_led_1g.flashing());
    EXPECT_DOUBLE_EQ(form.TempGaz.value(), -40);
    EXPECT_DOUBLE_EQ(form.RPM_zegar.value(), 0.001);
    EXPECT_TRUE(form.StatusBar1.panels().at(1).ownerDrawn);
    for (const Control* hidden :
         std::initializer_list<const Control*>{&form.GroupBox15, &form.Panel_korekta, &form.Min_Temp_Petrol_changer,
                                               &form.RPM_Min_To_Petrol, &form.Ch_U_LPG_changer, &form.lupa_button,
                                               &form.Label23, &form.szybkosc, &form.wykres_CheckBox, &form.CheckBox1}) {
        EXPECT_FALSE(hidden->visible()) << hidden->name();
    }
    for (const ComboBox* combo : {&form.Sel_cyl, &form.Sel_Typ_wtrysku, &form.T_RED_changer, &form.Rodz_czuj_LPG}) {
        EXPECT_EQ(combo->itemIndex(), ComboBox::kNone) << combo->name();
        EXPECT_EQ(combo->text(), "") << combo->name();
    }
    EXPECT_FALSE(form.Rodz_czuj_LPG.editable());
    EXPECT_TRUE(form.Sel_cyl.editable());
    for (const Control* off :
         std::initializer_list<const Control*>{&form.P1_MAP_changer, &form.Sel_Typ_wtrysku_Petrol, &form.ComboBox17,
                                               &form.Data_Pierwsza_Pick, &form.Data_Ostatnia_Pick}) {
        EXPECT_FALSE(off->enabled()) << off->name();
    }
}

TEST(FormDesign, PressureSlidersAtTheirTopEnd) {
    Form form;
    form.P_min_changer.setValue(2.5);
    form.P_pracy_changer.setValue(2.5);
    EXPECT_EQ(form.P_min_changer.digitalValue(), 255);
    EXPECT_EQ(form.P_pracy_changer.digitalValue(), 250);
    // Design values lying outside the dials' ranges show at the nearest end.
    Form fresh;
    EXPECT_DOUBLE_EQ(fresh.RPM_Prog_przel.value(), 300);
    EXPECT_DOUBLE_EQ(fresh.Ch_U_LPG_changer.value(), 5);
}

TEST(FormDesign, ReplacingItemTextsKeepsPositionsAndSelection) {
    Form form;
    form.Sel_Impuls.setItemIndex(3);
    form.Sel_Impuls.replaceItem(0, "Single coil");
    form.Sel_Impuls.replaceItem(3, "4 cyl");
    form.Sel_Impuls.replaceItem(9, "beyond the list");
    EXPECT_EQ(form.Sel_Impuls.items().size(), 7u);
    EXPECT_EQ(form.Sel_Impuls.itemIndex(), 3);
    EXPECT_EQ(form.Sel_Impuls.text(), "4 cyl");
}

TEST(FormDesign, DiagnosticPairsAre97PixelsApart) {
    Form form;
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_EQ(form.petrolBars[k]->geometry().x, 9 + 97 * static_cast<int>(k)) << k;
    }
}

}  // namespace
}  // namespace qavi::ui
