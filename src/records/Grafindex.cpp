#include "records/Grafindex.h"

#include "shell/program.h"

Grafindex::Grafindex(Program& p) : Form(p, "Grafindex", QStringLiteral("REFRACTION INDEX Δείκτης διάθλασης")) {}
void Grafindex::Form_Load() {}
void Grafindex::Form_Click() {}
void Grafindex::zografizo() {}
void Grafindex::tickmarks() {}
