#include "analysis/step_activations.h"

#include "engine/run_driver.h"

#include <algorithm>
#include <vector>

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

AnalysisFrame analysisFrameOf(const CircuitModel& model, const RunResults& results)
{
    AnalysisFrame f;
    f.layout = layoutOf(model);
    f.stimulusSite = f.layout.stimulusSite;
    const int recorded = static_cast<int>(results.ScanStepRecords[1].stimulusSite);
    if (results.scanCount >= 1 && recorded >= 1 && recorded <= f.layout.lastSite)
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
    if (count < 1)
        return 0;
    if (interval <= 0.0)
        return std::abs(t - first) <= 1e-9 ? 1 : 0;
    const double k = std::round((t - first) / interval);
    if (k < 0.0 || k >= count)
        return 0;
    const int number = static_cast<int>(k) + 1;
    // A capture takes the time of its stimulus; the schedule adds the cycle length up.
    return std::abs(t - timeOf(number)) <= 1e-6 * std::max(1.0, interval) ? number : 0;
}

int StepActivations::lastBefore(int site, double t) const
{
    for (int r = count[site]; r >= 1; --r)
        if (time[site][r] < t)
            return r;
    return 0;
}

int StepActivations::firstFrom(int site, double t) const
{
    for (int r = 1; r <= count[site]; ++r)
        if (time[site][r] >= t)
            return r;
    return 0;
}

int StepActivations::firstOf(int site, int wavefront) const
{
    for (int r = 1; r <= count[site]; ++r)
        if (origin[site][r] == wavefront)
            return r;
    return 0;
}

void traceScanStep(const AnalysisFrame& frame, const StimulusSchedule& stimuli, const RunResults& results,
                   int step, StepActivations& out)
{
    const CircuitLayout& L = frame.layout;
    const int lastSite = std::min(L.lastSite, kMaxResultSites);
    out = StepActivations{};
    out.revolutions = frame.revolutions;
    struct Entry {
        double time;
        int site;
        int plane;
    };
    std::vector<Entry> order;
    for (int x = 1; x <= lastSite; ++x) {
        for (int r = 1; r <= frame.revolutions; ++r) {
            const ActivationRecord& a = results.SiteActivation[step][x][r];
            if (a.code == 0.0)
                break;
            out.count[x] = r;
            out.time[x][r] = a.time;
            out.code[x][r] = static_cast<int>(a.code);
            out.erp[x][r] = a.erp;
            out.origin[x][r] = kOriginUnknown;
            if (x != 1)
                order.push_back({a.time, x, r});
        }
    }
    // Every source activation precedes the one it causes, so in time order each
    // activation finds its source already traced.
    std::sort(order.begin(), order.end(), [](const Entry& a, const Entry& b) {
        if (a.time != b.time)
            return a.time < b.time;
        return a.site != b.site ? a.site < b.site : a.plane < b.plane;
    });

    auto traced = [&](int source, double t) {
        source = asEvaluated(L, source);
        if (source < 1 || source > lastSite)
            return kOriginUnknown;
        const int q = out.lastBefore(source, t);
        if (q == 0)
            return kOriginUnknown;
        // When the source's record ends with q, a later activation of the source that
        // was not recorded could have caused this one, unless the source was still
        // refractory from q.
        if (q == out.count[source] && out.full(source) && t >= out.time[source][q] + out.erp[source][q])
            return kOriginUnknown;
        return out.origin[source][q];
    };

    for (const Entry& e : order) {
        const int x = e.site;
        const int r = e.plane;
        const double t = e.time;
        int wavefront = kOriginUnknown;
        switch (out.code[x][r]) {
        case 1:
            if (x == L.closingNode && r == 1 && t == 0.0)
                wavefront = kOriginTachycardia;
            else
                wavefront = traced(orthodromicSource(L, x), t);
            break;
        case 2:
            wavefront = traced(retrogradeSource(L, x), t);
            break;
        case 3:
            if (x == frame.stimulusSite) {
                const int number = stimuli.numberAt(t);
                wavefront = number > 0 ? number : kOriginUnknown;
            }
            break;
        case 5:
            if (x == L.closingNode) {
                // The kernel takes the outer loop's retrograde front whenever site n + 2
                // holds one; otherwise the front came back from site 2.
                const int outer = L.n + 2;
                const int q = L.m > 0 ? out.lastBefore(outer, t) : 0;
                const bool fromOuter = q > 0 && out.code[outer][q] != 1;
                wavefront = traced(fromOuter ? outer : 2, t);
            } else if (x == L.J) {
                wavefront = traced(L.lastOuterSite, t);
            }
            break;
        case 6:
            if (x == L.deadEnd1Site && L.E1 > 0)
                wavefront = traced(L.firstDeadEnd1Site, t);
            else if (x == L.deadEnd2Site && L.E2 > 0)
                wavefront = traced(L.firstDeadEnd2Site, t);
            break;
        case 7:
            if (x == L.closingNode && L.D > 0)
                wavefront = traced(L.firstDelaySite, t);
            break;
        default:
            break;
        }
        out.origin[x][r] = wavefront;
    }
    for (int r = 1; r <= out.count[1]; ++r)
        out.origin[1][r] = r <= out.count[L.closingNode] ? out.origin[L.closingNode][r] : kOriginUnknown;
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

double unperturbedCycleLength(const StepActivations& acts, int site, double before)
{
    for (int r = acts.count[site]; r >= 2; --r) {
        if (!(acts.time[site][r] < before))
            continue;
        if (acts.origin[site][r] == kOriginTachycardia && acts.origin[site][r - 1] == kOriginTachycardia)
            return acts.time[site][r] - acts.time[site][r - 1];
    }
    return kNotMeasured;
}

}  // namespace quorel
