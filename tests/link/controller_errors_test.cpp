#include "link/controller_errors.h"

#include <gtest/gtest.h>

#include "recording_link_control.h"

namespace qavi::link {
namespace {

class ControllerErrorsTest : public ::testing::Test {
protected:
    ControllerErrorsTest() {
        for (int row = 0; row <= 8; ++row) lang.copyToWorking(row, ui::LangTable::kEnglish);
        errors.bind();
    }

    ui::Form form;
    ui::LangTable lang;
    test::RecordingLinkControl link;
    ControllerErrors errors{form, lang, link};
};

TEST_F(ControllerErrorsTest, ListsTheReportedFaultsInOrder) {
    struct Case {
        std::uint8_t a, injectors, b;
        const char* text;
    };
    const Case cases[] = {
        {0xFF, 0xFF, 0xFF, ""},
        {0xF3, 0xFF, 0xFF, "1 - Voltage error\r\n2 - LPG pressure too high\r\n"},
        {0xFF, 0xFA, 0xFF, "1 - Injector Error : 1 3\r\n"},
        {0xFF, 0xFF, 0xFE, "1 - Incorrect settings\r\n"},
        {0xFF, 0x7F, 0xFD, "1 - Injector Error : 8\r\n2 - Voltage error\r\n"},
        // Bits the controller does not use report nothing.
        {0xFC, 0xFF, 0x03, ""},
        {0x00, 0x00, 0x00,
         "1 - Voltage error\r\n2 - LPG pressure too high\r\n3 - LPG pressure too low\r\n"
         "4 - Ignition voltage too low\r\n5 - Fuel injection signal error\r\n"
         "6 - Incorrect Work Petrol Controller\r\n7 - Injector Error : 1 2 3 4 5 6 7 8\r\n"
         "8 - Incorrect settings\r\n9 - Voltage error\r\n"},
    };
    for (const Case& c : cases) {
        errors.ShowControllerErrors(c.a, c.injectors, c.b);
        EXPECT_EQ(form.Actual_errors_Memo.text(), c.text)
            << std::hex << int(c.a) << " " << int(c.injectors) << " " << int(c.b);
        EXPECT_EQ(form.Error_Led.visible(), *c.text != '\0') << c.text;
    }
}

TEST_F(ControllerErrorsTest, TextsFollowTheWorkingLanguage) {
    ui::LangTable polish;  // the working column before any language is applied
    ControllerErrors inPolish{form, polish, link};
    inPolish.ShowControllerErrors(0xFF, 0xFF, 0xFE);
    EXPECT_EQ(form.Actual_errors_Memo.text(), "1 - Nieprawidłowe ustawienia\r\n");
}

TEST_F(ControllerErrorsTest, BannerAlternatesBetweenTheTwoRedsOnEveryFrame) {
    const ui::Color expected[] = {ui::colors::kLightRed, ui::colors::kRed, ui::colors::kLightRed, ui::colors::kRed};
    for (const ui::Color& colour : expected) {
        errors.ShowControllerErrors(0xFB, 0xFF, 0xFF);
        EXPECT_TRUE(form.Error_Led.visible());
        EXPECT_EQ(form.Error_Led.color(), colour);
    }
    errors.ShowControllerErrors(0xFF, 0xFF, 0xFF);
    EXPECT_FALSE(form.Error_Led.visible());
    EXPECT_EQ(form.Actual_errors_Memo.text(), "");
}

TEST_F(ControllerErrorsTest, ResetClearsTheControllerErrorsAndBothLists) {
    errors.ShowControllerErrors(0xF3, 0xFF, 0xFF);
    form.Register_errors_memo.setText("1 - Voltage error\r\n");

    form.Button2.userClick();

    ASSERT_EQ(link.queued.size(), 1u);
    EXPECT_EQ(link.queued[0].budgetBefore, 5);
    EXPECT_EQ(link.queued[0].first, (Bytes{0x10, 0x00}));
    EXPECT_TRUE(link.queued[0].second.empty());
    EXPECT_TRUE(link.queued[0].third.empty());
    EXPECT_EQ(form.Actual_errors_Memo.text(), "");
    EXPECT_EQ(form.Register_errors_memo.text(), "");
}

TEST_F(ControllerErrorsTest, BannerClickOpensTheErrorPage) {
    int shown = 0;
    form.TabSheet5.onShow = [&] { ++shown; };
    form.TabSheet5.setTabVisible(false);

    form.Error_Led.userClick();

    EXPECT_EQ(form.tab_control.activePage(), &form.TabSheet5);
    EXPECT_EQ(form.tab_control.activePageIndex(), 4);
    EXPECT_TRUE(form.TabSheet5.tabVisible());
    EXPECT_EQ(shown, 1);
}

}  // namespace
}  // namespace qavi::link
