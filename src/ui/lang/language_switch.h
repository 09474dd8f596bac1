#pragma once

// The language menu and flag buttons, and the Info page's link labels.
// Choosing a language stores the choice, switches the message rows of the
// working column and puts the language's texts into every translated widget.

#include <array>
#include <string>

#include "platform/platform.h"
#include "ui/form/form.h"
#include "ui/lang/lang_table.h"

namespace qavi::ui {

class LanguageSwitch {
public:
    static constexpr const char* kKeyPath = "Software\\QAVI\\Lang";
    static constexpr const char* kValueName = "CurLang";
    static constexpr const char* kDefaultLanguage = "PolskiPL";

    LanguageSwitch(platform::Platform& platform, Form& form, LangTable& table);
    LanguageSwitch(const LanguageSwitch&) = delete;
    LanguageSwitch& operator=(const LanguageSwitch&) = delete;

    // Attaches the handlers below to the form's events and gives the link
    // labels their addresses. The language items and flag buttons act through
    // these handlers, so start-up needs bind() before applyStoredLanguage().
    void bind();

    // ---- Handlers of the window ------------------------------------------------
    void Check_jazyk(MenuItem& sender);  // a language menu item was clicked
    void LangClick(Control& sender);     // a flag button was clicked
    void QAVI_Linl_labelClick(Control& sender);
    void QAVI_Linl_labelMouseMove(Control& sender);
    void Panel1MouseMove();

    // ---- What start-up and disconnection use -----------------------------------
    // The stored name of the current language ("PolskiPL", …); empty until start-up.
    const std::string& currentLanguage() const { return currentLanguage_; }
    // Start-up: takes the stored name (empty means Polish) as the current
    // language and clicks the menu item of that name; an unknown name leaves
    // the design texts in place.
    void applyStoredLanguage(const std::string& storedName);

private:
    bool storeChoice();
    std::array<Control*, 4> linkLabels() const;
    void applyWidgetRows(int column);
    void applyStatusLabel(int column);

    platform::Platform& platform_;
    Form& form_;
    LangTable& table_;
    std::string currentLanguage_;
    bool storeFailureReported_ = false;
};

}  // namespace qavi::ui
