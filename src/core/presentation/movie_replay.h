#pragma once
// The replay of the "movie" page without a window: a square turns white when its site
// is activated and fades to black as the refractory period it started runs out. The
// replay runs through every scan step in turn (a train has one), frame by frame, each
// frame advancing the animation time by movieSpeedMs; after the last step it pauses a
// second, shows the static picture, pauses another second and starts again, until it
// is stopped.
//
//     MovieReplay replay;
//     replay.start(model, results);                  // glow cleared, step 1 next
//     for (;;) {
//         const MovieCue cue = replay.next(model, results, movieSpeedMs);
//         Step: show the step (ScrollBar2, the strip, Label200)
//         Frame: paint replay.frame(), wait kMovieFrameIntervalMs
//         Pause: wait cue.waitMs
//         StaticPicture: draw the static picture (the glow is already cleared)
//     }

#include "engine/run_results.h"
#include "model/circuit_model.h"
#include "presentation/circuit_layout.h"

namespace quorel {

// ScrollBarS: simulated milliseconds per frame, shown in Label198.
constexpr int kMinMovieSpeedMs = 1;
constexpr int kMaxMovieSpeedMs = 20;
constexpr int kDefaultMovieSpeedMs = 10;

// The pace of the replay on screen: 25 frames a second, whatever the machine. At the
// default speed of 10 ms a frame the simulated time runs at a quarter of real time, so
// that a VT cycle of 250 ms takes a second and a wavefront can be followed square by
// square; at 20 ms it runs at half speed, at 1 ms forty times slower.
constexpr int kMovieFrameIntervalMs = 40;
// The two pauses after each pass through the scan steps.
constexpr int kMoviePauseMs = 1000;

// The scan steps a replay runs through: scanCount for single stimuli, 1 for trains;
// 0 without results.
int movieStepCount(const CircuitModel& m, const RunResults& results);
// tMax of a step: the largest trunc(activation time x 1000) over sites 1..N and the
// revolutions held; the last frame of the step is the last a <= tMax.
int movieStepEndMs(const CircuitModel& m, const RunResults& results, int step);

// siteGlow: the remaining glow of each site in milliseconds, 0 = dark.
struct MovieGlow {
    int siteGlow[kSiteDrawSlots] = {};
    void clear();
};

// One frame of the replay: the grey level of every square (R = G = B = grey) and
// whether the stimulus site lit up in it.
struct MovieFrame {
    int step = 0;
    int timeMs = 0;     // the animation time a
    int siteCount = 0;  // sites 1..siteCount are drawn
    int grey[kSiteDrawSlots] = {};
    bool stimulusSiteLit = false;  // "S99_19e.wav", while the sounds are on
};

// The frame at animation time a of `step`, lasting speedMs: a dark site (glow 0) lights
// up when one of its activations of the step falls in a <= t < a + speedMs (t in whole
// ms), its glow set to that activation's ERP in whole ms; a site already glowing does
// not light again, however many activations the frame holds. Each square is painted
// with grey min(glow, 255), then every glow decays by speedMs, not below 0.
// Revolutions in which a site was not activated (code 0) light nothing.
void stepMovieFrame(const CircuitModel& m, const RunResults& results, int step, int a, int speedMs,
                    MovieGlow& glow, MovieFrame& frame);

enum class MovieCueKind {
    Step,           // a scan step begins: cue.step
    Frame,          // a frame to paint: frame(); wait kMovieFrameIntervalMs
    Pause,          // wait cue.waitMs
    StaticPicture,  // the static picture returns between passes; the glow was cleared
};

struct MovieCue {
    MovieCueKind kind = MovieCueKind::Step;
    int step = 0;
    int timeMs = 0;
    int waitMs = 0;
};

class MovieReplay {
public:
    // A replay from step 1 with every site dark. Without results the replay has no step
    // and only pauses and shows the static picture.
    void start(const CircuitModel& m, const RunResults& results);
    // What comes next; the speed is read at each frame, so a change of ScrollBarS during
    // the replay takes effect at the next frame.
    MovieCue next(const CircuitModel& m, const RunResults& results, int speedMs);

    const MovieFrame& frame() const { return frame_; }
    const MovieGlow& glow() const { return glow_; }
    int stepCount() const { return stepCount_; }
    // The static picture was drawn: every site dark again.
    void clearGlow() { glow_.clear(); }

private:
    enum class Phase { StepStart, Frames, FirstPause, StaticPicture, SecondPause };
    Phase phase_ = Phase::StepStart;
    int stepCount_ = 0;
    int step_ = 1;
    int a_ = 0;
    int tMax_ = 0;
    MovieGlow glow_;
    MovieFrame frame_;
};

}  // namespace quorel
