#include "ui/lang/language_switch.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "ui/lang/utf8.h"

namespace qavi::ui {
namespace {

// Rows of the table that are not widget texts.
constexpr int kFirstMessageRow = 0;
constexpr int kLastMessageRow = 22;
constexpr int kStatusLabelRow = 120;
constexpr int kKmRow = 130;
constexpr int kFirstTimeWordRow = 131;
constexpr int kLastTimeWordRow = 134;
constexpr int kAlarmHintRow = 136;
constexpr int kFirmwareTooOldRow = 137;
constexpr int kHelpRow = 138;
constexpr int kWebRow = 139;
constexpr int kSecondWebRow = 140;
constexpr int kMailtoRow = 141;
constexpr int kMailRow = 142;
constexpr int kSecondMailtoRow = 143;
constexpr int kSecondMailRow = 144;
constexpr int kGasWordRow = 31;

// How much of status panel 1's old text survives a language change: enough
// for the last-connection date that follows the label's ": ".
constexpr std::size_t kKeptStatusChars = 21;

// The memo's lines are separated by CR LF; the table writes plain line breaks.
std::string memoText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

void setSeriesTitle(Chart& chart, std::string_view seriesName, const std::string& title) {
    for (std::size_t i = 0; i < chart.series.size(); ++i) {
        if (chart.series[i].name == seriesName) chart.setSeriesTitle(i, title);
    }
}

template <typename T>
int indexOf(const std::array<T*, 8>& items, const Control& wanted) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == &wanted) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

LanguageSwitch::LanguageSwitch(platform::Platform& platform, Form& form, LangTable& table)
    : platform_(platform), form_(form), table_(table) {}

std::array<Control*, 4> LanguageSwitch::linkLabels() const {
    return {&form_.QAVI_Linl_label, &form_.QAVI_Linl_new_label, &form_.Label23, &form_.Label45};
}

void LanguageSwitch::bind() {
    for (MenuItem* item : form_.languageItems) {
        item->onClick = [this, item] { Check_jazyk(*item); };
    }
    for (Button* flag : form_.flagButtons) {
        flag->onClick = [this, flag] { LangClick(*flag); };
    }
    for (Control* label : linkLabels()) {
        label->onClick = [this, label] { QAVI_Linl_labelClick(*label); };
        label->onMouseMove = [this, label](MouseEvent) { QAVI_Linl_labelMouseMove(*label); };
    }
    form_.Panel1.onMouseMove = [this](MouseEvent) { Panel1MouseMove(); };

    // The addresses are the labels' design texts as well.
    form_.QAVI_Linl_label.setCaption(table_.text(kWebRow));
    form_.QAVI_Linl_new_label.setCaption(table_.text(kSecondWebRow));
    form_.Label23.setCaption(table_.text(kMailRow));
    form_.Label45.setCaption(table_.text(kSecondMailRow));
}

void LanguageSwitch::Check_jazyk(MenuItem& sender) {
    const int index = indexOf(form_.languageItems, sender);
    if (index < 0) return;
    const int column = index + 1;

    for (MenuItem* item : form_.Jazyk.children()) item->setChecked(false);
    sender.setChecked(true);

    currentLanguage_ = sender.name();
    // Written before the texts change; a failure must not keep the user in the
    // old language, so it is reported once the window shows the new one.
    const bool stored = storeChoice();

    for (int row = kFirstMessageRow; row <= kLastMessageRow; ++row) table_.copyToWorking(row, column);
    table_.copyToWorking(kFirmwareTooOldRow, column);

    applyWidgetRows(column);
    applyStatusLabel(column);

    table_.copyToWorking(kKmRow, column);
    form_.km_Label.setCaption(table_.text(kKmRow, column));
    form_.gaz_na_benzyna.setUnit("% " + table_.text(kGasWordRow, column));
    for (int row = kFirstTimeWordRow; row <= kLastTimeWordRow; ++row) table_.copyToWorking(row, column);

    form_.Kasuj_alarm_BitBtn.setHint(table_.text(kAlarmHintRow, column));
    form_.Help_Memo.setText(memoText(table_.text(kHelpRow, column)));

    for (int row : {kWebRow, kMailRow, kSecondWebRow, kSecondMailRow}) table_.copyToWorking(row, column);
    form_.QAVI_Linl_label.setCaption(table_.text(kWebRow, column));
    form_.Label23.setCaption(table_.text(kMailRow, column));
    form_.QAVI_Linl_new_label.setCaption(table_.text(kSecondWebRow, column));
    form_.Label45.setCaption(table_.text(kSecondMailRow, column));

    if (!stored && !storeFailureReported_) {
        storeFailureReported_ = true;
        platform_.dialogs.message(
            "The chosen language could not be saved in the settings store (" + std::string(kKeyPath) +
            "). It is used until the program is closed; the next start uses the language saved before.");
    }
}

bool LanguageSwitch::storeChoice() {
    return platform_.keys.openKey(kKeyPath) && platform_.keys.writeText(kKeyPath, kValueName, currentLanguage_);
}

void LanguageSwitch::applyWidgetRows(int column) {
    Form& f = form_;
    auto text = [this, column](int row) -> const std::string& { return table_.text(row, column); };

    // Dashboard.
    f.BATERY_vpp.setName1(text(23));
    f.Skala_PB_time.setName2(text(24));
    f.Label4.setCaption(text(25));
    f.aaa.setCaption(text(26));
    f.GroupBox4.setCaption(text(27));
    f.Zaplon_panel.setCaption(text(28));
    f.GroupBox8.setCaption(text(29));
    f.TempWoda.setName1(text(30));
    f.TempGaz.setName1(text(31));
    f.GroupBox5.setCaption(text(32));
    f.Polacz_switch.setOffText(text(33));
    f.GroupBox6.setCaption(text(113));
    f.Label3.setCaption(text(88));

    // "Panel Petrol".
    f.TabSheet1.setCaption(text(34));
    f.GroupBox25.setCaption(text(35));
    f.Label34.setCaption(text(112));
    f.Label35.setCaption(text(36));
    f.Label36.setCaption(text(37));
    f.Label37.setCaption(text(38));
    f.Label38.setCaption(text(39));
    f.Label39.setCaption(text(40));
    f.Label40.setCaption(text(41));
    // Items are replaced in place so that a chosen entry stays chosen.
    for (int k = 0; k < 5; ++k) f.Sel_cyl.replaceItem(k, text(42 + k));
    f.Sel_Typ_wtrysku_Petrol.replaceItem(0, text(47));
    for (int k = 0; k < 7; ++k) f.Sel_Impuls.replaceItem(k, text(48 + k));
    f.ComboBox17.replaceItem(0, text(55));
    f.ComboBox17.replaceItem(1, text(56));

    // "Panel Gaz".
    f.TabSheet2.setCaption(text(57));
    f.GroupBox12.setCaption(text(58));
    f.GroupBox15.setCaption(text(59));
    f.GroupBox19.setCaption(text(60));
    f.Label20.setCaption(text(61));
    f.Label21.setCaption(text(62));
    f.Label22.setCaption(text(63));
    f.GroupBox14.setCaption(text(64));
    f.P_pracy_changer.setName1(text(65));

    // "Adaptacja".
    f.TabSheet3.setCaption(text(66));
    f.Label28.setCaption(text(67));
    f.Button_start.setCaption(text(116));
    f.Button_stop.setCaption(text(117));

    // "Mapa": only the main chart is translated.
    f.TabSheet4.setCaption(text(68));
    f.Chart1.setLeftAxisTitle(text(69));
    f.PaintBox1.setHint(text(70));
    setSeriesTitle(f.Chart1, "Series1", text(71));
    setSeriesTitle(f.Chart1, "Series2", text(72));
    setSeriesTitle(f.Chart1, "Series3", text(73));
    setSeriesTitle(f.Chart1, "Series4", text(74));
    setSeriesTitle(f.Chart1, "Series5", text(75));
    setSeriesTitle(f.Chart1, "Series7", text(76));
    setSeriesTitle(f.Chart1, "Series6", text(77));
    setSeriesTitle(f.Chart1, "Series8", text(78));
    f.BitBtn1.setCaption(text(79));
    f.BitBtn1a.setCaption(text(79));
    f.BitBtn2.setCaption(text(80));
    f.BitBtn2a.setCaption(text(80));

    // "Error".
    f.TabSheet5.setCaption(text(114));
    f.Label19.setCaption(text(81));
    f.Label18.setCaption(text(82));

    // "Oscyloskop".
    f.TabSheet7.setCaption(text(83));
    f.OSC_PETROL_LPG.setCaption(text(84));
    f.TEMP_LPG_RED.setCaption(text(85));

    // "Diagnostyka".
    f.TabSheet8.setCaption(text(86));
    f.Label5.setCaption(text(87));
    f.Label6.setCaption(text(88));
    f.Panel_korekta.setCaption(text(118));

    // "Przełącznik".
    f.TabSheet9.setCaption(text(89));
    f.GroupBox17.setCaption(text(90));
    f.Label24.setCaption(text(91));
    f.T_zwloki_changer.setName2(text(92));
    f.GroupBox13.setCaption(text(93));
    f.Temp_LPG_changer.setName2(text(94));
    f.T_przel_to_LPG.setName2(text(95));
    f.T_CYL_seqence.setName2(text(96));
    f.GroupBox18.setCaption(text(97));
    f.Label16.setCaption(text(98));
    f.Label17.setCaption(text(99));

    // "Serwis".
    f.TabSheet10.setCaption(text(119));
    f.Data_pierwsza_adapt_Label.setCaption(text(121));
    f.Data_ostatnia_adapt_Label.setCaption(text(122));
    f.Korekcja_box.setCaption(text(123));
    f.Praca_na_gazie_Box.setCaption(text(124));
    f.Praca_na_benzynie_Box.setCaption(text(125));
    f.Do_przegladu_Box.setCaption(text(126));
    f.Za_godz_Label.setCaption(text(127));
    f.Za_km_Label.setCaption(text(128));
    f.Ustaw_przeglad_Button.setCaption(text(129));
    f.godz_Label.setCaption(text(135));

    // "Info".
    f.TabSheet12.setCaption(text(115));

    // Menus.
    f.Pliki1.setCaption(text(105));
    f.Odczyt1.setCaption(text(106));
    f.Zapis1.setCaption(text(107));
    f.PortCOM.setCaption(text(108));
    f.polacz.setCaption(text(109));
    f.rozlacz1.setCaption(text(110));
    f.Jazyk.setCaption(text(111));
}

void LanguageSwitch::applyStatusLabel(int column) {
    // The label is replaced; whatever follows ": " (the last-connection date)
    // is carried over, counted in characters so a multi-byte text is never cut
    // inside a character, and never read past its end.
    const std::string& old = form_.StatusBar1.panelText(1);
    std::string_view kept;
    const std::size_t colon = old.find(':');
    if (colon != std::string::npos) {
        const std::size_t from = utf8::advance(old, colon, 2);
        kept = std::string_view(old).substr(from);
        kept = utf8::substr(kept, 0, kKeptStatusChars);
    }
    form_.StatusBar1.setPanelText(1, table_.text(kStatusLabelRow, column) + std::string(kept));
}

void LanguageSwitch::LangClick(Control& sender) {
    const int index = indexOf(form_.flagButtons, sender);
    if (index >= 0) form_.languageItems[static_cast<std::size_t>(index)]->click();
}

void LanguageSwitch::QAVI_Linl_labelClick(Control& sender) {
    int row = -1;
    if (&sender == &form_.QAVI_Linl_label) row = kWebRow;
    if (&sender == &form_.QAVI_Linl_new_label) row = kSecondWebRow;
    if (&sender == &form_.Label23) row = kMailtoRow;
    if (&sender == &form_.Label45) row = kSecondMailtoRow;
    if (row < 0) return;
    const std::string& address = table_.text(row);
    if (!platform_.shell.openAddress(address)) {
        platform_.dialogs.message("Cannot open " + address + ": the system has no program for it.");
    }
}

void LanguageSwitch::QAVI_Linl_labelMouseMove(Control& sender) { sender.setFontColor(colors::kBlue); }

void LanguageSwitch::Panel1MouseMove() {
    for (Control* label : linkLabels()) {
        label->setFontColor(colors::kWindowText);
    }
}

void LanguageSwitch::applyStoredLanguage(const std::string& storedName) {
    currentLanguage_ = storedName.empty() ? kDefaultLanguage : storedName;
    for (MenuItem* item : form_.languageItems) {
        if (item->name() == currentLanguage_) {
            item->click();
            return;
        }
    }
}

}  // namespace qavi::ui
