#pragma once
#include "shell/model/observer.h"

// The part of Ptolemy's reconstruction: his apparatus, what the observer sees, his data manipulation: its state and operations, without Qt; its windows show it and are told
// of every change.
class PtolemyReconstruction {};
