#include "qt/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QXYSeries>
#include <algorithm>
#include <map>
#include <memory>

#include "qt/widgets/chart_view.h"
#include "qt/widgets/map_grid_view.h"
#include "qt/widgets/painting.h"
#include "qt/widgets/spin_widgets.h"
#include "ui/form/form.h"

namespace qavi::qt {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<ui::Form>();
        window = std::make_unique<MainWindow>(*form);
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        window.reset();
        form.reset();
    }

    template <typename T = QWidget>
    T* widget(const char* name) const {
        auto* w = qobject_cast<T*>(window->widgetFor(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QTabWidget* tabs() const { return widget<QTabWidget>("tab_control"); }

    std::unique_ptr<ui::Form> form;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, EveryModelControlHasExactlyOneObjectOfItsName) {
    for (const ui::Control* c : form->controls()) {
        const QString name = QString::fromStdString(c->name());
        int count = window->objectName() == name ? 1 : 0;
        for (QObject* o : window->findChildren<QObject*>(name)) {
            if (o->isWidgetType() || qobject_cast<QAction*>(o)) ++count;
        }
        EXPECT_EQ(count, 1) << c->name();
        if (c->kind() != ui::Kind::MenuItem && c->kind() != ui::Kind::Window) {
            QWidget* w = window->widgetFor(c->name());
            ASSERT_NE(w, nullptr) << c->name();
            EXPECT_EQ(w->accessibleName(), name);
        }
    }
}

TEST_F(MainWindowTest, WindowFollowsTheModel) {
    EXPECT_EQ(window->windowTitle(), " ver. 3.03");
    EXPECT_EQ(window->width(), 787);
    EXPECT_EQ(window->centralWidget()->size(), QSize(787, 517));
    form->QAVI.moveTo(3, 0);
    EXPECT_EQ(window->pos(), QPoint(3, 0));
    form->QAVI.setMinimizeButton(false);
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    form->QAVI.setEnabled(false);
    EXPECT_FALSE(window->centralWidget()->isEnabled());
    form->QAVI.setEnabled(true);
    EXPECT_TRUE(widget("Sel_cyl")->isEnabledTo(window.get()));

    int paints = 0;
    form->QAVI.onPaint = [&] { ++paints; };
    window->grab();
    EXPECT_GE(paints, 1);
    int closes = 0;
    form->QAVI.onClose = [&] { ++closes; };
    window->close();
    EXPECT_EQ(closes, 1);
}

TEST_F(MainWindowTest, ModelChangesShowInTheWidgets) {
    form->RPM_zegar.setValue(3.25);
    QWidget* dial = widget("RPM_zegar");
    EXPECT_DOUBLE_EQ(dial->property("value").toDouble(), 3.25);
    EXPECT_EQ(dial->property("valueText").toString(), "3.250");
    EXPECT_EQ(dial->property("unit").toString(), "x1000");

    form->T_przel_to_LPG.setValueTo(300);
    form->T_przel_to_LPG.setDigitalTo(300);
    EXPECT_EQ(widget("T_przel_to_LPG")->property("digitalTo").toInt(), 300);
    EXPECT_DOUBLE_EQ(widget("T_przel_to_LPG")->property("valueTo").toDouble(), 300);
    form->P_min_changer.setValue(2.5);
    EXPECT_EQ(widget("P_min_changer")->property("digitalValue").toInt(), 255);
    form->gaz_slupek_3.setName2("Cyl 3");
    EXPECT_EQ(widget("gaz_slupek_3")->property("name2").toString(), "Cyl 3");

    form->Sel_cyl.setItemIndex(2);
    EXPECT_EQ(widget<QComboBox>("Sel_cyl")->currentIndex(), 2);
    form->Sel_cyl.replaceItem(2, "5 cylinders");
    EXPECT_EQ(widget<QComboBox>("Sel_cyl")->currentText(), "5 cylinders");

    form->Cyl_3_led.setChecked(true);
    form->Cyl_3_led.setOffColor(ui::colors::kRed);
    EXPECT_TRUE(widget("Cyl_3_led")->property("checked").toBool());
    EXPECT_EQ(widget("Cyl_3_led")->property("offColor").value<QColor>(), QColor(Qt::red));

    form->Polacz_switch.setChecked(true);
    form->Polacz_switch.setOnText("COM3");
    EXPECT_EQ(widget("Polacz_switch")->property("text").toString(), "COM3");

    form->Error_Led.setVisible(true);
    EXPECT_TRUE(widget("Error_Led")->isVisible());
    form->Zaplon_panel.setEnabled(true);
    EXPECT_TRUE(widget("Zaplon_panel")->isEnabled());

    form->Actual_errors_Memo.setText("Line 1\r\nLine 2");
    form->Oscyloskop.addSample(1, 2);
    form->Oscyloskop.addSample(3, 4);
    EXPECT_EQ(widget("Oscyloskop")->property("sampleCount").toInt(), 2);
    form->Kor_1.setValue(-3);
    EXPECT_EQ(widget<SpinWidget>("Kor_1")->text(), "-3");
    form->U_zbiornika.setText("2.41");
    EXPECT_EQ(widget<QLineEdit>("U_zbiornika")->text(), "2.41");
    form->GroupBox6.setCaption("Inj. Benzin/Gas");
    EXPECT_EQ(widget("GroupBox6")->property("title").toString(), "Inj. Benzin/Gas");

    // Status bar: panel 1 is owner-drawn at start.
    auto* bar = window->statusBar();
    EXPECT_FALSE(bar->property("panel1Shown").toBool());
    form->StatusBar1.setPanelOwnerDrawn(1, false);
    form->StatusBar1.setPanelText(0, "ver_2");
    EXPECT_TRUE(bar->property("panel1Shown").toBool());
    EXPECT_EQ(bar->property("panel0Text").toString(), "ver_2");
}

TEST_F(MainWindowTest, HiddenTabsTakeNoRoomAndFollowTheModel) {
    EXPECT_EQ(tabs()->count(), 11);
    EXPECT_FALSE(tabs()->isTabVisible(8));  // Serwis
    EXPECT_FALSE(tabs()->isTabVisible(9));  // Help
    EXPECT_TRUE(tabs()->isTabVisible(10));  // Info
    form->TabSheet10.setTabVisible(true);
    EXPECT_TRUE(tabs()->isTabVisible(8));
    EXPECT_EQ(tabs()->currentIndex(), 0);
    form->tab_control.setActivePage(&form->TabSheet9);
    EXPECT_EQ(tabs()->currentIndex(), 7);
    form->tab_control.setActivePage(&form->TabSheet10);
    form->TabSheet10.setTabVisible(false);  // disconnected while on the service page
    EXPECT_EQ(tabs()->currentIndex(), 10);
    EXPECT_EQ(form->tab_control.activePage(), &form->TabSheet12);

    auto* maps = widget<QTabWidget>("PageControl1");
    EXPECT_EQ(maps->tabPosition(), QTabWidget::West);
    EXPECT_EQ(maps->count(), 3);
}

// Russian and Greek page names are far longer than the Polish ones the strip
// was laid out for; every page must still have its tab in view.
TEST_F(MainWindowTest, PageTabsStayInViewWithLongCaptions) {
    QTabBar* bar = tabs()->tabBar();
    auto lastVisibleRight = [&] {
        QApplication::processEvents();
        int right = 0;
        for (int i = 0; i < bar->count(); ++i)
            if (bar->isTabVisible(i)) right = std::max(right, bar->tabRect(i).right());
        return right;
    };
    form->TabSheet10.setTabVisible(true);
    const int designRight = lastVisibleRight();
    const int designWidth = bar->tabRect(0).width();
    EXPECT_LE(designRight, tabs()->width());

    const char* greek[] = {"Πίνακας βενζίνης", "Πίνακας αερίου", "Βαθμονόμηση", "Χάρτης",  "Σφάλματα",   "Παλμογράφος",
                           "Διάγνωση",         "Διακόπτης",      "Σέρβις",      "Βοήθεια", "Πληροφορίες"};
    ASSERT_EQ(form->tab_control.pages().size(), std::size(greek));
    for (std::size_t i = 0; i < std::size(greek); ++i) form->tab_control.pages()[i]->setCaption(greek[i]);
    EXPECT_GT(bar->tabRect(0).width(), 0);
    EXPECT_LE(lastVisibleRight(), tabs()->width());

    // Back to short names, the tabs get their full padding again.
    form->TabSheet1.setCaption("Panel Petrol");
    for (ui::TabSheet* page : form->tab_control.pages())
        if (page != &form->TabSheet1) page->setCaption("Tab");
    lastVisibleRight();
    EXPECT_EQ(bar->tabRect(0).width(), designWidth);
}

// Instrument captions shrink only as far as their text needs, and never below the floor.
TEST(FittedFontTest, ShrinksLongCaptionsOnly) {
    const QString shortText = "RPM";
    EXPECT_EQ(look::fittedFont(shortText, 90, 11, true).pixelSize(), 11);
    const QString longText = "Χρόνος σφάλματος πίεσης";
    const QFont fitted = look::fittedFont(longText, 90, 11);
    EXPECT_LT(fitted.pixelSize(), 11);
    EXPECT_LE(QFontMetricsF(fitted).horizontalAdvance(longText), 90);
    EXPECT_EQ(look::fittedFont(longText + longText + longText, 90, 11, false, 7).pixelSize(), 7);
}

// A free-text combo with a text longer than its box shows the text's beginning.
TEST_F(MainWindowTest, LongComboTextShowsItsBeginning) {
    form->Sel_Impuls.setItems({"Μονός πολλαπλασιαστής ανάφλεξης με πολύ μακρύ όνομα", "B"});
    form->Sel_Impuls.setItemIndex(0);
    auto* combo = widget<QComboBox>("Sel_Impuls");
    ASSERT_NE(combo->lineEdit(), nullptr);
    EXPECT_EQ(combo->lineEdit()->cursorPosition(), 0);
}

TEST_F(MainWindowTest, MenusFollowTheModelAndRebuildOnChange) {
    QMenu* ports = window->menuFor("PortCOM");
    ASSERT_NE(ports, nullptr);
    EXPECT_EQ(ports->actions().size(), 32);
    EXPECT_FALSE(window->actionFor("Odczyt1")->isVisible());
    form->Odczyt1.setVisible(true);
    form->Odczyt1.setEnabled(true);
    EXPECT_TRUE(window->actionFor("Odczyt1")->isVisible());
    EXPECT_TRUE(window->actionFor("Odczyt1")->isEnabled());

    // The start-up keeps only the ports present and captions them.
    for (int i = 2; i <= 30; ++i)
        form->PortCOM.removeChild(*static_cast<ui::MenuItem*>(form->find("COM" + std::to_string(i))));
    auto* com1 = static_cast<ui::MenuItem*>(form->find("COM1"));
    com1->setCaption("ttyUSB0");
    com1->setChecked(true);
    EXPECT_EQ(ports->actions().size(), 3);
    EXPECT_EQ(window->actionFor("COM2"), nullptr);
    QAction* port = window->actionFor("COM1");
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(port->text(), "ttyUSB0");
    EXPECT_TRUE(port->isChecked());
    EXPECT_TRUE(window->actionFor("PolskiPL")->isChecked());

    int clicks = 0;
    com1->onClick = [&] {
        ++clicks;
        // The handler may change the very menu it was chosen from.
        form->PortCOM.removeChild(*com1);
    };
    port->trigger();
    QApplication::processEvents();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(ports->actions().size(), 2);
}

TEST_F(MainWindowTest, GesturesRaiseTheModelsHandlers) {
    int changes = 0;
    form->Rodz_czuj_LPG.onChange = [&] { ++changes; };
    auto* sensor = widget<QComboBox>("Rodz_czuj_LPG");
    sensor->setFocus();
    QTest::keyClick(sensor, Qt::Key_Down);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(form->Rodz_czuj_LPG.itemIndex(), 0);

    int cylChanges = 0;
    form->Sel_cyl.onChange = [&] { ++cylChanges; };
    emit widget<QComboBox>("Sel_cyl")->activated(3);
    EXPECT_EQ(cylChanges, 1);
    EXPECT_EQ(form->Sel_cyl.itemIndex(), 3);

    int starts = 0;
    form->Button_start.onClick = [&] { ++starts; };
    form->tab_control.setActivePage(&form->TabSheet3);
    QTest::mouseClick(widget("Button_start"), Qt::LeftButton);
    EXPECT_EQ(starts, 1);

    int checks = 0;
    form->Full_group_CheckBox.onClick = [&] { ++checks; };
    form->tab_control.setActivePage(&form->TabSheet1);
    QWidget* box = widget("Full_group_CheckBox");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    EXPECT_EQ(checks, 1);
    EXPECT_TRUE(form->Full_group_CheckBox.checked());

    int ledClicks = 0;
    form->Cyl_2_led.onClick = [&] { ++ledClicks; };
    QTest::mouseClick(widget("Cyl_2_led"), Qt::LeftButton);
    EXPECT_EQ(ledClicks, 1);

    std::vector<std::string> order;
    form->Polacz_switch.onStatusChanged = [&] { order.push_back("status"); };
    form->Polacz_switch.onClick = [&] { order.push_back("click"); };
    QTest::mouseClick(widget("Polacz_switch"), Qt::LeftButton);
    EXPECT_EQ(order, (std::vector<std::string>{"status", "click"}));
    EXPECT_TRUE(form->Polacz_switch.checked());
    EXPECT_TRUE(widget("Polacz_switch")->property("checked").toBool());

    int radio = 0;
    form->Cyl_4_show.onClick = [&] { ++radio; };
    QTest::mouseClick(widget("Cyl_4_show"), Qt::LeftButton);
    EXPECT_EQ(radio, 1);
    EXPECT_FALSE(form->Cyl_0_show.checked());
    EXPECT_FALSE(widget<QAbstractButton>("Cyl_0_show")->isChecked());

    int shown = 0;
    form->TabSheet4.onShow = [&] { ++shown; };
    tabs()->setCurrentIndex(3);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(form->tab_control.activePage(), &form->TabSheet4);

    int link = 0;
    form->QAVI_Linl_label.onClick = [&] { ++link; };
    QTest::mouseClick(widget("QAVI_Linl_label"), Qt::LeftButton);
    EXPECT_EQ(link, 1);

    int menu = 0;
    form->polacz.onClick = [&] { ++menu; };
    window->actionFor("polacz")->trigger();
    EXPECT_EQ(menu, 1);
}

TEST_F(MainWindowTest, DialKeysReportTheChangeOnRelease) {
    form->tab_control.setActivePage(&form->TabSheet9);
    form->RPM_Prog_przel.setValue(1800);
    int change = 0;
    int changed = 0;
    form->RPM_Prog_przel.onValueChange = [&] { ++change; };
    form->RPM_Prog_przel.onValueChanged = [&] { ++changed; };
    QWidget* dial = widget("RPM_Prog_przel");
    QTest::keyPress(dial, Qt::Key_Up);
    QTest::keyPress(dial, Qt::Key_PageUp);
    EXPECT_EQ(change, 2);
    EXPECT_EQ(changed, 0);
    QTest::keyRelease(dial, Qt::Key_PageUp);
    EXPECT_EQ(changed, 1);
    EXPECT_DOUBLE_EQ(form->RPM_Prog_przel.value(), 2900);
    QTest::keyClick(dial, Qt::Key_End);
    EXPECT_DOUBLE_EQ(form->RPM_Prog_przel.value(), 6000);
    QTest::keyClick(dial, Qt::Key_Home);
    EXPECT_DOUBLE_EQ(form->RPM_Prog_przel.value(), 300);
    EXPECT_EQ(changed, 3);

    // The level slider takes the up and down arrows only.
    auto& level = form->Ch_U_LPG_changer;
    level.setVisible(true);
    level.setValue(2);
    QWidget* slider = widget("Ch_U_LPG_changer");
    QTest::keyClick(slider, Qt::Key_PageUp);
    EXPECT_DOUBLE_EQ(level.value(), 2);
    QTest::keyClick(slider, Qt::Key_Up);
    EXPECT_DOUBLE_EQ(level.value(), 2.01);
}

TEST_F(MainWindowTest, SliderDragEndsWithOneChangedEvent) {
    form->tab_control.setActivePage(&form->TabSheet2);
    int changed = 0;
    form->P_pracy_changer.onValueChanged = [&] { ++changed; };
    QWidget* slider = widget("P_pracy_changer");
    const QPoint top(slider->width() / 2, 20);
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(slider->width() / 2, slider->height() / 2));
    QTest::mouseMove(slider, top);
    EXPECT_EQ(changed, 0);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, top);
    EXPECT_EQ(changed, 1);
    EXPECT_GT(form->P_pracy_changer.value(), 2.0);
}

TEST_F(MainWindowTest, SpinButtonsStepTheModel) {
    form->Panel_korekta.setVisible(true);
    int changes = 0;
    form->kor_2.onChange = [&] { ++changes; };
    auto* spin = widget<SpinWidget>("kor_2");
    spin->upButton()->click();
    spin->upButton()->click();
    spin->downButton()->click();
    EXPECT_EQ(form->kor_2.value(), 1);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(spin->upButton()->autoRepeatDelay(), 700);
    EXPECT_TRUE(spin->findChild<QLineEdit*>()->isReadOnly());

    // A spin whose text may be typed: the typed number goes to the model on Enter.
    form->TabSheet10.setTabVisible(true);
    form->tab_control.setActivePage(&form->TabSheet10);
    int typed = 0;
    form->za_km.onValueChanged = [&] { ++typed; };
    auto* edit = widget<SpinWidget>("za_km")->findChild<QLineEdit*>();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "15000");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(form->za_km.value(), 15000);
    EXPECT_EQ(typed, 1);
    EXPECT_EQ(spin->upButton()->autoRepeatInterval(), 700);
    form->kor_2.setValue(20);
    EXPECT_FALSE(spin->upButton()->isEnabled());
}

TEST_F(MainWindowTest, ChartsHoldTheModelsSeriesInOrder) {
    auto* chart = widget<ChartView>("Chart2");
    ASSERT_EQ(chart->seriesCount(), 8);
    EXPECT_EQ(chart->series(0)->objectName(), "LineSeries1");
    EXPECT_EQ(chart->series(7)->objectName(), "PointSeries2");
    EXPECT_DOUBLE_EQ(chart->rightAxis()->max(), 100);
    form->Chart2.setSeriesPoints(6, {{2.0, 40, ui::colors::kRed}, {3.0, 50, std::nullopt}});
    form->Chart2.setRightAxisMaximum(250);
    QApplication::processEvents();
    EXPECT_EQ(chart->series(6)->count(), 2);
    EXPECT_DOUBLE_EQ(chart->rightAxis()->max(), 250);
    const auto config = chart->series(6)->pointConfiguration(0);
    EXPECT_EQ(config.value(QXYSeries::PointConfiguration::Color).value<QColor>(), QColor(Qt::red));
    EXPECT_TRUE(chart->series(6)->pointConfiguration(1).isEmpty());
}

TEST_F(MainWindowTest, GridPressSelectsTheCellUnderTheMouse) {
    form->tab_control.setActivePage(&form->TabSheet4);
    form->PageControl1.setActivePage(&form->TypB);
    form->MAPGrid.setDefaultSizes(10, 10);
    QApplication::processEvents();
    auto* grid = widget<MapGridView>("MAPGrid");
    int col = -1, row = -1, ups = 0;
    form->MAPGrid.onSelectCell = [&](int c, int r) {
        col = c;
        row = r;
    };
    form->MAPGrid.onMouseUp = [&](ui::MouseEvent) { ++ups; };
    const QPoint at(MapGridView::kHeaderWidth + 25, MapGridView::kHeaderHeight + 15);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(col, 3);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(ups, 1);
    // Dragging with the button down selects a range.
    const QPoint to = at + QPoint(30, 30);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
    QMouseEvent move(QEvent::MouseMove, to, grid->viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(grid->viewport(), &move);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, to);
    EXPECT_EQ(form->MAPGrid.selection(), (ui::Grid::Selection{3, 2, 6, 5}));
    form->MAPGrid.scrollTo(8, 100);
    QApplication::processEvents();
    EXPECT_EQ(grid->cellAt(at), QPoint(10, 101));
}

TEST_F(MainWindowTest, LitFlashingLedsBlinkAtTheirFrequency) {
    QWidget* reserve = widget("rezerwa_led_gora");
    form->rezerwa_led_gora.setFlashing(true);
    EXPECT_EQ(reserve->property("blinkIntervalMs").toInt(), 0);  // unlit: nothing to blink
    form->rezerwa_led_gora.setChecked(true);
    EXPECT_EQ(reserve->property("blinkIntervalMs").toInt(), 125);  // 4 Hz
    form->Gaz_led_2g.setChecked(true);
    form->Gaz_led_2g.setFlashing(true);
    EXPECT_EQ(widget("Gaz_led_2g")->property("blinkIntervalMs").toInt(), 500);  // 1 Hz
    form->rezerwa_led_gora.setChecked(false);
    EXPECT_EQ(reserve->property("blinkIntervalMs").toInt(), 0);
    EXPECT_FALSE(reserve->property("lit").toBool());
}

TEST_F(MainWindowTest, FocusEntersAndLeavesTheControls) {
    form->tab_control.setActivePage(&form->TabSheet9);
    QApplication::processEvents();
    std::vector<std::string> events;
    form->Ch_U_LPG_2.onEnter = [&] { events.push_back("enter 2"); };
    form->Ch_U_LPG_2.onExit = [&] { events.push_back("exit 2"); };
    form->Rodz_czuj_LPG.onEnter = [&] { events.push_back("enter sensor"); };
    window->activateWindow();
    widget("Ch_U_LPG_2")->setFocus(Qt::OtherFocusReason);
    widget("Rodz_czuj_LPG")->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(events, (std::vector<std::string>{"enter 2", "exit 2", "enter sensor"}));
    // Opening the sensor list is no exit from the sensor combo.
    events.clear();
    form->Rodz_czuj_LPG.onExit = [&] { events.push_back("exit sensor"); };
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(widget("Rodz_czuj_LPG"), &popup);
    EXPECT_TRUE(events.empty());
}

}  // namespace
}  // namespace qavi::qt
