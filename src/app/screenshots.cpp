#include "app/screenshots.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "qt/main_window.h"

namespace qavi::app {

namespace {

// A fuel map shaped like a real one: richer at short injection times, leaner
// towards full load.
double sampleMultiplier(int i) { return 1.32 - 0.14 * std::tanh((i - 60) / 50.0) + 0.03 * std::sin(i / 18.0); }

}  // namespace

void fillSampleData(ui::Form& form) {
    using namespace ui;
    form.BATERY_vpp.setValue(13.82);
    form.Skala_PB_time.setValue(4.6);
    form.Skala_LPG_time.setValue(6.1);
    form.lambda_1.setValue(0.62);
    form.lambda_2.setValue(0.31);
    form.Slala_P_MAP.setValue(46.5);
    form.P_MAP_edit.setValue(46.5);
    form.Skala_P1_MAP.setValue(1.14);
    form.P1_MAP_edit.setValue(1.14);
    form.RPM_zegar.setDialLook(0, 6);
    form.RPM_zegar.setValue(2.45);
    form.RPM_Edit.setValue(2450);
    form.TempGaz.setValue(31.4);
    form.TempWoda.setValue(68.2);
    form.Zaplon_panel.setEnabled(true);
    form.paliwo_Switch.setChecked(true);
    form.Polacz_switch.setChecked(true);
    form.Polacz_switch.setOnText("COM3  7200");
    for (int i = 0; i < 4; ++i) form.cylLeds[static_cast<std::size_t>(i)]->setChecked(true);
    for (int i = 0; i < 3; ++i) form.levelLedsTop[static_cast<std::size_t>(i)]->setChecked(true);
    form.StatusBar1.setPanelText(0, "QAVI ver. 2.14");
    form.StatusBar1.setPanelOwnerDrawn(1, false);
    form.StatusBar1.setPanelText(1, " Ostatnie połączenie z PC : 2026-12-09 16:42");
    form.TabSheet10.setTabVisible(true);
    form.GroupBox15.setVisible(true);
    form.Panel_korekta.setVisible(true);
    form.Min_Temp_Petrol_changer.setVisible(true);
    form.RPM_Min_To_Petrol.setVisible(true);

    form.Sel_cyl.setItemIndex(1);
    form.Sel_Impuls.setItemIndex(0);
    form.Sel_RPM_signal.setItemIndex(0);
    form.Sel_Typ_silnika.setItemIndex(0);
    form.Sel_Typ_wtrysku.setItemIndex(0);
    form.T_RED_changer.setItemIndex(3);
    form.T_GAZ_changer.setItemIndex(3);
    form.P1_MAP_changer.setItemIndex(0);
    form.P_pracy_changer.setValue(1.2);
    form.P_min_changer.setValue(0.8);

    form.Adaptacja_progres.setPosition(62);
    form.Adaptacja_info.setCaption("Adaptacja w toku: krok 3 z 5");

    std::vector<ChartPoint> multiplier, gas, petrol;
    for (int i = 1; i <= 246; ++i) {
        const double x = (i + 9) / 10.0;
        multiplier.push_back({x, sampleMultiplier(i), std::nullopt});
        const int row = 256 - static_cast<int>(std::lround(sampleMultiplier(i) * 100));
        form.MAPGrid.setCellColor(i, row, colors::kBlue);
        form.MAPGrid.setCellHint(i, row, "(X=" + std::to_string(x) + " [ms])");
    }
    for (int i = 0; i < 40; ++i) {
        const double x = 2.0 + i * 0.3;
        gas.push_back({x, 20 + 45 * std::exp(-std::pow((x - 5.5) / 2.2, 2)), std::nullopt});
        petrol.push_back({x, 18 + 40 * std::exp(-std::pow((x - 5.0) / 2.4, 2)), std::nullopt});
    }
    for (int r = 1; r <= 256; ++r)
        form.MAPGrid.setCellText(0, r, std::to_string((256 - r) / 100) + "." + std::to_string((256 - r) % 100 / 10));
    for (int c = 1; c <= 246; ++c) form.MAPGrid.setCellText(c, 0, std::to_string((c + 9) / 10));
    form.MAPGrid.scrollTo(8, 100);
    form.MAPGrid.endUpdate();
    for (Chart* chart : {&form.Chart1, &form.Chart2}) {
        chart->setSeriesPoints(0, multiplier);
        chart->setSeriesPoints(4, gas);
        chart->setSeriesPoints(5, petrol);
        std::vector<ChartPoint> marks{{4.6, 46.5, colors::kRed}, {6.1, 46.5, colors::kGreen}};
        chart->setSeriesPoints(6, marks);
    }

    form.Actual_errors_Memo.setText("Brak błędów");
    form.Register_errors_memo.setText("Czujnik temperatury reduktora\r\nCiśnienie gazu za niskie");
    form.OSC_PETROL_LPG.setChecked(true);
    for (auto& channel : form.Oscyloskop.channels) channel.name1 = "";
    form.Oscyloskop.channels[0].name1 = "Petrol";
    form.Oscyloskop.channels[0].unit = "ms";
    form.Oscyloskop.channels[1].name1 = "Gaz";
    form.Oscyloskop.channels[1].unit = "ms";
    form.Oscyloskop.channels[0].valueTo = 20;
    form.Oscyloskop.channels[1].valueTo = 20;
    for (int i = 0; i < 520; ++i) {
        const double load = 4.5 + 2.5 * std::sin(i / 40.0) + 0.4 * std::sin(i / 3.0);
        form.Oscyloskop.addSample(load, load * 1.3 + 0.2);
    }
    for (std::size_t k = 0; k < 8; ++k) {
        form.petrolBars[k]->setValue(k < 4 ? 4.4 + 0.1 * static_cast<double>(k) : 0);
        form.gasBars[k]->setValue(k < 4 ? 5.9 + 0.12 * static_cast<double>(k) : 0);
        form.corrections[k]->setValue(k == 2 ? 2 : 0);
    }
    form.RPM_Prog_przel.setValue(1800);
    form.Temp_LPG_changer.setValue(35);
    form.T_przel_to_LPG.setValue(30);
    form.T_CYL_seqence.setValue(500);
    form.Min_Temp_Petrol_changer.setValue(10);
    form.RPM_Min_To_Petrol.setValue(800);
    form.RPM_Max_To_Petrol.setValue(6500);
    form.T_zwloki_changer.setValue(400);
    form.U_zbiornika.setText("2.41");
    form.Rodz_czuj_LPG.setItemIndex(0);
    for (std::size_t k = 0; k < 3; ++k) form.levelLedsPanel[k]->setChecked(true);

    form.gaz_na_benzyna.setValue(87.5);
    form.Czas_gazu_Edit.setText("1245 h 12 min");
    form.km_gaz_Edit.setText("~ 49808 [km]");
    form.Czas_benzyny_Edit.setText("178 h 40 min");
    form.km_benzyna_Edit.setText("~ 7147 [km]");
    form.Do_Przeglad_Edit.setText("254 h 48 min");
    form.km_Do_Przeglad_Edit.setText("~ 10,192 [km]");
    form.za_godz.setValue(500);
    form.za_km.setValue(20000);
    form.Data_Pierwsza_time.setText("10:24");
    form.Data_Ostatnia_time.setText("16:42");
    form.Data_Ostatnia_Pick.setDate(Date{2026, 12, 9});

    form.QAVI_Linl_label.setCaption("www.example.org/qavi");
    form.QAVI_Linl_new_label.setCaption("www.example.org/qavi/news");
    form.Label45.setCaption("service@example.org");
}

namespace {

// Lets the window catch up with the model, then saves what it shows.
bool saveWindow(qt::MainWindow& window, const QString& file) {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    return window.grab().save(file);
}

// "03_TabSheet3": the page's place among the tabs keeps the files in tab order.
QString pageFileName(ui::Form& form, ui::TabSheet* page) {
    const auto& pages = form.tab_control.pages();
    const auto place = std::find(pages.begin(), pages.end(), page) - pages.begin() + 1;
    return QString("%1_%2").arg(place, 2, 10, QChar('0')).arg(page->name().c_str());
}

}  // namespace

QStringList renderScreenshots(qt::MainWindow& window, const QString& directory) {
    ui::Form& form = window.form();
    QDir().mkpath(directory);
    QStringList written;
    auto shoot = [&](const QString& name) {
        const QString file = QDir(directory).filePath(name + ".png");
        if (saveWindow(window, file)) written << file;
    };
    for (ui::TabSheet* page : form.tab_control.pages()) {
        // A hidden page (service, help) is shown only for its own picture.
        const bool wasVisible = page->tabVisible();
        page->setTabVisible(true);
        form.tab_control.setActivePage(page);
        if (page == &form.TabSheet4) {
            for (ui::TabSheet* view : form.PageControl1.pages()) {
                form.PageControl1.setActivePage(view);
                shoot(pageFileName(form, page) + "_" + view->name().c_str());
            }
        } else {
            shoot(pageFileName(form, page));
        }
        page->setTabVisible(wasVisible);
    }
    return written;
}

QStringList renderPages(qt::MainWindow& window, const QString& directory, const QList<ui::TabSheet*>& pages,
                        const QString& prefix) {
    ui::Form& form = window.form();
    QDir().mkpath(directory);
    QStringList written;
    for (ui::TabSheet* page : pages) {
        form.tab_control.setActivePage(page);
        const QString file = QDir(directory).filePath(prefix + pageFileName(form, page) + ".png");
        if (saveWindow(window, file)) written << file;
    }
    return written;
}

}  // namespace qavi::app
