#pragma once

#include <QWidget>

#include "ui/form/widgets.h"

namespace qavi::qt {

// Two traces scrolling to the left, newest sample at the right edge; channel 1
// scaled on the left, channel 2 on the right.
class MiniTrendWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int sampleCount READ sampleCount)
public:
    MiniTrendWidget(const ui::MiniTrend& model, QWidget* parent);
    int sampleCount() const { return static_cast<int>(model_.channels[0].samples.size()); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const ui::MiniTrend& model_;
};

}  // namespace qavi::qt
