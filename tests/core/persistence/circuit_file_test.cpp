#include "persistence/circuit_file.h"
#include "persistence/circuit_set.h"
#include "persistence_test_support.h"

#include "model/circuit_construction.h"
#include "text/number_text.h"

#include <gtest/gtest.h>

#include <random>

using namespace quorel;
using namespace quorel::testing;

namespace {

std::unique_ptr<CircuitModel> circuitWithPaths(int delay, int deadEnd1, int deadEnd2)
{
    auto m = createModel();
    m->hasDelayPath = delay > 0;
    m->delaySegmentCount = delay;
    m->hasDeadEnd1 = deadEnd1 > 0;
    m->deadEnd1SegmentCount = deadEnd1;
    m->deadEnd1Site = deadEnd1 > 0 ? 2 : 0;
    m->hasDeadEnd2 = deadEnd2 > 0;
    m->deadEnd2SegmentCount = deadEnd2;
    m->deadEnd2Site = deadEnd2 > 0 ? 5 : 0;
    refreshDerivedModel(*m);
    return m;
}

}  // namespace

TEST(CircuitFile, HeaderFieldsStandInTheirHistoricalOrder)
{
    auto m = createModel();
    m->circuitRadius = 0.25;
    m->cardiacRadius = 0.5;
    m->innerSiteCount = 30;
    m->outerSiteCount = 12;
    m->scarEntrySite = 40;
    m->estimatedCycleLength = 0.375;
    m->innerSpacing = 0.125;
    m->outerSpacing = 0.0625;
    m->connectionSite = 14;
    m->outerInnerRatio = 1.5;
    m->pathSiteCount = 7;
    m->qrsSite = 45;
    m->deadEnd1Site = 3;
    m->deadEnd1LastSite = 48;
    m->delayDistanceCm = 2.5;
    m->deadEnd1DistanceCm = 3.5;
    m->delaySegmentCount = 2;
    m->deadEnd1SegmentCount = 3;
    m->deadEnd2Site = 5;
    m->deadEnd2SegmentCount = 2;
    m->deadEnd2DistanceCm = 4.5;
    m->deadEnd2LastSite = 50;
    const auto lines = linesOf(formatCircuitFile(*m));
    EXPECT_EQ(lines.at(0), "0.250000,0.500000,30,12,40,0.375000,0.125000,0.062500,14,1.500000,"
                           "7,45,3,48,2.500000,3.500000,2,3,5,2,4.500000,50");
    EXPECT_EQ(lines.size(), 1u + 30 + 12 + 7 + 1);
}

TEST(CircuitFile, RealsAreSinglePrecisionWithSixDecimals)
{
    auto m = createModel();
    m->delayDistanceCm = 100.1;
    m->deadEnd1DistanceCm = 0.3;
    m->deadEnd2DistanceCm = 0.0000004;
    m->outerInnerRatio = -0.0000004;
    cv(*m, 2) = 0.123456789;
    const std::string text = formatCircuitFile(*m);
    const auto header = fieldsOf(linesOf(text).at(0));
    EXPECT_EQ(header.at(14), "100.099998");
    EXPECT_EQ(header.at(15), "0.300000");
    EXPECT_EQ(header.at(20), "0.000000");
    EXPECT_EQ(header.at(9), "-0.000000");
    EXPECT_EQ(fieldsOf(linesOf(text).at(2)).at(0), "0.123457");

    // Every line ends in CR LF, nothing follows the last segment line.
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    std::size_t bareLineFeeds = 0;
    for (std::size_t k = 0; k < text.size(); ++k)
        bareLineFeeds += text[k] == '\n' && (k == 0 || text[k - 1] != '\r');
    EXPECT_EQ(bareLineFeeds, 0u);
    EXPECT_EQ(linesOf(text).size(), 30u);
    const auto lastRow = fieldsOf(linesOf(text).at(29));
    EXPECT_EQ(lastRow.at(0), "0.500000");
    EXPECT_EQ(lastRow.at(2), "0.200000");
    EXPECT_EQ(lastRow.at(4), "0.000000");
    EXPECT_NEAR(std::stod(lastRow.at(1)), 0.3029, 5e-5);   // maxErp
    EXPECT_NEAR(std::stod(lastRow.at(6)), 13.504, 5e-4);   // N1
}

TEST(CircuitFile, ValuesAtTheEdgeOfSixDecimalsStayReadable)
{
    // Such values can be typed into the table; their texts must not fall on a bound
    // that the reader refuses.
    auto m = createModel();
    cv(*m, 1) = 0.9999999;
    cv(*m, 2) = 0.0000001;
    erp(*m, 3) = 0.0000001;
    sf(*m, 4) = 0.99999999;
    const auto lines = linesOf(formatCircuitFile(*m));
    EXPECT_EQ(fieldsOf(lines.at(1)).at(0), "0.999999");
    EXPECT_EQ(fieldsOf(lines.at(2)).at(0), "0.000001");
    EXPECT_EQ(fieldsOf(lines.at(3)).at(2), "0.000001");
    EXPECT_EQ(fieldsOf(lines.at(4)).at(4), "0.999999");
    auto data = std::make_unique<CircuitFileData>();
    EXPECT_FALSE(parseCircuitFile(joinLines(lines), *data));
}

TEST(CircuitFile, DefaultCircuitLoadsBackWithTheSameInputsAndDerivedValues)
{
    ScratchFolder folder;
    const std::string path = folder.file("default.cir");
    auto saved = createModel();
    ASSERT_FALSE(writeCircuitFile(path, *saved));

    // Load over a different circuit.
    auto loaded = circuitWithPaths(3, 4, 0);
    loaded->circuitRadius = 0.03;
    cv(*loaded, 7) = 0.3;
    auto results = createRunResults();
    SessionState session;
    const LoadReport report = loadCircuitSet(path, *loaded, *results, session);
    ASSERT_TRUE(report.loaded) << report.messages().at(0);
    expectSameModel(*saved, *loaded, saved->totalSiteCount);
}

TEST(CircuitFile, EveryFileTheWriterProducesIsReadBack)
{
    std::mt19937 random(20240611);
    auto pick = [&](int lowest, int highest) {
        return std::uniform_int_distribution<int>(lowest, highest)(random);
    };
    auto real = [&](double lowest, double highest) {
        return std::uniform_real_distribution<double>(lowest, highest)(random);
    };
    ScratchFolder folder;
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        auto m = createModel();
        m->innerSiteCount = pick(11, 40);
        m->connectionSite = pick(9, std::min(38, m->innerSiteCount - 2));
        m->outerInnerRatio = pick(0, 1) ? 1.0 : real(0.1, 10.0);
        m->equalSegments = m->outerInnerRatio == 1.0 && pick(0, 1);
        m->outerSiteCount = m->equalSegments ? m->connectionSite - 2 : pick(7, 42);
        const int loopSites = m->innerSiteCount + m->outerSiteCount + 1;
        m->scarEntrySite = pick(m->innerSiteCount + 2, loopSites);
        m->circuitRadius = real(0.01, 0.99);
        m->cardiacRadius = real(0.01, 0.99);
        m->hasDelayPath = pick(0, 1);
        m->delaySegmentCount = m->hasDelayPath ? pick(0, 5) : 0;
        m->delayDistanceCm = real(0.1, 10.0);
        m->hasDeadEnd1 = pick(0, 1);
        m->deadEnd1SegmentCount = m->hasDeadEnd1 ? pick(1, 5) : 0;
        m->deadEnd1Site = m->hasDeadEnd1 ? pick(1, loopSites) : 0;
        m->hasDeadEnd2 = m->hasDeadEnd1 && pick(0, 1);
        m->deadEnd2SegmentCount = m->hasDeadEnd2 ? pick(1, 5) : 0;
        m->deadEnd2Site = m->hasDeadEnd2 ? pick(1, loopSites) : 0;
        for (int x = 1; x < kSiteRows; ++x) {
            cv(*m, x) = real(0.01, 0.99);
            erp(*m, x) = real(0.05, 0.5);
            sf(*m, x) = pick(0, 2) ? 0.0 : real(0.0, 0.99);
        }
        const std::string path = folder.file("random.cir");
        auto results = createRunResults();
        SessionState session;
        session.saveFormat = 0;
        const SaveReport saved = saveCircuitSet(path, *m, *results, session);
        ASSERT_TRUE(saved.ok()) << saved.messages().at(0);
        const std::string first = readBytes(path);

        auto loaded = createModel();
        const LoadReport report = loadCircuitSet(path, *loaded, *results, session);
        ASSERT_TRUE(report.loaded) << report.messages().at(0);
        EXPECT_EQ(loaded->totalSiteCount, m->totalSiteCount);
        EXPECT_EQ(loaded->innerSiteCount, m->innerSiteCount);
        EXPECT_EQ(loaded->outerSiteCount, m->outerSiteCount);
        EXPECT_EQ(loaded->deadEnd2Site, m->deadEnd2Site);
        EXPECT_NEAR(loaded->circuitRadius, m->circuitRadius, 1e-6);
        EXPECT_NEAR(cv(*loaded, m->totalSiteCount), cv(*m, m->totalSiteCount), 1e-6);
        EXPECT_NEAR(loaded->estimatedCycleLength, m->estimatedCycleLength, 1e-3 * m->estimatedCycleLength);
        // Every input lands where it came from: written again, the inputs read the same.
        ASSERT_FALSE(writeCircuitFile(path, *loaded));
        const auto before = linesOf(first), after = linesOf(readBytes(path));
        ASSERT_EQ(before.size(), after.size());
        for (int field : {1, 2, 3, 4, 5, 9, 10, 13, 15, 16, 17, 18, 19, 20, 21})
            EXPECT_EQ(fieldsOf(after[0]).at(field - 1), fieldsOf(before[0]).at(field - 1)) << field;
        for (std::size_t line = 1; line < before.size(); ++line)
            for (int field : {1, 3, 5})
                EXPECT_EQ(fieldsOf(after[line]).at(field - 1), fieldsOf(before[line]).at(field - 1))
                    << "line " << line + 1 << ", field " << field;
    }
}

TEST(CircuitFile, ValuesBeyondTheEntryLimitsAreReadAsTheyStand)
{
    auto m = createModel();
    m->equalSegments = 0;
    m->outerSiteCount = 60;         // entry limit 42
    m->scarEntrySite = 75;
    m->cardiacRadius = 0.9;         // entry limit 0.5
    m->circuitRadius = 0.95;        // above the cardiac radius
    m->hasDelayPath = 1;
    m->delaySegmentCount = 8;       // entry limit 5
    m->delayDistanceCm = 9.5;       // entry limit 5
    refreshDerivedModel(*m);
    auto data = std::make_unique<CircuitFileData>();
    ASSERT_FALSE(parseCircuitFile(formatCircuitFile(*m), *data));
    EXPECT_EQ(data->outerSiteCount, 60);
    EXPECT_EQ(data->delaySegmentCount, 8);
    EXPECT_EQ(data->delayDistanceCm, 9.5);
    EXPECT_EQ(data->cardiacRadius, 0.9);
    EXPECT_EQ(data->rowCount, 20 + 60 + 8 + 1);
}

TEST(CircuitFile, LargestCircuitAndLooseLineEndsAreRead)
{
    auto m = createModel();
    m->innerSiteCount = 40;
    m->connectionSite = 38;
    m->equalSegments = 0;
    m->outerSiteCount = 42;
    m->scarEntrySite = 60;
    m->hasDelayPath = m->hasDeadEnd1 = m->hasDeadEnd2 = 1;
    m->delaySegmentCount = m->deadEnd1SegmentCount = m->deadEnd2SegmentCount = 5;
    m->deadEnd1Site = 3;
    m->deadEnd2Site = 70;
    refreshDerivedModel(*m);
    ASSERT_EQ(m->totalSiteCount, 98);
    std::string text = formatCircuitFile(*m);
    // Line feeds alone, blanks around numbers and lines after the last row are accepted.
    std::string loose;
    for (char c : text)
        if (c != '\r')
            loose += c;
    loose.replace(0, 8, " 0.020000");
    loose += "anything after the rows\n";
    auto data = std::make_unique<CircuitFileData>();
    ASSERT_FALSE(parseCircuitFile(loose, *data));
    EXPECT_EQ(data->rowCount, 98);
    EXPECT_EQ(data->circuitRadius, 0.02);
    EXPECT_EQ(data->rows[98][0], 0.5);
}

TEST(CircuitFile, StructureSwitchesFollowTheHeader)
{
    struct Case {
        double ratio;
        int connection, outer, delay, deadEnd1, deadEnd2;
        int equal, hasDelay, hasDeadEnd1, hasDeadEnd2;
    };
    const Case cases[] = {
        {1.0, 10, 8, 0, 0, 0, 1, 0, 0, 0},
        {1.0, 10, 9, 0, 0, 0, 0, 0, 0, 0},     // outer count not connection - 2
        {1.000001, 10, 8, 0, 0, 0, 0, 0, 0, 0},  // ratio not exactly 1
        {2.0, 12, 10, 3, 0, 0, 0, 1, 0, 0},
        {1.0, 12, 10, 0, 4, 2, 1, 0, 1, 1},
        {1.0, 12, 10, 0, 0, 2, 1, 0, 0, 1},    // a second pathway alone is taken as it is
    };
    for (const Case& c : cases) {
        auto m = createModel();
        m->outerInnerRatio = c.ratio;
        m->connectionSite = c.connection;
        m->outerSiteCount = c.outer;
        m->delaySegmentCount = c.delay;
        m->deadEnd1SegmentCount = c.deadEnd1;
        m->deadEnd2SegmentCount = c.deadEnd2;
        m->hasDelayPath = 1 - c.hasDelay;   // the switches before the load do not matter
        deriveStructureSwitches(*m);
        EXPECT_EQ(m->equalSegments, c.equal) << c.ratio << " " << c.outer;
        EXPECT_EQ(m->hasDelayPath, c.hasDelay);
        EXPECT_EQ(m->hasDeadEnd1, c.hasDeadEnd1);
        EXPECT_EQ(m->hasDeadEnd2, c.hasDeadEnd2);
    }
}

// --- refused files ---------------------------------------------------------------

struct BadCircuitFile {
    const char* name;
    int line, field;          // where the default circuit's file is changed (field 0: whole line)
    const char* value;        // the new text; nullptr cuts the file before `line`
    int atLine, atField;      // where the reader reports the fault
    const char* detail;       // a part of the message
    int field2 = 0;           // a second header field to change, if any
    const char* value2 = "";
    bool withDeadEnd = false; // start from a circuit with a 4-segment dead-end pathway
};

class RefusedCircuitFile : public ::testing::TestWithParam<BadCircuitFile> {};

TEST_P(RefusedCircuitFile, IsRefusedWithItsPlaceAndTheModelStaysAsItWas)
{
    const BadCircuitFile& bad = GetParam();
    std::string text = formatCircuitFile(bad.withDeadEnd ? *circuitWithPaths(0, 4, 0) : *createModel());
    if (!bad.value)
        text = firstLines(text, bad.line - 1);
    else if (bad.field == 0)
        text = withLine(text, bad.line, bad.value);
    else
        text = withField(text, bad.line, bad.field, bad.value);
    if (bad.field2)
        text = withField(text, 1, bad.field2, bad.value2);

    auto data = std::make_unique<CircuitFileData>();
    const auto problem = parseCircuitFile(text, *data);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->line, bad.atLine) << problem->detail;
    EXPECT_EQ(problem->field, bad.atField) << problem->detail;
    EXPECT_NE(problem->detail.find(bad.detail), std::string::npos) << problem->detail;

    ScratchFolder folder;
    const std::string path = folder.file("bad.cir");
    writeBytes(path, text);
    auto m = circuitWithPaths(2, 0, 0);
    cv(*m, 3) = 0.25;
    auto before = std::make_unique<CircuitModel>(*m);
    const auto refused = readCircuitFile(path, *m);
    ASSERT_TRUE(refused);
    EXPECT_EQ(problemMessage(*refused).rfind("[" + path + "] line " + std::to_string(bad.atLine), 0), 0u)
        << problemMessage(*refused);
    expectSameModel(*before, *m);
}

INSTANTIATE_TEST_SUITE_P(
    CircuitFile, RefusedCircuitFile,
    ::testing::Values(
        BadCircuitFile{"empty", 1, 0, nullptr, 1, 0, "ends before the header line"},
        BadCircuitFile{"headerOnly", 2, 0, nullptr, 2, 0, "ends before the segment line of row 1"},
        BadCircuitFile{"lastRowMissing", 30, 0, nullptr, 30, 0, "row 29"},
        BadCircuitFile{"rowCutShort", 30, 0, "0.500000,0.302900,0.200000", 30, 0, "expected 7 values"},
        BadCircuitFile{"rowWithAnEighthValue", 5, 7, "13.504,1.0", 5, 0, "found 8"},
        BadCircuitFile{"headerWithATwentyThirdValue", 1, 22, "0,0", 1, 0, "expected 22 values"},
        BadCircuitFile{"textInARealField", 1, 2, "abc", 1, 2, "\"abc\" is not a number"},
        BadCircuitFile{"realInACountField", 1, 3, "20.5", 1, 3, "not a whole number"},
        BadCircuitFile{"emptyField", 1, 5, "", 1, 5, "missing"},
        BadCircuitFile{"infiniteRadius", 1, 1, "inf", 1, 1, "not a finite number"},
        BadCircuitFile{"nanInARow", 4, 2, "nan", 4, 2, "not a finite number"},
        BadCircuitFile{"cvOfOne", 3, 1, "1.000000", 3, 1, "C.V."},
        BadCircuitFile{"cvOfZero", 3, 1, "0.000000", 3, 1, "C.V."},
        BadCircuitFile{"erpOfZero", 6, 3, "0.000000", 6, 3, "ERP"},
        BadCircuitFile{"sfOfOne", 8, 5, "1.000000", 8, 5, "S.F."},
        BadCircuitFile{"negativeSf", 8, 5, "-0.100000", 8, 5, "S.F."},
        BadCircuitFile{"innerCountAboveItsBox", 1, 3, "41", 1, 3, "outside 11 to 40"},
        BadCircuitFile{"outerCountBelowItsBox", 1, 4, "6", 1, 4, "outside 7 to 99"},
        BadCircuitFile{"connectionOutsideTheInnerLoop", 1, 9, "25", 1, 9, "outside 9 to 20"},
        BadCircuitFile{"scarBeyondTheCircuit", 1, 5, "30", 1, 5, "outside 1 to 29"},
        BadCircuitFile{"delayCountAboveItsBox", 1, 17, "11", 1, 17, "outside 0 to 10", 11, "11"},
        BadCircuitFile{"deadEndSiteBeyondTheCircuit", 1, 13, "34", 1, 13, "outside 1 to 33", 0, "", true},
        BadCircuitFile{"pathCountContradictsTheSegments", 1, 11, "1", 1, 11, "differs from the path segments"},
        BadCircuitFile{"moreThan99Sites", 1, 3, "40", 1, 11, "give 101 sites", 4, "60"}),
    [](const ::testing::TestParamInfo<BadCircuitFile>& info) { return std::string(info.param.name); });

TEST(CircuitFile, MissingFileIsReportedAsNotExisting)
{
    ScratchFolder folder;
    auto m = createModel();
    auto before = std::make_unique<CircuitModel>(*m);
    const auto problem = readCircuitFile(folder.file("none.cir"), *m);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problemMessage(*problem), "[" + folder.file("none.cir") + "] doesn't exist");
    expectSameModel(*before, *m);
}
