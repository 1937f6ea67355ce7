#pragma once
class Program;
#include "shell/form.h"

// Window "REFRACDTION VS INCIDENCE ΔΙΑΘΛΑΣΗΣ VS ΠΡΟΣΠΤΩΣΗΣ": refraction angle against
// incidence angle, drawn by the data window. Its axes come from the graph module.
class incref : public Form {
    Q_OBJECT
public:
    Program& program; // until the window reads only its own part
    explicit incref(Program& program);
    void Form_Load() override;
    // The design caption again, for a scene that draws here without a caption of its own: the
    // caption of an earlier illustration never names what the window shows next.
    void resetCaption();
};
