#pragma once

// Where a point lies against the selection rectangle: outside, on one of its
// eight handles, or inside. The control finds it in pixels; the selection tool
// acts on it.
namespace vog {

enum class Handle {
    Outside,
    Top,
    Bottom,
    Left,
    Right,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
    Inside,
};

// Which edges of the selection a handle moves.
constexpr bool movesTop(Handle h)
{
    return h == Handle::Top || h == Handle::TopLeft || h == Handle::TopRight;
}
constexpr bool movesBottom(Handle h)
{
    return h == Handle::Bottom || h == Handle::BottomLeft || h == Handle::BottomRight;
}
constexpr bool movesLeft(Handle h)
{
    return h == Handle::Left || h == Handle::TopLeft || h == Handle::BottomLeft;
}
constexpr bool movesRight(Handle h)
{
    return h == Handle::Right || h == Handle::TopRight || h == Handle::BottomRight;
}

} // namespace vog
