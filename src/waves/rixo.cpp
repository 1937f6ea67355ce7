#include "waves/rixo.h"

rixo::rixo(Program& p) : Form(p, "rixo", QStringLiteral("WAVES")) {}
