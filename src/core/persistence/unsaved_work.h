#pragma once
// Whether the work in the window differs from what was last saved or loaded: the circuit
// (as its file would be written), the protocol, the memo, the stimulation history, the
// results, the display and ECG channel choices and the caliper marks. Scroll positions and
// view switches are not work. Open, a recent file and Exit ask before such work is lost.

#include "engine/run_results.h"
#include "model/circuit_model.h"
#include "model/session_state.h"

#include <cstdint>

namespace quorel {

// A digest of the work; equal digests mean nothing a save writes has changed.
std::uint64_t workFingerprint(const CircuitModel& m, const RunResults& results, const SessionState& session);

class UnsavedWork {
public:
    // After a successful save or load, and at start-up (nothing to lose yet).
    void markSaved(const CircuitModel& m, const RunResults& results, const SessionState& session)
    {
        saved_ = workFingerprint(m, results, session);
    }
    bool unsaved(const CircuitModel& m, const RunResults& results, const SessionState& session) const
    {
        return workFingerprint(m, results, session) != saved_;
    }

private:
    std::uint64_t saved_ = 0;
};

}  // namespace quorel
