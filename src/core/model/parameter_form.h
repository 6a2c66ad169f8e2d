#pragma once
// The parameter pages without a window: the texts of the boxes Edit1..Edit25, the
// Yes/No switches, the stimulation mode, the displayed sites, the stimulus site and
// the duties of a page change. Every rule that runs while the user types lives here;
// the window forwards its events and shows what the form holds.
//
// Writing a box from code (a correction, a default, pushParametersToControls) runs
// that box's rules with the new text before the writing rule goes on, so corrections
// cascade through the boxes exactly as if the user had typed them.

#include "engine/circuit_check.h"
#include "model/circuit_description.h"
#include "model/circuit_model.h"
#include "model/conduction.h"
#include "model/entry_filters.h"
#include "model/parameter_form_types.h"
#include "model/segment_table.h"
#include "model/session_state.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorel {

class ParameterForm {
public:
    ParameterForm(CircuitModel& model, SessionState& session);

    CircuitModel& model() { return m_; }
    const CircuitModel& model() const { return m_; }
    const SessionState& session() const { return session_; }

    // --- start-up and loading ---------------------------------------------------
    // The model's start-up in its order, with the first push through the boxes and
    // the hiding of the optional pages between the defaults and the derived model.
    RebuildResult runStartup();
    // After a file reader has stored a circuit (loadingFile set by the caller): the
    // four Yes/No choices are derived from the stored values and selected, the derived
    // model is rebuilt and every value passes through the boxes' rules. No defaults
    // are written and parametersChanged is not set by the rules while loadingFile is 1.
    RebuildResult applyLoadedCircuit();

    // --- the boxes ----------------------------------------------------------------
    // EditChange: text typed into EditN (or written into it). An invalid number leaves
    // the stored value and the other rules alone and yields the message to show.
    EntryOutcome editChange(int tag, std::string_view text);
    // EditEnter: EditN received the focus (the window selects its whole text).
    void editEnter(int tag);
    // Edit4Exit..Edit8Exit and the spin-range clamp of every box when it is left.
    EntryOutcome editExit(int tag);
    // EditClick: a spin button of EditN; the stepped value is written into the box.
    void editClick(int tag, SpinDirection direction);
    // Runs the exit rules of the box that has the focus (before a command reads the
    // model while the user may still be typing, such as a run or a save).
    EntryOutcome finishEditing();
    // Writes every parameter into its box, in the fixed order, through the rules.
    void pushParametersToControls();

    const std::string& boxText(int tag) const;
    bool boxEnabled(int tag) const;
    int focusedBox() const { return focusedBox_; }

    // --- Yes/No switches, stimulation mode, displayed sites ------------------------
    // A click on (or a selection of) RadioButtonK: it becomes checked and its handler
    // runs, unless it was checked already.
    void selectRadio(int k);
    // The handlers themselves; each also checks its button. Used where the program
    // applies a stored choice through the control's own handler.
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton5Click();
    void RadioButton6Click();
    void RadioButton7Click();
    void RadioButton8Click();
    void RadioButton9Click();
    void RadioButton10Click();
    void RadioButton11Click();
    void RadioButton12Click();
    void runRadioHandler(int k);
    bool radioChecked(int k) const;
    bool radioEnabled(int k) const;

    // --- site choosers --------------------------------------------------------------
    void ComboBoxSChange(int itemIndex);
    // ComboBox1..ComboBox10 (tag k): entry k of displayedSites.
    void ComboBox1Change(int tag, int itemIndex);
    bool displayChoosersEnabled() const { return displayChoosersEnabled_; }

    // --- page change ----------------------------------------------------------------
    PageChangeResult OnTabChange(FormPage newPage);

    // --- what the pages show --------------------------------------------------------
    bool pageVisible(FormPage page) const;
    // The page's hint (tooltip); the outer-loop hint replaces those of "param1" and "loop".
    const std::string& pageHint(FormPage page) const;
    bool label79Visible() const { return label79Visible_; }
    const OrientationLabels& orientationLabels() const { return orientation_; }
    bool singleStimuliControlsEnabled() const { return singleStimuliEnabled_; }
    bool trainControlsEnabled() const { return trainsEnabled_; }
    LampState lamp() const { return lamp_; }
    const FormRequestCounts& requestCounts() const { return requests_; }

    // Called once after each operation above has finished with all its cascades (not
    // once per box it wrote): the pages copy the form's state back into their controls.
    void addChangeListener(std::function<void()> listener);

    // The window's duties that the rules ask for (scheme refresh, layout, result sheet...).
    std::function<void(FormRequest)> onRequest;
    // siteColour(model, site, highlight) of the result views; when set, the form
    // recomputes the colours of ECG channels 1..16 when the stimulus site changes.
    std::function<Rgb(const CircuitModel&, int site, int highlight)> siteColour;

private:
    struct Box {
        std::string text;
    };
    // Public operations call each other (a switch selects its partner, a box is written
    // by a switch); only the outermost one tells the listeners.
    class ChangeScope {
    public:
        explicit ChangeScope(ParameterForm& form) : form_(form) { ++form_.changeDepth_; }
        ~ChangeScope()
        {
            if (--form_.changeDepth_ == 0)
                form_.notifyListeners();
        }
        ChangeScope(const ChangeScope&) = delete;
        ChangeScope& operator=(const ChangeScope&) = delete;

    private:
        ParameterForm& form_;
    };
    void notifyListeners();

    // Writes text into EditN and runs its rules (the cascade).
    void writeBox(int tag, const std::string& text);
    void showValue(int tag, double value);
    // The box's text becomes its stored value's, without running its rules.
    void showStoredValue(int tag);
    void correctSilently();
    EntryOutcome applyRules(int tag);
    void rulesOf(int tag, const StructureSnapshot& before);
    // The box's plain upper entry limit (parameter_limits); true when it corrected.
    bool applyUpperLimit(int tag);
    void edit4Rules(const StructureSnapshot& before);
    void edit5Rules(const StructureSnapshot& before);
    void edit6Rules();
    void edit8Rules(const StructureSnapshot& before);
    void pathCountRules(int tag, const StructureSnapshot& before);
    // Edit9..Edit16 of a delay path or dead-end pathway that is switched off.
    bool boxOfPathOff(int tag) const;
    void deadEndSiteRules(int tag);
    void scarSiteIntoRange();
    void setOuterLoopHint(bool alsoLoopPage);
    void markChanged(const StructureSnapshot& before);
    void refreshScheme(bool onlyWhenAllowed);
    void switchTail(bool isRadioButton1);
    void setChecked(int k);
    void request(FormRequest what);
    void evaluateLampNow();
    void recomputeEcgColours();
    void resetShownState();
    void writeOrientationLabels();
    RebuildResult buildDerivedAndPush();

    CircuitModel& m_;
    SessionState& session_;
    std::array<Box, 26> boxes_{};
    std::array<bool, 13> radioChecked_{};
    std::array<bool, 13> radioEnabled_{};
    std::array<bool, kFormPageCount> pageVisible_{};
    std::array<std::string, kFormPageCount> pageHint_{};
    bool label79Visible_ = false;
    bool singleStimuliEnabled_ = true;
    bool trainsEnabled_ = false;
    bool displayChoosersEnabled_ = false;
    OrientationLabels orientation_;
    LampState lamp_ = LampState::Blue;
    FormRequestCounts requests_;
    int focusedBox_ = 0;
    int cascadeDepth_ = 0;
    int changeDepth_ = 0;
    std::vector<std::function<void()>> listeners_;
};

}  // namespace quorel
