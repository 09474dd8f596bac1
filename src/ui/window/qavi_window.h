#pragma once

// The window's behaviour in one object: it owns the model of the window and
// every part of the program, hands each part's answers to the others and
// binds the named events. The Qt shell (or a test) only supplies the platform.

#include "calibration/learned_samples.h"
#include "config/configuration.h"
#include "link/controller_errors.h"
#include "link/link_session.h"
#include "link/live_frame.h"
#include "platform/platform.h"
#include "ui/form/form.h"
#include "ui/lang/lang_table.h"
#include "ui/lang/language_switch.h"

namespace qavi::ui {

class QaviWindow {
public:
    explicit QaviWindow(platform::Platform& platform);
    QaviWindow(const QaviWindow&) = delete;
    QaviWindow& operator=(const QaviWindow&) = delete;

    // Start-up: ports, stored port settings, stored language, window set-up.
    void FormCreate();

    platform::Platform& platform;
    Form form;
    LangTable lang;
    link::LinkSession link;
    LanguageSwitch language;
    config::Configuration config;
    calibration::LearnedSamples samples;
    link::ControllerErrors errors;
    link::LiveDashboard dashboard;
};

}  // namespace qavi::ui
