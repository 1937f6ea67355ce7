// Ray modes of the semicircle window: sweeps, random settings, beams, fans, the critical
// angle, and the entries that hand over to the mean-error window and the record file.
#include "semicircle/hmiky.h"

#include "shell/program.h"

void hmiky::Command4_Click() {}
void hmiky::allrandom_Click() {}
void hmiky::Paral_Click() {}
void hmiky::leftpar_Click() {}
void hmiky::rightpar_Click() {}
void hmiky::Form_MouseDown(int, int, double, double) {}
void hmiky::Form_MouseUp(int, int, double, double) {}
void hmiky::kritikal_Click() {}
void hmiky::krisimi() {}
void hmiky::Optimize_Click() {}
void hmiky::fylaxe_Click() {}
void hmiky::fylakise() {}
