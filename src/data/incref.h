#pragma once
#include "shell/form.h"

// Window "REFRACDTION VS INCIDENCE ΔΙΑΘΛΑΣΗΣ VS ΠΡΟΣΠΤΩΣΗΣ".
class incref : public Form {
    Q_OBJECT
public:
    explicit incref(Program& program);
};
