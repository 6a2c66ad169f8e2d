#pragma once
// Helpers shared by the persistence tests: a scratch folder, whole-file access,
// text edits by line and field, and a comparison of two models.

#include "model/circuit_model.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorel::testing {


// Lines of a CR LF text, without their line ends.
inline std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline std::string joinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

inline std::vector<std::string> fieldsOf(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos)
            return fields;
        start = comma + 1;
    }
}

// Replaces field `field` (1-based) of line `line` (1-based) of a CR LF text.
inline std::string withField(const std::string& text, int line, int field, const std::string& value)
{
    auto lines = linesOf(text);
    auto fields = fieldsOf(lines.at(line - 1));
    fields.at(field - 1) = value;
    std::string joined;
    for (std::size_t k = 0; k < fields.size(); ++k)
        joined += (k ? "," : "") + fields[k];
    lines[line - 1] = joined;
    return joinLines(lines);
}

inline std::string withLine(const std::string& text, int line, const std::string& value)
{
    auto lines = linesOf(text);
    lines.at(line - 1) = value;
    return joinLines(lines);
}

inline std::string firstLines(const std::string& text, int count)
{
    auto lines = linesOf(text);
    lines.resize(static_cast<std::size_t>(count));
    return joinLines(lines);
}

// Every parameter, switch, derived value and the whole site array.
// Rows of B beyond `rows` are not compared (a load leaves rows past its circuit alone).
inline void expectSameModel(const CircuitModel& a, const CircuitModel& b, int rows = kSiteRows - 1)
{
#define QUOREL_SAME(field) EXPECT_EQ(a.field, b.field) << #field
    QUOREL_SAME(circuitRadius); QUOREL_SAME(cardiacRadius); QUOREL_SAME(outerInnerRatio);
    QUOREL_SAME(innerSiteCount); QUOREL_SAME(connectionSite); QUOREL_SAME(scarEntrySite);
    QUOREL_SAME(outerSiteCount); QUOREL_SAME(delayDistanceCm); QUOREL_SAME(delaySegmentCount);
    QUOREL_SAME(deadEnd1Site); QUOREL_SAME(deadEnd1DistanceCm); QUOREL_SAME(deadEnd1SegmentCount);
    QUOREL_SAME(deadEnd2Site); QUOREL_SAME(deadEnd2DistanceCm); QUOREL_SAME(deadEnd2SegmentCount);
    QUOREL_SAME(clockStep); QUOREL_SAME(revolutionCount); QUOREL_SAME(scanDecrementMs);
    QUOREL_SAME(trainStimulusCount); QUOREL_SAME(pacingCycleLength);
    QUOREL_SAME(firstCouplingInterval); QUOREL_SAME(stimulusSite); QUOREL_SAME(stimulationMode);
    QUOREL_SAME(equalSegments); QUOREL_SAME(hasDelayPath); QUOREL_SAME(hasDeadEnd1);
    QUOREL_SAME(hasDeadEnd2); QUOREL_SAME(pathSiteCount); QUOREL_SAME(totalSiteCount);
    QUOREL_SAME(qrsSite); QUOREL_SAME(deadEnd1LastSite); QUOREL_SAME(deadEnd2LastSite);
    QUOREL_SAME(innerSpacing); QUOREL_SAME(outerSpacing); QUOREL_SAME(estimatedCycleLength);
    QUOREL_SAME(innerLoopTime); QUOREL_SAME(outerLoopTime);
    QUOREL_SAME(parametersChanged); QUOREL_SAME(loadingFile); QUOREL_SAME(displayAllSites);
#undef QUOREL_SAME
    EXPECT_EQ(std::memcmp(a.displayedSites, b.displayedSites, sizeof a.displayedSites), 0);
    EXPECT_EQ(std::memcmp(a.ecgChannelSite, b.ecgChannelSite, sizeof a.ecgChannelSite), 0);
    int differing = 0;
    for (int plane = 0; plane < kPlaneCount; ++plane)
        for (int x = 0; x <= rows; ++x)
            differing += std::memcmp(a.B[plane][x], b.B[plane][x], sizeof a.B[plane][x]) != 0;
    EXPECT_EQ(differing, 0) << "rows of the site array B differ";
}

}  // namespace quorel::testing
