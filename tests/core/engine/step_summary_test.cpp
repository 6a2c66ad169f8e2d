#include "engine/run_history.h"
#include "engine/step_summary.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

using namespace quorel;

TEST(ResultMessages, SingleStimulusLinesNameTheIntervalItsDifferenceAndTheSite)
{
    const char* note = runNoteText(RunNote::AntidromicPastSite1);
    ResultMessages m = singleStimulusMessages(true, 0.3027, 0.2513, 5, note);
    EXPECT_EQ(m.LabelRes1, "Stimulus capture at coupling interval 0.3027 (0.0514) sec at site5");
    EXPECT_EQ(m.LabelRes2, "antidromic activation does not include sties past1");
    m = singleStimulusMessages(false, 0.2027, 0.2513, 12, note);
    EXPECT_EQ(m.LabelRes1, "No stimulus capture at coupling interval 0.2027 (-0.0486) sec at site12");
    EXPECT_EQ(m.LabelRes2, "");   // a note speaks only of a capture
}

TEST(ResultMessages, TrainLinesCountTheCaptures)
{
    ResultMessages m = trainMessages(0, 5, 12, 0.2);
    EXPECT_EQ(m.LabelRes1, "No stimulus capture at site12");
    EXPECT_EQ(m.LabelRes2, " coupling interval of first beat = 0.2000 sec");
    m = trainMessages(3, 25, 4, 0.25);
    EXPECT_EQ(m.LabelRes1, "Stimulus capture 3 / 25 times at site4");
    EXPECT_EQ(m.LabelRes2, " coupling interval of first beat = 0.2500 sec");
}

TEST(ResultMessages, StepRecordCarriesTheNoteFlagAndTheCapture)
{
    RunState st;
    auto results = createRunResults();
    st.layout.stimulusSite = 7;
    st.layout.T = 0.25;
    st.scanStep = 4;
    st.stimulusTime = 0.4;
    st.capturedFlag = 1;
    st.runNote = RunNote::AntidromicPastSite1;
    ResultMessages m = summariseScanStep(st, *results);
    const ScanStepRecord& r = results->ScanStepRecords[4];
    EXPECT_EQ(r.couplingInterval, 0.4);
    EXPECT_EQ(r.stimulusSite, 7.0);
    EXPECT_EQ(r.noteFlag, -1.0);
    EXPECT_EQ(r.captured, 1.0);
    EXPECT_EQ(results->captureLamp, 1);
    EXPECT_EQ(m.LabelRes2, "antidromic activation does not include sties past1");

    st.runNote = RunNote::None;
    st.capturedFlag = 0;
    summariseScanStep(st, *results);
    EXPECT_EQ(r.noteFlag, 1.0);
    EXPECT_EQ(r.captured, 0.0);
    EXPECT_EQ(results->captureLamp, 0);

    // A train: the first coupling interval, no note, captured when any code 3 was recorded.
    st.layout.trainMode = 1;
    st.layout.firstCouplingInterval = 0.2;
    st.layout.trainStimulusCount = 5;
    st.scanStep = 1;
    st.captureCodeCount = 2;
    m = summariseScanStep(st, *results);
    EXPECT_EQ(m.LabelRes1, "Stimulus capture 2 / 5 times at site7");
    const ScanStepRecord& t = results->ScanStepRecords[1];
    EXPECT_EQ(t.couplingInterval, 0.2);
    EXPECT_EQ(t.noteFlag, 1.0);
    EXPECT_EQ(t.captured, 1.0);
    EXPECT_EQ(results->captureLamp, 1);
}

TEST(HistoryRowText, DecrementInShortestFormAndLocalDateTime)
{
    auto m = createModel();
    m->scanDecrementMs = 12.5;
    m->stimulusSite = 3;
    m->revolutionCount = 7;
    const HistoryRow row = makeHistoryRow(*m, "then");
    EXPECT_EQ(row.time, "then");
    EXPECT_EQ(row.decrement, "12.5");
    EXPECT_EQ(row.revolutions, "7");
    EXPECT_EQ(row.site, "3");

    const char* saved = std::getenv("TZ");
    const std::string savedTz = saved != nullptr ? saved : "";
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(dateTimeText(86400 + 3723), "1970/01/02 01:02:03");
    if (saved != nullptr)
        setenv("TZ", savedTz.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}
