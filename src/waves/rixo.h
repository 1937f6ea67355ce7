#pragma once
#include "shell/form.h"

// Window "WAVES".
class rixo : public Form {
    Q_OBJECT
public:
    explicit rixo(Program& program);
};
