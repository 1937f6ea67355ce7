#include "data/incref.h"

incref::incref(Program& p) : Form(p, "incref", QStringLiteral("REFRACDTION VS INCIDENCE ΔΙΑΘΛΑΣΗΣ VS ΠΡΟΣΠΤΩΣΗΣ")) {}
