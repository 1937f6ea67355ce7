#pragma once
#include "shell/model/observer.h"

// The part of the semicircle experiment: the semicircle window, the list window, the index graph, the mean-error graph and the record file: its state and operations, without Qt; its windows show it and are told
// of every change.
class Experiment {};
