#pragma once
#include <optional>
#include <vector>

#include "shell/model/point.h"

// A drawing as model code describes it, for a window to replay on its canvas in order: lines,
// dots (PSet) and filled boxes in user units. The model decides what is drawn; the window
// only draws it.
struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct DrawItem {
    enum Kind { Line, Dot, Box };
    Kind kind = Line;
    Point a, b;                 // a Dot uses a only; a Box has a and b as opposite corners
    std::optional<Rgb> colour;  // none: the canvas's ForeColor
    int width = 1;              // the DrawWidth it is drawn with
};

using Drawing = std::vector<DrawItem>;
