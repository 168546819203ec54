#include "app/WindowPlacement.h"

#include <algorithm>
#include <cmath>

namespace WindowPlacement {

double TopUp(int qtTop, const QRect &primaryGeometry)
{
    return primaryGeometry.y() + primaryGeometry.height() - qtTop;
}

QPointF DefaultPosition(const QRect &primaryGeometry, const QRect &available, const QSize &frame)
{
    return {double(available.x() + available.width() - frame.width()),
            TopUp(available.y(), primaryGeometry)};
}

QRect Place(double x, double topUp, const QSize &size, const QRect &primaryGeometry,
            const QRect &available)
{
    const int width = std::min(size.width(), available.width());
    const int height = std::min(size.height(), available.height());
    const int left = static_cast<int>(std::lround(x));
    const int top =
        primaryGeometry.y() + primaryGeometry.height() - static_cast<int>(std::lround(topUp));
    const int clampedLeft =
        std::clamp(left, available.left(), available.left() + available.width() - width);
    const int clampedTop =
        std::clamp(top, available.top(), available.top() + available.height() - height);
    return {clampedLeft, clampedTop, width, height};
}

} // namespace WindowPlacement
