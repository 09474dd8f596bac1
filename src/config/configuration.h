#pragma once

// The configuration part of the window in one piece: the settings block, the
// view that shows it and the handlers that change the controller. The link
// hands each settings answer to settingsAnswer().

#include "config/parameter_commands.h"
#include "config/settings_block.h"
#include "config/settings_view.h"

namespace qavi::config {

class Configuration {
public:
    Configuration(ui::Form& form, link::LinkControl& link, const ui::LangTable& lang, platform::Dialogs& dialogs)
        : view(form, block, link, lang), commands(form, block, view, link, lang, dialogs) {
        commands.bind();
    }
    Configuration(const Configuration&) = delete;
    Configuration& operator=(const Configuration&) = delete;

    // A settings answer arrived (identification, 'f' or '&'): keep it and show it.
    void settingsAnswer(const Bytes& answer) {
        block.replace(answer);
        view.render();
    }

    SettingsBlock block;
    SettingsView view;
    ParameterCommands commands;
};

}  // namespace qavi::config
