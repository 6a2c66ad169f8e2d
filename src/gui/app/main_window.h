#pragma once
// TSDIAppForm: the main window. It owns the program's data (one circuit model, one
// session, one set of run results), the page control, the menus, the tool bar, the
// status bar, the sounds, Timer2 and the window settings, and hands the data to the
// pages by reference.
//
// How other parts plug in:
//  - pages: build them in installPages() (page_installation.cpp) on pageWidget(page),
//    which holds a ready QVBoxLayout; register stored controls with windowSettings()
//    there, since the settings are restored right after installPages();
//  - commands of later parts (Open, Save, Save As, Print, Calculation, Animation, Show
//    Scheme, Calculator): setCommandHandler() enables the menu item and tool button;
//  - re-anchoring on resize: connect to layoutApplied();
//  - hints: setHint(control, text) (app/hint.h) puts a hint on the hint line too;
//  - a run: showRunTime() per shown tick, playSound(), and at its end
//    prnFilePage->setResultPrintOptionsEnabled(true) and enableTimer2();
//  - files: Label124 through prnFilePage->setFileName(), the title from kBaseCaption,
//    the recent files after N2 in FileMenu, Form3 with waitPumping() while working;
//  - at exit: connect to exiting() (the window is still whole).

#include "app/page_control.h"
#include "app/shell_options.h"
#include "app/sound_player.h"
#include "app/window_settings.h"
#include "engine/run_results.h"
#include "model/circuit_model.h"
#include "model/parameter_form_types.h"
#include "model/session_state.h"
#include "presentation/shell_layout.h"
#include "presentation/shell_state.h"
#include "presentation/status_bar.h"

#include <QMainWindow>
#include <QMessageBox>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QTabWidget;
class QTimer;
class QToolButton;

namespace quorel {
class ParameterForm;
}

namespace quorel::gui {

class CheckPage;
class CircuitPage;
class DeadEnd1Page;
class DeadEnd2Page;
class DelayPage;
class EcgPageView;
class EcgSetPage;
class LoopPage;
class MemoPage;
class MoviePage;
class Param1Page;
class Param2Page;
class Param3Page;
class Param4Page;
class ResultSheetView;
class TForm1;
class TForm2;
class PrnFilePage;
class StatusPanels;
class TAboutBox;
class TForm3;
class TForm4;
class TForm5;

// Page indices of PageControl1, in their fixed order.
enum Page {
    TabSheet_general, TabSheet_Out, TabSheet_delay, TabSheet_de1, TabSheet_de2, TabSheet_dc,
    TabSheet_bs, TabSheet_des, TabSheet_des2, TabSheet_param4, TabSheet_res1, TabSheet_memo,
    TabSheet_prn, TabSheet_movie, TabSheet_ecgset, TabSheet_ecg, PageCount
};

// The caption the window title starts with: "Quorel : [untitled]", "Quorel : " + path.
constexpr const char* kBaseCaption = "Quorel";

// Commands whose work other parts of the program do.
enum class Command { Open, Save, SaveAs, Print, Calculation, Animation, ShowScheme, Calculator, Count };

class TSDIAppForm : public QMainWindow {
    Q_OBJECT
public:
    // Without options: no settings file, the program's sounds, the real questions.
    explicit TSDIAppForm(QWidget* parent = nullptr);
    explicit TSDIAppForm(ShellOptions options, QWidget* parent = nullptr);
    ~TSDIAppForm() override;

    // --- the program's data ---
    CircuitModel& model() { return *model_; }
    SessionState& session() { return *session_; }
    RunResults& results() { return *results_; }
    ShellState& shell() { return shell_; }
    ParameterForm& form() { return *form_; }
    const ShellOptions& options() const { return options_; }

    // --- pages ---
    QWidget* pageWidget(Page page) const;
    void setPageVisible(Page page, bool visible);
    bool isPageVisible(Page page) const;
    void selectPage(Page page);
    Page currentPage() const;

    // --- commands of later parts ---
    // Installs the command's work and enables its menu item and tool button; an empty
    // handler disables them again.
    void setCommandHandler(Command command, std::function<void()> handler);
    QAction* commandAction(Command command) const;
    QToolButton* commandButton(Command command) const;   // null for Save As

    // --- while a calculation runs ---
    // Nothing that shapes the circuit or the protocol can be changed, so that the model a
    // run reads is the model its results are shown with: the parameter pages and the
    // commands that read or replace the model (Open, Save, Save As, Print) are disabled.
    // Browsing the results, the other pages and the window's own controls stay live.
    void setCalculationLock(bool locked);
    bool calculationLocked() const { return calculationLocked_; }

    // --- status bar ---
    void refreshStatusBar();            // lamps and time repainted from the data
    void showRunTime(double seconds);   // the run driver's clock: stored and painted at once
    void setEcgCursorMs(double milliseconds);
    void setMovieTimeMs(double milliseconds);
    QString statusTimeText() const;     // the time the status bar shows on this page

    // --- sounds, Timer2 ---
    void playSound(Sound sound);        // only while the sounds are on
    void enableTimer2();

    // --- layout and settings ---
    void applyLayout();                 // the layout routine
    const ShellLayout& currentLayout() const { return layout_; }
    WindowSettings& windowSettings() { return settings_; }
    bool saveWindowSettings();

    // --- named parts of the window ---
    PageControl* PageControl1 = nullptr;
    QWidget* SpeedPanel = nullptr;
    QToolButton* OpenBtn = nullptr;
    QToolButton* SaveBtn = nullptr;
    QToolButton* SpeedButton2 = nullptr;    // Print
    QToolButton* SpeedButton12 = nullptr;   // Show Scheme of the Circuit
    QToolButton* SpeedButton1 = nullptr;    // Calculation
    QToolButton* SpeedButton4 = nullptr;    // Animation
    QToolButton* SpeedButton10 = nullptr;   // calculator
    QToolButton* SpeedButton5 = nullptr;    // Sound ON/OFF
    QToolButton* SpeedButton3 = nullptr;    // Exit
    StatusPanels* StatusBar1 = nullptr;
    QTimer* Timer2 = nullptr;

    QMenu* FileMenu = nullptr;
    QAction* OpenItem = nullptr;
    QAction* SaveItem = nullptr;
    QAction* SaveAsA1 = nullptr;
    QAction* PrintP1 = nullptr;
    QAction* N2 = nullptr;   // the separator the recent files follow, above "Exit(&X)"
    QAction* ExitItem = nullptr;
    QMenu* EditMenu = nullptr;
    QAction* CutItem = nullptr;
    QAction* CopyItem = nullptr;
    QAction* PasteItem = nullptr;
    QAction* DeleteItem = nullptr;
    QAction* SelectAllItem = nullptr;
    QAction* UndoItem = nullptr;
    QMenu* CalculationMenu = nullptr;
    QAction* GoItem = nullptr;
    QAction* AnimationItem = nullptr;
    QMenu* HelpMenu = nullptr;
    QAction* AboutItem = nullptr;
    QAction* DefaultSizeItem = nullptr;
    QAction* SchemeItem = nullptr;
    QAction* CalculatorItem = nullptr;

    MemoPage* memoPage = nullptr;
    // Open, Save, Save As, the recent files and dropped files (file_commands_installation.cpp).
    class FileCommands* fileCommands = nullptr;
    PrnFilePage* prnFilePage = nullptr;
    // Print(&P)... and SpeedButton2, and the report as a PDF (installPrintCommand,
    // print_command_installation.cpp).
    class PrintCommand* printCommand = nullptr;

    // Parameter and model pages (installParameterPages, parameter_pages_installation.cpp).
    Param1Page* param1Page = nullptr;
    LoopPage* loopPage = nullptr;
    DelayPage* delayPage = nullptr;
    DeadEnd1Page* deadEnd1Page = nullptr;
    DeadEnd2Page* deadEnd2Page = nullptr;
    Param2Page* param2Page = nullptr;
    CheckPage* checkPage = nullptr;
    CircuitPage* circuitPage = nullptr;
    Param3Page* param3Page = nullptr;
    Param4Page* param4Page = nullptr;

    // ==== Parameter pages and page change (parameter_pages_installation.cpp, page_change.cpp) ====
    // OnTabChange: PageControl1 now shows page `index`. The form brings the derived model
    // up to date and the pages, the check lamp and the hooks below show the outcome.
    void OnTabChange(int index);
    // Runs the exit rules of the box being typed in, before a command reads the model.
    // A text that is no number is reported and false returned: the command must not run.
    bool finishEditing();
    // Shows what a box or a table cell refused (a text that is no number) or noted (cells
    // a paste could not reach). Null: a message box captioned "Quorel".
    std::function<void(QMessageBox::Icon icon, const QString& text)> entryMessageDisplay;
    void showEntryMessage(QMessageBox::Icon icon, const QString& text);
    // Any page became current, after the page change has done its work.
    std::function<void(Page)> onPageActivated;
    // The duties the parameter rules hand over that belong to later parts of the window:
    // ResultSheet, EcgChannelColours, SchemeRefresh, SchemeRepaint (Layout is done here).
    std::function<void(FormRequest)> onFormRequest;
    // ==== end of the parameter pages block ====

    // ==== Movie page and scheme window (installMoviePage, movie_page_installation.cpp) ====
    // stopAnimation: a running replay of the "movie" page ends at once (no further frame)
    // and the static picture returns; harmless when none runs. Whatever must not overlap
    // with a replay calls it before its work. Already done: a page change, a new layout of
    // the window, the Calculation command, and Open, Save, Save As and Print started from
    // the menu or the tool bar (runCommand). Code that loads or saves a circuit file or
    // prints by another road (a recent file, a dropped file) calls it itself.
    void stopAnimation();
    MoviePage* moviePage = nullptr;
    TForm4* Form4 = nullptr;   // the scheme window "Circuit"
    // ==== end of the movie block ====

    // Result page and the Calculation command (installResultPage, result_page_installation.cpp).
    ResultSheetView* resultSheetView = nullptr;
    TForm1* Form1 = nullptr;
    TAboutBox* AboutBox = nullptr;
    TForm3* Form3 = nullptr;
    TForm5* Form5 = nullptr;   // the calculator "QOVAcalc" (installCalculator, calculator_installation.cpp)

    // --- run command (app/run_command.h; set up by installResultPage) ---
    class RunController* runController = nullptr;
    // Called by the page change when "result" becomes active: the sheet is filled again,
    // the status bar repainted, and "result" becomes the page a calculation shows.
    std::function<void()> onResultPageActivated;
    // --- end of run command ---

    // ==== ECG pages (installEcgPages, ecg_pages_installation.cpp) ====
    // "ECG": ecgPageView->page() is the page's core object, which owns the activation
    // raster (raster(), channel 17 included) and the calipers.
    EcgPageView* ecgPageView = nullptr;
    EcgSetPage* ecgSetPage = nullptr;   // "ECG set": ComboBoxE1..E16 and SGDI2
    TForm2* Form2 = nullptr;            // the site pop-up "Select Site"
    // Applies the ECG state of a loaded circuit set; to be called by the loader once the
    // set is in the model and the session (after loadCircuitSetThroughForm). The channels
    // get the loaded sites and their colours ("ECG set" lists and labels), CheckBox6 and
    // CheckBox7 the loaded flags, ScrollBar2, ScrollBar3 and ScrollBar4 the loaded step,
    // scale and start, and the loaded caliper marks are kept at the loaded scale; the
    // raster of the loaded step is built and the capture lamp follows it.
    void ecgStateLoaded();
    // ==== end of the ECG pages block ====

public slots:
    void GoCalcClick();          // SpeedButton1, "Go(&G)"
    void OnAnimClick();          // SpeedButton4, "Animation(&A)"
    void SpeedButton5Click();    // sounds on / off
    void Timer2Timer();          // one tick of Timer2
    void About1Click();
    void DefaultWindowSizeClick();

signals:
    void layoutApplied(const quorel::ShellLayout& layout);
    void windowShown();                  // formShown has just become 1
    void defaultWindowSizeRequested();   // the scheme window and the calculator go back too
    void schemeRefreshNeeded();          // resized while the scheme window is open
    void exiting();                      // exit confirmed; the window is still whole

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct CommandBinding {
        QAction* item = nullptr;
        QToolButton* button = nullptr;
        std::function<void()> handler;
    };

    void createMenus();
    void createToolBar();
    void createPages();
    void createStatusBar();
    void installPages();
    void installParameterPages();
    void installResultPage();
    void installFileCommands();
    void installCalculator();
    void installEcgPages();
    // Label205.Left, PaintBox2.Height and PaintBox2.Width in the window settings.
    void registerEcgViewSizes(const QString& section);
    void installPrintCommand();
    void runCommand(Command command);
    QToolButton* addToolButton(const char* name, const char* hint, QPixmap glyph);
    void setEditMenuEnabled(bool enabled);
    void placeAtStart();
    StatusTimePage statusTimePage() const;
    void shutDown();
    void installMoviePage();   // movie_page_installation.cpp

    ShellOptions options_;
    std::shared_ptr<SoundPlayer> sounds_;
    std::unique_ptr<CircuitModel> model_;
    std::unique_ptr<SessionState> session_;
    std::unique_ptr<RunResults> results_;
    std::unique_ptr<ParameterForm> form_;
    ShellState shell_;
    StatusTimes times_;
    ShellLayout layout_;
    WindowSettings settings_;
    std::array<CommandBinding, static_cast<size_t>(Command::Count)> commands_;
    std::array<QWidget*, PageCount> pages_ = {};
    bool shutDown_ = false;
    bool calculationLocked_ = false;
    void applyCommandState(Command command);

    // ==== Parameter pages (parameter_pages_installation.cpp, page_change.cpp) ====
    void bindFormToWindow();
    void onTableEdited();
    // Context of every connection that reaches the form: destroyed before the form and
    // the pages, so that nothing calls into them while the window is taken apart.
    std::unique_ptr<QObject> formBinding_;
    // ==== end of the parameter pages block ====
};

}  // namespace quorel::gui
