#include "analysis/resetting_curve.h"

#include <algorithm>
#include <cmath>

namespace quorel {

const char* resettingPatternName(ResettingPattern pattern)
{
    switch (pattern) {
    case ResettingPattern::TooFewPoints:
        return "too few points";
    case ResettingPattern::Flat:
        return "flat";
    case ResettingPattern::Increasing:
        return "increasing";
    case ResettingPattern::Decreasing:
        return "decreasing";
    case ResettingPattern::Mixed:
        return "mixed";
    case ResettingPattern::Undefined:
        break;
    }
    return "undefined";
}

ResettingCurve resettingCurve(std::span<const ExtrastimulusMeasures> steps)
{
    ResettingCurve curve;
    for (const ExtrastimulusMeasures& s : steps)
        if (s.captured && isMeasured(s.returnCycle) && isMeasured(s.couplingInterval))
            curve.points.push_back({s.scanStep, s.stimulusTime, s.couplingInterval, s.returnCycle, s.reset});
    std::stable_sort(curve.points.begin(), curve.points.end(),
                     [](const ResettingPoint& a, const ResettingPoint& b) {
                         return a.couplingInterval > b.couplingInterval;
                     });
    std::vector<ResettingPoint> resetPoints;
    for (const ResettingPoint& p : curve.points)
        if (p.reset)
            resetPoints.push_back(p);
    curve.pattern = classifyResettingCurve(resetPoints);
    return curve;
}

ResettingPattern classifyResettingCurve(std::span<const ResettingPoint> points)
{
    if (points.size() < 2)
        return ResettingPattern::TooFewPoints;
    enum Slope { Flat, Rising, Falling };
    std::vector<Slope> slopes;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const double shortening = points[i - 1].couplingInterval - points[i].couplingInterval;
        const double growth = points[i].returnCycle - points[i - 1].returnCycle;
        if (!(shortening > 0.0))
            return ResettingPattern::Undefined;
        if (std::abs(growth) <= kFlatSlope * shortening)
            slopes.push_back(Flat);
        else
            slopes.push_back(growth > 0.0 ? Rising : Falling);
    }
    auto all = [&](Slope s) {
        return std::all_of(slopes.begin(), slopes.end(), [s](Slope x) { return x == s; });
    };
    if (all(Flat))
        return ResettingPattern::Flat;
    if (all(Rising))
        return ResettingPattern::Increasing;
    if (all(Falling))
        return ResettingPattern::Decreasing;
    // Flat first, then increasing to the end.
    const auto firstRising = std::find(slopes.begin(), slopes.end(), Rising);
    const bool flatThenRising = std::all_of(slopes.begin(), firstRising, [](Slope x) { return x == Flat; }) &&
        std::all_of(firstRising, slopes.end(), [](Slope x) { return x == Rising; });
    return flatThenRising ? ResettingPattern::Mixed : ResettingPattern::Undefined;
}

}  // namespace quorel
