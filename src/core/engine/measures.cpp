#include "engine/measures.h"

#include <algorithm>
#include <cmath>

namespace quorel {

namespace {

// a / b, and 0 for b = 0: degenerate curve constants must not put NaN or infinity
// into the results (they would be shown, saved and read back).
inline double quotient(double a, double b)
{
    return b != 0.0 ? a / b : 0.0;
}

// Distance travelled by the front coming down from x + 1 in plane r before it meets
// the front leaving x, in the inner-loop segment x.
double collisionDistance(const CircuitModel& m, int r, int x, double spacing)
{
    const auto& B = m.B;
    const double e1 =
        1.0 - std::exp(-N1(m, x) * (sf(m, x) * B[r][x][fieldActivationDi] + cvOffset(m, x)));
    const double e2 =
        1.0 - std::exp(-N1(m, x) * (sf(m, x) * (B[r][x + 1][fieldTime] - B[r - 1][x + 1][fieldTime] -
                                                 B[r - 1][x][fieldActivationErp]) +
                                    cvOffset(m, x)));
    if (e1 + e2 == 0.0)
        return 0.0;
    const double tc = (e2 * B[r][x + 1][fieldTime] + spacing + e1 * B[r][x][fieldTime]) / (e1 + e2);
    return e2 * (tc - B[r][x + 1][fieldTime]);
}

inline bool isRetrogradeFront(double code)
{
    return code == kCodeRetrograde || code == kCodeStimulus || code == kCodeDeadEnd;
}

}  // namespace

void computeAntidromicPenetration(RunContext& c)
{
    RunState& st = c.state;
    const CircuitLayout& L = st.layout;
    auto& B = c.model.B;
    const int S = L.stimulusSite;
    st.runNote = RunNote::None;
    for (int r = 1; r <= st.activationCount[S]; ++r) {
        if (B[r][S][fieldCode] != kCodeStimulus)
            continue;
        double dist = 0.0;
        int k = 1;
        while (k <= S - 1 && B[r][S - k][fieldCode] == kCodeRetrograde) {
            dist += L.innerSpacing;
            ++k;
        }
        // Every site from S - 1 down to site 1 retrograde: the front left the inner loop.
        if (k == S && B[r][1][fieldCode] == kCodeRetrograde)
            st.runNote = RunNote::AntidromicPastSite1;
        else
            dist += collisionDistance(c.model, r, S - k, L.innerSpacing);
        B[r][S][fieldAntidromic] = quotient(dist, L.n * L.innerSpacing);
    }
}

void computeAntidromicPenetrationDeadEnd(RunContext& c, int pathway)
{
    RunState& st = c.state;
    const CircuitLayout& L = st.layout;
    auto& B = c.model.B;
    const int S = L.stimulusSite;
    const int C = pathway == 1 ? L.deadEnd1Site : L.deadEnd2Site;
    // The last activation of C is not examined.
    for (int r = 1; r <= st.activationCount[C] - 1; ++r) {
        if (B[r][C][fieldCode] != kCodeDeadEnd)
            continue;
        int retrograde = 0;
        while (C - 1 - retrograde >= 1 && B[r][C - 1 - retrograde][fieldCode] == kCodeRetrograde)
            ++retrograde;
        if (retrograde == C - 1) {
            B[r][S][fieldAntidromic] = static_cast<double>(retrograde) / L.n;
            continue;
        }
        const int x = C - retrograde - 1;
        const double dist =
            collisionDistance(c.model, r, x, L.innerSpacing) + retrograde * L.innerSpacing;
        B[r][S][fieldAntidromic] = quotient(dist, L.n * L.innerSpacing);
    }
}

void computeFusion(RunContext& c)
{
    RunState& st = c.state;
    const CircuitLayout& L = st.layout;
    const auto& B = c.model.B;
    const CircuitModel& m = c.model;
    const int n = L.n;
    const int P = L.P;
    const double os = L.outerSpacing;
    for (int r = 1; r <= st.activationCount[1]; ++r) {
        int x = P;
        while (x >= n + 2 && !isRetrogradeFront(B[r][x][fieldCode]))
            --x;
        if (x < n + 2)
            continue;
        // Every retrograde site below x counts, whether or not the run of them is unbroken.
        int count = 0;
        for (int y = x - 1; y >= n + 1; --y) {
            if (B[r][y][fieldCode] == kCodeRetrograde)
                ++count;
        }
        if (B[r][n + 1][fieldCode] == kCodeOtherLoop) {
            // The retrograde front reached the exit.
            st.fusionIndex[r] = quotient(count + 1.0, static_cast<double>(P - n - 1));
            continue;
        }
        const int a = x - count;
        const int b = a - 1;
        const double e1 = 1.0 - std::exp(-N1(m, b) * (sf(m, b) * st.siteState[b].diastolicInterval +
                                                      cvOffset(m, b)));
        const double e2 = 1.0 - std::exp(-N1(m, b) * (sf(m, b) * st.siteState[a].diastolicInterval +
                                                      cvOffset(m, b)));
        const double tb = B[r][b][fieldTime];
        const double ta = B[r][a][fieldTime];
        double d;
        if (tb > ta) {
            d = e2 * (tb - ta);
            d += quotient(e2 * (os - d), e1 + e2);
        } else {
            d = std::max(0.0, os - e1 * (ta - tb));
            d = quotient(e2 * d, e1 + e2);
        }
        st.fusionIndex[r] = quotient(count * os + d, (P - n - 1) * os);
    }
}

void computeStepMeasures(RunContext& c)
{
    const RunState& st = c.state;
    const CircuitLayout& L = st.layout;
    if (st.capturedFlag == 1 || L.trainMode == 1) {
        const int S = L.stimulusSite;
        if (S >= 1 && S <= L.n)
            computeAntidromicPenetration(c);
        if (L.E1 > 0 && L.firstDeadEnd1Site <= S && S <= L.deadEnd1LastSite &&
            L.deadEnd1Site >= 1 && L.deadEnd1Site <= L.n)
            computeAntidromicPenetrationDeadEnd(c, 1);
        if (L.E2 > 0 && L.firstDeadEnd2Site <= S && S <= L.deadEnd2LastSite &&
            L.deadEnd2Site >= 1 && L.deadEnd2Site <= L.n)
            computeAntidromicPenetrationDeadEnd(c, 2);
    }
    computeFusion(c);
}

}  // namespace quorel
