#include "speedbar/SpeedGrid.h"

#include <QtGlobal>

namespace SpeedGrid {

int SnapStep(int length)
{
    if (length <= 1)
        return 1;
    int step = qBound(1, length / 3, 8);
    while (length % step != 0)
        ++step;
    if (step == length) {
        step = length - 1;
        while (step > 1 && length % step != 0)
            --step;
    }
    return step;
}

int RoundHalfEven(int numerator, int denominator)
{
    int quotient = numerator / denominator;
    int remainder = numerator % denominator;
    if (remainder < 0) { // floor division
        --quotient;
        remainder += denominator;
    }
    const int twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

int RoundTowardsZero(int numerator, int denominator)
{
    return numerator / denominator; // C++ integer division truncates
}

QPoint Snap(QPoint point, QSize button, QPoint offset, bool vertical)
{
    if (!vertical) {
        const int along = SnapStep(button.width()), across = qMax(1, button.height());
        const int left = offset.x() + RoundHalfEven(point.x() - offset.x(), along) * along;
        const int top = offset.y() + RoundTowardsZero(point.y() - offset.y(), across) * across;
        return {left, qMax(top, offset.y())};
    }
    const int along = SnapStep(button.height()), across = qMax(1, button.width());
    const int left = offset.x() + RoundTowardsZero(point.x() - offset.x(), across) * across;
    const int top = offset.y() + RoundHalfEven(point.y() - offset.y(), along) * along;
    return {qMax(left, offset.x()), top};
}

TBarSide SideAt(const QRect &client, QPoint point)
{
    const qint64 w = qMax(1, client.width()), h = qMax(1, client.height());
    const qint64 x = point.x() - client.left(), y = point.y() - client.top();
    // Negative: above the diagonal from the top-left corner (resp. the top-right corner).
    const qint64 falling = y * w - x * h;
    const qint64 rising = y * w - (w - x) * h;
    if (falling <= 0 && rising <= 0)
        return TBarSide::Top;
    if (falling >= 0 && rising >= 0)
        return TBarSide::Bottom;
    return falling < 0 ? TBarSide::Right : TBarSide::Left;
}

} // namespace SpeedGrid
