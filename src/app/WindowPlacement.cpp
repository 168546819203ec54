#include "app/WindowPlacement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace WindowPlacement {

namespace {

double finiteOrZero(double value)
{
    return std::isfinite(value) ? value : 0;
}

// Squared distance from a point to a rectangle's pixels; 0 on one of them. The
// column just right of an area (and the row just below) is the next screen's, not
// this one's: a window at the left edge of the right-hand screen stays there.
double distanceSquared(QPointF point, const QRect &area)
{
    const double dx = std::max(
        {double(area.left()) - point.x(), 0.0, point.x() - double(area.left() + area.width() - 1)});
    const double dy = std::max(
        {double(area.top()) - point.y(), 0.0, point.y() - double(area.top() + area.height() - 1)});
    return dx * dx + dy * dy;
}

// Within [low, high] in floating point, so that no out-of-range value ever reaches an
// integer conversion; `high` below `low` gives `low`.
int clampToInt(double value, double low, double high)
{
    return static_cast<int>(std::lround(std::max(low, std::min(value, high))));
}

} // namespace

double TopUp(int qtTop, const QRect &primaryGeometry)
{
    return primaryGeometry.y() + primaryGeometry.height() - qtTop;
}

QPoint NearTrayIcon(const QRect &icon, const QSize &size, const QRect &available)
{
    const QPoint center = icon.center();
    const QPoint areaCenter = available.center();
    // A panel along the bottom or top opens the window above or below the icon; one
    // along the left or right edge, beside it.
    const bool horizontalPanel = std::abs(center.y() - areaCenter.y()) * available.width() >=
                                 std::abs(center.x() - areaCenter.x()) * available.height();
    int left = center.x() - size.width() / 2;
    int top = center.y() - size.height() / 2;
    if (horizontalPanel)
        top = center.y() > areaCenter.y() ? icon.top() - size.height() : icon.bottom() + 1;
    else
        left = center.x() > areaCenter.x() ? icon.left() - size.width() : icon.right() + 1;
    left = std::clamp(left, available.left(),
                      std::max(available.left(), available.right() + 1 - size.width()));
    top = std::clamp(top, available.top(),
                     std::max(available.top(), available.bottom() + 1 - size.height()));
    return {left, top};
}

QPointF DefaultPosition(const QRect &primaryGeometry, const QRect &available, const QSize &frame)
{
    return {double(available.x() + available.width() - frame.width()),
            TopUp(available.y(), primaryGeometry)};
}

QRect Place(double x, double topUp, double width, double height, const QRect &primaryGeometry,
            const QList<QRect> &availableAreas)
{
    x = finiteOrZero(x);
    topUp = finiteOrZero(topUp);
    width = finiteOrZero(width);
    height = finiteOrZero(height);
    const double top = primaryGeometry.y() + primaryGeometry.height() - topUp;

    QRect area = availableAreas.isEmpty() ? primaryGeometry : availableAreas.first();
    double nearest = std::numeric_limits<double>::infinity();
    for (const QRect &candidate : availableAreas) {
        const double distance = distanceSquared({x, top}, candidate);
        if (distance < nearest) {
            nearest = distance;
            area = candidate;
        }
    }

    const int w = clampToInt(width, 1, area.width());
    const int h = clampToInt(height, 1, area.height());
    const int left = clampToInt(x, area.left(), area.left() + area.width() - w);
    const int qtTop = clampToInt(top, area.top(), area.top() + area.height() - h);
    return {left, qtTop, w, h};
}

} // namespace WindowPlacement
