#pragma once
#include "shell/form.h"

// Window "PTOLEMY'S DATA MANIPULATION".
class ptolkam : public Form {
    Q_OBJECT
public:
    explicit ptolkam(Program& program);
};
