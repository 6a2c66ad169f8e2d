#include "engine/run_history.h"

#include "text/number_text.h"

namespace quorel {

HistoryRow makeHistoryRow(const CircuitModel& m, std::string timeText)
{
    HistoryRow row;
    row.time = std::move(timeText);
    row.site = std::to_string(m.stimulusSite);
    if (m.stimulationMode == 1) {
        row.mode = "Single";
        row.revolutions = std::to_string(m.revolutionCount);
        row.decrement = generalText(m.scanDecrementMs);
        row.stimuli = "1";
    } else {
        row.mode = "Train";
        row.revolutions = std::to_string(m.trainStimulusCount + 5);
        row.stimuli = std::to_string(m.trainStimulusCount);
        row.pacingCycleLength = fixedText(m.pacingCycleLength, 4);
        row.couplingInterval = fixedText(m.firstCouplingInterval, 4);
    }
    return row;
}

std::string dateTimeText(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char buffer[32];
    const std::size_t length = std::strftime(buffer, sizeof buffer, "%Y/%m/%d %H:%M:%S", &local);
    return std::string(buffer, length);
}

std::string localDateTimeText()
{
    return dateTimeText(std::time(nullptr));
}

}  // namespace quorel
