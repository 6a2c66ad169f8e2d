// Loading as the window loads: the file's values pass through the boxes, the stored
// protocol and display choices stay, and typed values meet the boxes' filters.
#include "circuit_session.h"
#include "cli_test_support.h"

#include "persistence/circuit_set.h"

namespace quorel::cli {
namespace {

using namespace testing;

// Replaces field `field` (1-based) of line 1 of a circuit file.
void editHeaderField(const std::string& path, int field, const std::string& value)
{
    std::string text = readBytes(path);
    const std::size_t end = text.find("\r\n");
    std::string header = text.substr(0, end);
    std::size_t start = 0;
    for (int f = 1; f < field; ++f)
        start = header.find(',', start) + 1;
    const std::size_t stop = header.find(',', start);
    header.replace(start, stop - start, value);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << header << text.substr(end);
}

TEST(CircuitSessionLoad, FileValuesPassThroughTheBoxesAndTheCorrectionsAreNamed)
{
    ScratchFolder folder;
    const std::string path = newCircuit(folder, "c.cir");
    editHeaderField(path, 2, "0.900000");   // cardiac radius: the box allows 0.5 at most
    editHeaderField(path, 9, "19");         // connection site: at most n - 2 = 18

    CircuitSession session;
    ASSERT_TRUE(session.load(path).loaded);
    EXPECT_EQ(session.model().cardiacRadius, 0.5);
    EXPECT_EQ(session.model().connectionSite, 18);
    EXPECT_EQ(session.loadCorrections(),
              (std::vector<std::string>{"cardiacRadius 0.9 corrected to 0.5",
                                        "connectionSite 19 corrected to 18"}));
    EXPECT_EQ(session.form().boxText(5), "18");

    // The tool says so, and its output describes the corrected circuit.
    const CliResult r = runTool({"describe", path});
    EXPECT_TRUE(contains(r.err, "note: [" + path + "] connectionSite 19 corrected to 18 by the entry limits"));
    EXPECT_TRUE(contains(r.out, "site 18 is an entrance to the common pathway in the figure8\n"));

    // A sound file passes unchanged.
    CircuitSession clean;
    ASSERT_TRUE(clean.load(newCircuit(folder, "d.cir")).loaded);
    EXPECT_TRUE(clean.loadCorrections().empty());
}

TEST(CircuitSessionLoad, KeepsTheStoredProtocolAndDisplayChoices)
{
    ScratchFolder folder;
    const std::string path = folder.file("stored.cir");
    {
        // A set as the window saves it after the user chose trains and ten sites.
        CircuitSession made;
        CircuitModel& m = made.model();
        made.form().selectRadio(10);
        made.form().selectRadio(12);
        made.form().ComboBoxSChange(6);
        for (int k = 1; k <= 10; ++k)
            m.displayedSites[k] = 10 + k;
        for (int c = 1; c <= 16; ++c)
            m.ecgChannelSite[c] = c + 2;
        made.session().saveFormat = 1;
        ASSERT_TRUE(saveCircuitSet(path, m, made.results(), made.session()).ok());
    }
    CircuitSession session;
    ASSERT_TRUE(session.load(path).loaded);
    const CircuitModel& m = session.model();
    EXPECT_EQ(m.stimulationMode, 0);
    EXPECT_TRUE(session.form().radioChecked(10));
    EXPECT_TRUE(session.form().trainControlsEnabled());
    EXPECT_EQ(m.displayAllSites, 1);
    EXPECT_TRUE(session.form().radioChecked(12));
    EXPECT_EQ(m.stimulusSite, 7);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(m.displayedSites[k], 10 + k) << k;
    for (int c = 1; c <= 16; ++c)
        EXPECT_EQ(m.ecgChannelSite[c], c + 2) << c;
    EXPECT_EQ(m.ecgChannelSite[17], 7);   // the movie strip follows the stimulus site

    // A run saved from it keeps them too.
    const CliResult r = runTool({"run", path, "-q", "-o", folder.file("out.cir")});
    ASSERT_EQ(r.code, kExitDone) << r.err;
    auto model = createModel();
    auto results = createRunResults();
    SessionState set;
    ASSERT_TRUE(loadCircuitSet(folder.file("out.cir"), *model, *results, set).loaded);
    EXPECT_EQ(model->stimulationMode, 0);
    EXPECT_EQ(model->displayAllSites, 1);
    EXPECT_EQ(model->displayedSites[10], 20);
    EXPECT_EQ(model->ecgChannelSite[16], 18);
}

TEST(CircuitSessionBoxes, TypedTextMeetsTheKeyFilterAndTheRules)
{
    CircuitSession session;
    const struct {
        int tag;
        const char* text;
        bool accepted;
        const char* shown;
    } cases[] = {
        {19, "0.002", true, "0.002"},
        {19, "0.0020", true, "0.0020"},     // the typed text stands as typed
        {19, "0.02", true, "0.005"},        // the box's upper limit
        {19, "0", true, "0.0001"},          // the spin range when the box is left
        {20, "99", true, "30"},
        {20, "-3", false, "30"},            // no sign can be typed; nothing changed
        {20, "3.", false, "30"},
        {23, "1", true, "0.99"},
        {23, "1,5", false, "0.99"},
        {23, "..", false, "0.99"},          // typeable, but no number
        {4, "5", true, "11"},               // taken silently, then the exit bound
    };
    for (const auto& c : cases) {
        const BoxEntry entry = session.enterBox(c.tag, c.text);
        EXPECT_EQ(entry.accepted, c.accepted) << c.tag << " " << c.text;
        EXPECT_EQ(session.form().boxText(c.tag), c.shown) << c.tag << " " << c.text;
        if (c.accepted)
            EXPECT_EQ(entry.shown, c.shown);
        else
            EXPECT_FALSE(entry.error.empty());
    }
    EXPECT_EQ(session.model().clockStep, 0.0001);
    EXPECT_EQ(session.model().revolutionCount, 30);
    EXPECT_EQ(session.model().pacingCycleLength, 0.99);
    EXPECT_EQ(session.model().innerSiteCount, 11);
}

TEST(CircuitSessionBoxes, CascadedCorrectionsOfOtherBoxesAreListed)
{
    CircuitSession session;
    // 15 inner sites: the connection site 10 stays, the scar entry 26 leaves the
    // circuit (n + m + 1 = 24) and is corrected.
    const BoxEntry entry = session.enterBox(4, "15");
    EXPECT_EQ(entry.shown, "15");
    EXPECT_EQ(entry.alsoChanged, (std::vector<std::pair<int, std::string>>{{6, "24"}}));
}

}  // namespace
}  // namespace quorel::cli
