#pragma once
#include "shell/form.h"

// Window "PTOLEMY'S METHOD".
class ptolemaios : public Form {
    Q_OBJECT
public:
    explicit ptolemaios(Program& program);
};
