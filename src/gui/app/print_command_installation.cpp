// The print command: "Print(&P)..." and SpeedButton2, and "Export report as PDF…".
#include "app/main_window.h"

#include "report/print_command.h"

namespace quorel::gui {

void TSDIAppForm::installPrintCommand()
{
    printCommand = new PrintCommand(*this);
    setCommandHandler(Command::Print, [this] { printCommand->printReport(); });
}

}  // namespace quorel::gui
