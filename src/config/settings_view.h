#pragma once

// Shows the settings block in the window's controls. Stateless apart from the
// render guard: each render sets every control from the block again. It never
// sends a command: the handlers behind the controls react to the user only,
// and the few controls whose programmatic change looks like a click to their
// handler are marked while they are set.

#include <functional>

#include "config/settings_block.h"
#include "link/link_control.h"
#include "ui/form/form.h"
#include "ui/lang/lang_table.h"

namespace qavi::config {

// The caption that tells the guarded check boxes' handlers the view is setting them.
inline constexpr const char* kRenderingCaption = "-";

class SettingsView {
public:
    SettingsView(ui::Form& form, const SettingsBlock& block, const link::LinkControl& link, const ui::LangTable& lang);

    // Sets every control from the block, in a fixed order. Fields a short block
    // does not hold leave their controls as they were.
    void render();
    // True while render() runs; the correction spins' handler ignores changes then.
    bool rendering() const { return rendering_; }

    // The correction map's 246 points (point k at index k-1); nothing while unset.
    std::function<void(const CorrectionPoints& points)> onCorrectionMap;
    // The 65-byte service-record image; nothing while unset.
    std::function<void(const Bytes& image)> onServiceImage;

    // The stored-error list as Register_errors_memo shows it.
    static std::string storedErrorsText(const std::vector<StoredError>& entries, const ui::LangTable& lang);

private:
    void renderCylinders();
    void renderStoredErrors(FirmwareVariant variant);

    ui::Form& form_;
    const SettingsBlock& block_;
    const link::LinkControl& link_;
    const ui::LangTable& lang_;
    bool rendering_ = false;
};

// Sets the right axis of both map charts for the engine type (item 1 "Turbo": 256 kPa).
void applyEngineTypeAxis(ui::Form& form, int engineTypeItem);

}  // namespace qavi::config
