#include "ui/form/form.h"

#include <string>

namespace qavi::ui {

namespace {

void setSignal(SignalControl& s, double from, double to, int dFrom, int dTo, const std::string& format) {
    s.setValueRange(from, to);
    s.setDigitalRange(dFrom, dTo);
    s.setFormat(format);
}

// A dial shows its value, Name1 (the unit of the scale) and Name2 (its title,
// which the language switch replaces); the unit text is carried but not drawn.
void designDial(InputControl& d, double from, double to, int dFrom, int dTo, const std::string& format,
                const std::string& name1, const std::string& name2, const std::string& unit) {
    setSignal(d, from, to, dFrom, dTo, format);
    d.setName1(name1);
    d.setName2(name2);
    d.setUnit(unit);
    d.show = ShowParts{true, true, true, false};
}

}  // namespace

Form::Form() {
    QAVI.setCaption(kCaption);
    designDashboard();
    designPetrolPage();
    designGasPage();
    designAdaptationPage();
    designMapPage();
    designErrorPage();
    designOscilloscopePage();
    designDiagnosticPage();
    designSwitchPage();
    designServicePage();
    designInfoPages();
    designStatusAndMenus();

    cylLeds = {&Cyl_0_led, &Cyl_1_led, &Cyl_2_led, &Cyl_3_led, &Cyl_4_led, &Cyl_5_led, &Cyl_6_led, &Cyl_7_led};
    cylShows = {&Cyl_0_show, &Cyl_1_show, &Cyl_2_show, &Cyl_3_show,
                &Cyl_4_show, &Cyl_5_show, &Cyl_6_show, &Cyl_7_show};
    petrolBars = {&Skala_PB_time1, &Skala_PB_time2, &Skala_PB_time3, &Skala_PB_time4,
                  &Skala_PB_time5, &Skala_PB_time6, &Skala_PB_time7, &Skala_PB_time8};
    gasBars = {&gaz_slupek_1, &gaz_slupek_2, &gaz_slupek_3, &gaz_slupek_4,
               &gaz_slupek_5, &gaz_slupek_6, &gaz_slupek_7, &gaz_slupek_8};
    corrections = {&Kor_1, &kor_2, &kor_3, &kor_4, &kor_5, &kor_6, &kor_7, &kor_8};
    levelLedsTop = {&Gaz_led_1g, &Gaz_led_2g, &Gaz_led_3g, &Gaz_led_4g};
    levelLedsPanel = {&Gaz_led_1p, &Gaz_led_2p, &Gaz_led_3p, &Gaz_led_4p};
    levelThresholds = {&Ch_U_LPG_1, &Ch_U_LPG_2, &Ch_U_LPG_3, &Ch_U_LPG_4};
    languageItems = {&NiemieckiDE, &AngielskiGB, &PolskiPL, &Russian, &Ceski, &Turkish, &Thai, &Greek};
    flagButtons = {&GNiemieckiDE, &GAngielskiGB, &GPolskiPL, &GRussian, &GCeski, &GTurkish, &GThai, &GGreek};
}

Control* Form::find(const std::string& name) const {
    for (Control* c : controls_) {
        if (c->name() == name) return c;
    }
    return nullptr;
}

void Form::designDashboard() {
    BATERY_vpp.setValueRange(0, 100);
    BATERY_vpp.setFormat("#0.00");
    BATERY_vpp.setUnit("V");
    BATERY_vpp.setName1("Bateria    ");
    BATERY_vpp.show = ShowParts{true, true, false, true};

    GroupBox6.setCaption("Inj. Petrol/Gaz");
    setSignal(Skala_PB_time, 0, 30, 0, 1000, "##0.0");
    Skala_PB_time.setName2("CYL 1");
    Skala_PB_time.show = ShowParts{true, false, true, false};
    Skala_PB_time.barColor = colors::kRed;
    setSignal(Skala_LPG_time, 0, 50, 0, 1000, "##0.0");
    Skala_LPG_time.show = ShowParts{true, false, false, false};
    Skala_LPG_time.barColor = colors::kLime;
    Label3.setCaption("Petrol [ms]");
    Label4.setCaption("Gaz [ms]");

    aaa.setCaption("Aktywne inj. Gaz");
    for (int i = 0; i < 8; ++i) {
        Led* led = std::array<Led*, 8>{&Cyl_0_led, &Cyl_1_led, &Cyl_2_led, &Cyl_3_led,
                                        &Cyl_4_led, &Cyl_5_led, &Cyl_6_led, &Cyl_7_led}[static_cast<std::size_t>(i)];
        led->setCaption(std::to_string(i + 1));
        led->setOffColor(colors::kGrey);
        led->setOnColor(colors::kLime);
    }
    Cyl_0_show.setChecked(true);

    GroupBox4.setCaption("Sondy Lambda");
    Label1.setCaption("1");
    Label2.setCaption("2");
    for (DisplayGauge* l : {&lambda_1, &lambda_2}) {
        setSignal(*l, 0, 1, 0, 1000, "##0.0");
        l->horizontal = true;
        l->show = ShowParts{true, false, false, false};
    }

    GroupBox3.setCaption("MAP/P1");
    Label7.setCaption("MAP ");
    Label8.setCaption("P1");
    setSignal(Slala_P_MAP, 0.000001, 240, 0, 1000, "##0.0");
    Slala_P_MAP.setName1("MAP [kPa]");
    setSignal(Skala_P1_MAP, 0.000001, 3, 0, 1000, "##0.0");
    Skala_P1_MAP.setName1("P1 [bar]");
    for (DisplayGauge* m : {&Slala_P_MAP, &Skala_P1_MAP}) {
        m->horizontal = true;
        m->scaleMajorSteps = 3;
        m->scaleMinorSteps = 5;
        m->scaleFormat = "##0";
        m->bands = {{0, 300, colors::kYellow}, {300, 833, colors::kLime}, {833, 1000, colors::kRed}};
        m->show = ShowParts{true, true, false, false};
    }
    P_MAP_edit.setFormat("##0.0");
    P_MAP_edit.setUnit("[kPa]");
    P_MAP_edit.setName1("MAP   ");
    P_MAP_edit.show = ShowParts{true, false, false, true};
    P1_MAP_edit.setFormat("#0.00");
    P1_MAP_edit.setUnit("[bar] ");
    P1_MAP_edit.setName1("P1        ");
    P1_MAP_edit.show = ShowParts{true, false, false, true};

    GroupBox7.setCaption("RPM");
    setSignal(RPM_zegar, 0.000001, 10, 0, 1000, "##0.##0");
    RPM_zegar.setUnit("x1000");
    RPM_zegar.show = ShowParts{true, false, false, true};
    RPM_zegar.scaleMajorSteps = 10;  // one label per thousand rpm reads better than eight uneven steps
    RPM_zegar.scaleMinorSteps = 2;
    RPM_zegar.scaleFormat = "##0";
    RPM_zegar.bands = {{100, 600, colors::kLime}, {600, 750, colors::kYellow}, {750, 1000, colors::kRed}};
    RPM_zegar.setValue(0.001);
    RPM_Edit.setFormat("###0");
    RPM_Edit.show = ShowParts{true, false, false, false};

    Zaplon_panel.setCaption("Przełącznik");
    Zaplon_panel.setEnabled(false);
    paliwo_Switch.setOnText("LPG");
    paliwo_Switch.setOnColor(colors::kLime);
    paliwo_Switch.setOffText("PB");
    paliwo_Switch.setOffColor(colors::kRed);
    paliwo_Switch.switchMode = false;

    rezerwa_led_gora.setOnColor(colors::kRed);
    rezerwa_led_gora.setFlashHz(4);
    rezerwa_led_gora.captionLeft = true;
    rezerwa_led_gora.setCaption("R");
    for (Led* led : {&Gaz_led_1g, &Gaz_led_2g, &Gaz_led_3g, &Gaz_led_4g}) {
        led->setFlashHz(1);
        led->setOnColor(colors::kLime);
    }

    GroupBox8.setCaption("Temperatura");
    for (DisplayGauge* t : {&TempGaz, &TempWoda}) {
        setSignal(*t, 0.000001, 120, 0, 1000, "##0.0");
        t->setUnit("°C");
        t->show = ShowParts{true, true, false, true};
        t->scaleMajorSteps = 6;
        t->scaleMinorSteps = 6;
        t->setValue(-40);
    }
    TempGaz.setName1("Gaz");
    TempWoda.setName1("Red");

    GroupBox5.setCaption("Port COM");
    Polacz_switch.switchMode = true;
    Polacz_switch.setOnText("* * *");
    Polacz_switch.setOnColor(colors::kLime);
    Polacz_switch.setOffText("Rozłączony");
    Polacz_switch.setOffColor(colors::kRed);

    Error_Led.setCaption("*  *  *  E r r o r  *  *  *");
    Error_Led.setColor(colors::kRed);
    Error_Led.setVisible(false);
}

void Form::designPetrolPage() {
    for (TabSheet* page : {&TabSheet1, &TabSheet2, &TabSheet3, &TabSheet4, &TabSheet5, &TabSheet7, &TabSheet8,
                           &TabSheet9, &TabSheet10, &TabSheet11, &TabSheet12}) {
        tab_control.addPage(*page);
    }
    TabSheet1.setCaption("Panel Petrol");
    TabSheet2.setCaption("Panel Gaz");
    TabSheet3.setCaption("Adaptacja");
    TabSheet4.setCaption("Mapa");
    TabSheet5.setCaption("Error");
    TabSheet7.setCaption("Oscyloskop");
    TabSheet8.setCaption("Diagnostyka");
    TabSheet9.setCaption("Przełącznik");
    TabSheet10.setCaption("Serwis");
    TabSheet10.setTabVisible(false);
    TabSheet11.setCaption("Help");
    TabSheet11.setTabVisible(false);
    TabSheet12.setCaption("Info");
    tab_control.setActivePage(&TabSheet1);

    GroupBox11.setCaption("");
    Label34.setCaption("Ilość cylindrów");
    Sel_cyl.setItems({"3 cyl.", "4 cyl.", "5 cyl.", "6 cyl.", "8 cyl."});
    Label35.setCaption("Impulsy");
    Sel_Impuls.setItems({"Cewka pojedyncza", "Cewka podwójna", "3 cyl.", "4 cyl.", "5 cyl.", "6 cyl.", "8 cyl."});
    Label36.setCaption("Sygnał RPM");
    Sel_RPM_signal.setItems({"Low  5V", "High 12V"});
    Label37.setCaption("Typ silnika");
    Sel_Typ_silnika.setItems({"Standard", "Turbo"});
    Label38.setCaption("Typ wtrysku");
    Label38.setVisible(false);
    Sel_Typ_wtrysku_Petrol.setItems({"Standowy"});
    Sel_Typ_wtrysku_Petrol.setVisible(false);
    Sel_Typ_wtrysku_Petrol.setEnabled(false);
    Label39.setCaption("Sonda lambda");
    Label39.setVisible(false);
    ComboBox17.setItems({"Napięciowa", "Prądowa"});
    ComboBox17.setVisible(false);
    ComboBox17.setEnabled(false);
    Label40.setCaption("Wtryskiwacze dodatnie");
    Full_group_CheckBox.setCaption("Full Group");
    szybkosc.setItems({"7200"});
    szybkosc.setText("Wybierz szybkość");
    szybkosc.setVisible(false);
    szybkosc.setEnabled(false);
}

void Form::designGasPage() {
    GroupBox12.setCaption("Gas injector");
    Sel_Typ_wtrysku.setItems({"Valtek/Rail 1 Ohm", "Valtek/Rail 2 Ohm", "Valtek/Rail 3 Ohm", "Matrix/Magic ", "BRC",
                              "Keihin", "Stefanelli", "MASTER/OMVL"});
    GroupBox15.setCaption("Rodzaj paliwa");
    GroupBox15.setVisible(false);
    LPG_RadioButton.setCaption("LPG");
    LPG_RadioButton.setChecked(true);
    CNG_RadioButton.setCaption("CNG");
    GroupBox19.setCaption("Czujniki");
    Label20.setCaption("P1 MAP /P Gaz");
    P1_MAP_changer.setItems({"QAVI 01"});
    P1_MAP_changer.setEnabled(false);
    Label21.setCaption("Cz.temp.reduktora");
    const std::vector<std::string> sensors{"1,7 kOhm", "2,2 kOhm", "4,5 kOhm", "4,7 kOhm", "5 kOhm", "10 kOhm"};
    T_RED_changer.setItems(sensors);
    Label22.setCaption("Cz.temp.gazu");
    T_GAZ_changer.setItems(sensors);
    GroupBox14.setCaption("Parametry ciśnień adaptacji");
    for (InputControl* s : {&P_pracy_changer, &P_min_changer}) {
        s->setValueRange(0.40, 2.50);
        s->setFormat("#0.00");
        s->show = ShowParts{true, true, false, false};
        s->scaleMajorSteps = 5;
        s->scaleMinorSteps = 5;
        s->scaleFormat = "#0.0";  // scale steps of 0.42 need their decimal
    }
    P_pracy_changer.setDigitalRange(40, 250);
    P_pracy_changer.setName1("P. pracy");
    P_min_changer.setDigitalRange(40, 255);
    P_min_changer.setName1("P. min");
    P_pracy_changer.setValue(0.4);
    P_min_changer.setValue(0.4);
}

void Form::designAdaptationPage() {
    Adaptacja_progres.minimum = 0;
    Adaptacja_progres.maximum = 100;
    Button_start.setCaption("START");
    Button_stop.setCaption("STOP");
    Label28.setCaption("START - Początek adaptacji");
}

void Form::designMapPage() {
    for (TabSheet* page : {&Typ_E, &TypB, &TypS}) {
        PageControl1.addPage(*page);
    }
    Typ_E.setCaption("Typ 1");
    TypB.setCaption("Typ 2");
    TypS.setCaption("Typ 3");
    PageControl1.setActivePage(&Typ_E);

    for (Chart* chart : {&Chart1, &Chart2}) {
        chart->bottomAxis = ChartAxis{1.0, 25.5, 0, "[ms]", "", true, true, 0};
        chart->leftAxis = ChartAxis{0, 2.57, 0.1, "Gaz [ms] / Petrol [ms]", "", true, false, 0};
        chart->rightAxis = ChartAxis{0, 100, 10, "MAP [kPa]", "", true, true, 0};
        chart->topAxis.visible = false;
    }
    Chart2.bottomAxis.labelFormat = ",#0.#";
    Chart2.bottomAxis.minorTicks = 2;

    auto line = [](const char* name, const char* title, bool right) {
        ChartSeries s;
        s.name = name;
        s.title = title;
        s.rightAxis = right;
        return s;
    };
    auto points = [&](const char* name, const char* title, bool right) {
        ChartSeries s = line(name, title, right);
        s.drawLine = false;
        s.drawPoints = true;
        return s;
    };
    Chart1.series = {line("Series1", "Mnożnik", false),        line("Series2", "Obszar_od", false),
                     line("Series3", "Obszar_do", false),      line("Series4", "Wskaznik", true),
                     line("Series5", "Wykres_Gaz", true),      line("Series7", "Wykres_Petrol", true),
                     points("Series6", "Punkty", true),        points("Series8", "Punkty", true)};
    Chart2.series = {line("LineSeries1", "Mnożnik", false),   points("LineSeries2", "Obszar_od", false),
                     points("LineSeries3", "Obszar_do", true), line("LineSeries4", "Wskaznik", true),
                     line("LineSeries5", "Wykres_Gaz", true),  line("LineSeries6", "Wykres_Petrol", true),
                     points("PointSeries1", "Punkty", true),   points("PointSeries2", "Punkty", true)};
    Chart2.series[0].valueFormat = "#,#0.";

    PaintBox1.setHint("Zmiana korekcji-zaznacz obszar zmian na wykresie i przesuń strzałkami góra/dół");
    zoom.setCaption("<< [ms] >>");
    wykres_CheckBox.setVisible(false);
    BitBtn2.setCaption("Petrol");
    BitBtn1.setCaption("Gaz");
    AbSpinButton1.repeatDelayMs = 500;
    AbSpinButton1.repeatIntervalMs = 100;
    Button3.setCaption("X");

    MAPGrid.setHint("Zaznacz obszar używając lewego przycisku myszy");
    lupa_button.setVisible(false);

    Ed_chart2.readOnlyText = true;
    Ed_chart2.format = "#0.#";
    Ed_chart2.increment = 1;
    zoom_S.setCaption("<< [ms] >>");
    CheckBox1.setVisible(false);
    BitBtn2a.setCaption("Petrol");
    BitBtn1a.setCaption("Gaz");
}

void Form::designErrorPage() {
    Label19.setCaption("Błędy aktualne");
    Label18.setCaption("Błędy zarejestrowane");
    Button2.setCaption("Reset");
}

void Form::designOscilloscopePage() {
    OSC_PETROL_LPG.setCaption("Inj. Petrol / Gaz  [ms]");
    OSC_MAP_P1.setCaption("MAP/P1    [kPa] / [bar]");
    TEMP_LPG_RED.setCaption("Temp Gaz / Red [°C]");
    RPM_LAMBDA1.setCaption("RPM / LAMBDA 1[V]");
    RPM_LAMBDA2.setCaption("RPM / LAMBDA 2[V]");
}

void Form::designDiagnosticPage() {
    Label6.setCaption("Petrol [ms]");
    Label5.setCaption("Gaz [ms]");
    const std::array<DisplayGauge*, 8> petrol{&Skala_PB_time1, &Skala_PB_time2, &Skala_PB_time3, &Skala_PB_time4,
                                               &Skala_PB_time5, &Skala_PB_time6, &Skala_PB_time7, &Skala_PB_time8};
    const std::array<DisplayGauge*, 8> gas{&gaz_slupek_1, &gaz_slupek_2, &gaz_slupek_3, &gaz_slupek_4,
                                            &gaz_slupek_5, &gaz_slupek_6, &gaz_slupek_7, &gaz_slupek_8};
    for (std::size_t k = 0; k < 8; ++k) {
        setSignal(*petrol[k], 0, 40, 0, 1000, "#0.0");
        petrol[k]->setName2(std::string(11, ' ') + std::to_string(k + 1));
        petrol[k]->show = ShowParts{true, false, true, false};
        petrol[k]->barColor = colors::kRed;
        setSignal(*gas[k], 0, 40, 0, 1000, "#0.0");
        gas[k]->setUnit("[ms]");
        gas[k]->setName2(" ");
        gas[k]->show = ShowParts{true, false, true, false};
        gas[k]->barColor = colors::kLime;
    }
    Panel_korekta.setCaption("Korekta wtryskiwaczy gazowych   [ms]");
    Panel_korekta.setVisible(false);
    for (Spin* s : {&Kor_1, &kor_2, &kor_3, &kor_4, &kor_5, &kor_6, &kor_7, &kor_8}) {
        s->minimum = -20;
        s->maximum = 20;
        s->increment = 1;
        s->format = "#0.#";
        s->readOnlyText = true;
        s->repeatDelayMs = 700;
        s->repeatIntervalMs = 700;
    }
}

void Form::designSwitchPage() {
    GroupBox17.setCaption("Parametry przełączania na Petrol");
    designDial(Min_Temp_Petrol_changer, -25, 100, -25, 100, "##0", "°C", "Min.Temp.", "°C");
    Min_Temp_Petrol_changer.setVisible(false);
    designDial(RPM_Min_To_Petrol, 0.000001, 6500, 0, 65, "###0", "1/min", "Min. RPM", "rpm");
    RPM_Min_To_Petrol.setVisible(false);
    designDial(RPM_Max_To_Petrol, 0, 12000, 0, 120, "####0", "1/min", "Max. RPM", "%");
    RPM_Max_To_Petrol.scaleMajorSteps = 20;
    RPM_Max_To_Petrol.scaleMinorSteps = 10;
    designDial(T_zwloki_changer, 0, 1450, 0, 1450, "###0", "ms", "Czas błędu ciś.", "ms");
    Label24.setCaption("Przełącz przy pierwszym spadku ciśnienia");

    GroupBox13.setCaption("Parametry przełączania na Gaz");
    designDial(RPM_Prog_przel, 300, 6000, 3, 60, "###0", "1/min", "RPM", "rpm");
    RPM_Prog_przel.scaleMajorSteps = 20;
    RPM_Prog_przel.scaleMinorSteps = 2;
    designDial(Temp_LPG_changer, 20, 90, 20, 90, "#0.0", "°C", "Temperatura", "°C");
    Temp_LPG_changer.setValue(20);
    designDial(T_przel_to_LPG, 2, 60, 2, 60, "##0", "s", "Czas przeł.", "s");
    designDial(T_CYL_seqence, 0, 2550, 0, 255, "###0", "ms", "Sekwencja cyl.", "ms");
    Min_Temp_Petrol_changer.showScale = false;
    for (InputControl* d : {&Min_Temp_Petrol_changer, &RPM_Min_To_Petrol, &RPM_Max_To_Petrol, &T_zwloki_changer,
                            &RPM_Prog_przel, &Temp_LPG_changer, &T_przel_to_LPG, &T_CYL_seqence}) {
        d->setValue(d->valueFrom());
    }
    // The dial's design value 100 lies below its range; the settings view replaces it.
    RPM_Prog_przel.setValue(100);

    GroupBox18.setCaption("Wskaźnik poziomu");
    U_zbiornika.setText("0.00");
    U_zbiornika.setReadOnly(true);
    Label16.setCaption("Odczyt [V]");
    Rezerwa_led_panel.setCaption("R");
    Rezerwa_led_panel.captionLeft = true;
    Rezerwa_led_panel.setOnColor(colors::kRed);
    Rezerwa_led_panel.setFlashHz(4);
    for (Led* led : {&Gaz_led_1p, &Gaz_led_2p, &Gaz_led_3p, &Gaz_led_4p}) {
        led->setFlashHz(1);
        led->setOnColor(colors::kLime);
    }
    for (Edit* e : {&Ch_U_LPG_1, &Ch_U_LPG_2, &Ch_U_LPG_3, &Ch_U_LPG_4}) {
        e->setReadOnly(true);
        e->setMaxLength(4);
        e->setText("0,00");
    }
    Label17.setCaption("Rodzaj czujnika");
    Rodz_czuj_LPG.setItems({"0-90 Ohm", "90-0 Ohm", "0-50 kOhm", "50-0 kOhm"});
    Rodz_czuj_LPG.setEditable(false);
    setSignal(Ch_U_LPG_changer, 0, 5, 0, 500, "#0.00");
    Ch_U_LPG_changer.largeStep = 500;
    Ch_U_LPG_changer.arrowKeysOnly = true;
    Ch_U_LPG_changer.scaleMajorSteps = 5;
    Ch_U_LPG_changer.scaleMinorSteps = 10;
    Ch_U_LPG_changer.scaleFormat = "#0.0";
    Ch_U_LPG_changer.setVisible(false);
    // Design value 10 lies above the range; it shows as the top end until the
    // level-sensor set-up places it.
    Ch_U_LPG_changer.setValue(10);
}

void Form::designServicePage() {
    gaz_na_benzyna.horizontal = true;
    setSignal(gaz_na_benzyna, 0, 100, 0, 1000, "##0.0");
    gaz_na_benzyna.setUnit("% gaz");
    gaz_na_benzyna.setName1("ssss");
    gaz_na_benzyna.show = ShowParts{true, false, false, true};
    Data_pierwsza_adapt_Label.setCaption("Data pierwszej adaptacji");
    Data_ostatnia_adapt_Label.setCaption("Data ostatniej adaptacji");
    for (DatePicker* p : {&Data_Pierwsza_Pick, &Data_Ostatnia_Pick}) {
        p->setDate(Date{2008, 7, 1});
        p->setEnabled(false);
    }
    Data_Pierwsza_time.setEnabled(false);
    Data_Ostatnia_time.setEnabled(false);
    Korekcja_box.setCaption("Korekcja [h/km]");
    godz_Label.setCaption("1 godz=");
    przelicznik.minimum = 30;
    przelicznik.maximum = 70;
    przelicznik.increment = 1;
    przelicznik.format = "#0";
    przelicznik.readOnlyText = true;
    przelicznik.setValue(40);
    km_Label.setCaption("km");
    Praca_na_gazie_Box.setCaption("Praca na gazie");
    Praca_na_benzynie_Box.setCaption("Praca na benzynie");
    Do_przegladu_Box.setCaption("Do przeglądu");
    const std::array<std::pair<Edit*, Color>, 6> counters{{{&Czas_gazu_Edit, colors::kLime},
                                                          {&km_gaz_Edit, colors::kLime},
                                                          {&Czas_benzyny_Edit, colors::kRed},
                                                          {&km_benzyna_Edit, colors::kRed},
                                                          {&Do_Przeglad_Edit, colors::kAqua},
                                                          {&km_Do_Przeglad_Edit, colors::kAqua}}};
    for (const auto& [edit, colour] : counters) {
        edit->setReadOnly(true);
        edit->setColor(colors::kBlack);
        edit->setFontColor(colour);
        edit->setBold(true);
    }
    Za_godz_Label.setCaption("za godz.");
    za_godz.minimum = 0;
    za_godz.increment = 10;
    Za_km_Label.setCaption("za km");
    za_km.minimum = 0;
    za_km.increment = 500;
    Ustaw_przeglad_Button.setCaption("Ustaw przegląd");
    Kasuj_alarm_BitBtn.setCaption("Reset");
    Kasuj_alarm_BitBtn.setHint("Kasuj alarm");
}

void Form::designInfoPages() {
    Help_Memo.setColor(colors::kLightGrey);
    Label23.setVisible(false);
}

void Form::designStatusAndMenus() {
    StatusBar1.panels() = {StatusPanel{"QAVI ver.", 190, false},
                           StatusPanel{" Ostatnie połączenie z PC : ", 0, true}};

    Odczyt1.setVisible(false);
    Odczyt1.setEnabled(false);
    Zapis1.setVisible(false);
    Zapis1.setEnabled(false);
    Reset1.setVisible(false);
    Reset1.setEnabled(false);

    // COM1 … COM30 come before "Połącz" and "Rozłącz" in the port menu.
    PortCOM.removeChild(polacz);
    PortCOM.removeChild(rozlacz1);
    for (int i = 1; i <= 30; ++i) {
        portItems.push_back(std::make_unique<MenuItem>(*this, "COM" + std::to_string(i), &PortCOM, std::to_string(i)));
    }
    PortCOM.addChild(polacz);
    PortCOM.addChild(rozlacz1);

    PolskiPL.setChecked(true);
}

}  // namespace qavi::ui
