#include "persistence/unsaved_work.h"

#include "persistence/circuit_file.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace quorel {

namespace {

// FNV-1a over the bytes of the work, in a fixed order.
class Digest {
public:
    void add(const void* data, std::size_t size)
    {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            value_ ^= bytes[i];
            value_ *= 1099511628211ull;
        }
    }
    void addText(std::string_view text)
    {
        add(text.data(), text.size());
        add(static_cast<std::uint64_t>(text.size()));
    }
    template <typename T>
    void add(const T& value)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        add(&value, sizeof value);
    }
    std::uint64_t value() const { return value_; }

private:
    std::uint64_t value_ = 14695981039346656037ull;
};

}  // namespace

std::uint64_t workFingerprint(const CircuitModel& m, const RunResults& results, const SessionState& session)
{
    Digest d;
    d.addText(formatCircuitFile(m));
    for (double value : {m.revolutionCount * 1.0, m.scanDecrementMs, m.trainStimulusCount * 1.0,
                         m.pacingCycleLength, m.firstCouplingInterval, m.clockStep})
        d.add(value);
    for (int value : {m.stimulusSite, m.stimulationMode, m.displayAllSites})
        d.add(value);
    d.add(m.displayedSites);
    d.add(m.ecgChannelSite);

    for (const std::string& line : session.memoLines)
        d.addText(line);
    d.add(session.memoLines.size());
    for (const HistoryRow& row : session.history.rows)
        for (const std::string* cell : {&row.time, &row.mode, &row.site, &row.revolutions, &row.decrement,
                                        &row.stimuli, &row.pacingCycleLength, &row.couplingInterval})
            d.addText(*cell);
    d.add(session.history.rows.size());
    const int marks = std::clamp(session.caliperCount, 0, kMaxCaliperMarks);
    d.add(marks);
    for (int i = 0; i < marks; ++i)
        d.add(session.caliperMarks[i]);

    // The results held: the steps, sites and revolutions a run or a file wrote.
    const int steps = std::clamp(results.scanCount, 0, kMaxScanSteps);
    const int revolutions = std::clamp(results.shownRevolutionCount, 0, kMaxRevolutions);
    d.add(steps);
    d.add(revolutions);
    for (int s = 1; s <= steps; ++s) {
        for (int site = 1; site <= kMaxResultSites; ++site)
            d.add(&results.SiteActivation[s][site][1], sizeof(ActivationRecord) * static_cast<std::size_t>(revolutions));
        d.add(&results.RevolutionIndices[s][1], sizeof(RevolutionIndex) * static_cast<std::size_t>(revolutions));
        d.add(results.ScanStepRecords[s]);
    }
    return d.value();
}

}  // namespace quorel
