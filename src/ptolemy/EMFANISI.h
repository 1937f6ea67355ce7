#pragma once
#include "shell/form.h"

// Window "OBSERVATION ΠΑΡΑΤΗΡΗΣΗ".
class EMFANISI : public Form {
    Q_OBJECT
public:
    explicit EMFANISI(Program& program);
};
