#include "persistence/circuit_file.h"

#include "persistence/atomic_write.h"
#include "persistence/record_reader.h"
#include "text/number_text.h"

#include <cfloat>
#include <cmath>
#include <memory>

namespace quorel {

namespace {

// The file holds single precision: every real is rounded to a float first. A finite
// value beyond the float range is held at the largest float rather than becoming
// infinite.
double singlePrecision(double value)
{
    if (!std::isfinite(value))
        return value;
    if (value > FLT_MAX)
        return FLT_MAX;
    if (value < -FLT_MAX)
        return -FLT_MAX;
    return static_cast<double>(static_cast<float>(value));
}

std::string realText(double value)
{
    return fileRealText(singlePrecision(value));
}

// A per-site value that must stay inside an open bound can sit so close to it that
// its six-decimal text falls on the bound (a C.V. of 0.9999999 reads back as 1,
// an ERP of 0.0000001 as 0). Such a value is written as the nearest text inside.
std::string boundedText(double value, bool positive, bool belowOne)
{
    std::string text = realText(value);
    const double written = parseReal(text).value_or(value);
    if (positive && value > 0.0 && written <= 0.0)
        return "0.000001";
    if (belowOne && value < 1.0 && written >= 1.0)
        return "0.999999";
    return text;
}

void appendField(std::string& line, const std::string& text)
{
    if (!line.empty() && line.back() != '\n')
        line += ',';
    line += text;
}

int rowCountOf(int inner, int outer, int path)
{
    return inner + outer + path + 1;
}

}  // namespace

std::string formatCircuitFile(const CircuitModel& m)
{
    std::string text;
    text.reserve(64 * kSiteRows);
    std::string header;
    auto real = [&](double v) { appendField(header, realText(v)); };
    auto integer = [&](int v) { appendField(header, std::to_string(v)); };
    real(m.circuitRadius);            // 1
    real(m.cardiacRadius);            // 2
    integer(m.innerSiteCount);        // 3
    integer(m.outerSiteCount);        // 4
    integer(m.scarEntrySite);         // 5
    real(m.estimatedCycleLength);     // 6
    real(m.innerSpacing);             // 7
    real(m.outerSpacing);             // 8
    integer(m.connectionSite);        // 9
    real(m.outerInnerRatio);          // 10
    integer(m.pathSiteCount);         // 11
    integer(m.qrsSite);               // 12
    integer(m.deadEnd1Site);          // 13
    integer(m.deadEnd1LastSite);      // 14
    real(m.delayDistanceCm);          // 15
    real(m.deadEnd1DistanceCm);       // 16
    integer(m.delaySegmentCount);     // 17
    integer(m.deadEnd1SegmentCount);  // 18
    integer(m.deadEnd2Site);          // 19
    integer(m.deadEnd2SegmentCount);  // 20
    real(m.deadEnd2DistanceCm);       // 21
    integer(m.deadEnd2LastSite);      // 22
    text += header;
    text += "\r\n";

    // Never past row 99 of B; a larger count is refused by the reader's check of
    // the finished text, so such a file is never written.
    const int rows = rowCountOf(m.innerSiteCount, m.outerSiteCount, m.pathSiteCount);
    for (int x = 1; x <= rows && x <= kMaxCircuitRows; ++x) {
        std::string line;
        appendField(line, boundedText(cv(m, x), true, true));
        appendField(line, realText(maxErp(m, x)));
        appendField(line, boundedText(erp(m, x), true, false));
        appendField(line, realText(di(m, x)));
        appendField(line, boundedText(sf(m, x), false, true));
        appendField(line, realText(cvOffset(m, x)));
        appendField(line, realText(N1(m, x)));
        text += line;
        text += "\r\n";
    }
    return text;
}

std::optional<FileProblem> parseCircuitFile(std::string_view text, CircuitFileData& d)
{
    RecordReader r(text);
    auto refuse = [&r](int field, std::string detail) {
        r.fail(field, std::move(detail));
        return r.problem();
    };
    if (!r.record(kCircuitHeaderFields, "the header line"))
        return r.problem();

    // Field by field, in the order of the line, so that the first fault is reported.
    r.real(1, d.circuitRadius) && r.real(2, d.cardiacRadius) &&
        r.integer(3, d.innerSiteCount) &&
        r.intRange(3, d.innerSiteCount, 11, 40, "the number of inner-loop sites") &&
        r.integer(4, d.outerSiteCount) &&
        r.intRange(4, d.outerSiteCount, 7, 99, "the number of outer-loop sites") &&
        r.integer(5, d.scarEntrySite) && r.real(6, d.estimatedCycleLength) &&
        r.real(7, d.innerSpacing) && r.real(8, d.outerSpacing) &&
        r.integer(9, d.connectionSite) &&
        r.intRange(9, d.connectionSite, 9, 39, "the site connecting the loops") &&
        r.real(10, d.outerInnerRatio) && r.integer(11, d.pathSiteCount) &&
        r.integer(12, d.qrsSite) && r.intRange(12, d.qrsSite, 0, kMaxCircuitRows, "the QRS site") &&
        r.integer(13, d.deadEnd1Site) && r.integer(14, d.deadEnd1LastSite) &&
        r.intRange(14, d.deadEnd1LastSite, 0, kMaxCircuitRows, "the last dead-end site") &&
        r.real(15, d.delayDistanceCm) && r.real(16, d.deadEnd1DistanceCm) &&
        r.integer(17, d.delaySegmentCount) &&
        r.intRange(17, d.delaySegmentCount, 0, 10, "the number of delay-path segments") &&
        r.integer(18, d.deadEnd1SegmentCount) &&
        r.intRange(18, d.deadEnd1SegmentCount, 0, 99, "the number of dead-end segments") &&
        r.integer(19, d.deadEnd2Site) && r.integer(20, d.deadEnd2SegmentCount) &&
        r.intRange(20, d.deadEnd2SegmentCount, 0, 99, "the number of second dead-end segments") &&
        r.real(21, d.deadEnd2DistanceCm) && r.integer(22, d.deadEnd2LastSite) &&
        r.intRange(22, d.deadEnd2LastSite, 0, kMaxCircuitRows, "the last second dead-end site");
    if (!r.ok())
        return r.problem();

    // The path count decides how many segment lines follow; it must agree with the
    // three segment counts that the circuit is rebuilt from.
    const int segmentSum = d.delaySegmentCount + d.deadEnd1SegmentCount + d.deadEnd2SegmentCount;
    if (d.pathSiteCount != segmentSum)
        return refuse(11, "the number of path sites " + std::to_string(d.pathSiteCount) +
                              " differs from the path segments of fields 17, 18 and 20 (" +
                              std::to_string(segmentSum) + ")");
    d.rowCount = rowCountOf(d.innerSiteCount, d.outerSiteCount, d.pathSiteCount);
    if (d.rowCount > kMaxCircuitRows)
        return refuse(11, "the counts of fields 3, 4 and 11 give " + std::to_string(d.rowCount) +
                              " sites, more than the " + std::to_string(kMaxCircuitRows) +
                              " a circuit can hold");
    const int sites = d.rowCount;
    (r.intRange(9, d.connectionSite, 9, d.innerSiteCount,
                "the site connecting the loops (an inner-loop site)") &&
     r.intRange(5, d.scarEntrySite, 1, sites, "the scar entry site")) &&
        (d.deadEnd1SegmentCount == 0
             ? r.intRange(13, d.deadEnd1Site, 0, kMaxCircuitRows, "the dead-end site")
             : r.intRange(13, d.deadEnd1Site, 1, sites, "the dead-end site")) &&
        (d.deadEnd2SegmentCount == 0
             ? r.intRange(19, d.deadEnd2Site, 0, kMaxCircuitRows, "the second dead-end site")
             : r.intRange(19, d.deadEnd2Site, 1, sites, "the second dead-end site"));
    if (!r.ok())
        return r.problem();

    for (int x = 1; x <= sites; ++x) {
        double* row = d.rows[x];
        if (!r.record(kSegmentLineFields, "the segment line of row " + std::to_string(x)))
            return r.problem();
        for (int f = 0; f < kSegmentLineFields; ++f)
            if (!r.real(f + 1, row[f]))
                return r.problem();
        const double cvValue = row[0], erpValue = row[2], sfValue = row[4];
        if (!(cvValue > 0.0 && cvValue < 1.0))
            return refuse(1, "the C.V. " + fileRealText(cvValue) + " is not between 0 and 1");
        if (!(erpValue > 0.0))
            return refuse(3, "the ERP " + fileRealText(erpValue) + " is not above 0");
        if (!(sfValue >= 0.0 && sfValue < 1.0))
            return refuse(5, "the S.F. " + fileRealText(sfValue) + " is not from 0 to below 1");
    }
    // What follows the last segment line is not part of the circuit and is ignored.
    return std::nullopt;
}

void applyCircuitFile(const CircuitFileData& d, CircuitModel& m)
{
    m.circuitRadius = d.circuitRadius;
    m.cardiacRadius = d.cardiacRadius;
    m.innerSiteCount = d.innerSiteCount;
    m.outerSiteCount = d.outerSiteCount;
    m.scarEntrySite = d.scarEntrySite;
    m.estimatedCycleLength = d.estimatedCycleLength;
    m.innerSpacing = d.innerSpacing;
    m.outerSpacing = d.outerSpacing;
    m.connectionSite = d.connectionSite;
    m.outerInnerRatio = d.outerInnerRatio;
    m.pathSiteCount = d.pathSiteCount;
    m.qrsSite = d.qrsSite;
    m.deadEnd1Site = d.deadEnd1Site;
    m.deadEnd1LastSite = d.deadEnd1LastSite;
    m.delayDistanceCm = d.delayDistanceCm;
    m.deadEnd1DistanceCm = d.deadEnd1DistanceCm;
    m.delaySegmentCount = d.delaySegmentCount;
    m.deadEnd1SegmentCount = d.deadEnd1SegmentCount;
    m.deadEnd2Site = d.deadEnd2Site;
    m.deadEnd2SegmentCount = d.deadEnd2SegmentCount;
    m.deadEnd2DistanceCm = d.deadEnd2DistanceCm;
    m.deadEnd2LastSite = d.deadEnd2LastSite;
    for (int x = 1; x <= d.rowCount && x <= kMaxCircuitRows; ++x) {
        const double* row = d.rows[x];
        cv(m, x) = row[0];
        maxErp(m, x) = row[1];
        erp(m, x) = row[2];
        di(m, x) = row[3];
        sf(m, x) = row[4];
        cvOffset(m, x) = row[5];
        N1(m, x) = row[6];
    }
}

void deriveStructureSwitches(CircuitModel& m)
{
    m.equalSegments = (m.outerInnerRatio == 1.0 && m.connectionSite - 2 == m.outerSiteCount) ? 1 : 0;
    m.hasDelayPath = m.delaySegmentCount != 0 ? 1 : 0;
    m.hasDeadEnd1 = m.deadEnd1SegmentCount != 0 ? 1 : 0;
    m.hasDeadEnd2 = m.deadEnd2SegmentCount != 0 ? 1 : 0;
}

std::optional<FileProblem> writeCircuitFile(const std::string& path, const CircuitModel& m)
{
    const std::string text = formatCircuitFile(m);
    auto check = std::make_unique<CircuitFileData>();
    if (auto problem = parseCircuitFile(text, *check)) {
        problem->path = path;
        problem->writing = true;
        problem->detail = "the circuit holds a value that the file cannot carry (" +
                          problem->detail + ")";
        return problem;
    }
    return writeFileAtomically(path, text);
}

std::optional<FileProblem> readCircuitFile(const std::string& path, CircuitModel& m)
{
    std::string text;
    if (auto problem = readWholeFile(path, text))
        return problem;
    auto data = std::make_unique<CircuitFileData>();
    if (auto problem = parseCircuitFile(text, *data)) {
        problem->path = path;
        return problem;
    }
    applyCircuitFile(*data, m);
    return std::nullopt;
}

}  // namespace quorel
