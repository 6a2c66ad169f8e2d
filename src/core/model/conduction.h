#pragma once
// The two laws of the model (ERP restitution, C.V. restitution), the estimate of
// the VT cycle length, and the per-site constants derived from what the user enters.

#include "model/circuit_model.h"

#include <array>
#include <string>
#include <vector>

namespace quorel {

// ERP of a site with maximal ERP maxErp after a diastolic interval d.
double erpRestitution(double maxErp, double d);
// 1 - U5 exp(-d/U7) - U6 exp(-d/U8): the factor the ERP law applies to maxErp.
double restitutionFactor(double d);
// C.V. (m/s) of the segment of row X after a diastolic interval d.
double conductionVelocity(const CircuitModel& m, int row, double d);

// The estimate written on four pages: Label96, Label144, Label161 ("0.2513sec")
// and Label158 ("0.2513").
struct CycleLengthLabels {
    std::string Label96, Label144, Label161, Label158;
};

// innerLoopTime, outerLoopTime, estimatedCycleLength (the smaller of the two).
void estimateCycleLength(CircuitModel& m);
CycleLengthLabels cycleLengthLabels(const CircuitModel& m);

// di of every site from the estimate, then computeMaxErp. The engine takes its
// starting diastolic interval from di at the start of every scan step.
void setDiastolicIntervals(CircuitModel& m);
// maxErp so that the ERP law returns the entered erp at d = di. When di leaves no
// positive restitution factor the site keeps its previous maxErp.
void computeMaxErp(CircuitModel& m, int row);
// cvOffset and N1 of every site 1..totalSiteCount.
void computeCvConstants(CircuitModel& m);
// The same for one row. A row whose di is 0 or below (erp at or above the cycle
// length) keeps its previous constants: nothing may become NaN or infinite.
void computeCvConstantsOfRow(CircuitModel& m, int row);

// Number of whole 10 ms steps in the site's D.I. (0 when the D.I. is 0 or below).
int cvCurvePointCount(const CircuitModel& m, int row);

// The table SGCVC for one site: row 0 the headers, rows 1..count the curve points.
// The count is capped so that an absurdly slow circuit cannot build a table of millions of rows.
constexpr int kMaxCvCurvePoints = 10000;
struct CvCurveTable {
    int rowCount = 1;   // count + 1
    std::vector<std::array<std::string, 4>> cells;   // rowCount rows
};
void fillCvCurve(const CircuitModel& m, int count, int row, CvCurveTable& table);
// Row count, headers and points of site `row`, as the page change and the edits build it.
CvCurveTable cvCurveTableOf(const CircuitModel& m, int row);

}  // namespace quorel
