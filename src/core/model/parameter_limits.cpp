#include "model/parameter_limits.h"

namespace quorel {

namespace {

using M = CircuitModel;
constexpr auto I = BoxKind::Integer;
constexpr auto R = BoxKind::Real;

const ParameterBox kBoxes[] = {
    {1, "circuitRadius", R, 0.01, 0.99, 0.01, 5, 3, nullptr, &M::circuitRadius},
    {2, "cardiacRadius", R, 0.01, 0.99, 0.01, 5, 3, nullptr, &M::cardiacRadius, 0.5, 0.5},
    {3, "outerInnerRatio", R, 0.1, 10, 0.1, 5, 3, nullptr, &M::outerInnerRatio},
    {4, "innerSiteCount", I, 11, 40, 1, 2, 0, &M::innerSiteCount, nullptr, 40, 40},
    {5, "connectionSite", I, 9, 39, 1, 2, 0, &M::connectionSite, nullptr, 38, 38},
    {6, "scarEntrySite", I, 1, 99, 1, 2, 0, &M::scarEntrySite, nullptr},
    {8, "outerSiteCount", I, 7, 99, 1, 2, 0, &M::outerSiteCount, nullptr, 42, 42},
    {9, "delayDistanceCm", R, 0.1, 10, 0.1, 3, 1, nullptr, &M::delayDistanceCm, 5, 5},
    {10, "delaySegmentCount", I, 1, 10, 1, 0, 0, &M::delaySegmentCount, nullptr, 5, 5},
    {11, "deadEnd1Site", I, 1, 99, 1, 2, 0, &M::deadEnd1Site, nullptr},
    {12, "deadEnd1DistanceCm", R, 0.1, 10, 0.1, 3, 1, nullptr, &M::deadEnd1DistanceCm, 5, 5},
    {13, "deadEnd1SegmentCount", I, 1, 99, 1, 1, 0, &M::deadEnd1SegmentCount, nullptr, 5, 5},
    {14, "deadEnd2Site", I, 1, 99, 1, 2, 0, &M::deadEnd2Site, nullptr},
    {15, "deadEnd2DistanceCm", R, 0.1, 10, 0.1, 3, 1, nullptr, &M::deadEnd2DistanceCm, 5, 5},
    {16, "deadEnd2SegmentCount", I, 1, 99, 1, 1, 0, &M::deadEnd2SegmentCount, nullptr, 5, 5},
    {19, "clockStep", R, 0.0001, 0.01, 0.0001, 6, 4, nullptr, &M::clockStep, 0.005, 0.005},
    {20, "revolutionCount", I, 1, 30, 1, 2, 0, &M::revolutionCount, nullptr, 30, 30},
    {21, "trainStimulusCount", I, 1, 25, 1, 2, 0, &M::trainStimulusCount, nullptr, 25, 25},
    {23, "pacingCycleLength", R, 0.001, 1, 0.01, 5, 3, nullptr, &M::pacingCycleLength, 1, 0.99, true},
    {24, "firstCouplingInterval", R, 0.001, 1, 0.01, 5, 3, nullptr, &M::firstCouplingInterval, 1, 1},
    {25, "scanDecrementMs", R, 1, 100, 10, 5, 0, nullptr, &M::scanDecrementMs, 100, 100},
};

}  // namespace

const int kParameterBoxTags[21] = {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 19, 20, 21, 23, 24, 25};

std::optional<ParameterBox> parameterBox(int tag)
{
    for (const ParameterBox& box : kBoxes)
        if (box.tag == tag)
            return box;
    return std::nullopt;
}

double boxValue(const CircuitModel& m, const ParameterBox& box)
{
    return box.intField ? static_cast<double>(m.*box.intField) : m.*box.realField;
}

std::optional<double> upperEntryCorrection(const ParameterBox& box, double value)
{
    if (box.entryMaximum == 0.0)
        return std::nullopt;
    const bool beyond = box.correctsAtMaximum ? value >= box.entryMaximum : value > box.entryMaximum;
    return beyond ? std::optional<double>(box.entryCorrection) : std::nullopt;
}

void setBoxValue(CircuitModel& m, const ParameterBox& box, double value)
{
    if (box.intField)
        m.*box.intField = static_cast<int>(value);
    else
        m.*box.realField = value;
}

}  // namespace quorel
