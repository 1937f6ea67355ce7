#include "alhaytham/xaithamos.h"

xaithamos::xaithamos(Program& p) : Form(p, "xaithamos", QStringLiteral("Πείραμα του Αλ Χαϊθάμ")) {}
