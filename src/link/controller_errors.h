#pragma once

// The controller's present faults: the numbered list on the Error page, the
// flashing banner over the dashboard, the "Reset" button that clears the
// controller's errors and the banner click that leads to the list.

#include <cstdint>
#include <string>

#include "link/link_control.h"
#include "ui/form/form.h"
#include "ui/lang/lang_table.h"

namespace qavi::link {

// The command that clears the controller's stored and present errors.
inline const Bytes kClearErrorsCommand{0x10, 0x00};

// The list of present faults for the three flag bytes of a live frame (all
// active low), each line numbered from 1 and ended by "\r\n"; empty when the
// controller reports nothing.
std::string controllerErrorsText(std::uint8_t flagsA, std::uint8_t injectorFlags, std::uint8_t flagsB,
                                 const ui::LangTable& lang);

class ControllerErrors {
public:
    ControllerErrors(ui::Form& form, const ui::LangTable& lang, LinkControl& link);

    // Connects the Error page's button and the banner to their handlers.
    void bind();

    // Rebuilds the list from one frame's flags (offsets 34, 35 and 48), shows
    // the banner while the list is not empty and flips its shade of red, which
    // makes it flash at the poll rate.
    void ShowControllerErrors(std::uint8_t flagsA, std::uint8_t injectorFlags, std::uint8_t flagsB);
    void Button2Click();
    void Error_LedClick();

private:
    ui::Form& form_;
    const ui::LangTable& lang_;
    LinkControl& link_;
};

}  // namespace qavi::link
