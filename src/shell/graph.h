#pragma once
#include <QColor>

#include <optional>
#include <string>

#include "shell/model/drawing.h"
#include "shell/model/figure.h"
#include "shell/model/point.h"

class Canvas;

// Axes, tick marks, axis numbers and the blue grid of the graph windows, drawn on any canvas
// in its current scale, its ForeColor and its font.

// How one graph numbers its axes: steps, every how many steps a tick stands, the tick
// half-lengths and label offset, and the label formats.
struct TickmarkStyle {
    double xStep = 10, yStep = 1;
    int xModulus = 1, yModulus = 1;
    double t = 0.1; // x ticks run from (x, -t) to (x, t); x labels hang from (x, -t)
    double u = 1;   // y ticks run from (-u, y) to (u, y)
    double v = 1;   // y labels stand at (-v, y)
    std::string xFormat = "0";
    std::string yFormat = "0.0"; // positive y and the label of 0
    std::string yNegativeFormat = "0.00";
};

// The style of the list and index graphs: x numbered in tenths of the scale's right end, every
// xModulus-th step, y by yStep every yModulus-th; ticks a fifth of the other axis's step long,
// y labels a third of the x step left of the axis.
TickmarkStyle TenthsOfTheScale(const Canvas& canvas, double yStep, int xModulus, int yModulus);

// Ticks and numbers along both axes out to the canvas's edges, in four passes. Each x label
// is printed after the step, so it stands at the next tick.
void DrawTickmarks(Canvas& canvas, const TickmarkStyle& style);

// Axes with tick marks, numbered labels and a blue horizontal grid for a graph of the given
// ranges. A step that is not positive is chosen from the range; a graph with no range on an
// axis, or with no usable step, gets its axes only.
void DrawAxesGrid(Canvas& canvas, double xMax, double xMin, double yMax, double yMin,
                  double xFloor, double yFloor, double xStep, double yStep);

// The height (in user units, below the x axis y = 0) at which a title printed under the axis,
// in the present font, keeps clear of the numbers that DrawAxesGrid and DrawTickmarks hang
// just under it. A graph prints its title at this height or lower.
double UnderAxisNumbers(const Canvas& canvas);

// A fitted line of a graph from a to b, cut to the band yLow ... yHigh (ClipToBand), in
// `color` or else the ForeColor; nothing where it misses the band. A steep fit then crosses
// the graph as it should, with no coordinate far off the picture.
void GraphLine(Canvas& canvas, Point a, Point b, double yLow, double yHigh,
               std::optional<QColor> color = std::nullopt);

// Draws a drawing that model code made, item after item, each in its colour (or the ForeColor)
// and its width; the DrawWidth is left as it was.
void DrawModelDrawing(Canvas& canvas, const Drawing& drawing);

// Draws a figure on a clean canvas: its scale (widened to keep a unit as long across as down),
// the bands, lines and circles, the point labels in font size 14 and the explanations in 11.
// The pen and the font size are left as they were.
void DrawFigure(Canvas& canvas, const Figure& figure);
