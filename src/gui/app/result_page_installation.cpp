// The "result" page and the Calculation command.
#include "app/main_window.h"

namespace quorel::gui {

void TSDIAppForm::installResultPage()
{
}

}  // namespace quorel::gui
