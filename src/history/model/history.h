#pragma once
#include "shell/model/observer.h"

// The part of the short history: its two pages: its state and operations, without Qt; its windows show it and are told
// of every change.
class History {};
