#include "analysis/step_activations.h"

#include "engine/run_driver.h"

#include <algorithm>

namespace quorel {

namespace {

// Site 1 is never evaluated itself: it mirrors the closing node, plane for plane.
int asEvaluated(const CircuitLayout& L, int site)
{
    return site == 1 ? L.closingNode : site;
}

bool inRange(int site, int first, int count)
{
    return count > 0 && site >= first && site < first + count;
}

// The site a code-1 activation of `site` came from.
int orthodromicSource(const CircuitLayout& L, int site)
{
    if (inRange(site, L.firstDelaySite, L.D))
        return site == L.firstDelaySite ? L.closingNode : site - 1;
    if (inRange(site, L.firstDeadEnd1Site, L.E1))
        return site == L.firstDeadEnd1Site ? L.deadEnd1Site : site - 1;
    if (inRange(site, L.firstDeadEnd2Site, L.E2))
        return site == L.firstDeadEnd2Site ? L.deadEnd2Site : site - 1;
    return site >= 2 && site <= L.lastOuterSite ? site - 1 : 0;
}

// The site a code-2 activation of `site` came from.
int retrogradeSource(const CircuitLayout& L, int site)
{
    if (site == L.lastOuterSite && L.m > 0)
        return L.J;
    if (site == L.closingNode)
        return 0;
    const bool onPath = inRange(site, L.firstDelaySite, L.D) || inRange(site, L.firstDeadEnd1Site, L.E1) ||
        inRange(site, L.firstDeadEnd2Site, L.E2);
    return site >= 2 && (site < L.lastOuterSite || onPath) ? site + 1 : 0;
}

}  // namespace

AnalysisFrame analysisFrameOf(const CircuitModel& model, const RunResults& results, int completedSteps)
{
    AnalysisFrame f;
    f.layout = layoutOf(model);
    f.stimulusSite = f.layout.stimulusSite;
    const int recorded = static_cast<int>(results.ScanStepRecords[1].stimulusSite);
    if (completedSteps >= 1 && recorded >= 1 && recorded <= f.layout.lastSite)
        f.stimulusSite = recorded;
    f.layout.stimulusSite = f.stimulusSite;
    f.qrsSite = f.layout.qrsSite > 0 ? f.layout.qrsSite : 1;
    f.revolutions = std::clamp(results.shownRevolutionCount, 0, kMaxRevolutions);
    f.T = f.layout.T;
    f.Q = f.layout.clockStep;
    if (f.Q > 0.0)
        f.stepEnd = static_cast<double>(ticksPerScanStep(f.revolutions, f.T, f.Q)) * f.Q;
    return f;
}

int StimulusSchedule::numberAt(double t) const
{
    // A capture takes the time of its stimulus; the schedule adds the cycle length up,
    // and a stored set keeps six decimals of both.
    constexpr double kSameTime = 1e-6;
    if (count < 1)
        return 0;
    if (interval <= 0.0)
        return std::abs(t - first) <= kSameTime ? 1 : 0;
    const double k = std::round((t - first) / interval);
    if (k < 0.0 || k >= count)
        return 0;
    const int number = static_cast<int>(k) + 1;
    return std::abs(t - timeOf(number)) <= kSameTime ? number : 0;
}

int StepActivations::lastBefore(int site, double t) const
{
    // Times of a site rise from plane to plane.
    int low = 1, high = count[site];
    while (low <= high) {
        const int mid = (low + high) / 2;
        if (time[site][mid] < t)
            low = mid + 1;
        else
            high = mid - 1;
    }
    return high;
}

int StepActivations::firstFrom(int site, double t) const
{
    const int plane = lastBefore(site, t) + 1;
    return plane <= count[site] ? plane : 0;
}

int StepActivations::firstOf(int site, int wavefront)
{
    for (int r = 1; r <= count[site]; ++r)
        if (originOf(site, r) == wavefront)
            return r;
    return 0;
}

void StepActivations::read(const AnalysisFrame& frame, const StimulusSchedule& stimuli,
                           const RunResults& results, int step)
{
    frame_ = &frame;
    stimuli_ = stimuli;
    revolutions = frame.revolutions;
    const int lastSite = std::min(frame.layout.lastSite, kMaxResultSites);
    std::fill(std::begin(count), std::end(count), 0);
    for (int x = 1; x <= lastSite; ++x) {
        for (int r = 1; r <= revolutions; ++r) {
            const ActivationRecord& a = results.SiteActivation[step][x][r];
            if (a.code == 0.0)
                break;
            count[x] = r;
            time[x][r] = a.time;
            code[x][r] = static_cast<int>(a.code);
            erp[x][r] = a.erp;
            origin_[x][r] = kUnresolved;
        }
    }
}

StepActivations::Cause StepActivations::causeOf(int x, int r) const
{
    const CircuitLayout& L = frame_->layout;
    const double t = time[x][r];
    auto from = [&](int source) -> Cause {
        source = asEvaluated(L, source);
        if (source < 1 || source > kMaxResultSites)
            return {kOriginUnknown, 0, 0};
        const int q = lastBefore(source, t);
        if (q == 0)
            return {kOriginUnknown, 0, 0};
        // When the source's record ends with q, a later activation of the source that
        // was not recorded could have caused this one, unless the source was still
        // refractory from q.
        if (q == count[source] && full(source) && t >= time[source][q] + erp[source][q])
            return {kOriginUnknown, 0, 0};
        return {kUnresolved, source, q};
    };
    switch (code[x][r]) {
    case 1:
        if (x == L.closingNode && r == 1 && t == 0.0)
            return {kOriginTachycardia, 0, 0};
        return from(orthodromicSource(L, x));
    case 2:
        return from(retrogradeSource(L, x));
    case 3:
        if (x == frame_->stimulusSite) {
            const int number = stimuli_.numberAt(t);
            return {number > 0 ? number : kOriginUnknown, 0, 0};
        }
        break;
    case 5:
        if (x == L.closingNode) {
            // The kernel takes the outer loop's retrograde front whenever site n + 2
            // holds one; otherwise the front came back from site 2.
            const int outer = L.n + 2;
            const int q = L.m > 0 ? lastBefore(outer, t) : 0;
            return from(q > 0 && code[outer][q] != 1 ? outer : 2);
        }
        if (x == L.J)
            return from(L.lastOuterSite);
        break;
    case 6:
        if (x == L.deadEnd1Site && L.E1 > 0)
            return from(L.firstDeadEnd1Site);
        if (x == L.deadEnd2Site && L.E2 > 0)
            return from(L.firstDeadEnd2Site);
        break;
    case 7:
        if (x == L.closingNode && L.D > 0)
            return from(L.firstDelaySite);
        break;
    default:
        break;
    }
    return {kOriginUnknown, 0, 0};
}

int StepActivations::originOf(int site, int plane)
{
    if (site == 1)
        site = frame_->layout.closingNode;  // site 1 mirrors it plane for plane
    if (plane < 1 || plane > count[site])
        return kOriginUnknown;
    // Walk back to an activation whose wavefront is known; every source activation is
    // earlier than the one it causes, so the walk ends.
    int pending = 0;
    int x = site, r = plane;
    int wavefront = origin_[x][r];
    while (wavefront == kUnresolved) {
        const Cause cause = causeOf(x, r);
        walk_[pending++] = {x, r};
        if (cause.origin != kUnresolved) {
            wavefront = cause.origin;
            break;
        }
        x = cause.site;
        r = cause.plane;
        wavefront = origin_[x][r];
    }
    for (int i = 0; i < pending; ++i)
        origin_[walk_[i].site][walk_[i].plane] = wavefront;
    return wavefront;
}

bool circulationStopped(const AnalysisFrame& frame, const StepActivations& acts, double lastStimulusTime)
{
    if (acts.count[1] == 0 || acts.full(1))
        return false;
    if (frame.stepEnd - lastStimulusTime < 2.0 * frame.T)
        return false;
    return acts.time[1][acts.count[1]] < frame.stepEnd - 1.5 * frame.T;
}

double largestFusionIndex(const RunResults& results, int step, int revolutions)
{
    double largest = 0.0;
    for (int r = 1; r <= revolutions && r <= kMaxRevolutions; ++r)
        largest = std::max(largest, results.RevolutionIndices[step][r].fusionIndex);
    return largest;
}

double unperturbedCycleLength(StepActivations& acts, int site, double before)
{
    for (int r = acts.count[site]; r >= 2; --r) {
        if (!(acts.time[site][r] < before))
            continue;
        if (acts.originOf(site, r) == kOriginTachycardia && acts.originOf(site, r - 1) == kOriginTachycardia)
            return acts.time[site][r] - acts.time[site][r - 1];
    }
    return kNotMeasured;
}

}  // namespace quorel
