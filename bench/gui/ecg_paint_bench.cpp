// The ECG strip's paints as the window does them, into QImages: the results of the
// large protocol (98 sites, 30 revolutions, 51 scan steps) on a strip of 1280 x 540
// pixels, 17 channels on sites spread over the circuit, 20 caliper marks, wide spikes
// and the texts on grey boxes. The run and the raster are made once, outside the timing.
//   FullRepaint/ms:  the traces drawn again (black strip, spikes, baselines, axis, second
//                    texts) and the screen composed: the trace bitmap and the calipers,
//                    at 1, 5 and 10 ms per pixel.
//   ScrollStep:      one small change of ScrollBar4 (20 ms) and the repaint it causes.
//   CaliperHover:    a mouse move over the marks: only the composition, the trace bitmap
//                    is kept.
//   ChannelLabels:   PaintBox3, "QRS" and the 16 site labels.

#include "engine/run_driver.h"
#include "engine/run_state.h"
#include "presentation/ecg_page.h"
#include "views/ecg_strip_painter.h"

#include "support/test_circuits.h"

#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

using namespace quorel;
using namespace quorel::gui;

constexpr int kWidth = 1280;
constexpr int kHeight = 540;

struct PaintedStrip {
    std::unique_ptr<CircuitModel> m = quorel::testing::largeProtocol();
    std::unique_ptr<RunResults> results = createRunResults();
    SessionState session;
    std::unique_ptr<EcgPage> page;
    QFont font = ecgTextFont(false, 96);
    EcgTraceBitmap traces;
    QImage screen{kWidth, kHeight, QImage::Format_RGB32};

    PaintedStrip()
    {
        auto state = createRunState();
        RunHooks hooks;
        runProtocol(*m, *state, *results, hooks);
        for (int channel = 1; channel <= 16; ++channel) {
            m->ecgChannelSite[channel] = 1 + (channel - 1) * (m->totalSiteCount - 1) / 15;
            m->ecgChannelColour[channel] = 0x00FF00 + channel * 8;
        }
        session.scrollBar2 = {results->scanCount, results->scanCount};
        session.ecgFlagSize = 1;
        session.ecgFlagBClear = 0;
        session.caliperCount = kMaxCaliperMarks;
        for (int i = 0; i < kMaxCaliperMarks; ++i)
            session.caliperMarks[i] = {30.0 + 60 * i, 0.5, 70.0 + 60 * i, 0.1 + 0.04 * i, 200};
        page = std::make_unique<EcgPage>(*m, *results, session);
        page->resize(kWidth, kHeight);
        page->rebuildRaster(false);
    }

    void renderTraces() { traces.render(page->stripPlan(), font, 1.0); }
    // What PaintBox2's paint event does once the traces are drawn.
    void compose()
    {
        QPainter p(&screen);
        p.drawImage(0, 0, traces.image());
        paintCaliperOverlay(p, page->overlay(), page->view(), page->clearLabelBrush(), font);
    }
};

PaintedStrip& strip()
{
    static PaintedStrip painted;
    return painted;
}

void FullRepaint(benchmark::State& bench)
{
    PaintedStrip& s = strip();
    s.page->ScrollBar3Change(static_cast<int>(bench.range(0)));
    s.session.caliperCount = kMaxCaliperMarks;  // the change of scale removed them
    s.page->ScrollBar4Change(0);
    for (auto _ : bench) {
        s.renderTraces();
        s.compose();
        benchmark::DoNotOptimize(s.screen.constBits());
    }
    bench.counters["ticks"] = static_cast<double>(s.page->stripPlan().ticks.size());
}

void ScrollStep(benchmark::State& bench)
{
    PaintedStrip& s = strip();
    s.page->ScrollBar3Change(5);
    s.session.caliperCount = kMaxCaliperMarks;
    int position = 0;
    for (auto _ : bench) {
        position = position + 20 > s.session.scrollBar4.maximum ? 0 : position + 20;
        s.page->ScrollBar4Change(position);
        s.renderTraces();
        s.compose();
        benchmark::DoNotOptimize(s.screen.constBits());
    }
    bench.counters["scroll_max_ms"] = s.session.scrollBar4.maximum;
}

void CaliperHover(benchmark::State& bench)
{
    PaintedStrip& s = strip();
    s.renderTraces();
    int x = 0;
    for (auto _ : bench) {
        x = (x + 7) % kWidth;
        s.page->PaintBox2MouseMove(x, kHeight / 3);
        s.compose();
        benchmark::DoNotOptimize(s.screen.constBits());
    }
}

void ChannelLabels(benchmark::State& bench)
{
    PaintedStrip& s = strip();
    QImage labels(48, kHeight, QImage::Format_RGB32);
    for (auto _ : bench) {
        QPainter p(&labels);
        paintChannelLabels(p, s.page->labelsPlan(), labels.width(), labels.height(), QColor(0xf0, 0xf0, 0xf0),
                           s.font);
        benchmark::DoNotOptimize(labels.constBits());
    }
}

BENCHMARK(FullRepaint)->Arg(1)->Arg(5)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(ScrollStep)->Unit(benchmark::kMillisecond);
BENCHMARK(CaliperHover)->Unit(benchmark::kMillisecond);
BENCHMARK(ChannelLabels)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // Fonts need the application object; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
