// What counts as unsaved work, and what does not.
#include "persistence/unsaved_work.h"

#include "model/circuit_model.h"
#include "model/conduction.h"

#include <functional>
#include <gtest/gtest.h>

using namespace quorel;

namespace {

TEST(UnsavedWork, TheCircuitTheProtocolTheMemoTheHistoryTheResultsAndTheMarksAreWork)
{
    struct Change {
        const char* name;
        std::function<void(CircuitModel&, RunResults&, SessionState&)> make;
        bool isWork;
    };
    const Change changes[] = {
        {"nothing", [](CircuitModel&, RunResults&, SessionState&) {}, false},
        {"a C.V.", [](CircuitModel& m, RunResults&, SessionState&) { cv(m, 3) = 0.4; }, true},
        {"the inner sites", [](CircuitModel& m, RunResults&, SessionState&) { m.innerSiteCount = 25; }, true},
        {"the stimulus site", [](CircuitModel& m, RunResults&, SessionState&) { m.stimulusSite = 5; }, true},
        {"the clock", [](CircuitModel& m, RunResults&, SessionState&) { m.clockStep = 0.002; }, true},
        {"an ECG channel", [](CircuitModel& m, RunResults&, SessionState&) { m.ecgChannelSite[4] = 7; }, true},
        {"a memo line", [](CircuitModel&, RunResults&, SessionState& s) { s.memoLines.push_back("x"); }, true},
        {"a history row", [](CircuitModel&, RunResults&, SessionState& s) { s.history.rows.resize(1); }, true},
        {"a caliper mark", [](CircuitModel&, RunResults&, SessionState& s) { s.caliperCount = 1; }, true},
        {"a run", [](CircuitModel&, RunResults& r, SessionState&) {
             r.scanCount = 1;
             r.shownRevolutionCount = 5;
             r.SiteActivation[1][3][2].time = 0.25;
         }, true},
        {"the ECG scrolled", [](CircuitModel&, RunResults&, SessionState& s) { s.scrollBar4.position = 300; }, false},
        {"display ERP", [](CircuitModel&, RunResults&, SessionState& s) { s.displayErp = 1; }, false},
    };
    for (const Change& change : changes) {
        auto m = createModel();
        auto results = createRunResults();
        SessionState session;
        UnsavedWork work;
        work.markSaved(*m, *results, session);
        change.make(*m, *results, session);
        EXPECT_EQ(work.unsaved(*m, *results, session), change.isWork) << change.name;
        work.markSaved(*m, *results, session);
        EXPECT_FALSE(work.unsaved(*m, *results, session)) << change.name;
    }
}

}  // namespace
