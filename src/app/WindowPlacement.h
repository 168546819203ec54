#pragma once

#include <QList>
#include <QPointF>
#include <QRect>
#include <QSize>

// The settings file keeps the window's place as on the platform it came from:
// left edge, and top edge counted upwards from the bottom of the primary screen.
// These convert between that and Qt's downward y, and keep a window on screen.
namespace WindowPlacement {

// Top-right corner of the available area, in the file's terms.
QPointF DefaultPosition(const QRect &primaryGeometry, const QRect &available, const QSize &frame);

// Qt rectangle for a window of `width` by `height` whose top-left is (x, topUp) in
// the file's terms. It goes to the screen area that holds that corner, or else the
// nearest one, and is moved and if need be shrunk to lie inside it. The values come
// from a file anyone may edit: they are clamped before they become pixels, and one
// that is not finite counts as 0.
QRect Place(double x, double topUp, double width, double height, const QRect &primaryGeometry,
            const QList<QRect> &availableAreas);

// Top-left corner, in Qt's terms, for a window of `size` opened from a tray icon at
// `icon`: beside the icon on the side away from the screen edge it sits on, moved
// to lie inside `available`.
QPoint NearTrayIcon(const QRect &icon, const QSize &size, const QRect &available);

// The file's top edge for a window whose frame top is at Qt's `qtTop`.
double TopUp(int qtTop, const QRect &primaryGeometry);

} // namespace WindowPlacement
