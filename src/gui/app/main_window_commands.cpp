// The menus, the tool bar and the commands behind them.
#include "app/main_window.h"

#include "app/glyphs.h"
#include "app/hint.h"
#include "dialogs/about_box.h"

#include <QAction>
#include <QCoreApplication>
#include <QStatusTipEvent>
#include <QToolTip>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace quorel::gui {

namespace {

QAction* addItem(QMenu* menu, const char* name, const char* caption)
{
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

// A tool button shows its hint only while its command is available: a hint on a greyed
// button would promise a command that does nothing.
class HintsWhileEnabled : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* button = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::ToolTip:
        case QEvent::StatusTip:
            return !button->isEnabled();
        case QEvent::EnabledChange:
            if (!button->isEnabled() && button->underMouse()) {
                QToolTip::hideText();
                QStatusTipEvent clear{QString()};
                QCoreApplication::sendEvent(button->parentWidget(), &clear);
            }
            return false;
        default:
            return false;
        }
    }
};

QAction* addSeparator(QMenu* menu, const char* name)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}

}  // namespace

void TSDIAppForm::createMenus()
{
    FileMenu = menuBar()->addMenu(QStringLiteral("File(&F)"));
    FileMenu->setObjectName("FileMenu");
    OpenItem = addItem(FileMenu, "OpenItem", "Open(&O)...");
    SaveItem = addItem(FileMenu, "SaveItem", "Save(&S)...");
    SaveAsA1 = addItem(FileMenu, "SaveAsA1", "Save As(&A)");
    addSeparator(FileMenu, "N1");
    PrintP1 = addItem(FileMenu, "PrintP1", "Print(&P)...");
    N2 = addSeparator(FileMenu, "N2");
    ExitItem = addItem(FileMenu, "ExitItem", "Exit(&X)");
    connect(ExitItem, &QAction::triggered, this, &QWidget::close);

    EditMenu = menuBar()->addMenu(QStringLiteral("Edit(&E)"));
    EditMenu->setObjectName("EditMenu");
    CutItem = addItem(EditMenu, "CutItem", "Cut(&T)");
    CopyItem = addItem(EditMenu, "CopyItem", "Copy(&C)");
    PasteItem = addItem(EditMenu, "PasteItem", "Paste(&P)");
    DeleteItem = addItem(EditMenu, "DeleteItem", "Delete(&D)");
    addSeparator(EditMenu, "N3");
    SelectAllItem = addItem(EditMenu, "SelectAllItem", "Select All(&A)");
    addSeparator(EditMenu, "N4");
    UndoItem = addItem(EditMenu, "UndoItem", "Undo(&U)");
    setEditMenuEnabled(false);   // until the memo has the focus

    CalculationMenu = menuBar()->addMenu(QStringLiteral("Calculation(&C)"));
    CalculationMenu->setObjectName("CalculationMenu");
    GoItem = addItem(CalculationMenu, "GoItem", "Go(&G)");
    AnimationItem = addItem(CalculationMenu, "AnimationItem", "Animation(&A)");
    connect(GoItem, &QAction::triggered, this, &TSDIAppForm::GoCalcClick);
    connect(AnimationItem, &QAction::triggered, this, &TSDIAppForm::OnAnimClick);

    HelpMenu = menuBar()->addMenu(QStringLiteral("Help(&H)"));
    HelpMenu->setObjectName("HelpMenu");
    AboutItem = addItem(HelpMenu, "AboutItem", "About(&A)...");
    DefaultSizeItem = addItem(HelpMenu, "DefaultSizeItem", "Default Window Size(&D)");
    SchemeItem = addItem(HelpMenu, "SchemeItem", "Show Scheme of the Circuit(&S)");
    CalculatorItem = addItem(HelpMenu, "CalculatorItem", "Calculator(&C)");
    connect(AboutItem, &QAction::triggered, this, &TSDIAppForm::About1Click);
    connect(DefaultSizeItem, &QAction::triggered, this, &TSDIAppForm::DefaultWindowSizeClick);
}

QToolButton* TSDIAppForm::addToolButton(const char* name, const char* hint, QPixmap glyphPixmap)
{
    auto* button = new QToolButton(SpeedPanel);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);   // flat until the mouse is over it
    button->setFixedSize(kToolButtonSize, kToolButtonSize);
    button->setIconSize(QSize(kGlyphSize, kGlyphSize));
    button->setIcon(toolIcon(glyphPixmap));
    setHint(button, QString::fromUtf8(hint));
    static HintsWhileEnabled* const hints = new HintsWhileEnabled(QCoreApplication::instance());
    button->installEventFilter(hints);
    button->setFocusPolicy(Qt::NoFocus);   // a tool button never takes the focus from the memo or a box
    return button;
}

void TSDIAppForm::createToolBar()
{
    SpeedPanel = new QWidget(this);
    SpeedPanel->setObjectName("SpeedPanel");
    SpeedPanel->setFixedHeight(kToolButtonSize + 4);

    OpenBtn = addToolButton("OpenBtn", "Open", glyph(Glyph::Open));
    SaveBtn = addToolButton("SaveBtn", "Save", glyph(Glyph::Save));
    SpeedButton2 = addToolButton("SpeedButton2", "Print", glyph(Glyph::Print));
    SpeedButton12 = addToolButton("SpeedButton12", "Show Scheme of the Circuit", glyph(Glyph::Scheme));
    SpeedButton1 = addToolButton("SpeedButton1", "Calculaton", glyph(Glyph::Calculation));
    SpeedButton4 = addToolButton("SpeedButton4", "Animation", glyph(Glyph::Animation));
    SpeedButton10 = addToolButton("SpeedButton10", "calculator", glyph(Glyph::Calculator));
    SpeedButton5 = addToolButton("SpeedButton5", "Sound ON/OFF", namedImage(soundGlyph(shell_.soundOn)));
    SpeedButton3 = addToolButton("SpeedButton3", "Exit", glyph(Glyph::Exit));

    // Groups of file, picture and run commands; the last three follow the right edge.
    const int lefts[] = {2, 38, 80, 116, 158, 194};
    QToolButton* left[] = {OpenBtn, SaveBtn, SpeedButton2, SpeedButton12, SpeedButton1, SpeedButton4};
    for (int i = 0; i < 6; ++i)
        left[i]->move(lefts[i], 2);
    const ShellLayout start = computeShellLayout({});
    SpeedButton10->move(start.SpeedButton10Left, 2);
    SpeedButton5->move(start.SpeedButton5Left, 2);
    SpeedButton3->move(start.SpeedButton3Left, 2);

    connect(SpeedButton1, &QToolButton::clicked, this, &TSDIAppForm::GoCalcClick);
    connect(SpeedButton4, &QToolButton::clicked, this, &TSDIAppForm::OnAnimClick);
    connect(SpeedButton5, &QToolButton::clicked, this, &TSDIAppForm::SpeedButton5Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &QWidget::close);

    const struct {
        Command command;
        QAction* item;
        QToolButton* button;
    } bindings[] = {
        {Command::Open, OpenItem, OpenBtn},
        {Command::Save, SaveItem, SaveBtn},
        {Command::SaveAs, SaveAsA1, nullptr},
        {Command::Print, PrintP1, SpeedButton2},
        {Command::Calculation, GoItem, SpeedButton1},
        {Command::Animation, AnimationItem, SpeedButton4},
        {Command::ShowScheme, SchemeItem, SpeedButton12},
        {Command::Calculator, CalculatorItem, SpeedButton10},
    };
    for (const auto& b : bindings) {
        CommandBinding& binding = commands_[static_cast<size_t>(b.command)];
        binding.item = b.item;
        binding.button = b.button;
        const Command command = b.command;
        // Calculation and Animation run through their named slots, the others directly.
        if (command != Command::Calculation && command != Command::Animation) {
            connect(b.item, &QAction::triggered, this, [this, command] { runCommand(command); });
            if (b.button)
                connect(b.button, &QToolButton::clicked, this, [this, command] { runCommand(command); });
        }
        setCommandHandler(command, {});   // nothing pretends to work before its part is there
    }
}

void TSDIAppForm::setCommandHandler(Command command, std::function<void()> handler)
{
    commands_[static_cast<size_t>(command)].handler = std::move(handler);
    applyCommandState(command);
}

namespace {

// Commands that read or replace the model a running calculation works on, and the replay
// of the results it is writing.
bool waitsForTheCalculation(Command command)
{
    return command == Command::Open || command == Command::Save || command == Command::SaveAs ||
           command == Command::Print || command == Command::Animation;
}

}  // namespace

void TSDIAppForm::applyCommandState(Command command)
{
    CommandBinding& binding = commands_[static_cast<size_t>(command)];
    const bool available =
        static_cast<bool>(binding.handler) && !(calculationLocked_ && waitsForTheCalculation(command));
    binding.item->setEnabled(available);
    if (binding.button)
        binding.button->setEnabled(available);
}

void TSDIAppForm::setCalculationLock(bool locked)
{
    calculationLocked_ = locked;
    for (Page page : {TabSheet_general, TabSheet_Out, TabSheet_delay, TabSheet_de1, TabSheet_de2,
                      TabSheet_dc, TabSheet_des2, TabSheet_param4})
        pageWidget(page)->setEnabled(!locked);
    for (int c = 0; c < static_cast<int>(Command::Count); ++c)
        applyCommandState(static_cast<Command>(c));
}

QAction* TSDIAppForm::commandAction(Command command) const
{
    return commands_[static_cast<size_t>(command)].item;
}

QToolButton* TSDIAppForm::commandButton(Command command) const
{
    return commands_[static_cast<size_t>(command)].button;
}

void TSDIAppForm::runCommand(Command command)
{
    const CommandBinding& binding = commands_[static_cast<size_t>(command)];
    if (!binding.handler || (calculationLocked_ && waitsForTheCalculation(command)))
        return;
    // A command that reads the model takes what the box being typed in holds, after the
    // box's exit rules; a box holding no number stops it with the message.
    const bool readsModel = command != Command::Open && command != Command::Calculator;
    if (readsModel && !finishEditing())
        return;
    // A replay must not run while a file is read or written or the report printed.
    if (command == Command::Open || command == Command::Save || command == Command::SaveAs ||
        command == Command::Print)
        stopAnimation();
    binding.handler();
}

void TSDIAppForm::GoCalcClick()
{
    runCommand(Command::Calculation);
}

void TSDIAppForm::OnAnimClick()
{
    runCommand(Command::Animation);
}

void TSDIAppForm::setEditMenuEnabled(bool enabled)
{
    EditMenu->menuAction()->setEnabled(enabled);
}

void TSDIAppForm::About1Click()
{
    AboutBox->showCentredOver(this);
}

}  // namespace quorel::gui
