#pragma once
// A point of a drawing or a graph in user units: the one point type of the model code.
struct Point {
    double x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Cuts the segment a-b to the band yLow <= y <= yHigh: the same line across a graph, without
// a coordinate far off the picture (a fitted slope of 4e15 would put one there). False when no
// part of it lies in the band.
inline bool ClipToBand(Point& a, Point& b, double yLow, double yHigh) {
    const double dy = b.y - a.y;
    if (dy == 0) return a.y >= yLow && a.y <= yHigh;
    // Running up the band the line enters at yLow and leaves at yHigh; running down, the reverse.
    const double entry = dy > 0 ? yLow : yHigh, exit = dy > 0 ? yHigh : yLow;
    const double tEntry = (entry - a.y) / dy, tExit = (exit - a.y) / dy;
    const double t0 = tEntry > 0 ? tEntry : 0, t1 = tExit < 1 ? tExit : 1;
    if (!(t0 <= t1)) return false;
    const Point from = a, to = b;
    if (t0 > 0) a = {from.x + t0 * (to.x - from.x), entry};
    if (t1 < 1) b = {from.x + t1 * (to.x - from.x), exit};
    return true;
}
