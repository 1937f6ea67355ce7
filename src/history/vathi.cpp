#include "history/vathi.h"

vathi::vathi(History&) : Form("vathi", QStringLiteral("vathi")) {
    Timer1 = addTimer([] {}, 0, false);
}
