#pragma once
class Program;
#include "shell/form.h"

// A window kept for its timer alone: it has no controls and nothing opens it or handles its
// timer, which stays stopped.
class vathi : public Form {
    Q_OBJECT
public:
    Program& program; // until the window reads only its own part
    explicit vathi(Program& program);
    Timer* Timer1;
};
