#pragma once
// Shared state of the interpretation windows (speeds, angles, wave quantities).
struct InterpretationState {
    double speedChoice = 1.0; // speed chosen for the upper medium
};
