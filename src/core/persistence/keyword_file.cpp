#include "persistence/keyword_file.h"

#include "persistence/record_reader.h"

#include <charconv>
#include <cmath>

namespace quorel {

namespace {

// Sites stored in the file must name a row of B.
constexpr int kLastSite = kSiteRows - 1;

class KeywordWriter {
public:
    explicit KeywordWriter(std::string& text) : text_(text) {}

    void keyword(const char* word)
    {
        text_ += word;
        end();
    }
    KeywordWriter& real(double value)
    {
        separate();
        char buffer[400];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::fixed, 6);
        text_.append(buffer, result.ptr);
        return *this;
    }
    KeywordWriter& integer(int value)
    {
        separate();
        char buffer[16];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        text_.append(buffer, result.ptr);
        return *this;
    }
    void end()
    {
        text_ += "\r\n";
        lineStart_ = true;
    }

private:
    void separate()
    {
        if (!lineStart_)
            text_ += ',';
        lineStart_ = false;
    }
    std::string& text_;
    bool lineStart_ = true;
};

}  // namespace

int circuitSiteCount(const CircuitModel& m)
{
    return m.innerSiteCount + m.outerSiteCount + m.pathSiteCount + 1;
}

std::string formatKeywordFile(const CircuitModel& m, const RunResults& results,
                              const SessionState& session)
{
    const int R = results.shownRevolutionCount;
    const int N = circuitSiteCount(m);
    const int S = results.scanCount;
    std::string text;
    if (R > 0 && S > 0 && N > 0)
        text.reserve(static_cast<std::size_t>(S) * R * (N + 1) * 32 + 4096);
    KeywordWriter w(text);

    w.keyword("STIMULUS-SITE");
    w.integer(m.stimulusSite).end();
    w.keyword("SINGLE-OR-TRAINS");
    w.integer(m.stimulationMode).end();
    w.keyword("NUMBER-OF-REVOLUTION");
    w.integer(m.revolutionCount).integer(R).end();
    w.keyword("SCAN-STIMULI-IN-DECREMENTS-OF");
    w.real(m.scanDecrementMs).end();
    w.keyword("NUMBER-OF-STIMULI");
    w.integer(m.trainStimulusCount).end();
    w.keyword("PACING-CYCLE-LENGTH");
    w.real(m.pacingCycleLength).end();
    w.keyword("COUPLING-INTERVAL-OF-FIRST-BEAT");
    w.real(m.firstCouplingInterval).end();
    w.keyword("**SET-CLOCK-(Q)-TO-SCAN-IN-INCREMENTS-OF");
    w.real(m.clockStep).end();
    w.keyword("SITE-TO-BE-DISPLAYED(ALL-OR-SELECTED-10)");
    w.integer(m.displayAllSites).end();
    w.keyword("SITE");
    for (int k = 1; k <= 10; ++k)
        w.integer(m.displayedSites[k]).end();
    w.keyword("SITE-TO-BE-DISPLAYED(EKG)");
    for (int channel = 1; channel <= kKeywordEcgChannels; ++channel)
        w.integer(m.ecgChannelSite[channel]).end();
    w.keyword("RESULT");
    w.integer(R).integer(N).integer(S).end();
    w.keyword("RESULT");
    // Counts beyond the arrays are written as they are but never indexed; the
    // reader's check of the finished text then refuses the save.
    for (int s = 1; s <= S && s <= kMaxScanSteps; ++s) {
        for (int r = 1; r <= R && r <= kMaxRevolutions; ++r) {
            for (int x = 1; x <= N && x <= kMaxResultSites; ++x) {
                const ActivationRecord& a = results.SiteActivation[s][x][r];
                w.real(a.time).real(a.code).real(a.erp).end();
            }
            const RevolutionIndex& index = results.RevolutionIndices[s][r];
            w.real(index.fusionIndex).real(index.antidromicFraction).end();
        }
        const ScanStepRecord& step = results.ScanStepRecords[s];
        w.real(step.couplingInterval).real(step.stimulusSite).real(step.noteFlag)
            .real(step.captured).end();
    }
    w.keyword("MOUSE-NUM");
    w.integer(session.caliperCount).end();
    w.keyword("MOUSE-POSITION");
    for (int k = 0; k < session.caliperCount && k < kMaxCaliperMarks; ++k) {
        const CaliperMark& mark = session.caliperMarks[k];
        w.real(mark.leftX).real(mark.firstHeight).real(mark.rightX).real(mark.barHeight)
            .integer(mark.intervalMs).end();
    }
    w.keyword("SCROLL-BAR4-MAX-POSITION");
    w.integer(session.scrollBar4.maximum).integer(session.scrollBar4.position).end();
    w.keyword("SCROLL-BAR3-MAX-POSITION");
    w.integer(session.scrollBar3.maximum).integer(session.scrollBar3.position).end();
    w.keyword("SCROLL-BAR2-MAX-POSITION");
    w.integer(session.scrollBar2.maximum).integer(session.scrollBar2.position).end();
    w.keyword("CHECKBOX6-flagSIZE");
    w.integer(session.ecgFlagSize).end();
    w.keyword("CHECKBOX7-flagBCLEAR");
    w.integer(session.ecgFlagBClear).end();
    w.keyword("CHECKBOX-ERP");
    w.integer(session.displayErp).end();
    w.keyword("END-OF-DATA");
    return text;
}

namespace {

bool flag(RecordReader& r, int& value, std::string_view what)
{
    return r.record(1, what) && r.integer(1, value) && r.intRange(1, value, 0, 1, what);
}

bool count(RecordReader& r, int& value, int highest, std::string_view what)
{
    return r.record(1, what) && r.integer(1, value) && r.intRange(1, value, 0, highest, what);
}

bool site(RecordReader& r, int& value, std::string_view what)
{
    return r.record(1, what) && r.integer(1, value) && r.intRange(1, value, 1, kLastSite, what);
}

bool real(RecordReader& r, double& value, std::string_view what)
{
    return r.record(1, what) && r.real(1, value);
}

bool positive(RecordReader& r, int field, double value, std::string_view what)
{
    if (!r.ok())
        return false;
    if (!(value > 0.0))
        return r.fail(field, std::string(what) + " must be above 0");
    return true;
}

bool scrollBar(RecordReader& r, ScrollBarState& bar, std::string_view what)
{
    return r.record(2, what) && r.integer(1, bar.maximum) && r.integer(2, bar.position);
}

// The result blocks: S steps of R revolutions of N site lines and one index line,
// then the step's summary line.
bool resultBlocks(RecordReader& r, RunResults& results, int siteCount)
{
    const int R = results.shownRevolutionCount;
    const int S = results.scanCount;
    for (int s = 1; s <= S; ++s) {
        for (int rev = 1; rev <= R; ++rev) {
            for (int x = 1; x <= siteCount; ++x) {
                ActivationRecord& a = results.SiteActivation[s][x][rev];
                if (!(r.record(3, "a site line of the results") && r.real(1, a.time) &&
                      r.real(2, a.code) && r.real(3, a.erp)))
                    return false;
                if (!(a.code >= 0.0 && a.code <= 7.0 && a.code == std::floor(a.code)))
                    return r.fail(2, "the activation code " + quotedField(std::to_string(a.code)) +
                                         " is not one of 0 to 7");
                if (a.code == 3.0) {
                    results.captureLamp = 1;
                    ++results.captureCodeCount;
                }
            }
            RevolutionIndex& index = results.RevolutionIndices[s][rev];
            if (!(r.record(2, "a fusion and antidromic line of the results") &&
                  r.real(1, index.fusionIndex) && r.real(2, index.antidromicFraction)))
                return false;
        }
        ScanStepRecord& step = results.ScanStepRecords[s];
        if (!(r.record(4, "a scan-step line of the results") && r.real(1, step.couplingInterval) &&
              r.real(2, step.stimulusSite) && r.real(3, step.noteFlag) && r.real(4, step.captured)))
            return false;
    }
    return true;
}

}  // namespace

std::optional<FileProblem> parseKeywordFile(std::string_view text, int siteCount,
                                            KeywordFileData& d)
{
    RecordReader r(text);
    RunResults& results = *d.results;
    results.captureLamp = 0;
    results.captureCodeCount = 0;
    if (siteCount < 1 || siteCount > kMaxResultSites)
        return FileProblem{"", 0, 0,
                           "cannot belong to a circuit of " + std::to_string(siteCount) + " sites"};

    r.keyword("STIMULUS-SITE") && site(r, d.stimulusSite, "the stimulus site") &&
        r.keyword("SINGLE-OR-TRAINS") &&
        flag(r, d.stimulationMode, "the choice of single stimuli or trains") &&
        r.keyword("NUMBER-OF-REVOLUTION") && r.record(2, "the numbers of revolutions") &&
        r.integer(1, d.revolutionCount) &&
        r.intRange(1, d.revolutionCount, 0, 30, "the number of revolutions") &&
        r.integer(2, d.revolutionsHeld) &&
        r.intRange(2, d.revolutionsHeld, 0, kMaxRevolutions, "the number of revolutions held") &&
        r.keyword("SCAN-STIMULI-IN-DECREMENTS-OF") &&
        real(r, d.scanDecrementMs, "the scan decrement") &&
        positive(r, 1, d.scanDecrementMs, "the scan decrement") &&
        r.keyword("NUMBER-OF-STIMULI") &&
        count(r, d.trainStimulusCount, 25, "the number of stimuli in a train") &&
        r.keyword("PACING-CYCLE-LENGTH") &&
        real(r, d.pacingCycleLength, "the pacing cycle length") &&
        r.keyword("COUPLING-INTERVAL-OF-FIRST-BEAT") &&
        real(r, d.firstCouplingInterval, "the coupling interval of the first beat") &&
        r.keyword("**SET-CLOCK-(Q)-TO-SCAN-IN-INCREMENTS-OF") &&
        real(r, d.clockStep, "the clock increment") &&
        positive(r, 1, d.clockStep, "the clock increment") &&
        r.keyword("SITE-TO-BE-DISPLAYED(ALL-OR-SELECTED-10)") &&
        flag(r, d.displayAllSites, "the choice of all or selected-10 sites") &&
        r.keyword("SITE");
    for (int k = 1; k <= 10 && r.ok(); ++k)
        site(r, d.displayedSites[k], "displayed site " + std::to_string(k));
    r.keyword("SITE-TO-BE-DISPLAYED(EKG)");
    for (int channel = 1; channel <= kKeywordEcgChannels && r.ok(); ++channel)
        site(r, d.ecgChannelSite[channel], "the site of ECG channel " + std::to_string(channel));

    if (r.keyword("RESULT") && r.record(3, "the result counts") &&
        r.integer(1, results.shownRevolutionCount) &&
        r.intRange(1, results.shownRevolutionCount, 0, kMaxRevolutions,
                   "the number of revolutions per scan step") &&
        r.integer(2, d.siteCount) && r.integer(3, results.scanCount) &&
        r.intRange(3, results.scanCount, 0, kMaxScanSteps, "the number of scan steps")) {
        if (d.siteCount != siteCount)
            r.fail(2, "the results have " + std::to_string(d.siteCount) +
                          " sites, the circuit has " + std::to_string(siteCount));
    }
    r.keyword("RESULT") && resultBlocks(r, results, siteCount);

    r.keyword("MOUSE-NUM") &&
        count(r, d.caliperCount, kMaxCaliperMarks, "the number of caliper marks") &&
        r.keyword("MOUSE-POSITION");
    for (int k = 0; k < d.caliperCount && r.ok(); ++k) {
        CaliperMark& mark = d.caliperMarks[k];
        r.record(5, "caliper mark " + std::to_string(k + 1)) && r.real(1, mark.leftX) &&
            r.real(2, mark.firstHeight) && r.real(3, mark.rightX) && r.real(4, mark.barHeight) &&
            r.integer(5, mark.intervalMs);
    }
    r.keyword("SCROLL-BAR4-MAX-POSITION") && scrollBar(r, d.scrollBar4, "ScrollBar4") &&
        r.keyword("SCROLL-BAR3-MAX-POSITION") && scrollBar(r, d.scrollBar3, "ScrollBar3") &&
        r.keyword("SCROLL-BAR2-MAX-POSITION") && scrollBar(r, d.scrollBar2, "ScrollBar2") &&
        r.keyword("CHECKBOX6-flagSIZE") && flag(r, d.ecgFlagSize, "the CheckBox6 flag") &&
        r.keyword("CHECKBOX7-flagBCLEAR") && flag(r, d.ecgFlagBClear, "the CheckBox7 flag") &&
        r.keyword("CHECKBOX-ERP") && flag(r, d.displayErp, "the display ERP flag") &&
        r.keyword("END-OF-DATA");
    if (!r.ok())
        return r.problem();
    results.resultsLoaded = 1;
    return std::nullopt;
}

void applyKeywordFile(const KeywordFileData& d, CircuitModel& m, RunResults& results,
                      SessionState& session)
{
    m.stimulusSite = d.stimulusSite;
    m.stimulationMode = d.stimulationMode;
    m.revolutionCount = d.revolutionCount;
    m.scanDecrementMs = d.scanDecrementMs;
    m.trainStimulusCount = d.trainStimulusCount;
    m.pacingCycleLength = d.pacingCycleLength;
    m.firstCouplingInterval = d.firstCouplingInterval;
    m.clockStep = d.clockStep;
    m.displayAllSites = d.displayAllSites;
    for (int k = 1; k <= 10; ++k)
        m.displayedSites[k] = d.displayedSites[k];
    for (int channel = 1; channel <= kKeywordEcgChannels; ++channel)
        m.ecgChannelSite[channel] = d.ecgChannelSite[channel];
    m.ecgChannelSite[17] = d.stimulusSite;   // the movie strip follows the stimulus site

    results = *d.results;

    session.caliperCount = d.caliperCount;
    for (int k = 0; k < kMaxCaliperMarks; ++k)
        session.caliperMarks[k] = k < d.caliperCount ? d.caliperMarks[k] : CaliperMark{};
    session.scrollBar4 = d.scrollBar4;
    session.scrollBar3 = d.scrollBar3;
    session.scrollBar2 = d.scrollBar2;
    session.ecgFlagSize = d.ecgFlagSize;
    session.ecgFlagBClear = d.ecgFlagBClear;
    session.displayErp = d.displayErp;
}

void clearRunResults(RunResults& results)
{
    for (auto& step : results.SiteActivation)
        for (auto& site : step)
            for (auto& record : site)
                record = ActivationRecord{};
    for (auto& step : results.RevolutionIndices)
        for (auto& index : step)
            index = RevolutionIndex{};
    for (auto& record : results.ScanStepRecords)
        record = ScanStepRecord{};
    results.shownRevolutionCount = 0;
    results.scanCount = 0;
    results.captureCodeCount = 0;
    results.captureLamp = 0;
    results.resultsLoaded = 0;
}

}  // namespace quorel
