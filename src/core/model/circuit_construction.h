#pragma once
// The site network of the figure-8 circuit: numbering, special sites, spacings.

#include "model/circuit_model.h"

namespace quorel {

// Recomputes the derived counts, special sites and spacings from the parameters.
void rebuildCircuit(CircuitModel& m);

// Length (m) of the segment of row X, as the S.L. and C.T. columns use it.
double segmentLength(const CircuitModel& m, int row);

// First site of each path (n + m + 2, n + m + D + 2, n + m + D + E1 + 2).
int firstDelaySite(const CircuitModel& m);
int firstDeadEnd1Site(const CircuitModel& m);
int firstDeadEnd2Site(const CircuitModel& m);

}  // namespace quorel
