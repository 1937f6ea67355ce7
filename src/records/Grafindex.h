#pragma once
class Program;
#include "shell/form.h"
#include "shell/graph.h"

// Index graph: measured index against incidence for the rows of the list window.
class Grafindex : public Form {
    Q_OBJECT
public:
    Program& program; // until the window reads only its own part
    explicit Grafindex(Program& program);
    void Form_Load() override;
    void Form_Click() override;
    void zografizo();
    void tickmarks();
};
