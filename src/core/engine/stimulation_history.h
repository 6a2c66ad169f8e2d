#pragma once
// The stimulation history ("previous stimulation", ListView1): one row per run.

#include <string>
#include <vector>

namespace quorel {

struct HistoryRow {
    std::string time;               // caption: date and time at the end of the run
    std::string mode;               // "S/T": "Single" or "Train"
    std::string site;               // "site"
    std::string revolutions;        // "rev."
    std::string decrement;          // "dec.", empty for a train
    std::string stimuli;            // "num"
    std::string pacingCycleLength;  // "S1-S1", empty for single stimuli
    std::string couplingInterval;   // "R-S1", empty for single stimuli
};

struct StimulationHistory {
    std::vector<HistoryRow> rows;   // the row counter is rows.size()
};

}  // namespace quorel
