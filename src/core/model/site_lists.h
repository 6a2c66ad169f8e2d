#pragma once
// The site choosers: every list offers "site1" .. "site" + totalSiteCount.

#include "model/circuit_model.h"

#include <string>

namespace quorel {

// Item text of list index i (site i + 1): "site12" for index 11.
std::string siteItemText(int index);

// ComboBoxS, ComboBoxMOV and ComboBoxE1..E16, once after each change of the circuit
// (siteChoosersStale); returns whether the lists were refilled (the window then rebuilds
// its combo boxes). A refill puts the stimulus and every ECG channel on site 1.
bool fillSiteChoosers(CircuitModel& m);
// ComboBox1..ComboBox10 and the displayed sites of the result sheet (displayListsStale).
bool fillDisplaySiteLists(CircuitModel& m);

}  // namespace quorel
