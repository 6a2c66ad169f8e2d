#pragma once
// One circuit as the application holds it: the model, the results, the memo and
// history, and the parameter form whose rules every value passes through. The tool
// starts it as the program starts and loads a circuit set as the window does, so
// that both compute the same circuit from the same files.

#include "engine/run_results.h"
#include "model/circuit_model.h"
#include "model/parameter_form.h"
#include "model/session_state.h"
#include "persistence/circuit_set.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quorel::cli {

// A value typed into a box, and what the box shows once it was left.
struct BoxEntry {
    bool accepted = true;        // false: the box cannot take the text; nothing changed
    std::string error;           // why not
    std::string shown;           // the box's text after its rules and its exit rules
    // Other boxes whose text the rules rewrote on the way: tag and new text.
    std::vector<std::pair<int, std::string>> alsoChanged;
};

class CircuitSession {
public:
    // The program's start-up: defaults, first push through the boxes, derived model.
    CircuitSession();
    CircuitSession(const CircuitSession&) = delete;
    CircuitSession& operator=(const CircuitSession&) = delete;

    // Reads the circuit set and passes it through the parameter pages as the window
    // does after a load: the Yes/No switches, every box, the stimulation mode and
    // the display choices the keyword file gave.
    LoadReport load(const std::string& path);
    // Values of the last load that the boxes' rules corrected on the way through,
    // as "connectionSite 19 corrected to 18".
    const std::vector<std::string>& loadCorrections() const { return loadCorrections_; }

    // Types `text` into EditN (only what the box's key filter lets through), then
    // leaves the box, so that the same limits and corrections apply as in the window.
    BoxEntry enterBox(int tag, std::string_view text);

    CircuitModel& model() { return *model_; }
    RunResults& results() { return *results_; }
    SessionState& session() { return session_; }
    ParameterForm& form() { return *form_; }

private:
    std::unique_ptr<CircuitModel> model_;
    std::unique_ptr<RunResults> results_;
    SessionState session_;
    std::unique_ptr<ParameterForm> form_;
    std::vector<std::string> loadCorrections_;
};

// The model name of the parameter of EditN ("clockStep").
const char* boxParameterName(int tag);

}  // namespace quorel::cli
