#pragma once
// The colour of a site's region of the circuit, shared by every view that shows
// sites: result header, parameter tables, site lists and ECG channels.

#include "model/circuit_model.h"

namespace quorel {

constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kRed = 0xFF0000;
constexpr Rgb kBlue = 0x0000FF;
constexpr Rgb kBlack = 0x000000;

// Region colours, in the order in which siteColour tries them.
constexpr Rgb kClosingNodeColour = 0xFFFFAA;      // site n + 1
constexpr Rgb kLastOuterSiteColour = 0xDDDDFF;    // site n + m + 1
constexpr Rgb kDelayPathColour = 0xCCFFCC;        // delay-path sites after the first
constexpr Rgb kFirstDelaySiteColour = 0xAAFFAA;
constexpr Rgb kFirstDeadEnd1Colour = 0xFFAAFF;
constexpr Rgb kDeadEnd1Colour = 0xFFCCFF;
constexpr Rgb kFirstDeadEnd2Colour = 0xAAFFFF;
constexpr Rgb kDeadEnd2Colour = 0xCCFFFF;
constexpr Rgb kInnerBeforeEntranceColour = 0xFFFFCC;   // inner loop before the common pathway
constexpr Rgb kCommonPathColour = 0xFFDDCC;            // rest of the inner loop
constexpr Rgb kOuterBeforeScarColour = 0xFFFFFF;
constexpr Rgb kScarColour = 0xDDDDFF;                  // outer loop from the scar entry on

// The QRS reference site: qrsSite with a delay path, otherwise site 1.
int referenceSite(const CircuitModel& m);

// Region colour of a site. With highlight the reference site (and, without a delay
// path, the closing node n + 1) turns yellow and the stimulus site red, the stimulus
// site winning.
Rgb siteColour(const CircuitModel& m, int site, bool highlight);

}  // namespace quorel
