#include "ptolemy/ptolkam.h"

ptolkam::ptolkam(Program& p) : Form(p, "ptolkam", QStringLiteral("PTOLEMY'S DATA MANIPULATION")) {}
