// The calculator window: created once with the other windows, opened by SpeedButton10
// and "Calculator(&C)", and brought back by "Default Window Size(&D)".
#include "app/main_window.h"

#include "dialogs/calculator_window.h"

namespace quorel::gui {

void TSDIAppForm::installCalculator()
{
    Form5 = new TForm5(options_.programDataFolder, this);
    TForm5* calculator = Form5;
    setCommandHandler(Command::Calculator, [this, calculator] { calculator->showCalculator(this); });
    connect(this, &TSDIAppForm::defaultWindowSizeRequested, calculator,
            [this, calculator] { calculator->placeOver(this); });
}

}  // namespace quorel::gui
