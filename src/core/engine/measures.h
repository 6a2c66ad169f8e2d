#pragma once
// The two measures computed per revolution after a scan step: how far the stimulated
// wavefront penetrated the inner loop against the circulation (antidromic fraction,
// written into field 8 of the stimulus site's planes), and how much of the outer loop
// the retrograde wavefront took (fusionIndex).

#include "engine/kernel.h"

namespace quorel {

// Stimulus site S on the inner loop (1..n): every plane of S with code 3.
void computeAntidromicPenetration(RunContext& c);
// Stimulus site on a dead-end pathway whose connection site C is on the inner loop:
// every plane of C but its last with code 6. `pathway` is 1 or 2.
void computeAntidromicPenetrationDeadEnd(RunContext& c, int pathway);
// Every plane of site 1.
void computeFusion(RunContext& c);

// The measures of step 8 of a scan step: the antidromic ones when the stimulus
// captured (always for trains) and the stimulus site is placed for them, fusion always.
void computeStepMeasures(RunContext& c);

}  // namespace quorel
