#pragma once
#include "shell/form.h"

// Window "REFRACDTION VS INCIDENCE ΔΙΑΘΛΑΣΗΣ VS ΠΡΟΣΠΤΩΣΗΣ": refraction angle against
// incidence angle, drawn by the data window. Its axes come from the graph module.
class incref : public Form {
    Q_OBJECT
public:
    explicit incref(Program& program);
    void Form_Load() override;
};
