#include "engine/kernel.h"

#include "model/conduction.h"

namespace quorel {

namespace {

// Kept out of line: warnings are rare, the arrival test runs billions of times.
[[gnu::noinline, gnu::cold]] void raiseWarning(RunContext& c, WarningKind kind, int source, double ct)
{
    RunState& st = c.state;
    RunWarning warning;
    warning.kind = kind;
    warning.source = source;
    warning.target = st.currentSite;
    warning.conductionTime = ct;
    warning.clockStep = st.layout.clockStep;
    warning.scanStep = st.scanStep;
    warning.tick = st.tick;
    const WarningAnswer answer = c.hooks.runWarning(warning);
    if (answer == WarningAnswer::Continue) {
        st.warningMode = kWarningsSilenced;
    } else {
        st.runAborted = 1;
        st.warningMode = kWarningsAborted;
        st.abortAnswer = answer;
    }
}

// conductionTime through the memo of the segment.
inline bool memoisedConductionTime(RunContext& c, const ConductionRequest& request, double& ct)
{
    ConductionMemo& memo = c.state.conductionMemo[request.segment];
    for (const ConductionMemoEntry& e : memo.entry) {
        if (e.sourceDi == request.sourceDi && e.length == request.length) {
            ct = e.ct;
            return e.conducts != 0;
        }
    }
    ConductionMemoEntry& e = memo.entry[memo.next];
    memo.next ^= 1;
    e.sourceDi = request.sourceDi;
    e.length = request.length;
    e.conducts = conductionTime(c.model, request.segment, request.sourceDi, request.length, e.ct) ? 1 : 0;
    ct = e.ct;
    return e.conducts != 0;
}

inline bool isCode(double code, double a, double b)
{
    return code == a || code == b;
}

[[gnu::always_inline]] inline double computeArrivalImpl(RunContext& c, const ConductionRequest& request)
{
    RunState& st = c.state;
    double ct = 0.0;
    if (!memoisedConductionTime(c, request, ct))
        return 0.0;
    const SiteState& target = st.siteState[st.currentSite];
    const double Q = st.layout.clockStep;
    if (st.warningMode != kWarningsSilenced) {
        if (ct < Q) {
            raiseWarning(c, WarningKind::Conduction, request.source, ct);
            if (st.runAborted)
                return 0.0;
        }
        // "continue" on the first warning silences the second one of the same evaluation too.
        if (st.warningMode != kWarningsSilenced) {
            const bool longerThanRefractory = target.refractoryEnd == 0.0
                                                  ? ct > erp(c.model, st.currentSite)
                                                  : target.refractoryEnd - target.activationTime < ct;
            if (longerThanRefractory) {
                raiseWarning(c, WarningKind::Refractory, request.source, ct);
                if (st.runAborted)
                    return 0.0;
            }
        }
    }
    const double arrival = st.siteState[request.source].activationTime + ct;
    const double t = st.currentTime;
    if (arrival <= t && t - arrival <= Q &&
        (target.refractoryEnd == 0.0 || arrival >= target.refractoryEnd))
        return arrival;
    return 0.0;
}

// Evaluates one source for the current site and stores the result in the slot of
// `code`, also when it is 0, so that a later source of the same code replaces an
// earlier one. False when a warning aborted the run: the caller stores nothing more.
inline bool evaluate(RunContext& c, int code, int segment, int source, double length)
{
    const ConductionRequest request{segment, source, c.state.siteState[source].diastolicInterval,
                                    length};
    const double arrival = computeArrivalImpl(c, request);
    if (c.state.runAborted)
        return false;
    c.state.candidateSlots.arrival[code] = arrival;
    return true;
}

[[gnu::always_inline]] inline void propagateLoopSiteImpl(RunContext& c, int s)
{
    const CircuitLayout& L = c.state.layout;
    const SiteState* site = c.state.siteState;

    // Code 1 from the preceding site; the segment from n to the closing node is inner loop.
    const double previous = site[s - 1].activationCode;
    if (!isCode(previous, 0.0, kCodeRetrograde) &&
        !evaluate(c, 1, s - 1, s - 1, s <= L.closingNode ? L.innerSpacing : L.outerSpacing))
        return;

    if (s == L.closingNode) {
        // Entry from the other loop: retrograde from site 2, or from the first outer
        // site, which replaces the candidate from site 2.
        if (!isCode(site[2].activationCode, 0.0, kCodeOrthodromic) &&
            !evaluate(c, 5, 1, 2, L.innerSpacing))
            return;
        const int firstOuter = L.closingNode + 1;
        if (!isCode(site[firstOuter].activationCode, kCodeOrthodromic, 0.0) &&
            !evaluate(c, 5, L.closingNode, firstOuter, L.outerSpacing))
            return;
        const SiteState& delay = site[L.firstDelaySite];
        if (delay.activationTime != 0.0 && delay.activationCode != kCodeOrthodromic && L.D > 0)
            evaluate(c, 7, L.firstDelaySite, L.firstDelaySite, L.delaySpacing);
        return;
    }
    if (s == L.lastOuterSite) {
        if (!isCode(site[L.J].activationCode, 0.0, kCodeOtherLoop))
            evaluate(c, 2, L.lastOuterSite, L.J, L.outerSpacing);
        return;
    }
    if (!isCode(site[s + 1].activationCode, kCodeOrthodromic, 0.0) &&
        !evaluate(c, 2, s, s + 1, s <= L.n ? L.innerSpacing : L.outerSpacing))
        return;
    if (s == L.J && !isCode(site[L.lastOuterSite].activationCode, 0.0, kCodeRetrograde))
        evaluate(c, 5, L.lastOuterSite, L.lastOuterSite, L.outerSpacing);
}

[[gnu::always_inline]] inline void propagateDelaySiteImpl(RunContext& c, int s)
{
    const CircuitLayout& L = c.state.layout;
    const SiteState* site = c.state.siteState;
    const double length = L.delaySpacing;
    if (s == L.firstDelaySite) {
        if (site[L.closingNode].activationCode != kCodeDelayPath &&
            !evaluate(c, 1, s, L.closingNode, length))
            return;
    } else if (!isCode(site[s - 1].activationCode, 0.0, kCodeRetrograde) &&
               !evaluate(c, 1, s, s - 1, length)) {
        return;
    }
    if (s != L.qrsSite && !isCode(site[s + 1].activationCode, 0.0, kCodeOrthodromic))
        evaluate(c, 2, s + 1, s + 1, length);
}

[[gnu::always_inline]] inline void propagateDeadEndSiteImpl(RunContext& c, int s)
{
    const CircuitLayout& L = c.state.layout;
    const SiteState* site = c.state.siteState;
    const double length = s < L.firstDeadEnd2Site ? L.deadEnd1Spacing : L.deadEnd2Spacing;
    if (s == L.firstDeadEnd1Site || s == L.firstDeadEnd2Site) {
        const int connection = s == L.firstDeadEnd1Site ? L.deadEnd1Site : L.deadEnd2Site;
        if (!isCode(site[connection].activationCode, 0.0, kCodeDeadEnd) &&
            !evaluate(c, 1, s, connection, length))
            return;
    } else if (!isCode(site[s - 1].activationCode, 0.0, kCodeRetrograde) &&
               !evaluate(c, 1, s, s - 1, length)) {
        return;
    }
    if (s != L.deadEnd1LastSite && s != L.deadEnd2LastSite &&
        !isCode(site[s + 1].activationCode, 0.0, kCodeOrthodromic))
        evaluate(c, 2, s + 1, s + 1, length);
}

inline void advanceTrainImpl(RunState& st)
{
    const CircuitLayout& L = st.layout;
    if (st.trainStimulusIndex <= L.trainStimulusCount) {
        ++st.trainStimulusIndex;
        if (st.trainStimulusIndex != L.trainStimulusCount)
            st.stimulusTime += L.pacingCycleLength;
        else
            st.stimulusTime = 0.0;
    } else {
        st.stimulusTime = 0.0;
    }
}

[[gnu::always_inline]] inline int selectActivationImpl(RunContext& c, int s)
{
    RunState& st = c.state;
    const CircuitLayout& L = st.layout;

    // Entry from a dead-end pathway. The second pathway is looked at only when s is
    // not the first one's connection site: a shared site hears the first pathway alone.
    if (s == L.deadEnd1Site) {
        const int first = L.firstDeadEnd1Site;
        if (!isCode(st.siteState[first].activationCode, 0.0, kCodeOrthodromic) &&
            !evaluate(c, 6, first, first, L.deadEnd1Spacing))
            return 0;
    } else if (s == L.deadEnd2Site) {
        const int first = L.firstDeadEnd2Site;
        if (!isCode(st.siteState[first].activationCode, 0.0, kCodeOrthodromic) &&
            !evaluate(c, 6, first, first, L.deadEnd2Spacing))
            return 0;
    }

    // The stimulus, strictly inside the tick at both ends.
    const double t = st.currentTime;
    if (s == L.stimulusSite && st.stimulusTime < t && t - st.stimulusTime < L.clockStep &&
        (L.trainMode == 1 || st.stimulusDelivered == 0)) {
        st.stimulusDelivered = 1;
        if (st.stimulusTime > st.siteState[s].refractoryEnd) {
            st.candidateSlots.arrival[3] = st.stimulusTime;
        } else {
            st.capturedFlag = 0;
            if (L.trainMode == 1)
                advanceTrainImpl(st);
        }
    }

    const double* a = st.candidateSlots.arrival;
    if (a[1] + a[2] + a[3] + a[5] + a[6] + a[7] == 0.0)
        return 0;
    int winner = 0;
    for (int k = 1; k <= 7; ++k) {
        if (a[k] > 0.0 && (winner == 0 || a[winner] > a[k]))
            winner = k;
    }
    st.candidateSlots.winningCode = winner;
    return winner;
}

[[gnu::always_inline]] inline void applyActivationImpl(RunContext& c, int s)
{
    RunState& st = c.state;
    const int winner = st.candidateSlots.winningCode;
    SiteState& site = st.siteState[s];
    site.activationTime = st.candidateSlots.arrival[winner];
    site.activationCode = winner;
    if (winner == 3) {
        st.capturedFlag = 1;
        if (st.layout.trainMode == 1)
            advanceTrainImpl(st);
    }
}

[[gnu::always_inline]] inline double computeRefractoryPeriodImpl(RunContext& c, int s, int r)
{
    SiteState& site = c.state.siteState[s];
    double value;
    if (r == 1) {
        value = erp(c.model, s);
    } else {
        const double di = site.activationTime - site.refractoryEnd;
        site.diastolicInterval = di;
        value = maxErp(c.model, s) * restitutionFactor(di);
    }
    site.refractoryEnd = site.activationTime + value;
    return value;
}

[[gnu::always_inline]] inline void recordActivationImpl(RunContext& c, int s)
{
    RunState& st = c.state;
    auto& B = c.model.B;
    const int r = st.activationCount[s] + 1;
    const double erpValue = computeRefractoryPeriodImpl(c, s, r);
    const SiteState& site = st.siteState[s];
    // B holds 39 activations of a site per step; later ones follow the laws in
    // SiteState but are not recorded.
    if (r <= kMaxActivationPlane) {
        st.activationCount[s] = r;
        B[r][s][fieldTime] = site.activationTime;
        B[r][s][fieldCode] = site.activationCode;
        B[r][s][fieldActivationErp] = erpValue;
        B[r][s][fieldActivationDi] = site.diastolicInterval;
    }
    // Site 1 is never evaluated itself: it mirrors the closing node.
    if (s == st.layout.closingNode) {
        const int q = st.activationCount[1] + 1;
        if (q <= kMaxActivationPlane) {
            st.activationCount[1] = q;
            B[q][1][fieldTime] = site.activationTime;
            B[q][1][fieldCode] = site.activationCode;
            B[q][1][fieldActivationErp] = erpValue;
            B[q][1][fieldActivationDi] = site.diastolicInterval;
        }
        st.siteState[1] = site;
    }
}

}  // namespace

// Each operation is written once, inline, so that siteStep compiles into one tight
// body; here they are one at a time, for tests and for other time loops.
double computeArrival(RunContext& c, const ConductionRequest& request)
{
    return computeArrivalImpl(c, request);
}
void propagateLoopSite(RunContext& c, int s) { propagateLoopSiteImpl(c, s); }
void propagateDelaySite(RunContext& c, int s) { propagateDelaySiteImpl(c, s); }
void propagateDeadEndSite(RunContext& c, int s) { propagateDeadEndSiteImpl(c, s); }
int selectActivation(RunContext& c, int s) { return selectActivationImpl(c, s); }
void applyActivation(RunContext& c, int s) { applyActivationImpl(c, s); }
void advanceTrain(RunState& state) { advanceTrainImpl(state); }
void recordActivation(RunContext& c, int s) { recordActivationImpl(c, s); }
double computeRefractoryPeriod(RunContext& c, int s, int r)
{
    return computeRefractoryPeriodImpl(c, s, r);
}

bool siteStep(RunContext& c, int s)
{
    RunState& st = c.state;
    const CircuitLayout& L = st.layout;
    st.currentSite = s;
    if (s < L.loopEnd)
        propagateLoopSiteImpl(c, s);
    else if (L.D > 0 && s < L.delayEnd)
        propagateDelaySiteImpl(c, s);
    else if (L.E1 > 0 && s < L.pathEnd)
        propagateDeadEndSiteImpl(c, s);

    bool activated = false;
    if (st.runAborted == 0) {
        const int winner = selectActivationImpl(c, s);
        if (st.runAborted == 0 && winner != 0) {
            applyActivationImpl(c, s);
            // A due train stimulus that lost to another wavefront is spent all the same.
            if (L.trainMode == 1 && st.candidateSlots.arrival[3] > 0.0 && winner != 3)
                advanceTrainImpl(st);
            recordActivationImpl(c, s);
            activated = true;
        }
    }
    st.candidateSlots = CandidateSlots{};
    return activated;
}

}  // namespace quorel
