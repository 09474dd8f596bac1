#pragma once

// The configuration part wired to a window model, a recording link, English
// message texts and scripted dialogs, with every handler bound: a test drives
// the form the way the fitter does and reads what was queued.

#include "config/configuration.h"
#include "config/recording_link.h"
#include "config/settings_block_builder.h"
#include "support/fake_platform.h"
#include "ui/form/form.h"
#include "ui/lang/lang_table.h"

namespace qavi::test {

struct ConfigHarness {
    ConfigHarness() {
        for (int row = 0; row <= 22; ++row) lang.copyToWorking(row, ui::LangTable::kEnglish);
        applyVariantLimits(link::FirmwareVariant::Ver2);
    }

    // What the link does for the identified firmware: the change-over dial's upper end.
    void applyVariantLimits(link::FirmwareVariant variant) {
        link.variant = variant;
        const int top = variant == link::FirmwareVariant::Ver2 ? 300 : 60;
        form.T_przel_to_LPG.setValueTo(top);
        form.T_przel_to_LPG.setDigitalTo(top);
    }

    void show(const link::Bytes& block) { config.settingsAnswer(block); }

    // One user change of a dial: move it, let go.
    static void userTurn(ui::InputControl& dial, double value) {
        dial.userSetValue(value);
        dial.userRelease();
    }

    ui::Form form;
    ui::LangTable lang;
    RecordingLink link;
    ScriptedDialogs dialogs;
    config::Configuration config{form, link, lang, dialogs};
};

}  // namespace qavi::test
