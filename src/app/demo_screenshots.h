#pragma once

// The screenshot tool's real mode: the whole program (the window object and
// every part) connected to the in-process simulated controller, so the
// pictures show what a fitter sees with an engine running on gas.

#include <QString>

namespace qavi::app {

struct DemoShotOptions {
    QString directory;
    // The stored name of a language to switch to first ("AngielskiGB", …); empty keeps Polish.
    QString language;
    // Instead of every page: the dashboard with two pages, once in each language.
    bool allLanguages = false;
};

// Runs the demo and writes the pictures; returns the process's exit code.
int runDemoScreenshots(const DemoShotOptions& options);

}  // namespace qavi::app
