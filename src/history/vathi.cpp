#include "history/vathi.h"

vathi::vathi(Program& p) : Form("vathi", QStringLiteral("vathi")), program(p) {
    Timer1 = addTimer([] {}, 0, false);
}
