#pragma once
#include "shell/form.h"

// Window "CHECK AL HAYTHAM'S RULES ".
class alhazencheck : public Form {
    Q_OBJECT
public:
    explicit alhazencheck(Program& program);
};
