#include "model/circuit_construction.h"
#include "model/circuit_model.h"
#include "model/conduction.h"
#include "model/parameter_limits.h"

#include <gtest/gtest.h>
#include <optional>

using namespace quorel;

TEST(CircuitModel, StartUpGivesTheDefaultCircuit)
{
    auto m = createModel();
    EXPECT_EQ(m->innerSiteCount, 20);
    EXPECT_EQ(m->outerSiteCount, 8);
    EXPECT_EQ(m->totalSiteCount, 29);
    EXPECT_EQ(m->pathSiteCount, 0);
    EXPECT_EQ(m->qrsSite, 0);
    EXPECT_EQ(m->parametersChanged, 0);
    EXPECT_NEAR(m->innerSpacing, 0.0062832, 5e-8);
    EXPECT_NEAR(m->outerSpacing, 0.0062832, 5e-8);
    EXPECT_NEAR(m->innerLoopTime, 0.2513, 5e-5);
    EXPECT_NEAR(m->outerLoopTime, 0.2513, 5e-5);
    EXPECT_NEAR(m->estimatedCycleLength, 0.2513, 5e-5);
    for (int x : {1, 15, 29}) {
        EXPECT_NEAR(di(*m, x), 0.0513, 5e-5);
        EXPECT_NEAR(maxErp(*m, x), 0.3029, 5e-5);
        EXPECT_NEAR(N1(*m, x), 13.504, 5e-4);
        EXPECT_NEAR(cvOffset(*m, x), 0.0513, 5e-5);
    }
    // Rows beyond the circuit hold the entered defaults, ready for a larger circuit.
    EXPECT_EQ(cv(*m, 99), 0.5);
    EXPECT_EQ(erp(*m, 0), 0.2);
    EXPECT_EQ(m->B[5][3][1], 0.0);
    EXPECT_EQ(m->displayedSites[10], 1);
    EXPECT_EQ(m->ecgChannelSite[17], 1);
    EXPECT_EQ(m->ecgChannelColour[0], kYellow);
    EXPECT_EQ(m->siteChooserItemCount, 29);
    EXPECT_EQ(m->displayListItemCount, 29);
}

TEST(CircuitModel, ParameterBoxesCarryTheirRanges)
{
    const auto edit4 = parameterBox(4).value();
    EXPECT_EQ(edit4.kind, BoxKind::Integer);
    EXPECT_EQ(edit4.minimum, 11);
    EXPECT_EQ(edit4.maximum, 40);
    EXPECT_EQ(edit4.maxLength, 2);
    const auto edit19 = parameterBox(19).value();
    EXPECT_EQ(edit19.maxLength, 6);
    EXPECT_EQ(edit19.decimals, 4);
    EXPECT_EQ(edit19.increment, 0.0001);
    EXPECT_EQ(parameterBox(13)->maxLength, 1);
    EXPECT_EQ(parameterBox(10)->maxLength, 0);
    EXPECT_FALSE(parameterBox(7));
    EXPECT_FALSE(parameterBox(22));

    auto m = createModel();
    for (int tag : kParameterBoxTags) {
        const auto box = parameterBox(tag).value();
        setBoxValue(*m, box, 7.0);
        EXPECT_EQ(boxValue(*m, box), 7.0) << box.name;
    }
}

TEST(CircuitModel, UpperEntryLimitsAreData)
{
    struct Case { int tag; double typed; std::optional<double> corrected; };
    const Case cases[] = {
        {2, 0.5, std::nullopt}, {2, 0.51, 0.5},        {4, 41, 40},   {5, 39, 38},
        {8, 43, 42},            {9, 5.1, 5},           {13, 6, 5},    {19, 0.0051, 0.005},
        {20, 30, std::nullopt}, {21, 26, 25},          {23, 1, 0.99}, {23, 0.99, std::nullopt},
        {24, 1, std::nullopt},  {24, 1.01, 1},         {25, 101, 100},
        {1, 0.9, std::nullopt},   // the circuit radius is limited by the cardiac radius instead
    };
    for (const Case& c : cases)
        EXPECT_EQ(upperEntryCorrection(parameterBox(c.tag).value(), c.typed), c.corrected)
            << "Edit" << c.tag << " " << c.typed;
}
