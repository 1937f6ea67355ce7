#pragma once
#include "shell/model/observer.h"

// The part of the interpretation: the wave window, the panel, the particle window and Fermat's bodies: its state and operations, without Qt; its windows show it and are told
// of every change.
class Interpretation {};
