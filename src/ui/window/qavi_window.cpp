#include "ui/window/qavi_window.h"

namespace qavi::ui {

namespace {

// Numbers are formatted with the user's separators from the first paint on.
Form& withLocale(Form& form, const platform::Locale& locale) {
    form.setSeparators(locale.decimalSeparator(), locale.thousandsSeparator());
    return form;
}

}  // namespace

QaviWindow::QaviWindow(platform::Platform& platformIn)
    : platform(platformIn),
      link(platform, withLocale(form, platform.locale), lang),
      language(platform, form, lang),
      config(form, link, lang, platform.dialogs),
      errors(form, lang, link),
      dashboard(form, samples, errors, [this] { return link.firmwareVariant(); }) {
    language.bind();
    errors.bind();
    config.commands.settingByCode = [this] { return dashboard.decoding(); };

    link.hooks.settingsAnswer = [this](const link::Bytes& block) { config.settingsAnswer(block); };
    link.hooks.liveFrame = [this](const link::Bytes& frame) { dashboard.DecodeLiveFrame(frame); };
    link.hooks.currentLanguage = [this] { return language.currentLanguage(); };
    form.QAVI.onPaint = [this] { link.FormPaint(); };
    form.QAVI.onClose = [this] { link.FormClose(); };
    link.hooks.applyStoredLanguage = [this](const std::string& name) { language.applyStoredLanguage(name); };
}

void QaviWindow::FormCreate() { link.FormCreate(); }

}  // namespace qavi::ui
