#include "ui/lang/language_switch.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "ui/form/form.h"
#include "ui/lang/lang_table.h"

namespace qavi::ui {
namespace {

constexpr int kGerman = 1;
constexpr int kEnglish = 2;
constexpr int kPolish = 3;
constexpr int kRussian = 4;
constexpr int kThai = 7;
constexpr int kGreek = 8;

class LanguageSwitchTest : public ::testing::Test {
protected:
    LanguageSwitchTest() { lang.bind(); }

    MenuItem& item(int column) { return *form.languageItems[static_cast<std::size_t>(column - 1)]; }
    void choose(int column) { item(column).userClick(); }
    std::vector<std::string> checkedItems() const {
        std::vector<std::string> names;
        for (MenuItem* i : form.Jazyk.children()) {
            if (i->checked()) names.push_back(i->name());
        }
        return names;
    }
    const std::string& storedChoice() { return fake.keys.texts["Software\\QAVI\\Lang"]["CurLang"]; }

    test::FakePlatform fake;
    Form form;
    LangTable table;
    LanguageSwitch lang{fake.platform, form, table};
};

TEST_F(LanguageSwitchTest, BeforeAnyLanguageMessagesComeFromTheWorkingPolishSet) {
    EXPECT_EQ(lang.currentLanguage(), "");
    EXPECT_EQ(table.text(11), "Time out - błąd w transmisji (Brak Strownika) ");
    EXPECT_EQ(table.text(10), "Czy chcesz wykonać reset sterownika i przywrócić ustawienia fabryczne ?");
    EXPECT_EQ(checkedItems(), std::vector<std::string>{"PolskiPL"});
}

TEST_F(LanguageSwitchTest, ChoosingALanguageSwitchesTheMessageRowsOnly) {
    choose(kEnglish);
    EXPECT_EQ(table.text(11), "No LPG Controller");
    EXPECT_EQ(table.text(10), "Reset Will Restore original controller settings");
    EXPECT_EQ(table.text(0), " - Voltage error");
    EXPECT_EQ(table.text(22), "Block Petrol Map?");
    EXPECT_EQ(table.text(137), "Use the version higher than");
    EXPECT_EQ(table.text(130), "km");
    EXPECT_EQ(table.text(131), "Hours");
    EXPECT_EQ(table.text(134), "days");
    EXPECT_EQ(table.text(139), "https://qavi.example.org");
    // Widget rows go to the widgets, not into the working column.
    EXPECT_EQ(table.text(23), "Bateria    ");
    EXPECT_EQ(table.text(135), "1 godz=");

    choose(kPolish);
    EXPECT_EQ(table.text(11), "Brak Sterownika");
    EXPECT_EQ(table.text(133), "sek");
}

TEST_F(LanguageSwitchTest, MenuCheckAndStoredChoiceFollowTheLastLanguage) {
    choose(kGerman);
    choose(kThai);
    EXPECT_EQ(checkedItems(), std::vector<std::string>{"Thai"});
    EXPECT_EQ(lang.currentLanguage(), "Thai");
    EXPECT_EQ(storedChoice(), "Thai");
    EXPECT_TRUE(fake.dialogs.messages.empty());
}

TEST_F(LanguageSwitchTest, ComboItemsAreReplacedInPlaceKeepingTheSelection) {
    form.Sel_cyl.setItemIndex(2);
    form.Sel_Impuls.setItemIndex(1);
    const std::size_t cylItems = form.Sel_cyl.items().size();

    choose(kEnglish);
    EXPECT_EQ(form.Sel_cyl.itemIndex(), 2);
    EXPECT_EQ(form.Sel_cyl.text(), "5 cyl.");
    EXPECT_EQ(form.Sel_Impuls.itemIndex(), 1);
    EXPECT_EQ(form.Sel_Impuls.text(), "Double Coil");
    EXPECT_EQ(form.Sel_Impuls.items()[0], "Single Coil");

    choose(kRussian);
    EXPECT_EQ(form.Sel_cyl.itemIndex(), 2);
    EXPECT_EQ(form.Sel_cyl.text(), table.text(44, kRussian));
    EXPECT_EQ(form.Sel_cyl.items().size(), cylItems);
    EXPECT_EQ(form.Sel_Impuls.text(), table.text(49, kRussian));
}

TEST_F(LanguageSwitchTest, WesternLanguagesLeaveTheCylinderGroupAndMapHintEmpty) {
    for (int column = 1; column <= 8; ++column) {
        choose(column);
        const bool empty = column <= kPolish;
        EXPECT_EQ(form.GroupBox25.caption().empty(), empty) << column;
        EXPECT_EQ(form.PaintBox1.hint().empty(), empty) << column;
    }
}

TEST_F(LanguageSwitchTest, EveryKindOfWidgetTextFollowsItsRow) {
    using Getter = std::function<std::string(Form&)>;
    const struct {
        const char* what;
        int row;
        Getter get;
    } cases[] = {
        {"BATERY_vpp Name1", 23, [](Form& f) { return f.BATERY_vpp.name1(); }},
        {"Skala_PB_time Name2", 24, [](Form& f) { return f.Skala_PB_time.name2(); }},
        {"TempWoda Name1", 30, [](Form& f) { return f.TempWoda.name1(); }},
        {"TempGaz Name1", 31, [](Form& f) { return f.TempGaz.name1(); }},
        {"Polacz_switch off text", 33, [](Form& f) { return f.Polacz_switch.offText(); }},
        {"TabSheet1", 34, [](Form& f) { return f.TabSheet1.caption(); }},
        {"Label34", 112, [](Form& f) { return f.Label34.caption(); }},
        {"Sel_Typ_wtrysku_Petrol item 0", 47, [](Form& f) { return f.Sel_Typ_wtrysku_Petrol.items()[0]; }},
        {"ComboBox17 item 1", 56, [](Form& f) { return f.ComboBox17.items()[1]; }},
        {"P_pracy_changer Name1", 65, [](Form& f) { return f.P_pracy_changer.name1(); }},
        {"Chart1 left axis", 69, [](Form& f) { return f.Chart1.leftAxis.title; }},
        {"Chart1 Series1", 71, [](Form& f) { return f.Chart1.seriesNamed("Series1").title; }},
        {"Chart1 Series4", 74, [](Form& f) { return f.Chart1.seriesNamed("Series4").title; }},
        {"Chart1 Series7", 76, [](Form& f) { return f.Chart1.seriesNamed("Series7").title; }},
        {"Chart1 Series6", 77, [](Form& f) { return f.Chart1.seriesNamed("Series6").title; }},
        {"BitBtn1a", 79, [](Form& f) { return f.BitBtn1a.caption(); }},
        {"BitBtn2", 80, [](Form& f) { return f.BitBtn2.caption(); }},
        {"Label3", 88, [](Form& f) { return f.Label3.caption(); }},
        {"Label6", 88, [](Form& f) { return f.Label6.caption(); }},
        {"OSC_PETROL_LPG", 84, [](Form& f) { return f.OSC_PETROL_LPG.caption(); }},
        {"T_CYL_seqence Name2", 96, [](Form& f) { return f.T_CYL_seqence.name2(); }},
        {"Pliki1", 105, [](Form& f) { return f.Pliki1.caption(); }},
        {"Jazyk", 111, [](Form& f) { return f.Jazyk.caption(); }},
        {"GroupBox6", 113, [](Form& f) { return f.GroupBox6.caption(); }},
        {"Button_stop", 117, [](Form& f) { return f.Button_stop.caption(); }},
        {"Panel_korekta", 118, [](Form& f) { return f.Panel_korekta.caption(); }},
        {"Za_km_Label", 128, [](Form& f) { return f.Za_km_Label.caption(); }},
        {"km_Label", 130, [](Form& f) { return f.km_Label.caption(); }},
        {"godz_Label", 135, [](Form& f) { return f.godz_Label.caption(); }},
        {"Kasuj_alarm_BitBtn hint", 136, [](Form& f) { return f.Kasuj_alarm_BitBtn.hint(); }},
        {"QAVI_Linl_label", 139, [](Form& f) { return f.QAVI_Linl_label.caption(); }},
        {"QAVI_Linl_new_label", 140, [](Form& f) { return f.QAVI_Linl_new_label.caption(); }},
        {"Label23", 142, [](Form& f) { return f.Label23.caption(); }},
        {"Label45", 144, [](Form& f) { return f.Label45.caption(); }},
    };
    for (int column : {kEnglish, kThai, kGreek}) {
        choose(column);
        for (const auto& c : cases) EXPECT_EQ(c.get(form), table.text(c.row, column)) << c.what << " " << column;
        EXPECT_EQ(form.gaz_na_benzyna.unit(), "% " + table.text(31, column)) << column;
    }
}

TEST_F(LanguageSwitchTest, HelpMemoGetsTheHelpTextWithWindowsLineBreaks) {
    choose(kGreek);
    const std::string& text = form.Help_Memo.text();
    EXPECT_TRUE(text.starts_with("QAVI - βοήθεια\r\n1. ")) << text;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            EXPECT_EQ(text[i - 1], '\r') << i;
        }
    }
}

TEST_F(LanguageSwitchTest, WidgetsOutsideTheRowListKeepTheirDesignTexts) {
    using Getter = std::function<std::string(Form&)>;
    const std::vector<Getter> untouched = {
        [](Form& f) { return f.Button2.caption(); },
        [](Form& f) { return f.Kasuj_alarm_BitBtn.caption(); },
        [](Form& f) { return f.OSC_MAP_P1.caption(); },
        [](Form& f) { return f.RPM_LAMBDA1.caption(); },
        [](Form& f) { return f.RPM_LAMBDA2.caption(); },
        [](Form& f) { return f.TabSheet11.caption(); },
        [](Form& f) { return f.Exit1.caption(); },
        [](Form& f) { return f.Reset1.caption(); },
        [](Form& f) { return f.NiemieckiDE.caption() + f.Greek.caption(); },
        [](Form& f) { return f.StatusBar1.panelText(0); },
        [](Form& f) { return f.Chart2.series[0].title + f.Chart2.series[6].title; },
        [](Form& f) { return f.Chart2.leftAxis.title; },
        [](Form& f) { return f.Sel_RPM_signal.items()[0]; },
        [](Form& f) { return f.Sel_Typ_wtrysku.items()[3]; },
        [](Form& f) { return f.Rodz_czuj_LPG.items()[2]; },
        [](Form& f) { return f.T_RED_changer.items()[0]; },
        [](Form& f) { return f.RPM_Prog_przel.name1() + f.RPM_Prog_przel.unit(); },
        [](Form& f) { return f.T_zwloki_changer.name1(); },
    };
    form.Actual_errors_Memo.setText("1 - Błąd napięcia\r\n");
    std::vector<std::string> before;
    for (const auto& get : untouched) before.push_back(get(form));

    choose(kThai);
    for (std::size_t i = 0; i < untouched.size(); ++i) EXPECT_EQ(untouched[i](form), before[i]) << i;
    // Texts already written by their owners stay until the owner writes again.
    EXPECT_EQ(form.Actual_errors_Memo.text(), "1 - Błąd napięcia\r\n");
}

TEST_F(LanguageSwitchTest, StatusPanelKeepsWhatFollowsTheLabel) {
    const std::string english = " The last connection with PC: ";
    const struct {
        std::string old;
        std::string kept;
    } cases[] = {
        {" Ostatnie połączenie z PC : ", ""},
        {" Ostatnie połączenie z PC : 10.12.2026 14:30:37", "10.12.2026 14:30:37"},
        {" Ostatnie połączenie z PC : 0123456789012345678901234", "012345678901234567890"},
        {"x: ąćęłńóśźżąćęłńóśźżąćęł", "ąćęłńóśźżąćęłńóśźżąćę"},
        {"x:ą2026", "2026"},
        {"no label here", ""},
        {"ends in a colon:", ""},
        {":", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        form.StatusBar1.setPanelText(1, c.old);
        choose(kEnglish);
        EXPECT_EQ(form.StatusBar1.panelText(1), english + c.kept) << c.old;
    }
}

TEST_F(LanguageSwitchTest, LastConnectionDateSurvivesSeveralChanges) {
    form.StatusBar1.setPanelText(1, " Ostatnie połączenie z PC : 10.12.2026 14:30:37");
    for (int column = 1; column <= 8; ++column) {
        choose(column);
        EXPECT_EQ(form.StatusBar1.panelText(1), table.text(120, column) + "10.12.2026 14:30:37") << column;
    }
}

TEST_F(LanguageSwitchTest, UnwritableKeyStoreStillSwitchesAndTellsTheUserOnce) {
    for (bool failOpen : {true, false}) {
        test::FakePlatform platform;
        platform.keys.failOpen = failOpen;
        platform.keys.failWrites = !failOpen;
        Form f;
        LangTable t;
        LanguageSwitch s{platform.platform, f, t};
        s.bind();

        f.AngielskiGB.userClick();
        EXPECT_EQ(t.text(11), "No LPG Controller");
        EXPECT_EQ(f.GroupBox4.caption(), "Lambda Sensor");
        EXPECT_EQ(s.currentLanguage(), "AngielskiGB");
        ASSERT_EQ(platform.dialogs.messages.size(), 1u) << failOpen;
        EXPECT_NE(platform.dialogs.messages[0].find("could not be saved"), std::string::npos);

        f.Greek.userClick();
        EXPECT_EQ(t.text(11), t.text(11, kGreek));
        EXPECT_EQ(platform.dialogs.messages.size(), 1u) << failOpen;
        EXPECT_TRUE(platform.keys.texts["Software\\QAVI\\Lang"].empty());
    }
}

TEST_F(LanguageSwitchTest, LinkLabelsLightUpUnderTheMouseAndResetOverThePanel) {
    form.Label45.userMouseMove({});
    form.QAVI_Linl_label.userMouseMove({});
    EXPECT_EQ(form.Label45.fontColor(), colors::kBlue);
    EXPECT_EQ(form.QAVI_Linl_label.fontColor(), (Color{0, 0, 255}));
    EXPECT_EQ(form.QAVI_Linl_new_label.fontColor(), colors::kWindowText);
    EXPECT_EQ(form.Label23.fontColor(), colors::kWindowText);

    form.Panel1.userMouseMove({});
    for (Control* label :
         {static_cast<Control*>(&form.QAVI_Linl_label), static_cast<Control*>(&form.QAVI_Linl_new_label),
          static_cast<Control*>(&form.Label23), static_cast<Control*>(&form.Label45)}) {
        EXPECT_EQ(label->fontColor(), colors::kWindowText) << label->name();
    }
}

TEST_F(LanguageSwitchTest, LinkLabelsOpenTheirAddresses) {
    EXPECT_EQ(form.QAVI_Linl_label.caption(), "https://qavi.example.org");
    form.QAVI_Linl_label.userClick();
    form.QAVI_Linl_new_label.userClick();
    form.Label23.userClick();
    form.Label45.userClick();
    EXPECT_EQ(fake.shell.opened,
              (std::vector<std::string>{"https://qavi.example.org", "https://qavi.example.org/download",
                                        "mailto:support@qavi.example.org", "mailto:service@qavi.example.org"}));
    EXPECT_TRUE(fake.dialogs.messages.empty());

    fake.shell.succeed = false;
    form.Label45.userClick();
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    EXPECT_NE(fake.dialogs.messages[0].find("mailto:service@qavi.example.org"), std::string::npos);
}

TEST_F(LanguageSwitchTest, FlagButtonsClickTheirLanguageItem) {
    const struct {
        Button* flag;
        const char* item;
        int column;
    } cases[] = {
        {&form.GNiemieckiDE, "NiemieckiDE", 1},
        {&form.GAngielskiGB, "AngielskiGB", 2},
        {&form.GPolskiPL, "PolskiPL", 3},
        {&form.GRussian, "Russian", 4},
        {&form.GCeski, "Ceski", 5},
        {&form.GTurkish, "Turkish", 6},
        {&form.GThai, "Thai", 7},
        {&form.GGreek, "Greek", 8},
    };
    for (const auto& c : cases) {
        c.flag->userClick();
        EXPECT_EQ(checkedItems(), std::vector<std::string>{c.item});
        EXPECT_EQ(lang.currentLanguage(), c.item);
        EXPECT_EQ(storedChoice(), c.item);
        EXPECT_EQ(table.text(11), table.text(11, c.column)) << c.item;
        EXPECT_EQ(form.TabSheet2.caption(), table.text(57, c.column)) << c.item;
    }
}

TEST_F(LanguageSwitchTest, StoredLanguageIsAppliedAtStartUp) {
    lang.applyStoredLanguage("Greek");
    EXPECT_EQ(lang.currentLanguage(), "Greek");
    EXPECT_EQ(checkedItems(), std::vector<std::string>{"Greek"});
    EXPECT_EQ(form.GroupBox8.caption(), table.text(29, kGreek));
}

TEST_F(LanguageSwitchTest, EmptyStoredLanguageMeansPolish) {
    lang.applyStoredLanguage("");
    EXPECT_EQ(lang.currentLanguage(), "PolskiPL");
    EXPECT_EQ(table.text(11), "Brak Sterownika");
    EXPECT_EQ(storedChoice(), "PolskiPL");
}

TEST_F(LanguageSwitchTest, UnknownStoredLanguageAppliesNothing) {
    lang.applyStoredLanguage("Klingon");
    EXPECT_EQ(checkedItems(), std::vector<std::string>{"PolskiPL"});
    EXPECT_EQ(table.text(11), "Time out - błąd w transmisji (Brak Strownika) ");
    EXPECT_EQ(form.GroupBox4.caption(), "Sondy Lambda");
    EXPECT_EQ(form.Polacz_switch.offText(), "Rozłączony");
    EXPECT_EQ(form.StatusBar1.panelText(1), " Ostatnie połączenie z PC : ");
    EXPECT_TRUE(fake.keys.texts.empty());
    EXPECT_TRUE(fake.dialogs.messages.empty());
}

}  // namespace
}  // namespace qavi::ui
