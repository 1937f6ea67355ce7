#include "records/errors.h"

#include "shell/program.h"

errors::errors(Program& p) : Form(p, "errors", QStringLiteral("MEAN VALUE OF ERROR  ΜΕΣΟ ΣΦΑΛΜΑ")) {}
void errors::Form_Load() {}
void errors::Form_Click() {}
void errors::tickmarks() {}
void errors::drawCurve() {}
