#include "model/circuit_description.h"

#include "model/conduction.h"
#include "text/number_text.h"

namespace quorel {

CircuitDescription describeCircuit(const CircuitModel& m)
{
    using std::to_string;
    const int n = m.innerSiteCount;
    const int outer = m.outerSiteCount;
    const int d = m.delaySegmentCount;
    const int e1 = m.deadEnd1SegmentCount;
    CircuitDescription desc;
    desc.Label46 = to_string(n);
    desc.Label51 = to_string(m.connectionSite);
    desc.Label54 = to_string(n + outer + 1);
    desc.Label58 = to_string(m.qrsSite);
    desc.Label60 = generalText(m.delayDistanceCm);
    desc.Label63 = to_string(n + outer + 2);
    desc.Label65 = to_string(m.qrsSite);
    desc.Label68 = to_string(n + outer + d + 2);
    desc.Label70 = to_string(m.deadEnd1LastSite);
    desc.Label72 = to_string(m.deadEnd1Site);
    desc.Label74 = to_string(n + outer + d + e1 + 2);
    desc.Label76 = to_string(m.deadEnd2LastSite);
    desc.Label78 = to_string(m.deadEnd2Site);
    desc.Label101 = to_string(n + 1);
    desc.Label103 = to_string(n + 2);
    desc.Label105 = fixedText(m.circuitRadius, 4);
    desc.Label107 = fixedText(n * m.innerSpacing, 4);
    desc.Label110 = fixedText(m.innerSpacing, 4);
    desc.Label113 = fixedText(m.outerSpacing, 4);
    desc.Label116 = fixedText(m.outerInnerRatio, 4);
    desc.Label118 = fixedText(m.outerInnerRatio * m.circuitRadius, 4);
    desc.Label158 = cycleLengthLabels(m).Label158;
    desc.delayLinesEnabled = m.hasDelayPath != 0;
    desc.deadEnd1LineEnabled = m.hasDeadEnd1 != 0;
    desc.deadEnd2LineEnabled = m.hasDeadEnd2 != 0;
    return desc;
}

std::vector<CircuitDescriptionLine> circuitDescriptionLines(const CircuitDescription& d)
{
    return {
        {"sites1 to " + d.Label46 + " are in the inner circuit", true},
        {"site1 is in slow tissue at exit from circuit", true},
        {"wave front circulates from 1 >> 2 >> 3 >> 4 >> >> >> >> 1", true},
        {"site " + d.Label51 + " is an entrance to the common pathway in the figure8", true},
        {"site " + d.Label54 + " is in the outer loop adjacent to the common path entrance", true},
        {"site " + d.Label58 + " is at the QRS onset " + d.Label60 + " cm from site1",
         d.delayLinesEnabled},
        {"sites " + d.Label63 + " to site " + d.Label65 +
             " are between the circuit exit and the QRS onset",
         d.delayLinesEnabled},
        {"sites " + d.Label68 + " to site " + d.Label70 +
             " are in a dead-end pathway connected to site " + d.Label72,
         d.deadEnd1LineEnabled},
        {"sites " + d.Label74 + " to site " + d.Label76 +
             " are in a 2nd dead-end pathway connected to site " + d.Label78,
         d.deadEnd2LineEnabled},
        {"site " + d.Label101 + " = site1 and describes the segment from site1 to site " +
             d.Label103,
         true},
        {"inner circuit radius = " + d.Label105 + " m  and circumference = " + d.Label107 + " m",
         true},
        {"distance between inner loop sites = " + d.Label110 + " m", true},
        {"distance between outer loop sites = " + d.Label113 + " m", true},
        {"ratio of outer / inner circuit radius = " + d.Label116, true},
        {"outer circuit radius = " + d.Label118 + " m", true},
        {"estimated VT cycle length = " + d.Label158 + " sec", true},
    };
}

}  // namespace quorel
