#pragma once
// Integer points, sizes and rectangles in the old platform's form: a rectangle holds left, top,
// right and bottom, and its right and bottom edges lie outside it.
namespace vd {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool PtInRect(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
    void InflateRect(int dx, int dy) { left -= dx; right += dx; top -= dy; bottom += dy; }
    void NormalizeRect()
    {
        if (left > right) { const int t = left; left = right; right = t; }
        if (top > bottom) { const int t = top; top = bottom; bottom = t; }
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace vd
