#pragma once
// Paints the ECG page's drawing data with a QPainter, the same for the screen, the
// exported strip and the benchmark: the traces and the time axis (EcgStripPlan), the
// calipers over them (CaliperOverlay) and the channel labels (ChannelLabelsPlan).
// Every place comes from core; spikes, baselines, ticks and caliper lines are filled
// rectangles, so that they land on whole pixels on every target.

#include "presentation/calipers.h"
#include "presentation/ecg_channel_labels.h"
#include "presentation/ecg_strip_plan.h"

#include <QColor>
#include <QFont>
#include <QImage>

class QPainter;

namespace quorel::gui {

QColor qColour(Rgb rgb);

// The texts of the strip and of its labels: Arial bold, 10 points (8 with large fonts)
// at `dpi` dots per inch, fixed in pixels so that every target draws them alike.
QFont ecgTextFont(bool largeFonts, double dpi);

// drawEcg: the black strip, for each channel its spikes and then its baseline (pen
// width 2), the ticks with the whole seconds, the axis line at the bottom.
void paintEcgTraces(QPainter& p, const EcgStripPlan& plan, const QFont& font);

// The stored marks (blue, the one under the mouse magenta, the dragged one red) and,
// while measuring, the red lines and the running interval.
void paintCaliperOverlay(QPainter& p, const CaliperOverlay& overlay, const EcgView& view,
                         bool clearLabelBrush, const QFont& font);

// drawChannelLabels: `background` (the system menu colour), then "QRS", "S-12" ...
// right-aligned in a column `width` pixels wide.
void paintChannelLabels(QPainter& p, const ChannelLabelsPlan& plan, int width, int height,
                        const QColor& background, const QFont& font);

// traceBitmap: the traces drawn once and kept until they change, so that a mouse
// moving the calipers only copies it and draws the few marks again.
class EcgTraceBitmap {
public:
    // Draws the plan into a bitmap of the plan's size (times the device pixel ratio).
    void render(const EcgStripPlan& plan, const QFont& font, qreal devicePixelRatio);
    const QImage& image() const { return image_; }

private:
    QImage image_;
};

}  // namespace quorel::gui
