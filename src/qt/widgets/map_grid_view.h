#pragma once

#include <QAbstractScrollArea>
#include <optional>

#include "ui/form/widgets.h"

namespace qavi::qt {

// The map grid drawn straight from the model: a bitmap of cells (2 × 1 pixels
// unzoomed) with fixed header column and row. No item per cell.
class MapGridView : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(int leftCol READ leftCol)
    Q_PROPERTY(int topRow READ topRow)
public:
    MapGridView(const ui::Grid& model, QWidget* parent);
    int leftCol() const { return model_.leftCol(); }
    int topRow() const { return model_.topRow(); }
    // Follows the model's sizes, scroll position and contents.
    void sync();
    // Cell under a viewport position; nullopt over the headers or past the end.
    std::optional<QPoint> cellAt(QPoint pos) const;
    static constexpr int kHeaderWidth = 34;
    static constexpr int kHeaderHeight = 14;

signals:
    void cellPressed(int col, int row);
    void rangeDragged(ui::Grid::Selection selection);
    void scrolled(int leftCol, int topRow);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool viewportEvent(QEvent* e) override;

private:
    int visibleCols() const;
    int visibleRows() const;
    void updateScrollBars();

    const ui::Grid& model_;
    std::optional<QPoint> anchor_;
    bool syncing_ = false;
};

}  // namespace qavi::qt
