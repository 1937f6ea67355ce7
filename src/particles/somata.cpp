#include "particles/somata.h"

somata::somata(Program& p) : Form(p, "somata", QStringLiteral("CORPUSCULAR AND FERMAT ΣΩMATIΔIA KAI FERMAT")) {}
