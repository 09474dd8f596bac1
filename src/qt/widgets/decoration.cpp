#include "qt/widgets/decoration.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "qt/widgets/painting.h"

namespace qavi::qt {

using namespace look;

PanelWidget::PanelWidget(const ui::Control& model, QWidget* parent) : QWidget(parent), model_(model) {}

QString PanelWidget::caption() const { return qs(model_.caption()); }
QColor PanelWidget::color() const { return toQColor(model_.color()); }

void PanelWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (width() <= 4 || height() <= 4) {
        p.fillRect(rect(), QColor(0xb8, 0xc0, 0xc8));
        return;
    }
    const QColor c = color();
    if (c != toQColor(ui::colors::kButtonFace)) {
        p.setPen(QPen(c.darker(140), 1));
        p.setBrush(c);
        p.drawRoundedRect(r, 3, 3);
    } else if (!caption().isEmpty()) {
        p.setPen(QPen(QColor(0xb8, 0xc0, 0xc8), 1));
        p.setBrush(QColor(0xf7, 0xf8, 0xfa));
        p.drawRoundedRect(r, 3, 3);
    }
    if (!caption().isEmpty()) {
        const bool dark = c.lightness() < 140 || c == toQColor(ui::colors::kRed);
        p.setPen(dark ? Qt::white : toQColor(model_.fontColor()));
        p.setFont(pixelFont(std::clamp(height() - 5, 9, 12), true));
        p.drawText(rect(), Qt::AlignCenter, caption());
    }
}

// ---- Pictures ---------------------------------------------------------------------

PictureWidget::PictureWidget(const ui::Control& model, QWidget* parent) : QWidget(parent), model_(model) {}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (model_.name() == "Image1") {
        paintInstallation(p);
    } else if (model_.name() == "Image2") {
        paintLogo(p);
    } else {
        paintMagnifier(p);
    }
}

// A schematic of the installation: tank, reducer, rail of gas injectors and
// the engine's cylinders.
void PictureWidget::paintInstallation(QPainter& p) {
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    QLinearGradient bg(r.topLeft(), r.bottomLeft());
    bg.setColorAt(0, QColor(0xf4, 0xf7, 0xfa));
    bg.setColorAt(1, QColor(0xe2, 0xe8, 0xee));
    p.setPen(QPen(QColor(0xc4, 0xcc, 0xd4), 1));
    p.setBrush(bg);
    p.drawRoundedRect(r, 6, 6);
    const qreal u = r.height() / 10;
    const QColor steel(0x5b, 0x67, 0x73);
    const QColor gas(0x2e, 0x9e, 0x4f);
    const QColor petrol(0xd2, 0x3c, 0x2c);
    // Tank.
    const QRectF tank(r.left() + u, r.top() + 5.2 * u, 2.6 * u, 3.6 * u);
    p.setPen(QPen(steel, 1.4));
    p.setBrush(QColor(0xd9, 0xe0, 0xe6));
    p.drawRoundedRect(tank, tank.width() / 2.2, tank.width() / 2.2);
    p.setFont(pixelFont(static_cast<int>(u * 0.9), true));
    p.drawText(tank, Qt::AlignCenter, "LPG\nCNG");
    // Reducer.
    const QRectF reducer(r.left() + 5 * u, r.top() + 5.6 * u, 2.6 * u, 2.6 * u);
    p.setBrush(QColor(0xc9, 0xd3, 0xdc));
    p.drawEllipse(reducer);
    p.setPen(QPen(steel, 1));
    p.drawEllipse(reducer.adjusted(u * 0.6, u * 0.6, -u * 0.6, -u * 0.6));
    // Gas line from the tank through the reducer to the rail.
    p.setPen(QPen(gas, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(tank.right(), tank.center().y()), QPointF(reducer.left(), reducer.center().y()));
    const QRectF rail(r.left() + 9.5 * u, r.top() + 1.2 * u, r.width() - 11 * u, 1.1 * u);
    QPainterPath hose;
    hose.moveTo(reducer.right(), reducer.center().y());
    hose.cubicTo(reducer.right() + 1.5 * u, reducer.center().y(), rail.left() - 1.5 * u, rail.center().y(), rail.left(),
                 rail.center().y());
    p.setBrush(Qt::NoBrush);
    p.drawPath(hose);
    p.setPen(QPen(steel, 1.2));
    p.setBrush(QColor(0x8d, 0xc9, 0x9d));
    p.drawRoundedRect(rail, 3, 3);
    // Engine block with four cylinders, a gas injector and a petrol injector each.
    const QRectF block(rail.left(), r.top() + 4.2 * u, rail.width(), 4.8 * u);
    p.setBrush(QColor(0xb4, 0xbd, 0xc6));
    p.drawRoundedRect(block, 5, 5);
    for (int i = 0; i < 4; ++i) {
        const qreal w = block.width() / 4;
        const QRectF cyl(block.left() + i * w + w * 0.18, block.top() + 0.7 * u, w * 0.64, block.height() - 1.4 * u);
        p.setPen(QPen(steel, 1));
        p.setBrush(QColor(0xee, 0xf1, 0xf4));
        p.drawRoundedRect(cyl, 3, 3);
        p.setPen(QPen(gas, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cyl.center().x() - w * 0.1, rail.bottom()),
                   QPointF(cyl.center().x() - w * 0.1, cyl.top() + u));
        p.setPen(QPen(petrol, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cyl.center().x() + w * 0.12, block.top() - 1.2 * u),
                   QPointF(cyl.center().x() + w * 0.12, cyl.top() + 0.6 * u));
        p.setPen(QPen(steel, 1));
        p.setFont(pixelFont(static_cast<int>(u * 1.1), true));
        p.drawText(cyl.adjusted(0, u * 1.2, 0, 0), Qt::AlignCenter, QString::number(i + 1));
    }
    // Controller box.
    const QRectF ecu(r.left() + u, r.top() + 1 * u, 5.5 * u, 2.6 * u);
    p.setPen(QPen(steel, 1.2));
    p.setBrush(QColor(0x23, 0x29, 0x31));
    p.drawRoundedRect(ecu, 4, 4);
    p.setPen(QColor(0x7d, 0xf0, 0x9a));
    p.setFont(pixelFont(static_cast<int>(u * 1.1), true));
    p.drawText(ecu, Qt::AlignCenter, "QAVI");
    p.setPen(QPen(QColor(0x2f, 0x6f, 0xd0), 1.2, Qt::DashLine));
    p.drawLine(QPointF(ecu.right(), ecu.center().y()), QPointF(rail.left() - 0.3 * u, ecu.center().y()));
}

void PictureWidget::paintLogo(QPainter& p) {
    const qreal side = std::min(width(), height()) - 4;
    const QRectF disc((width() - side) / 2, (height() - side) / 2, side, side);
    QRadialGradient g(disc.center() - QPointF(side / 5, side / 5), side);
    g.setColorAt(0, QColor(0x3a, 0x44, 0x50));
    g.setColorAt(1, QColor(0x15, 0x19, 0x1e));
    p.setPen(QPen(QColor(0x2f, 0x9b, 0xff), 3));
    p.setBrush(g);
    p.drawEllipse(disc);
    // A flame in two colours: gas and petrol.
    QPainterPath flame;
    const QPointF c = disc.center();
    const qreal s = side / 4;
    flame.moveTo(c.x(), c.y() - 1.6 * s);
    flame.cubicTo(c.x() + 1.2 * s, c.y() - 0.4 * s, c.x() + 0.9 * s, c.y() + 0.9 * s, c.x(), c.y() + 0.9 * s);
    flame.cubicTo(c.x() - 0.9 * s, c.y() + 0.9 * s, c.x() - 1.2 * s, c.y() - 0.4 * s, c.x(), c.y() - 1.6 * s);
    QLinearGradient fg(c.x(), c.y() - 1.6 * s, c.x(), c.y() + 0.9 * s);
    fg.setColorAt(0, QColor(0x7d, 0xf0, 0x9a));
    fg.setColorAt(1, QColor(0x2f, 0x9b, 0xff));
    p.setPen(Qt::NoPen);
    p.setBrush(fg);
    p.drawPath(flame);
    p.setPen(Qt::white);
    p.setFont(pixelFont(static_cast<int>(side / 7), true));
    p.drawText(QRectF(disc.left(), c.y() + 0.95 * s, disc.width(), s), Qt::AlignCenter, "QAVI");
}

void PictureWidget::paintMagnifier(QPainter& p) {
    const qreal side = std::min(width(), height()) - 6;
    if (side <= 4) return;
    const QRectF lens((width() - side) / 2, (height() - side) / 2, side * 0.7, side * 0.7);
    p.setPen(QPen(QColor(0x5b, 0x67, 0x73), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(0xd6, 0xec, 0xff));
    p.drawEllipse(lens);
    const QPointF from = lens.center() + QPointF(lens.width() * 0.36, lens.height() * 0.36);
    p.drawLine(from, from + QPointF(side * 0.28, side * 0.28));
}

// ---- Flags ------------------------------------------------------------------------

namespace {

void stripes(QPainter& p, const QRectF& r, std::initializer_list<QColor> colours, bool horizontal = true) {
    const int n = static_cast<int>(colours.size());
    int i = 0;
    for (const QColor& c : colours) {
        const QRectF part = horizontal ? QRectF(r.left(), r.top() + r.height() * i / n, r.width(), r.height() / n + 0.5)
                                       : QRectF(r.left() + r.width() * i / n, r.top(), r.width() / n + 0.5, r.height());
        p.fillRect(part, c);
        ++i;
    }
}

}  // namespace

void paintFlag(QPainter& p, const QRectF& r, const QString& language) {
    p.save();
    p.setClipRect(r);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor red(0xd5, 0x2b, 0x1e), white(Qt::white), blue(0x00, 0x38, 0xa8);
    if (language.contains("Niemiecki")) {
        stripes(p, r, {QColor(0x10, 0x10, 0x10), QColor(0xdd, 0x00, 0x00), QColor(0xff, 0xce, 0x00)});
    } else if (language.contains("Angielski")) {
        p.fillRect(r, QColor(0x01, 0x21, 0x69));
        p.setPen(QPen(white, r.height() * 0.22));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.topRight());
        p.setPen(QPen(QColor(0xc8, 0x10, 0x2e), r.height() * 0.08));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.topRight());
        p.fillRect(QRectF(r.left(), r.center().y() - r.height() * 0.17, r.width(), r.height() * 0.34), white);
        p.fillRect(QRectF(r.center().x() - r.height() * 0.17, r.top(), r.height() * 0.34, r.height()), white);
        p.fillRect(QRectF(r.left(), r.center().y() - r.height() * 0.1, r.width(), r.height() * 0.2),
                   QColor(0xc8, 0x10, 0x2e));
        p.fillRect(QRectF(r.center().x() - r.height() * 0.1, r.top(), r.height() * 0.2, r.height()),
                   QColor(0xc8, 0x10, 0x2e));
    } else if (language.contains("Polski")) {
        stripes(p, r, {white, QColor(0xdc, 0x14, 0x3c)});
    } else if (language.contains("Russian")) {
        stripes(p, r, {white, blue, red});
    } else if (language.contains("Ceski")) {
        stripes(p, r, {white, QColor(0xd7, 0x14, 0x1a)});
        QPainterPath wedge;
        wedge.moveTo(r.topLeft());
        wedge.lineTo(r.left() + r.width() / 2, r.center().y());
        wedge.lineTo(r.bottomLeft());
        wedge.closeSubpath();
        p.fillPath(wedge, QColor(0x11, 0x45, 0x7e));
    } else if (language.contains("Turkish")) {
        p.fillRect(r, QColor(0xe3, 0x0a, 0x17));
        const qreal h = r.height();
        const QPointF c(r.left() + r.width() * 0.38, r.center().y());
        p.setPen(Qt::NoPen);
        p.setBrush(white);
        p.drawEllipse(c, h * 0.3, h * 0.3);
        p.setBrush(QColor(0xe3, 0x0a, 0x17));
        p.drawEllipse(c + QPointF(h * 0.08, 0), h * 0.24, h * 0.24);
        p.setBrush(white);
        QPainterPath star;
        const QPointF sc = c + QPointF(h * 0.42, 0);
        for (int i = 0; i < 10; ++i) {
            const qreal a = qDegreesToRadians(-90.0 + 36.0 * i + 90.0);
            const qreal rr = (i % 2 == 0) ? h * 0.13 : h * 0.055;
            const QPointF pt(sc.x() + rr * std::cos(a), sc.y() + rr * std::sin(a));
            if (i == 0) {
                star.moveTo(pt);
            } else {
                star.lineTo(pt);
            }
        }
        star.closeSubpath();
        p.drawPath(star);
    } else if (language.contains("Thai")) {
        const QColor thaiRed(0xa5, 0x19, 0x31), thaiBlue(0x2d, 0x2a, 0x4a);
        stripes(p, r, {thaiRed, white, thaiBlue, thaiBlue, white, thaiRed});
    } else if (language.contains("Greek")) {
        const QColor greekBlue(0x0d, 0x5e, 0xaf);
        stripes(p, r, {greekBlue, white, greekBlue, white, greekBlue, white, greekBlue, white, greekBlue});
        const QRectF canton(r.left(), r.top(), r.height() * 5 / 9, r.height() * 5 / 9);
        p.fillRect(canton, greekBlue);
        p.fillRect(
            QRectF(canton.left(), canton.center().y() - canton.height() / 10, canton.width(), canton.height() / 5),
            white);
        p.fillRect(QRectF(canton.center().x() - canton.width() / 10, canton.top(), canton.width() / 5, canton.height()),
                   white);
    } else {
        p.fillRect(r, QColor(0xcc, 0xcc, 0xcc));
    }
    p.restore();
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

FlagButton::FlagButton(const ui::Control& model, QWidget* parent)
    : QAbstractButton(parent), language_(qs(model.name()).mid(1)) {
    setCursor(Qt::PointingHandCursor);
}

void FlagButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF r = QRectF(rect()).adjusted(isDown() ? 2 : 1, isDown() ? 2 : 1, -1, -1);
    paintFlag(p, r, language_);
    if (underMouse() || hasFocus()) {
        p.setPen(QPen(QColor(0x2f, 0x9b, 0xff), 1.5));
        p.drawRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75));
    }
}

}  // namespace qavi::qt
