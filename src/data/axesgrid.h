#pragma once
class Form;

// Axes of a graph with tick marks, numbered labels and a blue horizontal grid, drawn on the
// target's surface in its own scale, its ForeColor and its font (the grid lines are blue).
// A step that is not positive is chosen from the range; a graph with no range on an axis,
// or with no usable step, gets its axes only.
void DrawAxesGrid(Form& target, double xMax, double xMin, double yMax, double yMin, double xFloor,
                  double yFloor, double xStep, double yStep);
