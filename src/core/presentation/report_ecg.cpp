// The ECG page: the strip of the "ECG" page turned a quarter turn. Time runs from the
// bottom of the page to the top, the QRS channel and the 16 site channels stand side by
// side on vertical base lines, the time axis runs along the right edge, and every text
// reads from the bottom to the top, so that the page is read turned like the screen.
#include "presentation/report_sections.h"

#include "presentation/ecg_geometry.h"
#include "presentation/ecg_strip_plan.h"
#include "presentation/result_sheet.h"
#include "presentation/site_colour.h"
#include "text/number_text.h"

#include <algorithm>
#include <cmath>

namespace quorel {

namespace {

int rounded(double value)
{
    return static_cast<int>(std::lround(value));
}

// Where the turned strip lies on the page.
struct EcgPageGeometry {
    int mx = 0;    // PW/20
    int my = 0;    // PH/20
    int H = 0;     // the printable height the time runs over
    int y0 = 0;    // where the view's first millisecond stands
    int span = 0;  // PW - 2 PW/20: channel 17 would stand at its end, the axis does
    EcgView view;
    int windowMs = 1;  // the milliseconds the view shows

    int channelX(int k) const { return mx + (k + 1) * span / 18; }
    int spacing() const { return span / 18; }
    int axisX() const { return mx + span; }
    // A pixel column of the view and a millisecond, as page heights.
    int columnY(double x) const { return y0 - rounded(x * H / view.width); }
    int msY(double ms) const { return y0 - rounded((ms - view.startMs) * H / windowMs); }
    int top() const { return y0 - H; }
};

EcgPageGeometry ecgPageGeometry(const ReportInput& input, ReportPageSize size)
{
    EcgPageGeometry g;
    g.mx = size.PW / 20;
    g.my = size.PH / 20;
    g.H = size.PH - 2 * g.my;
    g.y0 = size.PH - g.my - g.my / 3;
    g.span = size.PW - 2 * g.mx;
    const int width = input.ecgViewWidth > 0 ? input.ecgViewWidth : kDefaultEcgViewWidth;
    g.view = ecgViewOf(input.session, width, 0);
    g.windowMs = std::max(1, g.view.width * g.view.msPerPixel);
    return g;
}

ReportText& turnedText(ReportPage& page, const ReportInput& input, std::string text, int x, int y,
                       AlongAnchor along, AcrossAnchor across, Rgb colour = kReportBlack)
{
    ReportText& t = page.texts.emplace_back();
    t.text = std::move(text);
    t.x = x;
    t.y = y;
    t.along = along;
    t.across = across;
    t.face = ReportFace::Arial;
    t.points = input.largeFonts != 0 ? 8 : 10;
    t.colour = colour;
    t.turned = true;
    t.outlined = input.options.outlinedDots;
    return t;
}

int channelSite(const CircuitModel& m, int channel)
{
    return channel == 0 ? referenceSite(m) : m.ecgChannelSite[channel];
}

// The time scale: a tick every 10 ms into the strip, longer at 50, 100, 500 and 1000 ms,
// and outside the axis the time in seconds beside some of them, as many as read well.
void planTimeScale(const EcgPageGeometry& g, const ReportInput& input, ReportPageSize size, ReportPage& page)
{
    const int S = g.spacing();
    const int thin = reportRuleWidth(size);
    const int thick = std::max(thin, rounded(2.0 * g.H / g.view.width));
    int labelStep = 5000;
    for (int step : {100, 200, 500, 1000, 2000, 5000}) {
        if (g.windowMs / step <= 15) {
            labelStep = step;
            break;
        }
    }
    const int axis = g.axisX();
    const int firstMs = (g.view.startMs + 9) / 10 * 10;
    for (int ms = firstMs; ms < g.view.startMs + g.windowMs; ms += 10) {
        // The longest tick stays clear of the wedges of the last channel.
        int length = S / 8;
        int width = thin;
        if (ms % 1000 == 0)
            length = 2 * S / 5, width = thick;
        else if (ms % 500 == 0)
            length = S / 3, width = thick;
        else if (ms % 100 == 0)
            length = S / 4, width = thick;
        else if (ms % 50 == 0)
            length = S / 6;
        const int y = g.msY(ms);
        page.lines.push_back({axis - length, y, axis, y, width, kReportBlack});
        if (ms % labelStep == 0)
            turnedText(page, input, fixedText(ms / 1000.0, 3), axis + S / 10, y, AlongAnchor::Centre,
                       AcrossAnchor::Top);
    }
}

void planMarks(const EcgPageGeometry& g, const ReportInput& input, int step, ReportPage& page)
{
    const CircuitModel& m = input.model;
    const RunResults& r = input.results;
    const int revolutions = std::clamp(r.shownRevolutionCount, 0, kMaxRevolutions);
    const int halfLength = g.spacing() / 2;
    const double screenPixel = static_cast<double>(g.H) / g.view.width;
    const int halfThickness =
        std::max(1, rounded((input.session.ecgFlagSize != 0 ? 3.0 : 1.5) * screenPixel));
    for (int k = 0; k < kEcgTraceChannels; ++k) {
        const int site = channelSite(m, k);
        if (site < 1 || site > kMaxResultSites)
            continue;
        for (int rev = 1; rev <= revolutions; ++rev) {
            const double ms = r.SiteActivation[step][site][rev].time * 1000.0;
            if (!(ms >= 0.0 && ms < kEcgRasterEndMs))
                continue;
            const int t = static_cast<int>(ms);
            // A site not activated in a revolution holds time 0.
            if (t == 0 && !showsMillisecondZero(m, site))
                continue;
            const int column = columnOfMillisecond(g.view, t);
            if (column < 0 || column > g.view.width)
                continue;
            page.wedges.push_back({g.channelX(k), g.msY(t), halfLength, halfThickness, kReportBlack});
        }
    }
}

void planCalipers(const EcgPageGeometry& g, const ReportInput& input, ReportPage& page)
{
    const SessionState& s = input.session;
    const int width = std::max(1, rounded(static_cast<double>(g.H) / g.view.width));
    const int count = std::clamp(s.caliperCount, 0, kMaxCaliperMarks);
    const int left = g.mx;
    const int right = g.mx + g.span;
    auto inside = [&](int y) { return y >= g.top() && y <= g.y0; };
    for (int i = 0; i < count; ++i) {
        const CaliperMark& mark = s.caliperMarks[i];
        const int yLeft = g.columnY(truncatedPixel(mark.leftX));
        const int yRight = g.columnY(truncatedPixel(mark.rightX));
        if (!inside(yLeft) && !inside(yRight))
            continue;
        if (inside(yLeft))
            page.lines.push_back({left, yLeft, right, yLeft, width, kReportBlue});
        if (inside(yRight))
            page.lines.push_back({left, yRight, right, yRight, width, kReportBlue});
        const int bar = g.mx + rounded(std::clamp(mark.barHeight, 0.0, 1.0) * g.span);
        const int from = std::clamp(yLeft, g.top(), g.y0);
        const int to = std::clamp(yRight, g.top(), g.y0);
        page.lines.push_back({bar, from, bar, to, width, kReportBlue});
        turnedText(page, input, std::to_string(mark.intervalMs), bar - g.spacing() / 10, (from + to) / 2,
                   AlongAnchor::Centre, AcrossAnchor::Bottom, kReportBlue);
    }
}

}  // namespace

void planEcg(const ReportInput& input, ReportPageSize size, const std::string& header, ReportPlan& plan)
{
    const CircuitModel& m = input.model;
    const EcgPageGeometry g = ecgPageGeometry(input, size);
    ReportPage& page = plan.pages.emplace_back();
    page.section = ReportSection::Ecg;

    turnedText(page, input, header, g.mx / 4, g.top(), AlongAnchor::End, AcrossAnchor::Top);
    const int basePen = std::max(1, rounded(2.0 * g.H / g.view.width));
    for (int k = 0; k < kEcgTraceChannels; ++k) {
        const int x = g.channelX(k);
        page.lines.push_back({x, g.y0, x, g.top(), basePen, kReportBlack});
        const std::string label = k == 0 ? std::string("QRS") : "S-" + std::to_string(channelSite(m, k));
        turnedText(page, input, label, x, g.y0 + g.my / 6, AlongAnchor::End, AcrossAnchor::Centre);
    }
    page.lines.push_back({g.axisX(), g.y0, g.axisX(), g.top(), basePen, kReportBlack});
    planTimeScale(g, input, size, page);

    const int step = reportShownStep(m, input.results, input.session);
    if (step == 0) {
        turnedText(page, input, kNoCalculationText, g.mx + g.spacing() / 2, g.y0 - g.H / 2,
                   AlongAnchor::Centre, AcrossAnchor::Centre);
        return;
    }
    planMarks(g, input, step, page);
    planCalipers(g, input, page);
}

}  // namespace quorel
