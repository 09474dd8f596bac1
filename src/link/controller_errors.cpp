#include "link/controller_errors.h"

#include <array>

namespace qavi::link {

namespace {

struct FlagText {
    int bit;
    int row;  // language table row of the text, which begins with " - "
};

// Offset 34: bits 0 and 1 carry nothing the tool shows.
constexpr std::array<FlagText, 6> kFlagsA{{{2, 0}, {3, 1}, {4, 2}, {5, 3}, {6, 4}, {7, 5}}};
constexpr int kInjectorErrorRow = 6;
constexpr std::uint8_t kNoInjectorFault = 0xFF;
// Offset 48: bits 2 to 7 are unused.
constexpr std::array<FlagText, 2> kFlagsB{{{0, 7}, {1, 8}}};
// The usual budget of a single command: sent at most four times.
constexpr int kClearErrorsRetryBudget = 5;

bool reported(std::uint8_t flags, int bit) { return (flags & (1u << bit)) == 0; }

}  // namespace

std::string controllerErrorsText(std::uint8_t flagsA, std::uint8_t injectorFlags, std::uint8_t flagsB,
                                 const ui::LangTable& lang) {
    std::string text;
    int line = 1;
    const auto appendLine = [&](int row) {
        text += std::to_string(line++);
        text += lang.text(row);
        text += "\r\n";
    };
    for (const FlagText& flag : kFlagsA) {
        if (reported(flagsA, flag.bit)) appendLine(flag.row);
    }
    if (injectorFlags != kNoInjectorFault) {
        text += std::to_string(line++);
        text += lang.text(kInjectorErrorRow);
        for (int bit = 0; bit < 8; ++bit) {
            if (reported(injectorFlags, bit)) {
                text += ' ';
                text += static_cast<char>('1' + bit);
            }
        }
        text += "\r\n";
    }
    for (const FlagText& flag : kFlagsB) {
        if (reported(flagsB, flag.bit)) appendLine(flag.row);
    }
    return text;
}

ControllerErrors::ControllerErrors(ui::Form& form, const ui::LangTable& lang, LinkControl& link)
    : form_(form), lang_(lang), link_(link) {}

void ControllerErrors::bind() {
    form_.Button2.onClick = [this] { Button2Click(); };
    form_.Error_Led.onClick = [this] { Error_LedClick(); };
}

void ControllerErrors::ShowControllerErrors(std::uint8_t flagsA, std::uint8_t injectorFlags, std::uint8_t flagsB) {
    const std::string text = controllerErrorsText(flagsA, injectorFlags, flagsB, lang_);
    form_.Actual_errors_Memo.setText(text);
    form_.Error_Led.setVisible(!text.empty());
    // Flipped on every frame, shown or not, so the banner flashes from its first frame on.
    form_.Error_Led.setColor(form_.Error_Led.color() == ui::colors::kRed ? ui::colors::kLightRed : ui::colors::kRed);
}

void ControllerErrors::Button2Click() {
    link_.setRetryBudget(kClearErrorsRetryBudget);
    link_.QueueCommand(kClearErrorsCommand, {}, {});
    // The next live frame lists again whatever the controller still reports.
    form_.Actual_errors_Memo.clear();
    form_.Register_errors_memo.clear();
}

void ControllerErrors::Error_LedClick() {
    form_.TabSheet5.setTabVisible(true);
    form_.TabSheet5.setVisible(true);
    form_.tab_control.setActivePage(&form_.TabSheet5);
}

}  // namespace qavi::link
