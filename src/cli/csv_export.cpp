#include "csv_export.h"

#include <charconv>

namespace quorel::cli {

const char* const kCsvHeader =
    "step,coupling_interval_s,revolution,site,activation_time_s,code,erp_s,fusion_index,"
    "antidromic_fraction";

namespace {

void appendReal(std::string& text, double value)
{
    if (value == 0.0)
        value = 0.0;   // no "-0"
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    text.append(buffer, result.ptr);
}

void appendInteger(std::string& text, long long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, result.ptr);
}

}  // namespace

std::string formatResultsCsv(const RunResults& results, int steps, int siteCount)
{
    std::string text = kCsvHeader;
    text += '\n';
    const int revolutions = results.shownRevolutionCount;
    for (int s = 1; s <= steps && s <= kMaxScanSteps; ++s) {
        for (int r = 1; r <= revolutions && r <= kMaxRevolutions; ++r) {
            const RevolutionIndex& indices = results.RevolutionIndices[s][r];
            for (int x = 1; x <= siteCount && x <= kMaxResultSites; ++x) {
                const ActivationRecord& a = results.SiteActivation[s][x][r];
                appendInteger(text, s);
                text += ',';
                appendReal(text, results.ScanStepRecords[s].couplingInterval);
                text += ',';
                appendInteger(text, r);
                text += ',';
                appendInteger(text, x);
                text += ',';
                appendReal(text, a.time);
                text += ',';
                appendInteger(text, static_cast<long long>(a.code));
                text += ',';
                appendReal(text, a.erp);
                text += ',';
                appendReal(text, indices.fusionIndex);
                text += ',';
                appendReal(text, indices.antidromicFraction);
                text += '\n';
            }
        }
    }
    return text;
}

}  // namespace quorel::cli
