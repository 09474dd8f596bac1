// Timings of the window: building it from the form, and one live-data update
// of the dashboard followed by a repaint. Run off-screen (`make bench`).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "qt/main_window.h"
#include "ui/form/form.h"

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "qavi_window_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

void BM_WindowConstruction(benchmark::State& state) {
    application();
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<qavi::ui::Form>();
        state.ResumeTiming();
        auto window = std::make_unique<qavi::qt::MainWindow>(*form);
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        form.reset();
        state.ResumeTiming();
    }
    state.SetLabel("MainWindow from a ready form");
}
BENCHMARK(BM_WindowConstruction)->Unit(benchmark::kMillisecond);

// What one live frame does to the dashboard: every gauge, LED and the fuel switch.
void setDashboard(qavi::ui::Form& form, int frame) {
    const double k = (frame % 2 == 0) ? 1.0 : 1.1;
    form.BATERY_vpp.setValue(13.8 * k);
    form.Skala_PB_time.setValue(4.2 * k);
    form.Skala_LPG_time.setValue(5.3 * k);
    form.lambda_1.setValue(0.45 * k);
    form.lambda_2.setValue(0.62 * k);
    form.Slala_P_MAP.setValue(48 * k);
    form.P_MAP_edit.setValue(48 * k);
    form.Skala_P1_MAP.setValue(1.1 * k);
    form.P1_MAP_edit.setValue(1.1 * k);
    form.RPM_zegar.setValue(2.4 * k);
    form.RPM_Edit.setValue(2400 * k);
    form.TempGaz.setValue(30 * k);
    form.TempWoda.setValue(70 * k);
    for (std::size_t i = 0; i < 8; ++i) form.cylLeds[i]->setChecked(frame % 2 == 0 && i < 4);
    for (std::size_t i = 0; i < 4; ++i) form.levelLedsTop[i]->setChecked(frame % 2 == 0 || i < 2);
    form.paliwo_Switch.setChecked(frame % 2 == 0);
}

struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++count;
        return false;
    }
};

struct ShownWindow {
    qavi::ui::Form form;
    qavi::qt::MainWindow window{form};
    ShownWindow() {
        window.show();
        (void)QTest::qWaitForWindowExposed(&window, 2000);
        QApplication::processEvents();
    }
};

// What one live frame costs: the gauges ask for repaints, and the one paint
// pass that follows redraws what changed.
void BM_DashboardUpdateAndRepaint(benchmark::State& state) {
    application();
    ShownWindow shown;
    int frame = 0;
    PaintCounter dialPaints;
    shown.window.widgetFor("RPM_zegar")->installEventFilter(&dialPaints);
    for (auto _ : state) {
        setDashboard(shown.form, ++frame);
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }
    // Proof that the pass really painted: one dial repaint per frame.
    state.counters["dialPaintsPerFrame"] = static_cast<double>(dialPaints.count) / static_cast<double>(frame);
    state.SetLabel("set all dashboard gauges, run the paint pass");
}
BENCHMARK(BM_DashboardUpdateAndRepaint)->Unit(benchmark::kMicrosecond);

// The worst case: every widget of the dashboard repainted, whatever changed.
void BM_DashboardUpdateAndFullRepaint(benchmark::State& state) {
    application();
    ShownWindow shown;
    QWidget* dashboard = shown.window.widgetFor("Panel1Gora");
    int frame = 0;
    for (auto _ : state) {
        setDashboard(shown.form, ++frame);
        for (const char* group : {"GroupBox6", "aaa", "GroupBox4", "GroupBox3", "GroupBox7", "GroupBox8", "GroupBox5",
                                  "Zaplon_panel", "BATERY_vpp"}) {
            shown.window.widgetFor(group)->repaint();
        }
        benchmark::DoNotOptimize(dashboard);
    }
    state.SetLabel("set all dashboard gauges, repaint every dashboard group");
}
BENCHMARK(BM_DashboardUpdateAndFullRepaint)->Unit(benchmark::kMicrosecond);

void BM_DashboardUpdateAndGrab(benchmark::State& state) {
    application();
    ShownWindow shown;
    int frame = 0;
    for (auto _ : state) {
        setDashboard(shown.form, ++frame);
        benchmark::DoNotOptimize(shown.window.grab());
    }
    state.SetLabel("set all dashboard gauges, render the whole window to a pixmap");
}
BENCHMARK(BM_DashboardUpdateAndGrab)->Unit(benchmark::kMicrosecond);

}  // namespace
