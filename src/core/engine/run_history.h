#pragma once
// The row a run appends to the stimulation history, as data.

#include "engine/stimulation_history.h"
#include "model/circuit_model.h"

#include <ctime>
#include <string>

namespace quorel {

// The columns of the row for the protocol held in the model; `timeText` fills "time".
HistoryRow makeHistoryRow(const CircuitModel& m, std::string timeText);

// Local date and time as "YYYY/MM/DD HH:MM:SS".
std::string dateTimeText(std::time_t when);
std::string localDateTimeText();

}  // namespace quorel
