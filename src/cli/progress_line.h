#pragma once
// The progress line of a run on stderr: drawn only on a terminal, only once the run
// has lasted a moment, redrawn a few times a second, and wiped before any other
// line is written so that messages never mix with it.

#include <functional>
#include <iosfwd>

namespace quorel::cli {

class ProgressLine {
public:
    // A short run finishes before the line would be worth reading.
    static constexpr double kDelaySeconds = 0.5;
    static constexpr double kRedrawSeconds = 0.1;

    ProgressLine(std::ostream& err, bool enabled, std::function<double()> seconds);

    void update(int scanStep, int scanCount, double currentTime);
    // Wipes the line when it is shown.
    void clear();
    bool shown() const { return shown_; }

private:
    std::ostream& err_;
    bool enabled_;
    std::function<double()> seconds_;
    double start_ = 0.0;
    double lastDrawn_ = -1.0;
    bool shown_ = false;
};

}  // namespace quorel::cli
