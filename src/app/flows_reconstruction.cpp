#include "app/flows.h"
#include "app/program.h"

void ConnectReconstructionFlows(Program&) {}
