#pragma once
// The resetting response curve of a single-stimulus scan: the return cycle against
// the coupling interval, and its pattern read from the slope of its segments.

#include "analysis/extrastimulus_measures.h"

#include <span>
#include <vector>

namespace quorel {

// A segment whose return cycle changes by at most this fraction of its change of
// coupling interval counts as flat.
constexpr double kFlatSlope = 0.1;

struct ResettingPoint {
    int scanStep = 0;
    double stimulusTime = 0.0;      // the coupling interval of the step message
    double couplingInterval = 0.0;  // at the stimulus site
    double returnCycle = 0.0;
    bool reset = false;
};

enum class ResettingPattern {
    TooFewPoints,  // fewer than two steps reset the tachycardia
    Flat,          // the return cycle stays the same as the coupling interval shortens
    Increasing,    // the return cycle grows as the coupling interval shortens
    Decreasing,    // it shrinks
    Mixed,         // flat at the longer coupling intervals, increasing at the shorter
    Undefined,     // any other sequence of slopes
};
const char* resettingPatternName(ResettingPattern pattern);

struct ResettingCurve {
    // Every captured step whose return was recorded, from the longest coupling interval down.
    std::vector<ResettingPoint> points;
    // From the points that reset the tachycardia.
    ResettingPattern pattern = ResettingPattern::TooFewPoints;
};

ResettingCurve resettingCurve(std::span<const ExtrastimulusMeasures> steps);
// The pattern of points ordered from the longest coupling interval down.
ResettingPattern classifyResettingCurve(std::span<const ResettingPoint> resetPoints);

}  // namespace quorel
