#pragma once
#include "shell/form.h"

// Window "CORPUSCULAR AND FERMAT ΣΩMATIΔIA KAI FERMAT".
class somata : public Form {
    Q_OBJECT
public:
    explicit somata(Program& program);
};
