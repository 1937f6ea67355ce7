#include "history/vathi.h"

vathi::vathi(Program& p) : Form(p, "vathi", QStringLiteral("vathi")) {
    Timer1 = addTimer([] {}, 0, false);
}
