#include "qt/widgets/map_grid_view.h"

#include <QHelpEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

#include "qt/widgets/painting.h"

namespace qavi::qt {

using look::qs;
using look::toQColor;

MapGridView::MapGridView(const ui::Grid& model, QWidget* parent) : QAbstractScrollArea(parent), model_(model) {
    viewport()->setMouseTracking(true);
    setFrameShape(QFrame::StyledPanel);
    auto onScroll = [this] {
        if (syncing_) return;
        emit scrolled(model_.fixedCols + horizontalScrollBar()->value(),
                      model_.fixedRows + verticalScrollBar()->value());
    };
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, onScroll);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, onScroll);
    sync();
}

int MapGridView::visibleCols() const {
    const int w = std::max(1, model_.defaultColWidth);
    return std::max(1, (viewport()->width() - kHeaderWidth) / w);
}

int MapGridView::visibleRows() const {
    const int h = std::max(1, model_.defaultRowHeight);
    return std::max(1, (viewport()->height() - kHeaderHeight) / h);
}

void MapGridView::updateScrollBars() {
    const int cols = model_.colCount() - model_.fixedCols;
    const int rows = model_.rowCount() - model_.fixedRows;
    horizontalScrollBar()->setRange(0, std::max(0, cols - visibleCols()));
    horizontalScrollBar()->setPageStep(visibleCols());
    verticalScrollBar()->setRange(0, std::max(0, rows - visibleRows()));
    verticalScrollBar()->setPageStep(visibleRows());
    horizontalScrollBar()->setValue(model_.leftCol() - model_.fixedCols);
    verticalScrollBar()->setValue(model_.topRow() - model_.fixedRows);
}

void MapGridView::sync() {
    syncing_ = true;
    updateScrollBars();
    syncing_ = false;
    viewport()->update();
}

void MapGridView::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    sync();
}

std::optional<QPoint> MapGridView::cellAt(QPoint pos) const {
    if (pos.x() < kHeaderWidth || pos.y() < kHeaderHeight) return std::nullopt;
    const int col = model_.leftCol() + (pos.x() - kHeaderWidth) / std::max(1, model_.defaultColWidth);
    const int row = model_.topRow() + (pos.y() - kHeaderHeight) / std::max(1, model_.defaultRowHeight);
    if (col >= model_.colCount() || row >= model_.rowCount()) return std::nullopt;
    return QPoint(col, row);
}

void MapGridView::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    const int cw = std::max(1, model_.defaultColWidth);
    const int rh = std::max(1, model_.defaultRowHeight);
    const int cols = std::min(visibleCols() + 1, model_.colCount() - model_.leftCol());
    const int rows = std::min(visibleRows() + 1, model_.rowCount() - model_.topRow());
    p.fillRect(viewport()->rect(), palette().base());
    // The visible cells go into an image of one pixel per cell, scaled up
    // without smoothing: cheap, and sharp at any zoom and screen scale.
    if (cols > 0 && rows > 0) {
        QImage cells(cols, rows, QImage::Format_RGB32);
        const ui::Grid::Selection s = model_.selection();
        const QRgb white = qRgb(255, 255, 255);
        const QRgb selected = toQColor(model_.selectionColor).rgb();
        for (int y = 0; y < rows; ++y) {
            auto* line = reinterpret_cast<QRgb*>(cells.scanLine(y));
            const int row = model_.topRow() + y;
            for (int x = 0; x < cols; ++x) {
                const int col = model_.leftCol() + x;
                const auto colour = model_.cellColor(col, row);
                if (colour) {
                    line[x] = qRgb(colour->r, colour->g, colour->b);
                } else if (model_.drawSelection() && col >= s.left && col <= s.right && row >= s.top &&
                           row <= s.bottom) {
                    line[x] = selected;
                } else {
                    line[x] = white;
                }
            }
        }
        p.drawImage(QRect(kHeaderWidth, kHeaderHeight, cols * cw, rows * rh), cells);
        if (cw >= 6 && rh >= 4) {
            // Zoomed in: grid lines help to hit a cell.
            p.setPen(QColor(0xe0, 0xe4, 0xe8));
            for (int x = 0; x <= cols; ++x)
                p.drawLine(kHeaderWidth + x * cw, kHeaderHeight, kHeaderWidth + x * cw, kHeaderHeight + rows * rh);
            for (int y = 0; y <= rows; ++y)
                p.drawLine(kHeaderWidth, kHeaderHeight + y * rh, kHeaderWidth + cols * cw, kHeaderHeight + y * rh);
        }
    }
    // Fixed header column and row with the labels the model holds, as many as fit.
    const QColor headerFill(0xe9, 0xec, 0xef);
    p.fillRect(QRect(0, 0, kHeaderWidth, viewport()->height()), headerFill);
    p.fillRect(QRect(0, 0, viewport()->width(), kHeaderHeight), headerFill);
    p.setPen(QColor(0xb0, 0xb8, 0xc0));
    p.drawLine(kHeaderWidth - 1, 0, kHeaderWidth - 1, viewport()->height());
    p.drawLine(0, kHeaderHeight - 1, viewport()->width(), kHeaderHeight - 1);
    p.setFont(look::pixelFont(9));
    p.setPen(QColor(0x33, 0x3a, 0x42));
    const int rowEvery = std::max(1, (14 + rh - 1) / rh);
    for (int y = 0; y < rows; ++y) {
        const int row = model_.topRow() + y;
        if (row % rowEvery != 0 && rowEvery > 1) continue;
        const int top = kHeaderHeight + y * rh;
        p.drawText(QRect(0, top + rh / 2 - 7, kHeaderWidth - 4, 14), Qt::AlignRight | Qt::AlignVCenter,
                   qs(model_.cellText(0, row)));
    }
    const int colEvery = std::max(1, (30 + cw - 1) / cw);
    for (int x = 0; x < cols; ++x) {
        const int col = model_.leftCol() + x;
        if (col % colEvery != 0 && colEvery > 1) continue;
        const int left = kHeaderWidth + x * cw;
        p.drawText(QRect(left + cw / 2 - 15, 0, 30, kHeaderHeight), Qt::AlignCenter, qs(model_.cellText(col, 0)));
    }
}

void MapGridView::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    anchor_ = cellAt(e->position().toPoint());
    if (anchor_) emit cellPressed(anchor_->x(), anchor_->y());
}

void MapGridView::mouseMoveEvent(QMouseEvent* e) {
    if (!anchor_ || !(e->buttons() & Qt::LeftButton) || !model_.rangeSelect) return;
    const auto cell = cellAt(e->position().toPoint());
    if (!cell) return;
    emit rangeDragged(ui::Grid::Selection{std::min(anchor_->x(), cell->x()), std::min(anchor_->y(), cell->y()),
                                          std::max(anchor_->x(), cell->x()), std::max(anchor_->y(), cell->y())});
}

void MapGridView::mouseReleaseEvent(QMouseEvent* e) {
    // The model hears of the release through the generic mouse binding.
    anchor_.reset();
    e->accept();
}

bool MapGridView::viewportEvent(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const auto cell = cellAt(help->pos());
        QString tip = cell ? qs(model_.cellHint(cell->x(), cell->y())) : QString();
        if (tip.isEmpty()) tip = qs(model_.hint());
        if (tip.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), tip, viewport());
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(e);
}

}  // namespace qavi::qt
