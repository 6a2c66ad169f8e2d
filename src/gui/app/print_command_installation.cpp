// The print command: "Print(&P)..." and SpeedButton2, and "Export report as PDF…".
#include "app/main_window.h"

#include "presentation/report_circuit_picture.h"
#include "report/print_command.h"
#include "views/movie_page.h"

namespace quorel::gui {

void TSDIAppForm::installPrintCommand()
{
    printCommand = new PrintCommand(*this);
    setCommandHandler(Command::Print, [this] { printCommand->printReport(); });
    // The description page copies the movie page's picture of the circuit, laid out now.
    printCommand->circuitPicture = [this] {
        moviePage->circuitLayout();
        return reportCircuitPicture(moviePage->siteDrawTable());
    };
    connect(printCommand, &PrintCommand::printingStarted, this, &TSDIAppForm::stopAnimation);
}

}  // namespace quorel::gui
