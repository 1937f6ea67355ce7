#include "alhaytham/alhazencheck.h"

alhazencheck::alhazencheck(Program& p) : Form(p, "alhazencheck", QStringLiteral("CHECK AL HAYTHAM'S RULES ")) {}
