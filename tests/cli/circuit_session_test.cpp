// Loading as the window loads: the file's values pass through the boxes, the stored
// protocol and display choices stay; typed values meet the boxes' filters and rules.
#include "cli_test_support.h"

#include "persistence/circuit_set.h"

namespace quorel::cli {
namespace {

using namespace testing;

TEST(CircuitSessionLoad, FileValuesPassThroughTheBoxesAndTheCorrectionsAreNamed)
{
    ScratchFolder folder;
    const std::string path = newCircuit(folder, "c.cir");
    // Cardiac radius 0.9 (the box allows 0.5) and connection site 19 (at most n - 2 = 18).
    std::string text = readBytes(path);
    ASSERT_EQ(text.substr(0, 16), "0.020000,0.10000");
    text.replace(9, 8, "0.900000");
    const std::size_t field9 = text.find(",10,");
    ASSERT_NE(field9, std::string::npos);
    text.replace(field9, 4, ",19,");
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;

    CircuitSession session;
    ASSERT_TRUE(session.load(path).loaded);
    EXPECT_EQ(session.model().cardiacRadius, 0.5);
    EXPECT_EQ(session.model().connectionSite, 18);
    EXPECT_EQ(session.form().boxText(5), "18");
    EXPECT_EQ(session.loadCorrections(), (std::vector<std::string>{"cardiacRadius 0.9 corrected to 0.5",
                                                                   "connectionSite 19 corrected to 18"}));
    const CliResult r = runTool({"describe", path});
    EXPECT_TRUE(contains(r.err, "note: [" + path + "] connectionSite 19 corrected to 18 by the entry limits"));
    EXPECT_TRUE(contains(r.out, "site 18 is an entrance to the common pathway in the figure8\n"));
}

TEST(CircuitSessionLoad, KeepsTheStoredProtocolAndDisplayChoices)
{
    ScratchFolder folder;
    const std::string path = folder.file("stored.cir");
    {
        // A set as the window saves it after the user chose trains and ten sites.
        CircuitSession made;
        made.form().selectRadio(10);
        made.form().selectRadio(12);
        made.form().ComboBoxSChange(6);
        for (int k = 1; k <= 10; ++k)
            made.model().displayedSites[k] = 10 + k;
        for (int c = 1; c <= 16; ++c)
            made.model().ecgChannelSite[c] = c + 2;
        ASSERT_TRUE(saveCircuitSet(path, made.model(), made.results(), made.session()).ok());
    }
    CircuitSession session;
    ASSERT_TRUE(session.load(path).loaded);
    const CircuitModel& m = session.model();
    EXPECT_TRUE(m.stimulationMode == 0 && session.form().radioChecked(10) && session.form().trainControlsEnabled());
    EXPECT_TRUE(m.displayAllSites == 1 && session.form().radioChecked(12));
    EXPECT_EQ(m.stimulusSite, 7);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(m.displayedSites[k], 10 + k) << k;
    for (int c = 1; c <= 16; ++c)
        EXPECT_EQ(m.ecgChannelSite[c], c + 2) << c;
    EXPECT_EQ(m.ecgChannelSite[17], 7);   // the movie strip follows the stimulus site

    // A run saved from it keeps them too.
    ASSERT_EQ(runTool({"run", path, "-q", "-o", folder.file("out.cir")}).code, kExitDone);
    auto model = createModel();
    auto results = createRunResults();
    SessionState set;
    ASSERT_TRUE(loadCircuitSet(folder.file("out.cir"), *model, *results, set).loaded);
    EXPECT_EQ(model->stimulationMode, 0);
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
        {19, "0.0020", true, "0.0020"},   // the typed text stands as typed
        {19, "0.02", true, "0.005"},      // the box's upper limit
        {19, "0", true, "0.0001"},        // the spin range when the box is left
        {20, "99", true, "30"},
        {20, "-3", false, "30"},          // no sign can be typed; nothing changed
        {20, "3.", false, "30"},
        {23, "1", true, "0.99"},
        {23, "1,5", false, "0.99"},
        {23, "..", false, "0.99"},        // typeable, but no number
        {4, "5", true, "11"},             // taken silently, then the exit bound
    };
    for (const auto& c : cases) {
        const BoxEntry entry = session.enterBox(c.tag, c.text);
        EXPECT_EQ(entry.accepted, c.accepted) << c.tag << " " << c.text;
        EXPECT_EQ(session.form().boxText(c.tag), c.shown) << c.tag << " " << c.text;
        EXPECT_EQ(entry.error.empty(), c.accepted) << entry.error;
    }
    EXPECT_EQ(session.model().clockStep, 0.0001);
    EXPECT_EQ(session.model().revolutionCount, 30);
    EXPECT_EQ(session.model().innerSiteCount, 11);
    // 15 inner sites leave the scar entry 26 outside the circuit: Edit6 shows 24.
    CircuitSession fresh;
    EXPECT_EQ(fresh.enterBox(4, "15").alsoChanged, (std::vector<std::pair<int, std::string>>{{6, "24"}}));
}

}  // namespace
}  // namespace quorel::cli
