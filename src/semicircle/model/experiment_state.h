#pragma once
// The experiment's state is held by its part now (experiment.h). The old name stays only for
// the program's former shared member, which nothing reads any more.
#include "semicircle/model/raytrace.h"

using ExperimentState = Semicircle;
