#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "shell/model/point.h"

// What is drawn, in user units: the one record of a drawing. Model code describes a drawing
// with it for a window to replay in order; a canvas keeps one for every drawing call since
// its last Cls, and paints, saves as SVG, checks and shows the tests from that record.
struct Rgb {
    int r = 0, g = 0, b = 0, a = 255;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct DrawItem {
    enum Kind { Line, Dot, Box, FilledBox, Circle, Text };
    Kind kind = Line;
    Point a, b;                // Line: the ends; Box, FilledBox: two corners; Circle: the
                               // centre; Dot: the point; Text: the top left of the text
    std::optional<Rgb> colour; // none: the canvas's ForeColor (in a canvas's record, always set)
    int width = 1;             // DrawWidth, pixels
    int style = 0;             // DrawStyle: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    // Circle: radius in x units, squashed by aspect; an arc runs from start to end (radians,
    // counter-clockwise as the eye sees them; a negative angle also draws its radius).
    double radius = 0, aspect = 1, start = 0, end = 0;
    bool arc = false;
    bool filled = false; // Circle, and a closed arc, filled with `fill`
    Rgb fill;
    // Text, in its font.
    std::string text, fontName;
    double fontSize = 0;
    bool bold = false, italic = false;
    // Where a canvas put the item on its pixels: the scale in force when it was drawn, and for
    // a segment of a polyline where its dash pattern starts (in pen widths).
    std::uint32_t frame = 0;
    float dashOffset = 0;
};

using Drawing = std::vector<DrawItem>;
