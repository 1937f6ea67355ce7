#include "ptolemy/ptolemaios.h"

ptolemaios::ptolemaios(Program& p) : Form(p, "ptolemaios", QStringLiteral("PTOLEMY'S METHOD")) {}
