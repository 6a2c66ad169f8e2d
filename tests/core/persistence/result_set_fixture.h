#pragma once
// A circuit with the results of a train run and a full session, every value chosen
// so that its six-decimal text reads back as the same double.

#include "engine/run_results.h"
#include "model/circuit_model.h"
#include "model/session_state.h"

#include <memory>

namespace quorel::testing {

struct ResultSet {
    std::unique_ptr<CircuitModel> model = createModel();
    std::unique_ptr<RunResults> results = createRunResults();
    SessionState session;
};

constexpr double kCodeCycle[] = {1, 2, 3, 5, 6, 7, 0};

// A train of 5 stimuli at site 4: one scan step of 5 + 5 revolutions on the default
// circuit of 29 sites.
inline ResultSet trainResultSet()
{
    ResultSet set;
    CircuitModel& m = *set.model;
    m.stimulationMode = 0;
    m.stimulusSite = 4;
    m.trainStimulusCount = 5;
    m.pacingCycleLength = 0.28;
    m.firstCouplingInterval = 0.21;
    m.clockStep = 0.0005;
    m.revolutionCount = 7;
    m.scanDecrementMs = 20.0;
    m.displayAllSites = 1;
    for (int k = 1; k <= 10; ++k)
        m.displayedSites[k] = k + 2;
    for (int channel = 1; channel <= 16; ++channel)
        m.ecgChannelSite[channel] = 30 - channel;

    RunResults& r = *set.results;
    r.shownRevolutionCount = m.trainStimulusCount + 5;
    r.scanCount = 1;
    for (int rev = 1; rev <= r.shownRevolutionCount; ++rev) {
        for (int x = 1; x <= 29; ++x) {
            ActivationRecord& a = r.SiteActivation[1][x][rev];
            a.time = (x + 300 * rev) / 1000.0;
            a.code = kCodeCycle[(x + rev) % 7];
            a.erp = (150000 + 7 * x + rev) / 1e6;
        }
        r.RevolutionIndices[1][rev] = {rev / 8.0, -rev / 16.0};
    }
    r.ScanStepRecords[1] = {0.21, 4.0, 1.0, 1.0};

    SessionState& s = set.session;
    s.memoLines = {"train of five at site 4", "", "second note"};
    s.history.rows = {{"2024/06/11 10:15:02", "Train", "4", "10", "", "5", "0.2800", "0.2100"}};
    s.caliperCount = 2;
    s.caliperMarks[0] = {12.5, 0.25, 140.0, 0.75, 128};
    s.caliperMarks[1] = {200.0, 0.5, 260.25, 0.125, 60};
    s.scrollBar4 = {30, 4};
    s.scrollBar3 = {10, 6};
    s.scrollBar2 = {1, 1};
    s.ecgFlagSize = 1;
    s.ecgFlagBClear = 0;
    s.displayErp = 1;
    s.saveFormat = 1;
    return set;
}

// Activations with code 3 among the train results above.
inline int captureCodesOf(const RunResults& r)
{
    int count = 0;
    for (int s = 1; s <= r.scanCount; ++s)
        for (int rev = 1; rev <= r.shownRevolutionCount; ++rev)
            for (int x = 1; x < kMaxResultSites; ++x)
                count += r.SiteActivation[s][x][rev].code == 3.0;
    return count;
}

}  // namespace quorel::testing
