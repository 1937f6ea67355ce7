#pragma once

// The few values of Newton's one-layer geometry that the data window's Newton note works on,
// in a state of its own (LayerAcceleration, ComputeNewtonPaths). The interpretation's windows
// keep theirs in their part, Interpretation; speedChoice and the speeds here are read by
// nothing and go with the program's old shared state.
struct InterpretationState {
    double speedChoice = 1.0;
    double incRad = 0, refrRad = 0;          // incidence and refraction, radians
    double frontSpeed1 = 0, frontSpeed2 = 0; // across-surface speeds
    double scaleW = 0, scaleH = 0;           // the scale LayerAcceleration was given
};
