#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "ui/form/form.h"

namespace qavi::ui {
namespace {

struct EventCount {
    int change = 0;
    int changed = 0;
};

TEST(InputControl, ClipsAndSnapsToTheDigitalGrid) {
    Form form;
    struct Case {
        InputControl* control;
        double set;
        double value;
        int digital;
    };
    const Case cases[] = {
        {&form.RPM_Prog_przel, 1849, 1800, 18},    {&form.RPM_Prog_przel, 1850, 1900, 19},
        {&form.RPM_Prog_przel, 100, 300, 3},       {&form.RPM_Prog_przel, 9000, 6000, 60},
        {&form.P_min_changer, 2.50, 2.50, 255},    {&form.P_pracy_changer, 2.50, 2.50, 250},
        {&form.P_pracy_changer, 1.204, 1.20, 120}, {&form.Min_Temp_Petrol_changer, -30, -25, -25},
    };
    for (const auto& c : cases) {
        c.control->setValue(c.set);
        EXPECT_NEAR(c.control->value(), c.value, 1e-9) << c.control->name() << " " << c.set;
        EXPECT_EQ(c.control->digitalValue(), c.digital) << c.control->name() << " " << c.set;
    }
}

TEST(InputControl, EventsForCodeAndUserChanges) {
    Form form;
    auto& dial = form.RPM_Prog_przel;
    EventCount count;
    dial.onValueChange = [&] { ++count.change; };
    dial.onValueChanged = [&] { ++count.changed; };

    dial.setValue(2000);  // code: continuous event only
    dial.setValue(2020);  // same digital value: nothing
    dial.userRelease();   // no user change since the last release
    EXPECT_EQ(count.change, 1);
    EXPECT_EQ(count.changed, 0);

    dial.userStep(1);
    dial.userStep(1);
    dial.userRelease();
    dial.userRelease();
    EXPECT_EQ(count.change, 3);
    EXPECT_EQ(count.changed, 1);
    EXPECT_EQ(dial.value(), 2200);
}

TEST(DisplayGauge, StoresAnyValue) {
    Form form;
    int notified = 0;
    form.TempWoda.setObserver([&] { ++notified; });
    form.TempWoda.setValue(-40);
    EXPECT_EQ(notified, 0);  // already holds -40
    form.TempWoda.setValue(150);
    EXPECT_EQ(form.TempWoda.value(), 150);
    EXPECT_EQ(notified, 1);
}

TEST(Spin, TextChangesRaiseTheEventForUserAndCode) {
    Form form;
    int events = 0;
    form.kor_2.onChange = [&] { ++events; };
    form.kor_2.setValue(0);  // same value
    form.kor_2.setValue(-3);
    form.kor_2.userStep(-1);
    form.kor_2.setValue(-25);  // clipped to the minimum
    EXPECT_EQ(form.kor_2.value(), -20);
    EXPECT_EQ(events, 3);
}

TEST(CheckAndRadio, ProgrammaticChangesReportLikeClicks) {
    Form form;
    int clicks = 0;
    form.Check_by_first.onClick = [&] { ++clicks; };
    form.Check_by_first.setChecked(true);
    form.Check_by_first.setChecked(true);
    form.Check_by_first.setCheckedSilently(false);
    EXPECT_EQ(clicks, 1);

    int radioClicks = 0;
    form.CNG_RadioButton.onClick = [&] { ++radioClicks; };
    form.CNG_RadioButton.setChecked(true);
    EXPECT_FALSE(form.LPG_RadioButton.checked());
    EXPECT_EQ(radioClicks, 1);
}

TEST(InputControl, UserMovesTheSwitchOverDialInStepsOf100) {
    Form form;
    auto& dial = form.RPM_Prog_przel;
    dial.setValue(1800);
    struct Gesture {
        const char* what;
        std::function<void()> act;
        double value;
    };
    const Gesture gestures[] = {
        {"arrow up", [&] { dial.userStep(1); }, 1900},
        {"page down", [&] { dial.userStep(-dial.largeStep); }, 900},
        {"mouse between grid points", [&] { dial.userSetValue(1249); }, 1200},
        {"end", [&] { dial.userSetDigitalValue(dial.digitalTo()); }, 6000},
        {"past the end", [&] { dial.userStep(1); }, 6000},
        {"home", [&] { dial.userSetDigitalValue(dial.digitalFrom()); }, 300},
    };
    for (const auto& g : gestures) {
        g.act();
        EXPECT_DOUBLE_EQ(dial.value(), g.value) << g.what;
        EXPECT_EQ(std::fmod(dial.value(), 100.0), 0.0) << g.what;
    }
}

TEST(InputControl, DisabledControlIgnoresTheUser) {
    Form form;
    auto& dial = form.T_CYL_seqence;
    EventCount count;
    dial.onValueChange = [&] { ++count.change; };
    dial.onValueChanged = [&] { ++count.changed; };
    dial.setEnabled(false);
    dial.userStep(5);
    dial.userRelease();
    EXPECT_EQ(dial.digitalValue(), 0);
    EXPECT_EQ(count.change + count.changed, 0);
}

TEST(InputControl, ReleaseAfterAMoveBackToTheStartStillReports) {
    // The user touched the value; the handler decides whether it differs.
    Form form;
    auto& dial = form.Temp_LPG_changer;
    dial.setValue(40);
    int changed = 0;
    dial.onValueChanged = [&] { ++changed; };
    dial.userStep(1);
    dial.userStep(-1);
    dial.userRelease();
    EXPECT_EQ(changed, 1);
}

TEST(EventsForUserAndCode, WhichEventsFire) {
    Form form;
    int comboChanges = 0;
    form.Sel_cyl.onChange = [&] { ++comboChanges; };
    form.Sel_cyl.setItemIndex(2);  // code: silent
    EXPECT_EQ(comboChanges, 0);
    form.Sel_cyl.userSelect(1);
    EXPECT_EQ(comboChanges, 1);
    EXPECT_EQ(form.Sel_cyl.text(), "4 cyl.");
    form.Sel_cyl.setEnabled(false);
    form.Sel_cyl.userSelect(0);
    EXPECT_EQ(comboChanges, 1);

    std::vector<std::string> order;
    form.Polacz_switch.onStatusChanged = [&] { order.push_back("status"); };
    form.Polacz_switch.onClick = [&] { order.push_back("click"); };
    form.Polacz_switch.setChecked(true);  // code: silent
    EXPECT_TRUE(order.empty());
    form.Polacz_switch.userClick();  // switch mode: flips, then both events
    EXPECT_FALSE(form.Polacz_switch.checked());
    EXPECT_EQ(order, (std::vector<std::string>{"status", "click"}));

    int fuelClicks = 0;
    form.paliwo_Switch.onClick = [&] { ++fuelClicks; };
    form.paliwo_Switch.onStatusChanged = [&] { ADD_FAILURE() << "indicator switches do not change status"; };
    form.paliwo_Switch.userClick();  // indicator mode: click only, no flip
    EXPECT_EQ(fuelClicks, 1);
    EXPECT_FALSE(form.paliwo_Switch.checked());

    int radioClicks = 0;
    form.RPM_LAMBDA1.onClick = [&] { ++radioClicks; };
    form.RPM_LAMBDA1.userClick();
    form.RPM_LAMBDA1.userClick();  // clicking the checked one still reports
    EXPECT_EQ(radioClicks, 2);
}

TEST(Spin, OnlyATextChangeRaisesTheEvent) {
    Form form;
    auto& spin = form.przelicznik;  // "#0": whole numbers shown
    int changes = 0;
    int userChanges = 0;
    spin.onChange = [&] { ++changes; };
    spin.onValueChanged = [&] { ++userChanges; };
    spin.setValue(40.3);  // shows "40" still
    EXPECT_EQ(changes, 0);
    spin.setValue(41);
    EXPECT_EQ(changes, 1);
    spin.setValue(99);  // clipped to 70
    EXPECT_EQ(spin.value(), 70);
    EXPECT_EQ(changes, 2);
    spin.userStep(1);  // already at the maximum
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(userChanges, 0);
    spin.userStep(-1);
    EXPECT_EQ(spin.text(), "69");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(userChanges, 1);
}

TEST(Spin, OpenEndedSpinKeepsItsMinimumOnly) {
    Form form;
    form.za_km.setValue(1'000'000);
    EXPECT_EQ(form.za_km.value(), 1'000'000);
    form.za_km.userStep(-3000);
    EXPECT_EQ(form.za_km.value(), 0);
}

TEST(Grid, ScrollPositionStaysOnTheScrollableCells) {
    Form form;
    auto& grid = form.MAPGrid;
    int notified = 0;
    grid.setObserver([&] { ++notified; });
    grid.scrollTo(8, 100);
    EXPECT_EQ(grid.leftCol(), 8);
    EXPECT_EQ(grid.topRow(), 100);
    grid.scrollTo(0, -5);  // never onto the fixed header
    EXPECT_EQ(grid.leftCol(), 1);
    EXPECT_EQ(grid.topRow(), 1);
    grid.scrollTo(1000, 1000);
    EXPECT_EQ(grid.leftCol(), 246);
    EXPECT_EQ(grid.topRow(), 256);
    grid.scrollTo(246, 256);
    EXPECT_EQ(notified, 3);
}

TEST(PageControl, HidingTheActiveTabMovesToANeighbour) {
    Form form;
    std::vector<std::string> events;
    form.TabSheet10.onShow = [&] { events.push_back("show 10"); };
    form.TabSheet10.onHide = [&] { events.push_back("hide 10"); };
    form.TabSheet12.onShow = [&] { events.push_back("show 12"); };
    form.TabSheet10.setTabVisible(true);
    form.tab_control.setActivePage(&form.TabSheet10);
    form.TabSheet10.setTabVisible(false);  // the help tab after it is hidden too
    EXPECT_EQ(form.tab_control.activePage(), &form.TabSheet12);
    EXPECT_EQ(events, (std::vector<std::string>{"show 10", "hide 10", "show 12"}));

    form.TabSheet12.setTabVisible(false);  // the last one: back to the one before
    EXPECT_EQ(form.tab_control.activePage(), &form.TabSheet9);
    form.TabSheet5.setTabVisible(false);  // not active: stays where it is
    EXPECT_EQ(form.tab_control.activePage(), &form.TabSheet9);
}

}  // namespace
}  // namespace qavi::ui
