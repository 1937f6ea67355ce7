#pragma once
#include "shell/form.h"

// Window "Σύντομη Ιστορία".
class storiopt : public Form {
    Q_OBJECT
public:
    explicit storiopt(Program& program);

    Canvas* Picture1; // the page picture
};
