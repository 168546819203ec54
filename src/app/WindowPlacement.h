#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>

// The settings file keeps the window's place as on the platform it came from:
// left edge, and top edge counted upwards from the bottom of the primary screen.
// These convert between that and Qt's downward y, and keep a window on screen.
namespace WindowPlacement {

// Top-right corner of the available area, in the file's terms.
QPointF DefaultPosition(const QRect &primaryGeometry, const QRect &available, const QSize &frame);

// Qt rectangle for a window of `size` whose top-left is (x, topUp) in the file's
// terms, moved and if need be shrunk so that it lies inside `available`.
QRect Place(double x, double topUp, const QSize &size, const QRect &primaryGeometry,
            const QRect &available);

// The file's top edge for a window whose frame top is at Qt's `qtTop`.
double TopUp(int qtTop, const QRect &primaryGeometry);

} // namespace WindowPlacement
