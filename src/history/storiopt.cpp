#include "history/storiopt.h"

storiopt::storiopt(Program& p) : Form(p, "storiopt", QStringLiteral("Σύντομη Ιστορία")) {
    Picture1 = new Canvas(canvas);
}
