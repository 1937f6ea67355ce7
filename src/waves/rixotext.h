#pragma once
#include "shell/form.h"

// Window "REFLECTED AND REFRACTED ANAKΛΩMENH KAI ΔIAΘΛΩMENH".
class rixotext : public Form {
    Q_OBJECT
public:
    explicit rixotext(Program& program);
};
