#pragma once
// A point of a drawing or a graph in user units: the one point type of the model code.
struct Point {
    double x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};
