#include "persistence/circuit_file.h"
#include "persistence/circuit_set.h"
#include "persistence/companion_files.h"
#include "persistence_test_support.h"
#include "result_set_fixture.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <locale>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quorel;
using namespace quorel::testing;
namespace fs = std::filesystem;

namespace {

// A state that a load must either replace or leave exactly as it is.
ResultSet earlierState()
{
    ResultSet set;
    set.model->stimulusSite = 5;
    set.session.memoLines = {"older memo"};
    set.session.history.rows = {{"older", "Single", "5", "5", "50", "1", "", ""}};
    set.session.caliperCount = 1;
    set.session.caliperMarks[0] = {1, 0.5, 2, 0.5, 7};
    set.results->scanCount = 3;
    set.results->shownRevolutionCount = 5;
    set.results->SiteActivation[2][3][4] = {0.5, 2.0, 0.2};
    set.results->captureLamp = 1;
    return set;
}

void expectResultsEqual(const RunResults& a, const RunResults& b, int sites)
{
    ASSERT_EQ(a.scanCount, b.scanCount);
    ASSERT_EQ(a.shownRevolutionCount, b.shownRevolutionCount);
    int differing = 0;
    for (int s = 1; s <= a.scanCount; ++s) {
        for (int r = 1; r <= a.shownRevolutionCount; ++r) {
            for (int x = 1; x <= sites; ++x) {
                const ActivationRecord &p = a.SiteActivation[s][x][r], &q = b.SiteActivation[s][x][r];
                differing += p.time != q.time || p.code != q.code || p.erp != q.erp;
            }
            differing += a.RevolutionIndices[s][r].fusionIndex != b.RevolutionIndices[s][r].fusionIndex ||
                         a.RevolutionIndices[s][r].antidromicFraction !=
                             b.RevolutionIndices[s][r].antidromicFraction;
        }
        const ScanStepRecord &p = a.ScanStepRecords[s], &q = b.ScanStepRecords[s];
        differing += p.couplingInterval != q.couplingInterval || p.stimulusSite != q.stimulusSite ||
                     p.noteFlag != q.noteFlag || p.captured != q.captured;
    }
    EXPECT_EQ(differing, 0);
}

}  // namespace

TEST(CircuitSet, TrainResultSetComesBackExactly)
{
    ScratchFolder folder;
    const std::string path = folder.file("train.cir");
    ResultSet saved = trainResultSet();
    const SaveReport save = saveCircuitSet(path, *saved.model, *saved.results, saved.session);
    ASSERT_TRUE(save.ok()) << save.messages().at(0);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"train.cir", "train.mo1", "train.mo2", "train.mo3"}));

    ResultSet loaded = earlierState();
    loaded.model->ecgChannelSite[0] = 21;   // the QRS reference is not in the files
    const LoadReport report = loadCircuitSet(path, *loaded.model, *loaded.results, loaded.session);
    ASSERT_TRUE(report.loaded);
    EXPECT_TRUE(report.keywordFileRead);
    EXPECT_EQ(loaded.model->ecgChannelSite[0], 21);
    EXPECT_TRUE(report.damaged.empty());

    const CircuitModel &m = *loaded.model, &s = *saved.model;
    EXPECT_EQ(m.stimulationMode, 0);
    EXPECT_EQ(m.stimulusSite, 4);
    EXPECT_EQ(m.trainStimulusCount, 5);
    EXPECT_EQ(m.pacingCycleLength, 0.28);
    EXPECT_EQ(m.firstCouplingInterval, 0.21);
    EXPECT_EQ(m.clockStep, 0.0005);
    EXPECT_EQ(m.revolutionCount, 7);
    EXPECT_EQ(m.scanDecrementMs, 20.0);
    EXPECT_EQ(m.displayAllSites, 1);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(m.displayedSites[k], s.displayedSites[k]) << k;
    for (int channel = 1; channel <= 16; ++channel)
        EXPECT_EQ(m.ecgChannelSite[channel], s.ecgChannelSite[channel]) << channel;
    EXPECT_EQ(m.ecgChannelSite[17], 4);   // the movie strip follows the stimulus site
    EXPECT_EQ(m.parametersChanged, 0);
    EXPECT_EQ(m.loadingFile, 0);

    const RunResults& r = *loaded.results;
    EXPECT_EQ(r.scanCount, 1);
    EXPECT_EQ(r.shownRevolutionCount, 10);   // trainStimulusCount + 5
    expectResultsEqual(r, *saved.results, 29);
    EXPECT_EQ(r.SiteActivation[2][3][4].time, 0.0);   // nothing of the earlier results is left
    EXPECT_EQ(r.captureCodeCount, captureCodesOf(*saved.results));
    EXPECT_EQ(r.captureLamp, 1);
    EXPECT_EQ(r.resultsLoaded, 1);

    const SessionState& session = loaded.session;
    EXPECT_EQ(session.memoLines, saved.session.memoLines);
    ASSERT_EQ(session.history.rows.size(), 1u);
    EXPECT_EQ(session.history.rows[0].pacingCycleLength, "0.2800");
    EXPECT_EQ(session.history.rows[0].time, "2024/06/11 10:15:02");
    EXPECT_EQ(session.caliperCount, 2);
    EXPECT_EQ(session.caliperMarks[1].leftX, 200.0);
    EXPECT_EQ(session.caliperMarks[1].barHeight, 0.125);
    EXPECT_EQ(session.scrollBar4.maximum, 30);
    EXPECT_EQ(session.scrollBar4.position, 4);
    EXPECT_EQ(session.scrollBar3.position, 6);
    EXPECT_EQ(session.ecgFlagSize, 1);
    EXPECT_EQ(session.displayErp, 1);

    // Saving what was loaded gives the same four files.
    ScratchFolder again;
    const std::string copy = again.file("train.cir");
    ASSERT_TRUE(saveCircuitSet(copy, *loaded.model, *loaded.results, loaded.session).ok());
    for (const char* name : {"train.cir", "train.mo1", "train.mo2", "train.mo3"})
        EXPECT_EQ(readBytes(again.file(name)), readBytes(folder.file(name))) << name;
}

TEST(CircuitSet, BothSaveFormatsWriteTheSameCircuitFile)
{
    ScratchFolder compatible, original;
    ResultSet set = trainResultSet();
    set.session.saveFormat = 0;
    ASSERT_TRUE(saveCircuitSet(compatible.file("a.cir"), *set.model, *set.results, set.session).ok());
    set.session.saveFormat = 1;
    ASSERT_TRUE(saveCircuitSet(original.file("a.cir"), *set.model, *set.results, set.session).ok());
    EXPECT_EQ(compatible.names(), std::vector<std::string>{"a.cir"});
    EXPECT_EQ(original.names().size(), 4u);
    EXPECT_EQ(readBytes(compatible.file("a.cir")), readBytes(original.file("a.cir")));
}

TEST(CircuitSet, EmptyMemoAndHistoryLeaveTheOlderFiles)
{
    ScratchFolder folder;
    const std::string path = folder.file("set.cir");
    ResultSet set = trainResultSet();
    ASSERT_TRUE(saveCircuitSet(path, *set.model, *set.results, set.session).ok());
    const std::string memo = readBytes(folder.file("set.mo2"));
    const std::string history = readBytes(folder.file("set.mo3"));
    const std::string keyword = readBytes(folder.file("set.mo1"));

    set.session.memoLines.clear();
    set.session.history.rows.clear();
    set.session.caliperCount = 0;
    ASSERT_TRUE(saveCircuitSet(path, *set.model, *set.results, set.session).ok());
    EXPECT_EQ(readBytes(folder.file("set.mo2")), memo);
    EXPECT_EQ(readBytes(folder.file("set.mo3")), history);
    EXPECT_NE(readBytes(folder.file("set.mo1")), keyword);   // the keyword file is always written

    ResultSet loaded;
    ASSERT_TRUE(loadCircuitSet(path, *loaded.model, *loaded.results, loaded.session).loaded);
    EXPECT_EQ(loaded.session.memoLines.size(), 3u);
    EXPECT_EQ(loaded.session.history.rows.size(), 1u);
    EXPECT_EQ(loaded.session.caliperCount, 0);
}

TEST(CircuitSet, CircuitFileAloneLeavesNoMemoHistoryMarksOrResults)
{
    ScratchFolder folder;
    const std::string path = folder.file("plain.cir");
    auto circuit = createModel();
    ASSERT_FALSE(writeCircuitFile(path, *circuit));

    ResultSet loaded = earlierState();
    loaded.model->displayedSites[3] = 7;
    const LoadReport report = loadCircuitSet(path, *loaded.model, *loaded.results, loaded.session);
    ASSERT_TRUE(report.loaded);
    EXPECT_FALSE(report.keywordFileRead);
    EXPECT_TRUE(loaded.session.memoLines.empty());
    EXPECT_TRUE(loaded.session.history.rows.empty());
    EXPECT_EQ(loaded.session.caliperCount, 0);
    EXPECT_EQ(loaded.results->scanCount, 0);
    EXPECT_EQ(loaded.results->captureLamp, 0);
    EXPECT_EQ(loaded.results->resultsLoaded, 0);
    EXPECT_EQ(loaded.results->SiteActivation[2][3][4].time, 0.0);
    // The stimulus site survives a load; the site lists are filled anew.
    EXPECT_EQ(loaded.model->stimulusSite, 5);
    EXPECT_EQ(loaded.model->displayedSites[3], 1);
    EXPECT_EQ(loaded.model->parametersChanged, 0);
    EXPECT_EQ(loaded.model->loadingFile, 0);
}

TEST(CircuitSet, SitesBeyondTheLoadedCircuitBecomeSiteOne)
{
    ScratchFolder folder;
    const std::string path = folder.file("small.cir");
    ASSERT_FALSE(writeCircuitFile(path, *createModel()));   // 29 sites

    ResultSet big;
    big.model->equalSegments = 0;
    big.model->outerSiteCount = 40;
    refreshDerivedModel(*big.model);
    big.model->stimulusSite = 50;
    big.model->ecgChannelSite[17] = 55;
    ASSERT_TRUE(loadCircuitSet(path, *big.model, *big.results, big.session).loaded);
    EXPECT_EQ(big.model->totalSiteCount, 29);
    EXPECT_EQ(big.model->stimulusSite, 1);
    EXPECT_EQ(big.model->ecgChannelSite[17], 1);
    EXPECT_EQ(big.model->stimulusSiteWarning, 0);
}

TEST(CircuitSet, RefusedCircuitFileChangesNothing)
{
    ScratchFolder folder;
    const std::string path = folder.file("set.cir");
    ResultSet saved = trainResultSet();
    ASSERT_TRUE(saveCircuitSet(path, *saved.model, *saved.results, saved.session).ok());
    // Complete companions beside a circuit file whose last row is cut short.
    const std::string text = readBytes(path);
    writeBytes(path, text.substr(0, text.size() - 12));

    ResultSet loaded = earlierState();
    auto modelBefore = std::make_unique<CircuitModel>(*loaded.model);
    const LoadReport report = loadCircuitSet(path, *loaded.model, *loaded.results, loaded.session);
    EXPECT_FALSE(report.loaded);
    ASSERT_TRUE(report.refused);
    EXPECT_EQ(report.messages().at(0).rfind("[" + path + "] line 30", 0), 0u) << report.messages().at(0);
    expectSameModel(*modelBefore, *loaded.model);
    EXPECT_EQ(loaded.session.memoLines, std::vector<std::string>{"older memo"});
    ASSERT_EQ(loaded.session.history.rows.size(), 1u);
    EXPECT_EQ(loaded.session.history.rows[0].time, "older");
    EXPECT_EQ(loaded.session.caliperCount, 1);
    EXPECT_EQ(loaded.results->scanCount, 3);
    EXPECT_EQ(loaded.results->SiteActivation[2][3][4].time, 0.5);
    EXPECT_EQ(loaded.results->captureLamp, 1);

    const LoadReport missing = loadCircuitSet(folder.file("gone.cir"), *loaded.model,
                                              *loaded.results, loaded.session);
    ASSERT_TRUE(missing.refused);
    EXPECT_EQ(missing.messages().at(0), "[" + folder.file("gone.cir") + "] doesn't exist");
    expectSameModel(*modelBefore, *loaded.model);
}

TEST(CircuitSet, DamagedCompanionFileIsNamedAndNothingOfItApplied)
{
    for (const char* damaged : {".mo1", ".mo2", ".mo3"}) {
        SCOPED_TRACE(damaged);
        ScratchFolder folder;
        const std::string path = folder.file("set.cir");
        ResultSet saved = trainResultSet();
        ASSERT_TRUE(saveCircuitSet(path, *saved.model, *saved.results, saved.session).ok());
        const std::string damagedPath = folder.file(std::string("set") + damaged);
        const std::string text = readBytes(damagedPath);
        std::string expected = "[" + damagedPath + "] ";
        if (damaged == std::string(".mo1")) {
            writeBytes(damagedPath, withField(text, 48, 3, "82"));   // more scan steps than held
            expected += "line 48, field 3: ";
        } else if (damaged == std::string(".mo2")) {
            fs::remove(damagedPath);
            fs::create_directory(damagedPath);   // there, but not readable as a file
            expected += "cannot be read";
        } else {
            writeBytes(damagedPath, withLine(text, 1, "one"));
            expected += "line 1, field 1: ";
        }

        ResultSet loaded = earlierState();
        const LoadReport report = loadCircuitSet(path, *loaded.model, *loaded.results, loaded.session);
        ASSERT_TRUE(report.loaded);
        ASSERT_EQ(report.damaged.size(), 1u);
        EXPECT_EQ(report.messages().at(0).rfind(expected, 0), 0u) << report.messages().at(0);
        const bool keywordDamaged = damaged == std::string(".mo1");
        EXPECT_EQ(report.keywordFileRead, !keywordDamaged);
        EXPECT_EQ(loaded.results->scanCount, keywordDamaged ? 0 : 1);
        EXPECT_EQ(loaded.session.caliperCount, keywordDamaged ? 0 : 2);
        EXPECT_EQ(loaded.model->stimulusSite, keywordDamaged ? 5 : 4);   // protocol as it was
        EXPECT_EQ(loaded.session.memoLines.size(), damaged == std::string(".mo2") ? 0u : 3u);
        EXPECT_EQ(loaded.session.history.rows.size(), damaged == std::string(".mo3") ? 0u : 1u);
    }
}

TEST(CircuitSet, SaveWritesTheSegmentRowsTheCountsAskFor)
{
    // A segment count typed without a page change leaves pathSiteCount stale; the file
    // must still agree with itself.
    ScratchFolder folder;
    const std::string path = folder.file("stale.cir");
    ResultSet set;
    set.model->hasDelayPath = 1;
    set.model->delaySegmentCount = 3;
    ASSERT_EQ(set.model->pathSiteCount, 0);
    set.session.saveFormat = 0;
    ASSERT_TRUE(saveCircuitSet(path, *set.model, *set.results, set.session).ok());
    const auto lines = linesOf(readBytes(path));
    EXPECT_EQ(fieldsOf(lines.at(0)).at(10), "3");
    EXPECT_EQ(lines.size(), 1u + 32);
    ResultSet loaded;
    const LoadReport report = loadCircuitSet(path, *loaded.model, *loaded.results, loaded.session);
    ASSERT_TRUE(report.loaded);
    EXPECT_EQ(loaded.model->hasDelayPath, 1);
    EXPECT_EQ(loaded.model->qrsSite, 32);
}

TEST(CircuitSet, FilesThatCannotBeWrittenAreNamedAndTheOldOnesStay)
{
    ScratchFolder folder;
    const std::string path = folder.file("set.cir");
    ResultSet set = trainResultSet();

    // A keyword file that cannot be replaced: the others are written, the .mo1 is named.
    fs::create_directory(folder.path() / "set.mo1");
    SaveReport report = saveCircuitSet(path, *set.model, *set.results, set.session);
    EXPECT_TRUE(report.circuitSaved);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.messages().at(0), "Cannot write [" + folder.file("set.mo1") + "]: it is a folder");
    EXPECT_TRUE(fs::exists(folder.file("set.mo2")));
    EXPECT_TRUE(fs::exists(folder.file("set.mo3")));
    fs::remove(folder.path() / "set.mo1");

    // A value that the reader would refuse is never written: the older file stays.
    ASSERT_TRUE(saveCircuitSet(path, *set.model, *set.results, set.session).ok());
    const std::string keyword = readBytes(folder.file("set.mo1"));
    set.model->scanDecrementMs = 0.0;
    report = saveCircuitSet(path, *set.model, *set.results, set.session);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].path, folder.file("set.mo1"));
    EXPECT_NE(report.messages().at(0).find("above 0"), std::string::npos) << report.messages().at(0);
    EXPECT_EQ(readBytes(folder.file("set.mo1")), keyword);

    // A circuit named like a companion file would be overwritten by its own companions.
    report = saveCircuitSet(folder.file("x.MO2"), *set.model, *set.results, set.session);
    EXPECT_FALSE(report.circuitSaved);
    EXPECT_FALSE(fs::exists(folder.file("x.MO2")));
    set.session.saveFormat = 0;
    set.model->scanDecrementMs = 20.0;
    EXPECT_TRUE(saveCircuitSet(folder.file("x.MO2"), *set.model, *set.results, set.session).ok());
}

TEST(CircuitSet, SaveIntoReadOnlyFolderFailsAndKeepsTheOldFile)
{
    ScratchFolder folder;
    const std::string path = folder.file("kept.cir");
    ResultSet set = trainResultSet();
    ASSERT_TRUE(saveCircuitSet(path, *set.model, *set.results, set.session).ok());
    const std::string before = readBytes(path);
    const auto namesBefore = folder.names();
    cv(*set.model, 2) = 0.3;

    ::chmod(folder.path().c_str(), 0555);
    auto attempt = [&]() -> int {
        const SaveReport report = saveCircuitSet(path, *set.model, *set.results, set.session);
        if (report.circuitSaved)
            return 1;
        if (report.problems.size() != 1)
            return 2;
        return report.messages().at(0).rfind("Cannot write [" + path + "]: ", 0) == 0 ? 0 : 3;
    };
    int outcome = -1;
    if (::geteuid() == 0) {
        // The superuser writes anywhere: try as the unprivileged user "nobody".
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(10);
            ::_exit(attempt());
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        outcome = WEXITSTATUS(status);
        if (outcome == 10) {
            ::chmod(folder.path().c_str(), 0700);
            GTEST_SKIP() << "cannot drop privileges";
        }
    } else {
        outcome = attempt();
    }
    ::chmod(folder.path().c_str(), 0700);
    EXPECT_EQ(outcome, 0);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(folder.names(), namesBefore);
}

TEST(CircuitSet, FilesUseADecimalPointUnderACommaLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const char* comma = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
        if (std::setlocale(LC_NUMERIC, name)) {
            comma = name;
            break;
        }
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    if (!comma || std::string(probe) != "0,5") {
        std::setlocale(LC_NUMERIC, previous.c_str());
        GTEST_SKIP() << "no comma locale on this machine (scripts/setup generates de_DE.UTF-8)";
    }
    std::locale previousGlobal = std::locale::global(std::locale(std::locale::classic(), comma, std::locale::numeric));

    ScratchFolder folder;
    const std::string path = folder.file("komma.cir");
    ResultSet set = trainResultSet();
    set.model->circuitRadius = 0.025;
    const SaveReport saved = saveCircuitSet(path, *set.model, *set.results, set.session);
    ResultSet loaded;
    const LoadReport report = loadCircuitSet(path, *loaded.model, *loaded.results, loaded.session);

    std::locale::global(previousGlobal);
    std::setlocale(LC_NUMERIC, previous.c_str());

    ASSERT_TRUE(saved.ok());
    const auto header = fieldsOf(linesOf(readBytes(path)).at(0));
    ASSERT_EQ(header.size(), 22u);
    EXPECT_EQ(header[0], "0.025000");
    EXPECT_EQ(linesOf(readBytes(folder.file("komma.mo1"))).at(11), "0.280000");
    ASSERT_TRUE(report.loaded);
    EXPECT_TRUE(report.keywordFileRead);
    EXPECT_EQ(loaded.model->circuitRadius, 0.025);
    EXPECT_EQ(loaded.model->pacingCycleLength, 0.28);
    EXPECT_EQ(loaded.session.history.rows.at(0).pacingCycleLength, "0.2800");
}
