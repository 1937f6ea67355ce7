#pragma once
class Program;

// The flows between parts, which no window of one part may make itself: what one part asks
// for and another gives (the transfer of the semicircle's rows into the data window, the
// notes that open Ptolemy's and Al Haytham's windows and what those leave in the data
// window's graphs, the interpretation opened from the data window). Each part's own in a file
// of its own; all connected once the program stands.
void ConnectFlows(Program& program);
void ConnectExperimentFlows(Program& program);
void ConnectDataFlows(Program& program);
void ConnectInterpretationFlows(Program& program);
void ConnectReconstructionFlows(Program& program);
