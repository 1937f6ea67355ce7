#pragma once
class Program;
#include "shell/form.h"

// Window "OBSERVATION ΠΑΡΑΤΗΡΗΣΗ".
class EMFANISI : public Form {
    Q_OBJECT
public:
    Program& program; // until the window reads only its own part
    explicit EMFANISI(Program& program);
};
