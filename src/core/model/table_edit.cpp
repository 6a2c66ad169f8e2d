#include "model/table_edit.h"

#include "engine/circuit_check.h"
#include "text/number_text.h"

namespace quorel {

namespace {

void replaceZeroByDefault(CircuitModel& m, int row)
{
    if (cv(m, row) == 0.0)
        cv(m, row) = kDefaultCv;
    if (erp(m, row) == 0.0)
        erp(m, row) = kDefaultErp;
}

}  // namespace

TableEditResult OnDCEdit(CircuitModel& m, int column, int row, std::string_view text,
                         SegmentTable& segments, CvCurveTable& curve)
{
    TableEditResult result;
    if (row < 1 || row >= kSiteRows)
        return result;
    if (!text.empty()) {
        const auto value = parseReal(text);
        if (!value) {
            result.accepted = false;
            result.error = invalidRealMessage(text);
            return result;
        }
        if (column == kColumnCv)
            cv(m, row) = *value;
        else if (column == kColumnErp)
            erp(m, row) = *value;
        else if (column == kColumnSf)
            sf(m, row) = *value;
    }
    replaceZeroByDefault(m, row);
    const double limit = 0.99;
    double* edited[] = {&cv(m, row), &erp(m, row), &sf(m, row)};
    for (int k = 0; k < 3; ++k) {
        if (*edited[k] >= 1.0) {
            *edited[k] = limit;
            if (column == kColumnCv + k)
                result.correctedText = generalText(limit);
        }
    }
    if (result.correctedText && column >= kColumnCv && column <= kColumnSf)
        segments.cells[static_cast<size_t>(row)][static_cast<size_t>(column)] = *result.correctedText;

    estimateCycleLength(m);
    const int count = cvCurvePointCount(m, row);
    curve.rowCount = count + 1;
    setDiastolicIntervals(m);
    for (int x = 1; x <= m.totalSiteCount; ++x)
        fillSegmentColumns(m, x, segments);
    computeCvConstants(m);
    runCircuitCheck(m);
    computeCvConstantsOfRow(m, row);
    curve = cvCurveTableOf(m, row);
    return result;
}

void SGDIClick(CircuitModel& m, int row, CvCurveTable& curve)
{
    if (row < 1 || row >= kSiteRows)
        return;
    replaceZeroByDefault(m, row);
    estimateCycleLength(m);
    setDiastolicIntervals(m);
    computeCvConstants(m);
    runCircuitCheck(m);
    computeCvConstantsOfRow(m, row);
    curve = cvCurveTableOf(m, row);
}

}  // namespace quorel
