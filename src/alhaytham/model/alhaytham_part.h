#pragma once
#include "shell/model/observer.h"

// The part of Al Haytham's reconstruction: his apparatus and the check of his rules: its state and operations, without Qt; its windows show it and are told
// of every change.
class AlHaythamReconstruction {};
