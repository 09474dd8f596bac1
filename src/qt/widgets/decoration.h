#pragma once

// Panels, pictures and flag buttons: drawn here, no bitmaps.

#include <QAbstractButton>
#include <QWidget>

#include "ui/form/widgets.h"

namespace qavi::qt {

// A panel: its colour, an optional centred caption; thin panels draw as a rule.
class PanelWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption)
    Q_PROPERTY(QColor color READ color)
public:
    PanelWidget(const ui::Control& model, QWidget* parent);
    QString caption() const;
    QColor color() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const ui::Control& model_;
};

// The decorative pictures, chosen by the component's name.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    PictureWidget(const ui::Control& model, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void paintInstallation(QPainter& p);
    void paintLogo(QPainter& p);
    void paintMagnifier(QPainter& p);
    const ui::Control& model_;
};

// Paints the flag of a language, by the name of its menu item or button
// ("Turkish", "NiemieckiDE", ...), into the rectangle.
void paintFlag(QPainter& p, const QRectF& r, const QString& language);

class FlagButton : public QAbstractButton {
    Q_OBJECT
public:
    FlagButton(const ui::Control& model, QWidget* parent);
    QSize sizeHint() const override { return {36, 16}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString language_;
};

}  // namespace qavi::qt
