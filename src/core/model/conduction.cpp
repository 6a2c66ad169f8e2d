#include "model/conduction.h"

#include "model/circuit_construction.h"
#include "text/number_text.h"

#include <algorithm>
#include <cmath>

namespace quorel {

double restitutionFactor(double d)
{
    return 1.0 - U5 * std::exp(-d / U7) - U6 * std::exp(-d / U8);
}

double erpRestitution(double maxErpValue, double d)
{
    return maxErpValue * restitutionFactor(d);
}

double conductionVelocity(const CircuitModel& m, int row, double d)
{
    return 1.0 - std::exp(-N1(m, row) * (d * sf(m, row) + cvOffset(m, row)));
}

void estimateCycleLength(CircuitModel& m)
{
    const int n = m.innerSiteCount;
    const int outer = m.outerSiteCount;
    m.innerLoopTime = 0.0;
    for (int x = 1; x <= n; ++x)
        m.innerLoopTime += m.innerSpacing / cv(m, x);
    m.outerLoopTime = 0.0;
    for (int x = m.connectionSite; x <= n + outer + 1; ++x)
        m.outerLoopTime += (x <= n ? m.innerSpacing : m.outerSpacing) / cv(m, x);
    m.estimatedCycleLength = std::min(m.innerLoopTime, m.outerLoopTime);
}

CycleLengthLabels cycleLengthLabels(const CircuitModel& m)
{
    const std::string value = fixedText(m.estimatedCycleLength, 4);
    return {value + "sec", value + "sec", value + "sec", value};
}

void computeMaxErp(CircuitModel& m, int row)
{
    const double f = restitutionFactor(di(m, row));
    if (f > 0.0 && std::isfinite(f))
        maxErp(m, row) = erp(m, row) / f;
}

void setDiastolicIntervals(CircuitModel& m)
{
    for (int x = 1; x <= m.totalSiteCount; ++x) {
        di(m, x) = m.estimatedCycleLength - erp(m, x);
        computeMaxErp(m, x);
    }
}

void computeCvConstantsOfRow(CircuitModel& m, int row)
{
    const double offset = (1.0 - sf(m, row)) * di(m, row);
    const double denominator = di(m, row) * sf(m, row) + offset;
    const double n1 = -std::log(1.0 - cv(m, row)) / denominator;
    if (!(denominator > 0.0) || !std::isfinite(n1))
        return;
    cvOffset(m, row) = offset;
    N1(m, row) = n1;
}

void computeCvConstants(CircuitModel& m)
{
    for (int x = 1; x <= m.totalSiteCount; ++x)
        computeCvConstantsOfRow(m, x);
}

int cvCurvePointCount(const CircuitModel& m, int row)
{
    const double steps = (m.estimatedCycleLength - erp(m, row)) / 0.01;
    if (!(steps > 0.0))
        return 0;
    return static_cast<int>(std::min(steps, static_cast<double>(kMaxCvCurvePoints)));
}

void fillCvCurve(const CircuitModel& m, int count, int row, CvCurveTable& table)
{
    count = std::clamp(count, 0, kMaxCvCurvePoints);
    if (table.cells.size() < static_cast<size_t>(count) + 1)
        table.cells.resize(static_cast<size_t>(count) + 1);
    for (int i = 1; i <= count; ++i) {
        const double d = di(m, row) - (i - 1) * 0.01;
        auto& cells = table.cells[static_cast<size_t>(i)];
        cells[0] = std::to_string(i);
        cells[1] = fixedText(d, 4);
        cells[2] = fixedText(conductionVelocity(m, row, d), 4);
        cells[3] = fixedText(erpRestitution(maxErp(m, row), d), 4);
    }
}

CvCurveTable cvCurveTableOf(const CircuitModel& m, int row)
{
    CvCurveTable table;
    const int count = cvCurvePointCount(m, row);
    table.rowCount = count + 1;
    table.cells.resize(static_cast<size_t>(count) + 1);
    table.cells[0] = {"", "D.I.(sec)", "C.V.(m/s)", "ERP(sec)"};
    fillCvCurve(m, count, row, table);
    return table;
}

}  // namespace quorel
