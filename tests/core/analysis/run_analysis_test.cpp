// The analysis of stored results: the protocol of the step records, not the one edited since.
#include "analysis_test_support.h"

#include <gtest/gtest.h>

namespace quorel {
namespace {

using testing::runAndAnalyse;
using testing::trainCircuit;

TEST(RunAnalysis, TakesTheStimulusSiteOfTheResultsNotOfTheEditedProtocol)
{
    auto m = trainCircuit(12);
    const auto run = runAndAnalyse(*m);
    ASSERT_EQ(run->analysis.siteClass, SiteClass::CentralIsthmus);

    m->stimulusSite = 24;  // chosen after the run
    const RunAnalysis again = analyseRun(*m, *run->results, 1);
    EXPECT_EQ(again.stimulusSite, 12);
    EXPECT_EQ(again.siteClass, SiteClass::CentralIsthmus);
    EXPECT_EQ(again.trainMeasures.ppi, run->analysis.trainMeasures.ppi);

    // A run that completed no step left no record of its own: nothing is measured.
    const RunAnalysis none = analyseRun(*m, *run->results, 0);
    EXPECT_EQ(none.stimulusSite, 24);
    EXPECT_EQ(none.scanSteps, 0);
    EXPECT_EQ(none.trainMeasures.capturedCount, 0);
    EXPECT_EQ(none.siteClass, SiteClass::NotEntrained);
}

}  // namespace
}  // namespace quorel
