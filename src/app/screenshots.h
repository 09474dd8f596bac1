#pragma once

#include <QString>
#include <QStringList>

#include "ui/form/form.h"

namespace qavi::qt {
class MainWindow;
}

namespace qavi::app {

// Puts a plausible running engine into the form, so every page has something
// to show in a screenshot.
void fillSampleData(ui::Form& form);

// Renders every page of the tab control (and each view of the map page) to
// PNG files in `directory`; returns the files written.
QStringList renderScreenshots(qt::MainWindow& window, const QString& directory);

// Renders the window once with each of `pages` in front, to PNG files named
// `prefix` + the page's place and name; returns the files written.
QStringList renderPages(qt::MainWindow& window, const QString& directory, const QList<ui::TabSheet*>& pages,
                        const QString& prefix);

}  // namespace qavi::app
