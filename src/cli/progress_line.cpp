#include "progress_line.h"

#include "text/number_text.h"

#include <ostream>
#include <string>

namespace quorel::cli {

ProgressLine::ProgressLine(std::ostream& err, bool enabled, std::function<double()> seconds)
    : err_(err), enabled_(enabled && seconds != nullptr), seconds_(std::move(seconds))
{
    if (enabled_)
        start_ = seconds_();
}

void ProgressLine::update(int scanStep, int scanCount, double currentTime)
{
    if (!enabled_)
        return;
    const double now = seconds_();
    if (now - start_ < kDelaySeconds)
        return;
    if (lastDrawn_ >= 0.0 && now - lastDrawn_ < kRedrawSeconds)
        return;
    lastDrawn_ = now;
    shown_ = true;
    err_ << "\r\033[Kscan step " << scanStep << "/" << scanCount << ", time "
         << fixedText(currentTime, 4) << " s" << std::flush;
}

void ProgressLine::clear()
{
    if (!shown_)
        return;
    err_ << "\r\033[K" << std::flush;
    shown_ = false;
}

}  // namespace quorel::cli
