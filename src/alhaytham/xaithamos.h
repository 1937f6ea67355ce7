#pragma once
#include "shell/form.h"

// Window "Πείραμα του Αλ Χαϊθάμ".
class xaithamos : public Form {
    Q_OBJECT
public:
    explicit xaithamos(Program& program);
};
