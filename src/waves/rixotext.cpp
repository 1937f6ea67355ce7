#include "waves/rixotext.h"

rixotext::rixotext(Program& p) : Form(p, "rixotext", QStringLiteral("REFLECTED AND REFRACTED ANAKΛΩMENH KAI ΔIAΘΛΩMENH")) {}
