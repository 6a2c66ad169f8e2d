#include "presentation/movie_replay.h"

#include <algorithm>
#include <cmath>

namespace quorel {

namespace {

// Seconds to whole milliseconds, truncated; values no run produces (a damaged file) stay
// inside a range the frame arithmetic can take.
int wholeMs(double seconds)
{
    constexpr double kLimit = 1 << 30;
    const double ms = seconds * 1000;
    if (std::isnan(ms))
        return 0;
    return static_cast<int>(std::clamp(ms, -kLimit, kLimit));
}

int drawnSites(const CircuitModel& m)
{
    return std::clamp(m.totalSiteCount, 0, std::min(kMaxResultSites, kSiteDrawSlots - 1));
}

int heldRevolutions(const RunResults& results)
{
    return std::clamp(results.shownRevolutionCount, 0, kMaxRevolutions);
}

bool heldStep(const RunResults& results, int step)
{
    return step >= 1 && step <= std::min(results.scanCount, kMaxScanSteps);
}

}  // namespace

int movieStepCount(const CircuitModel& m, const RunResults& results)
{
    const int held = std::clamp(results.scanCount, 0, kMaxScanSteps);
    if (held == 0 || heldRevolutions(results) == 0)
        return 0;
    return m.stimulationMode == 0 ? 1 : held;
}

int movieStepEndMs(const CircuitModel& m, const RunResults& results, int step)
{
    if (!heldStep(results, step))
        return 0;
    int tMax = 0;
    const int sites = drawnSites(m);
    const int revolutions = heldRevolutions(results);
    for (int s = 1; s <= sites; ++s)
        for (int r = 1; r <= revolutions; ++r)
            tMax = std::max(tMax, wholeMs(results.SiteActivation[step][s][r].time));
    return tMax;
}

void MovieGlow::clear()
{
    std::fill(std::begin(siteGlow), std::end(siteGlow), 0);
}

void stepMovieFrame(const CircuitModel& m, const RunResults& results, int step, int a, int speedMs,
                    MovieGlow& glow, MovieFrame& frame)
{
    frame.step = step;
    frame.timeMs = a;
    frame.siteCount = drawnSites(m);
    frame.stimulusSiteLit = false;
    const bool held = heldStep(results, step);
    const int revolutions = heldRevolutions(results);
    for (int s = 1; s <= frame.siteCount; ++s) {
        int& g = glow.siteGlow[s];
        for (int r = 1; held && r <= revolutions; ++r) {
            const ActivationRecord& record = results.SiteActivation[step][s][r];
            if (g != 0 || record.code == 0.0)
                continue;
            const int t = wholeMs(record.time);
            if (a <= t && t < a + speedMs) {
                g = std::max(0, wholeMs(record.erp));
                if (s == m.stimulusSite)
                    frame.stimulusSiteLit = true;
            }
        }
        frame.grey[s] = std::min(g, 255);
        g = std::max(0, g - speedMs);
    }
}

void MovieReplay::start(const CircuitModel& m, const RunResults& results)
{
    stepCount_ = movieStepCount(m, results);
    phase_ = stepCount_ > 0 ? Phase::StepStart : Phase::FirstPause;
    step_ = 1;
    a_ = 0;
    tMax_ = 0;
    glow_.clear();
    frame_ = MovieFrame{};
}

MovieCue MovieReplay::next(const CircuitModel& m, const RunResults& results, int speedMs)
{
    const int speed = std::clamp(speedMs, kMinMovieSpeedMs, kMaxMovieSpeedMs);
    for (;;) {
        switch (phase_) {
        case Phase::StepStart:
            a_ = 0;
            tMax_ = movieStepEndMs(m, results, step_);
            phase_ = Phase::Frames;
            return {MovieCueKind::Step, step_, 0, 0};
        case Phase::Frames:
            if (a_ <= tMax_) {
                stepMovieFrame(m, results, step_, a_, speed, glow_, frame_);
                const MovieCue cue{MovieCueKind::Frame, step_, a_, kMovieFrameIntervalMs};
                a_ += speed;
                return cue;
            }
            if (step_ < stepCount_) {
                ++step_;
                phase_ = Phase::StepStart;
            } else {
                phase_ = Phase::FirstPause;
            }
            continue;
        case Phase::FirstPause:
            phase_ = Phase::StaticPicture;
            return {MovieCueKind::Pause, step_, a_, kMoviePauseMs};
        case Phase::StaticPicture:
            glow_.clear();
            phase_ = Phase::SecondPause;
            return {MovieCueKind::StaticPicture, step_, a_, 0};
        case Phase::SecondPause:
            step_ = 1;
            phase_ = stepCount_ > 0 ? Phase::StepStart : Phase::FirstPause;
            return {MovieCueKind::Pause, step_, a_, kMoviePauseMs};
        }
    }
}

}  // namespace quorel
