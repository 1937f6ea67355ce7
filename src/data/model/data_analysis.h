#pragma once
#include "shell/model/observer.h"

// The part of the data analysis: typed and historical data, the fit, the laws, the notes, and what the two graph windows show: its state and operations, without Qt; its windows show it and are told
// of every change.
class DataAnalysis {};
