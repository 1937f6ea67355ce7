#pragma once
class Program;
#include "shell/form.h"

// Mean error of the measured index against the radius of the semicircle.
class errors : public Form {
    Q_OBJECT
public:
    Program& program; // until the window reads only its own part
    explicit errors(Program& program);
    void Form_Load() override;
    void Form_Click() override;
    void tickmarks();
    // Draws the curve and its labels for the current settings.
    void drawCurve();
};
