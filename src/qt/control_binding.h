#pragma once

// One real widget per model control, tied to it both ways: the model's change
// notification refreshes the widget, the user's gestures become the model's
// user* calls, which raise the named handlers.

#include <QWidget>

#include "ui/form/widgets.h"

namespace qavi::qt {

// Creates the widget for `control` under `parent`, binds it and shows the
// model's state. Returns nullptr for what the window builds itself (the window,
// status bar and menu items). Pages (TabSheet) are added to their tab widget.
QWidget* createBoundWidget(ui::Control& control, QWidget* parent);

}  // namespace qavi::qt
