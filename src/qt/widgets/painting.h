#pragma once

// Shared look of the instrument widgets: colours, scales and the value texts.

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "ui/form/widgets.h"

namespace qavi::qt::look {

inline QColor toQColor(ui::Color c) { return QColor(c.r, c.g, c.b); }
inline QString qs(const std::string& s) { return QString::fromStdString(s); }

// Instrument faces are dark so the coloured bars and needles read at a glance.
inline const QColor kFace{0x23, 0x29, 0x31};
inline const QColor kFaceEdge{0x3b, 0x44, 0x4f};
inline const QColor kTrack{0x14, 0x18, 0x1d};
inline const QColor kScale{0xc9, 0xd1, 0xd9};
inline const QColor kText{0xf2, 0xf5, 0xf7};
inline const QColor kDimText{0x8f, 0x9b, 0xa7};
inline const QColor kReadout{0x7d, 0xf0, 0x9a};

// A face with rounded corners and a hairline edge; returns the inner rectangle.
QRectF drawFace(QPainter& p, const QRectF& r, qreal radius = 4.0);

// Fraction 0..1 of the value within the signal's range (clipped for drawing only).
qreal fractionOf(const ui::SignalControl& s, double value);
qreal fractionOf(const ui::SignalControl& s);

// Scale label i of `steps` in the scale's own format.
QString scaleLabel(const ui::SignalControl& s, int i, int steps);

// The texts a gauge shows, in the signal's format and the locale's separators.
QString valueText(const ui::SignalControl& s);

// Font sized in pixels so the drawing scales the same on every screen.
QFont pixelFont(int px, bool bold = false);

// The largest font of at most `px` pixels (and at least `minPx`) in which
// `text` fits `width`: translated captions run longer than the Polish ones
// the instruments were laid out for, and a smaller caption reads better than a cut one.
QFont fittedFont(const QString& text, qreal width, int px, bool bold = false, int minPx = 7);

// Disabled instruments fade rather than vanish.
void applyEnabledOpacity(QPainter& p, bool enabled);

}  // namespace qavi::qt::look
