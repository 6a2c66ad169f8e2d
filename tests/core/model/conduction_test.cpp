#include "model/circuit_construction.h"
#include "model/conduction.h"
#include "model/table_edit.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace quorel;

namespace {

std::vector<std::string> column(const CvCurveTable& t, int c)
{
    std::vector<std::string> out;
    for (int i = 1; i < t.rowCount; ++i)
        out.push_back(t.cells[static_cast<size_t>(i)][static_cast<size_t>(c)]);
    return out;
}

}  // namespace

TEST(ConductionCurve, DefaultSiteHasFivePointsFlatAtTheEnteredVelocity)
{
    auto m = createModel();
    const CvCurveTable t = cvCurveTableOf(*m, 1);
    EXPECT_EQ(t.rowCount, 6);
    EXPECT_EQ(t.cells[0][1], "D.I.(sec)");
    using V = std::vector<std::string>;
    EXPECT_EQ(column(t, 0), (V{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(column(t, 1), (V{"0.0513", "0.0413", "0.0313", "0.0213", "0.0113"}));
    EXPECT_EQ(column(t, 2), (V{"0.5000", "0.5000", "0.5000", "0.5000", "0.5000"}));
    EXPECT_EQ(column(t, 3), (V{"0.2000", "0.1924", "0.1840", "0.1747", "0.1644"}));
}

TEST(ConductionCurve, HalfScalingSlowsShortIntervals)
{
    auto m = createModel();
    sf(*m, 1) = 0.5;
    computeCvConstants(*m);
    const CvCurveTable t = cvCurveTableOf(*m, 1);
    using V = std::vector<std::string>;
    EXPECT_EQ(column(t, 2), (V{"0.5000", "0.4651", "0.4277", "0.3877", "0.3450"}));
    EXPECT_EQ(column(t, 3), (V{"0.2000", "0.1924", "0.1840", "0.1747", "0.1644"}));
}

TEST(ConductionCurve, EstimateTakesTheSmallerLoopTime)
{
    auto m = createModel();
    SegmentTable segments;
    CvCurveTable curve;
    describeSegments(*m, segments);
    OnDCEdit(*m, kColumnCv, 3, "0.25", segments, curve);   // inner-loop segment before the entrance
    EXPECT_GT(m->innerLoopTime, m->outerLoopTime);
    EXPECT_EQ(m->estimatedCycleLength, m->outerLoopTime);
    EXPECT_NEAR(m->innerLoopTime, 0.2513 + 0.0126, 1e-4);
    // The new estimate reaches every row's D.I. column.
    EXPECT_EQ(segments.cells[7][1], "0.0513");

    OnDCEdit(*m, kColumnCv, 15, "0.25", segments, curve);   // common pathway slows both loops
    EXPECT_NEAR(m->outerLoopTime, 0.2513 + 0.0126, 1e-4);
    EXPECT_EQ(m->estimatedCycleLength, std::min(m->innerLoopTime, m->outerLoopTime));
}

TEST(TableEdit, CorrectsZeroAndValuesOfOneOrMore)
{
    auto m = createModel();
    SegmentTable segments;
    CvCurveTable curve;
    describeSegments(*m, segments);

    auto r = OnDCEdit(*m, kColumnCv, 4, "1", segments, curve);
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(cv(*m, 4), 0.99);
    EXPECT_EQ(r.correctedText.value(), "0.99");
    EXPECT_EQ(segments.cells[4][4], "0.99");

    r = OnDCEdit(*m, kColumnCv, 4, "0", segments, curve);
    EXPECT_EQ(cv(*m, 4), 0.5);
    EXPECT_FALSE(r.correctedText);

    OnDCEdit(*m, kColumnErp, 5, "0", segments, curve);
    EXPECT_EQ(erp(*m, 5), 0.2);
    OnDCEdit(*m, kColumnSf, 5, "1.5", segments, curve);
    EXPECT_EQ(sf(*m, 5), 0.99);

    // Intermediate forms while typing "0.35": "0" stores the default, "0." is 0 again.
    for (const char* text : {"0", "0.", "0.3", "0.35"})
        OnDCEdit(*m, kColumnErp, 6, text, segments, curve);
    EXPECT_EQ(erp(*m, 6), 0.35);
    EXPECT_EQ(curve.rowCount, cvCurvePointCount(*m, 6) + 1);
}

TEST(TableEdit, TextThatIsNotANumberChangesNothing)
{
    auto m = createModel();
    SegmentTable segments;
    CvCurveTable curve;
    describeSegments(*m, segments);
    const double before = m->estimatedCycleLength;
    const auto r = OnDCEdit(*m, kColumnCv, 2, ".", segments, curve);
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.error, "'.' is not a valid floating point value");
    EXPECT_EQ(cv(*m, 2), 0.5);
    EXPECT_EQ(m->estimatedCycleLength, before);
    // An empty cell stores nothing but still recomputes.
    EXPECT_TRUE(OnDCEdit(*m, kColumnCv, 2, "", segments, curve).accepted);
    EXPECT_EQ(cv(*m, 2), 0.5);
}

TEST(TableEdit, ClickReplacesZeroAndShowsTheRowsCurve)
{
    auto m = createModel();
    cv(*m, 8) = 0.0;
    CvCurveTable curve;
    SGDIClick(*m, 8, curve);
    EXPECT_EQ(cv(*m, 8), 0.5);
    EXPECT_EQ(curve.rowCount, 6);
}

TEST(ConductionCurve, ErpAtOrAboveTheCycleLengthKeepsThePreviousConstants)
{
    auto m = createModel();
    SegmentTable segments;
    CvCurveTable curve;
    describeSegments(*m, segments);
    const double n1 = N1(*m, 3), offset = cvOffset(*m, 3);
    for (const char* text : {"0.26", "0.3", "0.9"}) {
        OnDCEdit(*m, kColumnErp, 3, text, segments, curve);
        EXPECT_LE(di(*m, 3), 0.0) << text;
        EXPECT_EQ(N1(*m, 3), n1);
        EXPECT_EQ(cvOffset(*m, 3), offset);
        EXPECT_GT(maxErp(*m, 3), 0.0);   // a factor of 0 or below keeps the previous maxErp
        EXPECT_EQ(curve.rowCount, 1);   // no curve points
        for (int x = 1; x <= m->totalSiteCount; ++x) {
            ASSERT_TRUE(std::isfinite(N1(*m, x)));
            ASSERT_TRUE(std::isfinite(maxErp(*m, x)));
        }
    }
}
