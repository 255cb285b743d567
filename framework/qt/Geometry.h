// Conversions between the layer's geometry types and Qt's.
#pragma once

#include "framework/Types.h"

#include <QPoint>
#include <QRect>

inline QRect ToQRect(const TRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
inline TRect ToTRect(const QRect& r) { return TRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
inline QPoint ToQPoint(TPoint p) { return QPoint(p.x, p.y); }
inline TPoint ToTPoint(QPoint p) { return TPoint{p.x(), p.y()}; }
