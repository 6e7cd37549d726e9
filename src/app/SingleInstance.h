#pragma once
// Finding the running copy and asking it to show itself.
#include "shell/InstanceNames.h"

namespace huex {

// Looks through every top-level window for one with our marker child; asks the first one found
// to show itself. Returns whether a running copy was found.
bool activateRunningCopy();

} // namespace huex
