#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The sides a speed bar docks to, numbered as the stored "Position" value.
enum class TBarSide { None = 0, Top = 1, Bottom = 2, Left = 3, Right = 4, Client = 5 };

// The geometry rules of the speed bar: where a dropped button lands and which side a
// dragged bar docks to. Pure arithmetic, shared by the bar and its tests.
namespace SpeedGrid {

// The snap step along a bar for buttons `length` pixels long: length / 3 clamped to
// 1..8, raised until it divides the length; if that reaches the length itself, lowered
// from length - 1 instead. 24 gives 8.
int SnapStep(int length);

// numerator / denominator rounded to the nearest whole number, a half going to the even
// one (1.5 and 2.5 both give 2); denominator > 0.
int RoundHalfEven(int numerator, int denominator);

// numerator / denominator rounded towards zero; denominator > 0.
int RoundTowardsZero(int numerator, int denominator);

// The top-left corner a button dropped with its top-left corner at `point` takes on a bar
// whose buttons are `button` in size (width, height as drawn) and start at `offset`.
// Along the bar the position snaps to the nearest step (SnapStep of the button's length),
// across it to whole button thicknesses below the point; across, never less than the
// offset.
QPoint Snap(QPoint point, QSize button, QPoint offset, bool vertical);

// The side of `client` whose triangle (the area split by its two diagonals) holds
// `point`. Points on a diagonal belong to the top or bottom triangle; points outside the
// area go by the extended diagonals.
TBarSide SideAt(const QRect &client, QPoint point);

inline bool IsVertical(TBarSide side)
{
    return side == TBarSide::Left || side == TBarSide::Right;
}

} // namespace SpeedGrid
