#include "app/flows.h"

void ConnectFlows(Program& program) {
    ConnectExperimentFlows(program);
    ConnectDataFlows(program);
    ConnectInterpretationFlows(program);
    ConnectReconstructionFlows(program);
}
