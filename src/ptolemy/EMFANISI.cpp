#include "ptolemy/EMFANISI.h"

EMFANISI::EMFANISI(Program& p) : Form(p, "EMFANISI", QStringLiteral("OBSERVATION ΠΑΡΑΤΗΡΗΣΗ")) {}
