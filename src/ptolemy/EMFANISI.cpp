#include "ptolemy/EMFANISI.h"

EMFANISI::EMFANISI(Program& p) : Form("EMFANISI", QStringLiteral("OBSERVATION ΠΑΡΑΤΗΡΗΣΗ")), program(p) {}
