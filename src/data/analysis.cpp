#include "data/analysis.h"

#include "shell/program.h"

analysis::analysis(Program& p) : Form(p, "analysis", QStringLiteral("ANALYSIS OF DATA")) {
    Text1 = new QTextEdit(canvas);
}

void analysis::Form_Load() {}

void analysis::tickmarks() {}
