#pragma once
#include "shell/form.h"

#include <string>

// How one graph window numbers its axes: steps, every how many steps a tick stands, the
// tick half-lengths and label offset, and the label formats.
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

// The four passes of the graph windows' `tickmarks` on the canvas's current scale.
void DrawTickmarks(Canvas& canvas, const TickmarkStyle& style);

// Index graph: measured index against incidence for the rows of the list window.
class Grafindex : public Form {
    Q_OBJECT
public:
    explicit Grafindex(Program& program);
    void Form_Load() override;
    void Form_Click() override;
    void zografizo();
    void tickmarks();
};
