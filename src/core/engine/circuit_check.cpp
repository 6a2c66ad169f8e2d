#include "engine/circuit_check.h"

#include "text/number_text.h"

#include <cmath>

namespace quorel {

const char* const kCheckRowTitles[4] = {"site", "C.V.(m/s)", "ERP(sec)", "Scale F."};

namespace {

CheckColumn columnOf(const CircuitModel& m, int i, std::string site)
{
    return {std::move(site), generalText(cv(m, i)), generalText(erp(m, i)), generalText(sf(m, i))};
}

bool nearRefractory(const CircuitModel& m, int a, int b, double conductionTime)
{
    return std::fabs(erp(m, a) - conductionTime) < 0.01 ||
           std::fabs(erp(m, b) - conductionTime) < 0.01;
}

}  // namespace

bool deadEndsConflict(const CircuitModel& m)
{
    return m.hasDeadEnd1 == 1 && m.hasDeadEnd2 == 1 && m.deadEnd2Site == m.deadEnd1Site;
}

bool stimulusOutsideInnerLoop(const CircuitModel& m)
{
    const int n = m.innerSiteCount;
    const int s = m.stimulusSite;
    return n < s && s < n + m.outerSiteCount + m.delaySegmentCount + 2;
}

bool stimulusOnUnconnectedDeadEnd(const CircuitModel& m)
{
    const int n = m.innerSiteCount;
    return m.stimulusSite > n + m.outerSiteCount + m.delaySegmentCount + 2 &&
           m.deadEnd1Site > n;
}

LampState evaluateLamp(CircuitModel& m)
{
    const bool missingSegments = (m.hasDelayPath == 1 && m.delaySegmentCount == 0) ||
                                 (m.hasDeadEnd1 == 1 && m.deadEnd1SegmentCount == 0) ||
                                 (m.hasDeadEnd2 == 1 && m.deadEnd2SegmentCount == 0);
    LampState lamp = LampState::Blue;
    if (m.deadEndConflict == 1 || missingSegments)
        lamp = LampState::Red;
    else if (m.refractoryWarningDeadEnd == 1 || m.refractoryWarningLoop == 1 ||
             m.stimulusSiteWarning == 1)
        lamp = LampState::Yellow;
    m.checkError = lamp == LampState::Red ? 1 : 0;
    return lamp;
}

CircuitCheckReport runCircuitCheck(CircuitModel& m)
{
    CircuitCheckReport report;
    m.refractoryWarningLoop = 0;
    m.refractoryWarningDeadEnd = 0;
    m.stimulusSiteWarning = 0;
    // Recomputed here rather than trusted, so that a circuit loaded from a file gets
    // the right lamp as well as one that was typed.
    m.deadEndConflict = deadEndsConflict(m) ? 1 : 0;

    report.Label152 = m.hasDelayPath == 1 && m.delaySegmentCount == 0;
    report.Label153 = m.hasDeadEnd1 == 1 && m.deadEnd1SegmentCount == 0;
    report.Label154 = m.hasDeadEnd2 == 1 && m.deadEnd2SegmentCount == 0;

    if (stimulusOutsideInnerLoop(m)) {
        report.Label151 = report.Label146 = report.Label148 = true;
        m.stimulusSiteWarning = 1;
    }
    if (stimulusOnUnconnectedDeadEnd(m)) {
        report.Label151 = report.Label149 = report.Label150 = true;
        m.stimulusSiteWarning = 1;
    }

    const int n = m.innerSiteCount;
    const int last = n + m.outerSiteCount + m.pathSiteCount + 1;
    for (int i = 1; i <= last && i < kSiteRows; ++i) {
        const double ctIn = m.innerSpacing / cv(m, i);
        const double ctOut = m.outerSpacing / cv(m, i);
        const std::string loopLabel = std::to_string(i) + "->" + std::to_string(i + 1);
        if (i <= n && nearRefractory(m, i, i + 1, ctIn))
            report.loopColumns.push_back(columnOf(m, i, loopLabel));
        if (i <= n + m.outerSiteCount && nearRefractory(m, i, i + 1, ctOut))
            report.loopColumns.push_back(columnOf(m, i, loopLabel));
        // deadEnd1LastSite keeps its value while the pathway is off; only a pathway
        // that exists is reported.
        if (i == m.deadEnd1LastSite && m.hasDeadEnd1 == 1 && m.deadEnd1SegmentCount > 0) {
            const double ctDeadEnd = 0.01 * m.deadEnd1DistanceCm / cv(m, i);
            const int connection = m.deadEnd1Site >= 0 && m.deadEnd1Site < kSiteRows ? m.deadEnd1Site : 0;
            if (nearRefractory(m, i, connection, ctDeadEnd))
                report.deadEndColumns.push_back(columnOf(m, i, std::to_string(i)));
        }
    }
    m.refractoryWarningLoop = report.loopColumns.empty() ? 0 : 1;
    m.refractoryWarningDeadEnd = report.deadEndColumns.empty() ? 0 : 1;

    const bool warning = m.refractoryWarningLoop == 1 || m.refractoryWarningDeadEnd == 1;
    report.Label85 = report.Label86 = report.Label88 = report.Label91 = warning;
    report.Label89 = report.Label90 = report.Label87 = warning;
    report.Label84 = warning;
    report.gridsVisible = warning;
    report.lamp = evaluateLamp(m);
    return report;
}

WarningTexts conductionWarningTexts(int source, int target, double clockStep, double conductionTime)
{
    return {"********** WARNING **********",
            "Conduction time from site" + std::to_string(source) + " to site" + std::to_string(target),
            "   is less than the scanning interval " + fixedText(clockStep, 4) + "sec",
            "This may cause errors in activation sequence and time calculations",
            "Scanning clock should be less than " + fixedText(conductionTime, 4) + "sec"};
}

WarningTexts refractoryWarningTexts(int source, int target)
{
    return {"********** WARNING **********",
            "Conduction time from site" + std::to_string(source) + " to site" + std::to_string(target),
            "   is greater than the refractory period at site" + std::to_string(target),
            "This may allow reflection to occur",
            ""};
}

}  // namespace quorel
