#pragma once

#include <QChartView>
#include <QValueAxis>
#include <QXYSeries>
#include <vector>

#include "ui/form/widgets.h"

namespace qavi::qt {

// A chart over the model: left, right and bottom axes and the model's series
// in their order, each a line or a set of points, with per-point colours.
class ChartView : public QChartView {
    Q_OBJECT
    Q_PROPERTY(int seriesCount READ seriesCount)
public:
    ChartView(ui::Chart& model, QWidget* parent);
    int seriesCount() const { return static_cast<int>(series_.size()); }
    QXYSeries* series(int i) const { return series_.at(static_cast<std::size_t>(i)); }
    QValueAxis* leftAxis() const { return left_; }
    QValueAxis* rightAxis() const { return right_; }
    QValueAxis* bottomAxis() const { return bottom_; }
    // Copies the model into the chart.
    void sync();

signals:
    void pointClicked(int seriesIndex, int pointIndex);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void syncAxis(QValueAxis* axis, const ui::ChartAxis& model);
    void publishPlotArea();

    ui::Chart& model_;
    QValueAxis* left_;
    QValueAxis* right_;
    QValueAxis* bottom_;
    std::vector<QXYSeries*> series_;
};

}  // namespace qavi::qt
