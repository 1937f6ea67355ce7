#include "app/flows.h"
#include "app/program.h"

void ConnectInterpretationFlows(Program&) {}
