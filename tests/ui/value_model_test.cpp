#include <gtest/gtest.h>

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
        {&form.RPM_Prog_przel, 1849, 1800, 18},  {&form.RPM_Prog_przel, 1850, 1900, 19},
        {&form.RPM_Prog_przel, 100, 300, 3},     {&form.RPM_Prog_przel, 9000, 6000, 60},
        {&form.P_min_changer, 2.50, 2.50, 255},  {&form.P_pracy_changer, 2.50, 2.50, 250},
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

}  // namespace
}  // namespace qavi::ui
